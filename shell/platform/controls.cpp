// Push buttons, scroll bars, counted windows and timers.
#include "shell/platform/controls.h"

#include <algorithm>

#include "shell/platform/counting.h"
#include "shell/platform/drawing.h"
#include "shell/platform/letter_boxes.h"
#include "shell/platform/scroll_rule.h"
#include "shell/platform/surfaces.h"

using platform_counting::Made;

PushButton* CreatePushButton(HINSTANCE instance, HWND parent, int id, DWORD style, int x, int y, int width,
                             int height) {
    HWND window = CreateCountedWindow(0, L"button", style, x, y, width, height, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance);
    return new PushButton{x, y, width, height, window, style, id, parent, instance};
}

void FreePushButton(PushButton* button) {
    delete button;
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::wstring BreakIntoLines(HDC context, const std::wstring& text, int width) {
    std::wstring broken, line;
    const auto fits = [&](const std::wstring& candidate) {
        return TextWidth(context, candidate.c_str(), static_cast<int>(candidate.size())) <= width;
    };
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(L" \n", at), text.size());
        const std::wstring word = text.substr(at, end - at);
        if (line.empty() || fits(line + L" " + word)) {
            line += (line.empty() ? L"" : L" ") + word;
        } else {
            broken += line + L"\n";
            line = word;
        }
        if (end == text.size() || text[end] == L'\n') {
            broken += line + (end == text.size() ? L"" : L"\n");
            line.clear();
        }
        at = end + 1;
    }
    return broken;
}

int ButtonTextWidth(HWND button) {
    RECT inside{};
    GetClientRect(button, &inside);
    return inside.right - inside.left - 2 * kButtonTextMarginX;
}

void SetControlCaption(HWND control, const char* text, int length) {
    std::wstring caption = Widen(text, length);
    // A multi-line button gets its lines broken here, as Windows would break them: Wine's button can
    // break a line that just fits a second time when it draws it, and lose the last line below its edge.
    if ((GetWindowLongW(control, GWL_STYLE) & BS_MULTILINE) != 0) {
        HDC context = BorrowWindowContext(control);
        HGDIOBJ previous =
            SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        caption = BreakIntoLines(context, caption, ButtonTextWidth(control));
        SelectObject(context, previous);
        ReturnWindowContext(control, context);
    }
    SetWindowTextW(control, caption.c_str());
}

void SetControlCaption(HWND control, const std::string& text) {
    SetControlCaption(control, text.data(), static_cast<int>(text.size()));
}

ScrollBarControl* CreateScrollBarControl(int x, int y, int width, int height, int minimum, int maximum,
                                         int position, int step, HWND parent, HINSTANCE instance,
                                         double scale, DWORD style) {
    HWND window = CreateCountedWindow(0, L"scrollbar", style, x, y, width, height, parent, nullptr, instance);
    SetScrollRange(window, SB_CTL, minimum, maximum, FALSE);
    SetScrollPos(window, SB_CTL, position, FALSE);
    return new ScrollBarControl{x,       y,       width,    height, window,
                                minimum, maximum, position, step,   position * scale,
                                style,   parent,  instance, scale};
}

bool ApplyScrollCode(ScrollBarControl* control, WPARAM notification) {
    const ScrollOutcome outcome = ApplyScrollRule(control->minimum, control->maximum, control->position,
                                                  control->step, static_cast<unsigned long>(notification));
    control->position = outcome.position;
    control->value = control->position * control->scale;
    if (outcome.changed) SetScrollPos(control->window, SB_CTL, control->position, TRUE);
    return outcome.changed;
}

void SetScrollPosition(ScrollBarControl* control, int position) {
    control->position = std::clamp(position, control->minimum, control->maximum);
    control->value = control->position * control->scale;
    SetScrollPos(control->window, SB_CTL, control->position, TRUE);
}

void FreeScrollBarControl(ScrollBarControl* control) {
    delete control;
}

HWND CreateCountedWindow(DWORD extended_style, const wchar_t* class_name, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    HWND window = Made(ResourceKind::kWindow, nullptr, [&] {
        return CreateWindowExW(extended_style, class_name, nullptr, style, x, y, width, height, parent, menu,
                               instance, nullptr);
    });
    if (window != nullptr) platform_counting::RememberWindow(window);
    return window;
}

void StartTimer(HWND window, UINT_PTR id, UINT period) {
    Made(ResourceKind::kTimer, nullptr,
         [&] { return SetTimer(window, id, period, nullptr) != 0 ? &id : nullptr; });
}

void StopTimer(HWND window, UINT_PTR id) {
    KillTimer(window, id);
}
