// Every text as the audience sees it on Windows: in the programs' own fonts at their Windows widths (under
// Wine "Times New Roman" is Lecture Serif), on every screen size a lecture may meet, in both programs.
// Each button's captions fit inside it; no label's ink overlaps another label or a control, lies across
// the edge of a picture or off the screen, or is cut by a picture copied over it; and on the animated
// screens the sum sign stands in the gap after the "=", clear of the letters on both sides.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "screens/axial/axial_screen.h"
#include "screens/axial/axial_screen_state.h"
#include "screens/axial/phasor_panel_model.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "screens/radial/radial_screen_state.h"
#include "shell/application.h"
#include "shell/cp1251.h"
#include "shell/formula_line.h"
#include "shell/page_layout.h"
#include "shell/start_page.h"
#include "shell/text_set.h"
#include "tests/display_sizes.h"
#include "tests/page_driver.h"

namespace {

constexpr int kAuthorsButton = 201, kPatternButton = 203, kAxialButton = 204, kRadialButton = 213;
constexpr int kAuthorsMenu = 205, kPatternMenu = 206, kProjection = 207, kPlots = 208, kCompare = 209;
constexpr int kAxialMenu = 210, kAxialStart = 211, kRadialMenu = 214, kRadialStart = 215, kRadialReset = 216;

std::string Utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Box(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           ", " + std::to_string(r.bottom) + ")";
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Two texts overlap where a letter of one overlaps a letter of the other.
bool LettersOverlap(const DrawnText& a, const DrawnText& b) {
    if (!Overlap(a.ink, b.ink)) return false;
    for (const RECT& p : a.letters)
        for (const RECT& q : b.letters)
            if (Overlap(p, q)) return true;
    return false;
}

bool Within(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

RECT Square(int x, int y, int side) {
    return {x, y, x + side, y + side};
}

struct Picture {
    RECT box;
    const char* what;
};

// The visible child windows of a page (buttons and scroll bars), in page coordinates.
std::vector<std::pair<RECT, std::wstring>> Controls(HWND page) {
    std::vector<HWND> children;
    EnumChildWindows(
        page,
        [](HWND child, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    std::vector<std::pair<RECT, std::wstring>> controls;
    for (HWND child : children) {
        if (!IsWindowVisible(child)) continue;
        RECT box{};
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
        wchar_t caption[200] = {};
        GetWindowTextW(child, caption, 200);
        controls.push_back({box, ClassOf(child) + L" " + caption});
    }
    return controls;
}

// Every button of the page shows its caption whole, in the button's font: each of its lines (a multi-line
// button's caption comes broken into lines) within the client area less 4 pixels left and right, and all
// the lines within it less 2 pixels at the top and bottom, where the edge and the focus frame are drawn.
// A line that fits needs no breaking of the button's own, which Wine's buttons do differently.
void ExpectCaptionsFit(HWND page) {
    for (HWND button = GetWindow(page, GW_CHILD); button != nullptr;
         button = GetWindow(button, GW_HWNDNEXT)) {
        if (!IsWindowVisible(button) || _wcsicmp(ClassOf(button).c_str(), L"button") != 0) continue;
        wchar_t caption[200] = {};
        GetWindowTextW(button, caption, 200);
        RECT inside{};
        GetClientRect(button, &inside);
        InflateRect(&inside, -4, -2);
        HDC context = GetDC(button);
        HGDIOBJ previous =
            SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(context, &metrics);
        const std::wstring text = caption;
        int lines = 0;
        for (std::size_t at = 0; at <= text.size(); ++lines) {
            const std::size_t end = std::min(text.find(L'\n', at), text.size());
            SIZE size{};
            GetTextExtentPoint32W(context, text.c_str() + at, static_cast<int>(end - at), &size);
            EXPECT_LE(size.cx, inside.right - inside.left) << "\"" << Utf8(text.substr(at, end - at)) << "\"";
            at = end + 1;
        }
        EXPECT_LE(lines * metrics.tmHeight, inside.bottom - inside.top) << "\"" << Utf8(text) << "\"";
        SelectObject(context, previous);
        ReleaseDC(button, context);
    }
}

// The texts a surface shows keep clear of each other, of the page's controls and of the screen's edges,
// and lie either off each picture or wholly on it; none is cut by a copy over it. The sum sign's place
// in its caption is checked by its pixels instead (ExpectSumSignInItsGap).
void ExpectTextsClear(HWND page, const Surface* shown, const std::vector<Picture>& pictures) {
    const std::vector<DrawnText> texts = TextsShownOn(shown->context);
    EXPECT_FALSE(texts.empty());
    const auto controls = Controls(page);
    const RECT screen{0, 0, shown->width, shown->height};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const DrawnText& t = texts[i];
        const std::string what = "\"" + Utf8(t.text) + "\" " + Box(t.ink);
        EXPECT_FALSE(t.cut) << what << " is cut by a picture copied over it";
        EXPECT_TRUE(Within(t.ink, screen)) << what << " leaves the screen";
        for (const auto& [box, control] : controls)
            EXPECT_FALSE(Overlap(t.ink, box)) << what << " overlaps " << Utf8(control) << " " << Box(box);
        for (const Picture& p : pictures)
            EXPECT_TRUE(!Overlap(t.ink, p.box) || Within(t.ink, p.box)) << what << " lies across " << p.what;
        if (t.text == L"\u03A3") continue;
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[j].text == L"\u03A3") continue;
            EXPECT_FALSE(LettersOverlap(t, texts[j]))
                << what << " overlaps \"" << Utf8(texts[j].text) << "\" " << Box(texts[j].ink);
        }
    }
}

// The pixels of a block of a context, as 0x00RRGGBB words, rows from the top.
std::vector<std::uint32_t> ReadBlock(HDC source, int x, int y, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP block = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC context = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(context, block);
    BitBlt(context, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(words, words + static_cast<std::size_t>(width) * height);
    SelectObject(context, previous);
    DeleteDC(context);
    DeleteObject(block);
    for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

// The formula line of a shown frame beside its texts drawn again without the sum sign, each in the font
// and at the place it was drawn. The columns where the frame differs are the sign's; between it and the
// letters on either side there is at least one clear column, and those letters are the caption's "=" and
// the letter after the gap. Rows above `free_y` belong to the picture above the line.
void ExpectSumSignInItsGap(const Surface* shown, int free_y, const std::string& caption) {
    const std::u16string wide16 = Cp1251ToUtf16(caption.data(), static_cast<int>(caption.size()));
    const std::wstring wide(wide16.begin(), wide16.end());
    const std::vector<DrawnText> texts = TextsShownOn(shown->context);
    const auto line =
        std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == wide; });
    ASSERT_NE(line, texts.end()) << "no formula line";
    HFONT font = CreateFontIndirectW(&line->font);
    // Only the caption's own columns: on a narrow screen other texts share its rows further right.
    const int x = line->at.x, y = line->at.y, width = line->ink.right + 1 - x;
    Surface* alone = CreateSurface(shown->window, width, 1, kBackgroundColour);
    HGDIOBJ previous = SelectObject(alone->context, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(alone->context, &metrics);
    const int height = metrics.tmHeight;
    const SumSignGap gap = FindSumSignGap(caption);
    const int gap_left = NarrowTextWidth(alone->context, caption.data(), gap.equals_end);
    const int gap_right = NarrowTextWidth(alone->context, caption.data(), gap.gap_end);
    SelectObject(alone->context, previous);
    DestroySurface(alone);
    // The reference: every text of the frame but the sign that reaches into the line's block.
    Surface* reference = CreateSurface(shown->window, width, height, kBackgroundColour);
    previous = SelectObject(reference->context, font);
    const RECT block{x, y, x + width, y + height};
    for (const DrawnText& t : texts) {
        if (t.text == L"\u03A3" || !Overlap(t.ink, block)) continue;
        HFONT own = CreateFontIndirectW(&t.font);
        SelectObject(reference->context, own);
        PrepareText(reference->context, t.alignment);
        TextOutW(reference->context, t.at.x - x, t.at.y - y, t.text.c_str(), static_cast<int>(t.text.size()));
        SelectObject(reference->context, font);
        DeleteObject(own);
    }
    const std::vector<std::uint32_t> frame = ReadBlock(shown->context, x, y, width, height);
    const std::vector<std::uint32_t> text = ReadBlock(reference->context, 0, 0, width, height);
    SelectObject(reference->context, previous);
    DestroySurface(reference);
    DeleteObject(font);
    const std::uint32_t background =
        kBackgroundColour.red << 16 | kBackgroundColour.green << 8 | kBackgroundColour.blue;
    std::vector<bool> sign(width), letters(width);
    for (int r = std::max(0, free_y - y); r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const std::size_t i = static_cast<std::size_t>(r) * width + c;
            sign[c] = sign[c] || frame[i] != text[i];
            letters[c] = letters[c] || text[i] != background;
        }
    }
    const auto first = std::find(sign.begin(), sign.end(), true);
    ASSERT_NE(first, sign.end()) << "no sum sign";
    const int left = static_cast<int>(first - sign.begin());
    const int right =
        width - 1 - static_cast<int>(std::find(sign.rbegin(), sign.rend(), true) - sign.rbegin());
    int before = left - 1, after = right + 1;
    while (before >= 0 && !letters[before]) --before;
    while (after < width && !letters[after]) ++after;
    for (int c = left; c <= right; ++c)
        ASSERT_FALSE(letters[c]) << "the sum sign lies on a letter at " << x + c;
    EXPECT_GE(left - before, 2) << "no clear pixel between the \"=\" and the sum sign";
    EXPECT_GE(after - right, 2) << "no clear pixel between the sum sign and the letter after it";
    // The letters on either side are the "=" and the first letter after the spaces.
    EXPECT_TRUE(before < gap_left && before >= gap_left - metrics.tmAveCharWidth)
        << "the sign follows x " << before;
    EXPECT_TRUE(after >= gap_right && after < gap_right + metrics.tmAveCharWidth)
        << "the sign precedes x " << after;
}

class TextFit : public ::testing::TestWithParam<TextLanguage> {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
        PlugInScreen(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
        PlugInScreen(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    void SetUp() override {
        app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
        RecordDrawnTexts(true);
    }

    void TearDown() override {
        RecordDrawnTexts(false);
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        SetScreenSizeSource(nullptr);
        RadialSavedStep() = -1;
    }

    // The start page at `size`, freshly built.
    HWND StartPageAt(DisplaySize size) {
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        UseDisplaySize(size);
        ReadScreenSize();
        EXPECT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        return OnlyPage();
    }

    HWND Open(HWND start, int button) {
        Command(start, button);
        Pump();
        return OnlyPage();
    }

    void Leave(HWND page, int menu) {
        Command(page, menu);
        Pump();
    }
};

TEST_P(TextFit, StartAndAuthorsPages) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND start = StartPageAt(size);
        const StartPageLayout l = ComputeStartPageLayout(size.width, size.height, *app.texts);
        const PageHeaderLayout& h = l.header;
        const std::vector<Picture> emblems = {
            {Square(h.left_emblem_x, h.emblem_y, h.S), "the left emblem"},
            {Square(h.right_emblem_x, h.emblem_y, h.S), "the right emblem"}};
        ExpectCaptionsFit(start);
        ExpectTextsClear(start, app.page_surface, emblems);

        HWND authors = Open(start, kAuthorsButton);
        const AuthorsPageLayout a = ComputeAuthorsPageLayout(size.width, size.height, *app.texts);
        std::vector<Picture> pictures = emblems;
        pictures.push_back({{a.left_portrait_x, a.portrait_y, a.left_portrait_x + a.portrait_width,
                             a.portrait_y + a.portrait_height},
                            "the first portrait"});
        pictures.push_back({{a.right_portrait_x, a.portrait_y, a.right_portrait_x + a.portrait_width,
                             a.portrait_y + a.portrait_height},
                            "the second portrait"});
        ExpectCaptionsFit(authors);
        ExpectTextsClear(authors, app.page_surface, pictures);
        Leave(authors, kAuthorsMenu);
    }
}

TEST_P(TextFit, PatternScreen) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND page = Open(StartPageAt(size), kPatternButton);
        PatternScreen* screen = OpenPatternScreen();
        ASSERT_NE(screen, nullptr);
        const PatternLayout& l = screen->layout;
        const std::vector<Picture> frames = {
            {Square(l.comparison_left, l.frame_top, l.size), "the comparison frame"},
            {Square(l.current_left, l.frame_top, l.size), "the current frame"}};
        ExpectCaptionsFit(page);
        ExpectTextsClear(page, screen->work, frames);
        // A comparison at the longest distance and the shortest wavelength, the largest numbers drawn.
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10000),
                     reinterpret_cast<LPARAM>(screen->distance->window));
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 400),
                     reinterpret_cast<LPARAM>(screen->wavelength->window));
        for (int button : {kCompare, kProjection, kPlots}) Command(page, button);
        ExpectTextsClear(page, screen->work, frames);
        Leave(page, kPatternMenu);
    }
}

TEST_P(TextFit, AxialScreen) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND page = Open(StartPageAt(size), kAxialButton);
        AxialScreen* screen = OpenAxialScreen();
        ASSERT_NE(screen, nullptr);
        const AxialLayout& l = screen->layout;
        const std::vector<Picture> pictures = {
            {Square(l.zones.left, l.zones.top, l.zones.side), "the zone picture"},
            {{l.plot.x, l.plot.y + screen->plot->model.blank_rows, l.plot.x + l.plot.width,
              l.plot.y + l.plot.height},
             "the plot"}};
        ExpectCaptionsFit(page);
        ExpectTextsClear(page, screen->shown, pictures);
        // Step 0 has the longest sum, six terms; then the Start button's other captions.
        Command(page, kAxialStart);
        ExpectCaptionsFit(page);
        ExpectTextsClear(page, screen->shown, pictures);
        // With the phasor panel: a picture of its own, with its title and intensity wholly on it.
        SendMessageW(page, kPhasorKeyMessage, 0, 0);
        const Rect panel = AxialPhasorPanel(l).box;
        std::vector<Picture> with_panel = pictures;
        with_panel.push_back({{panel.x, panel.y, panel.x + panel.width, panel.y + panel.height}, "the phasor panel"});
        ExpectTextsClear(page, screen->shown, with_panel);
        SendMessageW(page, kPhasorKeyMessage, 0, 0);
        ExpectSumSignInItsGap(screen->shown, l.zones.top + l.zones.side, app.texts->sum_caption);
        Command(page, kAxialStart);
        ExpectCaptionsFit(page);
        Leave(page, kAxialMenu);
    }
}

TEST_P(TextFit, RadialScreen) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        // Reopened at its last step: the point as far out as the aperture's rim, six zones in the sum.
        RadialSavedStep() = 1 << 20;
        HWND page = Open(StartPageAt(size), kRadialButton);
        RadialScreen* screen = OpenRadialScreen();
        ASSERT_NE(screen, nullptr);
        const RadialLayout& l = screen->layout;
        const int s = l.side, margin = l.plot_height - screen->plot->model.strip_height;
        const std::vector<Picture> pictures = {
            {Square(l.zone_centre.x - s / 2, l.zone_centre.y - s / 2, s), "the zone picture"},
            {Square(l.sketch_centre.x - s / 2, l.sketch_centre.y - s / 2, s), "the sketch of the screen"},
            {{l.plot_origin.x, l.plot_origin.y + margin, l.plot_origin.x + l.plot_width,
              l.plot_origin.y + l.plot_height},
             "the plot"}};
        ExpectCaptionsFit(page);
        ExpectTextsClear(page, screen->shown, pictures);
        ExpectSumSignInItsGap(screen->shown, l.zone_centre.y - s / 2 + s, app.texts->sum_caption);
        // With the phasor panel in the sketch's place.
        SendMessageW(page, kPhasorKeyMessage, 0, 0);
        const Rect panel = RadialPhasorPanel(l).box;
        ExpectTextsClear(page, screen->shown,
                         {pictures[0], pictures[2],
                          {{panel.x, panel.y, panel.x + panel.width, panel.y + panel.height}, "the phasor panel"}});
        SendMessageW(page, kPhasorKeyMessage, 0, 0);
        Command(page, kRadialReset);  // the fresh picture has no sketch of the screen yet
        ExpectTextsClear(page, screen->shown, {pictures[0], pictures[2]});
        for (int press = 0; press < 2; ++press) {
            Command(page, kRadialStart);
            ExpectCaptionsFit(page);
        }
        Leave(page, kRadialMenu);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, TextFit,
                         ::testing::Values(TextLanguage::kEnglish, TextLanguage::kRussian),
                         [](const auto& info) {
                             return std::string(info.param == TextLanguage::kEnglish ? "English" : "Russian");
                         });

}  // namespace
