# Installs the Windows programs with what they need beside them, Qt's libraries and the one plugin the manager
# loads and the compiler's run-time DLLs, so the folder runs as it is on a player's machine. The target
# windows-packages makes the portable zip and the per-user installer of that folder.
install(TARGETS torvane-cli torvane-emulator RUNTIME DESTINATION .)
if(NOT TORVANE_BUILD_GUI)
  return()
endif()
install(TARGETS torvane-manager RUNTIME DESTINATION .)
foreach(module Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
# Qt finds its plugins in folders beside the program; the Fusion style is built into the widgets library.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found (${path})")
  endif()
  file(REAL_PATH "${path}" path)
  install(FILES ${path} DESTINATION .)
endforeach()

set(TORVANE_PACKAGE_BASE "torvane-manager-${PROJECT_VERSION}-windows-x64")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi.in ${PROJECT_BINARY_DIR}/packaging/installer.nsi
               @ONLY)
add_custom_target(windows-packages
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DOUTPUT_DIR=${PROJECT_BINARY_DIR}/packages
          -DBASE=${TORVANE_PACKAGE_BASE} -DNSIS_SCRIPT=${PROJECT_BINARY_DIR}/packaging/installer.nsi
          -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRIP=${CMAKE_STRIP} -P ${PROJECT_SOURCE_DIR}/cmake/PackageWindows.cmake
  DEPENDS torvane-manager torvane-cli torvane-emulator
  COMMENT "Making the Windows zip and installer"
  VERBATIM)
