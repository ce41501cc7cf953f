// The common controls (COMCTL32 6, as the manifest asks), loaded at run time
// rather than imported: so that they, and the DLLs they load themselves
// (uxtheme.dll, which is none of Windows' known DLLs), come only after the
// program has turned the DLL search to the system folder. The functions the
// window uses.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace velmora::win32 {

// Loads them and registers their standard classes; false where they are missing.
bool InitCommonControls();

// SetWindowSubclass and DefSubclassProc.
BOOL InstallSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT CallDefaultSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velmora::win32
