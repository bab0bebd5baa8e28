// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Spraying oil into the apparatus ten drops at a time, and emptying it again. The drop mode
// decides which of a new drop's fields are random and which are held fixed.
#pragma once

#include "apparatus_state.h"
#include "random_source.h"

namespace korvane {

/// The four drop modes of the Options menu; the mode is read only when drops are injected.
enum class DropMode {
    Variable, ///< height, charge and radius all random
    SameRadius, ///< every new drop has Radius 4, on the middle line
    SamePositiveCharge, ///< every new drop carries +6 charges, on the middle line
    SameNegativeCharge, ///< every new drop carries -4 charges, on the middle line
};

/// What the fixed modes give every new drop.
namespace fixedmode {
constexpr int32_t Radius = 4; ///< Same Radius [1e-7 m]
constexpr int32_t PositiveCharge = 6; ///< Same +ve Charge [elementary charges]
constexpr int32_t NegativeCharge = -4; ///< Same -ve Charge [elementary charges]
} // namespace fixedmode

/// Add Oil: ten new drops in the ten slots after the last one in use, each drawing its fields
/// in the order X, Y, Charge, Radius (a field the mode fixes draws nothing). Does nothing and
/// returns false when more than 90 drops are in use; otherwise returns true, and the caller
/// redraws. Disables Add Oil when the table becomes full. pictureWidth must be at least 81.
bool addOil(ApparatusState &state, DropMode mode, RandomSource &random,
            int pictureWidth = constants::PictureWidth);

/// Clean Up: empties the table and enables Add Oil. The slots keep their old values, out of
/// use; nothing is redrawn here.
void cleanUp(ApparatusState &state);

} // namespace korvane
