# Where `cmake --install` puts the game: the program in bin/, what it only reads (the data set
# and the help) in share/otcraps/, where the program looks when nothing lies beside it, and the
# desktop's entry and icons.
include(GNUInstallDirs)
install(TARGETS otcraps RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
