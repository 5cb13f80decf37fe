// The platform layer: off-screen surfaces, push buttons, scroll bars, fonts, pens, brushes,
// text, timers and block copies over Win32 (user32, gdi32). With the page views it is the only code
// that includes <windows.h>.
//
// Every creation can fail (a lecture PC short of resources, or a test that makes the Nth creation fail):
// the functions then return null, or a record without its handles, and note the failure
// (shell/resource_failures.h); GDI and user32 calls on null handles do nothing.
//
// Every GDI object and window made here is counted by kind, and so is every one deleted here, because
// Wine cannot show a leak (GetGuiResources answers 0, DeleteObject succeeds on a selected bitmap): a
// test compares LiveObjectCounts() before and after a round trip. So create drawing objects and
// surfaces through these functions and delete them with DeleteDrawingObject / ReleaseSurface /
// DestroySurface; selecting, drawing and copying may also call GDI directly.
//
// Texts are code page 1251 bytes (LabelText, TextSet). They are always drawn and set through the wide
// API after conversion, never with TextOutA or SetWindowTextA, which would show them in the system's
// code page (other letters on a Western Windows).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/colour.h"
#include "shell/label_text.h"

// ---------------------------------------------------------------------------------------------------
// Counts

// Objects made by this layer and not yet deleted, by kind. `contexts` counts memory contexts and
// borrowed window contexts; `windows` counts windows made here that still exist (child controls go
// with their page window, so they are counted by asking whether they still exist).
struct PlatformObjectCounts {
    int contexts;
    int bitmaps;
    int fonts;
    int pens;
    int brushes;
    int regions;
    int windows;
    int threads;  // worker threads (WorkerPool) alive
    int kept;     // the open page's kept fonts and pens (KeptFont, KeptPen), not among `fonts` and `pens`
};

// The counts without the kept objects, whose number depends on what the page has drawn so far.
PlatformObjectCounts Owned(PlatformObjectCounts counts);

bool operator==(const PlatformObjectCounts& a, const PlatformObjectCounts& b);
PlatformObjectCounts LiveObjectCounts();

// ---------------------------------------------------------------------------------------------------
// Surfaces

// An off-screen picture, 32 bits per pixel, with the memory context its bitmap stays selected in.
struct Surface {
    int width;
    int height;
    HDC context;            // compatible with the window's context
    HBITMAP bitmap;         // owned: a DIB section, or a loaded bitmap
    std::uint32_t* pixels;  // the DIB section's pixels, blue | green << 8 | red << 16, rows from the top
                            // (flush GDI before reading what it drew); null for a loaded bitmap
    HWND window;            // the window whose context the memory context is compatible with
    // The context's own font, pen and brush, selected back when the surface is released, so that whatever a
    // page selected into it can be deleted afterwards.
    HGDIOBJ saved_font;
    HGDIOBJ saved_pen;
    HGDIOBJ saved_brush;
};

// Makes a width x height surface filled with `fill`, compatible with `window`'s context. Fills `record`,
// or a new record (free it with DestroySurface) when `record` is null; returns the record. Where the
// context or the bitmap cannot be made, the record has none (drawing on it does nothing) and the failure
// is noted (shell/resource_failures.h).
Surface* CreateSurface(HWND window, int width, int height, ColourTriple fill, Surface* record = nullptr);

// A surface around an existing bitmap (for example one from LoadScaledBitmap); takes ownership of it.
Surface* WrapBitmapSurface(HWND window, int width, int height, HBITMAP bitmap, Surface* record = nullptr);

// Selects the context's own font, pen and brush back, deletes the context and the bitmap; the record
// stays, emptied. For surfaces held by value. A null or already released surface is skipped.
void ReleaseSurface(Surface* surface);

// ReleaseSurface, then frees the record (made by CreateSurface and its siblings with a null record).
void DestroySurface(Surface* surface);

// Copies the whole of `source` to (x, y) of `target` (SRCCOPY); nothing for a null source.
void CopySurface(const Surface* source, HDC target, int x, int y);

// Copies a width x height block from (source_x, source_y) of `source` to (x, y) of `target` (SRCCOPY).
void CopyBlock(HDC target, int x, int y, int width, int height, HDC source, int source_x, int source_y);

// Paints a width x height block at (x, y) of `target` black (no brush is made for it).
void FillBlack(HDC target, int x, int y, int width, int height);

// Puts width x height pixel words (blue | green << 8 | red << 16, rows from the top) at (x, y) of `target`.
void DrawPixels(HDC target, int x, int y, int width, int height, const std::uint32_t* pixels);

// The pixels of a surface (its DIB section) for the program to write, once GDI has finished what it was
// asked to draw there; null for a surface without them.
std::uint32_t* SurfacePixels(Surface* surface);

// The colour of one pixel of a surface as it stands (for tests and checks).
ColourTriple SurfacePixel(const Surface* surface, int x, int y);

// Borrows `window`'s drawing context for direct drawing; give it back with ReturnWindowContext. Null where
// the system has none to lend (drawing on null does nothing); that is no resource failure.
HDC BorrowWindowContext(HWND window);
void ReturnWindowContext(HWND window, HDC context);

// ---------------------------------------------------------------------------------------------------
// Drawing objects

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

// Deletes a font, pen, brush, region or bitmap made by this layer (deselect it first). Null is skipped.
void DeleteDrawingObject(HGDIOBJ object);

// Windows' rules, which Wine forgives, checked while on (the tests turn them on): no object is deleted
// while it is selected into a context of this layer, no delete fails, and no 32-bpp bitmap but a DIB
// section or one in the display's format is selected into a memory context. What broke them, since the
// last call; off forgets it.
void CheckWindowsRules(bool on);
std::vector<std::string> TakeRuleViolations();

// ---------------------------------------------------------------------------------------------------
// Text and lines

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

// For tests of where texts land. While recording, the layer keeps for each drawing context the texts
// drawn on it that are still to be seen, each with the black boxes of its letters and their union, the
// box its ink takes (a turned font gives the turned box of the whole text as its one letter). A copy over
// the whole context starts afresh; a smaller copy marks the texts whose ink it covers wholly as hidden
// (until a new text is drawn over them: the place was cleared for it) and those it covers in part as cut.
// A copy brings along the source's texts.
struct DrawnText {
    std::wstring text;
    RECT ink;
    std::vector<RECT> letters;
    bool cut;
    bool hidden;
    LOGFONTW font;  // the font it was drawn in
    POINT at;       // where it was drawn, with this alignment
    UINT alignment;
};
void RecordDrawnTexts(bool on);  // off forgets everything recorded
std::vector<DrawnText> TextsShownOn(HDC context);

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

// ---------------------------------------------------------------------------------------------------
// Controls

// A child push button; captions and fonts are set afterwards.
struct PushButton {
    int x;
    int y;
    int width;
    int height;
    HWND window;
    DWORD style;
    int id;
    HWND parent;
    HINSTANCE instance;
};

// Creates a "button" child of `parent` with no caption; `style` is the whole window style (for
// example WS_CHILD | WS_VISIBLE, plus BS_MULTILINE for a caption of several lines); `id` comes back as
// the low word of WM_COMMAND's first parameter. Returns a new record (free it with FreePushButton).
PushButton* CreatePushButton(HINSTANCE instance, HWND parent, int id, DWORD style, int x, int y, int width,
                             int height);

// Frees the record; the control window goes with its parent page.
void FreePushButton(PushButton* button);

// A button draws its caption within its client area less kButtonTextMarginX pixels left and right (its
// edge and focus frame) and kButtonTextMarginY at the top and bottom (its edge).
inline constexpr int kButtonTextMarginX = 4;
inline constexpr int kButtonTextMarginY = 2;
int ButtonTextWidth(HWND button);

// `text` with line feeds put between words wherever a line, in the context's font, would be wider than
// `width`; the line feeds it has are kept. A word wider than `width` stays whole on its own line.
std::wstring BreakIntoLines(HDC context, const std::wstring& text, int width);

// Sends `font` to a control (WM_SETFONT, no redraw).
void SetControlFont(HWND control, HFONT font);

// Sets a control's caption from code page 1251 text (a line feed splits a multi-line caption). A
// multi-line button's caption is broken into lines between words, in the button's font, wherever a line
// would be wider than ButtonTextWidth: set its font first.
void SetControlCaption(HWND control, const char* text, int length);
void SetControlCaption(HWND control, const std::string& text);

// A child scroll bar with an integer position and its value in physical units (position * scale).
struct ScrollBarControl {
    int x;
    int y;
    int width;
    int height;
    HWND window;
    int minimum;
    int maximum;
    int position;
    int step;
    double value;
    DWORD style;
    HWND parent;
    HINSTANCE instance;
    double scale;
};

// Creates a "scrollbar" child control (`style` is the whole window style, for example
// WS_CHILD | WS_VISIBLE | SBS_HORZ; WS_CHILD alone keeps it hidden), sets its range and position
// without redraw, and returns a new record with value = position * scale (free it with
// FreeScrollBarControl).
ScrollBarControl* CreateScrollBarControl(int x, int y, int width, int height, int minimum, int maximum,
                                         int position, int step, HWND parent, HINSTANCE instance,
                                         double scale, DWORD style);

// Applies one WM_HSCROLL / WM_VSCROLL notification (the message's first parameter): line arrows move by
// the step and stop at the ends (and always report a change), thumb tracking moves to a position within
// the range (a change only if it differs), everything else changes nothing. Recomputes the value and,
// on a change, moves the thumb with redraw. Returns whether it changed.
bool ApplyScrollCode(ScrollBarControl* control, WPARAM notification);

// Puts the thumb at `position` (within the range) and recomputes the value.
void SetScrollPosition(ScrollBarControl* control, int position);

void FreeScrollBarControl(ScrollBarControl* control);

// ---------------------------------------------------------------------------------------------------
// Windows and timers

// CreateWindowExW, counted. Every window of the program is made through this.
HWND CreateCountedWindow(DWORD extended_style, const wchar_t* class_name, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance);

// Starts (or restarts) timer `id` of `window` with a period in milliseconds; stops it.
void StartTimer(HWND window, UINT_PTR id, UINT period);
void StopTimer(HWND window, UINT_PTR id);
