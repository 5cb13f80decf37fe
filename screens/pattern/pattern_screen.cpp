// The Fresnel pattern screen's window: its controls, the static picture, the full repaint that
// recomputes both frames and composes the whole picture off-screen before one copy to the window, and
// the page navigation. There is no animation: every change is drawn completely before its message
// returns.
//
// The two frame records, their images and the work surface live as long as the screen. Every change
// still computes both frames from scratch, but into storage that is already there: a fresh record per
// repaint would cost more in first touches of new memory than the pixels themselves.
#include "screens/pattern/pattern_screen.h"

#include "shell/application.h"
#include "shell/text_fit.h"

namespace {

constexpr int kMenuId = 206;
constexpr int kProjectionId = 207;
constexpr int kPlotsId = 208;
constexpr int kCompareId = 209;
constexpr WPARAM kFullRepaint = 1025;
constexpr double kViewFactor = 1.5;

PatternScreen* screen = nullptr;

const PatternTexts& Texts() {
    return PatternTextsFor(screen->language);
}

void DrawLiteral(HDC context, int x, int y, const char* utf8) {
    DrawLabel(context, x, y, PatternLabel(utf8).get());
}

void SetCaption(PushButton* button, const char* utf8) {
    const LabelTextPtr caption = PatternLabel(utf8);
    SetControlCaption(button->window, caption->text, caption->length);
}

// A frame for the controls' values as they stand, with the switches as they stand.
void RenderFromControls(PatternFrame* frame) {
    const double a = screen->aperture->value;
    RenderPattern(screen->layout.size, screen->window, screen->wavelength->value, a, a / 1000,
                  screen->distance->value, kViewFactor, screen->aperture_projection, screen->plots, frame);
}

// The comparison again, for the parameters it was taken with and the switches as they stand.
void RenderComparison() {
    const PatternImage& taken = screen->comparison->computed;
    const double a = taken.aperture_radius;
    RenderPattern(screen->layout.size, screen->window, taken.wavelength, a, a / 1000, taken.distance,
                  kViewFactor, screen->aperture_projection, screen->plots, screen->comparison);
}

// The title, the two frame captions and the separator line, drawn once.
void DrawStatic(Surface* page) {
    const PatternLayout& l = screen->layout;
    const PatternTexts& t = Texts();
    HDC dc = page->context;
    page->saved_font = SelectObject(dc, screen->caption_font);
    page->saved_pen = SelectObject(dc, screen->separator_pen);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, kBlack);
    SelectObject(dc, screen->title_font);
    DrawLiteral(dc, l.title_x, l.title_y, t.title);
    SelectObject(dc, screen->caption_font);
    DrawLiteral(dc, l.comparison_caption_x, l.caption_y, t.comparison_caption);
    DrawLiteral(dc, l.current_caption_x, l.caption_y, t.current_caption);
    // The line runs across the captions' top edge, drawn after them.
    SelectObject(dc, app.page_font);
    DrawLine(dc, 0, l.separator_y, l.width, l.separator_y);
}

void DrawParameterLabels(HDC dc) {
    const PatternLayout& l = screen->layout;
    DrawLabel(dc, l.wavelength_label_x, l.label_y,
              PatternWavelengthLabel(screen->language, screen->wavelength->position).get());
    DrawLabel(dc, l.aperture_label_x, l.label_y,
              PatternApertureLabel(screen->language, screen->aperture->position).get());
    DrawLabel(dc, l.distance_label_x, l.label_y,
              PatternDistanceLabel(screen->language, screen->distance->position).get());
}

// "Number of zones = 4.0" under the frame whose caption stands at x; leaves the page font selected.
void DrawZoneCount(HDC dc, int x, const PatternFrame* frame) {
    SelectObject(dc, screen->caption_font);
    DrawLabel(dc, x, screen->layout.count_y,
              PatternZoneCountLabel(screen->language, frame->computed.zone_count).get());
    SelectObject(dc, app.page_font);
}

// The parameters the comparison was taken with, in white over its top left corner: λ = 500 nm,
// R = 2.0 mm, L = 2.0 m, each symbol a wide character of its own.
void DescribeComparison(HDC dc) {
    const PatternLayout& l = screen->layout;
    const PatternTexts& t = Texts();
    const PatternImage& taken = screen->comparison->computed;
    SetTextColour(dc, kWhite);
    SetTextAlign(dc, TA_LEFT);
    DrawLabel(dc, l.description_x, l.description_y[0],
              ComparisonWavelengthLabel(screen->language, taken.wavelength).get());
    DrawLabel(dc, l.description_x, l.description_y[1],
              ComparisonRadiusLabel(screen->language, taken.aperture_radius).get());
    DrawLabel(dc, l.description_x, l.description_y[2],
              ComparisonDistanceLabel(screen->language, taken.distance).get());
    DrawWideSymbol(dc, l.symbol_x, l.description_y[0], static_cast<wchar_t>(t.wavelength_symbol));
    DrawWideSymbol(dc, l.symbol_x, l.description_y[1], static_cast<wchar_t>(t.radius_symbol));
    DrawWideSymbol(dc, l.symbol_x, l.description_y[2], static_cast<wchar_t>(t.distance_symbol));
    SetTextColour(dc, kBlack);
    SetTextAlign(dc, TA_CENTER);
    DrawZoneCount(dc, l.comparison_count_x, screen->comparison);
}

// Both frames recomputed, the whole picture composed in the work surface and copied out in one block.
void FullRepaint() {
    const PatternLayout& l = screen->layout;
    HDC dc = screen->work->context;
    CopySurface(app.page_surface, dc, 0, 0);
    RenderFromControls(screen->current);
    RenderComparison();

    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, kBlack);
    DrawParameterLabels(dc);

    CopySurface(screen->current->image, dc, l.current_left, l.frame_top);
    const Surface* comparison = screen->comparison_taken ? screen->comparison->image : screen->blank;
    CopySurface(comparison, dc, l.comparison_left, l.frame_top);
    if (screen->comparison_taken) DescribeComparison(dc);
    DrawZoneCount(dc, l.current_count_x, screen->current);

    PresentFrame(screen->window, screen->work);
    screen->repainted = true;
    ++screen->full_repaints;
}

void RequestFullRepaint() {
    SendMessageW(screen->window, WM_PAINT, kFullRepaint, 0);
}

// An ordinary paint (the window was uncovered, restored, ...) shows the last complete picture: the
// work surface once a full repaint has composed it, the static page before that. Copying only the
// page would wipe both frames until the next change.
void OnPaint(HWND window) {
    PaintPageSurface(window, screen->repainted ? screen->work : nullptr);
}

void OnScroll(WPARAM code, LPARAM control) {
    const HWND bar = reinterpret_cast<HWND>(control);
    for (ScrollBarControl* c : {screen->wavelength, screen->aperture, screen->distance}) {
        if (c->window != bar) continue;
        // Page clicks, thumb releases and a thumb dragged back to its position change nothing and
        // repaint nothing; each new thumb position repaints once.
        if (ApplyScrollCode(c, code)) RequestFullRepaint();
        return;
    }
}

void OnCompare() {
    screen->comparison_taken = true;
    RenderFromControls(screen->comparison);
    RequestFullRepaint();
}

void TearDownPatternScreen() {
    // The surfaces go before the fonts and the pen: each surface selects back what it had before the
    // screen's objects, so none of them is still selected when it is deleted.
    DestroySurface(screen->work);
    ReleaseScreenSlots();
    DeleteDrawingObject(screen->caption_font);
    DeleteDrawingObject(screen->title_font);
    for (HFONT font : screen->shrunk_fonts) DeleteDrawingObject(font);
    DeleteDrawingObject(screen->separator_pen);
    FreeScrollBarControl(screen->wavelength);
    FreeScrollBarControl(screen->aperture);
    FreeScrollBarControl(screen->distance);
    FreePushButton(screen->projection_button);
    FreePushButton(screen->plots_button);
    FreePushButton(screen->compare_button);
    DestroyPatternFrame(screen->current);
    DestroyPatternFrame(screen->comparison);
    DestroySurface(screen->blank);
    delete screen;
    screen = nullptr;
}

void OnCommand(HWND window, int id) {
    switch (id) {
        case kMenuId:
            LeavePage(window, TearDownPatternScreen, OpenStartPage);
            break;
        case kProjectionId:
            screen->aperture_projection = !screen->aperture_projection;
            RequestFullRepaint();
            break;
        case kPlotsId:
            screen->plots = !screen->plots;
            RequestFullRepaint();
            break;
        case kCompareId:
            OnCompare();
            break;
        default:
            break;
    }
}

PushButton* MakeButton(HWND window, int id, DWORD extra_style, const PatternRect& r, const char* caption) {
    PushButton* button = CreatePushButton(app.instance, window, id, WS_CHILD | WS_VISIBLE | extra_style, r.x,
                                          r.y, r.width, r.height);
    const LabelTextPtr text = PatternLabel(caption);
    const std::string cp1251(text->text, text->length);
    const PatternLayout& l = screen->layout;
    if (HFONT shrunk = SetFittingButtonFont(button->window, app.page_font,
                                            {l.page_font_height, l.page_font_width, 400}, {&cp1251}))
        screen->shrunk_fonts.push_back(shrunk);
    SetCaption(button, caption);
    return button;
}

ScrollBarControl* MakeBar(HWND window, int x, int minimum, int maximum, int position, int step,
                          double scale) {
    const PatternLayout& l = screen->layout;
    return CreateScrollBarControl(x, l.bar_y, l.column_width, l.bar_height, minimum, maximum, position, step,
                                  window, app.instance, scale, WS_CHILD | WS_VISIBLE | SBS_HORZ);
}

// Messages for a window that is not the open screen's (one being destroyed after a rebuild) are left
// alone.
bool IsOpenScreen(HWND window) {
    return screen != nullptr && screen->window == window;
}

}  // namespace

PatternScreen* OpenPatternScreen() {
    return screen;
}

void RegisterPatternScreenClass() {
    RegisterPageClass(kPatternScreen, PatternScreenProc);
}

int CreatePatternScreen() {
    HWND window = CreatePageWindow(kPatternScreen);
    if (window == nullptr) return 0;
    screen = new PatternScreen{};
    screen->window = window;
    screen->layout = ComputePatternLayout(app.screen_width, app.screen_height);
    screen->language =
        app.texts->language == TextLanguage::kRussian ? PatternLanguage::kRussian : PatternLanguage::kEnglish;
    const PatternLayout& l = screen->layout;
    const PatternTexts& t = Texts();
    screen->comparison_taken = false;

    app.page_font = CreateTextFont(l.page_font_height, l.page_font_width, 400);
    screen->separator_pen = CreateSolidPen(3, kBlack);
    screen->caption_font = CreateTextFont(l.caption_font_height, l.caption_font_width, 400);
    screen->title_font = CreateTextFont(l.title_font_height, l.title_font_width, 400);

    app.page_surface = CreateSurface(window, l.width, l.height, kBackgroundColour);
    DrawStatic(app.page_surface);

    screen->wavelength = MakeBar(window, l.wavelength_bar_x, 400, 700, 500, 1, 1e-9);
    screen->aperture = MakeBar(window, l.aperture_bar_x, 1000, 3000, 2000, 10, 1e-6);
    screen->distance = MakeBar(window, l.distance_bar_x, 1000, 10000, 2000, 100, 0.001);

    app.menu_button = MakeButton(window, kMenuId, 0, l.menu_button, t.menu_button);
    screen->projection_button =
        MakeButton(window, kProjectionId, BS_MULTILINE, l.projection_button, t.projection_button);
    screen->plots_button = MakeButton(window, kPlotsId, 0, l.plots_button, t.plots_button);
    screen->compare_button = MakeButton(window, kCompareId, 0, l.compare_button, t.compare_button);

    screen->aperture_projection = false;
    screen->plots = false;
    screen->work = CreateSurface(window, l.width, l.height, kBlack);
    // The work surface gets the page font and the caption font in turn; it gives back its own at release.
    screen->work->saved_font = SelectObject(screen->work->context, app.page_font);

    screen->current = new PatternFrame{};
    screen->comparison = new PatternFrame{};
    RenderFromControls(screen->current);
    RenderFromControls(screen->comparison);
    screen->blank = CreateSurface(window, l.size, l.size, kBlack);

    ShowPage(window);
    RequestFullRepaint();
    // Under Wine the picture copied straight after the window appears can be lost while the page it
    // replaces is still being taken down; an ordinary paint shows it again.
    InvalidateRect(window, nullptr, FALSE);
    return 1;
}

LRESULT CALLBACK PatternScreenProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_PAINT:
            if (!IsOpenScreen(window)) return DefWindowProcW(window, message, first, second);
            if (first == 0) OnPaint(window);
            if (first == kFullRepaint) FullRepaint();
            return 0;
        case WM_COMMAND:
            if (IsOpenScreen(window)) OnCommand(window, LOWORD(first));
            return 0;
        case WM_HSCROLL:
            if (IsOpenScreen(window)) OnScroll(first, second);
            return 0;
        case kWavelengthKeyMessage:
            // Left and Right: the wavelength bar's line arrows.
            if (IsOpenScreen(window)) OnScroll(first, reinterpret_cast<LPARAM>(screen->wavelength->window));
            return 0;
        case WM_DISPLAYCHANGE:
            if (IsOpenScreen(window)) RebuildPage(window, TearDownPatternScreen, CreatePatternScreen);
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        case WM_DESTROY:
            return 0;
        default:
            return DefWindowProcW(window, message, first, second);
    }
}
