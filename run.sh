#!/usr/bin/env bash
# Builds Zelvo (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/release -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/release/zelvo; there is no display here to show it on." >&2
    exit 1
fi
exec build/release/zelvo "$@"
