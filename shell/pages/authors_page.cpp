// The authors page, drawn once into the page surface when it is built.
#include "shell/pages/authors_page.h"

#include "shell/application.h"
#include "shell/monitors.h"
#include "shell/page_palette.h"
#include "shell/page_window.h"
#include "shell/pages/page_header.h"
#include "shell/pages/page_layout.h"
#include "shell/platform/text_fit.h"
#include "shell/resource_ids.h"

namespace {

constexpr int kMenuId = 205;

HFONT fonts[kPageFontRoleCount];  // the page font is also app.page_font

void TearDownAuthorsPage() {
    // The surface first: it gives its context's own font back, so the page's fonts are free to go.
    DestroySurface(app.page_surface);
    app.page_surface = nullptr;
    for (HFONT& font : fonts) {
        DeleteDrawingObject(font);
        font = nullptr;
    }
    ReleaseKeptObjects();
    app.page_font = nullptr;
    FreePushButton(app.menu_button);
    app.menu_button = nullptr;
}

}  // namespace

void RegisterAuthorsPageClass() {
    RegisterPageClass(kAuthorsPage, AuthorsPageProc);
}

int CreateAuthorsPage() {
    HWND window = CreatePageWindow(kAuthorsPage);
    if (window == nullptr) return 0;
    EnterPage(window, TearDownAuthorsPage, CreateAuthorsPage);
    const AuthorsPageLayout layout =
        ComputeAuthorsPageLayout(app.screen_width, app.screen_height, *app.texts);
    const FontSize* f = layout.fonts;

    const ButtonPlace& m = layout.menu;
    app.menu_button =
        CreatePushButton(app.instance, window, m.id, WS_CHILD | WS_VISIBLE, m.x, m.y, m.width, m.height);
    fonts[kButtonFont] = CreateTextFont(f[kButtonFont].height, f[kButtonFont].width, f[kButtonFont].weight);
    SetFittingButtonFont(app.menu_button->window, fonts[kButtonFont], f[kButtonFont], {m.caption});
    SetControlCaption(app.menu_button->window, *m.caption);

    fonts[kCaptionFont] =
        CreateTextFont(f[kCaptionFont].height, f[kCaptionFont].width, f[kCaptionFont].weight);
    Surface* surface = CreateSurface(window, app.screen_width, app.screen_height, CurrentPalette().page);
    app.page_surface = surface;
    PrepareText(surface->context, TA_CENTER);
    SelectObject(surface->context, fonts[kCaptionFont]);
    fonts[kTitleFont] = CreateTextFont(f[kTitleFont].height, f[kTitleFont].width, f[kTitleFont].weight);
    fonts[kPageFont] = CreateTextFont(f[kPageFont].height, f[kPageFont].width, f[kPageFont].weight);
    app.page_font = fonts[kPageFont];

    Surface pictures[4];  // two emblems, two portraits
    DrawPageHeader(surface, layout.header, fonts, layout.fonts, pictures);
    std::vector<RECT> portraits = EmblemBoxes(layout.header);
    for (int x : {layout.left_portrait_x, layout.right_portrait_x})
        portraits.push_back(
            {x, layout.portrait_y, x + layout.portrait_width, layout.portrait_y + layout.portrait_height});
    DrawPlacedTexts(surface, layout.names, 3, fonts, layout.fonts, portraits);
    // Both portraits get the same 3 : 4 box, whatever the proportions of the images supplied.
    DrawBitmapResource(surface, kFirstPortraitId, layout.left_portrait_x, layout.portrait_y,
                       layout.portrait_width, layout.portrait_height, &pictures[2]);
    DrawBitmapResource(surface, kSecondPortraitId, layout.right_portrait_x, layout.portrait_y,
                       layout.portrait_width, layout.portrait_height, &pictures[3]);

    ShowPage(window);
    for (Surface& picture : pictures) ReleaseSurface(&picture);
    return 1;
}

LRESULT CALLBACK AuthorsPageProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    LRESULT handled = 0;
    if (HandleShellMessage(window, message, first, second, &handled)) return handled;
    switch (message) {
        case WM_PAINT:
            PaintPageSurface(window);
            return 0;
        case WM_PRINTCLIENT:
            PrintPageSurface(reinterpret_cast<HDC>(first));
            return 0;
        case WM_COMMAND:
            if (LOWORD(first) == kMenuId) LeavePage(window, TearDownAuthorsPage, OpenStartPage);
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);  // the window stays; the loop ends
            return 0;
        case WM_DESTROY:
            return 0;  // leaving a page never ends the program
        default:
            return DefWindowProcW(window, message, first, second);
    }
}
