// Monitors: where the pages stand, and making a page again where it belongs.
#include "shell/monitors.h"

#include <algorithm>
#include <vector>

#include "shell/application.h"
#include "shell/page_messages.h"

namespace {

// Posted by a page to itself when it was moved or its DPI changed: it fills the monitor it now stands on.
constexpr UINT kRelayoutMessage = WM_APP + 4;

ScreenSizeSource screen_size_source = nullptr;  // null: the monitors

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
    return TRUE;
}

HMONITOR Monitor(MonitorChoice choice) {
    HWND page = app.page_window;
    if (choice == MonitorChoice::kPointer || page == nullptr) {
        POINT pointer{};
        GetCursorPos(&pointer);
        return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    }
    HMONITOR current = MonitorFromWindow(page, MONITOR_DEFAULTTOPRIMARY);
    if (choice == MonitorChoice::kWindow) return current;
    std::vector<HMONITOR> monitors;
    EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&monitors));
    const auto at = std::find(monitors.begin(), monitors.end(), current);
    if (at == monitors.end()) return current;
    return std::next(at) == monitors.end() ? monitors.front() : *std::next(at);
}

// Whether the page's window covers the chosen monitor exactly.
bool FillsMonitor(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.left == app.screen_x && r.top == app.screen_y && r.right - r.left == app.screen_width &&
           r.bottom - r.top == app.screen_height;
}

}  // namespace

void ChooseMonitor(MonitorChoice choice) {
    if (screen_size_source != nullptr) {
        const ScreenSize size = screen_size_source();
        app.screen_x = app.screen_y = 0;
        app.screen_width = size.width;
        app.screen_height = size.height;
        return;
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(Monitor(choice), &info)) return;  // keeps the monitor it had
    app.screen_x = info.rcMonitor.left;
    app.screen_y = info.rcMonitor.top;
    app.screen_width = info.rcMonitor.right - info.rcMonitor.left;
    app.screen_height = info.rcMonitor.bottom - info.rcMonitor.top;
}

void ReadScreenSize() {
    ChooseMonitor(app.page_window != nullptr ? MonitorChoice::kWindow : MonitorChoice::kPointer);
}

void SetScreenSizeSource(ScreenSizeSource source) {
    screen_size_source = source;
}

void MakePageAgain(MonitorChoice choice) {
    HWND current = app.page_window;
    if (current == nullptr || app.page_creation == nullptr) return;
    ChooseMonitor(choice);
    app.rebuilding = true;
    LeavePage(current, app.page_teardown, app.page_creation);
    app.rebuilding = false;
}

bool HandlePlacement(HWND window, UINT message, WPARAM, LPARAM second) {
    if (window != app.page_window) return false;
    switch (message) {
        case WM_DISPLAYCHANGE:  // a mode changed or a monitor came or went: where most of the window is
            MakePageAgain(MonitorChoice::kWindow);
            return true;
        case kMonitorKeyMessage:
            MakePageAgain(MonitorChoice::kNext);
            return true;
        case WM_WINDOWPOSCHANGED: {
            // Moved by the system or the lecturer (Win+Shift+Arrow): the page fills the monitor it is on,
            // once the move is over.
            const auto* position = reinterpret_cast<const WINDOWPOS*>(second);
            if ((position->flags & SWP_HIDEWINDOW) == 0 && !FillsMonitor(window))
                PostMessageW(window, kRelayoutMessage, 0, 0);
            return false;  // the default handling goes on
        }
        case WM_DPICHANGED:
            PostMessageW(window, kRelayoutMessage, 0, 0);
            return true;
        case kRelayoutMessage: {
            const int x = app.screen_x, y = app.screen_y, w = app.screen_width, h = app.screen_height;
            ChooseMonitor(MonitorChoice::kWindow);
            if (!FillsMonitor(window) || x != app.screen_x || y != app.screen_y || w != app.screen_width ||
                h != app.screen_height)
                MakePageAgain(MonitorChoice::kWindow);
            return true;
        }
        default:
            return false;
    }
}
