# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

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
                  debian-keyring gpgv dpkg-dev nsis imagemagick)
windows_test_packages=("${windows_packages[@]}" fonts-liberation2 fonts-dejavu-core wine64 wine xvfb xauth xdotool xclip
                       x11-utils imagemagick fonts-wine python3-fonttools)

windows_dir=$PWD/build/windows
windows_triplet=x86_64-w64-mingw32
. tools/qt-source.bash
qt_source_caller="tools/dev windows"

# The host's Qt, whose version the cross-built one must match exactly: its moc, rcc and uic
# generate the code of both. The machine's own architecture's package: with another
# architecture's Qt installed beside it, dpkg-query would print both versions.
windows_host_qt_version() {
    dpkg-query -W -f='${Version}' "qt6-base-dev:$(dpkg --print-architecture)" 2>/dev/null
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
    [ -n "$version" ] || qt_source_fail "qt6-base-dev is not installed"
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
    build=$windows_dir/qt-build
    rm -rf "$prefix"
    # An hour's build broken off (a closed session, a full disk) goes on where it stopped when it
    # was configured for the same Qt and options.
    if [ -f "$build/korvane-qt.wanted" ] && [ "$(cat "$build/korvane-qt.wanted")" = "$wanted" ]; then
        echo "== tools/dev windows: going on with the Qt build in $build" >&2
    else
        # A failure inside $( ) ends only the subshell: stop here too.
        source=$(qt_source "$version" "$windows_dir") || exit 1
        rm -rf "$build"
        mkdir -p "$build"
        echo "== tools/dev windows: configuring Qt (log: $build/configure.log)" >&2
        nice -n 10 cmake -S "$source" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
            -DCMAKE_INSTALL_PREFIX="$prefix" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
            "${windows_qt_options[@]}" >"$build/configure.log" 2>&1 ||
            { tail -20 "$build/configure.log" >&2; qt_source_fail "configuring Qt failed"; }
        echo "$wanted" >"$build/korvane-qt.wanted"
    fi
    echo "== tools/dev windows: building Qt with $jobs jobs (log: $build/build.log)" >&2
    nice -n 10 cmake --build "$build" -j "$jobs" >"$build/build.log" 2>&1 ||
        { tail -20 "$build/build.log" >&2; qt_source_fail "building Qt failed"; }
    cmake --install "$build" >"$build/install.log" 2>&1 ||
        { tail -20 "$build/install.log" >&2; qt_source_fail "installing Qt failed"; }
    echo "$wanted" >"$stamp"
    echo "$prefix"
}

# Stops before any long build when a tool is missing.
windows_check_tools() {
    command -v $windows_triplet-g++-posix >/dev/null ||
        qt_source_fail "no cross compiler ($windows_triplet-g++-posix, from g++-mingw-w64-x86-64-posix)"
    command -v makensis >/dev/null || qt_source_fail "no makensis (from nsis)"
}

# Configures a cross build of Korvane in $1 against the Qt in $2; the rest are CMake options.
windows_configure() {
    local build=$1 qt=$2
    shift 2
    cmake -S . -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DKORVANE_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" \
        >"$build.configure.log" 2>&1 ||
        { tail -20 "$build.configure.log" >&2; qt_source_fail "configuring the cross build failed"; }
}

# The DLLs that the Windows binaries named import, found in the folders given after "--",
# copied beside them, and theirs in turn. What none of the folders holds is Windows' own.
windows_copy_imports() {
    local target=$1 binaries=() folders=() binary dll folder
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do binaries+=("$1") && shift; done
    shift
    folders=("$@")
    while [ ${#binaries[@]} -gt 0 ]; do
        binary=${binaries[0]} binaries=("${binaries[@]:1}")
        for dll in $($windows_triplet-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
            [ -e "$target/$dll" ] && continue
            for folder in "${folders[@]}"; do
                if [ -f "$folder/$dll" ]; then
                    cp "$folder/$dll" "$target/$dll"
                    binaries+=("$target/$dll")
                    break
                fi
            done
        done
    done
}

# The folders that hold the DLLs the program may import: Qt's and the compiler's runtime.
windows_dll_folders() {
    local qt=$1
    echo "$qt/bin"
    dirname "$($windows_triplet-g++-posix -print-file-name=libstdc++-6.dll)"
    dirname "$($windows_triplet-g++-posix -print-file-name=libwinpthread-1.dll)"
}

# The program's folder as installed: korvane.exe, the DLLs it imports, the Windows platform
# plugin, the licences and the lesson documents as PDF (docs/<language>/, from tools/dev docs).
windows_stage() {
    local build=$1 qt=$2 stage=$3 version=$4 docs=$5 folders language
    mapfile -t folders < <(windows_dll_folders "$qt")
    rm -rf "$stage"
    mkdir -p "$stage/platforms"
    # qt_standard_project_setup puts a Windows build's programs and DLLs in one folder, the top.
    cp "$build/korvane.exe" "$stage/"
    cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
    $windows_triplet-strip "$stage/korvane.exe"
    windows_copy_imports "$stage" "$stage/korvane.exe" -- "${folders[@]}"
    windows_copy_imports "$stage" "$stage/platforms/qwindows.dll" -- "${folders[@]}"
    # Debian's MinGW runtime DLLs carry their debugging information: a tenth of the size without.
    find "$stage" -name '*.dll' -exec $windows_triplet-strip --strip-unneeded {} +
    for language in "$docs"/*/; do
        language=$(basename "$language")
        mkdir -p "$stage/docs/$language"
        cp "$docs/$language"/*.pdf "$stage/docs/$language/"
    done
    sed 's/$/\r/' /usr/share/common-licenses/GPL-3 >"$stage/COPYING.txt"
    sed 's/$/\r/' /usr/share/common-licenses/LGPL-3 >"$stage/COPYING.LESSER.txt"
    sed 's/$/\r/' >"$stage/README.txt" <<TEXT
Korvane $version for 64-bit Windows 10 and 11

Korvane is free software under the GNU General Public License, version 3 or later
(COPYING.txt). It includes, unchanged and as separate DLLs, Qt $(windows_host_qt_version)
(Qt6*.dll, platforms/qwindows.dll) under the GNU Lesser General Public License, version 3
(COPYING.LESSER.txt), built from Debian's qt6-base source package of that version, and the
MinGW-w64 GCC runtime (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll) under the
GCC Runtime Library Exception. The DLLs may be replaced by compatible builds of your own.

Start korvane.exe. The teacher's guide, the students' worksheet and the guide for blind
students are in docs, as PDF, in English (en, with Letter-size copies), German (de), Spanish
(es), French (fr) and Brazilian Portuguese (pt_BR).
TEXT
}

# The uninstaller's list: every installed file, then every folder, deepest first.
windows_file_list() {
    local stage=$1 path
    (cd "$stage" && find . -type f | sort) | while read -r path; do
        path=${path#./}
        echo "Delete \"\$INSTDIR\\${path//\//\\}\""
    done
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r path; do
        path=${path#./}
        echo "RMDir \"\$INSTDIR\\${path//\//\\}\""
    done
}

windows_build() {
    local start=$SECONDS qt build=$windows_dir/korvane version stage
    tools/install-missing "${windows_packages[@]}"
    windows_check_tools
    mkdir -p "$windows_dir"
    qt=$(windows_qt) || exit 1
    echo "== tools/dev windows: Qt ready in $qt after $((SECONDS - start)) s"

    # The lesson documents, built on this machine as tools/dev docs builds them.
    . tools/docs.bash
    docs_build

    windows_configure "$build" "$qt"
    cmake --build "$build" --target korvane -j "$jobs"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    stage=$windows_dir/stage/Korvane-$version
    windows_stage "$build" "$qt" "$stage" "$version" build/docs

    local zip=$windows_dir/korvane-$version-win64.zip setup=$windows_dir/korvane-$version-setup.exe
    rm -f "$zip" "$setup"
    (cd "$(dirname "$stage")" && cmake -E tar cf "$zip" --format=zip "$(basename "$stage")")
    windows_file_list "$stage" >"$windows_dir/uninstall-files.nsh"
    makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build/app/korvane.ico" \
        -DFILES="$windows_dir/uninstall-files.nsh" -DOUTFILE="$setup" \
        -DSIZE_KB="$(du -sk "$stage" | cut -f1)" data/windows/korvane.nsi ||
        qt_source_fail "makensis failed"
    echo "== tools/dev windows: done after $((SECONDS - start)) s"
    ls -l "$setup" "$zip"
}

# The Qt Test suites that need no display: those without a GUI application object (the
# model's and the centring's), and those with widgets, which run on Qt's offscreen platform (Linux's QT_QPA_PLATFORM does
# not reach a Windows program, so it is named on the command line).
windows_model_suites=(test_drops test_motion test_step test_allocations test_charge_estimate
                      test_long_run test_centring test_sound)
windows_suites=("${windows_model_suites[@]}" test_renderer test_dialogs test_zoom_box
                test_control_panel test_main_window_layout test_handler_guard
                test_accessibility test_desktop_identity test_keyboard_route test_event_storm)

# A private Wine prefix under the build folder, made once: Wine's own fonts copied in, and Arial
# there as Liberation Sans (metric-compatible, as on Linux) instead of a serif font. Windows
# lists its fonts in the registry, and DirectWrite, which Qt 6.8 draws with, finds only the
# fonts listed (Wine lists the Linux ones only, so the program got Courier): Tahoma, the
# program's face under Wine, and Arial are listed as Windows lists them.
windows_wine_prefix() {
    export WINEPREFIX=$windows_dir/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/korvane-prefix-2.stamp" ] && return
    local fonts=$WINEPREFIX/drive_c/windows/Fonts liberation style
    local listed='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
    rm -rf "$WINEPREFIX"
    wine wineboot -i >"$windows_dir/wineboot.log" 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || qt_source_fail "wineboot made no Wine prefix (see $windows_dir/wineboot.log)"
    cp /usr/share/wine/fonts/* "$fonts/"
    liberation=$(windows_font_folder LiberationSans-Regular.ttf) || exit 1
    for style in Regular Bold; do
        windows_font_as "$liberation/LiberationSans-$style.ttf" Arial "$fonts"
    done
    # Wine 8 presents itself as Windows 7, which the installer refuses as Qt 6 does.
    wine winecfg -v win10 >/dev/null 2>&1
    wine reg add "$listed" /v 'Tahoma (TrueType)' /t REG_SZ /d tahoma.ttf /f >/dev/null 2>&1
    wine reg add "$listed" /v 'Tahoma Bold (TrueType)' /t REG_SZ /d tahomabd.ttf /f >/dev/null 2>&1
    wine reg add "$listed" /v 'Arial (TrueType)' /t REG_SZ /d Arial-Regular.ttf /f >/dev/null 2>&1
    wine reg add "$listed" /v 'Arial Bold (TrueType)' /t REG_SZ /d Arial-Bold.ttf /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/korvane-prefix-2.stamp"
}

# windows_font_as FILE FAMILY FOLDER: a copy of the font FILE in FOLDER under the family name
# FAMILY, the style kept (by Debian's own Python, which python3-fonttools serves).
windows_font_as() {
    /usr/bin/python3 - "$@" <<'PYTHON'
import os, sys
from fontTools.ttLib import TTFont
source, family, folder = sys.argv[1:4]
font = TTFont(source)
style = font["name"].getDebugName(2) or "Regular"
for record in font["name"].names:
    if record.nameID in (1, 16):
        record.string = family
    elif record.nameID in (4, 18):
        record.string = family if style == "Regular" else family + " " + style
    elif record.nameID == 6:
        record.string = (family + "-" + style).replace(" ", "")
font.save(os.path.join(folder, family.replace(" ", "") + "-" + style + ".ttf"))
PYTHON
}

# The folder of the font file named, wherever the release keeps it (Debian 12 Liberation in
# liberation2/, Debian 13 in liberation/).
windows_font_folder() {
    local file
    for file in /usr/share/fonts/truetype/*/"$1"; do
        [ -f "$file" ] && dirname "$file" && return
    done
    qt_source_fail "no font file $1 in /usr/share/fonts/truetype"
}

# The suites cross-built; the Qt DLLs, the offscreen plugin and the fonts beside them. Called
# on its own, not in a condition, so that any step that fails stops the run.
windows_test_build() {
    local qt=$1 build=$windows_dir/tests folders suite liberation dejavu
    windows_configure "$build" "$qt" -DBUILD_TESTING=ON
    cmake --build "$build" --target "${windows_suites[@]}" -j "$jobs"
    mapfile -t folders < <(windows_dll_folders "$qt")
    # Qt looks for its plugins beside the program.
    mkdir -p "$build/platforms"
    cp "$qt/plugins/platforms/qoffscreen.dll" "$build/platforms/"
    for suite in "${windows_suites[@]}"; do
        [ -f "$build/$suite.exe" ] || qt_source_fail "$suite.exe was not built"
        windows_copy_imports "$build" "$build/$suite.exe" -- "${folders[@]}"
    done
    windows_copy_imports "$build" "$build/platforms/qoffscreen.dll" -- "${folders[@]}"
    # The offscreen platform on Windows reads fonts from Qt's library folder only: there, the
    # fonts the Linux tests have (Liberation, metric-compatible with Arial, and DejaVu).
    liberation=$(windows_font_folder LiberationSans-Regular.ttf) || exit 1
    dejavu=$(windows_font_folder DejaVuSans.ttf) || exit 1
    mkdir -p "$build/fonts"
    cp "$liberation"/*.ttf "$dejavu"/*.ttf "$build/fonts/"
    # And under the names the program asks for on Windows, with the faces the Linux tests
    # measure: DejaVu Sans, Linux's sans-serif, as "Microsoft Sans Serif"; Liberation Sans as
    # "Arial".
    for style in "" -Bold; do
        windows_font_as "$dejavu/DejaVuSans$style.ttf" \
            "Microsoft Sans Serif" "$build/fonts"
    done
    for style in Regular Bold; do
        windows_font_as "$liberation/LiberationSans-$style.ttf" \
            Arial "$build/fonts"
    done
    printf '[Paths]\r\nLibraries = .\r\n' >"$build/qt.conf"
}

# The suites run under Wine, each on its own; says how many pass.
windows_test_suites() {
    local build=$windows_dir/tests suite results passed=0 failed=() status platform
    results=$windows_dir/test-results
    rm -rf "$results" && mkdir -p "$results"
    for suite in "${windows_suites[@]}"; do
        status=0 platform=(-platform offscreen)
        [[ " ${windows_model_suites[*]} " == *" $suite "* ]] && platform=()
        (cd "$build" && timeout 900 wine "./$suite.exe" "${platform[@]}" \
            -o "$(winepath -w "$results/$suite.xml" 2>/dev/null),junitxml" \
            >"$results/$suite.log" 2>&1) || status=$?
        if [ "$status" -eq 0 ]; then
            passed=$((passed + 1))
            echo "  passed: $suite"
        else
            failed+=("$suite")
            echo "  FAILED: $suite (exit status $status; $results/$suite.xml)"
        fi
    done
    echo "== tools/dev windows-test: $passed of ${#windows_suites[@]} suites pass under Wine"
    ((${#failed[@]} == 0))
}

# Where the controls are in the window, which Wine shows without a frame when no window
# manager runs: from the window's fixed layout, as the Linux program test has them.
windows_picture_at=(18 51)  # the apparatus picture's top-left corner
windows_add_oil_at=(99 466)
windows_freeze_at=(699 446)
windows_options_at=(67 9)

windows_window() {
    local title=$1 _
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 && return
        sleep 0.2
    done
    return 1
}

# One check of the program under Wine: says what it checked, and stops the run if it failed.
windows_check() {
    local what=$1
    shift
    if "$@"; then echo "  ok: $what"; else echo "  FAILED: $what" && return 1; fi
}

windows_more_than() { [ "$1" -gt "$2" ]; }
windows_has_window() { windows_window "$1" >/dev/null; }

# The About box that opens at start-up, until it has closed itself.
windows_about_box_closed() {
    local _
    windows_has_window "Korvane About" || return 1
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Korvane About$' >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
windows_has_key() { wine reg query "$1" >/dev/null 2>&1; }

# The installer run silently, the installed program driven on a virtual X server (its window
# found, oil added, the picture copied and read back from the clipboard, the Constants dialog
# and the About box opened, and in German), screenshots saved in doc/, then the silent
# uninstall and what it left behind.
windows_test_program() {
    local setup=$1 shots=$windows_dir/shots xvfb display window before changed installed
    local appdata uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane'
    rm -rf "$shots" && mkdir -p "$shots"
    # Wine names the Windows user after the Unix one.
    appdata=$WINEPREFIX/drive_c/users/$(id -un)/AppData
    installed=$appdata/Local/Programs/Korvane
    # The display first: Wine's desktop process, started by the first Windows program of a
    # session, keeps the display it found.
    wineserver -k 2>/dev/null || true
    exec {xvfb}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
    windows_xvfb=$!
    trap 'kill "$windows_xvfb" 2>/dev/null || true' EXIT
    read -r -t 10 display <&"$xvfb" || qt_source_fail "Xvfb did not start"
    export DISPLAY=:$display

    wine "$setup" /S && wineserver -w
    windows_check "silent install into $installed" test -f "$installed/korvane.exe" || return 1
    local menu="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Korvane"
    windows_check "Start-menu entries: $(cd "$menu" 2>/dev/null && ls | paste -sd, -)" \
        test -f "$menu/Korvane.lnk" -a -f "$menu/Teacher's guide.lnk" -a -f "$menu/Worksheet.lnk" ||
        return 1
    windows_check "the guides installed" test -f "$installed/docs/en/teaching.pdf" \
        -a -f "$installed/docs/de/worksheet.pdf" || return 1
    windows_check "Apps and features: $(wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -o 'DisplayVersion.*' | tr -s ' ')" \
        windows_has_key "$uninstall_key" || return 1

    (cd "$installed" && exec wine ./korvane.exe) >"$shots/korvane.log" 2>&1 &
    window=$(windows_window Korvane) || { echo "  FAILED: no Korvane window"; return 1; }
    echo "  ok: its window, $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
    windows_check "the About box at start-up, closed by itself" windows_about_box_closed || true
    import -window root "$shots/before.png"
    xdotool mousemove --window "$window" "${windows_add_oil_at[@]}" click 1
    sleep 1.5
    import -window root "$shots/main.png"
    changed=$(compare -metric AE "$shots/before.png" "$shots/main.png" null: 2>&1 || true)
    windows_check "Add Oil: $changed pixels changed" windows_more_than "$changed" 30 || return 1

    xdotool mousemove --window "$window" "${windows_freeze_at[@]}" click 1
    sleep 0.5
    import -window root "$shots/frozen.png"
    xdotool key ctrl+c
    local targets
    for _ in $(seq 20); do
        sleep 0.5
        # Asking what the clipboard offers first lets Wine publish the bitmap.
        targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null | tr '\n' ' ')
        [[ " $targets " == *" image/png "* ]] || continue
        xclip -selection clipboard -t image/png -o >"$shots/clipboard.png" 2>/dev/null && break
    done
    windows_check "clipboard: $(identify -format '%wx%h' "$shots/clipboard.png" 2>&1)" \
        test "$(identify -format '%wx%h' "$shots/clipboard.png" 2>/dev/null)" = 765x336 || return 1
    read -r x y < <(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    # The zoom box and its label are controls over the picture; everything else is the same.
    # The menu bar's height follows the font Wine gives it, so the picture is looked for a few
    # pixels above and below where the layout puts it.
    local dy count
    changed=
    for dy in -2 -1 0 1 2; do
        count=$(convert "$shots/frozen.png" -crop \
            "765x336+$((x + windows_picture_at[0]))+$((y + windows_picture_at[1] + dy))" \
            +repage png:- | compare -metric AE - "$shots/clipboard.png" null: 2>&1 || true)
        if [ -z "$changed" ] || windows_more_than "$changed" "$count"; then changed=$count; fi
    done
    windows_check "the copied picture is the one shown but for $changed pixels of the zoom box" \
        windows_more_than 4129 "$changed" || return 1

    xdotool mousemove --window "$window" "${windows_options_at[@]}" click 1
    sleep 0.5
    xdotool key Up Return # the menu's last item, Show constants
    windows_check "Constants dialog" windows_has_window Constants || true
    sleep 0.5
    import -window root "$shots/constants.png"
    xdotool key Escape
    sleep 0.5
    xdotool key alt+h Return
    windows_check "About box" windows_has_window "Korvane About" || true
    sleep 0.5
    import -window root "$shots/about.png"
    wineserver -k || true

    (cd "$installed" && LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 exec wine ./korvane.exe) \
        >>"$shots/korvane.log" 2>&1 &
    window=$(windows_window Korvane) || { echo "  FAILED: no window in German"; return 1; }
    windows_about_box_closed || true
    xdotool mousemove --window "$window" "${windows_add_oil_at[@]}" click 1
    sleep 1.5
    import -window root "$shots/german.png"
    wineserver -k || true
    exec {xvfb}<&-
    kill "$windows_xvfb" 2>/dev/null || true

    wine "$installed/uninstall.exe" /S && wineserver -w
    sleep 1 && wineserver -w # the uninstaller runs from a copy of itself
    local left
    left=$( (find "$installed" "$appdata/Roaming/Microsoft/Windows/Start Menu/Programs" \
        -iname '*korvane*' 2>/dev/null; find "$installed" 2>/dev/null) | sort -u || true)
    if windows_has_key "$uninstall_key"; then left+=" $uninstall_key"; fi
    windows_check "silent uninstall leaves: ${left:-nothing}" test -z "$left"
}

windows_test() {
    local start=$SECONDS qt status=0
    tools/install-missing "${windows_test_packages[@]}"
    windows_check_tools
    mkdir -p "$windows_dir"
    qt=$(windows_qt) || exit 1
    windows_wine_prefix
    windows_test_build "$qt"
    windows_test_suites || status=1
    echo "== tools/dev windows-test: the installer and the program under Wine"
    local setup
    setup=$(ls "$windows_dir"/korvane-*-setup.exe 2>/dev/null | tail -1)
    [ -n "$setup" ] || qt_source_fail "no installer: run tools/dev windows first"
    windows_test_program "$setup" || status=1
    echo "== tools/dev windows-test: done after $((SECONDS - start)) s"
    return "$status"
}
