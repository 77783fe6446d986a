#!/usr/bin/env bash
# Runs a command as root: as it is when already root (a fresh Debian often has no sudo), through sudo otherwise.
#   scripts/as-root.sh apt install ./build/release/velloran_*.deb
set -euo pipefail
if [ "$(id -u)" -eq 0 ]; then
    exec "$@"
elif command -v sudo >/dev/null 2>&1; then
    exec sudo "$@"
fi
echo "This needs root, and sudo is not installed: run it as root ($*)" >&2
exit 1
