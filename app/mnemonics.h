// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard rule for underlined letters that several owners share ("&File", " &Flip Voltage"
// and "&Freeze Screen" all underline F). A letter with one owner works as usual: the button is
// clicked, the check box toggled, the menu opened. A shared letter moves through its owners,
// one press at a time: first the menu whose title has it, then the controls in tab order,
// then round again. A menu opens; a control takes the focus, and Space then activates it.
//
// Qt's shortcut map already moves an ambiguous letter through its owners (a button takes the
// focus, a menu title opens its menu) and an open menu moves between its own items that share
// a letter. What it does not do, and this router does: it goes in the order the shortcuts were
// registered, which puts the menu bar's titles after every control; and it counts presses
// without looking at the focus, so a press can land on the control that already has it and
// seem to do nothing.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QWidget;

namespace korvane {

class MnemonicRouter : public QObject {
    Q_OBJECT
public:
    /// The controls are the window's focus stops in tab order; captions are read at each press,
    /// so a caption that changes its underlined letter is followed at once.
    MnemonicRouter(QMainWindow *window, QList<QWidget *> controls);

    /// The owners of Alt+letter in the order a press moves through them: menu titles, then
    /// controls that can take the focus now.
    QList<QObject *> owners(QChar letter) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool belongsToWindow(QObject *watched) const;
    void moveToNextOwner(const QList<QObject *> &owners);

    QMainWindow *m_window;
    QList<QPointer<QWidget>> m_controls;
};

} // namespace korvane
