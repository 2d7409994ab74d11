# Sourced by the scripts that need an X server: a virtual one, on a display number it picks itself,
# so that several can run side by side. The sourcing script provides `scratch` (a temporary
# folder), the array `pids` (processes its exit trap kills) and `fail` (reports and exits).

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do ((SECONDS < deadline)) && sleep 0.1 || return 1; done
}

# Starts Xvfb and exports DISPLAY once it is listening.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" </dev/null \
    >/dev/null 2>&1 &
  pids+=($!)
  wait_for 10 test -s "$scratch/display" || fail "the virtual X server did not start"
  DISPLAY=":$(cat "$scratch/display")"
  export DISPLAY
}
