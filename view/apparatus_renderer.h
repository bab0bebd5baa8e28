// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the apparatus picture (plates, polarity signs, scale, thread, drops) and the zoom picture
// (the drops under the zoom box, magnified six times) from a const state into two images.
#pragma once

#include "apparatus_state.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <vector>

namespace korvane {

/// The few settings of the view that the redraw reads besides the apparatus state.
struct ViewSettings {
    bool showScale = true; ///< the "Show Scale" check box
    bool showThread = false; ///< the "Show Thread" check box
    int zoomLeft = 40; ///< the zoom box's left edge, in the apparatus frame's coordinates
    int zoomTop = 32; ///< the zoom box's top edge, likewise
    QString decimalSeparator = QStringLiteral("."); ///< of the scale labels, "0.1" to "0.9"
};

/// Where the apparatus picture lies inside its frame, and the zoom picture's size.
namespace viewgeometry {
constexpr int PictureOffset = 14; ///< picture's top-left corner in the frame's coordinates
constexpr int ZoomSize = 150; ///< zoom picture, square [px]
constexpr int ZoomFactor = 6; ///< 25 apparatus pixels become 150 zoom pixels
constexpr int WindowOuterWidth = 800; ///< the clearing rectangle covers the whole window
constexpr int WindowOuterHeight = 600;
} // namespace viewgeometry

/// Both pictures of the view and the drawing state that one redraw leaves for the next, as a
/// plain raster canvas keeps it: the pen, the brush and the font persist between redraws.
///
/// The pictures are always drawn at 96 dpi, the size the layout and the clipboard use. On a
/// denser screen the same redraw also draws them at the screen's device pixel ratio, in the same
/// layout pixels, so that text and lines stay crisp there.
class ApparatusRenderer {
public:
    ApparatusRenderer();
    ~ApparatusRenderer();
    ApparatusRenderer(const ApparatusRenderer &) = delete;
    ApparatusRenderer &operator=(const ApparatusRenderer &) = delete;

    /// Redraws both pictures completely from the state, at 96 dpi and, unless the ratio is 1,
    /// at the screen's density.
    void redraw(const ApparatusState &state, const ViewSettings &settings);

    /// The 96-dpi pictures, one image pixel to a layout pixel (the clipboard's picture).
    const QImage &apparatusPicture() const;
    const QImage &zoomPicture() const;

    /// The pictures for a screen of the ratio last set: the 96-dpi ones at ratio 1. Their
    /// addresses change with the ratio; they are complete after the next redraw.
    const QImage &screenApparatusPicture() const;
    const QImage &screenZoomPicture() const;

    /// The device pixels of the screen's apparatus picture that the last redraw may have
    /// changed: where drops were and are, or all of it when what lies under them changed.
    const std::vector<QRect> &screenApparatusRedrawn() const;

    /// The screen's device pixel ratio (1, 1.25, 1.5, 2 ...), which the next redraw draws for.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }

private:
    struct Canvases; // the pictures with their pen, brush, font and sprites (in the .cpp)
    std::unique_ptr<Canvases> m_canvases;
    qreal m_ratio = 1;
};

} // namespace korvane
