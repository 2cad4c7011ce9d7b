# The benchmark's own programs, added to the game's build by bench/hook.cmake
# (see bench/run.sh), where zelvo_windows is.

# The yardstick: a bare Qt program of the launcher's shape and size.
add_executable(bench_reference ${ZELVO_BENCH_DIR}/reference.cpp)
target_link_libraries(bench_reference PRIVATE Qt6::Widgets)

# In-process timing of the game's timers and of its sound output.
add_executable(bench_timers ${ZELVO_BENCH_DIR}/timers.cpp)
target_link_libraries(bench_timers PRIVATE zelvo_windows Qt6::Svg)
add_executable(bench_sound ${ZELVO_BENCH_DIR}/sound.cpp)
target_link_libraries(bench_sound PRIVATE zelvo_windows)

# Watches and drives the X display from outside the programs measured. The
# XTest library is there with xdotool; its one call is declared by hand, so no
# development package is needed.
add_executable(bench_xprobe ${ZELVO_BENCH_DIR}/xprobe.cpp)
target_link_libraries(bench_xprobe PRIVATE X11 :libXtst.so.6)

# The game and the yardstick ending at their first paint: start-up alone, for
# instruction counts (callgrind, perf stat) and repeated timings.
add_executable(bench_firstpaint ${CMAKE_SOURCE_DIR}/app/main.cpp ${ZELVO_BENCH_DIR}/firstpaint.cpp)
target_link_libraries(bench_firstpaint PRIVATE zelvo_windows)
add_executable(bench_firstpaint_reference ${ZELVO_BENCH_DIR}/reference.cpp
    ${ZELVO_BENCH_DIR}/firstpaint.cpp)
target_link_libraries(bench_firstpaint_reference PRIVATE Qt6::Widgets)
