// From a key message to the page's button, its wavelength bar or the shell.
#include "shell/lecture_key_dispatch.h"

#include <algorithm>

#include "shell/application.h"
#include "shell/beam_choice.h"
#include "shell/help_and_notes.h"
#include "shell/lecture_keys.h"
#include "shell/page_messages.h"
#include "shell/page_palette.h"
#include "shell/picture_export.h"

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
        case ShellKey::kObject:
            SwitchBeamObject();
            break;
        case ShellKey::kStepForward:
        case ShellKey::kStepBack:
            SendMessageW(page, kStepKeyMessage, key == ShellKey::kStepForward ? 1 : 0, 0);
            break;
        case ShellKey::kWholeZones:
            SendMessageW(page, kWholeZonesKeyMessage, 0, 0);
            break;
        case ShellKey::kFaster:
        case ShellKey::kSlower:
            // The pace holds until the program ends, from half to twice the usual.
            app.run_pace = std::clamp(app.run_pace + (key == ShellKey::kFaster ? 1 : -1), -2, 2);
            SendMessageW(page, kPaceKeyMessage, 0, 0);
            break;
        default:
            break;
    }
}

}  // namespace

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
    // Holding a key down does not do its work again and again (but for the wavelength's and the run's steps).
    const bool repeated = (message.lParam & (1L << 30)) != 0;
    const bool steps = action.shell == ShellKey::kStepForward || action.shell == ShellKey::kStepBack;
    if (action.shell != ShellKey::kNone) {
        if (!repeated || steps) OnShellKey(page, action.shell);
    } else if (action.command != 0) {
        if (!repeated)
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(action.command, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, action.command)));
    } else {
        SendMessageW(page, kWavelengthKeyMessage, action.wavelength_step < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return true;
}
