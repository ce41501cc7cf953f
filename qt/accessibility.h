// How the window's own widgets appear to screen readers: the window as a
// window, the frame as a group, the figure as a picture, and nothing that a
// reader should not stop at (hidden controls, painted decorations). Widgets
// say what they are; this file knows none of them.
#pragma once

#include <QAccessible>

class QWidget;

namespace velmora {

// Registers the interfaces with Qt's accessibility; once, before the window.
void InstallAccessibility();

// Presents a widget in the role given: a window or a group lists only the
// widgets in it that a reader should meet; a picture is a graphic. Call it
// first in the widget's constructor: Qt keeps the first interface it makes.
void PresentAs(QWidget* widget, QAccessible::Role role);

// The value a reader says of a picture that moves (its text, not a number),
// told to readers as it changes.
void SetAccessibleValue(QWidget* widget, const QString& value);

// Keeps a widget that only paints part of another out of the accessible tree.
void MarkAsDecoration(QWidget* widget);

}  // namespace velmora
