// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dragging the zoom box over the apparatus view and placing the reference thread, driven with
// pointer events on the real main window.
#include "main_window.h"
#include "picture_colours.h"
#include "scripted_random.h"
#include "window_fixtures.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace korvane;

namespace {

using namespace korvane::colours;

// Every drop of a click lands at X 35, Y 32 with Radius 4 and no charge: under the zoom box's
// start position (left 40, top 32, so picture pixels 26.. across and 18.. down).
std::unique_ptr<RandomSource> dropsUnderTheBox()
{
    return std::make_unique<ScriptedRandom>(QList<int> {5, 2, 10, 0});
}

} // namespace

class TestZoomBox : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmilikanfrm> window;

    template<class T> T *control(const char *name) { return korvane::control<T>(*window, name); }
    QWidget *zsh() { return control<QWidget>("zsh"); }
    QWidget *capacitor() { return control<QWidget>("capacitor"); }
    void freeze() { QTest::mouseClick(control<QPushButton>("freezebt"), Qt::LeftButton); }

    // A press at the box's centre, one movement to a point given in the box's coordinates
    // when the movement starts, and the release there.
    void drag(QPoint to)
    {
        QTest::mousePress(zsh(), Qt::LeftButton, {}, QPoint(12, 12));
        QTest::mouseMove(zsh(), to);
        QTest::mouseRelease(zsh(), Qt::LeftButton, {}, zsh()->mapFromGlobal(QCursor::pos()));
    }

private slots:
    void init()
    {
        window = std::make_unique<Tmilikanfrm>(dropsUnderTheBox());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void clampsTheBoxToThePicture_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("stopsAt");
        QTest::addRow("far to the upper left") << QPoint(-2000, -2000) << QPoint(20, 20);
        QTest::addRow("far to the lower right") << QPoint(2000, 2000) << QPoint(745, 320);
        QTest::addRow("far up, within the width") << QPoint(112, -2000) << QPoint(140, 20);
        QTest::addRow("centre follows the pointer") << QPoint(112, 62) << QPoint(140, 82);
    }
    void clampsTheBoxToThePicture()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, stopsAt);
        drag(to);
        QCOMPARE(zsh()->pos(), stopsAt);
        QVERIFY(!window->state().ZoomDragging);
    }

    void keepsFollowingBeyondTheLimit()
    {
        // Through the window, as the platform delivers the pointer: past a limit the box stays,
        // and the movements and the release still reach it, over other controls too.
        QWindow *platform = window->windowHandle();
        const auto inWindow = [this](QPoint inBox) { return zsh()->mapTo(window.get(), inBox); };
        QTest::mousePress(platform, Qt::LeftButton, {}, inWindow(QPoint(12, 12)));
        QVERIFY(window->state().ZoomDragging);
        QTest::mouseMove(platform, inWindow(QPoint(-900, 12)));
        QCOMPARE(zsh()->pos(), QPoint(20, 32));
        const QPoint overThePanel = control<QWidget>("Addbt")->mapTo(window.get(), QPoint(5, 5));
        QTest::mouseMove(platform, overThePanel);
        // Its centre follows across; downward it stops at the limit.
        const int centreX = control<QWidget>("Panel3")->mapFrom(window.get(), overThePanel).x();
        QCOMPARE(zsh()->pos(), QPoint(centreX - 12, 320));
        QTest::mouseRelease(platform, Qt::LeftButton, {}, overThePanel);
        QVERIFY(!window->state().ZoomDragging);
        QCOMPARE(window->state().DropCount, 0); // the press never reached Add Oil
    }

    void movementWithoutPressOnlyHidesTheLabel()
    {
        freeze();
        QSignalSpy redraws(window.get(), &Tmilikanfrm::pictureRedrawn);
        QVERIFY(control<QLabel>("zlb")->isVisible());
        QTest::mouseMove(zsh(), QPoint(5, 5));
        QTest::mouseMove(zsh(), QPoint(20, 20));
        QVERIFY(!control<QLabel>("zlb")->isVisible());
        QCOMPARE(zsh()->pos(), QPoint(40, 32));
        QCOMPARE(redraws.count(), 0);
    }

    void pressAndReleaseEndsTheHintOnly()
    {
        freeze();
        QSignalSpy redraws(window.get(), &Tmilikanfrm::pictureRedrawn);
        QVERIFY(!zsh()->toolTip().isEmpty());
        QTest::mousePress(zsh(), Qt::LeftButton, {}, QPoint(12, 12));
        QVERIFY(window->state().ZoomDragging);
        QTest::mouseRelease(zsh(), Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(zsh()->pos(), QPoint(40, 32));
        QCOMPARE(redraws.count(), 0);
        QVERIFY(zsh()->toolTip().isEmpty());
        QVERIFY(control<QLabel>("zlb")->isVisible());
    }

    void zoomPictureFollowsTheBox()
    {
        freeze();
        QTest::mouseClick(control<QPushButton>("Addbt"), Qt::LeftButton);
        // Under the start position the drop at (35, 32) is magnified at left (35-40+14)*6 = 54,
        // top (32-32+14)*6 = 84, five pixels across.
        QCOMPARE(window->renderer().zoomPicture().pixel(56, 86), Black);

        // Moved 30 pixels to the right the box no longer covers it.
        drag(QPoint(42, 12));
        QCOMPARE(zsh()->pos(), QPoint(70, 32));
        QCOMPARE(window->renderer().zoomPicture().pixel(56, 86), White);

        // Moved back so that the drop lies 4 pixels right of the box's corner.
        drag(QPoint(-13, 12));
        QCOMPARE(zsh()->pos(), QPoint(45, 32));
        QCOMPARE(window->renderer().zoomPicture().pixel(4 * 6 + 2, 14 * 6 + 2), Black);
    }

    void dragWhileFrozenMovesTheBoxNotTheDrops()
    {
        QTest::mouseClick(control<QPushButton>("Addbt"), Qt::LeftButton);
        freeze();
        const double before = window->state().exactY(1);
        QTest::qWait(250); // two or three ticks would have come
        drag(QPoint(42, 12));
        drag(QPoint(-18, 12));
        QCOMPARE(zsh()->pos(), QPoint(40, 32));
        QCOMPARE(window->state().exactY(1), before);
        const int top = static_cast<int>((before - 32 + 14) * 6);
        QCOMPARE(window->renderer().zoomPicture().pixel(56, top + 2), Black);
    }

    void threadIsPlacedOnlyWhileShown()
    {
        freeze();
        auto *threadcb = control<QCheckBox>("threadcb");
        QSignalSpy redraws(window.get(), &Tmilikanfrm::pictureRedrawn);
        QTest::mouseClick(capacitor(), Qt::LeftButton, {}, QPoint(300, 100));
        QCOMPARE(window->state().ThreadX, 0);
        QCOMPARE(redraws.count(), 0);

        // Checking the box draws nothing by itself; the next redraw shows the thread at x 0.
        threadcb->setChecked(true);
        QCOMPARE(redraws.count(), 0);
        QCOMPARE(window->renderer().apparatusPicture().pixel(0, 200), White);
        QTest::mouseClick(control<QPushButton>("Addbt"), Qt::LeftButton);
        QCOMPARE(window->renderer().apparatusPicture().pixel(0, 200), Orange);

        // A click places it at once, even while frozen.
        QTest::mouseClick(capacitor(), Qt::LeftButton, {}, QPoint(300, 100));
        QCOMPARE(window->state().ThreadX, 300);
        QCOMPARE(window->renderer().apparatusPicture().pixel(300, 200), Orange);
        QCOMPARE(window->renderer().apparatusPicture().pixel(0, 200), White);

        // Hidden, clicks leave it where it was.
        threadcb->setChecked(false);
        QTest::mouseClick(capacitor(), Qt::LeftButton, {}, QPoint(500, 100));
        QCOMPARE(window->state().ThreadX, 300);
    }

    void secondaryButtonPlacesTheThreadAndOpensTheMenu()
    {
        freeze();
        control<QCheckBox>("threadcb")->setChecked(true);
        // Through the window, as the platform delivers it, so that the press raises the menu.
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {},
                          capacitor()->mapTo(window.get(), QPoint(400, 50)));
        QCOMPARE(window->state().ThreadX, 400);
        QCOMPARE(window->renderer().apparatusPicture().pixel(400, 200), Orange);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("PopupMenu1"));
        QApplication::activePopupWidget()->close();
    }
};

QTEST_MAIN(TestZoomBox)
#include "test_zoom_box.moc"
