#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests with warnings as errors (the "test" preset) and
# runs every test, headless. Benchmarks build in the debug preset or with -DVELLORAN_BUILD_BENCH=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --for-tests
cmake --preset test
cmake --build --preset test
ctest --preset test
