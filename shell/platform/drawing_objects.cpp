// Fonts, pens, brushes and bitmaps, counted; the page's kept fonts and pens.
#include "shell/platform/drawing_objects.h"

#include <map>
#include <vector>

#include "shell/platform/counting.h"
#include "shell/platform/windows_rules.h"

using platform_counting::CounterFor;
using platform_counting::Live;
using platform_counting::Made;

COLORREF ToColorRef(ColourTriple c) {
    return RGB(c.red, c.green, c.blue);
}

HFONT CreateTextFont(int height, int width, int weight, int escapement) {
    return Made(ResourceKind::kFont, &Live().fonts, [&] {
        return CreateFontW(height, width, escapement, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH,
                           L"Times New Roman");
    });
}

HPEN CreateSolidPen(int width, ColourTriple colour) {
    return Made(ResourceKind::kPen, &Live().pens,
                [&] { return CreatePen(PS_SOLID, width, ToColorRef(colour)); });
}

HBRUSH CreateFillBrush(ColourTriple colour) {
    return Made(ResourceKind::kBrush, &Live().brushes, [&] { return CreateSolidBrush(ToColorRef(colour)); });
}

namespace {

std::map<std::vector<int>, HGDIOBJ> kept_objects;

template <typename Make>
HGDIOBJ Kept(const std::vector<int>& key, Make make) {
    const auto found = kept_objects.find(key);
    if (found != kept_objects.end()) return found->second;
    HGDIOBJ made = make();
    if (made != nullptr) {
        kept_objects[key] = made;
        --*CounterFor(made);  // counted as kept from now on
        ++Live().kept;
    }
    return made;
}

}  // namespace

HFONT KeptFont(int height, int width, int weight, int escapement) {
    return static_cast<HFONT>(Kept({0, height, width, weight, escapement},
                                   [&] { return CreateTextFont(height, width, weight, escapement); }));
}

HPEN KeptPen(int width, ColourTriple colour) {
    return static_cast<HPEN>(Kept({1, width, colour.red, colour.green, colour.blue},
                                  [&] { return CreateSolidPen(width, colour); }));
}

void ReleaseKeptObjects() {
    for (const auto& [key, object] : kept_objects) {
        ++*CounterFor(object);  // deleted as what it is
        --Live().kept;
        DeleteDrawingObject(object);
    }
    kept_objects.clear();
}

HBITMAP LoadScaledBitmap(HINSTANCE instance, int id, int width, int height) {
    // A bitmap loaded without LR_CREATEDIBSECTION is made in the display's own format.
    HBITMAP bitmap = Made(ResourceKind::kBitmap, &Live().bitmaps, [&] {
        return static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, width, height, 0));
    });
    WatchCompatibleBitmap(bitmap);
    return bitmap;
}

HICON LoadIconResource(HINSTANCE instance, int id) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

void DeleteDrawingObject(HGDIOBJ object) {
    if (object == nullptr) return;
    int* counter = CounterFor(object);
    // Windows refuses to delete a font, pen, brush or bitmap that is selected into a context (the object
    // then leaks); Wine defers the delete instead.
    CheckBeforeDelete(object);
    if (!DeleteObject(object)) {
        NoteFailedDelete();
        return;
    }
    if (counter != nullptr) --*counter;
}
