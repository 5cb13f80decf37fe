// Page classes, page windows and the copies of their pictures to the screen.
#include "shell/page_window.h"

#include "shell/keep_awake.h"
#include "shell/monitors.h"
#include "shell/resource_ids.h"
#include "shell/single_copy.h"

bool RegisterPageClass(PageKind kind, WNDPROC procedure) {
    WNDCLASSEXW page_class{};
    page_class.cbSize = sizeof page_class;
    page_class.style = CS_HREDRAW | CS_VREDRAW;
    page_class.lpfnWndProc = procedure;
    page_class.hInstance = app.instance;
    page_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // No background brush: every paint covers the whole page with its picture.
    page_class.lpszClassName = app.class_names[kind];
    page_class.hIconSm = LoadIconResource(app.instance, kIconId);
    return RegisterClassExW(&page_class) != 0;
}

HWND CreatePageWindow(PageKind kind) {
    HWND window =
        CreateCountedWindow(0, app.class_names[kind], WS_POPUP | WS_CLIPCHILDREN, app.screen_x, app.screen_y,
                            app.screen_width, app.screen_height, nullptr, nullptr, app.instance);
    if (window != nullptr && app.program != nullptr) MarkProgramPage(window, app.program);
    return window;
}

void EnterPage(HWND window, void (*teardown)(), PageCreation creation) {
    app.page_window = window;
    app.page_teardown = teardown;
    app.page_creation = creation;
}

void ShowPage(HWND window) {
    ShowWindow(window, app.show_mode);
    app.show_mode = SW_SHOW;
    UpdateWindow(window);
    UpdateKeepAwake();
}

bool HandleShellMessage(HWND window, UINT message, WPARAM first, LPARAM second, LRESULT* result) {
    *result = 0;
    if (HandlePlacement(window, message, first, second)) return true;
    switch (message) {
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case WM_ACTIVATEAPP:
            NoteProgramActive(first != 0);
            return false;
        case WM_SIZE:  // minimised or restored
            if (window == app.page_window) UpdateKeepAwake();
            return false;
        case WM_SYSCOMMAND: {
            // No screen saver and no monitor switched off while the page is kept on; turning a monitor
            // on is always welcome.
            const WPARAM command = first & 0xFFF0;
            return KeepingAwake() &&
                   (command == SC_SCREENSAVE || (command == SC_MONITORPOWER && second != -1));
        }
        case WM_NCDESTROY:
            if (app.program != nullptr) UnmarkProgramPage(window, app.program);
            return false;
        default:
            return false;
    }
}

void PaintPageSurface(HWND window, const Surface* picture) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    PrintPageSurface(context, picture);
    EndPaint(window, &paint);
}

void PrintPageSurface(HDC target, const Surface* picture) {
    if (picture == nullptr) picture = app.page_surface;
    if (picture != nullptr && picture->context != nullptr)
        CopyBlock(target, 0, 0, picture->width, picture->height, picture->context, 0, 0);
}

void PresentFrame(HWND window, const Surface* frame) {
    HDC context = BorrowWindowContext(window);
    CopySurface(frame, context, 0, 0);
    ReturnWindowContext(window, context);
}

void PresentFrameParts(HWND window, const Surface* frame, const std::vector<RECT>& parts) {
    HDC context = BorrowWindowContext(window);
    for (const RECT& r : parts)
        CopyBlock(context, r.left, r.top, r.right - r.left, r.bottom - r.top, frame->context, r.left, r.top);
    ReturnWindowContext(window, context);
}

void ReleaseScreenSlots() {
    // DestroySurface selects the saved font and pen back first, so the page font is no longer selected
    // when it is deleted.
    DestroySurface(app.page_surface);
    app.page_surface = nullptr;
    DeleteDrawingObject(app.page_font);
    app.page_font = nullptr;
    ReleaseKeptObjects();
    FreePushButton(app.menu_button);
    app.menu_button = nullptr;
}
