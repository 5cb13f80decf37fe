// The pattern screen with each object in the beam, under Wine: what the audience sees.
#include <algorithm>

#include "shell/platform/drawn_text_recorder.h"
#include "tests/page_driver.h"

namespace {

using numerics::BeamObject;

class PatternObjects : public Program<> {
protected:
    void TearDown() override {
        Program<>::TearDown();
        app.beam_object = BeamObject::kAperture;
        RecordDrawnTexts(false);
    }
};

// Every picture a page shows from now on: the current frame of a 1920 x 1080 pattern screen, read back from
// the window as each paint sent to a visible page returns (the full repaints, and the paint the page is
// shown with).
class Watch {
public:
    Watch() : hook_(SetWindowsHookExW(WH_CALLWNDPROCRET, Seen, nullptr, GetCurrentThreadId())) {
        watch_ = this;
    }
    ~Watch() {
        UnhookWindowsHookEx(hook_);
        watch_ = nullptr;
    }
    std::vector<Pixels> frames;

private:
    static LRESULT CALLBACK Seen(int code, WPARAM first, LPARAM second) {
        const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(second);
        if (code == HC_ACTION && m->message == WM_PAINT && GetParent(m->hwnd) == nullptr &&
            IsWindowVisible(m->hwnd))
            watch_->frames.push_back(Block(m->hwnd, 1148, 355, 660, 660));
        return CallNextHookEx(nullptr, code, first, second);
    }
    HHOOK hook_;
    static inline Watch* watch_ = nullptr;
};

// The pure rendering of the screen's current frame as its bars, switches, object and plate stand, below
// `from` rows (the plate's focus is written over its top).
Pixels Expected(const PatternScreen* s, int from = 0) {
    PatternImage image;
    const double a = s->aperture->value;
    ComputePatternImage(660, s->wavelength->value, {s->object, a, s->plate}, a / 1000, s->distance->value,
                        1.5, s->aperture_projection, s->plots, &image);
    Pixels pixels;
    for (std::size_t i = static_cast<std::size_t>(from) * 660; i < image.pixels.size(); ++i) {
        const std::uint32_t w = image.pixels[i];
        pixels.push_back({std::uint8_t(w >> 16), std::uint8_t(w >> 8), std::uint8_t(w)});
    }
    return pixels;
}
Pixels CurrentFrame(HWND page, int from = 0) {
    return Block(page, 1148, 355 + from, 660, 660 - from);
}
std::wstring Shown(const PatternScreen* s) {
    std::wstring texts;
    for (const DrawnText& t : TextsShownOn(s->work->context)) texts += t.text + L"|";
    return texts;
}

// O, O, O: the disc, then the zone plate (made for 600 nm and 1.6 m, the bars shown, and at its focus the
// full colour at the centre), then the aperture's page again, pixel for pixel, the comparison and the
// switches kept all the way. Every picture shown from each key on is the frame before the key or the
// finished frame after it; the counts stay.
TEST_F(PatternObjects, OThreeTimesGivesTheAperturesPageBack) {
    HWND page = Open(kPatternButton);
    PatternScreen* s = OpenPatternScreen();
    Scroll(page, s->distance, SB_THUMBTRACK, 1600);
    Command(page, kCompare);
    Scroll(page, s->wavelength, SB_THUMBTRACK, 600);
    Scroll(page, s->aperture, SB_THUMBTRACK, 1500);
    Command(page, kPlots);
    Command(page, kProjection);
    const Pixels before = Block(page), comparison = Block(page, 378, 555, 660, 460);
    const PlatformObjectCounts counts = LiveObjectCounts();
    for (BeamObject object : {BeamObject::kDisc, BeamObject::kZonePlate, BeamObject::kAperture}) {
        const Pixels last = CurrentFrame(OnlyPage());
        Watch watch;
        PressKey(OnlyPage(), 'O');
        s = OpenPatternScreen();
        ASSERT_TRUE(s != nullptr && s->object == object);
        EXPECT_TRUE(s->plots && s->aperture_projection && s->comparison_taken &&
                    s->wavelength->position == 600);
        const Pixels now = CurrentFrame(s->window);
        EXPECT_TRUE(CurrentFrame(s->window, 100) == Expected(s, 100)) << static_cast<int>(object);
        EXPECT_TRUE(Block(s->window, 378, 555, 660, 460) == comparison);
        EXPECT_FALSE(watch.frames.empty());
        for (const Pixels& frame : watch.frames) EXPECT_TRUE(frame == last || frame == now);
        if (object == BeamObject::kZonePlate) {
            EXPECT_EQ(Block(s->window, 1148 + 330, 355 + 330, 1, 1)[0], (ColourTriple{255, 176, 0}));
        }
    }
    EXPECT_TRUE(Block(OnlyPage()) == before);
    EXPECT_EQ(LiveObjectCounts(), counts);
}

// The plate is made for the bars shown when O brings it (450 nm, 2.5 m) and keeps its rings: at 560 nm its
// focus is 2.01 m, where the centre is the frame's brightest; a comparison of it says so; P and a display
// change make the page again with the same plate; the plate that O brings next is made for 560 nm and 3 m,
// while the comparison keeps the first; a new visit makes it for the starting 500 nm and 2 m.
TEST_F(PatternObjects, ThePlateKeepsItsRingsThroughThePageMadeAgain) {
    RecordDrawnTexts(true);
    HWND page = Open(kPatternButton);
    PatternScreen* s = OpenPatternScreen();
    Scroll(page, s->wavelength, SB_THUMBTRACK, 450);
    Scroll(page, s->distance, SB_THUMBTRACK, 2500);
    PressKey(page, 'O');
    PressKey(OnlyPage(), 'O');
    page = OnlyPage();
    s = OpenPatternScreen();
    Scroll(page, s->wavelength, SB_THUMBTRACK, 560);
    Scroll(page, s->distance, SB_THUMBTRACK, 2009);
    Command(page, kCompare);
    const auto made = [&](double nm, double m) {
        s = OpenPatternScreen();
        return s->plate.design_wavelength == nm * 1e-9 && s->plate.focal_length == m * 0.001;
    };
    const std::wstring shown = Shown(s);
    for (const wchar_t* text : {L"Focus of the zone plate 2.01 m|", L"zone plate|", L"f = 2.01 m|"})
        EXPECT_NE(shown.find(text), std::wstring::npos) << text;
    EXPECT_TRUE(made(450, 2500));
    const PatternImage& focus = s->current->computed;
    EXPECT_EQ(focus.maximum, focus.intensities[0]);
    const Pixels comparison = Block(page, 378, 355, 660, 660);
    for (int change = 0; change < 4; ++change) {
        if (change % 2 == 0) PressKey(OnlyPage(), 'P');
        if (change % 2 == 1)
            ChangeDisplay(OnlyPage(), change == 1 ? LectureSize{1280, 720} : LectureSize{1920, 1080});
        EXPECT_TRUE(made(450, 2500)) << change;
        EXPECT_EQ(Shown(s), shown) << change;
    }
    EXPECT_TRUE(CurrentFrame(s->window, 100) == Expected(s, 100));
    EXPECT_TRUE(Block(s->window, 378, 355, 660, 660) == comparison);
    Scroll(s->window, s->distance, SB_THUMBTRACK, 3000);
    for (int press = 0; press < 3; ++press) PressKey(OnlyPage(), 'O');
    EXPECT_TRUE(made(560, 3000));
    for (const wchar_t* text : {L"Focus of the zone plate 3.00 m|", L"f = 2.01 m|"})
        EXPECT_NE(Shown(s).find(text), std::wstring::npos) << text;
    EXPECT_TRUE(Block(s->window, 378, 355, 660, 660) == comparison);
    PressKey(OnlyPage(), VK_ESCAPE);  // a new visit with the plate chosen: made for the bars' starting values
    Open(kPatternButton);
    EXPECT_TRUE(made(500, 2000));
}

RECT Square(int x, int y, int side) {
    return {x, y, x + side, y + side};
}
bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Within(const RECT& in, const RECT& out) {
    return in.left >= out.left && in.right <= out.right && in.top >= out.top && in.bottom <= out.bottom;
}

// The texts of the screen keep clear of each other, of the controls and of the screen's edges, lie off each
// frame or wholly on it and are not cut by a picture copied over them; the buttons' captions fit.
void ExpectTextsClear(const PatternScreen* s) {
    const PatternLayout& l = s->layout;
    const RECT frames[] = {Square(l.comparison_left, l.frame_top, l.size),
                           Square(l.current_left, l.frame_top, l.size)};
    const std::vector<DrawnText> texts = TextsShownOn(s->work->context);
    for (auto t = texts.begin(); t != texts.end(); ++t) {
        EXPECT_TRUE(!t->cut && !t->hidden && Within(t->ink, {0, 0, l.width, l.height})) << t->text;
        for (HWND c = GetWindow(s->window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT box{};
            GetWindowRect(c, &box);
            EXPECT_FALSE(Overlap(t->ink, box)) << t->text << " overlaps " << Caption(c);
        }
        for (const RECT& frame : frames)
            EXPECT_TRUE(!Overlap(t->ink, frame) || Within(t->ink, frame)) << t->text;
        for (auto u = t + 1; u != texts.end(); ++u) {
            bool apart = true;
            for (const RECT& a : t->letters)
                for (const RECT& b : u->letters) apart = apart && !Overlap(a, b);
            EXPECT_TRUE(apart) << t->text << " overlaps " << u->text;
        }
    }
    HWND button = s->projection_button->window;
    RECT r{}, text{};
    GetClientRect(button, &r);
    HDC dc = GetDC(button);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    DrawTextW(dc, Caption(button).c_str(), -1, &text, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_TRUE(text.right <= r.right - 8 && text.bottom <= r.bottom - 4) << Caption(button);
    SelectObject(dc, previous);
    ReleaseDC(button, dc);
}

// Both programs at every size, with the longest texts the objects bring: the zone plate's radius and its
// focus (17.50 m: made at 700 nm and 10 m, seen at 400 nm) over the current frame, a comparison of the
// opaque disc, then of that plate with its focus; each after scroll steps, which draw the labels anew.
TEST_F(PatternObjects, TextsFitWithEveryObjectAtEverySize) {
    RecordDrawnTexts(true);
    for (const TextSet* texts : {&EnglishTexts(), &RussianTexts()}) {
        app.texts = texts;
        ChangeDisplay(OnlyPage(), kLectureSizes[0]);
        HWND page = Open(kPatternButton);
        PatternScreen* s = OpenPatternScreen();
        for (const auto& [bar, at] :
             {std::pair{s->wavelength, 700}, {s->distance, 10000}, {s->aperture, 2990}})
            Scroll(page, bar, SB_THUMBTRACK, at);
        Command(page, kPlots);
        Command(page, kProjection);
        PressKey(page, 'O');
        Command(OnlyPage(), kCompare);
        PressKey(OnlyPage(), 'O');
        for (bool plate_compared : {false, true}) {
            for (LectureSize size : kLectureSizes) {
                SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
                page = ChangeDisplay(OnlyPage(), size);
                s = OpenPatternScreen();
                if (plate_compared && !(s->comparison->computed.object == BeamObject::kZonePlate))
                    Command(page, kCompare);
                Scroll(page, s->wavelength, SB_THUMBTRACK, 401);
                Scroll(page, s->wavelength, SB_THUMBTRACK, 400);
                ASSERT_EQ(s->object, BeamObject::kZonePlate);
                ExpectTextsClear(s);
            }
        }
        Open(app.menu_button->id);
        app.beam_object = BeamObject::kAperture;
    }
}

}  // namespace
