#!/usr/bin/env bash
# Builds the Debian package from a Release build: build-release/solario_<version>_<arch>.deb.
# The package uses Debian's IPAex Gothic package for the print face instead of its own copy.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Linked as Debian links its own programs (relocations read-only, bound at start).
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DSOLARIO_BUNDLE_FONTS=OFF \
  -DSOLARIO_TESTS=OFF -DSOLARIO_BENCH=OFF -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build build-release -j"$(nproc)"
(cd build-release && cpack -G DEB >/dev/null)
ls build-release/solario_*.deb
