#!/bin/sh
# Checks the desktop entries and the AppStream metadata with the desktop's
# own validators, and that what they name exists in the build tree: the
# programs, the icons and the screenshots in docs/images/.
#   tests/install/check-desktop-files.sh BUILD_DIR SOURCE_DIR METAINFO DESKTOP_FILE...
set -eu
build=$1 source=$2 metainfo=$3
shift 3
status=0
fail() {
  echo "check-desktop-files: $*" >&2
  status=1
}

for entry in "$@"; do
  # Hints (such as two main categories) are advice, not faults.
  if ! report=$(desktop-file-validate "$entry" 2>&1); then
    fail "$report"
  elif echo "$report" | grep -q 'error:\|warning:'; then
    fail "$report"
  elif [ -n "$report" ]; then
    echo "$report"
  fi
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$build/bin/$program" ] || fail "$entry: Exec names $program, which is not built"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  for file in "scalable/apps/$icon.svg" "48x48/apps/$icon.png" "256x256/apps/$icon.png"; do
    [ -f "$build/share/icons/hicolor/$file" ] || fail "$entry: no icon $file"
  done
done

appstreamcli validate --no-net "$metainfo" || fail "$metainfo does not validate"
for shot in $(sed -n 's|.*<image>.*/screenshots/\(.*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "$source/docs/images/$shot" ] || fail "screenshot $shot is not in docs/images/"
done
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
found=no
for entry in "$@"; do
  [ "$(basename "$entry")" = "$launchable" ] && found=yes
done
[ "$found" = yes ] || fail "the metadata launches $launchable, which is no desktop entry"
exit $status
