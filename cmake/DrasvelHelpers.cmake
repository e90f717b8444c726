# drasvel_add_test(NAME <name> SOURCES <files...> LIBS <libs...> [LABELS <labels...>])
# One GoogleTest executable, registered with ctest test by test. The label "tsan" also runs
# the executable's tests in the ThreadSanitizer pass of scripts/test.sh.
function(drasvel_add_test)
  if(NOT DRASVEL_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${T_NAME}
    PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
