# The Debian package of the install: `cpack -G DEB` in a release build folder writes
# otcraps_<version>_<arch>.deb, installing under /usr, the program in /usr/games.
set(CPACK_PACKAGE_NAME otcraps)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "otcraps developers")
set(CPACK_PACKAGE_CONTACT "otcraps developers <otcraps@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "casino craps game and trainer")
# Lines of the long description stay under 80 columns, as Debian's tools read them.
set(CPACK_PACKAGE_DESCRIPTION "A craps table in a window, with sound: up to three gamblers bet on
the layout's spots and roll while a dealer calls the dice, pays and sweeps,
and an advisor explains the odds. Each gambler's bankroll and last sessions
are kept between runs.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The fonts are read from their files at run time, which no library check can see.
set(OTCRAPS_DEB_RUNTIME fonts-dejavu-core)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${OTCRAPS_DEB_RUNTIME}")
else()
  # The libraries the program links, as Debian 12 names their packages.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libsdl2-2.0-0, libfreetype6, libpng16-16, libfluidsynth3, ${OTCRAPS_DEB_RUNTIME}")
endif()

include(CPack)
