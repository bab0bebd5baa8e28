// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of the windows' layout, in one place.
#pragma once

#include <QColor>

namespace korvane::layout {

inline const QColor Cream(254, 253, 199); ///< the main window's backing panel, the About box
inline const QColor Khaki(169, 150, 109); ///< the control panel and both dialogs
inline const QColor Navy(0, 0, 128); ///< the frame of the apparatus view
inline const QColor Silver(192, 192, 192); ///< the voltage while the supply is off

} // namespace korvane::layout
