// The lecture keys: which button each key presses on each page.
#include "shell/lecture_keys.h"

#include <gtest/gtest.h>

namespace {

int Pressed(PageKind page, unsigned key) {
    return LectureKeyFor(page, key).command;
}
int Step(PageKind page, unsigned key) {
    return LectureKeyFor(page, key).wavelength_step;
}

constexpr unsigned kBackspace = 0x08, kEnter = 0x0D, kEscape = 0x1B, kSpace = 0x20, kPageUp = 0x21,
                   kPageDown = 0x22, kLeft = 0x25, kRight = 0x27, kNumpad2 = 0x62;

TEST(LectureKeys, RemoteAndKeyboardOnTheAnimatedScreens) {
    for (unsigned key : {kSpace, kEnter, kPageDown}) {
        EXPECT_EQ(Pressed(kAxialScreen, key), 211);
        EXPECT_EQ(Pressed(kRadialScreen, key), 215);
    }
    for (unsigned key : {static_cast<unsigned>('R'), kPageUp}) {
        EXPECT_EQ(Pressed(kAxialScreen, key), 212);
        EXPECT_EQ(Pressed(kRadialScreen, key), 216);
    }
    for (unsigned key : {kEscape, kBackspace}) {
        EXPECT_EQ(Pressed(kAxialScreen, key), 210);
        EXPECT_EQ(Pressed(kRadialScreen, key), 214);
        EXPECT_EQ(Pressed(kPatternScreen, key), 206);
        EXPECT_EQ(Pressed(kAuthorsPage, key), 205);
    }
    EXPECT_EQ(Pressed(kAxialScreen, 'B'), 0);  // a remote's "blank screen" key does nothing
}

TEST(LectureKeys, ArrowsStepTheWavelengthWhereThereIsOne) {
    EXPECT_EQ(Step(kAxialScreen, kLeft), -1);
    EXPECT_EQ(Step(kAxialScreen, kRight), +1);
    EXPECT_EQ(Step(kPatternScreen, kRight), +1);
    EXPECT_EQ(Step(kRadialScreen, kRight), 0);      // its parameters are fixed
    EXPECT_EQ(Pressed(kPatternScreen, kSpace), 0);  // no Start button there
}

TEST(LectureKeys, SpaceAndEnterNeverReachAFocusedButton) {
    for (PageKind page : {kStartPage, kAuthorsPage, kPatternScreen, kAxialScreen, kRadialScreen}) {
        EXPECT_TRUE(LectureKeyFor(page, kSpace).taken) << page;
        EXPECT_TRUE(LectureKeyFor(page, kEnter).taken) << page;
        EXPECT_FALSE(LectureKeyFor(page, 'Q').taken) << page;
    }
    EXPECT_TRUE(LectureKeyFor(kAxialScreen, kLeft).taken);
    EXPECT_FALSE(LectureKeyFor(kRadialScreen, kLeft).taken);
}

TEST(LectureKeys, StartPageOpensPagesButNeverEnds) {
    EXPECT_EQ(Pressed(kStartPage, '1'), 203);
    EXPECT_EQ(Pressed(kStartPage, '2'), 204);
    EXPECT_EQ(Pressed(kStartPage, kNumpad2), 204);
    EXPECT_EQ(Pressed(kStartPage, '3'), 213);
    EXPECT_EQ(Pressed(kStartPage, 'A'), 201);
    for (unsigned key : {kEscape, kBackspace, kSpace, kEnter, kPageDown, static_cast<unsigned>('4')})
        EXPECT_EQ(Pressed(kStartPage, key), 0) << key;
}

}  // namespace
