// Counted labels and the integer and fixed-point formatters.
#include "shell/text/label_text.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

LabelText* MakeLabelText(int length, LabelText* label, const char* source) {
    if (label == nullptr) label = new LabelText{};
    label->length = length;
    label->text = new char[length + 1];
    if (length > 0) std::memcpy(label->text, source, length);
    label->text[length] = '\0';
    return label;
}

void FreeLabelText(LabelText* label) {
    if (label == nullptr) return;
    delete[] label->text;
    delete label;
}

LabelText* ConcatLabelTexts(const LabelText* first, const LabelText* second, const LabelText* third) {
    const int length = first->length + second->length + third->length;
    LabelText* label = new LabelText{new char[length + 1], length};
    char* out = label->text;
    for (const LabelText* part : {first, second, third}) {
        if (part->length > 0) std::memcpy(out, part->text, part->length);
        out += part->length;
    }
    *out = '\0';
    return label;
}

namespace {

char* CopyOf(const char* text, int* length) {
    *length = static_cast<int>(std::strlen(text));
    char* buffer = new char[*length + 1];
    std::memcpy(buffer, text, *length + 1);
    return buffer;
}

// "-" before the digits of a negative value.
char* Negated(char* digits, int* length) {
    char* buffer = new char[*length + 2];
    buffer[0] = '-';
    std::memcpy(buffer + 1, digits, *length + 1);
    delete[] digits;
    ++*length;
    return buffer;
}

}  // namespace

char* FormatInteger(int value, int* length) {
    if (value < 0) {
        // The most negative int has no positive counterpart.
        if (value == std::numeric_limits<int>::min()) return CopyOf("-2147483648", length);
        return Negated(FormatInteger(-value, length), length);
    }
    int digits = 1;
    long long p = 10;  // wide enough for 10^10 when value has ten digits' worth of headroom
    while (p <= value) {
        p *= 10;
        ++digits;
    }
    char* buffer = new char[digits + 1];
    long long d = p / 10;
    long long rest = value;
    for (int i = 0; i < digits; ++i) {
        buffer[i] = static_cast<char>('0' + rest / d);
        rest %= d;
        d /= 10;
    }
    buffer[digits] = '\0';
    *length = digits;
    return buffer;
}

char* FormatFixed(int decimals, double value, int* length) {
    // A value no label can show (not a number, infinite, beyond the range of int) is a question mark.
    if (!(std::fabs(value) < 2147483647.0)) return CopyOf("?", length);
    if (value < 0) return Negated(FormatFixed(decimals, -value, length), length);
    const int whole = static_cast<int>(value);
    if (decimals == 0) return FormatInteger(whole, length);
    // Scaling in extended precision keeps 0.05 * 100 at 5 rather than 4.999...; the result is then
    // truncated, so 0.29 (stored just below) still shows as 0.28.
    long double scaled = value - whole;
    for (int i = 0; i < decimals; ++i) scaled *= 10;
    const int fraction = static_cast<int>(static_cast<double>(scaled));
    int whole_length = 0;
    int fraction_length = 0;
    char* whole_digits = FormatInteger(whole, &whole_length);
    char* fraction_digits = FormatInteger(fraction, &fraction_length);
    const int width = std::max(fraction_length, decimals);
    const int zeros = std::max(0, decimals - fraction_length);
    *length = whole_length + 1 + width;
    char* buffer = new char[*length + 1];
    char* out = buffer;
    std::memcpy(out, whole_digits, whole_length);
    out += whole_length;
    *out++ = '.';
    std::memset(out, '0', zeros);
    out += zeros;
    std::memcpy(out, fraction_digits, fraction_length);
    out += fraction_length;
    *out = '\0';
    delete[] whole_digits;
    delete[] fraction_digits;
    return buffer;
}

LabelTextPtr MakeLabel(const char* text) {
    return LabelTextPtr(MakeLabelText(static_cast<int>(std::strlen(text)), nullptr, text));
}

namespace {

LabelTextPtr AdoptDigits(char* digits, int length) {
    LabelTextPtr label(MakeLabelText(length, nullptr, digits));
    delete[] digits;
    return label;
}

}  // namespace

LabelTextPtr IntegerLabel(int value) {
    int length = 0;
    char* digits = FormatInteger(value, &length);
    return AdoptDigits(digits, length);
}

LabelTextPtr FixedLabel(int decimals, double value) {
    int length = 0;
    char* digits = FormatFixed(decimals, value, &length);
    return AdoptDigits(digits, length);
}

LabelTextPtr JoinLabels(const LabelText* first, const LabelText* second, const LabelText* third) {
    return LabelTextPtr(ConcatLabelTexts(first, second, third));
}
