#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks what the desktop gets there: the executable,
# the desktop entry, the metainfo and the icon at each size, all named after the one app id and
# nothing else; the entry starts the installed executable and shows the installed icon; the
# metainfo's newest release is the project's version. The two validators run when installed.
#   check_install.sh <build dir> <app id> <version> <the source's icons/hicolor>
set -uo pipefail
build=$1 id=$2 version=$3 icons=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
# The sizes tools/render-icons drew, a folder each ("48x48").
mapfile -t sizes < <(cd "$icons" && ls -d *x* | cut -dx -f1 | sort -n)
((${#sizes[@]})) || fail "no icon sizes under $icons"
expected=(bin/korvane "$desktop" "$metainfo" "share/icons/hicolor/scalable/apps/$id.svg")
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/korvane" ] || fail "bin/korvane is not executable"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ: $(comm -3 <(echo "$wanted") <(echo "$installed") | xargs)"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$size px icon is $width x $height"
done

if [ -f "$prefix/$desktop" ]; then
    command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/$desktop")
    [ -n "$command" ] && [ -x "$prefix/bin/$command" ] || fail "Exec=$command is not the installed executable"
    icon=$(sed -n 's/^Icon=//p' "$prefix/$desktop")
    [ "$icon" = "$id" ] || fail "Icon=$icon, not $id"
fi
if [ -f "$prefix/$metainfo" ]; then
    grep -q "<id>$id</id>" "$prefix/$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    newest=$(grep -o '<release version="[^"]*"' "$prefix/$metainfo" | head -1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "newest release is $newest, the project is $version"
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate is not installed; not run"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/$metainfo" || fail "appstreamcli validate"
else
    echo "appstreamcli is not installed; not run"
fi

((failures == 0)) || exit 1
echo "install under a prefix: all checks passed"
