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

// What every page does with the messages about where it stands (call it first in the page's procedure;
// true when the message was handled).
bool HandlePlacement(HWND window, UINT message, WPARAM first, LPARAM second);

// Tears the open page down and makes it again on the chosen monitor, keeping what it showed.
void MakePageAgain(MonitorChoice choice);
