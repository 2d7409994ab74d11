#!/usr/bin/env bash
# Renders the Windows program's pictures in docs/ (windows-*.png) from the real tarvik.exe under
# Wine on a virtual X server, with the simulator firing shots, through the Wine smoke test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tarvik >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target qm307-sim >/dev/null
scripts/wine-smoke.sh --pictures docs
ls -l docs/windows-*.png
