#!/bin/sh
# Formats each manual page with groff's warnings on (as man --warnings
# does); any warning fails. Each page must have the sections a user looks
# for.
#   tests/install/check-man-pages.sh PAGE...
set -eu
status=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings" >&2
    status=1
  fi
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES "EXIT STATUS" EXAMPLES; do
    grep -q "^\.SH \"*$section\"*\$" "$page" || { echo "$page: no section $section" >&2; status=1; }
  done
done
exit $status
