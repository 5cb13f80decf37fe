// Start-up and the message loop.
#pragma once

#include <windows.h>

#include "shell/text/text_set.h"

// Start-up: a second copy of the program brings the running one forward and ends with 0; the only copy
// stores the instance, show mode and text set, loads the class names, reads W and H, registers the five
// classes, creates the start page and runs the message loop. Returns the exit code of the quit message, or
// -1 when the start page cannot be created.
int RunProgram(HINSTANCE instance, int show_mode, const TextSet& texts);

// The start-up steps before the start page, separately for tests.
void StartApplication(HINSTANCE instance, int show_mode, const TextSet& texts);

// Dispatches messages until the quit message arrives; returns its exit code.
int RunMessageLoop();

// One message of the loop: a click while the key help is shown only hides it; a lecture key
// (shell/lecture_key_dispatch.h) goes to the open page as the click or the wavelength step it stands for;
// everything else is translated and dispatched.
void ProcessMessage(const MSG& message);
