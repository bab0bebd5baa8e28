// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drop_watch.h"

#include "step.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace korvane {

namespace {

constexpr int ScaleLines = 9;
/// A drop that moves less than this per step takes over five minutes for a division of 30 px:
/// it hangs, for anyone timing it.
constexpr Extended HangingBelow = Extended::fromBits(0x3ff8, 0xa3d70a3d70a3d70a); // 0.01

int lineSpacing(const ApparatusState &state)
{
    return state.PlateGap / 10;
}

// Twice the drop's centre, so that odd sizes stay whole.
int32_t doubledCentreX(const Drop &drop)
{
    return 2 * drop.X + dropSize(drop);
}
int32_t doubledCentreY(const Drop &drop)
{
    return 2 * drop.Y + dropSize(drop);
}

long long squaredDistance(const Drop &drop, int x, int y)
{
    const long long dx = doubledCentreX(drop) - 2LL * x;
    const long long dy = doubledCentreY(drop) - 2LL * y;
    return dx * dx + dy * dy;
}

bool inUse(const ApparatusState &state, int slotNumber)
{
    return slotNumber >= 1 && slotNumber <= std::clamp(state.DropCount, 0, TableCapacity) &&
        state.slot(slotNumber).Gone == 0;
}

std::optional<int> nearest(const ApparatusState &state, int x, int y)
{
    std::optional<int> best;
    long long bestDistance = 0;
    for (int n = 1; n <= std::clamp(state.DropCount, 0, TableCapacity); ++n) {
        if (!inUse(state, n))
            continue;
        const long long distance = squaredDistance(state.slot(n), x, y);
        if (!best || distance < bestDistance) {
            best = n;
            bestDistance = distance;
        }
    }
    return best;
}

DropReading readingOf(const ApparatusState &state, int slotNumber)
{
    const Drop &drop = state.slot(slotNumber);
    DropReading reading;
    const double centre = state.exactY(slotNumber) + dropSize(drop) / 2.0;
    reading.divisions = (centre - state.PlateTop) / lineSpacing(state);
    reading.linesAbove = scaleLinesAbove(state, drop);
    const Extended drift = driftPerStep(state, drop);
    reading.pixelsPerStep = drift.toDouble();
    if (drift.magnitude() < HangingBelow)
        reading.drift = Drift::Hanging;
    else
        reading.drift = drift > 0 ? Drift::Falling : Drift::Rising;
    return reading;
}

} // namespace

int scaleLinesAbove(const ApparatusState &state, const Drop &drop)
{
    int above = 0;
    for (int n = 1; n <= ScaleLines; ++n)
        above += 2 * (state.PlateTop + n * lineSpacing(state)) <= doubledCentreY(drop);
    return above;
}

void DropWatch::remember(const ApparatusState &state, int slotNumber)
{
    const Drop &drop = state.slot(slotNumber);
    m_followed = Followed {drop.X, drop.Radius, drop.Charge, state.exactY(slotNumber),
                           scaleLinesAbove(state, drop)};
}

// The followed drop keeps its X, radius and charge while slots change places; of several alike,
// the one nearest to where it was, within a division.
std::optional<int> DropWatch::findFollowed(const ApparatusState &state) const
{
    if (!m_followed)
        return std::nullopt;
    std::optional<int> found;
    double closest = lineSpacing(state);
    for (int n = 1; n <= std::clamp(state.DropCount, 0, TableCapacity); ++n) {
        const Drop &drop = state.slot(n);
        if (!inUse(state, n) || drop.X != m_followed->x || drop.Radius != m_followed->radius ||
            drop.Charge != m_followed->charge)
            continue;
        const double distance = std::fabs(state.exactY(n) - m_followed->exactY);
        if (distance <= closest) {
            found = n;
            closest = distance;
        }
    }
    return found;
}

DropLook DropWatch::look(const ApparatusState &state, int boxX, int boxY)
{
    DropLook look;
    const bool boxMoved = boxX != m_boxX || boxY != m_boxY;
    m_boxX = boxX;
    m_boxY = boxY;
    std::optional<int> followed = boxMoved ? std::nullopt : findFollowed(state);
    if (!followed) {
        look.lost = !boxMoved && m_followed.has_value();
        if (look.lost) {
            const double middle = state.PlateTop + state.PlateGap / 2.0;
            look.reached = m_followed->exactY < middle ? Plate::Upper : Plate::Lower;
        }
        followed = nearest(state, boxX, boxY);
        look.anotherDrop = followed.has_value();
        if (!followed) {
            m_followed.reset();
            return look;
        }
        remember(state, *followed);
    }
    look.reading = readingOf(state, *followed);
    const int before = m_followed->linesAbove;
    const int now = look.reading->linesAbove;
    if (!look.anotherDrop && now != before) {
        // Falling past line n raises the count to n; rising past it lowers the count below n.
        look.crossedLine = now > before ? now : now + 1;
    }
    remember(state, *followed);
    return look;
}

std::optional<DropReading> DropWatch::reading(const ApparatusState &state) const
{
    const std::optional<int> followed = findFollowed(state);
    if (!followed)
        return std::nullopt;
    return readingOf(state, *followed);
}

void DropWatch::follow(const ApparatusState &state, int slotNumber, int boxX, int boxY)
{
    if (!inUse(state, slotNumber))
        return;
    remember(state, slotNumber);
    m_boxX = boxX;
    m_boxY = boxY;
}

std::optional<int> DropWatch::neighbour(const ApparatusState &state, int direction, int boxX,
                                        int boxY) const
{
    std::vector<int> floating;
    for (int n = 1; n <= std::clamp(state.DropCount, 0, TableCapacity); ++n) {
        if (inUse(state, n))
            floating.push_back(n);
    }
    if (floating.empty())
        return std::nullopt;
    // Left to right, and top to bottom where two stand one above the other.
    std::sort(floating.begin(), floating.end(), [&state](int a, int b) {
        const Drop &first = state.slot(a);
        const Drop &second = state.slot(b);
        if (first.X != second.X)
            return first.X < second.X;
        return state.exactY(a) < state.exactY(b);
    });
    const std::optional<int> current = findFollowed(state);
    const std::optional<int> from = current ? current : nearest(state, boxX, boxY);
    const auto at = std::find(floating.begin(), floating.end(), *from);
    const auto count = static_cast<long>(floating.size());
    const long index = ((at - floating.begin()) + (direction < 0 ? -1 : 1) + count) % count;
    return floating[static_cast<std::size_t>(index)];
}

} // namespace korvane
