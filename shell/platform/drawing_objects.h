// Fonts, pens, brushes and bitmaps: made through the platform layer (counted, refusable by the failure
// sweep) and deleted with DeleteDrawingObject once no context holds them.
#pragma once

#include <windows.h>

#include "shell/platform/colour.h"

// The GDI colour of a triple.
COLORREF ToColorRef(ColourTriple colour);

// "Times New Roman" at this height and width (pixels) and weight (1 or 400 regular, 800 bold), default
// character set, variable pitch. `escapement` in tenths of a degree turns the text counter-clockwise.
HFONT CreateTextFont(int height, int width, int weight, int escapement = 0);

// A solid pen `width` pixels wide.
HPEN CreateSolidPen(int width, ColourTriple colour);

// Drawing objects kept for the open page: made the first time they are asked for and shared from then on,
// so that drawing a step or a repaint makes nothing (and cannot fail for want of a font or a pen). The
// page's teardown deletes them all at once, after its surfaces (ReleaseKeptObjects); never delete one
// directly. Null where one could not be made (the failure is noted).
HFONT KeptFont(int height, int width, int weight, int escapement = 0);
HPEN KeptPen(int width, ColourTriple colour);
void ReleaseKeptObjects();

// A solid brush (fills ellipses).
HBRUSH CreateFillBrush(ColourTriple colour);

// Bitmap resource `id`, scaled to width x height when loaded. Wrap it in a surface to draw it.
HBITMAP LoadScaledBitmap(HINSTANCE instance, int id, int width, int height);

// Icon resource `id` at the size it was drawn for, for a window class: it lives as long as the program, so
// it is neither counted nor deleted.
HICON LoadIconResource(HINSTANCE instance, int id);

// Deletes a font, pen, brush, region or bitmap made by this layer (deselect it first). Null is skipped.
void DeleteDrawingObject(HGDIOBJ object);
