#!/usr/bin/env bash
# The one-shot commands of tolvane-cli (list, describe, calc, solve, sweep) as
# a script or a Makefile uses them: their output forms, and an exit status
# that tells a clean calculation (0) from a message, a result without a
# number, a target out of reach or a file not written (1) and a usage error
# (2), with the reason on standard error.
#
#   oneshot_cli_check.sh TOLVANE_CLI WORK_DIR
set -uo pipefail
cli=$(realpath "$1")
work=$2
rm -rf "$work" && mkdir -p "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run EXPECTED_STATUS ARGS...: runs the command; its output in $out and $err.
run() {
  local expected=$1
  shift
  out=$("$cli" "$@" 2>"$work/err")
  local status=$?
  err=$(cat "$work/err")
  [ $status -eq "$expected" ] || fail "tolvane-cli $*: exit status $status, expected $expected (stderr: $err)"
}

# Discovery.
run 0 list
for id in conductor-impedance differential-pairs via ohms-law; do
  grep -q "^$id " <<<"$out" || fail "list lacks $id"
done
grep -q "^  type: microstrip embedded-microstrip" <<<"$out" || fail "list lacks the impedance types: $out"
run 0 describe differential-pairs
grep -q "^zdiff  *Zdifferential  *Ohms" <<<"$out" || fail "describe differential-pairs lacks zdiff: $out"
grep -q "^width  *Conductor Width (W)  *mils  *mm  *10  *yes" <<<"$out" || fail "describe: width row: $out"
run 0 describe conductor-impedance type=stripline
grep -q "^height2 .* no$" <<<"$out" || fail "height2 belongs to the stripline: $out"
grep -q "stripline\* (Stripline)" <<<"$out" || fail "the chosen type is not marked: $out"
run 0 list --json
grep -q '{"id": "conductor-impedance", "caption": "Conductor Impedance", "choices": {"type": \["microstrip", ' <<<"$out" ||
  fail "list --json: $out"
run 0 describe differential-pairs --json
grep -q '{"id": "zdiff", "name": "Edit[0-9]*", "caption": "Zdifferential", "unit": {"imperial": "Ohms", "metric": "Ohms"}' <<<"$out" ||
  fail "describe --json: $out"
# Every calculator's JSON reads as JSON (where a reader is at hand).
if command -v python3 >/dev/null; then
  for id in $("$cli" list | awk '/^[a-z0-9]/ { print $1 }'); do
    "$cli" describe "$id" >/dev/null || fail "describe $id: exit status $?"
    for cmd in "calc $id --json" "describe $id --json"; do
      "$cli" $cmd | python3 -c 'import json, sys; json.load(sys.stdin)' || fail "$cmd is no JSON"
    done
  done
fi
run 0 --version
grep -q "^tolvane-cli [0-9]" <<<"$out" || fail "--version: $out"
run 0 sweep --help
grep -q "^usage: tolvane-cli sweep CALC INPUT FROM TO STEPS RESULT" <<<"$out" || fail "sweep --help: $out"
run 0 --help
for cmd in list describe calc solve sweep field; do
  grep -q "tolvane-cli $cmd" <<<"$out" || fail "--help lacks $cmd"
done

# calc: the window's figure, at full precision and as shown; a length with
# a unit reads in the field's unit; metric units give the same line.
run 0 calc conductor-impedance type=microstrip width=0.127mm --json
grep -q '"z0": {"value": 83\.6096[0-9]*, "text": "83.6097 Ohms"' <<<"$out" || fail "calc --json: $out"
grep -q '"messages": \[\]' <<<"$out" || fail "calc --json messages: $out"
grep -q '^{"calculator": "conductor-impedance", "choices": {"type": "microstrip"}, "units": "imperial"' <<<"$out" ||
  fail "calc --json head: $out"
[ -z "$err" ] || fail "a clean calc wrote to stderr: $err"
run 0 calc conductor-impedance type=microstrip width=5
grep -qx "z0 = 83.6097 Ohms" <<<"$out" || fail "calc lines: $out"
grep -qx "er_effective = 2.9022" <<<"$out" || fail "calc lines: $out"
run 0 calc conductor-impedance width=0.127 --units metric
grep -qx "z0 = 83\.6[0-9]* Ohms" <<<"$out" || fail "calc in metric: $out"
grep -qx "delay = .* ps/cm" <<<"$out" || fail "metric delay: $out"
run 0 calc conductor-impedance width=5 --csv
[[ "$(head -1 <<<"$out")" == "Zo (Ohms),Lo (nH/in),Co (pF/in),Tpd (ps/in),Er Effective,"* ]] || fail "csv header: $out"
grep -q "^83\.6096[0-9]*,12\.07" <<<"$(sed -n 2p <<<"$out")" || fail "csv row: $out"
run 0 calc ohms-law solve=amps circuit=r-series volts_in=12 ohms_in=4
grep -qx "amps = 3.000 Amps" <<<"$out" || fail "ohms-law amps: $out"
grep -q "^series_r1_drop = " <<<"$out" || fail "the series tab's results: $out"

# Every type of the impedance calculators calculates clean at its defaults,
# the field solver's line included.
for t in microstrip embedded-microstrip stripline asymmetric-stripline dual-stripline coplanar; do
  run 0 calc conductor-impedance type=$t
done
for t in edge-external edge-internal edge-internal-asym edge-embedded broadside-shielded broadside-unshielded; do
  run 0 calc differential-pairs type=$t
  grep -q "^field_zdiff = [0-9]" <<<"$out" || fail "differential-pairs type=$t: no field solver line: $out"
done

# Exit status 1: a message (on stderr, and in the JSON), a result without a
# number.
run 1 calc conductor-impedance type=microstrip width=abc
grep -q "^message: 'abc' is not a valid floating point value" <<<"$err" || fail "width=abc: $err"
grep -qx "z0 = ? (not recalculated)" <<<"$out" || fail "width=abc shows an old result: $out"
run 1 calc conductor-impedance width=abc --json
grep -q '"z0": {"value": null' <<<"$out" || fail "width=abc JSON value: $out"
grep -q "\"messages\": \[\"'abc' is not" <<<"$out" || fail "width=abc JSON messages: $out"
run 1 calc conductor-impedance width=0
grep -q "^message: Conductor width cannot be less" <<<"$err" || fail "width=0: $err"
run 1 calc conductor-impedance type=stripline width=1000
grep -qx "z0 = N/A" <<<"$out" || fail "a stripline wider than its planes: $out"
grep -q "z0 shows no number: N/A" <<<"$err" || fail "N/A not on stderr: $err"
run 1 calc conductor-impedance type=stripline width=1000 --json
grep -q '"z0": {"value": null, "text": "N/A"' <<<"$out" || fail "N/A in JSON: $out"
run 1 calc conductor-impedance type=stripline width=1000 --csv
grep -q "^,,,[0-9]" <<<"$(sed -n 2p <<<"$out")" || fail "N/A in CSV: $out"

# Usage errors: status 2, the reason on stderr, nothing on stdout.
while IFS='|' read -r args message; do
  run 2 $args
  [ -z "$out" ] || fail "$args printed: $out"
  grep -qF -- "$message" <<<"$err" || fail "$args: '$err' lacks '$message'"
done <<'USAGE'
calc|calc takes one calculator
calc nosuch|unknown calculator 'nosuch'
calc conductor-impedance type=coax|unknown type 'coax'
calc conductor-impedance colour=red|unknown input 'colour'
calc conductor-impedance z0=50|'z0' is a result
calc conductor-impedance type=microstrip height2=5|'height2' is not an input of conductor-impedance type=microstrip
calc conductor-impedance --units furlongs|--units takes imperial or metric
calc conductor-impedance --frob|unknown option --frob
calc conductor-impedance -o x.csv|calc takes no option -o
describe|describe takes one calculator
solve conductor-impedance width z0|solve takes
solve conductor-impedance width nosuch 50|'nosuch' is not a result
solve conductor-impedance width z0 fifty|TARGET 'fifty' is not a number
sweep conductor-impedance width 2GHz 20 9 z0|FROM '2GHz' is not a number (of mils or with a unit)
sweep conductor-impedance width 2 20 0 z0|1 to 100000 steps
sweep conductor-impedance width -1 20 9 z0 --log|logarithmic sweep needs two ends
sweep conductor-impedance z0 2 20 9 width|'z0' is not an input
USAGE

# solve: the answer as typed, and the result it shows; a target out of reach
# is status 1 with the nearest result on stderr.
run 0 solve conductor-impedance width z0 50 type=microstrip
grep -qx "width = [0-9.]* mils" <<<"$out" || fail "solve input line: $out"
grep -qx "z0 = 50.0000 Ohms" <<<"$out" || fail "solve result line: $out"
run 0 solve conductor-impedance width z0 50 --json
grep -Eq '^\{"input": \{"id": "width", "value": 16\.8211, "text": "16.8211", "unit": "mils"\}, "result": \{"id": "z0", "value": (49\.9999|50\.0000)[0-9]*, "text": "50.0000 Ohms", "unit": "Ohms"\}\}$' <<<"$out" ||
  fail "solve --json: $out"
run 0 solve conductor-impedance Edit67 Edit70 60
grep -qx "z0 = 60.0000 Ohms" <<<"$out" || fail "solve by designer names: $out"
run 1 solve conductor-impedance width z0 -5
grep -q "No value of width gives -5" <<<"$err" || fail "unreachable target: $err"
[ -z "$out" ] || fail "an unreached target printed: $out"
run 1 solve conductor-impedance width z0 50 width=abc
[ "$(grep -c "^message: 'abc' is not" <<<"$err")" -eq 1 ] || fail "solve from an unreadable width: $err"

# sweep: plain CSV on stdout, headed by captions with units; a file written
# whole; a file that cannot be written is status 1 naming it.
run 0 sweep conductor-impedance width 2 20 9 z0 delay
[ "$(head -1 <<<"$out")" = "Conductor Width (W) (mils),Zo (Ohms),Tpd (ps/in)" ] || fail "sweep header: $out"
[ "$(wc -l <<<"$out")" -eq 11 ] || fail "sweep rows: $out"
grep -q "^2,105\.9" <<<"$out" || fail "sweep first row: $out"
grep -q "sweep:" <<<"$out" && fail "one-shot sweep lines carry the script prefix: $out"
run 0 sweep conductor-impedance width 2 20 9 z0 -o "$work/z0.csv"
[ "$(wc -l <"$work/z0.csv")" -eq 11 ] || fail "sweep file: $(cat "$work/z0.csv")"
[ -z "$out" ] || fail "a sweep into a file printed: $out"
run 1 sweep conductor-impedance width 2 20 9 z0 -o /nonexistent/x.csv
grep -q "cannot write /nonexistent/x.csv: " <<<"$err" || fail "unwritable file: $err"
run 0 sweep conductor-impedance width 0.0508mm 0.508mm 9 z0
[ "$(sed -n 2p <<<"$out")" = "2,105.922219669048" ] || fail "sweep ends with a unit: $out"
run 0 sweep conductor-impedance width 1 100 2 z0 --log
grep -q "^10," <<<"$out" || fail "log sweep middle step: $out"

# A script's sweep file is headed as the one-shot sweep's, by captions with
# units; the script's own lines keep their header (the input's designer name).
printf 'click RFImpedances1\nsweep width 2 20 9 Edit70 > %s\nsweep width 2 4 1 z0\n' "$work/script.csv" |
  "$cli" --decimal point >"$work/script.out" 2>&1 || fail "script sweep: $(cat "$work/script.out")"
[ "$(head -1 "$work/script.csv")" = "Conductor Width (W) (mils),Zo (Ohms)" ] ||
  fail "script sweep file header: $(head -1 "$work/script.csv")"
grep -q "^sweep: Edit67	z0$" "$work/script.out" || fail "script sweep lines: $(cat "$work/script.out")"

# Bash completion, with this tolvane-cli first on the PATH.
mkdir -p "$work/bin" && ln -sf "$cli" "$work/bin/tolvane-cli"
complete_words() {
  PATH="$work/bin:$PATH" bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tolvane_cli 2>/dev/null; echo "${COMPREPLY[*]}"' \
    "$(dirname "$0")/../packaging/tolvane-cli.bash-completion" "$@"
}
while IFS='|' read -r words expected; do
  got=$(complete_words $words)
  [ "$got" = "$expected" ] || fail "completion of '$words': '$got', expected '$expected'"
done <<'COMPLETIONS'
tolvane-cli ca|calc
tolvane-cli calc differential-p|differential-pairs
tolvane-cli calc conductor-impedance type=st|type=stripline
tolvane-cli calc conductor-impedance wi|width=
tolvane-cli sweep conductor-impedance width 2 20 9 z|z0
tolvane-cli solve differential-pairs width zd|zdiff zdiff_plus zdiff_minus
tolvane-cli calc via --units m|metric
COMPLETIONS

# A Makefile: a failed calculation stops the build and leaves no file.
cat >"$work/Makefile" <<MAKE
.DELETE_ON_ERROR:
all: good.json bad.json
good.json:
	"$cli" calc conductor-impedance width=5 --json > \$@
bad.json: good.json
	"$cli" calc conductor-impedance width=abc --json > \$@
MAKE
(cd "$work" && make -s -f Makefile >make.out 2>&1)
status=$?
[ $status -ne 0 ] || fail "make went on after a failed calculation"
[ -s "$work/good.json" ] || fail "make did not write good.json"
[ ! -e "$work/bad.json" ] || fail "make kept bad.json"
grep -q "'abc' is not a valid" "$work/make.out" || fail "make output lacks the message: $(cat "$work/make.out")"

[ $failures -eq 0 ] && echo "one-shot commands: all checks passed"
exit $((failures > 0))
