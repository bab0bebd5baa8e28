// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's behaviour: its handlers, named after their control and event, and the few
// operations they share. Every control, caption and rectangle is built in
// main_window_layout.cpp.
#include "main_window.h"

#include "about_box.h"
#include "accessibility.h"
#include "bevel_panel.h"
#include "centring.h"
#include "charge_estimate.h"
#include "classic_look.h"
#include "const_dialog.h"
#include "control_panel.h"
#include "desktop.h"
#include "drop_follower.h"
#include "fixed_window.h"
#include "handler_guard.h"
#include "image_view.h"
#include "layout_colours.h"
#include "modal.h"
#include "step.h"
#include "translated_number.h"
#include "zoom_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace korvane {

namespace {

using layout::Silver;

constexpr QSize WindowOuterSize(800, 600);

std::string userDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace

template<class Sender, class Signal>
void Tmilikanfrm::onEvent(Sender *sender, Signal signal, void (Tmilikanfrm::*handler)())
{
    connect(sender, signal, this,
            [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
}

Tmilikanfrm::Tmilikanfrm(std::unique_ptr<RandomSource> random, OpenSound openSound)
    : m_random(std::move(random))
{
    useClassicLook();
    buildLayout();
    buildMenus();
    buildFollower(std::move(openSound));
    connectHandlers();
    Timer1->start();

    runHandler([this] { FormCreate(); });
    syncControls();

    constfrm = new Tconstfrm(this);
    aboutboxp = new Taboutboxp(this);
    keepOuterSize(this, WindowOuterSize);
    keepFixedWhenMaximised(this);
    keepFixedWhenMaximised(constfrm);
    keepFixedWhenMaximised(aboutboxp);
}

Tmilikanfrm::~Tmilikanfrm() = default;

void Tmilikanfrm::connectHandlers()
{
    onEvent(Timer1, &QTimer::timeout, &Tmilikanfrm::Timer1Timer);

    onEvent(zsh, &ZoomBox::pressed, &Tmilikanfrm::zshMouseDown);
    connect(zsh, &ZoomBox::moved, this,
            [this](QPoint at) { runHandler([this, at] { zshMouseMove(at); }); });
    onEvent(zsh, &ZoomBox::released, &Tmilikanfrm::zshMouseUp);
    connect(capacitor, &ImageView::pressed, this, [this](Qt::MouseButton, QPoint at) {
        runHandler([this, at] { capacitorMouseDown(at); });
    });
    connect(capacitor, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu1->popup(capacitor->mapToGlobal(at)); });

    onEvent(Addbt, &QPushButton::clicked, &Tmilikanfrm::AddbtClick);
    onEvent(Scalebx, &QCheckBox::toggled, &Tmilikanfrm::ScalebxClick);
    onEvent(Resetb, &QPushButton::clicked, &Tmilikanfrm::ResetbClick);
    onEvent(onoff, &QPushButton::clicked, &Tmilikanfrm::onoffClick);
    onEvent(voltsb, &QScrollBar::valueChanged, &Tmilikanfrm::voltsbChange);
    onEvent(flipcb, &QCheckBox::toggled, &Tmilikanfrm::flipcbClick);
    onEvent(startbt, &QPushButton::clicked, &Tmilikanfrm::startbtClick);
    onEvent(resetbt, &QPushButton::clicked, &Tmilikanfrm::resetbtClick);
    onEvent(freezebt, &QPushButton::clicked, &Tmilikanfrm::freezebtClick);
    onEvent(SpeedButton1, &QToolButton::clicked, &Tmilikanfrm::SpeedButton1Click);
    onEvent(distxt, &QLineEdit::textChanged, &Tmilikanfrm::distxtChange);

    onEvent(Copy2, &QAction::triggered, &Tmilikanfrm::Copy1Click);
    onEvent(Copy1, &QAction::triggered, &Tmilikanfrm::Copy1Click);
    onEvent(Exit1, &QAction::triggered, &Tmilikanfrm::Exit1Click);
    for (QAction *mode : {Variable1, SameMass1, SameCharge1, Samecharge2}) {
        connect(mode, &QAction::triggered, this,
                [this, mode] { runHandler([this, mode] { Variable1Click(mode); }); });
    }
    onEvent(Showconstants1, &QAction::triggered, &Tmilikanfrm::Showconstants1Click);
    onEvent(about1, &QAction::triggered, &Tmilikanfrm::about1Click);

    // On a screen of another density both pictures are drawn anew for it; the clipboard keeps
    // the 96-dpi picture.
    const auto followDensity = [this](qreal ratio) {
        if (ratio == m_renderer.devicePixelRatio())
            return;
        m_renderer.setDevicePixelRatio(ratio);
        capacitor->setPicture(&m_renderer.screenApparatusPicture());
        zim->setPicture(&m_renderer.screenZoomPicture());
        runHandler([this] { capbtClick(); });
    };
    for (ImageView *view : {capacitor, zim})
        connect(view, &ImageView::densityChanged, this, followDensity);
}

ViewSettings Tmilikanfrm::viewSettings() const
{
    return {Scalebx->isChecked(), threadcb->isChecked(), zsh->x(), zsh->y(),
            readingDecimalSeparator()};
}

QSize Tmilikanfrm::outerSize() const
{
    return korvane::outerSize(*this);
}

void Tmilikanfrm::buildFollower(OpenSound openSound)
{
    if (!openSound) {
        openSound = [] {
            return QGuiApplication::platformName() == QLatin1String("offscreen")
                ? std::unique_ptr<sound::SoundOutput>()
                : sound::openSoundOutput();
        };
    }
    PanelAccess panel;
    panel.startStop = [this] { runHandler([this] { toggleStopwatchAndTell(false); }); };
    panel.resetStopwatch = [this] { runHandler([this] { resetbtClick(); }); };
    panel.setVoltage = [this](int hundredths) {
        if (!voltsb->isEnabled())
            return false;
        voltsb->setValue(hundredths); // as the slider's keys would: its handler runs
        return true;
    };
    panel.voltage = [this] { return spokenSupply(m_state.VoltageOn != 0, voltsb->value()); };
    panel.stopwatch = [this] { return spokenStopwatch(m_state.StopwatchRunning, timerlb->text()); };
    panel.stopwatchShown = [this] {
        return timerlb->text().replace(QLatin1Char('.'), QLocale().decimalPoint());
    };
    // For a student who cannot see the view: the zoom box follows a drop for the ear.
    m_follower = new DropFollower(
        this, m_state, zsh,
        [this](QPoint topLeft) {
            runHandler([this, topLeft] {
                zsh->move(topLeft);
                capbtClick();
            });
        },
        std::move(panel), std::move(openSound));
}

// ---- Creation, size and position -------------------------------------------------------------

void Tmilikanfrm::FormCreate()
{
    const QSize frame = outerSize() - size();
    setFixedSize(width(), WindowOuterSize.height() - frame.height());
    FormResize();
    setFixedSize(WindowOuterSize.width() - frame.width(), height());
    FormResize();

    if (!m_random)
        m_random = std::make_unique<SeededRandom>(clockSeed());
    initialiseApparatus(m_state);
    capbtClick();
}

void Tmilikanfrm::FormResize()
{
    centreOnPrimaryScreen(*this, outerSize());
    if (layout())
        layout()->activate();
    Panel1->move(
        centredPanelPosition(outerSize().width(), centralWidget()->height(), Panel1->size()));
}

void Tmilikanfrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    runHandler([this] { FormResize(); });
}

void Tmilikanfrm::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

// ---- The redraw and the step -----------------------------------------------------------------

// The redraw. Named after a hidden button that no user reaches; the handlers call it.
void Tmilikanfrm::capbtClick()
{
    m_renderer.redraw(m_state, viewSettings());
    capacitor->updateChanged(m_renderer.screenApparatusRedrawn());
    zim->updateChanged();
    // Rewritten only when the number changes, so that a reader is not told ten times a second.
    if (const int floating = floatingDrops(m_state); floating != m_describedDrops) {
        m_describedDrops = floating;
        capacitor->setAccessibleDescription(apparatusDescription(floating));
    }
    m_follower->look(m_steps);
    emit pictureRedrawn();
}

void Tmilikanfrm::Timer1Timer()
{
    oilbtClick();
}

// One simulation step. Named after a hidden button; the step timer calls it.
void Tmilikanfrm::oilbtClick()
{
    ++m_steps;
    if (step(m_state).stopwatchCounted)
        timerlb->setText(shownTime(m_state.StopwatchTenths));
    Addbt->setEnabled(m_state.AddOilEnabled);
    capbtClick();
}

void Tmilikanfrm::ScalebxClick()
{
    capbtClick();
}

// ---- Oil drops -------------------------------------------------------------------------------

DropMode Tmilikanfrm::checkedDropMode() const
{
    if (SameMass1->isChecked())
        return DropMode::SameRadius;
    if (SameCharge1->isChecked())
        return DropMode::SamePositiveCharge;
    if (Samecharge2->isChecked())
        return DropMode::SameNegativeCharge;
    return DropMode::Variable;
}

void Tmilikanfrm::AddbtClick()
{
    if (!addOil(m_state, checkedDropMode(), *m_random))
        return;
    Addbt->setEnabled(m_state.AddOilEnabled);
    capbtClick();
    announce(this, apparatusDescription(floatingDrops(m_state)));
}

void Tmilikanfrm::ResetbClick()
{
    const bool hadDrops = m_state.DropCount > 0;
    cleanUp(m_state);
    Addbt->setEnabled(m_state.AddOilEnabled);
    m_follower->forget();
    if (hadDrops)
        announce(this, apparatusDescription(0));
}

void Tmilikanfrm::Variable1Click(QAction *clicked)
{
    for (QAction *mode : {Variable1, SameMass1, SameCharge1, Samecharge2})
        mode->setChecked(false);
    clicked->setChecked(true);
}

// ---- The control panel ----------------------------------------------------------------------

void Tmilikanfrm::syncControls()
{
    const bool supplyOn = m_state.VoltageOn != 0;
    voltsb->setEnabled(supplyOn);
    //: Switches the supply off; the caption says what a press does.
    const QString switchOff = tr("&Off");
    //: Switches the supply on; the caption says what a press does.
    onoff->setText(supplyOn ? switchOff : tr("&On"));
    setTextColor(voltlb, supplyOn ? QColor(Qt::black) : Silver);
    //: Stops the stopwatch.
    const QString stop = tr("&Stop");
    //: Starts the stopwatch.
    startbt->setText(m_state.StopwatchRunning ? stop : tr("&Start"));
    //: Stops the drops and the stopwatch where they are.
    const QString freeze = tr("&Freeze Screen");
    //: Lets the drops and the stopwatch go on again.
    freezebt->setText(Timer1->isActive() ? freeze : tr("Un&Freeze Screen"));
    Addbt->setEnabled(m_state.AddOilEnabled);
}

void Tmilikanfrm::onoffClick()
{
    toggleSupply(m_state);
    syncControls();
    announceCaption(onoff);
}

void Tmilikanfrm::voltsbChange()
{
    m_state.VoltageSetting = voltsb->value();
    voltlb->setText(
        QString::fromStdString(voltageText(m_state.VoltageSetting, userDecimalSeparator())));
    voltlb->adjustSize();
    chargebtClick();
}

void Tmilikanfrm::flipcbClick()
{
    flipPolarity(m_state);
}

void Tmilikanfrm::startbtClick()
{
    toggleStopwatchAndTell(true);
}

void Tmilikanfrm::toggleStopwatchAndTell(bool byTheButton)
{
    toggleStopwatch(m_state);
    syncControls();
    // From the zoom box the button's new caption would say nothing to the student there.
    if (byTheButton)
        announceCaption(startbt);
    else if (m_state.StopwatchRunning)
        announce(this, spokenStopwatch(true, timerlb->text()));
    startbt->setAccessibleDescription(
        stopwatchDescription(m_state.StopwatchRunning, timerlb->text()));
    if (!m_state.StopwatchRunning)
        announceStopwatch(timerlb);
}

void Tmilikanfrm::resetbtClick()
{
    resetStopwatch(m_state);
    timerlb->setText(shownTime(0));
    startbt->setAccessibleDescription(
        stopwatchDescription(m_state.StopwatchRunning, timerlb->text()));
    // Start's new description tells the time to a reader on it. At Stop readers keep to the new
    // caption and drop the description, so there the time is announced whatever has the focus.
    announceStopwatch(timerlb, startbt);
}

void Tmilikanfrm::freezebtClick()
{
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
    syncControls();
    m_follower->setFrozen(!Timer1->isActive());
    announceCaption(freezebt);
}

void Tmilikanfrm::Copy1Click()
{
    QGuiApplication::clipboard()->setImage(m_renderer.apparatusPicture());
}

void Tmilikanfrm::SpeedButton1Click()
{
    close();
}

void Tmilikanfrm::Exit1Click()
{
    close();
}

// ---- The charge estimate ----------------------------------------------------------------------

// The charge estimate. Named after a hidden button; the slider and the distance box call it.
void Tmilikanfrm::chargebtClick()
{
    const std::optional<Extended> n =
        estimateCharge(m_state, timebx->text().toStdString(), distxt->text().toStdString(),
                       userDecimalSeparator());
    if (n)
        Label1->setText(QString::fromStdString(formatEstimate(*n, userDecimalSeparator())));
}

void Tmilikanfrm::distxtChange()
{
    chargebtClick();
}

// ---- The dialogs and the start-up reset ---------------------------------------------------------

void Tmilikanfrm::Showconstants1Click()
{
    showModally(*constfrm);
}

void Tmilikanfrm::about1Click()
{
    showModally(*aboutboxp);
}

void Tmilikanfrm::startUp()
{
    activateWindow();
    if (m_startedUp)
        return;
    m_startedUp = true;
    runHandler([this] { FormActivate(); });
}

void Tmilikanfrm::FormActivate()
{
    m_state.ThreadX = 0;
    centreOnPrimaryScreen(*this, outerSize());
    Scalebx->setChecked(true);
    ResetbClick();
    if (voltsb->isEnabled())
        onoffClick();
    if (m_state.StopwatchRunning)
        startbtClick();
    resetbtClick();
    voltsb->setValue(0);
    flipcb->setChecked(false);
    if (freezebt->text() != tr("&Freeze Screen"))
        freezebtClick();
    aboutboxp->setTexts(Taboutboxp::productLine(), Taboutboxp::caption(),
                        Taboutboxp::versionLine());
    showModally(*aboutboxp);
}

void Tmilikanfrm::FormDeactivate()
{
    ResetbClick();
}

void Tmilikanfrm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow())
        return;
    // Only a window of the program's own that is not modal counts; the program's dialogs are
    // all modal, and other applications do not count at all.
    QWidget *active = QApplication::activeWindow();
    if (active && active != this && !active->isModal() && !qobject_cast<QMenu *>(active))
        runHandler([this] { FormDeactivate(); });
}

// ---- The zoom box and the thread -------------------------------------------------------------

void Tmilikanfrm::zshMouseDown()
{
    m_state.ZoomDragging = true;
    // The hint helps until the student has found the box; it does not come back.
    zsh->setToolTip(QString());
    QToolTip::hideText();
}

void Tmilikanfrm::zshMouseMove(QPoint position)
{
    zlb->hide();
    if (!m_state.ZoomDragging)
        return;
    zsh->move(ZoomBox::dragged(zsh->pos(), position));
    capbtClick();
}

void Tmilikanfrm::zshMouseUp()
{
    m_state.ZoomDragging = false;
}

void Tmilikanfrm::capacitorMouseDown(QPoint position)
{
    if (!threadcb->isChecked())
        return;
    m_state.ThreadX = position.x();
    capbtClick();
}

} // namespace korvane
