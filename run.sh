#!/usr/bin/env bash
# Installs what is missing, builds and starts the tool.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh fonts-wqy-microhei
scripts/build.sh

if [[ -x build/apps/aisset/aisset ]]; then
  exec scripts/start-window.sh "$@"
fi
exec build/apps/aisset-cli/aisset-cli help
