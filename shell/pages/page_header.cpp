// The header shared by the start page and the authors page.
#include "shell/pages/page_header.h"

#include "shell/application.h"
#include "shell/platform/text_fit.h"
#include "shell/resource_ids.h"

void DrawPlacedTexts(Surface* surface, const PlacedText* texts, int count,
                     const HFONT fonts[kPageFontRoleCount], const FontSize sizes[kPageFontRoleCount],
                     std::vector<RECT> pictures) {
    const RECT page{0, 0, surface->width, surface->height};
    for (int i = 0; i < count; ++i) {
        const PlacedText& t = texts[i];
        if (t.text->empty()) continue;
        const std::vector<RECT> letters = DrawFittedLines(surface->context, fonts[t.font], sizes[t.font],
                                                          {{t.text, t.x, t.y, TA_CENTER}}, page, pictures);
        pictures.insert(pictures.end(), letters.begin(), letters.end());
    }
}

void DrawBitmapResource(Surface* surface, int id, int x, int y, int width, int height, Surface* holder) {
    *holder = Surface{};
    if (width <= 0 || height <= 0) return;
    HBITMAP bitmap = LoadScaledBitmap(app.instance, id, width, height);
    if (bitmap == nullptr) return;
    WrapBitmapSurface(surface->window, width, height, bitmap, holder);
    CopySurface(holder, surface->context, x, y);
}

std::vector<RECT> EmblemBoxes(const PageHeaderLayout& h) {
    return {{h.left_emblem_x, h.emblem_y, h.left_emblem_x + h.S, h.emblem_y + h.S},
            {h.right_emblem_x, h.emblem_y, h.right_emblem_x + h.S, h.emblem_y + h.S}};
}

void DrawPageHeader(Surface* surface, const PageHeaderLayout& h, const HFONT fonts[kPageFontRoleCount],
                    const FontSize sizes[kPageFontRoleCount], Surface emblems[2]) {
    DrawBitmapResource(surface, kLeftEmblemId, h.left_emblem_x, h.emblem_y, h.S, h.S, &emblems[0]);
    DrawBitmapResource(surface, kRightEmblemId, h.right_emblem_x, h.emblem_y, h.S, h.S, &emblems[1]);
    DrawPlacedTexts(surface, h.texts, h.text_count, fonts, sizes, EmblemBoxes(h));
}
