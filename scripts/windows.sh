#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with Debian's mingw-w64 and
# runs the tests under Wine, so every change keeps the Windows build working.
# Wine's prefix lives in build/, so a run never touches the user's own ~/.wine.
#   scripts/windows.sh [ctest arguments...]
#       the command line, the emulator and the layers below the windows
#   scripts/windows.sh --gui [ctest arguments...]
#       the manager too: builds Qt and libzip for Windows once (scripts/windows-libraries.sh), runs every test under
#       Wine, starts the manager on the virtual adapter with the Windows platform plugin and screenshots it, and
#       makes the zip and the installer (build/mingw-gui/packages, a test of their own, which also installs,
#       runs and uninstalls)
#   scripts/windows.sh --package
#       only the programs, the zip and the installer (build/mingw-package/packages)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=core
case "${1:-}" in
  --gui) mode=gui; shift ;;
  --package) mode=package; shift ;;
esac

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

export WINEPREFIX="$PWD/build/wine-prefix"
export WINEDEBUG=-all
# No browser engine or .NET runtime: their installers would ask in a window.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One Wine server for the whole run: left to itself it quits whenever no program runs, and a test starting at that
# moment loses its connection ("wine client error: recvmsg: Connection reset by peer").
# The persistent server starts first, so a new prefix's set-up runs on it too: started by that set-up, a server of
# its own would still quit when idle, and a second one cannot start beside it. One left over from a run that was
# cut short goes first.
start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver --kill 2>/dev/null || true
  wineserver --persistent
  trap 'wineserver --kill 2>/dev/null || true' EXIT
  if [ ! -e "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
  fi
  # Wine's own services start with the first program and then live as long as the server: started here, they do
  # not hold the output of a test's discovery open.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

if [ "$mode" = core ]; then
  build=build/mingw
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Debug -DTORVANE_BUILD_GUI=OFF -DTORVANE_BUILD_BENCH=OFF
  cmake --build "$build" -j "$(nproc)"
  start_wine
  ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
  exit 0
fi

prefix=$(bash scripts/windows-libraries.sh | tail -n1)
# The skin's generators run on this machine: a build of them alone.
host_tools=build/host-tools
cmake -S . -B "$host_tools" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BUILD_TESTS=OFF \
  -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$host_tools" -j "$(nproc)" --target imagegen skinpack

build=build/mingw-gui
tests=ON
if [ "$mode" = package ]; then
  build=build/mingw-package
  tests=OFF
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_WINDOWS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DTORVANE_HOST_TOOLS="$PWD/$host_tools" \
  -DTORVANE_BUILD_TESTS=$tests -DTORVANE_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
if [ "$mode" = package ]; then
  cmake --build "$build" --target windows-packages
  exit 0
fi

# Wine's windows need an X display, even behind Qt's offscreen platform; its server starts within that display.
export -f start_wine
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  start_wine
  ctest --test-dir "$0" --output-on-failure --timeout 600 -j "$(nproc)" "${@}"' "$build" "$@"

# The manager as a player starts it: the Windows platform plugin on a display, the virtual adapter behind it; the
# build's wrapper puts Qt's and the compiler's DLLs on the search path.
shots="$build/screenshots"
mkdir -p "$shots"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  "$0/wine-run.sh" "$0/src/app/torvane-manager.exe" --virtual-adapter --startup-probe
  "$0/wine-run.sh" "$0/src/app/torvane-manager.exe" --virtual-adapter &
  sleep 15
  xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1/manager-under-wine.png"
  # A click on the adapter, where the centred window shows it, opens its configurations.
  xdotool mousemove 617 473 click 1
  sleep 4
  xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1/home-under-wine.png"
  wineserver --kill' "$build" "$shots"
echo "windows: screenshots in $shots" >&2
