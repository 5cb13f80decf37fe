// What every page does with its window: its class, the window itself, entering the page protocol, showing
// and painting the page's pictures, and giving the application slots back.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/application.h"

// Registers the class of `kind` with the attributes every page shares: redraw on size change, small
// icon 305, arrow cursor, window-colour background, no menu, no extra bytes. Returns false on failure.
bool RegisterPageClass(PageKind kind, WNDPROC procedure);

// Creates a page window of `kind`: borderless popup, clipping its children, covering the chosen monitor (at
// screen_x, screen_y, W x H), no title, no parent; hidden until the page has composed its whole picture and
// shows it (ShowPage), so that the first frame the lecturer sees of a page is a whole one. Null when it
// cannot be created.
HWND CreatePageWindow(PageKind kind);

// A creation function calls this as soon as its window exists: from then on a failure (a resource the
// system does not give) leaves the page by `teardown`, however much of it was built, and a move to another
// monitor or a display change makes it again by `creation` (shell/monitors.h).
void EnterPage(HWND window, void (*teardown)(), PageCreation creation);

// Shows a newly built page, once its whole picture is composed, and paints it at once: the first page with
// the show command the program was started with, every later one shown and activated (minimised where the
// page it replaces was).
void ShowPage(HWND window);

// What the shell does with the messages of every page (call it first in the page's procedure; true when
// the message was handled, with `*result` to return): where the page stands (shell/monitors.h), the
// display kept on while it is shown (shell/keep_awake.h), no background erased (every paint covers the
// whole page), and the page's property for a second copy of the program (shell/single_copy.h).
bool HandleShellMessage(HWND window, UINT message, WPARAM first, LPARAM second, LRESULT* result);

// The paint handler of every page: copies `picture` (the page surface when it is null: the static
// picture) to the window between BeginPaint and EndPaint. A page without a surface (not built yet, or
// already torn down) is just validated. The screens pass the last complete frame they showed, so a
// window that was covered and uncovered shows it again.
void PaintPageSurface(HWND window, const Surface* picture = nullptr);

// WM_PRINTCLIENT of every page: `picture` (the page surface when it is null) copied into the context the
// message brings, as a paint would show it (the picture export asks the page for its picture this way).
void PrintPageSurface(HDC target, const Surface* picture = nullptr);

// Shows a frame a screen composed off-screen on its window, in one copy.
void PresentFrame(HWND window, const Surface* frame);

// Shows the parts of a frame that changed since the last one shown, each in one copy.
void PresentFrameParts(HWND window, const Surface* frame, const std::vector<RECT>& parts);

// A demonstration screen's share of the application slots, given back at its teardown: the page
// surface (its own font and pen selected back first), the page font, the kept drawing objects and the Menu
// button. Called once the screen's other surfaces are gone.
void ReleaseScreenSlots();
