#!/usr/bin/env bash
# Kills tolvane-cli (kill -9) at random moments while it writes its settings,
# then checks that the settings file is whole: every value there once, each
# holding an old or a new text, and the values that only the repair changes
# either all old or all repaired.
#
#   kill_settings_check.sh TOLVANE_CLI WORK_DIR [ROUNDS] [SEED]
set -euo pipefail
cli=$1 work=$2 rounds=${3:-60} RANDOM=${4:-7}
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# The old key: valid values, most of them not the defaults.
old_key='[General]
Base_Weight=3
Conductor_Reduction=55
Derating=1
IPC_Version=1
Manual_Copper_Weight=0
Plate_Weight=4
Program=1
Registry_Status=0
TH_Via_AR_Setting=12
UVia_AR_Setting=2
Units=1
Via_Height_Enable=0
Vurivav_Theme=0'

# Many writes (units, function, copper, options), then the repair; and the
# repair alone.
{
  for _ in $(seq 4); do
    printf '%s\n' 'pick RadioGroup6 0' 'pick RadioGroup6 1' 'click ViaProperties1' \
      'click ConductorProperties1' 'pick RadioGroup4 2' 'pick RadioGroup4 3' 'click CopperWeight1' \
      'pick Form6.RadioGroup2 0' 'pick Form6.RadioGroup2 1' 'set Form6.Edit1 15' 'set Form6.Edit1 12' \
      'click Form6.Button1'
  done
  printf '%s\n' 'click ReinstallRegistryKeys1' 'click Form8.Button1'
} > writes.tvs
printf '%s\n' 'click ReinstallRegistryKeys1' 'click Form8.Button1' > repair.tvs

# The texts each value may hold: old, written by the script, or repaired.
declare -A allowed=(
  [Base_Weight]='3 2 1' [Conductor_Reduction]='55 100' [Derating]='1 0' [IPC_Version]='1 0'
  [Manual_Copper_Weight]='0' [Plate_Weight]='4 2' [Program]='1 0' [Registry_Status]='0'
  [TH_Via_AR_Setting]='12 15 10' [UVia_AR_Setting]='2 1' [Units]='1 0' [Via_Height_Enable]='0 1'
  [Vurivav_Theme]='0')
# Values only the repair writes: all old or all repaired.
repair_only='Conductor_Reduction IPC_Version UVia_AR_Setting Via_Height_Enable'
old_repair_only='55 1 2 0'
new_repair_only='100 0 1 1'

check() {
  local round=$1 line name value seen=() group=()
  declare -A found=()
  while IFS= read -r line || { [ -n "$line" ] && echo "round $round: last line unterminated" && return 1; }; do
    [ "$line" = "[General]" ] && continue
    name=${line%%=*} value=${line#*=}
    if [ -z "${allowed[$name]+x}" ]; then echo "round $round: unexpected line '$line'"; return 1; fi
    if [ -n "${found[$name]+x}" ]; then echo "round $round: $name twice"; return 1; fi
    found[$name]=$value
    if ! [[ " ${allowed[$name]} " == *" $value "* ]]; then
      echo "round $round: $name=$value is neither old nor new"; return 1
    fi
  done < settings.ini
  for name in "${!allowed[@]}"; do
    [ -n "${found[$name]+x}" ] || { echo "round $round: $name is missing"; return 1; }
  done
  for name in $repair_only; do group+=("${found[$name]}"); done
  if [ "${group[*]}" != "$old_repair_only" ] && [ "${group[*]}" != "$new_repair_only" ]; then
    echo "round $round: half-repaired key: $repair_only = ${group[*]}"; return 1
  fi
}

# How long a whole run of each script takes here; the kills fall anywhere
# inside it.
declare -A full=()
for script in writes.tvs repair.tvs; do
  printf '%s\n' "$old_key" > settings.ini
  start=$(date +%s%N)
  "$cli" --settings settings.ini "$script" > run.out || { echo "$script fails:"; cat run.out; exit 1; }
  full[$script]=$(( ($(date +%s%N) - start) / 1000000 ))
  check 0 || { echo "an uninterrupted run of $script leaves a bad file:"; cat settings.ini; exit 1; }
  grep -q '^Conductor_Reduction=100$' settings.ini || { echo "$script did not repair"; exit 1; }
done

for round in $(seq "$rounds"); do
  script=writes.tvs
  [ $((round % 2)) -eq 0 ] && script=repair.tvs
  printf '%s\n' "$old_key" > settings.ini
  delay=$(( full[$script] * (RANDOM % 1000) / 1000 ))
  "$cli" --settings settings.ini "$script" > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  check "$round" || {
    echo "--- settings.ini after a kill at ${delay} ms of ${full[$script]} ms ($script):"
    cat settings.ini
    exit 1
  }
done
echo "settings kill check: $rounds kills (runs of ${full[writes.tvs]} and ${full[repair.tvs]} ms), the file always whole"
