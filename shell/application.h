// The application-wide state, the five page window classes, the navigation between pages and the
// start-up with its message loop.
//
// Exactly one page window exists at a time. A page is left by the navigation protocol (LeavePage): the
// old page releases its resources, the target's creation function builds the new page, a failed
// creation ends the program with exit code -1, and the old window is destroyed last, in every case.
//
// A demonstration screen plugs in with one line in shell/screen_table.cpp:
//     PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
// where its registration calls RegisterPageClass(kAxialScreen, AxialScreenProc) and its creation
// function makes the window with CreatePageWindow(kAxialScreen), fills the slots of `app` it uses,
// and returns 1 (0 when the window cannot be created). Until a screen is plugged in, its start page
// button does nothing.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/page_kind.h"
#include "shell/page_layout.h"
#include "shell/platform.h"
#include "shell/text_set.h"

// String table ids of the class names, in PageKind order.
constexpr int kClassStringIds[kPageKindCount] = {
    100,  // kStartPage
    101,  // kAuthorsPage
    103,  // kPatternScreen
    102,  // kAxialScreen
    104,  // kRadialScreen
};

// Resource ids shared by the pages.
constexpr int kIconId = 305;
constexpr int kLeftEmblemId = 301;
constexpr int kRightEmblemId = 302;
constexpr int kFirstPortraitId = 303;
constexpr int kSecondPortraitId = 304;

using PageCreation = int (*)();
using ClassRegistration = void (*)();

// Set at start-up and read by every page; whichever page is open fills the page slots with its own.
struct ApplicationState {
    HINSTANCE instance;
    int show_mode;  // the show command given at entry; every page is shown with it
    int screen_x;   // the top-left corner of the monitor the pages fill, on the desktop
    int screen_y;
    int screen_width;   // W and H: that monitor's size; chosen anew when the page moves or the display
    int screen_height;  // changes (ChooseMonitor)
    wchar_t class_names[kPageKindCount][100];
    const TextSet* texts;        // the build's text set
    Surface* page_surface;       // the open page's static picture; its teardown destroys it
    HFONT page_font;             // the font the open page keeps selected in its surface; deleted at teardown
    PushButton* menu_button;     // the "Menu" button of the open authors page or screen
    bool animation_running;      // the open screen's run was set going with Continue and not paused or reset
                                 // since; it stays true after the last step, when the timer has stopped
    bool phasor_panel;           // the axial and radial screens show the phasor diagram (key V); off at start
    HWND page_window;            // the open page's window, from the moment its creation made it
    void (*page_teardown)();     // and what releases its resources, built in full or in part
    PageCreation page_creation;  // and what makes it again (for another monitor or display mode)
    bool rebuilding;             // the open page is being made again: it keeps what it showed
    bool projector_palette;      // key P: every page in the projector palette; off at start
    bool resource_notice;        // the next start page says that a page could not be opened
};

extern ApplicationState app;

// Which monitor the pages fill. The one that holds the mouse pointer (at start: where the lecturer started
// the program), the one that holds most of the open page's window (after a move or a display change; the
// primary when none does), or the next in the order Windows lists them, wrapping around (key M). Sets
// app.screen_x, _y, _width and _height from that monitor; a test's screen size source, when there is one,
// stands for one monitor of its size at (0, 0).
enum class MonitorChoice { kPointer, kWindow, kNext };
void ChooseMonitor(MonitorChoice choice);

// ChooseMonitor(kWindow), or kPointer while there is no page.
void ReadScreenSize();

// A screen size as the shell reads it. A test makes the program see any size without a real display
// change by replacing the source; null restores the primary screen.
struct ScreenSize {
    int width;
    int height;
};
using ScreenSizeSource = ScreenSize (*)();
void SetScreenSizeSource(ScreenSizeSource source);

// Registers the class of `kind` with the attributes every page shares: redraw on size change, small
// icon 305, arrow cursor, window-colour background, no menu, no extra bytes. Returns false on failure.
bool RegisterPageClass(PageKind kind, WNDPROC procedure);

// Creates a page window of `kind`: borderless popup, visible, clipping its children, covering the chosen
// monitor (at screen_x, screen_y, W x H), no title, no parent. Null when it cannot be created.
HWND CreatePageWindow(PageKind kind);

// A creation function calls this as soon as its window exists: from then on a failure (a resource the
// system does not give) leaves the page by `teardown`, however much of it was built, and a move to another
// monitor or a display change makes it again by `creation` (MakePageAgain).
void EnterPage(HWND window, void (*teardown)(), PageCreation creation);

// What every page does with the messages about where it stands (call it first in the page's procedure;
// true when the message was handled): a display change, a move onto another monitor, a new DPI, and key M
// make the page again on the monitor it belongs on, full screen and laid out for that monitor, keeping
// what it showed.
bool HandlePlacement(HWND window, UINT message, WPARAM first, LPARAM second);

// Tears the open page down and makes it again on the chosen monitor, keeping what it showed.
void MakePageAgain(MonitorChoice choice);

// Key P: the projector palette, or back to the classic look; the open page is made again in it.
void SwitchPalette();

// The palette the pages are drawn in now, and the page's kept pens for its curves and its axes in it.
const Palette& CurrentPalette();
HPEN CurvePen();
HPEN InkPen();

// After a resource failure was noted (shell/resource_failures.h): the page that met it is torn down and
// the start page comes back, with a one-line notice that the page could not be opened; the lecturer can
// try again. If not even the start page can be made, the program says so in a message box and ends with
// exit code -1. Nothing when no failure is pending. The message loop calls this after every message.
void RecoverFromResourceFailure();

// How a failure at start, when not even the first page can be made, reaches the lecturer: a message box,
// unless a test puts something else in its place (null restores the message box).
using StartFailureReport = void (*)(const wchar_t* message, const wchar_t* caption);
void SetStartFailureReport(StartFailureReport report);

// The start page at start-up: 0 when it is shown; -1 when it could not be made, after the report.
int OpenFirstPage(int show_mode);

// Shows a newly built page with the show mode and paints it at once.
void ShowPage(HWND window);

// The paint handler of every page: copies `picture` (the page surface when it is null: the static
// picture) to the window between BeginPaint and EndPaint. A page without a surface (not built yet, or
// already torn down) is just validated. The screens pass the last complete frame they showed, so a
// window that was covered and uncovered shows it again.
void PaintPageSurface(HWND window, const Surface* picture = nullptr);

// Shows a frame a screen composed off-screen on its window, in one copy.
void PresentFrame(HWND window, const Surface* frame);

// Shows the parts of a frame that changed since the last one shown, each in one copy.
void PresentFrameParts(HWND window, const Surface* frame, const std::vector<RECT>& parts);

// A demonstration screen's share of the application slots, given back at its teardown: the page
// surface (its own font and pen selected back first), the page font, the kept drawing objects and the Menu
// button. Called once the screen's other surfaces are gone.
void ReleaseScreenSlots();

// The Menu (app.menu_button), Start and Reset buttons of an animated screen: their captions, and the page
// font (app.page_font, made for `size`) or, where a caption would not fit, a font shrunk to fit it; the
// Start button's font fits all three of its captions. Shrunk fonts are the page's kept fonts.
void SetAnimatedScreenButtons(PushButton* start, PushButton* reset, FontSize size);

// The navigation protocol: `teardown` releases the current page's resources, `create` builds the
// target page, then `current` is destroyed. A target that could not be built (its window or any of its
// resources) gives way to the start page with its notice (RecoverFromResourceFailure).
void LeavePage(HWND current, void (*teardown)(), PageCreation create);

// CreateStartPage with the show mode of the program; the target of every "Menu" button.
int OpenStartPage();

// Plugs a demonstration screen into the start page's buttons and the start-up's class registration.
void PlugInScreen(PageKind kind, ClassRegistration registration, PageCreation creation);

// The creation function of a plugged-in screen, or null.
PageCreation ScreenCreation(PageKind kind);

// Defined in shell/screen_table.cpp, compiled into the programs: one PlugInScreen line per screen.
void PlugInScreens();

// Start-up: stores the instance, show mode and text set, loads the class names, reads W and H,
// registers the five classes, creates the start page and runs the message loop. Returns the exit code
// of the quit message, or -1 when the start page cannot be created.
int RunProgram(HINSTANCE instance, int show_mode, const TextSet& texts);

// The start-up steps before the start page, separately for tests.
void StartApplication(HINSTANCE instance, int show_mode, const TextSet& texts);

// Dispatches messages until the quit message arrives; returns its exit code.
int RunMessageLoop();

// One message of the loop: a lecture key (shell/lecture_keys.h) goes to the open page as the click or
// the wavelength step it stands for; everything else is translated and dispatched.
void ProcessMessage(const MSG& message);

// The message a page that has a wavelength control receives for a Left or Right key: the first
// parameter is the scroll code of the line step (SB_LINEUP or SB_LINEDOWN). The page applies it to its
// wavelength control as if the control's arrow had been clicked.
constexpr UINT kWavelengthKeyMessage = WM_APP + 1;

// The message the axial and the radial screen receive for the V key: the phasor diagram panel is shown
// or hidden (app.phasor_panel), at once on the step the screen shows.
constexpr UINT kPhasorKeyMessage = WM_APP + 2;

// Key M: the page moves to the next monitor.
constexpr UINT kMonitorKeyMessage = WM_APP + 3;

// Posted by a page to itself when it was moved or its DPI changed: it fills the monitor it now stands on.
constexpr UINT kRelayoutMessage = WM_APP + 4;
