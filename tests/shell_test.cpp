// The shell's pure parts: labels, code page 1251, keys, start and authors pages, texts, scroll rule, threads.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/lecture_keys.h"
#include "shell/pages/page_layout.h"
#include "shell/palette.h"
#include "shell/platform/resource_failures.h"
#include "shell/platform/scroll_rule.h"
#include "shell/platform/worker_pool.h"
#include "shell/text/cp1251.h"
#include "shell/text/label_text.h"
#include "shell/text/text_set.h"
#include "tests/worked_numbers.h"

namespace {

std::string Text(const LabelTextPtr& label) {
    EXPECT_EQ(label->text[label->length], '\0');
    return std::string(label->text, label->length);
}

TEST(Labels, IntegersFixedPointAndJoining) {
    for (int value : {0, 9, 10, 99, 100, 600, 999999999})
        EXPECT_EQ(Text(IntegerLabel(value)), std::to_string(value));
    // The fraction is truncated, not rounded.
    const std::pair<int, double> fixed[] = {
        {2, 2.5},    {2, 0.05},        {1, 12.37}, {3, 1.5},
        {0, 7.9},    {2, 0.29},        {1, 0.05},  {1, 3.9999999999999996},
        {2, 0.9375}, {2, 2000 * 0.001}};
    std::string shown;
    for (const auto& [decimals, value] : fixed) shown += Text(FixedLabel(decimals, value)) + " ";
    EXPECT_EQ(shown, "2.50 0.05 12.3 1.500 7 0.28 0.0 3.9 0.93 2.00 ");
    LabelTextPtr part(MakeLabelText(11, nullptr, "Wavelength nm"));  // only the first 11 characters
    const LabelTextPtr label = JoinLabels(part.get(), IntegerLabel(600).get(), MakeLabel(" nm").get());
    EXPECT_EQ(Text(label), "Wavelength 600 nm");
    EXPECT_EQ(Text(part), "Wavelength ");
    const LabelTextPtr empty(ConcatLabelTexts(MakeLabel("").get(),
                                              LabelTextPtr(MakeLabelText(0, nullptr, "x")).get(),
                                              LabelTextPtr(MakeLabelText(0, nullptr, nullptr)).get()));
    EXPECT_EQ(Text(empty), "");
}

TEST(CodePage1251, RussianLettersRoundTripAndTheRestBecomesQuestionMarks) {
    const std::string bytes = Utf8ToCp1251("Длина Ёё Е = Сn");  // the sum's "Е" and "С" are Cyrillic
    EXPECT_EQ(bytes, "\xC4\xEB\xE8\xED\xE0 \xA8\xB8 \xC5 = \xD1n");
    EXPECT_EQ(Cp1251ToUtf16(bytes.data(), static_cast<int>(bytes.size())), u"Длина Ёё Е = Сn");
    EXPECT_EQ(Utf8ToCp1251("λ") + Utf8ToCp1251(std::string("a\xD0", 2)) + Utf8ToCp1251("\xFF"), "?a??");
    // Three- and four-byte sequences: one letter each ("€" and "—" are in the code page). U+10401 would be
    // "Ё" if the lead byte's bits were lost; a sequence cut short is one "?" a byte.
    EXPECT_EQ(Utf8ToCp1251("€—a\U0001F600b\U00010401c"),
              "\x88\x97"
              "a?b?c");
    EXPECT_EQ(Utf8ToCp1251(std::string("x\xF0\x9F\x98", 4)) + Utf8ToCp1251("\xC3(\xE2\x82("),
              "x??\x3F?(\x3F?(");  // "x????(??(" without trigraphs
    // From UTF-16 (a program renamed "Зоны Френеля.exe" names its saved pictures): letters of the code page
    // kept, a character outside it one "?", a surrogate pair one "?", a lone surrogate one "?".
    EXPECT_EQ(Utf16ToCp1251(u"Зоны Френеля axial €"), Utf8ToCp1251("Зоны Френеля axial €"));
    const std::u16string odd = {u'a', 0x03BB, 0xD83D, 0xDE00, u'b', 0xD800, u'c', 0xDC00};
    EXPECT_EQ(Utf16ToCp1251(odd), "a??b?c?");
}

// Each key's button on each page, the wavelength arrows, the shell's keys (V phasor panel, M monitor, H help,
// P palette, C copy, S save), the keys stopped at the page (Space and Enter never reach a focused button):
// all 256 codes without and with Ctrl, as key:command/step/shell, so a key doing what it should not shows
// too.
TEST(LectureKeys, EveryPagesKeys) {
    const auto name = [](unsigned code) -> std::string {
        const std::map<unsigned, const char*> names = {
            {0x20, "Space"}, {0x0D, "Enter"}, {0x22, "PgDn"},   {0x21, "PgUp"}, {0x1B, "Esc"},
            {0x08, "BkSp"},  {0x25, "Left"},  {0x27, "Right"},  {0x70, "F1"},   {0xBB, "Plus"},
            {0xBC, "Comma"}, {0xBD, "Minus"}, {0xBE, "Period"}, {0x6B, "Num+"}, {0x6D, "Num-"}};
        if (names.count(code) != 0) return names.at(code);
        if (code >= 0x60 && code <= 0x69) return "Num" + std::to_string(code - 0x60);
        return std::string(1, static_cast<char>(code));
    };
    std::string taken;
    for (bool control : {false, true}) {
        for (PageKind page : {kAxialScreen, kRadialScreen, kPatternScreen, kStartPage, kAuthorsPage}) {
            for (unsigned code = 0; code < 256; ++code) {
                const LectureKeyAction a = LectureKeyFor(page, code, control);
                if (a.taken || a.command || a.wavelength_step || a.shell != ShellKey::kNone)
                    taken += name(code) + ":" + Numbers(a.command) + "/" + Numbers(a.wavelength_step) +
                             std::vector<std::string>{"",   "/V", "/M", "/H", "/C", "/S", "/P",
                                                      "/O", "/F", "/B", "/Z", "/+", "/-"}[int(a.shell)] +
                             (a.taken ? " " : "/free ");
            }
            taken += "| ";
        }
    }
    std::string expected =
        "BkSp:210/0 Enter:211/0 Esc:210/0 Space:211/0 PgUp:212/0 PgDn:211/0 Left:0/-1 Right:0/1 M:0/0/M "
        "O:0/0/O P:0/0/P R:212/0 V:0/0/V Z:0/0/Z Num+:0/0/+ Num-:0/0/- F1:0/0/H Plus:0/0/+ Comma:0/0/B "
        "Minus:0/0/- Period:0/0/F | BkSp:214/0 Enter:215/0 Esc:214/0 Space:215/0 PgUp:216/0 PgDn:215/0 "
        "M:0/0/M O:0/0/O P:0/0/P R:216/0 V:0/0/V Num+:0/0/+ Num-:0/0/- F1:0/0/H Plus:0/0/+ Comma:0/0/B "
        "Minus:0/0/- Period:0/0/F | BkSp:206/0 Enter:0/0 Esc:206/0 Space:0/0 Left:0/-1 Right:0/1 M:0/0/M "
        "O:0/0/O P:0/0/P F1:0/0/H | Enter:0/0 Space:0/0 1:203/0 2:204/0 3:213/0 A:201/0 M:0/0/M P:0/0/P "
        "Num1:203/0 Num2:204/0 Num3:213/0 F1:0/0/H | BkSp:205/0 Enter:0/0 Esc:205/0 Space:0/0 M:0/0/M "
        "P:0/0/P F1:0/0/H | ";
    for (int page = 0; page < 5; ++page) expected += "Enter:0/0 Space:0/0 C:0/0/C S:0/0/S | ";  // with Ctrl
    EXPECT_EQ(taken, expected);
}

std::string Worked(const PageHeaderLayout& h) {
    std::string s = Numbers(h.mx, h.my, h.L, h.R, h.T, h.S, h.left_emblem_x, h.right_emblem_x, h.emblem_y,
                            h.xl, h.xr, h.xc, h.y1, h.first_title_y, h.text_count);
    for (int i = 0; i < h.text_count; ++i)
        s += " " + Numbers(int(h.texts[i].font), h.texts[i].x, h.texts[i].y);
    return s;
}

std::string Worked(const FontSize (&fonts)[kPageFontRoleCount]) {
    std::string s;
    for (const FontSize& f : fonts) s += Numbers(f.height, f.width, f.weight) + "; ";
    return s;
}

std::string Worked(const ButtonPlace& b) {
    return Numbers(b.id, b.x, b.y, b.width, b.height, b.multiline);
}

// The header, the fonts, the buttons in their order of creation and the notice's place and bounds.
std::string Worked(const StartPageLayout& p) {
    std::string s = Worked(p.header) + " / " + Worked(p.fonts);
    for (const ButtonPlace& b : p.buttons) s += Worked(b) + "; ";
    return s + Numbers(p.notice_x, p.notice_y, p.notice_limit[0], p.notice_limit[1], p.notice_limit[2],
                       p.notice_limit[3]);
}

std::string Worked(const AuthorsPageLayout& a) {
    std::string s =
        Numbers(a.F, a.Er, a.El, a.G, a.Y, a.u, a.portrait_width, a.portrait_height, a.left_portrait_x,
                a.right_portrait_x, a.portrait_y, Worked(a.menu), Worked(a.fonts));
    for (const PlacedText& n : a.names) s += " " + Numbers(int(n.font), n.x, n.y);
    return s;
}

// The text each place of the start page (buttons 201, 203, 202, 204, 213) and the authors page shows on the
// full HD screen (their numbers at every size: EverySize).
TEST(StartAndAuthorsPages, FullHdTexts) {
    const TextSet& en = EnglishTexts();
    const StartPageLayout p = ComputeStartPageLayout(1920, 1080, en);
    const std::string* captions[] = {&en.authors_button, &en.pattern_button, &en.exit_button,
                                     &en.axial_button, &en.radial_button};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(p.buttons[i].caption, captions[i]) << i;
    const std::string* header_texts[] = {&en.left_emblem_caption_1, &en.left_emblem_caption_2,
                                         &en.right_emblem_caption,  &en.institution_line_1,
                                         &en.presentations_line,    &en.lecture_course_line,
                                         &en.course_title,          &en.title_line_1,
                                         &en.title_line_2,          &en.year_line};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(p.header.texts[i].text, header_texts[i]) << i;
    // The Russian header has no lecture course line and the institution's name on its second line.
    const StartPageLayout russian = ComputeStartPageLayout(1920, 1080, RussianTexts());
    EXPECT_EQ(russian.header.text_count, 9);
    EXPECT_EQ(russian.header.texts[3].text, &RussianTexts().institution_line_2);
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()}) {
        const AuthorsPageLayout a = ComputeAuthorsPageLayout(1920, 1080, *t);
        EXPECT_EQ(a.names[0].text, &t->first_author);
        EXPECT_EQ(a.names[2].text, &t->lecturers);
        EXPECT_EQ(a.menu.caption, &t->menu_button);
        EXPECT_EQ(a.header.texts[a.header.text_count - 1].text, &t->year_line);
    }
}

// Every number of the start and the authors page at every size and in both languages, pinned at once.
TEST(StartAndAuthorsPages, EverySize) {
    std::string layouts;
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()})
        for (const LectureSize& s : kLectureSizes) {
            layouts += Worked(ComputeStartPageLayout(s.width, s.height, *t)) + " | " +
                       Worked(ComputeAuthorsPageLayout(s.width, s.height, *t)) + "\n";
        }
    EXPECT_EQ(Fingerprint(layouts), 10296198284826958536ull) << layouts;
}

// Every text a page draws is present with no character lost on the way (the pages test reads every caption
// of both programs back from the windows, the Russian ones from code page 1251).
TEST(TextSets, BothLanguages) {
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()}) {
        const StartPageLayout p = ComputeStartPageLayout(1920, 1080, *t);
        for (int i = 0; i < p.header.text_count; ++i) {
            EXPECT_FALSE(p.header.texts[i].text->empty()) << "header text " << i;
            EXPECT_EQ(p.header.texts[i].text->find('?'), std::string::npos) << *p.header.texts[i].text;
        }
        for (const PlacedText& n : ComputeAuthorsPageLayout(1920, 1080, *t).names)
            EXPECT_FALSE(n.text->empty());
        // The sum sign goes into the run of spaces after the formula line's "=".
        const SumSignGap gap = FindSumSignGap(t->sum_caption);
        EXPECT_EQ(t->sum_caption[gap.equals_end - 1], '=');
        EXPECT_EQ(t->sum_caption.find_first_not_of(' ', gap.equals_end), std::size_t(gap.gap_end));
        EXPECT_GE(gap.gap_end - gap.equals_end, 3);
    }
    EXPECT_EQ(
        Numbers(FindSumSignGap("E =").equals_end, FindSumSignGap("E =").gap_end, FindSumSignGap("E").gap_end),
        "3 3 0");
}

TEST(TextSets, DeployerFileIsKeyValueLines) {
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
    EXPECT_EQ(t.first_author + "|" + t.lecturers + "|" + t.second_author + "|" + t.course_title + "|" +
                  t.institution_line_1,
              "Author One|A = B|\xC0\xE1|last line without a line feed|");
}

// Line arrows step and stop at the ends, thumb tracking takes the unsigned 16-bit position, every other
// code changes nothing.
TEST(ScrollRule, Notifications) {
    EXPECT_EQ(
        Numbers(ApplyScrollRule(400, 700, 600, 1, 0).position, ApplyScrollRule(400, 700, 600, 1, 1).position,
                ApplyScrollRule(1000, 3000, 1005, 10, 0).position,
                ApplyScrollRule(400, 700, 700, 1, 1).position, ApplyScrollRule(400, 700, 700, 1, 1).changed),
        "599 601 1000 700 1");
    EXPECT_EQ(ApplyScrollRule(1000, 10000, 2000, 100, 5 | (10000ul << 16)).position, 10000);
    EXPECT_EQ(Numbers(ApplyScrollRule(400, 700, 650, 1, 5 | (651ul << 16)).changed,
                      ApplyScrollRule(400, 700, 650, 1, 5 | (650ul << 16)).changed),
              "1 0");  // tracking onto the position it has is no change
    EXPECT_FALSE(ApplyScrollRule(1000, 10000, 2000, 100, 5 | (65535ul << 16)).changed);
    for (unsigned long code : {2ul, 3ul, 4ul | (650ul << 16), 6ul, 7ul, 8ul}) {
        const ScrollOutcome o = ApplyScrollRule(400, 700, 600, 1, code);
        EXPECT_TRUE(o.position == 600 && !o.changed) << code;
    }
}

// A thread the system refuses leaves the pool with those it started (the count says so); a task that throws
// ends only itself, the job runs to its end, Run hands the exception on, and the pool works on.
TEST(WorkerPool, RefusedThreadsAndThrowingTasks) {
    FailNthCreation(2);
    {
        WorkerPool pool(3);
        FailNthCreation(0);
        EXPECT_EQ(Numbers(pool.workers(), WorkerPool::LiveWorkers()), "1 1");
        std::atomic<int> ran{0};
        const auto task = [&](int i) {
            ++ran;
            if (i % 7 == 3) throw std::runtime_error("task");
        };
        EXPECT_THROW(pool.Run(40, task), std::runtime_error);
        EXPECT_EQ(ran, 40);
        pool.Run(5, [&](int i) { ran += i; });
        EXPECT_EQ(ran, 50);
    }
    EXPECT_EQ(WorkerPool::LiveWorkers(), 0);
    EXPECT_FALSE(TakeResourceFailure());  // fewer threads are no failure of the page
}

// The projector palette by the WCAG contrast measure: texts at least 4.5 : 1 on the page, lines at least 3 :
// 1 and thicker (the classic look's white curve on lavender: 1.5 : 1).
TEST(Palette, ContrastOnAProjector) {
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_EQ(ContrastRatio(kBlack, kWhite), ContrastRatio(kWhite, kBlack));
    EXPECT_NEAR(ContrastRatio(kClassicPalette.curve, kClassicPalette.page), 1.52, 0.01);
    const Palette& p = kProjectorPalette;
    EXPECT_GE(ContrastRatio(p.ink, p.page), 4.5);
    EXPECT_GE(ContrastRatio(p.curve, p.page), 3.0);
    EXPECT_GT(p.line_width, kClassicPalette.line_width);
}

}  // namespace
