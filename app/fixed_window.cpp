// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A compositor that maximises a window expects it to take the size it configures and may end the
// client when it does not; a fixed-size window cannot. So the window's maximum size is lifted as
// soon as a maximise is asked for, the compositor's size is taken, and the window at once asks to
// be restored; the fixed size comes back once the window is its own size again. The layout is
// re-centred in between and ends where it was: maximising changes nothing.
#include "wayland_window.h"

#include <QEvent>
#include <QGuiApplication>
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
            // The title bar asks the window itself, before the compositor answers.
            m_watching = true;
            connect(m_window->windowHandle(), &QWindow::windowStateChanged, this,
                    [this](Qt::WindowState state) {
                        if (state & ScreenFilling)
                            liftMaximum();
                    });
        } else if (event->type() == QEvent::Resize) {
            sizeChanged();
        }
        return false;
    }

private:
    // The window's own states: the widget's forget a maximise when the window is moved.
    Qt::WindowStates states() const { return m_window->windowHandle()->windowStates(); }

    void liftMaximum()
    {
        if (m_fixed.isValid())
            return;
        m_fixed = m_window->maximumSize();
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void sizeChanged()
    {
        if (!m_fixed.isValid() || !m_window->windowHandle())
            return;
        if (states() & ScreenFilling) {
            // Asked only once the compositor's size has been taken: before that, the request
            // would go nowhere.
            if (m_window->size() != m_fixed)
                QTimer::singleShot(0, this, [this] {
                    m_window->windowHandle()->setWindowStates(states() & ~ScreenFilling);
                });
        } else if (m_window->width() <= m_fixed.width() && m_window->height() <= m_fixed.height()) {
            m_window->setMaximumSize(m_fixed);
            m_fixed = QSize();
        }
    }

    QWidget *m_window;
    QSize m_fixed; // valid while the maximum size is lifted
    bool m_watching = false;
};

} // namespace

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void keepFixedWhenMaximised(QWidget *window)
{
    if (onWayland())
        new FixedWhenMaximised(window);
}

} // namespace korvane
