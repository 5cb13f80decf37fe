// The messages the shell sends a page for a lecture key, beside the clicks it stands for.
#pragma once

#include <windows.h>

// The message a page that has a wavelength control receives for a Left or Right key: the first
// parameter is the scroll code of the line step (SB_LINEUP or SB_LINEDOWN). The page applies it to its
// wavelength control as if the control's arrow had been clicked.
constexpr UINT kWavelengthKeyMessage = WM_APP + 1;

// The message the axial and the radial screen receive for the V key: the phasor diagram panel is shown
// or hidden (app.phasor_panel), at once on the step the screen shows.
constexpr UINT kPhasorKeyMessage = WM_APP + 2;

// Key M: the page moves to the next monitor (shell/monitors.h handles it).
constexpr UINT kMonitorKeyMessage = WM_APP + 3;

// The keys that steer a run, to the axial and the radial screen. Period and comma: one step forward (first
// parameter 1) or back (0) while the run stands still. Z (the axial screen): the run goes on to the next
// distance at which a whole number of zones is open, and stops there. Plus and minus: app.run_pace has
// changed; a running run takes the new pace at once.
constexpr UINT kStepKeyMessage = WM_APP + 5;
constexpr UINT kWholeZonesKeyMessage = WM_APP + 6;
constexpr UINT kPaceKeyMessage = WM_APP + 7;
