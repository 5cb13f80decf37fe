// Driving the program's pages under Wine as the message loop would: the page windows that exist, the
// queued messages delivered, button commands, captions and pixels read back. Shared by the Windows
// tests of the pages and screens.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/colour.h"
#include "shell/platform.h"

// The page windows of this thread that exist now.
std::vector<HWND> PageWindows();
std::wstring ClassOf(HWND window);

// Delivers what is queued as the program's loop does; returns the exit code of a quit message found
// on the way, or kNoQuit.
constexpr int kNoQuit = 12345;
int Pump();

// The only page window there is (a test failure if there is not exactly one).
HWND OnlyPage();

// A click on the page's button `id`, as the button reports it.
void Command(HWND page, int id);

// A key pressed and released while `window` (a page or one of its buttons) has the focus, delivered
// through the program's loop.
void PressKey(HWND window, unsigned key);
std::wstring ChildCaption(HWND page, int id);

// The platform's object counts as a line of text, for comparisons whose failure shows every count.
std::string Counts(const PlatformObjectCounts& counts);

// Whether a pixel has the expected colour; a failure names the colour it has.
::testing::AssertionResult Same(ColourTriple actual, ColourTriple expected);

// The colour of a pixel of the window as it is shown.
ColourTriple WindowPixel(HWND window, int x, int y);

// A paint request like the one after the window was covered and uncovered: first parameter 0.
void RepaintAsUncovered(HWND window);

// Seconds of a high-resolution clock, for figures printed by tests.
double Seconds();
