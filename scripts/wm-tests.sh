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
wait_for() {  # up to $1 seconds for the command after it to succeed
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do ((SECONDS < deadline)) && sleep 0.1 || return 1; done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -s "$scratch/display" || fail "the virtual X server did not start"
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
# Openbox with its packaged configuration, whatever the user's own says.
XDG_CONFIG_HOME="$scratch/config" openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
# No session bus: with none named, the D-Bus library would start one through the X server, which
# would outlive the tests.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-session-bus"
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 managed || fail "openbox did not start: $(cat "$scratch/openbox.log")"
"$program" "$@"
