// The keyboard as in a dialog: Tab leaves the multi-line text boxes as it
// leaves every other control, and Enter presses the focused button as Space
// does (neither button is a default button, so Enter elsewhere presses none).
#pragma once

#include <windows.h>

namespace velmora::win32 {

// A multi-line text box would otherwise keep Tab, since it wants every key.
void LetTabThrough(HWND multiLineBox);

// One click per press of Enter, however long the key is held.
void PressOnEnter(HWND button);

// A read-only text box read as a document: the arrows, Page Up and Down,
// Home and End move its caret, scrolling as it goes, so that screen readers
// read the line it is on; with Shift they select from it; and Ctrl+A selects
// it all to copy.
void ReadLikeADocument(HWND readOnlyBox);

}  // namespace velmora::win32
