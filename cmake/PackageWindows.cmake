# Installs the Windows build into a fresh folder, checks that it holds exactly the expected files and that every
# program and library in it needs only the system's DLLs and its own, then packs it as a zip and as an installer.
# Given WINE (the command that runs a Windows program), the installer then installs silently into a folder of the
# build, the installed command line must run from there alone, and the uninstaller must take everything away again.
# Run as: cmake -DBUILD_DIR=<build> -DOUTPUT_DIR=<folder> -DBASE=<name> -DNSIS_SCRIPT=<installer.nsi>
#               -DOBJDUMP=<objdump> -DSTRIP=<strip> [-DWINE=<command>] -P PackageWindows.cmake
cmake_minimum_required(VERSION 3.25)
set(expected
    Qt6Core.dll
    Qt6Gui.dll
    Qt6Widgets.dll
    libgcc_s_seh-1.dll
    libstdc++-6.dll
    libwinpthread-1.dll
    platforms/qwindows.dll
    torvane-cli.exe
    torvane-emulator.exe
    torvane-manager.exe)
# What every Windows 10 has in its system folder.
set(system_dlls
    advapi32 bcrypt comdlg32 d3d11 d3d12 d3d9 dwmapi dwrite dxgi gdi32 hid imm32 kernel32 msvcrt netapi32 ole32
    oleaut32 psapi setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm wtsapi32 ws2_32 authz
    comctl32 mpr winspool)

include(${CMAKE_CURRENT_LIST_DIR}/ScriptHelpers.cmake)

set(stage ${OUTPUT_DIR}/stage)
set(tree ${stage}/${BASE})
file(REMOVE_RECURSE ${stage})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${tree})

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/*)
list(SORT installed)
# Without their symbols: the compiler's run-time DLLs alone would be 24 MiB.
foreach(file ${installed})
  run(${STRIP} --strip-unneeded ${tree}/${file})
endforeach()
expect_files("The Windows install tree" "${installed}")

set(own_dlls "")
foreach(file ${installed})
  if(file MATCHES "([^/]+)\\.dll$")
    string(TOLOWER "${CMAKE_MATCH_1}" name)
    list(APPEND own_dlls ${name})
  endif()
endforeach()
set(offences "")
foreach(file ${installed})
  run(${OBJDUMP} -p ${tree}/${file})
  string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${output}")
  foreach(line ${lines})
    string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL].*" "\\1" name "${line}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST system_dlls AND NOT name IN_LIST own_dlls AND NOT name MATCHES "^api-ms-win-")
      string(APPEND offences "\n  ${file} imports ${name}.dll")
    endif()
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "The Windows install tree needs DLLs it does not hold:${offences}")
endif()

file(REMOVE ${OUTPUT_DIR}/${BASE}.zip ${OUTPUT_DIR}/${BASE}-setup.exe)
run(${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${OUTPUT_DIR}/${BASE}.zip --format=zip ${BASE})
run(makensis -V2 -NOCD "-DTREE=${tree}" "-DOUTFILE=${OUTPUT_DIR}/${BASE}-setup.exe" ${NSIS_SCRIPT})
file(REMOVE_RECURSE ${stage})

if(WINE)
  set(installed ${OUTPUT_DIR}/installed)
  file(REMOVE_RECURSE ${installed})
  # NSIS wants the folder last, unquoted, in the system's form: Wine shows this machine's root as drive Z.
  string(REPLACE "/" "\\" target "Z:${installed}")
  run(${WINE} ${OUTPUT_DIR}/${BASE}-setup.exe /S /D=${target})
  file(GLOB_RECURSE installed_files LIST_DIRECTORIES false RELATIVE ${installed} ${installed}/*)
  list(REMOVE_ITEM installed_files uninstall.exe)
  expect_files("The installer's folder" "${installed_files}")
  # Only the installed folder's DLLs are on its search path here.
  run(${CMAKE_COMMAND} -E env WINEPATH= ${WINE} ${installed}/torvane-cli.exe --virtual-adapter info)
  if(NOT output MATCHES "31470a5e9012007c38d405b1")
    message(FATAL_ERROR "The installed torvane-cli.exe did not show the virtual adapter:\n${output}")
  endif()
  # The uninstaller runs from a copy of itself that it starts and leaves: wait for the folder to go.
  run(${WINE} ${installed}/uninstall.exe /S)
  foreach(attempt RANGE 60)
    if(NOT EXISTS ${installed})
      break()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.5)
  endforeach()
  if(EXISTS ${installed})
    file(GLOB_RECURSE left RELATIVE ${installed} ${installed}/*)
    message(FATAL_ERROR "The uninstaller left ${installed} behind, holding: ${left}")
  endif()
endif()
message(STATUS "Made ${OUTPUT_DIR}/${BASE}.zip and ${OUTPUT_DIR}/${BASE}-setup.exe")
