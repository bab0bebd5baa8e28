// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulated apparatus at one moment: capacitor geometry, physical constants, the drop table,
// the supply and the stopwatch. Plain data, read and written by the operations of this folder
// and by the main window's handlers. Standard C++ only.
#pragma once

#include "extended.h"

#include <array>
#include <cstdint>

namespace korvane {

/// Number of slots in the drop table.
constexpr int TableCapacity = 100;

/// One oil drop. Positions are whole pixels of the apparatus picture, y growing downward.
struct Drop {
    int32_t X = 0; ///< left edge of the drop's bounding box [px]; fixed at injection
    int32_t Y = 0; ///< top edge of the bounding box [px]; ExactY truncated toward zero
    int32_t Charge = 0; ///< signed number of elementary charges, -15..10
    int32_t Radius = 0; ///< radius in units of 1e-7 m: 4, 6, 8 or 10
    int32_t Gone = 0; ///< 0 while floating, 1 once it has touched a plate
};

/// A drop's size on screen [px]: the side of the box its ellipse is drawn in, and how far its
/// lower edge lies below Y, which the lower plate must not pass.
inline int32_t dropSize(const Drop &drop)
{
    return drop.Radius / 5 + 3;
}

/// The drop table numbers its slots 1 to 100, as the teachers' material does; slot n is held at
/// array index n - 1. Use slot() and exactY() to address a slot by its number.
using DropArray = std::array<Drop, TableCapacity>;
using ExactYArray = std::array<double, TableCapacity>;

struct ApparatusState {
    // Geometry and constants, set once at creation and never changed.
    int32_t PlateTop = 0; ///< y of the upper plate [px]
    int32_t PlateGap = 0; ///< pixels from the upper to the lower plate
    double PlateSeparation = 0.0; ///< physical distance between the plates [m]
    double AirDensity = 0.0; ///< [kg/m^3]
    double OilDensity = 0.0; ///< [kg/m^3]
    double AirViscosity = 0.0; ///< [N s/m^2]

    // The drops: slots 1..DropCount are in use, the rest hold stale values nothing reads.
    DropArray DropTable {};
    ExactYArray ExactY {}; ///< exact vertical position [px] of the drop in the same slot
    int32_t DropCount = 0;

    // The supply.
    int32_t Polarity = 0; ///< +1: upper plate positive, -1: lower plate positive
    int32_t VoltageOn = 0; ///< 1 while the supply is switched on, else 0
    int32_t VoltageSetting = 0; ///< slider position, hundredths of a volt, 0..5000

    // The stopwatch.
    bool StopwatchRunning = false;
    int32_t StopwatchTenths = 0; ///< count in tenths of a second of simulated time

    // The view's pointer state.
    int32_t ThreadX = 0; ///< x of the vertical reference thread [px]
    bool ZoomDragging = false;

    /// Whether "Add Oil" may be clicked; the button mirrors this.
    bool AddOilEnabled = true;

    Drop &slot(int number) { return DropTable[static_cast<std::size_t>(number - 1)]; }
    const Drop &slot(int number) const { return DropTable[static_cast<std::size_t>(number - 1)]; }
    double &exactY(int number) { return ExactY[static_cast<std::size_t>(number - 1)]; }
    double exactY(int number) const { return ExactY[static_cast<std::size_t>(number - 1)]; }
};

/// Physical constants and fixed sizes, with their units.
namespace constants {
constexpr int32_t PlateTop = 15; ///< [px]
constexpr int32_t PlateGap = 301; ///< [px]; the physics uses PlateGap - 1 = 300 px per mm
constexpr double PlateSeparation = 0.001; ///< [m]
constexpr double AirDensity = 1.25; ///< [kg/m^3]
constexpr double OilDensity = 857.0; ///< [kg/m^3]
constexpr double AirViscosity = 1.8e-5; ///< [N s/m^2]

// The formulas' literal constants, each the 80-bit number nearest to the decimal value.
inline constexpr Extended Gravity = Extended::fromBits(0x4002, 0x9ccccccccccccccd); ///< 9.8 [m/s^2]
/// 2 g = 19.6 [m/s^2], as the radius formula writes it
inline constexpr Extended TwiceGravity = Extended::fromBits(0x4003, 0x9ccccccccccccccd);
/// 1.602e-19 [C]
inline constexpr Extended ElementaryCharge = Extended::fromBits(0x3fc0, 0xbd217aa4b23fd8b6);
/// 1e-7 [m] per unit of Drop::Radius
inline constexpr Extended RadiusUnit = Extended::fromBits(0x3fe7, 0xd6bf94d5e57a42bc);
/// 4/3 pi = 4.18879020478639098461...
inline constexpr Extended SphereVolumeFactor = Extended::fromBits(0x4001, 0x860a91c16b9b2c23);
/// 6 pi = 18.8495559215387594307...
inline constexpr Extended StokesDragFactor = Extended::fromBits(0x4003, 0x96cbe3f9990e91a8);
constexpr int StepsPerSecond = 10; ///< one step stands for 0.1 s

constexpr int PictureWidth = 765; ///< apparatus picture [px]
constexpr int PictureHeight = 336; ///< apparatus picture [px]
} // namespace constants

/// How many drops in use are still floating between the plates.
int floatingDrops(const ApparatusState &state);

/// The model's part of the main window's creation: geometry, constants, an empty table, the
/// supply at +1 and the stopwatch stopped. Fields that start at zero are left as they are.
void initialiseApparatus(ApparatusState &state);

} // namespace korvane
