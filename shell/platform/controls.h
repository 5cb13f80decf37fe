// The child controls of the pages (push buttons and scroll bars), every window the program makes, and the
// timers of the animations.
#pragma once

#include <windows.h>

#include <string>

// A child push button; captions and fonts are set afterwards.
struct PushButton {
    int x;
    int y;
    int width;
    int height;
    HWND window;
    DWORD style;
    int id;
    HWND parent;
    HINSTANCE instance;
};

// Creates a "button" child of `parent` with no caption; `style` is the whole window style (for
// example WS_CHILD | WS_VISIBLE, plus BS_MULTILINE for a caption of several lines); `id` comes back as
// the low word of WM_COMMAND's first parameter. Returns a new record (free it with FreePushButton).
PushButton* CreatePushButton(HINSTANCE instance, HWND parent, int id, DWORD style, int x, int y, int width,
                             int height);

// Frees the record; the control window goes with its parent page.
void FreePushButton(PushButton* button);

// A button draws its caption within its client area less kButtonTextMarginX pixels left and right (its
// edge and focus frame) and kButtonTextMarginY at the top and bottom (its edge).
inline constexpr int kButtonTextMarginX = 4;
inline constexpr int kButtonTextMarginY = 2;
int ButtonTextWidth(HWND button);

// `text` with line feeds put between words wherever a line, in the context's font, would be wider than
// `width`; the line feeds it has are kept. A word wider than `width` stays whole on its own line.
std::wstring BreakIntoLines(HDC context, const std::wstring& text, int width);

// Sends `font` to a control (WM_SETFONT, no redraw).
void SetControlFont(HWND control, HFONT font);

// Sets a control's caption from code page 1251 text (a line feed splits a multi-line caption). A
// multi-line button's caption is broken into lines between words, in the button's font, wherever a line
// would be wider than ButtonTextWidth: set its font first.
void SetControlCaption(HWND control, const char* text, int length);
void SetControlCaption(HWND control, const std::string& text);

// A child scroll bar with an integer position and its value in physical units (position * scale).
struct ScrollBarControl {
    int x;
    int y;
    int width;
    int height;
    HWND window;
    int minimum;
    int maximum;
    int position;
    int step;
    double value;
    DWORD style;
    HWND parent;
    HINSTANCE instance;
    double scale;
};

// Creates a "scrollbar" child control (`style` is the whole window style, for example
// WS_CHILD | WS_VISIBLE | SBS_HORZ; WS_CHILD alone keeps it hidden), sets its range and position
// without redraw, and returns a new record with value = position * scale (free it with
// FreeScrollBarControl).
ScrollBarControl* CreateScrollBarControl(int x, int y, int width, int height, int minimum, int maximum,
                                         int position, int step, HWND parent, HINSTANCE instance,
                                         double scale, DWORD style);

// Applies one WM_HSCROLL / WM_VSCROLL notification (the message's first parameter): line arrows move by
// the step and stop at the ends (and always report a change), thumb tracking moves to a position within
// the range (a change only if it differs), everything else changes nothing. Recomputes the value and,
// on a change, moves the thumb with redraw. Returns whether it changed.
bool ApplyScrollCode(ScrollBarControl* control, WPARAM notification);

// Puts the thumb at `position` (within the range) and recomputes the value.
void SetScrollPosition(ScrollBarControl* control, int position);

void FreeScrollBarControl(ScrollBarControl* control);

// CreateWindowExW, counted. Every window of the program is made through this.
HWND CreateCountedWindow(DWORD extended_style, const wchar_t* class_name, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance);

// Starts (or restarts) timer `id` of `window` with a period in milliseconds; stops it.
void StartTimer(HWND window, UINT_PTR id, UINT period);
void StopTimer(HWND window, UINT_PTR id);
