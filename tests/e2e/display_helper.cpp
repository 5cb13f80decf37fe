// A small Windows program that the end-to-end scripts run beside ZonaraEng or newZonara, in the same
// Wine desktop, to do what a user would do with the system rather than with the program:
//   display_helper change WIDTH HEIGHT REPORT   change the display resolution, wait until the start
//                                              page has been rebuilt for it, and write where the
//                                              page and its buttons now stand into REPORT
//   display_helper close                       send the page a close request (as Alt+F4 would)
//   display_helper repaint                     make the page repaint itself (as after a restore)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <initializer_list>

namespace {

const wchar_t* const kPageClasses[] = {L"Стартовая страница", L"Авторы", L"Дифракция под углом",
                                       L"Полная дифракционная картина", L"Дифракция перпик"};

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
    RECT rect{};
    for (int i = 0; i < 100; ++i) {
        page = FindPage();
        if (page != nullptr && GetWindowRect(page, &rect) && rect.right - rect.left == width &&
            rect.bottom - rect.top == height) {
            break;
        }
        Sleep(100);
    }
    FILE* report = _wfopen(report_path, L"wb");
    if (report == nullptr) return 3;
    wchar_t name[100] = {};
    GetClassNameW(page, name, 100);
    std::fprintf(report, "screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fprintf(report, "page %d %d %d %d start=%d\n", static_cast<int>(rect.left),
                 static_cast<int>(rect.top), static_cast<int>(rect.right), static_cast<int>(rect.bottom),
                 std::wcscmp(name, kPageClasses[0]) == 0);
    for (int id : {201, 202, 203, 204, 205, 213}) {
        HWND button = GetDlgItem(page, id);
        if (button == nullptr) continue;
        RECT b{};
        GetWindowRect(button, &b);
        std::fprintf(report, "button %d %d %d %d %d\n", id, static_cast<int>(b.left), static_cast<int>(b.top),
                     static_cast<int>(b.right - b.left), static_cast<int>(b.bottom - b.top));
    }
    std::fclose(report);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 5 && std::wcscmp(argv[1], L"change") == 0) {
        return Change(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10), argv[4]);
    }
    HWND page = FindPage();
    if (page == nullptr) return 1;
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0) {
        PostMessageW(page, WM_CLOSE, 0, 0);
        return 0;
    }
    if (argc == 2 && std::wcscmp(argv[1], L"repaint") == 0) {
        InvalidateRect(page, nullptr, FALSE);
        UpdateWindow(page);
        return 0;
    }
    return 1;
}
