// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours the windows' layout names for its panels and labels. Other colours belong to what
// draws them: the bevels' light and shade to bevel_panel.cpp, the controls' palette to
// classic_look.cpp, the About box's emblem to about_box.cpp, the pictures to view/.
#pragma once

#include <QColor>

namespace korvane::layout {

inline const QColor Cream(254, 253, 199); ///< the main window's backing panel, the About box
inline const QColor Khaki(169, 150, 109); ///< the control panel and both dialogs
inline const QColor Navy(0, 0, 128); ///< the frame of the apparatus view
inline const QColor Silver(192, 192, 192); ///< the voltage while the supply is off

} // namespace korvane::layout
