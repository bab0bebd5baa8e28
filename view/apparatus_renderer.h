// Draws the apparatus picture (plates, polarity signs, scale, thread, drops) and the zoom picture
// (the drops under the zoom box, magnified six times) from a const state into two images.
#pragma once

#include "apparatus_state.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <deque>
#include <vector>

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
///
/// The pictures are always drawn at 96 dpi, the size the layout and the clipboard use. On a
/// denser screen the same redraw also draws them at the screen's device pixel ratio, in the same
/// layout pixels, so that text and lines stay crisp there.
class ApparatusRenderer {
public:
    ApparatusRenderer();

    /// Redraws both pictures completely from the state, at 96 dpi and, unless the ratio is 1,
    /// at the screen's density.
    void redraw(const ApparatusState &state, const ViewSettings &settings);

    /// The 96-dpi pictures, one image pixel to a layout pixel (the clipboard's picture).
    const QImage &apparatusPicture() const { return m_apparatus.image; }
    const QImage &zoomPicture() const { return m_zoom.image; }

    /// The pictures for a screen of the ratio last set: the 96-dpi ones at ratio 1. Their
    /// addresses change with the ratio; they are complete after the next redraw.
    const QImage &screenApparatusPicture() const;
    const QImage &screenZoomPicture() const;

    /// The screen's device pixel ratio (1, 1.25, 1.5, 2 ...), which the next redraw draws for.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }

    /// One outlined, filled ellipse drawn once into a small picture at a ratio other than 1, where
    /// the painter strokes outlines slowly; copied into the picture wherever it recurs.
    struct EllipseSprite {
        QSize size; ///< layout pixels
        QPoint phase; ///< the corner's device position past the whole pixel, in 64ths
        QRgb penColor;
        int penWidth;
        QRgb brushColor;
        QImage image; ///< opaque where drawn, transparent elsewhere
        int margin; ///< device pixels round the ellipse
    };

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
        std::vector<EllipseSprite> sprites; ///< the drops' ellipses, at ratios other than 1
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
    // The screen-density canvases, used only when the ratio is not 1. Each keeps its own drawing
    // state, which goes through the same redraws as its 96-dpi twin's and so stays equal to it.
    qreal m_ratio = 1;
    Canvas m_screenApparatus;
    Canvas m_screenZoom;
    std::deque<PictureFont> m_fonts; // a deque keeps its fonts in place as it grows
};

} // namespace korvane
