# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser build, sourced by tools/dev for `tools/dev web` and `tools/dev web-test`.
#
# Korvane for WebAssembly needs emscripten 3.1.56 or newer, which Debian 13 has and Debian 12
# has not. Where the machine lacks it, everything is built inside a minimal Debian 13 root kept
# in the cache (made once with debootstrap, as `tools/dev test-on` makes its roots), with this
# work tree and the cache mounted at their own paths. There a minimal static Qt for WebAssembly
# is built once from Debian's own qt6-base source of the root's version, into a cache outside
# the work tree that is reused while the version, the compiler and the options match; Korvane is
# built against it, and build/web gets the page, its files and the zip a teacher puts on a web
# server. Intermediate files go to build/web-work.

web_dir=$PWD/build/web
web_work=$PWD/build/web-work
web_cache=${XDG_CACHE_HOME:-$HOME/.cache}/korvane
web_release=trixie
web_root=$web_cache/web-root-$web_release
# What the build needs where it runs. dpkg-dev, the keyrings and gpgv fetch and check Qt's
# source; the fonts and fontTools make the program's own fonts; brotli measures the sizes.
web_packages=(emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-tools-dev
              qt6-l10n-tools qt6-translations-l10n dpkg-dev debian-keyring gpgv patch
              fonts-dejavu-core fonts-liberation2 python3-fonttools brotli ca-certificates)
# Qt 6.8 wants emscripten 3.1.56; older ones (Debian 12 has 3.1.6) cannot build it.
web_emscripten_minimum=3.1.56
# What of Qt is built: Core, Gui, Widgets and Test with the WebAssembly platform, statically, for
# size. No OpenGL: the widgets draw into a 2D canvas and need no WebGL (data/web/ has the patch
# that lets the platform plugin build so).
web_qt_variant=raster
web_qt_options=(
    -release -static -optimize-size -nomake examples -nomake tests -no-opengl
    -no-feature-network -no-feature-sql -no-feature-dbus -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml
)
# Applied in this order to Debian's source: see each file's head.
web_qt_patches=(data/web/qt-wasm-no-opengl.patch data/web/qt-wasm-fonts.patch
                data/web/qt-wasm-accessibility.patch data/web/qt-wasm-offscreen.patch
                data/web/qt-wasm-canvas-updates.patch)

. tools/qt-source.bash
qt_source_caller="tools/dev web"

# Whether a Debian version of emscripten is recent enough.
web_emscripten_recent() {
    [ -n "$1" ] && dpkg --compare-versions "${1%%[+~-]*}" ge "$web_emscripten_minimum"
}

# Whether the build runs on this machine itself: where apt offers a recent enough emscripten.
web_on_host() {
    local candidate
    candidate=$(apt-cache policy emscripten 2>/dev/null | sed -n 's/^ *Candidate: //p')
    web_emscripten_recent "$candidate"
}

# The Debian 13 root, made once; packages added to it when the list grows.
web_root_ready() {
    local stamp=$web_root/korvane-web-root.stamp mirror
    if [ ! -f "$stamp" ]; then
        mirror=$(debian_mirror "$web_release")
        [ -n "$mirror" ] || qt_source_fail "no Debian mirror in the apt sources"
        tools/install-missing debootstrap
        echo "== tools/dev web: a Debian 13 root for the build, once, in $web_root"
        web_unmount
        rm -rf --one-file-system "$web_root"
        mkdir -p "$web_cache"
        debootstrap --variant=minbase "$web_release" "$web_root" "$mirror" \
            >"$web_root.debootstrap.log" 2>&1 ||
            { tail -5 "$web_root.debootstrap.log" >&2; qt_source_fail "debootstrap failed"; }
        # The release's updates too, from the same mirror.
        echo "deb $mirror $web_release-updates main" >>"$web_root/etc/apt/sources.list"
        : >"$stamp"
    fi
    cp /etc/resolv.conf "$web_root/etc/resolv.conf"
    web_mount
    if [ "$(cat "$stamp")" != "${web_packages[*]}" ]; then
        echo "== tools/dev web: installing the build's packages in the root (log: $web_root.apt.log)"
        web_in "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            --no-install-recommends ${web_packages[*]}" >"$web_root.apt.log" 2>&1 ||
            { tail -5 "$web_root.apt.log" >&2; qt_source_fail "the root's packages did not install"; }
        echo "${web_packages[*]}" >"$stamp"
    fi
}

# The kernel's file systems, this work tree and the cache mounted in the root, at their own
# paths, until the script ends.
web_mount() {
    local path
    # Taken down at the end even when an earlier run, broken off, left them mounted.
    trap web_unmount EXIT
    mountpoint -q "$web_root/proc" && return
    mount -t proc proc "$web_root/proc"
    mount -t sysfs sysfs "$web_root/sys"
    mount --bind /dev "$web_root/dev"
    mount --bind /dev/pts "$web_root/dev/pts"
    for path in "$PWD" "$web_cache"; do
        mkdir -p "$web_root$path"
        mount --bind "$path" "$web_root$path"
    done
}

web_unmount() {
    [ -d "$web_root" ] || return 0
    # Only what lies under this root: another root may hold one of the same name deeper down.
    findmnt -rn -o TARGET | awk -v root="$web_root/" 'index($0, root) == 1' | sort -r |
        xargs -r umount -l
}

# web_in SCRIPT: the script run by bash in this work tree where the build runs: in the root,
# as root with a clean environment, or on this machine.
web_in() {
    if [ "$web_host" = yes ]; then
        bash -c "set -euo pipefail; $1"
    else
        env -i HOME="$HOME" TERM="${TERM:-dumb}" XDG_CACHE_HOME="${web_cache%/*}" LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            chroot "$web_root" /bin/bash -c "set -euo pipefail; cd '$PWD'; $1"
    fi
}

# Where the build runs, made ready: this machine with emscripten installed, or the root. Stops
# with one line when no recent emscripten can be had.
web_environment() {
    local found
    if web_on_host; then
        web_host=yes
        tools/install-missing "${web_packages[@]}"
    else
        web_host=no
        [ "$(id -u)" -eq 0 ] || exec sudo "$PWD/tools/dev" "$web_command"
        # Two runs share the root: the second waits for the first.
        exec {web_lock}>>"$web_root.lock"
        flock "$web_lock"
        web_root_ready
    fi
    found=$(web_in 'dpkg-query -W -f="\${Version}" emscripten 2>/dev/null || true')
    web_emscripten_recent "$found" ||
        qt_source_fail "no emscripten $web_emscripten_minimum or newer (Debian 13's package emscripten; found: ${found:-none})"
}

# The Qt for WebAssembly in the cache, built unless it is there for this Qt version, compiler
# and options. Prints its prefix.
web_qt() {
    local version upstream prefix stamp wanted
    version=$(web_in 'dpkg-query -W -f="\${Version}" qt6-base-dev 2>/dev/null || true')
    [ -n "$version" ] || qt_source_fail "qt6-base-dev is not installed where the build runs"
    upstream=${version#*:} upstream=${upstream%%[+-]*}
    prefix=$web_cache/qt-$upstream-wasm-$web_qt_variant
    stamp=$prefix/korvane-qt.stamp
    wanted=$(printf '%s\n' "qt6-base $version" "$(web_in 'emcc --version | head -1')" \
        "${web_qt_options[@]}" "$(cat "${web_qt_patches[@]}" | sha256sum)")
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
        echo "$prefix"
        return
    fi
    echo "== tools/dev web: Qt $version for WebAssembly, once, into $prefix" >&2
    web_in "jobs=$jobs; . tools/web.bash; web_qt_build '$version' '$prefix'" >&2 || exit 1
    echo "$wanted" >"$stamp"
    echo "$prefix"
}

# Runs where the build runs. Debian's source is fetched when the version is new; our patches
# are applied to it, replacing those of an earlier run, so that a change to them rebuilds only
# the files they touch; configure runs again only when its options change.
web_qt_build() {
    local version=$1 prefix=$2 source build=$web_work/qt-build applied configured
    source=$web_work/qt-source/qtbase
    applied=$source/korvane-applied.patch
    configured=$build/korvane-configured
    mkdir -p "$web_work"
    if [ "$(cat "$source/korvane-version" 2>/dev/null)" != "$version" ]; then
        source=$(qt_source "$version" "$web_work") || exit 1
        echo "$version" >"$source/korvane-version"
        rm -rf "$build"
    fi
    if ! cmp -s "$applied" <(cat "${web_qt_patches[@]}"); then
        if [ -f "$applied" ]; then
            patch -d "$source" -R -p1 -s <"$applied" || qt_source_fail "could not take back $applied"
        fi
        rm -f "$applied"
        cat "${web_qt_patches[@]}" | patch -d "$source" -p1 -s ||
            qt_source_fail "the patches in data/web do not apply to Qt $version"
        cat "${web_qt_patches[@]}" >"$applied"
    fi
    # Qt's configure refuses the WebAssembly platform without EMSDK; Debian keeps emscripten
    # there.
    export EMSDK=/usr/share/emscripten
    if [ "$(cat "$configured" 2>/dev/null)" != "$prefix ${web_qt_options[*]}" ]; then
        rm -rf "$build" && mkdir -p "$build"
        echo "== tools/dev web: configuring Qt (log: $build/configure.log)"
        (cd "$build" && nice -n 10 "$source/configure" -platform wasm-emscripten \
            -prefix "$prefix" -qt-host-path /usr "${web_qt_options[@]}" -- -G Ninja \
            -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake") \
            >"$build/configure.log" 2>&1 ||
            { tail -20 "$build/configure.log"; qt_source_fail "configuring Qt failed"; }
        echo "$prefix ${web_qt_options[*]}" >"$configured"
    fi
    echo "== tools/dev web: building Qt with $jobs jobs (log: $build/build.log)"
    nice -n 10 cmake --build "$build" -j "$jobs" >"$build/build.log" 2>&1 ||
        { tail -20 "$build/build.log"; qt_source_fail "building Qt failed"; }
    rm -rf "$prefix"
    cmake --install "$build" >"$build/install.log" 2>&1 ||
        { tail -20 "$build/install.log"; qt_source_fail "installing Qt failed"; }
}

# Korvane configured in the folder given against the Qt given, where the build runs; the rest are
# CMake options. Debian's Qt leaves its platform plugins out of a static program unless asked.
web_configure() {
    local build=$1 qt=$2
    shift 2
    mkdir -p "$(dirname "$build")"
    web_in "EMSDK=/usr/share/emscripten '$qt/bin/qt-cmake' -S . -B '$build' -G Ninja \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/\$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)/cmake \
        -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DKORVANE_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON $*" >"$build.configure.log" 2>&1 ||
        { tail -20 "$build.configure.log" >&2; qt_source_fail "configuring the WebAssembly build failed"; }
}

# The page's folder: the page, the program (.js and .wasm), Qt's loader, the service worker and
# the manifest with the icon, a README, the licences and the lesson documents.
web_stage() {
    local build=$1 stage=$2 version=$3 qt_version=$4 file files=() checksum language
    rm -rf "$stage" && mkdir -p "$stage"
    cp "$build/app/korvane.js" "$build/app/korvane.wasm" "$build/app/qtloader.js" "$stage/"
    cp data/web/manifest.webmanifest "$stage/"
    cp data/icons/*.svg "$stage/korvane.svg"
    cp data/icons/hicolor/256x256/apps/*.png "$stage/korvane-256.png"
    sed -e "s/@VERSION@/$version/" -e "s/@WASM_BYTES@/$(stat -c %s "$stage/korvane.wasm")/" \
        data/web/index.html >"$stage/index.html"
    cp /usr/share/common-licenses/GPL-3 "$stage/COPYING.txt"
    # The lesson documents as PDF (tools/dev docs), as the Windows zip has them: for the teacher
    # to print or hand out, not among what the page loads or keeps offline.
    for language in build/docs/*/; do
        language=$(basename "$language")
        compgen -G "build/docs/$language/*.pdf" >/dev/null ||
            qt_source_fail "no lesson documents as PDF in build/docs/$language"
        mkdir -p "$stage/docs/$language"
        cp build/docs/"$language"/*.pdf "$stage/docs/$language/"
    done
    web_readme "$version" "$qt_version" >"$stage/README.txt"
    for file in index.html korvane.js korvane.wasm qtloader.js manifest.webmanifest korvane.svg \
        korvane-256.png; do
        files+=("'$file'")
    done
    checksum=$(cd "$stage" && cat index.html korvane.js korvane.wasm qtloader.js | sha256sum | cut -c1-16)
    sed -e "s/@VERSION@/$version/" -e "s/@CHECKSUM@/$checksum/" \
        -e "s|@FILES@|'./', $(IFS=,; echo "${files[*]}" | sed 's/,/, /g')|" data/web/sw.js >"$stage/sw.js"
}

web_readme() {
    cat <<TEXT
Korvane $1 for the browser

Korvane is a teaching program for school physics: it simulates the oil-drop measurement of
the elementary charge. This folder is the whole program as a web page.

On a web server: copy the folder to any static web server (no scripts run there) and open
its address. Over https:// the page works offline after its first visit, and the picture can
be copied to the clipboard; over plain http:// both work only on the machine itself.

On one computer, without a server: browsers do not run a program opened from the disk as a
file. In this folder, start a small local server, for instance Python's:

    python3 -m http.server 8000

and open http://localhost:8000/ in the browser.

The teacher's guide, the students' worksheet and the guide for blind students are in docs,
as PDF, in English (en, with Letter-size copies), German (de), Spanish (es), French (fr) and
Brazilian Portuguese (pt_BR).

Korvane is free software under the GNU General Public License, version 3 or later
(COPYING.txt). It includes Qt $2 for WebAssembly (GPL-3.0), built from Debian's qt6-base
source package of that version with the changes in Korvane's data/web/*.patch, and the
fonts DejaVu Sans (Bitstream Vera licence) and Liberation Sans (SIL Open Font License 1.1),
cut to the characters the program shows.
TEXT
}

# Transferred sizes of what the page loads: raw, gzip and brotli, as a web server would send it.
web_sizes() {
    local stage=$1
    web_in "cd '$stage' && for file in index.html qtloader.js korvane.js korvane.wasm sw.js; do
        printf '%-14s %9d %9d %9d\n' \$file \$(stat -c %s \$file) \$(gzip -9 -c \$file | wc -c) \
            \$(brotli -q 11 -c \$file | wc -c)
    done | awk '{ print; r += \$2; g += \$3; b += \$4 }
        END { printf \"%-14s %9d %9d %9d\n\", \"together\", r, g, b }'"
}

web_build() {
    local start=$SECONDS qt build=$web_work/korvane version qt_version stage zip
    web_environment
    qt=$(web_qt) || exit 1
    echo "== tools/dev web: Qt ready in $qt after $((SECONDS - start)) s"
    # The lesson documents, built on this machine as tools/dev docs builds them.
    tools/dev docs
    web_configure "$build" "$qt"
    web_in "nice -n 10 cmake --build '$build' --target korvane -j $jobs" ||
        qt_source_fail "building Korvane for WebAssembly failed"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    qt_version=$(web_in 'dpkg-query -W -f="\${Version}" qt6-base-dev')
    stage=$web_work/stage/korvane-$version-web
    web_stage "$build" "$stage" "$version" "$qt_version"
    rm -rf "$web_dir" && mkdir -p "$web_dir"
    zip=$web_dir/korvane-$version-web.zip
    # Zipped where the build runs: a Debian 12 machine may have no cmake of its own.
    web_in "cd '$(dirname "$stage")' && cmake -E tar cf '$zip' --format=zip '$(basename "$stage")'"
    cp -a "$stage/." "$web_dir/"
    echo "== tools/dev web: done after $((SECONDS - start)) s; sizes in bytes (raw, gzip, brotli):"
    web_sizes "$web_dir"
    ls -l "$zip"
}

# The Qt Test suites a WebAssembly build runs under node: the model's and the sound's, which need
# no platform, and those that draw widgets, on Qt's offscreen platform built for WebAssembly
# with the fonts the program brings. The last five wait inside a test function for a timer or a
# dialog's exec(): they alone are linked with asyncify (tests/CMakeLists.txt).
web_suites=(test_drops test_motion test_step test_allocations test_charge_estimate test_long_run
            test_sound test_centring test_renderer test_zoom_box test_main_window_layout
            test_accessibility test_desktop_identity test_control_panel test_dialogs
            test_handler_guard test_keyboard_route test_event_storm)

# The suites built and run under node (tests/run_in_node.js), by CTest where the build runs. A
# suite that does not build is reported, and the others run all the same.
web_test_suites() {
    local qt=$1 build=$web_work/tests suite built=() unbuilt=() pattern status=0
    web_configure "$build" "$qt" -DBUILD_TESTING=ON
    web_in "nice -n 10 cmake --build '$build' --target ${web_suites[*]} -j $jobs -- -k 0" \
        >"$web_work/suites-build.log" 2>&1 || true
    for suite in "${web_suites[@]}"; do
        if [ -f "$build/tests/$suite.wasm" ]; then
            built+=("$suite")
        else
            unbuilt+=("$suite")
            echo "  not built: $suite: $(grep -m1 -o "tests/$suite.cpp:[0-9:]* error: .*" \
                "$web_work/suites-build.log" || echo "see $web_work/suites-build.log")" |
                cut -c1-200
        fi
    done
    ((${#built[@]})) || qt_source_fail "no suite built for WebAssembly (see $web_work/suites-build.log)"
    pattern="^($(IFS='|'; echo "${built[*]}"))\$"
    # The German locale of the estimate's test is made by localedef, which the browser's C
    # library does not read: the test runs without it.
    web_in "cd '$build' && ctest -R '$pattern' -FS german_locale --output-on-failure \
        --output-junit '$web_work/suites.xml'" | tee "$web_work/suites-run.log" | grep -v '^      Start' ||
        status=1
    echo "== tools/dev web-test: of ${#web_suites[@]} suites, ${#built[@]} built and" \
        "$(grep -c ' Passed ' "$web_work/suites-run.log" || true) passed under node"
    ((${#unbuilt[@]} == 0)) || status=1
    return "$status"
}

# The native program's screenshot on a virtual 1024 x 768 display without a window manager,
# once the About box has closed itself, for the layout's comparison.
web_linux_reference() {
    local shot=$1 xvfb display program=build/release/app/korvane _
    tools/install-missing "${run_packages[@]}" xvfb xauth xdotool x11-apps imagemagick >&2
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
    nice -n 10 cmake --build build/release --target korvane -j "$jobs" >/dev/null
    exec {xvfb}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
    web_xvfb=$!
    read -r -t 10 display <&"$xvfb" || qt_source_fail "Xvfb did not start"
    DISPLAY=:$display "$program" >/dev/null 2>&1 &
    web_program=$!
    for _ in $(seq 200); do
        DISPLAY=:$display xdotool search --onlyvisible --name '^Korvane$' >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 6
    DISPLAY=:$display import -window root "$shot"
    kill "$web_program" "$web_xvfb" 2>/dev/null || true
    wait "$web_program" 2>/dev/null || true
    exec {xvfb}<&-
}

web_test() {
    local start=$SECONDS qt status=0 shots=$web_work/shots bare=$web_work/bare
    web_environment
    qt=$(web_qt) || exit 1
    [ -f "$web_dir/index.html" ] || qt_source_fail "no page in $web_dir: run tools/dev web first"
    echo "== tools/dev web-test: the suites under node"
    web_test_suites "$qt" || status=1

    echo "== tools/dev web-test: the bare Qt window, built the same way"
    web_in "nice -n 10 cmake --build '$web_work/korvane' --target web_bare_window -j $jobs" \
        >/dev/null || qt_source_fail "building the bare window failed"
    rm -rf "$bare" && mkdir -p "$bare"
    find "$web_dir" -maxdepth 1 -type f -exec cp -t "$bare" {} +
    cp "$web_work/korvane/bench/korvane.js" "$web_work/korvane/bench/korvane.wasm" "$bare/"
    sed -i "s/wasmBytes: [0-9]*/wasmBytes: $(stat -c %s "$bare/korvane.wasm")/" "$bare/index.html"
    web_sizes "$bare"

    echo "== tools/dev web-test: the Linux program's screenshot"
    rm -rf "$shots" && mkdir -p "$shots"
    web_linux_reference "$shots/linux.png"
    tools/install-missing chromium python3
    tools/web-check --reference "$shots/linux.png" --shots "$shots" --bare "$bare" "$web_dir" ||
        status=1
    echo "== tools/dev web-test: done after $((SECONDS - start)) s"
    return "$status"
}
