// Draws the apparatus picture (plates, polarity signs, scale, thread, drops) and the zoom picture
// (the drops under the zoom box, magnified six times) from a const state into two images.
#pragma once

#include "apparatus_state.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <deque>

namespace korvane {

/// The few settings of the view that the redraw reads besides the apparatus state.
struct ViewSettings {
    bool showScale = true; ///< the "Show Scale" check box
    bool showThread = false; ///< the "Show Thread" check box
    int zoomLeft = 40; ///< the zoom box's left edge, in the apparatus frame's coordinates
    int zoomTop = 32; ///< the zoom box's top edge, likewise
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
class ApparatusRenderer {
public:
    ApparatusRenderer();

    /// Redraws both pictures completely from the state.
    void redraw(const ApparatusState &state, const ViewSettings &settings);

    const QImage &apparatusPicture() const { return m_apparatus.image; }
    const QImage &zoomPicture() const { return m_zoom.image; }

    /// A picture and its canvas state.
    struct Canvas {
        QImage image;
        QRgb penColor = 0xff000000;
        bool penDotted = false;
        int penWidth = 1;
        QRgb brushColor = 0xffffffff;
        QString fontName;
        int fontPointSize = 8;
        bool fontBold = false;
        QRgb fontColor = 0xff000000;
    };

    /// A font the canvas has named, looked up once and kept with its ascent, which places a
    /// text cell's top-left corner.
    struct PictureFont {
        QString name;
        int pointSize;
        bool bold;
        QFont font;
        int ascent;
    };

private:
    Canvas m_apparatus;
    Canvas m_zoom;
    std::deque<PictureFont> m_fonts; // a deque keeps its fonts in place as it grows
};

} // namespace korvane
