// Every page of both programs on every screen size a lecture may meet, reached by a display change while the
// page is open: there it draws to scale and works, and its texts, at their Windows widths, fit and keep clear
// (as the checks below say). Menu then leaves the start page's counts.
#include <cmath>
#include <functional>

#include "shell/text/cp1251.h"
#include "tests/page_driver.h"

namespace {

using Pictures = std::vector<std::pair<RECT, const char*>>;

RECT Square(int x, int y, int side) {
    return {x, y, x + side, y + side};
}
bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Within(const RECT& in, const RECT& out) {
    return in.left >= out.left && in.right <= out.right && in.top >= out.top && in.bottom <= out.bottom;
}
// The pattern screen's two frames.
Pictures PatternFrames(const PatternLayout& l) {
    return {{Square(l.comparison_left, l.frame_top, l.size), "the comparison frame"},
            {Square(l.current_left, l.frame_top, l.size), "the current frame"}};
}

// Each visible button's caption (the box DrawText needs for its lines in the button's font) fits within it
// less the 4 pixels left and right and 2 at the top and bottom where its edge and focus frame are drawn.
void ExpectCaptionsFit(HWND page) {
    for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c) || _wcsicmp(ClassOf(c).c_str(), L"button") != 0) continue;
        RECT r{}, text{};
        GetClientRect(c, &r);
        HDC dc = GetDC(c);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
        DrawTextW(dc, Caption(c).c_str(), -1, &text, DT_CALCRECT | DT_NOPREFIX);
        EXPECT_TRUE(text.right <= r.right - 8 && text.bottom <= r.bottom - 4) << Caption(c);
        SelectObject(dc, previous);
        ReleaseDC(c, dc);
    }
}

// The texts a surface shows keep clear of each other (their letters), of the visible controls and of the
// screen's edges, lie off each picture or wholly on it, and are not cut by a picture copied over them.
void ExpectTextsClear(HWND page, const Surface* shown, const Pictures& pictures = {}) {
    const std::vector<DrawnText> texts = TextsShownOn(shown->context);
    EXPECT_FALSE(texts.empty());
    for (auto t = texts.begin(); t != texts.end(); ++t) {
        EXPECT_TRUE(!t->cut && !t->hidden && Within(t->ink, {0, 0, shown->width, shown->height}))
            << t->text << (t->hidden ? " hidden under a picture" : " cut or off");
        for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT box{};
            GetWindowRect(c, &box);
            EXPECT_FALSE(IsWindowVisible(c) && Overlap(t->ink, box)) << t->text << " overlaps " << Caption(c);
        }
        for (const auto& [box, what] : pictures)
            EXPECT_TRUE(!Overlap(t->ink, box) || Within(t->ink, box)) << t->text << " lies across " << what;
        for (auto u = t + 1; u != texts.end() && t->text != L"\u03A3"; ++u)
            for (const RECT& a : t->letters)
                for (const RECT& b : u->letters)
                    EXPECT_FALSE(u->text != L"\u03A3" && Overlap(a, b)) << t->text << " overlaps " << u->text;
    }
}

// What the axial and the radial screen share. The sum sign stands in the spaces after the formula line's "=":
// at least a third of its width clear on each side between it and the "=" and the next letter, by the
// letters' places as GDI put them and by the frame's pixels in those columns below `free_y` (above lies the
// picture over the line). Start and Reset, side by side, show their captions in one font. The texts keep
// clear of the phasor panel (key V) in its box's place of the last picture; then the panel goes again.
template <typename Screen>
void ExpectSumFontAndPanel(HWND page, const Screen* s, const Pictures& pictures, int free_y, Rect box) {
    const Surface* shown = s->shown;
    const std::string& caption = app.texts->sum_caption;
    const std::u16string text16 = Cp1251ToUtf16(caption.data(), static_cast<int>(caption.size()));
    const std::wstring text(text16.begin(), text16.end());
    DrawnText line{}, sign{}, other{};
    for (const DrawnText& t : TextsShownOn(shown->context))
        (t.text == text ? line : t.text == L"\u03A3" ? sign : other) = t;
    ASSERT_TRUE(!line.letters.empty() && !sign.letters.empty()) << "no formula line or no sum sign";
    const SumSignGap gap = FindSumSignGap(caption);
    const auto letter = [&](int at) {
        return line.letters.at(at - std::count(text.begin(), text.begin() + at, L' '));
    };
    const int third = (sign.ink.right - sign.ink.left + 2) / 3;
    EXPECT_GE(sign.ink.left - letter(gap.equals_end - 1).right, third) << "too little room after the \"=\"";
    EXPECT_GE(letter(gap.gap_end).left - sign.ink.right, third) << "too little room before the next letter";
    const int top = std::max<int>(free_y, line.ink.top);
    for (int x : {sign.ink.left - 1, sign.ink.right})
        for (ColourTriple c : Block(shown->context, x, top, 1, line.ink.bottom - top))
            ASSERT_EQ(c, kBackgroundColour) << "ink beside the sum sign at x = " << x;
    LOGFONTW a{}, b{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(s->start->window, WM_GETFONT, 0, 0)), sizeof a, &a);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(s->reset->window, WM_GETFONT, 0, 0)), sizeof b, &b);
    EXPECT_TRUE(a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth) << "Start and Reset in different fonts";
    SendMessageW(page, kPhasorKeyMessage, 0, 0);
    const RECT panel{box.x, box.y, box.x + box.width, box.y + box.height};
    ExpectTextsClear(page, shown, {pictures[0], pictures[1], {panel, "the panel"}});
    SendMessageW(page, kPhasorKeyMessage, 0, 0);
}

// Zones to scale in a square picture: along the row through its centre the colour changes at the edge of
// zone m, sqrt(m/N) of the aperture's radius out (N zones cover it), within 2 % or a pixel, and last at the
// aperture's edge, within a pixel.
void ExpectZonesToScale(const Surface* picture, double covering_zones, int full_zones) {
    const int side = picture->width;
    const Pixels row = Block(picture->context, 0, side / 2, side, 1);
    std::vector<double> edges;
    for (int x = side / 2 + 1; x < side; ++x)
        if (row[x] != row[x - 1]) edges.push_back(x - side / 2.0);
    ASSERT_EQ(static_cast<int>(edges.size()), full_zones + 1) << "zone edges and the aperture's edge";
    for (int m = 1; m <= full_zones + 1; ++m) {
        const double expected = (side - 2 * (side / 12)) / 2.0 * std::sqrt(std::min(1.0, m / covering_zones));
        EXPECT_NEAR(edges[m - 1], expected, m > full_zones ? 1.0 : std::max(0.02 * expected, 1.0)) << m;
    }
}

class ScreenSizes : public Program<::testing::TestWithParam<TextLanguage>> {
protected:
    // Opens a page with its button (the start page itself with 0) at the last size, checks it at each size in
    // turn, reached by a display change; then Menu.
    void Tour(int button, const std::function<void(HWND, LectureSize)>& check) {
        app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
        RecordDrawnTexts(true);
        ChangeDisplay(OnlyPage(), *std::rbegin(kLectureSizes));  // in this program's texts
        start_counts_ = LiveObjectCounts();
        HWND page = button != 0 ? Open(button) : OnlyPage();
        for (LectureSize size : kLectureSizes) {
            SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
            ASSERT_NE(page = ChangeDisplay(page, size), nullptr);
            check(page, size);
            ExpectCaptionsFit(page);
        }
        EXPECT_EQ(ClassOf(button != 0 ? Open(app.menu_button->id) : page), app.class_names[kStartPage]);
        EXPECT_EQ(LiveObjectCounts(), start_counts_);
    }
};

Pictures HeaderPictures(const PageHeaderLayout& h) {
    return {{Square(h.left_emblem_x, h.emblem_y, h.S), "an emblem"},
            {Square(h.right_emblem_x, h.emblem_y, h.S), "an emblem"}};
}

TEST_P(ScreenSizes, StartAndAuthorsPages) {
    Tour(0, [](HWND page, LectureSize size) {
        ExpectTextsClear(page, app.page_surface,
                         HeaderPictures(ComputeStartPageLayout(size.width, size.height, *app.texts).header));
    });
    Tour(kAuthorsButton, [](HWND page, LectureSize size) {
        const AuthorsPageLayout a = ComputeAuthorsPageLayout(size.width, size.height, *app.texts);
        Pictures pictures = HeaderPictures(a.header);
        for (int x : {a.left_portrait_x, a.right_portrait_x})
            pictures.push_back(
                {{x, a.portrait_y, x + a.portrait_width, a.portrait_y + a.portrait_height}, "a portrait"});
        ExpectTextsClear(page, app.page_surface, pictures);
    });
}

TEST_P(ScreenSizes, PatternScreen) {
    Tour(kPatternButton, [](HWND page, LectureSize) {
        PatternScreen* s = OpenPatternScreen();
        const PatternLayout& l = s->layout;
        const int side = l.size;
        ExpectTextsClear(page, s->work, PatternFrames(l));
        // What the last size showed is kept through the change.
        EXPECT_TRUE(!s->comparison_taken ||
                    (s->plots && s->aperture_projection && s->distance->position == 10000 &&
                     s->wavelength->position == 400));
        // The largest numbers: a comparison (the current picture below its lines) at the longest distance and
        // shortest wavelength, the projection (a white circle a third of the side out) and the plots.
        for (const auto& [bar, at] : {std::pair{s->distance, 10000}, {s->wavelength, 400}})
            Scroll(page, bar, SB_THUMBTRACK, at);
        Command(page, kCompare);
        if (!s->aperture_projection) Command(page, kProjection);
        if (!s->plots) Command(page, kPlots);
        ExpectTextsClear(page, s->work, PatternFrames(l));
        const int y = l.frame_top + side * 3 / 4;
        EXPECT_TRUE(Block(s->work->context, l.comparison_left, y, side, side / 4) ==
                    Block(s->work->context, l.current_left, y, side, side / 4));
        const Pixels edge =
            Block(s->work->context, l.current_left + side * 5 / 6 - 3, l.frame_top + side / 2, 7, 1);
        EXPECT_TRUE(std::count(edge.begin(), edge.end(), kWhite) > 0 &&
                    int(s->current->computed.plot_points.size()) == side);
    });
}

// The pattern screen with the longest texts the objects bring: the zone plate's radius and its focus (17.50
// m: made at 700 nm and 10 m, seen at 400 nm) over the current frame, a comparison of the opaque disc, then
// of that plate with its focus; each after scroll steps, which draw the labels anew.
TEST_P(ScreenSizes, PatternScreenWithTheDiscAndThePlate) {
    app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
    RecordDrawnTexts(true);
    ChangeDisplay(OnlyPage(), kLectureSizes[0]);
    HWND page = Open(kPatternButton);
    PatternScreen* s = OpenPatternScreen();
    for (const auto& [bar, at] : {std::pair{s->wavelength, 700}, {s->distance, 10000}, {s->aperture, 2990}})
        Scroll(page, bar, SB_THUMBTRACK, at);
    Command(page, kPlots);
    Command(page, kProjection);
    PressKey(page, 'O');
    Command(OnlyPage(), kCompare);
    PressKey(OnlyPage(), 'O');
    for (bool plate_compared : {false, true})
        for (LectureSize size : kLectureSizes) {
            SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
            page = ChangeDisplay(OnlyPage(), size);
            s = OpenPatternScreen();
            ASSERT_EQ(s->object, numerics::BeamObject::kZonePlate);
            if (plate_compared && s->comparison->computed.object != numerics::BeamObject::kZonePlate)
                Command(page, kCompare);
            Scroll(page, s->wavelength, SB_THUMBTRACK, 401);
            Scroll(page, s->wavelength, SB_THUMBTRACK, 400);
            ExpectTextsClear(page, s->work, PatternFrames(s->layout));
            ExpectCaptionsFit(page);
        }
}

TEST_P(ScreenSizes, AxialScreen) {
    Tour(kAxialButton, [](HWND page, LectureSize) {
        AxialScreen* s = OpenAxialScreen();
        const AxialLayout& l = s->layout;
        const ZonePictureGeometry& g = l.zones;
        const Pictures pictures = {{Square(g.left, g.top, g.side), "the zone picture"},
                                   {{l.plot.x, l.plot.y + s->plot->model.blank_rows, l.plot.x + l.plot.width,
                                     l.plot.y + l.plot.height},
                                    "the plot"}};
        // After the change the run stands where it stood (the last size's third step), paused; Reset.
        if (s->animation.k > 0) {
            EXPECT_TRUE(!s->animation.running && s->animation.caption == StartCaption::kContinue);
            const Point at = ObservationPoint(l, 600, s->animation.k - 1, s->animation.n);
            EXPECT_EQ(SurfacePixel(s->shown, at.x, at.y), kOrange);
            Command(page, kAxialReset);
        }
        // Ready, with the green start marker.
        const Point start = StartMarker(l, 600);
        EXPECT_TRUE(s->animation.k == -1 && SurfacePixel(s->shown, start.x, start.y) == kGreen);
        ExpectTextsClear(page, s->shown, pictures);
        // Step 0: six zones cover the aperture, each to scale; the longest sum; the panel; "Continue" fits.
        Command(page, kAxialStart);
        ExpectZonesToScale(s->zones->composed, 6.0, 5);
        ExpectTextsClear(page, s->shown, pictures);
        ExpectSumFontAndPanel(page, s, pictures, g.top + g.side, AxialPhasorPanel(l).box);
        ExpectCaptionsFit(page);
        // Three steps on, the point of observation where the third step puts it.
        Command(page, kAxialStart);
        Tick(page, 3);
        const Point point = ObservationPoint(l, 600, 3, s->animation.n);
        EXPECT_EQ(SurfacePixel(s->shown, point.x, point.y), kOrange);
    });
}

TEST_P(ScreenSizes, RadialScreen) {
    RadialSavedStep() = 1 << 20;  // opened at its last step
    Tour(kRadialButton, [](HWND page, LectureSize) {
        RadialScreen* s = OpenRadialScreen();
        const RadialLayout& l = s->layout;
        const int side = l.side, last = s->animation.last;
        const Point c = l.zone_centre;
        const Pictures pictures = {
            {Square(c.x - side / 2, c.y - side / 2, side), "the zone picture"},
            {{l.plot_origin.x, l.plot_origin.y + l.plot_height - s->plot->model.strip_height,
              l.plot_origin.x + l.plot_width, l.plot_origin.y + l.plot_height},
             "the plot"},
            {Square(l.sketch_centre.x - side / 2, l.sketch_centre.y - side / 2, side), "the sketch"}};
        // The step it was left at is beyond this size's run: shown as the last one, the point as far out as
        // the aperture's rim and the most zones in the sum; then with the phasor panel in the sketch's place.
        const Box point = ObservationPointBox(l, last, last);
        ASSERT_TRUE(s->animation.k == last && s->shown == s->frame && !app.animation_running);
        EXPECT_EQ(SurfacePixel(s->shown, point.left + 6, point.top + 6), kGreen);
        ExpectTextsClear(page, s->shown, pictures);
        ExpectSumFontAndPanel(page, s, pictures, c.y - side / 2 + side, RadialPhasorPanel(l).box);
        // The fresh picture has no sketch yet. Step 0: one and a half zones cover the aperture, zone 1 to
        // scale; Continue fits. Then the run goes on.
        Command(page, kRadialReset);
        ExpectTextsClear(page, s->shown, {pictures[0], pictures[1]});
        Command(page, kRadialStart);
        ExpectZonesToScale(s->zones->composed, 1.5, 1);  // a new picture since Reset
        ExpectCaptionsFit(page);
        Command(page, kRadialStart);  // running when the display changes
        s->animation.k = 1 << 20;     // as if the run had gone on: the next size opens at its last step
    });
}

// The disc and the plate on the animated screens, at step 0 without and with the phasor diagram: the texts
// keep clear (the longer names, the focus, the infinity sign, the axis's top among them).
TEST_P(ScreenSizes, AnimatedScreensWithTheDiscAndThePlate) {
    for (numerics::BeamObject object : {numerics::BeamObject::kDisc, numerics::BeamObject::kZonePlate})
        for (int button : {kAxialButton, kRadialButton}) {
            SCOPED_TRACE(std::to_string(button) + " object " + std::to_string(int(object)));
            app.beam_object = object;
            RadialSavedStep() = -1;
            Tour(button, [button](HWND page, LectureSize) {
                const int start = button == kAxialButton ? kAxialStart : kRadialStart;
                Command(page, start + 1);  // Reset
                Command(page, start);
                for (int panel = 0; panel < 2; ++panel) {
                    ExpectTextsClear(page, ShownSurface());
                    SendMessageW(page, kPhasorKeyMessage, 0, 0);
                }
            });
        }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ScreenSizes,
                         ::testing::Values(TextLanguage::kEnglish, TextLanguage::kRussian));

}  // namespace
