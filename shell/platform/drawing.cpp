// Texts and lines, drawn wide from code page 1251.
#include "shell/platform/drawing.h"

#include "shell/platform/drawing_objects.h"
#include "shell/platform/drawn_text_recorder.h"
#include "shell/platform/letter_boxes.h"
#include "shell/platform/surfaces.h"
#include "shell/text/cp1251.h"

std::wstring Widen(const char* text, int length) {
    const std::u16string wide = Cp1251ToUtf16(text, length);
    return std::wstring(wide.begin(), wide.end());
}

std::wstring Widen(const std::string& text) {
    return Widen(text.data(), static_cast<int>(text.size()));
}

void PrepareText(HDC context, UINT alignment) {
    SetBkMode(context, TRANSPARENT);
    SetTextAlign(context, alignment);
}

void SetTextColour(HDC context, ColourTriple colour) {
    SetTextColor(context, ToColorRef(colour));
}

void DrawNarrowText(HDC context, int x, int y, const char* text, int length) {
    if (length <= 0) return;
    const std::wstring wide = Widen(text, length);
    TextOutW(context, x, y, wide.c_str(), static_cast<int>(wide.size()));
    RecordText(context, x, y, wide);
}

void DrawNarrowText(HDC context, int x, int y, const std::string& text) {
    DrawNarrowText(context, x, y, text.data(), static_cast<int>(text.size()));
}

void DrawLabel(HDC context, int x, int y, const LabelText* label) {
    if (label != nullptr) DrawNarrowText(context, x, y, label->text, label->length);
}

void DrawWideSymbol(HDC context, int x, int y, wchar_t symbol) {
    TextOutW(context, x, y, &symbol, 1);
    RecordText(context, x, y, std::wstring(1, symbol));
}

int TextHeight(HWND window, HFONT font) {
    HDC context = BorrowWindowContext(window);
    HGDIOBJ previous = SelectObject(context, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    ReturnWindowContext(window, context);
    return metrics.tmHeight;
}

std::vector<RECT> TextLetterBoxes(HDC context, int x, int y, const std::string& text) {
    return LetterBoxes(context, x, y, Widen(text));
}

int NarrowTextWidth(HDC context, const char* text, int length) {
    if (length <= 0) return 0;
    const std::wstring wide = Widen(text, length);
    return TextWidth(context, wide.c_str(), static_cast<int>(wide.size()));
}

int NarrowTextWidth(HDC context, const std::string& text) {
    return NarrowTextWidth(context, text.data(), static_cast<int>(text.size()));
}

int WideSymbolWidth(HDC context, wchar_t symbol) {
    return TextWidth(context, &symbol, 1);
}

void DrawLine(HDC context, int x0, int y0, int x1, int y1) {
    MoveToEx(context, x0, y0, nullptr);
    LineTo(context, x1, y1);
}

void DrawPolyline(HDC context, const POINT* points, int count) {
    if (count >= 2) Polyline(context, points, count);
}

void DrawEllipse(HDC context, int left, int top, int right, int bottom) {
    Ellipse(context, left, top, right, bottom);
}
