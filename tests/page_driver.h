// Driving the program's pages under Wine as its message loop would: the page windows, queued messages
// delivered, buttons and keys pressed, pixels read back, and display changes to the sizes a lecture may
// meet (the shell's screen size source stands in for the display). Shared by the Windows tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "screens/axial/axial_screen.h"
#include "screens/axial/axial_screen_state.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "screens/radial/radial_screen_state.h"
#include "screens/zones/phasor_panel_model.h"
#include "shell/application.h"
#include "shell/monitors.h"
#include "shell/page_messages.h"
#include "shell/pages/page_layout.h"
#include "shell/pages/start_page.h"
#include "shell/platform/drawn_text_recorder.h"
#include "shell/platform/object_counts.h"
#include "shell/platform/windows_rules.h"
#include "shell/program.h"
#include "tests/worked_numbers.h"

// The pages' buttons by control id (Exit 202, the screens' Menu buttons 206, 210 and 214).
constexpr int kAuthorsButton = 201, kPatternButton = 203, kAxialButton = 204, kAuthorsMenu = 205,
              kProjection = 207, kPlots = 208, kCompare = 209, kAxialStart = 211, kAxialReset = 212,
              kRadialButton = 213, kRadialStart = 215, kRadialReset = 216;
// The markers' green, 600 nm (the axial screen's first wavelength), the apertures' surround, the sketch.
constexpr ColourTriple kGreen{0, 255, 0}, kOrange{255, 176, 0}, kGrey{64, 64, 64}, kSketch{230, 230, 240};
using Pixels = std::vector<ColourTriple>;

// So that failed comparisons show colours and counts.
inline std::ostream& operator<<(std::ostream& o, ColourTriple c) {
    return o << "(" << int(c.red) << ", " << int(c.green) << ", " << int(c.blue) << ")";
}
inline std::ostream& operator<<(std::ostream& o, const PlatformObjectCounts& c) {
    return o << "contexts " << c.contexts << " bitmaps " << c.bitmaps << " fonts " << c.fonts << " pens "
             << c.pens << " brushes " << c.brushes << " regions " << c.regions << " windows " << c.windows
             << " threads " << c.threads << " kept " << c.kept;
}

inline std::wstring Caption(HWND window) {
    wchar_t text[200] = {};
    return std::wstring(text, GetWindowTextW(window, text, 200));
}
inline std::wstring ClassOf(HWND window) {
    wchar_t name[100] = {};
    return std::wstring(name, GetClassNameW(window, name, 100));
}
// The page windows of this thread, and the only one (a failure if there is not one).
inline std::vector<HWND> PageWindows() {
    std::vector<HWND> pages;
    for (const auto& name : app.class_names)
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, name, nullptr)) != nullptr;)
            if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) pages.push_back(w);
    return pages;
}
inline HWND OnlyPage() {
    const std::vector<HWND> pages = PageWindows();
    EXPECT_EQ(pages.size(), 1u);
    return pages.size() == 1 ? pages.front() : nullptr;
}
// Delivers what is queued as the program's loop does, first leaving a page that met a resource failure as
// the loop does after every message; the exit code of a quit message on the way, or kNoQuit.
constexpr int kNoQuit = 12345;
inline int Pump() {
    int code = kNoQuit;
    RecoverFromResourceFailure();
    for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);)
        m.message == WM_QUIT ? void(code = static_cast<int>(m.wParam)) : ProcessMessage(m);
    return code;
}
// A click on a page's button; Open clicks one on the only page and returns the page there is then.
inline void Command(HWND page, int id) {
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}
inline HWND Open(int id) {
    Command(OnlyPage(), id);
    Pump();
    return OnlyPage();
}
// A scroll bar's notification to its page; the animations' timer.
inline void Scroll(HWND page, const ScrollBarControl* bar, int code, int position = 0) {
    SendMessageW(page, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar->window));
}
inline void Tick(HWND page, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageW(page, WM_TIMER, 301, 0);
}
// A key pressed and released while `window` (a page or one of its controls) has the focus.
inline void PressKey(HWND window, unsigned key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    Pump();
}

// A block of pixels of a context, or of a window as it is shown, rows from the top; by default a whole page.
inline Pixels Block(HDC source, int x = 0, int y = 0, int width = 1920, int height = 1080) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP block = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC context = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(context, block);
    BitBlt(context, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    Pixels pixels(static_cast<std::size_t>(width) * height);
    const auto* bgr = static_cast<const unsigned char*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = {bgr[4 * i + 2], bgr[4 * i + 1], bgr[4 * i]};
    DeleteObject(SelectObject(context, previous));
    DeleteDC(context);
    return pixels;
}
inline Pixels Block(HWND window, int x = 0, int y = 0, int width = 1920, int height = 1080) {
    HDC context = GetDC(window);
    Pixels pixels = Block(context, x, y, width, height);
    return ReleaseDC(window, context), pixels;
}
// The window covered (white all over) and uncovered: the paint that follows must show the last picture.
inline void CoverAndUncover(HWND window) {
    HDC context = GetDC(window);
    PatBlt(context, 0, 0, 4096, 4096, WHITENESS);
    ReleaseDC(window, context);
    InvalidateRect(window, nullptr, FALSE), UpdateWindow(window);
}
// The surface the open page shows: the open screen's last frame, or the page's own picture.
inline const Surface* ShownSurface() {
    return OpenPatternScreen()  ? OpenPatternScreen()->work
           : OpenAxialScreen()  ? OpenAxialScreen()->shown
           : OpenRadialScreen() ? OpenRadialScreen()->shown
                                : app.page_surface;
}
// A pattern image's pixels from row `from` down.
inline Pixels PixelsOf(const PatternImage& image, int from = 0) {
    Pixels pixels;
    for (std::size_t i = static_cast<std::size_t>(from) * image.size; i < image.pixels.size(); ++i) {
        const std::uint32_t w = image.pixels[i];
        pixels.push_back({std::uint8_t(w >> 16), std::uint8_t(w >> 8), std::uint8_t(w)});
    }
    return pixels;
}

// The texts a surface shows (recorded while RecordDrawnTexts is on), each between bars: "|Menu|Start|".
inline std::wstring TextsOn(const Surface* surface) {
    std::wstring texts = L"|";
    for (const DrawnText& t : TextsShownOn(surface->context)) texts += t.text + L"|";
    return texts;
}

// The display changes to `size` (one of kLectureSizes, say) while `page`, if given, is open: from now on
// the shell reads it, and the page rebuilds itself. The page that exists afterwards, or null.
inline HWND ChangeDisplay(HWND page, LectureSize size) {
    static LectureSize shown;
    shown = size;
    SetScreenSizeSource([] { return ScreenSize{shown.width, shown.height}; });
    if (page != nullptr) SendMessageW(page, WM_DISPLAYCHANGE, 32, MAKELPARAM(size.width, size.height));
    Pump();
    return PageWindows().size() == 1 ? PageWindows().front() : nullptr;
}

// The program with its three screens plugged in as in the programs: each test starts on the start page at
// 1920 x 1080, its counts in start_counts_, and leaves no page and no setting behind.
template <typename Base = ::testing::Test>
class Program : public Base {
protected:
    static void SetUpTestSuite() {
        PlugInPages();
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
        CheckWindowsRules(true);
    }
    void SetUp() override {
        ChangeDisplay(nullptr, {1920, 1080});
        ReadScreenSize();
        ASSERT_EQ(CreateStartPage(), 1);
        Pump();
        start_counts_ = LiveObjectCounts();
    }
    void TearDown() override {
        if (PageWindows().size() == 1 && app.menu_button != nullptr)
            Open(app.menu_button->id);  // a screen's end
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        app.texts = &EnglishTexts();
        app.phasor_panel = app.projector_palette = false;
        app.beam_object = numerics::BeamObject::kAperture;
        app.run_pace = 0;
        RecordDrawnTexts(false);
        RadialSavedStep() = -1;
        RadialSavedSteps() = 0;
        SetScreenSizeSource(nullptr);
        // What Windows would have refused on the way (Wine lets it pass).
        EXPECT_EQ(TakeRuleViolations(), std::vector<std::string>{});
    }
    PlatformObjectCounts start_counts_{};
};
