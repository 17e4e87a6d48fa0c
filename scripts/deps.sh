#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config      # compiler and build tools
  qt6-base-dev                          # Qt Core, Widgets, Test
  qt6-serialport-dev                    # Qt SerialPort
  qt6-svg-dev                           # the window's drawings
  qt6-translations-l10n                 # Chinese texts of Qt's own dialogs
  qt6-tools-dev qt6-l10n-tools          # Qt Linguist: lrelease builds the translations, lupdate checks them
  libqt6sql6-sqlite                     # the history's SQLite database (Qt SQL's driver)
  fonts-wqy-microhei                    # the Chinese font the installation report embeds
  poppler-utils                         # pdftotext for the report's tests
  libgtest-dev                          # unit tests
  libqt6sql6-psql                       # Qt SQL's PostgreSQL driver: the company history
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
