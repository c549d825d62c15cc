#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/ProfileSelection.h"
#include "framework/TGameText.h"
#include "framework/TProfile.h"
#include "platform/Keys.h"
#include "platform/Wallpaper.h"
#include "progression/TGoalsDisplay.h"
#include "progression/TPlayer.h"
#include "progression/TProfileBinding.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "screens/TGameLoader.h"
#include "screens/TLevelCompleteScreen.h"
#include "tests/screens/ShippedDataFixture.h"
#include "toolkit/TDialogYesNo.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace fs = std::filesystem;

namespace {

// Stands in for the play screen: drives the panel as an overlay while it is active.
class HostScreen : public TScreen {
public:
    explicit HostScreen(TLevelCompleteScreen& p) : panel(p) { name = "play"; }
    TLevelCompleteScreen& panel;
    int starts = 0;
    void Start() override {
        starts++;
        TScreen::Start();
        Game->GameFade.Init(static_cast<float>(FadeLength), 0, nullptr, 1);
    }
    void Logic() override {
        if (panel.Active) panel.Logic();
    }
    void Draw() override {
        Game->Gfx->ResetState();
        Game->Gfx->SetColor(40, 70, 60);
        Game->Gfx->DrawRect(0, 0, 1024, 768);
        Game->Gfx->ResetState();
        if (!background.empty()) {
            if (!Image) ImageLoad(background, 0, 0);
            TScreen::Draw();
        }
        if (panel.Active) panel.Draw();
    }
    std::string background;
};

}  // namespace

class LevelCompleteTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        ToolkitTextLookup = [](const std::string& key) { return GameText.FindString(key); };
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
        loader.TitleScreen = &host;
        loader.Run();
        Game->MaxLevels = 20;
        Game->Ini.RetryDelayMs = 0;
        Game->ProfilePath = dir.File("profiles") + "/";
        fs::create_directories(Game->ProfilePath);

        ProgressHooks = TProgressHooks();
        ProgressHooks.UnlockAchievement = [this](const std::string& n) {
            achievements.push_back(n);
        };
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        TProfileBinding::Install();
        Game->ProfileName = "Tester";
        LoadCurrentProfile();
        Player->ReadProfile(Game->CurrentProfile.get(), 0);
        SaveData->Init();
        SaveData->timer = 0;  // normal play unless a test says otherwise
        gameFinished = 0;

        platform::Wallpaper::HasProgram = [](const std::string&) { return false; };

        panel.Play.CardsLeft = [this] { return cardsLeft; };
        panel.Play.SetShowStoryOnHand1 = [this](int v) { showStoryOnHand1 = v; };
        panel.Play.PlayScreen = &host;
        panel.Play.NextHand = [this] { nextHands++; };
        panel.Play.BackgroundFileName = "Backgrounds/bg3.jpg";
        host.PreStart();
        Game->GameFade.Finish();
        Game->SuspendedEvent = 0;
        panel.Load();
    }
    void TearDown() override {
        panel.Kill();
        host.Kill();
        Game->CurrentProfile.reset();
        ProfileRecordSaveFunction = nullptr;
        ProfileRecordLoadFunction = nullptr;
        TProfile::ProfileCreatedHook = nullptr;
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        platform::Wallpaper::HasProgram = platform::Wallpaper::ProgramExists;
        platform::Wallpaper::Run = platform::Wallpaper::RunProgram;
        ToolkitTextLookup = nullptr;
        ToolkitSoundPlayer = nullptr;
        gameFinished = 0;
        ShippedDataTest::TearDown();
    }

    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) Game->LogicWrapper();
    }
    // A hand of chapter `chapter` about to be scored, as the play screen leaves it.
    void PlayHand(int chapter, int hand, int gold, int stage, int left) {
        Player->Level = chapter;
        if (Player->Unlocked < chapter) Player->Unlocked = chapter;
        SaveData->hand = hand;
        SaveData->CreateGoals();
        if (hand == 1) SaveData->ClearChapterStats(1);
        SaveData->ClearHandStats();
        SaveData->BackupChapterStats();
        Player->InitNewLevelStats();
        Player->LogGoldCollected(gold, 0);
        Player->MultiplierStage = stage;
        cardsLeft = left;
    }
    // Shows the panel and lets it slide in and save.
    void ShowAndSlideIn() {
        panel.Show();
        Run(80);
    }
    void ClickOK() {
        ASSERT_TRUE(panel.OKButton);
        TEventSource::InjectClick(static_cast<int>(panel.OKButton->x + panel.OKButton->w2),
                                  static_cast<int>(panel.OKButton->y + panel.OKButton->h2));
        Run(3);
    }
    void ClickRetry() {
        ASSERT_TRUE(panel.RetryButton);
        TEventSource::InjectClick(static_cast<int>(panel.RetryButton->x + panel.RetryButton->w2),
                                  static_cast<int>(panel.RetryButton->y + panel.RetryButton->h2));
        Run(3);
    }
    // Runs until the play screen has started again through the redirection.
    bool RunUntilBackInPlay(int limit = 400) {
        int before = host.starts;
        for (int i = 0; i < limit; ++i) {
            Game->LogicWrapper();
            if (host.starts > before && Game->CurrentTScreen == &host) return true;
        }
        return false;
    }
    bool Achieved(const std::string& name) const {
        return std::find(achievements.begin(), achievements.end(), name) != achievements.end();
    }

    TGameLoader loader;
    TLevelCompleteScreen panel;
    HostScreen host{panel};
    int cardsLeft = 0;
    int showStoryOnHand1 = -1;
    int nextHands = 0;
    std::vector<std::string> played, achievements;
};

TEST_F(LevelCompleteTest, TheCardsLeftRateTheHand) {
    struct Case {
        int left, stars, perfect, bonus;
    };
    for (const Case& c : {Case{0, 3, 1, 500}, Case{1, 2, 0, 250}, Case{2, 1, 0, 100},
                          Case{3, 0, 0, 0}, Case{12, 0, 0, 0}}) {
        SaveData->ClearChapterStats(0);
        PlayHand(4, 3, 120, 0, c.left);
        panel.Show();
        EXPECT_EQ(SaveData->chapterStars[2], c.stars) << c.left << " cards left";
        EXPECT_EQ(SaveData->chapterPerfects[2], c.perfect) << c.left << " cards left";
        EXPECT_EQ(panel.BonusGold, c.bonus) << c.left << " cards left";
        EXPECT_EQ(panel.HandGoldTotal, 120 + c.bonus) << c.left << " cards left";
        EXPECT_EQ(panel.statStrings[2], std::to_string(c.bonus) + "  (" +
                                            GameText.FindString("Cards Left Lower Case") + ": " +
                                            std::to_string(c.left) + ")");
        panel.Hide();
    }
}

TEST_F(LevelCompleteTest, TheJumpToTheEndCountsAsPerfect) {
    PlayHand(4, 2, 0, 0, 9);
    panel.JumpToLevelEndUsed = 1;
    panel.Show();
    EXPECT_EQ(SaveData->chapterStars[1], 3);
    EXPECT_EQ(SaveData->chapterPerfects[1], 1);
    panel.Load();
    EXPECT_EQ(panel.JumpToLevelEndUsed, 0) << "loading clears it";
}

TEST_F(LevelCompleteTest, TheMultiplierPaysOnTheCollectedGoldBeforeTheStarBonus) {
    // 100 gold at stage 15 (2.5): 150 more from the multiplier.
    struct Case {
        int stage, gold, left, total;
    };
    for (const Case& c : {Case{15, 100, 5, 250}, Case{15, 100, 0, 750}, Case{0, 80, 3, 80},
                          Case{30, 40, 4, 200}, Case{3, 50, 4, 65}}) {
        SaveData->ClearChapterStats(0);
        PlayHand(5, 4, c.gold, c.stage, c.left);
        int chapterBefore = SaveData->chapterGold;
        int bankBefore = SaveData->goldCollected;
        ShowAndSlideIn();
        EXPECT_EQ(panel.HandGoldTotal, c.total) << "stage " << c.stage;
        // The base gold went in during play; the panel adds the rest.
        EXPECT_EQ(SaveData->chapterGold, chapterBefore + c.total - c.gold);
        EXPECT_EQ(SaveData->goldCollected, bankBefore + c.total) << "banked on sliding in";
        panel.Hide();
    }
}

TEST_F(LevelCompleteTest, ThreeOrMoreCardsLeftEarnNoStarsButKeepTheGold) {
    PlayHand(6, 1, 100, 15, 3);
    ShowAndSlideIn();
    EXPECT_EQ(SaveData->chapterStars[0], 0);
    EXPECT_EQ(SaveData->chapterPerfects[0], 0);
    EXPECT_EQ(panel.BonusGold, 0);
    EXPECT_EQ(panel.HandGoldTotal, 250);
    EXPECT_EQ(SaveData->goldCollected, 250);
}

TEST_F(LevelCompleteTest, TheTallyShowsItsFiveRows) {
    PlayHand(4, 7, 90, 12, 1);
    Player->bestCombo = 9;
    SaveData->recordCombo = 14;
    ShowAndSlideIn();
    const std::vector<std::string> labels = {"Gold", "Multiplier", "Bonus", "Hand Total",
                                             "Chapter Total"};
    for (int i = 0; i < TLevelCompleteScreen::TOTAL_STATS; ++i)
        EXPECT_EQ(panel.GetStringForIDX(i), GameText.FindString(labels[static_cast<size_t>(i)]));
    // 90 + round(1.2 x 90 = 108) + 250.
    EXPECT_EQ(panel.statStrings[0], "90");
    EXPECT_EQ(panel.statStrings[1],
              "2.2  (" + GameText.FindString("Best Combo Lower Case") + ": 9)");
    EXPECT_EQ(panel.statStrings[3], "448");
    EXPECT_EQ(panel.statStrings[4], std::to_string(SaveData->chapterGold));
    EXPECT_EQ(panel.MessageHand, 7);
    EXPECT_EQ(panel.MessageLevel, 4);
    EXPECT_EQ(SaveData->hand, 8) << "the progress moved on to the next hand";
}

TEST_F(LevelCompleteTest, SlidingInSavesTheProfileAndReportsTheChapterAchievements) {
    PlayHand(8, 10, 100, 0, 0);
    for (int i = 0; i < 9; ++i) {
        SaveData->chapterPerfects[static_cast<size_t>(i)] = 1;
        SaveData->chapterStars[static_cast<size_t>(i)] = 3;
    }
    SaveData->chapterGold = 5500;
    ShowAndSlideIn();
    EXPECT_TRUE(Achieved("Perfect10"));
    EXPECT_TRUE(Achieved("Stars20"));
    EXPECT_TRUE(Achieved("Gold5000"));
    EXPECT_TRUE(Achieved("Gold6000")) << "5500 + the hand's 600";
    EXPECT_EQ(Player->Level, 9);
    EXPECT_EQ(SaveData->hand, 1);
    EXPECT_EQ(Player->chapterJustCompleted, 1);

    // What was saved is what a fresh load reads back.
    SaveData = std::make_shared<TSaveData>();
    LoadCurrentProfile();
    auto reread = Game->CurrentProfile;
    EXPECT_EQ(reread->CurrentLevel, 9);
    EXPECT_EQ(SaveData->goldCollected, 600);
    EXPECT_EQ(SaveData->hand, 1);
}

TEST_F(LevelCompleteTest, EscapeOnTheTallyActsAsOK) {
    PlayHand(4, 3, 50, 0, 1);
    ShowAndSlideIn();
    ASSERT_TRUE(panel.OKButton);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "the panel reads Escape itself";
    Key(platform::keys::ESCAPE);
    Run(2);
    EXPECT_TRUE(panel.SlidingOut());
    EXPECT_EQ(Game->CurrentTScreen, &host) << "Escape did not leave the play screen";
    EXPECT_FALSE(Game->Fading() && Game->DestinationTScreen != &panel.Redirection);
    EXPECT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(panel.revertChapterStatsFlag, 0);
    EXPECT_EQ(SaveData->hand, 4);
    EXPECT_EQ(panel.Active, 0);
    EXPECT_EQ(nextHands, 1);
}

TEST_F(LevelCompleteTest, ShowSlideInOKSlideOutAndCloseReachTheNextHand) {
    PlayHand(4, 5, 70, 4, 2);
    testing::internal::CaptureStdout();
    panel.Show();
    EXPECT_TRUE(panel.SlidingIn());
    EXPECT_FALSE(panel.OKButton) << "the buttons wait for the panel";
    float first = panel.GetTopY();
    Run(20);
    float middle = panel.GetTopY();
    EXPECT_LT(first, middle);
    Run(60);
    EXPECT_FLOAT_EQ(panel.GetTopY(), 0);
    ASSERT_TRUE(panel.OKButton);
    ASSERT_TRUE(panel.RetryButton);
    EXPECT_EQ(panel.OKButton->Caption->Text, GameText.FindString("Button Next"));
    EXPECT_EQ(panel.RetryButton->Caption->Text, GameText.FindString("Button Retry"));

    ClickOK();
    EXPECT_TRUE(panel.SlidingOut());
    EXPECT_EQ(panel.OKButton->Disabled, 1);
    EXPECT_NE(std::find(played.begin(), played.end(), "SlideOut"), played.end());
    Run(70);
    EXPECT_EQ(panel.Active, 3) << "after the slide-out of a later hand the panel closes";
    EXPECT_EQ(Game->DestinationTScreen, &panel.Redirection);
    bool back = RunUntilBackInPlay();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(back);
    EXPECT_NE(out.find("Screen started: redirection"), std::string::npos);
    EXPECT_EQ(nextHands, 1);
    EXPECT_EQ(showStoryOnHand1, 1);
    EXPECT_EQ(SaveData->hand, 6);
    EXPECT_EQ(panel.Active, 0);
}

TEST_F(LevelCompleteTest, RetryingAPerfectHandTakesBackItsStarsMarkAndGold) {
    PlayHand(4, 1, 100, 0, 0);
    ShowAndSlideIn();  // hand 1: three stars
    ClickOK();
    Run(70);
    ASSERT_EQ(panel.Active, 2);
    Key(platform::keys::ENTER);
    ASSERT_TRUE(RunUntilBackInPlay());

    PlayHand(4, 2, 120, 10, 0);
    SaveData->chapterMaxCombo = 8;
    SaveData->chapterStoryItemFound = 1;
    SaveData->BackupChapterStats();
    const int chapterGold = SaveData->chapterGold;
    const int bank = SaveData->goldCollected;
    const int unlocked = Player->Unlocked;
    ShowAndSlideIn();
    ASSERT_EQ(SaveData->chapterStars[1], 3);
    ASSERT_EQ(SaveData->chapterPerfects[1], 1);
    ASSERT_GT(SaveData->goldCollected, bank);
    SaveData->chapterMaxCombo = 11;  // this hand's records
    SaveData->chapterMaxMultiplierSlot = 10;

    ClickRetry();
    EXPECT_TRUE(panel.SlidingOut());
    ASSERT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(SaveData->chapterStars[1], 0);
    EXPECT_EQ(SaveData->chapterPerfects[1], 0);
    EXPECT_EQ(SaveData->chapterStars[0], 3) << "the earlier hand keeps its stars";
    EXPECT_EQ(SaveData->goldCollected, bank);
    EXPECT_EQ(SaveData->chapterGold, chapterGold);
    EXPECT_EQ(SaveData->chapterMaxCombo, 8);
    EXPECT_EQ(SaveData->chapterStoryItemFound, 1);
    EXPECT_EQ(SaveData->chapterMaxMultiplierSlot, 0);
    EXPECT_EQ(SaveData->hand, 2);
    EXPECT_EQ(Player->Level, 4);
    EXPECT_EQ(Player->Unlocked, unlocked);
    EXPECT_EQ(showStoryOnHand1, 1);

    // The retry is in the profile too.
    SaveData = std::make_shared<TSaveData>();
    LoadCurrentProfile();
    auto reread = Game->CurrentProfile;
    EXPECT_EQ(SaveData->hand, 2);
    EXPECT_EQ(SaveData->goldCollected, bank);
}

TEST_F(LevelCompleteTest, ARetriedFirstHandDoesNotReplayTheOpeningStory) {
    PlayHand(3, 1, 40, 0, 2);
    ShowAndSlideIn();
    ClickRetry();
    ASSERT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(showStoryOnHand1, 0);
    EXPECT_EQ(SaveData->hand, 1);
    EXPECT_EQ(SaveData->goldCollected, 0);
}

TEST_F(LevelCompleteTest, TheWallpaperStepFollowsOnlyAChaptersFirstHand) {
    for (int hand : {1, 2}) {
        PlayHand(5, hand, 30, 0, 1);
        ShowAndSlideIn();
        ClickOK();
        Run(70);
        if (hand == 1) {
            EXPECT_EQ(panel.Active, 2);
            ASSERT_TRUE(panel.WallpaperButton);
            ASSERT_TRUE(panel.ContinueButton);
            EXPECT_EQ(panel.WallpaperButton->Caption->Text,
                      GameText.FindString("Set Wallpaper Button"));
            EXPECT_FALSE(Game->Fading()) << "the step waits for the player";
            Run(50);
            EXPECT_EQ(panel.Active, 2);
            TEventSource::InjectClick(100, 100);  // anywhere
            Run(2);
        } else {
            EXPECT_EQ(panel.Active, 3) << "hand " << hand;
            EXPECT_FALSE(panel.WallpaperButton);
        }
        EXPECT_TRUE(RunUntilBackInPlay()) << "hand " << hand;
    }
    EXPECT_EQ(nextHands, 2);
}

TEST_F(LevelCompleteTest, WithoutADesktopWayTheWallpaperIsSavedAndTheDialogSaysWhere) {
    PlayHand(2, 1, 30, 0, 1);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    ASSERT_EQ(panel.Active, 2);
    ASSERT_TRUE(panel.WallpaperButton);
    TEventSource::InjectClick(static_cast<int>(panel.WallpaperButton->x + 20),
                              static_cast<int>(panel.WallpaperButton->y + 20));
    Run(2);
    EXPECT_EQ(panel.SetWallpaperCounter, 1) << "asked for; one frame shows it first";
    host.Draw();
    EXPECT_EQ(panel.SetWallpaperCounter, 2);
    Run(2);
    ASSERT_TRUE(panel.DialogOK);
    const std::string bmp = Game->ProfilePath + "Rosewick.bmp";
    EXPECT_EQ(panel.WallpaperPath, bmp);
    EXPECT_EQ(panel.WallpaperWay, "");
    EXPECT_EQ(panel.DialogOK->Caption->Text, ToolkitTextWith("Wallpaper Saved", bmp));
    ASSERT_TRUE(fs::exists(bmp));
    const std::string bytes = testsupport::ReadFile(bmp);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.size(), 54u + 1024u * 3u * 768u) << "the whole background, 24 bits";

    // Closing the message leaves the step open; Continue then goes on.
    Run(60);
    Key(platform::keys::ENTER);
    Run(80);
    EXPECT_FALSE(panel.DialogOK);
    EXPECT_EQ(panel.Active, 2);
    Key(platform::keys::SPACE);
    EXPECT_TRUE(RunUntilBackInPlay());
}

TEST_F(LevelCompleteTest, AWallpaperTheDesktopTookIsReportedAsDone) {
    std::vector<std::string> ran;
    platform::Wallpaper::HasProgram = [](const std::string& p) { return p == "feh"; };
    platform::Wallpaper::Run = [&](const std::vector<std::string>& argv, std::string*) {
        ran.push_back(argv[0]);
        return 0;
    };
    const char* display = std::getenv("DISPLAY");
    const std::string oldDisplay = display ? display : "";
    setenv("DISPLAY", ":98", 1);
    PlayHand(2, 1, 30, 0, 1);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    ASSERT_EQ(panel.Active, 2);
    panel.SetWallpaper();
    if (display)
        setenv("DISPLAY", oldDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
    EXPECT_EQ(panel.WallpaperWay, "feh");
    ASSERT_TRUE(panel.DialogOK);
    EXPECT_EQ(panel.DialogOK->Caption->Text, GameText.FindString("Wallpaper Done"));
    EXPECT_EQ(ran, std::vector<std::string>{"feh"});
}

TEST_F(LevelCompleteTest, AfterTheLastChapterTheProgressStartsAgainAtChapterOneHandOne) {
    PlayHand(20, 10, 200, 0, 1);
    // The chapter's goals met: 27 stars, a run of 25, 5700 gold.
    for (size_t i = 0; i < 9; ++i) SaveData->chapterStars[i] = 3;
    SaveData->chapterMaxCombo = 25;
    SaveData->chapterGold = 5700;
    Player->Unlocked = 20;
    Player->WriteProfile(Game->CurrentProfile.get());
    ShowAndSlideIn();
    EXPECT_EQ(gameFinished, 1);
    EXPECT_EQ(Player->Level, 1);
    EXPECT_EQ(SaveData->hand, 1);
    EXPECT_EQ(Game->CurrentProfile->CurrentLevel, 1);
    EXPECT_EQ(Game->CurrentProfile->LockedLevel, 21) << "every chapter stays open";
    EXPECT_EQ(SaveData->goldCollected, panel.HandGoldTotal) << "the gold is banked";
    ClickOK();
    EXPECT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(Player->Level, 1);
    EXPECT_EQ(SaveData->hand, 1);
    EXPECT_EQ(Player->Unlocked, 20);
}

// Chapter 3 asks for 4 stars and 1200 gold in normal play, 9 and 1700 in hard.
TEST_F(LevelCompleteTest, GoalsAreJudgedOnlyAfterTheChaptersLastHand) {
    PlayHand(3, 2, 30, 0, 6);  // far from both goals
    ASSERT_EQ(SaveData->totalGoals, 2);
    ShowAndSlideIn();
    ClickOK();
    EXPECT_FALSE(panel.failedGoalsDialog) << "hand 2 of 5 is not judged";
    EXPECT_TRUE(panel.SlidingOut());
    ASSERT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(SaveData->hand, 3);

    PlayHand(3, 5, 30, 0, 6);
    ShowAndSlideIn();
    ClickOK();
    ASSERT_TRUE(panel.failedGoalsDialog);
    EXPECT_FALSE(panel.SlidingOut()) << "the panel waits for the answer";
    auto* question = dynamic_cast<TDialogYesNo*>(panel.failedGoalsDialog.get());
    ASSERT_NE(question, nullptr) << "normal play asks";
    EXPECT_EQ(question->TextHeader->Text, GameText.FindString("Failed Goals Header"));
    EXPECT_EQ(question->Caption->Text, GameText.FindString("Failed Goals Body2"));
    EXPECT_EQ(question->Menu->FindButton("Yes")->Caption->Text,
              GameText.FindString("Button Retry"));
    EXPECT_EQ(question->Menu->FindButton("No")->Caption->Text, GameText.FindString("Button Next"));
}

TEST_F(LevelCompleteTest, InNormalPlayFailedGoalsOfferRetryOrNext) {
    for (int answer : {-1, 1}) {
        PlayHand(3, 5, 30, 0, 6);
        Player->Unlocked = 3;
        SaveData->goldCollected = 1000;
        ShowAndSlideIn();
        const int bank = SaveData->goldCollected;
        ClickOK();
        ASSERT_TRUE(panel.failedGoalsDialog);
        Run(60);
        Key(platform::keys::KEY_A + ((answer == 1 ? 'Y' : 'N') - 'A'));
        ASSERT_TRUE(RunUntilBackInPlay()) << answer;
        EXPECT_EQ(panel.resetChapterFlag, answer == 1 ? 1 : 0);
        // Next goes on to the next chapter; Retry starts this one again, its gold kept.
        EXPECT_EQ(Player->Level, answer == 1 ? 3 : 4) << answer;
        EXPECT_EQ(SaveData->hand, 1);
        EXPECT_EQ(Player->Unlocked, answer == 1 ? 3 : 4);
        EXPECT_EQ(SaveData->goldCollected, bank);
    }
}

TEST_F(LevelCompleteTest, InHardPlayFailedGoalsForceTheRestartAndCostTheChaptersGold) {
    SaveData->timer = 1;
    SaveData->goldCollected = 5000;
    PlayHand(3, 1, 300, 0, 0);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    Key(platform::keys::ENTER);
    ASSERT_TRUE(RunUntilBackInPlay());
    for (int hand = 2; hand <= 5; ++hand) {
        PlayHand(3, hand, 100, 0, 3);
        ShowAndSlideIn();
        if (hand < 5) {
            ClickOK();
            ASSERT_TRUE(RunUntilBackInPlay());
        }
    }
    // Hard play asks for 9 stars and 1700 gold: the chapter made 3 stars and 1200 gold.
    ASSERT_FALSE(SaveData->AllGoalsComplete()) << SaveData->chapterGold;
    const int chapterGold = SaveData->chapterGold;
    const int bank = SaveData->goldCollected;
    ClickOK();
    ASSERT_TRUE(panel.failedGoalsDialog);
    EXPECT_EQ(dynamic_cast<TDialogYesNo*>(panel.failedGoalsDialog.get()), nullptr)
        << "hard play only tells";
    EXPECT_EQ(panel.failedGoalsDialog->Caption->Text, GameText.FindString("Failed Goals Body"));
    Run(60);
    Key(platform::keys::ESCAPE);  // whatever the answer
    ASSERT_TRUE(RunUntilBackInPlay());
    EXPECT_EQ(panel.resetChapterFlag, 1);
    EXPECT_EQ(Player->Level, 3);
    EXPECT_EQ(SaveData->hand, 1);
    EXPECT_EQ(SaveData->goldCollected, bank - chapterGold);
    EXPECT_EQ(Game->CurrentProfile->CurrentLevel, 3) << "the restart is saved";
}

TEST_F(LevelCompleteTest, MetGoalsOrTheJumpToTheEndPassTheLastHand) {
    for (int jump : {0, 1}) {
        PlayHand(1, 2, 30, 0, 4);
        SaveData->chapterStoryItemFound = jump ? 0 : 1;
        panel.JumpToLevelEndUsed = jump;
        ShowAndSlideIn();
        ClickOK();
        EXPECT_FALSE(panel.failedGoalsDialog) << jump;
        ASSERT_TRUE(RunUntilBackInPlay());
        EXPECT_EQ(Player->Level, 2);
        panel.JumpToLevelEndUsed = 0;
    }
}

TEST_F(LevelCompleteTest, AGoalThisHandMeetsIsAnnouncedOnceThePanelIsIn) {
    // Chapter 3: 4 stars; two hands of two stars.
    PlayHand(3, 1, 30, 0, 1);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    Key(platform::keys::ENTER);
    ASSERT_TRUE(RunUntilBackInPlay());
    PlayHand(3, 2, 30, 0, 1);
    played.clear();
    panel.Show();
    EXPECT_EQ(panel.completedGoalIndex, SaveData->GetStarsGoalIndex());
    Run(80);
    EXPECT_EQ(panel.completedGoalIndex, -1);
    EXPECT_NE(std::find(played.begin(), played.end(), "GoalDone"), played.end());
    ASSERT_TRUE(panel.goalsDisplay);
    EXPECT_TRUE(panel.goalsDisplay->GetLabel(0));
    EXPECT_TRUE(panel.goalsDisplay->GetLabel(1));
    EXPECT_FALSE(panel.goalsDisplay->GetLabel(2));
}

TEST_F(LevelCompleteTest, TheRedirectionFadesStraightBackIntoItsTarget) {
    TRedirectionScreen redirection;
    int left = 0;
    redirection.Target = &host;
    redirection.OnLeave = [&] { left++; };
    int before = host.starts;
    Game->FadeTo(&redirection, 0, 1);
    int ticks = 0;
    while (host.starts == before && ticks < 200) {
        Game->LogicWrapper();
        ticks++;
    }
    EXPECT_EQ(host.starts, before + 1);
    EXPECT_EQ(left, 1);
    // One 300 ms fade out of the play screen, then 25 ms out of the blank one.
    EXPECT_LT(ticks, 60 + 5 + 10);
}

// Pictures of the panel for a person to look at: set ROSEWICK_SHOTS to a folder (and, to
// see it through a real window, SDL_VIDEODRIVER=x11 with an X display).
TEST_F(LevelCompleteTest, Screenshots) {
    const char* folder = std::getenv("ROSEWICK_SHOTS");
    if (!folder) GTEST_SKIP() << "ROSEWICK_SHOTS not set";
    host.background = "Backgrounds/bg3.jpg";
    SaveData->recordCombo = 17;
    PlayHand(4, 1, 80, 0, 0);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    Key(platform::keys::ENTER);
    ASSERT_TRUE(RunUntilBackInPlay());
    PlayHand(4, 2, 60, 0, 1);
    ShowAndSlideIn();
    ClickOK();
    ASSERT_TRUE(RunUntilBackInPlay());
    PlayHand(4, 3, 130, 12, 2);
    Player->bestCombo = 11;
    ShowAndSlideIn();
    ClickOK();
    ASSERT_TRUE(RunUntilBackInPlay());
    PlayHand(4, 4, 90, 15, 5);
    Player->bestCombo = 7;
    panel.Show();
    auto shoot = [&](const std::string& name) {
        host.Draw();
        std::string error;
        EXPECT_TRUE(Game->Gfx->Grab().SavePng(std::string(folder) + "/" + name, 6, true, error))
            << error;
    };
    Run(25);
    shoot("levelend_sliding.png");
    Run(60);
    shoot("levelend_tally.png");
    ClickOK();
    ASSERT_TRUE(RunUntilBackInPlay());

    // A chapter's last hand short of its goals, and the wallpaper step of the next chapter.
    SaveData->ClearChapterStats(0);
    PlayHand(3, 5, 60, 4, 2);
    ShowAndSlideIn();
    ClickOK();
    Run(60);
    shoot("levelend_failed.png");
    Key(platform::keys::KEY_A + ('N' - 'A'));
    ASSERT_TRUE(RunUntilBackInPlay());
    PlayHand(4, 1, 60, 4, 0);
    ShowAndSlideIn();
    ClickOK();
    Run(70);
    shoot("levelend_wallpaper.png");
}
