# Fails when a layer that stays portable includes an operating system's header (only src/platform and the
# transports in src/device and src/emulator may), when a layer below the windows includes Qt (the command line
# and the core are Qt-free), or when the application outside its demonstration includes the emulator.
# Run as: cmake -DSOURCE_DIR=<src> -P CheckLayerIncludes.cmake
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR is not a folder: '${SOURCE_DIR}'")
endif()

set(portable_layers model core cli firmware app toolkit dialogs editor)
set(qt_free_layers model device emulator core cli firmware)
set(os_folders "linux|sys|asm|asm-generic|bits|netinet|netpacket|arpa|net|X11|xcb|mach|IOKit|CoreFoundation")
set(os_headers "unistd|fcntl|libudev|poll|signal|iconv|dirent|pthread|dlfcn|termios|pwd|grp|spawn|sched|semaphore|\
syslog|glob|fnmatch|libgen|langinfo|utmp|mqueue|err|ucontext|ifaddrs|netdb|wait|\
windows|windowsx|winsock2|ws2tcpip|winbase|winuser|shellapi|shlobj|shlwapi|setupapi|hidsdi|hidpi|dbt|cfgmgr32|\
objbase|combaseapi|io|direct|process|conio|tchar|libinput|wayland-client")
set(os_include "#[ \t]*include[ \t]*<((${os_folders})/[^>]*|(${os_headers})\\.h)>")
set(emulator_include "#[ \t]*include[ \t]*[\"<]emulator/")
set(qt_include "#[ \t]*include[ \t]*<Q[A-Za-z]*(/[^>]*)?>")

set(offences "")
foreach(layer ${portable_layers})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    foreach(line ${includes})
      if(line MATCHES "${os_include}")
        string(APPEND offences "\n  ${name}: ${line}")
      elseif(layer STREQUAL "app" AND NOT name MATCHES "^app/demo/" AND line MATCHES "${emulator_include}")
        string(APPEND offences "\n  ${name}: ${line} (only app/demo may use the emulator)")
      endif()
    endforeach()
  endforeach()
endforeach()

foreach(layer ${qt_free_layers})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    foreach(line ${includes})
      if(line MATCHES "${qt_include}")
        string(APPEND offences "\n  ${name}: ${line} (no Qt below the windows)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(offences)
  message(FATAL_ERROR "Operating system or emulator headers outside their layers:${offences}")
endif()
message(STATUS "No layer includes a header it must not")
