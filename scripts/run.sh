#!/usr/bin/env bash
# Builds Tolvane and starts it. The program installs the per-user settings with
# their defaults itself on its first start.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/tolvane "$@"
