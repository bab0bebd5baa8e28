// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's control tree, written once as a table: every control with its parent,
// rectangle and caption, in the order they are made, which is also their stacking order (a
// control lies above the siblings made before it). After the table come what only some controls
// have (fonts, states, hints, what a screen reader hears), both menus, the hidden inputs of the
// estimate, the step timer and the tab order. What the controls do is in main_window.cpp, which
// also makes the zoom box's follower for screen readers (drop_follower.h); the keyboard rule for
// shared underlined letters (mnemonics.h) is made here because it holds on to the controls.
#include "main_window.h"

#include "accessibility.h"
#include "arrow_picture.h"
#include "bevel_panel.h"
#include "classic_look.h"
#include "desktop_identity.h"
#include "handler_guard.h"
#include "image_view.h"
#include "layout_colours.h"
#include "legacy_fonts.h"
#include "mnemonics.h"
#include "translated_number.h"
#include "zoom_box.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <type_traits>

namespace korvane {

namespace {

using layout::Cream;
using layout::Khaki;
using layout::Navy;
using viewgeometry::PictureOffset;
using viewgeometry::ZoomSize;

constexpr int StepMilliseconds = 100;

template<class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    return named(menu->addAction(caption), name);
}

// Makes one control of the table under its parent, from its name and translated caption.
using Maker = std::function<QWidget *(const QString &name, const QString &caption, QWidget *)>;

// A control of the kind Made, kept in the window's member of that name.
template<class Made, class Member> Maker make(Member *&member)
{
    return [&member](const QString &name, const QString &caption, QWidget *parent) {
        Made *made = nullptr;
        if constexpr (std::is_same_v<Made, ImageView> || std::is_same_v<Made, ZoomBox>)
            made = new Made(name, parent);
        else if constexpr (std::is_same_v<Made, ClassicScrollBar>)
            made = new Made(Qt::Horizontal, parent);
        else if constexpr (std::is_same_v<Made, QToolButton>)
            made = new Made(parent);
        else
            made = new Made(caption, parent);
        made->setObjectName(name);
        member = made;
        return made;
    };
}

Maker panel(BevelPanel *&member, BevelPanel::Look look)
{
    return [&member, look](const QString &name, const QString &, QWidget *parent) {
        member = new BevelPanel(name, look, parent);
        return member;
    };
}

// One row of the table.
struct Placed {
    const char *name;
    const char *parent; ///< nullptr: the window's client area
    QRect geometry; ///< in the parent's client area
    Maker make;
    const char *caption = nullptr; ///< translated; none where there is none or syncControls sets it
};

} // namespace

void Tmilikanfrm::setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void Tmilikanfrm::buildLayout()
{
    setObjectName(QStringLiteral("Tmilikanfrm"));
    setWindowTitle(QStringLiteral("Korvane"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(legacyFont(LegacyFace::System, 13));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    setCentralWidget(named(new QWidget(this), "client"));

    using Bevel = BevelPanel::Bevel;
    const QRect picture(PictureOffset, PictureOffset, constants::PictureWidth,
                        constants::PictureHeight);
    // clang-format off
    const Placed controls[] = {
        {"Panel1",       nullptr,     {  0,   0, 801, 553},
         panel(Panel1, {Cream, Bevel::Raised, Bevel::Raised, 1, 2, true})},
        {"Panel3",       "Panel1",    {  2,   2, 793, 364},
         panel(Panel3, {Navy, Bevel::Raised, Bevel::Lowered, 5, 4})},
        {"capacitor",    "Panel3",    picture,                   make<ImageView>(capacitor)},
        {"zsh",          "Panel3",    { 40,  32, ZoomBox::Side, ZoomBox::Side},
         make<ZoomBox>(zsh)},
        {"zlb",          "Panel3",    { 72,  32, 219,  16},      make<QLabel>(zlb),
         QT_TR_NOOP("Zoom box:Click and Drag to move")},
        {"Panel2",       "Panel1",    {  5, 369, 785, 177},      panel(Panel2, {Khaki})},
        {"GroupBox4",    "Panel2",    {  8,   2, 769, 169},      make<ClassicGroupBox>(GroupBox4),
         QT_TR_NOOP("Controls")},
        {"GroupBox3",    "GroupBox4", { 24,  20, 124, 141},      make<ClassicGroupBox>(GroupBox3),
         //: The group of the oil sprayer's controls (the oil drops), not a fuel.
         QT_TR_NOOP("Oil")},
        {"Addbt",        "GroupBox3", { 16,  24,  89,  33},      make<ClassicPushButton>(Addbt),
         QT_TR_NOOP("&Add Oil")},
        {"Scalebx",      "GroupBox3", {  8,  59,  97,  17},      make<QCheckBox>(Scalebx),
         //: The leading blank keeps the text off the check box; keep it.
         QT_TR_NOOP(" Show Scale")},
        {"Resetb",       "GroupBox3", { 16, 104,  89,  33},      make<ClassicPushButton>(Resetb),
         QT_TR_NOOP("&Clean Up")},
        {"GroupBox1",    "GroupBox4", {170,  20, 121, 141},      make<ClassicGroupBox>(GroupBox1),
         QT_TR_NOOP("Voltage")},
        // The captions of the supply switch, the stopwatch button and the freeze button follow
        // the apparatus: syncControls sets them, and the voltage label's text.
        {"onoff",        "GroupBox1", { 16,  24,  89,  33},      make<ClassicPushButton>(onoff)},
        {"voltsb",       "GroupBox1", { 16,  64,  89,  17},      make<ClassicScrollBar>(voltsb)},
        {"voltlb",       "GroupBox1", { 50,  88,  20,  16},      make<QLabel>(voltlb)},
        {"flipcb",       "GroupBox1", { 12, 112,  97,  17},      make<QCheckBox>(flipcb),
         //: Reverses the polarity of the plates. The leading blank keeps the text off the check
         //: box.
         QT_TR_NOOP(" &Flip Voltage")},
        {"GroupBox2",    "GroupBox4", {312,  20, 121, 141},      make<ClassicGroupBox>(GroupBox2),
         //: The stopwatch's group.
         QT_TR_NOOP("Timer")},
        {"startbt",      "GroupBox2", { 16,  24,  89,  33},      make<ClassicPushButton>(startbt)},
        {"timerlb",      "GroupBox2", { 40,  66,  49,  16},      make<QLabel>(timerlb)},
        {"resetbt",      "GroupBox2", { 16, 104,  89,  33},      make<ClassicPushButton>(resetbt),
         //: Sets the stopwatch back to 0.0 s (not a reset of the program).
         QT_TR_NOOP("&Reset")},
        // After the Oil group, so that it lies above it.
        {"threadcb",     "GroupBox4", { 32, 101, 109,  17},      make<QCheckBox>(threadcb),
         //: A reference line across the apparatus view. The leading blank keeps the text off the
         //: check box.
         QT_TR_NOOP(" &Show Thread")},
        {"freezebt",     "GroupBox4", {616,  16, 137,  49},      make<ClassicPushButton>(freezebt)},
        {"Label2",       "GroupBox4", {440,  24,  17, 137},      make<QLabel>(Label2),
         //: Stands letter below letter in a label one letter wide: a blank between letters,
         //: four between the words.
         QT_TR_NOOP("Z O O M    B O X")},
        {"zim",          "GroupBox4", {458,  13, ZoomSize, ZoomSize}, make<ImageView>(zim)},
        {"SpeedButton1", "GroupBox4", {704, 104,  57,  57},      make<QToolButton>(SpeedButton1)},
    };
    // clang-format on
    QHash<QString, QWidget *> made;
    for (const Placed &control : controls) {
        QWidget *parent =
            control.parent ? made.value(QLatin1String(control.parent)) : centralWidget();
        QWidget *widget = control.make(QLatin1String(control.name),
                                       control.caption ? tr(control.caption) : QString(), parent);
        if (auto *panel = qobject_cast<BevelPanel *>(parent))
            panel->place(widget, control.geometry);
        else
            widget->setGeometry(control.geometry);
        made.insert(widget->objectName(), widget);
    }
    dressControls();
    buildHiddenControls();
    buildTabOrder();

    // The step timer: started once the handlers are connected.
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(StepMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);
}

// What the table does not say: what only some controls have.
void Tmilikanfrm::dressControls()
{
    Panel1->setAccessibleName(tr("Experiment"));
    Panel3->setAccessibleName(tr("Apparatus"));
    Panel2->setAccessibleName(tr("Control panel"));

    capacitor->setPicture(&m_renderer.screenApparatusPicture());
    capacitor->setContextMenuPolicy(Qt::CustomContextMenu);
    presentAs(capacitor, Presentation::Graphic);
    capacitor->setAccessibleName(tr("Apparatus view"));
    capacitor->setAccessibleDescription(apparatusDescription(0));

    zsh->setToolTip(tr("Zoom Box: click and drag to move"));
    zsh->setAccessibleName(tr("Zoom box"));
    zsh->setAccessibleDescription(
        tr("The square of the apparatus view that the zoom picture magnifies"));

    zlb->setFont(legacyFont(LegacyFace::System, 8));
    zlb->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A hint for the mouse alone: F6 is the way in for a reader.
    presentAs(zlb, Presentation::Decoration);

    Scalebx->setChecked(true);
    //: Write 0.1 as %1 (0,1 or 0.1, as the user's regional settings have it).
    Scalebx->setToolTip(withNumber(tr("Each grid is 0.1 mm"), 0.1, 1));
    Scalebx->setAccessibleName(tr("Show Scale"));

    // Buttons whose captions change with the state (this one, Start/Stop and the freeze) and
    // the voltage readout keep no fixed name: a reader takes the name from the caption and
    // hears each change of it.
    onoff->setAccessibleDescription(tr("Supply switch"));
    voltsb->setRange(0, 5000);
    voltsb->setSingleStep(1);
    voltsb->setPageStep(20);
    voltsb->setValue(0);
    voltsb->setFocusPolicy(Qt::StrongFocus);
    presentAs(voltsb, Presentation::VoltageSlider);
    voltsb->setAccessibleName(tr("Voltage"));
    voltlb->setText(QStringLiteral("0 V"));
    voltlb->setFont(legacyFont(LegacyFace::System, 13, true));
    voltlb->adjustSize();
    voltlb->setAccessibleDescription(tr("Voltage across the plates"));
    flipcb->setAccessibleName(tr("Flip Voltage"));

    // The button tells the time it stopped at, so that asking a reader where the focus is gives
    // it: startbtClick and resetbtClick rewrite it.
    startbt->setAccessibleDescription(stopwatchDescription(false, QStringLiteral("0.0 s")));
    timerlb->setText(shownTime(0));
    // A fixed name, so that a reader does not hear every tenth while the stopwatch runs.
    presentAs(timerlb, Presentation::Stopwatch);
    timerlb->setAccessibleName(tr("Stopwatch"));
    timerlb->setAccessibleDescription(tr("Stopwatch"));

    threadcb->setAccessibleName(tr("Show Thread"));
    freezebt->setAccessibleDescription(tr("Stops or restarts the drops and the stopwatch"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its letters stand one below the other; read aloud, they are two words. Readers pass over
    // it: the zoom box of that name is the one to go to, and the picture has its own name.
    Label2->setAccessibleName(tr("Zoom box"));
    presentAs(Label2, Presentation::Decoration);

    zim->setPicture(&m_renderer.screenZoomPicture());
    presentAs(zim, Presentation::Graphic);
    zim->setAccessibleName(tr("Zoom picture"));
    zim->setAccessibleDescription(
        tr("The zoom box's square of the apparatus view, magnified six times"));

    SpeedButton1->setIcon(QIcon(transparentArrow()));
    SpeedButton1->setIconSize(QSize(45, 54));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAccessibleName(tr("Exit"));
    SpeedButton1->setAccessibleDescription(tr("Ends the program, as File, Exit does"));
}

void Tmilikanfrm::buildHiddenControls()
{
    // Inputs and output of the charge estimate; never shown, never focused. Each is a window
    // of its own, never opened, so that a screen reader does not find it among the controls.
    timebx = named(new QLineEdit(QStringLiteral("10"), Panel1), "timebx");
    // The fixed fall of 0.1 mm is written in the user's own notation, so that it reads back
    // under any regional settings.
    distxt =
        named(new QLineEdit(QLatin1String("0") + QLocale().decimalPoint() + QLatin1String("0001"),
                            Panel1),
              "distxt");
    Label1 = named(new QLabel(QStringLiteral("Time"), Panel1), "Label1");
    Label6 = named(new QLabel(QStringLiteral("distance"), Panel1), "Label6");
    for (QWidget *hidden : {static_cast<QWidget *>(timebx), static_cast<QWidget *>(distxt),
                            static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label6)}) {
        hidden->setWindowFlags(Qt::Window);
        hidden->setFocusPolicy(Qt::NoFocus);
        hidden->hide();
    }
}

void Tmilikanfrm::buildMenus()
{
    menuBar()->setAccessibleName(tr("Menu bar"));
    Edit1 = named(menuBar()->addMenu(tr("&File")), "Edit1");
    Copy2 = menuItem(Edit1, "Copy2", tr("&Copy"));
    Copy2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Print2 = menuItem(Edit1, "Print2", tr("&Print"));
    Print2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Print2->setEnabled(false);
    named(Edit1->addSeparator(), "N2");
    Exit1 = menuItem(Edit1, "Exit1", tr("E&xit"));

    Options1 = named(menuBar()->addMenu(tr("&Options")), "Options1");
    //: Drops of every size and charge.
    Variable1 = menuItem(Options1, "Variable1", tr("&Variable"));
    //: Every drop has the radius 0.4 micrometre; write 0.4 as %1 (0,4 or 0.4, as the user's
    //: regional settings have it): "(%1 µm)".
    SameMass1 = menuItem(Options1, "SameMass1", withNumber(tr("Same &Radius (4e-7 m)"), 0.4, 1));
    //: The item read aloud: %1 is 0.4, as the user's regional settings write it ("0,4").
    speakMenuItemAs(SameMass1, withNumber(tr("Same Radius, %1 micrometres"), 0.4, 1));
    //: Every drop carries the same positive charge ("+ve": positive).
    SameCharge1 = menuItem(Options1, "SameCharge1", tr("Same +ve &Charge"));
    //: Every drop carries the same negative charge ("-ve": negative).
    Samecharge2 = menuItem(Options1, "Samecharge2", tr("Same -&ve Charge"));
    for (QAction *mode : {Variable1, SameMass1, SameCharge1, Samecharge2})
        mode->setCheckable(true);
    Variable1->setChecked(true);
    named(Options1->addSeparator(), "N1");
    Showconstants1 = menuItem(Options1, "Showconstants1", tr("Show constants"));

    Help1 = named(menuBar()->addMenu(tr("&Help")), "Help1");
    about1 = menuItem(Help1, "about1", tr("About"));
    for (QMenu *menu : {Edit1, Options1, Help1})
        menu->setAccessibleName(spokenCaption(menu->title()));

    // The pop-up shows the same shortcuts; the File menu's items are the ones that answer them.
    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    PopupMenu1->setAccessibleName(tr("Apparatus view menu"));
    Copy1 = menuItem(PopupMenu1, "Copy1", tr("&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Copy1->setShortcutContext(Qt::WidgetShortcut);
    Print1 = menuItem(PopupMenu1, "Print1", tr("&Print"));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Print1->setShortcutContext(Qt::WidgetShortcut);
    Print1->setEnabled(false);
}

void Tmilikanfrm::buildTabOrder()
{
    // Group by group, as the panel reads: Oil, Voltage, Timer, then the thread and freeze.
    const QList<QWidget *> controls = {Scalebx, Addbt,   Resetb,  onoff,    voltsb,
                                       flipcb,  resetbt, startbt, threadcb, freezebt};
    for (int i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
    Scalebx->setFocus();
    new MnemonicRouter(this, controls);
}

} // namespace korvane
