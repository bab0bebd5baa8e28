// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours the pictures are drawn in, as the tests read them back pixel by pixel.
#pragma once

#include <QRgb>

namespace korvane::colours {
constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Orange = 0xffff8000; // red 255, green 128, blue 0: the thread
constexpr QRgb Red = 0xffff0000; // the polarity signs
} // namespace korvane::colours
