# The Windows build, sourced by tools/dev for `tools/dev windows` and `tools/dev windows-test`.
#
# A shared, minimal Qt of the host's own version is cross-built once for 64-bit Windows with
# MinGW-w64, from Debian's source package (so Debian's patches apply), into a cache outside
# the work tree that is reused while the version matches. Korvane is then cross-built against
# it and packed as an installer (NSIS) and a portable zip in build/windows.

# posix-thread MinGW for std::thread; the keyrings and gpgv check the Qt source's signature,
# dpkg-source unpacks it; Wine runs the tests and the installer.
windows_packages=(build-essential cmake ninja-build g++-mingw-w64-x86-64-posix
                  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                  debian-keyring gpgv dpkg-dev nsis zip fonts-liberation2)
windows_test_packages=("${windows_packages[@]}" wine64 wine xvfb xauth xdotool xclip
                       x11-utils imagemagick)

windows_dir=$PWD/build/windows
windows_triplet=x86_64-w64-mingw32

# Stops with one line naming the cause.
windows_fail() {
    echo "tools/dev windows: $*" >&2
    exit 1
}

# The host's Qt, whose version the cross-built one must match exactly: its moc, rcc and uic
# generate the code of both.
windows_host_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null
}

# This machine's own apt sources with deb-src in place of deb, in a private apt configuration
# under the build folder: the host's package lists and caches stay untouched, and no host name
# lives in the repository.
windows_apt_setup() {
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

windows_apt() {
    local apt=$windows_dir/apt
    apt-get -q -o Dir::Etc::SourceList="$apt/sources.list" \
        -o Dir::Etc::SourceParts="$apt/sources.list.d" -o Dir::State::Lists="$apt/lists" \
        -o Dir::Cache="$apt/cache" "$@"
}

# Fetches the Debian source of the host's Qt, checks the .dsc's signature against Debian's
# keyrings and unpacks it (dpkg-source checks the tarballs against the .dsc's checksums and
# applies Debian's patches). Prints the unpacked folder.
windows_qt_source() {
    local version=$1 source=$windows_dir/qt-source dsc keyring keyrings=()
    dsc=$source/qt6-base_${version#*:}.dsc
    windows_apt_setup "$windows_dir/apt"
    windows_apt update >"$windows_dir/apt/update.log" 2>&1 ||
        windows_fail "apt-get update of the source indices failed (see $windows_dir/apt/update.log)"
    rm -rf "$source" && mkdir -p "$source"
    (cd "$source" && windows_apt source --download-only "qt6-base=$version") \
        >"$windows_dir/apt/source.log" 2>&1 ||
        windows_fail "no Qt source for the host's version $version in the apt sources"
    for keyring in /usr/share/keyrings/debian-keyring.gpg \
        /usr/share/keyrings/debian-maintainers.gpg; do
        [ -f "$keyring" ] && keyrings+=(--keyring "$keyring")
    done
    gpgv "${keyrings[@]}" "$dsc" >"$source/gpgv.log" 2>&1 ||
        windows_fail "the signature of $(basename "$dsc") does not check out against Debian's keyring"
    dpkg-source --no-check -x "$dsc" "$source/qtbase" >"$source/dpkg-source.log" 2>&1 ||
        windows_fail "dpkg-source could not unpack $(basename "$dsc")"
    echo "$source/qtbase"
}

# What of Qt is built: Core, Gui, Widgets and Test with the Windows platform plugin and the
# offscreen one for the tests. The rest is off: the program does not use it, and each part
# adds build time and DLLs to ship.
windows_qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_fontconfig=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
    # Debian's source lacks wintab.h; without Direct2D 1.1 the platform plugin still links.
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
    # Qt's own copies, so that no third-party DLL has to ship beside it.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)

# The cross-built Qt for the host's version, built unless the cache already holds it. Prints
# its prefix.
windows_qt() {
    local version upstream prefix stamp wanted source build
    version=$(windows_host_qt_version)
    [ -n "$version" ] || windows_fail "qt6-base-dev is not installed"
    upstream=${version#*:} upstream=${upstream%%[+-]*}
    prefix=${XDG_CACHE_HOME:-$HOME/.cache}/korvane/qt-$upstream-mingw64
    stamp=$prefix/korvane-qt.stamp
    wanted=$(printf '%s\n' "qt6-base $version" "$($windows_triplet-g++-posix --version | head -1)" \
        "${windows_qt_options[@]}")
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
        echo "$prefix"
        return
    fi

    echo "== tools/dev windows: Qt $version for Windows, once, into $prefix" >&2
    source=$(windows_qt_source "$version")
    build=$windows_dir/qt-build
    rm -rf "$build" "$prefix"
    mkdir -p "$build"
    echo "== tools/dev windows: configuring Qt (log: $build/configure.log)" >&2
    nice -n 10 cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        "${windows_qt_options[@]}" >"$build/configure.log" 2>&1 ||
        { tail -20 "$build/configure.log" >&2; windows_fail "configuring Qt failed"; }
    echo "== tools/dev windows: building Qt with $jobs jobs (log: $build/build.log)" >&2
    nice -n 10 cmake --build "$build" -j "$jobs" >"$build/build.log" 2>&1 ||
        { tail -20 "$build/build.log" >&2; windows_fail "building Qt failed"; }
    cmake --install "$build" >"$build/install.log" 2>&1 ||
        { tail -20 "$build/install.log" >&2; windows_fail "installing Qt failed"; }
    echo "$wanted" >"$stamp"
    echo "$prefix"
}

# Stops before any long build when a tool is missing.
windows_check_tools() {
    command -v $windows_triplet-g++-posix >/dev/null ||
        windows_fail "no cross compiler ($windows_triplet-g++-posix, from g++-mingw-w64-x86-64-posix)"
    command -v makensis >/dev/null || windows_fail "no makensis (from nsis)"
}

windows_build() {
    local start=$SECONDS qt
    tools/install-missing "${windows_packages[@]}"
    windows_check_tools
    mkdir -p "$windows_dir"
    qt=$(windows_qt)
    echo "== tools/dev windows: Qt ready in $qt after $((SECONDS - start)) s"
}
