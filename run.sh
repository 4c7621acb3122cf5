#!/usr/bin/env bash
# Builds Kensa Ledger and opens the ledger window on a demo DB.mdb in demo/.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
kensa_install_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target kensa-ledger kensa

# Qt wants a private runtime folder; a fresh session may not have one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/kensa-runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

mkdir -p demo
if [ ! -f demo/DB.mdb ]; then
    build/tools/kensa demo demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available: the ledger window cannot be opened here."
    mkdir -p demo/reports
    for form in $(build/tools/kensa report --list 2>/dev/null || true); do
        build/tools/kensa report "$form" --db demo/DB.mdb --pdf "demo/reports/$form.pdf" >/dev/null \
            || echo "Form $form could not be written."
    done
    if ls demo/reports/*.pdf >/dev/null 2>&1; then
        echo "The demo year's forms were written as PDF into $(pwd)/demo/reports/:"
        ls demo/reports
    fi
    echo "The demo database is $(pwd)/demo/DB.mdb."
    exit 0
fi

cd demo
exec ../build/app/kensa-ledger
