# Installs the build into a fresh folder and packages it, then compares the files of both with the list a
# desktop install must hold, and checks that the package declares its runtime libraries.
set(expected
    bin/torvane-cli
    bin/torvane-emulator
    bin/torvane-manager
    lib/udev/rules.d/70-torvane-adapter.rules
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/metainfo/${APP_ID}.metainfo.xml)
list(SORT expected)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScriptHelpers.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${WORK_DIR}/prefix ${WORK_DIR}/prefix/*)
expect_files("The install tree" "${installed}")

run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/package)
file(GLOB package ${WORK_DIR}/package/*.deb)
list(LENGTH package count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages: ${package}")
endif()
run(dpkg-deb --contents ${package})
string(REPLACE "\n" ";" entries "${output}")
set(packaged "")
foreach(entry IN LISTS entries)
  # "-rwxr-xr-x root/root 123 2026-12-01 10:00 ./usr/bin/torvane-manager": regular files only.
  if(entry MATCHES "^-[^ ]+ .* \\./usr/(.+)$")
    list(APPEND packaged ${CMAKE_MATCH_1})
  endif()
endforeach()
expect_files("The package" "${packaged}")

run(dpkg-deb --field ${package} Depends)
foreach(library libqt6widgets6 libhidapi-hidraw0 libzip4)
  if(NOT output MATCHES "${library} ")
    message(FATAL_ERROR "The package does not depend on ${library}: ${output}")
  endif()
endforeach()

# The package and its staging hold a copy of every program: gone once they passed.
file(REMOVE_RECURSE ${WORK_DIR})
