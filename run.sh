#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the sample installation.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target solario sample_installation documents help_file
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "The program is built in build/solario/, but there is no display to show it on." >&2
  echo "Run this command from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
exec build/solario/solario
