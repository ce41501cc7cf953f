#include "system_library.h"

#include <string>

namespace velmora::win32 {
namespace {

// Newer than the headers for Windows 7 declare: with KB2533623 or Windows 8.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// A function of kernel32, which every process has loaded, or null.
template <typename Function>
Function KernelFunction(const char* name) {
    return FunctionOf<Function>(GetModuleHandleW(L"kernel32.dll"), name);
}

}  // namespace

void SearchOnlyTheSystemFolder() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault =
        KernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories");
    if (setDefault) setDefault(kSearchSystem32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // The search flags came with AddDllDirectory; without them, the full path.
    if (KernelFunction<FARPROC>("AddDllDirectory")) {
        return LoadLibraryExW(name, nullptr, kSearchSystem32);
    }
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L'\\' + name;
    // Its own imports are then searched for in its folder too, the system's.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace velmora::win32
