// A DLL planted beside a program under the name of a system DLL: loaded, it
// leaves a mark beside itself (its own path and ".loaded") and refuses to
// load, so that nothing calls into it.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t mark[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameW(self, mark, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcatW(mark, L".loaded");
        const HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return FALSE;
}
