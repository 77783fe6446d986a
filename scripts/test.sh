#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --for-tests
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVELLORAN_WERROR=ON
cmake --build build/test --parallel
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 --timeout 600
