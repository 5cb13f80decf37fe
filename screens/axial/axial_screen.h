// The axial intensity screen: a point of observation travels along the optical axis while the zone
// picture shows the zones open from it, the sum of their contributions, and the axial intensity curve
// revealed up to that point.
#pragma once

#include <windows.h>

void RegisterAxialScreenClass();
// Builds and shows the screen at the shell's W x H; 0 when its window cannot be created.
int CreateAxialScreen();
LRESULT CALLBACK AxialScreenProc(HWND window, UINT message, WPARAM first, LPARAM second);

// For tests: the open screen's state, or null when no axial screen is open.
struct AxialScreen;
AxialScreen* OpenAxialScreen();
