// The Fresnel pattern screen: the diffraction pattern of the object in the beam (the circular aperture, the
// opaque disc or the zone plate, key O) for a wavelength, the object's radius and a distance set with three
// scroll bars, beside a frame kept for comparison, with the projection of the object's edge and an
// intensity plot as switches, the number of zones its radius spans under each frame and, for the zone
// plate, where its focus lies.
#pragma once

#include <windows.h>

#include <vector>

#include "screens/pattern/pattern_frame.h"
#include "screens/pattern/pattern_labels.h"
#include "screens/pattern/pattern_layout.h"
#include "shell/platform/platform.h"
#include "shell/platform/worker_pool.h"

void RegisterPatternScreenClass();
// Builds and shows the screen at the shell's W x H; 0 when its window cannot be created.
int CreatePatternScreen();
LRESULT CALLBACK PatternScreenProc(HWND window, UINT message, WPARAM first, LPARAM second);

// The open screen's state (the page surface, page font and Menu button live in the shell's application
// slots). Exposed for the screen's tests, which drive the window procedure and look inside.
struct PatternScreen {
    HWND window;
    PatternLayout layout;
    numerics::BeamObject object;  // in the beam: the current frame's object
    numerics::ZonePlate plate;    // the zone plate's design while the plate is in the beam
    Surface* work;                // W x H: every full repaint composes the picture here, then copies it out
    PatternFrame* current;
    PatternFrame* comparison;  // always rendered; shown once a comparison has been taken
    bool comparison_taken;
    bool aperture_projection;
    bool plots;
    bool repainted;         // the work surface holds a complete picture: what an ordinary paint shows
    bool recompose;         // the next repaint composes the whole picture (a comparison or switch changed)
    bool comparison_stale;  // the comparison frame must be computed again (its switches changed)
    WorkerPool* workers;    // share a frame's work; they live as long as the screen
    int labelled_positions[3];  // the bars' positions that the work surface's labels show
    int full_repaints;          // how many full repaints the screen has done
    bool whole;        // made without a resource failure: its teardown keeps what it shows for the next one
    HFONT label_font;  // the labels over the bars: the page font, or a kept font where they need less
    HFONT focus_font;  // the zone plate's focus over the current frame, likewise
    HFONT caption_font;
    int caption_height;  // the caption font's full height: a zone count's band
    HFONT title_font;
    HPEN separator_pen;
    ScrollBarControl* wavelength;  // 400 .. 700 nm
    ScrollBarControl* aperture;    // 1000 .. 3000 um
    ScrollBarControl* distance;    // 1000 .. 10000 mm
    PushButton* projection_button;
    PushButton* plots_button;
    PushButton* compare_button;
};

// The open screen, or null when no pattern screen is open.
PatternScreen* OpenPatternScreen();
