// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_box.h"
#include "accessibility.h"

#include "bevel_panel.h"
#include "desktop.h"
#include "dialog_keeper.h"
#include "handler_guard.h"
#include "korvane_version.h"
#include "layout_colours.h"
#include "legacy_fonts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace korvane {

namespace {

using layout::Cream;
using layout::Khaki;
const QColor DarkKhaki(96, 80, 48);
const QColor PlateGrey(90, 90, 96);
const QColor SignRed(200, 30, 30);
const QColor OilAmber(226, 150, 36);

constexpr QSize ClientSize(449, 285);
constexpr QRect LogoArea(8, 32, 417, 229); // in Panel2, below the two lines of text

// The program's emblem and name: a drop hanging between two charged plates, and beside it what
// the program is for. It takes no clicks, so a click on it is a click on the panel beneath.
class AboutLogo : public QWidget {
public:
    explicit AboutLogo(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Logo"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        drawEmblem(painter, QRect(20, 24, 120, 160));
        drawName(painter, QRect(164, 40, width() - 176, 150));
    }

private:
    static void drawEmblem(QPainter &painter, const QRect &area)
    {
        const int plateHeight = 9;
        const QRect upper(area.left(), area.top() + 22, area.width(), plateHeight);
        const QRect lower(area.left(), area.bottom() - 22 - plateHeight, area.width(), plateHeight);
        painter.setPen(Qt::NoPen);
        for (const QRect &plate : {upper, lower}) {
            painter.setBrush(PlateGrey);
            painter.drawRoundedRect(plate, 2, 2);
        }

        // The polarity: plus above the upper plate, minus below the lower one.
        painter.setPen(QPen(SignRed, 3, Qt::SolidLine, Qt::RoundCap));
        const QPoint plus(area.center().x(), area.top() + 8);
        painter.drawLine(plus - QPoint(7, 0), plus + QPoint(7, 0));
        painter.drawLine(plus - QPoint(0, 7), plus + QPoint(0, 7));
        const QPoint minus(area.center().x(), area.bottom() - 8);
        painter.drawLine(minus - QPoint(7, 0), minus + QPoint(7, 0));

        // The scale the drop is timed over.
        painter.setPen(QPen(DarkKhaki, 1, Qt::DotLine));
        for (int y = upper.bottom() + 18; y < lower.top() - 8; y += 18)
            painter.drawLine(area.left() + 6, y, area.right() - 6, y);

        // The drop, pointed upward as it hangs, with a glint of light.
        const QPointF centre(area.center().x(), area.center().y() + 4);
        const qreal radius = 13;
        QPainterPath drop;
        drop.moveTo(centre.x(), centre.y() - 2.2 * radius);
        drop.cubicTo(centre.x() + 0.4 * radius, centre.y() - 1.3 * radius, centre.x() + radius,
                     centre.y() - 0.6 * radius, centre.x() + radius, centre.y());
        drop.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0,
                   -180);
        drop.cubicTo(centre.x() - radius, centre.y() - 0.6 * radius, centre.x() - 0.4 * radius,
                     centre.y() - 1.3 * radius, centre.x(), centre.y() - 2.2 * radius);
        painter.setPen(QPen(DarkKhaki, 1.2));
        painter.setBrush(OilAmber);
        painter.drawPath(drop);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 244, 210));
        painter.drawEllipse(QPointF(centre.x() - 4.5, centre.y() - 3.5), 3.2, 2.4);
    }

    static void drawName(QPainter &painter, const QRect &area)
    {
        painter.setPen(DarkKhaki);
        painter.setFont(legacyFont(LegacyFace::Arial, 40, true));
        const QRect name(area.left(), area.top(), area.width(), 48);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korvane"));

        painter.setPen(QPen(Khaki, 2));
        painter.drawLine(area.left(), name.bottom() + 8, area.right(), name.bottom() + 8);

        painter.setPen(Qt::black);
        painter.setFont(legacyFont(LegacyFace::Arial, 15));
        const QRect purpose(area.left(), name.bottom() + 18, area.width(), 44);
        painter.drawText(purpose, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         Taboutboxp::purposeLine());

        painter.setPen(DarkKhaki);
        painter.setFont(legacyFont(LegacyFace::Arial, 12));
        painter.drawText(QRect(area.left(), purpose.bottom() + 8, area.width(), 20),
                         Qt::AlignLeft | Qt::AlignTop, Taboutboxp::audienceLine());
    }
};

QLabel *panelLabel(QWidget *parent, const char *name, QPoint position, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->move(position);
    // The lines of text have no click of their own, and a click on them is not one on the panel.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

Taboutboxp::Taboutboxp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Taboutboxp"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(ClientSize);
    keepDialogPlaced(*this);

    Panel1 = new BevelPanel(QStringLiteral("Panel1"),
                            {Khaki, BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 1, 5, true},
                            this);
    Panel1->setGeometry(QRect(QPoint(0, 0), ClientSize));
    Panel2 = new BevelPanel(
        QStringLiteral("Panel2"),
        {Cream, BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 1, 0, false}, Panel1);
    Panel1->place(Panel2, QRect(6, 6, 433, 269));
    Panel1->installEventFilter(this);
    Panel2->installEventFilter(this);

    ProductName =
        panelLabel(Panel2, "ProductName", {8, 8}, legacyFont(LegacyFace::Arial, 11, true));
    Version = panelLabel(Panel2, "Version", {360, 8}, legacyFont(LegacyFace::Arial, 11));
    Logo = new AboutLogo(Panel2);
    Logo->setGeometry(LogoArea);
    // The emblem draws the program's name and purpose; a reader hears them.
    presentAs(Logo, Presentation::Graphic);
    Logo->setAccessibleName(QStringLiteral("Korvane"));
    Logo->setAccessibleDescription(purposeLine() + QLatin1String(". ") + audienceLine());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { runHandler([this] { Timer1Timer(); }); });

    // Pressed only by the box's own clicks and timer: a window of its own, never opened, so
    // that a screen reader does not find it among the box's contents.
    returnbt = new QPushButton(QStringLiteral("returnbt"), this);
    returnbt->setWindowFlags(Qt::Window);
    returnbt->setObjectName(QStringLiteral("returnbt"));
    returnbt->setAutoDefault(false);
    returnbt->setFocusPolicy(Qt::NoFocus);
    returnbt->hide();
    connect(returnbt, &QPushButton::clicked, this, [this] {
        runHandler([this] {
            done(Accepted); // the button's modal result; ends a showing, if there is one
            returnbtClick();
        });
    });

    setTexts(productLine(), caption(), versionLine());
}

QString Taboutboxp::productLine()
{
    return tr("Product Name: Korvane");
}

QString Taboutboxp::caption()
{
    //: The About box's title.
    return tr("Korvane About");
}

QString Taboutboxp::versionLine()
{
    return tr("Version %1").arg(QLatin1String(KORVANE_VERSION));
}

QString Taboutboxp::purposeLine()
{
    return tr("Oil-drop measurement of the elementary charge");
}

QString Taboutboxp::audienceLine()
{
    return tr("A simulation for the physics classroom");
}

void Taboutboxp::setTexts(const QString &productLine, const QString &caption,
                          const QString &versionLine)
{
    ProductName->setText(productLine);
    ProductName->adjustSize();
    setWindowTitle(caption);
    Version->setText(versionLine);
    Version->adjustSize();
    // Readers pass over a label of fewer than three words when they read a dialog out.
    Version->setAccessibleName(QStringLiteral("Korvane ") + versionLine);
}

void Taboutboxp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    runHandler([this] { FormActivate(); });
}

bool Taboutboxp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Panel1 && watched != Panel2)
        return QDialog::eventFilter(watched, event);
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    // A click is a press and a release on the same panel; the press grabs the mouse for it.
    auto *panel = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseButtonRelease &&
        panel->rect().contains(mouse->position().toPoint())) {
        if (panel == Panel1)
            runHandler([this] { Panel1Click(); });
        else
            runHandler([this] { Panel2Click(); });
    }
    return true;
}

void Taboutboxp::FormActivate()
{
    m_ticks = 0;
    // A screen reader takes longer than 4 s to read the box: with one running, the box waits
    // to be closed (Escape), rather than cut the reader off.
    if (m_tag == 0 && !screenReaderKnown())
        Timer1->start();
}

void Taboutboxp::Timer1Timer()
{
    ++m_ticks;
    if (m_ticks == TicksToClose) {
        Timer1->stop();
        m_tag = ClosedItself;
        returnbt->click();
    }
}

void Taboutboxp::returnbtClick()
{
    Timer1->stop();
}

void Taboutboxp::Panel1Click()
{
    returnbt->click();
}

void Taboutboxp::Panel2Click()
{
    returnbt->click();
}

} // namespace korvane
