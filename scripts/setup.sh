#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the game needs.
# Does nothing when all of them are present; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file hyperfine groff-base
  libxcb1-dev libsm-dev valgrind
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  lintian devscripts diffoscope-minimal
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1; then
  run=(sudo)
else
  echo "Cannot install packages without root rights. Run as root:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${run[@]}" apt-get update -q || ! "${run[@]}" apt-get install -y -q "${missing[@]}"; then
  echo "Package installation failed. Run by hand:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
