// The platform layer under Wine: objects counted by kind, fonts at their Windows widths, and Russian texts
// that keep their letters on a Western system (LANG=C: Wine's ANSI code page is not 1251).
#include "tests/page_driver.h"

namespace {

TEST(PlatformKit, ObjectsAreCountedByKindAndGoWithoutATrace) {
    const PlatformObjectCounts before = LiveObjectCounts();
    HWND window = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0);
    Surface* surface = CreateSurface(window, 3, 2, kBackgroundColour);
    EXPECT_EQ(Block(surface->context, 0, 0, 3, 2), std::vector<ColourTriple>(6, ColourTriple{205, 206, 255}));
    HRGN disc = CreateEllipseRegion(0, 0, 10, 10), other = CreateEllipseRegion(5, 5, 15, 15);
    HGDIOBJ font = CreateTextFont(54, 19, 1), pen = CreateSolidPen(3, kWhite),
            brush = CreateFillBrush(kWhite);
    const HGDIOBJ made[] = {font, pen, brush, disc, other, CreateIntersectionRegion(disc, other)};
    PushButton* button = CreatePushButton(nullptr, window, 213, WS_CHILD, 0, 0, 40, 10);
    PlatformObjectCounts expected = before;
    expected.contexts += 1, expected.bitmaps += 1, expected.fonts += 1, expected.pens += 1;
    expected.brushes += 1, expected.regions += 3, expected.windows += 1;
    EXPECT_EQ(LiveObjectCounts(), expected);
    const HBITMAP bitmap = surface->bitmap;
    for (HGDIOBJ object : made) DeleteDrawingObject(object);
    DestroySurface(surface);
    EXPECT_EQ(GetObjectType(bitmap), 0u);  // really gone, not just uncounted
    DestroyWindow(window);
    FreePushButton(button);
    EXPECT_EQ(LiveObjectCounts(), before);
}

// "Times New Roman" draws at its Windows widths: a font made with an explicit width is scaled so that the
// face's stated average width (Times New Roman's 821 of 2048, also in the face Wine uses) comes out at it.
// Texts (code page 1251) in the page font at 1920 x 1080 (54 x 19) are within 2 % of the sum of their
// letters' advance widths (in 1/2048 em) times 19/821, "Продолжить" within 1 %.
TEST(PlatformKit, TextsHaveTheirWindowsWidths) {
    const TextSet& ru = RussianTexts();
    const std::pair<std::string, int> cases[] = {{ru.continue_caption, 10955},
                                                 {ru.reset_caption, 5365},
                                                 {"Continue", 7509},
                                                 {"Projection of aperture", 17856},
                                                 {"Fresnel diffraction", 15184},
                                                 {"Distance to the screen 2.0 m", 23203}};
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(context, CreateTextFont(54, 19, 1));
    for (const auto& [text, advances] : cases) {
        const double windows = advances * 19.0 / 821, tolerance = text == ru.continue_caption ? 0.01 : 0.02;
        EXPECT_NEAR(NarrowTextWidth(context, text), windows, tolerance * windows) << text;
    }
    DeleteDrawingObject(SelectObject(context, previous));
    DeleteDC(context);
}

// A text in black on white at (5, 5): code page 1251 bytes through the program's helper (the first `letters`
// of them as a label, when given), or a wide text straight through TextOutW.
std::vector<ColourTriple> Render(const std::string& cp1251, const wchar_t* wide, int letters = 0) {
    Surface* s = CreateSurface(nullptr, 200, 70, kWhite);
    HGDIOBJ previous = SelectObject(s->context, CreateTextFont(54, 19, 1));
    LabelText* label = MakeLabelText(letters, nullptr, cp1251.c_str());
    PrepareText(s->context, TA_LEFT);
    if (letters > 0) DrawLabel(s->context, 5, 5, label);
    if (letters == 0 && wide == nullptr) DrawNarrowText(s->context, 5, 5, cp1251);
    if (wide != nullptr) TextOutW(s->context, 5, 5, wide, static_cast<int>(wcslen(wide)));
    const std::vector<ColourTriple> pixels = Block(s->context, 0, 0, 200, 70);
    FreeLabelText(label);
    DeleteDrawingObject(SelectObject(s->context, previous));
    DestroySurface(s);
    return pixels;
}

TEST(PlatformKit, RussianTextsKeepTheirLettersOnAWesternSystem) {
    EXPECT_NE(GetACP(), 1251u);
    HWND window = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0);
    PushButton* button = CreatePushButton(nullptr, window, 213, WS_CHILD | BS_MULTILINE, 0, 0, 4000, 100);
    SetControlCaption(button->window, RussianTexts().axial_button);
    EXPECT_EQ(Caption(button->window), L"Распределение интенсивности\nвдоль оптической оси");
    DestroyWindow(window);
    FreePushButton(button);
    // Drawn narrow, the same bytes would be Latin-1 letters ("Ìåíþ"); the helper draws what a wide "Меню"
    // draws, and a label exactly its counted letters.
    const std::string& menu = RussianTexts().menu_button;
    EXPECT_EQ(Render(menu, nullptr), Render("", L"Меню"));
    EXPECT_NE(Render(menu, nullptr), Render("", L"Ìåíþ"));
    EXPECT_NE(Render(menu, nullptr), Render("", L""));
    EXPECT_EQ(Render(menu, nullptr, 2), Render("", L"Ме"));
}

}  // namespace
