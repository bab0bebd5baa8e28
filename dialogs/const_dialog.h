// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Constants dialog: the physical constants the apparatus works with, as fixed texts with
// their units. Created once, hidden; showing it modally and closing it only hides it again.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvane {

class Tconstfrm : public QDialog {
    Q_OBJECT
public:
    explicit Tconstfrm(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Completes the units of the labels; runs once, while the dialog is created.
    void FormCreate();
    void Button1Click();

    QLabel *adlb = nullptr;
    QLabel *odlb = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *avlb = nullptr;
    QLabel *glb = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace korvane
