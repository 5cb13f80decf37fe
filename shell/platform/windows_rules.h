// Windows' rules for drawing objects, which Wine forgives, checked while the tests turn the check on:
// - no font, pen, brush or bitmap is deleted while it is selected into a context of this layer (Windows
//   refuses the delete and the object leaks; Wine defers it);
// - no delete fails;
// - no 32-bpp bitmap but a DIB section or one in the display's own format is selected into a memory context
//   (a CreateBitmap bitmap of 32 bits leaves every picture blank on a 16-bit display; Wine selects it).
// The platform layer reports what it does here; the tests read what broke a rule.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// For the tests: the check on or off, and what broke a rule since the last call (off forgets it).
void CheckWindowsRules(bool on);
std::vector<std::string> TakeRuleViolations();

// For the platform layer: the contexts it made or borrowed, the bitmaps in the display's own format it
// loaded, and what it selects and deletes.
void WatchContext(HDC context, bool memory);
void ForgetContext(HDC context);
void WatchCompatibleBitmap(HBITMAP bitmap);
// Selects `bitmap` into the memory context, reporting a selection Windows would refuse.
void SelectBitmap(HDC context, HBITMAP bitmap);
// Before `object` is deleted: reports it if it is still selected somewhere, and forgets it.
void CheckBeforeDelete(HGDIOBJ object);
void NoteFailedDelete();
