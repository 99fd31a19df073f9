#!/usr/bin/env bash
# Builds the desktop program (and the licence document its Help menu opens),
# nothing else, and starts it. The program installs the per-user settings with
# their defaults itself on its first start.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh tolvane eula
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tolvane is built (build/tolvane), but there is no display to show it on." >&2
  echo "Run this from a desktop session, or try: xvfb-run -a ./build/tolvane" >&2
  exit 1
fi
exec ./build/tolvane "$@"
