// The start page: the hub of the program, with the two emblems, the title block and five buttons that
// open the three demonstrations and the authors page or end the program.
#pragma once

#include <windows.h>

void RegisterStartPageClass();

// Builds and shows the start page with the program's show mode. 1 on success, 0 when the window cannot
// be created (then nothing else is made).
int CreateStartPage();

LRESULT CALLBACK StartPageProc(HWND window, UINT message, WPARAM first, LPARAM second);
