include(GoogleTest)

# zarle_add_test(<target> SOURCES <files...> LIBS <libs...>)
# One test executable, always headless, linked with the shared test support (tests/support).
# CTest runs each of its cases alone as a test named <target>.<suite>.<case>, so a failure names
# its case, `ctest -R <target>` still picks the whole program, and cases run side by side.
function(zarle_add_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} zarle_test_support
                        GTest::gtest GTest::gmock GTest::gtest_main)
  # The cases are listed when ctest starts rather than at build time, in the environment of the
  # run (headless, under the sanitizers' options); a program lists them without making its
  # application object, so no screen is needed. Parameterised cases keep GoogleTest's own names:
  # the printed value of a table row can hold addresses that change from run to run.
  gtest_discover_tests(${target}
    TEST_PREFIX ${target}.
    NO_PRETTY_VALUES
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 600)
endfunction()
