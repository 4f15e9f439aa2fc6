# zarle_add_test(<target> SOURCES <files...> LIBS <libs...>)
# One test executable, run by CTest as one test, always headless, linked with the shared test
# support (tests/support).
function(zarle_add_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} zarle_test_support
                        GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZARLE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}"
    TIMEOUT 600)
endfunction()
