// Drawing texts and lines on a context. Texts are code page 1251 bytes (LabelText, TextSet); they are
// always drawn through the wide API after conversion, never with TextOutA, which would show them in the
// system's code page (other letters on a Western Windows).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/platform/colour.h"
#include "shell/text/label_text.h"

// Code page 1251 text as the wide string the wide API takes.
std::wstring Widen(const char* text, int length);
std::wstring Widen(const std::string& text);

// Transparent background and the given alignment (TA_CENTER: x is the centre, y the top; TA_LEFT).
void PrepareText(HDC context, UINT alignment);

// Sets the colour of the texts that follow (black unless a page says otherwise).
void SetTextColour(HDC context, ColourTriple colour);

// Draws exactly `length` characters of code page 1251 text at (x, y), widened to UTF-16 first.
void DrawNarrowText(HDC context, int x, int y, const char* text, int length);
void DrawNarrowText(HDC context, int x, int y, const std::string& text);
void DrawLabel(HDC context, int x, int y, const LabelText* label);

// Draws one UTF-16 character (Σ U+03A3, λ U+03BB, ...) at (x, y).
void DrawWideSymbol(HDC context, int x, int y, wchar_t symbol);

// The black boxes of the letters of a code page 1251 text drawn at (x, y) in the context's font and
// alignment, each letter where GDI puts it (for a turned font, the turned box of the whole text).
std::vector<RECT> TextLetterBoxes(HDC context, int x, int y, const std::string& text);

// The full height of `font` (tmHeight) as drawn on `window`'s screen.
int TextHeight(HWND window, HFONT font);

// The width in pixels that the context's selected font gives a code page 1251 text, or one symbol.
int NarrowTextWidth(HDC context, const char* text, int length);
int NarrowTextWidth(HDC context, const std::string& text);
int WideSymbolWidth(HDC context, wchar_t symbol);

// A line from (x0, y0) to (x1, y1) with the selected pen.
void DrawLine(HDC context, int x0, int y0, int x1, int y1);

// A polyline through `count` points with the selected pen.
void DrawPolyline(HDC context, const POINT* points, int count);

// An ellipse in the rectangle from (left, top) to (right, bottom), outlined with the selected pen and
// filled with the selected brush.
void DrawEllipse(HDC context, int left, int top, int right, int bottom);
