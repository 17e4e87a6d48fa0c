#!/usr/bin/env bash
# Builds the Debian package aisset_<version>_<arch>.deb from this checkout with
# debhelper (debian/), in a copy of the checkout's files under build-deb/, and
# prints the package's path as its last line (the build's output goes to
# standard error). Installs what the build needs when it is missing.
# Usage: scripts/package.sh          deb=$(scripts/package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh debhelper dpkg-dev help2man >&2

version=$(dpkg-parsechangelog -S Version)
project_version=$(sed -n 's/^project(aisset VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [[ "$version" != "$project_version" ]]; then
  echo "debian/changelog is at $version, CMakeLists.txt at $project_version: add a changelog entry" >&2
  exit 1
fi

out=$PWD/build-deb
tree=$out/aisset-$version
rm -rf "$out"
mkdir -p "$tree"
# The files a clean checkout has (with the working tree's changes), nothing
# built or ignored.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [[ -e "$f" ]] && printf '%s\0' "$f"; done |
    xargs -0 cp --parents -t "$tree"
else
  tar --exclude='./build*' -cf - . | tar -xf - -C "$tree"
fi

(
  cd "$tree"
  DEB_BUILD_OPTIONS="parallel=$(nproc) nocheck" dpkg-buildpackage -b -us -uc
) >&2

deb=$out/aisset_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[[ -f "$deb" ]] || { echo "no package at $deb" >&2; exit 1; }
echo "$deb"
