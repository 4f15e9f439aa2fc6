# The headless match runner: whole games of a greedy human against the computer seats. The
# opponents' build includes this file: as a child folder of bench/ its own build folder would
# take the place of the executable build/bench/selfplay.
set(SELFPLAY_DIR ${PROJECT_SOURCE_DIR}/bench/selfplay)
add_library(zarle_selfplay STATIC ${SELFPLAY_DIR}/MatchRunner.cpp ${SELFPLAY_DIR}/GreedyHuman.cpp
  ${SELFPLAY_DIR}/CardCensus.cpp)
target_include_directories(zarle_selfplay PUBLIC ${SELFPLAY_DIR})
target_link_libraries(zarle_selfplay PUBLIC zarle_opponents)

add_executable(selfplay ${SELFPLAY_DIR}/main.cpp)
target_link_libraries(selfplay PRIVATE zarle_selfplay)
set_target_properties(selfplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
