#!/usr/bin/env bash
# The real Tarnwick.exe, no fake: in a throwaway Wine prefix a witness program with a window
# runs, the warning screen is off, and "Tarnwick.exe L" logs the session off. Wine then sends
# WM_QUERYENDSESSION and WM_ENDSESSION to every windowed program of the session and ends it.
# real_power_e2e.sh ARCH TARNWICK_EXE WITNESS_EXE WORK_FOLDER
set -u
arch=$1 exe=$2 witness=$3 work=$4
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

prefix="$work/real-power-prefix"
log="$work/real-power-witness.txt"
loader=$(wine_loader "$arch")
server=/usr/lib/wine/wineserver
windows_path() { echo "Z:${1//\//\\}"; }

fail() { echo "real power e2e: $*"; [ -f "$log" ] && sed 's/^/  witness: /' "$log"; exit 1; }
cleanup() {
  WINEPREFIX="$prefix" "$server" -k >/dev/null 2>&1 || true
  rm -rf "$prefix" "$log"
}
trap cleanup EXIT

# Waits up to $2 tenths of a second for the command $1 to succeed.
wait_for() {
  local i
  for i in $(seq 1 "$2"); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

cleanup
mkdir -p "$work"
export WINEPREFIX="$prefix" WINEARCH="$arch"
# Detached from our output: Wine's helper processes keep the pipes of whoever starts them.
"$loader" wineboot -i </dev/null >/dev/null 2>&1
"$server" -w
[ -f "$prefix/system.reg" ] || fail "wineboot did not create the prefix"
keep_shell_folders_inside "$prefix"
"$server" -p </dev/null >/dev/null 2>&1
"$loader" wineboot -u </dev/null >/dev/null 2>&1
"$loader" reg add "HKCU\\Software\\Moxbel Software\\Tarnwick" /v Display /t REG_SZ /d 1 /f \
  </dev/null >/dev/null 2>&1 || fail "could not write the Display setting"

"$loader" "$witness" "$(windows_path "$log")" </dev/null >/dev/null 2>&1 &
witness_pid=$!
wait_for 'grep -q ready "$log" 2>/dev/null' 300 || fail "the witness did not start"

"$loader" "$exe" L </dev/null >/dev/null 2>&1 &
tarnwick_pid=$!

wait_for 'grep -q "^WM_ENDSESSION" "$log"' 300 || fail "the witness was not told that the session ends"
grep -q '^WM_QUERYENDSESSION$' "$log" || fail "the witness was not asked whether the session may end"
grep -q '^WM_ENDSESSION ending$' "$log" || fail "the session end was cancelled"
wait_for '! kill -0 $witness_pid 2>/dev/null' 300 || fail "the witness is still running after the session ended"
wait_for '! kill -0 $tarnwick_pid 2>/dev/null' 300 || fail "Tarnwick.exe did not end"
echo "real power e2e: the session ended; the witness saw:"
sed 's/^/  /' "$log"
