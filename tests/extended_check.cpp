// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the model's portable 80-bit arithmetic against the x87 hardware it stands in for, on an
// x86 machine whose long double is the x87 format:
//   extended_check operations N   N random operand pairs for each of + - * /, and N numbers
//                                 each through the conversions to and from double
//   extended_check functions N    exp and log of N random numbers against MPFR's correctly
//                                 rounded ones (where built with MPFR), and the decimal
//                                 conversions against the C library's (correctly rounded)
//   extended_check drops [STEPS]  every drop the program can have: each radius, charge -15..+15,
//                                 voltage setting 0..5000 and polarity, from the middle line for
//                                 up to STEPS steps (600), moved by the model and by the x87's
//                                 long double in the same order; counts the positions (ExactY)
//                                 and pixel rows (Y) that differ, and times both
// Each prints what it compared and every difference it found, and exits with 1 if any.

#include "apparatus_state.h"
#include "charge_estimate.h"
#include "extended.h"
#include "step.h"

#include <cfloat>
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#if KORVANE_WITH_MPFR
#include <mpfr.h>
#endif

#if LDBL_MANT_DIG != 64
int main()
{
    std::puts("extended_check: long double is not the x87 format here; nothing to compare with");
    return 77;
}
#else

using namespace korvane;

namespace {

long double native(Extended x)
{
    long double value = 0;
    unsigned char bytes[sizeof(long double)] = {};
    const uint64_t mantissa = x.mantissa();
    const uint16_t signAndExponent = x.signAndExponent();
    std::memcpy(bytes, &mantissa, 8);
    std::memcpy(bytes + 8, &signAndExponent, 2);
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

Extended portable(long double x)
{
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &x, sizeof x);
    uint64_t mantissa = 0;
    uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    return Extended::fromBits(signAndExponent, mantissa);
}

// The same result: the same bits, or NaN both.
bool same(Extended a, long double b)
{
    const Extended c = portable(b);
    return a.identical(c) || (a.isNan() && c.isNan());
}

std::string show(Extended x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04x:%016" PRIx64, x.signAndExponent(), x.mantissa());
    return text;
}

/// Random operands of every kind the format has: mostly numbers of any exponent, and a share
/// near the ends of the range, subnormals, zeros, infinities and NaN.
class Operands {
public:
    explicit Operands(uint64_t seed) : m_random(seed) { }

    Extended next()
    {
        const uint64_t choice = m_random() % 100;
        const uint64_t mantissa = m_random() | (uint64_t(1) << 63);
        const uint16_t sign = (m_random() & 1) != 0 ? 0x8000 : 0;
        if (choice < 60) // any normal number
            return Extended::fromBits(uint16_t(sign | (1 + m_random() % 0x7ffe)), mantissa);
        if (choice < 80) // near 1, where the program's numbers are
            return Extended::fromBits(uint16_t(sign | (16383 - 80 + m_random() % 160)), mantissa);
        if (choice < 88) // subnormal
            return Extended::fromBits(sign, mantissa >> (1 + m_random() % 63));
        if (choice < 94) // near the top or the bottom of the range
            return Extended::fromBits(
                uint16_t(sign |
                         ((m_random() & 1) != 0 ? 0x7ffe - m_random() % 70 : 1 + m_random() % 70)),
                mantissa);
        if (choice < 96)
            return Extended::fromBits(sign, 0);
        if (choice < 98)
            return Extended::fromBits(uint16_t(sign | 0x7fff), uint64_t(1) << 63);
        return Extended::fromBits(uint16_t(sign | 0x7fff), mantissa | (uint64_t(1) << 62));
    }

    /// A partner for a: often close to it, so that sums and differences cancel.
    Extended partner(Extended a)
    {
        if (m_random() % 4 != 0)
            return next();
        const uint64_t nudge = m_random() % 1000;
        const uint16_t sign = (m_random() & 1) != 0 ? 0x8000 : 0;
        return Extended::fromBits(uint16_t((a.signAndExponent() & 0x7fff) | sign),
                                  a.mantissa() ^ nudge);
    }

    uint64_t bits() { return m_random(); }

private:
    std::mt19937_64 m_random;
};

int operations(long long count)
{
    Operands operands(20261209);
    long long differences = 0;
    const auto report = [&](const char *what, Extended a, Extended b, Extended mine,
                            long double theirs) {
        if (++differences <= 20)
            std::printf("  %s %s %s: %s, x87 %s\n", show(a).c_str(), what, show(b).c_str(),
                        show(mine).c_str(), show(portable(theirs)).c_str());
    };
    for (long long n = 0; n < count; ++n) {
        const Extended a = operands.next();
        const Extended b = operands.partner(a);
        const long double x = native(a), y = native(b);
        if (!same(a + b, x + y))
            report("+", a, b, a + b, x + y);
        if (!same(a - b, x - y))
            report("-", a, b, a - b, x - y);
        if (!same(a * b, x * y))
            report("*", a, b, a * b, x * y);
        if (!same(a / b, x / y))
            report("/", a, b, a / b, x / y);
        if ((a < b) != (x < y) || (a == b) != (x == y))
            report("compared with", a, b, Extended(), 0);
        // To double and back, and a double's own bits.
        const double rounded = a.toDouble();
        const double hardware = static_cast<double>(x);
        if (std::memcmp(&rounded, &hardware, sizeof rounded) != 0 &&
            !(std::isnan(rounded) && std::isnan(hardware)))
            report("to double", a, a, Extended(rounded), hardware);
        uint64_t bits = operands.bits();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (!same(Extended(d), static_cast<long double>(d)))
            report("from double", Extended(d), Extended(d), Extended(d), d);
        const auto i = static_cast<int32_t>(bits >> 32);
        if (!same(Extended(i), static_cast<long double>(i)))
            report("from int", Extended(i), Extended(i), Extended(i), i);
    }
    std::printf("operations: %lld random pairs, each through + - * / < ==, to and from double and "
                "from int: %lld differences from the x87\n",
                count, differences);
    return differences == 0 ? 0 : 1;
}

int functions(long long count)
{
    Operands operands(4951);
    long long differences = 0;
    long long compared = 0;
#if KORVANE_WITH_MPFR
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    mpfr_t in, out;
    mpfr_init2(in, 64);
    mpfr_init2(out, 64);
    const auto correctly = [&](long double x, int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
        mpfr_set_ld(in, x, MPFR_RNDN);
        const int inexact = f(out, in, MPFR_RNDN);
        mpfr_subnormalize(out, inexact, MPFR_RNDN);
        return mpfr_get_ld(out, MPFR_RNDN);
    };
    for (long long n = 0; n < count; ++n) {
        Extended a = operands.next();
        // Most arguments of exp where its result is neither 0 nor infinite.
        if (n % 2 == 0 && a.isFinite())
            a = a / Extended::fromBits(0x4000 + uint16_t(operands.bits() % 20), 1ull << 63);
        const Extended e = exp(a), l = log(a.magnitude());
        compared += 2;
        if (!same(e, correctly(native(a), mpfr_exp)) && ++differences <= 20)
            std::printf("  exp %s: %s\n", show(a).c_str(), show(e).c_str());
        if (!same(l, correctly(native(a.magnitude()), mpfr_log)) && ++differences <= 20)
            std::printf("  log %s: %s\n", show(a.magnitude()).c_str(), show(l).c_str());
    }
    mpfr_clear(in);
    mpfr_clear(out);
#else
    std::puts("  built without MPFR: exp and log not compared");
#endif
    // Decimal texts of every length and exponent, read; numbers written with 6 and 18 digits.
    for (long long n = 0; n < count; ++n) {
        std::string text = std::to_string(operands.bits() % 1000000000000000000ull);
        text.resize(1 + operands.bits() % text.size());
        text += (n % 3 == 0 ? "." : "") + std::to_string(operands.bits() % 10000);
        text += 'e' + std::to_string(int(operands.bits() % 9900) - 4950);
        const std::optional<Extended> mine = fromDecimal(text);
        const long double theirs = std::strtold(text.c_str(), nullptr);
        ++compared;
        if (std::isinf(theirs) ? mine.has_value() : !mine || !same(*mine, theirs)) {
            if (++differences <= 20)
                std::printf("  read %s: %s\n", text.c_str(), mine ? show(*mine).c_str() : "none");
        }
        const Extended a = operands.next();
        if (!a.isFinite())
            continue;
        for (int digits : {6, 18}) {
            char theirsText[64];
            std::snprintf(theirsText, sizeof theirsText, "%.*Le", digits - 1, native(a));
            ++compared;
            if (toScientific(a, digits) != theirsText && ++differences <= 20)
                std::printf("  write %s: %s, C library %s\n", show(a).c_str(),
                            toScientific(a, digits).c_str(), theirsText);
        }
    }
    std::printf("functions: %lld results compared: %lld differences\n", compared, differences);
    return differences == 0 ? 0 : 1;
}

// The step's displacement in the x87's long double, in the order the model computes it.
long double x87Displacement(const ApparatusState &state, const Drop &drop, double K)
{
    const long double r = drop.Radius * 1e-7L;
    const long double c = expl(3.0L * logl(r));
    const long double W = ((c * 4.18879020478639098461685784437267051L) *
                           (static_cast<long double>(state.OilDensity) - state.AirDensity)) *
        9.8L;
    const int32_t signedCharge = state.Polarity * drop.Charge;
    const long double E = ((((signedCharge * 1.602e-19L) *
                             (static_cast<long double>(state.VoltageSetting) / 100.0L)) /
                            state.PlateSeparation) *
                           state.VoltageOn);
    const long double numerator = (W + E) * K;
    const long double denominator =
        ((18.8495559215387594307758602996770173L * state.AirViscosity) * drop.Radius) * 1e-7L;
    return numerator / denominator;
}

int drops(int maxSteps)
{
    ApparatusState state;
    initialiseApparatus(state);
    const double K = static_cast<double>((state.PlateGap - 1) /
                                         (static_cast<long double>(state.PlateSeparation) * 10));
    long long combinations = 0, steps = 0, exactDiffer = 0, rowsDiffer = 0;
    double modelSeconds = 0, x87Seconds = 0;
    using Clock = std::chrono::steady_clock;
    for (int radius : {4, 6, 8, 10}) {
        for (int charge = -15; charge <= 15; ++charge) {
            for (int polarity : {+1, -1}) {
                for (int setting = 0; setting <= 5000; ++setting) {
                    state.Polarity = polarity;
                    state.VoltageOn = 1;
                    state.VoltageSetting = setting;
                    const Drop drop {100, 165, charge, radius, 0};
                    ++combinations;
                    // The displacement is the same every step: time it once per combination.
                    const auto t0 = Clock::now();
                    const Extended mine = driftPerStep(state, drop);
                    const auto t1 = Clock::now();
                    const long double theirs = x87Displacement(state, drop, K);
                    const auto t2 = Clock::now();
                    modelSeconds += std::chrono::duration<double>(t1 - t0).count();
                    x87Seconds += std::chrono::duration<double>(t2 - t1).count();
                    double y = 165, yNative = 165;
                    for (int n = 0; n < maxSteps; ++n) {
                        ++steps;
                        y = (mine + Extended(y)).toDouble();
                        yNative = static_cast<double>(theirs + yNative);
                        if (y != yNative)
                            ++exactDiffer;
                        if (static_cast<int32_t>(y) != static_cast<int32_t>(yNative))
                            ++rowsDiffer;
                        const int32_t row = static_cast<int32_t>(y);
                        if (row < state.PlateTop || row > 316 - (radius / 5 + 3))
                            break;
                    }
                }
            }
        }
    }
    std::printf("drops: %lld combinations, %lld steps: ExactY differs in %lld, Y in %lld\n",
                combinations, steps, exactDiffer, rowsDiffer);
    std::printf("one displacement: model %.0f ns, x87 long double %.0f ns\n",
                1e9 * modelSeconds / combinations, 1e9 * x87Seconds / combinations);
    return exactDiffer == 0 && rowsDiffer == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    const long long count = argc > 2 ? std::atoll(argv[2]) : 1000000;
    if (what == "operations")
        return operations(count);
    if (what == "functions")
        return functions(count);
    if (what == "drops")
        return drops(argc > 2 ? int(count) : 600);
    std::fputs("usage: extended_check operations|functions [N] | drops [STEPS]\n", stderr);
    return 2;
}

#endif
