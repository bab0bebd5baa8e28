// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace korvane {

namespace {

// The underlined letter of a caption, upper case, or a null character.
QChar underlinedLetter(const QString &caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (mnemonic.isEmpty())
        return {};
    const QString key = QKeySequence(mnemonic[0].key()).toString();
    return key.size() == 1 ? key.at(0).toUpper() : QChar();
}

// The letter of an Alt+letter press, or a null character.
QChar pressedLetter(const QKeyEvent *event)
{
    if (event->modifiers() != Qt::AltModifier)
        return {};
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key);
    return {};
}

} // namespace

MnemonicRouter::MnemonicRouter(QMainWindow *window, QList<QWidget *> controls)
    : QObject(window), m_window(window)
{
    for (QWidget *control : controls)
        m_controls.append(control);
    qApp->installEventFilter(this);
}

QList<QObject *> MnemonicRouter::owners(QChar letter) const
{
    QList<QObject *> result;
    for (QAction *menu : m_window->menuBar()->actions()) {
        if (menu->isVisible() && menu->isEnabled() && underlinedLetter(menu->text()) == letter)
            result.append(menu);
    }
    for (QWidget *control : m_controls) {
        auto *button = qobject_cast<QAbstractButton *>(control);
        if (button && button->isVisibleTo(m_window) && button->isEnabled() &&
            underlinedLetter(button->text()) == letter)
            result.append(button);
    }
    return result;
}

bool MnemonicRouter::belongsToWindow(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    if (widget->window() == m_window)
        return true;
    // The menus of the menu bar are windows of their own while open.
    auto *menu = qobject_cast<QMenu *>(widget->window());
    return menu && menu->parentWidget() && menu->parentWidget()->window() == m_window;
}

bool MnemonicRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!belongsToWindow(watched))
        return false;
    const QChar letter = pressedLetter(static_cast<QKeyEvent *>(event));
    if (letter.isNull())
        return false;
    const QList<QObject *> shared = owners(letter);
    if (shared.size() < 2)
        return false; // a single owner answers its own shortcut
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the key so that no ambiguous shortcut fires; it comes back as a key press.
        event->accept();
        return true;
    }
    moveToNextOwner(shared);
    return true;
}

void MnemonicRouter::moveToNextOwner(const QList<QObject *> &owners)
{
    // The current owner is the open menu, or else the control with the focus.
    QMenuBar *menuBar = m_window->menuBar();
    QObject *current = menuBar->activeAction() ? static_cast<QObject *>(menuBar->activeAction())
                                               : QApplication::focusWidget();
    const int at = owners.indexOf(current);
    QObject *next = owners.at((at + 1) % owners.size());

    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (auto *menu = qobject_cast<QAction *>(next)) {
        menuBar->setActiveAction(menu);
    } else {
        menuBar->setActiveAction(nullptr);
        static_cast<QWidget *>(next)->setFocus(Qt::ShortcutFocusReason);
    }
}

} // namespace korvane
