// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus by ear. Once the student follows a drop (F6 has brought the focus to the zoom
// box, or a screen reader is running), the drop under the zoom box, or the one nearest to it, is
// followed: each crossing of a scale line is a short tone the program plays itself, at the step
// in which it happens (spoken, one a second at most, where there is no sound), and its drift can
// be heard as clicks (F5). F7, F8 and F9 say the voltage, the stopwatch and the followed drop
// from anywhere, without moving the focus. In the zoom box Left and Right move onto the next drop,
// Up and Down go through the last crossings, Space starts and stops the stopwatch, Delete resets
// it, Enter reads the drop again, and a voltage typed in digits is set with Enter. The box is no
// Tab stop and nothing here is heard or played for a class that does not follow a drop.
#pragma once

#include "apparatus_state.h"
#include "drop_watch.h"
#include "sound_output.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace korvane {

class ZoomBox;

/// Opens the sound output when a drop is first followed.
using OpenSound = std::function<std::unique_ptr<sound::SoundOutput>()>;

/// What the follower does to and reads from the control panel, as its own controls would.
struct PanelAccess {
    std::function<void()> startStop; ///< the Start/Stop button's press
    std::function<void()> resetStopwatch; ///< the Reset button's press
    std::function<bool(int hundredths)> setVoltage; ///< the slider moved; false: supply off
    std::function<QString()> voltage; ///< the voltage as said aloud, with the supply's state
    std::function<QString()> stopwatch; ///< the stopwatch as said aloud
    std::function<QString()> stopwatchShown; ///< the time it shows, as "3.4 s"
};

class DropFollower : public QObject {
    Q_OBJECT
public:
    /// Moves the zoom box to that top-left corner and redraws, as a drag does.
    using MoveBox = std::function<void(QPoint topLeft)>;

    DropFollower(QWidget *window, const ApparatusState &state, ZoomBox *box, MoveBox moveBox,
                 PanelAccess panel, OpenSound openSound);
    ~DropFollower() override;

    /// After every redraw; `step` counts the simulation steps so far.
    void look(std::int64_t step);

    /// The screen was frozen or let go: a drop that stands still makes no sound.
    void setFrozen(bool frozen);

    /// Clean Up took the drops away: the followed one did not reach a plate.
    void forget();

    /// Whether a drop is followed: the zoom box has had the focus, or a screen reader runs.
    bool following() const;

    /// The followed drop in a few words, the one that matters first: "Falling, 6.0 s a
    /// division, near line 0.5".
    QString description() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint boxCentre() const;
    void startFollowing();
    void toggleFocus();
    void toggleDrift();
    void moveToNeighbour(int direction);
    void describe();
    void say(const QString &message);
    bool soundReady() const;
    void tellIfSoundUnavailable();
    bool updateDrift(); // true: the drift sound plays
    void crossed(int line, std::int64_t step);
    void readCrossing(int direction);
    void setTypedVoltage();

    QWidget *m_window;
    const ApparatusState &m_state;
    ZoomBox *m_box;
    MoveBox m_moveBox;
    PanelAccess m_panel;
    OpenSound m_openSound;
    std::unique_ptr<sound::SoundOutput> m_sound;
    bool m_toldSoundUnavailable = false;
    std::chrono::steady_clock::time_point m_toneNoted; // the last tone put on the timeline
    DropWatch m_watch;
    DropLook m_last;
    bool m_listening = false; // the zoom box has had the focus
    bool m_driftOn = false;
    bool m_frozen = false;
    std::int64_t m_lastSpokenCrossing = -SpokenCrossingSteps;
    QStringList m_crossings;
    int m_crossingRead = -1; // the crossing Up and Down last read, -1 none
    QString m_typed; // a voltage being typed in the zoom box
    QPointer<QWidget> m_returnTo;

    // Spoken crossings closer together than this many steps (1 s) would run into each other.
    static constexpr std::int64_t SpokenCrossingSteps = 10;
    static constexpr int CrossingsKept = 20;
};

} // namespace korvane
