// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of the teacher's guide (doc/teaching.md) and the students' worksheet: what students
// read with each radius and charge, and what a class finds. Every time comes from running the
// model's own step on drops placed between the plates and counting the stopwatch as a student
// would, so that the guide cannot drift from the program. Charges are worked out with the formula
// the guide teaches. Prints the guide's generated blocks in Markdown; with a folder as argument,
// also writes the guide's pictures (SVG) there. tools/teaching-tables checks both against doc/
// or writes them into it.
#include "apparatus_state.h"
#include "charge_estimate.h"
#include "control_panel.h"
#include "drops.h"
#include "random_source.h"
#include "step.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <locale>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

constexpr int Radii[] = {4, 6, 8, 10};
// The model's constants as doubles: the guide's own formulas are worked as a student's calculator
// works them, in double, which every processor computes alike.
const double Gravity = constants::Gravity.toDouble();
const double ElementaryCharge = constants::ElementaryCharge.toDouble();
const double SphereVolumeFactor = constants::SphereVolumeFactor.toDouble();
const double StokesDragFactor = constants::StokesDragFactor.toDouble();
/// A scale division [px]: 0.1 mm, as the scale draws it.
constexpr int Division = constants::PlateGap / 10;
/// The scale line n tenths of a millimetre below the upper plate [px], n = 1..9.
constexpr int scaleLine(int n)
{
    return constants::PlateTop + n * Division;
}
/// The middle scale line (0.5 mm), where every mode but Variable puts new drops [px].
constexpr int MiddleLine = scaleLine(5);
/// Full scale of the slider, in hundredths of a volt.
constexpr int32_t FullScale = 5000;
/// The most elementary charges a drop carries (-15 to +10).
constexpr int LargestCharge = 15;
/// Longest timing the tables report: ten minutes of simulated time.
constexpr int LongestTiming = 6000;
/// Where within a step the drop crosses the first line: this many evenly spread cases.
constexpr int Phases = 1000;
/// How far off either way a student's reading may be, from reaction time [s].
constexpr double ReadingError = 0.1;
/// A drop "looks still" while it moves less than a pixel in this many steps (10 s).
constexpr int StillSteps = 100;

std::string fixed(double value, int decimals)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

/// A signed whole number with a true minus sign: "−7", "+7", "0".
std::string signedNumber(int n)
{
    return n < 0 ? "−" + std::to_string(-n) : n > 0 ? "+" + std::to_string(n) : "0";
}

std::string micrometres(int radius)
{
    return fixed(radius / 10.0, 1) + " µm";
}

/// A scale line's label, "0.1" to "0.9", from its y [px].
std::string lineName(int y)
{
    return "0." + std::to_string((y - constants::PlateTop) / Division);
}

/// The apparatus as the program starts it, with one drop of the given radius and charge whose
/// top edge lies exactly at y, and the supply at the given setting and polarity (a setting of 0
/// leaves the supply off).
ApparatusState oneDrop(int radius, int charge, double y, int32_t setting = 0, int polarity = +1)
{
    ApparatusState state;
    initialiseApparatus(state);
    Drop &drop = state.slot(1);
    drop.X = 100;
    drop.Y = static_cast<int32_t>(y);
    drop.Charge = charge;
    drop.Radius = radius;
    drop.Gone = 0;
    state.exactY(1) = y;
    state.DropCount = 1;
    if (setting != 0) {
        toggleSupply(state);
        state.VoltageSetting = setting;
    }
    if (polarity < 0)
        flipPolarity(state);
    return state;
}

/// Pixels the drop moves in one step, positive downward.
double displacement(int radius, int charge, int32_t setting = 0, int polarity = +1)
{
    ApparatusState state = oneDrop(radius, charge, MiddleLine, setting, polarity);
    step(state);
    return static_cast<double>(state.exactY(1)) - MiddleLine;
}

/// What the stopwatch reads, in tenths, for a student who clicks Start at the step that first
/// draws the drop's top edge on or past the scale line `from` and Stop at the step that first
/// draws it on or past `to`, stepping the program's own model in between; nothing if the drop
/// takes longer than ten minutes or touches a plate first.
std::optional<int32_t> timeBetween(ApparatusState state, int from, int to)
{
    const bool down = to > from;
    const auto reached = [&](int line) {
        const Drop &drop = state.slot(1);
        return down ? drop.Y >= line : drop.Y <= line;
    };
    for (int steps = 0; !reached(from); ++steps) {
        step(state);
        if (state.slot(1).Gone != 0 || steps > LongestTiming)
            return std::nullopt;
    }
    toggleStopwatch(state);
    while (!reached(to)) {
        step(state);
        if (state.slot(1).Gone != 0 || state.StopwatchTenths > LongestTiming)
            return std::nullopt;
    }
    return state.StopwatchTenths;
}

/// The readings of perfectly timed students, in tenths, and in how many of the Phases cases
/// each comes up: the drop starts just short of the line `from` by a fraction of one step's
/// movement, swept evenly over the step.
using Readings = std::map<int32_t, int>;

Readings sweepReadings(int radius, int charge, int from, int to, int32_t setting = 0,
                       int polarity = +1)
{
    const double moves = displacement(radius, charge, setting, polarity);
    // A falling drop's top edge is drawn on the line once exactly there; a rising one's as soon
    // as it is less than a pixel below it.
    const double crossing = moves > 0 ? from : from + 1;
    Readings readings;
    for (int phase = 0; phase < Phases; ++phase) {
        const double before = (phase + 0.5) / Phases;
        const auto start = static_cast<double>(crossing - before * moves);
        const std::optional<int32_t> tenths =
            timeBetween(oneDrop(radius, charge, start, setting, polarity), from, to);
        if (!tenths)
            return {};
        ++readings[*tenths];
    }
    return readings;
}

/// The line `divisions` below or above `from`, in the drop's direction of motion.
int lineAfter(int from, int divisions, double moves)
{
    return moves > 0 ? from + divisions * Division : from - divisions * Division;
}

/// Where a timing over `divisions` starts: the 0.2 line for a fall, the 0.8 line for a rise,
/// so that five divisions fit either way.
int timingStart(double moves)
{
    return moves > 0 ? scaleLine(2) : scaleLine(8);
}

/// "6.0 s (63 %) or 6.1 s (37 %)", or one reading alone.
std::string readingsText(const Readings &readings, bool shares = true)
{
    if (readings.empty())
        return "over 10 min";
    std::string text;
    int shown = 0, total = 0;
    for (const auto &entry : readings)
        total += entry.second;
    for (const auto &[tenths, count] : readings) {
        if (!text.empty())
            text += " or ";
        text += stopwatchText(tenths);
        if (shares && readings.size() > 1) {
            // The shares are rounded so that they add up to 100 %.
            const int share = shown + count == total
                ? 100 - (shown * 100 + total / 2) / total
                : ((shown + count) * 100 + total / 2) / total - (shown * 100 + total / 2) / total;
            text += " (" + std::to_string(share) + " %)";
        }
        shown += count;
    }
    return text;
}

/// Seconds the drop takes over `divisions` at its exact speed.
double exactSeconds(double pixelsPerStep, int divisions)
{
    return divisions * Division / std::fabs(pixelsPerStep) / constants::StepsPerSecond;
}

std::string exactTime(double pixelsPerStep, int divisions)
{
    return fixed(exactSeconds(pixelsPerStep, divisions), 2) + " s";
}

/// The extra displacement per step [px] that one elementary charge opposing gravity gets at 50 V.
double pushPerCharge(int radius)
{
    return displacement(radius, 0) - displacement(radius, -1, FullScale, +1);
}

/// Voltage [V] at which the electric push on `charges` elementary charges equals the fall.
double balanceVoltage(int radius, int charges)
{
    return 50.0 * displacement(radius, 0) / (charges * pushPerCharge(radius));
}

std::string voltageCell(double volts)
{
    const std::string text = fixed(volts, 2) + " V";
    return volts > 50.0 ? text + ", out of reach" : text;
}

/// Powers of ten as a school writes them: "1.602·10⁻¹⁹".
std::string tenToThe(int exponent)
{
    static const char *const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = "·10";
    if (exponent < 0)
        text += "⁻";
    for (char digit : std::to_string(std::abs(exponent)))
        text += digits[digit - '0'];
    return text;
}

const std::string ChargeUnit = fixed(ElementaryCharge * 1e19, 3) + tenToThe(-19) + " C";

void beginBlock(const char *name)
{
    std::cout << "<!-- tables: " << name
              << "; generated by tools/teaching_tables, do not edit -->\n";
}

void endBlock()
{
    std::cout << "<!-- end of tables -->\n";
}

/// The constants, as the students' formulas use them; the worksheet leaves out e, which the
/// students are to find.
void constantsTable(const char *name, bool withCharge = true)
{
    beginBlock(name);
    std::cout << "| Quantity | Value |\n|---|---|\n"
              << "| oil density ρ_oil | " << fixed(constants::OilDensity, 0) << " kg/m³ |\n"
              << "| air density ρ_air | " << fixed(constants::AirDensity, 2) << " kg/m³ |\n"
              << "| air viscosity η | " << fixed(constants::AirViscosity * 1e5, 2) << tenToThe(-5)
              << " N·s/m² |\n"
              << "| gravity g | " << fixed(Gravity, 1) << " m/s² |\n"
              << "| plate separation d | " << fixed(constants::PlateSeparation * 1000, 0)
              << " mm |\n"
              << "| one scale division | " << fixed(constants::PlateSeparation * 100, 1)
              << " mm |\n";
    if (withCharge)
        std::cout << "| elementary charge e (to check the result) | " << ChargeUnit << " |\n";
    endBlock();
}

/// How the picture stands for the apparatus: the pixel, the divisions and the drops' size.
void pictureScale()
{
    const double micrometresPerPixel = constants::PlateSeparation * 1e6 / (constants::PlateGap - 1);
    beginBlock("picture-scale");
    std::cout << "The picture shows " << constants::PlateGap - 1
              << " pixels to the millimetre: one pixel stands for " << fixed(micrometresPerPixel, 2)
              << " µm, one division of 0.1 mm for " << Division << " pixels.\nThe scale lines lie "
              << Division
              << " pixels apart, from the upper "
                 "plate down to the 0.9 line; the lower plate is drawn "
              << constants::PlateGap
              << " pixels below the upper one, so the last gap, from the "
                 "0.9 line to the lower plate, is "
              << constants::PlateGap - 9 * Division
              << " pixels: time drops between scale lines only.\nThe drops are drawn larger than "
                 "they are, so that they can be seen:\n\n";
    for (int radius : Radii) {
        Drop drop;
        drop.Radius = radius;
        std::cout << "- a " << micrometres(radius) << " drop (" << fixed(2 * radius / 10.0, 1)
                  << " µm across, " << fixed(2 * radius / 10.0 / micrometresPerPixel, 2)
                  << " of a pixel) as " << dropSize(drop) << " pixels\n";
    }
    endBlock();
}

/// Every height at which Add Oil can spray a drop in Variable mode [px], from the model's own
/// spraying: the dice give each value of the height's draw in turn and the lowest of the others.
std::vector<int32_t> sprayHeights()
{
    class EachHeight : public RandomSource {
    public:
        int32_t R(int32_t n) override
        {
            // The second of each drop's four draws is its height.
            if (m_draw++ % 4 != 1)
                return 0;
            m_last = n;
            return std::min(m_height, n - 1);
        }
        int32_t m_height = 0, m_last = 1;

    private:
        int m_draw = 0;
    };
    std::vector<int32_t> heights;
    EachHeight dice;
    do {
        ApparatusState state;
        initialiseApparatus(state);
        addOil(state, DropMode::Variable, dice);
        heights.push_back(state.slot(1).Y);
        ++dice.m_height;
    } while (dice.m_height < dice.m_last);
    return heights;
}

/// What perfectly timed students read over `divisions` from the first scale line at or below
/// where each drop was sprayed, over every spray height that leaves room for the divisions
/// above the 0.9 line, and how many heights give each reading.
Readings sprayedReadings(int radius, int divisions)
{
    static const std::vector<int32_t> heights = sprayHeights();
    Readings readings;
    for (int32_t y : heights) {
        int from = scaleLine(1);
        while (from < y)
            from += Division;
        const int to = from + divisions * Division;
        if (to > scaleLine(9))
            continue;
        if (const std::optional<int32_t> tenths = timeBetween(oneDrop(radius, 0, y), from, to))
            ++readings[*tenths];
    }
    return readings;
}

double micrometresPerSecond(double pixelsPerStep)
{
    return pixelsPerStep * constants::StepsPerSecond * 1000.0 / (constants::PlateGap - 1);
}

void fallingTable()
{
    beginBlock("falling");
    std::cout << "| Radius | Speed of fall | One division (0.1 mm) takes | "
                 "The stopwatch reads | Five divisions (0.5 mm) take | The stopwatch reads |\n"
                 "|---|---|---|---|---|---|\n";
    for (int radius : Radii) {
        const double fall = displacement(radius, 0);
        std::cout << "| " << micrometres(radius) << " | " << fixed(micrometresPerSecond(fall), 2)
                  << " µm/s | " << exactTime(fall, 1) << " | "
                  << readingsText(sprayedReadings(radius, 1)) << " | " << exactTime(fall, 5)
                  << " | " << readingsText(sprayedReadings(radius, 5)) << " |\n";
    }
    // Drops sprayed in on the middle line sit on it at once: the first division is timed from
    // the spraying, and each later one starts where the one before ended.
    ApparatusState state = oneDrop(fixedmode::Radius, 0, MiddleLine);
    std::cout << "\nA " << micrometres(fixedmode::Radius)
              << " drop sprayed in on the 0.5 line, as the fixed modes do, timed division by "
                 "division down to the 0.9 line, reads";
    for (int line = MiddleLine; line < scaleLine(9); line += Division) {
        const std::optional<int32_t> tenths = timeBetween(state, line, line + Division);
        while (state.slot(1).Y < line + Division)
            step(state);
        std::cout << (line == MiddleLine ? " " : ", ") << (tenths ? stopwatchText(*tenths) : "?");
    }
    std::cout << ".\n";
    endBlock();
}

/// What the model does in one step of 0.1 s, for the developers' notes on the lesson documents.
void modelStepTable()
{
    beginBlock("model-steps");
    std::cout
        << "| Radius | Falls per 0.1 s, supply off | Push of one charge at 50 V, per 0.1 s |\n"
           "|---|---|---|\n";
    for (int radius : Radii)
        std::cout << "| " << micrometres(radius) << " | " << fixed(displacement(radius, 0), 5)
                  << " px | " << fixed(pushPerCharge(radius), 5) << " px |\n";
    endBlock();
}

void balanceTable()
{
    beginBlock("balance");
    std::cout << "| Radius | 1 e | 2 e | 3 e | 4 e | 5 e |\n|---|---|---|---|---|---|\n";
    for (int radius : Radii) {
        std::cout << "| " << micrometres(radius) << " |";
        for (int charges = 1; charges <= 5; ++charges)
            std::cout << ' ' << voltageCell(balanceVoltage(radius, charges)) << " |";
        std::cout << '\n';
    }
    endBlock();
}

/// Same Radius: 0.4 µm drops with 1 to 15 charges of either sign (positive ones only to 10).
void sameRadiusTable()
{
    constexpr int radius = fixedmode::Radius;
    beginBlock("same-radius");
    std::cout << "| Charges | Balance voltage | At 50 V it rises one division in | "
                 "A perfectly timed student reads |\n"
                 "|---|---|---|---|\n";
    for (int charges = 1; charges <= 15; ++charges) {
        // A negative drop opposes gravity with the upper plate positive, as the program starts.
        const double moves = displacement(radius, -charges, FullScale, +1);
        const int from = timingStart(moves);
        std::cout << "| " << (charges <= 10 ? "−" + std::to_string(charges) + " or +" : "−")
                  << std::to_string(charges) << " | "
                  << voltageCell(balanceVoltage(radius, charges)) << " | " << exactTime(moves, 1)
                  << " | "
                  << readingsText(sweepReadings(radius, -charges, from, lineAfter(from, 1, moves),
                                                FullScale, +1))
                  << " |\n";
    }
    endBlock();
}

/// The fixed-charge modes: every radius with the mode's charge, the polarity set so that the
/// field holds the drop up.
void sameChargeTable(const char *name, int charge)
{
    const int polarity = charge > 0 ? -1 : +1;
    beginBlock(name);
    std::cout << "| Radius | Supply off, one division: the student reads | Balance voltage | "
                 "At 50 V the drop | over one division the student reads |\n"
                 "|---|---|---|---|---|\n";
    for (int radius : Radii) {
        const double fall = displacement(radius, 0);
        const double moves = displacement(radius, charge, FullScale, polarity);
        const int from = timingStart(fall);
        const int onFrom = timingStart(moves);
        std::cout << "| " << micrometres(radius) << " | "
                  << readingsText(sweepReadings(radius, 0, from, lineAfter(from, 1, fall)), false)
                  << " | " << voltageCell(balanceVoltage(radius, std::abs(charge))) << " | "
                  << (moves < 0 ? "rises" : "falls") << " one division in " << exactTime(moves, 1)
                  << " | "
                  << readingsText(sweepReadings(radius, charge, onFrom, lineAfter(onFrom, 1, moves),
                                                FullScale, polarity),
                                  false)
                  << " |\n";
    }
    endBlock();
}

/// The charge [elementary charges] of a drop that falls `fallSpeed` with the supply off and
/// moves `onSpeed` downward with it on at `volts` (the rise-and-fall method, speeds in m/s),
/// with the formulas the guide teaches.
double riseAndFallCharges(double fallSpeed, double onSpeed, double volts)
{
    const double density = constants::OilDensity - constants::AirDensity;
    const double r = std::sqrt(9 * constants::AirViscosity * fallSpeed / (2 * Gravity * density));
    return StokesDragFactor * constants::AirViscosity * r * (fallSpeed - onSpeed) *
        constants::PlateSeparation / volts / ElementaryCharge;
}

/// Speed [m/s] of a drop that takes `seconds` over `divisions`.
double speed(int divisions, double seconds)
{
    return divisions * constants::PlateSeparation / 10 / seconds;
}

/// Same -ve Charge's largest drops fall even at 50 V: what the rise-and-fall method gives from
/// readings a tenth of a second off, over one division and over four (the 0.5 to the 0.9 line).
void fallingAtFiftyVolts()
{
    constexpr int radius = 10;
    constexpr int charge = fixedmode::NegativeCharge;
    const double off = displacement(radius, 0);
    const double on = displacement(radius, charge, FullScale, +1);
    beginBlock("negative-charge-at-50-V");
    for (int divisions : {1, 4}) {
        const double tOff = exactSeconds(off, divisions);
        const double tOn = exactSeconds(on, divisions);
        double low = 1e9, high = -1e9;
        for (int a : {-1, 1})
            for (int b : {-1, 1}) {
                const double n = riseAndFallCharges(speed(divisions, tOff + a * ReadingError),
                                                    speed(divisions, tOn + b * ReadingError), 50.0);
                low = std::min(low, n);
                high = std::max(high, n);
            }
        std::cout << "- Over " << (divisions == 1 ? "one division" : "four divisions")
                  << ": the fall takes " << fixed(tOff, 2) << " s with the supply off and "
                  << fixed(tOn, 2) << " s at 50 V; with each reading up to "
                  << fixed(ReadingError, 1) << " s off, the charge comes out between "
                  << fixed(low, 1) << " and " << fixed(high, 1) << " elementary charges, so "
                  << (std::lround(low) == std::lround(high)
                          ? "always " + std::to_string(std::lround(low))
                          : std::to_string(std::lround(low)) + " to " +
                              std::to_string(std::lround(high)))
                  << " after rounding.\n";
    }
    endBlock();
}

/// A fixed sequence for the class's drops, the same on every machine and standard library: the
/// engine's output is fixed by the standard, where a distribution's is not.
class ClassroomDice : public RandomSource {
public:
    explicit ClassroomDice(uint64_t seed) : m_engine(seed) { }
    int32_t R(int32_t n) override
    {
        return static_cast<int32_t>(m_engine() % static_cast<uint64_t>(n));
    }

private:
    std::mt19937_64 m_engine;
};

/// One sprayed drop as a student measures it: its fall timed from the first scale line at or
/// below where it was sprayed, over up to five divisions before the 0.9 line, then its balance.
struct Measured {
    int number = 0;
    Drop drop;
    int from = 0; ///< first line of the timing [px]
    int divisions = 0; ///< 0: sprayed too low to time a division
    std::optional<int32_t> tenths;
    std::optional<int32_t> setting; ///< the slider's nearest setting to the balance voltage
    double charges = 0; ///< found with the guide's formula, in elementary charges
    double estimate = 0; ///< the program's own estimate from the same readings
};

std::vector<Measured> measureClass(uint64_t seed, int sprays)
{
    ApparatusState sprayed;
    initialiseApparatus(sprayed);
    ClassroomDice dice(seed);
    for (int spray = 0; spray < sprays; ++spray)
        addOil(sprayed, DropMode::Variable, dice);

    std::vector<Measured> measured;
    for (int n = 1; n <= sprayed.DropCount; ++n) {
        Measured m;
        m.number = n;
        m.drop = sprayed.slot(n);
        m.from = scaleLine(1);
        while (m.from < m.drop.Y)
            m.from += Division;
        m.divisions = std::max(0, std::min(5, (scaleLine(9) - m.from) / Division));
        if (m.divisions > 0) {
            ApparatusState alone = oneDrop(m.drop.Radius, m.drop.Charge, m.drop.Y);
            m.tenths = timeBetween(alone, m.from, m.from + m.divisions * Division);
        }
        const double volts =
            m.drop.Charge == 0 ? 0 : balanceVoltage(m.drop.Radius, std::abs(m.drop.Charge));
        if (m.tenths && m.drop.Charge != 0 && volts <= 50.0) {
            m.setting = static_cast<int32_t>(std::lround(volts * 100.0));
            const double seconds = *m.tenths / 10.0;
            const double v = speed(m.divisions, seconds);
            const double density = constants::OilDensity - constants::AirDensity;
            const double r = std::sqrt(9 * constants::AirViscosity * v / (2 * Gravity * density));
            const double U = *m.setting / 100.0;
            m.charges = SphereVolumeFactor * r * r * r * density * Gravity *
                constants::PlateSeparation / U / ElementaryCharge;
            ApparatusState held = sprayed;
            held.VoltageSetting = *m.setting;
            const std::string distance = fixed(m.divisions * constants::PlateSeparation / 10, 4);
            const std::string time = fixed(seconds, 1);
            m.estimate = estimateCharge(held, time, distance, ".")->toDouble();
        }
        measured.push_back(m);
    }
    return measured;
}

bool found(const Measured &m)
{
    return m.setting.has_value();
}

void classTable(const std::vector<Measured> &measured)
{
    beginBlock("class");
    std::cout << "| Drop | Radius | Sprayed in, below the upper plate | Timed from line to line | "
                 "Fall, the stopwatch shows | "
                 "[Flip Voltage] | Balance at | Charge found | in e | Nearest whole number | "
                 "The drop carries |\n"
                 "|---|---|---|---|---|---|---|---|---|---|---|\n";
    std::map<int, std::vector<double>> speeds;
    const Measured *worst = nullptr;
    int misread = 0, tooLow = 0;
    double largestDifference = 0;
    for (const Measured &m : measured) {
        const double height = (m.drop.Y - constants::PlateTop) * 1000.0 *
            constants::PlateSeparation / (constants::PlateGap - 1);
        std::cout << "| " << m.number << " | " << micrometres(m.drop.Radius) << " | "
                  << fixed(height, 3) << " mm | ";
        if (m.divisions == 0) {
            ++tooLow;
            std::cout << "too low: below the 0.8 line | | | | | | | " << signedNumber(m.drop.Charge)
                      << " |\n";
            continue;
        }
        std::cout << lineName(m.from) << " to " << lineName(m.from + m.divisions * Division)
                  << " | " << stopwatchText(*m.tenths) << " | ";
        speeds[m.drop.Radius].push_back(speed(m.divisions, *m.tenths / 10.0));
        if (m.drop.Charge == 0) {
            std::cout << "— | no charge: the field does not move it | | | | "
                      << signedNumber(m.drop.Charge) << " |\n";
            continue;
        }
        std::cout << (m.drop.Charge > 0 ? "ticked" : "not ticked") << " | ";
        if (!found(m)) {
            std::cout << "not even at 50 V | | | | " << signedNumber(m.drop.Charge) << " |\n";
            continue;
        }
        const double whole = std::round(m.charges);
        if (whole != std::abs(m.drop.Charge))
            ++misread;
        if (!worst ||
            std::fabs(m.charges - whole) > std::fabs(worst->charges - std::round(worst->charges)))
            worst = &m;
        largestDifference = std::max(largestDifference, m.estimate / m.charges - 1);
        std::cout << fixed(*m.setting / 100.0, 2) << " V | "
                  << fixed(m.charges * ElementaryCharge * 1e19, 2) << tenToThe(-19) << " C | "
                  << fixed(m.charges, 2) << " | " << fixed(whole, 0) << " | "
                  << signedNumber(m.drop.Charge) << " |\n";
    }
    std::cout << "\n"
              << tooLow << " of the " << measured.size()
              << " drops were sprayed below the 0.8 line and cannot be timed over a division "
                 "with the supply off (a student lifts such a drop with the field first).\n"
                 "The speeds found for drops of one radius spread with the timing:\n\n";
    for (const auto &[radius, list] : speeds) {
        const auto [low, high] = std::minmax_element(list.begin(), list.end());
        std::cout << "- " << micrometres(radius) << ", "
                  << (list.size() == 1 ? "one drop" : std::to_string(list.size()) + " drops")
                  << ": " << fixed(*low * 1e6, 2);
        if (fixed(*high * 1e6, 2) != fixed(*low * 1e6, 2))
            std::cout << " to " << fixed(*high * 1e6, 2);
        std::cout << " µm/s (exactly "
                  << fixed(displacement(radius, 0) * constants::StepsPerSecond * 1000.0 /
                               (constants::PlateGap - 1),
                           2)
                  << ")\n";
    }
    std::cout << "\n";
    if (worst)
        std::cout << "The charge furthest from a whole number is drop " << worst->number << "'s, "
                  << fixed(worst->charges, 2) << " e.\n";
    if (misread == 0)
        std::cout << "Every nearest whole number is the charge the drop carries.\n";
    else
        std::cout << misread << " of the charges round to the wrong whole number.\n";
    endBlock();
    beginBlock("program-estimate");
    std::cout << "For the drops of the class's results, the program's own charge estimate, which "
                 "takes the drop's mass with the oil's density alone, comes out at most "
              << fixed(largestDifference * 100, 2)
              << " % higher than the guide's formula from the same readings.\n";
    endBlock();
}

/// Writes a picture, or nothing when no folder was given.
void writePicture(const std::string &folder, const char *name, const std::string &svg)
{
    if (folder.empty())
        return;
    std::ofstream out(folder + "/" + name);
    out << svg;
    if (!out)
        throw std::runtime_error(std::string("cannot write ") + folder + "/" + name);
}

std::string svgHeader(int width, int height, const std::string &title)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
        "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) +
        " " + std::to_string(height) +
        "\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"13\">\n<title>" + title +
        "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

/// A picture's coordinate [px] to a tenth of a pixel, halves rounded up. The rule is the
/// picture's own rather than the C library's, and the coordinates are worked in double, so that
/// one that falls on a half (the histogram's 10 e line lies at 456.25) is drawn alike on every
/// processor.
std::string coordinate(double value)
{
    return fixed(std::floor(value * 10 + 0.5) / 10, 1);
}

std::string text(double x, double y, const std::string &content, const char *anchor = "middle",
                 const char *extra = "")
{
    return "<text x=\"" + coordinate(x) + "\" y=\"" + coordinate(y) + "\" text-anchor=\"" + anchor +
        "\"" + extra + ">" + content + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const char *style)
{
    return "<line x1=\"" + coordinate(x1) + "\" y1=\"" + coordinate(y1) + "\" x2=\"" +
        coordinate(x2) + "\" y2=\"" + coordinate(y2) + "\" " + style + "/>\n";
}

/// A scatter plot of charges [10⁻¹⁹ C] against a count from 0 to xTop, as SVG.
struct Scatter {
    std::string title;
    int width, height;
    double xTop, yTop;
    static constexpr int margin = 55, edge = 20;

    double x(double value) const { return margin + value * (width - margin - edge) / xTop; }
    double y(double value) const
    {
        return height - margin - value * (height - margin - edge) / yTop;
    }
    /// The header, the two axes with their ticks every xStep and yStep, and their captions.
    std::string axes(int xStep, int yStep, const std::string &xCaption) const
    {
        std::string svg = svgHeader(width, height, title);
        for (int n = 0; n <= xTop; n += xStep) {
            svg += line(x(n), y(0), x(n), y(0) + 5, "stroke=\"black\"");
            svg += text(x(n), y(0) + 18, std::to_string(n));
        }
        for (int value = 0; value <= yTop; value += yStep) {
            svg += line(x(0) - 5, y(value), x(0), y(value), "stroke=\"black\"");
            svg += text(x(0) - 8, y(value) + 4, std::to_string(value), "end");
        }
        svg += line(x(0), y(0), x(xTop), y(0), "stroke=\"black\"");
        svg += line(x(0), y(0), x(0), y(yTop), "stroke=\"black\"");
        svg += text((margin + width - edge) / 2.0, height - 15.0, xCaption);
        const double middle = (height - margin + edge) / 2.0;
        const std::string turn = " transform=\"rotate(-90 16 " + coordinate(middle) + ")\"";
        svg += text(16, middle, "charge q, in 10⁻¹⁹ C", "middle", turn.c_str());
        return svg;
    }
    std::string point(double across, double charge) const
    {
        return "<circle cx=\"" + coordinate(x(across)) + "\" cy=\"" + coordinate(y(charge)) +
            "\" r=\"3.5\" fill=\"none\" stroke=\"#3060a0\" stroke-width=\"1.5\"/>\n";
    }
};

/// Finding e from many drops: the class's charges, their groups, the line q = n e through the
/// origin and Σq/Σn; the histogram and the q-against-n picture.
void manyDrops(const std::vector<Measured> &measured, const std::string &folder)
{
    std::vector<const Measured *> usable;
    for (const Measured &m : measured)
        if (found(m))
            usable.push_back(&m);
    // The charges as printed, to two decimals [1e-19 C]: every sum is worked from these, as the
    // class works it from the board.
    std::vector<double> q;
    for (const Measured *m : usable)
        q.push_back(std::round(m->charges * ElementaryCharge * 1e21) / 100);

    // The teacher's n: the whole number nearest q / e; the class finds the same groups from the
    // histogram's gaps.
    std::vector<int> numbers;
    std::vector<std::size_t> misnumbered;
    for (std::size_t i = 0; i < q.size(); ++i) {
        numbers.push_back(static_cast<int>(std::lround(usable[i]->charges)));
        if (numbers[i] != std::abs(usable[i]->drop.Charge))
            misnumbered.push_back(i);
    }

    beginBlock("many-drops");
    std::cout << "Eight groups spray " << measured.size() / 10 * 10 << " drops in all; "
              << usable.size()
              << " of them can be timed and balanced.\nTheir charges, in units of 10⁻¹⁹ C, in the "
                 "order measured, each with the whole number n nearest to q / e after it, "
                 "marked † where n is not the number of charges the drop carries:\n\n";
    for (std::size_t i = 0; i < q.size(); ++i)
        std::cout << (i == 0           ? ""
                          : i % 8 == 0 ? ",\n"
                                       : ", ")
                  << fixed(q[i], 2) << " (" << numbers[i]
                  << (std::find(misnumbered.begin(), misnumbered.end(), i) == misnumbered.end()
                          ? ")"
                          : "†)");
    std::cout << "\n\n";
    for (std::size_t i : misnumbered)
        std::cout << "- Drop " << i + 1 << ": " << fixed(q[i], 2) << tenToThe(-19) << " C is "
                  << fixed(usable[i]->charges, 2) << " e, nearest " << numbers[i]
                  << "; the drop carries " << signedNumber(usable[i]->drop.Charge) << ".\n";
    if (!misnumbered.empty())
        std::cout << "\n";

    double sumQ = 0, sumN = 0, sumNQ = 0, sumNN = 0;
    int wrong = static_cast<int>(misnumbered.size()), largest = 0;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const double n = numbers[i];
        largest = std::max(largest, numbers[i]);
        sumQ += q[i];
        sumN += n;
        sumNQ += n * q[i];
        sumNN += n * n;
    }
    const double byRatio = sumQ / sumN;
    const double bySlope = sumNQ / sumNN;
    std::cout << "Numbered by the nearest whole number of " << ChargeUnit << ", the "
              << usable.size() << " drops carry 1 to " << largest << " charges ("
              << (wrong == 0 ? "every one right" : std::to_string(wrong) + " numbered wrongly")
              << ").\nFrom the charges as printed, Σq = " << fixed(sumQ, 2) << tenToThe(-19)
              << " C and Σn = " << fixed(sumN, 0) << ", so Σq/Σn = " << fixed(byRatio, 3)
              << tenToThe(-19)
              << " C; the line through the origin that fits the points best has the slope "
              << fixed(bySlope, 3) << tenToThe(-19) << " C.\nThe program's e is " << ChargeUnit
              << ": the class is "
              << fixed(std::fabs(byRatio / (ElementaryCharge * 1e19) - 1) * 100, 1) << " % off.\n";
    endBlock();

    // The histogram: bins of 0.2·10⁻¹⁹ C from 0 to the largest charge, dashed lines at n e.
    const double e = ElementaryCharge * 1e19;
    const double top = std::ceil(*std::max_element(q.begin(), q.end()) / e + 0.5) * e;
    constexpr double bin = 0.2;
    const int bins = static_cast<int>(std::ceil(top / bin));
    std::vector<int> counts(static_cast<std::size_t>(bins));
    for (double value : q)
        ++counts[static_cast<std::size_t>(std::min(bins - 1, static_cast<int>(value / bin)))];
    const int highest = *std::max_element(counts.begin(), counts.end());
    constexpr int width = 720, height = 300, left = 50, right = 20, upper = 30, lower = 50;
    const double xScale = (width - left - right) / top;
    const double yScale = (height - upper - lower) / static_cast<double>(highest + 1);
    const auto x = [&](double value) { return left + value * xScale; };
    const auto y = [&](double count) { return height - lower - count * yScale; };
    std::string svg = svgHeader(width, height, "Histogram of the class's charges");
    for (int n = 1; n * e < top; ++n) {
        svg += line(x(n * e), y(0), x(n * e), upper - 5.0,
                    "stroke=\"#c04000\" stroke-dasharray=\"4 3\"");
        svg += text(x(n * e), upper - 10.0, std::to_string(n) + " e", "middle",
                    " fill=\"#c04000\" font-size=\"11\"");
    }
    for (int i = 0; i < bins; ++i)
        if (counts[static_cast<std::size_t>(i)] > 0)
            svg += "<rect x=\"" + coordinate(x(i * bin)) + "\" y=\"" +
                coordinate(y(counts[static_cast<std::size_t>(i)])) + "\" width=\"" +
                coordinate(bin * xScale) + "\" height=\"" +
                coordinate(counts[static_cast<std::size_t>(i)] * yScale) +
                "\" fill=\"#3060a0\" stroke=\"white\" stroke-width=\"0.5\"/>\n";
    svg += line(left, y(0), width - right, y(0), "stroke=\"black\"");
    svg += line(left, y(0), left, upper - 5.0, "stroke=\"black\"");
    for (int tick = 0; tick <= top; tick += 2) {
        svg += line(x(tick), y(0), x(tick), y(0) + 5, "stroke=\"black\"");
        svg += text(x(tick), y(0) + 18, std::to_string(tick));
    }
    for (int count = 0; count <= highest; ++count)
        svg += text(left - 8, y(count) + 4, std::to_string(count), "end");
    svg += text((left + width - right) / 2.0, height - 12.0,
                "charge found, in 10⁻¹⁹ C (bins of 0.2·10⁻¹⁹ C)");
    const std::string turnDrops =
        " transform=\"rotate(-90 14 " + coordinate((upper + height - lower) / 2.0) + ")\"";
    svg += text(14, (upper + height - lower) / 2.0, "drops", "middle", turnDrops.c_str());
    svg += "</svg>\n";
    writePicture(folder, "class-histogram.svg", svg);

    // q against n: the points and the line through the origin with slope Σq/Σn.
    const double qTop = std::ceil((largest + 1) * e / 4) * 4;
    Scatter byNumber {"Charge against number of elementary charges", 420, 420,
                      static_cast<double>(largest + 1), qTop};
    std::string drawn = byNumber.axes(2, 4, "n, the number of elementary charges");
    drawn += line(byNumber.x(0), byNumber.y(0), byNumber.x(largest + 1),
                  byNumber.y((largest + 1) * byRatio), "stroke=\"#c04000\" stroke-width=\"1.5\"");
    drawn += text(byNumber.x(0.5), byNumber.y(qTop) + 14,
                  "the line q = n × Σq/Σn, slope " + fixed(byRatio, 3) + tenToThe(-19) + " C",
                  "start", " fill=\"#c04000\"");
    for (std::size_t i = 0; i < q.size(); ++i)
        drawn += byNumber.point(std::round(usable[i]->charges), q[i]);
    writePicture(folder, "class-q-against-n.svg", drawn + "</svg>\n");

    // Charge against drop number: bands at whole multiples of e, with empty stripes between.
    Scatter byDrop {"Charge against drop number", 720, 360, static_cast<double>(q.size() + 1),
                    qTop};
    drawn = byDrop.axes(5, 4, "drop number, in the order measured");
    for (int n = 1; n * e < qTop; ++n)
        drawn += line(byDrop.x(0), byDrop.y(n * e), byDrop.x(q.size() + 1), byDrop.y(n * e),
                      "stroke=\"#c04000\" stroke-dasharray=\"4 3\" stroke-width=\"0.8\"");
    drawn += text(byDrop.x(q.size() + 1), byDrop.y(qTop) - 6,
                  "dashed: whole multiples of " + ChargeUnit, "end", " fill=\"#c04000\"");
    for (std::size_t i = 0; i < q.size(); ++i)
        drawn += byDrop.point(static_cast<double>(i + 1), q[i]);
    writePicture(folder, "class-charges.svg", drawn + "</svg>\n");
}

/// How the readings' uncertainty carries into the charge: q ∝ t^(-3/2) / U, so
/// δq/q = (3/2) δt/t + δU/U, with δt the reading error and δU half the range of voltages over
/// which the balanced drop looks still.
void uncertaintyTable()
{
    beginBlock("uncertainty");
    std::cout << "| Radius | The balance looks still over | One division takes | "
                 "The charge is uncertain by | Charges that blur together | Five divisions take | "
                 "The charge is uncertain by | Charges that blur together |\n"
                 "|---|---|---|---|---|---|---|---|\n";
    for (int radius : Radii) {
        const double fall = displacement(radius, 0);
        // The slider settings around the balance of the smallest charge the supply can hold at
        // which the drop moves less than a pixel in ten seconds. A drop with n charges balances
        // at 1/n of the voltage over a window 1/n as wide, so δU/U holds for every charge.
        int charges = 1;
        while (balanceVoltage(radius, charges) > 50.0)
            ++charges;
        int still = 0;
        for (int32_t setting = 1; setting <= FullScale; ++setting)
            if (std::fabs(displacement(radius, -charges, setting, +1)) * StillSteps < 1.0)
                ++still;
        const double volts = balanceVoltage(radius, charges);
        const double voltageError = still / 200.0 / volts;
        std::cout << "| " << micrometres(radius) << " | " << fixed(still / 100.0, 2) << " V around "
                  << fixed(volts, 2) << " V (" << charges << " e): ±"
                  << fixed(voltageError * 100, 1) << " %";
        for (int divisions : {1, 5}) {
            const double t = exactSeconds(fall, divisions);
            const double relative = 1.5 * ReadingError / t + voltageError;
            // Charges n and n + 1 blur together once n times the uncertainty reaches half a charge.
            const int blurred = static_cast<int>(std::ceil(0.5 / relative));
            std::cout << " | " << fixed(t, 2) << " s | ±" << fixed(relative * 100, 1) << " % | "
                      << (blurred > LargestCharge ? "none (from " + std::to_string(blurred) + " e)"
                                                  : "from " + std::to_string(blurred) + " e");
        }
        std::cout << " |\n";
    }
    endBlock();
}

} // namespace

int main(int argc, char **argv)
{
    const std::string pictures = argc > 1 ? argv[1] : "";
    const std::vector<Measured> classroom = measureClass(1909, 2);
    const std::vector<Measured> manyGroups = measureClass(1913, 8);
    constantsTable("constants");
    constantsTable("worksheet-constants", false);
    pictureScale();
    fallingTable();
    balanceTable();
    modelStepTable();
    classTable(classroom);
    manyDrops(manyGroups, pictures);
    uncertaintyTable();
    sameRadiusTable();
    sameChargeTable("same-positive-charge", fixedmode::PositiveCharge);
    sameChargeTable("same-negative-charge", fixedmode::NegativeCharge);
    fallingAtFiftyVolts();
    return 0;
}
