# Included by the top level when ZARLE_FUZZ is on: the plain-C++ libraries built with the
# sanitizers and libFuzzer's coverage, and every fuzz target under fuzz/.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz build needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
enable_testing()
include(cmake/AddChildren.cmake)

# Seconds each target runs in the tests; raise it for a long search:
#   cmake -B build-fuzz -DZARLE_FUZZ_SECONDS=600
set(ZARLE_FUZZ_SECONDS 5 CACHE STRING "Seconds of each fuzz target's run in the tests")

# zarle_add_fuzzer(<target> SOURCES <files...> LIBS <libs...> CORPUS <seed folder>)
# One libFuzzer target and its timed run as a test. New inputs go to a corpus folder of the
# build; the seeds in the source tree are only read.
function(zarle_add_fuzzer target)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}-corpus)
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${target}
           COMMAND ${target} -max_total_time=${ZARLE_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${target}- ${work} ${ARG_CORPUS})
  set_tests_properties(${target} PROPERTIES TIMEOUT 3600)
endfunction()

# The plain-C++ layers that read files and network lines, and the plain test support the targets
# share with the tests; a folder joins once it exists.
foreach(dir base engine persistence/profiles persistence/games opponents network/protocol
            tests/support)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

# Internet play's session, where Qt is installed: its platform here is the socket layer alone.
find_package(Qt6 QUIET COMPONENTS Core Network)
if(Qt6_FOUND)
  add_library(zarle_platform STATIC ${CMAKE_SOURCE_DIR}/platform/net/Winsock.cpp
                                    ${CMAKE_SOURCE_DIR}/platform/net/HostAddresses.cpp)
  set_target_properties(zarle_platform PROPERTIES AUTOMOC ON)
  target_include_directories(zarle_platform PUBLIC ${CMAKE_SOURCE_DIR}/platform)
  target_link_libraries(zarle_platform PUBLIC Qt6::Network Qt6::Core)
  # The session reads the names and avatars of peers with the plain parts of these two.
  add_subdirectory(network/scores)
  add_subdirectory(network/windows)
  add_subdirectory(network/session)
  # Its files share the Qt headers: compiled in two batches, they parse them twice, not eleven times.
  set_target_properties(zarle_session PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 6)
else()
  message(STATUS "Qt 6 not found: the session's fuzz target is left out")
endif()
add_subdirectory(fuzz)
