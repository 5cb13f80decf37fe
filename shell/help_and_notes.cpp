// The help and the notes, each a popup owned by the page, painted from a surface of its own. A help or a
// note that cannot be made for want of a resource is not shown (the help says so in a note): the page it
// would have covered is not disturbed.
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
    HWND focus = nullptr;  // the help: the window that had the keyboard before it
};
Overlay help, note;

Overlay* OverlayOf(HWND window) {
    return window == help.window ? &help : window == note.window ? &note : nullptr;
}

void Close(Overlay& overlay) {
    if (overlay.window == nullptr) return;
    HWND owner = GetWindow(overlay.window, GW_OWNER);
    // The page gets the keyboard back before the help goes, so that no other window takes it: to the
    // control that had it, whose focus mark comes back with it.
    if (&overlay == &help && owner != nullptr) {
        HWND focus = overlay.focus != nullptr && IsWindow(overlay.focus) &&
                             (overlay.focus == owner || IsChild(owner, overlay.focus))
                         ? overlay.focus
                         : owner;
        SetActiveWindow(owner);
        SetFocus(focus);
    }
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
            // A key held down repeats: only its first press hides the help.
            if ((first == VK_F1 || first == VK_ESCAPE) && (second & (1L << 30)) == 0) Close(help);
            return 0;
        case WM_CLOSE: {
            // Alt+F4 over the help ends the program, as the help itself says, as it does over the page.
            HWND owner = GetWindow(window, GW_OWNER);
            Close(help);
            if (owner != nullptr) PostMessageW(owner, WM_CLOSE, 0, 0);
            return 0;
        }
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
    // Owned by the page, not topmost: it stays over its page and goes behind another program with it.
    overlay.window =
        CreateCountedWindow(activate ? 0 : WS_EX_NOACTIVATE, kClassName, WS_POPUP, box.left, box.top,
                            box.right - box.left, box.bottom - box.top, page, nullptr, app.instance);
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

// The widths of the help's two columns in fonts of `height`.
struct HelpColumns {
    int keys = 0, deeds = 0;
};
HelpColumns MeasureHelp(HDC measure, int height) {
    HFONT bold = OverlayFont(height, 700), plain = OverlayFont(height, 400);
    HelpColumns columns;
    for (const auto& [key, deed] : app.texts->help_rows) {
        columns.keys = std::max(columns.keys, Width(measure, bold, key));
        columns.deeds = std::max(columns.deeds, Width(measure, plain, deed));
    }
    DeleteDrawingObject(bold);
    DeleteDrawingObject(plain);
    return columns;
}

// The help's picture: the title, then the keys and what they do in two columns, in the largest font that
// lets the panel fit nine tenths of the page (from a sixteenth of its height down to a thirty-second).
Surface* DrawHelp(HWND page, const RECT& area, RECT* box) {
    const TextSet& t = *app.texts;
    const int page_width = area.right - area.left, page_height = area.bottom - area.top;
    const int rows = static_cast<int>(t.help_rows.size()), smallest = page_height / 32;
    const auto panel_height = [&](int h) { return h * 5 / 2 + rows * (h * 5 / 4); };
    const auto panel_width = [](int h, HelpColumns c) { return h + c.keys + h + c.deeds + h; };
    // The panel's height needs no font; its width is measured, at as few sizes as may be: the widths
    // grow with the height, so a size too wide gives the next one to try in proportion.
    int height = page_height / 16;
    while (height > smallest && panel_height(height) > page_height * 9 / 10) --height;
    HDC measure = BorrowWindowContext(page);
    HelpColumns columns = MeasureHelp(measure, height);
    for (int wide = 0; height > smallest && panel_width(height, columns) > page_width * 9 / 10;) {
        wide = height;
        const int needed = panel_width(height, columns);
        height = std::max(smallest, std::min(height - 1, height * (page_width * 9 / 10) / needed));
        columns = MeasureHelp(measure, height);
        // A size that fits with room to spare: the sizes above it, up to the one too wide, are tried.
        while (height + 1 < wide && panel_width(height, columns) <= page_width * 9 / 10) {
            const HelpColumns larger = MeasureHelp(measure, height + 1);
            if (panel_width(height + 1, larger) > page_width * 9 / 10) break;
            ++height, columns = larger;
        }
    }
    const int keys = columns.keys, width = panel_width(height, columns);
    const int panel = panel_height(height);
    ReturnWindowContext(page, measure);
    const int left = area.left + (page_width - width) / 2, top = area.top + (page_height - panel) / 2;
    *box = {left, top, left + width, top + panel};
    Surface* picture = CreateSurface(page, width, panel, kPanel);
    HDC dc = picture->context;
    HPEN border = CreateSolidPen(std::max(2, height / 10), kBorder);
    HGDIOBJ previous_pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ previous_brush = GetCurrentObject(dc, OBJ_BRUSH);
    SelectObject(dc, border);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 1, 1, width - 1, panel - 1);
    SelectObject(dc, previous_brush);
    SelectObject(dc, previous_pen);
    DeleteDrawingObject(border);
    HFONT bold = OverlayFont(height, 700), plain = OverlayFont(height, 400);
    // What the context had (SelectObject answers null where the font could not be made).
    HGDIOBJ previous_font = GetCurrentObject(dc, OBJ_FONT);
    SelectObject(dc, bold);
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
    HWND focus = GetFocus();
    RECT box{};
    Surface* picture = DrawHelp(page, PageArea(page), &box);
    const bool shown = Show(help, page, box, picture, true);
    if (shown) help.focus = focus;
    // A font or picture of the help that could not be made spoils the help, not the page.
    if (TakeResourceFailure() || !shown) {
        if (shown) Close(help);
        ShowNote(page, app.texts->help_failed);
    }
}

bool HelpShown() {
    return help.window != nullptr;
}

bool TakeClickForHelp(const MSG& message) {
    if (help.window == nullptr) return false;
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            Close(help);
            return true;
        default:
            return false;
    }
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
