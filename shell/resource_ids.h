// The ids of the program's resources (resources/zonara.rc): the string table's class names, the icon and
// the four bitmaps of the start and authors pages.
#pragma once

#include "shell/page_kind.h"

// String table ids of the class names, in PageKind order.
constexpr int kClassStringIds[kPageKindCount] = {
    100,  // kStartPage
    101,  // kAuthorsPage
    103,  // kPatternScreen
    102,  // kAxialScreen
    104,  // kRadialScreen
};

constexpr int kIconId = 305;
constexpr int kLeftEmblemId = 301;
constexpr int kRightEmblemId = 302;
constexpr int kFirstPortraitId = 303;
constexpr int kSecondPortraitId = 304;
