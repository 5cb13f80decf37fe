// Which monitor the pages fill, and what a page does when where it stands changes: a display change, a
// move onto another monitor (Win+Shift+Arrow), a new DPI, and key M make the page again on the monitor it
// belongs on, full screen and laid out for that monitor, keeping what it showed.
#pragma once

#include <windows.h>

// The one that holds the mouse pointer (at start: where the lecturer started the program), the one that
// holds most of the open page's window (after a move or a display change; the primary when none does), or
// the next in the order Windows lists them, wrapping around (key M). Sets app.screen_x, _y, _width and
// _height from that monitor; a test's screen size source, when there is one, stands for one monitor of its
// size at (0, 0).
enum class MonitorChoice { kPointer, kWindow, kNext };
void ChooseMonitor(MonitorChoice choice);

// ChooseMonitor(kWindow), or kPointer while there is no page.
void ReadScreenSize();

// A screen size as the shell reads it. A test makes the program see any size without a real display
// change by replacing the source; null restores the monitors.
struct ScreenSize {
    int width;
    int height;
};
using ScreenSizeSource = ScreenSize (*)();
void SetScreenSizeSource(ScreenSizeSource source);

// What every page does with the messages about where it stands (shell/page_window.h calls it first for
// every page; true when the message was handled). A minimised page stays as it is until it is restored.
bool HandlePlacement(HWND window, UINT message, WPARAM first, LPARAM second);

// The open page on the monitor `choice` picks: made again there, keeping what it showed, when it does not
// fill that monitor as it is laid out now; left as it is (a run goes on) when it does. A page that cannot be
// made on the next monitor (key M) is made again where it was.
void PlacePage(MonitorChoice choice);
