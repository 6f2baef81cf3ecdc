#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test:
# once under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# non-GUI layers (the device worker above all) once more under ThreadSanitizer,
# the Windows build of those layers under Wine, and each fuzz target for a few
# seconds as a smoke test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

jobs=$(nproc)

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_SANITIZE=ON
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure --timeout 300 -j "$jobs"

cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_TSAN=ON \
  -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_BENCH=OFF
cmake --build build/tsan -j "$jobs"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build/tsan --output-on-failure --timeout 300 -j "$jobs"

bash scripts/windows.sh

bash scripts/fuzz.sh 5
