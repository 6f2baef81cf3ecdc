# Every library the build uses, looked up once here for all folders. Each is a Debian package that
# scripts/setup-debian.sh installs.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)  # SHA-256 of backups, MD5 of exchange files
find_package(ZLIB REQUIRED)                       # CRC-32 of the carried firmware
find_package(nlohmann_json 3.11 REQUIRED)         # the command line's JSON output
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET libudev)
# Qt Core for the platform's event-loop pieces; the windows need the rest.
if(TORVANE_BUILD_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Svg)
  pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)  # the skin archive
else()
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
endif()
if(TORVANE_BUILD_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  if(TORVANE_BUILD_GUI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
  endif()
endif()
if(TORVANE_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
