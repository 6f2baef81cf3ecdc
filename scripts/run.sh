#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the manager and starts it. With no
# arguments it runs against the virtual adapter (a demo without hardware);
# --real-adapter runs it against the USB adapter; other arguments are passed
# on, e.g. --adapter-socket PATH. With no display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target torvane-manager

args=("$@")
if [ ${#args[@]} -eq 0 ]; then
  args=(--virtual-adapter)
elif [ "${args[0]}" = "--real-adapter" ]; then
  args=("${args[@]:1}")
fi

manager=build/release/src/app/torvane-manager
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$manager" "${args[@]}"
fi
exec "$manager" "${args[@]}"
