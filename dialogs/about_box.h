// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box: the product line, the version and the program's emblem. Shown modally at
// start-up, where it closes itself after 4 s, and again from the Help menu; once it has closed
// itself it stays open until the user closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace korvane {

class BevelPanel;

class Taboutboxp : public QDialog {
    Q_OBJECT
public:
    explicit Taboutboxp(QWidget *parent = nullptr);

    /// The texts the main window's start-up reset gives the box.
    void setTexts(const QString &productLine, const QString &caption, const QString &versionLine);

    /// The box's texts in the user's language: its two lines, its title, and the two lines of
    /// its emblem beside the program's name.
    static QString productLine();
    static QString caption();
    static QString versionLine();
    static QString purposeLine();
    static QString audienceLine();

    /// Ticks of Timer1 since the box was last shown.
    int tickCount() const { return m_ticks; }
    /// 0 until the box has once closed itself, then ClosedItself.
    int tag() const { return m_tag; }

    static constexpr int TickMilliseconds = 200;
    static constexpr int TicksToClose = 20; ///< 4 s
    static constexpr int ClosedItself = 10;

    // Handlers; the timer's is public so that tests can tick the box without waiting.
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormActivate();
    void returnbtClick();
    void Panel1Click();
    void Panel2Click();

    BevelPanel *Panel1 = nullptr;
    BevelPanel *Panel2 = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QWidget *Logo = nullptr;
    QTimer *Timer1 = nullptr;
    QPushButton *returnbt = nullptr;

    int m_ticks = 0;
    int m_tag = 0;
};

} // namespace korvane
