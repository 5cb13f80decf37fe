// The five pages of the program, in the order their window classes are registered.
#pragma once

enum PageKind { kStartPage, kAuthorsPage, kPatternScreen, kAxialScreen, kRadialScreen, kPageKindCount };
