#include "common_controls.h"

#include <initializer_list>

#include "system_library.h"

namespace velmora::win32 {
namespace {

struct CommonControls {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Subclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using DefaultProcedure = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

    Init init = nullptr;
    Subclass subclass = nullptr;
    DefaultProcedure defaultProcedure = nullptr;

    static const CommonControls& Get() {
        static const CommonControls functions = [] {
            CommonControls f;
            // What they and their themes load for themselves, which is none of
            // Windows' known DLLs: from the system folder first, so that a
            // later load by name (a delay-loaded import, which Wine takes from
            // the program's folder whatever the search is turned to) finds it.
            for (const wchar_t* own : {L"uxtheme.dll", L"msimg32.dll"}) LoadSystemLibrary(own);
            // By name: the manifest redirects it to version 6 in the system's
            // side-by-side store before any folder is searched.
            const HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
            f.init = FunctionOf<Init>(comctl32, "InitCommonControlsEx");
            f.subclass = FunctionOf<Subclass>(comctl32, "SetWindowSubclass");
            f.defaultProcedure = FunctionOf<DefaultProcedure>(comctl32, "DefSubclassProc");
            return f;
        }();
        return functions;
    }
};

}  // namespace

bool InitCommonControls() {
    const CommonControls& functions = CommonControls::Get();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    return functions.init && functions.subclass && functions.defaultProcedure &&
           functions.init(&controls);
}

BOOL InstallSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    const CommonControls& functions = CommonControls::Get();
    return functions.subclass && functions.subclass(window, procedure, id, data);
}

LRESULT CallDefaultSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CommonControls& functions = CommonControls::Get();
    if (!functions.defaultProcedure) return DefWindowProcW(window, message, wParam, lParam);
    return functions.defaultProcedure(window, message, wParam, lParam);
}

}  // namespace velmora::win32
