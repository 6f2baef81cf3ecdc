#!/usr/bin/env bash
# Cold start of the manager to its "connect your adapter" page, and its resident memory there.
# Usage: startup_bench.sh PATH/TO/torvane-manager [RUNS] [extra manager arguments...]
#        startup_bench.sh --paired PATH/TO/empty_window_probe PATH/TO/torvane-manager [RUNS] [extra arguments...]
# Runs the program RUNS times (default 15) with --startup-probe offscreen and reports the median start-up time
# and the largest resident set. Exits 1 when a run fails or a goal (300 ms, 80 MB) is missed.
# Paired, each run times both whole processes, the empty window's and the manager's one after the other (so both
# meet the same load), from start to exit after their first paint, and reads each one's peak resident memory. It
# reports both medians, their ratio and both peaks; the goals are a ratio of at most 1.5 and a manager peak under
# 32 MiB.
set -euo pipefail
# $EPOCHREALTIME and awk read the decimal point whatever the locale.
export LC_NUMERIC=C

paired=""
if [[ ${1:-} == --paired ]]; then
  paired=${2:?usage: startup_bench.sh --paired EMPTY_WINDOW MANAGER [RUNS] [ARGS...]}
  shift 2
fi
manager=${1:?usage: startup_bench.sh MANAGER [RUNS] [ARGS...]}
runs=${2:-15}
shift $(( $# >= 2 ? 2 : 1 ))

# A private runtime folder: the single-instance lock of a manager running on this desktop is not ours to meet.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs one whole process offscreen; prints "<wall ms> <peak KiB>".
timed_run() {
  local peak_file=$runtime/peak start end
  start=$EPOCHREALTIME
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" /usr/bin/time -f %M -o "$peak_file" "$@" >/dev/null 2>&1
  end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" -v p="$(tail -n 1 "$peak_file")" 'BEGIN { printf "%.1f %d\n", (e - s) * 1000, p }'
}

if [[ -n $paired ]]; then
  empty_ms=() manager_ms=()
  empty_peak=0 manager_peak=0
  for ((i = 0; i < runs; i++)); do
    read -r ms kib < <(timed_run "$paired") || { echo "run $i: the empty window failed" >&2; exit 1; }
    empty_ms+=("$ms")
    (( kib > empty_peak )) && empty_peak=$kib
    read -r ms kib < <(timed_run "$manager" --startup-probe "$@") || { echo "run $i: the manager failed" >&2; exit 1; }
    manager_ms+=("$ms")
    (( kib > manager_peak )) && manager_peak=$kib
  done
  empty_median=$(printf '%s\n' "${empty_ms[@]}" | median)
  manager_median=$(printf '%s\n' "${manager_ms[@]}" | median)
  ratio=$(awk -v m="$manager_median" -v e="$empty_median" 'BEGIN { printf "%.2f", m / e }')
  mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
  echo "runs=$runs empty_window_median_ms=$empty_median manager_median_ms=$manager_median ratio=$ratio" \
       "empty_window_peak_mib=$(mib "$empty_peak") manager_peak_mib=$(mib "$manager_peak")"
  status=0
  awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }' || { echo "start-up goal missed: ${ratio}x the empty window > 1.5x" >&2; status=1; }
  (( manager_peak < 32 * 1024 )) || { echo "memory goal missed: $(mib "$manager_peak") MiB >= 32 MiB" >&2; status=1; }
  exit $status
fi

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

median=$(printf '%s\n' "${times[@]}" | median)
min=$(printf '%s\n' "${times[@]}" | sort -n | head -n 1)
max=$(printf '%s\n' "${times[@]}" | sort -n | tail -n 1)
rss_mb=$(awk -v k="$max_rss" 'BEGIN { printf "%.1f", k / 1024 }')
echo "runs=$runs startup_median_ms=$median startup_min_ms=$min startup_max_ms=$max rss_max_mb=$rss_mb"

status=0
awk -v m="$median" 'BEGIN { exit !(m < 300) }' || { echo "start-up goal missed: ${median} ms >= 300 ms" >&2; status=1; }
(( max_rss < 80 * 1024 )) || { echo "memory goal missed: ${rss_mb} MB >= 80 MB" >&2; status=1; }
exit $status
