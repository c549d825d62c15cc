#include "framework/TLoadingScreen.h"
#include "tests/framework/FrameworkFixture.h"

using LoadingScreenTest = FrameworkTest;

TEST_F(LoadingScreenTest, TheBarFillsStepByStepAndFinishesOnTheLast) {
    TLoadingBar bar;
    bar.w = 494;
    bar.SetSteps(247);
    for (int i = 0; i < 246; ++i) bar.Progress();
    EXPECT_EQ(bar.Finished, 0);
    EXPECT_FLOAT_EQ(bar.Position, 492.0f);
    bar.Progress();
    EXPECT_EQ(bar.Finished, 1);
    EXPECT_FLOAT_EQ(bar.Position, 494.0f);
    bar.Centre(600);
    EXPECT_EQ(bar.x, 265);
    EXPECT_EQ(bar.y, 600);
}

TEST_F(LoadingScreenTest, WithoutAButtonItLeavesForItsDestinationOnceLoaded) {
    ProbeScreen next("next");
    auto& loading = *Game->LoadingScreen;
    loading.Destination = &next;
    loading.SetSteps(2);
    loading.Start();
    loading.Progress();
    loading.Progress();
    EXPECT_EQ(loading.Finished, 1);
    for (int i = 0; i < 200 && Game->CurrentTScreen != &next; ++i) Game->LogicWrapper();
    EXPECT_EQ(Game->CurrentTScreen, &next);
}

namespace {
struct FakeButton : TWidget {
    int clickOnTick = -1, ticks = 0, presses = 0;
    int Manage(int, int) override { return ticks++ == clickOnTick ? 1 : 0; }
    void Draw(int, int) override {}
    void Press() override { presses++; }
};
}  // namespace

TEST_F(LoadingScreenTest, AClickAnywhereContinuesAndPressesTheButton) {
    ProbeScreen next("next");
    auto button = std::make_shared<FakeButton>();
    auto& loading = *Game->LoadingScreen;
    loading.SetClickHereButton(button);
    loading.Destination = &next;
    loading.Start();
    for (int i = 0; i < 20; ++i) Game->LogicWrapper();
    EXPECT_FALSE(Game->Fading()) << "waits for the player";
    TEventSource::InjectClick(100, 100);
    Game->LogicWrapper();
    EXPECT_TRUE(Game->Fading());
    EXPECT_EQ(button->presses, 1);
}

TEST_F(LoadingScreenTest, EscapeContinuesWhenItDoesNotClose) {
    ProbeScreen next("next");
    auto button = std::make_shared<FakeButton>();
    auto& loading = *Game->LoadingScreen;
    loading.SetClickHereButton(button);
    loading.EscapeCloses = 0;
    loading.Destination = &next;
    loading.Start();
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    Key(platform::keys::ESCAPE);
    Game->LogicWrapper();
    EXPECT_TRUE(Game->Fading());
    EXPECT_EQ(Game->DestinationTScreen, &next);
}
