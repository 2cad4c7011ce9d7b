#!/usr/bin/env bash
# Builds Zelvo and its tests (installing what they need) and runs them all.
# Extra arguments go to ctest, e.g.  ./test.sh -L unit
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build run test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$(nproc)"
cd build/test
ctest --output-on-failure --timeout 600 "$@"
