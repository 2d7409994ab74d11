#!/usr/bin/env bash
# Runs the real tarvik.exe (preset mingw, built beforehand) under Wine on a virtual X server, its
# port named by the registry key only ("Port Name"=COM5, the simulator's pseudo-terminal), waits
# until its shots reach the key ("FPS" and "PDS"), pulls the instrument out and puts another one
# back under COM5 and waits for the new instrument's shots, then closes the program with
# WM_CLOSE and expects it to end by itself with exit code 0. TARVIK_SMOKE_HOOK, when set, is run
# before the instrument is pulled out.
#   QM307_SIM=path/to/qm307-sim scripts/wine-smoke.sh
set -euo pipefail
cd "$(dirname "$0")/.."

wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
simulator=${QM307_SIM:-build/release/tools/qm307sim/qm307-sim}
program_exe="$PWD/build/mingw/src/tarvik.exe"
key='HKCU\Software\Dorvex\Tarvik'
export WINEPREFIX="$PWD/build/mingw/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8  # the English windows

scratch=$(mktemp -d)
pids=()
finish() {
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "Wine smoke test: $*" >&2 && exit 1; }
# shellcheck source=virtual-display.sh
source scripts/virtual-display.sh

start_virtual_display
"$wineserver" -k </dev/null >/dev/null 2>&1 || true
mkdir -p "$WINEPREFIX"
"$wineserver" -p </dev/null >/dev/null 2>&1
"$wine" wineboot -i </dev/null >/dev/null 2>&1
# Wine's own fonts (package fonts-wine), which this Wine does not look for where Debian puts
# them: the windows are drawn in its "MS Sans Serif", as Windows draws them.
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Wine draws the captions itself: there is no window manager.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true
"$wine" reg add "$key" /v "Port Name" /d COM5 /f >/dev/null 2>&1

# Legal shots (about 10.4 ft.lbs with the default 15 grains), one every half second.
start_instrument() {  # mean velocity
  "$simulator" --auto 0.5 --mean "$1" --spread 5 --quiet --link "$WINEPREFIX/dosdevices/com5" \
    </dev/null >/dev/null &
  instrument=$!
  pids+=("$instrument")
  wait_for 5 test -L "$WINEPREFIX/dosdevices/com5" || fail "the simulator did not start"
}
start_instrument 560

# The program alone with its two sounds, away from the build.
cp "$program_exe" "$(dirname "$program_exe")"/{Airgun,Blurp}.wav "$scratch"
(cd "$scratch" && exec "$wine" tarvik.exe) </dev/null >/dev/null 2>&1 &
program=$!
pids+=("$program")
stored() {  # name [pattern of the value]
  "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    grep -Eq "^ +$1 +REG_SZ +${2:-[0-9.]+}$"
}
wait_for 20 stored FPS || fail "no decoded shot reached \"FPS\" within 20 s"
stored PDS || fail "\"FPS\" was stored but not \"PDS\""

# Whatever else is to be done while the program shows shots (the pictures' script).
if [ -n "${TARVIK_SMOKE_HOOK:-}" ]; then $TARVIK_SMOKE_HOOK || fail "$TARVIK_SMOKE_HOOK failed"; fi

# The instrument pulled out: its device and COM5 vanish. Another comes back under COM5 later, and
# the program must read it by itself, without Set up.
kill "$instrument"
wait "$instrument" 2>/dev/null || true
sleep 2
kill -0 "$program" 2>/dev/null || fail "tarvik.exe ended when the instrument vanished"
start_instrument 800
wait_for 15 stored FPS ' *(79[5-9]|80[0-5])\.[0-9]{2}' ||
  fail "no shot of the instrument put back reached \"FPS\" within 15 s"

# Wine's taskkill without /f posts WM_CLOSE to the program's top-level windows.
"$wine" taskkill /im tarvik.exe >/dev/null 2>&1 || fail "taskkill found no tarvik.exe"
ended() { ! kill -0 "$program" 2>/dev/null; }
wait_for 5 ended || fail "tarvik.exe did not end on WM_CLOSE"
wait "$program" || fail "tarvik.exe ended with exit code $?"
echo "Wine smoke test: tarvik.exe read COM5 from the registry, stored shots, read the instrument" \
  "put back after it vanished, and closed cleanly."
