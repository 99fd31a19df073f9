#!/usr/bin/env bash
# The one-shot field form of tolvane-cli: its figures, its two output forms
# and its refusals (exit status 2, a message on standard error, nothing on
# standard output).
#
#   field_cli_check.sh TOLVANE_CLI
set -uo pipefail
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# value NAME OUTPUT: the number on the line "NAME = number".
value() { sed -n "s/^$1 = //p" <<<"$2"; }

# within A B TOLERANCE: |A/B - 1| <= TOLERANCE
within() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a / b - 1; if (d < 0) d = -d; exit !(d <= t) }'; }

# The centred strip of no thickness, planes 10 mils apart, W 5: 100.502 ohms
# by the exact formula written with 30 pi (eta0 = 376.73 gives 100.432).
out=$("$cli" field stripline w=5 h=5 t=0 er=1) || fail "stripline exit status $?"
z0=$(value z0 "$out")
within "$z0" 100.502 0.001 || fail "stripline z0 $z0 is not within 0.1 % of 100.502"
within "$z0" 100.4325 0.0002 || fail "stripline z0 $z0 is not within 0.02 % of eta0/4 K(k)/K(k')"
[ "$(value eeff "$out")" = 1.00000 ] || fail "stripline in vacuum: eeff $(value eeff "$out")"
for name in lo co tpd unknowns milliseconds; do
  [ -n "$(value $name "$out")" ] || fail "no $name line in: $out"
done

# Units: 0.127 mm is 5 mils; Er scales a stripline's impedance by 1/sqrt(Er).
mm=$("$cli" field stripline w=0.127mm h=127um t=0 er=4) || fail "millimetres exit status $?"
within "$(value z0 "$mm")" "$(awk -v z="$z0" 'BEGIN { print z / 2 }')" 0.00001 ||
  fail "0.127mm/127um/er=4 gives $(value z0 "$mm"), not half of $z0"

# JSON: one object with the pair's impedances; a pair without ground has no
# common mode (null).
json=$("$cli" field edge-external w=10 s=5 h=15 t=2.1 er=4.6 --json) || fail "json exit status $?"
for key in z0 eeff zodd zeven zdiff zcommon unknowns milliseconds; do
  grep -q "\"$key\": [0-9]" <<<"$json" || fail "no number for $key in $json"
done
[ "$(wc -l <<<"$json")" -eq 1 ] || fail "JSON is not one line: $json"
json=$("$cli" field broadside-unshielded w=10 s=5 h=15 t=0.7 er=4.6 --json) || fail "broadside exit status $?"
grep -q '"zeven": null' <<<"$json" || fail "broadside-unshielded zeven is not null: $json"
grep -q '"zdiff": [0-9]' <<<"$json" || fail "broadside-unshielded has no zdiff: $json"

# Every type solves with its own keys.
while read -r type keys; do
  out=$("$cli" field "$type" $keys) || fail "$type $keys: exit status $?"
  z=$(value z0 "$out")
  [ "$type" = broadside-unshielded ] && z=$(value zdiff "$out")
  awk -v z="$z" 'BEGIN { exit !(z > 10 && z < 200) }' || fail "$type: impedance $z"
done <<'TYPES'
microstrip w=5 h=10 t=2.1 er=4.6
embedded-microstrip w=5 h1=10 h2=8 t=0.7 er=4.6
stripline w=5 h=10 t=0.7 er=4.6
asymmetric-stripline w=5 h1=10 h2=8 t=0.7 er=4.6
dual-stripline w=5 h=10 c=8 t=0.7 er=4.6
cpwg w=5 h=10 g=8 t=2.1 er=4.6
edge-external w=10 s=5 h=15 t=2.1 er=4.6 etch=1
edge-internal w=10 s=5 h=15 t=0.7 er=4.6
edge-internal-asym w=10 s=5 h1=15 h2=5 t=0.7 er=4.6
edge-embedded w=10 s=5 h1=5 h2=15 t=0.7 er=4.6
broadside-shielded w=10 s=5 h=15 t=0.7 er=4.6
broadside-unshielded w=10 s=5 h=15 t=0.7 er=4.6
TYPES

# Refusals: status 2, a message that names the fault, no output.
while IFS='|' read -r args message; do
  out=$("$cli" field $args 2>/tmp/field_cli_err.$$)
  status=$?
  err=$(cat /tmp/field_cli_err.$$)
  [ $status -eq 2 ] || fail "field $args: exit status $status, expected 2"
  [ -z "$out" ] || fail "field $args printed: $out"
  grep -qF -- "$message" <<<"$err" || fail "field $args: '$err' lacks '$message'"
done <<'REFUSALS'
|needs a type
coax w=5|unknown type 'coax'
stripline w=5 h=5 er=1|missing key 't'
stripline w=5 h=5 t=0 er=1 g=3|unknown key 'g'
stripline w=5 w=6 h=5 t=0 er=1|given twice
stripline w=0 h=5 t=0 er=1|w must be a length more than zero
stripline w=5 h=-5 t=0 er=1|h must be a length more than zero
stripline w=5 h=5 t=-1 er=1|t must not be negative
stripline w=5 h=5 t=0 er=0.9|er must be 1 or more
stripline w=5 h=5 t=0 er=4mm|takes no unit
stripline w=5ft h=5 t=0 er=1|unknown unit 'ft'
stripline w=five h=5 t=0 er=1|is not a number
stripline w5 h=5 t=0 er=1|is not key=value
broadside-shielded w=10 s=5 h=6.4 t=0.7 er=4|farther apart
REFUSALS
rm -f /tmp/field_cli_err.$$

[ $failures -eq 0 ] && echo "field form: all checks passed"
exit $((failures > 0))
