#!/usr/bin/env bash
# Builds Tolvane and runs every test: unit tests, scenario scripts through
# tolvane-cli, and the Qt tests on the offscreen platform (no display needed);
# then the fuzz test on the sanitizer build (scripts/fuzz.sh --ci, a fixed
# seed for two and a half minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$PWD/build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
./scripts/fuzz.sh --ci
