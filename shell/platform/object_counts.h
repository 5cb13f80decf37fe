// What the platform layer has made and not yet deleted, by kind. Wine cannot show a leak (GetGuiResources
// answers 0, DeleteObject succeeds on a selected bitmap), so the layer counts every GDI object and window
// it makes and every one it deletes, and a test compares LiveObjectCounts() before and after a round trip.
#pragma once

// Objects made by this layer and not yet deleted, by kind. `contexts` counts memory contexts and
// borrowed window contexts; `windows` counts windows made here that still exist (child controls go
// with their page window, so they are counted by asking whether they still exist).
struct PlatformObjectCounts {
    int contexts;
    int bitmaps;
    int fonts;
    int pens;
    int brushes;
    int regions;
    int windows;
    int threads;  // worker threads (WorkerPool) alive
    int kept;     // the open page's kept fonts and pens (KeptFont, KeptPen), not among `fonts` and `pens`
};

// The counts without the kept objects, whose number depends on what the page has drawn so far.
inline PlatformObjectCounts Owned(PlatformObjectCounts counts) {
    counts.kept = 0;
    return counts;
}

inline bool operator==(const PlatformObjectCounts& a, const PlatformObjectCounts& b) {
    return a.contexts == b.contexts && a.bitmaps == b.bitmaps && a.fonts == b.fonts && a.pens == b.pens &&
           a.brushes == b.brushes && a.regions == b.regions && a.windows == b.windows &&
           a.threads == b.threads && a.kept == b.kept;
}

// The counts now (the layer keeps them in shell/platform/counting.cpp).
PlatformObjectCounts LiveObjectCounts();
