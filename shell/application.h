// The application-wide state, the table of pages, the navigation between pages and failure recovery.
// Start-up and the message loop are shell/program.h.
//
// Exactly one page window exists at a time. A page is left by the navigation protocol (LeavePage): the
// old page releases its resources, the target's creation function builds the new page, a failed
// creation gives way to the start page, and the old window is destroyed last, in every case.
//
// Every page, the start page among them, plugs in with one line in shell/page_table.cpp:
//     PlugInPage(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
// where its registration calls RegisterPageClass(kAxialScreen, AxialScreenProc) and its creation
// function makes the window with CreatePageWindow(kAxialScreen) (shell/page_window.h), fills the slots of
// `app` it uses, and returns 1 (0 when the window cannot be created). Nothing here includes a page: a page
// that is not plugged in has no class, and a button that would open it does nothing.
#pragma once

#include <windows.h>

#include <functional>

#include "numerics/beam_object.h"
#include "shell/page_kind.h"
#include "shell/platform/platform.h"
#include "shell/text/text_set.h"

using PageCreation = int (*)();
using ClassRegistration = void (*)();

// Set at start-up and read by every page; whichever page is open fills the page slots with its own.
struct ApplicationState {
    HINSTANCE instance;
    const wchar_t* program;  // "ZonaraEng" or "newZonara", by the text set
    int show_mode;  // how the next page is shown: the show command given at entry for the first page (a
                    // shortcut may start the program minimised), then shown and activated, or minimised
                    // where the page it replaces was
    int screen_x;   // the top-left corner of the monitor the pages fill, on the desktop
    int screen_y;
    int screen_width;   // W and H: that monitor's size; chosen anew when the page moves or the display
    int screen_height;  // changes (shell/monitors.h)
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
    numerics::BeamObject
        beam_object;  // key O: what the demonstrations put in the beam; the aperture at start
    int run_pace;     // keys + and -: the animated screens' pace, from -2 (half) to 2 (twice); 0 at start
    bool resource_notice;  // the next start page says that a page could not be opened
};

extern ApplicationState app;

// Plugs a page into the start-up's class registration and the navigation.
void PlugInPage(PageKind kind, ClassRegistration registration, PageCreation creation);

// Registers the window class of every plugged-in page; at start-up.
void RegisterPageClasses();

// The creation function of a plugged-in page, or null.
PageCreation PageCreationOf(PageKind kind);

// Defined in shell/page_table.cpp, compiled into the programs: one PlugInPage line per page.
void PlugInPages();

// The navigation protocol: `teardown` releases the current page's resources, `create` builds the
// target page, then `current` is destroyed. A target that could not be built (its window or any of its
// resources) gives way to the start page with its notice (RecoverFromResourceFailure).
void LeavePage(HWND current, void (*teardown)(), PageCreation create);

// The open page made again, keeping what it showed (in another palette, on another monitor, for another
// display mode). Where something the new page needs cannot be made, the half-made page goes, `undo` puts
// back what was to change (the palette, the monitor; null: nothing to put back), and the page is made again
// as it was: a lecturer's key never takes the page away. Only where even that fails does the start page
// come, with its notice.
void RemakePage(const std::function<void()>& undo);

// The start page; the target of every "Menu" button. 1 when it was made, 0 when not.
int OpenStartPage();

// After a resource failure was noted (shell/platform/resource_failures.h): the page that met it is torn
// down and the start page comes back, with a one-line notice that the page could not be opened; the
// lecturer can try again. If not even the start page can be made, the program says so in a message box
// and ends with exit code -1. Nothing when no failure is pending. The message loop calls this after
// every message.
void RecoverFromResourceFailure();

// How a failure at start, when not even the first page can be made, reaches the lecturer: a message box,
// unless a test puts something else in its place (null restores the message box).
using StartFailureReport = void (*)(const wchar_t* message, const wchar_t* caption);
void SetStartFailureReport(StartFailureReport report);

// The start page at start-up: 0 when it is shown; -1 when it could not be made, after the report.
int OpenFirstPage();
