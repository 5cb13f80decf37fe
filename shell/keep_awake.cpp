// The execution state the program asks of Windows.
#include "shell/keep_awake.h"

#include "shell/application.h"

namespace {

bool awake = false;
bool program_active = false;

void Ask(bool on) {
    if (on == awake) return;
    awake = on;
    // ES_CONTINUOUS alone clears what was asked before.
    SetThreadExecutionState(on ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}

}  // namespace

void UpdateKeepAwake() {
    HWND page = app.page_window;
    Ask(page != nullptr && program_active && IsWindowVisible(page) && !IsIconic(page));
}

void NoteProgramActive(bool active) {
    program_active = active;
    UpdateKeepAwake();
}

bool KeepingAwake() {
    return awake;
}

void StopKeepingAwake() {
    Ask(false);
}
