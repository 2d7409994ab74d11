#!/usr/bin/env bash
# Renders the Windows program's pictures in docs/ (windows-*.png) from the real tarvik.exe under
# Wine on a virtual X server, with the simulator firing shots: the Wine smoke test runs this
# script again with --snap while the program shows its shots.
set -euo pipefail
cd "$(dirname "$0")/.."

snap() { xwd -silent -id "$1" | xwdtopnm 2>/dev/null | pnmtopng >"docs/$2.png"; }
if [ "${1:-}" = --snap ]; then
  main=$(xdotool search --onlyvisible --name '^Dorvex qm-307 Chronoscope$')
  sleep 4  # a few more shots in the averages
  snap "$main" windows-main-window
  xdotool mousemove --window "$main" 40 40 key alt+s  # "Set up"
  sleep 1
  snap "$(xdotool search --onlyvisible --name '^Configuration$')" windows-configuration
  xdotool key Escape
  sleep 0.5
  xdotool mousemove --window "$main" 40 40 key alt+b  # "Big"
  sleep 1.5
  # The big display is the program's only visible window without a caption; a window that went
  # away since the search (the sheet's last parts) has no name to read and is passed over.
  for window in $(xdotool search --onlyvisible --classname tarvik.exe); do
    name=$(xdotool getwindowname "$window" 2>/dev/null) || continue
    if [ -z "$name" ]; then snap "$window" windows-big-display; fi
  done
  xdotool mousemove --window "$main" 40 40 key alt+o s  # "Shots" > "Shot table on/off"
  sleep 1.5
  # The newest shot left out and let go of (the list has the focus), a few more shots below it.
  xdotool key End Delete ctrl+space
  sleep 2
  snap "$(xdotool search --onlyvisible --name '^Shot table$')" windows-shot-table
  # Escape closes it again: the program goes on with the windows it had.
  xdotool key Escape
  exit 0
fi

scripts/install-deps.sh --tests
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tarvik >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target qm307-sim >/dev/null
TARVIK_SMOKE_HOOK="$PWD/scripts/render-windows-pictures.sh --snap" scripts/wine-smoke.sh
ls -l docs/windows-*.png
