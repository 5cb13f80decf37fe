// Surfaces and block copies.
#include "shell/platform/surfaces.h"

#include <algorithm>

#include "shell/platform/counting.h"
#include "shell/platform/drawing_objects.h"
#include "shell/platform/drawn_text_recorder.h"
#include "shell/platform/windows_rules.h"

using platform_counting::Live;
using platform_counting::Made;

namespace {

// A memory context compatible with the window's; the window's own context is only borrowed for this.
HDC CompatibleContext(HWND window) {
    HDC context = Made(ResourceKind::kContext, &Live().contexts, [&] {
        HDC window_context = GetDC(window);
        HDC made = CreateCompatibleDC(window_context);
        ReleaseDC(window, window_context);
        return made;
    });
    WatchContext(context, true);
    return context;
}

Surface* FillRecord(Surface* record, HWND window, int width, int height) {
    if (record == nullptr) record = new Surface{};
    *record = Surface{};
    record->width = width;
    record->height = height;
    record->window = window;
    record->context = CompatibleContext(window);
    if (record->context != nullptr) {
        record->saved_font = GetCurrentObject(record->context, OBJ_FONT);
        record->saved_pen = GetCurrentObject(record->context, OBJ_PEN);
        record->saved_brush = GetCurrentObject(record->context, OBJ_BRUSH);
    }
    return record;
}

}  // namespace

Surface* CreateSurface(HWND window, int width, int height, ColourTriple fill, Surface* record) {
    record = FillRecord(record, window, width, height);
    if (width <= 0 || height <= 0) return record;
    // A top-down DIB section: it goes into any memory context, whatever the display's format, and its
    // pixels are the surface's only copy.
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    record->bitmap = Made(ResourceKind::kBitmap, &Live().bitmaps, [&] {
        HBITMAP made = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        return made != nullptr && bits != nullptr ? made : nullptr;
    });
    if (record->bitmap == nullptr) return record;
    record->pixels = static_cast<std::uint32_t*>(bits);
    std::fill(record->pixels, record->pixels + static_cast<std::size_t>(width) * height,
              static_cast<std::uint32_t>(fill.blue | fill.green << 8 | fill.red << 16));
    SelectBitmap(record->context, record->bitmap);
    return record;
}

Surface* WrapBitmapSurface(HWND window, int width, int height, HBITMAP bitmap, Surface* record) {
    record = FillRecord(record, window, width, height);
    record->bitmap = bitmap;
    SelectBitmap(record->context, bitmap);
    return record;
}

void ReleaseSurface(Surface* surface) {
    if (surface == nullptr) return;
    if (surface->context != nullptr) {
        // A font, pen or brush still selected could not be deleted on Windows; the context's own ones put
        // back first let each owner delete its own whatever the order of teardown.
        for (HGDIOBJ own : {surface->saved_font, surface->saved_pen, surface->saved_brush})
            if (own != nullptr) SelectObject(surface->context, own);
        // The context goes first, so the bitmap is no longer selected anywhere when it is deleted.
        ForgetRecordedTexts(surface->context);
        ForgetContext(surface->context);
        DeleteDC(surface->context);
        --Live().contexts;
    }
    // Made even where the context was not.
    DeleteDrawingObject(surface->bitmap);
    const int width = surface->width, height = surface->height;
    *surface = Surface{};
    surface->width = width;
    surface->height = height;
}

void DestroySurface(Surface* surface) {
    if (surface == nullptr) return;
    ReleaseSurface(surface);
    delete surface;
}

void CopySurface(const Surface* source, HDC target, int x, int y) {
    if (source == nullptr) return;  // a picture that could not be made
    BitBlt(target, x, y, source->width, source->height, source->context, 0, 0, SRCCOPY);
    RecordCopy(target, x, y, source->width, source->height, source->context, 0, 0);
}

void CopyBlock(HDC target, int x, int y, int width, int height, HDC source, int source_x, int source_y) {
    BitBlt(target, x, y, width, height, source, source_x, source_y, SRCCOPY);
    RecordCopy(target, x, y, width, height, source, source_x, source_y);
}

void FillBlack(HDC target, int x, int y, int width, int height) {
    PatBlt(target, x, y, width, height, BLACKNESS);
    RecordCopy(target, x, y, width, height, nullptr, 0, 0);
}

void DrawPixels(HDC target, int x, int y, int width, int height, const std::uint32_t* pixels) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(target, x, y, width, height, 0, 0, 0, height, pixels, &format, DIB_RGB_COLORS);
    RecordCopy(target, x, y, width, height, nullptr, 0, 0);
}

std::uint32_t* SurfacePixels(Surface* surface) {
    if (surface == nullptr || surface->pixels == nullptr) return nullptr;
    GdiFlush();
    return surface->pixels;
}

ColourTriple SurfacePixel(const Surface* surface, int x, int y) {
    const COLORREF c = GetPixel(surface->context, x, y);
    return ColourTriple{GetRValue(c), GetGValue(c), GetBValue(c)};
}

HDC BorrowWindowContext(HWND window) {
    // The window's own context is lent by the system, not made: where it is not to be had, the copy that
    // wanted it does nothing and the next paint shows the picture. So it is no creation that can fail.
    HDC context = GetDC(window);
    if (context == nullptr) return nullptr;
    ++Live().contexts;
    WatchContext(context, false);
    return context;
}

void ReturnWindowContext(HWND window, HDC context) {
    if (context == nullptr) return;
    ForgetContext(context);
    ReleaseDC(window, context);
    --Live().contexts;
}
