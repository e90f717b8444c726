# The German translation and the language list, built with lrelease into
# <build>/translations (where a program started in <build>/app finds them) and installed
# to <datadir>/drasvel/translations.
find_program(DRASVEL_LRELEASE lrelease HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec REQUIRED)
set(DRASVEL_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/translations CACHE INTERNAL "Built translation files")
set(DRASVEL_TS_DIR ${PROJECT_SOURCE_DIR}/resources/translations)
set(DRASVEL_QM_FILES)
foreach(name de languages)
  add_custom_command(OUTPUT ${DRASVEL_TRANSLATIONS_DIR}/${name}.qm
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DRASVEL_TRANSLATIONS_DIR}
    COMMAND ${DRASVEL_LRELEASE} -silent ${DRASVEL_TS_DIR}/${name}.ts -qm ${DRASVEL_TRANSLATIONS_DIR}/${name}.qm
    DEPENDS ${DRASVEL_TS_DIR}/${name}.ts
    COMMENT "Building the translation ${name}.qm")
  list(APPEND DRASVEL_QM_FILES ${DRASVEL_TRANSLATIONS_DIR}/${name}.qm)
endforeach()
add_custom_target(drasvel_translations ALL DEPENDS ${DRASVEL_QM_FILES})
install(FILES ${DRASVEL_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/drasvel/translations)
