// Application-wide settings the window is designed for: its name and desktop
// entry, a style that paints buttons in their own colours on every platform,
// how its widgets meet screen readers, and its icon.
#pragma once

class QApplication;

namespace velmora {

// Once, after the QApplication is made and before the window.
void ConfigureApplication(QApplication& app);

}  // namespace velmora
