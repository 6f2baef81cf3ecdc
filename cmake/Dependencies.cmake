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
  if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    # The build's Windows programs (its generators and tests) find Qt's and the compiler's DLLs under Wine as an
    # installed manager finds them beside itself.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll OUTPUT_VARIABLE gcc_dll
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll OUTPUT_VARIABLE thread_dll
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH ${thread_dll} thread_dll)
    get_filename_component(gcc_dlls ${gcc_dll} DIRECTORY)
    get_filename_component(thread_dlls ${thread_dll} DIRECTORY)
    set(TORVANE_WINE_DLL_PATH "${TORVANE_WINDOWS_PREFIX}/bin;${gcc_dlls};${thread_dlls}")
    set(TORVANE_WINE_PLUGIN_PATH "${TORVANE_WINDOWS_PREFIX}/plugins")
    set(TORVANE_WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Qt's SVG module only renders the skin's images, which a cross build takes from a build for this machine.
    find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
  else()
    find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Svg)
  endif()
  # The skin archive.
  add_library(torvane_libzip INTERFACE)
  if(TORVANE_PLATFORM STREQUAL "linux")
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
    target_link_libraries(torvane_libzip INTERFACE PkgConfig::LIBZIP)
  else()
    find_package(libzip REQUIRED CONFIG)
    target_link_libraries(torvane_libzip INTERFACE libzip::zip)
  endif()
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
