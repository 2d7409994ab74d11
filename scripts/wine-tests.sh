#!/usr/bin/env bash
# Runs the Windows build's tests (preset mingw, built beforehand) under Wine, in a Wine prefix of
# their own made anew for each run, with the simulated instrument (the Linux qm307-sim) on a
# pseudo-terminal mapped as COM5. Extra arguments go to CTest.
#   QM307_SIM=path/to/qm307-sim scripts/wine-tests.sh [-L unit|-L integration|-R NAME ...]
set -euo pipefail
cd "$(dirname "$0")/.."

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
simulator=${QM307_SIM:-build/release/tools/qm307sim/qm307-sim}
# The same environment as the test preset "mingw" gives the tests.
export WINEPREFIX="$PWD/build/mingw/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

simulator_pid=
scratch=$(mktemp -d)
pids=()
fail() { echo "Wine tests: $*" >&2 && exit 1; }
finish() {
  if [ -n "$simulator_pid" ]; then
    kill "$simulator_pid" 2>/dev/null || true
    wait "$simulator_pid" 2>/dev/null || true
  fi
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap finish EXIT
# shellcheck source=virtual-display.sh
source scripts/virtual-display.sh

# The windows' tests make real dialogs, and Wine makes windows on an X server: a virtual one.
start_virtual_display

# A persistent server and the prefix's services started before CTest, with every standard stream
# redirected: otherwise a test now and then loses its server connection, and CTest can wait
# forever on pipes that the services keep open.
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$wineserver" -p </dev/null >/dev/null 2>&1
"$wine" wineboot -i </dev/null >/dev/null 2>&1
# Wine's own fonts (package fonts-wine), which this Wine does not look for where Debian puts
# them: the windows are measured in its "MS Sans Serif" and Tahoma.
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

# The simulated instrument, a shot every half second, its device linked as the prefix's COM5.
port_env=()
if [ -x "$simulator" ]; then
  "$simulator" --auto 0.5 --quiet --link "$WINEPREFIX/dosdevices/com5" </dev/null >/dev/null &
  simulator_pid=$!
  for _ in $(seq 50); do
    [ -L "$WINEPREFIX/dosdevices/com5" ] && break
    sleep 0.1
  done
  port_env=(TARVIK_TEST_PORT=COM5)
else
  echo "WARNING: $simulator is missing: the serial port test is skipped." >&2
fi

if ! env "${port_env[@]}" ctest --preset mingw "$@"; then
  # Under load Wine now and then loses a test program as it starts (it ends at once and prints
  # nothing): the failed tests run once more and fail the run only when they fail again.
  echo "WARNING: some Windows tests failed under Wine; running those once more." >&2
  env "${port_env[@]}" ctest --preset mingw --rerun-failed "$@"
fi
