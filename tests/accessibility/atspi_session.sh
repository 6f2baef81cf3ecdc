#!/usr/bin/env bash
# Runs the accessibility walk in a private D-Bus session and X server, so it never meets the desktop of whoever
# runs the tests. The accessibility bus is started on demand by D-Bus activation.
set -euo pipefail
manager=$1
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 "$here/atspi_walk.py" "$manager"
