#!/usr/bin/env bash
# Builds the libraries the Windows manager needs and Debian packages only for Linux (Qt 6 base and libzip) from
# Debian's own source packages, with mingw-w64, into a cache outside the source tree. A second run finds the
# finished prefix and returns at once. Prints the prefix on its last line.
#   scripts/windows-libraries.sh
# The cache lies in $TORVANE_CACHE (default: ~/.cache/torvane). The apt configuration used to fetch the sources is
# private to that cache: the system's own sources stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

qt_version=6.4.2+dfsg-10
zip_version=1.7.3-1
cache=${TORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/torvane}
prefix=$cache/mingw-${qt_version%%+*}
stamp=$prefix/.complete-$qt_version-$zip_version
if [ -e "$stamp" ]; then
  echo "$prefix"
  exit 0
fi
mkdir -p "$cache"
started=$(date +%s)

# Sources from the mirror the system's binary packages come from.
apt_dir=$cache/apt
mirror=$( (cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null || true) |
  sed -nE 's#^(URIs:|deb)( \[[^]]*\])? +(https?://[^ ]+/debian)/?( .*)?$#\3#p' | head -n1)
mirror=${mirror:-http://deb.debian.org/debian}
mkdir -p "$apt_dir"/lists/partial "$apt_dir"/cache/archives/partial "$apt_dir"/etc
echo "deb-src $mirror bookworm main" >"$apt_dir/etc/sources.list"
apt_options=(-o "Dir::Etc::sourcelist=$apt_dir/etc/sources.list" -o Dir::Etc::sourceparts=-
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o APT::Sandbox::User=root
  -o Debug::NoLocking=1)
sources=$cache/sources
mkdir -p "$sources"
fetch() {  # package version
  if [ ! -e "$sources/$1_$2.dsc" ]; then
    apt-get -qq "${apt_options[@]}" update
    (cd "$sources" && apt-get -qq "${apt_options[@]}" source --download-only "$1=$2")
  fi
  if [ ! -d "$sources/$1" ]; then
    (cd "$sources" && dpkg-source --no-check -x "$1_$2.dsc" "$1.partial" >/dev/null && mv "$1.partial" "$1")
  fi
}
fetch qt6-base "$qt_version"
fetch libzip "$zip_version"
# 6.4.2's Windows platform plugin offers the DirectWrite font database whenever DirectWrite 3 is there, but the Gui
# library builds that database only with Direct2D as well, which this build leaves out: the plugin would not link.
# The plugin then uses the GDI font database, as Qt does by default.
integration=$sources/qt6-base/src/plugins/platforms/windows/qwindowsintegration.cpp
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integration"

jobs=$(nproc)
cross=(-DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86_64
  -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix
  -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres
  "-DCMAKE_FIND_ROOT_PATH=$prefix;/usr/x86_64-w64-mingw32" -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY -DCMAKE_BUILD_TYPE=Release "-DCMAKE_INSTALL_PREFIX=$prefix")

# Qt with the host's tools (the same version), only the modules the manager and its tests use. Debian's source
# leaves out wintab.h, hence no tablet events; 6.4's Windows platform plugin needs OpenGL, loaded at run time.
qt_build=$cache/build/qt6-base
cmake -S "$sources/qt6-base" -B "$qt_build" -G Ninja "${cross[@]}" -Wno-dev \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DBUILD_WITH_PCH=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF -DFEATURE_sql_sqlite=OFF \
  -DINPUT_opengl=dynamic -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
cmake --build "$qt_build" -j "$jobs"
cmake --install "$qt_build" >/dev/null

# libzip on the mingw zlib (linked in, as Windows has no zlib1.dll), without its command-line tools.
zip_build=$cache/build/libzip
cmake -S "$sources/libzip" -B "$zip_build" -G Ninja "${cross[@]}" -DBUILD_SHARED_LIBS=OFF \
  -DZLIB_USE_STATIC_LIBS=ON -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF \
  -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
cmake --build "$zip_build" -j "$jobs"
cmake --install "$zip_build" >/dev/null

echo "windows-libraries: built in $(($(date +%s) - started)) s on $jobs cores" >&2
touch "$stamp"
echo "$prefix"
