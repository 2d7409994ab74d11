#!/usr/bin/env bash
# Installs the Debian packages Tarvik needs, only when some are missing.
#   scripts/install-deps.sh          what building and running the program needs (./run)
#   scripts/install-deps.sh --tests  that and what the tests need on top (./test), and the German
#                                    locale the locale tests run under
set -euo pipefail

# Building the program and the simulator, and running them, on a display or on a virtual X server.
run_packages=(
  cmake
  fonts-dejavu-core
  g++
  libgl-dev
  libqt6svg6
  libudev-dev
  libxcb1-dev
  make
  pkg-config
  qt6-base-dev
  qt6-multimedia-dev
  qt6-svg-dev
  xauth
  xvfb
)

# The tests on top: GoogleTest and Google Benchmark, the format check, the Windows cross-build and
# Wine with its own "MS Sans Serif" and Tahoma (fonts-wine), in which the Windows windows are
# measured and pictured, the fuzzers, the checks of the windows on a virtual X server (under openbox,
# a real window manager, where placement and captions matter) and of the Debian package.
test_packages=(
  appstream
  clang
  clang-format
  desktop-file-utils
  dpkg-dev
  fonts-wine
  g++-mingw-w64-x86-64-posix
  git
  googletest
  gzip
  libbenchmark-dev
  libclang-rt-14-dev
  libgmock-dev
  libgtest-dev
  librsvg2-bin
  locales
  netpbm
  openbox
  wine64
  x11-apps
  x11-utils
  xdotool
)

packages=("${run_packages[@]}")
tests=no
case "${1:-}" in
  --tests) tests=yes; packages+=("${test_packages[@]}") ;;
  "") ;;
  *) echo "Usage: $0 [--tests]" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing (through apt-get; this can take a few minutes): ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Number texts must not change under a German locale; the tests need that locale to exist.
if [ "$tests" = yes ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
