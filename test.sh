#!/usr/bin/env bash
# Builds Zelvo and its tests (installing what they need) and runs them all.
# Extra arguments go to ctest, e.g.  ./test.sh -L unit
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build run test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure --timeout 600 "$@")

# A full run also builds the unit tests with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer and runs them again.
if [ $# -eq 0 ]; then
    cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZELVO_SANITIZE=ON
    cmake --build build/sanitize -j"$(nproc)" --target zelvo_unit_tests
    (cd build/sanitize && ctest --output-on-failure --timeout 600 -L unit)

    # And it fuzzes the readers of users' files for 30 s each, side by side,
    # with clang's libFuzzer, from the inputs saved in tests/fuzz.
    cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVO_FUZZ=ON \
        -DCMAKE_CXX_COMPILER=clang++-14
    cmake --build build/fuzz -j"$(nproc)"
    (cd build/fuzz && ctest --output-on-failure -L fuzz -j"$(nproc)")
fi
