# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by tools/dev. `tools/dev orca-on bookworm|trixie`: the blind student's measurement
# (tools/orca-transcript) on a fresh minimal root of the release, made as test-on makes one, with
# that release's Orca, Qt and speech: in English and in German with the program's own sounds,
# and in English without a sound server. The transcripts, recordings and timelines are copied
# to build/orca-on/<release>.out.

orca_on() {
    local release=$1 root=$PWD/build/orca-on/$1 out=$PWD/build/orca-on/$1.out
    [ "$(id -u)" -eq 0 ] || exec sudo "$PWD/tools/dev" orca-on "$release"
    make_root orca-on "$release" "$root"
    rm -rf "$out"
    # The root shares the machine's abstract X sockets: a display of its own.
    in_root "$root" "tools/install-missing ${run_packages[*]}
        cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build build/release -j $jobs --target korvane
        mkdir -p build/orca
        for run in en de en-no-sound; do
            language=\${run%%-*}
            option=; [ \"\$run\" = en-no-sound ] && option=--no-sound
            echo \"== tools/orca-transcript --language \$language \$option\"
            tools/orca-transcript --display :${ORCA_DISPLAY:-371} --language \$language \$option \\
                --keep build/orca/\$run build/release/app/korvane >build/orca/\$run.txt 2>&1 ||
                echo \"   (exit status \$?)\"
            tail -12 build/orca/\$run.txt
        done"
    mkdir -p "$out"
    cp -r "$root"/root/korvane/build/orca/. "$out/"
    echo "== tools/dev orca-on $release: $out"
}
