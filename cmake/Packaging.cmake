# Installs the calculator as a desktop application (cmake --install) and packs the same tree as a Debian
# package (cpack -G DEB) whose dependencies dpkg-shlibdeps reads off the executable.
include(GNUInstallDirs)

set(ZELTA_APPSTREAM_ID "local.zelta.Zelta7Power" CACHE STRING "AppStream component id (reverse-DNS)")
set(ZELTA_PACKAGE_MAINTAINER "ZELTA-7 power maintainers <zelta7-power@example.invalid>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")
# The icon theme sizes: the 32-pixel artwork and its pixel-doubled renderings.
set(ZELTA_ICON_SIZES 32 64 128)

add_subdirectory(packaging)

install(TARGETS zelta7-power RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/zelta7-power.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZELTA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS ZELTA_ICON_SIZES)
    install(FILES ${ZELTA_ICON_DIR}/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zelta7-power.png)
endforeach()

set(CPACK_PACKAGE_NAME zelta7-power)
set(CPACK_PACKAGE_VENDOR "ZELTA-7")
set(CPACK_PACKAGE_CONTACT "${ZELTA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "power supply calculator for ZELTA-7 sensor lines")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A ZELTA-7 power-supply unit feeds LIR, LIF, LIV and LIZ sensors over a\n"
    "two-wire cable. The calculator finds the longest cable when every sensor\n"
    "hangs on its far end, and tells whether the unit can feed sensors strung\n"
    "one after another, each on its own cable segment.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELTA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font the window's design font is mapped to: its widths keep every text in its place (with the
# DejaVu fall-back the longest result line runs past the page).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/out/" "/screenshots/")
include(CPack)
