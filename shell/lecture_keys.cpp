// The table of lecture keys.
#include "shell/lecture_keys.h"

namespace {

// Virtual-key codes (the same values as the Windows headers, which this pure file does not include).
constexpr unsigned kBackspace = 0x08, kEnter = 0x0D, kEscape = 0x1B, kSpace = 0x20, kPageUp = 0x21,
                   kPageDown = 0x22, kLeft = 0x25, kRight = 0x27, kNumpad0 = 0x60, kAdd = 0x6B,
                   kSubtract = 0x6D, kF1 = 0x70, kPlus = 0xBB, kComma = 0xBC, kMinus = 0xBD, kPeriod = 0xBE;

// The keys that steer a run on the animated screens (the period and comma keys, where video players step a
// frame; on a Russian keyboard the same keys carry Ю and Б); Z only where the zones can be counted whole.
LectureKeyAction SteeringKey(unsigned key, bool whole_zones) {
    if (key == kPeriod) return {0, 0, ShellKey::kStepForward};
    if (key == kComma) return {0, 0, ShellKey::kStepBack};
    if (key == kPlus || key == kAdd) return {0, 0, ShellKey::kFaster};
    if (key == kMinus || key == kSubtract) return {0, 0, ShellKey::kSlower};
    if (whole_zones && key == 'Z') return {0, 0, ShellKey::kWholeZones};
    return {0, 0};
}

bool IsStartKey(unsigned key) {
    return key == kSpace || key == kEnter || key == kPageDown;
}
bool IsResetKey(unsigned key) {
    return key == 'R' || key == kPageUp;
}
bool IsMenuKey(unsigned key) {
    return key == kEscape || key == kBackspace;
}

// The digit a key stands for (main row or number pad), or -1.
int Digit(unsigned key) {
    if (key >= '0' && key <= '9') return static_cast<int>(key - '0');
    if (key >= kNumpad0 && key <= kNumpad0 + 9) return static_cast<int>(key - kNumpad0);
    return -1;
}

struct ScreenButtons {
    int start, reset, menu;
    bool wavelength;
};

LectureKeyAction ScreenKey(const ScreenButtons& b, unsigned key) {
    if (b.start != 0 && IsStartKey(key)) return {b.start, 0};
    if (b.reset != 0 && IsResetKey(key)) return {b.reset, 0};
    if (IsMenuKey(key)) return {b.menu, 0};
    if (b.wavelength && key == kLeft) return {0, -1};
    if (b.wavelength && key == kRight) return {0, +1};
    return {0, 0};
}

LectureKeyAction ActionFor(PageKind page, unsigned key) {
    switch (page) {
        case kStartPage: {
            static const int screens[] = {203, 204, 213};
            const int digit = Digit(key);
            if (digit >= 1 && digit <= 3) return {screens[digit - 1], 0};
            if (key == 'A') return {201, 0};
            return {0, 0};
        }
        case kAuthorsPage:
            return ScreenKey({0, 0, 205, false}, key);
        case kPatternScreen:
            if (key == 'O') return {0, 0, ShellKey::kObject};
            return ScreenKey({0, 0, 206, true}, key);
        case kAxialScreen:
            if (key == 'V') return {0, 0, ShellKey::kPhasor};
            if (key == 'O') return {0, 0, ShellKey::kObject};
            if (const LectureKeyAction steer = SteeringKey(key, true); steer.shell != ShellKey::kNone) return steer;
            return ScreenKey({211, 212, 210, true}, key);
        case kRadialScreen:
            if (key == 'V') return {0, 0, ShellKey::kPhasor};
            if (key == 'O') return {0, 0, ShellKey::kObject};
            if (const LectureKeyAction steer = SteeringKey(key, false); steer.shell != ShellKey::kNone) return steer;
            return ScreenKey({215, 216, 214, false}, key);
        default:
            return {0, 0};
    }
}

// The keys of every page.
ShellKey PageKey(unsigned key, bool control) {
    if (control) return key == 'C' ? ShellKey::kCopy : key == 'S' ? ShellKey::kSave : ShellKey::kNone;
    return key == 'M'   ? ShellKey::kMonitor
           : key == kF1 ? ShellKey::kHelp
           : key == 'P' ? ShellKey::kPalette
                        : ShellKey::kNone;
}

}  // namespace

LectureKeyAction LectureKeyFor(PageKind page, unsigned key, bool control) {
    LectureKeyAction action = control ? LectureKeyAction{0, 0} : ActionFor(page, key);
    if (page < kPageKindCount && PageKey(key, control) != ShellKey::kNone)
        action.shell = PageKey(key, control);
    action.taken = action.command != 0 || action.wavelength_step != 0 || action.shell != ShellKey::kNone ||
                   key == kSpace || key == kEnter;
    return action;
}
