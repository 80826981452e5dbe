#!/usr/bin/env bash
# Packs a build folder as the Debian package and holds the package to lintian: no error, no warning.
set -euo pipefail
build=$1
parent=${OTCRAPS_TEST_TMP:-${TMPDIR:-/tmp}}
mkdir -p "$parent"
work=$(mktemp -d "$parent/package-XXXXXX")
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
packages=("$work"/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
  echo "cpack wrote no single package into $work"
  exit 1
fi
if ! verdict=$(lintian --fail-on error,warning --tag-display-limit 0 "${packages[0]}" 2>&1); then
  echo "$verdict" | grep -v 'running with root privileges'
  exit 1
fi
echo "lintian: ${packages[0]##*/} passes"
