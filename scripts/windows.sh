#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with Debian's mingw-w64 and
# runs the tests under Wine, so every change keeps the Windows build working.
# Wine's prefix lives in build/, so a run never touches the user's own ~/.wine.
#   scripts/windows.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

build=build/mingw
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Debug -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"

export WINEPREFIX="$PWD/build/wine-prefix"
export WINEDEBUG=-all
# No browser engine or .NET runtime: their installers would ask in a window.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
fi
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
wineserver --wait
