// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Compiled at configure time with the project's flags: fails, naming the cause, where doubles
// would not be rounded operation by operation as IEEE 754 rounds them.
#include <cfloat>
#include <limits>

#if defined(__FAST_MATH__)
#error "arithmetic: fast math (-ffast-math or -Ofast) changes the rounding"
#endif
#if defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__
#error "arithmetic: -ffinite-math-only drops the checks for infinities and NaN"
#endif
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "arithmetic: the compiler keeps double results in a wider type (FLT_EVAL_METHOD not 0)"
#endif
static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8,
              "arithmetic: double is not IEEE 754 binary64");

int main()
{
    return 0;
}
