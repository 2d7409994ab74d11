#!/usr/bin/env bash
# Measures the Qt program on this machine, end to end, with the release build:
#   1. start to the main window's first paint (tarvik --measure-startup) and the whole
#      process's wall time, RUNS times on the offscreen platform and RUNS times on a virtual X
#      server (xcb), against the simulated qm-307 on a pseudo-terminal;
#   2. the CPU the program uses while idle with the port open (no shots) over IDLE_SECONDS, from
#      /proc/PID/stat, on both platforms, with each thread's share;
#   3. the time from a reading's carriage return to the shot shown, SHOTS shots with the
#      simulated memory tab off and SHOTS with it on (bench/gui_bench.cpp, offscreen);
#   4. the resident memory before and after MEMORY_SHOTS shots through the same window.
# Everything runs in a temporary folder that is removed at the end, the program's settings
# included (XDG_CONFIG_HOME points there), so the user's own settings are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."

# "label median M  max X  (sorted: ...)" of the numbers on standard input.
summary() {
  sort -n | awk -v label="$1" '
    { v[NR] = $1; all = all (NR > 1 ? " " : "") $1 }
    END {
      median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "  %-34s median %7.1f  max %7.1f  (sorted: %s)\n", label, median, v[NR], all
    }'
}

# Start-up, RUNS times on the platform already chosen (QT_QPA_PLATFORM, DISPLAY).
startup_runs() {
  local label=$1 paint_ms="" wall_ms=""
  local TIMEFORMAT='%3R'
  for _ in $(seq "$RUNS"); do
    { time timeout 20 "$TARVIK" --measure-startup >"$WORK/paint" 2>/dev/null; } 2>"$WORK/wall"
    paint_ms+="$(cat "$WORK/paint")"$'\n'
    wall_ms+="$(awk '{ printf "%.0f", $1 * 1000 }' "$WORK/wall")"$'\n'
  done
  printf '%s' "$paint_ms" | summary "$label main() to first paint, ms"
  printf '%s' "$wall_ms" | summary "$label process start to exit, ms"
}

# utime + stime of a process or thread, in clock ticks.
cpu_ticks() { sed 's/.*) //' "$1" | awk '{ print $12 + $13 }'; }

# Nanoseconds on the CPU of all of a process's threads (the scheduler's own count, far finer
# than the clock ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ total += $1 } END { printf "%.0f", total }'; }

# The program idle with the port open for IDLE_SECONDS: its CPU, each thread's and (under X)
# the X server's.
idle_cpu() {
  local label=$1 pid x_pid="" hz before after ns_before ns_after x_before=0 x_after=0 switches_before switches_after
  declare -A thread_before
  hz=$(getconf CLK_TCK)
  "$TARVIK" >/dev/null 2>&1 &
  pid=$!
  sleep 3  # past the start-up
  if [ -n "${DISPLAY:-}" ]; then x_pid=$(pgrep -P "$PPID" -x Xvfb || true); fi
  before=$(cpu_ticks "/proc/$pid/stat")
  ns_before=$(cpu_ns "$pid")
  switches_before=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/status")
  [ -n "$x_pid" ] && x_before=$(cpu_ticks "/proc/$x_pid/stat")
  for task in /proc/"$pid"/task/*; do thread_before[$task]=$(cpu_ticks "$task/stat"); done
  sleep "$IDLE_SECONDS"
  after=$(cpu_ticks "/proc/$pid/stat")
  ns_after=$(cpu_ns "$pid")
  switches_after=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/status")
  [ -n "$x_pid" ] && x_after=$(cpu_ticks "/proc/$x_pid/stat")
  awk -v l="$label" -v t=$((after - before)) -v hz="$hz" -v s="$IDLE_SECONDS" \
    -v w=$((switches_after - switches_before)) \
    'BEGIN { printf "  %s: tarvik %.3f %% of a core over %d s (%d ticks of 1/%d s); main thread %.1f wake-ups/s\n", l, 100 * t / hz / s, s, t, hz, w / s }'
  awk -v n=$((ns_after - ns_before)) -v s="$IDLE_SECONDS" \
    'BEGIN { printf "    scheduler count: %.3f %% of a core, %.0f us of CPU per 20 ms tick\n", n / s / 1e7, n / 1e3 / (s * 50) }'
  local threads=""
  for task in /proc/"$pid"/task/*; do
    local name ticks
    name=$(cat "$task/comm")
    ticks=$(($(cpu_ticks "$task/stat") - ${thread_before[$task]:-0}))
    threads+="$name=$ticks "
  done
  echo "    threads (ticks): $threads"
  if [ -n "$x_pid" ]; then
    awk -v t=$((x_after - x_before)) -v hz="$hz" -v s="$IDLE_SECONDS" \
      'BEGIN { printf "    Xvfb meanwhile: %.3f %% of a core\n", 100 * t / hz / s }'
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
# Under xvfb-run the script runs itself again for one step: "--inside STEP LABEL".
if [ "${1:-}" = "--inside" ]; then
  "$2" "$3"
  exit
fi

export RUNS=${RUNS:-10}
export IDLE_SECONDS=${IDLE_SECONDS:-60}
SHOTS=${SHOTS:-500}
MEMORY_SHOTS=${MEMORY_SHOTS:-10000}

cmake --preset release >/dev/null
cmake --build --preset release --target tarvik qm307-sim tarvik_gui_bench >/dev/null

export TARVIK="$PWD/build/release/src/tarvik"
simulator="$PWD/build/release/tools/qm307sim/qm307-sim"
gui_bench="$PWD/build/release/bench/tarvik_gui_bench"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvik-measure-XXXXXX")
export WORK="$work"
simulator_pid=
cleanup() {
  if [ -n "$simulator_pid" ]; then kill "$simulator_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Qt wants a private runtime folder; one of our own keeps its warning out of the output.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The simulated instrument, firing nothing; --keep-open keeps it alive without standard input.
link="$work/qm307"
"$simulator" --keep-open --link "$link" --quiet </dev/null >/dev/null &
simulator_pid=$!
for _ in $(seq 50); do
  [ -e "$link" ] && break
  sleep 0.1
done
[ -e "$link" ] || { echo "the simulator did not start" >&2; exit 1; }
mkdir -p "$work/config/Dorvex"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"Port Name"="%s"\r\n' \
  "$link" >"$work/config/Dorvex/Tarvik.reg"
export XDG_CONFIG_HOME="$work/config"


echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), $(uname -r)," \
  "Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?')"
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "1. Start-up ($RUNS runs each; simulator on $link)"
QT_QPA_PLATFORM=offscreen startup_runs offscreen
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$PWD/scripts/measure-gui.sh" --inside startup_runs xcb

echo "2. Idle with the port open, no shots"
QT_QPA_PLATFORM=offscreen idle_cpu offscreen
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$PWD/scripts/measure-gui.sh" --inside idle_cpu xcb

kill "$simulator_pid"
wait "$simulator_pid" 2>/dev/null || true
simulator_pid=

# The bench keeps its settings file under TMPDIR: our folder, on the same disk as the user's.
echo "3. Carriage return to shot shown, $SHOTS shots, sound off (offscreen)"
for tab in off on; do
  TMPDIR="$work" "$gui_bench" --latency "$SHOTS" --tab "$tab" 2>/dev/null | sed 's/^/  /'
done

# For comparison: the settings file on a memory file system, where the shot's flush to the disk
# costs nothing.
if [ -d /dev/shm ]; then
  echo "  tab off, settings file on /dev/shm (no disk flush):"
  TMPDIR=/dev/shm "$gui_bench" --latency "$SHOTS" --tab off 2>/dev/null |
    grep -E 'to shown|tick to' | sed 's/^/  /'
fi

echo "4. Memory over $MEMORY_SHOTS shots"
TMPDIR="$work" "$gui_bench" --memory "$MEMORY_SHOTS" 2>/dev/null | sed 's/^/  /'
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
