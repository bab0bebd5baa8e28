#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every text a user or a screen reader meets is translated in every language: lupdate, run on
# the sources into scratch copies of the .ts files, must find no text that a file lacks or
# leaves unfinished, and no translated text that the sources no longer have.
#   check_translations.sh <lupdate> <translations folder> <lupdate's options and sources>...
set -uo pipefail
lupdate=$1 translations=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
for ts in "$translations"/*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    if ! "$lupdate" -locations none "$@" -ts "$copy" >"$scratch/report" 2>&1; then
        cat "$scratch/report"
        echo "FAIL: lupdate could not read the sources for $(basename "$ts")"
        failures=$((failures + 1))
        continue
    fi
    # lupdate marks a text it found but the file did not have, or had untranslated, as
    # unfinished, and one the file has but the sources lost as vanished (or obsolete).
    while IFS= read -r source; do
        echo "FAIL: $(basename "$ts"): $source"
        failures=$((failures + 1))
    done < <(awk '/<source>/ { source = $0 }
                  /<translation type="(unfinished|vanished|obsolete)"/ {
                      sub(/^ *<source>/, "", source); sub(/<\/source>$/, "", source)
                      match($0, /type="[a-z]*"/)
                      print substr($0, RSTART + 6, RLENGTH - 7) ": " source }' "$copy")
done
((failures == 0)) && echo "Every text is translated in every language."
exit $((failures > 0))
