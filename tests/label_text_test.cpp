// Labels and number formatting, and the code page conversions every drawn text goes through.
#include <gtest/gtest.h>

#include <string>

#include "shell/cp1251.h"
#include "shell/label_text.h"

namespace {

std::string Text(const LabelText* label) { return std::string(label->text, label->length); }

std::string Fixed(int decimals, double value) {
    LabelTextPtr label = FixedLabel(decimals, value);
    EXPECT_EQ(label->text[label->length], '\0');
    return Text(label.get());
}

TEST(FormatInteger, DigitsAndLengths) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"}, {9, "9"}, {10, "10"}, {99, "99"}, {100, "100"}, {600, "600"}, {999999999, "999999999"}};
    for (const auto& c : cases) {
        int length = -1;
        char* digits = FormatInteger(c.value, &length);
        EXPECT_EQ(std::string(digits), c.text);
        EXPECT_EQ(length, static_cast<int>(std::string(c.text).size()));
        delete[] digits;
    }
}

TEST(FormatFixed, TruncatesTheFractionInsteadOfRounding) {
    EXPECT_EQ(Fixed(2, 2.5), "2.50");
    EXPECT_EQ(Fixed(2, 0.05), "0.05");
    EXPECT_EQ(Fixed(1, 12.37), "12.3");
    EXPECT_EQ(Fixed(3, 1.5), "1.500");
    EXPECT_EQ(Fixed(0, 7.9), "7");
    EXPECT_EQ(Fixed(2, 0.29), "0.28");
    EXPECT_EQ(Fixed(1, 0.05), "0.0");
    EXPECT_EQ(Fixed(2, 0.9375), "0.93");
    EXPECT_EQ(Fixed(1, 3.9999999999999996), "3.9");
    EXPECT_EQ(Fixed(2, 2000 * 0.001), "2.00");
}

TEST(LabelText, MakeConcatAndFree) {
    LabelText* empty1 = MakeLabelText(0, nullptr, "");
    LabelText* empty2 = MakeLabelText(0, nullptr, "ignored");
    LabelText* empty3 = MakeLabelText(0, nullptr, nullptr);
    LabelText* joined = ConcatLabelTexts(empty1, empty2, empty3);
    EXPECT_EQ(joined->length, 0);
    EXPECT_EQ(joined->text[0], '\0');
    for (LabelText* label : {empty1, empty2, empty3, joined}) FreeLabelText(label);

    LabelTextPtr part(MakeLabelText(11, nullptr, "Wavelength nm"));  // only the first 11 characters
    EXPECT_EQ(Text(part.get()), "Wavelength ");
    LabelTextPtr label = JoinLabels(part.get(), IntegerLabel(600).get(), MakeLabel(" nm").get());
    EXPECT_EQ(Text(label.get()), "Wavelength 600 nm");
    EXPECT_EQ(label->length, 17);
    EXPECT_EQ(Text(part.get()), "Wavelength ");  // inputs unchanged
}

TEST(CodePage1251, RussianTextsRoundTripToUtf16) {
    const std::string bytes = Utf8ToCp1251("Длина волны Ёё");
    EXPECT_EQ(bytes.size(), 14u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC4);  // Д
    EXPECT_EQ(static_cast<unsigned char>(bytes[12]), 0xA8);  // Ё
    EXPECT_EQ(Cp1251ToUtf16(bytes.data(), static_cast<int>(bytes.size())), u"Длина волны Ёё");
}

TEST(CodePage1251, TheSumCaptionsCyrillicLettersAreIeAndEs) {
    const std::string bytes = Utf8ToCp1251("Е = Сn");
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC5);
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0xD1);
    EXPECT_EQ(Cp1251ToUtf16(bytes.data(), 6), u"Е = Сn");
}

TEST(CodePage1251, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("λ"), "?");
    EXPECT_EQ(Utf8ToCp1251(std::string("a\xD0", 2)), "a?");
    EXPECT_EQ(Utf8ToCp1251(std::string("\xFF", 1)), "?");
}

}  // namespace
