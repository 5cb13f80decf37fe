// What is selected where, and what breaks one of Windows' rules.
#include "shell/platform/windows_rules.h"

#include <set>

namespace {

bool rule_checks = false;
std::vector<std::string> violations;
std::set<HDC> memory_contexts, window_contexts;
std::set<HBITMAP> compatible_bitmaps;  // device-dependent bitmaps of the display's own format

void Violation(const std::string& what) {
    if (rule_checks) violations.push_back(what);
}

}  // namespace

void CheckWindowsRules(bool on) {
    rule_checks = on;
    violations.clear();
}

std::vector<std::string> TakeRuleViolations() {
    std::vector<std::string> taken;
    taken.swap(violations);
    return taken;
}

void WatchContext(HDC context, bool memory) {
    if (context != nullptr) (memory ? memory_contexts : window_contexts).insert(context);
}

void ForgetContext(HDC context) {
    memory_contexts.erase(context);
    window_contexts.erase(context);
}

void WatchCompatibleBitmap(HBITMAP bitmap) {
    if (bitmap != nullptr) compatible_bitmaps.insert(bitmap);
}

void SelectBitmap(HDC context, HBITMAP bitmap) {
    if (context == nullptr || bitmap == nullptr) return;
    DIBSECTION dib{};
    BITMAP plain{};
    if (rule_checks && GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib &&
        GetObjectW(bitmap, sizeof plain, &plain) != 0 && plain.bmBitsPixel == 32 &&
        compatible_bitmaps.count(bitmap) == 0)
        Violation("a 32-bpp bitmap that is neither a DIB section nor a compatible bitmap selected");
    SelectObject(context, bitmap);
}

void CheckBeforeDelete(HGDIOBJ object) {
    if (rule_checks) {
        const UINT type = GetObjectType(object) == OBJ_EXTPEN ? OBJ_PEN : GetObjectType(object);
        const char* name = type == OBJ_FONT    ? "font"
                           : type == OBJ_PEN   ? "pen"
                           : type == OBJ_BRUSH ? "brush"
                                               : "bitmap";
        for (const std::set<HDC>* contexts : {&memory_contexts, &window_contexts})
            for (HDC context : *contexts)
                if (type != OBJ_REGION && GetCurrentObject(context, type) == object)
                    Violation(std::string("a ") + name + " deleted while it is selected into a " +
                              (contexts == &memory_contexts ? "surface" : "window context"));
    }
    compatible_bitmaps.erase(static_cast<HBITMAP>(object));
}

void NoteFailedDelete() {
    Violation("a delete failed");
}
