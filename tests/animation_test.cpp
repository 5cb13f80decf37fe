// The animation state tables of the axial and the radial screen.
#include <gtest/gtest.h>

#include "screens/axial/axial_animation.h"
#include "screens/radial/radial_animation.h"

namespace {

TEST(AxialAnimation, StartDrawsStepZeroAndWaits) {
    AxialAnimation a;
    AxialRebuilt(a, 310);
    const AnimationEffects e = AxialPressStart(a);
    EXPECT_TRUE(e.draw_step);
    EXPECT_EQ(e.drawn_step, 0);
    EXPECT_FALSE(e.start_timer);
    EXPECT_EQ(a.k, 1);
    EXPECT_EQ(a.plot_k, 1);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
    EXPECT_TRUE(a.wavelength_enabled);
}

TEST(AxialAnimation, ContinuePauseAndTheWavelengthLock) {
    AxialAnimation a;
    AxialRebuilt(a, 310);
    AxialPressStart(a);
    EXPECT_TRUE(AxialPressStart(a).start_timer);
    EXPECT_EQ(a.caption, StartCaption::kPause);
    EXPECT_TRUE(a.running);
    EXPECT_FALSE(a.wavelength_enabled);
    EXPECT_EQ(AxialTick(a).drawn_step, 1);
    EXPECT_TRUE(AxialPressStart(a).stop_timer);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
    EXPECT_FALSE(a.running);
    EXPECT_FALSE(a.wavelength_enabled);  // until Reset
    AxialReset(a);
    EXPECT_TRUE(a.wavelength_enabled);
    EXPECT_EQ(a.k, -1);
    EXPECT_EQ(a.caption, StartCaption::kStart);
}

TEST(AxialAnimation, AWavelengthChangeAfterStartReturnsToReadyKeepingTheCaption) {
    AxialAnimation a;
    AxialRebuilt(a, 310);
    AxialPressStart(a);
    ASSERT_TRUE(a.wavelength_enabled);
    AxialRebuilt(a, 310);
    EXPECT_EQ(a.k, -1);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
    // The next press behaves like Start.
    EXPECT_EQ(AxialPressStart(a).drawn_step, 0);
}

TEST(AxialAnimation, AFullRunDrawsEveryStepOnceAndFinishesOnPause) {
    AxialAnimation a;
    AxialRebuilt(a, 310);
    AxialPressStart(a);
    AxialPressStart(a);
    int drawn = 1, expected = 1;
    for (;;) {
        const AnimationEffects e = AxialTick(a);
        if (!e.draw_step) {
            EXPECT_TRUE(e.stop_timer);
            break;
        }
        EXPECT_EQ(e.drawn_step, expected++);
        ++drawn;
    }
    EXPECT_EQ(drawn, 311);  // steps 0..n
    EXPECT_EQ(a.k, 311);
    EXPECT_EQ(a.caption, StartCaption::kPause);
    EXPECT_TRUE(a.running);
    // Finished: the button does nothing until Reset.
    const AnimationEffects e = AxialPressStart(a);
    EXPECT_FALSE(e.caption_changed || e.start_timer || e.stop_timer || e.draw_step);
    EXPECT_EQ(a.caption, StartCaption::kPause);
}

TEST(AxialAnimation, PausingAfterTheLastStepLeavesContinueThatDoesNothing) {
    AxialAnimation a;
    AxialRebuilt(a, 3);
    AxialPressStart(a);
    AxialPressStart(a);
    for (int i = 0; i < 3; ++i) AxialTick(a);  // steps 1..3 drawn, k = 4
    AxialPressStart(a);                        // finished already: nothing happens
    EXPECT_EQ(a.caption, StartCaption::kPause);
}

class RadialAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { RadialSavedStep() = -1; }
    void TearDown() override { RadialSavedStep() = -1; }
};

TEST_F(RadialAnimationTest, StartStartStartFromFresh) {
    RadialAnimation a;
    RadialCreated(a, 304);
    EXPECT_EQ(a.k, -1);
    AnimationEffects e = RadialPressStart(a);
    EXPECT_EQ(e.drawn_step, 0);
    EXPECT_EQ(a.k, 1);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
    EXPECT_TRUE(RadialPressStart(a).start_timer);
    EXPECT_EQ(a.caption, StartCaption::kPause);
    EXPECT_TRUE(RadialPressStart(a).stop_timer);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
}

TEST_F(RadialAnimationTest, TheTickThatDrawsTheLastStepEndsTheRunAndSavesIt) {
    RadialAnimation a;
    RadialCreated(a, 304);
    RadialPressStart(a);
    RadialPressStart(a);
    int last_drawn = 0, ticks = 0;
    for (;;) {
        const AnimationEffects e = RadialTick(a, 301);
        ++ticks;
        if (e.draw_step) last_drawn = e.drawn_step;
        if (e.stop_timer) break;
    }
    EXPECT_EQ(ticks, 304);  // steps 1..304
    EXPECT_EQ(last_drawn, 304);
    EXPECT_EQ(a.k, 304);
    EXPECT_EQ(RadialSavedStep(), 304);
    EXPECT_EQ(a.caption, StartCaption::kPause);
    // From finished: Start shows "Continue", again "Pause", and the next tick redraws step N and ends.
    RadialPressStart(a);
    EXPECT_EQ(a.caption, StartCaption::kContinue);
    EXPECT_TRUE(RadialPressStart(a).start_timer);
    const AnimationEffects e = RadialTick(a, 301);
    EXPECT_EQ(e.drawn_step, 304);
    EXPECT_TRUE(e.stop_timer);
    EXPECT_EQ(a.k, 304);
}

TEST_F(RadialAnimationTest, TheSavedStepOutlivesTheScreen) {
    RadialSavedStep() = 57;  // left with Menu at step 57
    RadialAnimation a;
    RadialCreated(a, 304);
    EXPECT_EQ(a.k, 57);
    EXPECT_EQ(a.caption, StartCaption::kStart);
    // Restoring draws the step without advancing it.
    const AnimationEffects redraw = RadialTick(a, kRedrawStep);
    EXPECT_EQ(redraw.drawn_step, 57);
    EXPECT_EQ(a.k, 57);
    // One press runs on from there.
    EXPECT_TRUE(RadialPressStart(a).start_timer);
    EXPECT_EQ(a.caption, StartCaption::kPause);
    EXPECT_EQ(RadialTick(a, 301).drawn_step, 57);
    EXPECT_EQ(a.k, 58);
    RadialReset(a);
    EXPECT_EQ(RadialSavedStep(), -1);
    EXPECT_EQ(a.k, -1);
    EXPECT_EQ(a.caption, StartCaption::kStart);
}

TEST_F(RadialAnimationTest, AStepBeyondASmallerScreensRunIsShownAsItsLast) {
    RadialSavedStep() = 608;  // a run finished on a large screen, then the display shrank
    RadialAnimation a;
    RadialCreated(a, 101);
    EXPECT_EQ(a.k, 101);
    EXPECT_EQ(a.plot_k, 101);
    EXPECT_EQ(a.caption, StartCaption::kStart);
    const AnimationEffects redraw = RadialTick(a, kRedrawStep);
    EXPECT_TRUE(redraw.draw_step);
    EXPECT_EQ(redraw.drawn_step, 101);
    EXPECT_FALSE(redraw.caption_changed);
    EXPECT_EQ(a.caption, StartCaption::kStart);
}

}  // namespace
