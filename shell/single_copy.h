// One copy of each program at a time on the lecturer's desktop: a second double-click (a slow USB stick
// invites one) brings the running copy to the front instead of opening a second full-screen copy over it.
// The English and the Russian program are different programs and may run side by side.
#pragma once

#include <windows.h>

// True when another copy of `program` ("ZonaraEng", "newZonara") runs for this signed-in user: its page has been
// restored on its monitor and brought to the front, and this copy is to end with 0. False when this is the
// only copy; it then holds the program's name until it ends.
bool HandOverToRunningCopy(const wchar_t* program);

// Marks a page window as `program`'s, so that a second copy finds it.
void MarkProgramPage(HWND page, const wchar_t* program);
void UnmarkProgramPage(HWND page, const wchar_t* program);
