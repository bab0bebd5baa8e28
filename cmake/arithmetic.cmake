# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Doubles rounded as IEEE 754 rounds them, each operation on its own, on every processor: no
# contraction into fused multiply-adds (arm64 has them), no fast math, and on 32-bit x86 the SSE2
# unit rather than the x87, whose registers keep wider intermediate results.
if(MSVC OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
    add_compile_options(/fp:precise)
else()
    add_compile_options(-ffp-contract=off -fno-fast-math)
    # Emscripten calls WebAssembly "x86", whose doubles are binary64 already and which has no
    # x87 to avoid.
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$" AND CMAKE_SIZEOF_VOID_P EQUAL 4
       AND NOT EMSCRIPTEN)
        add_compile_options(-msse2 -mfpmath=sse)
    endif()
endif()

# Whatever the flags above, CMAKE_CXX_FLAGS or a toolchain may add: checked as compiled.
get_directory_property(korvane_arithmetic_options COMPILE_OPTIONS)
try_compile(korvane_arithmetic_ok ${CMAKE_BINARY_DIR}/arithmetic-check
            SOURCES ${CMAKE_CURRENT_LIST_DIR}/arithmetic_check.cpp
            COMPILE_DEFINITIONS ${korvane_arithmetic_options}
            OUTPUT_VARIABLE korvane_arithmetic_output)
if(NOT korvane_arithmetic_ok)
    string(REGEX MATCH "arithmetic: [^\n\"]*" korvane_arithmetic_cause "${korvane_arithmetic_output}")
    if(NOT korvane_arithmetic_cause)
        set(korvane_arithmetic_cause "the check of the compiler's arithmetic did not compile")
    endif()
    message(FATAL_ERROR "Korvane cannot guarantee its ${korvane_arithmetic_cause}")
endif()
