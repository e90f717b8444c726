# Desktop integration: the launcher, its icon, the AppStream metadata and the examples,
# installed where a Debian desktop looks for them; checked by the validators in the tests.
set(DRASVEL_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${DRASVEL_DESKTOP_DIR}/org.drasvel.drasvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRASVEL_DESKTOP_DIR}/org.drasvel.drasvel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DRASVEL_DESKTOP_DIR}/org.drasvel.drasvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB DRASVEL_EXAMPLES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.kdw)
install(FILES ${DRASVEL_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/drasvel/examples)

if(BUILD_TESTING)
  find_program(DRASVEL_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(DRASVEL_APPSTREAMCLI appstreamcli)
  if(DRASVEL_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_file_valid
      COMMAND ${DRASVEL_DESKTOP_FILE_VALIDATE} ${DRASVEL_DESKTOP_DIR}/org.drasvel.drasvel.desktop)
  endif()
  if(DRASVEL_APPSTREAMCLI)
    add_test(NAME appstream_metadata_valid
      COMMAND ${DRASVEL_APPSTREAMCLI} validate --no-net --pedantic ${DRASVEL_DESKTOP_DIR}/org.drasvel.drasvel.metainfo.xml)
  endif()
  # An installation into a scratch folder holds the program, translations, help and examples.
  add_test(NAME install_layout
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-check
      -P ${CMAKE_CURRENT_SOURCE_DIR}/CheckInstall.cmake)
endif()
