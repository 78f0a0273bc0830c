#!/usr/bin/env bash
# Installs the Debian packages the project needs, when they are missing.
# As root it installs them with apt-get; otherwise it names them and stops.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libgl-dev
  libsqlite3-dev libqt6sql6-sqlite libicu-dev
  fonts-ipaexfont poppler-utils qt6-translations-l10n
)
# The package check also needs the packaging tools and a display to start the program on.
if [[ "${1:-}" == package ]]; then
  packages+=(dpkg-dev lintian appstream desktop-file-utils xvfb xauth xdotool)
fi
# The fuzz targets are built with clang and its libFuzzer runtime.
if [[ "${1:-}" == fuzz ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them, then run this command again:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
