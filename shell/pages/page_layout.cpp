// The layouts of the start page and the authors page.
#include "shell/pages/page_layout.h"

#include <algorithm>

namespace {

// The emblems and the header texts; the two pages differ only in the fonts these texts are drawn in.
PageHeaderLayout ComputePageHeader(int W, int H, const TextSet& t) {
    PageHeaderLayout h{};
    h.mx = W * 2 / 100;
    h.my = H * 4 / 100;
    h.L = W * 30 / 100;
    h.R = W * 40 / 100;
    h.T = H * 45 / 100;
    const int mx = h.mx, my = h.my, L = h.L, R = h.R, T = h.T;
    h.S = std::min(L - 6 * mx, H * 50 / 100 - 6 * my);
    const int S = h.S;
    h.left_emblem_x = (L - S) / 2;
    h.right_emblem_x = L + (W - L - R - S) / 2 + R;
    h.emblem_y = (T - S) / 4;
    h.xl = S / 2 + (L - S) / 2;
    h.xr = L + (W - L - R - S) / 2 + S / 2 + R;
    h.xc = (L + (W - L - R - S) / 2 + (L - S) / 2 + R + S) / 2;
    h.y1 = (T - S) / 4 + my + S;
    const int xl = h.xl, xr = h.xr, xc = h.xc, y1 = h.y1;
    const int date_y = (5 * my) / 2 + H * 75 / 100 + H * 10 / 100;

    int n = 0;
    const auto place = [&](const std::string& text, PageFontRole font, int x, int y) {
        h.texts[n++] = PlacedText{&text, font, x, y};
    };
    if (t.language == TextLanguage::kEnglish) {
        h.first_title_y = 5 * my + (5 * my) / 2;
        place(t.left_emblem_caption_1, kCaptionFont, xl, y1);
        place(t.left_emblem_caption_2, kCaptionFont, xl, y1 + (7 * my) / 10);
        place(t.right_emblem_caption, kCaptionFont, xr, y1);
        place(t.institution_line_1, kCaptionFont, xc, my);
        place(t.presentations_line, kCaptionFont, xc, 3 * my);
        place(t.lecture_course_line, kCaptionFont, xc, 4 * my);
        place(t.course_title, kCaptionFont, xc, 5 * my);
        place(t.title_line_1, kTitleFont, xc, h.first_title_y);
        place(t.title_line_2, kTitleFont, xc, (5 * my) / 2 + 7 * my);
        place(t.year_line, kPageFont, xc, date_y);
    } else {
        h.first_title_y = 3 * my + (5 * my) / 2 + (3 * my) / 2;
        place(t.left_emblem_caption_1, kCaptionFont, xl, y1);
        place(t.right_emblem_caption, kCaptionFont, xr, y1);
        place(t.institution_line_1, kCaptionFont, xc, my);
        place(t.institution_line_2, kCaptionFont, xc, 2 * my);
        place(t.presentations_line, kCaptionFont, xc, 2 * my + (3 * my) / 2);
        place(t.course_title, kCaptionFont, xc, 3 * my + (3 * my) / 2);
        place(t.title_line_1, kTitleFont, xc, h.first_title_y);
        place(t.title_line_2, kTitleFont, xc, 5 * my + (5 * my) / 2 + (3 * my) / 2);
        place(t.year_line, kPageFont, xc, date_y);
    }
    h.text_count = n;
    return h;
}

}  // namespace

StartPageLayout ComputeStartPageLayout(int W, int H, const TextSet& t) {
    StartPageLayout p{};
    p.header = ComputePageHeader(W, H, t);
    const int mx = p.header.mx;
    const int fh = H * 5 / 100, fw = W / 100;
    p.fonts[kButtonFont] = FontSize{fh, fw, 1};
    p.fonts[kCaptionFont] = FontSize{(fh * 2) / 3, (fw * 2) / 3, 1};
    p.fonts[kTitleFont] = FontSize{(fh * 13) / 10, (fw * 13) / 10, 800};
    p.fonts[kPageFont] = FontSize{fh, fw, 1};
    const int bw = W * 10 / 100, bh = H * 10 / 100, y88 = H * 88 / 100;
    const int cx = W * 30 / 100, cw = W * 40 / 100;
    p.buttons[0] = ButtonPlace{201, W * 88 / 100, y88, bw, bh, false, &t.authors_button};
    p.buttons[1] = ButtonPlace{203, cx, H * 45 / 100, cw, bh, true, &t.pattern_button};
    p.buttons[2] = ButtonPlace{202, mx, y88, bw, bh, false, &t.exit_button};
    p.buttons[3] = ButtonPlace{204, cx, H * 60 / 100, cw, bh, true, &t.axial_button};
    p.buttons[4] = ButtonPlace{213, cx, H * 75 / 100, cw, bh, true, &t.radial_button};
    const int below = H * 85 / 100, date_y = p.header.texts[p.header.text_count - 1].y;
    p.notice_x = W / 2;
    p.notice_y = below + (date_y - below - (fh * 2) / 3) / 2;
    p.notice_limit[0] = mx + bw;
    p.notice_limit[1] = below;
    p.notice_limit[2] = W * 88 / 100;
    p.notice_limit[3] = date_y;
    return p;
}

AuthorsPageLayout ComputeAuthorsPageLayout(int W, int H, const TextSet& t) {
    AuthorsPageLayout a{};
    a.header = ComputePageHeader(W, H, t);
    const PageHeaderLayout& h = a.header;
    const int mx = h.mx, my = h.my, L = h.L, R = h.R, S = h.S, xc = h.xc;
    a.F = H * 5 / 100;
    const int F = a.F, fw = W / 100;
    a.fonts[kButtonFont] = FontSize{F, fw, 1};
    a.fonts[kCaptionFont] = FontSize{(F * 2) / 3, (fw * 2) / 3, 1};
    a.fonts[kTitleFont] = FontSize{(F * 14) / 10, (fw * 14) / 10, 800};
    a.fonts[kPageFont] = FontSize{(F * 85) / 100, (fw * 85) / 100, 1};
    a.menu = ButtonPlace{205, W * 88 / 100, H * 88 / 100, W * 10 / 100, H * 10 / 100, false, &t.menu_button};

    a.Er = (L - S) / 2 + S;
    a.El = L + R + (W - L - R - S) / 2;
    a.G = std::max(h.first_title_y, h.y1);
    a.Y = H * 75 / 100 + H * 10 / 100 + (5 * my) / 2 - (5 * my) / 4 - 2 * ((3 * my) / 2) - my - (5 * H) / 200;
    const int Er = a.Er, El = a.El, G = a.G, Y = a.Y;
    a.u = std::min((xc - Er - 4 * mx) / 3, (Y - G) / 4);
    const int u = a.u;
    a.portrait_width = 3 * u;
    a.portrait_height = 4 * u;
    a.left_portrait_x = Er + 2 * mx + (xc - Er - 4 * mx - 3 * u) / 2;
    a.right_portrait_x = El - 2 * mx - 3 * u - (El - xc - 4 * mx - 3 * u) / 2;
    a.portrait_y = G + my + (3 * F) / 2 + (Y - G - 4 * u) / 2;

    const int names_y = H * 75 / 100 - (3 * my) / 2 + H * 10 / 100 + (5 * my) / 2 - (5 * my) / 4;
    a.names[0] = PlacedText{&t.first_author, kPageFont, (xc + Er) / 2, names_y};
    a.names[1] = PlacedText{&t.second_author, kPageFont, (xc + El) / 2, names_y};
    a.names[2] =
        PlacedText{&t.lecturers, kPageFont, xc, (5 * my) / 2 - (3 * my) / 2 + H * 75 / 100 + H * 10 / 100};
    return a;
}
