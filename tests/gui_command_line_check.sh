#!/usr/bin/env bash
# The desktop program's command line: --help, --version and a wrong option
# answer without a display (the toolkit would abort if it started); a second
# start hands over to the running program and ends, unless --new-instance.
#
#   gui_command_line_check.sh TOLVANE WORK_DIR
set -uo pipefail
gui=$1 work=$2
rm -rf "$work" && mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# No display at all, and the X11 platform: starting the toolkit would abort.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
while IFS='|' read -r args status pattern; do
  out=$("${nodisplay[@]}" "$gui" $args 2>&1); got=$?
  [ "$got" = "$status" ] || fail "tolvane $args: exit $got, expected $status: $out"
  grep -qE -- "$pattern" <<< "$out" || fail "tolvane $args: no '$pattern' in: $out"
done <<'END'
--version|0|^tolvane [0-9]+\.[0-9]+$
--help|0|--new-instance
-h|0|^usage: tolvane
--bogus|2|unknown option --bogus
--screenshot|2|--screenshot needs a file name
stray|2|unexpected argument stray
-style|2|-style needs a value
-style fusion --version|0|^tolvane [0-9]
--version --bogus|0|^tolvane [0-9]
END

# One program per user and display, here on the offscreen platform.
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen HOME=$work
unset DISPLAY WAYLAND_DISPLAY
"$gui" > "$work/first.out" 2>&1 & first=$!
for _ in $(seq 600); do
  compgen -G "$work/runtime/tolvane-*.socket" > /dev/null && break
  kill -0 $first 2>/dev/null || break
  sleep 0.1
done
compgen -G "$work/runtime/tolvane-*.socket" > /dev/null || fail "the first start made no socket: $(cat "$work/first.out")"
timeout 60 "$gui" > "$work/second.out" 2>&1; got=$?
[ "$got" = 0 ] || fail "a second start: exit $got instead of handing over: $(cat "$work/second.out")"
kill -0 $first 2>/dev/null || fail "the first program ended: $(cat "$work/first.out")"
# With --new-instance the start runs on its own (it is still running after a while).
"$gui" --new-instance > "$work/third.out" 2>&1 & third=$!
sleep 3
kill -0 $third 2>/dev/null || fail "--new-instance did not run its own window: $(cat "$work/third.out")"
kill $first $third 2>/dev/null; wait $first $third 2>/dev/null
[ $failed = 0 ] && echo "command line and second start: as documented"
exit $failed
