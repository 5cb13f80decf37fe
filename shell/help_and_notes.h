// Pictures shown over a page in a window of their own, so that the page underneath goes on exactly as it
// would without them: the key help (F1, until F1, Esc or a click) and short notes (after Ctrl+C and
// Ctrl+S, for about two seconds). They belong to the page (owned by it, not over other programs: after
// Alt+Tab to the slides they go behind with it). A page's picture copied or saved never contains them.
#pragma once

#include <windows.h>

#include <string>

// The key help over `page`: every key of the program in its language, in letters large enough for the back
// of the hall. Shown or hidden (the key that shows it hides it again). While it is shown the keyboard goes to
// it: the lecture keys wait, and a running animation goes on underneath. Hidden, it gives the keyboard back
// to the control that had it. Where it cannot be made for want of a resource, a note says so instead and
// the page is left as it is.
void ToggleHelp(HWND page);
bool HelpShown();

// A click anywhere while the help is shown only hides the help: true (and the help hidden) for a mouse
// button's press then, which the message loop then drops.
bool TakeClickForHelp(const MSG& message);

// A one-line note near the bottom of `page` for about two seconds (code page 1251 text); replaces one
// still shown.
void ShowNote(HWND page, const std::string& text);
// Takes a note away at once.
void HideNote();
