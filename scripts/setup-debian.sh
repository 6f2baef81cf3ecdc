#!/usr/bin/env bash
# Installs the Debian 12 packages the manager needs to build, test and run, and
# generates the German locale the tests use to check locale-independent texts.
# Run as root. Quick when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libhidapi-dev libudev-dev libzip-dev zlib1g-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-noto-core locales
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

if [ "$(id -u)" -ne 0 ]; then
  if [ ${#missing[@]} -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]}; run this script as root" >&2
  fi
  if $locale_missing; then
    echo "setup: missing locale: $test_locale; run this script as root" >&2
  fi
  exit 1
fi

if [ ${#missing[@]} -ne 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if $locale_missing; then
  if grep -q "^# *$test_locale UTF-8" /etc/locale.gen; then
    sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
  elif ! grep -q "^$test_locale UTF-8" /etc/locale.gen; then
    echo "$test_locale UTF-8" >> /etc/locale.gen
  fi
  locale-gen
fi
