// Start-up, page classes, navigation and the message loop.
#include "shell/application.h"

#include "shell/authors_page.h"
#include "shell/start_page.h"

ApplicationState app{};

namespace {

struct ScreenPlug {
    ClassRegistration registration;
    PageCreation creation;
};

ScreenPlug screens[kPageKindCount] = {};

void RegisterStartAndAuthorsPages() {
    RegisterStartPageClass();
    RegisterAuthorsPageClass();
}

}  // namespace

void ReadScreenSize() {
    app.screen_width = GetSystemMetrics(SM_CXSCREEN);
    app.screen_height = GetSystemMetrics(SM_CYSCREEN);
}

bool RegisterPageClass(PageKind kind, WNDPROC procedure) {
    WNDCLASSEXW page_class{};
    page_class.cbSize = sizeof page_class;
    page_class.style = CS_HREDRAW | CS_VREDRAW;
    page_class.lpfnWndProc = procedure;
    page_class.hInstance = app.instance;
    page_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    page_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    page_class.lpszClassName = app.class_names[kind];
    // The icon at the size it was drawn for; it lives as long as the class.
    page_class.hIconSm = static_cast<HICON>(
        LoadImageW(app.instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    return RegisterClassExW(&page_class) != 0;
}

HWND CreatePageWindow(PageKind kind) {
    return CreateCountedWindow(0, app.class_names[kind], WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                               app.screen_width, app.screen_height, nullptr, nullptr, app.instance);
}

void ShowPage(HWND window) {
    ShowWindow(window, app.show_mode);
    UpdateWindow(window);
}

void PaintPageSurface(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    if (app.page_surface != nullptr && app.page_surface->context != nullptr) {
        CopyBlock(context, 0, 0, app.screen_width, app.screen_height, app.page_surface->context, 0, 0);
    }
    EndPaint(window, &paint);
}

void LeavePage(HWND current, void (*teardown)(), PageCreation create) {
    teardown();
    if (create() == 0) PostQuitMessage(-1);
    DestroyWindow(current);
}

void RebuildPage(HWND current, void (*teardown)(), PageCreation create) {
    ReadScreenSize();
    LeavePage(current, teardown, create);
}

int OpenStartPage() {
    return CreateStartPage(app.show_mode);
}

void PlugInScreen(PageKind kind, ClassRegistration registration, PageCreation creation) {
    screens[kind] = ScreenPlug{registration, creation};
}

PageCreation ScreenCreation(PageKind kind) {
    return screens[kind].creation;
}

void StartApplication(HINSTANCE instance, int show_mode, const TextSet& texts) {
    app.instance = instance;
    app.show_mode = show_mode;
    app.texts = &texts;
    for (int kind = 0; kind < kPageKindCount; ++kind) {
        LoadStringW(instance, kClassStringIds[kind], app.class_names[kind], 100);
    }
    ReadScreenSize();
    RegisterStartAndAuthorsPages();
    for (int kind = kPatternScreen; kind < kPageKindCount; ++kind) {
        if (screens[kind].registration != nullptr) screens[kind].registration();
    }
}

int RunMessageLoop() {
    MSG message{};
    BOOL got;
    // GetMessageW answers -1 on an error; treating that as a message would spin forever.
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : -1;
}

int RunProgram(HINSTANCE instance, int show_mode, const TextSet& texts) {
    StartApplication(instance, show_mode, texts);
    // A program that cannot show its first page has failed, and says so to whoever started it.
    if (CreateStartPage(show_mode) == 0) return -1;
    return RunMessageLoop();
}
