#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Velloran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Velloran is built (build/release/bin/velloran) but cannot start here: it is a desktop program and this" \
         "session has no graphical display. Run this command again from a desktop session." >&2
    exit 1
fi
exec build/release/bin/velloran
