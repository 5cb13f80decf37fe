// The platform layer, as a page uses it: off-screen surfaces, fonts, pens, brushes and bitmaps, texts and
// lines, push buttons, scroll bars, windows and timers over Win32 (user32, gdi32). With the page views it
// is the only code that includes <windows.h>, and the only code that makes or deletes a GDI object, a
// drawing context or a window.
//
// Every creation can fail (a lecture PC short of resources, or a test that makes the Nth creation fail):
// the functions then return null, or a record without its handles, and note the failure
// (shell/platform/resource_failures.h); GDI and user32 calls on null handles do nothing.
//
// Every GDI object and window made here is counted by kind, and so is every one deleted here
// (shell/platform/object_counts.h). So create drawing objects and surfaces through these functions and
// delete them with DeleteDrawingObject / ReleaseSurface / DestroySurface; selecting, drawing and copying
// may also call GDI directly.
//
// What the tests watch the layer with lives beside it: the object counts, Windows' rules
// (shell/platform/windows_rules.h) and the record of drawn texts (shell/platform/drawn_text_recorder.h).
#pragma once

#include "shell/platform/colour.h"
#include "shell/platform/controls.h"
#include "shell/platform/drawing.h"
#include "shell/platform/drawing_objects.h"
#include "shell/platform/surfaces.h"
