# The Debian package, built by CPack (tools/dev package). Its dependencies come from the
# shared libraries the executable links, as dpkg-shlibdeps finds them, so they name run-time
# packages only.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvane developers")
set(CPACK_PACKAGE_CONTACT "Korvane developers <korvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "oil-drop measurement of the elementary charge for schools")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane simulates the oil-drop measurement of the elementary charge for school\n\
physics classes: students spray oil drops between two capacitor plates, set the\n\
voltage, time the drops with a stopwatch and work out the charge each one carries.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The About box and the apparatus picture ask for "Arial"; Liberation Sans has its metrics.
# Without it the program still runs, with a fallback font whose text is a pixel taller.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
# Qt's Wayland plugin serves only a Wayland desktop without X: where an X display is there,
# Xwayland included, the program runs on X, so the plugin is not worth installing everywhere.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)

include(CPack)
