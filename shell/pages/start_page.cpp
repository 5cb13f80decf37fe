// The start page. Everything except the buttons is drawn once, into the page surface, when the page is
// built; painting only copies that surface.
#include "shell/pages/start_page.h"

#include "shell/application.h"
#include "shell/monitors.h"
#include "shell/page_palette.h"
#include "shell/page_window.h"
#include "shell/pages/page_header.h"
#include "shell/pages/page_layout.h"
#include "shell/platform/resource_failures.h"
#include "shell/platform/text_fit.h"

namespace {

constexpr int kAuthorsId = 201;
constexpr int kExitId = 202;
constexpr int kPatternId = 203;
constexpr int kAxialId = 204;
constexpr int kRadialId = 213;

// The open start page's own objects; the page surface and the page font sit in `app`.
struct StartPage {
    PushButton* buttons[5];
    HFONT fonts[kPageFontRoleCount];  // the page font is also app.page_font
};

StartPage page{};

void TearDownStartPage() {
    // The surface first: it gives its context's own font back, so the page's fonts are free to go.
    DestroySurface(app.page_surface);
    app.page_surface = nullptr;
    for (HFONT& font : page.fonts) {
        DeleteDrawingObject(font);
        font = nullptr;
    }
    ReleaseKeptObjects();
    app.page_font = nullptr;
    for (PushButton*& button : page.buttons) {
        FreePushButton(button);
        button = nullptr;
    }
}

// The notice that the page asked for could not be opened, in dark red in the caption font.
void DrawNotice(Surface* surface, const StartPageLayout& layout) {
    const int* box = layout.notice_limit;
    SetTextColour(surface->context, {160, 0, 0});
    DrawFittedLines(surface->context, page.fonts[kCaptionFont], layout.fonts[kCaptionFont],
                    {{&app.texts->resource_notice, layout.notice_x, layout.notice_y, TA_CENTER}},
                    {box[0], box[1], box[2], box[3]});
    SetTextColour(surface->context, CurrentPalette().ink);
}

// Opens another page from a button; a screen that is not plugged in yet leaves the button inert.
void OpenFromStartPage(HWND window, PageCreation creation) {
    if (creation != nullptr) LeavePage(window, TearDownStartPage, creation);
}

void OnStartPageCommand(HWND window, int id) {
    switch (id) {
        case kAuthorsId:
            OpenFromStartPage(window, PageCreationOf(kAuthorsPage));
            break;
        case kExitId:
            PostQuitMessage(0);  // the page stays until the loop ends
            break;
        case kPatternId:
            OpenFromStartPage(window, PageCreationOf(kPatternScreen));
            break;
        case kAxialId:
            OpenFromStartPage(window, PageCreationOf(kAxialScreen));
            break;
        case kRadialId:
            OpenFromStartPage(window, PageCreationOf(kRadialScreen));
            break;
        default:
            break;
    }
}

}  // namespace

void RegisterStartPageClass() {
    RegisterPageClass(kStartPage, StartPageProc);
}

int CreateStartPage() {
    HWND window = CreatePageWindow(kStartPage);
    if (window == nullptr) return 0;
    EnterPage(window, TearDownStartPage, CreateStartPage);
    const StartPageLayout layout = ComputeStartPageLayout(app.screen_width, app.screen_height, *app.texts);

    for (int i = 0; i < 5; ++i) {
        const ButtonPlace& b = layout.buttons[i];
        const DWORD style = WS_CHILD | WS_VISIBLE | (b.multiline ? BS_MULTILINE : 0);
        page.buttons[i] = CreatePushButton(app.instance, window, b.id, style, b.x, b.y, b.width, b.height);
    }
    const FontSize* f = layout.fonts;
    page.fonts[kButtonFont] =
        CreateTextFont(f[kButtonFont].height, f[kButtonFont].width, f[kButtonFont].weight);
    for (int i = 0; i < 5; ++i) {
        SetFittingButtonFont(page.buttons[i]->window, page.fonts[kButtonFont], f[kButtonFont],
                             {layout.buttons[i].caption});
        SetControlCaption(page.buttons[i]->window, *layout.buttons[i].caption);
    }

    page.fonts[kCaptionFont] =
        CreateTextFont(f[kCaptionFont].height, f[kCaptionFont].width, f[kCaptionFont].weight);
    Surface* surface = CreateSurface(window, app.screen_width, app.screen_height, CurrentPalette().page);
    app.page_surface = surface;
    PrepareText(surface->context, TA_CENTER);
    SelectObject(surface->context, page.fonts[kCaptionFont]);
    page.fonts[kTitleFont] = CreateTextFont(f[kTitleFont].height, f[kTitleFont].width, f[kTitleFont].weight);
    page.fonts[kPageFont] = CreateTextFont(f[kPageFont].height, f[kPageFont].width, f[kPageFont].weight);
    app.page_font = page.fonts[kPageFont];

    Surface emblems[2];
    DrawPageHeader(surface, layout.header, page.fonts, layout.fonts, emblems);
    if (app.resource_notice) DrawNotice(surface, layout);

    ShowPage(window);
    ReleaseSurface(&emblems[0]);
    ReleaseSurface(&emblems[1]);
    // Shown once: the start page the lecturer comes back to later has none.
    if (!ResourceFailurePending()) app.resource_notice = false;
    return 1;
}

LRESULT CALLBACK StartPageProc(HWND window, UINT message, WPARAM first, LPARAM second) {
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
            OnStartPageCommand(window, LOWORD(first));
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
