# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian's own Qt source, for the builds that make a Qt of their own (tools/windows,
# tools/web.bash): fetched through a private apt configuration, its signature checked against
# Debian's keyrings, and unpacked with Debian's patches applied. Sourced; the caller names
# itself in qt_source_caller ("tools/dev windows") for the messages.

# Stops with one line naming the cause.
qt_source_fail() {
    echo "$qt_source_caller: $*" >&2
    exit 1
}

# This machine's own apt sources with deb-src in place of deb, in a private apt configuration
# in the folder given: the machine's package lists and caches stay untouched, and no host name
# lives in the repository.
qt_source_apt_setup() {
    local apt=$1 file
    rm -rf "$apt/sources.list.d"
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial"
    : >"$apt/sources.list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && sed -n 's/^[ \t]*deb[ \t]/deb-src /p' "$file" >>"$apt/sources.list"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        sed 's/^\([Tt]ypes:\).*/\1 deb-src/' "$file" >"$apt/sources.list.d/${file##*/}"
    done
}

# qt_source_apt APT ARGUMENTS...: apt-get with the private configuration in APT.
qt_source_apt() {
    local apt=$1
    shift
    apt-get -q -o Dir::Etc::SourceList="$apt/sources.list" \
        -o Dir::Etc::SourceParts="$apt/sources.list.d" -o Dir::State::Lists="$apt/lists" \
        -o Dir::Cache="$apt/cache" "$@"
}

# qt_source VERSION FOLDER: fetches the Debian source qt6-base=VERSION into FOLDER (apt's files
# in FOLDER/apt), checks the .dsc's signature against Debian's keyrings and unpacks it
# (dpkg-source checks the tarballs against the .dsc's checksums and applies Debian's patches).
# Prints the unpacked folder.
qt_source() {
    local version=$1 folder apt source dsc keyring keyrings=()
    folder=$(realpath -m "$2") apt=$folder/apt source=$folder/qt-source
    dsc=$source/qt6-base_${version#*:}.dsc
    qt_source_apt_setup "$apt"
    grep -qs . "$apt/sources.list" "$apt"/sources.list.d/* ||
        qt_source_fail "no apt sources to fetch Qt's source from"
    qt_source_apt "$apt" update >"$apt/update.log" 2>&1 ||
        qt_source_fail "apt-get update of the source indices failed (see $apt/update.log)"
    rm -rf "$source" && mkdir -p "$source"
    (cd "$source" && qt_source_apt "$apt" source --download-only "qt6-base=$version") \
        >"$apt/source.log" 2>&1 ||
        qt_source_fail "no Qt source qt6-base $version in the apt sources (see $apt/source.log)"
    for keyring in /usr/share/keyrings/debian-keyring.gpg \
        /usr/share/keyrings/debian-maintainers.gpg; do
        [ -f "$keyring" ] && keyrings+=(--keyring "$keyring")
    done
    # A key the installed keyring does not hold yet (a security upload newer than the keyring
    # package) leaves the source authenticated as apt fetched it: by its checksums in the
    # archive's signed source index. Any other failure of the signature stops the build.
    if gpgv "${keyrings[@]}" "$dsc" >"$source/gpgv.log" 2>&1; then
        echo "== $qt_source_caller: $(basename "$dsc") signed by a key in Debian's keyring" >&2
    elif grep -q 'No public key' "$source/gpgv.log" &&
        ! grep -q 'BAD signature' "$source/gpgv.log"; then
        echo "== $qt_source_caller: $(basename "$dsc") signed by a key Debian's keyring here" \
            "lacks ($(grep -o 'using .*' "$source/gpgv.log" | head -1)); taken as apt" \
            "authenticated it" >&2
    else
        qt_source_fail "the signature of $(basename "$dsc") does not check out against Debian's keyring"
    fi
    dpkg-source --no-check -x "$dsc" "$source/qtbase" >"$source/dpkg-source.log" 2>&1 ||
        qt_source_fail "dpkg-source could not unpack $(basename "$dsc")"
    echo "$source/qtbase"
}
