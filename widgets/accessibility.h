// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns beyond what Qt's own interfaces tell it: the pictures are images,
// the voltage slider reads in volts, the stopwatch keeps its name while it runs and tells its
// time when it stops or is reset, and a few messages are announced whichever control has the
// focus. Each window names and describes its controls where it creates them, and presents these
// few there too.
#pragma once

#include <QString>

class QAbstractButton;
class QAction;
class QLabel;
class QWidget;

namespace korvane {

/// How a widget is presented to screen readers, where Qt's own interface would mislead.
enum class Presentation {
    Graphic, ///< a picture: an image, not an empty pane
    VoltageSlider, ///< a slider whose position counts hundredths of a volt, read in volts
    Stopwatch, ///< a label whose time is read out once it stops changing (announceStopwatch)
    Decoration, ///< what a reader passes over: a caption that repeats a name, a mouse-only hint
};

/// Presents the widget so from now on. Call where the widget is created.
void presentAs(QWidget *widget, Presentation as);

/// Gives a menu item the name readers say in place of its caption, where the caption would be
/// spelt out ("4e-7 m"). Call once the item is in its menu.
void speakMenuItemAs(QAction *item, const QString &spoken);

/// Tells screen readers the time the stopwatch shows, if it differs from the one they last
/// heard: when the stopwatch stops or is reset, rather than ten times a second while it runs.
/// `describer` is a control whose description was just rewritten to tell the time too: where
/// readers hear that (readersHearNewDescriptions), the time is not said a second time.
void announceStopwatch(QLabel *stopwatch, const QWidget *describer = nullptr);

/// Tells screen readers the message at once, whichever control of the window has the focus.
void announce(QWidget *window, const QString &message);

/// After a press changed the button's caption: tells readers the new one where the toolkit's
/// own renaming does not reach them.
void announceCaption(QAbstractButton *button);

/// After the program rewrote the description of the control that has the focus: tells readers
/// the new one where the toolkit's own change does not reach them.
void announceDescription(QWidget *control);

/// Whether readers speak the control's description the moment it is rewritten: on Qt 6.8, which
/// sends it to them, for the control that has the focus. What they hear so needs no
/// announcement, and a description rewritten right after an announcement is heard twice.
bool readersHearNewDescriptions(const QWidget *control);

/// The stopwatch button's description: running, or the time it shows ("12.3 s").
QString stopwatchDescription(bool running, const QString &shown);

/// The voltage as it is read aloud: "12.34 volts", with the user's decimal separator.
QString spokenVoltage(int hundredths);

/// The supply as it is read aloud: the voltage, and whether the supply is off.
QString spokenSupply(bool on, int hundredths);

/// The stopwatch as it is read aloud: its time, and whether it runs.
QString spokenStopwatch(bool running, const QString &shown);

/// The apparatus view's description for that many floating drops.
QString apparatusDescription(int floating);

/// A caption as it is read aloud: without the "&" that marks its underlined letter ("&&"
/// stands for one "&") and without the blanks around it.
QString spokenCaption(const QString &caption);

} // namespace korvane
