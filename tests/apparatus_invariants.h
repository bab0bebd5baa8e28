// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules the drop table and the stopwatch keep through any sequence of actions, checked from
// outside: each function compares the state before and after one event and returns what went
// wrong, or an empty text. Shared by the event storm on the window and the long model run.
#pragma once

#include "apparatus_state.h"

#include <cmath>
#include <string>
#include <vector>

namespace korvane::invariants {

/// What the checks remember of the state between two events.
struct Snapshot {
    int32_t DropCount = 0;
    DropArray DropTable {};
    ExactYArray ExactY {};
    bool StopwatchRunning = false;
    int32_t StopwatchTenths = 0;
    bool AddOilEnabled = true;

    static Snapshot of(const ApparatusState &state)
    {
        return {state.DropCount,        state.DropTable,       state.ExactY,
                state.StopwatchRunning, state.StopwatchTenths, state.AddOilEnabled};
    }
};

inline std::string slotText(int n)
{
    return "slot " + std::to_string(n) + ": ";
}

inline bool sameDrop(const Drop &a, double aY, const Drop &b, double bY)
{
    return a.X == b.X && a.Y == b.Y && a.Charge == b.Charge && a.Radius == b.Radius &&
        a.Gone == b.Gone && aY == bY;
}

/// The drop has not changed its identity: the fields fixed at injection.
inline bool sameIdentity(const Drop &a, const Drop &b)
{
    return a.X == b.X && a.Charge == b.Charge && a.Radius == b.Radius;
}

/// Rules that hold at any moment: the count's range, Y as the truncated ExactY, the fields of a
/// drop within their ranges, and every floating drop between its contact limits.
inline std::string checkTable(const ApparatusState &state)
{
    if (state.DropCount < 0 || state.DropCount > TableCapacity)
        return "DropCount " + std::to_string(state.DropCount) + " out of 0..100";
    for (int n = 1; n <= state.DropCount; ++n) {
        const Drop &drop = state.slot(n);
        const double exact = state.exactY(n);
        if (!std::isfinite(exact) || drop.Y != static_cast<int32_t>(std::trunc(exact)))
            return slotText(n) + "Y " + std::to_string(drop.Y) + " is not ExactY " +
                std::to_string(exact) + " truncated";
        if (drop.Gone != 0 && drop.Gone != 1)
            return slotText(n) + "Gone " + std::to_string(drop.Gone);
        if (drop.Radius != 4 && drop.Radius != 6 && drop.Radius != 8 && drop.Radius != 10)
            return slotText(n) + "Radius " + std::to_string(drop.Radius);
        if (drop.Charge < -15 || drop.Charge > 10)
            return slotText(n) + "Charge " + std::to_string(drop.Charge);
        if (drop.X < 30 || drop.X > constants::PictureWidth - 51)
            return slotText(n) + "X " + std::to_string(drop.X);
        const int lowest = state.PlateTop + state.PlateGap - dropSize(drop);
        if (drop.Gone == 0 && (drop.Y < state.PlateTop || drop.Y > lowest))
            return slotText(n) + "floating at Y " + std::to_string(drop.Y) + " beyond 15.." +
                std::to_string(lowest);
    }
    return {};
}

/// One step: retired drops stay where they were (they may only trade slots), floating drops
/// keep their order, at most one retired drop leaves from the end, the stopwatch counts one
/// tenth while it runs, and Add Oil comes back once fewer than 90 drops remain.
inline std::string checkStep(const Snapshot &before, const ApparatusState &after)
{
    if (after.DropCount != before.DropCount && after.DropCount != before.DropCount - 1)
        return "a step took DropCount from " + std::to_string(before.DropCount) + " to " +
            std::to_string(after.DropCount);
    const int removed = before.DropCount - after.DropCount;

    // Retired drops of before, each found again unchanged in after, unless it left the table.
    std::vector<bool> matchedAfter(static_cast<std::size_t>(after.DropCount) + 1, false);
    int lostRetired = 0;
    for (int n = 1; n <= before.DropCount; ++n) {
        const Drop &old = before.DropTable[static_cast<std::size_t>(n - 1)];
        const double oldY = before.ExactY[static_cast<std::size_t>(n - 1)];
        if (old.Gone == 0)
            continue;
        bool found = false;
        for (int m = 1; m <= after.DropCount && !found; ++m) {
            if (!matchedAfter[static_cast<std::size_t>(m)] &&
                sameDrop(old, oldY, after.slot(m), after.exactY(m))) {
                matchedAfter[static_cast<std::size_t>(m)] = true;
                found = true;
            }
        }
        if (!found)
            ++lostRetired;
    }

    // The other drops of after are the floating drops of before: those still floating keep
    // their order, those that retired in this step touched a plate, and if one of those left
    // the table it is the one drop that left.
    std::vector<const Drop *> floatingBefore;
    for (int n = 1; n <= before.DropCount; ++n) {
        if (before.DropTable[static_cast<std::size_t>(n - 1)].Gone == 0)
            floatingBefore.push_back(&before.DropTable[static_cast<std::size_t>(n - 1)]);
    }
    if (lostRetired > removed)
        return std::to_string(lostRetired) + " retired drop(s) moved or vanished, " +
            std::to_string(removed) + " left the table";
    std::vector<bool> stillFloating(floatingBefore.size(), false);
    std::size_t next = 0;
    std::vector<const Drop *> newlyRetired;
    for (int m = 1; m <= after.DropCount; ++m) {
        if (matchedAfter[static_cast<std::size_t>(m)])
            continue;
        const Drop &drop = after.slot(m);
        if (drop.Gone != 0) {
            const int lowest = after.PlateTop + after.PlateGap - dropSize(drop);
            if (drop.Y >= after.PlateTop && drop.Y <= lowest)
                return slotText(m) + "retired at Y " + std::to_string(drop.Y) +
                    " without touching a plate";
            newlyRetired.push_back(&drop);
            continue;
        }
        while (next < floatingBefore.size() && !sameIdentity(*floatingBefore[next], drop))
            ++next;
        if (next == floatingBefore.size())
            return slotText(m) + "a floating drop lost its place in the order";
        stillFloating[next++] = true;
    }
    // Those of before that no longer float retired in this step: each is found among the newly
    // retired, but for the one that may have left the table.
    for (std::size_t k = 0; k < floatingBefore.size(); ++k) {
        if (stillFloating[k])
            continue;
        bool found = false;
        for (const Drop *&drop : newlyRetired) {
            if (drop && sameIdentity(*drop, *floatingBefore[k])) {
                drop = nullptr;
                found = true;
                break;
            }
        }
        if (!found)
            ++lostRetired; // it retired and left in the same step
    }
    for (const Drop *drop : newlyRetired) {
        if (drop)
            return "a retired drop appeared that was not floating before";
    }
    if (lostRetired != removed)
        return std::to_string(removed) + " drop(s) left the table, but " +
            std::to_string(lostRetired) + " are missing";

    const int32_t tenths = before.StopwatchTenths + (before.StopwatchRunning ? 1 : 0);
    if (after.StopwatchTenths != tenths || after.StopwatchRunning != before.StopwatchRunning)
        return "the stopwatch went from " + std::to_string(before.StopwatchTenths) + " to " +
            std::to_string(after.StopwatchTenths);
    const bool addOil = before.AddOilEnabled || after.DropCount < 90;
    if (after.AddOilEnabled != addOil)
        return std::string("after a step ending with ") + std::to_string(after.DropCount) +
            " drops Add Oil is " + (after.AddOilEnabled ? "enabled" : "disabled");
    return {};
}

/// Where Add Oil stands after an action of the user's, by its rule: Clean Up enables it, an
/// injection that fills the table disables it, nothing else changes it.
inline bool addOilAfterUserAction(const Snapshot &before, const ApparatusState &after)
{
    if (after.DropCount == 0)
        return true;
    if (after.DropCount == TableCapacity && before.DropCount == TableCapacity - 10)
        return false;
    return before.AddOilEnabled;
}

/// An action of the user's leaves the drops in use as they were: it empties the table (Clean
/// Up), adds ten new drops after them (Add Oil), or touches none of them.
inline std::string checkUserAction(const Snapshot &before, const ApparatusState &after)
{
    if (after.DropCount == 0)
        return {};
    if (after.DropCount != before.DropCount && after.DropCount != before.DropCount + 10)
        return "an action took DropCount from " + std::to_string(before.DropCount) + " to " +
            std::to_string(after.DropCount);
    for (int n = 1; n <= before.DropCount; ++n) {
        const std::size_t i = static_cast<std::size_t>(n - 1);
        if (!sameDrop(before.DropTable[i], before.ExactY[i], after.slot(n), after.exactY(n)))
            return slotText(n) + "changed by an action that is not a step";
    }
    for (int n = before.DropCount + 1; n <= after.DropCount; ++n) {
        const Drop &drop = after.slot(n);
        if (drop.Gone != 0 || after.exactY(n) != drop.Y)
            return slotText(n) + "a new drop is not floating at its exact row";
        if (drop.Y < 30 || drop.Y > 300)
            return slotText(n) + "a new drop starts at Y " + std::to_string(drop.Y);
    }
    return {};
}

} // namespace korvane::invariants
