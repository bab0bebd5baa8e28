// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_keeper.h"

#include "centring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace korvane {

namespace {

const char *const CentredFrame = "korvaneCentredFrame";

// The frame a window manager adds is known only once the window has been on screen.
QSize frameOf(const QWidget &window)
{
    return window.frameGeometry().size() - window.geometry().size();
}

void centreWithFrame(QWidget &window, QSize frame)
{
    window.setProperty(CentredFrame, frame);
    centreOnPrimaryScreen(window, window.size() + frame);
}

class DialogKeeper : public QObject {
public:
    explicit DialogKeeper(QWidget &dialog) : QObject(&dialog), m_dialog(dialog)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &DialogKeeper::focusMoved);
        m_frameTimer.setInterval(100);
        connect(&m_frameTimer, &QTimer::timeout, this, [this] {
            if (--m_frameChecks <= 0 || !m_dialog.isVisible())
                m_frameTimer.stop();
            if (m_dialog.isVisible())
                followFrame();
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_dialog)
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            // Centred at every showing, by the frame the last showing had; the first by the
            // owner's, since a window manager frames its windows alike.
            if (m_dialog.property(CentredFrame).isValid())
                centreWithFrame(m_dialog, centredFrame());
            else
                centreByOwnersFrame();
            m_frameChecks = 20;
            m_frameTimer.start();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) &&
                   m_dialog.isVisible()) {
            followFrame();
        } else if (event->type() == QEvent::WindowStateChange &&
                   m_dialog.windowState().testFlag(Qt::WindowMinimized)) {
            QTimer::singleShot(0, &m_dialog, [this] { restore(); });
        }
        return false;
    }

private:
    QWidget *owner() const
    {
        QWidget *parent = m_dialog.parentWidget();
        return parent ? parent->window() : nullptr;
    }

    // Before the first showing the frame can only be assumed to be none: a position computed
    // from it places the window itself, which the window manager then frames.
    QSize centredFrame() const
    {
        const QVariant centred = m_dialog.property(CentredFrame);
        return centred.isValid() ? centred.toSize() : QSize(0, 0);
    }

    // Before it has framed the dialog, the window manager places the dialog's own corner where
    // the program asks, and puts the frame around it: the corner asked for is the centred
    // frame's, moved in by the owner's frame.
    void centreByOwnersFrame()
    {
        if (const QSize known = frameOf(m_dialog); frameKnown(known)) {
            // Known to the platform already: the frame is placed.
            centreWithFrame(m_dialog, known);
            return;
        }
        QMargins frame;
        if (const QWidget *shown = owner(); shown && shown->isVisible()) {
            const QRect outer = shown->frameGeometry();
            const QRect inner = shown->geometry();
            const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
                                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
            if (margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
                margins.bottom() >= 0)
                frame = margins;
        }
        const QSize outer = m_dialog.size().grownBy(frame);
        m_dialog.setProperty(CentredFrame, outer - m_dialog.size());
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QPoint corner =
            screen->geometry().topLeft() + centredWindowPosition(screen->geometry().size(), outer);
        m_dialog.move(corner + QPoint(frame.left(), frame.top()));
    }

    // Once the frame is known, and it is not the one assumed, the dialog is centred by it. The
    // platform learns it some time after the window is shown, with no event of its own.
    void followFrame()
    {
        const QSize centred = centredFrame();
        const QSize reported = frameOf(m_dialog);
        if (!frameKnown(reported)) {
            // Some platforms learn the frame of a window shown at once after its owner only
            // when the window is shown again, and KWin's may stay the 1 x 1 one Qt measured
            // before KWin framed the window; the owner's, known by now, serves meanwhile.
            const QWidget *shown = owner();
            const QSize owners = shown ? frameToCentreBy(frameOf(*shown), centred) : centred;
            if (owners != centred)
                centreByOwnersFrame();
            return;
        }
        if (reported != centred)
            centreWithFrame(m_dialog, reported);
    }

    // A modal dialog that the window manager hid, minimised or let lose the focus to the window
    // it blocks leaves the program without a window that takes input. Where no state change
    // says so, as on Wayland, the focus landing on a blocked window of the program does.
    // Measured: on KWin and GNOME on Wayland (Debian 12, Qt 6.4, tools/desktop-check) the
    // dialog's own activation brings it back, 2 of 2 runs each; showing it anew instead, as
    // before, did so too but left KWin's About box at (0, 0) in 2 of 3 runs; without it the
    // dialog stayed hidden and the main window took no input, 2 of 2 runs each. Debian 13
    // (Qt 6.8, KWin 6.3, GNOME 48) without it: the same as with it, 1 run each (KWin brings
    // the dialog back with the main window from the task bar; GNOME shows it again at once).
    // Can go: when Debian 12 is dropped, once measured there again.
    void focusMoved(QWindow *focus)
    {
        if (!focus || focus == m_dialog.windowHandle() || !m_dialog.isVisible() ||
            QApplication::activeModalWidget() != &m_dialog || m_bringingBack)
            return;
        const QWidget *blocked = owner();
        if (!blocked || focus != blocked->windowHandle())
            return;
        m_bringingBack = true;
        QTimer::singleShot(0, &m_dialog, [this] {
            m_bringingBack = false;
            if (m_dialog.isVisible() && QApplication::activeModalWidget() == &m_dialog)
                restore();
        });
    }

    void restore()
    {
        if (QWidget *blocked = owner()) {
            if (blocked->windowState().testFlag(Qt::WindowMinimized))
                blocked->setWindowState(blocked->windowState() & ~Qt::WindowMinimized);
        }
        if (!m_dialog.isVisible())
            return;
        m_dialog.setWindowState(m_dialog.windowState() & ~Qt::WindowMinimized);
        m_dialog.raise();
        m_dialog.activateWindow();
    }

    QWidget &m_dialog;
    bool m_bringingBack = false;
    QTimer m_frameTimer; // looks for the frame for a while after each showing
    int m_frameChecks = 0;
};

} // namespace

void keepDialogPlaced(QWidget &dialog)
{
    dialog.installEventFilter(new DialogKeeper(dialog));
}

} // namespace korvane
