# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed tree:
#   cpack --config <build-dir>/CPackConfig.cmake -B <output-dir>
# (tools/package.sh does it from a release build). The libraries it needs are
# found by dpkg-shlibdeps from the programs themselves.
# The project maintains the package; it has no address to give yet, so the
# field names it alone.
set(VARNOCK_MAINTAINER "Tolvane Calculator developers"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnock)
set(CPACK_PACKAGE_VENDOR Tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VARNOCK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the radio and electronics bench")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VARNOCK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its window system plugins at run time, out of dpkg-shlibdeps'
# sight: xcb comes with the GUI library, Wayland needs its own package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The synopsis line comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Tolvane Calculator (Varnock) is one fixed window: a keypad with a shared
display and four-function arithmetic, and beside it small calculators for
scientific functions, dB levels (dBm, dBmV), temperature, wavelength and
length conversions, free space path loss, line of sight to the radio horizon,
antenna length cutting, beam tilt, power ratio, VSWR from wattmeter readings
and a scratch pad.
.
varnock-console drives the same calculator from text commands.")

include(CPack)
