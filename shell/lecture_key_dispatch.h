// What the program does with a lecture key (the table is shell/lecture_keys.h): the click it stands for on
// the open page, a wavelength step, or the shell's own work (help, copy, save, palette, monitor, phasor).
#pragma once

#include <windows.h>

// A lecture key is handled here, before a focused button could take it as its own (Space would click
// whichever button was clicked last). Its key-up and character messages are swallowed as well. True when
// the message was a lecture key's.
bool HandleLectureKey(const MSG& message);
