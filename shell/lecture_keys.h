// The keyboard and a presentation remote beside the mouse. Remotes send Page Down, Page Up, B and Esc;
// a lecturer at the keyboard also reaches for Space, Enter, the arrows and the digits. Each key stands
// for a button of the open page, and pressing it does exactly what clicking that button does:
//   Space, Enter, Page Down   the screen's Start / Continue / Pause button
//   R, Page Up                Reset
//   Esc, Backspace            Menu (on the start page Esc does nothing, so no stray key ends a lecture)
//   Left, Right               the wavelength of the axial and pattern screens, one line step
//   1, 2, 3, A                on the start page: the pattern, axial and radial screens, the authors page
//   V                         the phasor diagram panel of the axial and radial screens, shown or hidden
//   M                         on every page: the program moves to the next monitor
#pragma once

#include "shell/page_kind.h"

// What a key does on a page: the id of the button it presses, or a wavelength line step (-1 or +1),
// or nothing (both 0). Space and Enter are always taken by the page, even where they press nothing: a
// focused button would otherwise take them as a click on itself (Space on a focused "Exit" would end
// the lecture).
struct LectureKeyAction {
    int command;
    int wavelength_step;
    bool phasor = false;   // shows or hides the phasor diagram panel
    bool monitor = false;  // moves the program to the next monitor
    bool taken = false;    // the key goes no further than the page
};

// `key` is a Windows virtual-key code.
LectureKeyAction LectureKeyFor(PageKind page, unsigned key);
