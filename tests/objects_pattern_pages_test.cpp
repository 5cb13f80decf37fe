// The pattern screen with each object in the beam, under Wine: what the audience sees.
#include "tests/page_driver.h"

namespace {

using numerics::BeamObject;
using PatternObjects = Program<>;

// The pictures a page shows while Watch is hooked: the current frame of a 1920 x 1080 pattern screen, read
// back from the window as each paint sent to a visible page returns (the full repaints, and the paint the
// page is shown with).
std::vector<Pixels> watched;
LRESULT CALLBACK Watch(int code, WPARAM first, LPARAM second) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(second);
    if (code == HC_ACTION && m->message == WM_PAINT && GetParent(m->hwnd) == nullptr &&
        IsWindowVisible(m->hwnd))
        watched.push_back(Block(m->hwnd, 1148, 355, 660, 660));
    return CallNextHookEx(nullptr, code, first, second);
}

// The pure rendering of the screen's current frame as its bars, switches, object and plate stand, below
// `from` rows (the plate's focus is written over its top).
Pixels Expected(const PatternScreen* s, int from = 0) {
    PatternImage image;
    const double a = s->aperture->value;
    ComputePatternImage(660, s->wavelength->value, {s->object, a, s->plate}, a / 1000, s->distance->value,
                        1.5, s->aperture_projection, s->plots, &image);
    return PixelsOf(image, from);
}
Pixels CurrentFrame(HWND page, int from = 0) {
    return Block(page, 1148, 355 + from, 660, 660 - from);
}

// O, O, O: the disc, then the zone plate (made for 600 nm and 1.6 m, the bars shown), then the aperture's
// page again, pixel for pixel, the comparison and the switches kept all the way. Every picture shown from
// each key on is the frame before the key or the finished frame after it; the counts stay.
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
        watched.clear();
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, Watch, nullptr, GetCurrentThreadId());
        PressKey(OnlyPage(), 'O');
        UnhookWindowsHookEx(hook);
        s = OpenPatternScreen();
        ASSERT_TRUE(s != nullptr && s->object == object);
        const Pixels now = CurrentFrame(s->window);
        EXPECT_TRUE(CurrentFrame(s->window, 100) == Expected(s, 100)) << static_cast<int>(object);
        EXPECT_TRUE(Block(s->window, 378, 555, 660, 460) == comparison);
        EXPECT_FALSE(watched.empty());
        for (const Pixels& frame : watched) EXPECT_TRUE(frame == last || frame == now);
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
    const std::wstring shown = TextsOn(s->work);
    for (const wchar_t* text : {L"Focus of the zone plate 2.01 m|", L"zone plate|", L"f = 2.01 m|"})
        EXPECT_NE(shown.find(text), std::wstring::npos) << text;
    for (const DrawnText& t : TextsShownOn(s->work->context))  // the focus over the frame's top left
        EXPECT_TRUE(t.text.rfind(L"Focus", 0) != 0 || Numbers(t.at) == "(1186,355)") << Numbers(t.at);
    EXPECT_TRUE(made(450, 2500));
    const PatternImage& focus = s->current->computed;
    EXPECT_EQ(focus.maximum, focus.intensities[0]);
    const Pixels comparison = Block(page, 378, 355, 660, 660);
    for (int change = 0; change < 4; ++change) {
        if (change % 2 == 0) PressKey(OnlyPage(), 'P');
        if (change % 2 == 1)
            ChangeDisplay(OnlyPage(), change == 1 ? LectureSize{1280, 720} : LectureSize{1920, 1080});
        EXPECT_TRUE(made(450, 2500)) << change;
        EXPECT_EQ(TextsOn(s->work), shown) << change;
    }
    EXPECT_TRUE(CurrentFrame(s->window, 100) == Expected(s, 100));
    EXPECT_TRUE(Block(s->window, 378, 355, 660, 660) == comparison);
    Scroll(s->window, s->distance, SB_THUMBTRACK, 3000);
    for (int press = 0; press < 3; ++press) PressKey(OnlyPage(), 'O');
    EXPECT_TRUE(made(560, 3000));
    for (const wchar_t* text : {L"Focus of the zone plate 3.00 m|", L"f = 2.01 m|"})
        EXPECT_NE(TextsOn(s->work).find(text), std::wstring::npos) << text;
    EXPECT_TRUE(Block(s->window, 378, 355, 660, 660) == comparison);
    PressKey(OnlyPage(), VK_ESCAPE);  // a new visit with the plate chosen: made for the bars' starting values
    Open(kPatternButton);
    EXPECT_TRUE(made(500, 2000));
}

}  // namespace
