# The Debian package vhfcom_<version>_<arch>.deb, built by `cpack` in the build
# folder. Its library dependencies come from dpkg-shlibdeps (package dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vhfcom)
set(CPACK_PACKAGE_VENDOR "vhfcom team")
set(CPACK_PACKAGE_CONTACT "vhfcom team <team@vhfcom.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vhfcom.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "companion for a panel-mounted aircraft VHF COM transceiver")
# Continuation lines of the Debian description; CPack indents them and turns
# the empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"vhfcom shows the transceiver's front panel with a pixel-exact copy of its
display. With no transceiver connected it emulates the unit's firmware, so
every key, menu and setting can be tried with the mouse. A transceiver on a
USB serial adapter drives the display live.

It also keeps a frequency database of 100 channels, converts it to and from
CSV, and records, replays and exports the traffic from a transceiver.
The package includes vhfcom-transceiver-sim, which plays a transceiver on a
pseudo-terminal for trying the program without a radio.")

# Only the component vhfcom (the program and its files) goes into the one
# package; an install rule anywhere else in the tree cannot slip in.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL vhfcom)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vhfcom team <team@vhfcom.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display back end at run time, so dpkg-shlibdeps cannot see it;
# without it the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
