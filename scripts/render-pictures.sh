#!/usr/bin/env bash
# Renders the windows' pictures in docs/ from the real windows, on the offscreen platform with
# the DejaVu fonts, by running the window tests with TARVIK_PICTURES set.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan --target tarvik_ui_tests >/dev/null
TARVIK_PICTURES="$PWD/docs" build/asan/tests/tarvik_ui_tests \
  --gtest_filter='MainWindowUiTest.*:QtHelpViewerTest.*:ShotTableUiTest.*:HistoryUiTest.*' --gtest_brief=1
ls -l docs/*.png
