// Page driving helpers for the Windows tests.
#include "tests/page_driver.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "shell/application.h"

std::vector<HWND> PageWindows() {
    std::vector<HWND> pages;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[100] = {};
            GetClassNameW(window, name, 100);
            for (const auto& page_class : app.class_names) {
                if (page_class[0] != 0 && std::wstring(name) == page_class) {
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pages));
    return pages;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[100] = {};
    GetClassNameW(window, name, 100);
    return name;
}

int Pump() {
    int code = kNoQuit;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            code = static_cast<int>(message.wParam);
            continue;
        }
        ProcessMessage(message);  // as the program's own loop does
    }
    return code;
}

HWND OnlyPage() {
    const std::vector<HWND> pages = PageWindows();
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? nullptr : pages.front();
}

void PressKey(HWND window, unsigned key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    Pump();
}

void Command(HWND page, int id) {
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::wstring ChildCaption(HWND page, int id) {
    wchar_t caption[100] = {};
    GetWindowTextW(GetDlgItem(page, id), caption, 100);
    return caption;
}

std::string Counts(const PlatformObjectCounts& c) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "contexts %d bitmaps %d fonts %d pens %d brushes %d regions %d windows %d threads %d",
                  c.contexts, c.bitmaps, c.fonts, c.pens, c.brushes, c.regions, c.windows, c.threads);
    return text;
}

::testing::AssertionResult Same(ColourTriple actual, ColourTriple expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << int(actual.red) << ", " << int(actual.green) << ", " << int(actual.blue) << ")";
}

ColourTriple WindowPixel(HWND window, int x, int y) {
    HDC context = GetDC(window);
    const COLORREF c = GetPixel(context, x, y);
    ReleaseDC(window, context);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void RepaintAsUncovered(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}
