// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_placement.h"

#include "centring.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

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
    explicit DialogKeeper(QWidget &dialog) : QObject(&dialog), m_dialog(dialog) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_dialog)
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            // Centred at every showing, by the frame the last showing had.
            centreWithFrame(m_dialog, frameOf(m_dialog));
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) &&
                   m_dialog.isVisible()) {
            // The window manager may have placed the first showing by a frame of its own
            // choosing; once the frame is known, the dialog is centred by it.
            const QSize frame = frameOf(m_dialog);
            if (!frame.isNull() && frame != m_dialog.property(CentredFrame).toSize())
                centreWithFrame(m_dialog, frame);
        } else if (event->type() == QEvent::WindowStateChange &&
                   m_dialog.windowState().testFlag(Qt::WindowMinimized)) {
            QTimer::singleShot(0, &m_dialog, [this] { restore(); });
        }
        return false;
    }

private:
    void restore()
    {
        if (QWidget *parent = m_dialog.parentWidget()) {
            QWidget *owner = parent->window();
            if (owner->windowState().testFlag(Qt::WindowMinimized))
                owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
        }
        if (!m_dialog.isVisible())
            return;
        m_dialog.setWindowState(m_dialog.windowState() & ~Qt::WindowMinimized);
        m_dialog.raise();
        m_dialog.activateWindow();
    }

    QWidget &m_dialog;
};

} // namespace

void keepDialogPlaced(QWidget &dialog)
{
    dialog.installEventFilter(new DialogKeeper(dialog));
}

void fitToText(QLabel &label, int height)
{
    label.resize(label.sizeHint().width(), height);
}

} // namespace korvane
