#!/usr/bin/env bash
# Installs the Debian 12 packages the manager needs to build, test, package and
# run, and generates the German locale the tests use to check locale-independent
# texts. Needs root only when something is missing: run as root it installs
# directly, run as an ordinary user it asks sudo. Quick when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libhidapi-dev libudev-dev libzip-dev zlib1g-dev libpng-dev libssl-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xauth fonts-noto-core locales
  desktop-file-utils appstream
  python3-pyatspi at-spi2-core dbus-daemon
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 nsis x11-apps netpbm xdotool
)
test_locale=de_DE.UTF-8

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# `locale -a` lists de_DE.UTF-8 as de_DE.utf8.
locale_missing=false
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  locale_missing=true
fi

if [ ${#missing[@]} -eq 0 ] && ! $locale_missing; then
  exit 0
fi

what=()
[ ${#missing[@]} -ne 0 ] && what+=("the packages ${missing[*]}")
$locale_missing && what+=("the locale $test_locale")

cannot_become_root() {
  cat >&2 <<MSG
setup: missing: ${what[*]}.
setup: installing them needs root, and $1.
setup: either run this script as root (for example \`su -c 'bash $0'\`),
setup: or install sudo and allow yourself to use it (as root: \`apt-get install sudo\`
setup: and \`adduser $(id -un) sudo\`, then log in again), and run the command again.
MSG
  exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || cannot_become_root "sudo is not installed"
  echo "setup: missing: ${what[*]}; installing them through sudo" >&2
  sudo -v || cannot_become_root "sudo did not allow $(id -un) to become root"
  as_root=(sudo)
fi

if [ ${#missing[@]} -ne 0 ]; then
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if $locale_missing; then
  if grep -q "^# *$test_locale UTF-8" /etc/locale.gen; then
    "${as_root[@]}" sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
  elif ! grep -q "^$test_locale UTF-8" /etc/locale.gen; then
    echo "$test_locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen
fi
