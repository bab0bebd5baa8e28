// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Following one drop by ear: the drop under the zoom box, or the one nearest to it, read off the
// scale as a student would read it by eye (how deep between the plates, between which lines,
// which way it drifts), and the moments when it crosses a scale line, which are what a student
// times. Standard C++ only.
#pragma once

#include "apparatus_state.h"

#include <cstdint>
#include <optional>

namespace korvane {

/// Which way a drop drifts at the present field.
enum class Drift {
    Falling,
    Rising,
    Hanging, ///< slower than one scale division in five minutes
};

/// The followed drop, as the scale shows it.
struct DropReading {
    double divisions = 0; ///< depth of its centre below the upper plate, in 0.1 mm divisions
    int linesAbove = 0; ///< how many of the scale lines 0.1..0.9 lie above its centre (0..9)
    Drift drift = Drift::Hanging;
    double pixelsPerStep = 0; ///< its drift at the present field, positive downward
};

/// Which plate a drop reached.
enum class Plate { None, Upper, Lower };

/// What one look after a redraw found.
struct DropLook {
    std::optional<DropReading> reading; ///< the followed drop, if any drop floats
    bool anotherDrop = false; ///< a drop other than at the last look is followed now
    bool lost = false; ///< the drop followed at the last look has reached a plate
    Plate reached = Plate::None; ///< which plate the lost drop was nearer to
    int crossedLine = 0; ///< 1..9: the line it has just crossed; else 0
};

/// Follows one drop from look to look. The drop is chosen afresh when the zoom box moves, when
/// the followed one reaches a plate, or by follow(); otherwise it is the same drop, even once it
/// has drifted out of the box.
class DropWatch {
public:
    /// Looks at the drops after a redraw; (boxX, boxY) is the zoom box's centre in picture
    /// pixels. A crossing is reported once, at the look that first sees the drop past the line;
    /// a drop that passes two lines between two looks reports the last.
    DropLook look(const ApparatusState &state, int boxX, int boxY);

    /// The followed drop as it is now, at the present field (which may have changed since the
    /// last look, while the screen is frozen); nullopt if it is no longer there.
    std::optional<DropReading> reading(const ApparatusState &state) const;

    /// Follows the drop in that slot from now on, the zoom box having moved to (boxX, boxY).
    void follow(const ApparatusState &state, int slotNumber, int boxX, int boxY);

    /// The slot of the floating drop next to the followed one from left to right (direction +1)
    /// or from right to left (-1), going round at the ends; the nearest to the box if none is
    /// followed; nullopt if no drop floats.
    std::optional<int> neighbour(const ApparatusState &state, int direction, int boxX,
                                 int boxY) const;

    /// Forgets the followed drop: the next look chooses afresh.
    void forget() { m_followed.reset(); }

private:
    struct Followed {
        int32_t x = 0;
        int32_t radius = 0;
        int32_t charge = 0;
        double exactY = 0;
        int linesAbove = 0;
    };
    std::optional<int> findFollowed(const ApparatusState &state) const;
    void remember(const ApparatusState &state, int slotNumber);

    std::optional<Followed> m_followed;
    int m_boxX = -1;
    int m_boxY = -1;
};

/// How many of the scale lines 0.1..0.9 lie at or above the centre of a drop drawn at row y.
int scaleLinesAbove(const ApparatusState &state, const Drop &drop);

} // namespace korvane
