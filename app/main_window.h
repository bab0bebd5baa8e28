// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the apparatus view across the top, the control panel below, both menus and
// the 100 ms step timer. It owns the one apparatus state; its controls mirror that state, and
// its handlers call the model and the redraw, then bring the controls up to date.
#pragma once

#include "apparatus_renderer.h"
#include "apparatus_state.h"
#include "drop_follower.h"
#include "drops.h"
#include "random_source.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace korvane {

class BevelPanel;
class DropFollower;
class Taboutboxp;
class Tconstfrm;
class ImageView;
class ZoomBox;

class Tmilikanfrm : public QMainWindow {
    Q_OBJECT
public:
    /// The random source defaults to one seeded from the clock; the sound output, opened when a
    /// drop is first followed, to the desktop's (none on the offscreen platform, which no one
    /// hears).
    explicit Tmilikanfrm(std::unique_ptr<RandomSource> random = nullptr,
                         OpenSound openSound = nullptr);
    ~Tmilikanfrm() override;

    const ApparatusState &state() const { return m_state; }
    const ApparatusRenderer &renderer() const { return m_renderer; }
    ViewSettings viewSettings() const;

    /// The window's size including the frame the window manager puts around it.
    QSize outerSize() const;

    // Handlers, named after their control and event (doc/HACKING.md maps them), and the plain
    // operations they share: capbtClick (the redraw), oilbtClick (one step) and chargebtClick
    // (the charge estimate) are named after hidden buttons that nothing shows.
    void FormCreate();
    void FormResize();
    void capbtClick();
    void Timer1Timer();
    void oilbtClick();
    void ScalebxClick();
    void AddbtClick();
    void ResetbClick();
    void Variable1Click(QAction *clicked);
    void zshMouseDown();
    void zshMouseMove(QPoint position);
    void zshMouseUp();
    void capacitorMouseDown(QPoint position);
    void onoffClick();
    void voltsbChange();
    void flipcbClick();
    void startbtClick();
    void resetbtClick();
    void freezebtClick();
    void Copy1Click();
    void SpeedButton1Click();
    void Exit1Click();
    void chargebtClick();
    void distxtChange();
    void Showconstants1Click();
    void about1Click();
    void FormActivate();
    void FormDeactivate();

    /// The start-up reset, once per run: the program calls it when the window is first shown.
    /// The window is made the active one, then the reset runs and shows the About box.
    void startUp();

signals:
    /// Both pictures were drawn anew.
    void pictureRedrawn();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void dressControls();
    void buildHiddenControls();
    void buildMenus();
    void buildFollower(OpenSound openSound);
    void buildTabOrder();
    void connectHandlers();
    static void setTextColor(QWidget *widget, const QColor &color);
    void syncControls();
    /// Start/Stop, pressed on the button or from the zoom box, and what a reader is told.
    void toggleStopwatchAndTell(bool byTheButton);
    DropMode checkedDropMode() const;
    template<class Sender, class Signal>
    void onEvent(Sender *sender, Signal signal, void (Tmilikanfrm::*handler)());

    ApparatusState m_state;
    ApparatusRenderer m_renderer;
    std::unique_ptr<RandomSource> m_random;
    bool m_startedUp = false;
    int m_describedDrops = 0; // the floating drops the apparatus view's description counts
    std::int64_t m_steps = 0; // simulation steps so far, the clock of the crossings' announcements
    DropFollower *m_follower = nullptr;

    // The controls, named as the layout names them.
    BevelPanel *Panel1 = nullptr;
    BevelPanel *Panel3 = nullptr;
    BevelPanel *Panel2 = nullptr;
    ImageView *capacitor = nullptr;
    ZoomBox *zsh = nullptr;
    QLabel *zlb = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QPushButton *Addbt = nullptr;
    QCheckBox *Scalebx = nullptr;
    QPushButton *Resetb = nullptr;
    QPushButton *onoff = nullptr;
    QScrollBar *voltsb = nullptr;
    QLabel *voltlb = nullptr;
    QCheckBox *flipcb = nullptr;
    QPushButton *startbt = nullptr;
    QLabel *timerlb = nullptr;
    QPushButton *resetbt = nullptr;
    QCheckBox *threadcb = nullptr;
    QPushButton *freezebt = nullptr;
    QLabel *Label2 = nullptr;
    ImageView *zim = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QLineEdit *timebx = nullptr;
    QLineEdit *distxt = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label6 = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *Edit1 = nullptr;
    QAction *Copy2 = nullptr;
    QAction *Print2 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Options1 = nullptr;
    QAction *Variable1 = nullptr;
    QAction *SameMass1 = nullptr;
    QAction *SameCharge1 = nullptr;
    QAction *Samecharge2 = nullptr;
    QAction *Showconstants1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *about1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Print1 = nullptr;

    Tconstfrm *constfrm = nullptr;
    Taboutboxp *aboutboxp = nullptr;
};

} // namespace korvane
