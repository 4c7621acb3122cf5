#!/usr/bin/env bash
# Builds Kensa Ledger and runs the whole test suite, without a display.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
kensa_install_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR" 2>/dev/null || true
cd build
ctest --output-on-failure --timeout 600
