#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tarvik needs, only when some are missing,
# and generates the German locale that the locale tests run under.
set -euo pipefail

packages=(git cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libudev-dev
  clang-format locales g++-mingw-w64-x86-64-posix googletest wine64 clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev xvfb xauth fonts-dejavu-core desktop-file-utils
  xdotool x11-apps netpbm dpkg-dev librsvg2-bin appstream gzip openbox x11-utils libxcb1-dev)

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
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Number texts must not change under a German locale; the tests need that locale to exist.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
