#!/usr/bin/env bash
# Kills tolvane-cli (kill -9) at random moments while it saves a design over
# and over, as the desktop program remembers its work every few seconds; the
# design file must always open, holding the old values or new ones.
#
#   kill_design_check.sh TOLVANE_CLI WORK_DIR [ROUNDS] [SEED]
set -euo pipefail
cli=$1 work=$2 rounds=${3:-40} RANDOM=${4:-11}
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# The old design: a temperature rise of 30.
printf '%s\n' 'set Edit1 30' 'save-design work.tvd' > old.tvs
# Many saves of new values, on several calculators.
{
  for i in $(seq 40); do
    printf '%s\n' "set Edit1 $((31 + i % 2))" 'click ConductorProperties1' "set Edit15 $((11 + i % 2))" \
      'save-design work.tvd' 'click ViaProperties1' 'save-design work.tvd'
  done
} > writes.tvs

check() {
  local round=$1 shown
  shown=$("$cli" --design work.tvd - <<< 'show Edit1' 2>&1) || {
    echo "round $round: the design does not open:"; echo "$shown"; return 1; }
  case "$shown" in
    *"Edit1.text = 30"*|*"Edit1.text = 31"*|*"Edit1.text = 32"*) ;;
    *) echo "round $round: unexpected values: $shown"; return 1 ;;
  esac
}

"$cli" old.tvs > /dev/null
cp work.tvd old.tvd
start=$(date +%s%N)
"$cli" writes.tvs > run.out || { echo "writes.tvs fails:"; cat run.out; exit 1; }
full=$(( ($(date +%s%N) - start) / 1000000 ))
check 0

for round in $(seq "$rounds"); do
  cp old.tvd work.tvd
  delay=$(( full * (RANDOM % 1000) / 1000 ))
  "$cli" writes.tvs > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  check "$round" || { echo "--- work.tvd after a kill at ${delay} ms of ${full} ms:"; cat work.tvd; exit 1; }
done
echo "design kill check: $rounds kills (runs of $full ms), the design always opens"
