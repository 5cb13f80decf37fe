// The platform layer over user32 and gdi32, with its object counts.
#include "shell/platform.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "numerics/pi.h"
#include "shell/cp1251.h"
#include "shell/resource_failures.h"
#include "shell/scroll_rule.h"
#include "shell/worker_pool.h"

namespace {

PlatformObjectCounts live{};
std::vector<HWND> made_windows;

int* CounterFor(HGDIOBJ object) {
    switch (GetObjectType(object)) {
        case OBJ_BITMAP:
            return &live.bitmaps;
        case OBJ_FONT:
            return &live.fonts;
        case OBJ_PEN:
        case OBJ_EXTPEN:
            return &live.pens;
        case OBJ_BRUSH:
            return &live.brushes;
        case OBJ_REGION:
            return &live.regions;
        default:
            return nullptr;
    }
}

// Makes one resource of `kind` with `make`, unless the tests refuse this creation; counts it, or notes the
// failure when there is none.
template <typename Make>
auto Made(ResourceKind kind, int* counter, Make make) -> decltype(make()) {
    if (CreationRefused(kind)) {
        NoteResourceFailure();
        return nullptr;
    }
    const auto object = make();
    if (object == nullptr) {
        NoteResourceFailure();
    } else if (counter != nullptr) {
        ++*counter;
    }
    return object;
}

COLORREF ToColorRef(ColourTriple c) {
    return RGB(c.red, c.green, c.blue);
}

// Windows' rules, which Wine does not enforce: what is selected where, and what breaks a rule.
bool rule_checks = false;
std::vector<std::string> violations;
std::set<HDC> memory_contexts, window_contexts;
std::set<HBITMAP> compatible_bitmaps;  // device-dependent bitmaps of the display's own format

void Violation(const std::string& what) {
    if (rule_checks) violations.push_back(what);
}

// Windows selects a 32-bpp bitmap into a memory context only as a DIB section or in the display's own
// format: a CreateBitmap bitmap of 32 bits would leave every picture blank on a 16-bit display.
void SelectBitmap(HDC context, HBITMAP bitmap) {
    if (context == nullptr || bitmap == nullptr) return;
    DIBSECTION dib{};
    BITMAP plain{};
    if (rule_checks && GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib &&
        GetObjectW(bitmap, sizeof plain, &plain) != 0 && plain.bmBitsPixel == 32 &&
        compatible_bitmaps.count(bitmap) == 0)
        Violation("a 32-bpp bitmap that is neither a DIB section nor a compatible bitmap selected");
    SelectObject(context, bitmap);
}

// A memory context compatible with the window's; the window's own context is only borrowed for this.
HDC CompatibleContext(HWND window) {
    HDC context = Made(ResourceKind::kContext, &live.contexts, [&] {
        HDC window_context = GetDC(window);
        HDC made = CreateCompatibleDC(window_context);
        ReleaseDC(window, window_context);
        return made;
    });
    if (context != nullptr) memory_contexts.insert(context);
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

std::wstring Widen(const char* text, int length) {
    const std::u16string wide = Cp1251ToUtf16(text, length);
    return std::wstring(wide.begin(), wide.end());
}

bool recording = false;
std::map<HDC, std::vector<DrawnText>> shown_texts;

int TextWidth(HDC context, const wchar_t* text, int length) {
    SIZE size{};
    GetTextExtentPoint32W(context, text, length, &size);
    return size.cx;
}

// The black boxes of the letters of a text drawn at (x, y) with the context's font and alignment (top or
// baseline, left, centre or right), each letter placed where GDI places it. A turned font gives the
// turned box of the whole text instead.
std::vector<RECT> LetterBoxes(HDC context, int x, int y, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int width = TextWidth(context, text.c_str(), length);
    const UINT align = GetTextAlign(context);
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER) {
        left = x - width / 2;
    } else if ((align & TA_RIGHT) == TA_RIGHT) {
        left = x - width;
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(context, OBJ_FONT), sizeof font, &font);
    if (font.lfEscapement != 0) {
        const double angle = font.lfEscapement * static_cast<double>(numerics::kExactPi) / 1800;
        const double along_x = std::cos(angle), along_y = -std::sin(angle);
        const double down_x = std::sin(angle), down_y = std::cos(angle);
        RECT box{x, y, x, y};
        for (int u : {left - x, left - x + width}) {
            for (int v : {0, static_cast<int>(metrics.tmHeight)}) {
                const LONG px = static_cast<LONG>(x + u * along_x + v * down_x);
                const LONG py = static_cast<LONG>(y + u * along_y + v * down_y);
                box = {std::min(box.left, px), std::min(box.top, py), std::max(box.right, px),
                       std::max(box.bottom, py)};
            }
        }
        return {box};
    }
    const int baseline = (align & TA_BASELINE) == TA_BASELINE ? y : y + metrics.tmAscent;
    std::vector<RECT> letters;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (int i = 0; i < length; ++i) {
        if (text[i] == L' ') continue;
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(context, text[i], GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        const int pen = left + TextWidth(context, text.c_str(), i);
        letters.push_back({pen + glyph.gmptGlyphOrigin.x, baseline - glyph.gmptGlyphOrigin.y,
                           pen + glyph.gmptGlyphOrigin.x + static_cast<LONG>(glyph.gmBlackBoxX),
                           baseline - glyph.gmptGlyphOrigin.y + static_cast<LONG>(glyph.gmBlackBoxY)});
    }
    return letters;
}

bool Intersect(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

void Record(HDC context, int x, int y, const std::wstring& text) {
    if (!recording) return;
    DrawnText drawn{text,   RECT{x, y, x, y},     LetterBoxes(context, x, y, text), false, false, {},
                    {x, y}, GetTextAlign(context)};
    GetObjectW(GetCurrentObject(context, OBJ_FONT), sizeof drawn.font, &drawn.font);
    if (!drawn.letters.empty()) drawn.ink = drawn.letters.front();
    for (const RECT& letter : drawn.letters) UnionRect(&drawn.ink, &drawn.ink, &letter);
    // A text hidden under a copy and then written over is a place cleared for a new text (a label that
    // changed), not a text lost.
    std::vector<DrawnText>& on_context = shown_texts[context];
    on_context.erase(
        std::remove_if(on_context.begin(), on_context.end(),
                       [&](const DrawnText& t) { return t.hidden && Intersect(t.ink, drawn.ink); }),
        on_context.end());
    on_context.push_back(drawn);
}

// The area a context draws on: its window's client area, or its bitmap.
RECT DrawingArea(HDC context) {
    RECT area{};
    if (HWND window = WindowFromDC(context)) {
        GetClientRect(window, &area);
        return area;
    }
    BITMAP bitmap{};
    if (GetObjectW(GetCurrentObject(context, OBJ_BITMAP), sizeof bitmap, &bitmap) != 0)
        area = {0, 0, bitmap.bmWidth, bitmap.bmHeight};
    return area;
}

// A block copy of width x height from (source_x, source_y) of `source` (null: pixels with no texts) to
// (x, y) of `target`. A copy over the whole target starts its picture afresh; a smaller one hides the
// texts it covers wholly (they stay on the record, marked) and cuts those it covers in part.
void RecordCopy(HDC target, int x, int y, int width, int height, HDC source, int source_x, int source_y) {
    if (!recording) return;
    const RECT block{x, y, x + width, y + height};
    std::vector<DrawnText> carried;
    const auto from = source != nullptr ? shown_texts.find(source) : shown_texts.end();
    if (from != shown_texts.end()) {
        for (DrawnText t : from->second) {
            OffsetRect(&t.ink, x - source_x, y - source_y);
            t.at.x += x - source_x;
            t.at.y += y - source_y;
            for (RECT& letter : t.letters) OffsetRect(&letter, x - source_x, y - source_y);
            if (!Intersect(t.ink, block)) continue;
            t.cut = t.cut || !Inside(t.ink, block);
            carried.push_back(t);
        }
    }
    std::vector<DrawnText>& on_target = shown_texts[target];
    std::vector<DrawnText> kept;
    if (!Inside(DrawingArea(target), block)) {
        for (DrawnText& t : on_target) {
            if (Inside(t.ink, block)) {
                t.hidden = true;
            } else {
                t.cut = t.cut || Intersect(t.ink, block);
            }
            kept.push_back(t);
        }
    }
    kept.insert(kept.end(), carried.begin(), carried.end());
    on_target = kept;
}

}  // namespace

void RecordDrawnTexts(bool on) {
    recording = on;
    shown_texts.clear();
}

std::vector<DrawnText> TextsShownOn(HDC context) {
    const auto found = shown_texts.find(context);
    return found == shown_texts.end() ? std::vector<DrawnText>() : found->second;
}

bool operator==(const PlatformObjectCounts& a, const PlatformObjectCounts& b) {
    return a.contexts == b.contexts && a.bitmaps == b.bitmaps && a.fonts == b.fonts && a.pens == b.pens &&
           a.brushes == b.brushes && a.regions == b.regions && a.windows == b.windows &&
           a.threads == b.threads && a.kept == b.kept;
}

PlatformObjectCounts Owned(PlatformObjectCounts counts) {
    counts.kept = 0;
    return counts;
}

PlatformObjectCounts LiveObjectCounts() {
    made_windows.erase(std::remove_if(made_windows.begin(), made_windows.end(),
                                      [](HWND window) { return !IsWindow(window); }),
                       made_windows.end());
    PlatformObjectCounts counts = live;
    counts.windows = static_cast<int>(made_windows.size());
    counts.threads = WorkerPool::LiveWorkers();
    return counts;
}

Surface* CreateSurface(HWND window, int width, int height, ColourTriple fill, Surface* record) {
    record = FillRecord(record, window, width, height);
    if (width <= 0 || height <= 0) return record;
    // A top-down DIB section: it goes into any memory context, whatever the display's format, and its
    // pixels are the surface's only copy.
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    record->bitmap = Made(ResourceKind::kBitmap, &live.bitmaps, [&] {
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
        shown_texts.erase(surface->context);
        memory_contexts.erase(surface->context);
        DeleteDC(surface->context);
        --live.contexts;
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
    ++live.contexts;
    window_contexts.insert(context);
    return context;
}

void ReturnWindowContext(HWND window, HDC context) {
    if (context == nullptr) return;
    window_contexts.erase(context);
    ReleaseDC(window, context);
    --live.contexts;
}

HFONT CreateTextFont(int height, int width, int weight, int escapement) {
    return Made(ResourceKind::kFont, &live.fonts, [&] {
        return CreateFontW(height, width, escapement, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH,
                           L"Times New Roman");
    });
}

HPEN CreateSolidPen(int width, ColourTriple colour) {
    return Made(ResourceKind::kPen, &live.pens,
                [&] { return CreatePen(PS_SOLID, width, ToColorRef(colour)); });
}

HBRUSH CreateFillBrush(ColourTriple colour) {
    return Made(ResourceKind::kBrush, &live.brushes, [&] { return CreateSolidBrush(ToColorRef(colour)); });
}

namespace {

std::map<std::vector<int>, HGDIOBJ> kept_objects;

template <typename Make>
HGDIOBJ Kept(const std::vector<int>& key, Make make) {
    const auto found = kept_objects.find(key);
    if (found != kept_objects.end()) return found->second;
    HGDIOBJ made = make();
    if (made != nullptr) {
        kept_objects[key] = made;
        --*CounterFor(made);  // counted as kept from now on
        ++live.kept;
    }
    return made;
}

}  // namespace

HFONT KeptFont(int height, int width, int weight, int escapement) {
    return static_cast<HFONT>(Kept({0, height, width, weight, escapement},
                                   [&] { return CreateTextFont(height, width, weight, escapement); }));
}

HPEN KeptPen(int width, ColourTriple colour) {
    return static_cast<HPEN>(Kept({1, width, colour.red, colour.green, colour.blue},
                                  [&] { return CreateSolidPen(width, colour); }));
}

void ReleaseKeptObjects() {
    for (const auto& [key, object] : kept_objects) {
        ++*CounterFor(object);  // deleted as what it is
        --live.kept;
        DeleteDrawingObject(object);
    }
    kept_objects.clear();
}

HBITMAP LoadScaledBitmap(HINSTANCE instance, int id, int width, int height) {
    // A bitmap loaded without LR_CREATEDIBSECTION is made in the display's own format.
    HBITMAP bitmap = Made(ResourceKind::kBitmap, &live.bitmaps, [&] {
        return static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, width, height, 0));
    });
    if (bitmap != nullptr) compatible_bitmaps.insert(bitmap);
    return bitmap;
}

void DeleteDrawingObject(HGDIOBJ object) {
    if (object == nullptr) return;
    int* counter = CounterFor(object);
    // Windows refuses to delete a font, pen, brush or bitmap that is selected into a context (the object
    // then leaks); Wine defers the delete instead.
    if (rule_checks) {
        const UINT type = GetObjectType(object) == OBJ_EXTPEN ? OBJ_PEN : GetObjectType(object);
        const char* name = type == OBJ_FONT    ? "font"
                           : type == OBJ_PEN   ? "pen"
                           : type == OBJ_BRUSH ? "brush"
                                               : "bitmap";
        for (const std::set<HDC>* contexts : {&memory_contexts, &window_contexts})
            for (HDC context : *contexts)
                if (type != OBJ_REGION && GetCurrentObject(context, type) == object)
                    Violation(std::string("a ") + name + " deleted while it is selected into a " +
                              (contexts == &memory_contexts ? "surface" : "window context"));
    }
    compatible_bitmaps.erase(static_cast<HBITMAP>(object));
    if (!DeleteObject(object)) {
        Violation("a delete failed");
        return;
    }
    if (counter != nullptr) --*counter;
}

void CheckWindowsRules(bool on) {
    rule_checks = on;
    violations.clear();
}

std::vector<std::string> TakeRuleViolations() {
    std::vector<std::string> taken;
    taken.swap(violations);
    return taken;
}

void PrepareText(HDC context, UINT alignment) {
    SetBkMode(context, TRANSPARENT);
    SetTextAlign(context, alignment);
}

void SetTextColour(HDC context, ColourTriple colour) {
    SetTextColor(context, ToColorRef(colour));
}

void DrawNarrowText(HDC context, int x, int y, const char* text, int length) {
    if (length <= 0) return;
    const std::wstring wide = Widen(text, length);
    TextOutW(context, x, y, wide.c_str(), static_cast<int>(wide.size()));
    Record(context, x, y, wide);
}

void DrawNarrowText(HDC context, int x, int y, const std::string& text) {
    DrawNarrowText(context, x, y, text.data(), static_cast<int>(text.size()));
}

void DrawLabel(HDC context, int x, int y, const LabelText* label) {
    if (label != nullptr) DrawNarrowText(context, x, y, label->text, label->length);
}

void DrawWideSymbol(HDC context, int x, int y, wchar_t symbol) {
    TextOutW(context, x, y, &symbol, 1);
    Record(context, x, y, std::wstring(1, symbol));
}

int TextHeight(HWND window, HFONT font) {
    HDC context = BorrowWindowContext(window);
    HGDIOBJ previous = SelectObject(context, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    ReturnWindowContext(window, context);
    return metrics.tmHeight;
}

std::vector<RECT> TextLetterBoxes(HDC context, int x, int y, const std::string& text) {
    return LetterBoxes(context, x, y, Widen(text.data(), static_cast<int>(text.size())));
}

int NarrowTextWidth(HDC context, const char* text, int length) {
    if (length <= 0) return 0;
    const std::wstring wide = Widen(text, length);
    return TextWidth(context, wide.c_str(), static_cast<int>(wide.size()));
}

int NarrowTextWidth(HDC context, const std::string& text) {
    return NarrowTextWidth(context, text.data(), static_cast<int>(text.size()));
}

int WideSymbolWidth(HDC context, wchar_t symbol) {
    return TextWidth(context, &symbol, 1);
}

void DrawLine(HDC context, int x0, int y0, int x1, int y1) {
    MoveToEx(context, x0, y0, nullptr);
    LineTo(context, x1, y1);
}

void DrawPolyline(HDC context, const POINT* points, int count) {
    if (count >= 2) Polyline(context, points, count);
}

void DrawEllipse(HDC context, int left, int top, int right, int bottom) {
    Ellipse(context, left, top, right, bottom);
}

PushButton* CreatePushButton(HINSTANCE instance, HWND parent, int id, DWORD style, int x, int y, int width,
                             int height) {
    HWND window = CreateCountedWindow(0, L"button", style, x, y, width, height, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance);
    return new PushButton{x, y, width, height, window, style, id, parent, instance};
}

void FreePushButton(PushButton* button) {
    delete button;
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::wstring BreakIntoLines(HDC context, const std::wstring& text, int width) {
    std::wstring broken, line;
    const auto fits = [&](const std::wstring& candidate) {
        return TextWidth(context, candidate.c_str(), static_cast<int>(candidate.size())) <= width;
    };
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(L" \n", at), text.size());
        const std::wstring word = text.substr(at, end - at);
        if (line.empty() || fits(line + L" " + word)) {
            line += (line.empty() ? L"" : L" ") + word;
        } else {
            broken += line + L"\n";
            line = word;
        }
        if (end == text.size() || text[end] == L'\n') {
            broken += line + (end == text.size() ? L"" : L"\n");
            line.clear();
        }
        at = end + 1;
    }
    return broken;
}

int ButtonTextWidth(HWND button) {
    RECT inside{};
    GetClientRect(button, &inside);
    return inside.right - inside.left - 2 * kButtonTextMarginX;
}

void SetControlCaption(HWND control, const char* text, int length) {
    std::wstring caption = Widen(text, length);
    // A multi-line button gets its lines broken here, as Windows would break them: Wine's button can
    // break a line that just fits a second time when it draws it, and lose the last line below its edge.
    if ((GetWindowLongW(control, GWL_STYLE) & BS_MULTILINE) != 0) {
        HDC context = BorrowWindowContext(control);
        HGDIOBJ previous =
            SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        caption = BreakIntoLines(context, caption, ButtonTextWidth(control));
        SelectObject(context, previous);
        ReturnWindowContext(control, context);
    }
    SetWindowTextW(control, caption.c_str());
}

void SetControlCaption(HWND control, const std::string& text) {
    SetControlCaption(control, text.data(), static_cast<int>(text.size()));
}

ScrollBarControl* CreateScrollBarControl(int x, int y, int width, int height, int minimum, int maximum,
                                         int position, int step, HWND parent, HINSTANCE instance,
                                         double scale, DWORD style) {
    HWND window = CreateCountedWindow(0, L"scrollbar", style, x, y, width, height, parent, nullptr, instance);
    SetScrollRange(window, SB_CTL, minimum, maximum, FALSE);
    SetScrollPos(window, SB_CTL, position, FALSE);
    return new ScrollBarControl{x,       y,       width,    height, window,
                                minimum, maximum, position, step,   position * scale,
                                style,   parent,  instance, scale};
}

bool ApplyScrollCode(ScrollBarControl* control, WPARAM notification) {
    const ScrollOutcome outcome = ApplyScrollRule(control->minimum, control->maximum, control->position,
                                                  control->step, static_cast<unsigned long>(notification));
    control->position = outcome.position;
    control->value = control->position * control->scale;
    if (outcome.changed) SetScrollPos(control->window, SB_CTL, control->position, TRUE);
    return outcome.changed;
}

void SetScrollPosition(ScrollBarControl* control, int position) {
    control->position = std::clamp(position, control->minimum, control->maximum);
    control->value = control->position * control->scale;
    SetScrollPos(control->window, SB_CTL, control->position, TRUE);
}

void FreeScrollBarControl(ScrollBarControl* control) {
    delete control;
}

HWND CreateCountedWindow(DWORD extended_style, const wchar_t* class_name, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    HWND window = Made(ResourceKind::kWindow, nullptr, [&] {
        return CreateWindowExW(extended_style, class_name, nullptr, style, x, y, width, height, parent, menu,
                               instance, nullptr);
    });
    if (window != nullptr) {
        // Windows destroyed with their parent leave stale handles behind; drop them now and then.
        if (made_windows.size() > 256) LiveObjectCounts();
        made_windows.push_back(window);
    }
    return window;
}

void StartTimer(HWND window, UINT_PTR id, UINT period) {
    Made(ResourceKind::kTimer, nullptr,
         [&] { return SetTimer(window, id, period, nullptr) != 0 ? &id : nullptr; });
}

void StopTimer(HWND window, UINT_PTR id) {
    KillTimer(window, id);
}
