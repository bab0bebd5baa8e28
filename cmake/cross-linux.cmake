# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for Debian on another processor, with Debian's cross compiler and that
# architecture's Qt installed beside the machine's own (multiarch), as tools/cross.bash sets
# it up: -DKORVANE_CROSS_TRIPLET=aarch64-linux-gnu -DKORVANE_CROSS_PROCESSOR=aarch64.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${KORVANE_CROSS_PROCESSOR})
set(CMAKE_LIBRARY_ARCHITECTURE ${KORVANE_CROSS_TRIPLET})
set(CMAKE_C_COMPILER ${KORVANE_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${KORVANE_CROSS_TRIPLET}-g++)
# The target's libraries (libpulse), not the machine's own.
set(PKG_CONFIG_EXECUTABLE ${KORVANE_CROSS_TRIPLET}-pkg-config)

# Libraries and CMake packages of the architecture (found through its multiarch folder),
# programs of the machine: Qt's moc, rcc, lupdate and lrelease among them.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_PREFIX_PATH /usr/lib/${KORVANE_CROSS_TRIPLET}/cmake)
set(QT_HOST_PATH /usr)
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE build_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${build_multiarch}/cmake)
# Toolchain variables reach try_compile only when named here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVANE_CROSS_TRIPLET KORVANE_CROSS_PROCESSOR)
