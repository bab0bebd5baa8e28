// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus picture and the zoom picture, sampled at the pixels that matter: the plates'
// rows, the signs' cells, the scale's rows, the thread's column and the drops' boxes.
#include "apparatus_renderer.h"
#include "image_view.h"
#include "model_fixtures.h"
#include "picture_colours.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

using namespace korvane;

namespace {

using namespace korvane::colours;

constexpr int PlateLeft = 20;
constexpr int PlateEnd = 745; // first column past the plates and the scale lines
constexpr int UpperPlate = 15;
constexpr int LowerPlate = 316;
constexpr int SignLeft = 5;

// Puts a floating drop into the next slot; its whole-pixel row is the exact one truncated.
int addDrop(ApparatusState &state, int x, double exactY, int radius, int gone = 0)
{
    const int number = ++state.DropCount;
    Drop &drop = state.slot(number);
    drop.X = x;
    drop.Y = static_cast<int>(exactY);
    drop.Radius = radius;
    drop.Gone = gone;
    state.exactY(number) = exactY;
    return number;
}

ViewSettings settings(bool scale, bool thread = false)
{
    ViewSettings result;
    result.showScale = scale;
    result.showThread = thread;
    return result;
}

int count(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &matches)
{
    const QRect clipped = area.intersected(image.rect());
    int found = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            found += matches(image.pixel(x, y)) ? 1 : 0;
    return found;
}

int count(const QImage &image, const QRect &area, QRgb colour)
{
    return count(image, area, [colour](QRgb pixel) { return pixel == colour; });
}

// The smallest rectangle holding every pixel of the colour inside the area.
QRect bounds(const QImage &image, const QRect &area, QRgb colour)
{
    const QRect clipped = area.intersected(image.rect());
    QRect found;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixel(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

QImage crop(const QImage &image, const QRect &area)
{
    return image.copy(area);
}

// Text as the pictures show it: the named font at a point size on a 96 DPI picture, black or
// red on white, without smoothing, the top-left corner of its cell at (0, 0).
QFont pictureFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage referenceText(const QString &text, const QFont &font, QRgb colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(White);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(0, painter.fontMetrics().ascent(), text);
    return image;
}

int cellHeight(const QFont &font)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    return QFontMetrics(font, &device).height();
}

// The sign's cell, as far as the picture holds it and left of the plates.
void compareSign(const QImage &picture, const QString &sign, int top)
{
    const QFont font = pictureFont(18, true);
    const int height = cellHeight(font);
    const QImage reference = referenceText(sign, font, Red, QSize(PlateLeft - SignLeft, height));
    const QRect cell =
        QRect(SignLeft, top, PlateLeft - SignLeft, height).intersected(picture.rect());
    QCOMPARE(crop(picture, cell), crop(reference, cell.translated(-SignLeft, -top)));
}

// A renderer after the main window's first redraw, which always shows the scale: the signs
// take their font name from it.
struct Renderer : ApparatusRenderer {
    Renderer() { redraw(fixtures::apparatus(), settings(true)); }
};

int scaleRow(int n)
{
    return UpperPlate + n * 30;
}

// The parts of a widget its paint events have covered.
class PaintedArea : public QObject {
public:
    explicit PaintedArea(QWidget &widget) { widget.installEventFilter(this); }
    QRegion area;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            area += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT
private slots:
    void pictureSizes()
    {
        ApparatusRenderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(true));
        const QImage &apparatus = renderer.apparatusPicture();
        const QImage &zoom = renderer.zoomPicture();
        QCOMPARE(apparatus.size(), QSize(765, 336));
        QCOMPARE(zoom.size(), QSize(150, 150));
        for (const QImage *picture : {&apparatus, &zoom}) {
            QCOMPARE(picture->dotsPerMeterX(), 3780);
            QCOMPARE(picture->dotsPerMeterY(), 3780);
        }
    }

    void plates_data()
    {
        QTest::addColumn<bool>("scale");
        QTest::addRow("scale shown") << true;
        QTest::addRow("scale hidden") << false;
    }
    void plates()
    {
        QFETCH(bool, scale);
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(scale));
        const QImage &picture = renderer.apparatusPicture();
        for (int row : {UpperPlate - 1, UpperPlate, LowerPlate - 1, LowerPlate}) {
            QCOMPARE(count(picture, QRect(PlateLeft, row, PlateEnd - PlateLeft, 1), Black),
                     PlateEnd - PlateLeft);
            QCOMPARE(picture.pixel(PlateLeft - 1, row), White);
            QCOMPARE(picture.pixel(PlateEnd, row), White);
        }
        // Two pixels thick: the rows beside them are clear.
        for (int row : {UpperPlate - 2, UpperPlate + 1, LowerPlate - 2, LowerPlate + 1})
            QCOMPARE(count(picture, QRect(PlateLeft, row, PlateEnd - PlateLeft, 1), Black), 0);
    }

    void zoomPictureIsWhiteInABlackFrame()
    {
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(true, true));
        const QImage &zoom = renderer.zoomPicture();
        const QRect frame = zoom.rect();
        QCOMPARE(count(zoom, QRect(0, 0, 150, 1), Black), 150);
        QCOMPARE(count(zoom, QRect(0, 149, 150, 1), Black), 150);
        QCOMPARE(count(zoom, QRect(0, 0, 1, 150), Black), 150);
        QCOMPARE(count(zoom, QRect(149, 0, 1, 150), Black), 150);
        QCOMPARE(count(zoom, frame.adjusted(1, 1, -1, -1), White), 148 * 148);
    }

    // The zoom picture shows drops only, even with the box over a plate, a sign and the scale.
    void zoomShowsNoFurniture()
    {
        ViewSettings view = settings(true, true);
        view.zoomLeft = viewgeometry::PictureOffset + 2;
        view.zoomTop = viewgeometry::PictureOffset + 2;
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), view);
        QCOMPARE(count(renderer.zoomPicture(), QRect(1, 1, 148, 148), White), 148 * 148);
    }

    void signsFollowPolarity_data()
    {
        QTest::addColumn<int>("polarity");
        QTest::addColumn<int>("plusTop");
        QTest::addColumn<int>("minusTop");
        QTest::addRow("+1: upper plate positive") << +1 << 0 << 290;
        QTest::addRow("-1: lower plate positive, minus partly above") << -1 << 300 << -10;
    }
    void signsFollowPolarity()
    {
        QFETCH(int, polarity);
        QFETCH(int, plusTop);
        QFETCH(int, minusTop);
        ApparatusState state = fixtures::apparatus();
        state.Polarity = polarity;
        Renderer renderer;
        renderer.redraw(state, settings(true));
        const QImage &picture = renderer.apparatusPicture();

        compareSign(picture, QStringLiteral("+"), plusTop);
        compareSign(picture, QStringLiteral("_"), minusTop);

        const int height = cellHeight(pictureFont(18, true));
        const QRect plusCell(SignLeft, plusTop, PlateLeft - SignLeft, height);
        const QRect minusCell(SignLeft, minusTop, PlateLeft - SignLeft, height);
        QVERIFY(count(picture, plusCell, Red) > 0);
        QVERIFY(count(picture, minusCell, Red) > 0);
        // Red nowhere else: not in the sign column outside the cells, not right of it.
        const int total = count(picture, picture.rect(), Red);
        QCOMPARE(count(picture, plusCell, Red) + count(picture, minusCell, Red), total);
        QCOMPARE(count(picture, QRect(SignLeft, 0, 26, 336), Red), total);
    }

    void scaleShown()
    {
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(true));
        const QImage &picture = renderer.apparatusPicture();
        const QFont labelFont = pictureFont(8, false);
        const int labelHeight = cellHeight(labelFont);

        for (int n = 1; n <= 9; ++n) {
            const int y = scaleRow(n);
            // Dotted: single pixels with gaps, from x 20 up to the plates' end and no further.
            QCOMPARE(picture.pixel(PlateLeft, y), Black);
            QCOMPARE(picture.pixel(PlateLeft - 1, y), White);
            QVERIFY(count(picture, QRect(PlateEnd - 5, y, 5, 1), Black) > 0);
            QCOMPARE(count(picture, QRect(PlateEnd, y, 765 - PlateEnd, 1), Black), 0);
            const int dots = count(picture, QRect(PlateLeft, y, PlateEnd - PlateLeft, 1), Black);
            QVERIFY2(dots > 200 && dots < 525, qPrintable(QString::number(dots)));
            for (int x = PlateLeft; x < PlateEnd - 1; ++x)
                QVERIFY(picture.pixel(x, y) != Black || picture.pixel(x + 1, y) != Black);

            // The label reads 0.n, its cell's top-left corner at (5, y - 8).
            const QString text = QStringLiteral("0.") + QString::number(n);
            const QRect cell(SignLeft, y - 8, PlateLeft - SignLeft, labelHeight);
            const QImage reference = referenceText(text, labelFont, Black, cell.size());
            QCOMPARE(crop(picture, cell), reference);
            QVERIFY(count(picture, cell, Black) > 0);
        }

        // Between the plates, black stands only on the nine lines and in the labels' cells.
        int expected = 0;
        for (int n = 1; n <= 9; ++n) {
            const int y = scaleRow(n);
            expected += count(picture, QRect(PlateLeft, y, PlateEnd - PlateLeft, 1), Black);
            expected += count(picture, QRect(0, y - 8, PlateLeft, labelHeight), Black);
        }
        QCOMPARE(count(picture, QRect(0, UpperPlate + 1, 765, LowerPlate - UpperPlate - 2), Black),
                 expected);
    }

    void scaleHidden()
    {
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(true));
        renderer.redraw(fixtures::apparatus(), settings(false));
        const QImage &picture = renderer.apparatusPicture();
        QCOMPARE(count(picture, QRect(0, UpperPlate + 1, 765, LowerPlate - UpperPlate - 2), Black),
                 0);
        QCOMPARE(count(picture, QRect(0, 0, PlateLeft, 336), Black), 0);
        // The signs stay, in the font the scale left behind.
        compareSign(picture, QStringLiteral("+"), 0);
        compareSign(picture, QStringLiteral("_"), 290);
    }

    void threadAtLeftEdgeWhenNeverPlaced()
    {
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), settings(true, true));
        const QImage &picture = renderer.apparatusPicture();
        QCOMPARE(count(picture, QRect(0, 0, 1, 336), Orange), 336);
        QCOMPARE(count(picture, picture.rect(), Orange), 336);
    }

    void threadHidden()
    {
        ApparatusState state = fixtures::apparatus();
        state.ThreadX = 400;
        Renderer renderer;
        renderer.redraw(state, settings(true, true));
        renderer.redraw(state, settings(true, false));
        QCOMPARE(count(renderer.apparatusPicture(), renderer.apparatusPicture().rect(), Orange), 0);
    }

    // The signs' white cells are drawn after the thread and cut it; the scale's labels are drawn
    // before it and the thread runs over them.
    void threadAgainstTextCells()
    {
        const int signHeight = cellHeight(pictureFont(18, true));
        ApparatusState state = fixtures::apparatus();
        state.ThreadX = SignLeft;
        Renderer renderer;
        renderer.redraw(state, settings(false, true));
        const QImage &underSigns = renderer.apparatusPicture();
        const QRect column(SignLeft, 0, 1, 336);
        QCOMPARE(count(underSigns, QRect(SignLeft, 0, 1, signHeight), Orange), 0);
        QCOMPARE(count(underSigns, QRect(SignLeft, 290, 1, signHeight), Orange), 0);
        QCOMPARE(count(underSigns, column, Orange), 336 - 2 * signHeight);
        QCOMPARE(underSigns.pixel(SignLeft, signHeight), Orange);
        QCOMPARE(underSigns.pixel(SignLeft, 289), Orange);
        QCOMPARE(underSigns.pixel(SignLeft, 290 + signHeight), Orange);

        // Column 8 crosses the labels' glyphs (seen without the thread) and stays orange there.
        const int labelColumn = 8;
        const QRect labels(labelColumn, scaleRow(1) - 8, 1, scaleRow(9) - scaleRow(1) + 8);
        state.ThreadX = labelColumn;
        renderer.redraw(state, settings(true, false));
        QVERIFY(count(renderer.apparatusPicture(), labels, Black) > 0);
        renderer.redraw(state, settings(true, true));
        QCOMPARE(count(renderer.apparatusPicture(), labels, Orange), labels.height());
    }

    void dropBoxes_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("zoomedSize");
        QTest::addRow("radius 4: 3 px, zoomed 5 px") << 4 << 3 << 5;
        QTest::addRow("radius 6: 4 px, zoomed 6 px") << 6 << 4 << 6;
        QTest::addRow("radius 8: 4 px, zoomed 7 px") << 8 << 4 << 7;
        QTest::addRow("radius 10: 5 px, zoomed 8 px") << 10 << 5 << 8;
    }
    void dropBoxes()
    {
        QFETCH(int, radius);
        QFETCH(int, size);
        QFETCH(int, zoomedSize);
        ApparatusState state = fixtures::apparatus();
        addDrop(state, 200, 150.0, radius);
        ViewSettings view = settings(false);
        // The drop 10 pixels right of and below the box's corner: magnified at (60, 60).
        view.zoomLeft = 200 - 10 + viewgeometry::PictureOffset;
        view.zoomTop = 150 - 10 + viewgeometry::PictureOffset;
        Renderer renderer;
        renderer.redraw(state, view);

        const QRect around(180, 130, 40, 40);
        QCOMPARE(bounds(renderer.apparatusPicture(), around, Black), QRect(200, 150, size, size));
        QCOMPARE(renderer.apparatusPicture().pixel(200 + size / 2, 150 + size / 2), Black);
        QCOMPARE(bounds(renderer.zoomPicture(), QRect(1, 1, 148, 148), Black),
                 QRect(60, 60, zoomedSize, zoomedSize));
        QCOMPARE(renderer.zoomPicture().pixel(60 + zoomedSize / 2, 60 + zoomedSize / 2), Black);
    }

    void whichDropsAreDrawn_data()
    {
        QTest::addColumn<int>("dropCount");
        QTest::addColumn<QList<int>>("drawn");
        QTest::addRow("count 3, slot 2 gone") << 3 << QList<int> {1, 3};
        QTest::addRow("count 1 leaves stale slots undrawn") << 1 << QList<int> {1};
        QTest::addRow("count 0 draws none") << 0 << QList<int> {};
        QTest::addRow("negative count draws none") << -1 << QList<int> {};
        QTest::addRow("count past the table draws none") << 101 << QList<int> {};
    }
    void whichDropsAreDrawn()
    {
        QFETCH(int, dropCount);
        QFETCH(QList<int>, drawn);
        ApparatusState state = fixtures::apparatus();
        ViewSettings view = settings(false, true);
        // Four drops well apart, every one under the zoom box; slot 2 has touched a plate.
        view.zoomLeft = 100 + viewgeometry::PictureOffset;
        view.zoomTop = 100 + viewgeometry::PictureOffset;
        for (int i = 0; i < 4; ++i)
            addDrop(state, 101 + 5 * i, 101.0 + 5 * i, 10, i == 1 ? 1 : 0);
        state.DropCount = dropCount;
        Renderer renderer;
        renderer.redraw(state, view);

        for (int number = 1; number <= 4; ++number) {
            const Drop &drop = state.slot(number);
            const QRect box(drop.X, drop.Y, 5, 5);
            const QRect zoomed(6 * (drop.X - 100), 6 * (drop.Y - 100), 8, 8);
            const int expected = drawn.contains(number) ? 1 : 0;
            QCOMPARE(count(renderer.apparatusPicture(), box, Black) > 0, expected == 1);
            QCOMPARE(count(renderer.zoomPicture(), zoomed, Black) > 0, expected == 1);
        }
    }

    // A drop is magnified when X - bx and Y - by lie in 0..30; bx = zoomLeft - 14 = 31 and
    // by = zoomTop - 14 = 18 here. The horizontal position is the whole pixel, the vertical one
    // the exact row, truncated after magnifying.
    void zoomPlacement_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<double>("exactY");
        QTest::addColumn<QRect>("magnified"); // bounding box before clipping; empty: none

        QTest::addRow("at the box's corner, exact row 20.5") << 31 << 20.5 << QRect(0, 15, 8, 8);
        QTest::addRow("exact row 30.0") << 40 << 30.0 << QRect(54, 72, 8, 8);
        QTest::addRow("exact row 30.5 moves 3 px") << 40 << 30.5 << QRect(54, 75, 8, 8);
        QTest::addRow("exact row 30.99 truncates to 77") << 40 << 30.99 << QRect(54, 77, 8, 8);
        QTest::addRow("one column left of the box") << 30 << 20.5 << QRect();
        QTest::addRow("one row above the box") << 40 << 17.9 << QRect();
        QTest::addRow("24 right, partly inside") << 55 << 20.0 << QRect(144, 12, 8, 8);
        QTest::addRow("30 right passes but is clipped") << 61 << 20.0 << QRect();
        QTest::addRow("31 right fails") << 62 << 20.0 << QRect();
        QTest::addRow("30 below passes but is clipped") << 40 << 48.0 << QRect();
    }
    void zoomPlacement()
    {
        QFETCH(int, x);
        QFETCH(double, exactY);
        QFETCH(QRect, magnified);
        ViewSettings view = settings(true, true);
        view.zoomLeft = 45;
        view.zoomTop = 32;
        Renderer blank;
        blank.redraw(fixtures::apparatus(), view);

        ApparatusState state = fixtures::apparatus();
        addDrop(state, x, exactY, 10);
        Renderer renderer;
        renderer.redraw(state, view);
        const QImage &zoom = renderer.zoomPicture();
        const QRect inside(1, 1, 148, 148);
        QCOMPARE(bounds(zoom, inside, Black), magnified.intersected(inside));
        if (magnified.isEmpty())
            QCOMPARE(zoom, blank.zoomPicture());
        // The apparatus picture shows the drop wherever the box is.
        QVERIFY(count(renderer.apparatusPicture(), QRect(x, int(exactY), 5, 5), Black) > 0);
    }

    // Drops that went away leave nothing behind.
    void redrawReplacesEverything()
    {
        ApparatusState state = fixtures::apparatus();
        ViewSettings view = settings(true, true);
        view.zoomLeft = 100 + viewgeometry::PictureOffset;
        view.zoomTop = 100 + viewgeometry::PictureOffset;
        addDrop(state, 110, 110.0, 10);
        state.ThreadX = 300;
        Renderer renderer;
        renderer.redraw(fixtures::apparatus(), view);
        const QImage emptyApparatusPicture = renderer.apparatusPicture();
        const QImage emptyZoom = renderer.zoomPicture();

        renderer.redraw(state, view);
        QVERIFY(renderer.apparatusPicture() != emptyApparatusPicture);
        QVERIFY(renderer.zoomPicture() != emptyZoom);
        renderer.redraw(fixtures::apparatus(), view);
        QCOMPARE(renderer.apparatusPicture(), emptyApparatusPicture);
        QCOMPARE(renderer.zoomPicture(), emptyZoom);
    }

    // On a screen of ratio 2 every layout pixel is a 2 x 2 block: the same geometry, the signs'
    // cells still cut the thread; the 96-dpi pictures beside them stay as at ratio 1.
    void screenDensity()
    {
        ApparatusState state = fixtures::apparatus();
        state.ThreadX = SignLeft;
        addDrop(state, 200, 150.0, 10);
        ViewSettings view = settings(true, true);
        view.zoomLeft = 200 - 10 + viewgeometry::PictureOffset;
        view.zoomTop = 150 - 10 + viewgeometry::PictureOffset;
        ViewSettings noScale = view;
        noScale.showScale = false;

        // Switched to ratio 2 after a redraw, and with the scale hidden: the signs take the
        // font name from the scale the 96-dpi picture last drew.
        Renderer renderer;
        renderer.redraw(state, noScale);
        renderer.setDevicePixelRatio(2);
        renderer.redraw(state, noScale);
        Renderer flat;
        flat.redraw(state, noScale);
        flat.redraw(state, noScale);
        QCOMPARE(renderer.apparatusPicture(), flat.apparatusPicture());
        QCOMPARE(renderer.zoomPicture(), flat.zoomPicture());
        QCOMPARE(renderer.apparatusPicture().devicePixelRatio(), 1.0);
        ApparatusRenderer fromStart;
        fromStart.setDevicePixelRatio(2);
        fromStart.redraw(fixtures::apparatus(), settings(true));
        fromStart.redraw(state, noScale);
        fromStart.redraw(state, noScale);
        QCOMPARE(renderer.screenApparatusPicture(), fromStart.screenApparatusPicture());

        const QImage &picture = renderer.screenApparatusPicture();
        const QImage &zoom = renderer.screenZoomPicture();
        QCOMPARE(picture.size(), QSize(1530, 672));
        QCOMPARE(zoom.size(), QSize(300, 300));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.dotsPerMeterX(), 3780);

        // The thread: device columns 10 and 11, white in the signs' cells and orange between.
        const int signHeight = cellHeight(pictureFont(18, true));
        QCOMPARE(count(picture, QRect(9, 0, 1, 672), Orange), 0);
        QCOMPARE(count(picture, QRect(12, 0, 1, 672), Orange), 0);
        QCOMPARE(picture.pixel(10, signHeight), White);
        QCOMPARE(picture.pixel(11, 580 + signHeight), White);
        for (int row : {2 * signHeight + 2, 300, 578, 579, 580 + 2 * signHeight + 2, 671})
            QCOMPARE(count(picture, QRect(10, row, 2, 1), Orange), 2);
        QVERIFY(count(picture, QRect(10, 0, 30, 2 * signHeight), Red) > 0);

        // The plates: device rows 28 to 31 and 630 to 633, columns 40 to 1489.
        for (int row : {28, 31, 630, 633}) {
            QCOMPARE(count(picture, QRect(40, row, 1450, 1), Black), 1450);
            QCOMPARE(picture.pixel(39, row), White);
            QCOMPARE(picture.pixel(1490, row), White);
        }
        for (int row : {27, 32, 629, 634})
            QCOMPARE(count(picture, QRect(40, row, 1450, 1), Black), 0);

        // The drop at (200, 150), 5 px, and its magnified image at (60, 60), 8 px.
        QCOMPARE(bounds(picture, QRect(360, 260, 80, 80), Black), QRect(400, 300, 10, 10));
        QCOMPARE(bounds(zoom, QRect(2, 2, 296, 296), Black), QRect(120, 120, 16, 16));
        QCOMPARE(count(zoom, QRect(0, 0, 300, 2), Black), 600);
        QCOMPARE(count(zoom, QRect(0, 2, 300, 1), Black), 2 + 2);

        // A scale line: dots 2 x 2, two apart, from device column 40 up to the plates' end.
        renderer.redraw(state, view);
        const QImage &scaled = renderer.screenApparatusPicture();
        const int y = 2 * scaleRow(1);
        QCOMPARE(count(scaled, QRect(40, y, 2, 2), Black), 4);
        QCOMPARE(count(scaled, QRect(42, y, 2, 2), Black), 0);
        QCOMPARE(count(scaled, QRect(1488, y, 2, 2), Black), 4);
        QCOMPARE(count(scaled, QRect(39, y, 1, 2), Black), 0);
        QCOMPARE(count(scaled, QRect(1490, y, 40, 2), Black), 0);
        QCOMPARE(count(scaled, QRect(40, y - 1, 1450, 1), Black), 0);
        QCOMPARE(count(scaled, QRect(40, y + 2, 1450, 1), Black), 0);
    }

    // What a redraw leaves (font colour black, pen width 1) makes the next one look the same:
    // labels stay black and lines one pixel wide after the red signs and the thick plates.
    void laterRedrawsMatchTheFirst()
    {
        ApparatusState state = fixtures::apparatus();
        state.ThreadX = 400;
        addDrop(state, 120, 120.5, 8);
        addDrop(state, 500, 200.25, 4);
        const ViewSettings view = settings(true, true);
        Renderer renderer;
        renderer.redraw(state, view);
        const QImage first = renderer.apparatusPicture();
        const QImage firstZoom = renderer.zoomPicture();
        for (int again = 0; again < 2; ++again) {
            renderer.redraw(state, view);
            QCOMPARE(renderer.apparatusPicture(), first);
            QCOMPARE(renderer.zoomPicture(), firstZoom);
        }
        const QImage &picture = renderer.apparatusPicture();
        QCOMPARE(count(picture, QRect(399, 0, 1, 336), Orange), 0);
        QCOMPARE(count(picture, QRect(401, 0, 1, 336), Orange), 0);
        QCOMPARE(count(picture, QRect(0, scaleRow(1) - 8, PlateLeft, 12), Red), 0);
        QVERIFY(count(picture, QRect(0, scaleRow(1) - 8, PlateLeft, 12), Black) > 0);
        QCOMPARE(count(picture, QRect(PlateLeft, scaleRow(1) + 1, 300, 1), Black), 0);
    }

    // However a redraw follows the one before (drops moved, overlapping or gone, the furniture
    // changed by the settings or the supply), its pictures are those a first redraw of the same
    // state draws: nothing left behind, nothing of the old furniture kept.
    void redrawAfterChangesMatchesAFirstRedraw_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("at 96 dpi") << 1.0;
        QTest::addRow("at a ratio of 1.5") << 1.5;
        QTest::addRow("at a ratio of 2") << 2.0;
    }
    void redrawAfterChangesMatchesAFirstRedraw()
    {
        QFETCH(qreal, ratio);
        ApparatusState state = fixtures::apparatus();
        addDrop(state, 100, 100.0, 10);
        addDrop(state, 104, 103.5, 8); // over the first
        addDrop(state, 760, 330.25, 10); // cut by the picture's right and bottom edges
        addDrop(state, 20, 43.0, 4); // on the scale's first label
        ViewSettings view = settings(true);
        view.zoomLeft = 100 + viewgeometry::PictureOffset - 10;
        view.zoomTop = 100 + viewgeometry::PictureOffset - 10;
        const auto moveDrop = [&state](int n, int dx, double dy) {
            state.slot(n).X += dx;
            state.exactY(n) += dy;
            state.slot(n).Y = static_cast<int>(state.exactY(n));
        };
        const std::vector<std::pair<const char *, std::function<void()>>> changes = {
            {"nothing changed", [] {}},
            {"the drops fall",
             [&] {
                 moveDrop(1, 0, 1.5);
                 moveDrop(2, 0, 2);
                 moveDrop(4, 0, 1);
             }},
            {"a drop moves across another", [&] { moveDrop(2, -9, 0.25); }},
            {"a drop goes", [&] { state.slot(1).Gone = 1; }},
            {"the scale hidden", [&] { view.showScale = false; }},
            {"the thread shown",
             [&] {
                 view.showThread = true;
                 state.ThreadX = 102;
             }},
            {"the thread moved", [&] { state.ThreadX = 300; }},
            {"the polarity flipped", [&] { state.Polarity = -state.Polarity; }},
            {"the scale shown with a comma",
             [&] {
                 view.showScale = true;
                 view.decimalSeparator = QStringLiteral(",");
             }},
            {"a drop leaves the picture", [&] { moveDrop(3, 10, 10); }},
            {"the apparatus cleaned up", [&] { state.DropCount = 0; }},
        };
        Renderer renderer;
        renderer.setDevicePixelRatio(ratio);
        renderer.redraw(state, view);
        for (const auto &[what, change] : changes) {
            change();
            renderer.redraw(state, view);
            Renderer first;
            first.setDevicePixelRatio(ratio);
            first.redraw(state, view);
            QVERIFY2(renderer.screenApparatusPicture() == first.screenApparatusPicture(), what);
            QVERIFY2(renderer.apparatusPicture() == first.apparatusPicture(), what);
            QVERIFY2(renderer.screenZoomPicture() == first.screenZoomPicture(), what);
        }
    }

    // A step repaints the squares of the picture view where the picture changed: every changed
    // pixel, and little else.
    void viewRepaintsWhatChanged_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("whereRedrawn"); // compared only where the renderer redrew
        QTest::addRow("a drop falls") << 1.0 << QPoint(300, 100) << QPoint(300, 101) << false;
        QTest::addRow("at the narrow squares of the right and bottom edges")
            << 1.0 << QPoint(755, 320) << QPoint(754, 323) << false;
        QTest::addRow("a drop falls, at a ratio of 1.5")
            << 1.5 << QPoint(301, 101) << QPoint(301, 103) << false;
        QTest::addRow("nothing moves") << 1.0 << QPoint(300, 100) << QPoint(300, 100) << false;
        QTest::addRow("a drop moves to another square, compared where redrawn")
            << 1.0 << QPoint(300, 100) << QPoint(340, 140) << true;
        QTest::addRow("a drop moves at a ratio of 1.5, compared where redrawn")
            << 1.5 << QPoint(301, 101) << QPoint(280, 90) << true;
    }
    void viewRepaintsWhatChanged()
    {
        QFETCH(qreal, ratio);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, whereRedrawn);
        ApparatusState state = fixtures::apparatus();
        addDrop(state, from.x(), from.y(), 8);
        ApparatusRenderer renderer;
        renderer.setDevicePixelRatio(ratio);
        // Twice, as the program starts: later redraws start from what the last one drew.
        renderer.redraw(state, settings(true));
        renderer.redraw(state, settings(true));
        ImageView view(QStringLiteral("capacitor"), nullptr);
        view.resize(constants::PictureWidth, constants::PictureHeight);
        view.setPicture(&renderer.screenApparatusPicture());
        PaintedArea painted(view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(!painted.area.isEmpty()); // shown whole once
        QCoreApplication::processEvents();
        const QImage before = renderer.screenApparatusPicture().copy();
        painted.area = QRegion();

        state.slot(1).X = to.x();
        state.slot(1).Y = to.y();
        state.exactY(1) = to.y();
        renderer.redraw(state, settings(true));
        if (whereRedrawn)
            view.updateChanged(renderer.screenApparatusRedrawn());
        else
            view.updateChanged();
        QCoreApplication::processEvents();

        const QImage &after = renderer.screenApparatusPicture();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y))
                    continue;
                ++changed;
                const QPoint layout(qFloor(x / ratio), qFloor(y / ratio));
                QVERIFY2(painted.area.contains(layout),
                         qPrintable(QStringLiteral("%1, %2 not repainted").arg(x).arg(y)));
            }
        }
        QCOMPARE(changed == 0, from == to);
        QCOMPARE(painted.area.isEmpty(), from == to);
        // Two squares of 32 device pixels each way at the most round each place, where the
        // whole picture is 765 x 336.
        const QRect bounds = painted.area.boundingRect();
        const QPoint moved = to - from;
        QVERIFY2(bounds.width() <= 64 + std::abs(moved.x()) &&
                     bounds.height() <= 64 + std::abs(moved.y()),
                 qPrintable(
                     QStringLiteral("%1 x %2 repainted").arg(bounds.width()).arg(bounds.height())));
    }
};

QTEST_MAIN(TestRenderer)
#include "test_renderer.moc"
