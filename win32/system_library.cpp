#include "system_library.h"

#include <string>

namespace velmora::win32 {
namespace {

// Newer than the headers for Windows 7 declare: with KB2533623 or Windows 8.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// A function of kernel32, which every process has loaded, or null.
FARPROC KernelFunction(const char* name) {
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    return kernel32 ? GetProcAddress(kernel32, name) : nullptr;
}

}  // namespace

void SearchOnlyTheSystemFolder() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(KernelFunction("SetDefaultDllDirectories")));
    if (setDefault) setDefault(kSearchSystem32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // The search flags came with AddDllDirectory; without them, the full path.
    if (KernelFunction("AddDllDirectory")) return LoadLibraryExW(name, nullptr, kSearchSystem32);
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L'\\' + name;
    // Its own imports are then searched for in its folder too, the system's.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace velmora::win32
