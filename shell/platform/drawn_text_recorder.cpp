// The record of drawn texts that the text-fit checks of the tests read.
#include "shell/platform/drawn_text_recorder.h"

#include <algorithm>
#include <map>

#include "shell/platform/letter_boxes.h"

namespace {

bool recording = false;
std::map<HDC, std::vector<DrawnText>> shown_texts;

bool Intersect(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The area a context draws on: its window's client area, or its bitmap.
RECT DrawingArea(HDC context) {
    RECT area{};
    if (HWND window = WindowFromDC(context)) {
        GetClientRect(window, &area);
        return area;
    }
    BITMAP bitmap{};
    if (GetObjectW(GetCurrentObject(context, OBJ_BITMAP), sizeof bitmap, &bitmap) != 0)
        area = {0, 0, bitmap.bmWidth, bitmap.bmHeight};
    return area;
}

}  // namespace

void RecordDrawnTexts(bool on) {
    recording = on;
    shown_texts.clear();
}

std::vector<DrawnText> TextsShownOn(HDC context) {
    const auto found = shown_texts.find(context);
    return found == shown_texts.end() ? std::vector<DrawnText>() : found->second;
}

void RecordText(HDC context, int x, int y, const std::wstring& text) {
    if (!recording) return;
    DrawnText drawn{text,   RECT{x, y, x, y},     LetterBoxes(context, x, y, text), false, false, {},
                    {x, y}, GetTextAlign(context)};
    GetObjectW(GetCurrentObject(context, OBJ_FONT), sizeof drawn.font, &drawn.font);
    if (!drawn.letters.empty()) drawn.ink = drawn.letters.front();
    for (const RECT& letter : drawn.letters) UnionRect(&drawn.ink, &drawn.ink, &letter);
    // A text hidden under a copy and then written over is a place cleared for a new text (a label that
    // changed), not a text lost.
    std::vector<DrawnText>& on_context = shown_texts[context];
    on_context.erase(
        std::remove_if(on_context.begin(), on_context.end(),
                       [&](const DrawnText& t) { return t.hidden && Intersect(t.ink, drawn.ink); }),
        on_context.end());
    on_context.push_back(drawn);
}

void RecordCopy(HDC target, int x, int y, int width, int height, HDC source, int source_x, int source_y) {
    if (!recording) return;
    const RECT block{x, y, x + width, y + height};
    std::vector<DrawnText> carried;
    const auto from = source != nullptr ? shown_texts.find(source) : shown_texts.end();
    if (from != shown_texts.end()) {
        for (DrawnText t : from->second) {
            OffsetRect(&t.ink, x - source_x, y - source_y);
            t.at.x += x - source_x;
            t.at.y += y - source_y;
            for (RECT& letter : t.letters) OffsetRect(&letter, x - source_x, y - source_y);
            if (!Intersect(t.ink, block)) continue;
            t.cut = t.cut || !Inside(t.ink, block);
            carried.push_back(t);
        }
    }
    std::vector<DrawnText>& on_target = shown_texts[target];
    std::vector<DrawnText> kept;
    if (!Inside(DrawingArea(target), block)) {
        for (DrawnText& t : on_target) {
            if (Inside(t.ink, block)) {
                t.hidden = true;
            } else {
                t.cut = t.cut || Intersect(t.ink, block);
            }
            kept.push_back(t);
        }
    }
    kept.insert(kept.end(), carried.begin(), carried.end());
    on_target = kept;
}

void ForgetRecordedTexts(HDC context) {
    shown_texts.erase(context);
}
