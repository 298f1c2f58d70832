#!/bin/sh
# Installs the build tree under a temporary prefix (cmake --install) and
# runs the installed programs from there (check-installed.sh): the
# installation is relocatable and complete. Under a virtual X server too
# when xvfb-run, xdotool and xprop are there.
#   tests/install/staged-install.sh BUILD_DIR LIBDIR
set -eu
build=$1 libdir=$2
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d "${TMPDIR:-/tmp}/qv-stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT INT TERM
cmake --install "$build" --prefix "$stage/usr" > "$stage/install.log" ||
  { cat "$stage/install.log" >&2; exit 1; }
desktop=""
if command -v xvfb-run > /dev/null && command -v xdotool > /dev/null && command -v xprop > /dev/null; then
  desktop=desktop
fi
sh "$here/check-installed.sh" "$stage/usr" "$libdir" $desktop
