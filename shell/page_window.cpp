// Page classes, page windows and the copies of their pictures to the screen.
#include "shell/page_window.h"

#include "shell/resource_ids.h"

bool RegisterPageClass(PageKind kind, WNDPROC procedure) {
    WNDCLASSEXW page_class{};
    page_class.cbSize = sizeof page_class;
    page_class.style = CS_HREDRAW | CS_VREDRAW;
    page_class.lpfnWndProc = procedure;
    page_class.hInstance = app.instance;
    page_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    page_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    page_class.lpszClassName = app.class_names[kind];
    page_class.hIconSm = LoadIconResource(app.instance, kIconId);
    return RegisterClassExW(&page_class) != 0;
}

HWND CreatePageWindow(PageKind kind) {
    return CreateCountedWindow(0, app.class_names[kind], WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               app.screen_x, app.screen_y, app.screen_width, app.screen_height, nullptr,
                               nullptr, app.instance);
}

void EnterPage(HWND window, void (*teardown)(), PageCreation creation) {
    app.page_window = window;
    app.page_teardown = teardown;
    app.page_creation = creation;
}

void ShowPage(HWND window) {
    ShowWindow(window, app.show_mode);
    UpdateWindow(window);
}

void PaintPageSurface(HWND window, const Surface* picture) {
    if (picture == nullptr) picture = app.page_surface;
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    if (picture != nullptr && picture->context != nullptr) {
        CopyBlock(context, 0, 0, picture->width, picture->height, picture->context, 0, 0);
    }
    EndPaint(window, &paint);
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
