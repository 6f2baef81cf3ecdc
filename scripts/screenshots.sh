#!/usr/bin/env bash
# Regenerates docs/screenshots from the program's own offscreen renders (the GUI
# tests write them), for the README and the AppStream metainfo. Never edit the
# images by hand: run this again. An existing build folder with the GUI tests
# may be given as the argument; by default a Release build of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
source scripts/as-invoking-user.sh

build=${1:-build/screenshots}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BUILD_BENCH=OFF
fi
cmake --build "$build" -j "$(nproc)" --target gui_tests
renders="$build/tests/gui/renders"
rm -rf "$renders"
ctest --test-dir "$build" --output-on-failure -R '^PageRenderTest\.EveryPageRendersAtTheWindowSize$'

# Render name -> screenshot name; page 5 is the editing page.
shots=(
  main_page3_device_arrival.png:adapter-page.png
  main_page4_home.png:home-page.png
  main_page5.png:editing-page.png
)
mkdir -p docs/screenshots
for shot in "${shots[@]}"; do
  cp "$renders/${shot%%:*}" "docs/screenshots/${shot##*:}"
done
echo "screenshots: updated $(printf '%s ' "${shots[@]##*:}")in docs/screenshots"
