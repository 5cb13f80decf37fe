// The radial intensity screen's window: controls, static picture, full repaint, animation steps, and the
// saved step that outlives the screen. Frames are composed off-screen, markers included, and reach the
// window in one copy; an ordinary paint shows the last complete frame.
#include "screens/radial/radial_screen.h"

#include <algorithm>
#include <cmath>

#include "numerics/zone_geometry.h"
#include "screens/radial/radial_screen_state.h"
#include "screens/zones/beam_objects.h"
#include "screens/zones/formula_line.h"
#include "screens/zones/object_labels.h"
#include "screens/zones/phasor_panel.h"
#include "screens/zones/screen_buttons.h"
#include "shell/application.h"
#include "shell/beam_choice.h"
#include "shell/monitors.h"
#include "shell/page_messages.h"
#include "shell/page_palette.h"
#include "shell/page_window.h"
#include "shell/platform/text_fit.h"

namespace {

constexpr int kMenuId = 214;
constexpr int kStartId = 215;
constexpr int kResetId = 216;
constexpr UINT_PTR kStepTimer = 301;
constexpr UINT kStepPeriod = 150;
constexpr WPARAM kFullRepaint = 1025;
constexpr ColourTriple kGreen{0, 255, 0};
constexpr ColourTriple kSketchFill{230, 230, 240};

RadialScreen* screen = nullptr;

// The step the screen showed when it was torn down: made again for the same run (key O or P), it shows that
// very step, where the saved step, the next to draw, would put it one ahead.
int last_shown_step = -1;

const TextSet& Texts() {
    return *app.texts;
}

// The zone picture and the plot hold the step they draw.
void SetDrawnStep(int k) {
    screen->zones->step_counter = k;
    screen->plot->current_step = k;
}

void SyncCounters() {
    screen->zones->step_counter = screen->animation.k;
    screen->plot->current_step = screen->animation.plot_k;
}

LabelTextPtr Label(const std::string& prefix, LabelTextPtr number, const std::string& unit) {
    return JoinLabels(MakeLabel(prefix.c_str()).get(), number.get(), MakeLabel(unit.c_str()).get());
}

// The page font's size: most texts and the buttons.
FontSize PageFontSize() {
    return {screen->layout.h5, screen->layout.width / 100, 1};
}

RECT ToRect(const Rect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

// The face-on sketch's place, which the phasor panel takes while it is shown.
RECT SketchBox() {
    const RadialLayout& l = screen->layout;
    const int s = l.side;
    return {l.sketch_centre.x - s / 2, l.sketch_centre.y - s / 2, l.sketch_centre.x - s / 2 + s,
            l.sketch_centre.y - s / 2 + s};
}

void BuildPlotAndZones() {
    const RadialLayout& l = screen->layout;
    DestroyRadialPlot(screen->plot);
    DestroyZonePicture(screen->zones);
    screen->plot = CreateRadialPlot(screen->window, l.plot_width, l.plot_height, l.mx, l.my,
                                    CurrentPalette().page, kRadialWavelength, screen->object, screen->z);
    screen->zones = CreateRadialZonePicture(screen->window, l.side, l.mx, l.my, CurrentPalette().page,
                                            kRadialWavelength, screen->object, l.side, screen->z,
                                            RadialZonePictureGeometry(l.width, l.height));
    const int last = std::min(screen->plot->total_steps, screen->zones->step_count);
    screen->plot->total_steps = last;
    screen->zones->step_count = last;
    // The top of the disc's or the plate's intensity axis, left of it beside the sketch or the panel.
    const Rect panel = RadialPhasorPanel(l).box;
    const RECT sketch = SketchBox();
    screen->top_mark = LayOutPlotTopMark(
        screen->frame->context, screen->window, app.page_font, PageFontSize(),
        ScaleTopText(screen->plot->model.scale_top), l.axis_x, RadialPlotTopRow(l, screen->plot->model),
        sketch.right + l.mx / 6, std::max(2, l.mx / 6), {sketch}, ToRect(panel));
}

void DrawStatic(Surface* page) {
    const RadialLayout& l = screen->layout;
    const TextSet& t = Texts();
    HDC dc = page->context;
    PrepareText(dc, TA_CENTER);
    SelectObject(dc, screen->title_font);
    SelectObject(dc, screen->axis_pen);
    DrawNarrowText(dc, l.title.x, l.title.y, t.radial_title);
    SelectObject(dc, app.page_font);

    SetTextAlign(dc, TA_LEFT);
    DrawLabel(dc, l.wavelength_label.x, l.wavelength_label.y,
              Label(t.wavelength_prefix, IntegerLabel(screen->wavelength->position), t.nanometre_unit).get());
    const LabelTextPtr radius = Label(t.radius_prefix[ChosenObjectIndex()],
                                      FixedLabel(1, screen->radius->value / 0.001), t.millimetre_unit);
    if (screen->object.kind == numerics::BeamObject::kAperture) {
        DrawLabel(dc, l.radius_label.x, l.radius_label.y, radius.get());
        DrawLabel(dc, l.distance_label.x, l.distance_label.y,
                  Label(t.distance_prefix, FixedLabel(1, screen->z), t.metre_unit).get());
    } else {
        // The disc's and the plate's longer names share the row in a font in which they keep apart; with the
        // plate the observation screen stands at its focus, and the focus is said over it.
        const bool plate = screen->object.kind == numerics::BeamObject::kZonePlate;
        const LabelTextPtr distance =
            plate ? Label(t.focus_screen_prefix, RoundedLabel(1, screen->z), t.metre_unit)
                  : Label(t.distance_prefix, FixedLabel(1, screen->z), t.metre_unit);
        const LabelTextPtr focus =
            Label(t.focal_prefix,
                  RoundedLabel(1, numerics::ZonePlateFocalDistance(screen->object.plate, kRadialWavelength)),
                  t.metre_unit);
        const std::string texts[] = {std::string(radius->text, radius->length),
                                     std::string(distance->text, distance->length),
                                     std::string(focus->text, focus->length)};
        std::vector<PlacedLine> lines = {{&texts[0], l.radius_label.x, l.radius_label.y, TA_LEFT},
                                         {&texts[1], l.distance_label.x, l.distance_label.y, TA_LEFT}};
        if (plate) lines.push_back({&texts[2], l.distance_label.x, (5 * l.my) / 2, TA_LEFT});
        // A word's space at least between the radius and the distance: a band left of the distance's start
        // that the radius keeps out of.
        const int gap = std::max(2, PageFontSize().height / 4);
        const RECT between{l.distance_label.x - gap, l.radius_label.y, l.distance_label.x - 1,
                           l.radius_label.y + PageFontSize().height};
        DrawFittedLines(dc, app.page_font, PageFontSize(), lines, {0, 0, l.width - l.mx / 2, l.band},
                        {between});
        SelectObject(dc, app.page_font);
    }
    DrawLine(dc, 0, l.band, l.width, l.band);

    SetTextAlign(dc, TA_CENTER);
    std::vector<PlacedLine> heading = {
        {&t.radial_plot_heading_1, l.plot_heading[0].x, l.plot_heading[0].y, TA_CENTER}};
    if (!t.radial_plot_heading_2.empty())
        heading.push_back({&t.radial_plot_heading_2, l.plot_heading[1].x, l.plot_heading[1].y, TA_CENTER});
    DrawFittedLines(dc, app.page_font, PageFontSize(), heading);
    screen->caption_boxes =
        DrawFittedLines(dc, app.page_font, PageFontSize(),
                        {{&t.radial_plot_caption_1, l.plot_caption[0].x, l.plot_caption[0].y, TA_CENTER},
                         {&t.radial_plot_caption_2, l.plot_caption[1].x, l.plot_caption[1].y, TA_CENTER}});
    SetTextAlign(dc, TA_LEFT);
    DrawNarrowText(dc, l.intensity_letter.x, l.intensity_letter.y, t.intensity_letter);
    SetTextAlign(dc, TA_CENTER);
    DrawLine(dc, l.axis_x, l.axis_top_y, l.axis_x, l.axis_y);
    DrawLine(dc, l.axis_x, l.axis_y, l.axis_end_x, l.axis_y);
    for (const Point& p : l.horizontal_arrow) DrawLine(dc, l.axis_end_x, l.axis_y, p.x, p.y);
    for (const Point& p : l.vertical_arrow) DrawLine(dc, l.axis_x, l.axis_top_y, p.x, p.y);
}

// The caption of the zone picture ends above the picture and keeps clear of the buttons over it.
void DrawApertureCaption(Surface* page) {
    const RadialLayout& l = screen->layout;
    DrawFittedLines(
        page->context, app.page_font, PageFontSize(),
        {{&Texts().object_plane[ChosenObjectIndex()], l.aperture_caption.x, l.aperture_caption.y, TA_CENTER}},
        {0, 0, l.width, l.zone_centre.y - l.side / 2}, {ToRect(l.start_button), ToRect(l.reset_button)});
}

// The observation screen face-on: two axes crossing at its centre, each with an arrow head.
Surface* MakeSketch() {
    const RadialLayout& l = screen->layout;
    const int s = l.side, mx = l.mx, my = l.my;
    Surface* sketch = CreateSurface(screen->window, s, s, kSketchFill);
    HDC dc = sketch->context;
    HGDIOBJ previous_pen = SelectObject(dc, InkPen());
    DrawLine(dc, s / 2, 0, s / 2, s);
    DrawLine(dc, 0, s / 2, s, s / 2);
    DrawLine(dc, s / 2, 0, s / 2 - mx / 4, my);
    DrawLine(dc, s / 2, 0, s / 2 + mx / 4, my);
    DrawLine(dc, s, s / 2, s - mx, s / 2 - my / 4);
    DrawLine(dc, s, s / 2, s - mx, s / 2 + my / 4);
    SelectObject(dc, previous_pen);
    return sketch;
}

void Present(Surface* frame) {
    PresentFrame(screen->window, frame);
    screen->shown = frame;
}

void CopyZonePicture(HDC dc) {
    const RadialLayout& l = screen->layout;
    CopySurface(screen->zones->composed, dc, l.zone_centre.x - l.side / 2, l.zone_centre.y - l.side / 2);
}

// The plot picture without its blank top margin (strip height hc below my rows of background): that
// margin lies over the foot of the axis letter "I" and the tip of the axis's arrow, which stay whole.
void CopyPlot(HDC dc) {
    const RadialLayout& l = screen->layout;
    const RadialPlot& plot = *screen->plot;
    const int margin = plot.model.height - plot.model.strip_height;
    CopyBlock(dc, l.plot_origin.x, l.plot_origin.y + margin, plot.model.width, plot.model.strip_height,
              plot.composed->context, 0, margin);
    DrawPlotTopMark(dc, screen->top_mark, screen->axis_pen);
}

void FullRepaint() {
    const RadialLayout& l = screen->layout;
    const Point z = l.zone_centre;
    Surface* frame = screen->frame;
    HDC dc = frame->context;
    CopySurface(app.page_surface, dc, 0, 0);
    if (screen->zones->step_counter != -1) {
        DrawRadialPlot(screen->plot);
        DrawRadialZoneSum(screen->zones);
        FreeLabelText(TakeSumText(screen->zones));  // the sum belongs to an animation step
    }
    CopyPlot(dc);
    HGDIOBJ previous_pen = SelectObject(dc, screen->optical_axis_pen);
    if (screen->zones->step_counter == -1) DrawLine(dc, z.x, z.y, l.fresh_axis_end.x, l.fresh_axis_end.y);
    CopyZonePicture(dc);
    for (const Point& end : {l.incoming_axis_end, l.inner_axis_end, l.arrow_up, l.arrow_down})
        DrawLine(dc, z.x, z.y, end.x, end.y);
    SelectObject(dc, previous_pen);

    HGDIOBJ previous_font = SelectObject(dc, KeptFont(l.h5, l.width / 100, 400, l.escapement));
    PrepareText(dc, TA_CENTER);
    DrawNarrowText(dc, l.axis_label.x, l.axis_label.y, Texts().optical_axis);
    SelectObject(dc, previous_font);
    screen->shown_step = -1;  // the picture before a run: no step, no phasor
    Present(frame);
}

// The phasor diagram of the object's ring sum at the sample the plot's marker rides on.
void DrawPhasor(HDC dc, int k, const PhasorPanelLayout& panel) {
    const RadialPlotModel& plot = screen->plot->model;
    const int sample = RadialMarkedSample(plot, k, screen->animation.last);
    const PhasorView view =
        ObjectPhasorView(plot.object, plot.z, plot.lambda, RadialSampleRadius(plot, sample));
    DrawPhasorPanel(dc, &screen->phasor_picture, panel, view, plot.lambda, PageFontSize(),
                    Texts().phasor_title);
}

void DrawStep(int k) {
    const RadialLayout& l = screen->layout;
    const TextSet& t = Texts();
    const int s = l.side;
    const Point z = l.zone_centre, c = l.sketch_centre;
    SetDrawnStep(k);
    if (k != -1) {
        DrawRadialPlot(screen->plot);
        DrawRadialZoneSum(screen->zones);
    }
    Surface* frame = screen->frame;
    HDC dc = frame->context;
    // With the phasor panel shown, the panel takes the face-on sketch's place (the plot shows the same
    // offset): the sketch, its caption and the point of observation on it give way.
    const bool panel = app.phasor_panel && k != -1;
    const PhasorPanelLayout phasor_panel = RadialPhasorPanel(l);
    CopySurface(app.page_surface, dc, 0, 0);
    CopyPlot(dc);
    if (!panel) CopySurface(screen->sketch, dc, c.x - s / 2, c.y - s / 2);
    HGDIOBJ previous_pen = SelectObject(dc, screen->optical_axis_pen);
    DrawLine(dc, z.x, z.y, c.x, c.y);
    SelectObject(dc, previous_pen);
    CopyZonePicture(dc);
    if (panel) DrawPhasor(dc, k, phasor_panel);

    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_LEFT);
    // The lines under the zone picture keep clear of the sketch and its labels, the plot's caption and
    // the Menu button, which share their rows on narrow screens.
    std::vector<RECT> obstacles = screen->caption_boxes;
    obstacles.push_back(ToRect(l.menu_button));
    const Rect& p = phasor_panel.box;
    obstacles.push_back(panel ? RECT{p.x, p.y, p.x + p.width, p.y + p.height}
                              : RECT{c.x - s / 2, c.y - s / 2, c.x - s / 2 + s, c.y - s / 2 + s});
    const RECT screen_box{0, 0, l.width, l.height};
    if (k != -1) {
        // A whole number of zones shares its font with the sketch's caption; the disc's infinitely many
        // zones are drawn after it, clear of it.
        const double count = screen->zones->number_of_zones;
        const bool finite = std::isfinite(count);
        const LabelTextPtr zones =
            Label(t.zones_prefix, IntegerLabel(finite ? static_cast<int>(count) : 0), "");
        const std::string zones_text(zones->text, zones->length);
        std::vector<PlacedLine> labels;
        if (finite) labels.push_back({&zones_text, l.zone_count_label.x, l.zone_count_label.y, TA_CENTER});
        if (!panel) labels.push_back({&t.screen_label, l.screen_label.x, l.screen_label.y, TA_CENTER});
        if (!labels.empty())
            for (const RECT& box : DrawFittedLines(dc, app.page_font, PageFontSize(), labels))
                obstacles.push_back(box);
        if (!finite)
            for (const RECT& box : DrawZoneCount(dc, app.page_font, PageFontSize(), t.zones_prefix, count,
                                                 l.zone_count_label.x, l.zone_count_label.y, obstacles))
                obstacles.push_back(box);
        LabelText* sum = TakeSumText(screen->zones);
        const std::string sum_text(sum->text, sum->length);
        FreeLabelText(sum);
        DrawFittedLines(dc, app.page_font, PageFontSize(), {{&sum_text, l.sum_text.x, l.sum_text.y, TA_LEFT}},
                        screen_box, obstacles);
    }
    SelectObject(dc, FittingFont(dc, app.page_font, PageFontSize(),
                                 {{&t.sum_caption, l.formula_line.x, l.formula_line.y, TA_LEFT}}, screen_box,
                                 obstacles));
    DrawFormulaLine(dc, l.formula_line.x, l.formula_line.y, t.sum_caption);
    SelectObject(dc, app.page_font);

    // The two markers, outlined with the frame's plain pen.
    HGDIOBJ previous_brush = SelectObject(dc, screen->marker_brush);
    const int last = screen->animation.last;
    const Box point = ObservationPointBox(l, k, last);
    if (!panel) DrawEllipse(dc, point.left, point.top, point.right, point.bottom);
    const Box marker = RadialPlotMarkerBox(l, screen->plot->model, k, last);
    DrawEllipse(dc, marker.left, marker.top, marker.right, marker.bottom);
    SelectObject(dc, previous_brush);
    screen->shown_step = k;
    Present(frame);
}

void OnPhasorKey() {
    app.phasor_panel = !app.phasor_panel;
    // The shown step again, with or without the panel; the picture before a run has neither.
    if (screen->shown_step != -1) {
        DrawStep(screen->shown_step);
        SyncCounters();
    }
}

void ApplyEffects(const AnimationEffects& e) {
    if (e.draw_step) DrawStep(e.drawn_step);
    SyncCounters();
    if (e.start_timer) StartTimer(screen->window, kStepTimer, PacedPeriod(kStepPeriod, app.run_pace));
    if (e.stop_timer) StopTimer(screen->window, kStepTimer);
    if (e.caption_changed)
        SetControlCaption(screen->start->window, StartCaptionText(Texts(), screen->animation.caption));
    app.animation_running = screen->animation.running;
}

// Period and comma: a step on or back from the step shown, while the run stands still.
void OnStepKey(bool forward) {
    RadialAnimation& a = screen->animation;
    ApplyEffects(forward ? RadialStepForward(a, screen->shown_step) : RadialStepBack(a, screen->shown_step));
}

// Plus and minus: a running run takes its new pace at once.
void OnPaceKey() {
    if (screen->animation.running && !screen->animation.ended)
        StartTimer(screen->window, kStepTimer, PacedPeriod(kStepPeriod, app.run_pace));
}

void OnReset() {
    ApplyEffects(RadialReset(screen->animation));
    BuildPlotAndZones();
    screen->animation.last = screen->plot->total_steps;
    SyncCounters();
    SendMessageW(screen->window, WM_PAINT, kFullRepaint, 0);
}

void TearDownRadialScreen() {
    // The step outlives the screen: Menu, a move to another monitor and a display change keep it.
    RadialSavedStep() = screen->animation.k;
    RadialSavedSteps() = screen->animation.last;
    last_shown_step = screen->shown_step;
    StopTimer(screen->window, kStepTimer);
    // The surfaces go first: a font, pen or brush is deleted only once no context holds it.
    DestroySurface(screen->frame);
    DestroySurface(screen->sketch);
    DestroyRadialPlot(screen->plot);
    DestroyZonePicture(screen->zones);
    ReleaseScreenSlots();
    for (HGDIOBJ object : std::initializer_list<HGDIOBJ>{screen->title_font, screen->axis_pen,
                                                         screen->optical_axis_pen, screen->marker_brush})
        DeleteDrawingObject(object);
    FreePushButton(screen->start);
    FreePushButton(screen->reset);
    FreeScrollBarControl(screen->wavelength);
    FreeScrollBarControl(screen->radius);
    app.animation_running = false;
    delete screen;
    screen = nullptr;
}

void OnPaint(HWND window, WPARAM first) {
    if (first == kFullRepaint) {
        if (screen != nullptr) FullRepaint();
        return;
    }
    if (first != 0) return;
    // The last complete picture: the static page until a frame has been shown.
    PaintPageSurface(window, screen != nullptr ? screen->shown : nullptr);
}

}  // namespace

RadialScreen* OpenRadialScreen() {
    return screen;
}

void RegisterRadialScreenClass() {
    RegisterPageClass(kRadialScreen, RadialScreenProc);
}

int CreateRadialScreen() {
    app.animation_running = false;
    HWND window = CreatePageWindow(kRadialScreen);
    if (window == nullptr) return 0;
    screen = new RadialScreen{};
    screen->window = window;
    EnterPage(window, TearDownRadialScreen, CreateRadialScreen);
    screen->layout = ComputeRadialLayout(app.screen_width, app.screen_height);
    const RadialLayout& l = screen->layout;

    const DWORD button = WS_CHILD | WS_VISIBLE;
    app.menu_button = CreatePushButton(app.instance, window, kMenuId, button, l.menu_button.x,
                                       l.menu_button.y, l.menu_button.width, l.menu_button.height);
    screen->start = CreatePushButton(app.instance, window, kStartId, button, l.start_button.x,
                                     l.start_button.y, l.start_button.width, l.start_button.height);
    screen->reset = CreatePushButton(app.instance, window, kResetId, button, l.reset_button.x,
                                     l.reset_button.y, l.reset_button.width, l.reset_button.height);
    app.page_font = CreateTextFont(l.h5, l.width / 100, 1);
    screen->axis_pen = CreateSolidPen(CurrentPalette().line_width, CurrentPalette().ink);
    SetAnimatedScreenButtons(screen->start, screen->reset, {l.h5, l.width / 100, 1});

    screen->frame = CreateSurface(window, l.width, l.height, CurrentPalette().page);
    app.page_surface = CreateSurface(window, l.width, l.height, CurrentPalette().page);
    screen->title_font = CreateTextFont(l.h5 * 14 / 10, (l.width / 100) * 14 / 10, 400);

    // The parameters sit in hidden controls: the lecture cannot change them.
    const Rect& w = l.wavelength_control;
    screen->wavelength = CreateScrollBarControl(w.x, w.y, w.width, w.height, 400, 700, 500, 1, window,
                                                app.instance, 1e-9, WS_CHILD);
    const Rect& r = l.radius_control;
    screen->radius = CreateScrollBarControl(r.x, r.y, r.width, r.height, 1000, 3000, 2000, 10, window,
                                            app.instance, 1e-6, WS_CHILD);
    screen->object = RadialObject(ChosenObject());
    screen->z = RadialObjectDistance(screen->object);
    DrawStatic(app.page_surface);

    BuildPlotAndZones();
    RadialCreated(screen->animation, screen->plot->total_steps);
    if (app.rebuilding && screen->animation.k != -1) {
        // Made again mid-run (P, M, O, another display): paused where it stood; Continue goes on.
        screen->animation.caption = StartCaption::kContinue;
        SetControlCaption(screen->start->window, StartCaptionText(Texts(), screen->animation.caption));
    }
    SyncCounters();
    DrawApertureCaption(app.page_surface);
    screen->sketch = MakeSketch();
    screen->marker_brush = CreateFillBrush(kGreen);
    screen->optical_axis_pen = CreateSolidPen(CurrentPalette().line_width, CurrentPalette().curve);

    if (screen->animation.k == -1) {
        SendMessageW(window, WM_PAINT, kFullRepaint, 0);
    } else if (app.rebuilding && last_shown_step >= 0 && last_shown_step == screen->animation.k - 1 &&
               RadialSavedSteps() == screen->animation.last) {
        DrawStep(last_shown_step);
        SyncCounters();
    } else {
        SendMessageW(window, WM_TIMER, kRedrawStep, 0);  // the saved step, drawn without advancing
    }
    // The whole picture is composed: the window appears with it.
    ShowPage(window);
    return 1;
}

LRESULT CALLBACK RadialScreenProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    LRESULT handled = 0;
    if (HandleShellMessage(window, message, first, second, &handled)) return handled;
    switch (message) {
        case WM_PAINT:
            OnPaint(window, first);
            return 0;
        case WM_PRINTCLIENT:
            PrintPageSurface(reinterpret_cast<HDC>(first), screen != nullptr ? screen->shown : nullptr);
            return 0;
        case WM_COMMAND:
            if (screen == nullptr) return 0;
            switch (LOWORD(first)) {
                case kMenuId:
                    LeavePage(window, TearDownRadialScreen, OpenStartPage);
                    break;
                case kStartId:
                    ApplyEffects(RadialPressStart(screen->animation));
                    break;
                case kResetId:
                    OnReset();
                    break;
                default:
                    break;
            }
            return 0;
        case WM_TIMER:
            // A minimised screen's run waits: restored, it goes on from the step it showed.
            if (screen != nullptr && !(first == kStepTimer && IsIconic(window)))
                ApplyEffects(RadialTick(screen->animation, static_cast<int>(first)));
            return 0;
        case kPhasorKeyMessage:
            if (screen != nullptr) OnPhasorKey();
            return 0;
        case kStepKeyMessage:
            if (screen != nullptr) OnStepKey(first != 0);
            return 0;
        case kPaceKeyMessage:
            if (screen != nullptr) OnPaceKey();
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
