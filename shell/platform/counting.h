// Inside the platform layer: how a creation is made, refused or counted. Every file of the layer that
// makes a GDI object, a context or a window goes through Made(), so that each one is counted by kind and
// can be refused by the failure sweep (shell/platform/resource_failures.h). Not for pages.
#pragma once

#include <windows.h>

#include "shell/platform/object_counts.h"
#include "shell/platform/resource_failures.h"

namespace platform_counting {

// The live counts (windows and threads are counted when asked, in LiveObjectCounts).
PlatformObjectCounts& Live();

// The counter of a GDI object's kind, or null for a kind that is not counted.
int* CounterFor(HGDIOBJ object);

// A window made by the layer, counted while it exists.
void RememberWindow(HWND window);

// Makes one resource of `kind` with `make`, unless the tests refuse this creation; counts it, or notes the
// failure when there is none.
template <typename Make>
auto Made(ResourceKind kind, int* counter, Make make) -> decltype(make()) {
    if (CreationRefused(kind)) {
        NoteResourceFailure();
        return nullptr;
    }
    const auto object = make();
    if (object == nullptr) {
        NoteResourceFailure();
    } else if (counter != nullptr) {
        ++*counter;
    }
    return object;
}

}  // namespace platform_counting
