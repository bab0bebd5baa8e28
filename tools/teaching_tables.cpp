// The figures of the teacher's guide (doc/teaching.md): what students should measure with each
// radius and charge, and what a class finds. Every figure comes from running the model's own
// step on drops placed between the plates, and the class's charges from the model's own
// estimate, so that the guide cannot drift from the program. Prints the guide's generated blocks
// in Markdown, in the guide's order; tools/teaching-tables checks them against the guide or writes
// them into it.
#include "apparatus_state.h"
#include "charge_estimate.h"
#include "control_panel.h"
#include "drops.h"
#include "random_source.h"
#include "step.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <locale>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

constexpr int Radii[] = {4, 6, 8, 10};
/// A scale division [px]: 0.1 mm, as the scale draws it.
constexpr int Division = constants::PlateGap / 10;
/// The middle scale line (0.5 mm), where every mode but Variable puts new drops [px].
constexpr int MiddleLine = constants::PlateTop + constants::PlateGap / 2;
/// Full scale of the slider, in hundredths of a volt.
constexpr int32_t FullScale = 5000;
/// Longest timing the tables report: ten minutes of simulated time.
constexpr int LongestTiming = 6000;

std::string fixed(long double value, int decimals)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

std::string micrometres(int radius)
{
    return fixed(radius / 10.0L, 1) + " µm";
}

/// The apparatus as the program starts it, with one drop of the given radius and charge whose
/// top edge lies exactly on the scale line at y, and the supply at the given setting and
/// polarity (a setting of 0 leaves the supply off).
ApparatusState oneDrop(int radius, int charge, int y, int32_t setting = 0, int polarity = +1)
{
    ApparatusState state;
    initialiseApparatus(state);
    Drop &drop = state.slot(1);
    drop.X = 100;
    drop.Y = y;
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
long double displacement(int radius, int charge, int32_t setting = 0, int polarity = +1)
{
    ApparatusState state = oneDrop(radius, charge, MiddleLine, setting, polarity);
    step(state);
    return static_cast<long double>(state.exactY(1)) - MiddleLine;
}

/// What the stopwatch reads, in tenths, when a student starts it as the drop's drawn top edge
/// leaves a scale line and stops it as the edge reaches the line `divisions` further on, in the
/// drop's direction of motion; nothing if the drop takes longer than ten minutes or touches a
/// plate first.
std::optional<int32_t> stopwatchReading(int radius, int charge, int divisions, int32_t setting = 0,
                                        int polarity = +1)
{
    const bool falls = displacement(radius, charge, setting, polarity) > 0;
    const int start = falls ? constants::PlateTop + 2 * Division : MiddleLine + 4 * Division;
    const int finish = falls ? start + divisions * Division : start - divisions * Division;
    ApparatusState state = oneDrop(radius, charge, start, setting, polarity);
    toggleStopwatch(state);
    while (state.StopwatchTenths < LongestTiming) {
        step(state);
        const Drop &drop = state.slot(1);
        if (drop.Gone != 0)
            return std::nullopt;
        if (falls ? drop.Y >= finish : drop.Y <= finish)
            return state.StopwatchTenths;
    }
    return std::nullopt;
}

std::string readingText(std::optional<int32_t> tenths)
{
    if (!tenths)
        return "over 10 min";
    return stopwatchText(*tenths);
}

/// Seconds the drop takes over `divisions` at its exact speed.
std::string exactTime(long double pixelsPerStep, int divisions)
{
    return fixed(divisions * Division / std::fabs(pixelsPerStep) / constants::StepsPerSecond, 2) +
        " s";
}

/// The extra displacement per step [px] that one elementary charge opposing gravity gets at 50 V.
long double pushPerCharge(int radius)
{
    return displacement(radius, 0) - displacement(radius, -1, FullScale, +1);
}

/// Voltage [V] at which the electric push on `charges` elementary charges equals the fall.
long double balanceVoltage(int radius, int charges)
{
    return 50.0L * displacement(radius, 0) / (charges * pushPerCharge(radius));
}

std::string voltageCell(long double volts)
{
    const std::string text = fixed(volts, 2) + " V";
    return volts > 50.0L ? text + ", out of reach" : text;
}

void beginBlock(const char *name)
{
    std::cout << "<!-- tables: " << name
              << "; generated by tools/teaching_tables, do not edit -->\n";
}

void endBlock()
{
    std::cout << "<!-- end of tables -->\n";
}

void fallingTable()
{
    beginBlock("falling");
    std::cout << "| Radius | Moves per 0.1 s | Speed of fall | One division (0.1 mm) takes | "
                 "The stopwatch shows |\n"
                 "|---|---|---|---|---|\n";
    for (int radius : Radii) {
        const long double fall = displacement(radius, 0);
        std::cout << "| " << micrometres(radius) << " (" << radius << "e-7 m) | " << fixed(fall, 5)
                  << " px | "
                  << fixed(fall * constants::StepsPerSecond * 1000.0L / (constants::PlateGap - 1),
                           2)
                  << " µm/s | " << exactTime(fall, 1) << " | "
                  << readingText(stopwatchReading(radius, 0, 1)) << " |\n";
    }
    endBlock();
}

void balanceTable()
{
    beginBlock("balance");
    std::cout
        << "| Radius | Push of one charge at 50 V, per 0.1 s | 1 e | 2 e | 3 e | 4 e | 5 e |\n"
           "|---|---|---|---|---|---|---|\n";
    for (int radius : Radii) {
        std::cout << "| " << micrometres(radius) << " | " << fixed(pushPerCharge(radius), 5)
                  << " px |";
        for (int charges = 1; charges <= 5; ++charges)
            std::cout << ' ' << voltageCell(balanceVoltage(radius, charges)) << " |";
        std::cout << '\n';
    }
    endBlock();
}

/// Same Radius: 0.4 µm drops with 1 to 15 charges of either sign.
void sameRadiusTable()
{
    constexpr int radius = fixedmode::Radius;
    beginBlock("same-radius");
    std::cout << "| Charges (either sign) | Balance voltage | At 50 V it rises one division in | "
                 "The stopwatch shows |\n"
                 "|---|---|---|---|\n";
    for (int charges = 1; charges <= 15; ++charges) {
        // A negative drop opposes gravity with the upper plate positive, as the program starts.
        const long double moves = displacement(radius, -charges, FullScale, +1);
        std::cout << "| " << charges << " | " << voltageCell(balanceVoltage(radius, charges))
                  << " | " << exactTime(moves, 1) << " | "
                  << readingText(stopwatchReading(radius, -charges, 1, FullScale, +1)) << " |\n";
    }
    endBlock();
}

/// The fixed-charge modes: every radius with the mode's charge, the polarity set so that the
/// field holds the drop up.
void sameChargeTable(const char *name, int charge)
{
    const int polarity = charge > 0 ? -1 : +1;
    beginBlock(name);
    std::cout << "| Radius | Supply off: the stopwatch over one division | Balance voltage | "
                 "At 50 V the drop | over one division, the stopwatch shows |\n"
                 "|---|---|---|---|---|\n";
    for (int radius : Radii) {
        const long double moves = displacement(radius, charge, FullScale, polarity);
        std::cout << "| " << micrometres(radius) << " | "
                  << readingText(stopwatchReading(radius, 0, 1)) << " | "
                  << voltageCell(balanceVoltage(radius, std::abs(charge))) << " | "
                  << (moves < 0 ? "rises " : "falls ") << fixed(std::fabs(moves), 5)
                  << " px per 0.1 s | "
                  << readingText(stopwatchReading(radius, charge, 1, FullScale, polarity))
                  << " |\n";
    }
    endBlock();
}

/// A fixed sequence for the class's drops, the same on every machine and standard library: the
/// engine's output is fixed by the standard, where a distribution's is not.
class ClassroomDice : public RandomSource {
public:
    int32_t R(int32_t n) override
    {
        return static_cast<int32_t>(m_engine() % static_cast<uint64_t>(n));
    }

private:
    std::mt19937_64 m_engine {1909};
};

/// Variable mode: two sprays of oil, each drop timed over five divisions with the supply off,
/// then held at the slider's nearest setting, and its charge worked out by the program's estimate.
void classTable()
{
    constexpr int divisions = 5;
    ApparatusState sprayed;
    initialiseApparatus(sprayed);
    ClassroomDice dice;
    addOil(sprayed, DropMode::Variable, dice);
    addOil(sprayed, DropMode::Variable, dice);

    beginBlock("class");
    std::cout << "| Drop | Radius | Fall over 0.5 mm, the stopwatch shows | Flip Voltage | "
                 "Balance at | Charge found | in e | Nearest whole number | The drop carries |\n"
                 "|---|---|---|---|---|---|---|---|---|\n";
    std::vector<long double> found;
    long double worst = 0;
    int misread = 0;
    for (int n = 1; n <= sprayed.DropCount; ++n) {
        const Drop &drop = sprayed.slot(n);
        const std::optional<int32_t> fall = stopwatchReading(drop.Radius, 0, divisions);
        std::cout << "| " << n << " | " << micrometres(drop.Radius) << " | " << readingText(fall)
                  << " | ";
        if (drop.Charge == 0) {
            std::cout << "— | no charge: the field does not move it | | | | 0 |\n";
            continue;
        }
        const int charges = std::abs(drop.Charge);
        const long double volts = balanceVoltage(drop.Radius, charges);
        std::cout << (drop.Charge > 0 ? "on" : "off") << " | ";
        if (volts > 50.0L || !fall) {
            std::cout << "not even at 50 V | | | | " << drop.Charge << " |\n";
            continue;
        }
        ApparatusState held = sprayed;
        held.VoltageSetting = static_cast<int32_t>(std::lround(volts * 100.0L));
        const std::string seconds = std::to_string(*fall / 10) + '.' + std::to_string(*fall % 10);
        const long double estimate = *estimateCharge(held, seconds, "0.0005", ".");
        const long double whole = std::round(estimate);
        found.push_back(estimate);
        worst = std::max(worst, std::fabs(estimate - whole));
        if (whole != charges)
            ++misread;
        std::cout << voltageText(held.VoltageSetting, ".") << " | "
                  << fixed(estimate * constants::ElementaryCharge * 1e19L, 2) << "e-19 C | "
                  << fixed(estimate, 2) << " | " << fixed(whole, 0) << " | " << drop.Charge
                  << " |\n";
    }
    std::sort(found.begin(), found.end());
    std::cout << "\nSorted, the " << found.size() << " charges found are:";
    for (std::size_t i = 0; i < found.size(); ++i)
        std::cout << (i == 0 ? " " : ", ") << fixed(found[i], 2);
    std::cout << " (in units of 1.602e-19 C). None lies further than " << fixed(worst, 2)
              << " from a whole number";
    if (misread == 0)
        std::cout << ", and every nearest whole number is the charge the drop carries.\n";
    else
        std::cout << "; " << misread << " of them round to the wrong whole number.\n";
    endBlock();
}

} // namespace

int main()
{
    fallingTable();
    balanceTable();
    classTable();
    sameRadiusTable();
    sameChargeTable("same-positive-charge", fixedmode::PositiveCharge);
    sameChargeTable("same-negative-charge", fixedmode::NegativeCharge);
    return 0;
}
