# Cross-building for 64-bit Windows with Debian's mingw-w64 (the posix thread model, for std::thread), the tests run
# under Wine: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# TORVANE_WINDOWS_PREFIX: the Qt and libzip that scripts/windows-libraries.sh builds for the manager.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TORVANE_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TORVANE_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(TORVANE_WINDOWS_PREFIX)
  # Qt's libraries use the compiler's run-time libraries as DLLs; the programs share them, so one run-time serves
  # the whole process. Qt's code generators are the build machine's own, of the same version.
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
  # The run-time libraries go into the programs, so they run under Wine and on a player's machine without the
  # compiler's DLLs beside them.
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
