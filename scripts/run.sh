#!/usr/bin/env bash
# Builds Tolvane and starts it. On the first run it installs the per-user
# settings with their defaults, as an installer would, using the program's own
# repair (Help > Reinstall Registry Keys does the same later).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Corvex PCB Design, Inc./Tolvane.ini"
if [ ! -f "$settings" ]; then
  scratch=$(mktemp -d)
  (cd "$scratch" && printf 'click ReinstallRegistryKeys1\nclick Form8.Button1\n' |
     "$OLDPWD/build/tolvane-cli" --settings "$settings" >/dev/null)
  rm -rf "$scratch"
fi
exec ./build/tolvane "$@"
