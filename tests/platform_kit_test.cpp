// The platform layer under Wine: fonts at their Windows widths, and Russian texts that keep their letters on
// a Western system (LANG=C: Wine's ANSI code page is not 1251).
#include <functional>

#include "tests/page_driver.h"

namespace {

// What `draw` shows in black on white in the page font at 1920 x 1080 (54 x 19); wide letters at (5, 5).
Pixels InPageFont(const std::function<void(HDC)>& draw) {
    Surface* s = CreateSurface(nullptr, 200, 70, kWhite);
    HGDIOBJ previous = SelectObject(s->context, CreateTextFont(54, 19, 1));
    PrepareText(s->context, TA_LEFT);
    draw(s->context);
    const Pixels pixels = Block(s->context, 0, 0, 200, 70);
    DeleteDrawingObject(SelectObject(s->context, previous));
    DestroySurface(s);
    return pixels;
}
Pixels Wide(const std::wstring& text) {
    return InPageFont([&](HDC dc) { TextOutW(dc, 5, 5, text.c_str(), static_cast<int>(text.size())); });
}

// "Times New Roman" draws at its Windows widths: a font made with an explicit width is scaled so that the
// face's stated average width (Times New Roman's 821 of 2048, also in the face Wine uses) comes out at it.
// Texts (code page 1251) in the page font are within 2 % of the sum of their letters' advance widths (in
// 1/2048 em) times 19/821, "Продолжить" within 1 %.
TEST(PlatformKit, TextsHaveTheirWindowsWidths) {
    const TextSet& ru = RussianTexts();
    const std::pair<std::string, int> cases[] = {{ru.continue_caption, 10955},
                                                 {ru.reset_caption, 5365},
                                                 {"Continue", 7509},
                                                 {"Projection of aperture", 17856},
                                                 {"Fresnel diffraction", 15184},
                                                 {"Distance to the screen 2.0 m", 23203}};
    InPageFont([&](HDC dc) {
        for (const auto& [text, advances] : cases) {
            const double windows = advances * 19.0 / 821,
                         tolerance = text == ru.continue_caption ? 0.01 : 0.02;
            EXPECT_NEAR(NarrowTextWidth(dc, text), windows, tolerance * windows) << text;
        }
    });
}

TEST(PlatformKit, RussianTextsKeepTheirLettersOnAWesternSystem) {
    EXPECT_NE(GetACP(), 1251u);
    // Drawn narrow, the bytes would be Latin-1 letters ("Ìåíþ"); the program's helper draws what a wide
    // "Меню" draws, and a label exactly its counted letters. (The pages test reads the captions back.)
    const std::string& menu = RussianTexts().menu_button;
    EXPECT_EQ(InPageFont([&](HDC dc) { DrawNarrowText(dc, 5, 5, menu); }), Wide(L"Меню"));
    LabelText* label = MakeLabelText(2, nullptr, menu.c_str());
    EXPECT_EQ(InPageFont([&](HDC dc) { DrawLabel(dc, 5, 5, label); }), Wide(L"Ме"));
    FreeLabelText(label);
}

// Windows' rules on this layer's objects, which Wine does not enforce: a font deleted while a surface holds
// it, and a 32-bpp CreateBitmap bitmap in a memory context, are reported; the surfaces' DIB sections and
// a delete in the right order are not.
TEST(PlatformKit, WindowsRulesAreChecked) {
    CheckWindowsRules(true);
    Surface* s = CreateSurface(nullptr, 8, 8, kWhite);
    HFONT font = CreateTextFont(20, 8, 400);
    HGDIOBJ previous = SelectObject(s->context, font);
    DeleteDrawingObject(font);
    HBITMAP plain = CreateBitmap(8, 8, 1, 32, nullptr);
    Surface* wrapped = WrapBitmapSurface(nullptr, 8, 8, plain);
    EXPECT_EQ(TakeRuleViolations(),
              (std::vector<std::string>{
                  "a font deleted while it is selected into a surface",
                  "a 32-bpp bitmap that is neither a DIB section nor a compatible bitmap selected"}));
    SelectObject(s->context, previous);  // Wine deletes the font now, Windows never would
    DestroySurface(wrapped);
    DestroySurface(s);
    EXPECT_EQ(TakeRuleViolations(), std::vector<std::string>{});
    CheckWindowsRules(false);
}

}  // namespace
