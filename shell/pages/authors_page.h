// The authors page: the header of the start page, the authors' portraits and names, the lecturers
// line, and a "Menu" button back to the start page.
#pragma once

#include <windows.h>

void RegisterAuthorsPageClass();

// Builds and shows the authors page with the program's show mode. 1 on success, 0 when the window
// cannot be created (then nothing else is made).
int CreateAuthorsPage();

LRESULT CALLBACK AuthorsPageProc(HWND window, UINT message, WPARAM first, LPARAM second);
