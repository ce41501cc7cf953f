// The window's size, place and maximised state, kept between runs in the
// user's settings (QSettings, in the configuration folder).
#pragma once

class QWidget;

namespace velmora {

// Before the window is shown: where the user left it, maximised where it
// was; as designed where the settings hold nothing usable.
void RestorePlacement(QWidget& window);

// As the window closes.
void SavePlacement(const QWidget& window);

}  // namespace velmora
