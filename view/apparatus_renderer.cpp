#include "apparatus_renderer.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace korvane {

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Orange = 0xffff8000; // red 255, green 128, blue 0
constexpr QRgb Red = 0xffff0000;

constexpr int DotsPerMetre = 3780; // 96 dots per inch, so that point sizes give layout pixels

QImage makePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.fill(White);
    return image;
}

// The primitives of the canvas, with a raster program's conventions: bounding boxes exclude
// their right and bottom edges, a line leaves out its end point, text stands on an opaque cell.
// The painter is given a pen, brush or font only when the canvas state differs from what it
// was last given, since a redraw draws a hundred drops with one pen and one brush.
class Painter {
public:
    Painter(ApparatusRenderer::Canvas &canvas, std::deque<ApparatusRenderer::PictureFont> &fonts)
        : m_canvas(canvas), m_fonts(fonts), m_painter(&canvas.image)
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
        m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    }

    void ellipse(int left, int top, int right, int bottom)
    {
        usePen(m_canvas.penColor, m_canvas.penDotted, m_canvas.penWidth);
        useBrush(m_canvas.brushColor);
        m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }

    // The view's lines are all horizontal or vertical.
    void line(QPoint from, QPoint to)
    {
        if (m_canvas.penDotted && m_canvas.penWidth <= 1 && from.y() == to.y()) {
            dottedRow(from.y(), from.x(), to.x());
            return;
        }
        if (m_canvas.penWidth <= 1) {
            // A one-pixel line covers both its ends; step back from the end point.
            to -= QPoint((to.x() > from.x()) - (to.x() < from.x()),
                         (to.y() > from.y()) - (to.y() < from.y()));
        }
        usePen(m_canvas.penColor, m_canvas.penDotted, m_canvas.penWidth);
        m_painter.drawLine(from, to);
    }

    void text(int x, int y, const QString &text)
    {
        const ApparatusRenderer::PictureFont &font = pictureFont();
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
    // One pixel on, one off from the start, written straight into the scan line: the painter's
    // dash stroker costs more than the rest of the scale.
    void dottedRow(int y, int fromX, int toX)
    {
        QImage &image = m_canvas.image;
        if (y < 0 || y >= image.height())
            return;
        const int step = fromX <= toX ? 2 : -2;
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = fromX; step > 0 ? x < toX : x > toX; x += step) {
            if (x >= 0 && x < image.width())
                row[x] = m_canvas.penColor;
        }
    }

    void usePen(QRgb colour, bool dotted, int width)
    {
        if (m_penSet && colour == m_penColor && dotted == m_penDotted && width == m_penWidth)
            return;
        QPen pen(QColor::fromRgb(colour), width);
        if (width <= 1) {
            if (dotted)
                pen.setDashPattern({1, 1});
        } else {
            // A wide line with flat caps stops short of its end point.
            pen.setCapStyle(Qt::FlatCap);
        }
        m_painter.setPen(pen);
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

    // The font the canvas names, looked up in the platform's database the first time it is
    // named; glyphs are drawn without smoothing, as a plain raster program draws them.
    const ApparatusRenderer::PictureFont &pictureFont()
    {
        for (const ApparatusRenderer::PictureFont &font : m_fonts) {
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

    ApparatusRenderer::Canvas &m_canvas;
    std::deque<ApparatusRenderer::PictureFont> &m_fonts;
    QPainter m_painter;

    const ApparatusRenderer::PictureFont *m_font = nullptr;
    bool m_penSet = false;
    QRgb m_penColor = 0;
    bool m_penDotted = false;
    int m_penWidth = 1;
    bool m_brushSet = false;
    QRgb m_brushColor = 0;
};

int dropSize(const Drop &drop)
{
    return drop.Radius / 5 + 3;
}
int zoomedDropSize(const Drop &drop)
{
    return drop.Radius / 2 + 3;
}

} // namespace

ApparatusRenderer::ApparatusRenderer()
{
    m_apparatus.image = makePicture(constants::PictureWidth, constants::PictureHeight);
    m_zoom.image = makePicture(viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    // A fresh canvas starts with the toolkit's default font, which the first redraw replaces.
    m_apparatus.fontName = m_zoom.fontName = QStringLiteral("Sans Serif");
}

void ApparatusRenderer::redraw(const ApparatusState &state, const ViewSettings &settings)
{
    Painter zoom(m_zoom, m_fonts);
    Painter apparatus(m_apparatus, m_fonts);

    // 1. The zoom picture: white with a one-pixel black frame; its drops are filled black.
    m_zoom.penColor = Black;
    m_zoom.brushColor = White;
    zoom.rectangle(0, 0, viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    m_zoom.brushColor = Black;

    // 2. The apparatus picture: white, cleared with a rectangle the size of the window.
    m_apparatus.penColor = White;
    m_apparatus.brushColor = White;
    apparatus.rectangle(0, 0, viewgeometry::WindowOuterWidth, viewgeometry::WindowOuterHeight);

    const int width = m_apparatus.image.width();
    const int height = m_apparatus.image.height();

    // 3. The scale: dotted lines a tenth of a millimetre apart, labelled 0.1 to 0.9. The font
    // colour and pen width are those the previous redraw left (black, 1).
    if (settings.showScale) {
        m_apparatus.penColor = Black;
        m_apparatus.fontName = QStringLiteral("arial");
        m_apparatus.fontPointSize = 8;
        m_apparatus.fontBold = false;
        for (int n = 1; n <= 9; ++n) {
            m_apparatus.penDotted = true;
            const int y = state.PlateTop + n * (state.PlateGap / 10);
            apparatus.text(5, y - 8, QStringLiteral("0.") + QString::number(n));
            apparatus.line(QPoint(20, y), QPoint(width - 20, y));
        }
    }

    // 4. The reference thread, full height.
    if (settings.showThread) {
        m_apparatus.penColor = Orange;
        m_apparatus.penDotted = false;
        apparatus.line(QPoint(state.ThreadX, 0), QPoint(state.ThreadX, height));
    }

    // 5. The polarity signs beside the positive and the negative plate, in the font name the
    // scale left (the first redraw always shows the scale).
    m_apparatus.fontBold = true;
    m_apparatus.fontColor = Red;
    m_apparatus.fontPointSize = 18;
    const int middle = state.PlateTop + state.PlateGap / 2;
    const int offset = (state.Polarity * state.PlateGap) / 2;
    apparatus.text(5, middle + offset - 25, QStringLiteral("_"));
    apparatus.text(5, middle - offset - 15, QStringLiteral("+"));

    // 6. Left for the next redraw's scale labels.
    m_apparatus.fontColor = Black;
    m_apparatus.fontPointSize = 12;

    // 7. The plates, two pixels thick.
    m_apparatus.penColor = Black;
    m_apparatus.penDotted = false;
    m_apparatus.penWidth = 2;
    apparatus.line(QPoint(20, state.PlateTop), QPoint(width - 20, state.PlateTop));
    const int lowerPlate = state.PlateTop + state.PlateGap;
    apparatus.line(QPoint(20, lowerPlate), QPoint(width - 20, lowerPlate));
    m_apparatus.penWidth = 1;
    m_apparatus.brushColor = Black;

    // 8. The drops, and their magnified images under the zoom box.
    if (state.DropCount < 1 || state.DropCount > TableCapacity)
        return;
    for (int i = 1; i <= state.DropCount; ++i) {
        const Drop &drop = state.slot(i);
        if (drop.Gone != 0)
            continue;
        const int d = dropSize(drop);
        apparatus.ellipse(drop.X, drop.Y, drop.X + d, drop.Y + d);

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

} // namespace korvane
