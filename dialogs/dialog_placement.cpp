#include "dialog_placement.h"

#include "centring.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace korvane {

void centreOnPrimaryScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame a window manager adds is known only once the window has been on screen; until
    // then the outer size is the client size.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QRect area = screen->geometry();
    window.move(area.topLeft() + centredWindowPosition(area.size(), window.size() + frame));
}

void fitToText(QLabel &label, int height)
{
    label.resize(label.sizeHint().width(), height);
}

} // namespace korvane
