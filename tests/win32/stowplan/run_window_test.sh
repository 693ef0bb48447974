#!/usr/bin/env bash
# The payload editor's window under Wine, driven from outside by stowplan_driver.exe. Run inside
# xvfb-run, with WINEPREFIX set up.
#   run_window_test.sh STOWPLAN_EXE DRIVER_EXE TESTDATA EXPECTED WORK_FOLDER
set -u
stowplan=$1 driver=$2 testdata=$3 expected=$4 work=$5
caption="Veltran Payload Editor - Orvek 300 Test"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
fail() { echo "FAIL $*"; status=1; }
status=0

rm -rf "$work" && mkdir -p "$work/shots" && cp -r "$testdata" "$work/install"
ini=$(winpath "$work/install/stowplan.ini")
aircraft=$(winpath "$work/install/aircraft")

# Waits at most $2 seconds for process $1, then ends it; leaves its exit status in $code. Runs in
# this shell, not a subshell: only the shell that started the process can collect its status.
finish() {
  local tenths
  for ((tenths = 0; tenths < $2 * 10; tenths++)); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then kill "$1"; code=timeout; else wait "$1"; code=$?; fi
}

echo "== editing session"
wine "$stowplan" --settings "$ini" --aircraft "$aircraft" & app=$!
wine "$driver" edit "$caption" "$(winpath "$work/shots")" || fail "editing session"
finish $app 15
[ "$code" = 0 ] || fail "stowplan.exe ended with $code after File > Exit"
cmp "$work/install/aircraft/aircraft.cfg" "$expected/aircraft.cfg" || fail "aircraft.cfg differs from the expected one"
cmp "$work/install/aircraft/orvek-300_notes.txt" "$expected/orvek-300_notes.txt" || fail "notes file differs"
ls "$work/install/aircraft" | grep -q saving && fail "a staging file was left behind"

echo "== start without a settings file"
cp -r "$work/install/aircraft" "$work/untouched"
wine "$stowplan" --settings "$(winpath "$work/nowhere.ini")" --aircraft "$aircraft" & app=$!
wine "$driver" expect-error "nowhere.ini" || fail "no clear message about the missing settings file"
finish $app 15
[ "$code" = 1 ] || fail "stowplan.exe ended with $code, not 1, after a failed start"
diff -r "$work/untouched" "$work/install/aircraft" >/dev/null || fail "a failed start changed the aircraft folder"

for shot in "$work"/shots/*.bmp; do
  [ -f "$shot" ] && command -v convert >/dev/null && convert "$shot" "${shot%.bmp}.png"
done
ls "$work/shots"
[ $status = 0 ] && echo "window test passed"
exit $status
