// A presentation program keeps the projector lit: while a page of the program is shown, not minimised, and
// the program is the one in front, Windows is asked to keep the display and the system on (a laptop on
// battery would dim and switch off its screen, a screen saver would start, while the lecturer explains a
// still picture). The request is given up when the page is minimised, when the lecturer switches to another
// program (the display is that program's business then) and when the program ends.
#pragma once

#include <windows.h>

// Asks for, or gives up, the display and the system as the open page now stands. Called when the page is
// shown, minimised, restored or replaced, and when the program becomes or stops being the one in front.
void UpdateKeepAwake();

// The program came to the front (true) or went behind another program (false): WM_ACTIVATEAPP.
void NoteProgramActive(bool active);

// Whether the display is being kept on now.
bool KeepingAwake();

// At the end of the program: the request given up.
void StopKeepingAwake();
