# Sourced by the scripts that build, after the set-up: when the script was started
# through sudo, the rest runs again as the user who called sudo, so the build
# folder never belongs to root. Stops with advice when build/ is not writable.
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  exec sudo -u "$SUDO_USER" -- bash "$PWD/scripts/$(basename "$0")" "$@"
fi
if [ -e build ] && { [ ! -w build ] || [ -n "$(find build -maxdepth 2 ! -user "$(id -u)" -print -quit)" ]; }; then
  echo "$0: build/ holds files of another user (an earlier run as root?); remove it (\`sudo rm -rf build\`) and run again" >&2
  exit 1
fi
