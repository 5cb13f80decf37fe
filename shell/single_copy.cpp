// A named mutex per program and signed-in user, and a property on the program's page windows.
#include "shell/single_copy.h"

#include <string>

namespace {

// The mutex and the page property are named for the program. "Local\" keeps the mutex to the signed-in
// user's desktop, as Windows counts them (a second lecturer signed in elsewhere has a copy of their own).
std::wstring MutexName(const wchar_t* program) {
    return std::wstring(L"Local\\Zonara one copy: ") + program;
}
std::wstring PropertyName(const wchar_t* program) {
    return std::wstring(L"Zonara page: ") + program;
}

struct Search {
    std::wstring property;
    HWND page;
};

BOOL CALLBACK FindMarkedPage(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<Search*>(search);
    if (GetPropW(window, s->property.c_str()) == nullptr || !IsWindowVisible(window)) return TRUE;
    s->page = window;
    return FALSE;
}

}  // namespace

bool HandOverToRunningCopy(const wchar_t* program) {
    // Held until this copy ends: the system closes the handle then.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName(program).c_str());
    if (mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) return false;
    CloseHandle(mutex);
    // The other copy may still be making its first page: it gets five seconds.
    Search search{PropertyName(program), nullptr};
    for (int attempt = 0; attempt < 50 && search.page == nullptr; ++attempt) {
        EnumWindows(FindMarkedPage, reinterpret_cast<LPARAM>(&search));
        if (search.page == nullptr) Sleep(100);
    }
    if (search.page != nullptr) {
        if (IsIconic(search.page)) ShowWindow(search.page, SW_RESTORE);
        SetForegroundWindow(search.page);
    }
    return true;
}

void MarkProgramPage(HWND page, const wchar_t* program) {
    SetPropW(page, PropertyName(program).c_str(), reinterpret_cast<HANDLE>(1));
}

void UnmarkProgramPage(HWND page, const wchar_t* program) {
    RemovePropW(page, PropertyName(program).c_str());
}
