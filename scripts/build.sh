#!/usr/bin/env bash
# Configures and builds Tolvane (after installing what is missing), with ccache
# when it is installed.
#
#   scripts/build.sh [TARGET...]             the release build in build/
#   scripts/build.sh --sanitize [TARGET...]  the instrumented build in build-asan/
#
# Without targets it builds everything: programs, tests, benchmarks, package
# files. The instrumented build (AddressSanitizer and UndefinedBehavior-
# Sanitizer, -O1, line tables for the reports) is the one scripts/test.sh and
# scripts/fuzz.sh run; the release build is for running, packaging and the
# benchmarks' timings.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = --sanitize ]; then
  shift
  dir=build-asan
  options+=(-DTOLVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1")
fi
./scripts/deps.sh
if command -v ccache > /dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD"
  # Without these ccache refuses every file compiled with a precompiled
  # header (cmake/precompiled.cmake), which is nearly all of them.
  export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
  # A fresh clone elsewhere finds the objects of an earlier one (the debug
  # information then names the folder of the first).
  export CCACHE_NOHASHDIR=1
fi
# Ninja when it is there, for a build folder made new (one made with another
# generator keeps its own).
if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja > /dev/null; then
  options+=(-G Ninja)
fi
cmake -S . -B "$dir" "${options[@]}" > /dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
