# Read by the game's own build when it is configured for the benchmark:
#   cmake -S . -B build/bench -DCMAKE_PROJECT_Zelvo_INCLUDE=bench/hook.cmake ...
# It adds the benchmark's programs once the game's targets exist, so the game is
# built exactly as it ships and its normal build never sees the benchmark.
set(ZELVO_BENCH_DIR "${CMAKE_CURRENT_LIST_DIR}")
cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL include [[${CMAKE_CURRENT_LIST_DIR}/programs.cmake]])")
