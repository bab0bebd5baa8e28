// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "apparatus_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

namespace korvane {

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Orange = 0xffff8000; // red 255, green 128, blue 0
constexpr QRgb Red = 0xffff0000;

constexpr int DotsPerMetre = 3780; // 96 dots per inch, so that point sizes give layout pixels
constexpr std::size_t MaxSprites = 256; // a few dozen drop sizes, colours and phases in use

// One outlined, filled ellipse drawn once into a small picture at a ratio other than 1, where
// the painter strokes outlines slowly; copied into the picture wherever it recurs.
struct EllipseSprite {
    QSize size; // layout pixels
    QPoint phase; // the corner's device position past the whole pixel, in 64ths
    QRgb penColor;
    int penWidth;
    QRgb brushColor;
    QImage image; // opaque where drawn, transparent elsewhere
    int margin; // device pixels round the ellipse
};

// The drawing state a redraw reads and leaves for the next: the pen, the brush and the font.
struct CanvasState {
    QRgb penColor = 0xff000000;
    bool penDotted = false;
    int penWidth = 1;
    QRgb brushColor = 0xffffffff;
    QString fontName;
    int fontPointSize = 8;
    bool fontBold = false;
    QRgb fontColor = 0xff000000;

    bool operator==(const CanvasState &other) const
    {
        return penColor == other.penColor && penDotted == other.penDotted &&
            penWidth == other.penWidth && brushColor == other.brushColor &&
            fontName == other.fontName && fontPointSize == other.fontPointSize &&
            fontBold == other.fontBold && fontColor == other.fontColor;
    }
};

// What the apparatus picture shows under the drops (the white ground, the scale, the thread, the
// signs and the plates) depends on: the drawing state the redraw starts from and the few
// numbers and settings below.
struct Furniture {
    CanvasState before;
    bool showScale;
    bool showThread;
    int threadX;
    int plateTop;
    int plateGap;
    int polarity;
    QString decimalSeparator;

    bool operator==(const Furniture &other) const
    {
        return before == other.before && showScale == other.showScale &&
            showThread == other.showThread && (!showThread || threadX == other.threadX) &&
            plateTop == other.plateTop && plateGap == other.plateGap &&
            polarity == other.polarity && decimalSeparator == other.decimalSeparator;
    }
};

// A picture and its canvas state.
struct Canvas : CanvasState {
    QImage image;
    std::vector<EllipseSprite> sprites; // the drops' ellipses, at ratios other than 1

    // The picture as it was before its drops were drawn, kept so that a redraw in which only
    // drops moved starts from it rather than drawing the furniture again, with what it was
    // drawn for and the state it left; and where the last redraw drew drops, in device pixels.
    // Null until a redraw keeps one.
    QImage furnished;
    Furniture furnishedFor;
    CanvasState furnishedLeaves;
    std::vector<QRect> dropAreas;
    std::vector<QRect> redrawn; // the device pixels the last redraw may have changed
};

// A font the canvas has named, looked up once and kept with its ascent, which places a text
// cell's top-left corner.
struct PictureFont {
    QString name;
    int pointSize;
    bool bold;
    QFont font;
    int ascent;
};

// A picture of a size in layout pixels, for a screen of the ratio; at 96 dpi in layout pixels,
// so that point sizes keep their size in the layout at every ratio.
QImage makePicture(int width, int height, qreal ratio = 1)
{
    QImage image(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.fill(White);
    return image;
}

// The primitives of the canvas, with a raster program's conventions: bounding boxes exclude
// their right and bottom edges, a line leaves out its end point, text stands on an opaque cell.
// The painter is given a pen, brush or font only when the canvas state differs from what it
// was last given, since a redraw draws a hundred drops with one pen and one brush.
//
// Coordinates are layout pixels at every device pixel ratio: a layout pixel covers the device
// pixels between its edges multiplied by the ratio and rounded, as the painter fills rectangles.
class Painter {
public:
    Painter(Canvas &canvas, std::deque<PictureFont> &fonts)
        : m_canvas(canvas), m_fonts(fonts), m_painter(&canvas.image),
          m_ratio(canvas.image.devicePixelRatio())
    {
    }

    void rectangle(int left, int top, int right, int bottom)
    {
        const QRect box(left, top, right - left, bottom - top);
        if (m_canvas.penWidth == 1 && !m_canvas.penDotted) {
            // A one-pixel outline round the brush's filling, as plain fills: far cheaper than
            // the painter's rectangle, and the whole cost of clearing a picture.
            m_painter.fillRect(box, QColor::fromRgb(m_canvas.penColor));
            if (m_canvas.brushColor != m_canvas.penColor)
                m_painter.fillRect(box.adjusted(1, 1, -1, -1),
                                   QColor::fromRgb(m_canvas.brushColor));
            return;
        }
        usePen(m_canvas.penColor, m_canvas.penDotted, m_canvas.penWidth);
        useBrush(m_canvas.brushColor);
        m_painter.drawRect(outline(QRect(left, top, right - left - 1, bottom - top - 1)));
    }

    // Returns the device pixels it may have drawn on.
    QRect ellipse(int left, int top, int right, int bottom)
    {
        if (m_ratio != 1 && !m_canvas.penDotted) {
            // At a scale the painter strokes an outline along its path, at ten times the cost of
            // the rest of the redraw: each kind of drop is drawn once and copied. The corner's
            // device position is a whole pixel and the phase the sprite is drawn at.
            const qreal x = left * m_ratio;
            const qreal y = top * m_ratio;
            const QPoint whole(qFloor(x), qFloor(y));
            const QPoint phase(qRound((x - whole.x()) * 64), qRound((y - whole.y()) * 64));
            return copySprite(sprite(QSize(right - left, bottom - top), phase), whole);
        }
        usePen(m_canvas.penColor, m_canvas.penDotted, m_canvas.penWidth);
        useBrush(m_canvas.brushColor);
        m_painter.drawEllipse(outline(QRect(left, top, right - left - 1, bottom - top - 1)));
        // The stroke reaches at most its width past the box.
        const int reach = std::max(m_canvas.penWidth, 1);
        const QRectF box =
            QRectF(left, top, right - left, bottom - top).adjusted(-reach, -reach, reach, reach);
        return QRectF(box.topLeft() * m_ratio, box.size() * m_ratio).toAlignedRect();
    }

    // The view's lines are all horizontal or vertical, and all but the scale's are solid: those
    // are filled rectangles, which cover the same layout pixels at every ratio.
    void line(QPoint from, QPoint to)
    {
        const int width = std::max(m_canvas.penWidth, 1);
        const bool horizontal = from.y() == to.y();
        const bool vertical = from.x() == to.x();
        if (m_canvas.penDotted && width == 1 && horizontal) {
            dottedRow(from.y(), from.x(), to.x());
            return;
        }
        if (!m_canvas.penDotted && horizontal != vertical && (width == 1 || width % 2 == 0)) {
            m_painter.fillRect(solidLine(from, to, width), QColor::fromRgb(m_canvas.penColor));
            return;
        }
        if (width == 1) {
            // A one-pixel line covers both its ends; step back from the end point.
            to -= QPoint((to.x() > from.x()) - (to.x() < from.x()),
                         (to.y() > from.y()) - (to.y() < from.y()));
        }
        usePen(m_canvas.penColor, m_canvas.penDotted, m_canvas.penWidth);
        const QPointF shift(strokeShift(), strokeShift());
        m_painter.drawLine(QPointF(from) + shift, QPointF(to) + shift);
    }

    void text(int x, int y, const QString &text)
    {
        const PictureFont &font = pictureFont();
        if (&font != m_font) {
            m_painter.setFont(font.font);
            m_font = &font;
        }
        usePen(m_canvas.fontColor, false, 1);
        m_painter.setBackground(QColor::fromRgb(m_canvas.brushColor));
        // Opaque only here: in opaque mode the raster engine draws small ellipses a pixel short.
        m_painter.setBackgroundMode(Qt::OpaqueMode);
        m_painter.drawText(x, y + font.ascent, text);
        m_painter.setBackgroundMode(Qt::TransparentMode);
    }

private:
    // The device pixel where a layout pixel's edge falls, rounded as the painter rounds a filled
    // rectangle's edges; in 1/65536ths of a pixel, since the scale calls it for every dot.
    int device(int layout) const
    {
        return static_cast<int>((std::int64_t {layout} * m_fixedRatio + 32768) >> 16);
    }

    // One pixel on, one off from the start, written straight into the scan lines: the painter's
    // dash stroker costs more than the rest of the scale.
    void dottedRow(int y, int fromX, int toX)
    {
        QImage &image = m_canvas.image;
        const int top = std::max(device(y), 0);
        const int bottom = std::min(device(y + 1), image.height());
        const int columns = image.width();
        const int step = fromX <= toX ? 2 : -2;
        for (int row = top; row < bottom; ++row) {
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(row));
            for (int x = fromX; step > 0 ? x < toX : x > toX; x += step) {
                const int right = std::min(device(x + 1), columns);
                for (int column = std::max(device(x), 0); column < right; ++column)
                    pixels[column] = m_canvas.penColor;
            }
        }
    }

    // The pixels a solid horizontal or vertical line covers: a one-pixel line those from its
    // start up to its end point; a wide one, with flat caps, the band centred on it between them.
    static QRect solidLine(QPoint from, QPoint to, int width)
    {
        const bool backwards = width == 1 && (to.x() < from.x() || to.y() < from.y());
        const int start = backwards ? 1 : 0;
        if (from.y() == to.y()) {
            const int left = std::min(from.x(), to.x()) + start;
            const int right = std::max(from.x(), to.x()) + start;
            return QRect(left, from.y() - width / 2, right - left, width);
        }
        const int top = std::min(from.y(), to.y()) + start;
        const int bottom = std::max(from.y(), to.y()) + start;
        return QRect(from.x() - width / 2, top, width, bottom - top);
    }

    // A pen's stroke is centred on the outline. At ratio 1 the raster engine puts an odd-width
    // stroke on the pixels right of and below the outline; at other ratios half a layout pixel
    // does the same, so the stroke covers the layout pixels it covers at ratio 1.
    qreal strokeShift() const
    {
        return m_ratio != 1 && std::max(m_canvas.penWidth, 1) % 2 != 0 ? 0.5 : 0;
    }
    QRectF outline(const QRect &box) const
    {
        return QRectF(box).translated(strokeShift(), strokeShift());
    }

    static QPen makePen(QRgb colour, bool dotted, int width)
    {
        QPen pen(QColor::fromRgb(colour), width);
        if (width <= 1) {
            if (dotted)
                pen.setDashPattern({1, 1});
        } else {
            // A wide line with flat caps stops short of its end point.
            pen.setCapStyle(Qt::FlatCap);
        }
        return pen;
    }

    void usePen(QRgb colour, bool dotted, int width)
    {
        if (m_penSet && colour == m_penColor && dotted == m_penDotted && width == m_penWidth)
            return;
        m_painter.setPen(makePen(colour, dotted, width));
        m_penSet = true;
        m_penColor = colour;
        m_penDotted = dotted;
        m_penWidth = width;
    }

    void useBrush(QRgb colour)
    {
        if (m_brushSet && colour == m_brushColor)
            return;
        m_painter.setBrush(QColor::fromRgb(colour));
        m_brushSet = true;
        m_brushColor = colour;
    }

    // The ellipse of the size, pen and brush the canvas has, drawn as the painter would draw it
    // with its corner at the phase past a whole device pixel.
    const EllipseSprite &sprite(QSize size, QPoint phase)
    {
        std::vector<EllipseSprite> &sprites = m_canvas.sprites;
        for (const EllipseSprite &sprite : sprites) {
            if (sprite.size == size && sprite.phase == phase &&
                sprite.penColor == m_canvas.penColor && sprite.penWidth == m_canvas.penWidth &&
                sprite.brushColor == m_canvas.brushColor)
                return sprite;
        }
        if (sprites.size() >= MaxSprites)
            sprites.clear();
        const int margin = qCeil(std::max(m_canvas.penWidth, 1) * m_ratio) + 1;
        QImage image(qCeil(size.width() * m_ratio) + 2 * margin,
                     qCeil(size.height() * m_ratio) + 2 * margin,
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setTransform(QTransform(m_ratio, 0, 0, m_ratio, margin + phase.x() / 64.0,
                                        margin + phase.y() / 64.0));
        painter.setPen(makePen(m_canvas.penColor, false, m_canvas.penWidth));
        painter.setBrush(QColor::fromRgb(m_canvas.brushColor));
        painter.drawEllipse(outline(QRect(0, 0, size.width() - 1, size.height() - 1)));
        painter.end();
        sprites.push_back({size, phase, m_canvas.penColor, m_canvas.penWidth, m_canvas.brushColor,
                           image, margin});
        return sprites.back();
    }

    // Copies what the sprite has drawn (it is drawn without smoothing: every pixel opaque or
    // transparent), its ellipse's corner at the device pixel; returns the sprite's device area.
    QRect copySprite(const EllipseSprite &sprite, QPoint corner)
    {
        QImage &image = m_canvas.image;
        const QPoint origin = corner - QPoint(sprite.margin, sprite.margin);
        const QRect area =
            QRect(origin, sprite.image.size()).intersected(QRect(QPoint(0, 0), image.size()));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            const auto *source =
                reinterpret_cast<const QRgb *>(sprite.image.constScanLine(y - origin.y()));
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = source[x - origin.x()];
                if (qAlpha(pixel) != 0)
                    pixels[x] = pixel;
            }
        }
        return QRect(origin, sprite.image.size());
    }

    // The font the canvas names, looked up in the platform's database the first time it is
    // named; glyphs are drawn without smoothing, as a plain raster program draws them.
    const PictureFont &pictureFont()
    {
        for (const PictureFont &font : m_fonts) {
            if (font.pointSize == m_canvas.fontPointSize && font.bold == m_canvas.fontBold &&
                font.name == m_canvas.fontName)
                return font;
        }
        QFont font(m_canvas.fontName);
        font.setPointSize(m_canvas.fontPointSize);
        font.setBold(m_canvas.fontBold);
        font.setStyleStrategy(QFont::NoAntialias);
        const int ascent = QFontMetrics(font, &m_canvas.image).ascent();
        m_fonts.push_back(
            {m_canvas.fontName, m_canvas.fontPointSize, m_canvas.fontBold, font, ascent});
        return m_fonts.back();
    }

    Canvas &m_canvas;
    std::deque<PictureFont> &m_fonts;
    QPainter m_painter;
    const qreal m_ratio;
    const std::int64_t m_fixedRatio = qRound64(m_ratio * 65536);

    const PictureFont *m_font = nullptr;
    bool m_penSet = false;
    QRgb m_penColor = 0;
    bool m_penDotted = false;
    int m_penWidth = 1;
    bool m_brushSet = false;
    QRgb m_brushColor = 0;
};

int zoomedDropSize(const Drop &drop)
{
    return drop.Radius / 2 + 3;
}

// The apparatus picture under its drops: the white ground, the scale, the thread, the signs and
// the plates.
void drawFurniture(Canvas &apparatusCanvas, std::deque<PictureFont> &fonts,
                   const ApparatusState &state, const ViewSettings &settings)
{
    Painter apparatus(apparatusCanvas, fonts);

    // 2. The apparatus picture: white, cleared with a rectangle the size of the window.
    apparatusCanvas.penColor = White;
    apparatusCanvas.brushColor = White;
    apparatus.rectangle(0, 0, viewgeometry::WindowOuterWidth, viewgeometry::WindowOuterHeight);

    // The picture's size in layout pixels, whatever its density.
    const int width = constants::PictureWidth;
    const int height = constants::PictureHeight;

    // 3. The scale: dotted lines a tenth of a millimetre apart, labelled 0.1 to 0.9. The font
    // colour and pen width are those the previous redraw left (black, 1).
    if (settings.showScale) {
        apparatusCanvas.penColor = Black;
        apparatusCanvas.fontName = QStringLiteral("arial");
        apparatusCanvas.fontPointSize = 8;
        apparatusCanvas.fontBold = false;
        for (int n = 1; n <= 9; ++n) {
            apparatusCanvas.penDotted = true;
            const int y = state.PlateTop + n * (state.PlateGap / 10);
            apparatus.text(5, y - 8,
                           QLatin1Char('0') + settings.decimalSeparator + QString::number(n));
            apparatus.line(QPoint(20, y), QPoint(width - 20, y));
        }
    }

    // 4. The reference thread, full height.
    if (settings.showThread) {
        apparatusCanvas.penColor = Orange;
        apparatusCanvas.penDotted = false;
        apparatus.line(QPoint(state.ThreadX, 0), QPoint(state.ThreadX, height));
    }

    // 5. The polarity signs beside the positive and the negative plate, in the font name the
    // scale left (the first redraw always shows the scale).
    apparatusCanvas.fontBold = true;
    apparatusCanvas.fontColor = Red;
    apparatusCanvas.fontPointSize = 18;
    const int middle = state.PlateTop + state.PlateGap / 2;
    const int offset = (state.Polarity * state.PlateGap) / 2;
    apparatus.text(5, middle + offset - 25, QStringLiteral("_"));
    apparatus.text(5, middle - offset - 15, QStringLiteral("+"));

    // 6. Left for the next redraw's scale labels.
    apparatusCanvas.fontColor = Black;
    apparatusCanvas.fontPointSize = 12;

    // 7. The plates, two pixels thick.
    apparatusCanvas.penColor = Black;
    apparatusCanvas.penDotted = false;
    apparatusCanvas.penWidth = 2;
    apparatus.line(QPoint(20, state.PlateTop), QPoint(width - 20, state.PlateTop));
    const int lowerPlate = state.PlateTop + state.PlateGap;
    apparatus.line(QPoint(20, lowerPlate), QPoint(width - 20, lowerPlate));
    apparatusCanvas.penWidth = 1;
    apparatusCanvas.brushColor = Black;
}

// Makes the apparatus picture what it is before its drops are drawn. When the furniture would
// come out as the kept picture, only the places where the last redraw drew drops are taken back
// from it, and the drawing state is what drawing the furniture leaves: ten times a second that
// spares clearing the whole picture and drawing the scale's labels and dots again.
void furnish(Canvas &canvas, std::deque<PictureFont> &fonts, const ApparatusState &state,
             const ViewSettings &settings)
{
    const Furniture wanted {canvas,         settings.showScale,       settings.showThread,
                            state.ThreadX,  state.PlateTop,           state.PlateGap,
                            state.Polarity, settings.decimalSeparator};
    if (!canvas.furnished.isNull() && canvas.furnished.size() == canvas.image.size() &&
        canvas.furnishedFor == wanted) {
        const int bytesPerPixel = canvas.image.depth() / 8;
        canvas.redrawn.clear();
        for (const QRect &drawn : canvas.dropAreas) {
            const QRect area = drawn.intersected(canvas.image.rect());
            canvas.redrawn.push_back(area);
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::memcpy(canvas.image.scanLine(y) + area.left() * bytesPerPixel,
                            canvas.furnished.constScanLine(y) + area.left() * bytesPerPixel,
                            area.width() * bytesPerPixel);
        }
        static_cast<CanvasState &>(canvas) = canvas.furnishedLeaves;
    } else {
        drawFurniture(canvas, fonts, state, settings);
        canvas.furnished = canvas.image.copy();
        canvas.furnishedFor = wanted;
        canvas.furnishedLeaves = canvas;
        canvas.redrawn.assign(1, canvas.image.rect());
    }
    canvas.dropAreas.clear();
}

// One redraw of both pictures into a pair of canvases of one density.
void drawPictures(Canvas &apparatusCanvas, Canvas &zoomCanvas, std::deque<PictureFont> &fonts,
                  const ApparatusState &state, const ViewSettings &settings)
{
    // 1. The zoom picture: white with a one-pixel black frame; its drops are filled black.
    Painter zoom(zoomCanvas, fonts);
    zoomCanvas.penColor = Black;
    zoomCanvas.brushColor = White;
    zoom.rectangle(0, 0, viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    zoomCanvas.brushColor = Black;

    // 2 to 7. The apparatus picture's furniture.
    furnish(apparatusCanvas, fonts, state, settings);
    Painter apparatus(apparatusCanvas, fonts);

    // 8. The drops, and their magnified images under the zoom box.
    if (state.DropCount < 1 || state.DropCount > TableCapacity)
        return;
    for (int i = 1; i <= state.DropCount; ++i) {
        const Drop &drop = state.slot(i);
        if (drop.Gone != 0)
            continue;
        const int d = dropSize(drop);
        const QRect area = apparatus.ellipse(drop.X, drop.Y, drop.X + d, drop.Y + d);
        apparatusCanvas.dropAreas.push_back(area);
        apparatusCanvas.redrawn.push_back(area);

        // Under the box when X - bx and Y - by both lie in 0..30; the horizontal position is
        // the whole pixel, the vertical one the exact position, so slow drift shows.
        if (std::abs(drop.X - settings.zoomLeft - 1) < 16 &&
            std::abs(drop.Y - settings.zoomTop - 1) < 16) {
            const int left = (drop.X - settings.zoomLeft + viewgeometry::PictureOffset) *
                viewgeometry::ZoomFactor;
            const int top = static_cast<int>((static_cast<long double>(state.exactY(i)) -
                                              settings.zoomTop + viewgeometry::PictureOffset) *
                                             viewgeometry::ZoomFactor);
            const int size = zoomedDropSize(drop);
            zoom.ellipse(left, top, left + size, top + size);
        }
    }
}

} // namespace

struct ApparatusRenderer::Canvases {
    Canvas apparatus;
    Canvas zoom;
    // The screen-density canvases, used only when the ratio is not 1. Each keeps its own drawing
    // state, which goes through the same redraws as its 96-dpi twin's and so stays equal to it.
    Canvas screenApparatus;
    Canvas screenZoom;
    std::deque<PictureFont> fonts; // a deque keeps its fonts in place as it grows
};

ApparatusRenderer::ApparatusRenderer() : m_canvases(std::make_unique<Canvases>())
{
    Canvases &c = *m_canvases;
    c.apparatus.image = makePicture(constants::PictureWidth, constants::PictureHeight);
    c.zoom.image = makePicture(viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    // A fresh canvas starts with the toolkit's default font, which the first redraw replaces.
    c.apparatus.fontName = c.zoom.fontName = QStringLiteral("Sans Serif");
}

ApparatusRenderer::~ApparatusRenderer() = default;

void ApparatusRenderer::redraw(const ApparatusState &state, const ViewSettings &settings)
{
    Canvases &c = *m_canvases;
    drawPictures(c.apparatus, c.zoom, c.fonts, state, settings);
    if (m_ratio != 1)
        drawPictures(c.screenApparatus, c.screenZoom, c.fonts, state, settings);
}

const QImage &ApparatusRenderer::apparatusPicture() const
{
    return m_canvases->apparatus.image;
}

const QImage &ApparatusRenderer::zoomPicture() const
{
    return m_canvases->zoom.image;
}

const QImage &ApparatusRenderer::screenApparatusPicture() const
{
    return m_ratio != 1 ? m_canvases->screenApparatus.image : m_canvases->apparatus.image;
}

const QImage &ApparatusRenderer::screenZoomPicture() const
{
    return m_ratio != 1 ? m_canvases->screenZoom.image : m_canvases->zoom.image;
}

const std::vector<QRect> &ApparatusRenderer::screenApparatusRedrawn() const
{
    return m_ratio != 1 ? m_canvases->screenApparatus.redrawn : m_canvases->apparatus.redrawn;
}

void ApparatusRenderer::setDevicePixelRatio(qreal ratio)
{
    if (ratio == m_ratio || !(ratio > 0))
        return;
    m_ratio = ratio;
    Canvases &c = *m_canvases;
    if (ratio == 1) {
        c.screenApparatus.image = QImage();
        c.screenZoom.image = QImage();
        return;
    }
    // The drawing state the 96-dpi canvases have reached, so that both draw alike from now on.
    c.screenApparatus = c.apparatus;
    c.screenZoom = c.zoom;
    c.screenApparatus.furnished = QImage(); // of the old density
    c.screenApparatus.image = makePicture(constants::PictureWidth, constants::PictureHeight, ratio);
    c.screenZoom.image = makePicture(viewgeometry::ZoomSize, viewgeometry::ZoomSize, ratio);
}

} // namespace korvane
