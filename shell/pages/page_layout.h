// Where everything on the start page and the authors page goes, computed from the screen size W x H
// and the build's text set alone, so the numbers can be checked without a window. Integer pixels,
// truncating arithmetic, multiplication before division, in the order the layout is written.
#pragma once

#include <string>
#include <vector>

#include "shell/text/font_size.h"
#include "shell/text/text_set.h"

// The fonts of the two pages, by what they are used for.
enum PageFontRole { kButtonFont, kCaptionFont, kTitleFont, kPageFont, kPageFontRoleCount };

// One text drawn centred at x with its top at y, in black.
struct PlacedText {
    const std::string* text;  // a field of the text set, code page 1251
    PageFontRole font;
    int x;
    int y;
};

// One push button: id, place and size, multi-line style or not, caption.
struct ButtonPlace {
    int id;
    int x;
    int y;
    int width;
    int height;
    bool multiline;
    const std::string* caption;
};

// What the start page and the authors page have in common: two emblems and the texts above and
// between them, up to the date line at the bottom.
struct PageHeaderLayout {
    int mx;  // W*2/100, the horizontal margin unit
    int my;  // H*4/100, the vertical margin unit
    int L;   // left column width
    int R;   // middle column width
    int T;   // top band height
    int S;   // emblem side
    int left_emblem_x;
    int right_emblem_x;
    int emblem_y;
    int xl;             // centre of the left emblem
    int xr;             // centre of the right emblem
    int xc;             // middle between them
    int y1;             // one my below the emblems
    int first_title_y;  // top of the first bold title line
    PlacedText texts[10];
    int text_count;
};

struct StartPageLayout {
    PageHeaderLayout header;
    FontSize fonts[kPageFontRoleCount];
    ButtonPlace buttons[5];  // in the order of creation: 201, 203, 202, 204, 213
    // The notice after a page could not be opened (caption font, centred): below the last screen button,
    // between Exit and Authors, above the date line; within `notice_limit` (left, top, right, bottom).
    int notice_x, notice_y;
    int notice_limit[4];
};

struct AuthorsPageLayout {
    PageHeaderLayout header;
    FontSize fonts[kPageFontRoleCount];
    ButtonPlace menu;  // 205
    int F;             // button font height
    int Er;            // right edge of the left emblem
    int El;            // left edge of the right emblem
    int G;             // top of the portrait band, before its offset
    int Y;             // bottom of the portrait band, before its offset
    int u;             // portrait unit: portraits are 3u x 4u
    int portrait_width;
    int portrait_height;
    int left_portrait_x;
    int right_portrait_x;
    int portrait_y;
    PlacedText names[3];  // first author, second author, lecturers (page font)
};

StartPageLayout ComputeStartPageLayout(int W, int H, const TextSet& texts);
AuthorsPageLayout ComputeAuthorsPageLayout(int W, int H, const TextSet& texts);
