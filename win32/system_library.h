// Windows' own DLLs, loaded from the system folder only. A program that runs
// from a USB stick or from Downloads must not load a DLL that anyone may have
// put beside it under the name of a system one: Windows searches the
// program's folder first for any DLL that is not one of its known DLLs.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// From now on, for the whole process, DLLs loaded by name (by the program,
// and by the system on its behalf) come from the system folder only. Where
// this Windows 7 lacks the update that brings it (KB2533623), nothing changes,
// and the program loads its own DLLs with LoadSystemLibrary all the same.
void SearchOnlyTheSystemFolder();

// A DLL of the system folder by its file name ("oleacc.dll"), or null.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL by name, as the type it has; null where the DLL
// is missing or has none of that name (a function newer than this Windows).
template <typename Function>
Function FunctionOf(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace velmora::win32
