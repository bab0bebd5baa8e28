// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture of the exit button: an orange arrow with a red outline whose head points left at
// the upper left and whose shaft turns down into a notched ribbon, a sign for going back.
#pragma once

#include <QImage>
#include <QPixmap>

namespace korvane {

/// The 45 x 54 picture on its white ground.
QImage arrowPicture();

/// The picture with its ground, the colour of the lower-left pixel, made transparent.
QPixmap transparentArrow();

} // namespace korvane
