#!/usr/bin/env bash
# Runs a test program of the Qt windows under a real window manager: a virtual X server of its
# own with openbox (Debian's), which frames, decorates, names and places the windows as a desktop
# does. CTest runs it as the test "WindowManager" (label wm):
#   scripts/wm-tests.sh build/asan/tests/tarvik_wm_tests [--gtest_filter=...]
set -euo pipefail

program=$1
shift
scratch=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "Window manager tests: $*" >&2 && exit 1; }
# shellcheck source=virtual-display.sh
source "$(dirname "$0")/virtual-display.sh"

start_virtual_display
# Openbox with its packaged configuration, whatever the user's own says.
XDG_CONFIG_HOME="$scratch/config" openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
# No session bus: with none named, the D-Bus library would start one through the X server, which
# would outlive the tests.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-session-bus"
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 managed || fail "openbox did not start: $(cat "$scratch/openbox.log")"
"$program" "$@"
