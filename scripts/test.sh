#!/usr/bin/env bash
# Builds Tolvane once, instrumented with AddressSanitizer and UndefinedBehavior-
# Sanitizer (build-asan/), and runs every test on that build: unit tests,
# scenario scripts through tolvane-cli, the Qt tests on the offscreen platform
# (no display needed), the benchmarks' smoke runs and the package check; then
# the fuzz test (scripts/fuzz.sh --ci: a fixed seed for two and a half minutes).
#
#   scripts/test.sh [CTEST OPTIONS...]     e.g. -R scenario/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh --sanitize
. scripts/sanitizer_env.sh
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" "$@"
./scripts/fuzz.sh --ci --no-scenarios
