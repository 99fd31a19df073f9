#!/usr/bin/env bash
# The fuzz test. Builds tolvane-cli and the fuzzer in the instrumented build
# (build-asan/, scripts/build.sh --sanitize), runs every scenario and the
# settings kill check on it, then random scripts (tests/fuzz): any sanitizer
# report, crash, hang or internal error fails it, and the smallest script that
# still fails is printed and saved in fuzz-failure/.
#
#   scripts/fuzz.sh [--minutes N | --seconds N] [--seed N] [--jobs N] [--no-scenarios]
#   scripts/fuzz.sh --ci      seed 1 for 150 seconds (scripts/test.sh runs it after
#                             the whole test suite, with --no-scenarios)
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

./scripts/build.sh --sanitize tolvane-cli tolvane-fuzz
. scripts/sanitizer_env.sh
if [ "$scenarios" = 1 ]; then
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -R '^(scenario/|settings_kill_check)'
fi
echo "fuzz: seed $seed for $seconds s on $jobs jobs"
build-asan/tests/tolvane-fuzz --seed "$seed" --seconds "$seconds" --jobs "$jobs" --work build-asan/fuzz-work
