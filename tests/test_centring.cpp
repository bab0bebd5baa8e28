// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Centring the main window on the screen and the backing panel in the window.
#include "centring.h"

#include <QTest>

using namespace korvane;

class TestCentring : public QObject {
    Q_OBJECT
private slots:
    void window_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("corner");
        QTest::addRow("1024 x 768") << QSize(1024, 768) << QPoint(112, 84);
        QTest::addRow("1920 x 1080") << QSize(1920, 1080) << QPoint(560, 240);
        QTest::addRow("smaller than the window") << QSize(640, 480) << QPoint(-80, -60);
        QTest::addRow("odd excess truncates toward zero") << QSize(799, 595) << QPoint(0, -2);
        QTest::addRow("exactly the window") << QSize(800, 600) << QPoint(0, 0);
    }
    void window()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, corner);
        QCOMPARE(centredWindowPosition(screen, QSize(800, 600)), corner);
    }

    void panel_data()
    {
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<QPoint>("corner");
        QTest::addRow("client 549") << 549 << QPoint(0, -2);
        QTest::addRow("client 556") << 556 << QPoint(0, 1);
        QTest::addRow("client 553") << 553 << QPoint(0, 0);
        QTest::addRow("client 578") << 578 << QPoint(0, 12);
    }
    void panel()
    {
        QFETCH(int, clientHeight);
        QFETCH(QPoint, corner);
        // The panel is one pixel wider than the window: (800 - 801) div 2 is 0, not -1.
        QCOMPARE(centredPanelPosition(800, clientHeight, QSize(801, 553)), corner);
    }

    // A dialog shown before the window manager has framed it is centred by a guess, never by
    // the nothing, or the less than nothing, reported meanwhile.
    void dialogFrame_data()
    {
        QTest::addColumn<QSize>("reported");
        QTest::addColumn<QSize>("guess");
        QTest::addColumn<QPoint>("corner");
        QTest::addRow("frame known") << QSize(0, 37) << QSize(4, 23) << QPoint(376, 274);
        QTest::addRow("not framed yet") << QSize(0, 0) << QSize(0, 37) << QPoint(376, 274);
        QTest::addRow("frame of a 2 x 2 window")
            << QSize(-269, -181) << QSize(0, 37) << QPoint(376, 274);
        QTest::addRow("less than nothing across only")
            << QSize(-269, 37) << QSize(0, 0) << QPoint(376, 292);
        QTest::addRow("no window manager") << QSize(0, 0) << QSize(0, 0) << QPoint(376, 292);
    }
    void dialogFrame()
    {
        QFETCH(QSize, reported);
        QFETCH(QSize, guess);
        QFETCH(QPoint, corner);
        const QSize client(271, 183);
        QCOMPARE(centredWindowPosition(QSize(1024, 768), client + frameToCentreBy(reported, guess)),
                 corner);
    }
};

QTEST_GUILESS_MAIN(TestCentring)
#include "test_centring.moc"
