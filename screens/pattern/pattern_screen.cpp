// The Fresnel pattern screen's window: its controls, the static picture, the full repaint that
// recomputes both frames and composes the whole picture off-screen before one copy to the window, and
// the page navigation. There is no animation: every change is drawn completely before its message
// returns.
//
// The two frame records, their images and the work surface live as long as the screen, and so does a
// pool of worker threads that share a frame's profile and pixel rows. A frame is computed from scratch
// into storage that is already there: a fresh record per repaint would cost more in first touches of new
// memory than the pixels themselves.
//
// The object in the beam is the one chosen with key O, which makes the screen again with what it showed. The
// zone plate is made when it comes into the beam, here or on another page (key O, or a screen opened with
// it chosen), for the wavelength and the distance then shown: its ring radii stay as they were while the
// bars move the observation screen through its foci, move the focus with the wavelength and cut the plate
// at another radius, and they survive the screen made again for a palette, a monitor or a display mode. A
// comparison keeps the object it was taken with, a plate with its design.
//
// A scroll step is what a lecturer drags: it changes the current frame, the parameter labels and the
// current zone count, and nothing else. The comparison frame is computed again only when its switches
// or its parameters change (the same pixels as computing it every time), and a step recomposes and
// copies to the window only the three parts that change; everything else (Compare, the switches, a new
// screen) composes the whole picture and copies it in one block.
#include "screens/pattern/pattern_screen.h"

#include <algorithm>
#include <vector>

#include "numerics/zone_geometry.h"
#include "shell/application.h"
#include "shell/beam_choice.h"
#include "shell/monitors.h"
#include "shell/page_messages.h"
#include "shell/page_palette.h"
#include "shell/page_window.h"
#include "shell/platform/resource_failures.h"
#include "shell/platform/text_fit.h"

namespace {

constexpr int kMenuId = 206;
constexpr int kProjectionId = 207;
constexpr int kPlotsId = 208;
constexpr int kCompareId = 209;
constexpr WPARAM kFullRepaint = 1025;
constexpr double kViewFactor = 1.5;

PatternScreen* screen = nullptr;

// What the screen showed when it was last torn down, for the same screen made again on another monitor or
// after a display change: the bars, the switches, the object with the plate's design, and the comparison.
// A screen that met a resource failure while it was made showed nothing, and leaves it as it was.
struct Shown {
    int positions[3];
    bool projection, plots, comparison_taken;
    numerics::BeamObject object;
    numerics::ZonePlate plate;
    double compared_wavelength, compared_distance;
    numerics::DiffractingObject compared;  // the comparison's object, its radius and a plate's design
};
Shown last_shown{};

void DrawPageText(HDC context, int x, int y, const std::string& text) {
    DrawLabel(context, x, y, MakeLabel(text.c_str()).get());
}

// A frame of the object in the beam for the controls' values as they stand, with the switches as they stand.
void RenderFromControls(PatternFrame* frame) {
    const double a = screen->aperture->value;
    RenderPattern(screen->layout.size, screen->wavelength->value, {screen->object, a, screen->plate},
                  a / 1000, screen->distance->value, kViewFactor, screen->aperture_projection, screen->plots,
                  frame, screen->workers);
}

// A comparison for the parameters and the object it was taken with, and the switches as they stand.
void RenderComparison(double lambda, const numerics::DiffractingObject& object, double z) {
    RenderPattern(screen->layout.size, lambda, object, object.radius / 1000, z, kViewFactor,
                  screen->aperture_projection, screen->plots, screen->comparison, screen->workers);
}
void RenderComparison() {
    const PatternImage& taken = screen->comparison->computed;
    RenderComparison(taken.wavelength, PatternObject(taken), taken.distance);
}

// The title, the two frame captions and the separator line, drawn once.
void DrawStatic(Surface* page) {
    const PatternLayout& l = screen->layout;
    const TextSet& t = *app.texts;
    HDC dc = page->context;
    SelectObject(dc, screen->separator_pen);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, CurrentPalette().ink);
    SelectObject(dc, screen->title_font);
    DrawPageText(dc, l.title_x, l.title_y, t.pattern_title);
    SelectObject(dc, screen->caption_font);
    DrawPageText(dc, l.comparison_caption_x, l.caption_y, t.comparison_caption);
    DrawPageText(dc, l.current_caption_x, l.caption_y, t.current_caption);
    // The line runs across the captions' top edge, drawn after them.
    SelectObject(dc, app.page_font);
    DrawLine(dc, 0, l.separator_y, l.width, l.separator_y);
}

// The labels over the bars, for the bars' positions; in the labels' font, leaving the page font selected.
void DrawParameterLabels(HDC dc) {
    const PatternLayout& l = screen->layout;
    SelectObject(dc, screen->label_font);
    DrawLabel(dc, l.wavelength_label_x, l.label_y,
              PatternWavelengthLabel(*app.texts, screen->wavelength->position).get());
    DrawLabel(dc, l.aperture_label_x, l.label_y,
              PatternApertureLabel(*app.texts, screen->aperture->position, ChosenObjectIndex()).get());
    DrawLabel(dc, l.distance_label_x, l.label_y,
              PatternDistanceLabel(*app.texts, screen->distance->position).get());
    SelectObject(dc, app.page_font);
}

std::string Text(const LabelTextPtr& label) {
    return std::string(label->text, label->length);
}

FontSize PageFontSize() {
    return {screen->layout.page_font_height, screen->layout.page_font_width, 400};
}

// The fonts of the texts that change as the bars move, chosen once for the screen: the page font where
// the widest texts fit (every digit is as wide as any other), else one shrunk just enough. The labels keep
// to their row and clear of each other (the zone plate's radius label is the longest of them); the plate's
// focus keeps within its frame, a margin from its right edge.
void ChooseChangingFonts(HDC dc) {
    const PatternLayout& l = screen->layout;
    const std::string wavelength = Text(PatternWavelengthLabel(*app.texts, screen->wavelength->position)),
                      radius = Text(
                          PatternApertureLabel(*app.texts, screen->aperture->position, ChosenObjectIndex())),
                      distance = Text(PatternDistanceLabel(*app.texts, 10000)),
                      focus = Text(PatternFocusLabel(*app.texts, 10.0));
    screen->label_font = FittingFont(dc, app.page_font, PageFontSize(),
                                     {{&wavelength, l.wavelength_label_x, l.label_y, TA_CENTER},
                                      {&radius, l.aperture_label_x, l.label_y, TA_CENTER},
                                      {&distance, l.distance_label_x, l.label_y, TA_CENTER}},
                                     {0, l.label_y, l.width, l.bar_y}, {});
    screen->focus_font =
        screen->object != numerics::BeamObject::kZonePlate
            ? app.page_font
            : FittingFont(dc, app.page_font, PageFontSize(), {{&focus, l.focus_x, l.focus_y, TA_LEFT}},
                          {l.current_left, l.frame_top, l.current_left + l.size - l.mx, l.frame_top + l.size},
                          {});
}

// "Number of zones = 4.0" under the frame whose caption stands at x; leaves the page font selected.
void DrawZoneCount(HDC dc, int x, const PatternFrame* frame) {
    SelectObject(dc, screen->caption_font);
    DrawLabel(dc, x, screen->layout.count_y,
              PatternZoneCountLabel(*app.texts, frame->computed.zone_count).get());
    SelectObject(dc, app.page_font);
}

// The comparison's right-hand column, each line ending a margin from the frame's right edge: in the page
// font where the lines keep within the frame and clear of the letters on the left, else in a font shrunk
// just enough (a kept font). Leaves the page font selected.
void DrawRightColumn(HDC dc, const std::vector<std::string>& texts, const std::vector<int>& ys,
                     const std::vector<RECT>& left) {
    const PatternLayout& l = screen->layout;
    const RECT frame{l.comparison_left, l.frame_top, l.description_right_x, l.frame_top + l.size};
    std::vector<PlacedLine> placed;
    const auto fits = [&](HFONT font) {
        SelectObject(dc, font);
        placed.clear();
        for (std::size_t i = 0; i < texts.size(); ++i)
            placed.push_back(
                {&texts[i], l.description_right_x - NarrowTextWidth(dc, texts[i]), ys[i], TA_LEFT});
        return LinesFit(dc, font, placed, frame, left);
    };
    HFONT font = app.page_font;
    const std::vector<FontSize> smaller = ShrunkFontSizes(PageFontSize());
    for (std::size_t i = 0; !fits(font) && i < smaller.size(); ++i) {
        HFONT next = KeptFont(smaller[i].height, smaller[i].width, smaller[i].weight);
        if (next == nullptr) break;
        font = next;
    }
    SelectObject(dc, font);
    for (const PlacedLine& line : placed) DrawNarrowText(dc, line.x, line.y, *line.text);
    SelectObject(dc, app.page_font);
}

// What the comparison was taken with, in white over its top corners: λ = 500 nm, R = 2.0 mm, L = 2.0 m on
// the left, each symbol a wide character of its own, and its object on the right where objects are in play.
void DescribeComparison(HDC dc) {
    const PatternLayout& l = screen->layout;
    const std::vector<ComparisonLine> lines =
        ComparisonLines(*app.texts, screen->comparison->computed, screen->object);
    SetTextColour(dc, kWhite);
    SetTextAlign(dc, TA_LEFT);
    std::vector<std::string> right;
    std::vector<int> right_ys;
    for (const ComparisonLine& line : lines) {
        if (line.right) {
            right.push_back(Text(line.text));
            right_ys.push_back(l.description_y[line.row]);
        } else {
            DrawLabel(dc, l.description_x, l.description_y[line.row], line.text.get());
        }
    }
    for (const ComparisonLine& line : lines)
        if (line.symbol != 0)
            DrawWideSymbol(dc, l.symbol_x, l.description_y[line.row], static_cast<wchar_t>(line.symbol));
    if (!right.empty()) {
        std::vector<RECT> left;
        for (const ComparisonLine& line : lines) {
            if (line.right) continue;
            const std::vector<RECT> boxes =
                TextLetterBoxes(dc, l.description_x, l.description_y[line.row], Text(line.text));
            left.insert(left.end(), boxes.begin(), boxes.end());
        }
        DrawRightColumn(dc, right, right_ys, left);
    }
    SetTextColour(dc, CurrentPalette().ink);
    SetTextAlign(dc, TA_CENTER);
    DrawZoneCount(dc, l.comparison_count_x, screen->comparison);
}

// The current frame with, for the zone plate, where its focus lies for the wavelength shown, in white over
// the frame's top left corner (the plate's dark surround, clear of the plot); leaves the text centred and
// the page font selected.
void DrawCurrentFrame(HDC dc) {
    const PatternLayout& l = screen->layout;
    TransferPatternPixels(*screen->current, dc, l.current_left, l.frame_top);
    if (screen->object != numerics::BeamObject::kZonePlate) return;
    const PatternImage& shown = screen->current->computed;
    SetTextColour(dc, kWhite);
    SetTextAlign(dc, TA_LEFT);
    SelectObject(dc, screen->focus_font);
    DrawLabel(
        dc, l.focus_x, l.focus_y,
        PatternFocusLabel(*app.texts, numerics::ZonePlateFocalDistance(shown.plate, shown.wavelength)).get());
    SelectObject(dc, app.page_font);
    SetTextColour(dc, CurrentPalette().ink);
    SetTextAlign(dc, TA_CENTER);
}

// The parts of the picture a scroll step changes: the row of labels over the bars when a bar moved (all
// three: the zone plate's radius label is wider than its bar's column and reaches over its neighbours'),
// the current frame and its zone count (from midway between the frames to the right edge).
struct StepParts {
    std::vector<RECT> labels;  // none when no bar moved
    RECT frame, count;
};

StepParts ChangedParts() {
    const PatternLayout& l = screen->layout;
    StepParts parts;
    const ScrollBarControl* bars[] = {screen->wavelength, screen->aperture, screen->distance};
    for (int i = 0; i < 3; ++i) {
        if (bars[i]->position == screen->labelled_positions[i]) continue;
        parts.labels = {{0, l.label_y, l.width, l.bar_y}};
        break;
    }
    parts.frame = {l.current_left, l.frame_top, l.current_left + l.size, l.frame_top + l.size};
    const int between = (l.comparison_left + l.size + l.current_left) / 2;
    parts.count = {between, l.count_y, l.width, std::min(l.height, l.count_y + screen->caption_height)};
    return parts;
}

void RememberLabelledPositions() {
    screen->labelled_positions[0] = screen->wavelength->position;
    screen->labelled_positions[1] = screen->aperture->position;
    screen->labelled_positions[2] = screen->distance->position;
}

// The picture after a scroll step, composed over the last one: the changed parts get the static picture
// back and are drawn again, and only they are copied to the window.
void ComposeStep() {
    const PatternLayout& l = screen->layout;
    HDC dc = screen->work->context;
    const StepParts parts = ChangedParts();
    std::vector<RECT> restored = parts.labels;  // the frame is covered whole by its new image
    restored.push_back(parts.count);
    for (const RECT& r : restored)
        CopyBlock(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, app.page_surface->context, r.left,
                  r.top);
    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, CurrentPalette().ink);
    if (!parts.labels.empty()) DrawParameterLabels(dc);
    RememberLabelledPositions();
    DrawCurrentFrame(dc);
    DrawZoneCount(dc, l.current_count_x, screen->current);
    restored.push_back(parts.frame);
    PresentFrameParts(screen->window, screen->work, restored);
}

// The whole picture composed in the work surface and copied out in one block.
void ComposeWhole() {
    const PatternLayout& l = screen->layout;
    HDC dc = screen->work->context;
    CopySurface(app.page_surface, dc, 0, 0);
    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_CENTER);
    SetTextColour(dc, CurrentPalette().ink);
    DrawParameterLabels(dc);

    DrawCurrentFrame(dc);
    // The comparison frame is black until one is taken.
    if (screen->comparison_taken) {
        TransferPatternPixels(*screen->comparison, dc, l.comparison_left, l.frame_top);
    } else {
        FillBlack(dc, l.comparison_left, l.frame_top, l.size, l.size);
    }
    if (screen->comparison_taken) DescribeComparison(dc);
    DrawZoneCount(dc, l.current_count_x, screen->current);
    RememberLabelledPositions();
    PresentFrame(screen->window, screen->work);
}

// Both frames as the controls and the switches stand, the comparison computed again only when it has
// changed; the picture recomposed where it has changed.
void FullRepaint() {
    const bool step = screen->repainted && !screen->recompose;
    RenderFromControls(screen->current);
    if (screen->comparison_stale) RenderComparison();
    screen->comparison_stale = false;
    if (step) {
        ComposeStep();
    } else {
        ComposeWhole();
    }
    screen->repainted = true;
    screen->recompose = false;
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
    screen->recompose = true;
    RequestFullRepaint();
}

void TearDownPatternScreen() {
    if (screen->whole) {
        const PatternImage& c = screen->comparison->computed;
        last_shown = {{screen->wavelength->position, screen->aperture->position, screen->distance->position},
                      screen->aperture_projection,
                      screen->plots,
                      screen->comparison_taken,
                      screen->object,
                      screen->plate,
                      c.wavelength,
                      c.distance,
                      PatternObject(c)};
    }
    // The surfaces go before the fonts and the pen: each surface selects back what it had before the
    // screen's objects, so none of them is still selected when it is deleted.
    DestroySurface(screen->work);
    ReleaseScreenSlots();
    DeleteDrawingObject(screen->caption_font);
    DeleteDrawingObject(screen->title_font);
    DeleteDrawingObject(screen->separator_pen);
    FreeScrollBarControl(screen->wavelength);
    FreeScrollBarControl(screen->aperture);
    FreeScrollBarControl(screen->distance);
    FreePushButton(screen->projection_button);
    FreePushButton(screen->plots_button);
    FreePushButton(screen->compare_button);
    DestroyPatternFrame(screen->current);
    DestroyPatternFrame(screen->comparison);
    delete screen->workers;  // its threads end here
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
            screen->comparison_stale = screen->recompose = true;
            RequestFullRepaint();
            break;
        case kPlotsId:
            screen->plots = !screen->plots;
            screen->comparison_stale = screen->recompose = true;
            RequestFullRepaint();
            break;
        case kCompareId:
            OnCompare();
            break;
        default:
            break;
    }
}

PushButton* MakeButton(HWND window, int id, DWORD extra_style, const PatternRect& r,
                       const std::string& caption) {
    PushButton* button = CreatePushButton(app.instance, window, id, WS_CHILD | WS_VISIBLE | extra_style, r.x,
                                          r.y, r.width, r.height);
    const PatternLayout& l = screen->layout;
    SetFittingButtonFont(button->window, app.page_font, {l.page_font_height, l.page_font_width, 400},
                         {&caption});
    SetControlCaption(button->window, caption);
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
    EnterPage(window, TearDownPatternScreen, CreatePatternScreen);
    screen->layout = ComputePatternLayout(app.screen_width, app.screen_height);
    const PatternLayout& l = screen->layout;
    const TextSet& t = *app.texts;
    screen->comparison_taken = false;

    app.page_font = CreateTextFont(l.page_font_height, l.page_font_width, 400);
    screen->separator_pen = CreateSolidPen(CurrentPalette().line_width, CurrentPalette().ink);
    screen->caption_font = CreateTextFont(l.caption_font_height, l.caption_font_width, 400);
    screen->caption_height = TextHeight(window, screen->caption_font);
    screen->title_font = CreateTextFont(l.title_font_height, l.title_font_width, 400);

    app.page_surface = CreateSurface(window, l.width, l.height, CurrentPalette().page);
    DrawStatic(app.page_surface);

    screen->wavelength = MakeBar(window, l.wavelength_bar_x, 400, 700, 500, 1, 1e-9);
    screen->aperture = MakeBar(window, l.aperture_bar_x, 1000, 3000, 2000, 10, 1e-6);
    screen->distance = MakeBar(window, l.distance_bar_x, 1000, 10000, 2000, 100, 0.001);

    app.menu_button = MakeButton(window, kMenuId, 0, l.menu_button, t.menu_button);
    screen->projection_button = MakeButton(window, kProjectionId, BS_MULTILINE, l.projection_button,
                                           t.projection_button[ChosenObjectIndex()]);
    screen->plots_button = MakeButton(window, kPlotsId, 0, l.plots_button, t.plots_button);
    screen->compare_button = MakeButton(window, kCompareId, 0, l.compare_button, t.compare_button);

    screen->aperture_projection = false;
    screen->plots = false;
    screen->work = CreateSurface(window, l.width, l.height, kBlack);
    // The work surface gets the page font and the caption font in turn; it gives back its own at release.
    SelectObject(screen->work->context, app.page_font);

    screen->workers = new WorkerPool(WorkerPool::WorkersForThisComputer());
    screen->current = new PatternFrame{};
    screen->comparison = new PatternFrame{};
    const Shown& s = last_shown;
    if (app.rebuilding) {
        // Made again for another monitor, display mode, palette or object: as it was.
        ScrollBarControl* bars[] = {screen->wavelength, screen->aperture, screen->distance};
        for (int i = 0; i < 3; ++i) SetScrollPosition(bars[i], s.positions[i]);
        screen->aperture_projection = s.projection;
        screen->plots = s.plots;
        screen->comparison_taken = s.comparison_taken;
    }
    // A plate that was in the beam keeps its rings; one that comes into it is made for what the bars show.
    screen->object = ChosenObject();
    const bool same_plate = app.rebuilding && s.object == numerics::BeamObject::kZonePlate;
    screen->plate =
        same_plate ? s.plate : numerics::ZonePlate{screen->wavelength->value, screen->distance->value};
    ChooseChangingFonts(screen->work->context);
    if (app.rebuilding) {
        RenderComparison(s.compared_wavelength, s.compared, s.compared_distance);
    } else {
        RenderFromControls(screen->comparison);
    }
    RenderFromControls(screen->current);

    RequestFullRepaint();
    // The whole picture is composed: the window appears with it.
    ShowPage(window);
    screen->whole = !ResourceFailurePending();
    return 1;
}

LRESULT CALLBACK PatternScreenProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    LRESULT handled = 0;
    if (HandleShellMessage(window, message, first, second, &handled)) return handled;
    switch (message) {
        case WM_PAINT:
            if (!IsOpenScreen(window)) return DefWindowProcW(window, message, first, second);
            if (first == 0) OnPaint(window);
            if (first == kFullRepaint) FullRepaint();
            return 0;
        case WM_PRINTCLIENT:
            if (IsOpenScreen(window))
                PrintPageSurface(reinterpret_cast<HDC>(first), screen->repainted ? screen->work : nullptr);
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
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        case WM_DESTROY:
            return 0;
        default:
            return DefWindowProcW(window, message, first, second);
    }
}
