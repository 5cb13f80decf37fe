// The axial and the radial screen with each object in the beam, under Wine: what the audience sees. Key O
// brings the disc and the plate and, the third time, the aperture's very pixels back; the disc's axial
// curve is flat under its top of 1; the focus is said only while the plate is in the beam; and the texts
// keep their places at every size in both programs.
#include <algorithm>
#include <string>

#include "tests/page_driver.h"

namespace {

using numerics::BeamObject;

class ObjectScreens : public Program<> {
protected:
    void TearDown() override {
        app.beam_object = BeamObject::kAperture;
        RecordDrawnTexts(false);
        Program::TearDown();
    }
    // Key O on the open page, which is made again: the page there is then.
    static HWND Next() {
        PressKey(OnlyPage(), 'O');
        return OnlyPage();
    }
};

// The texts the shown frame holds.
std::vector<std::wstring> Shown(const Surface* frame) {
    std::vector<std::wstring> texts;
    for (const DrawnText& t : TextsShownOn(frame->context)) texts.push_back(t.text);
    return texts;
}
bool Says(const Surface* frame, const std::wstring& start) {
    const std::vector<std::wstring> texts = Shown(frame);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::wstring& t) { return t.rfind(start, 0) == 0; });
}

// The disc's curve after a whole run: in every column between the markers the white curve takes the same
// rows, the strip's top row and the one below, and "1" stands at the axis's top; no focus is said. The
// plate: its top 16 and its focus at 600 nm, a^2/(3*lambda) = 0.56 m; the curve reaches the top row near
// the focus, a third of the way from the run's 6 zones to 0.8. O again: the aperture, neither.
TEST_F(ObjectScreens, AxialCurvesAndCaptionsOfEachObject) {
    RecordDrawnTexts(true);
    Open(kAxialButton);
    HWND page = Next();
    AxialScreen* s = OpenAxialScreen();
    ASSERT_EQ(s->object.kind, BeamObject::kDisc);
    Command(page, kAxialStart);
    Command(page, kAxialStart);
    Tick(page, s->animation.n + 2);
    ASSERT_TRUE(AxialFinished(s->animation));
    const AxialLayout l = s->layout;
    const AxialPlotStep end = AxialPlotAt(s->plot->model, s->animation.n, s->animation.n);
    const int top = AxialPlotTopRow(l, s->plot->model), left = l.plot.x + end.strip_origin.x;
    const Pixels strip = Block(page, left, top - 4, end.strip_columns, 12);
    for (int x = 10; x < end.strip_columns - 10; ++x) {
        std::string rows;
        for (int y = 0; y < 12; ++y) rows += strip[y * end.strip_columns + x] == kWhite ? '#' : '.';
        ASSERT_EQ(rows, "....##......") << "column " << x;
    }
    EXPECT_TRUE(Says(s->shown, L"1") && !Says(s->shown, L"16") && !Says(s->shown, L"Focus"));

    page = Next();
    s = OpenAxialScreen();
    ASSERT_EQ(s->object.kind, BeamObject::kZonePlate);
    EXPECT_TRUE(Says(s->shown, L"16") && Says(s->shown, L"Focus of the zone plate 0.56 m"));
    Command(page, kAxialStart);
    Command(page, kAxialStart);
    Tick(page, s->animation.n + 2);
    const int columns = AxialPlotAt(s->plot->model, s->animation.n, s->animation.n).strip_columns;
    const Pixels row = Block(page, l.plot.x + end.strip_origin.x, top, columns, 1);
    const int peak = static_cast<int>(std::find(row.begin(), row.end(), kWhite) - row.begin());
    EXPECT_NEAR(peak, columns / 6.5, 3);  // z runs from a^2/(6 lambda) to 7.5 times that; f is twice it

    Next();
    s = OpenAxialScreen();
    EXPECT_TRUE(s->object.kind == BeamObject::kAperture && !Says(s->shown, L"Focus") &&
                !Says(s->shown, L"1"));
}

// Three presses of O give the page back pixel for pixel, paused mid-run with the phasor diagram, the buttons
// with it: the axial screen as it opens, the radial one in the projector palette, in both programs. The focus
// is said only with the plate, the radial screen's distance then the focus's 1.6 m. Menu leaves the counts of
// the start page.
TEST_F(ObjectScreens, ThreePressesOfOGiveThePageBack) {
    RecordDrawnTexts(true);
    for (const TextSet* texts : {&EnglishTexts(), &RussianTexts()})
        for (int button : {kAxialButton, kRadialButton}) {
            SCOPED_TRACE(std::to_string(button) + (texts == &EnglishTexts() ? " English" : " Russian"));
            app.texts = texts;
            RadialSavedStep() = -1;  // a fresh run
            HWND page = Open(button);
            const int start = button == kAxialButton ? kAxialStart : kRadialStart;
            if (button == kRadialButton) PressKey(page, 'P'), page = OnlyPage();
            Command(page, start);
            Command(page, start);
            Tick(page, 40);
            Command(page, start);  // paused
            PressKey(page, 'V');
            const Pixels before = Block(page);
            const std::wstring focus =
                texts == &EnglishTexts() ? L"Focus of" : L"\u0424\u043E\u043A\u0443\u0441";
            for (BeamObject expected : {BeamObject::kDisc, BeamObject::kZonePlate, BeamObject::kAperture}) {
                page = Next();
                ASSERT_EQ(app.beam_object, expected);
                const Surface* shown =
                    button == kAxialButton ? OpenAxialScreen()->shown : OpenRadialScreen()->shown;
                EXPECT_EQ(Says(shown, focus) || Says(app.page_surface, focus),
                          expected == BeamObject::kZonePlate);
                if (button == kRadialButton && expected == BeamObject::kZonePlate) {
                    EXPECT_NEAR(OpenRadialScreen()->z, 1.6, 1e-12);
                }
            }
            const Pixels after = Block(page);
            int differing = 0;
            for (int i = 0; i < 1920 * 1080; ++i) differing += after[i] != before[i];
            EXPECT_EQ(differing, 0);
            PressKey(page, 'V');
            if (button == kRadialButton) PressKey(page, 'P'), page = OnlyPage();
            Open(app.menu_button->id);
            EXPECT_EQ(LiveObjectCounts(), start_counts_);
        }
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The texts of a frame lie on the screen, whole, and keep their letters clear of each other (the sum sign
// stands in its gap) and of the visible controls.
void ExpectTextsClear(HWND page, const Surface* shown) {
    const std::vector<DrawnText> texts = TextsShownOn(shown->context);
    for (auto t = texts.begin(); t != texts.end(); ++t) {
        EXPECT_TRUE(!t->cut && !t->hidden && t->ink.left >= 0 && t->ink.top >= 0 &&
                    t->ink.right <= shown->width && t->ink.bottom <= shown->height)
            << t->text << (t->cut ? " cut" : "") << (t->hidden ? " hidden" : "") << " at " << t->ink.left
            << "," << t->ink.top << " " << t->ink.right << "," << t->ink.bottom;
        for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT box{};
            GetWindowRect(c, &box);
            EXPECT_FALSE(IsWindowVisible(c) && Overlap(t->ink, box)) << t->text << " overlaps " << Caption(c);
        }
        for (auto u = t + 1; u != texts.end() && t->text != L"\u03A3"; ++u)
            for (const RECT& a : t->letters)
                for (const RECT& b : u->letters)
                    EXPECT_FALSE(u->text != L"\u03A3" && Overlap(a, b)) << t->text << " overlaps " << u->text;
    }
}

// At every size a lecture meets, in both programs: the disc's and the plate's screens before a run, at step
// 0 and with the phasor diagram keep their texts clear (the longer names, the focus, the infinity sign, the
// axis's top among them).
TEST_F(ObjectScreens, TextsKeepTheirPlacesAtEverySize) {
    RecordDrawnTexts(true);
    for (const TextSet* texts : {&EnglishTexts(), &RussianTexts()})
        for (int button : {kAxialButton, kRadialButton}) {
            app.texts = texts;
            HWND page = Open(button);
            const int start = button == kAxialButton ? kAxialStart : kRadialStart;
            for (int presses : {1, 1}) {
                for (int i = 0; i < presses; ++i) page = Next();
                for (LectureSize size : kLectureSizes) {
                    SCOPED_TRACE(std::to_string(button) + " object " + std::to_string(int(app.beam_object)) +
                                 " " + std::to_string(size.width) + " x " + std::to_string(size.height));
                    ASSERT_NE(page = ChangeDisplay(page, size), nullptr);
                    const auto shown = [&] {
                        return button == kAxialButton ? OpenAxialScreen()->shown : OpenRadialScreen()->shown;
                    };
                    Command(page, start + 1);  // Reset
                    Command(page, start);
                    ExpectTextsClear(page, shown());
                    SendMessageW(page, kPhasorKeyMessage, 0, 0);
                    ExpectTextsClear(page, shown());
                    SendMessageW(page, kPhasorKeyMessage, 0, 0);
                }
            }
            Next();  // the aperture again
            ChangeDisplay(OnlyPage(), {1920, 1080});
            Open(app.menu_button->id);
        }
}

}  // namespace
