// The platform layer under Wine: surfaces read back pixel by pixel, object counts, scroll bars, regions
// as clipping, and texts that keep their letters whatever the system's code page (this binary runs
// with LANG=C, so Wine's ANSI code page is not 1251).
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "shell/application.h"
#include "shell/platform.h"
#include "shell/text_set.h"

namespace {

class PlatformKit : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateCountedWindow(0, L"STATIC", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                     GetModuleHandleW(nullptr));
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

void ExpectEverywhere(const Surface* surface, ColourTriple colour) {
    int wrong = 0;
    for (int y = 0; y < surface->height; ++y) {
        for (int x = 0; x < surface->width; ++x) wrong += SurfacePixel(surface, x, y) != colour;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(PlatformKit, NewSurfaceShowsItsFillEverywhere) {
    Surface* surface = CreateSurface(window, 37, 23, kBackgroundColour);
    EXPECT_EQ(surface->width, 37);
    EXPECT_EQ(surface->height, 23);
    ExpectEverywhere(surface, ColourTriple{205, 206, 255});
    DestroySurface(surface);

    Surface held{};
    CreateSurface(window, 5, 4, ColourTriple{1, 2, 3}, &held);
    ExpectEverywhere(&held, ColourTriple{1, 2, 3});
    ReleaseSurface(&held);
    EXPECT_EQ(held.context, nullptr);
    EXPECT_EQ(held.bitmap, nullptr);
    ReleaseSurface(&held);  // a second release finds nothing to delete
}

TEST_F(PlatformKit, PixelSurfaceKeepsTheCallersPixels) {
    auto* pixels = new unsigned char[2 * 2 * 4]{10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 1, 2, 3, 0};
    Surface* surface = CreatePixelSurface(window, 2, 2, pixels);
    EXPECT_EQ(SurfacePixel(surface, 0, 0), (ColourTriple{30, 20, 10}));  // bytes are blue, green, red
    EXPECT_EQ(SurfacePixel(surface, 1, 0), (ColourTriple{60, 50, 40}));
    EXPECT_EQ(SurfacePixel(surface, 0, 1), (ColourTriple{90, 80, 70}));
    DestroySurface(surface);
}

TEST_F(PlatformKit, ReleasingAWrappedSurfaceDeletesItsBitmap) {
    const PlatformObjectCounts before = LiveObjectCounts();
    HBITMAP bitmap = LoadScaledBitmap(GetModuleHandleW(nullptr), kLeftEmblemId, 282, 282);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 282);  // scaled when loaded
    EXPECT_EQ(info.bmHeight, 282);

    Surface wrapped{};
    WrapBitmapSurface(window, 282, 282, bitmap, &wrapped);
    EXPECT_EQ(wrapped.pixels, nullptr);
    EXPECT_EQ(LiveObjectCounts().bitmaps, before.bitmaps + 1);
    EXPECT_EQ(LiveObjectCounts().contexts, before.contexts + 1);
    // The shipped emblem is a zone plate on the page's background: background in the corner, not in
    // the middle.
    EXPECT_EQ(SurfacePixel(&wrapped, 2, 2), kBackgroundColour);
    EXPECT_NE(SurfacePixel(&wrapped, 141, 141), kBackgroundColour);

    ReleaseSurface(&wrapped);
    EXPECT_EQ(LiveObjectCounts(), before);
    EXPECT_EQ(GetObjectType(bitmap), 0u);  // really gone, not just uncounted
}

TEST_F(PlatformKit, DrawingObjectsAreCountedByKind) {
    const PlatformObjectCounts before = LiveObjectCounts();
    HFONT font = CreateTextFont(54, 19, 1);
    HFONT rotated = CreateTextFont(54, 19, 400, 146);
    HPEN pen = CreateSolidPen(3, kWhite);
    HBRUSH brush = CreateFillBrush(ColourTriple{0, 255, 0});
    HRGN disc = CreateEllipseRegion(0, 0, 10, 10);
    HRGN other = CreateEllipseRegion(5, 5, 15, 15);
    HRGN both = CreateIntersectionRegion(disc, other);
    HDC borrowed = BorrowWindowContext(window);
    PlatformObjectCounts during = LiveObjectCounts();
    EXPECT_EQ(during.fonts, before.fonts + 2);
    EXPECT_EQ(during.pens, before.pens + 1);
    EXPECT_EQ(during.brushes, before.brushes + 1);
    EXPECT_EQ(during.regions, before.regions + 3);
    EXPECT_EQ(during.contexts, before.contexts + 1);

    LOGFONTW description{};
    GetObjectW(rotated, sizeof description, &description);
    EXPECT_EQ(description.lfEscapement, 146);
    EXPECT_EQ(description.lfHeight, 54);
    EXPECT_EQ(description.lfWidth, 19);
    EXPECT_EQ(std::wstring(description.lfFaceName), L"Times New Roman");
    EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);

    ReturnWindowContext(window, borrowed);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(rotated),
                           static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(disc),
                           static_cast<HGDIOBJ>(other), static_cast<HGDIOBJ>(both)}) {
        DeleteDrawingObject(object);
    }
    DeleteDrawingObject(nullptr);
    EXPECT_EQ(LiveObjectCounts(), before);
}

// "Times New Roman" draws at its Windows widths: a font made with an explicit width is scaled so that the
// face's stated average width comes out at it, and the face Wine uses in its place states Times New
// Roman's 821 of 2048 (its advance widths are Times New Roman's too). Captions of the lecture in the page
// font at 1920 x 1080 (54 x 19 pixels), against their advance widths times 19/821: "Продолжить" within
// 1 %; letter by letter the widths are rounded to whole pixels, narrow ones such as "i" up by as much as
// 0.8 px, so texts full of them come out up to 2 % wider.
TEST_F(PlatformKit, TextsHaveTheirWindowsWidths) {
    const TextSet& ru = RussianTexts();
    const struct {
        std::string text;  // code page 1251
        int advances;      // the sum of the letters' advance widths, in units of 1/2048 em
        double tolerance;
    } cases[] = {
        {ru.continue_caption, 10955, 0.01},  // "Продолжить"
        {ru.reset_caption, 5365, 0.02},      // "Сброс"
        {"Continue", 7509, 0.02},
        {"Projection of aperture", 17856, 0.02},
        {"Fresnel diffraction", 15184, 0.02},
        {"Distance to the screen 2.0 m", 23203, 0.02},
    };
    Surface* surface = CreateSurface(window, 10, 10, kBackgroundColour);
    HFONT font = CreateTextFont(54, 19, 1);
    HGDIOBJ previous = SelectObject(surface->context, font);
    for (const auto& c : cases) {
        const double windows = c.advances * 19.0 / 821.0;
        EXPECT_NEAR(NarrowTextWidth(surface->context, c.text), windows, c.tolerance * windows) << c.text;
    }
    SelectObject(surface->context, previous);
    DeleteDrawingObject(font);
    DestroySurface(surface);
}

TEST_F(PlatformKit, IntersectedRegionClipsACopy) {
    // Two discs side by side overlap in a lens around x = 30; only the lens receives the copy.
    Surface* target = CreateSurface(window, 60, 40, kBackgroundColour);
    Surface* paint = CreateSurface(window, 60, 40, ColourTriple{200, 0, 0});
    HRGN left = CreateEllipseRegion(0, 0, 40, 40);
    HRGN right = CreateEllipseRegion(20, 0, 60, 40);
    // Each disc fills its box, its last column and row included.
    RECT box{};
    GetRgnBox(left, &box);
    EXPECT_TRUE(box.left == 0 && box.top == 0 && box.right == 40 && box.bottom == 40)
        << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom;
    HRGN lens = CreateIntersectionRegion(left, right);
    SetClipRegion(target->context, lens);
    DeleteDrawingObject(lens);  // the context keeps its own copy
    CopySurface(paint, target->context, 0, 0);
    SetClipRegion(target->context, nullptr);
    EXPECT_EQ(SurfacePixel(target, 30, 20), (ColourTriple{200, 0, 0}));
    EXPECT_EQ(SurfacePixel(target, 10, 20), kBackgroundColour);
    EXPECT_EQ(SurfacePixel(target, 50, 20), kBackgroundColour);
    EXPECT_EQ(SurfacePixel(target, 30, 1), kBackgroundColour);
    DeleteDrawingObject(left);
    DeleteDrawingObject(right);
    DestroySurface(paint);
    DestroySurface(target);
}

TEST_F(PlatformKit, ScrollBarFollowsTheScrollRule) {
    ScrollBarControl* control = CreateScrollBarControl(0, 0, 150, 20, 400, 700, 600, 1, window,
                                                       GetModuleHandleW(nullptr), 1e-9, WS_CHILD | SBS_HORZ);
    EXPECT_DOUBLE_EQ(control->value, 600 * 1e-9);
    EXPECT_EQ(GetScrollPos(control->window, SB_CTL), 600);
    int minimum = 0, maximum = 0;
    GetScrollRange(control->window, SB_CTL, &minimum, &maximum);
    EXPECT_EQ(minimum, 400);
    EXPECT_EQ(maximum, 700);

    EXPECT_TRUE(ApplyScrollCode(control, MAKEWPARAM(SB_THUMBTRACK, 700)));
    EXPECT_EQ(GetScrollPos(control->window, SB_CTL), 700);
    EXPECT_TRUE(ApplyScrollCode(control, MAKEWPARAM(SB_LINEDOWN, 0)));  // at the maximum: still a change
    EXPECT_EQ(control->position, 700);
    EXPECT_FALSE(ApplyScrollCode(control, MAKEWPARAM(SB_THUMBTRACK, 700)));  // to where it is
    EXPECT_FALSE(ApplyScrollCode(control, MAKEWPARAM(SB_THUMBTRACK, 701)));  // out of range
    EXPECT_FALSE(ApplyScrollCode(control, MAKEWPARAM(SB_PAGEUP, 0)));
    EXPECT_FALSE(ApplyScrollCode(control, MAKEWPARAM(SB_THUMBPOSITION, 450)));
    EXPECT_EQ(control->position, 700);
    EXPECT_TRUE(ApplyScrollCode(control, MAKEWPARAM(SB_LINEUP, 0)));
    EXPECT_EQ(GetScrollPos(control->window, SB_CTL), 699);
    EXPECT_DOUBLE_EQ(control->value, 699 * 1e-9);
    FreeScrollBarControl(control);
}

TEST_F(PlatformKit, RussianCaptionsKeepTheirLettersOnAWesternSystem) {
    // This binary runs with an English locale: a narrow caption would come out in code page 1252.
    EXPECT_NE(GetACP(), 1251u);
    PushButton* button =
        CreatePushButton(GetModuleHandleW(nullptr), window, 213, WS_CHILD | BS_MULTILINE, 0, 0, 4000, 100);
    EXPECT_EQ(GetDlgCtrlID(button->window), 213);
    const TextSet& ru = RussianTexts();
    for (const auto& [cp1251, expected] :
         {std::pair{&ru.menu_button, std::wstring(L"Меню")},
          std::pair{&ru.axial_button, std::wstring(L"Распределение интенсивности\n"
                                                   L"вдоль оптической оси")}}) {
        SetControlCaption(button->window, *cp1251);
        wchar_t caption[100] = {};
        GetWindowTextW(button->window, caption, 100);
        EXPECT_EQ(std::wstring(caption), expected);
    }
    FreePushButton(button);
}

// Draws a text in black on white, left-aligned at (5, 5), either through the program's helper or
// straight through TextOutW, and returns the picture's pixels.
std::vector<ColourTriple> Render(HWND window, HFONT font, const std::string* cp1251, const wchar_t* wide) {
    Surface* s = CreateSurface(window, 400, 70, kWhite);
    HGDIOBJ old = SelectObject(s->context, font);
    PrepareText(s->context, TA_LEFT);
    if (cp1251 != nullptr) DrawNarrowText(s->context, 5, 5, *cp1251);
    if (wide != nullptr) TextOutW(s->context, 5, 5, wide, static_cast<int>(wcslen(wide)));
    std::vector<ColourTriple> pixels;
    for (int y = 0; y < s->height; ++y) {
        for (int x = 0; x < s->width; ++x) pixels.push_back(SurfacePixel(s, x, y));
    }
    SelectObject(s->context, old);
    DestroySurface(s);
    return pixels;
}

TEST_F(PlatformKit, RussianTextIsDrawnWithCyrillicGlyphs) {
    // The same bytes drawn narrow on this system would be Latin-1 letters ("\xCC\xE5\xED\xFE" is
    // "Ìåíþ" in code page 1252); the helper must draw exactly what the wide "Меню" draws.
    HFONT font = CreateTextFont(54, 19, 1);
    const std::string menu = RussianTexts().menu_button;
    const std::vector<ColourTriple> drawn = Render(window, font, &menu, nullptr);
    EXPECT_EQ(drawn, Render(window, font, nullptr, L"Меню"));
    EXPECT_NE(drawn, Render(window, font, nullptr, L"Ìåíþ"));
    EXPECT_NE(drawn, Render(window, font, nullptr, L""));

    // A label draws exactly its counted characters, not up to a terminator.
    LabelText* label = MakeLabelText(2, nullptr, "\xCC\xE5\xED\xFE");
    Surface* s = CreateSurface(window, 400, 70, kWhite);
    HGDIOBJ old = SelectObject(s->context, font);
    PrepareText(s->context, TA_LEFT);
    DrawLabel(s->context, 5, 5, label);
    std::vector<ColourTriple> pixels;
    for (int y = 0; y < s->height; ++y) {
        for (int x = 0; x < s->width; ++x) pixels.push_back(SurfacePixel(s, x, y));
    }
    EXPECT_EQ(pixels, Render(window, font, nullptr, L"Ме"));
    SelectObject(s->context, old);
    DestroySurface(s);
    FreeLabelText(label);
    DeleteDrawingObject(font);
}

}  // namespace
