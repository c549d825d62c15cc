#include "framework/AssetBanks.h"
#include "framework/TGameText.h"
#include "framework/TImageBank.h"
#include "framework/TLoadingScreen.h"
#include "framework/TSoundBank.h"
#include "platform/AudioDevice.h"
#include "screens/TClickToContinue.h"
#include "screens/TGameLoader.h"
#include "tests/screens/ShippedDataFixture.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/TParticleList.h"
#include "toolkit/ToolkitSound.h"

namespace {

struct FakeButton : TWidget {
    int Manage(int, int) override { return 0; }
    void Draw(int, int) override {}
};

}  // namespace

// The whole loading sequence over the generated data folder, on the dummy display.
class GameLoaderTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        loader.TitleScreen = &title;
    }
    void TearDown() override { ShippedDataTest::TearDown(); }

    TGameLoader loader;
    ProbeScreen title{"title"};
};

TEST_F(GameLoaderTest, LoadsEveryListInOrderAndFillsTheBarExactly) {
    std::vector<std::string> calls;
    std::string caption;
    auto button = std::make_shared<FakeButton>();
    loader.RunSplashSequence = [&] { calls.push_back("splash"); };
    loader.LoadStoryTexts = [&] {
        EXPECT_FALSE(GameText.FindString("Click Text").empty()) << "the game text comes first";
        calls.push_back("story");
    };
    loader.LoadParticleList = [&](const std::vector<std::string>& names) {
        EXPECT_TRUE(ImageBank.Contains("sparklegold")) << "their pictures are loaded by then";
        calls.push_back("particles " + std::to_string(names.size()));
    };
    loader.LoadFonts = [&](const std::vector<std::string>& names) {
        calls.push_back("fonts " + std::to_string(names.size()));
    };
    loader.TitleScreenLoad = [&] { calls.push_back("title"); };
    loader.MakeClickToContinueButton = [&](auto up, auto over, auto down, auto click, auto mo,
                                           const std::string& text) -> std::shared_ptr<TWidget> {
        EXPECT_TRUE(up && over && down && click && mo);
        EXPECT_EQ(up->w, 340);
        caption = text;
        calls.push_back("button");
        return button;
    };

    loader.Run();

    EXPECT_EQ(calls, (std::vector<std::string>{"splash", "story", "particles 9", "fonts 8", "title",
                                               "button"}));
    auto& loading = *Game->LoadingScreen;
    EXPECT_EQ(loader.StepsTaken(), TGameLoader::LOADING_STEPS);
    EXPECT_EQ(loading.LoadingBar->CurrentStep, 247);
    EXPECT_EQ(loading.Finished, 1);
    EXPECT_EQ(loading.ClickHereButton, button);
    EXPECT_EQ(caption, GameText.FindString("Click Text"));

    // Where everything sits.
    EXPECT_EQ(loading.LoadingBar->Mode, 1);
    EXPECT_EQ(loading.LoadingBar->DrawEmptyUnderFinal, 1);
    EXPECT_EQ(loading.LoadingBar->x, (1024 - 500) / 2);
    EXPECT_EQ(loading.LoadingBar->y, 768 - 56);
    EXPECT_EQ(loading.LoadingX, 512);
    EXPECT_EQ(loading.LoadingY, 674);
    EXPECT_EQ(Game->CurrentTScreen, &loading);
    EXPECT_EQ(loading.Destination, &title);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "Escape continues like a click";
    EXPECT_EQ(Game->MusicName, "title.ogg");
    EXPECT_EQ(Game->MusicLooped, 1);

    // The banks.
    EXPECT_EQ(ImageBank.Count(), 242u);
    EXPECT_EQ(SoundBank.Count(), 45u);
    for (const char* key : {"1H", "13c", "7dP", "W13", "REGAL CARD9", "StoryItem10",
                            "storyitem10large", "Shop Item Mouse Over", "ArrowUp", "pointer",
                            "GoalsDialog", "ClickToContinueDown", "paused"})
        EXPECT_TRUE(ImageBank.Contains(key)) << key;
    EXPECT_EQ(ImageBank.Find("burningcard")->Frames(), 40);
    EXPECT_EQ(ImageBank.Find("ribbons")->Frames(), 3);
    EXPECT_EQ(ImageBank.Find("coin")->w, 27);
    EXPECT_EQ(ImageBank.Find("pointer")->midhandled, 0);
    EXPECT_EQ(ImageBank.Find("1h")->midhandled, 1);
    EXPECT_FLOAT_EQ(ImageBank.Find("BellaGUIwithFan")->image->HandleX(), -130.0f);
    EXPECT_FLOAT_EQ(SoundBank.Find("flip")->pitch, 1.1f);
    EXPECT_FLOAT_EQ(SoundBank.Find("SlideOut")->pitch, 1.25f);
    EXPECT_FLOAT_EQ(SoundBank.Find("land")->pitch, 1.0f);
    EXPECT_TRUE(SoundBank.Contains("buttonclick"));
    EXPECT_EQ(PointerSparkleImage, ImageBank.Find("clausparkle"));
    ASSERT_NE(Game->LeftBorderImage, nullptr);
    EXPECT_EQ(Game->LeftBorderImage->Width(), 256);
    EXPECT_NE(Game->RightBorderImage, nullptr);
    EXPECT_NE(Game->SpritePaused, nullptr);
    EXPECT_EQ(Game->Mouse.Active, 1);
}

TEST_F(GameLoaderTest, PartsNotYetBuiltAreReportedAndStillTakeTheirSteps) {
    testing::internal::CaptureStdout();
    loader.Run();
    std::string out = testing::internal::GetCapturedStdout();
    for (const char* part : {"splash sequence", "story texts", "particle list", "title screen"})
        EXPECT_NE(out.find(std::string("Loading: ") + part + " not available yet"),
                  std::string::npos)
            << part;
    EXPECT_EQ(out.find("Loading: fonts"), std::string::npos) << "the fonts exist";
    EXPECT_NE(FindGameFont("storyfont"), nullptr);
    EXPECT_EQ(loader.StepsTaken(), 247);
    EXPECT_EQ(Game->LoadingScreen->Finished, 1);
    auto button = std::dynamic_pointer_cast<TClickToContinue>(Game->LoadingScreen->ClickHereButton);
    ASSERT_NE(button, nullptr) << "the stand-in button waits for the player";
    EXPECT_FALSE(button->CaptionLines().empty());
    EXPECT_TRUE(button->UsesGameFont()) << "the caption is drawn in the Button font";
}

TEST_F(GameLoaderTest, TheLoadingScreenWaitsForAClickThenFadesToTheTitle) {
    loader.Run();
    Game->SuspendedEvent = 0;
    for (int i = 0; i < 50; ++i) Game->LogicWrapper();
    EXPECT_FALSE(Game->Fading()) << "waits for the player";
    TEventSource::InjectClick(512, 725);
    for (int i = 0; i < 200 && Game->CurrentTScreen != &title; ++i) Game->LogicWrapper();
    EXPECT_EQ(Game->CurrentTScreen, &title);
}

TEST_F(GameLoaderTest, EveryEffectFindsItsPicturesAndSoundsOnceLoaded) {
    loader.Run();
    std::vector<std::string> played;
    ToolkitSoundPlayer = [&](const std::string& n, float) { played.push_back(n); };
    TParticleList list;
    // A missing picture is fatal, so getting through these is the check for the images.
    EffectBurningCard(list, 500, 400, 10);
    EffectEndOfCombo(list, 500, 400);
    EffectFiveTimesMultiplier(list, 500, 400);
    EffectCupid(list, 500, 400);
    EffectLightning(list, 500, 400);
    EffectKeyPickedUp(list, 500, 400);
    EffectLockUnlocked(list, 500, 400, 3);
    EffectLockCountersReduced(list, 500, 400);
    EffectRegalCard(list, 500, 400);
    EffectBow(list, 500, 400);
    EffectPowerupCharged(list, 500, 400);
    EffectGoalComplete(list, 500, 400);
    for (int stars = 0; stars <= 3; ++stars) EffectHandEndStars(list, stars, 500, 400);
    EffectHandStart();
    EffectStake(list, 500, 400);
    ToolkitSoundPlayer = nullptr;
    list.Kill();
    EXPECT_EQ(played.size(), 9u);
    for (const auto& name : played) EXPECT_TRUE(SoundBank.Contains(name)) << name;
}
