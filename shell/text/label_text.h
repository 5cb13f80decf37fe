// Texts composed at run time: counted narrow strings in code page 1251, and the two number formatters
// that make their digits. Nothing here depends on the platform.
#pragma once

#include <memory>

// A counted narrow string: `length` characters followed by a 0 byte. The label owns its text; whoever
// made a label frees it with FreeLabelText.
struct LabelText {
    char* text;
    int length;
};

// Fills label (or a new record when label is null) with exactly `length` characters of source, which
// need not be terminated, and returns it. Length 0 gives an empty label.
LabelText* MakeLabelText(int length, LabelText* label, const char* source);

// Frees the text and the record.
void FreeLabelText(LabelText* label);

// A new label holding first, second and third one after another; the inputs stay the caller's.
LabelText* ConcatLabelTexts(const LabelText* first, const LabelText* second, const LabelText* third);

// Decimal digits of `value`, "-" before a negative one: no leading zeros, no grouping. Returns a new[]
// buffer (digits and a terminating 0) and its length through `length`.
char* FormatInteger(int value, int* length);

// `value` with `decimals` fraction digits, truncated (never rounded): the fraction is scaled in extended
// precision, rounded to double and truncated. decimals = 0 gives FormatInteger(trunc(value)). "-" before a
// negative value; "?" for one that is not a number, infinite, or beyond the range of int.
char* FormatFixed(int decimals, double value, int* length);

// Owning handle for callers that prefer scope-bound labels.
struct LabelTextDeleter {
    void operator()(LabelText* label) const { FreeLabelText(label); }
};
using LabelTextPtr = std::unique_ptr<LabelText, LabelTextDeleter>;

// Convenience wrappers: a label from a terminated narrow string, and formatted numbers as labels.
LabelTextPtr MakeLabel(const char* text);
LabelTextPtr IntegerLabel(int value);
LabelTextPtr FixedLabel(int decimals, double value);
LabelTextPtr JoinLabels(const LabelText* first, const LabelText* second, const LabelText* third);
