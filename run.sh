#!/usr/bin/env bash
# Installs what is missing, builds Release into build/ and starts Quillon.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF
cmake --build build
# The game finds its resources relative to the program's folder and the current folder.
cd build
exec ./quillon "$@"
