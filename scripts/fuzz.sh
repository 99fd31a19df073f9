#!/usr/bin/env bash
# The fuzz test. Builds Tolvane with AddressSanitizer and UndefinedBehavior-
# Sanitizer in build-asan/, runs every scenario and the settings kill check on
# that build, then random scripts (tests/fuzz): any sanitizer report, crash,
# hang or internal error fails it, and the smallest script that still fails is
# printed and saved in fuzz-failure/.
#
#   scripts/fuzz.sh [--minutes N | --seconds N] [--seed N] [--jobs N] [--no-scenarios]
#   scripts/fuzz.sh --ci      what scripts/test.sh runs: seed 1 for 150 seconds
#
# Without --seed the seed is random (and printed, so that a failure can be run
# again with it). The default is 5 minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=300 seed="" jobs=$(nproc) scenarios=1
while [ $# -gt 0 ]; do
  case $1 in
    --minutes) seconds=$(( $2 * 60 )); shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --no-scenarios) scenarios=0; shift ;;
    --ci) seed=1 seconds=150; shift ;;
    *) echo "usage: scripts/fuzz.sh [--minutes N | --seconds N] [--seed N] [--jobs N] [--no-scenarios] [--ci]" >&2; exit 2 ;;
  esac
done
[ -n "$seed" ] || seed=$(( (RANDOM << 15) | RANDOM ))

./scripts/deps.sh
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -DTOLVANE_SANITIZE=ON -DTOLVANE_UNIT_TESTS=OFF -DTOLVANE_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" "${launcher[@]}" > /dev/null
cmake --build build-asan -j"$(nproc)" --target tolvane-cli tolvane-fuzz tolvane-monkey

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
if [ "$scenarios" = 1 ]; then
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
fi
echo "fuzz: seed $seed for $seconds s on $jobs jobs"
build-asan/tests/tolvane-fuzz --seed "$seed" --seconds "$seconds" --jobs "$jobs" --work build-asan/fuzz-work
