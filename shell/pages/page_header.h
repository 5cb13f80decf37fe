// Draws the header that the start page and the authors page share: the two emblems with their captions
// and the title block, down to the date line.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/pages/page_layout.h"
#include "shell/platform/platform.h"

// Draws `texts` (code page 1251) in black, centred at their x with their top at their y, each in its
// font (`fonts` by PageFontRole, made for `sizes`), shrunk where a text would run into one of `pictures`
// or a text drawn before it. Leaves the last text's font selected. Empty texts are skipped.
void DrawPlacedTexts(Surface* surface, const PlacedText* texts, int count,
                     const HFONT fonts[kPageFontRoleCount], const FontSize sizes[kPageFontRoleCount],
                     std::vector<RECT> pictures);

// Loads bitmap `id` scaled to width x height and copies it to (x, y) of `surface` through the temporary
// surface `holder`, which the caller releases once the page is shown. Nothing is drawn for a size
// below one pixel (the resource would load at its own size) or a bitmap that does not load.
void DrawBitmapResource(Surface* surface, int id, int x, int y, int width, int height, Surface* holder);

// The header: emblems 301 and 302 (held in `emblems[0]` and `emblems[1]`), then the header texts.
// The surface must have transparent background and centred alignment already.
void DrawPageHeader(Surface* surface, const PageHeaderLayout& header, const HFONT fonts[kPageFontRoleCount],
                    const FontSize sizes[kPageFontRoleCount], Surface emblems[2]);

// Where the emblems stand.
std::vector<RECT> EmblemBoxes(const PageHeaderLayout& header);
