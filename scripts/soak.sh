#!/usr/bin/env bash
# Soaks the manager: its window and torvane-cli take turns changing one adapter
# served by torvane-emulator for CYCLES cycles (default 1000), with faults armed
# and the adapter unplugged now and then as the seed decides, and after every
# cycle the adapter must hold every edit. The report counts the faults, the
# failed and recovered saves and the lost edits, and compares resident memory,
# open descriptors and threads; the exit status is 1 when a check failed. SEED
# repeats an earlier run (each report names its seed). Builds a Release build
# of its own in build/soak, since a sanitizer's bookkeeping grows with every
# new allocation site and would hide the growth the report measures (the tests
# run 20 cycles under the sanitizers); the log goes to build/soak/soak.log.
#   scripts/soak.sh [CYCLES] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

cycles=${1:-1000}
build=build/soak
arguments=(--cycles "$cycles")
[ $# -ge 2 ] && arguments+=(--seed "$2")

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target torvane-soak

QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$build/tests/soak/torvane-soak" "${arguments[@]}" 2>&1 |
  tee "$build/soak.log"
