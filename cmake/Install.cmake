# Where `cmake --install` puts the game: the program in games/, where Debian keeps games (on
# every user's path), what it only reads (the data set and the help) in share/otcraps/, where
# the program looks when nothing lies beside it, the desktop's entry and icons, the manual page
# and the package's copyright and changelog.
include(GNUInstallDirs)
install(TARGETS otcraps RUNTIME DESTINATION games)

# Debian wants the manual page and the changelog compressed, and compressed the same way on
# every build. The manual page names the version the program reports.
configure_file(${PROJECT_SOURCE_DIR}/packaging/otcraps.6.in ${CMAKE_BINARY_DIR}/packaging/otcraps.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog COPYONLY)
set(OTCRAPS_GZIPPED ${CMAKE_BINARY_DIR}/packaging/otcraps.6.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
foreach(name otcraps.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/packaging/${name} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${name} VERBATIM)
endforeach()
add_custom_target(otcraps_docs ALL DEPENDS ${OTCRAPS_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/otcraps.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/otcraps)
if(OTCRAPS_DATA)
  set(OTCRAPS_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/otcraps)
  # Only what the builder wrote: never a save file or settings from a game played in the build
  # tree.
  install(FILES ${CMAKE_BINARY_DIR}/data/otcraps.det ${CMAKE_BINARY_DIR}/data/otcraps.dew
    DESTINATION ${OTCRAPS_SHARE_DIR}/data)
  install(FILES ${CMAKE_BINARY_DIR}/otcraps.hlp DESTINATION ${OTCRAPS_SHARE_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/otcraps.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 48 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/otcraps-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME otcraps.png)
  endforeach()
endif()
