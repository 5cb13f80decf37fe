// The axial intensity screen's window: controls, the static picture, the full repaint, the animation
// step and the page navigation. Frames are composed off-screen and reach the window in one copy; the
// markers are drawn into the frame before that copy, so the window never shows a half-drawn frame and
// a plain repaint (after the window was covered) can show the last complete picture, markers included.
#include "screens/axial/axial_screen.h"

#include <algorithm>

#include "numerics/object_series.h"
#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "screens/axial/axial_animation.h"
#include "screens/axial/axial_model.h"
#include "screens/axial/axial_plot.h"
#include "screens/axial/axial_screen_state.h"
#include "screens/zones/beam_objects.h"
#include "screens/zones/formula_line.h"
#include "screens/zones/object_labels.h"
#include "screens/zones/phasor_panel.h"
#include "screens/zones/screen_buttons.h"
#include "screens/zones/zone_picture.h"
#include "shell/application.h"
#include "shell/beam_choice.h"
#include "shell/monitors.h"
#include "shell/page_messages.h"
#include "shell/page_palette.h"
#include "shell/page_window.h"
#include "shell/platform/text_fit.h"

namespace {

constexpr int kMenuId = 210;
constexpr int kStartId = 211;
constexpr int kResetId = 212;
constexpr UINT_PTR kStepTimer = 301;
constexpr UINT kStepPeriod = 100;
constexpr WPARAM kFullRepaint = 1025;
constexpr double kApertureRadius = 0.001;
constexpr ColourTriple kGreen{0, 255, 0};

AxialScreen* screen = nullptr;

// What the screen showed when it was last torn down, for the screen made again on another monitor or after a
// display change: the wavelength and the animation. The zone plate is made when it comes into the beam and
// kept while the screen is made again, so that the wavelength bar moves its focus rather than a new plate.
int last_wavelength = 600;
AxialAnimation last_animation;
numerics::BeamObject last_object = numerics::BeamObject::kAperture;
numerics::ZonePlate last_plate;

const TextSet& Texts() {
    return *app.texts;
}

// The plot and the zone picture draw the step their counters hold.
void SetDrawnStep(int k, int plot_k) {
    screen->zones->step_counter = k;
    screen->plot->step_counter = plot_k;
}

void SyncCounters() {
    SetDrawnStep(screen->animation.k, screen->animation.plot_k);
}

int WavelengthNanometres() {
    return screen->wavelength->position;
}

ColourTriple WavelengthColour() {
    unsigned char ramp[9] = {};
    numerics::FillSpectralRamp(ramp, 3, WavelengthNanometres());
    return {ramp[6], ramp[7], ramp[8]};
}

void ShowCaption() {
    SetControlCaption(screen->start->window, StartCaptionText(Texts(), screen->animation.caption));
}

// The page font's size: most texts and the buttons.
FontSize PageFontSize() {
    return {screen->layout.height * 5 / 100, screen->layout.width / 100, 1};
}

RECT ToRect(const Rect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

const std::string& RadiusPrefix() {
    return Texts().radius_prefix[ChosenObjectIndex()];
}

// The texts that depend on the plot and the wavelength, laid out with their fonts: the top of the disc's or
// the plate's intensity axis, left of it between the optical axis's end and the phasor panel's place, and the
// plate's focus in the third column of the parameters' row, clear of the radius.
void LayOutObjectTexts() {
    const AxialLayout& l = screen->layout;
    HDC dc = screen->frame->context;
    const AxialPlotModel& plot = screen->plot->model;
    const Rect panel = AxialPhasorPanel(l).box;
    screen->top_mark =
        LayOutPlotTopMark(dc, screen->window, app.page_font, PageFontSize(), ScaleTopText(plot.scale_top),
                          l.axis_x, AxialPlotTopRow(l, plot), l.zones.x1 + l.mx / 4, std::max(2, l.mx / 6),
                          {ToRect(l.plot)}, ToRect(panel));
    screen->focus_text.clear();
    if (screen->object.kind != numerics::BeamObject::kZonePlate) return;
    const LabelTextPtr focus =
        JoinLabels(MakeLabel(Texts().focal_prefix.c_str()).get(),
                   RoundedLabel(2, numerics::ZonePlateFocalDistance(screen->object.plate, plot.lambda)).get(),
                   MakeLabel(Texts().metre_unit.c_str()).get());
    screen->focus_text.assign(focus->text, focus->length);
    HGDIOBJ previous = SelectObject(dc, app.page_font);
    const int g = l.column, y = l.radius_label.y;
    const LabelTextPtr radius = JoinLabels(MakeLabel(RadiusPrefix().c_str()).get(), IntegerLabel(1).get(),
                                           MakeLabel(Texts().millimetre_unit.c_str()).get());
    const int radius_right = l.radius_label.x + NarrowTextWidth(dc, radius->text, radius->length) / 2;
    screen->focus_font = FittingFont(dc, app.page_font, PageFontSize(),
                                     {{&screen->focus_text, g / 2 + 2 * g + 6 * l.mx, y, TA_CENTER}},
                                     {radius_right + l.mx / 2, 0, l.width - l.mx / 2, l.separator_y}, {});
    SelectObject(dc, previous);
}

// A new plot and zone picture for the current wavelength; both step counters start at -1.
void BuildPlotAndZones() {
    const AxialLayout& l = screen->layout;
    const DistanceRange range = AxialDistanceRange(kApertureRadius, screen->wavelength->value);
    DestroyAxialPlot(screen->plot);
    DestroyZonePicture(screen->zones);
    screen->plot =
        CreateAxialPlot(screen->window, l.plot.width, l.my, CurrentPalette().page, screen->wavelength->value,
                        screen->object, range.z_min, range.z_max, l.plot.height, l.mx);
    screen->zones = CreateZonePicture(screen->window, l.zones.side, l.mx, l.my, CurrentPalette().page,
                                      screen->wavelength->value, screen->object, range.z_min, range.z_max,
                                      l.zones.side, l.zones);
    const int n = std::min(screen->plot->step_count, screen->zones->step_count);
    screen->plot->step_count = n;
    screen->zones->step_count = n;
    AxialRebuilt(screen->animation, n);
    SyncCounters();
    LayOutObjectTexts();
}

void DrawStatic(Surface* page) {
    const AxialLayout& l = screen->layout;
    const TextSet& t = Texts();
    HDC dc = page->context;
    PrepareText(dc, TA_CENTER);
    SelectObject(dc, screen->title_font);
    SelectObject(dc, screen->axis_pen);
    DrawNarrowText(dc, l.title.x, l.title.y, t.axial_title);
    DrawLine(dc, 0, l.separator_y, l.width, l.separator_y);
    SelectObject(dc, app.page_font);
    std::vector<PlacedLine> plot_caption = {
        {&t.axial_plot_caption_1, l.plot_caption[0].x, l.plot_caption[0].y, TA_CENTER}};
    if (!t.axial_plot_caption_2.empty())
        plot_caption.push_back(
            {&t.axial_plot_caption_2, l.plot_caption[1].x, l.plot_caption[1].y, TA_CENTER});
    DrawFittedLines(dc, app.page_font, PageFontSize(), plot_caption);
    SetTextAlign(dc, TA_LEFT);
    DrawNarrowText(dc, l.intensity_letter.x, l.intensity_letter.y, t.intensity_letter);
    SetTextAlign(dc, TA_CENTER);
    screen->caption_boxes = DrawFittedLines(
        dc, app.page_font, PageFontSize(),
        {{&t.axial_distance_caption_1[ChosenObjectIndex()], l.distance_caption[0].x, l.distance_caption[0].y,
          TA_CENTER},
         {&t.axial_distance_caption_2, l.distance_caption[1].x, l.distance_caption[1].y, TA_CENTER}},
        {0, 0, l.width, l.height});
    // The caption of the zone picture ends above the picture, left of the phasor panel's place, and keeps
    // clear of the buttons over it.
    DrawFittedLines(dc, app.page_font, PageFontSize(),
                    {{&t.object_plane[ChosenObjectIndex()], l.zone_caption.x, l.zone_caption.y, TA_CENTER}},
                    {0, 0, AxialPhasorPanel(l).box.x, l.zones.top},
                    {ToRect(l.start_button), ToRect(l.reset_button)});
    DrawLine(dc, l.axis_x, l.vertical_axis_top.y, l.axis_x, l.axis_y);
    DrawLine(dc, l.axis_x, l.axis_y, l.horizontal_axis_tip.x, l.axis_y);
    for (const Point& p : l.horizontal_arrow)
        DrawLine(dc, l.horizontal_axis_tip.x, l.horizontal_axis_tip.y, p.x, p.y);
    for (const Point& p : l.vertical_arrow)
        DrawLine(dc, l.vertical_axis_top.x, l.vertical_axis_top.y, p.x, p.y);
}

void DrawOpticalAxisLine(Surface* page) {
    const ZonePictureGeometry& g = screen->layout.zones;
    SelectObject(page->context, CurvePen());
    DrawLine(page->context, g.x0, g.y0, g.x1, g.y1);
    SelectObject(page->context, screen->axis_pen);
}

void DrawMarker(HDC dc, HBRUSH brush, Point centre) {
    HGDIOBJ previous = SelectObject(dc, brush);
    DrawEllipse(dc, centre.x - 6, centre.y - 6, centre.x + 6, centre.y + 6);
    SelectObject(dc, previous);
}

// The parameter labels over the static picture in a frame.
void DrawParameters(HDC dc) {
    const AxialLayout& l = screen->layout;
    const TextSet& t = Texts();
    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_CENTER);
    LabelTextPtr wavelength =
        JoinLabels(MakeLabel(t.wavelength_prefix.c_str()).get(), IntegerLabel(WavelengthNanometres()).get(),
                   MakeLabel(t.nanometre_unit.c_str()).get());
    DrawLabel(dc, l.wavelength_label.x, l.wavelength_label.y, wavelength.get());
    LabelTextPtr radius = JoinLabels(MakeLabel(RadiusPrefix().c_str()).get(), IntegerLabel(1).get(),
                                     MakeLabel(t.millimetre_unit.c_str()).get());
    DrawLabel(dc, l.radius_label.x, l.radius_label.y, radius.get());
    if (!screen->focus_text.empty()) {
        SelectObject(dc, screen->focus_font);
        DrawNarrowText(dc, l.column / 2 + 2 * l.column + 6 * l.mx, l.radius_label.y, screen->focus_text);
        SelectObject(dc, app.page_font);
    }
}

// The static picture, the parameters, and the plot and the zone picture for the current step, in `frame`;
// `panel`: the phasor panel will be drawn over it.
void ComposeFrame(Surface* frame, bool panel) {
    const AxialLayout& l = screen->layout;
    CopySurface(app.page_surface, frame->context, 0, 0);
    DrawParameters(frame->context);
    // Not the plot picture's blank top rows: the caption's last line may reach down over them.
    const int blank = screen->plot->model.blank_rows;
    CopyBlock(frame->context, l.plot.x, l.plot.y + blank, l.plot.width, l.plot.height - blank,
              screen->plot->picture->context, 0, blank);
    if (!panel || screen->top_mark.clear_of_panel)
        DrawPlotTopMark(frame->context, screen->top_mark, screen->axis_pen);
    CopySurface(screen->zones->composed, frame->context, l.zones.left, l.zones.top);
}

void Present(Surface* frame) {
    PresentFrame(screen->window, frame);
    screen->shown = frame;
}

void FullRepaint() {
    const AxialLayout& l = screen->layout;
    const ZonePictureGeometry& g = l.zones;
    if (screen->zones->step_counter != -1) {
        DrawAxialPlot(screen->plot);
        DrawZoneSum(screen->zones);
        // The sum text belongs to an animation step; a repaint does not show it.
        FreeLabelText(TakeSumText(screen->zones));
    }
    Surface* frame = screen->frame;
    HDC dc = frame->context;
    ComposeFrame(frame, false);

    HGDIOBJ previous_pen = SelectObject(dc, CurvePen());
    DrawLine(dc, g.x0, g.y0, l.incoming_axis_end.x, l.incoming_axis_end.y);
    DrawLine(dc, g.x0, g.y0, l.inner_axis_end.x, l.inner_axis_end.y);
    DrawLine(dc, g.x0, g.y0, l.arrow_up.x, l.arrow_up.y);
    DrawLine(dc, g.x0, g.y0, l.arrow_down.x, l.arrow_down.y);
    SelectObject(dc, previous_pen);

    HGDIOBJ previous_font = SelectObject(dc, KeptFont(l.height * 5 / 100, l.width / 100, 400, l.escapement));
    PrepareText(dc, TA_LEFT);
    DrawNarrowText(dc, l.axis_label.x, l.axis_label.y, Texts().optical_axis);
    SelectObject(dc, previous_font);

    DrawMarker(dc, screen->start_marker_brush, StartMarker(l, WavelengthNanometres()));
    screen->shown_step = -1;  // the picture before a run: no step, no phasor
    Present(frame);
}

// The phasor diagram of the object's ring sum at the sample whose height the plot's marker shows.
void DrawPhasor(HDC dc) {
    const AxialPlotModel& plot = screen->plot->model;
    const int sample = AxialPlotAt(plot, screen->plot->step_counter, screen->plot->step_count).marked_sample;
    // At a stop the diagram of its very distance: whole zones close on whole half turns.
    const double z =
        screen->zones->stop_distance > 0 ? screen->zones->stop_distance : AxialSampleDistance(plot, sample);
    const PhasorView view = ObjectPhasorView(plot.object, z, plot.lambda, 0.0);
    DrawPhasorPanel(dc, &screen->phasor_picture, AxialPhasorPanel(screen->layout), view, plot.lambda,
                    PageFontSize(), Texts().phasor_title);
}

void DrawStep() {
    const AxialLayout& l = screen->layout;
    const TextSet& t = Texts();
    DrawAxialPlot(screen->plot);
    DrawZoneSum(screen->zones);
    Surface* frame = screen->frame;
    HDC dc = frame->context;
    ComposeFrame(frame, app.phasor_panel && screen->zones->step_counter != -1);
    SelectObject(dc, app.page_font);
    PrepareText(dc, TA_LEFT);
    if (screen->zones->step_counter != -1) {
        // The lines under the zone picture keep clear of the distance caption, the number of zones and
        // the Menu button, which share their rows on narrow screens.
        std::vector<RECT> obstacles =
            DrawZoneCount(dc, app.page_font, PageFontSize(), t.zones_prefix, screen->zones->number_of_zones,
                          l.zone_count_label.x, l.zone_count_label.y);
        obstacles.insert(obstacles.end(), screen->caption_boxes.begin(), screen->caption_boxes.end());
        obstacles.push_back(ToRect(l.menu_button));
        const RECT screen_box{0, 0, l.width, l.height};
        LabelText* sum = TakeSumText(screen->zones);
        const std::string sum_text(sum->text, sum->length);
        FreeLabelText(sum);
        DrawFittedLines(dc, app.page_font, PageFontSize(), {{&sum_text, l.sum_text.x, l.sum_text.y, TA_LEFT}},
                        screen_box, obstacles);
        DrawMarker(dc, screen->start_marker_brush, StartMarker(l, WavelengthNanometres()));
        const bool stop = screen->zones->stop_distance > 0;
        DrawMarker(dc, screen->marker_brush,
                   stop ? ObservationPointAt(l, WavelengthNanometres(), screen->plot->stop_step,
                                             screen->zones->step_count)
                        : ObservationPoint(l, WavelengthNanometres(), screen->zones->step_counter,
                                           screen->zones->step_count));
        SelectObject(dc, FittingFont(dc, app.page_font, PageFontSize(),
                                     {{&t.sum_caption, l.formula_line.x, l.formula_line.y, TA_LEFT}},
                                     screen_box, obstacles));
        DrawFormulaLine(dc, l.formula_line.x, l.formula_line.y, t.sum_caption);
        SelectObject(dc, app.page_font);
        if (app.phasor_panel) DrawPhasor(dc);
    }
    screen->shown_step = screen->zones->step_counter;
    screen->shown_stop = screen->zones->stop_distance > 0;
    Present(frame);
}

// The stop at whole zones (key Z): the point exactly where they are open, between two steps of the run.
void DrawStop() {
    const AxialAnimation& a = screen->animation;
    const double z = WholeZoneDistance(screen->object.radius, screen->wavelength->value, a.stop_zones);
    SetDrawnStep(static_cast<int>(a.stop_step), static_cast<int>(a.stop_step));
    screen->zones->stop_distance = z;
    screen->plot->stop_step = a.stop_step;
    screen->plot->stop_intensity = numerics::ObjectIntensityOverDistanceSamples(
        screen->object, screen->object.radius / 1000, 0.0, screen->wavelength->value, z, 0.0, 1)[0];
    DrawStep();
    screen->zones->stop_distance = 0;
    screen->plot->stop_step = -1;
    SyncCounters();
}

// The shown step drawn again, with or without the phasor panel; nothing before a run.
void RedrawShownStep() {
    if (screen->shown_step == -1) return;
    if (screen->shown_stop && screen->animation.stop_zones != 0) return DrawStop();
    SetDrawnStep(screen->shown_step, screen->shown_step);
    DrawStep();
    SyncCounters();
}

void OnPhasorKey() {
    app.phasor_panel = !app.phasor_panel;
    RedrawShownStep();
}

void ApplyEffects(const AnimationEffects& e) {
    if (e.draw_step) {
        SetDrawnStep(e.drawn_step, e.drawn_step);
        DrawStep();
    }
    if (e.draw_stop) DrawStop();
    SyncCounters();
    if (e.start_timer) StartTimer(screen->window, kStepTimer, PacedPeriod(kStepPeriod, app.run_pace));
    if (e.stop_timer) StopTimer(screen->window, kStepTimer);
    if (e.caption_changed) ShowCaption();
    app.animation_running = screen->animation.running;
}

void OnTick() {
    ApplyEffects(AxialTick(screen->animation));
}

void OnStart() {
    ApplyEffects(AxialPressStart(screen->animation));
}

// Period and comma: a step on or back while the run stands still.
void OnStepKey(bool forward) {
    ApplyEffects(forward ? AxialStepForward(screen->animation) : AxialStepBack(screen->animation));
}

// Z: on to the next distance where a whole number of zones is open, from the point shown (the start of the
// run before it).
void OnWholeZonesKey() {
    const AxialAnimation& a = screen->animation;
    const double radius = screen->object.radius, lambda = screen->wavelength->value;
    const double z_min = screen->zones->first_distance, z_max = screen->zones->last_distance;
    const int shown = std::min(a.k - 1, a.n);
    const double z = screen->shown_stop && a.stop_zones != 0 ? WholeZoneDistance(radius, lambda, a.stop_zones)
                     : shown <= 0                            ? z_min
                                                             : (z_max - z_min) * shown / a.n + z_min;
    const int zones = NextWholeZones(radius, lambda, z, z_max);
    const double step = StepOfDistance(WholeZoneDistance(radius, lambda, zones), z_min, z_max, a.n);
    ApplyEffects(AxialRunToWholeZones(screen->animation, zones, step));
}

// Plus and minus: a running run takes its new pace at once.
void OnPaceKey() {
    if (screen->animation.running && !AxialFinished(screen->animation))
        StartTimer(screen->window, kStepTimer, PacedPeriod(kStepPeriod, app.run_pace));
}

void OnReset() {
    ApplyEffects(AxialReset(screen->animation));
    BuildPlotAndZones();
    SendMessageW(screen->window, WM_PAINT, kFullRepaint, 0);
}

void OnWavelength(WPARAM code, LPARAM control) {
    if (reinterpret_cast<HWND>(control) != screen->wavelength->window) return;
    if (!screen->animation.wavelength_enabled) return;
    if (!ApplyScrollCode(screen->wavelength, code)) return;
    BuildPlotAndZones();
    DeleteDrawingObject(screen->marker_brush);
    screen->marker_brush = CreateFillBrush(WavelengthColour());
    SendMessageW(screen->window, WM_PAINT, kFullRepaint, 0);
}

void TearDownAxialScreen() {
    last_wavelength = screen->wavelength->position;
    last_animation = screen->animation;
    last_object = screen->object.kind;
    StopTimer(screen->window, kStepTimer);
    // The surfaces go first: a font, pen or brush is deleted only once no context holds it.
    DestroyAxialPlot(screen->plot);
    DestroyZonePicture(screen->zones);
    DestroySurface(screen->frame);
    ReleaseScreenSlots();
    DeleteDrawingObject(screen->axis_pen);
    FreeScrollBarControl(screen->wavelength);
    DeleteDrawingObject(screen->title_font);
    DeleteDrawingObject(screen->marker_brush);
    DeleteDrawingObject(screen->start_marker_brush);
    FreePushButton(screen->start);
    FreePushButton(screen->reset);
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

AxialScreen* OpenAxialScreen() {
    return screen;
}

void RegisterAxialScreenClass() {
    RegisterPageClass(kAxialScreen, AxialScreenProc);
}

int CreateAxialScreen() {
    app.animation_running = false;
    HWND window = CreatePageWindow(kAxialScreen);
    if (window == nullptr) return 0;
    screen = new AxialScreen{};
    screen->window = window;
    // The plate comes with O, or with the screen opened while it is chosen: made for the wavelength shown.
    const numerics::BeamObject kind = ChosenObject();
    if (kind == numerics::BeamObject::kZonePlate &&
        !(app.rebuilding && last_object == numerics::BeamObject::kZonePlate))
        last_plate = AxialZonePlate(kApertureRadius, (app.rebuilding ? last_wavelength : 600) * 1e-9);
    screen->object = ObjectInBeam(kind, kApertureRadius, last_plate);
    EnterPage(window, TearDownAxialScreen, CreateAxialScreen);
    screen->layout = ComputeAxialLayout(app.screen_width, app.screen_height);
    const AxialLayout& l = screen->layout;

    screen->frame = CreateSurface(window, l.width, l.height, CurrentPalette().page);
    const DWORD button = WS_CHILD | WS_VISIBLE;
    app.menu_button = CreatePushButton(app.instance, window, kMenuId, button, l.menu_button.x,
                                       l.menu_button.y, l.menu_button.width, l.menu_button.height);
    screen->start = CreatePushButton(app.instance, window, kStartId, button, l.start_button.x,
                                     l.start_button.y, l.start_button.width, l.start_button.height);
    screen->reset = CreatePushButton(app.instance, window, kResetId, button, l.reset_button.x,
                                     l.reset_button.y, l.reset_button.width, l.reset_button.height);
    const Rect& w = l.wavelength_control;
    screen->wavelength = CreateScrollBarControl(w.x, w.y, w.width, w.height, 400, 700, 600, 1, window,
                                                app.instance, 1e-9, WS_CHILD | WS_VISIBLE | SBS_HORZ);

    app.page_font = CreateTextFont(l.height * 5 / 100, l.width / 100, 1);
    screen->axis_pen = CreateSolidPen(CurrentPalette().line_width, CurrentPalette().ink);
    SetAnimatedScreenButtons(screen->start, screen->reset, {l.height * 5 / 100, l.width / 100, 1});

    screen->title_font = CreateTextFont((l.height * 5 / 100) * 14 / 10, (l.width / 100) * 14 / 10, 400);
    app.page_surface = CreateSurface(window, l.width, l.height, CurrentPalette().page);
    DrawStatic(app.page_surface);
    if (app.rebuilding) SetScrollPosition(screen->wavelength, last_wavelength);
    BuildPlotAndZones();
    DrawOpticalAxisLine(app.page_surface);
    screen->marker_brush = CreateFillBrush(WavelengthColour());
    screen->start_marker_brush = CreateFillBrush(kGreen);
    if (app.rebuilding) {
        // Made again for another monitor or display mode: at the same point of the run.
        AxialRestored(screen->animation, last_animation, screen->animation.n);
        SyncCounters();
        ShowCaption();
        app.animation_running = screen->animation.running;
    }

    if (screen->animation.stop_zones != 0) {
        DrawStop();
    } else if (screen->animation.k > 0) {
        const int shown = std::min(screen->animation.k - 1, screen->animation.n);
        SetDrawnStep(shown, shown);
        DrawStep();
        SyncCounters();
    } else {
        SendMessageW(window, WM_PAINT, kFullRepaint, 0);
    }
    // The whole picture is composed: the window appears with it.
    ShowPage(window);
    return 1;
}

LRESULT CALLBACK AxialScreenProc(HWND window, UINT message, WPARAM first, LPARAM second) {
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
                    LeavePage(window, TearDownAxialScreen, OpenStartPage);
                    break;
                case kStartId:
                    OnStart();
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
            if (screen != nullptr && !IsIconic(window)) OnTick();
            return 0;
        case WM_HSCROLL:
            if (screen != nullptr) OnWavelength(first, second);
            return 0;
        case kWavelengthKeyMessage:
            // Left and Right: the wavelength bar's line arrows.
            if (screen != nullptr) OnWavelength(first, reinterpret_cast<LPARAM>(screen->wavelength->window));
            return 0;
        case kPhasorKeyMessage:
            if (screen != nullptr) OnPhasorKey();
            return 0;
        case kStepKeyMessage:
            if (screen != nullptr) OnStepKey(first != 0);
            return 0;
        case kWholeZonesKeyMessage:
            if (screen != nullptr) OnWholeZonesKey();
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
