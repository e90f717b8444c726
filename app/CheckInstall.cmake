# Installs the build into PREFIX and checks that everything a user needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/drasvel share/drasvel/translations/de.qm share/drasvel/translations/languages.qm
    share/drasvel/doc/en/index.html share/drasvel/doc/de/index.html share/drasvel/examples/running-sum.kdw
    share/applications/org.drasvel.drasvel.desktop share/metainfo/org.drasvel.drasvel.metainfo.xml
    share/icons/hicolor/scalable/apps/org.drasvel.drasvel.svg)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
# The installed programs find their libraries (zefrim, the robot link) without the build tree.
foreach(program kdwrun kelmaris-sim)
  execute_process(COMMAND ${PREFIX}/bin/${program} --help RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "installed ${program} does not start: ${errors}")
  endif()
endforeach()
