# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds and tests Korvane for another processor, sourced by tools/dev for
#   tools/dev arm64-test [bookworm|trixie]   64-bit ARM (Raspberry Pi 4 and 5, ARM Chromebooks)
#   tools/dev armhf-test [bookworm|trixie]   32-bit ARM (Raspberry Pi OS 32-bit)
#   tools/dev i386-test  [bookworm|trixie]   32-bit x86
#   tools/dev arm64-package|armhf-package [bookworm|trixie]
#                                            the Debian package for that processor, built as
#                                            Debian builds it for another (dpkg-buildpackage -a),
#                                            its tests run on qemu-user; into build/cross
#
# In a minimal Debian root of the release (trixie unless named), kept between runs in the cache,
# with the architecture added beside the machine's own: Debian's cross compiler and that
# architecture's Qt build the committed state (HEAD) with the tests, and the tests run on
# qemu-user, which the kernel starts for every binary of that architecture (binfmt_misc), so that
# the test that starts the real program runs it too. Debian 12's qemu-user (7.2) cannot start
# processes from Qt (QProcess's clone3 with a pidfd is refused), so trixie's is the default.
# The long suites run shorter under emulation, with the same assertions: the long run for 100 000
# steps, the event storm for 5 000 actions.

cross_fail() {
    echo "tools/dev $cross_command: $*" >&2
    exit 1
}

# ARCH: the GNU triplet, the qemu name and the processor CMake reports.
cross_triplet() {
    case $1 in
    arm64) echo aarch64-linux-gnu aarch64 aarch64 ;;
    armhf) echo arm-linux-gnueabihf arm armv7l ;;
    i386) echo i686-linux-gnu i386 i686 ;;
    esac
}

# The ELF header that the kernel hands to qemu: magic and mask for each architecture, as
# qemu's own binfmt script writes them.
cross_binfmt_magic() {
    case $1 in
    aarch64) echo '\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\xb7\x00' \
        '\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' ;;
    arm) echo '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x28\x00' \
        '\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' ;;
    esac
}

# The packages of the root: the machine's own compilers and Qt tools, the cross compiler, the
# architecture's Qt, qemu, and what the tests drive the real program with.
cross_packages() {
    local arch=$1 triplet=$2 qemu=qemu-user
    [ "$arch" != i386 ] || qemu= # the machine runs 32-bit x86 itself
    echo build-essential cmake ninja-build git ca-certificates dpkg-dev locales \
        qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
        "g++-${triplet}" "libc6-dev:$arch" \
        "qt6-base-dev:$arch" "qt6-base-private-dev:$arch" "qt6-tools-dev:$arch" \
        "libgl-dev:$arch" "libvulkan-dev:$arch" "libpulse-dev:$arch" pkgconf \
        fonts-liberation2 fonts-dejavu-core xvfb xauth xdotool xclip x11-utils x11-apps \
        imagemagick desktop-file-utils appstream $qemu
}

# Runs a script as root in the root, with a clean environment.
cross_in_root() {
    env -i HOME=/root TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        chroot "$1" /bin/bash -c "set -euo pipefail; $2"
}

# The kept root of the release in $cross_root, made or brought up to date and mounted.
cross_make_root() {
    local release=$1 arch=$2 triplet=$3 root stamp mirror wanted
    root=${XDG_CACHE_HOME:-$HOME/.cache}/korvane/cross-root-$release
    cross_root=$root
    stamp=$root/root/korvane-cross.stamp
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        mirror=$(debian_mirror "$release")
        [ -n "$mirror" ] || cross_fail "no Debian mirror in the apt sources"
        tools/install-missing debootstrap git >&2
        echo "== tools/dev $cross_command: a minimal $release root in $root"
        rm -rf --one-file-system "$root"
        mkdir -p "$root"
        debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
            { tail -20 "$root.debootstrap.log" >&2; cross_fail "debootstrap failed"; }
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    cross_mount "$root"
    wanted=$(cross_packages "$arch" "$triplet")
    if [ ! -f "$stamp" ] || ! grep -qxF "$arch: $wanted" "$stamp"; then
        echo "== tools/dev $cross_command: the packages for $arch in the root"
        cross_in_root "$root" "dpkg --add-architecture $arch
            apt-get update -q
            DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
                $wanted" >"$root.apt-$arch.log" 2>&1 ||
            { tail -20 "$root.apt-$arch.log" >&2; cross_fail "the packages did not install"; }
        { grep -v "^$arch: " "$stamp" 2>/dev/null || true; echo "$arch: $wanted"; } >"$stamp.new"
        mv "$stamp.new" "$stamp"
    fi
}

cross_mount() {
    local root=$1 target
    for target in proc sys dev dev/pts dev/shm; do
        findmnt -rn "$root/$target" >/dev/null && continue
        case $target in
        proc) mount -t proc proc "$root/proc" ;;
        sys) mount -t sysfs sysfs "$root/sys" ;;
        dev | dev/pts) mount --bind "/$target" "$root/$target" ;;
        dev/shm) mount -t tmpfs -o mode=1777 shm "$root/dev/shm" ;;
        esac
    done
    cross_mounted=$root
    trap cross_unmount EXIT
}

cross_unmount() {
    local status=$?
    findmnt -rn -o TARGET | grep -F "$cross_mounted/" | sort -r | xargs -r umount -l
    echo "== tools/dev $cross_command: exit status $status after" \
        "$(((SECONDS - cross_start) / 60)) min $(((SECONDS - cross_start) % 60)) s"
}

# The kernel runs the architecture's binaries on the root's qemu. With the F flag the kernel
# opens qemu when it is registered, so the registration serves inside the root and outside it.
cross_binfmt() {
    local root=$1 qemu=$2 name magic mask
    [ -n "$qemu" ] && [ "$qemu" != i386 ] || return 0
    [ -f /proc/sys/fs/binfmt_misc/register ] ||
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc ||
        cross_fail "binfmt_misc is not available: the kernel cannot start $qemu binaries"
    name=korvane-qemu-$qemu
    [ -e "/proc/sys/fs/binfmt_misc/qemu-$qemu" ] && return 0 # the machine's own qemu does it
    [ -e "/proc/sys/fs/binfmt_misc/$name" ] && echo -1 >"/proc/sys/fs/binfmt_misc/$name"
    [ -x "$root/usr/bin/qemu-$qemu" ] || cross_fail "no qemu-$qemu in the root"
    read -r magic mask < <(cross_binfmt_magic "$qemu")
    # The kernel reads the \x escapes itself.
    echo ":$name:M::$magic:$mask:$root/usr/bin/qemu-$qemu:F" >/proc/sys/fs/binfmt_misc/register ||
        cross_fail "could not register qemu-$qemu with binfmt_misc"
}

# The committed state (HEAD) in /root/korvane of the root, its build folders kept: files that
# did not change keep their times, so a second run rebuilds only what changed.
cross_checkout() {
    local tree=$1/root/korvane
    if [ -d "$tree/.git" ]; then
        git -C "$tree" fetch -q "$PWD" HEAD
        git -C "$tree" checkout -q -f FETCH_HEAD
        git -C "$tree" clean -q -f -d -x -e /build/
    else
        rm -rf "$tree"
        git clone -q --no-local --no-hardlinks . "$tree"
    fi
}

# What both commands start with, for `tools/dev ARCH-KIND [RELEASE]`: as root, the root made and
# mounted, the kernel set to start the architecture's binaries, the committed state checked out.
# Sets triplet, qemu, processor and root.
cross_begin() {
    local kind=$1 arch=$2 release=${3:-trixie}
    cross_command=$arch-$kind cross_start=$SECONDS
    case $release in
    bookworm | trixie) ;;
    *) cross_fail "usage: tools/dev $arch-$kind [bookworm|trixie]" ;;
    esac
    [ "$(id -u)" -eq 0 ] || exec sudo "$PWD/tools/dev" "$arch-$kind" "$release"
    read -r triplet qemu processor < <(cross_triplet "$arch")
    cross_make_root "$release" "$arch" "$triplet"
    root=$cross_root
    cross_binfmt "$root" "$qemu"
    rm -rf "$root"/root/korvane_*
    cross_checkout "$root"
    echo "== tools/dev $cross_command: $(git log -1 --format='%h %s') on $release"
}

cross_test() {
    local arch=$1 triplet qemu processor root
    cross_begin test "$arch" "$2"
    local step=$SECONDS
    in_root "$root" "cmake -S . -B build/$arch -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/cross-linux.cmake \
            -DKORVANE_CROSS_TRIPLET=$triplet -DKORVANE_CROSS_PROCESSOR=$processor \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
            -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/root/configure-$arch.log ||
            { tail -20 /root/configure-$arch.log; exit 1; }
        grep -h 'Sound:' /root/configure-$arch.log
        cmake --build build/$arch -j $jobs" ||
        cross_fail "the build failed"
    echo "== tools/dev $cross_command: built in $((SECONDS - step)) s"
    step=$SECONDS
    local status=0
    # Each suite on its own, so that one failing does not keep the others from running; the real
    # program's waits stretched for the emulator.
    in_root "$root" "cd build/$arch
        readelf -h tests/test_motion | grep Machine
        status=0
        ctest -j $jobs -LE long --output-on-failure || status=1
        KORVANE_WAIT_SCALE=10 ctest -R test_real_program --output-on-failure || status=1
        KORVANE_LONG_RUN_STEPS=100000 tests/test_long_run -silent || status=1
        QT_QPA_PLATFORM=offscreen tests/test_event_storm --actions 5000 -silent || status=1
        exit \$status" || status=1
    echo "== tools/dev $cross_command: tests in $((SECONDS - step)) s"
    # The program itself, as a student would see it: the About box closed, oil added.
    mkdir -p build/cross
    in_root "$root" "tools/screenshot build/$arch/app/korvane build/$arch/korvane-$arch.png 15 \
        alt+a" >/dev/null && cp "$root/root/korvane/build/$arch/korvane-$arch.png" build/cross/ &&
        echo "== tools/dev $cross_command: build/cross/korvane-$arch.png" || status=1
    return $status
}

cross_package() {
    local arch=$1 triplet qemu processor root
    cross_begin package "$arch" "$2"
    in_root "$root" "DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q \
            --no-install-recommends -a $arch -P cross ./ >/root/build-dep.log
        dpkg-buildpackage -a $arch -P cross -us -uc -b -j$jobs" >"build/cross-$arch-package.log" 2>&1 ||
        { tail -30 "build/cross-$arch-package.log" >&2; cross_fail "the package did not build"; }
    mkdir -p build/cross
    cp "$root"/root/korvane_*_"$arch".deb build/cross/
    echo "== tools/dev $cross_command: $(cd build/cross && ls -l korvane_*_"$arch".deb)"
    grep -E '^(Total Test time|[0-9]+% tests passed)' "build/cross-$arch-package.log" || true
}
