#!/usr/bin/env bash
# Configures and builds into FOLDER with the given extra CMake options.
# usage: build.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
cmake -S . -B "$dir" -G Ninja -DSTARLOOM_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
