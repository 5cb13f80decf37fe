// The resources a lecture PC can run short of, counted as they are made, and failures of them: real ones
// (a creation that returned nothing) and injected ones (the tests make the Nth creation fail, to see that
// the program survives every single one). Pure: the platform layer and the pixel computations both ask.
//
// A failure is noted and stays noted until the shell takes it: the page that met it is left for the start
// page, which says so in one line.
#pragma once

enum class ResourceKind {
    kContext,  // memory and window device contexts
    kBitmap,   // bitmaps and DIB sections
    kFont,
    kPen,
    kBrush,
    kWindow,  // page windows and their controls
    kTimer,
    kThread,  // worker threads
    kPixels,  // large pixel and sample buffers
    kCount
};

const char* ResourceKindName(ResourceKind kind);

// Counts a creation of `kind`; true when it is to fail because the tests asked for this one.
bool CreationRefused(ResourceKind kind);

// From now on the `n`th creation (1, 2, ...) fails; 0 makes none fail. Restarts the counts.
void FailNthCreation(int n);
// The kind of the creation that was refused since FailNthCreation; kCount while none was.
ResourceKind RefusedKind();
// Creations counted since FailNthCreation, of every kind and of one.
int CreationsCounted();
int CreationsCounted(ResourceKind kind);

// A creation failed (refused, or the system gave nothing).
void NoteResourceFailure();
bool ResourceFailurePending();
// Whether a failure was noted, forgetting it.
bool TakeResourceFailure();
