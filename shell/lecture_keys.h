// The keyboard and a presentation remote beside the mouse. Remotes send Page Down, Page Up, B and Esc;
// a lecturer at the keyboard also reaches for Space, Enter, the arrows and the digits. Each key stands
// for a button of the open page, and pressing it does exactly what clicking that button does:
//   Space, Enter, Page Down   the screen's Start / Continue / Pause button
//   R, Page Up                Reset
//   Esc, Backspace            Menu (on the start page Esc does nothing, so no stray key ends a lecture)
//   Left, Right               the wavelength of the axial and pattern screens, one line step
//   1, 2, 3, A                on the start page: the pattern, axial and radial screens, the authors page
//   V                         the phasor diagram panel of the axial and radial screens, shown or hidden
//   O                         on the three demonstrations: aperture, opaque disc or zone plate in the beam
//   Period, comma             on the animated screens, while the run stands still: one step forward, back
//   Z                         on the axial screen: the run goes on to the next whole number of open zones
//   Plus, minus               on the animated screens: the runs faster, slower (main row or number pad)
//   M                         on every page: the program moves to the next monitor
//   F1                        on every page: the keys, listed over the page, until F1 or Esc
//   Ctrl+C, Ctrl+S            on every page: the page's picture to the clipboard, or into a PNG file
//   P                         on every page: the projector palette, or back to the classic look
#pragma once

#include "shell/page_kind.h"

// What the shell itself does for a key, beside the buttons of the page.
enum class ShellKey {
    kNone,
    kPhasor,
    kMonitor,
    kHelp,
    kCopy,
    kSave,
    kPalette,
    kObject,
    kStepForward,  // the run stands still: one step on, or back
    kStepBack,
    kWholeZones,  // the axial run goes on to the next whole number of open zones
    kFaster,      // the runs' pace
    kSlower,
};

// What a key does on a page: the id of the button it presses, or a wavelength line step (-1 or +1), or
// what the shell does, or nothing. Space and Enter are always taken by the page, even where they press
// nothing: a focused button would otherwise take them as a click on itself (Space on a focused "Exit"
// would end the lecture).
struct LectureKeyAction {
    int command;
    int wavelength_step;
    ShellKey shell = ShellKey::kNone;
    bool taken = false;  // the key goes no further than the page
};

// `key` is a Windows virtual-key code, `control` whether a Ctrl key is held (then only C and S are keys of
// the lecture).
LectureKeyAction LectureKeyFor(PageKind page, unsigned key, bool control = false);
