// Creation counts and the noted failure. One thread makes every resource but the worker pool's threads,
// which the screen's thread starts, so plain counters do.
#include "shell/platform/resource_failures.h"

namespace {

int fail_at = 0;
int counted = 0;
int counted_by_kind[static_cast<int>(ResourceKind::kCount)] = {};
bool failed = false;
ResourceKind refused = ResourceKind::kCount;

}  // namespace

const char* ResourceKindName(ResourceKind kind) {
    static const char* const names[] = {"context", "bitmap", "font",   "pen",    "brush",
                                        "window",  "timer",  "thread", "pixels", "none"};
    return names[static_cast<int>(kind)];
}

bool CreationRefused(ResourceKind kind) {
    ++counted_by_kind[static_cast<int>(kind)];
    if (++counted != fail_at) return false;
    refused = kind;
    return true;
}

void FailNthCreation(int n) {
    fail_at = n;
    counted = 0;
    refused = ResourceKind::kCount;
    for (int& c : counted_by_kind) c = 0;
}

ResourceKind RefusedKind() {
    return refused;
}

int CreationsCounted() {
    return counted;
}

int CreationsCounted(ResourceKind kind) {
    return counted_by_kind[static_cast<int>(kind)];
}

void NoteResourceFailure() {
    failed = true;
}

bool ResourceFailurePending() {
    return failed;
}

bool TakeResourceFailure() {
    const bool was = failed;
    failed = false;
    return was;
}
