// What a lecturer feels when dragging a scroll bar of the pattern screen: the time of one scroll step,
// from the message to the new picture on the screen, measured from outside the program. It runs beside
// ZonaraEng (or newZonara) in the same Wine desktop, opens the pattern screen from the start page, sends
// its distance bar WM_HSCROLL with SendMessageW (which returns only once the program has recomputed,
// composed and copied the picture), and takes the median of many steps, with the plots off and on.
// Absolute times vary by a third from run to run on a shared machine, so the yardstick is measured on the
// same display in the same run: one full-screen BitBlt from a memory surface to a full-screen window.
//
// Steps and copies alternate in rounds of ten, so both meet the same load.
//
//   scroll_step_bench [ROUNDS]     (bench/pattern_scroll.sh runs it at each screen size)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

const wchar_t* const kStartPageClass = L"Стартовая страница";          // string 100
const wchar_t* const kPatternClass = L"Полная дифракционная картина";  // string 103
constexpr int kPatternButton = 203, kPlotsButton = 208;

double Now() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

HWND WaitForWindow(const wchar_t* class_name) {
    for (int i = 0; i < 300; ++i) {
        if (HWND window = FindWindowW(class_name, nullptr)) return window;
        Sleep(100);
    }
    return nullptr;
}

// The rightmost scroll bar of the page: the distance bar.
HWND DistanceBar(HWND page) {
    HWND bar = nullptr;
    LONG right = -1;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        RECT r{};
        GetWindowRect(child, &r);
        if (_wcsicmp(name, L"scrollbar") == 0 && r.right > right) bar = child, right = r.right;
    }
    return bar;
}

// One full-screen BitBlt: a memory surface of the screen's size to a full-screen window of this program.
class Yardstick {
public:
    Yardstick(int width, int height) : width_(width), height_(height) {
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, nullptr, nullptr);
        // Mapped and shown before it is measured: a window that is not yet on the screen takes copies
        // for nothing.
        UpdateWindow(window_);
        for (double end = Now() + 0.5; Now() < end;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(10);
        }
        target_ = GetDC(window_);
        memory_ = CreateCompatibleDC(target_);
        bitmap_ = CreateCompatibleBitmap(target_, width, height);
        previous_ = SelectObject(memory_, bitmap_);
        PatBlt(memory_, 0, 0, width, height, WHITENESS);
        // Behind the program's page again: the page is what the scroll steps draw on.
        SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ~Yardstick() {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        ReleaseDC(window_, target_);
        DestroyWindow(window_);
    }
    void Blit() {
        BitBlt(target_, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
        GdiFlush();
    }

private:
    int width_, height_;
    HWND window_;
    HDC target_, memory_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Scroll steps and yardstick copies in alternating rounds, so that both meet the same load of a shared
// machine: the medians of each, in milliseconds.
std::pair<double, double> MeasureInRounds(int rounds, const std::function<void(int)>& step,
                                          Yardstick& yardstick) {
    std::vector<double> steps, blits;
    for (int i = 0; i < 4; ++i) step(i);
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < 10; ++i) {
            const double started = Now();
            step(i);
            steps.push_back((Now() - started) * 1e3);
        }
        for (int i = 0; i < 10; ++i) {
            const double started = Now();
            yardstick.Blit();
            blits.push_back((Now() - started) * 1e3);
        }
    }
    return {Median(steps), Median(blits)};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? _wtoi(argv[1]) : 12;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND start = WaitForWindow(kStartPageClass);
    if (start == nullptr) {
        std::fprintf(stderr, "no start page\n");
        return 1;
    }
    SendMessageW(start, WM_COMMAND, MAKEWPARAM(kPatternButton, BN_CLICKED), 0);
    HWND page = WaitForWindow(kPatternClass);
    HWND bar = page != nullptr ? DistanceBar(page) : nullptr;
    if (bar == nullptr) {
        std::fprintf(stderr, "no pattern screen\n");
        return 1;
    }
    const auto scroll = [&](int i) {
        SendMessageW(page, WM_HSCROLL, i % 2 == 0 ? SB_LINEDOWN : SB_LINEUP, reinterpret_cast<LPARAM>(bar));
    };
    Yardstick yardstick(width, height);
    const auto [step, blit] = MeasureInRounds(rounds, scroll, yardstick);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kPlotsButton, BN_CLICKED), 0);
    const auto [with_plots, blit_plots] = MeasureInRounds(rounds, scroll, yardstick);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kPlotsButton, BN_CLICKED), 0);
    // The message alone: a thumb released where it was changes nothing and repaints nothing.
    const auto idle = MeasureInRounds(
        rounds, [&](int) { SendMessageW(page, WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar)); },
        yardstick);
    std::printf(
        "%d x %d: scroll step %.2f ms, one full-screen BitBlt %.2f ms: %.1fx; with plots %.2f ms, BitBlt "
        "%.2f ms: %.1fx (a message that changes nothing: %.2f ms)\n",
        width, height, step, blit, step / blit, with_plots, blit_plots, with_plots / blit_plots, idle.first);
    return 0;
}
