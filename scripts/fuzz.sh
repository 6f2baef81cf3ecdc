#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for
# SECONDS (default 60), starting from seeds the manager's own writers make
# and the skin's layouts. Prints each target's executions; fails when a target
# finds a crash, a sanitizer report or a broken property (the input is left
# in build/fuzz/artifacts/<target>/).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

seconds=${1:-60}
shift || true
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_FUZZ=ON \
  -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_all

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  read -r -a targets <<<"$(tr ';' ' ' <"$build/fuzz_targets.txt")"
fi

corpus=$build/corpus
"$build/fuzz/seed_corpus" "$corpus"
mkdir -p "$corpus/skin_layout"
cp skin/*.xml "$corpus/skin_layout/"

failed=()
for target in "${targets[@]}"; do
  options=()
  # The main window's layout is the only longer one; longer inputs would only slow the search down.
  [ "$target" = skin_layout ] && options+=(-max_len=8192)
  artifacts=$build/artifacts/$target
  mkdir -p "$corpus/$target" "$artifacts"
  log=$build/fuzz_$target.log
  status=0
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "${options[@]}" "$corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$status" -eq 0 ]; then
    printf '%-14s %10s executions in %ss\n' "$target" "${runs:-?}" "$seconds"
  else
    printf '%-14s FAILED after %s executions, see %s\n' "$target" "${runs:-?}" "$log"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|property broken)' "$log" | head -3 || true
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
