// The screen sizes a lecture may meet, and display changes to them as the program sees them. The shell's
// screen size source is replaced, so no real display has to change: the page receives WM_DISPLAYCHANGE,
// re-reads W and H through the shell and rebuilds itself for the new size. Shared by the Windows tests
// that sweep the sizes and the soak test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DisplaySize {
    int width;
    int height;
};

// Projectors and monitors from 640 x 480 to 3840 x 2160, and two portrait screens.
const std::vector<DisplaySize>& LectureDisplaySizes();

std::string SizeName(DisplaySize size);

// From now on the shell reads `size` (at start-up and on every display change).
void UseDisplaySize(DisplaySize size);

// The display changes to `size` while `page` is open: the page gets WM_DISPLAYCHANGE as Windows sends it
// (bits per pixel, then the new width and height) and rebuilds itself. Returns the page that exists
// afterwards (null if there is not exactly one).
HWND ChangeDisplay(HWND page, DisplaySize size);
