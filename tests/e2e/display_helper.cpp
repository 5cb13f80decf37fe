// Run by the end-to-end scripts beside ZonaraEng or newZonara, in the same Wine desktop, to do to the
// program's page what the system rather than the user does:
//   change WIDTH HEIGHT REPORT  change the resolution, wait for the page rebuilt for it, and write where
//                               the page and its buttons now stand into REPORT
//   close, repaint              a close request (as Alt+F4 sends), a repaint (as after a restore)
//   tick COUNT                  COUNT ticks of the screen's step timer, each handled before the next
//   where                       the page's window rectangle, then the monitors Windows lists, one a line:
//                               "page L T R B", "monitor L T R B"
//   monitors                    the monitors alone (there need be no page)
//   move X Y                    the page moved to (X, Y), its size kept, as the system moves a window
//   displaychange               the display change notification Windows sends when a monitor comes, goes or
//                               changes mode (Wine does not send it to running programs)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <initializer_list>
#include <string>

namespace {

const wchar_t* const kPageClasses[] = {L"Стартовая страница", L"Авторы", L"Дифракция под углом",
                                       L"Полная дифракционная картина", L"Дифракция перпик"};
constexpr WPARAM kStepTimer = 301;  // the axial and radial screens' timer

HWND FindPage() {
    for (const wchar_t* name : kPageClasses) {
        if (HWND page = FindWindowW(name, nullptr)) return page;
    }
    return nullptr;
}

int Change(int width, int height, const wchar_t* report_path) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (ChangeDisplaySettingsW(&mode, 0) != DISP_CHANGE_SUCCESSFUL) return 2;
    // The page rebuilds itself on WM_DISPLAYCHANGE; wait for a page of the new size.
    HWND page = nullptr;
    RECT r{};
    for (int i = 0; i < 100; ++i) {
        page = FindPage();
        if (page != nullptr && GetWindowRect(page, &r) && r.right - r.left == width &&
            r.bottom - r.top == height)
            break;
        Sleep(100);
    }
    FILE* report = _wfopen(report_path, L"wb");
    if (report == nullptr) return 3;
    wchar_t name[100] = {};
    GetClassNameW(page, name, 100);
    std::fprintf(report, "screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fprintf(report, "page %ld %ld %ld %ld start=%d\n", r.left, r.top, r.right, r.bottom,
                 std::wcscmp(name, kPageClasses[0]) == 0);
    for (int id : {201, 202, 203, 204, 205, 213}) {
        if (HWND button = GetDlgItem(page, id); button != nullptr && GetWindowRect(button, &r))
            std::fprintf(report, "button %d %ld %ld %ld %ld\n", id, r.left, r.top, r.right - r.left,
                         r.bottom - r.top);
    }
    std::fclose(report);
    return 0;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& r = info.rcMonitor;
    std::printf("monitor %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (argc == 5 && command == L"change")
        return Change(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10), argv[4]);
    HWND page = FindPage();
    if (argc == 2 && command == L"monitors") return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 4;
    if (page == nullptr) return 1;
    if (argc == 2 && command == L"close") return PostMessageW(page, WM_CLOSE, 0, 0) ? 0 : 4;
    if (argc == 2 && command == L"where") {
        RECT r{};
        GetWindowRect(page, &r);
        std::printf("page %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 4;
    }
    if (argc == 4 && command == L"move")
        return SetWindowPos(page, nullptr, std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10), 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER)
                   ? 0
                   : 4;
    if (argc == 2 && command == L"displaychange") {
        SendMessageTimeoutW(page, WM_DISPLAYCHANGE, 32, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
        return 0;
    }
    if (argc == 2 && command == L"repaint")
        return InvalidateRect(page, nullptr, FALSE) && UpdateWindow(page) ? 0 : 4;
    if (argc == 3 && command == L"tick") {
        // Sent, not posted: the page has drawn every step when this program ends.
        for (long i = std::wcstol(argv[2], nullptr, 10); i > 0; --i) {
            if (!SendMessageTimeoutW(page, WM_TIMER, kStepTimer, 0, SMTO_ABORTIFHUNG, 5000, nullptr))
                return 4;
        }
        return 0;
    }
    return 1;
}
