// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the desktop knows the program's windows: every window carries the program's icon, at the
// sizes window decorations use, each drawn for its size.
#include "desktop_identity.h"
#include "main_window.h"

#include <QDialog>
#include <QTest>

using namespace korvane;

class TestDesktopIdentity : public QObject {
    Q_OBJECT

private slots:
    void iconAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : windowIconSizes())
            QTest::addRow("%d px", size) << size;
    }
    void iconAtEverySize()
    {
        QFETCH(int, size);
        const QIcon icon = programIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        // Drawn for that size, not scaled from another one.
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The navy frame at the middle of the left edge, the amber drop at the centre.
        const QColor frame = image.pixelColor(size / 16, size / 2);
        QVERIFY2(frame.blue() > 100 && frame.red() < 40 && frame.green() < 40,
                 qPrintable(frame.name()));
        const QColor drop = image.pixelColor(size / 2, size / 2);
        QVERIFY2(drop.red() > 180 && drop.green() > 80 && drop.blue() < 80,
                 qPrintable(drop.name()));
    }

    void windowsCarryTheIcon()
    {
        Tmilikanfrm window;
        const QIcon shown = window.windowIcon();
        QCOMPARE(shown.availableSizes(), programIcon().availableSizes());
        QCOMPARE(shown.pixmap(32).toImage(), programIcon().pixmap(32).toImage());
        // The dialogs are the window's own and carry its icon.
        const QList<QDialog *> dialogs = window.findChildren<QDialog *>();
        QVERIFY(!dialogs.isEmpty());
        for (const QDialog *dialog : dialogs)
            QCOMPARE(dialog->windowIcon().pixmap(32).toImage(), programIcon().pixmap(32).toImage());
    }
};

QTEST_MAIN(TestDesktopIdentity)
#include "test_desktop_identity.moc"
