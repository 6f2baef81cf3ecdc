#!/usr/bin/env bash
# Cold start of the manager to its "connect your adapter" page, and its resident memory there.
# Usage: startup_bench.sh PATH/TO/torvane-manager [RUNS] [extra manager arguments...]
# Runs the program RUNS times (default 15) with --startup-probe offscreen and reports the median start-up time
# and the largest resident set. Exits 1 when a run fails or a goal (300 ms, 80 MB) is missed.
set -euo pipefail

manager=${1:?usage: startup_bench.sh MANAGER [RUNS] [ARGS...]}
runs=${2:-15}
shift $(( $# >= 2 ? 2 : 1 ))

# A private runtime folder: the single-instance lock of a manager running on this desktop is not ours to meet.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"

times=()
max_rss=0
for ((i = 0; i < runs; i++)); do
  line=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$manager" --startup-probe "$@" 2>/dev/null | tail -n 1)
  if [[ ! $line =~ ^startup_ms=([0-9.]+)\ rss_kib=([0-9]+)$ ]]; then
    echo "run $i gave no figures: '$line'" >&2
    exit 1
  fi
  times+=("${BASH_REMATCH[1]}")
  rss=${BASH_REMATCH[2]}
  (( rss > max_rss )) && max_rss=$rss
done

median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
min=$(printf '%s\n' "${times[@]}" | sort -n | head -n 1)
max=$(printf '%s\n' "${times[@]}" | sort -n | tail -n 1)
rss_mb=$(awk -v k="$max_rss" 'BEGIN { printf "%.1f", k / 1024 }')
echo "runs=$runs startup_median_ms=$median startup_min_ms=$min startup_max_ms=$max rss_max_mb=$rss_mb"

status=0
awk -v m="$median" 'BEGIN { exit !(m < 300) }' || { echo "start-up goal missed: ${median} ms >= 300 ms" >&2; status=1; }
(( max_rss < 80 * 1024 )) || { echo "memory goal missed: ${rss_mb} MB >= 80 MB" >&2; status=1; }
exit $status
