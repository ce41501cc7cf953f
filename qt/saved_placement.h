// The window's size, place and maximised state, kept between runs in the
// user's settings (QSettings, in the configuration folder). What is kept,
// and which saved places are usable, is the shared placement's
// (window/window_placement.h).
#pragma once

class QWidget;

namespace velmora {

// Before the window is shown: where the user left it, maximised where it
// was; as designed where the settings hold nothing usable.
void RestorePlacement(QWidget& window);

// Where the window returns to, for the next start.
void SavePlacement(const QWidget& window);

// From now on, the place is saved whenever a move, a resize or a change of
// state has settled, and when the session asks programs to save their work:
// a logout that ends the program without closing its window keeps it too.
void KeepPlacement(QWidget& window);

}  // namespace velmora
