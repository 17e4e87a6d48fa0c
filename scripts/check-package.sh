#!/usr/bin/env bash
# Checks a package built by scripts/package.sh as a Debian user would meet it:
# lintian without errors or warnings, the desktop entries and the AppStream
# metainfo valid, then installs it (dpkg -i), runs the command-line tool from
# /usr/bin against a temporary store, purges it and checks that every file it
# installed is gone. Runs as root; the package must not be installed already.
# Usage: scripts/check-package.sh build-deb/aisset_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/.."
scripts/deps.sh lintian appstream desktop-file-utils

if dpkg -s aisset >/dev/null 2>&1; then
  echo "aisset is installed already: remove it first (dpkg --purge aisset)" >&2
  exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; dpkg --purge aisset >/dev/null 2>&1 || true' EXIT

echo "-- lintian (informational tags are listed, not counted)"
lintian --fail-on error,warning --display-info "$deb"

echo "-- desktop entries and AppStream metainfo as packaged"
dpkg-deb -x "$deb" "$scratch/root"
desktop-file-validate "$scratch"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net --strict "$scratch"/root/usr/share/metainfo/*.metainfo.xml

echo "-- install, run from /usr/bin, purge"
dpkg -i "$deb"
/usr/bin/aisset-cli --version
sentence=$(echo '{"mmsi":"412345678","shipName":"HAI XING 7","shipType":"70","draught":"8.5"}' |
  /usr/bin/aisset-cli --store "$scratch/store" encode ownship)
echo "$sentence"
[[ "$sentence" == '$CVUIS,'* ]] || { echo "encode ownship printed no sentence" >&2; exit 1; }
/usr/bin/aisset-cli --store "$scratch/store" records | grep -qx 412345678 ||
  { echo "encode ownship saved nothing in the store" >&2; exit 1; }

dpkg -L aisset >"$scratch/installed"
dpkg --purge aisset
left=()
while IFS= read -r path; do
  # Folders the system shares with other packages (/usr/bin, ...) stay.
  [[ -e "$path" && ! -d "$path" ]] && left+=("$path")
done <"$scratch/installed"
if ((${#left[@]})); then
  printf 'left behind after the purge: %s\n' "${left[@]}" >&2
  exit 1
fi
echo "package checked: $(basename "$deb")"
