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
};

QTEST_GUILESS_MAIN(TestCentring)
#include "test_centring.moc"
