# `cpack` in a build folder (or the `package` target) makes a Debian package of what
# `cmake --install` installs, under /usr. dpkg-shlibdeps (dpkg-dev) works out the libraries'
# packages from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT
    "Seed 6b66dccd maintainers <maintainers@users.noreply.c-seed-6b66dccd.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Velocity and energy of air-gun shots timed by the qm-307 chronoscope")
# The summary is the package's one-line description; this is the longer text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tarvik reads the shots of a qm-307 chronoscope on a serial port and shows each\n\
shot's velocity and energy, the series' statistics, a graph and a big display.\n\
The package also holds qm307-sim, a simulated chronoscope on a pseudo-terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' font, which no library names: the windows are laid out in it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
