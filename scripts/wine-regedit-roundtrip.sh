#!/usr/bin/env bash
# The settings file's round trip to Windows through Wine's registry editor, in a Wine prefix of
# its own: values set with reg add (texts with non-ASCII characters and the editor's escapes, a
# REG_EXPAND_SZ, a REG_MULTI_SZ, a DWORD, the key's default value, values and a subkey the
# program does not know) are exported with regedit /e (UTF-16), used on Linux as the settings
# file through the program's own settings code (the store reads them, changes one value and
# adds two), imported back with regedit /s into the emptied key and exported again. The file
# must stay UTF-16 with every line the program did not write byte for byte, and the second
# export must hold every value of the first but for the program's three.
#   scripts/wine-regedit-roundtrip.sh [path/to/tarvik_settings_tool]
set -euo pipefail
cd "$(dirname "$0")/.."

tool=$(realpath "${1:-build/asan/tests/tarvik_settings_tool}")
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
key='HKEY_CURRENT_USER\Software\Dorvex\Tarvik'
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_CONFIG_HOME="$scratch/config"
settings="$XDG_CONFIG_HOME/Dorvex/Tarvik.reg"

finish() {
  "$wineserver" -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "Registry editor round trip: $*" >&2 && exit 1; }
[ -x "$tool" ] || fail "$tool is missing"
quietly() { "$@" </dev/null >/dev/null 2>&1; }
regedit() { (cd "$scratch" && quietly "$wine" regedit "$@"); }
# The values of an export whatever their order: each on a line headed by its key, those
# continued over several lines joined, sorted.
values() {
  iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r' |
    awk '/^\[/ { key = $0; next }
         key == "" || /^$/ { next }
         { line = $0; sub(/^ +/, "", line) }
         /\\$/ { sub(/\\$/, "", line); part = part line; next }
         { print key " " part line; part = "" }' | LC_ALL=C sort
}

mkdir -p "$WINEPREFIX"
quietly "$wineserver" -p
quietly "$wine" wineboot -i

set_value() { quietly "$wine" reg add "$key" "$@" /f || fail "reg add $*"; }
set_value /v "Port Name" /d COM7
set_value /v "Sound Legal" /d 'C:\Schüsse\Jörg "laut" 🎯.wav'
set_value /v "Calibrate" /d 95
set_value /v "Big x" /t REG_DWORD /d 300
set_value /v "Path" /t REG_EXPAND_SZ \
  /d '%USERPROFILE%\Schüsse\a folder with a name long enough to go on over lines\Jörg'
set_value /v "Lanes" /t REG_MULTI_SZ /d 'eins\0zwei\0drei'
set_value /v "Not Ours" /d "Grüße \\\\ \"quoted\" \\"
set_value /ve /d 'default'
quietly "$wine" reg add "$key\\Sub" /v Inner /d inner /f || fail "reg add of the subkey"
regedit /e first.reg "$key" || fail "regedit /e failed"
[ "$(head -c 2 "$scratch/first.reg" | od -An -tx1 | tr -d ' ')" = fffe ] ||
  fail "the export is not UTF-16 with its byte-order mark"

# On Linux: the program's store reads the values as the Windows program would, then changes
# "Port Name" and adds a text and a number.
mkdir -p "$(dirname "$settings")"
cp "$scratch/first.reg" "$settings"
read=$("$tool" read-text "Port Name" read-text "Sound Legal" read-text "Calibrate" \
  read-number "Big x" read-text "Path" read-text "Lanes" read-text "Big x")
expected='COM7
C:\Schüsse\Jörg "laut" 🎯.wav
95
300
(default)
(default)
(default)'
[ "$read" = "$expected" ] || fail "the store read"$'\n'"$read"$'\n'"instead of"$'\n'"$expected"
"$tool" write-text "Port Name" COM9 write-text "Sound FAC" 'Grün 🎯.wav' \
  write-number "Graph x" -5
# The same file in UTF-16, changed in the program's three lines only (the new ones after the
# key's last value, "Sound Legal").
iconv -f UTF-16 -t UTF-8 "$scratch/first.reg" |
  sed -e 's/^"Port Name"="COM7"\r$/"Port Name"="COM9"\r/' \
    -e 's/^\("Sound Legal"=.*\r\)$/\1\n"Sound FAC"="Grün 🎯.wav"\r\n"Graph x"=dword:fffffffb\r/' |
  iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$scratch/expected.reg"
if ! cmp -s "$settings" "$scratch/expected.reg"; then
  fail "the settings file is not the export changed in the program's values only:"$'\n'"$(
    diff <(iconv -f UTF-16 -t UTF-8 "$scratch/expected.reg" | cat -A) \
      <(iconv -f UTF-16 -t UTF-8 "$settings" | cat -A))"
fi

# Back to Windows: the key emptied, the file imported and exported again.
quietly "$wine" reg delete "$key" /f || fail "reg delete failed"
cp "$settings" "$scratch/back.reg"
regedit /s back.reg || fail "regedit /s failed"
regedit /e second.reg "$key" || fail "the second regedit /e failed"
key_line="[$key]"
{
  values "$scratch/first.reg" | grep -vF "$key_line \"Port Name\"="
  printf '%s\n' "$key_line \"Port Name\"=\"COM9\"" "$key_line \"Sound FAC\"=\"Grün 🎯.wav\"" \
    "$key_line \"Graph x\"=dword:fffffffb"
} | LC_ALL=C sort >"$scratch/expected-values"
values "$scratch/second.reg" >"$scratch/values"
if ! differences=$(diff "$scratch/expected-values" "$scratch/values"); then
  fail "the values that came back differ (< expected, > came back):"$'\n'"$differences"
fi
echo "Registry editor round trip: all $(wc -l <"$scratch/values") values came back intact"
