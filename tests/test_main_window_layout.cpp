// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as it stands right after start-up: every control where the layout puts it,
// with its caption, state, font and hint; both menus; the tab order; the step timer; the exit
// button's picture; the apparatus state the creation leaves; and the same look under a dark theme.
#include "about_box.h"
#include "arrow_picture.h"
#include "bevel_panel.h"
#include "classic_look.h"
#include "const_dialog.h"
#include "legacy_fonts.h"
#include "main_window.h"
#include "translations.h"
#include "window_fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <memory>

using namespace korvane;

namespace {

// What a control shows as its caption or content, whatever its kind.
QString caption(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return QString();
}

QRgb pixelOf(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixel(at);
}

// Every kind of window the program shows, as it is drawn: the main window, a menu, both
// dialogs, the error box and a tooltip.
QList<QImage> windowPictures()
{
    QList<QImage> pictures;
    Tmilikanfrm window;
    pictures << window.grab().toImage();
    auto *options = window.findChild<QMenu *>(QStringLiteral("Options1"));
    options->resize(options->sizeHint());
    pictures << options->grab().toImage();
    pictures << Tconstfrm().grab().toImage() << Taboutboxp().grab().toImage();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane"), QStringLiteral("Error."),
                    QMessageBox::Ok);
    box.show();
    pictures << box.grab().toImage();
    box.hide();
    QToolTip::showText(QPoint(100, 100), QStringLiteral("Each grid is 0.1 mm"));
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel") && shown->isVisible())
            pictures << shown->grab().toImage();
    }
    QToolTip::hideText();
    return pictures;
}

// The underlined letters that several things share where one Alt+letter reaches them all at
// once, as "scope Alt+X: owner, owner": the window's menu titles and controls (each control with
// every caption it shows), the items of each menu, and each dialog's buttons. Empty when every
// letter has one owner.
QStringList sharedAltLetters()
{
    using Owners = QMap<QString, QSet<QString>>; // letter -> owners
    QMap<QString, Owners> scopes;
    const auto add = [&scopes](const QString &scope, const QString &owner, const QString &text) {
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (!letter.isEmpty())
            scopes[scope][letter.toString()].insert(owner);
    };
    const auto controls = [&add](QWidget *window, const QString &scope) {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(window))
                add(scope, button->objectName(), button->text());
        }
    };

    Tmilikanfrm window;
    for (QAction *title : window.menuBar()->actions()) {
        add(QStringLiteral("window"), title->menu()->objectName(), title->text());
        for (QAction *item : title->menu()->actions())
            add(title->menu()->objectName(), item->objectName(), item->text());
    }
    for (QAction *item : window.findChild<QMenu *>(QStringLiteral("PopupMenu1"))->actions())
        add(QStringLiteral("PopupMenu1"), item->objectName(), item->text());
    // The buttons whose caption says what a press does, in both of their states.
    controls(&window, QStringLiteral("window"));
    for (const char *name : {"onoff", "startbt", "freezebt"})
        window.findChild<QAbstractButton *>(QLatin1String(name))->click();
    controls(&window, QStringLiteral("window"));

    Tconstfrm constants;
    controls(&constants, QStringLiteral("Constants"));
    Taboutboxp about;
    controls(&about, QStringLiteral("About"));

    QStringList shared;
    for (auto scope = scopes.cbegin(); scope != scopes.cend(); ++scope) {
        for (auto letter = scope->cbegin(); letter != scope->cend(); ++letter) {
            if (letter->size() < 2)
                continue;
            QStringList owners(letter->cbegin(), letter->cend());
            owners.sort();
            shared << QStringLiteral("%1 %2: %3")
                          .arg(scope.key(), letter.key(), owners.join(QLatin1String(", ")));
        }
    }
    return shared;
}

// The captions of one language that do not fit their controls at the layout's sizes and fonts,
// or whose "&" underlines no letter; empty when all is well.
QStringList captionsThatDoNotFit()
{
    QStringList faults;
    const auto markFault = [&faults](const QString &what, const QString &text) {
        faults << QStringLiteral("%1: \"%2\"").arg(what, text);
    };
    const auto checkMnemonic = [&markFault](const QString &text) {
        for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0;
             at = text.indexOf(QLatin1Char('&'), at + 2)) {
            if (at + 1 >= text.size() || !text.at(at + 1).isLetterOrNumber())
                markFault(QStringLiteral("an \"&\" that marks no letter"), text);
        }
    };
    const auto extent = [](const QWidget *widget, const QString &text) {
        return widget->fontMetrics().size(Qt::TextShowMnemonic, text);
    };

    Tmilikanfrm window;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(&window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize needed = extent(button, button->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            markFault(button->objectName(), button->text());
        checkMnemonic(button->text());
    }
    for (QCheckBox *box : window.findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        // The caption's room, beside the box, within the control's width.
        const QRect room =
            box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box) & box->rect();
        if (extent(box, box->text()).width() > room.width())
            markFault(box->objectName(), box->text());
        checkMnemonic(box->text());
    }
    // A group's caption stands in the frame's top line: a stretch of line is left at its right
    // end as at its left.
    for (QGroupBox *group : window.findChildren<QGroupBox *>()) {
        if (group->fontMetrics().horizontalAdvance(group->title()) + 2 * 12 > group->width())
            markFault(group->objectName(), group->title());
    }
    const auto *zlb = window.findChild<QLabel *>(QStringLiteral("zlb"));
    if (extent(zlb, zlb->text()).width() > zlb->width())
        markFault(zlb->objectName(), zlb->text());
    // The zoom box's caption stands one letter below the other.
    const auto *label2 = window.findChild<QLabel *>(QStringLiteral("Label2"));
    if (label2->heightForWidth(label2->width()) > label2->height())
        markFault(label2->objectName(), label2->text());

    // The menu bar shows every title at the window's width, without an overflow button.
    QMenuBar *bar = window.menuBar();
    bar->resize(window.outerSize().width(), bar->sizeHint().height());
    for (QAction *title : bar->actions()) {
        if (!bar->rect().contains(bar->actionGeometry(title)))
            markFault(QStringLiteral("menu title"), title->text());
        checkMnemonic(title->text());
        for (QAction *item : title->menu()->actions())
            checkMnemonic(item->text());
    }

    Tconstfrm constants;
    for (QLabel *line : constants.findChildren<QLabel *>()) {
        if (line->geometry().right() >= constants.width() ||
            extent(line, line->text()).width() > line->width())
            markFault(line->objectName(), line->text());
    }
    for (QPushButton *button : constants.findChildren<QPushButton *>()) {
        if (extent(button, button->text()).width() + 8 > button->width())
            markFault(button->objectName(), button->text());
        checkMnemonic(button->text());
    }

    // The About box's two lines side by side within its panel; the emblem's purpose in at most
    // two lines of its 241 x 44 px, the audience in one line of 241 px.
    Taboutboxp about;
    const auto *product = about.findChild<QLabel *>(QStringLiteral("ProductName"));
    const auto *version = about.findChild<QLabel *>(QStringLiteral("Version"));
    if (product->geometry().right() >= version->x())
        markFault(product->objectName(), product->text());
    if (version->geometry().right() >= version->parentWidget()->width())
        markFault(version->objectName(), version->text());
    const QFontMetrics purpose(legacyFont(LegacyFace::Arial, 15));
    const QRect purposeRoom(0, 0, 241, 44);
    const QRect purposeText =
        purpose.boundingRect(purposeRoom, Qt::TextWordWrap, Taboutboxp::purposeLine());
    if (!purposeRoom.contains(purposeText))
        markFault(QStringLiteral("emblem"), Taboutboxp::purposeLine());
    if (QFontMetrics(legacyFont(LegacyFace::Arial, 12))
            .horizontalAdvance(Taboutboxp::audienceLine()) > 241)
        markFault(QStringLiteral("emblem"), Taboutboxp::audienceLine());
    return faults;
}

// What a dark desktop theme gives the widget classes it colours.
void darkThemePalettes()
{
    const QPalette dark(QColor(50, 50, 50));
    for (const char *className : {"QMenu", "QMenuBar", "QAbstractButton", "QLabel",
                                  "QMessageBoxLabel", "QGroupBox", "QCheckBox"})
        QApplication::setPalette(dark, className);
    QToolTip::setPalette(dark);
}

} // namespace

using ThemeChange = std::function<void()>;
Q_DECLARE_METATYPE(ThemeChange)

class TestMainWindowLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmilikanfrm> m_window;

    template<class Widget = QWidget> Widget *control(const QString &name)
    {
        return korvane::control<Widget>(*m_window, name);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
        m_window = std::make_unique<Tmilikanfrm>();
    }
    void cleanupTestCase() { m_window.reset(); }

    void window()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Korvane"));
        QCOMPARE(m_window->outerSize(), QSize(800, 600));
        // Fixed size, with a minimise box but no maximise box.
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void backingPanelIsCentred()
    {
        auto *panel1 = control<BevelPanel>(QStringLiteral("Panel1"));
        QVERIFY(panel1);
        QCOMPARE(panel1->size(), QSize(801, 553));
        // One pixel wider than the window: its left edge stays at 0, the right one is cut off.
        QCOMPARE(panel1->x(), 0);
        const int clientHeight = panel1->parentWidget()->height();
        QCOMPARE(panel1->y(), (clientHeight - 553) / 2);
        QCOMPARE(panel1->clientOrigin(), BevelPanel::EdgeWidth);
    }

    // Every control of the layout: its kind, parent, caption and state, and that it stands
    // wholly within its parent. Where each one stands is the layout table's alone.
    void controls_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");

        const QByteArray panel = "korvane::BevelPanel";
        const QByteArray image = "korvane::ImageView";
        QTest::addRow("Panel3") << "Panel1" << panel << "" << true;
        QTest::addRow("capacitor") << "Panel3" << image << "" << true;
        QTest::addRow("zsh") << "Panel3" << QByteArray("korvane::ZoomBox") << "" << true;
        QTest::addRow("zlb") << "Panel3" << QByteArray("QLabel")
                             << "Zoom box:Click and Drag to move" << true;
        QTest::addRow("Panel2") << "Panel1" << panel << "" << true;
        QTest::addRow("GroupBox4") << "Panel2" << QByteArray("QGroupBox") << "Controls" << true;

        QTest::addRow("GroupBox3") << "GroupBox4" << QByteArray("QGroupBox") << "Oil" << true;
        QTest::addRow("GroupBox1") << "GroupBox4" << QByteArray("QGroupBox") << "Voltage" << true;
        QTest::addRow("GroupBox2") << "GroupBox4" << QByteArray("QGroupBox") << "Timer" << true;
        QTest::addRow("threadcb") << "GroupBox4" << QByteArray("QCheckBox") << " &Show Thread"
                                  << true;
        QTest::addRow("freezebt") << "GroupBox4" << QByteArray("QPushButton") << "&Freeze Screen"
                                  << true;
        QTest::addRow("Label2") << "GroupBox4" << QByteArray("QLabel") << "Z O O M    B O X"
                                << true;
        QTest::addRow("zim") << "GroupBox4" << image << "" << true;
        QTest::addRow("SpeedButton1") << "GroupBox4" << QByteArray("QToolButton") << "" << true;

        QTest::addRow("Addbt") << "GroupBox3" << QByteArray("QPushButton") << "&Add Oil" << true;
        QTest::addRow("Scalebx") << "GroupBox3" << QByteArray("QCheckBox") << " Show Scale" << true;
        QTest::addRow("Resetb") << "GroupBox3" << QByteArray("QPushButton") << "&Clean Up" << true;

        QTest::addRow("onoff") << "GroupBox1" << QByteArray("QPushButton") << "&On" << true;
        QTest::addRow("voltsb") << "GroupBox1" << QByteArray("QScrollBar") << "" << false;
        QTest::addRow("flipcb") << "GroupBox1" << QByteArray("QCheckBox") << " &Flip Voltage"
                                << true;

        QTest::addRow("startbt") << "GroupBox2" << QByteArray("QPushButton") << "&Start" << true;
        QTest::addRow("timerlb") << "GroupBox2" << QByteArray("QLabel") << "0.0 s" << true;
        QTest::addRow("resetbt") << "GroupBox2" << QByteArray("QPushButton") << "&Reset" << true;
    }
    void controls()
    {
        QFETCH(QString, parent);
        QFETCH(QByteArray, kind);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY2(widget->inherits(kind.constData()), widget->metaObject()->className());
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        // Wholly inside its parent, and inside the border of a panel that has one.
        QRect room = widget->parentWidget()->rect();
        if (auto *panel = qobject_cast<BevelPanel *>(widget->parentWidget()))
            room.adjust(panel->clientOrigin(), panel->clientOrigin(), -panel->clientOrigin(),
                        -panel->clientOrigin());
        QVERIFY2(room.contains(widget->geometry()), qPrintable(widget->objectName()));
        QCOMPARE(::caption(widget), caption);
        QCOMPARE(widget->isEnabled(), enabled);
        QVERIFY(widget->isVisibleTo(m_window.get()));
    }

    // The voltage label starts at its place and grows to the right with its text.
    void voltageLabel()
    {
        auto *voltlb = control<QLabel>(QStringLiteral("voltlb"));
        QCOMPARE(voltlb->parentWidget()->objectName(), QStringLiteral("GroupBox1"));
        QCOMPARE(voltlb->text(), QStringLiteral("0 V"));
        QCOMPARE(voltlb->pos(), QPoint(50, 88));
        QCOMPARE(voltlb->height(), 16);
        QVERIFY(voltlb->width() >= voltlb->fontMetrics().horizontalAdvance(voltlb->text()));
        QVERIFY(voltlb->isVisibleTo(m_window.get()));
        QCOMPARE(voltlb->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    }

    void checkBoxes_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addRow("Scalebx") << true;
        QTest::addRow("threadcb") << false;
        QTest::addRow("flipcb") << false;
    }
    void checkBoxes()
    {
        QFETCH(bool, checked);
        auto *box = control<QCheckBox>(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(box->isChecked(), checked);
    }

    // The "Show Thread" box is a sibling of the "Oil" group, standing over it.
    void threadBoxLiesAboveTheOilGroup()
    {
        auto *threadcb = control(QStringLiteral("threadcb"));
        const QPoint centre = threadcb->geometry().center();
        QWidget *top = threadcb->parentWidget()->childAt(centre);
        QVERIFY(top == threadcb || threadcb->isAncestorOf(top));
    }

    void fonts_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addRow("Tmilikanfrm") << 13 << false;
        QTest::addRow("Addbt") << 13 << false;
        QTest::addRow("Scalebx") << 13 << false;
        QTest::addRow("onoff") << 13 << false;
        QTest::addRow("GroupBox4") << 13 << false;
        QTest::addRow("timerlb") << 13 << false;
        QTest::addRow("Label2") << 13 << false;
        QTest::addRow("voltlb") << 13 << true;
        QTest::addRow("zlb") << 8 << false;
    }
    void fonts()
    {
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QWidget *widget = name == m_window->objectName() ? m_window.get() : control(name);
        QCOMPARE(widget->font().pixelSize(), pixelSize);
        QCOMPARE(widget->font().bold(), bold);
    }

    void panelColours_data()
    {
        QTest::addColumn<QPoint>("at"); // a point of the panel that no child covers
        QTest::addColumn<QColor>("colour");
        QTest::addRow("Panel1") << QPoint(100, 370) << QColor(254, 253, 199);
        QTest::addRow("Panel2") << QPoint(3, 174) << QColor(169, 150, 109);
        QTest::addRow("Panel3") << QPoint(7, 100) << QColor(0, 0, 128);
    }
    void panelColours()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QWidget *panel = control(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(QColor(pixelOf(panel, at)), colour);
    }

    void hints()
    {
        QCOMPARE(control(QStringLiteral("Scalebx"))->toolTip(),
                 QStringLiteral("Each grid is 0.1 mm"));
        QCOMPARE(control(QStringLiteral("zsh"))->toolTip(),
                 QStringLiteral("Zoom Box: click and drag to move"));
        QVERIFY(m_window->toolTip().isEmpty());
        for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (widget->objectName() != QLatin1String("Scalebx") &&
                widget->objectName() != QLatin1String("zsh"))
                QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        }
    }

    void hiddenControls_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("content");
        QTest::addRow("timebx") << QByteArray("QLineEdit") << "10";
        QTest::addRow("distxt") << QByteArray("QLineEdit") << "0.0001";
        QTest::addRow("Label1") << QByteArray("QLabel") << "Time";
        QTest::addRow("Label6") << QByteArray("QLabel") << "distance";
    }
    void hiddenControls()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, content);
        QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget->inherits(kind.constData()));
        QCOMPARE(caption(widget), content);
        QVERIFY(!widget->isVisibleTo(m_window.get()));
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }

    void voltageSlider()
    {
        auto *voltsb = control<QScrollBar>(QStringLiteral("voltsb"));
        QCOMPARE(voltsb->orientation(), Qt::Horizontal);
        QCOMPARE(voltsb->minimum(), 0);
        QCOMPARE(voltsb->maximum(), 5000);
        QCOMPARE(voltsb->singleStep(), 1);
        QCOMPARE(voltsb->pageStep(), 20);
        QCOMPARE(voltsb->value(), 0);
        QVERIFY(!voltsb->isEnabled());
    }

    void menuBar()
    {
        const QList<QAction *> titles = m_window->menuBar()->actions();
        QCOMPARE(titles.size(), 3);
        const char *names[] = {"Edit1", "Options1", "Help1"};
        const char *captions[] = {"&File", "&Options", "&Help"};
        const qsizetype sizes[] = {4, 6, 1};
        for (int i = 0; i < 3; ++i) {
            QMenu *menu = titles[i]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QLatin1String(names[i]));
            QCOMPARE(titles[i]->text(), QLatin1String(captions[i]));
            QCOMPARE(menu->actions().size(), sizes[i]);
        }
        auto *popup = control<QMenu>(QStringLiteral("PopupMenu1"));
        QCOMPARE(popup->actions().size(), 2);
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // empty: a separator
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<int>("check"); // -1: no check mark, 0: unchecked, 1: checked
        QTest::addColumn<bool>("enabled");

        const QKeySequence none;
        const QKeySequence ctrlC(Qt::CTRL | Qt::Key_C);
        const QKeySequence ctrlP(Qt::CTRL | Qt::Key_P);
        QTest::addRow("File: Copy") << "Edit1" << 0 << "Copy2"
                                    << "&Copy" << ctrlC << -1 << true;
        QTest::addRow("File: Print, disabled") << "Edit1" << 1 << "Print2"
                                               << "&Print" << ctrlP << -1 << false;
        QTest::addRow("File: separator") << "Edit1" << 2 << "N2"
                                         << "" << none << -1 << true;
        QTest::addRow("File: Exit") << "Edit1" << 3 << "Exit1"
                                    << "E&xit" << none << -1 << true;
        QTest::addRow("Options: Variable, checked") << "Options1" << 0 << "Variable1"
                                                    << "&Variable" << none << 1 << true;
        QTest::addRow("Options: Same Radius") << "Options1" << 1 << "SameMass1"
                                              << "Same &Radius (4e-7 m)" << none << 0 << true;
        QTest::addRow("Options: Same +ve Charge") << "Options1" << 2 << "SameCharge1"
                                                  << "Same +ve &Charge" << none << 0 << true;
        QTest::addRow("Options: Same -ve Charge") << "Options1" << 3 << "Samecharge2"
                                                  << "Same -&ve Charge" << none << 0 << true;
        QTest::addRow("Options: separator") << "Options1" << 4 << "N1"
                                            << "" << none << -1 << true;
        QTest::addRow("Options: Show constants") << "Options1" << 5 << "Showconstants1"
                                                 << "Show constants" << none << -1 << true;
        QTest::addRow("Help: About") << "Help1" << 0 << "about1"
                                     << "About" << none << -1 << true;
        QTest::addRow("pop-up: Copy") << "PopupMenu1" << 0 << "Copy1"
                                      << "&Copy" << ctrlC << -1 << true;
        QTest::addRow("pop-up: Print, disabled") << "PopupMenu1" << 1 << "Print1"
                                                 << "&Print" << ctrlP << -1 << false;
    }
    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(int, check);
        QFETCH(bool, enabled);
        auto *found = control<QMenu>(menu);
        const QList<QAction *> items = found->actions();
        QVERIFY(position < items.size());
        QAction *item = items[position];
        QCOMPARE(item->objectName(), name);
        QCOMPARE(item->isSeparator(), caption.isEmpty());
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->isCheckable(), check >= 0);
        QCOMPARE(item->isChecked(), check == 1);
        QCOMPARE(item->isEnabled(), enabled);
    }

    // The controls that Tab visits, in the order it visits them, starting from the first.
    void tabOrder()
    {
        const QStringList &expected = TabStops;
        QWidget *first = control(expected.first());
        QStringList visited;
        QWidget *widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(m_window.get()))
                visited << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first && visited.size() <= expected.size());
        QCOMPARE(visited, expected);
        QCOMPARE(control(QStringLiteral("SpeedButton1"))->focusPolicy(), Qt::NoFocus);
    }

    void stepTimer()
    {
        auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(!timer->isSingleShot());
    }

    void exitButtonPicture()
    {
        const QImage picture = arrowPicture();
        QCOMPARE(picture.size(), QSize(45, 54));
        QCOMPARE(picture.depth(), 32);
        const QRgb ground = picture.pixel(0, picture.height() - 1);
        QCOMPARE(ground, qRgb(255, 255, 255));
        int fill = 0, outline = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                fill += picture.pixel(x, y) == qRgb(232, 123, 20);
                outline += picture.pixel(x, y) == qRgb(220, 43, 25);
            }
        }
        QVERIFY(fill > 0);
        QVERIFY(outline > 0);
        // The head points left at the upper left: the left third's arrow pixels lie up high.
        QVERIFY(picture.pixel(3, 14) != ground);
        QCOMPARE(picture.pixel(3, 45), ground);

        // The ground, and only the ground, is transparent.
        const QImage shown = transparentArrow().toImage();
        QCOMPARE(shown.size(), picture.size());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QCOMPARE(qAlpha(shown.pixel(x, y)) == 0, picture.pixel(x, y) == ground);

        auto *button = control<QToolButton>(QStringLiteral("SpeedButton1"));
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->iconSize(), QSize(45, 54));
    }

    void stateAfterStartUp()
    {
        const ApparatusState &state = m_window->state();
        QCOMPARE(state.DropCount, 0);
        QCOMPARE(state.Polarity, 1);
        QCOMPARE(state.StopwatchRunning, false);
        QCOMPARE(state.StopwatchTenths, 0);
        QCOMPARE(state.VoltageOn, 0);
        QCOMPARE(state.VoltageSetting, 0);
        QCOMPARE(state.ThreadX, 0);
        QCOMPARE(state.ZoomDragging, false);
        QCOMPARE(state.PlateTop, 15);
        QCOMPARE(state.PlateGap, 301);
        QCOMPARE(state.PlateSeparation, 0.001);
        QCOMPARE(state.AirDensity, 1.25);
        QCOMPARE(state.OilDensity, 857.0);
        QCOMPARE(state.AirViscosity, 1.8e-5);

        const ViewSettings view = m_window->viewSettings();
        QCOMPARE(view.showScale, true);
        QCOMPARE(view.showThread, false);
        QCOMPARE(view.zoomLeft, 40);
        QCOMPARE(view.zoomTop, 32);

        // The creation drew the first picture: the plates and the scale are there.
        const QImage &picture = m_window->renderer().apparatusPicture();
        QCOMPARE(picture.pixel(100, 15), qRgb(0, 0, 0));
        QCOMPARE(picture.pixel(100, 316), qRgb(0, 0, 0));
        QCOMPARE(picture.pixel(20, 45), qRgb(0, 0, 0));
    }

    // Under a dark desktop theme every window looks as it does under the plain light one.
    void sameLookUnderADarkTheme_data()
    {
        QTest::addColumn<ThemeChange>("before");
        QTest::addColumn<ThemeChange>("after");
        const ThemeChange nothing = [] {};
        QTest::addRow("dark from the start") << ThemeChange([] {
            QApplication::setPalette(QPalette(QColor(50, 50, 50)));
            darkThemePalettes();
        }) << nothing;
        // As the platform reports a change of the desktop's theme, through Qt's own handling.
        QTest::addRow("theme changed while running") << nothing << ThemeChange([] {
            QWindowSystemInterface::handleThemeChange();
            QWindowSystemInterface::flushWindowSystemEvents();
        });
    }
    void sameLookUnderADarkTheme()
    {
        QFETCH(ThemeChange, before);
        QFETCH(ThemeChange, after);
        static const QList<QImage> light = windowPictures();
        QCOMPARE(light.size(), 6);

        before();
        keepClassicPalette();
        after();
        const QList<QImage> pictures = windowPictures();
        keepClassicPalette();
        QCOMPARE(pictures.size(), light.size());
        const char *names[] = {"main window", "menu", "Constants", "About", "error box", "tooltip"};
        for (int i = 0; i < light.size(); ++i)
            QVERIFY2(pictures.at(i) == light.at(i), names[i]);
    }
    // Every language's captions fit the controls as the English ones do, at the same sizes and
    // fonts, and underline letters; English is the baseline.
    void captionsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "es", "fr", "pt_BR"})
            QTest::addRow("%s", language) << QString::fromLatin1(language);
    }
    void captionsFitInEveryLanguage()
    {
        QFETCH(QString, language);
        Translations translations;
        QCOMPARE(translations.install(QLocale(language)), language != QLatin1String("en"));
        QCOMPARE(translations.language(), language == QLatin1String("en") ? QString() : language);
        const QStringList faults = captionsThatDoNotFit();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }
    // No Alt+letter reaches two things at once in a translation. English keeps the letters it
    // has always had, four of which are shared; the keyboard router moves through those.
    void altLettersUniqueInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shared");
        QTest::addRow("en") << "en"
                            << QStringList {"Options1 Alt+V: Samecharge2, Variable1",
                                            "window Alt+F: Edit1, flipcb, freezebt",
                                            "window Alt+O: Options1, onoff",
                                            "window Alt+S: startbt, threadcb"};
        for (const char *language : {"de", "es", "fr", "pt_BR"})
            QTest::addRow("%s", language) << QString::fromLatin1(language) << QStringList();
    }
    void altLettersUniqueInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, shared);
        Translations translations;
        translations.install(QLocale(language));
        QCOMPARE(sharedAltLetters().join(QLatin1String("; ")), shared.join(QLatin1String("; ")));
    }
    // The Constants dialog in full school terms, and the numbers that the translations carry
    // in the notation of the user's country, which a language's file serves several of. The
    // stopwatch and the scale labels follow that notation in a translation; the English program
    // keeps their point wherever it runs.
    void constantsInFullTermsInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("sameRadius");
        QTest::addColumn<QString>("stopwatch");
        const QStringList english {"Air Density = 1.25 kg/m³", "Oil Density = 857 kg/m³",
                                   "Plate Separation = 1 mm", "Air Viscosity = 1.80e-5 N s /m²",
                                   "Gravity = 9.8 m/s²"};
        QTest::addRow("en_US") << "en_US" << english << "Same &Radius (4e-7 m)"
                               << "0.0 s";
        QTest::addRow("en_DE") << "en_DE" << english << "Same &Radius (4e-7 m)"
                               << "0.0 s";
        const QStringList german {"Luftdichte = 1,25 kg/m³", "Öldichte = 857 kg/m³",
                                  "Plattenabstand = 1 mm", "Luftviskosität = 1,80·10⁻⁵ N·s/m²",
                                  "Fallbeschleunigung = 9,8 m/s²"};
        QTest::addRow("de_DE") << "de_DE" << german << "Gleicher &Radius (0,4 µm)"
                               << "0,0 s";
        QStringList swiss = german;
        swiss.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
        QTest::addRow("de_CH") << "de_CH" << swiss << "Gleicher &Radius (0.4 µm)"
                               << "0.0 s";
        const QStringList spanish {
            "Densidad del aire = 1,25 kg/m³", "Densidad del aceite = 857 kg/m³",
            "Distancia entre placas = 1 mm", "Viscosidad del aire = 1,80·10⁻⁵ N·s/m²",
            "Aceleración de la gravedad = 9,8 m/s²"};
        QTest::addRow("es_ES") << "es_ES" << spanish << "Mismo &radio (0,4 µm)"
                               << "0,0 s";
        QStringList mexican = spanish;
        mexican.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
        QTest::addRow("es_MX") << "es_MX" << mexican << "Mismo &radio (0.4 µm)"
                               << "0.0 s";
        QTest::addRow("fr_FR") << "fr_FR"
                               << QStringList {"Masse volumique de l’air = 1,25 kg/m³",
                                               "Masse volumique de l’huile = 857 kg/m³",
                                               "Distance entre les plaques = 1 mm",
                                               "Viscosité de l’air = 1,80·10⁻⁵ N·s/m²",
                                               "Intensité de la pesanteur = 9,8 m/s²"}
                               << "Même &rayon (0,4 µm)"
                               << "0,0 s";
        QTest::addRow("pt_BR") << "pt_BR"
                               << QStringList {"Densidade do ar = 1,25 kg/m³",
                                               "Densidade do óleo = 857 kg/m³",
                                               "Distância entre as placas = 1 mm",
                                               "Viscosidade do ar = 1,80·10⁻⁵ N·s/m²",
                                               "Aceleração da gravidade = 9,8 m/s²"}
                               << "Mesmo &raio (0,4 µm)"
                               << "0,0 s";
    }
    void constantsInFullTermsInEveryLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, lines);
        QFETCH(QString, sameRadius);
        QFETCH(QString, stopwatch);
        // The user's notation for this row only.
        struct DefaultLocale {
            QLocale before;
            ~DefaultLocale() { QLocale::setDefault(before); }
        } keep;
        QLocale::setDefault(QLocale(locale));
        Translations translations;
        translations.install(QLocale(locale));

        Tconstfrm constants;
        QStringList shown;
        for (const char *name : {"adlb", "odlb", "Label8", "avlb", "glb"})
            shown << constants.findChild<QLabel *>(QLatin1String(name))->text();
        QCOMPARE(shown, lines);
        Tmilikanfrm window;
        QCOMPARE(window.findChild<QAction *>(QStringLiteral("SameMass1"))->text(), sameRadius);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("timerlb"))->text(), stopwatch);
        QCOMPARE(window.viewSettings().decimalSeparator, stopwatch.mid(1, 1));
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "test_main_window_layout.moc"
