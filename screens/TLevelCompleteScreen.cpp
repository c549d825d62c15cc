#include "screens/TLevelCompleteScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "framework/TRandom.h"
#include "platform/Pixmap.h"
#include "platform/Wallpaper.h"
#include "progression/TGoalsDisplay.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TLabel.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

int gameFinished = 0;

namespace {

// Ink on the panel's cream paper.
const TColor INK{70, 34, 28};
const TColor GREY{128, 128, 128};
const TColor ROSE_INK{150, 52, 70};

constexpr float PANEL_SCALE_Y = 1.1f;
constexpr float PANEL_TOP = 18;
constexpr float HEADER_Y = 104;
// The grid: a label column, then one column per hand; three rows.
constexpr int GRID_LABEL_W = 120, GRID_COLUMN_W = 50, GRID_EDGE_W = 10, GRID_ROW_H = 33;
constexpr int GRID_FULL_W = 620, GRID_H = 100;
constexpr float STAT_LABEL_MAX_W = 184;
constexpr int WALLPAPER_BOTTOM_Y = 102;

// The grid up to its closing edge: the label column and the hands' columns.
int GridBodyWidth(int hands) {
    return std::min(GRID_LABEL_W + GRID_COLUMN_W * hands, GRID_FULL_W - GRID_EDGE_W);
}

void Say(const std::string& line) {
    std::printf("Level complete: %s\n", line.c_str());
    std::fflush(stdout);
}

std::shared_ptr<TButton> MakeButton(const std::string& image, const std::string& captionKey,
                                    float centreX, float centreY) {
    auto b = TButton::CreateSpecial(image, image + "MO", "ButtonMO", "buttonclick", 0, 0, 1);
    b->LoadMouseClick(image + "_down", 350);
    b->SetFixedGlowOnMO(0.2f, 0.005f, 0);
    b->SetupCaption(ToolkitText(captionKey), 1, TColor::Create(62, 16, 0), nullptr,
                    FindGameFont("Button"), TColor::Create(82, 36, 20));
    b->Caption->AutoScale(96);
    b->SetupCaptionDown(TColor::Create(42, 0, 0), 1.0f, 2, 2);
    b->MoveTo(centreX - b->w2, centreY - b->h2);
    return b;
}

float Ease(float ratio) {
    return std::sin(std::clamp(ratio, 0.0f, 1.0f) * 1.5707963f);
}

}  // namespace

// --- Rating and gold ---------------------------------------------------------------------

TLevelCompleteScreen::Rating TLevelCompleteScreen::RateHand(int left) {
    if (left <= 0) return {3, 1, 500};
    if (left == 1) return {2, 0, 250};
    if (left == 2) return {1, 0, 100};
    return {0, 0, 0};
}

int TLevelCompleteScreen::BonusForStars(int stars) {
    switch (stars) {
        case 3:
            return 500;
        case 2:
            return 250;
        case 1:
            return 100;
        default:
            return 0;
    }
}

int TLevelCompleteScreen::MultiplierGold(float multiplier, int gold) {
    // The stages are whole tenths; reading them back as such keeps float noise out of the
    // rounding (1.3f is a hair under 1.3).
    double m = std::round(static_cast<double>(multiplier) * 10.0) / 10.0;
    return static_cast<int>(std::floor((m - 1.0) * gold + 0.5));
}

// --- Life cycle --------------------------------------------------------------------------

TLevelCompleteScreen::TLevelCompleteScreen() {
    name = "levelcomplete";
}

void TLevelCompleteScreen::Load() {
    allowWallpaper = 1;
    JumpToLevelEndUsed = 0;
    Active = 0;
    LabelFont = FindGameFont("LevelEndFont");
    StatFont = FindGameFont("LevelEndFont");
    panelImage = TGameImage::Create(Game->ImagePath + "LevelEndScreen/LevelEndPanel.png", -1, 1);
    // Kept apart from the bank's copy: drawn in pieces from its corner.
    gridImage = TGameImage::Create(Game->ImagePath + "LevelEndScreen/LevelEndGrid.png", -1, 0);
    glow.Init(0, 360, 2.0f, 0);
    Unroll.Init(TRANSITION_LENGTH, 1, 1);
    Unroll.Active = 0;
    gap = 30;
    lines = 3;
    h = lines * 30;
    colgap = 25;
}

void TLevelCompleteScreen::Kill() {
    if (failedGoalsDialog) failedGoalsDialog->Kill();
    if (DialogOK) DialogOK->Kill();
    if (CurrentMessage) CurrentMessage->Kill();
    failedGoalsDialog.reset();
    DialogOK.reset();
    CurrentMessage.reset();
    OKButton.reset();
    RetryButton.reset();
    WallpaperButton.reset();
    ContinueButton.reset();
    Sparkles.Kill();
    Unroll.Clear();
    headerLabel.reset();
    goalsDisplay.reset();
    panelImage.reset();
    gridImage.reset();
    if (Active) RestoreEscapeKey();
    Active = 0;
}

void TLevelCompleteScreen::Show() {
    Active = 1;
    buttonsShown = false;
    OKButton.reset();
    RetryButton.reset();
    WallpaperButton.reset();
    ContinueButton.reset();
    // The panel reads Escape itself: it stands for "OK" on the tally.
    oldIgnoreEscapeKey = Game->IgnoreEscapeKey;
    Game->IgnoreEscapeKey = 1;
    Game->FlushKeysAndMouse();
    Game->FixedRateLogic.Init();
    PlayToolkitSound(ActivateSound);
    Start();
}

void TLevelCompleteScreen::Hide() {
    if (Active) RestoreEscapeKey();
    Active = 0;
    Game->FlushKeysAndMouse();
}

void TLevelCompleteScreen::RestoreEscapeKey() {
    Game->IgnoreEscapeKey = oldIgnoreEscapeKey;
}

void TLevelCompleteScreen::Start() {
    Game->MusicLoad("levelend.ogg", 1);
    Game->MusicPlay(0, 0, 0);

    resetChapterFlag = revertChapterStatsFlag = 0;
    completedGoalIndex = -1;
    ShowedLevelEndMessage = 0;
    ShowShopMessage = 0;
    SetWallpaperCounter = 0;
    MessageLevel = Player->Level;
    MessageHand = SaveData->hand;
    Chapter = MessageLevel;
    SubLevel = MessageHand;
    cardsLeft = JumpToLevelEndUsed ? 0 : (Play.CardsLeft ? Play.CardsLeft() : 0);

    CalcStars();
    CalcGold();
    GetStatStrings();
    InitGoalsDisplay();
    Player->UpdateLevelEndData();

    SetupColumns();
    Unroll.Init(TRANSITION_LENGTH, 1, 1);
    Unroll.Start();
    SetMenuY();
    MakeSnowFlakes();
    Say("hand " + std::to_string(MessageHand) + " of chapter " + std::to_string(MessageLevel) +
        ": " + std::to_string(cardsLeft) + " cards left, " + std::to_string(HandGoldTotal) +
        " gold");
}

void TLevelCompleteScreen::CalcStars() {
    Rating r = RateHand(cardsLeft);
    size_t i = static_cast<size_t>(std::clamp(MessageHand, 1, TSaveData::CHAPTER_HANDS) - 1);
    // A goal met by this change, and not before it, is the one the panel announces.
    auto test = [&](int goal, const std::function<void()>& change) {
        bool before = SaveData->GoalComplete(goal);
        change();
        if (goal >= 0 && !before && SaveData->GoalComplete(goal) && completedGoalIndex == -1)
            completedGoalIndex = goal;
    };
    if (r.perfect)
        test(SaveData->GetPerfectsGoalIndex(), [&] { SaveData->chapterPerfects[i] = 1; });
    // No stars leaves the entry as the chapter's start or a retry left it: 0.
    test(SaveData->GetStarsGoalIndex(), [&] {
        if (r.stars > 0) SaveData->chapterStars[i] = r.stars;
    });
}

void TLevelCompleteScreen::CalcGold() {
    size_t i = static_cast<size_t>(std::clamp(MessageHand, 1, TSaveData::CHAPTER_HANDS) - 1);
    BonusGold = BonusForStars(SaveData->chapterStars[i]);
    int stage = std::clamp(Player->MultiplierStage, 0, TPlayer::MAX_MULTIPLIER_STAGE);
    float m = Player->MultiplierValues[static_cast<size_t>(stage)];
    int g = Player->levelGoldCollected;
    int multiplierGold = MultiplierGold(m, g);
    HandGoldTotal = multiplierGold + g + BonusGold;
    int goal = SaveData->GetGoldGoalIndex();
    bool before = SaveData->GoalComplete(goal);
    // The collected gold went into the chapter's gold as the coins were won.
    SaveData->chapterGold += multiplierGold + BonusGold;
    if (goal >= 0 && !before && SaveData->GoalComplete(goal) && completedGoalIndex == -1)
        completedGoalIndex = goal;
}

std::string TLevelCompleteScreen::GetStringForIDX(int i) const {
    static const char* const keys[TOTAL_STATS] = {"Gold", "Multiplier", "Bonus", "Hand Total",
                                                  "Chapter Total"};
    if (i < 0 || i >= TOTAL_STATS) return "";
    return ToolkitText(keys[i]);
}

std::string TLevelCompleteScreen::GetStatStringForIDX(int i) const {
    switch (i) {
        case 0:
            return std::to_string(Player->levelGoldCollected);
        case 1: {
            int stage = std::clamp(Player->MultiplierStage, 0, TPlayer::MAX_MULTIPLIER_STAGE);
            return Player->MultiplierText[static_cast<size_t>(stage)] + "  (" +
                   ToolkitText("Best Combo Lower Case") + ": " + std::to_string(Player->bestCombo) +
                   ")";
        }
        case 2:
            return std::to_string(BonusGold) + "  (" + ToolkitText("Cards Left Lower Case") + ": " +
                   std::to_string(cardsLeft) + ")";
        case 3:
            return std::to_string(HandGoldTotal);
        case 4:
            return std::to_string(SaveData->chapterGold);
        default:
            return "";
    }
}

void TLevelCompleteScreen::GetStatStrings() {
    for (int i = 0; i < TOTAL_STATS; ++i)
        statStrings[static_cast<size_t>(i)] = GetStatStringForIDX(i);
    CalcStatOffsetX();
}

void TLevelCompleteScreen::CalcStatOffsetX() {
    StatOffsetX = 0;
    if (!LabelFont) return;
    double widest = 0;
    for (int i = 0; i < TOTAL_STATS; ++i)
        widest = std::max(widest, LabelFont->StringWidth(GetStringForIDX(i)));
    if (widest > STAT_LABEL_MAX_W)
        StatOffsetX = static_cast<int>((widest - STAT_LABEL_MAX_W) / 2 + 10);
}

void TLevelCompleteScreen::InitGoalsDisplay() {
    goalsDisplay = std::make_shared<TGoalsDisplay>();
    goalsDisplay->InitGoalLabels(286, LabelFont, 26);
    for (int i = 0; i < TSaveData::MAX_GOALS; ++i)
        if (auto label = goalsDisplay->GetLabel(i)) label->Color = std::make_shared<TColor>(INK);
}

int TLevelCompleteScreen::HandsInChapter() const {
    int chapter = std::clamp(MessageLevel, 1, MAX_CHAPTERS);
    return handsPerChapter[static_cast<size_t>(chapter - 1)];
}

bool TLevelCompleteScreen::ChapterLastHand() const {
    return MessageHand >= HandsInChapter();
}

void TLevelCompleteScreen::SetupColumns() {
    int hands = HandsInChapter();
    int width = GridBodyWidth(hands) + GRID_EDGE_W;
    int left = VirtualWidth / 2 - width / 2;
    col1 = left + GRID_LABEL_W / 2;
    col2 = left + GRID_LABEL_W + GRID_COLUMN_W / 2;
    colgap = GRID_COLUMN_W;
    headerLabel =
        TLabel::CreateSpecial(ToolkitTextWith("Hand XX Complete", std::to_string(MessageHand)),
                              VirtualWidth / 2.0f, HEADER_Y, 1, 0, 1, FindGameFont("Header"));
    headerLabel->AutoScale(560);
}

void TLevelCompleteScreen::SetMenuY() {
    MenuY = static_cast<float>(VirtualHeight - BUTTON_BOTTOM_Y + 26);
}

float TLevelCompleteScreen::GetTopY() const {
    if (Active != 1) return static_cast<float>(-VirtualHeight);
    return -(1.0f - Ease(Unroll.GetRatio())) * static_cast<float>(VirtualHeight);
}

// --- Sparkles ----------------------------------------------------------------------------

void TLevelCompleteScreen::MakeSnowFlakes() {
    Sparkles.Kill();
    sparkleCounter = 0;
}

void TLevelCompleteScreen::MoveSnowFlakes() {
    // A light fall of sparkles over the panel while it is shown.
    if (Active == 1 && !SlidingOut()) {
        sparkleCounter -= Delta;
        if (sparkleCounter <= 0) {
            sparkleCounter = MsToTicks(EffectsRandom.RndFloat(90, 200));
            bool big = EffectsRandom.RndFloat(0, 1) < 0.35f;
            auto image = ImageBank.Find(big ? "ClausparkleFull" : "Sparkle");
            float x = VirtualWidth / 2.0f + EffectsRandom.RndFloat(-330, 330);
            float y = GetTopY() + PANEL_TOP + EffectsRandom.RndFloat(0, 120);
            float life = EffectsRandom.RndFloat(1800, 3200);
            auto p = Sparkles.AddNew(
                x, y, image, EffectsRandom.RndFloat(-0.08f, 0.08f),
                EffectsRandom.RndFloat(0.25f, 0.6f), 0, 0, 1, 1,
                EffectsRandom.RndFloat(-1.5f, 1.5f),
                big ? EffectsRandom.RndFloat(0.4f, 0.8f) : EffectsRandom.RndFloat(0.6f, 1.1f));
            p->NoOutOfBounds = 1;
            p->SetFade(life * 0.2f, life * 0.5f, life * 0.3f, 0.0f, big ? 0.8f : 1.0f);
        }
    }
    Sparkles.Manage();
}

// --- One tick ----------------------------------------------------------------------------

void TLevelCompleteScreen::Logic() {
    if (!Active) return;
    MoveSnowFlakes();
    glow.Manage();
    if (Play.HintScreenActive && Play.HintScreenActive()) return;
    if (Active == 1)
        ManageTally();
    else if (Active == 2)
        ManageWallpaperStep();
}

void TLevelCompleteScreen::ManageTally() {
    bool slideInEnded = false, slideOutEnded = false;
    if (Unroll.Active && !Unroll.Finished) {
        bool in = Unroll.Reverse != 0;
        if (Unroll.Manage() && Unroll.Finished) (in ? slideInEnded : slideOutEnded) = true;
    }
    bool dialogOpen = failedGoalsDialog || CurrentMessage;
    if (!dialogOpen) PlaceButtons();
    if (SlidingOut() && Player->chapterJustCompleted && !resetChapterFlag &&
        !revertChapterStatsFlag && Game->MusicChannel) {
        // The chapter's music follows; the hand's fades out with the panel.
        Game->MusicChannel->SetVolume(Game->GetMusicVolume() / 100.0f * Unroll.GetRatio());
    }

    if (slideInEnded) {
        SaveProfile();
        ShowGoalCompleteEffect();
        // A story dialog after this hand would open here (CurrentMessage) once the story
        // exists.
        ShowTallyButtons();
    }

    if (CurrentMessage) {
        CurrentMessage->Manage();
        if (!CurrentMessage->Active) {
            CurrentMessage.reset();
            ShowedLevelEndMessage = 1;
        }
        return;
    }

    if (failedGoalsDialog) {
        failedGoalsDialog->Manage();
        if (!failedGoalsDialog->Active) {
            int c = failedGoalsDialog->CloseResult;
            failedGoalsDialog.reset();
            // Hard play always starts the chapter again; normal play lets the player choose.
            if (SaveData->timer == 1 || c == 1) resetChapterFlag = 1;
            Say(resetChapterFlag ? "chapter restarts" : "chapter goes on");
            RollUp();
        }
        return;
    }

    if (buttonsShown && !SlidingOut()) {
        bool escape = KeyHit(platform::keys::ESCAPE);
        int ok = OKButton->Manage();
        int retry = RetryButton->Manage();
        if (escape && !ok) {
            OKButton->SimulateClick();
            ok = 1;
        }
        if (ok) {
            OKButton->ClearClick();
            Say("OK");
            CheckGoals();
        } else if (retry) {
            RetryButton->ClearClick();
            Say("Retry");
            revertChapterStatsFlag = 1;
            RollUp();
        }
    }

    if (slideOutEnded) {
        if (MessageHand == 1 && !resetChapterFlag && !revertChapterStatsFlag) {
            Active = 2;
            ShowWallpaperButtons();
            Say("wallpaper step");
        } else {
            Active = 3;
            Close();
        }
    }
}

void TLevelCompleteScreen::ShowTallyButtons() {
    RetryButton = MakeButton("Retry", "Button Retry", VirtualWidth / 2.0f - BUTTON_OFFSET_X, MenuY);
    OKButton = MakeButton("OK", "Button Next", VirtualWidth / 2.0f + BUTTON_OFFSET_X, MenuY);
    OKButton->OKButton = 1;
    buttonsShown = true;
    PlaceButtons();
    // The tally took real time to build: the logic must not catch up on it.
    Game->FixedRateLogic.Init();
}

void TLevelCompleteScreen::ShowWallpaperButtons() {
    OKButton.reset();
    RetryButton.reset();
    float y = static_cast<float>(VirtualHeight - WALLPAPER_BOTTOM_Y);
    if (allowWallpaper)
        WallpaperButton = MakeButton("Wallpaper", "Set Wallpaper Button",
                                     VirtualWidth / 2.0f - BUTTON_OFFSET_X, y);
    ContinueButton = MakeButton("Continue", "Button Continue",
                                VirtualWidth / 2.0f + (allowWallpaper ? BUTTON_OFFSET_X : 0), y);
    Game->FlushKeysAndMouse();
}

void TLevelCompleteScreen::PlaceButtons() {
    // The tally's buttons ride with the panel as it slides.
    float top = GetTopY();
    for (auto* b : {&RetryButton, &OKButton}) {
        if (!*b) continue;
        float cx = VirtualWidth / 2.0f + (*b == RetryButton ? -BUTTON_OFFSET_X : BUTTON_OFFSET_X);
        (*b)->MoveTo(cx - (*b)->w2, MenuY + top - (*b)->h2);
    }
}

void TLevelCompleteScreen::ManageWallpaperStep() {
    if (DialogOK) {
        DialogOK->Manage();
        if (!DialogOK->Active) {
            DialogOK.reset();
            // The key or click that closed the message does not also move on.
            Game->FlushKeysAndMouse();
        }
        return;
    }
    if (SetWallpaperCounter == 2) {
        SetWallpaper();
        SetWallpaperCounter = 0;
        return;
    }
    if (SetWallpaperCounter == 1) return;  // waits for the frame that shows the request
    if (WallpaperButton && WallpaperButton->Manage()) {
        WallpaperButton->ClearClick();
        Game->FlushKeysAndMouse();
        SetWallpaperCounter = 1;
        return;
    }
    bool go = ContinueButton && ContinueButton->Manage();
    if (ContinueButton) ContinueButton->ClearClick();
    bool keys = KeyHit(platform::keys::ENTER) | KeyHit(platform::keys::SPACE) |
                KeyHit(platform::keys::ESCAPE);
    bool click = Game->Mouse.GetLeftClick();
    if (!go && (keys || click) && ContinueButton) ContinueButton->SimulateClick();
    if (go || keys || click) {
        Active = 3;
        Close();
    }
}

void TLevelCompleteScreen::SetWallpaper() {
    WallpaperPath = Game->ProfilePath + "Rosewick.bmp";
    WallpaperWay.clear();
    std::string source = Game->ResolveDataPath(Game->ImagePath + Play.BackgroundFileName);
    platform::Pixmap picture;
    std::string error;
    std::string header = ToolkitText("Wallpaper Done Header");
    std::string body;
    if (Play.BackgroundFileName.empty()) {
        error = "no background";
    } else if (platform::Pixmap::Load(source, picture, error) &&
               platform::Wallpaper::SaveBmp(picture, WallpaperPath, error)) {
        WallpaperWay = platform::Wallpaper::Set(WallpaperPath);
        body = WallpaperWay.empty() ? ToolkitTextWith("Wallpaper Saved", WallpaperPath)
                                    : ToolkitText("Wallpaper Done");
        Say(WallpaperWay.empty() ? "wallpaper saved to " + WallpaperPath
                                 : "wallpaper set by " + WallpaperWay);
    }
    if (body.empty()) {
        header = ToolkitText("Wallpaper Failed Header");
        body = ToolkitTextWith("Wallpaper Failed", error);
        Say("wallpaper failed: " + error);
    }
    Game->FixedRateLogic.Init();
    DialogOK = CreateMessageDialog(header, body);
}

// --- Saving, goals and leaving -----------------------------------------------------------

void TLevelCompleteScreen::SaveProfile() {
    SaveData->CollectGold(HandGoldTotal);
    TProfile* profile = Game->CurrentProfile.get();
    if (Player->Level > Game->MaxLevels) {
        gameFinished = 1;
        // A new game from chapter 1 with every chapter left open; the player takes the
        // profile's fresh counters too.
        if (profile) {
            Player->ProfileGameOver(profile, 1);
            Player->ReadProfile(profile, 0);
        } else {
            Player->Level = 1;
            SaveData->hand = 1;
        }
    } else {
        gameFinished = 0;
        Player->WriteProfile(profile);
    }
    if (SaveData->CountChapterPerfects() >= 10) ProgressHooks.Achievement("Perfect10");
    if (SaveData->CountChapterStars() >= 20) ProgressHooks.Achievement("Stars20");
    if (SaveData->chapterGold > 4999) ProgressHooks.Achievement("Gold5000");
    if (SaveData->chapterGold > 5999) ProgressHooks.Achievement("Gold6000");
}

void TLevelCompleteScreen::ShowGoalCompleteEffect() {
    if (completedGoalIndex == -1) return;
    PlayToolkitSound("GoalDone");
    float y = GOALS_Y + 50.0f;
    if (auto label = goalsDisplay ? goalsDisplay->GetLabel(completedGoalIndex) : nullptr)
        y = label->Y + label->CalcHeight() / 2;
    EffectGoalComplete(Sparkles, VirtualWidth / 2.0f, y);
    completedGoalIndex = -1;
}

void TLevelCompleteScreen::CheckGoals() {
    if (!ChapterLastHand() || SaveData->AllGoalsComplete() || JumpToLevelEndUsed) {
        RollUp();
        return;
    }
    std::string header = ToolkitText("Failed Goals Header");
    if (SaveData->timer == 1) {
        failedGoalsDialog =
            CreateMessageDialog(header, ToolkitText("Failed Goals Body"), "Confirm");
    } else {
        failedGoalsDialog = CreateQuestionDialog(header, ToolkitText("Failed Goals Body2"),
                                                 "Button Retry", "Button Next");
    }
    Say("goals failed");
}

void TLevelCompleteScreen::RollUp() {
    Unroll.Reverse = 0;
    Unroll.Counter = Unroll.Length[0];
    Unroll.Finished = 0;
    Unroll.Active = 1;
    if (OKButton) OKButton->Disabled = 1;
    if (RetryButton) RetryButton->Disabled = 1;
    PlayToolkitSound(DeactivateSound);
}

void TLevelCompleteScreen::ResetChapter() {
    Player->chapterJustCompleted = 0;
    Player->Level = MessageLevel;
    SaveData->hand = 1;
    Player->Unlocked = Player->UnlockedBackup;
    // Hard play takes the chapter's gold back with it.
    if (SaveData->timer == 1) SaveData->SpendGold(SaveData->chapterGold);
    gameFinished = 0;
    Player->WriteProfile(Game->CurrentProfile.get());
}

void TLevelCompleteScreen::RevertChapterStats() {
    SaveData->RevertChapterStats(MessageHand);
    Player->chapterJustCompleted = 0;
    Player->Level = MessageLevel;
    SaveData->hand = MessageHand;
    Player->Unlocked = Player->UnlockedBackup;
    SaveData->SpendGold(HandGoldTotal);
    gameFinished = 0;
    Player->WriteProfile(Game->CurrentProfile.get());
    // A retried first hand does not replay the chapter's opening story.
    if (SaveData->hand == 1 && Play.SetShowStoryOnHand1) Play.SetShowStoryOnHand1(0);
}

void TLevelCompleteScreen::Close() {
    Active = 3;
    if (resetChapterFlag) ResetChapter();
    if (Play.SetShowStoryOnHand1) Play.SetShowStoryOnHand1(1);
    if (revertChapterStatsFlag) RevertChapterStats();
    RestoreEscapeKey();
    if (Player->chapterJustCompleted) {
        // The chapter's closing story plays here over the play screen once story mode exists;
        // its end calls ShowNextScreen.
        ShowNextScreen();
    } else {
        // A restarted chapter begins on the map once it exists; until then its first hand
        // starts at once, as the next or retried hand does.
        GoToHand(0);
    }
}

void TLevelCompleteScreen::ShowNextScreen() {
    // The game-finished screen (after the last chapter, three fades long), the map, or the
    // shop after a story dialog or a new item take over here once they exist. Until then
    // the next chapter's first hand starts, chapter 1 after the last.
    if (!gameFinished &&
        (ShowedLevelEndMessage || (Play.ShownNewItemMessage && Play.ShownNewItemMessage())))
        Say("the shop would follow");
    GoToHand(gameFinished ? 3 * FadeLength : 0);
}

void TLevelCompleteScreen::GoToHand(int fadeMs) {
    Redirection.Target = Play.PlayScreen ? Play.PlayScreen : Game->CurrentTScreen;
    Redirection.OnLeave = [this] {
        Hide();
        if (Play.NextHand) Play.NextHand();
    };
    Say("next: chapter " + std::to_string(Player->Level) + " hand " +
        std::to_string(SaveData->hand));
    Game->FadeTo(&Redirection, fadeMs, 1);
}

int TLevelCompleteScreen::SetEscDestination() {
    // The game-finished screen or the map once they exist; until then the next hand.
    Redirection.Target = Play.PlayScreen ? Play.PlayScreen : Game->CurrentTScreen;
    Game->DestinationTScreen = &Redirection;
    return 0;
}

// --- Drawing -----------------------------------------------------------------------------

void TLevelCompleteScreen::DrawText(const std::shared_ptr<TBitmapFont>& font,
                                    const std::string& text, float x, float y,
                                    int alignment) const {
    if (!font) return;
    // Centred on y.
    font->Draw(text, x, y, alignment == 1, alignment == 2, 0, 0, 0, 1);
}

void TLevelCompleteScreen::Draw() {
    if (!Active) return;
    auto& g = *Game->Gfx;
    g.ResetState();
    if (Active == 1) {
        float top = GetTopY();
        float shown = 1.0f + top / static_cast<float>(VirtualHeight);
        // The hand stays in view behind the panel, set back.
        g.SetColor(0, 0, 0);
        g.SetAlpha(0.45f * shown);
        g.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
        g.ResetState();
        if (panelImage) {
            g.SetScale(1.0f, PANEL_SCALE_Y);
            panelImage->Draw(VirtualWidth / 2.0f, top + PANEL_TOP + panelImage->h2 * PANEL_SCALE_Y);
            g.ResetState();
        }
        if (headerLabel) headerLabel->Draw(0, top, 1);
        DrawGrid(top);
        DrawTally(top);
        DrawGoals(top);
        g.ResetState();
        for (auto* b : {&RetryButton, &OKButton})
            if (*b) (*b)->Draw();
    } else if (Active == 2) {
        if (WallpaperButton) WallpaperButton->Draw();
        if (ContinueButton) ContinueButton->Draw();
        if (SetWallpaperCounter >= 1) {
            // One frame says what is happening before the work holds the screen.
            g.SetColor(0, 0, 0);
            g.SetAlpha(0.5f);
            g.DrawRect(0, VirtualHeight / 2.0f - 30, static_cast<float>(VirtualWidth), 60);
            g.ResetState();
            if (auto font = FindGameFont("GUIFont"))
                DrawText(font, ToolkitText("Wallpaper Busy"), VirtualWidth / 2.0f,
                         VirtualHeight / 2.0f, 1);
            SetWallpaperCounter = 2;
        }
    }
    g.ResetState();
    Sparkles.Draw();
    g.ResetState();
    if (CurrentMessage) CurrentMessage->Draw();
    if (failedGoalsDialog) failedGoalsDialog->Draw();
    if (DialogOK) DialogOK->Draw();
    g.ResetState();
}

void TLevelCompleteScreen::DrawGrid(float top) {
    auto& g = *Game->Gfx;
    int hands = HandsInChapter();
    float gridTop = top + GRID_Y - GRID_H / 2.0f;
    float left = static_cast<float>(col1 - GRID_LABEL_W / 2);
    if (gridImage && gridImage->image) {
        float width = static_cast<float>(GridBodyWidth(hands));
        g.DrawSubImageRect(*gridImage->image, left, gridTop, width, GRID_H, 0, 0, width, GRID_H);
        // The closing edge of the full grid after the last column.
        float edge = GRID_FULL_W - GRID_EDGE_W;
        g.DrawSubImageRect(*gridImage->image, left + width - edge, gridTop, GRID_EDGE_W, GRID_H,
                           edge, 0, GRID_EDGE_W, GRID_H);
    }
    float rowY[3];
    for (int r = 0; r < 3; ++r) rowY[r] = gridTop + GRID_ROW_H * (r + 0.5f);
    const char* rowKeys[3] = {"Hand", "Perfect", "Stars"};
    INK.Apply();
    for (int r = 0; r < 3; ++r) {
        if (!LabelFont) break;
        std::string text = ToolkitText(rowKeys[r]);
        double scale = std::min(0.8, LabelFont->CalcReducedScale(text, GRID_LABEL_W - 14));
        g.SetScale(static_cast<float>(scale), static_cast<float>(scale));
        DrawText(LabelFont, text, static_cast<float>(col1), rowY[r], 1);
    }
    g.ResetState();
    for (int i = 0; i < hands; ++i) {
        float x = static_cast<float>(col2 + colgap * i);
        bool played = i < MessageHand;
        (played ? INK : GREY).Apply();
        g.SetScale(0.8f, 0.8f);
        DrawText(LabelFont, std::to_string(i + 1), x, rowY[0], 1);
        g.ResetState();
        if (!played) continue;
        if (SaveData->chapterPerfects[static_cast<size_t>(i)]) {
            if (auto mark = ImageBank.Find("LevelEndCheckMark")) mark->Draw(x, rowY[1]);
        }
        static const char* const starImages[4] = {"NoStarsX", "BronzeStar", "SilverStars",
                                                  "GoldStars"};
        int stars = std::clamp(SaveData->chapterStars[static_cast<size_t>(i)], 0, 3);
        if (auto image = ImageBank.Find(starImages[stars])) image->Draw(x, rowY[2]);
    }
    g.ResetState();
}

void TLevelCompleteScreen::DrawTally(float top) {
    auto& g = *Game->Gfx;
    float labelRight = VirtualWidth / 2.0f + StatOffsetX - 8;
    float valueLeft = VirtualWidth / 2.0f + StatOffsetX + 12;
    for (int i = 0; i < TOTAL_STATS; ++i) {
        float y = top + STATS_Y + STAT_GAP_Y * i;
        // The totals stand out from the parts they add up.
        (i >= 3 ? ROSE_INK : INK).Apply();
        DrawText(LabelFont, GetStringForIDX(i) + ":", labelRight, y, 2);
        DrawText(StatFont, statStrings[static_cast<size_t>(i)], valueLeft, y, 0);
        if (i == 2) {
            g.SetColor(INK.R, INK.G, INK.B);
            g.SetAlpha(0.35f);
            g.DrawRect(VirtualWidth / 2.0f - 190, y + STAT_GAP_Y / 2.0f, 380, 1);
        }
        g.ResetState();
    }
}

void TLevelCompleteScreen::DrawGoals(float top) {
    auto& g = *Game->Gfx;
    ROSE_INK.Apply();
    DrawText(LabelFont, ToolkitText("Chapter Goals"), VirtualWidth / 2.0f, top + GOALS_Y, 1);
    g.ResetState();
    if (goalsDisplay) {
        goalsDisplay->OffsetY = top;
        goalsDisplay->Draw(completedGoalIndex);
    }
    g.ResetState();
    INK.Apply();
    // Hung from its top, clear of a third goal line.
    if (LabelFont)
        LabelFont->DrawAligned(
            ToolkitText("Record Combo") + ": " + std::to_string(SaveData->recordCombo),
            VirtualWidth / 2.0f, top + RECORD_COMBO_Y, 1);
    g.ResetState();
}
