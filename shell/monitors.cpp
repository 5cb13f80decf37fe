// Monitors: where the pages stand, and making a page again where it belongs.
#include "shell/monitors.h"

#include <algorithm>
#include <functional>
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

void PlacePage(MonitorChoice choice) {
    HWND page = app.page_window;
    if (page == nullptr || app.page_creation == nullptr || IsIconic(page)) return;
    const int x = app.screen_x, y = app.screen_y, w = app.screen_width, h = app.screen_height;
    ChooseMonitor(choice);
    if (x == app.screen_x && y == app.screen_y && w == app.screen_width && h == app.screen_height &&
        FillsMonitor(page))
        return;
    std::function<void()> back;
    if (choice == MonitorChoice::kNext) {
        back = [x, y, w, h] {
            app.screen_x = x, app.screen_y = y;
            app.screen_width = w, app.screen_height = h;
        };
    }
    RemakePage(back);
}

bool HandlePlacement(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (window != app.page_window) return false;
    switch (message) {
        case WM_DISPLAYCHANGE:  // a mode changed, or a monitor came or went
        case WM_DPICHANGED:
            PostMessageW(window, kRelayoutMessage, 0, 0);
            return true;
        case kMonitorKeyMessage:
            PlacePage(MonitorChoice::kNext);
            return true;
        case WM_SIZE:
            // Restored: the displays may have changed while it was minimised.
            if (first == SIZE_RESTORED) PostMessageW(window, kRelayoutMessage, 0, 0);
            return false;
        case WM_WINDOWPOSCHANGED: {
            // Moved by the system or the lecturer (Win+Shift+Arrow): the page fills the monitor it is on,
            // once the move is over. Minimising moves it too, but a minimised page stays minimised.
            const auto* position = reinterpret_cast<const WINDOWPOS*>(second);
            if ((position->flags & SWP_HIDEWINDOW) == 0 && !IsIconic(window) && !FillsMonitor(window))
                PostMessageW(window, kRelayoutMessage, 0, 0);
            return false;  // the default handling goes on
        }
        case kRelayoutMessage:
            PlacePage(MonitorChoice::kWindow);
            return true;
        default:
            return false;
    }
}
