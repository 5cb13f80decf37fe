// The help and the notes, each a popup owned by the page, painted from a surface of its own. A help or a
// note that cannot be made for want of a resource is simply not shown: the page it would have covered is
// not disturbed.
#include "shell/help_and_notes.h"

#include <algorithm>
#include <vector>

#include "shell/application.h"
#include "shell/platform/resource_failures.h"

namespace {

const wchar_t kClassName[] = L"Zonara overlay";
constexpr UINT_PTR kNoteTimer = 1;
constexpr UINT kNotePeriod = 2000;
constexpr ColourTriple kPanel{255, 255, 255}, kBorder{0, 0, 96}, kNoteColour{40, 40, 40};

struct Overlay {
    HWND window = nullptr;
    Surface* picture = nullptr;
};
Overlay help, note;

Overlay* OverlayOf(HWND window) {
    return window == help.window ? &help : window == note.window ? &note : nullptr;
}

void Close(Overlay& overlay) {
    if (overlay.window == nullptr) return;
    HWND owner = GetWindow(overlay.window, GW_OWNER);
    // The page gets the keyboard back before the help goes, so that no other window takes it.
    if (&overlay == &help && owner != nullptr) SetActiveWindow(owner), SetFocus(owner);
    DestroyWindow(overlay.window);  // its surface goes with it (WM_DESTROY)
}

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    Overlay* overlay = OverlayOf(window);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC context = BeginPaint(window, &paint);
            if (overlay != nullptr) CopySurface(overlay->picture, context, 0, 0);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_KEYDOWN:
            if (first == VK_F1 || first == VK_ESCAPE) Close(help);
            return 0;
        case WM_LBUTTONDOWN:
            if (overlay == &help) Close(help);
            return 0;
        case WM_MOUSEACTIVATE:
            return overlay == &note ? MA_NOACTIVATE : MA_ACTIVATE;
        case WM_TIMER:
            Close(note);
            return 0;
        case WM_DESTROY:
            if (overlay != nullptr) {
                DestroySurface(overlay->picture);
                *overlay = Overlay{};
            }
            return 0;
        default:
            return DefWindowProcW(window, message, first, second);
    }
}

RECT PageArea(HWND page) {
    RECT r{};
    GetWindowRect(page, &r);
    return r;
}

// A font of `height` in the proportions of the pages' fonts (width a third of the height).
HFONT OverlayFont(int height, int weight) {
    return CreateTextFont(height, std::max(1, height * 19 / 54), weight);
}

int Width(HDC context, HFONT font, const std::string& text) {
    HGDIOBJ previous = SelectObject(context, font);
    const int width = NarrowTextWidth(context, text);
    SelectObject(context, previous);
    return width;
}

// The overlays' window class, registered the first time an overlay is shown.
void RegisterOverlayClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW overlay_class{};
    overlay_class.cbSize = sizeof overlay_class;
    overlay_class.lpfnWndProc = OverlayProc;
    overlay_class.hInstance = app.instance;
    overlay_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    overlay_class.lpszClassName = kClassName;
    registered = RegisterClassExW(&overlay_class) != 0;
}

// Shows `overlay` at `box` (screen coordinates) over `page` with `picture`; false (and nothing made) when a
// resource is short.
bool Show(Overlay& overlay, HWND page, const RECT& box, Surface* picture, bool activate) {
    RegisterOverlayClass();
    overlay.picture = picture;
    overlay.window = CreateCountedWindow(activate ? WS_EX_TOPMOST : WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                         kClassName, WS_POPUP, box.left, box.top, box.right - box.left,
                                         box.bottom - box.top, page, nullptr, app.instance);
    if (overlay.window == nullptr || picture == nullptr || picture->context == nullptr) {
        if (overlay.window != nullptr) {
            DestroyWindow(overlay.window);
        } else {
            DestroySurface(picture);
            overlay = Overlay{};
        }
        return false;
    }
    ShowWindow(overlay.window, activate ? SW_SHOW : SW_SHOWNA);
    UpdateWindow(overlay.window);
    if (activate) SetFocus(overlay.window);
    return true;
}

// The help's picture: the title, then the keys and what they do in two columns, in the largest font that
// lets the panel fit nine tenths of the page (from a sixteenth of its height down).
Surface* DrawHelp(HWND page, const RECT& area, RECT* box) {
    const TextSet& t = *app.texts;
    const int page_width = area.right - area.left, page_height = area.bottom - area.top;
    HDC measure = BorrowWindowContext(page);
    int height = page_height / 16, keys = 0, deeds = 0, width = 0, panel_height = 0;
    for (;; --height) {
        HFONT bold = OverlayFont(height, 700), plain = OverlayFont(height, 400);
        keys = deeds = 0;
        for (const auto& [key, deed] : t.help_rows) {
            keys = std::max(keys, Width(measure, bold, key));
            deeds = std::max(deeds, Width(measure, plain, deed));
        }
        DeleteDrawingObject(bold);
        DeleteDrawingObject(plain);
        width = height + keys + height + deeds + height;
        panel_height = height * 5 / 2 + static_cast<int>(t.help_rows.size()) * (height * 5 / 4);
        if (height <= page_height / 32 ||
            (width <= page_width * 9 / 10 && panel_height <= page_height * 9 / 10))
            break;
    }
    ReturnWindowContext(page, measure);
    const int left = area.left + (page_width - width) / 2, top = area.top + (page_height - panel_height) / 2;
    *box = {left, top, left + width, top + panel_height};
    Surface* picture = CreateSurface(page, width, panel_height, kPanel);
    HDC dc = picture->context;
    HPEN border = CreateSolidPen(std::max(2, height / 10), kBorder);
    HGDIOBJ previous_pen = SelectObject(dc, border);
    HGDIOBJ previous_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 1, 1, width - 1, panel_height - 1);
    SelectObject(dc, previous_brush);
    SelectObject(dc, previous_pen);
    DeleteDrawingObject(border);
    HFONT bold = OverlayFont(height, 700), plain = OverlayFont(height, 400);
    HGDIOBJ previous_font = SelectObject(dc, bold);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, kBorder);
    DrawNarrowText(dc, width / 2, height / 2, t.help_title);
    SetTextColour(dc, kBlack);
    SetTextAlign(dc, TA_LEFT);
    int y = height / 2 + height * 3 / 2;
    for (const auto& [key, deed] : t.help_rows) {
        SelectObject(dc, bold);
        DrawNarrowText(dc, height, y, key);
        SelectObject(dc, plain);
        DrawNarrowText(dc, height + keys + height, y, deed);
        y += height * 5 / 4;
    }
    SelectObject(dc, previous_font);
    DeleteDrawingObject(bold);
    DeleteDrawingObject(plain);
    return picture;
}

Surface* DrawNote(HWND page, const RECT& area, const std::string& text, RECT* box) {
    const int page_height = area.bottom - area.top, height = std::max(8, page_height / 24);
    HFONT font = OverlayFont(height, 400);
    HDC measure = BorrowWindowContext(page);
    const int width = std::min<int>(Width(measure, font, text) + 2 * height, area.right - area.left);
    ReturnWindowContext(page, measure);
    const int note_height = height * 2, left = area.left + (area.right - area.left - width) / 2;
    const int top = area.bottom - note_height - page_height / 6;
    *box = {left, top, left + width, top + note_height};
    Surface* picture = CreateSurface(page, width, note_height, kNoteColour);
    HGDIOBJ previous = SelectObject(picture->context, font);
    PrepareText(picture->context, TA_CENTER);
    SetTextColour(picture->context, kWhite);
    DrawNarrowText(picture->context, width / 2, height / 2, text);
    SetTextColour(picture->context, kBlack);
    SelectObject(picture->context, previous);
    DeleteDrawingObject(font);
    return picture;
}

// What was made for an overlay that could not be shown is gone; its failure concerns no page.
void Forget() {
    TakeResourceFailure();
}

}  // namespace

void ToggleHelp(HWND page) {
    if (help.window != nullptr) {
        Close(help);
        return;
    }
    HideNote();
    RECT box{};
    Surface* picture = DrawHelp(page, PageArea(page), &box);
    if (!Show(help, page, box, picture, true)) Forget();
}

bool HelpShown() {
    return help.window != nullptr;
}

void ShowNote(HWND page, const std::string& text) {
    HideNote();
    RECT box{};
    Surface* picture = DrawNote(page, PageArea(page), text, &box);
    if (!Show(note, page, box, picture, false)) {
        Forget();
        return;
    }
    StartTimer(note.window, kNoteTimer, kNotePeriod);
    if (TakeResourceFailure()) Close(note);  // no timer to take it away: not shown at all
}

void HideNote() {
    Close(note);
}
