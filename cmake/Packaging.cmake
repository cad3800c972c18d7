# A Debian package: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME tavilon)
set(CPACK_PACKAGE_VENDOR "The Tavilon developers")
set(CPACK_PACKAGE_CONTACT "The Tavilon developers <developers@tavilon.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The lines of the long description stay within 80 columns, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION
    "Tavilon helps electrical designers and engineers size building wiring to the
U.S. National Electrical Code: voltage drop and wire size, conduit fill at
40 %, available fault current by the point-to-point method, reference tables,
and a printable Calculation Results Sheet.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavilon)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tavilon.org")
# The shared libraries come from dpkg-shlibdeps; Qt's platform and SVG plugins and the
# fonts with Arial's metrics are loaded at run time, so they are named here.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")

include(CPack)
