// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the real program's screen for bench/measure-program, from screenshots alone: where the
// apparatus picture and the controls are, how many drops are in view, and what the stopwatch
// label says. The label is read by drawing every candidate text with the program's own widgets
// (a main window that is never shown) and finding the one whose pixels equal the screenshot's;
// run it on the same display as the program, so that fonts and resolution are the same.
//
//   screenshot_reader bare                         an empty window, the start-up of Qt alone
//   screenshot_reader layout                       control centres relative to the picture
//   screenshot_reader locate SHOT.png              the picture's top-left corner on the screen
//   screenshot_reader drops SHOT.png X Y           drops visible between the plates
//   screenshot_reader stopwatch SHOT.png X Y MAX   the stopwatch's count in tenths, 0..MAX
#include "main_window.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <cstdio>
#include <vector>

using namespace korvane;

namespace {

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;

QImage load(const char *file)
{
    QImage image(QString::fromLocal8Bit(file));
    if (image.isNull()) {
        std::fprintf(stderr, "screenshot_reader: cannot read %s\n", file);
        std::exit(2);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Where a control lies relative to the apparatus picture, in the window's fixed layout.
QRect relativeToPicture(Tmilikanfrm &window, const char *name)
{
    auto *control = window.findChild<QWidget *>(QLatin1String(name));
    auto *picture = window.findChild<QWidget *>(QStringLiteral("capacitor"));
    const QPoint offset =
        control->mapTo(&window, QPoint(0, 0)) - picture->mapTo(&window, QPoint(0, 0));
    return QRect(offset, control->size());
}

// The upper plate: two black rows on white at picture y 14 and 15, from picture x 20 on.
QPoint locate(const QImage &screen)
{
    for (int y = 1; y + 2 < screen.height(); ++y) {
        for (int x = 0; x + 40 < screen.width(); ++x) {
            bool plate = true;
            for (int i = 0; i < 40 && plate; ++i)
                plate = screen.pixel(x + i, y - 1) == White && screen.pixel(x + i, y) == Black &&
                    screen.pixel(x + i, y + 1) == Black && screen.pixel(x + i, y + 2) == White;
            if (plate)
                return QPoint(x - 20, y - 14);
        }
    }
    return QPoint(-1, -1);
}

// Drops are black blobs of five pixels or more between the plates; the scale's dots are single
// pixels. The zoom box's outline and its label, controls of their own, are left out.
int countDrops(const QImage &screen, QPoint picture)
{
    const QRect area(30, 17, 715, 297);
    const QRect zoomBox(26, 18, 26, 26), zoomLabel(58, 18, 220, 17);
    std::vector<char> seen(size_t(area.width() * area.height()), 0);
    auto index = [&](int x, int y) {
        return size_t((y - area.top()) * area.width() + x - area.left());
    };
    auto ink = [&](int x, int y) {
        return area.contains(x, y) && !zoomBox.contains(x, y) && !zoomLabel.contains(x, y) &&
            screen.pixel(picture + QPoint(x, y)) == Black;
    };
    int drops = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || !ink(x, y))
                continue;
            int size = 0;
            std::vector<QPoint> stack {QPoint(x, y)};
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (ink(q.x(), q.y()) && !seen[index(q.x(), q.y())]) {
                        seen[index(q.x(), q.y())] = 1;
                        stack.push_back(q);
                    }
                }
            }
            drops += size >= 5 ? 1 : 0;
        }
    }
    return drops;
}

bool samePixels(const QImage &screen, QPoint at, const QImage &drawn)
{
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (((screen.pixel(at + QPoint(x, y)) ^ drawn.pixel(x, y)) & 0xffffff) != 0)
                return false;
        }
    }
    return true;
}

// The count whose label, drawn by the program's own widgets, equals the screenshot pixel for
// pixel; -1 if none does. A few pixels of slack around the expected place allow for the frame.
int readStopwatch(Tmilikanfrm &window, const QImage &screen, QPoint picture, int most)
{
    auto *timerlb = window.findChild<QLabel *>(QStringLiteral("timerlb"));
    // The label is drawn over the control panel's colour, which the panel paints itself.
    QWidget *panel = timerlb->parentWidget();
    while (panel->objectName() != QLatin1String("Panel2"))
        panel = panel->parentWidget();
    const QRect label = relativeToPicture(window, "timerlb");
    const QRect inPanel(timerlb->mapTo(panel, QPoint(0, 0)), timerlb->size());
    for (int tenths = 0; tenths <= most; ++tenths) {
        timerlb->setText(QString::number(tenths / 10) + QLatin1Char('.') +
                         QString::number(tenths % 10) + QStringLiteral(" s"));
        const QImage drawn = panel->grab(inPanel).toImage().convertToFormat(QImage::Format_RGB32);
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const QPoint at = picture + label.topLeft() + QPoint(dx, dy);
                if (samePixels(screen, at, drawn))
                    return tenths;
            }
        }
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("bare")) {
        // What Qt itself costs here: an empty window of the same size, for comparison.
        QWidget bare;
        bare.setWindowTitle(QStringLiteral("Bare"));
        bare.resize(800, 600);
        bare.show();
        return QApplication::exec();
    }
    Tmilikanfrm window;

    if (command == QLatin1String("layout")) {
        for (const char *name : {"Addbt", "startbt", "freezebt", "resetbt"}) {
            const QPoint centre = relativeToPicture(window, name).center();
            std::printf("%s %d %d\n", name, centre.x(), centre.y());
        }
        return 0;
    }
    if (command == QLatin1String("locate") && argc == 3) {
        const QPoint at = locate(load(argv[2]));
        std::printf("%d %d\n", at.x(), at.y());
        return at.x() < 0 ? 1 : 0;
    }
    if (command == QLatin1String("drops") && argc == 5) {
        std::printf("%d\n",
                    countDrops(load(argv[2]), QPoint(std::atoi(argv[3]), std::atoi(argv[4]))));
        return 0;
    }
    if (command == QLatin1String("stopwatch") && argc == 6) {
        const int tenths =
            readStopwatch(window, load(argv[2]), QPoint(std::atoi(argv[3]), std::atoi(argv[4])),
                          std::atoi(argv[5]));
        std::printf("%d\n", tenths);
        return tenths < 0 ? 1 : 0;
    }
    std::fprintf(stderr,
                 "usage: screenshot_reader layout | locate SHOT | drops SHOT X Y | "
                 "stopwatch SHOT X Y MAX\n");
    return 2;
}
