// For tests of where texts land. While recording, the platform layer keeps for each drawing context the
// texts drawn on it that are still to be seen, each with the black boxes of its letters and their union,
// the box its ink takes (a turned font gives the turned box of the whole text as its one letter). A copy
// over the whole context starts afresh; a smaller copy marks the texts whose ink it covers wholly as hidden
// (until a new text is drawn over them: the place was cleared for it) and those it covers in part as cut.
// A copy brings along the source's texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DrawnText {
    std::wstring text;
    RECT ink;
    std::vector<RECT> letters;
    bool cut;
    bool hidden;
    LOGFONTW font;  // the font it was drawn in
    POINT at;       // where it was drawn, with this alignment
    UINT alignment;
};

// For the tests: recording on or off (off forgets everything recorded), and what a context shows.
void RecordDrawnTexts(bool on);
std::vector<DrawnText> TextsShownOn(HDC context);

// For the platform layer: a text drawn at (x, y) of `context`; a block copy of width x height from
// (source_x, source_y) of `source` (null: pixels with no texts) to (x, y) of `target`; a context deleted.
void RecordText(HDC context, int x, int y, const std::wstring& text);
void RecordCopy(HDC target, int x, int y, int width, int height, HDC source, int source_x, int source_y);
void ForgetRecordedTexts(HDC context);
