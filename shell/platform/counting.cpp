// The platform layer's object counts.
#include "shell/platform/counting.h"

#include <algorithm>
#include <vector>

#include "shell/platform/worker_pool.h"

namespace {

PlatformObjectCounts live{};
std::vector<HWND> made_windows;

}  // namespace

namespace platform_counting {

PlatformObjectCounts& Live() {
    return live;
}

int* CounterFor(HGDIOBJ object) {
    switch (GetObjectType(object)) {
        case OBJ_BITMAP:
            return &live.bitmaps;
        case OBJ_FONT:
            return &live.fonts;
        case OBJ_PEN:
        case OBJ_EXTPEN:
            return &live.pens;
        case OBJ_BRUSH:
            return &live.brushes;
        case OBJ_REGION:
            return &live.regions;
        default:
            return nullptr;
    }
}

void RememberWindow(HWND window) {
    // Windows destroyed with their parent leave stale handles behind; drop them now and then.
    if (made_windows.size() > 256) LiveObjectCounts();
    made_windows.push_back(window);
}

}  // namespace platform_counting

PlatformObjectCounts LiveObjectCounts() {
    made_windows.erase(std::remove_if(made_windows.begin(), made_windows.end(),
                                      [](HWND window) { return !IsWindow(window); }),
                       made_windows.end());
    PlatformObjectCounts counts = live;
    counts.windows = static_cast<int>(made_windows.size());
    counts.threads = WorkerPool::LiveWorkers();
    return counts;
}
