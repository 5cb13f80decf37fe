// The header shared by the start page and the authors page.
#include "shell/page_header.h"

#include "shell/application.h"

void DrawPlacedTexts(Surface* surface, const PlacedText* texts, int count,
                     const HFONT fonts[kPageFontRoleCount]) {
    HFONT selected = nullptr;
    for (int i = 0; i < count; ++i) {
        const PlacedText& t = texts[i];
        if (t.text->empty()) continue;
        if (fonts[t.font] != selected) {
            selected = fonts[t.font];
            SelectObject(surface->context, selected);
        }
        DrawNarrowText(surface->context, t.x, t.y, *t.text);
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

void DrawPageHeader(Surface* surface, const PageHeaderLayout& h, const HFONT fonts[kPageFontRoleCount],
                    Surface emblems[2]) {
    DrawBitmapResource(surface, kLeftEmblemId, h.left_emblem_x, h.emblem_y, h.S, h.S, &emblems[0]);
    DrawBitmapResource(surface, kRightEmblemId, h.right_emblem_x, h.emblem_y, h.S, h.S, &emblems[1]);
    DrawPlacedTexts(surface, h.texts, h.text_count, fonts);
}
