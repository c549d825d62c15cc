#include "tests/framework/FrameworkFixture.h"

using FixedRateLogicTest = FrameworkTest;

TEST_F(FixedRateLogicTest, FrameTimeBecomesTicksClampedToThreshold) {
    struct Case {
        int ms;
        double ticks;
        int current;
    } cases[] = {{16, 3.2, 3}, {5, 1.0, 1}, {50, 10.0, 10}, {400, 10.0, 10}, {0, 0.0, 0}};
    auto& clock = Game->FixedRateLogic;
    for (const auto& c : cases) {
        clock.Init();
        now += c.ms;
        clock.Calc();
        EXPECT_NEAR(clock.NumTicks, c.ticks, 1e-9) << c.ms << " ms";
        EXPECT_EQ(clock.Current, c.current) << c.ms << " ms";
    }
}

TEST_F(FixedRateLogicTest, SixteenMillisecondsRunThreeWholeTicksAndOneOfAFifth) {
    ProbeScreen screen("probe");
    Game->CurrentTScreen = &screen;
    now += 16;
    ASSERT_EQ(Game->MainLogicLoop(), 1);
    ASSERT_EQ(screen.deltas.size(), 4u);
    EXPECT_FLOAT_EQ(screen.deltas[0], 1.0f);
    EXPECT_FLOAT_EQ(screen.deltas[2], 1.0f);
    EXPECT_NEAR(screen.deltas[3], 0.2f, 1e-5);
}

TEST_F(FixedRateLogicTest, FourHundredMillisecondsRunExactlyTenTicks) {
    ProbeScreen screen("probe");
    Game->CurrentTScreen = &screen;
    now += 400;
    Game->MainLogicLoop();
    EXPECT_EQ(screen.logics, 10);
}

TEST_F(FixedRateLogicTest, HistoryStartsOnTheSixthFrameAfterInit) {
    auto& clock = Game->FixedRateLogic;
    for (int frame = 1; frame <= 5; ++frame) {
        now += 7;
        clock.Calc();
        EXPECT_EQ(clock.HistorySize, 1) << "frame " << frame;
        EXPECT_EQ(clock.History[0], 0) << "frame " << frame;
    }
    EXPECT_EQ(clock.First, 0);
    now += 7;
    clock.Calc();
    EXPECT_EQ(clock.History[0], 7);
    EXPECT_EQ(clock.HistorySize, 2);
}

TEST_F(FixedRateLogicTest, JitterCorrectionAveragesTheHistory) {
    auto& clock = Game->FixedRateLogic;
    clock.JitterCorrection = 1;
    Game->VSync = 0;
    clock.First = 0;
    now += 10;
    clock.Calc();  // history [10], average of the one entry before growth
    EXPECT_NEAR(clock.NumTicks, 2.0, 1e-9);
    now += 20;
    clock.Calc();  // history [10, 20] averaged over 2
    EXPECT_NEAR(clock.NumTicks, 3.0, 1e-9);
}

TEST_F(FixedRateLogicTest, FastModeRunsOneTickAFrameWhateverTheTime) {
    ProbeScreen screen("probe");
    Game->CurrentTScreen = &screen;
    Game->FastOn();
    EXPECT_EQ(FlipSync, 0);
    for (int ms : {0, 16, 400}) {
        screen.logics = 0;
        now += ms;
        Game->MainLogicLoop();
        EXPECT_EQ(screen.logics, 1) << ms << " ms";
    }
    Game->FastOff();
    EXPECT_EQ(Game->Fast, 0);
}

TEST_F(FixedRateLogicTest, ABackwardsClockReusesTheLastTickCount) {
    auto& clock = Game->FixedRateLogic;
    now += 16;
    clock.Calc();
    now -= 100;
    clock.Calc();
    EXPECT_NEAR(clock.NumTicks, 3.2, 1e-9);
}

TEST_F(FixedRateLogicTest, SlowMotionStretchesDurations) {
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(500), 100.0f);
    Game->SlowMotionSpeed = 0.2f;
    Game->SlowMotionOn();
    EXPECT_FLOAT_EQ(Game->FixedRateLogic.MS, 25.0f);
    EXPECT_FLOAT_EQ(Game->CalcAnimLength(500), 100.0f);  // same ticks, five times as long
    now += 50;
    Game->FixedRateLogic.Calc();
    EXPECT_NEAR(Game->FixedRateLogic.NumTicks, 2.0, 1e-9);
    EXPECT_EQ(Game->CalcMilliSecsFromFrames(10, 1), 50);
    Game->SlowMotionOff();
    EXPECT_FLOAT_EQ(Game->FixedRateLogic.MS, 5.0f);
}

TEST_F(FixedRateLogicTest, NoTimingRunsAFixedTickCount) {
    ProbeScreen screen("probe");
    Game->CurrentTScreen = &screen;
    Game->NoTiming = 1;
    Game->NoTimingTicks = 3;
    now += 400;
    Game->MainLogicLoop();
    EXPECT_EQ(screen.logics, 3);
}

TEST(FPSCounterTest, ShowsANewFigureOnlyAfterMoreThan1001Milliseconds) {
    TFPSCounter fps;
    int64_t t = 0;
    fps.Now = [&] { return t; };
    fps.Init();
    for (int i = 0; i < 60; ++i) {
        t += 16;  // 960 ms
        fps.Calc();
    }
    t = 1001;
    fps.Calc();
    EXPECT_EQ(fps.Current, 0);
    t = 1002;
    fps.Calc();
    EXPECT_EQ(fps.Current, 62);
    EXPECT_EQ(fps.maximum, 62);
    EXPECT_EQ(fps.minimum, 62);
    fps.Label = "FPS     ";
    EXPECT_EQ(fps.GetDisplay(), "FPS      62/ 62");
}

TEST(TrackingVarTest, DisplayPadsToThreeCharacters) {
    TTrackingVar v;
    v.Label = "Logic   ";
    v.Current = 4;
    v.maximum = 1234;
    EXPECT_EQ(v.GetDisplay(), "Logic     4/1234");
}
