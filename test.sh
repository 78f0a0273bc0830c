#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DSOLARIO_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure
