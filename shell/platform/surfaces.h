// Off-screen pictures: a surface is a 32-bit DIB section with the memory context it stays selected in.
// Every picture of a page is composed on surfaces and reaches the window in one copy.
#pragma once

#include <windows.h>

#include <cstdint>

#include "shell/platform/colour.h"

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
