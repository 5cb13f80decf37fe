// The radial intensity screen: a point of observation moves from the optical axis outwards across the
// observation screen, with the off-centre zones seen from it, the sum of their contributions, a face-on
// sketch of the screen and the radial intensity curve revealed up to the point.
#pragma once

#include <windows.h>

void RegisterRadialScreenClass();
int CreateRadialScreen();
LRESULT CALLBACK RadialScreenProc(HWND window, UINT message, WPARAM first, LPARAM second);

// For tests: the open screen's state, or null when no radial screen is open.
struct RadialScreen;
RadialScreen* OpenRadialScreen();
