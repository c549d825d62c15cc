#include <cmath>

#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TAnimation.h"
#include "toolkit/TCrossFade.h"

class AnimationTest : public ToolkitTest {};

TEST_F(AnimationTest, OnePhaseCountsDownAndFinishes) {
    TAnimation a;
    a.Init(100);  // 20 ticks
    a.Start();
    EXPECT_FLOAT_EQ(a.GetRatio(), 1);
    int ended = 0;
    for (int i = 1; i <= 19; ++i) ended += a.Manage();
    EXPECT_EQ(ended, 0);
    EXPECT_FLOAT_EQ(a.GetRatio(), 0.05f);
    EXPECT_EQ(a.Manage(), 1);
    EXPECT_EQ(a.Finished, 1);
    EXPECT_EQ(a.Active, 0);
    EXPECT_EQ(a.Manage(), 0);
}

TEST_F(AnimationTest, PhasesRunInTurn) {
    TAnimation a;
    a.Init(50);
    a.AddPhase(100);
    a.InsertPhase(25, 0);  // 5, 10, 20 ticks
    ASSERT_EQ(a.TotalPhases, 3);
    EXPECT_FLOAT_EQ(a.Length[0], 5);
    EXPECT_FLOAT_EQ(a.Length[1], 10);
    a.Start();
    std::vector<int> ends;
    for (int tick = 1; tick <= 40; ++tick)
        if (a.Manage()) ends.push_back(tick);
    EXPECT_EQ(ends, (std::vector<int>{5, 15, 35}));
    EXPECT_EQ(a.Finished, 1);
}

TEST_F(AnimationTest, LeaveActiveHoldsTheLastPhaseEnd) {
    TAnimation a;
    a.Init(50, 1);
    a.AddPhase(50);
    a.Start();
    for (int i = 0; i < 30; ++i) a.Manage();
    EXPECT_EQ(a.Active, 1);
    EXPECT_EQ(a.Finished, 1);
    EXPECT_EQ(a.CurrentPhase, 1);
    EXPECT_FLOAT_EQ(a.Counter, 0);
}

TEST_F(AnimationTest, ReverseCountsUp) {
    TAnimation a;
    a.Init(50, 0, 1);
    a.Start();
    EXPECT_FLOAT_EQ(a.GetRatio(), 0);
    for (int i = 0; i < 5; ++i) a.Manage();
    EXPECT_FLOAT_EQ(a.GetRatio(), 0.5f);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Manage(), 0);
    EXPECT_EQ(a.Manage(), 1);  // ends once past its length
}

TEST_F(AnimationTest, CyclingPingPongTurnsAtBothEndsUntilItsLoopTotal) {
    TAnimation a;
    a.Init(50, 0, 0, 1, 1);  // 10 ticks, cycling, ping-pong
    a.LoopTotal = 3;
    a.Start();
    std::vector<float> ratios;
    for (int i = 0; i < 40 && a.Active; ++i) {
        a.Manage();
        ratios.push_back(a.GetRatio());
    }
    EXPECT_FLOAT_EQ(ratios[9], 0);  // first end: turned round at 0
    EXPECT_EQ(a.Finished, 1);
    EXPECT_EQ(a.LoopCount, 3);
    EXPECT_FLOAT_EQ(ratios[14], 0.5f);    // on the way back up
    EXPECT_NEAR(ratios[20], 0.9f, 1e-5);  // overshoot reflected at the top
}

TEST_F(AnimationTest, StopEndsAtOnce) {
    TAnimation a;
    a.Init(500);
    a.AddPhase(500);
    a.Start();
    a.Manage();
    a.Stop();
    EXPECT_EQ(a.Finished, 1);
    EXPECT_EQ(a.Active, 0);
}

TEST_F(AnimationTest, RatiosEaseAsDescribed) {
    struct Case {
        float counter;
        float ratio, inv, sine, invSine, sine180, invSine180;
    } cases[] = {
        {0, 0, 1, 0, 1, 0, 1},
        {2.5f, 0.25f, 0.75f, 0.382683f, 0.923880f, 0.146447f, 0.853553f},
        {5, 0.5f, 0.5f, 0.707107f, 0.707107f, 0.5f, 0.5f},
        {10, 1, 0, 1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        TAnimation a;
        a.Init(50);
        a.Counter = c.counter;
        EXPECT_NEAR(a.GetRatio(), c.ratio, 1e-5);
        EXPECT_NEAR(a.GetRatioInv(), c.inv, 1e-5);
        EXPECT_NEAR(a.GetRatioSine(), c.sine, 1e-5);
        EXPECT_NEAR(a.GetRatioInvSine(), c.invSine, 1e-5);
        EXPECT_NEAR(a.GetRatioSine180(), c.sine180, 1e-5);
        EXPECT_NEAR(a.GetRatioInvSine180(), c.invSine180, 1e-5);
    }
}

TEST_F(AnimationTest, AnimFrameMapsTheCounter) {
    TAnimation a;
    a.Init(50);  // 10 ticks
    a.Counter = 9;
    EXPECT_EQ(a.GetAnimFrame(4), 0);
    a.Counter = 1;
    EXPECT_EQ(a.GetAnimFrame(4), 3);
    a.Reverse = 1;
    EXPECT_EQ(a.GetAnimFrame(4), 0);
    EXPECT_EQ(a.GetAnimFrameProper(4), 3);
}

TEST_F(AnimationTest, CrossFadeDrawsTheSecondPictureAtTheRatio) {
    OpenGraphics();
    auto first = SolidImage(40, 40, 0, 0, 200);
    auto second = SolidImage(40, 40, 200, 0, 0);
    auto fade = TCrossFade::Create(first, second, 100);
    fade->SetImage1Coords(10, 10);
    fade->SetImage2Coords(10, 10);
    for (int i = 0; i < 10; ++i) fade->Manage();
    fade->Draw();
    Rgb mid = PixelAt(20, 20);
    EXPECT_NEAR(mid.r, 100, 2);
    EXPECT_NEAR(mid.b, 100, 2);
    for (int i = 0; i < 10; ++i) fade->Manage();
    fade->Draw();
    EXPECT_EQ(PixelAt(20, 20).b, 200);
    EXPECT_FLOAT_EQ(Game->Gfx->GetAlpha(), 1);
}
