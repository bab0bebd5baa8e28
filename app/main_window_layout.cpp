// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's control tree: every control with its rectangle, caption, font and colour
// as the layout gives them, both menus, the hidden inputs of the estimate, the step timer and
// the tab order. What the controls do is in main_window.cpp.
#include "main_window.h"

#include "accessibility.h"
#include "arrow_picture.h"
#include "bevel_panel.h"
#include "classic_look.h"
#include "desktop_identity.h"
#include "drop_follower.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace korvane {

namespace {

using layout::Cream;
using layout::Khaki;
using layout::Navy;

constexpr int StepMilliseconds = 100;

template<class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A control of the layout, with its name and its rectangle in its parent.
template<class Widget> Widget *placed(Widget *widget, const char *name, QRect geometry)
{
    named(widget, name)->setGeometry(geometry);
    return widget;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    return named(menu->addAction(caption), name);
}

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

    auto *client = named(new QWidget(this), "client");
    setCentralWidget(client);

    Panel1 = new BevelPanel(
        QStringLiteral("Panel1"),
        {Cream, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Raised, 1, 2, true}, client);
    Panel1->setGeometry(0, 0, 801, 553);
    Panel1->setAccessibleName(tr("Experiment"));

    Panel3 =
        new BevelPanel(QStringLiteral("Panel3"),
                       {Navy, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 5, 4}, Panel1);
    Panel1->place(Panel3, 2, 2, 793, 364);
    Panel3->setAccessibleName(tr("Apparatus"));

    capacitor = new ImageView(QStringLiteral("capacitor"), Panel3);
    capacitor->setGeometry(viewgeometry::PictureOffset, viewgeometry::PictureOffset,
                           constants::PictureWidth, constants::PictureHeight);
    capacitor->setPicture(&m_renderer.screenApparatusPicture());
    capacitor->setContextMenuPolicy(Qt::CustomContextMenu);
    presentAs(capacitor, Presentation::Graphic);
    capacitor->setAccessibleName(tr("Apparatus view"));
    capacitor->setAccessibleDescription(apparatusDescription(0));

    zsh = new ZoomBox(QStringLiteral("zsh"), Panel3);
    zsh->setGeometry(40, 32, ZoomBox::Side, ZoomBox::Side);
    zsh->setToolTip(tr("Zoom Box: click and drag to move"));
    zsh->setAccessibleName(tr("Zoom box"));
    zsh->setAccessibleDescription(
        tr("The square of the apparatus view that the zoom picture magnifies"));

    // For a student who cannot see the view: F6 brings the focus here, where the box describes
    // the drop it follows and announces its crossings of the scale lines.
    m_follower = new DropFollower(this, m_state, zsh, [this](QPoint topLeft) {
        runHandler([this, topLeft] {
            zsh->move(topLeft);
            capbtClick();
        });
    });

    zlb = placed(new QLabel(tr("Zoom box:Click and Drag to move"), Panel3), "zlb",
                 QRect(72, 32, 219, 16));
    zlb->setFont(legacyFont(LegacyFace::System, 8));
    zlb->setAttribute(Qt::WA_TransparentForMouseEvents);

    Panel2 = new BevelPanel(QStringLiteral("Panel2"), {Khaki}, Panel1);
    Panel1->place(Panel2, 5, 369, 785, 177);
    Panel2->setAccessibleName(tr("Control panel"));
    buildControlPanel(Panel2);
    buildHiddenControls();
    buildTabOrder();

    // The step timer: started once the handlers are connected.
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(StepMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void Tmilikanfrm::buildControlPanel(BevelPanel *panel2)
{
    GroupBox4 =
        placed(new ClassicGroupBox(tr("Controls"), panel2), "GroupBox4", QRect(8, 2, 769, 169));

    //: The group of the oil sprayer's controls (the oil drops), not a fuel.
    GroupBox3 =
        placed(new ClassicGroupBox(tr("Oil"), GroupBox4), "GroupBox3", QRect(24, 20, 124, 141));
    Addbt =
        placed(new ClassicPushButton(tr("&Add Oil"), GroupBox3), "Addbt", QRect(16, 24, 89, 33));
    //: The leading blank keeps the text off the check box; keep it.
    Scalebx = placed(new QCheckBox(tr(" Show Scale"), GroupBox3), "Scalebx", QRect(8, 59, 97, 17));
    Scalebx->setChecked(true);
    //: Write 0.1 as %1 (0,1 or 0.1, as the user's regional settings have it).
    Scalebx->setToolTip(withNumber(tr("Each grid is 0.1 mm"), 0.1, 1));
    Scalebx->setAccessibleName(tr("Show Scale"));
    Resetb =
        placed(new ClassicPushButton(tr("&Clean Up"), GroupBox3), "Resetb", QRect(16, 104, 89, 33));

    GroupBox1 = placed(new ClassicGroupBox(tr("Voltage"), GroupBox4), "GroupBox1",
                       QRect(170, 20, 121, 141));
    // The captions of the supply switch, the stopwatch button and the freeze button, the
    // slider's state and the readout's colour follow the apparatus: syncControls sets them.
    onoff = placed(new ClassicPushButton(GroupBox1), "onoff", QRect(16, 24, 89, 33));
    // Buttons whose captions change with the state (this one, Start/Stop and the freeze) and
    // the voltage readout keep no fixed name: a reader takes the name from the caption and
    // hears each change of it.
    onoff->setAccessibleDescription(tr("Supply switch"));
    voltsb =
        placed(new ClassicScrollBar(Qt::Horizontal, GroupBox1), "voltsb", QRect(16, 64, 89, 17));
    voltsb->setRange(0, 5000);
    voltsb->setSingleStep(1);
    voltsb->setPageStep(20);
    voltsb->setValue(0);
    voltsb->setFocusPolicy(Qt::StrongFocus);
    presentAs(voltsb, Presentation::VoltageSlider);
    voltsb->setAccessibleName(tr("Voltage"));
    voltlb = placed(new QLabel(QStringLiteral("0 V"), GroupBox1), "voltlb", QRect(50, 88, 20, 16));
    voltlb->setFont(legacyFont(LegacyFace::System, 13, true));
    voltlb->adjustSize();
    voltlb->setAccessibleDescription(tr("Voltage across the plates"));
    //: Reverses the polarity of the plates. The leading blank keeps the text off the check box.
    flipcb =
        placed(new QCheckBox(tr(" &Flip Voltage"), GroupBox1), "flipcb", QRect(12, 112, 97, 17));
    flipcb->setAccessibleName(tr("Flip Voltage"));

    //: The stopwatch's group.
    GroupBox2 =
        placed(new ClassicGroupBox(tr("Timer"), GroupBox4), "GroupBox2", QRect(312, 20, 121, 141));
    startbt = placed(new ClassicPushButton(GroupBox2), "startbt", QRect(16, 24, 89, 33));
    // The button tells the time it stopped at, so that asking a reader where the focus is gives
    // it: startbtClick and resetbtClick rewrite it.
    startbt->setAccessibleDescription(stopwatchDescription(false, QStringLiteral("0.0 s")));
    timerlb = placed(new QLabel(shownTime(0), GroupBox2), "timerlb", QRect(40, 66, 49, 16));
    // A fixed name, so that a reader does not hear every tenth while the stopwatch runs.
    presentAs(timerlb, Presentation::Stopwatch);
    timerlb->setAccessibleName(tr("Stopwatch"));
    timerlb->setAccessibleDescription(tr("Stopwatch"));
    //: Sets the stopwatch back to 0.0 s (not a reset of the program).
    resetbt =
        placed(new ClassicPushButton(tr("&Reset"), GroupBox2), "resetbt", QRect(16, 104, 89, 33));

    //: A reference line across the apparatus view. The leading blank keeps the text off the
    //: check box.
    threadcb =
        placed(new QCheckBox(tr(" &Show Thread"), GroupBox4), "threadcb", QRect(32, 101, 109, 17));
    threadcb->setAccessibleName(tr("Show Thread"));
    freezebt = placed(new ClassicPushButton(GroupBox4), "freezebt", QRect(616, 16, 137, 49));
    freezebt->setAccessibleDescription(tr("Stops or restarts the drops and the stopwatch"));
    //: Stands letter below letter in a label one letter wide: a blank between letters,
    //: four between the words.
    Label2 =
        placed(new QLabel(tr("Z O O M    B O X"), GroupBox4), "Label2", QRect(440, 24, 17, 137));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its letters stand one below the other; read aloud, they are two words.
    Label2->setAccessibleName(tr("Zoom box"));

    zim = new ImageView(QStringLiteral("zim"), GroupBox4);
    zim->setGeometry(458, 13, viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    zim->setPicture(&m_renderer.screenZoomPicture());
    presentAs(zim, Presentation::Graphic);
    zim->setAccessibleName(tr("Zoom picture"));
    zim->setAccessibleDescription(
        tr("The zoom box's square of the apparatus view, magnified six times"));

    SpeedButton1 = named(new QToolButton(GroupBox4), "SpeedButton1");
    SpeedButton1->setGeometry(704, 104, 57, 57);
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
    Label1 = placed(new QLabel(QStringLiteral("Time"), Panel1), "Label1", QRect());
    Label6 = placed(new QLabel(QStringLiteral("distance"), Panel1), "Label6", QRect());
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
