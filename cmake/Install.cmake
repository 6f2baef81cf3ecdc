# Installs the manager as a desktop program (programs, udev rule, desktop entry,
# AppStream metainfo, icon) and packages the same install as a Debian package.
include(GNUInstallDirs)

set(TORVANE_RELEASE_DATE "2026-12-01")
set(TORVANE_HOMEPAGE_URL "https://torvane.example" CACHE STRING "Home page named by the AppStream metainfo")
set(TORVANE_SCREENSHOT_URL "${TORVANE_HOMEPAGE_URL}/screenshots" CACHE STRING
    "Where the AppStream metainfo finds the images of docs/screenshots")
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
