# The system the build is for, and every library the build uses, looked up once here for all folders. Each is a
# Debian package that scripts/setup-debian.sh installs (for Windows, the system's own libraries).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(TORVANE_PLATFORM linux)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(TORVANE_PLATFORM windows)
else()
  message(FATAL_ERROR "No platform implementation for ${CMAKE_SYSTEM_NAME}")
endif()

find_package(Threads REQUIRED)
# CRC-32 of the carried firmware (libz-mingw-w64-dev for Windows, linked in, as a player's system has no zlib1.dll).
if(CMAKE_CROSSCOMPILING)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
# The command line's JSON output; header only, found on the build machine for a cross build too. A cross build
# sees only its folder, through a link in the build tree: the build machine's /usr/include would shadow the target's
# C library headers.
find_package(nlohmann_json 3.11 REQUIRED NO_CMAKE_FIND_ROOT_PATH)
if(CMAKE_CROSSCOMPILING)
  find_path(TORVANE_NLOHMANN_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(json_include ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${json_include})
  file(CREATE_LINK ${TORVANE_NLOHMANN_INCLUDE}/nlohmann ${json_include}/nlohmann SYMBOLIC)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${json_include})
endif()
if(TORVANE_PLATFORM STREQUAL "linux")
  find_package(PkgConfig REQUIRED)
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)  # SHA-256 of backups, MD5 of exchange files
  pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
  pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET libudev)
endif()
# Windows brings HID, device set-up, sockets and the digests (CNG) itself.

# The pieces of the platform layer that live in the UI thread's event loop use Qt Core; the windows need the rest.
set(TORVANE_WITH_QT ON)
if(TORVANE_PLATFORM STREQUAL "windows" AND NOT TORVANE_BUILD_GUI)
  set(TORVANE_WITH_QT OFF)
endif()
if(TORVANE_BUILD_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Svg)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)  # the skin archive
elseif(TORVANE_WITH_QT)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
endif()
if(TORVANE_BUILD_TESTS)
  if(CMAKE_CROSSCOMPILING)
    # No GoogleTest is packaged for the target: built from the sources Debian's libgtest-dev installs.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
  if(TORVANE_BUILD_GUI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
  endif()
endif()
if(TORVANE_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
