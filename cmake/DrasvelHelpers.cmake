# drasvel_add_test(NAME <name> SOURCES <files...> LIBS <libs...> [LABELS <labels...>])
# One GoogleTest executable, registered with ctest test by test. Every test is labelled with
# its top folder (programs, blocks, zefrim, ...), so `ctest -L programs` runs one area; give
# the label "gui" to widget tests. The label "tsan" also runs the executable's tests in the
# ThreadSanitizer pass of scripts/test.sh, which builds only the executables collected in the
# target drasvel_tsan_tests.
function(drasvel_add_test)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if("tsan" IN_LIST T_LABELS)
    if(NOT TARGET drasvel_tsan_tests)
      add_custom_target(drasvel_tsan_tests)
    endif()
    add_dependencies(drasvel_tsan_tests ${T_NAME})
  endif()
  gtest_discover_tests(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)

  # Labels are set once the tests are discovered, from a file ctest reads after the
  # discovered list (the discovery script would split a list of labels).
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  string(REGEX REPLACE "/.*" "" folder "${folder}")
  set(labels_file "${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_labels.cmake")
  file(WRITE "${labels_file}"
    "if(${T_NAME}_TESTS)\n"
    "  set_tests_properties(\${${T_NAME}_TESTS} PROPERTIES LABELS \"${folder};${T_LABELS}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${labels_file}")
endfunction()
