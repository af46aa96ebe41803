# `cpack` in a build folder packages what `cmake --install` puts in place: a Debian package on
# Linux (`cpack -G DEB`), an NSIS installer in a Windows build (`cpack -G NSIS`).

set(CPACK_PACKAGE_NAME lumivane)
set(CPACK_PACKAGE_VENDOR "Lumivane")
set(CPACK_PACKAGE_CONTACT "Lumivane developers <lumivane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for cinema projection")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumivane plans the projection of cinema auditoriums: screen size, curve and tilt, \
seats, porthole and the projectors in the booth. For each projector and format it chooses \
a lens set-up from the lens maker's catalog and computes throw, image size, keystone, \
masking loss and lens shift. Includes lumivane-cli for reports from the command line.")
set(CPACK_STRIP_FILES ON)

if(WIN32 AND LUMIVANE_WITH_QT)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
elseif(NOT WIN32)
    # Library dependencies come from dpkg-shlibdeps; the ones it cannot see are named here: the
    # Qt SVG plug-in and module the icons are drawn with, and xdg-email for sending mail.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, xdg-utils")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
endif()

include(CPack)
