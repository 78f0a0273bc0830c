#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# it; any report fails it, leaks included (tests/sanitizer/lsan.supp names the ones of
# system libraries to ignore, if any).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSOLARIO_SANITIZE=ON -DSOLARIO_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
