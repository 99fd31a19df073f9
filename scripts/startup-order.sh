#!/usr/bin/env bash
# Writes app/startup-order.txt: the functions of the window program that run
# from its launch until the start-up picture has gone and the first
# recalculation has run, which the linker places together (cmake/linker.cmake).
# Run it on a release build after start-up changed much; a stale list only
# costs memory, never correctness.
#
#   scripts/startup-order.sh [BUILD_DIR]      default build/
# Needs valgrind, Xvfb and xdotool (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
./scripts/deps.sh valgrind xdotool x11-utils
work=$(mktemp -d)
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
disp=:$((300 + RANDOM % 400))
Xvfb $disp -screen 0 1280x1024x24 >/dev/null 2>&1 & xpid=$!
export DISPLAY=$disp XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A first start: the settings file holds the defaults.
ini="$work/home/.config/Corvex PCB Design, Inc./Tolvane.ini"
mkdir -p "$(dirname "$ini")"
printf 'click ReinstallRegistryKeys1\nclick Form8.Button1\n' | "$build/tolvane-cli" --settings "$ini" >/dev/null 2>&1
HOME=$work/home valgrind --tool=callgrind --demangle=no --dump-instr=no \
  --callgrind-out-file="$work/profile.%p" "$build/tolvane" >/dev/null 2>&1 & pid=$!
for _ in $(seq 1 600); do
  xdotool search --onlyvisible --name "Tolvane V" >/dev/null 2>&1 && break
  sleep 0.2
done
# What ran until the window showed goes first, what ran after it (the
# settings load, the start-up picture, the first recalculation) next.
callgrind_control -d $pid >/dev/null
# The start-up picture runs about four seconds, about ten times that under
# valgrind; then come the first recalculation and the remembered work. (The
# picture's waits leave the program idle, so its idling says nothing.)
sleep 60
kill $pid; wait $pid 2>/dev/null || true   # callgrind writes the profile as it ends
# Function names are compressed in the profiles: "fn=(12) name" names id 12,
# a later "fn=(12)" (in this profile or a later one) refers to it. Only the
# program's own functions are kept.
awk -v program="$build/tolvane" '
  function name(spec, table,    id, rest) {
    if (match(spec, /^\([0-9]+\)/)) {
      id = substr(spec, 2, RLENGTH - 2); rest = substr(spec, RLENGTH + 1); sub(/^ /, "", rest)
      if (rest != "") table[id] = rest
      return table[id]
    }
    return spec
  }
  /^ob=/  { ob = name(substr($0, 4), objects); next }
  /^cob=/ { name(substr($0, 5), objects); next }
  /^cfn=/ { name(substr($0, 5), functions); next }
  /^fn=/  {
    f = name(substr($0, 4), functions); sub(/\047[0-9]+$/, "", f)   # recursion marks
    if (ob == program && f ~ /^[A-Za-z_][^ ]*$/ && !(f in seen)) { seen[f] = 1; print f }
  }' "$work/profile.$pid.1" "$work/profile.$pid" > app/startup-order.txt
echo "app/startup-order.txt: $(wc -l < app/startup-order.txt) functions"
