#include "framework/TFade.h"
#include "framework/TTransitionEffect.h"
#include "tests/framework/FrameworkFixture.h"

using TransitionTest = FrameworkTest;

TEST_F(TransitionTest, EffectLengthIsInTicksAndACopyKeepsWhatItShould) {
    auto effect = TTransitionEffect::Create(3, 500);
    EXPECT_EQ(effect->Length, 100);
    effect->ScrollSpeedX = 2;
    effect->ZoomSpeed = 0.5f;
    effect->MaskAndFade = 1;
    effect->MaskEndSize = 4;
    auto copy = effect->CreateCopy();
    EXPECT_EQ(copy->EffectType, 3);
    EXPECT_EQ(copy->Length, 100);
    EXPECT_FLOAT_EQ(copy->ScrollSpeedX, 2);
    EXPECT_FLOAT_EQ(copy->MaskEndSize, 4);
    EXPECT_FLOAT_EQ(copy->ZoomSpeed, 0) << "zoom speed keeps its default";
    EXPECT_EQ(copy->MaskAndFade, 0) << "mask-and-fade keeps its default";
}

TEST_F(TransitionTest, TheBackgroundDriftsAndFadesByItsMode) {
    TFade fade;
    fade.Length = 1000;
    fade.BackgroundFadeTime = 250;
    fade.BackgroundXSpeed = 20;
    fade.BackgroundYSpeed = 10;
    fade.BackgroundZoomSpeed = 0.02f;
    fade.LastTime = 0;
    fade.Out = 0;
    fade.MoveBackground(500, 125);
    EXPECT_FLOAT_EQ(fade.BackgroundX, 10);
    EXPECT_FLOAT_EQ(fade.BackgroundY, 5);
    EXPECT_FLOAT_EQ(fade.BackgroundZoom, 1.01f);
    EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 0.5f);
    fade.Out = 1;
    fade.MoveBackground(1000, 875);
    EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 0.5f);
    fade.MoveBackground(1500, 1200);
    EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 0.0f);
    fade.Out = -1;
    fade.MoveBackground(1600, 10);
    EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 1.0f);
}

TEST_F(TransitionTest, AKeyCutsASplashFadeShort) {
    OpenGraphics();
    TFade fade;
    fade.Init(60000, nullptr, nullptr);
    Key(platform::keys::SPACE);
    EXPECT_EQ(fade.FadeDo(0), -1);
    Key(platform::keys::SPACE);
    EXPECT_EQ(fade.WaitForTime(60000), -1);
}

TEST_F(TransitionTest, ASplashFadeRunsItsLengthInRealTime) {
    OpenGraphics();
    TFade fade;
    fade.Init(30, nullptr, nullptr);
    EXPECT_EQ(fade.FadeDo(1), 1);
    EXPECT_FLOAT_EQ(fade.Ratio, 0.0f);
    EXPECT_EQ(fade.WaitForTime(20), 0);
}
