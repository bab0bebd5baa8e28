// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up in a browser tab. The page is the one screen and Qt's WebAssembly platform is always
// there, so nothing is chosen beforehand and no display can be missing; the language and the
// decimal separator come from the browser's languages, which Qt reads itself; the layout's
// fonts are built in. The page can change size (a browser window resized, a tablet turned),
// and the program's windows stay centred in it as they are on the screen. A last word goes
// where the page shows it in place of the window. Repeated exposures of a window the page already
// shows are dropped (below).
#include "centring.h"
#include "startup.h"
#include "web_fonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace korvane::platform {

void prepareStartup() { }

void adviseOnPlatformFailure(bool (*)(QLatin1String)) { }

// The page shows the program's last line on its error output when the program ends.
void endWith(const QString &message)
{
    std::fprintf(stderr, "korvane: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace korvane::platform

namespace {

void centreWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            korvane::centreOnPrimaryScreen(*window, window->frameGeometry().size());
    }
}

// Qt 6.8's WebAssembly platform answers each flush of a window's changed pixels with an expose
// event for the whole window at the next animation frame, and widgets answer an expose by
// flushing the whole window: ten times a second the browser took in and composited all of the
// main window where a few drops had moved (8 % of a core against 0.2 % for an idle window). A
// canvas keeps what it was given, so an expose of a window already exposed at the same size and
// density brings nothing new and is dropped. Whatever may have emptied the canvas since counts
// as new: Qt sets the canvas's size again when a window moves (the page changed size and the
// window was centred anew), which clears it, and a browser may drop a hidden canvas's pixels;
// after a show, a hide, a move or a resize the next expose goes through.
class RepeatedExposures : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType())
            return false;
        auto *window = static_cast<QWindow *>(watched);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            if (const auto seen = m_seen.find(window); seen != m_seen.end())
                seen->exposed = false;
            return false;
        case QEvent::Expose:
            break;
        default:
            return false;
        }
        const Exposure now {window->isExposed(), window->size(), window->devicePixelRatio()};
        const auto seen = m_seen.constFind(window);
        const bool repeated = seen != m_seen.cend() && seen->exposed && now.exposed &&
            seen->size == now.size && seen->ratio == now.ratio;
        if (seen == m_seen.cend())
            connect(window, &QObject::destroyed, this, [this, window] { m_seen.remove(window); });
        m_seen.insert(window, now);
        return repeated;
    }

private:
    struct Exposure {
        bool exposed;
        QSize size;
        qreal ratio;
    };
    QHash<const QWindow *, Exposure> m_seen;
};

void prepareApplication()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    korvane::installWebFonts();
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new RepeatedExposures(application));
    if (QScreen *page = QGuiApplication::primaryScreen())
        QObject::connect(page, &QScreen::geometryChanged, page, centreWindows);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(prepareApplication)
