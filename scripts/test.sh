#!/usr/bin/env bash
# Builds Starloom and runs every test: once in a normal build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer. Any failure or sanitizer
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}

echo "== normal build"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== sanitizer build (ASan + UBSan)"
bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSTARLOOM_SANITIZE=ON -DSTARLOOM_BUILD_BENCH=OFF
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
