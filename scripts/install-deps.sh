#!/usr/bin/env bash
# Installs the Debian packages Velloran needs to build and run, and only those that are missing.
# The translations are built with Qt's translation tools (qt6-l10n-tools, and qt6-tools-dev for their CMake
# functions); Qt's own translations (qt6-translations-l10n) put its file, print and colour dialogs in the user's
# language at run time.
# With --for-tests also the tools the tests read saved and printed record sheets back with (unrtf, pdftotext),
# the second reader of exported calendar files (Python's icalendar), the validators of the installed desktop entry
# and metainfo (desktop-file-utils, appstream), clang-format, which a test runs to check the committed layout, and
# clang-tidy, which a test runs over the program's sources, and PostgreSQL, whose throwaway server the tests of the
# shared database start, with openssl for its certificate and python3 for the proxy that puts a network's faults
# between it and the program (and for the house rule over arg()); the program itself never needs them.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    file dpkg-dev
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libgl-dev
    libqt6sql6-psql libpq-dev qtkeychain-qt6-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-dejavu-core
    libnova-dev liberfa-dev libical-dev
)
if [ "${1:-}" = "--for-tests" ]; then
    packages+=(unrtf poppler-utils python3-icalendar desktop-file-utils appstream clang-format clang-tidy strace
              postgresql postgresql-contrib openssl python3)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
