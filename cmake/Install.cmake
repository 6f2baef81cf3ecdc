# Installs the manager as a desktop program (programs, udev rule, desktop entry,
# AppStream metainfo, icon) and packages the same install as a Debian package.
include(GNUInstallDirs)

set(TORVANE_RELEASE_DATE "2026-12-01")

# Until the program has a site of its own, the metainfo points at the repository's own files: its home page is the
# repository's web address, its screenshots are docs/screenshots there. The address is the clone's "origin" when it
# is a web one; without an address the metainfo names neither rather than a made-up one.
if(NOT DEFINED TORVANE_REPOSITORY_URL)
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} remote get-url origin
                  OUTPUT_VARIABLE origin OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE origin_status)
  set(repository_url "")
  if(origin_status EQUAL 0)
    # git@host:owner/name.git is the same repository as https://host/owner/name.
    string(REGEX REPLACE "^git@([^:]+):(.*)$" "https://\\1/\\2" origin "${origin}")
    string(REGEX REPLACE "\\.git$" "" origin "${origin}")
    if(origin MATCHES "^https://[^/]+/.+")
      set(repository_url "${origin}")
    endif()
  endif()
  set(TORVANE_REPOSITORY_URL "${repository_url}" CACHE STRING
      "Web address of the repository: the metainfo's home page, with the screenshots in its docs/screenshots")
endif()
set(TORVANE_METAINFO_ADDRESSES "")
if(TORVANE_REPOSITORY_URL)
  set(screenshots "${TORVANE_REPOSITORY_URL}/raw/HEAD/docs/screenshots")
  string(APPEND TORVANE_METAINFO_ADDRESSES "  <url type=\"homepage\">${TORVANE_REPOSITORY_URL}</url>\n  <screenshots>\n")
  foreach(shot "adapter-page|The adapter is found" "home-page|The game configurations"
               "editing-page|Editing a configuration")
    string(REPLACE "|" ";" shot "${shot}")
    list(GET shot 0 file)
    list(GET shot 1 caption)
    set(kind "")
    if(file STREQUAL "adapter-page")
      set(kind " type=\"default\"")
    endif()
    string(APPEND TORVANE_METAINFO_ADDRESSES "    <screenshot${kind}>\n      <caption>${caption}</caption>\n"
                  "      <image>${screenshots}/${file}.png</image>\n    </screenshot>\n")
  endforeach()
  string(APPEND TORVANE_METAINFO_ADDRESSES "  </screenshots>")
else()
  message(STATUS "No web address of the repository: the AppStream metainfo names no home page and no screenshots "
                 "(-DTORVANE_REPOSITORY_URL=https://... names them)")
endif()
# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d only: an install under /usr/local needs
# -DTORVANE_UDEV_RULES_DIR=/etc/udev/rules.d for the rule to take effect.
set(TORVANE_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING "Folder of the udev rule, relative to the prefix or absolute")

# The ids come from the device code, so the rule and the metainfo cannot drift from what the manager opens.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/device/ProtocolCodes.h id_lines REGEX "k(VendorId|ProductId[A-Za-z0-9]*) = 0x")
set(vendor_id "")
set(product_ids "")
foreach(line IN LISTS id_lines)
  string(REGEX MATCH "(kVendorId|kProductId[A-Za-z0-9]*) = 0x([0-9A-Fa-f]+)" _ "${line}")
  string(TOLOWER "${CMAKE_MATCH_2}" id)
  if(CMAKE_MATCH_1 STREQUAL "kVendorId")
    set(vendor_id ${id})
  else()
    list(APPEND product_ids ${id})
  endif()
endforeach()
if(NOT vendor_id OR NOT product_ids)
  message(FATAL_ERROR "No adapter ids found in src/device/ProtocolCodes.h")
endif()
set(TORVANE_UDEV_MATCHES "")
set(TORVANE_MODALIASES "")
string(TOUPPER ${vendor_id} vendor_upper)
foreach(product IN LISTS product_ids)
  string(TOUPPER ${product} product_upper)
  string(APPEND TORVANE_UDEV_MATCHES
         "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${vendor_id}\", ATTRS{idProduct}==\"${product}\", TAG+=\"uaccess\"\n")
  string(APPEND TORVANE_MODALIASES "    <modalias>usb:v${vendor_upper}p${product_upper}d*</modalias>\n")
endforeach()
string(STRIP "${TORVANE_UDEV_MATCHES}" TORVANE_UDEV_MATCHES)
string(REGEX REPLACE "\n$" "" TORVANE_MODALIASES "${TORVANE_MODALIASES}")

# Numbered below 73 so the uaccess tag is set before udev's seat rules act on it.
set(TORVANE_UDEV_RULE ${PROJECT_BINARY_DIR}/packaging/70-torvane-adapter.rules)
set(TORVANE_DESKTOP_FILE ${PROJECT_BINARY_DIR}/packaging/${TORVANE_APP_ID}.desktop)
set(TORVANE_METAINFO_FILE ${PROJECT_BINARY_DIR}/packaging/${TORVANE_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/torvane-adapter.rules.in ${TORVANE_UDEV_RULE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/torvane-manager.desktop.in ${TORVANE_DESKTOP_FILE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/torvane-manager.metainfo.xml.in ${TORVANE_METAINFO_FILE} @ONLY)

install(TARGETS torvane-cli torvane-emulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TORVANE_UDEV_RULE} DESTINATION ${TORVANE_UDEV_RULES_DIR})
if(TORVANE_BUILD_GUI)
  install(TARGETS torvane-manager RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TORVANE_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TORVANE_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/skin/images/logo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${TORVANE_APP_ID}.svg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane-manager)
set(CPACK_PACKAGE_VENDOR "Torvane")
set(CPACK_PACKAGE_CONTACT "Torvane Manager developers <manager@torvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reads, edits and writes the settings of the Torvane game adapter")
set(CPACK_PACKAGE_INSTALL_DIRECTORY torvane-manager)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The runtime dependencies are the libraries the programs link, as dpkg-shlibdeps finds them; udev applies the rule.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev")
include(CPack)
