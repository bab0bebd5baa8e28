#include "main_window.h"

#include "about_box.h"
#include "accessibility.h"
#include "arrow_picture.h"
#include "bevel_panel.h"
#include "centring.h"
#include "charge_estimate.h"
#include "classic_look.h"
#include "const_dialog.h"
#include "control_panel.h"
#include "desktop_identity.h"
#include "handler_guard.h"
#include "image_view.h"
#include "layout_colours.h"
#include "legacy_fonts.h"
#include "mnemonics.h"
#include "step.h"
#include "wayland_window.h"
#include "zoom_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace korvane {

namespace {

using layout::Cream;
using layout::Khaki;
using layout::Navy;
using layout::Silver;

constexpr QSize WindowOuterSize(800, 600);
constexpr int StepMilliseconds = 100;

template<class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *result = named(new ClassicPushButton(caption, parent), name);
    result->setGeometry(geometry);
    return result;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                    QStyle *style)
{
    auto *result = named(new QCheckBox(caption, parent), name);
    result->setGeometry(geometry);
    result->setStyle(style);
    return result;
}

QGroupBox *groupBox(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *result = named(new ClassicGroupBox(caption, parent), name);
    result->setGeometry(geometry);
    return result;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *result = named(new QLabel(caption, parent), name);
    result->setGeometry(geometry);
    return result;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    return named(menu->addAction(caption), name);
}

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

Tmilikanfrm::Tmilikanfrm(std::unique_ptr<RandomSource> random) : m_random(std::move(random))
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

    buildLayout();
    buildMenus();
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

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(StepMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);
    onEvent(Timer1, &QTimer::timeout, &Tmilikanfrm::Timer1Timer);
    Timer1->start();

    runHandler([this] { FormCreate(); });

    constfrm = new Tconstfrm(this);
    aboutboxp = new Taboutboxp(this);
    makeAccessible(*this);
    keepFixedWhenMaximised(this);
    keepFixedWhenMaximised(constfrm);
    keepFixedWhenMaximised(aboutboxp);
}

Tmilikanfrm::~Tmilikanfrm() = default;

void Tmilikanfrm::buildLayout()
{
    auto *client = named(new QWidget(this), "client");
    setCentralWidget(client);

    Panel1 = new BevelPanel(
        QStringLiteral("Panel1"),
        {Cream, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Raised, 1, 2, true}, client);
    Panel1->setGeometry(0, 0, 801, 553);

    Panel3 =
        new BevelPanel(QStringLiteral("Panel3"),
                       {Navy, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 5, 4}, Panel1);
    Panel1->place(Panel3, 2, 2, 793, 364);

    capacitor = new ImageView(QStringLiteral("capacitor"), Panel3);
    capacitor->setGeometry(viewgeometry::PictureOffset, viewgeometry::PictureOffset,
                           constants::PictureWidth, constants::PictureHeight);
    capacitor->setPicture(&m_renderer.screenApparatusPicture());
    capacitor->setContextMenuPolicy(Qt::CustomContextMenu);

    zsh = new ZoomBox(QStringLiteral("zsh"), Panel3);
    zsh->setGeometry(40, 32, ZoomBox::Side, ZoomBox::Side);
    zsh->setToolTip(QStringLiteral("Zoom Box: click and drag to move"));
    onEvent(zsh, &ZoomBox::pressed, &Tmilikanfrm::zshMouseDown);
    connect(zsh, &ZoomBox::moved, this,
            [this](QPoint at) { runHandler([this, at] { zshMouseMove(at); }); });
    onEvent(zsh, &ZoomBox::released, &Tmilikanfrm::zshMouseUp);
    connect(capacitor, &ImageView::pressed, this, [this](Qt::MouseButton, QPoint at) {
        runHandler([this, at] { capacitorMouseDown(at); });
    });

    zlb = label(Panel3, "zlb", QStringLiteral("Zoom box:Click and Drag to move"),
                QRect(72, 32, 219, 16));
    zlb->setFont(legacyFont(LegacyFace::System, 8));
    zlb->setAttribute(Qt::WA_TransparentForMouseEvents);

    Panel2 = new BevelPanel(QStringLiteral("Panel2"), {Khaki}, Panel1);
    Panel1->place(Panel2, 5, 369, 785, 177);
    buildControlPanel(Panel2);
    buildHiddenControls();
    buildTabOrder();
}

void Tmilikanfrm::buildControlPanel(BevelPanel *panel2)
{
    m_checkBoxStyle = new ClassicCheckBoxStyle(QStringLiteral("Fusion"));
    m_checkBoxStyle->setParent(this);
    GroupBox4 = groupBox(panel2, "GroupBox4", QStringLiteral("Controls"), QRect(8, 2, 769, 169));

    GroupBox3 = groupBox(GroupBox4, "GroupBox3", QStringLiteral("Oil"), QRect(24, 20, 124, 141));
    Addbt = button(GroupBox3, "Addbt", QStringLiteral("&Add Oil"), QRect(16, 24, 89, 33));
    onEvent(Addbt, &QPushButton::clicked, &Tmilikanfrm::AddbtClick);
    Scalebx = checkBox(GroupBox3, "Scalebx", QStringLiteral(" Show Scale"), QRect(8, 59, 97, 17),
                       m_checkBoxStyle);
    Scalebx->setChecked(true);
    Scalebx->setToolTip(QStringLiteral("Each grid is 0.1 mm"));
    onEvent(Scalebx, &QCheckBox::toggled, &Tmilikanfrm::ScalebxClick);
    Resetb = button(GroupBox3, "Resetb", QStringLiteral("&Clean Up"), QRect(16, 104, 89, 33));
    onEvent(Resetb, &QPushButton::clicked, &Tmilikanfrm::ResetbClick);

    GroupBox1 =
        groupBox(GroupBox4, "GroupBox1", QStringLiteral("Voltage"), QRect(170, 20, 121, 141));
    onoff = button(GroupBox1, "onoff", QStringLiteral("&On"), QRect(16, 24, 89, 33));
    onEvent(onoff, &QPushButton::clicked, &Tmilikanfrm::onoffClick);
    voltsb = named(new ClassicScrollBar(Qt::Horizontal, GroupBox1), "voltsb");
    voltsb->setGeometry(16, 64, 89, 17);
    voltsb->setRange(0, 5000);
    voltsb->setSingleStep(1);
    voltsb->setPageStep(20);
    voltsb->setValue(0);
    voltsb->setFocusPolicy(Qt::StrongFocus);
    voltsb->setEnabled(false);
    onEvent(voltsb, &QScrollBar::valueChanged, &Tmilikanfrm::voltsbChange);
    voltlb = label(GroupBox1, "voltlb", QStringLiteral("0 V"), QRect(50, 88, 20, 16));
    voltlb->setFont(legacyFont(LegacyFace::System, 13, true));
    voltlb->adjustSize();
    setTextColor(voltlb, Silver);
    flipcb = checkBox(GroupBox1, "flipcb", QStringLiteral(" &Flip Voltage"), QRect(12, 112, 97, 17),
                      m_checkBoxStyle);
    onEvent(flipcb, &QCheckBox::toggled, &Tmilikanfrm::flipcbClick);

    GroupBox2 = groupBox(GroupBox4, "GroupBox2", QStringLiteral("Timer"), QRect(312, 20, 121, 141));
    startbt = button(GroupBox2, "startbt", QStringLiteral("&Start"), QRect(16, 24, 89, 33));
    onEvent(startbt, &QPushButton::clicked, &Tmilikanfrm::startbtClick);
    timerlb = label(GroupBox2, "timerlb", QStringLiteral("0.0 s"), QRect(40, 66, 49, 16));
    resetbt = button(GroupBox2, "resetbt", QStringLiteral("&Reset"), QRect(16, 104, 89, 33));
    onEvent(resetbt, &QPushButton::clicked, &Tmilikanfrm::resetbtClick);

    threadcb = checkBox(GroupBox4, "threadcb", QStringLiteral(" &Show Thread"),
                        QRect(32, 101, 109, 17), m_checkBoxStyle);
    freezebt =
        button(GroupBox4, "freezebt", QStringLiteral("&Freeze Screen"), QRect(616, 16, 137, 49));
    onEvent(freezebt, &QPushButton::clicked, &Tmilikanfrm::freezebtClick);
    Label2 =
        label(GroupBox4, "Label2", QStringLiteral("Z O O M    B O X"), QRect(440, 24, 17, 137));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    zim = new ImageView(QStringLiteral("zim"), GroupBox4);
    zim->setGeometry(458, 13, viewgeometry::ZoomSize, viewgeometry::ZoomSize);
    zim->setPicture(&m_renderer.screenZoomPicture());

    SpeedButton1 = named(new QToolButton(GroupBox4), "SpeedButton1");
    SpeedButton1->setGeometry(704, 104, 57, 57);
    SpeedButton1->setIcon(QIcon(transparentArrow()));
    SpeedButton1->setIconSize(QSize(45, 54));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    onEvent(SpeedButton1, &QToolButton::clicked, &Tmilikanfrm::SpeedButton1Click);
}

void Tmilikanfrm::buildHiddenControls()
{
    // Inputs and output of the charge estimate; never shown, never focused.
    timebx = named(new QLineEdit(QStringLiteral("10"), Panel1), "timebx");
    // The fixed fall of 0.1 mm is written in the user's own notation, so that it reads back
    // under any regional settings.
    distxt =
        named(new QLineEdit(QString::fromStdString("0" + userDecimalSeparator() + "0001"), Panel1),
              "distxt");
    onEvent(timebx, &QLineEdit::textChanged, &Tmilikanfrm::timebxChange);
    onEvent(distxt, &QLineEdit::textChanged, &Tmilikanfrm::distxtChange);
    Label1 = label(Panel1, "Label1", QStringLiteral("Time"), QRect());
    Label6 = label(Panel1, "Label6", QStringLiteral("distance"), QRect());
    for (QWidget *hidden : {static_cast<QWidget *>(timebx), static_cast<QWidget *>(distxt),
                            static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label6)}) {
        hidden->setFocusPolicy(Qt::NoFocus);
        hidden->hide();
    }
}

void Tmilikanfrm::buildMenus()
{
    Edit1 = named(menuBar()->addMenu(QStringLiteral("&File")), "Edit1");
    Copy2 = menuItem(Edit1, "Copy2", QStringLiteral("&Copy"));
    Copy2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Print2 = menuItem(Edit1, "Print2", QStringLiteral("&Print"));
    Print2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Print2->setEnabled(false);
    named(Edit1->addSeparator(), "N2");
    Exit1 = menuItem(Edit1, "Exit1", QStringLiteral("E&xit"));
    onEvent(Copy2, &QAction::triggered, &Tmilikanfrm::Copy1Click);
    onEvent(Exit1, &QAction::triggered, &Tmilikanfrm::Exit1Click);

    Options1 = named(menuBar()->addMenu(QStringLiteral("&Options")), "Options1");
    Variable1 = menuItem(Options1, "Variable1", QStringLiteral("&Variable"));
    SameMass1 = menuItem(Options1, "SameMass1", QStringLiteral("Same &Radius (4e-7 m)"));
    SameCharge1 = menuItem(Options1, "SameCharge1", QStringLiteral("Same +ve &Charge"));
    Samecharge2 = menuItem(Options1, "Samecharge2", QStringLiteral("Same -&ve Charge"));
    for (QAction *mode : {Variable1, SameMass1, SameCharge1, Samecharge2}) {
        mode->setCheckable(true);
        connect(mode, &QAction::triggered, this,
                [this, mode] { runHandler([this, mode] { Variable1Click(mode); }); });
    }
    Variable1->setChecked(true);
    named(Options1->addSeparator(), "N1");
    Showconstants1 = menuItem(Options1, "Showconstants1", QStringLiteral("Show constants"));
    onEvent(Showconstants1, &QAction::triggered, &Tmilikanfrm::Showconstants1Click);

    Help1 = named(menuBar()->addMenu(QStringLiteral("&Help")), "Help1");
    about1 = menuItem(Help1, "about1", QStringLiteral("About"));
    onEvent(about1, &QAction::triggered, &Tmilikanfrm::about1Click);

    // The pop-up shows the same shortcuts; the File menu's items are the ones that answer them.
    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    Copy1 = menuItem(PopupMenu1, "Copy1", QStringLiteral("&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Copy1->setShortcutContext(Qt::WidgetShortcut);
    Print1 = menuItem(PopupMenu1, "Print1", QStringLiteral("&Print"));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Print1->setShortcutContext(Qt::WidgetShortcut);
    Print1->setEnabled(false);
    onEvent(Copy1, &QAction::triggered, &Tmilikanfrm::Copy1Click);
    connect(capacitor, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu1->popup(capacitor->mapToGlobal(at)); });
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

ViewSettings Tmilikanfrm::viewSettings() const
{
    return {Scalebx->isChecked(), threadcb->isChecked(), zsh->x(), zsh->y()};
}

QSize Tmilikanfrm::outerSize() const
{
    // On Wayland the title bar is drawn by the compositor or by Qt around the window, outside the
    // 800 x 600, so that the whole layout stays in view.
    if (onWayland())
        return size();
    return frameGeometry().size();
}

// ---- Creation, size and position -------------------------------------------------------------

void Tmilikanfrm::FormCreate()
{
    const QSize frame = outerSize() - size();
    setFixedSize(width(), WindowOuterSize.height() - frame.height());
    FormResize();
    setFixedSize(WindowOuterSize.width() - frame.width(), height());
    FormResize();
    m_appliedFrame = frame;

    if (!m_random)
        m_random = std::make_unique<SeededRandom>(clockSeed());
    initialiseApparatus(m_state);
    capbtClick();
}

void Tmilikanfrm::FormResize()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(centredWindowPosition(screen->geometry().size(), outerSize()));
    if (layout())
        layout()->activate();
    Panel1->move(
        centredPanelPosition(outerSize().width(), centralWidget()->height(), Panel1->size()));
}

void Tmilikanfrm::applyOuterSize()
{
    // A window manager's frame becomes known only once the window is on screen; the outer size
    // is then made 800 x 600 again, which re-centres the window.
    const QSize frame = outerSize() - size();
    if (frame == m_appliedFrame || frame.width() < 0 || frame.height() < 0)
        return;
    m_appliedFrame = frame;
    setFixedSize(WindowOuterSize - frame);
}

void Tmilikanfrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    runHandler([this] { FormResize(); });
}

void Tmilikanfrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (isVisible())
        applyOuterSize();
}

void Tmilikanfrm::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

// ---- The redraw and the step -----------------------------------------------------------------

void Tmilikanfrm::capbtClick()
{
    m_renderer.redraw(m_state, viewSettings());
    capacitor->update();
    zim->update();
    emit pictureRedrawn();
}

void Tmilikanfrm::Timer1Timer()
{
    oilbtClick();
}

void Tmilikanfrm::oilbtClick()
{
    if (step(m_state).stopwatchCounted)
        timerlb->setText(QString::fromStdString(stopwatchText(m_state.StopwatchTenths)));
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
}

void Tmilikanfrm::ResetbClick()
{
    cleanUp(m_state);
    Addbt->setEnabled(m_state.AddOilEnabled);
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
    onoff->setText(supplyOn ? QStringLiteral("&Off") : QStringLiteral("&On"));
    setTextColor(voltlb, supplyOn ? QColor(Qt::black) : Silver);
    startbt->setText(m_state.StopwatchRunning ? QStringLiteral("&Stop") : QStringLiteral("&Start"));
    freezebt->setText(Timer1->isActive() ? QStringLiteral("&Freeze Screen")
                                         : QStringLiteral("Un&Freeze Screen"));
    Addbt->setEnabled(m_state.AddOilEnabled);
}

void Tmilikanfrm::onoffClick()
{
    toggleSupply(m_state);
    syncControls();
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
    toggleStopwatch(m_state);
    syncControls();
    if (!m_state.StopwatchRunning)
        emit stopwatchSettled();
}

void Tmilikanfrm::resetbtClick()
{
    resetStopwatch(m_state);
    timerlb->setText(QStringLiteral("0.0 s"));
    emit stopwatchSettled();
}

void Tmilikanfrm::freezebtClick()
{
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
    syncControls();
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

void Tmilikanfrm::chargebtClick()
{
    const std::optional<long double> n =
        estimateCharge(m_state, timebx->text().toStdString(), distxt->text().toStdString(),
                       userDecimalSeparator());
    if (n)
        Label1->setText(QString::fromStdString(formatEstimate(*n, userDecimalSeparator())));
}

void Tmilikanfrm::distxtChange()
{
    chargebtClick();
}

void Tmilikanfrm::timebxChange() { }

// ---- The dialogs and the start-up reset ---------------------------------------------------------

void Tmilikanfrm::Showconstants1Click()
{
    constfrm->exec();
}

void Tmilikanfrm::about1Click()
{
    aboutboxp->exec();
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
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(centredWindowPosition(screen->geometry().size(), outerSize()));
    Scalebx->setChecked(true);
    ResetbClick();
    if (voltsb->isEnabled())
        onoffClick();
    if (m_state.StopwatchRunning)
        startbtClick();
    resetbtClick();
    voltsb->setValue(0);
    flipcb->setChecked(false);
    if (freezebt->text() != QLatin1String("&Freeze Screen"))
        freezebtClick();
    aboutboxp->setTexts(QStringLiteral("Product Name: Korvane"), QStringLiteral("Korvane About"),
                        QStringLiteral("Version 1.20"));
    aboutboxp->exec();
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
