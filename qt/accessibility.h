// How the window's own widgets appear to screen readers: the window as a
// window, the frame as a group, the figure as a picture, and nothing that a
// reader should not stop at (hidden controls, painted decorations).
#pragma once

class QWidget;

namespace velmora {

// Registers the interfaces with Qt's accessibility; once, before the window.
void InstallAccessibility();

// Keeps a widget that only paints part of another out of the accessible tree.
void MarkAsDecoration(QWidget* widget);

}  // namespace velmora
