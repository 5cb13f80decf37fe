// Which of the two looks (shell/palette.h) the pages are drawn in, and key P, which switches it.
#pragma once

#include <windows.h>

#include "shell/palette.h"

// The palette the pages are drawn in now, and the page's kept pens for its curves and its axes in it.
const Palette& CurrentPalette();
HPEN CurvePen();
HPEN InkPen();

// Key P: the projector palette, or back to the classic look; the open page is made again in it.
void SwitchPalette();
