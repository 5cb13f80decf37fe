// The start page and the authors page laid out at 1920 x 1080, 1024 x 768 and 1080 x 1920 in both
// builds, the two text sets as code page 1251 bytes, and the scroll rule of every scroll bar.
#include <gtest/gtest.h>

#include <string>

#include "shell/cp1251.h"
#include "shell/page_layout.h"
#include "shell/scroll_rule.h"
#include "shell/text_set.h"

namespace {

struct Expected {
    const std::string* text;
    PageFontRole font;
    int x;
    int y;
};

void ExpectTexts(const PageHeaderLayout& header, std::initializer_list<Expected> expected) {
    ASSERT_EQ(header.text_count, static_cast<int>(expected.size()));
    int i = 0;
    for (const Expected& e : expected) {
        const PlacedText& t = header.texts[i++];
        EXPECT_EQ(t.text, e.text) << "text " << i;
        EXPECT_EQ(t.font, e.font) << "text " << i;
        EXPECT_EQ(t.x, e.x) << "text " << i;
        EXPECT_EQ(t.y, e.y) << "text " << i;
    }
}

void ExpectFont(const FontSize& f, int height, int width, int weight) {
    EXPECT_EQ(f.height, height);
    EXPECT_EQ(f.width, width);
    EXPECT_EQ(f.weight, weight);
}

TEST(StartPageLayout, EnglishAt1920x1080) {
    const TextSet& t = EnglishTexts();
    const StartPageLayout p = ComputeStartPageLayout(1920, 1080, t);
    const PageHeaderLayout& h = p.header;
    EXPECT_EQ(h.mx, 38);
    EXPECT_EQ(h.my, 43);
    EXPECT_EQ(h.S, 282);
    EXPECT_EQ(h.left_emblem_x, 147);
    EXPECT_EQ(h.right_emblem_x, 1491);
    EXPECT_EQ(h.emblem_y, 51);
    ExpectTexts(h, {{&t.left_emblem_caption_1, kCaptionFont, 288, 376},
                    {&t.left_emblem_caption_2, kCaptionFont, 288, 406},
                    {&t.right_emblem_caption, kCaptionFont, 1632, 376},
                    {&t.institution_line_1, kCaptionFont, 960, 43},
                    {&t.presentations_line, kCaptionFont, 960, 129},
                    {&t.lecture_course_line, kCaptionFont, 960, 172},
                    {&t.course_title, kCaptionFont, 960, 215},
                    {&t.title_line_1, kTitleFont, 960, 322},
                    {&t.title_line_2, kTitleFont, 960, 408},
                    {&t.year_line, kPageFont, 960, 1025}});
    ExpectFont(p.fonts[kButtonFont], 54, 19, 1);
    ExpectFont(p.fonts[kPageFont], 54, 19, 1);
    ExpectFont(p.fonts[kCaptionFont], 36, 12, 1);
    ExpectFont(p.fonts[kTitleFont], 70, 24, 800);

    // Created in the order 201, 203, 202, 204, 213; the three demonstration buttons are multi-line.
    const struct {
        int id, x, y, width, height;
        bool multiline;
        const std::string* caption;
    } buttons[] = {{201, 1689, 950, 192, 108, false, &t.authors_button},
                   {203, 576, 486, 768, 108, true, &t.pattern_button},
                   {202, 38, 950, 192, 108, false, &t.exit_button},
                   {204, 576, 648, 768, 108, true, &t.axial_button},
                   {213, 576, 810, 768, 108, true, &t.radial_button}};
    for (int i = 0; i < 5; ++i) {
        const ButtonPlace& b = p.buttons[i];
        EXPECT_EQ(b.id, buttons[i].id);
        EXPECT_EQ(b.x, buttons[i].x) << b.id;
        EXPECT_EQ(b.y, buttons[i].y) << b.id;
        EXPECT_EQ(b.width, buttons[i].width) << b.id;
        EXPECT_EQ(b.height, buttons[i].height) << b.id;
        EXPECT_EQ(b.multiline, buttons[i].multiline) << b.id;
        EXPECT_EQ(b.caption, buttons[i].caption) << b.id;
    }
}

TEST(StartPageLayout, RussianAt1920x1080) {
    const TextSet& t = RussianTexts();
    const StartPageLayout p = ComputeStartPageLayout(1920, 1080, t);
    ExpectTexts(p.header, {{&t.left_emblem_caption_1, kCaptionFont, 288, 376},
                           {&t.right_emblem_caption, kCaptionFont, 1632, 376},
                           {&t.institution_line_1, kCaptionFont, 960, 43},
                           {&t.institution_line_2, kCaptionFont, 960, 86},
                           {&t.presentations_line, kCaptionFont, 960, 150},
                           {&t.course_title, kCaptionFont, 960, 193},
                           {&t.title_line_1, kTitleFont, 960, 300},
                           {&t.title_line_2, kTitleFont, 960, 386},
                           {&t.year_line, kPageFont, 960, 1025}});
    EXPECT_EQ(p.buttons[3].caption, &t.axial_button);
}

TEST(StartPageLayout, OtherScreens) {
    // 1024 x 768: the emblem is limited by the left column, not by the height.
    const StartPageLayout small = ComputeStartPageLayout(1024, 768, EnglishTexts());
    EXPECT_EQ(small.header.S, 187);
    EXPECT_EQ(small.header.left_emblem_x, 60);
    EXPECT_EQ(small.header.right_emblem_x, 776);
    EXPECT_EQ(small.header.emblem_y, 39);
    EXPECT_EQ(small.header.xc, 511);
    EXPECT_EQ(small.buttons[0].x, 901);
    EXPECT_EQ(small.buttons[0].y, 675);
    ExpectFont(small.fonts[kTitleFont], 49, 13, 800);

    const StartPageLayout tall = ComputeStartPageLayout(1080, 1920, EnglishTexts());
    EXPECT_EQ(tall.header.S, 198);
    EXPECT_EQ(tall.header.xc, 540);
    EXPECT_EQ(tall.header.y1, 440);
    EXPECT_EQ(tall.buttons[1].y, 864);
    EXPECT_EQ(tall.buttons[1].width, 432);
}

TEST(AuthorsPageLayout, At1920x1080BothBuilds) {
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()}) {
        const AuthorsPageLayout a = ComputeAuthorsPageLayout(1920, 1080, *t);
        EXPECT_EQ(a.u, 99);  // limited by the height
        EXPECT_EQ(a.portrait_width, 297);
        EXPECT_EQ(a.portrait_height, 396);
        EXPECT_EQ(a.left_portrait_x, 546);
        EXPECT_EQ(a.right_portrait_x, 1077);
        EXPECT_EQ(a.portrait_y, 501);
        EXPECT_EQ(a.names[0].text, &t->first_author);
        EXPECT_EQ(a.names[0].x, 694);
        EXPECT_EQ(a.names[0].y, 908);
        EXPECT_EQ(a.names[1].text, &t->second_author);
        EXPECT_EQ(a.names[1].x, 1225);
        EXPECT_EQ(a.names[1].y, 908);
        EXPECT_EQ(a.names[2].text, &t->lecturers);
        EXPECT_EQ(a.names[2].x, 960);
        EXPECT_EQ(a.names[2].y, 961);
        for (const PlacedText& n : a.names) EXPECT_EQ(n.font, kPageFont);
        ExpectFont(a.fonts[kTitleFont], 75, 26, 800);
        ExpectFont(a.fonts[kPageFont], 45, 16, 1);
        ExpectFont(a.fonts[kCaptionFont], 36, 12, 1);
        ExpectFont(a.fonts[kButtonFont], 54, 19, 1);
        EXPECT_EQ(a.menu.id, 205);
        EXPECT_EQ(a.menu.x, 1689);
        EXPECT_EQ(a.menu.y, 950);
        EXPECT_EQ(a.menu.width, 192);
        EXPECT_EQ(a.menu.height, 108);
        EXPECT_EQ(a.menu.caption, &t->menu_button);
        // The header is the start page's, date line included.
        const PageHeaderLayout& h = a.header;
        EXPECT_EQ(h.texts[h.text_count - 1].text, &t->year_line);
        EXPECT_EQ(h.texts[h.text_count - 1].y, 1025);
    }
}

TEST(AuthorsPageLayout, At1024x768LimitedByWidth) {
    const AuthorsPageLayout a = ComputeAuthorsPageLayout(1024, 768, EnglishTexts());
    EXPECT_EQ(a.u, 61);
    EXPECT_EQ(a.portrait_width, 183);
    EXPECT_EQ(a.portrait_height, 244);
    EXPECT_EQ(a.left_portrait_x, 287);
    EXPECT_EQ(a.right_portrait_x, 552);
    EXPECT_EQ(a.portrait_y, 368);
}

TEST(AuthorsPageLayout, PortraitScreenDependsOnTheFirstTitleLine) {
    const AuthorsPageLayout en = ComputeAuthorsPageLayout(1080, 1920, EnglishTexts());
    const AuthorsPageLayout ru = ComputeAuthorsPageLayout(1080, 1920, RussianTexts());
    EXPECT_EQ(en.u, 65);
    EXPECT_EQ(ru.u, 65);
    EXPECT_EQ(en.portrait_y, 1062);
    EXPECT_EQ(ru.portrait_y, 1043);
    EXPECT_EQ(en.G, 570);
    EXPECT_EQ(ru.G, 532);
}

TEST(AuthorsPageLayout, PortraitsAlwaysMatchAndKeepThreeToFour) {
    for (int W = 640; W <= 2560; W += 137) {
        for (int H = 480; H <= 2160; H += 111) {
            const AuthorsPageLayout a = ComputeAuthorsPageLayout(W, H, RussianTexts());
            EXPECT_EQ(a.portrait_width * 4, a.portrait_height * 3) << W << "x" << H;
            // The portraits never reach over the emblems or the page centre.
            if (a.u > 0) {
                EXPECT_GE(a.left_portrait_x, a.Er) << W << "x" << H;
                EXPECT_LE(a.left_portrait_x + a.portrait_width, a.header.xc) << W << "x" << H;
                EXPECT_GE(a.right_portrait_x, a.header.xc) << W << "x" << H;
                EXPECT_LE(a.right_portrait_x + a.portrait_width, a.El) << W << "x" << H;
            }
        }
    }
}

std::u16string Widened(const std::string& cp1251) {
    return Cp1251ToUtf16(cp1251.data(), static_cast<int>(cp1251.size()));
}

TEST(TextSets, RussianTextsAreCodePage1251) {
    const TextSet& ru = RussianTexts();
    EXPECT_EQ(ru.language, TextLanguage::kRussian);
    EXPECT_EQ(ru.menu_button, "\xCC\xE5\xED\xFE");  // М е н ю
    EXPECT_EQ(ru.year_line, "2012 \xE3.");
    EXPECT_EQ(Widened(ru.axial_button), u"Распределение интенсивности\nвдоль оптической оси");
    EXPECT_EQ(Widened(ru.presentations_line), u"Компьютерные демонстрации по курсу лекций");
    EXPECT_EQ(Widened(ru.title_line_1), u"Дифракция на круглом отверстии");
    EXPECT_EQ(Widened(ru.first_author), u"Автор Первый");
    EXPECT_EQ(ru.exit_button.size(), 5u);  // one byte a letter, counted lengths stay right
    EXPECT_TRUE(ru.lecture_course_line.empty());

    const TextSet& en = EnglishTexts();
    EXPECT_EQ(en.language, TextLanguage::kEnglish);
    EXPECT_EQ(en.axial_button, "Intensity distribution\nalong the optical axis");
    EXPECT_EQ(en.title_line_1, "Diffraction by circular apertures.");
    EXPECT_EQ(en.year_line, "2012");
}

TEST(TextSets, ShippedDeployerTextsFillEveryShownLine) {
    // Every text a page draws is present, and no character was lost on the way to code page 1251.
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()}) {
        const StartPageLayout p = ComputeStartPageLayout(1920, 1080, *t);
        for (int i = 0; i < p.header.text_count; ++i) {
            EXPECT_FALSE(p.header.texts[i].text->empty()) << "header text " << i;
            EXPECT_EQ(p.header.texts[i].text->find('?'), std::string::npos) << *p.header.texts[i].text;
        }
        const AuthorsPageLayout a = ComputeAuthorsPageLayout(1920, 1080, *t);
        for (const PlacedText& n : a.names) EXPECT_FALSE(n.text->empty());
    }
}

TEST(DeployerTexts, KeyValueLines) {
    TextSet t{};
    ReadDeployerTexts(
        "\xEF\xBB\xBF# comment = ignored\r\n"
        "first_author =  Author One \r\n"
        "unknown = x\n"
        "lecturers = A = B\n"
        "second_author = \xD0\x90\xD0\xB1\n"  // Аб in UTF-8
        "no equals sign here\n"
        "course_title = last line without a line feed",
        &t);
    EXPECT_EQ(t.first_author, "Author One");
    EXPECT_EQ(t.lecturers, "A = B");
    EXPECT_EQ(t.second_author, "\xC0\xE1");
    EXPECT_EQ(t.course_title, "last line without a line feed");
    EXPECT_TRUE(t.institution_line_1.empty());
}

// The cases of the program's scroll bars that the test under Wine does not reach: the thumb position is
// an unsigned 16-bit word, and every code other than line and thumb tracking changes nothing.
TEST(ScrollRule, UnsignedThumbWordAndInertCodes) {
    const unsigned long track = 5;
    EXPECT_EQ(ApplyScrollRule(1000, 10000, 2000, 100, track | (10000ul << 16)).position, 10000);
    EXPECT_FALSE(ApplyScrollRule(1000, 10000, 2000, 100, track | (65535ul << 16)).changed);
    EXPECT_EQ(ApplyScrollRule(1000, 3000, 1005, 10, 0).position, 1000);  // never below the minimum
    for (unsigned long code : {2ul, 3ul, 4ul | (650ul << 16), 6ul, 7ul, 8ul}) {
        const ScrollOutcome o = ApplyScrollRule(400, 700, 600, 1, code);
        EXPECT_EQ(o.position, 600) << code;
        EXPECT_FALSE(o.changed) << code;
    }
}

}  // namespace
