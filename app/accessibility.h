// What a screen reader learns about the main window: a name for every control, menu and
// picture (the caption without its "&", or a plain name where the layout gives none), what the
// two pictures show, the voltage slider in volts, and the stopwatch's time, read out when it
// stops or is reset. Hidden helpers stay out of the tree. Nothing here changes what the window
// shows.
#pragma once

#include "apparatus_state.h"

#include <QString>

namespace korvane {

class Tmilikanfrm;

/// Names the window's controls, found by their object names, and keeps the apparatus view's
/// description in step with the drops it shows. Call once, after the window is built.
void makeAccessible(Tmilikanfrm &window);

/// The apparatus view's description for that many floating drops.
QString apparatusDescription(int floating);

/// A caption as it is read aloud: without the "&" that marks its underlined letter ("&&"
/// stands for one "&") and without the blanks around it.
QString spokenCaption(const QString &caption);

} // namespace korvane
