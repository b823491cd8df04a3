#!/usr/bin/env bash
# Builds Starloom and starts it. Needs a desktop session (or see README for
# running it headless under xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec ./build/ui/Starloom
