// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Constants dialog and the About box: their look, their ways out, and the box's 4 s close.
#include "about_box.h"
#include "const_dialog.h"
#include "legacy_fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace korvane;

namespace {

const QColor Khaki(169, 150, 109);
const QColor Cream(254, 253, 199);

QColor pixel(QWidget &widget, QPoint position)
{
    return widget.grab().toImage().pixelColor(position);
}

// As wide as its text, superscripts included, give or take the rounding of the glyphs' widths.
bool fitsText(const QLabel &label)
{
    const int advance = label.fontMetrics().horizontalAdvance(label.text());
    return label.width() >= advance && label.width() <= advance + 1;
}

void tick(Taboutboxp &box, int times)
{
    for (int i = 0; i < times; ++i)
        box.Timer1Timer();
}

// Whether the frame stands in the middle of the primary screen, as the dialogs place it.
bool centredOnPrimaryScreen(const QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    return frame.left() == (screen.width() - frame.width()) / 2 &&
        frame.top() == (screen.height() - frame.height()) / 2;
}

constexpr Qt::WindowFlags TitleBarButtons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint;

} // namespace

class TestConstantsDialog : public QObject {
    Q_OBJECT
private slots:
    void unitsAreCompletedOnceHoweverOftenShown()
    {
        Tconstfrm dialog;
        QVERIFY(dialog.isHidden());
        const QStringList expected = {QStringLiteral("Air Density = 1.25 kg/m\u00b3"),
                                      QStringLiteral("Oil Density = 857 kg/m\u00b3"),
                                      QStringLiteral("Plate Separation = 1 mm"),
                                      QStringLiteral("Air Viscosity = 1.80e-5 N s /m\u00b2"),
                                      QStringLiteral("Gravity = 9.8 m/s\u00b2")};
        const char *names[] = {"adlb", "odlb", "Label8", "avlb", "glb"};
        for (int showing = 0; showing < 3; ++showing) {
            dialog.open();
            QTest::mouseClick(dialog.findChild<QPushButton *>("Button1"), Qt::LeftButton);
            QVERIFY(dialog.isHidden());
            for (int i = 0; i < 5; ++i)
                QCOMPARE(dialog.findChild<QLabel *>(names[i])->text(), expected[i]);
        }
    }

    void layout_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addRow("air density") << QByteArray("adlb") << QPoint(55, 16);
        QTest::addRow("oil density") << QByteArray("odlb") << QPoint(57, 40);
        QTest::addRow("plate separation") << QByteArray("Label8") << QPoint(51, 64);
        QTest::addRow("air viscosity") << QByteArray("avlb") << QPoint(35, 88);
        QTest::addRow("gravity") << QByteArray("glb") << QPoint(75, 112);
    }
    void layout()
    {
        QFETCH(QByteArray, name);
        QFETCH(QPoint, position);
        Tconstfrm dialog;
        const auto *label = dialog.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->pos(), position);
        QCOMPARE(label->height(), 16);
        QVERIFY(fitsText(*label));
        QVERIFY(label->geometry().right() < 271);
        QCOMPARE(label->font().bold(), true);
        QCOMPARE(label->font().pixelSize(), 13);
        QCOMPARE(label->font().family(), legacyFont(LegacyFace::MsSansSerif, 13).family());
    }

    void frameAndLook()
    {
        Tconstfrm dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Constants"));
        QCOMPARE(dialog.windowFlags() & TitleBarButtons, Qt::WindowFlags());
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
        QCOMPARE(dialog.windowType(), Qt::Dialog);
        QCOMPARE(dialog.minimumSize(), QSize(271, 183));
        QCOMPARE(dialog.maximumSize(), QSize(271, 183));
        const auto *button = dialog.findChild<QPushButton *>("Button1");
        QCOMPARE(button->geometry(), QRect(88, 144, 75, 25));
        QCOMPARE(button->text(), QStringLiteral("&Ok"));
        QVERIFY(button->font().bold());

        dialog.show();
        QCOMPARE(pixel(dialog, {3, 3}), Khaki);
        QCOMPARE(pixel(dialog, {268, 140}), Khaki);
        QVERIFY(centredOnPrimaryScreen(dialog));
    }

    void okIsTheOnlyFocusStop()
    {
        Tconstfrm dialog;
        auto *button = dialog.findChild<QPushButton *>("Button1");
        for (const QWidget *child : dialog.findChildren<QWidget *>())
            QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == button);
        dialog.open();
        QCOMPARE(dialog.focusWidget(), button);
    }

    void okCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::addRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::addRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
    }
    void okCloses()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Tconstfrm dialog;
        dialog.open();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(dialog.focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A mnemonic presses the button visibly before it clicks.
        QTRY_VERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Minimised by the desktop where the platform reports no state (Wayland), the modal dialog
    // leaves only the window it blocks: when that gets the focus, the dialog takes it back and
    // its showing goes on.
    void focusOnTheBlockedOwnerBringsTheDialogBack()
    {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        Tconstfrm dialog(&owner);
        dialog.open();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        owner.activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), dialog.windowHandle());
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        QVERIFY(!dialog.windowState().testFlag(Qt::WindowMinimized));
        dialog.reject();
        // Once the dialog is closed, the owner keeps a focus it is given.
        owner.activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), owner.windowHandle());
        QTest::qWait(50);
        QCOMPARE(QGuiApplication::focusWindow(), owner.windowHandle());
    }

    void modalShowingEndsAtOk()
    {
        Tconstfrm dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            QTest::mouseClick(dialog.findChild<QPushButton *>("Button1"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(dialog.isHidden());
    }
};

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void createdWithItsTextsAndTimerStopped()
    {
        Taboutboxp box;
        QVERIFY(box.isHidden());
        QCOMPARE(box.windowTitle(), QStringLiteral("Korvane About"));
        const auto *product = box.findChild<QLabel *>("ProductName");
        const auto *version = box.findChild<QLabel *>("Version");
        QCOMPARE(product->text(), QStringLiteral("Product Name: Korvane"));
        QCOMPARE(version->text(), QStringLiteral("Version 1.20"));
        const auto *timer = box.findChild<QTimer *>("Timer1");
        QCOMPARE(timer->interval(), 200);
        QVERIFY(!timer->isActive());
        QCOMPARE(box.tickCount(), 0);
        QCOMPARE(box.tag(), 0);
    }

    void setTextsRefitsTheLines()
    {
        Taboutboxp box;
        auto *product = box.findChild<QLabel *>("ProductName");
        const int before = product->width();
        box.setTexts(QStringLiteral("Product Name: Korvane for the whole class"),
                     QStringLiteral("Other caption"), QStringLiteral("Version 2"));
        QCOMPARE(product->text(), QStringLiteral("Product Name: Korvane for the whole class"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Other caption"));
        QCOMPARE(box.findChild<QLabel *>("Version")->text(), QStringLiteral("Version 2"));
        QVERIFY(product->width() > before);
        QVERIFY(fitsText(*product));
    }

    void frameLayoutAndLook()
    {
        Taboutboxp box;
        const Qt::WindowFlags flags = box.windowFlags();
        QCOMPARE(box.windowType(), Qt::Dialog);
        // A close box, and nothing else on the title bar. Elsewhere it comes with the system menu
        // that holds it; on Windows Qt leaves that flag off a dialog and draws the box without it.
#ifdef Q_OS_WIN
        QCOMPARE(flags & TitleBarButtons, Qt::WindowCloseButtonHint);
#else
        QCOMPARE(flags & TitleBarButtons, Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
#endif
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(box.minimumSize(), QSize(449, 285));
        QCOMPARE(box.maximumSize(), QSize(449, 285));

        auto *panel1 = box.findChild<QWidget *>("Panel1");
        auto *panel2 = box.findChild<QWidget *>("Panel2");
        QCOMPARE(panel1->geometry(), QRect(0, 0, 449, 285));
        QCOMPARE(panel2->parentWidget(), panel1);
        // Inside the single-line edge, the bevel and the border: 2 + 1 + 5 pixels all round.
        QCOMPARE(panel2->geometry(), QRect(8, 8, 433, 269));
        const auto *product = box.findChild<QLabel *>("ProductName");
        const auto *version = box.findChild<QLabel *>("Version");
        QCOMPARE(product->parentWidget(), panel2);
        QCOMPARE(product->pos(), QPoint(8, 8));
        QCOMPARE(version->pos(), QPoint(360, 8));
        QVERIFY(version->geometry().right() < panel2->width());
        QCOMPARE(product->font().family(), QStringLiteral("Arial"));
        QCOMPARE(product->font().pixelSize(), 11);
        QVERIFY(product->font().bold());
        QCOMPARE(version->font().pixelSize(), 11);
        QVERIFY(!version->font().bold());

        box.show();
        QVERIFY(centredOnPrimaryScreen(box));
        QVERIFY(!box.findChild<QPushButton *>("returnbt")->isVisible());
        QCOMPARE(pixel(box, {2, 140}), QColor(Qt::white)); // the raised bevel's lit edge
        QCOMPARE(pixel(box, {5, 140}), Khaki);
        QCOMPARE(pixel(box, {8, 140}), QColor(Qt::white)); // the cream panel's raised bevel
        QCOMPARE(pixel(box, {300, 20}), Cream); // between the two lines of text
        QCOMPARE(pixel(box, {438, 273}), Cream);
        box.hide();
    }

    void closesItselfAtTheTwentiethTick()
    {
        Taboutboxp box;
        const auto *timer = box.findChild<QTimer *>("Timer1");
        box.open();
        QVERIFY(timer->isActive());
        tick(box, 19);
        QVERIFY(box.isVisible());
        QCOMPARE(box.tickCount(), 19);
        QCOMPARE(box.tag(), 0);
        tick(box, 1);
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.tag(), 10);
        QVERIFY(!timer->isActive());
    }

    // Clicked away early, the box closes at once and closes itself again at the next showing.
    void clickOnThePanels_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QPoint>("position");
        QTest::addRow("brown border") << QByteArray("Panel1") << QPoint(4, 140);
        QTest::addRow("cream panel") << QByteArray("Panel2") << QPoint(290, 12);
        QTest::addRow("emblem") << QByteArray("Logo") << QPoint(80, 100);
    }
    void clickOnThePanels()
    {
        QFETCH(QByteArray, target);
        QFETCH(QPoint, position);
        Taboutboxp box;
        const auto *timer = box.findChild<QTimer *>("Timer1");
        box.open();
        tick(box, 5);
        QTest::mouseClick(box.findChild<QWidget *>(target), Qt::LeftButton, {}, position);
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!timer->isActive());
        QCOMPARE(box.tag(), 0);

        box.open();
        QCOMPARE(box.tickCount(), 0);
        QVERIFY(timer->isActive());
        tick(box, 20);
        QVERIFY(box.isHidden());
        QCOMPARE(box.tag(), 10);
    }

    void clickOnTheLinesOfTextDoesNothing_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addRow("product line") << QByteArray("ProductName");
        QTest::addRow("version line") << QByteArray("Version");
    }
    void clickOnTheLinesOfTextDoesNothing()
    {
        QFETCH(QByteArray, label);
        Taboutboxp box;
        box.open();
        auto *line = box.findChild<QLabel *>(label);
        QTest::mouseClick(line, Qt::LeftButton, {}, line->rect().center());
        QTest::mouseDClick(line, Qt::LeftButton, {}, line->rect().center());
        QVERIFY(box.isVisible());
        QVERIFY(box.findChild<QTimer *>("Timer1")->isActive());
        box.reject();
    }

    void onceClosedByItselfLaterShowingsStayOpen()
    {
        Taboutboxp box;
        const auto *timer = box.findChild<QTimer *>("Timer1");
        box.open();
        tick(box, 20);
        QCOMPARE(box.tag(), 10);
        for (int showing = 0; showing < 2; ++showing) {
            box.open();
            QVERIFY(!timer->isActive()); // nothing left to close it by itself
            QVERIFY(box.isVisible());
            QCOMPARE(box.tickCount(), 0);
            QTest::mouseClick(box.findChild<QWidget *>("Panel2"), Qt::LeftButton, {}, {290, 12});
            QVERIFY(box.isHidden());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        }
    }

    // The close box ends the showing with Cancel and leaves the timer running.
    void closeBoxThenTwentiethTickWhileHidden()
    {
        Taboutboxp box;
        const auto *timer = box.findChild<QTimer *>("Timer1");
        box.open();
        tick(box, 5);
        QVERIFY(box.windowHandle()->close());
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Rejected));
        QVERIFY(timer->isActive());
        tick(box, 15);
        QCOMPARE(box.tag(), 10);
        QVERIFY(!timer->isActive());
        QCoreApplication::processEvents();
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void closeBoxThenShownAgain()
    {
        Taboutboxp box;
        box.open();
        tick(box, 15);
        box.reject();
        box.open();
        QCOMPARE(box.tickCount(), 0);
        tick(box, 19);
        QVERIFY(box.isVisible());
        tick(box, 1);
        QVERIFY(box.isHidden());
        QCOMPARE(box.tag(), 10);
    }

    void modalShowingResults()
    {
        Taboutboxp box;
        QTimer::singleShot(0, &box, [&box] { box.close(); });
        QCOMPARE(box.exec(), int(QDialog::Rejected));
        QTimer::singleShot(0, &box, [&box] { tick(box, 20); });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
    }

    // The one test that lets the real 200 ms timer run: left alone, the box is gone after 4 s.
    void leftAloneClosesAfterFourSeconds()
    {
        Taboutboxp box;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 3950 && elapsed < 6000, qPrintable(QString::number(elapsed)));
        QCOMPARE(box.tag(), 10);
    }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int status = 0;
    {
        TestConstantsDialog constants;
        status |= QTest::qExec(&constants, argc, argv);
    }
    {
        TestAboutBox about;
        status |= QTest::qExec(&about, argc, argv);
    }
    return status;
}

#include "test_dialogs.moc"
