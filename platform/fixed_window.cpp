// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window asks for its normal state back as soon as the desktop reports the change, and takes
// its fixed size and its centred place again (every window of the program is centred on the
// primary screen).
#include "fixed_window.h"

#include "centring.h"
#include "desktop.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace korvane {

namespace {

constexpr Qt::WindowStates ScreenFilling = Qt::WindowMaximized | Qt::WindowFullScreen;

class FixedWhenMaximised : public QObject {
public:
    explicit FixedWhenMaximised(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show && !m_watching && m_window->windowHandle()) {
            // The window's own states: the widget's forget a maximise when the window is moved.
            m_watching = true;
            connect(m_window->windowHandle(), &QWindow::windowStateChanged, this,
                    [this] { stateChanged(); });
        } else if (event->type() == QEvent::Resize) {
            sizeChanged();
        }
        return false;
    }

private:
    Qt::WindowStates states() const
    {
        return m_window->windowHandle() ? m_window->windowHandle()->windowStates()
                                        : Qt::WindowStates();
    }

    void stateChanged()
    {
        if (states() & ScreenFilling) {
            if (m_fixed.isValid())
                return;
            m_fixed = m_window->maximumSize();
            // Mends: from the maximise button Qt draws on Wayland, a maximised client whose
            // buffer is not the size the compositor configured is ended with a protocol error,
            // so the fixed size is lifted until that size has been taken; the restore is asked
            // for after it.
            // Measured: weston with Qt 6.4 (ended without it); Qt 6.8 on weston ends no
            // client, but without it the window stays flagged maximised, 26 px lower.
            // Can go: when neither supported Qt needs it on weston.
            if (onWayland() && (states() & Qt::WindowMaximized)) {
                m_lifted = true;
                m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            } else {
                QTimer::singleShot(0, this, [this] { askForNormal(); });
            }
        } else if (m_fixed.isValid()) {
            QTimer::singleShot(0, this, [this] { takeFixedPlace(); });
        }
    }

    void askForNormal()
    {
        if (states() & ScreenFilling)
            m_window->windowHandle()->setWindowStates(states() & ~ScreenFilling);
    }

    void sizeChanged()
    {
        // Asked only once the compositor's size has been taken: before that, the request
        // would go nowhere.
        if (!m_fixed.isValid()) {
            // A window manager that turns a full-screen request down by itself may leave the
            // window the size it had tried, with no state reported: the fixed size is taken
            // again.
            if (givenOtherSize())
                QTimer::singleShot(0, this, [this] {
                    if (givenOtherSize())
                        placeFixed(m_window->maximumSize());
                });
            return;
        }
        if (!(states() & ScreenFilling))
            takeFixedPlace();
        else if (m_lifted && m_window->size() != m_fixed)
            QTimer::singleShot(0, this, [this] { askForNormal(); });
    }

    void takeFixedPlace()
    {
        if (!m_fixed.isValid() || (states() & ScreenFilling))
            return;
        if (m_lifted &&
            (m_window->width() > m_fixed.width() || m_window->height() > m_fixed.height()))
            return; // the compositor's normal size is still to come
        const QSize fixed = m_fixed;
        m_fixed = QSize();
        m_lifted = false;
        m_window->setMaximumSize(fixed);
        placeFixed(fixed);
    }

    bool givenOtherSize() const
    {
        return m_window->minimumSize() == m_window->maximumSize() &&
            m_window->size() != m_window->maximumSize() &&
            !(states() & (ScreenFilling | Qt::WindowMinimized));
    }

    void placeFixed(QSize fixed)
    {
        m_window->resize(fixed);
        if (!onWayland())
            centreOnPrimaryScreen(*m_window, m_window->frameGeometry().size());
    }

    QWidget *m_window;
    QSize m_fixed; // valid from a full-screen or maximised state until the window is its own again
    bool m_lifted = false; // the maximum size is lifted for the compositor's size
    bool m_watching = false;
};

} // namespace

void keepFixedWhenMaximised(QWidget *window)
{
    new FixedWhenMaximised(window);
}

} // namespace korvane
