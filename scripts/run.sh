#!/usr/bin/env bash
# Builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/tolvane "$@"
