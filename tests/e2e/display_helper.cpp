// Run by the end-to-end scripts beside ZonaraEng or newZonara, in the same Wine desktop, to do to the
// program's page what the system rather than the user does:
//   tick COUNT                  COUNT ticks of the screen's step timer, each handled before the next
//   where                       the page's window rectangle: "page L T R B"
//   monitors                    the monitors Windows lists, one a line: "monitor L T R B"
//   move X Y                    the page moved to (X, Y), its size kept, as the system moves a window
//   displaychange               the display change notification Windows sends when a monitor comes, goes or
//                               changes mode (Wine does not send it to running programs)
//   clipboard FILE              the clipboard's 24-bit device-independent bitmap as raw 8-bit RGB, rows
//                               from the top, into FILE (fails for any other format)
//   holdclipboard MS            the clipboard kept open for MS milliseconds, as another program may keep it
//   minimise, restore           the page minimised or restored, as Win+D, the taskbar or another program do
//   state                       "page HANDLE minimised" or "page HANDLE shown L T R B", with " front" when
//                               the page is the foreground window
//   watch MS COUNT X Y...       COUNT samples, MS milliseconds apart, of the screen's pixels at (X, Y)...:
//                               one line a sample, "R,G,B" a pixel, from the moment it starts
//   cover L T R B MS            a window of another program (this one), always on top and never active,
//                               over that rectangle of the screen for MS milliseconds
#include <windows.h>

#include <cstdio>
#include <cwchar>
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

// With no device context each monitor's rectangle comes in whole, in virtual screen coordinates.
BOOL CALLBACK PrintMonitor(HMONITOR, HDC, LPRECT r, LPARAM) {
    std::printf("monitor %ld %ld %ld %ld\n", r->left, r->top, r->right, r->bottom);
    return TRUE;
}

// The clipboard's CF_DIB as top-down RGB bytes; it must be what the program puts there: 24 bits a pixel,
// uncompressed, rows from the bottom, each padded to four bytes.
int SaveClipboard(const wchar_t* path) {
    if (!OpenClipboard(nullptr)) return 5;
    int status = 6;
    if (HANDLE data = GetClipboardData(CF_DIB); data != nullptr) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
        const int width = header->biWidth, height = header->biHeight, stride = (width * 3 + 3) & ~3;
        if (header->biCompression == BI_RGB && header->biBitCount == 24 && height > 0) {
            const auto* pixels = reinterpret_cast<const unsigned char*>(header) + header->biSize;
            std::string rgb;
            for (int y = height - 1; y >= 0; --y)
                for (const unsigned char* p = pixels + std::size_t(y) * stride;
                     p < pixels + y * stride + width * 3; p += 3)
                    rgb += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0])};
            if (FILE* file = _wfopen(path, L"wb")) {
                status = std::fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size() ? 0 : 7;
                std::fclose(file);
            }
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return status;
}

// A window of this program in a solid colour over part of the screen, for a while.
int Cover(const RECT& r, long milliseconds) {
    WNDCLASSW cover{};
    cover.lpfnWndProc = DefWindowProcW;
    cover.hInstance = GetModuleHandleW(nullptr);
    cover.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    cover.lpszClassName = L"Zonara test cover";
    RegisterClassW(&cover);
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, cover.lpszClassName, nullptr, WS_POPUP,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                  cover.hInstance, nullptr);
    if (window == nullptr) return 4;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    std::printf("covering\n");
    std::fflush(stdout);
    for (const DWORD end = GetTickCount() + milliseconds; GetTickCount() < end;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    const long number = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 0;
    if (argc == 3 && command == L"clipboard") return SaveClipboard(argv[2]);
    if (argc == 3 && command == L"holdclipboard") {
        if (!OpenClipboard(nullptr)) return 5;
        Sleep(number);
        CloseClipboard();
        return 0;
    }
    if (argc == 2 && command == L"monitors")
        return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 4;
    if (argc >= 5 && command == L"watch") {
        HDC screen = GetDC(nullptr);
        for (long sample = 0; sample < std::wcstol(argv[3], nullptr, 10); ++sample) {
            const DWORD due = GetTickCount() + static_cast<DWORD>(number);
            for (int i = 4; i + 1 < argc; i += 2) {
                const COLORREF c = GetPixel(screen, std::wcstol(argv[i], nullptr, 10),
                                            std::wcstol(argv[i + 1], nullptr, 10));
                std::printf("%s%d,%d,%d", i == 4 ? "" : " ", GetRValue(c), GetGValue(c), GetBValue(c));
            }
            std::printf("\n");
            std::fflush(stdout);
            while (GetTickCount() < due) Sleep(5);
        }
        ReleaseDC(nullptr, screen);
        return 0;
    }
    if (argc == 7 && command == L"cover") {
        const RECT r{number, std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10),
                     std::wcstol(argv[5], nullptr, 10)};
        return Cover(r, std::wcstol(argv[6], nullptr, 10));
    }
    HWND page = FindPage();
    if (page == nullptr) return 1;
    if (argc == 2 && command == L"minimise") return ShowWindow(page, SW_MINIMIZE), 0;
    if (argc == 2 && command == L"restore") return ShowWindow(page, SW_RESTORE), 0;
    if (argc == 2 && command == L"state") {
        RECT r{};
        GetWindowRect(page, &r);
        if (IsIconic(page)) {
            std::printf("page %p minimised", static_cast<void*>(page));
        } else {
            std::printf("page %p shown %ld %ld %ld %ld", static_cast<void*>(page), r.left, r.top, r.right,
                        r.bottom);
        }
        std::printf("%s\n", GetForegroundWindow() == page ? " front" : "");
        return 0;
    }
    if (argc == 2 && command == L"where") {
        RECT r{};
        GetWindowRect(page, &r);
        std::printf("page %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (argc == 4 && command == L"move") {
        const int y = std::wcstol(argv[3], nullptr, 10);
        return SetWindowPos(page, nullptr, number, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) ? 0 : 4;
    }
    if (argc == 2 && command == L"displaychange") {
        SendMessageTimeoutW(page, WM_DISPLAYCHANGE, 32, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
        return 0;
    }
    if (argc == 3 && command == L"tick") {
        // Sent, not posted: the page has drawn every step when this program ends.
        for (long i = number; i > 0; --i) {
            if (!SendMessageTimeoutW(page, WM_TIMER, kStepTimer, 0, SMTO_ABORTIFHUNG, 5000, nullptr))
                return 4;
        }
        return 0;
    }
    return 1;
}
