// Start-up, page classes, navigation and the message loop.
#include "shell/application.h"

#include <algorithm>

#include "shell/authors_page.h"
#include "shell/cp1251.h"
#include "shell/lecture_keys.h"
#include "shell/overlay.h"
#include "shell/picture_export.h"
#include "shell/resource_failures.h"
#include "shell/start_page.h"
#include "shell/text_fit.h"

ApplicationState app{};

namespace {

struct ScreenPlug {
    ClassRegistration registration;
    PageCreation creation;
};

ScreenPlug screens[kPageKindCount] = {};

ScreenSizeSource screen_size_source = nullptr;  // null: the primary screen

void ShowMessageBox(const wchar_t* message, const wchar_t* caption) {
    MessageBoxW(nullptr, message, caption, MB_OK | MB_ICONERROR);
}

StartFailureReport start_failure_report = ShowMessageBox;

std::wstring Wide(const std::string& text) {
    const std::u16string wide = Cp1251ToUtf16(text.data(), static_cast<int>(text.size()));
    return std::wstring(wide.begin(), wide.end());
}

// Tears down and destroys the open page, whatever part of it exists.
void ClosePage() {
    HWND window = app.page_window;
    if (window == nullptr) return;
    app.page_window = nullptr;
    if (app.page_teardown != nullptr) app.page_teardown();
    DestroyWindow(window);
}

void RegisterStartAndAuthorsPages() {
    RegisterStartPageClass();
    RegisterAuthorsPageClass();
}

}  // namespace

namespace {

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
    return TRUE;
}

HMONITOR Monitor(MonitorChoice choice) {
    HWND page = app.page_window;
    if (choice == MonitorChoice::kPointer || page == nullptr) {
        POINT pointer{};
        GetCursorPos(&pointer);
        return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    }
    HMONITOR current = MonitorFromWindow(page, MONITOR_DEFAULTTOPRIMARY);
    if (choice == MonitorChoice::kWindow) return current;
    std::vector<HMONITOR> monitors;
    EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&monitors));
    const auto at = std::find(monitors.begin(), monitors.end(), current);
    if (at == monitors.end()) return current;
    return std::next(at) == monitors.end() ? monitors.front() : *std::next(at);
}

}  // namespace

void ChooseMonitor(MonitorChoice choice) {
    if (screen_size_source != nullptr) {
        const ScreenSize size = screen_size_source();
        app.screen_x = app.screen_y = 0;
        app.screen_width = size.width;
        app.screen_height = size.height;
        return;
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(Monitor(choice), &info)) return;  // keeps the monitor it had
    app.screen_x = info.rcMonitor.left;
    app.screen_y = info.rcMonitor.top;
    app.screen_width = info.rcMonitor.right - info.rcMonitor.left;
    app.screen_height = info.rcMonitor.bottom - info.rcMonitor.top;
}

void ReadScreenSize() {
    ChooseMonitor(app.page_window != nullptr ? MonitorChoice::kWindow : MonitorChoice::kPointer);
}

void SetScreenSizeSource(ScreenSizeSource source) {
    screen_size_source = source;
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
    return CreateCountedWindow(0, app.class_names[kind], WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               app.screen_x, app.screen_y, app.screen_width, app.screen_height, nullptr,
                               nullptr, app.instance);
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

void SetAnimatedScreenButtons(PushButton* start, PushButton* reset, FontSize size) {
    const TextSet& t = *app.texts;
    SetFittingButtonFont(app.menu_button->window, app.page_font, size, {&t.menu_button});
    // Start and Reset stand side by side: one font for both.
    SetFittingButtonsFont({{start->window, {&t.start_caption, &t.continue_caption, &t.pause_caption}},
                           {reset->window, {&t.reset_caption}}},
                          app.page_font, size);
    SetControlCaption(app.menu_button->window, t.menu_button);
    SetControlCaption(start->window, t.start_caption);
    SetControlCaption(reset->window, t.reset_caption);
}

void EnterPage(HWND window, void (*teardown)(), PageCreation creation) {
    app.page_window = window;
    app.page_teardown = teardown;
    app.page_creation = creation;
}

const Palette& CurrentPalette() {
    return app.projector_palette ? kProjectorPalette : kClassicPalette;
}

HPEN CurvePen() {
    return KeptPen(CurrentPalette().line_width, CurrentPalette().curve);
}

HPEN InkPen() {
    return KeptPen(CurrentPalette().line_width, CurrentPalette().ink);
}

void SwitchPalette() {
    app.projector_palette = !app.projector_palette;
    MakePageAgain(MonitorChoice::kWindow);
}

void MakePageAgain(MonitorChoice choice) {
    HWND current = app.page_window;
    if (current == nullptr || app.page_creation == nullptr) return;
    ChooseMonitor(choice);
    app.rebuilding = true;
    LeavePage(current, app.page_teardown, app.page_creation);
    app.rebuilding = false;
}

namespace {

// Whether the page's window covers the chosen monitor exactly.
bool FillsMonitor(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.left == app.screen_x && r.top == app.screen_y && r.right - r.left == app.screen_width &&
           r.bottom - r.top == app.screen_height;
}

}  // namespace

bool HandlePlacement(HWND window, UINT message, WPARAM, LPARAM second) {
    if (window != app.page_window) return false;
    switch (message) {
        case WM_DISPLAYCHANGE:  // a mode changed or a monitor came or went: where most of the window is
            MakePageAgain(MonitorChoice::kWindow);
            return true;
        case kMonitorKeyMessage:
            MakePageAgain(MonitorChoice::kNext);
            return true;
        case WM_WINDOWPOSCHANGED: {
            // Moved by the system or the lecturer (Win+Shift+Arrow): the page fills the monitor it is on,
            // once the move is over.
            const auto* position = reinterpret_cast<const WINDOWPOS*>(second);
            if ((position->flags & SWP_HIDEWINDOW) == 0 && !FillsMonitor(window))
                PostMessageW(window, kRelayoutMessage, 0, 0);
            return false;  // the default handling goes on
        }
        case WM_DPICHANGED:
            PostMessageW(window, kRelayoutMessage, 0, 0);
            return true;
        case kRelayoutMessage: {
            const int x = app.screen_x, y = app.screen_y, w = app.screen_width, h = app.screen_height;
            ChooseMonitor(MonitorChoice::kWindow);
            if (!FillsMonitor(window) || x != app.screen_x || y != app.screen_y || w != app.screen_width ||
                h != app.screen_height)
                MakePageAgain(MonitorChoice::kWindow);
            return true;
        }
        default:
            return false;
    }
}

void LeavePage(HWND current, void (*teardown)(), PageCreation create) {
    teardown();
    app.page_window = nullptr;
    if (create() == 0) NoteResourceFailure();  // not even its window
    DestroyWindow(current);
    RecoverFromResourceFailure();
}

void SetStartFailureReport(StartFailureReport report) {
    start_failure_report = report != nullptr ? report : ShowMessageBox;
}

void RecoverFromResourceFailure() {
    // The start page is tried a few times: a short spell of scarcity may pass.
    for (int attempt = 0; attempt < 3 && TakeResourceFailure(); ++attempt) {
        ClosePage();
        app.resource_notice = true;
        if (CreateStartPage(app.show_mode) == 0) NoteResourceFailure();
    }
    if (!TakeResourceFailure()) return;
    ClosePage();
    start_failure_report(Wide(app.texts->start_failure).c_str(), Wide(app.texts->program_name).c_str());
    PostQuitMessage(-1);
}

int OpenFirstPage(int show_mode) {
    if (CreateStartPage(show_mode) != 0 && !TakeResourceFailure()) return 0;
    ClosePage();
    start_failure_report(Wide(app.texts->start_failure).c_str(), Wide(app.texts->program_name).c_str());
    return -1;
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
    RegisterOverlayClass();
    for (int kind = kPatternScreen; kind < kPageKindCount; ++kind) {
        if (screens[kind].registration != nullptr) screens[kind].registration();
    }
}

namespace {

// The page a window belongs to, by its top-level window's class; kPageKindCount for none.
PageKind PageOf(HWND window, HWND* page) {
    *page = GetAncestor(window, GA_ROOT);
    wchar_t name[100] = {};
    GetClassNameW(*page, name, 100);
    for (int kind = 0; kind < kPageKindCount; ++kind) {
        if (app.class_names[kind][0] != 0 && lstrcmpW(name, app.class_names[kind]) == 0)
            return static_cast<PageKind>(kind);
    }
    return kPageKindCount;
}

void OnShellKey(HWND page, ShellKey key) {
    switch (key) {
        case ShellKey::kPhasor:
            SendMessageW(page, kPhasorKeyMessage, 0, 0);
            break;
        case ShellKey::kMonitor:
            SendMessageW(page, kMonitorKeyMessage, 0, 0);
            break;
        case ShellKey::kHelp:
            ToggleHelp(page);
            break;
        case ShellKey::kCopy:
            CopyPicture(page);
            break;
        case ShellKey::kSave:
            SavePicture(page);
            break;
        case ShellKey::kPalette:
            SwitchPalette();
            break;
        default:
            break;
    }
}

// A lecture key is handled here, before a focused button could take it as its own (Space would click
// whichever button was clicked last). Its key-up and character messages are swallowed as well.
bool HandleLectureKey(const MSG& message) {
    const UINT m = message.message;
    if (m != WM_KEYDOWN && m != WM_KEYUP && m != WM_CHAR) return false;
    HWND page = nullptr;
    const PageKind kind = PageOf(message.hwnd, &page);
    if (kind == kPageKindCount) return false;
    // WM_CHAR carries a character: only the keys whose character equals their key code (digits, capital
    // letters, Space, Enter, Backspace, Esc) are looked up; lower-case letters map to their capitals.
    unsigned key = static_cast<unsigned>(message.wParam);
    if (m == WM_CHAR && key >= 'a' && key <= 'z') key -= 'a' - 'A';
    const LectureKeyAction action = LectureKeyFor(kind, key, GetKeyState(VK_CONTROL) < 0);
    if (!action.taken) return false;
    if (m != WM_KEYDOWN ||
        (action.command == 0 && action.wavelength_step == 0 && action.shell == ShellKey::kNone))
        return true;
    // Holding a key down does not do its work again and again (but for the wavelength's steps).
    const bool repeated = (message.lParam & (1L << 30)) != 0;
    if (action.shell != ShellKey::kNone) {
        if (!repeated) OnShellKey(page, action.shell);
    } else if (action.command != 0) {
        if (!repeated)
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(action.command, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, action.command)));
    } else {
        SendMessageW(page, kWavelengthKeyMessage, action.wavelength_step < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return true;
}

}  // namespace

void ProcessMessage(const MSG& message) {
    if (!HandleLectureKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RecoverFromResourceFailure();
}

int RunMessageLoop() {
    MSG message{};
    BOOL got;
    // GetMessageW answers -1 on an error; treating that as a message would spin forever.
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) ProcessMessage(message);
    return got == 0 ? static_cast<int>(message.wParam) : -1;
}

int RunProgram(HINSTANCE instance, int show_mode, const TextSet& texts) {
    StartApplication(instance, show_mode, texts);
    // A program that cannot show its first page has failed, and says so to whoever started it.
    if (OpenFirstPage(show_mode) != 0) return -1;
    return RunMessageLoop();
}
