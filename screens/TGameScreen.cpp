#include "screens/TGameScreen.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cards/TCardHooks.h"
#include "cards/THUDPowerup.h"
#include "cards/THandSetup.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "progression/TDialogGoals.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "screens/TLevelCompleteScreen.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

TGameScreen::TGameScreen() {
    name = "game";
}

TGameScreen::~TGameScreen() = default;

void TGameScreen::Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// --- Screen ---------------------------------------------------------------------------------

void TGameScreen::Load() {
    if (loaded) return;
    auto find = [](const std::string& key) { return ImageBank.Find(key, 1); };
    BottomPanelImage = find("BottomPanel");
    TopPanelImage = find("TopPanel");
    MultiplierPanelImage = find("MultiplierPanel");
    MultiplierGlowImage = find("MultiplierPanel5XGlow");
    MultiplierGlowOverlayImage = find("MultiplierPanel5XGlowOverlay");
    PearlImage = find("Pearl");
    ComboPanelImage = find("ComboPanel");
    UndoButtonDecoration = find("UndoDecoration");
    BellaImage = find("BellaGUIwithFan");
    PowerupsBackground = find("PowerupsBackground");
    CoinImage = find("coin");
    HUDFont = FindGameFont("GUIFont");
    TitleFont = FindGameFont("Header");
    NumberFont = FindGameFont("NumericFont");
    TipFont = FindGameFont("GUIFontSmall");
    FillPearlCoords();
    // The three powerup buttons, Cupid, Lyre and Phoenix, live as long as the game.
    if (!THUDPowerup::Cupid()) THUDPowerup::CreateAll();
    THUDPowerup::LoadAll();
    LevelComplete = std::make_unique<TLevelCompleteScreen>();
    LevelComplete->Load();
    auto& link = LevelComplete->Play;
    link.PlayScreen = this;
    link.CardsLeft = [this] { return CurrentLevel ? CurrentLevel->CountTableau() : 0; };
    link.ShownNewItemMessage = [this] { return ShownNewItemMessage; };
    link.SetShowStoryOnHand1 = [this](int show) { showStoryOnHand1 = show; };
    loaded = 1;
}

void TGameScreen::Start() {
    Load();
    WireHooks();
    LoadButtons();
    TScreen::Start();
    // Back from the pass-through screen: the panel that led here is done.
    if (LevelComplete && LevelComplete->Active) LevelComplete->Hide();
    Log("Screen started: " + name);
    StartLevel();
    Game->GameFade.Init(static_cast<float>(FadeLength), 0, nullptr, 1);
}

void TGameScreen::Kill() {
    ClearAll();
    UndoButton.reset();
    EndComboButton.reset();
    EndHandButton.reset();
    SkipStoryButton.reset();
    MenuButton.reset();
    GoalsButton.reset();
    MessageDialog.reset();
    GoalsDialog.reset();
    MenuDialog.reset();
    toolTip.reset();
    RestorePointer();
    TScreen::Kill();
}

int TGameScreen::SetEscDestination() {
    if (LevelComplete && LevelComplete->Active) return LevelComplete->SetEscDestination();
    // Until the map exists Escape leaves the game the usual way.
    return TScreen::SetEscDestination();
}

void TGameScreen::WireHooks() {
    if (Player) Player->InstallCardHooks();
    if (SaveData) SaveData->InstallCardHooks();
    CardHooks.EndHand = [this] { EndHand(); };
    CardHooks.FlushMouse = [] { Game->Mouse.ClearMouseHit(); };
    CardHooks.EndComboButtonActive = [this] { return EndComboActive(); };
    CardHooks.ClickEndCombo = [this] {
        if (EndComboActive() && !Banking()) StartEndComboAnim();
    };
    CardHooks.StartEffect = [this](TCardEffect effect, const TCard& card) {
        StartCardEffect(static_cast<int>(effect), card);
    };
    CardHooks.SetKeyPointer = [this](bool key) {
        if (key)
            SetPointerImage(ImageBank.Find("KeyCursor", 1), -1, 0);
        else
            RestorePointer();
    };
    CardHooks.UnblockInput = [this] {
        CardHooks.BlockStockInput = 0;
        CardHooks.BlockTableauInput = 0;
        BlockInput = 0;
    };
    CardHooks.ShowStockTip = [] {};
    THUDPowerup::InstallCardHooks();
    CardHooks.SetPowerupPointer = [this](const std::string& cursor, int kind) {
        SetPointerImage(ImageBank.Find(cursor, 1), kind, 0);
    };
    CardHooks.ClearPowerupPointer = [this] { RestorePointer(); };
    CardHooks.DisableUndo = [this] { SetUndoButtonState(0); };
    ProgressHooks.GetPowerupCharge = [](int kind) { return THUDPowerup::GetCharge(kind); };
    ProgressHooks.SetPowerupCharge = [](int kind, int charge) {
        THUDPowerup::SetCharge(kind, charge);
    };
    ProgressHooks.StartCombo = [this] { StartCombo(); };
    ProgressHooks.HideComboPanel = [this] { HideComboPanel(); };
    ProgressHooks.SetUndoButtonCaption = [this] { SetUndoButtonCaption(); };
    // A goal met in the middle of a hand is announced at once, unless the list is open.
    ProgressHooks.GoalCompleted = [this](int index) {
        if (!GoalsDialog) GoalsDialog = OpenGoalsDialog(index);
    };
    if (!ProgressHooks.UnlockAchievement)
        ProgressHooks.UnlockAchievement = [](const std::string& achievement) {
            Log("Achievement: " + achievement);
        };
}

// --- The hand -------------------------------------------------------------------------------

void TGameScreen::StartLevel() {
    if (!Player || !SaveData) return;
    chapter = std::clamp(Player->Level, 1, MAX_CHAPTERS);
    Player->Level = chapter;
    int hands = handsPerChapter[static_cast<size_t>(chapter - 1)];
    hand = std::clamp(SaveData->hand, 1, hands);
    SaveData->hand = hand;

    ClearAll();
    CardHooks.ResetState();
    if (!CurrentLevel) CurrentLevel = std::make_shared<TLevel>();
    CurrentLevel->SetGlobals();
    THandSetup::Deal(*CurrentLevel, chapter, hand);

    SaveData->CreateGoals();
    if (hand == 1) SaveData->ClearChapterStats(1);
    SaveData->ClearHandStats();
    SaveData->BackupChapterStats();
    Player->InitNewLevelStats();

    int longer = (hand == 1 && chapter >= 2) ? 200 : 0;
    introAnimLength = INTRO_LENGTH + longer;
    introAnimPhase2Start = INTRO_PHASE2 + longer;
    Game->FixedRateLogic.Init();
    RestorePointer();
    ResetButtons();
    THUDPowerup::ResetAll();
    ResetComboPanel();
    if (chapter == 7 && hand == 1) ProgressHooks.Achievement("VisitLondon");
    LoadBackground();
    LoadMusic(chapter, 1);
    ticksInHand = 0;
    goalsOfferedThisHand = 0;
    ShownStartMessage = 0;
    Log("Hand started: " + std::to_string(chapter) + "-" + std::to_string(hand));
    if (hand == 1 && showStoryOnHand1 && ChapterStory && ChapterStory(chapter)) return;
    StartIntroAnim();
}

void TGameScreen::RestartLevel() {
    // The same layout with a new shuffle; the chapter's counters go back to the hand's start.
    if (SaveData) SaveData->RevertChapterStats(hand);
    Log("Hand restarted");
    StartLevel();
}

void TGameScreen::JumpToChapter(int c) {
    if (!Player || !SaveData) return;
    Player->Level = std::clamp(c, 1, MAX_CHAPTERS);
    if (Player->Level > Player->Unlocked) Player->Unlocked = Player->Level;
    SaveData->hand = 1;
    StartLevel();
}

void TGameScreen::JumpToHand(int h) {
    if (!SaveData) return;
    SaveData->hand = h;
    StartLevel();
}

bool TGameScreen::IntroRunning() const {
    return CardHooks.introAnimInProgress != 0;
}

bool TGameScreen::OutroRunning() const {
    return CardHooks.outroAnimInProgress != 0;
}

void TGameScreen::StartIntroAnim() {
    CardHooks.introAnimInProgress = 1;
    introStage = 0;
    IntroAnim.Init(introAnimLength);
    IntroAnim.Reset();
    CurrentLevel->FlyOnCards();
    EffectHandStart();
}

void TGameScreen::ManageIntroAnim() {
    if (!IntroRunning()) return;
    IntroAnim.Manage();
    bool flying = false;
    for (const auto& f : CurrentLevel->flyingCards)
        if (f->moving) flying = true;
    if (introStage == 0 && !flying) {
        CurrentLevel->EndFlyOnCards();
        CurrentLevel->cardList->FadeInStoryItem();
        CurrentLevel->cardList->FlipUpRandomCards();
        WaitForFlipAnim.Init(TCard::FLIP_ANIM_LENGTH + 50);
        WaitForFlipAnim.Reset();
        introStage = 1;
    }
    if (introStage == 1) {
        WaitForFlipAnim.Manage();
        if (!WaitForFlipAnim.Active) {
            CurrentLevel->cardList->RemoveRandomCards();
            introStage = 2;
        }
    }
    if (introStage == 2 && IntroAnim.Counter <= MsToTicks(1150)) {
        introStage = 3;
        if (StartMessage && !ShownStartMessage) {
            auto [header, body] = StartMessage(chapter, hand);
            if (!body.empty()) {
                ShownStartMessage = 1;
                MessageDialog = CreateMessageDialog(header, body);
            }
        }
        if (hand == 1 && chapter >= 2 && !goalsOfferedThisHand) {
            goalsOfferedThisHand = 1;
            OpenGoals();
        }
    }
    if (!IntroAnim.Active && introStage >= 2) StopIntroAnim();
}

void TGameScreen::StopIntroAnim() {
    CardHooks.introAnimInProgress = 0;
    IntroAnim.Stop();
    if (introStage < 3 && hand == 1 && chapter >= 2 && !goalsOfferedThisHand) {
        goalsOfferedThisHand = 1;
        OpenGoals();
    }
    CurrentLevel->cardList->SetStockCardsOffsetY(0);
    CurrentLevel->cardList->SetFoundationCardsOffsetY(0);
    CurrentLevel->cardList->SetWildcardsOffsetX(0);
    // "Go": the hand is the player's.
    if (auto go = ImageBank.Find("Go", 1)) {
        auto p = TopEffects.AddNew(512, 330, go);
        p->NoOutOfBounds = 1;
        auto show = p->AddPhase(450);
        show->Alpha = 1;
        auto fade = p->AddPhase(350);
        fade->Alpha = 1;
        fade->FadeMS = 350;
        p->KillOnFade = 0;
        p->StartPhases();
    }
    CurrentLevel->CheckLevelEnd();
}

int TGameScreen::StarsForCardsLeft(int left) const {
    return left <= 0 ? 3 : left == 1 ? 2 : left == 2 ? 1 : 0;
}

void TGameScreen::EndHand() {
    CardHooks.Call(CardHooks.FadeTips);
    if (!StartOutroAnim()) return;
    RestorePointer();
    CurrentLevel->cardList->RevealOff();
}

int TGameScreen::StartOutroAnim() {
    if (IntroRunning() || OutroRunning() || outroStarted) return 0;
    outroStarted = 1;
    // A combo still running is banked before the hand is scored.
    if (EndComboActive() && !Banking()) StartEndComboAnim();
    CardHooks.outroAnimInProgress = 1;
    // The jump key's hand counts as cleared.
    int left = JumpToLevelEndUsed ? 0 : CurrentLevel->CountTableau();
    wellDoneLength = left <= 1 ? 2800 : left == 2 ? 2550 : 2000;
    WellDoneAnim.Init(wellDoneLength);
    WellDoneAnim.Reset();
    OutroAnim.Init(500);
    OutroAnim.Counter = 0;
    OutroAnim.Active = 0;
    Game->MusicFadeOutSet(250);
    CurrentLevel->FadeOutCards();
    if (MenuButton) MenuButton->Active = 0;
    if (GoalsButton) GoalsButton->Active = 0;
    HideEndHandButton();
    EffectHandEndStars(TopEffects, StarsForCardsLeft(left), 512, 330);
    Log("Hand ended: " + std::to_string(chapter) + "-" + std::to_string(hand) + " cards left " +
        std::to_string(left) + " gold " + std::to_string(Player ? Player->levelGoldCollected : 0));
    return 1;
}

void TGameScreen::ManageOutroAnim() {
    if (!OutroRunning()) return;
    if (WellDoneAnim.Active) {
        WellDoneAnim.Manage();
        return;
    }
    // The panels slide away once the rating has been shown and the combo banked.
    if (Banking()) return;
    if (!OutroAnim.Active && OutroAnim.Counter <= 0 && !OutroAnim.Finished) {
        OutroAnim.Reset();
        return;
    }
    OutroAnim.Manage();
    if (!OutroAnim.Active) StopOutroAnim();
}

void TGameScreen::StopOutroAnim() {
    CardHooks.outroAnimInProgress = 0;
    outroStarted = 0;
    OutroAnim.Finished = 0;
    if (Player) Player->ClearCombo();
    if (HandFinished) {
        HandFinished();
        return;
    }
    // The panel scores the hand, saves the progress and leads on.
    LevelComplete->Play.BackgroundFileName = BackgroundFileName;
    LevelComplete->JumpToLevelEndUsed = JumpToLevelEndUsed;
    LevelComplete->Show();
    Log("Hand complete panel shown");
}

float TGameScreen::GetIntroOutroRatio() const {
    if (IntroRunning()) {
        float len = MsToTicks(static_cast<float>(introAnimPhase2Start));
        float done = MsToTicks(static_cast<float>(introAnimLength)) - IntroAnim.Counter;
        return std::clamp(done / std::max(1.0f, len), 0.0f, 1.0f);
    }
    if (OutroRunning() && !WellDoneAnim.Active && OutroAnim.Active)
        return std::clamp(OutroAnim.Counter / std::max(1.0f, OutroAnim.Length[0]), 0.0f, 1.0f);
    if (OutroRunning() && !WellDoneAnim.Active && !OutroAnim.Active) return 0;
    return 1;
}

float TGameScreen::GetTopHUDY() const {
    float r = GetIntroOutroRatio();
    return -(1.0f - r * r * (3 - 2 * r)) * 120.0f;
}

float TGameScreen::GetBottomHUDOffsetY() const {
    float r = GetIntroOutroRatio();
    return (1.0f - r * r * (3 - 2 * r)) * 200.0f;
}

// --- One logic step -------------------------------------------------------------------------

void TGameScreen::ManageDialogs() {
    if (MessageDialog) {
        MessageDialog->Manage();
        if (!MessageDialog->Active) MessageDialog.reset();
    } else if (GoalsDialog) {
        GoalsDialog->Manage();
        if (!GoalsDialog->Active) GoalsDialog.reset();
    } else if (MenuDialog) {
        MenuDialog->Manage();
        if (!MenuDialog->Active) {
            int answer = MenuDialog->CloseResult;
            MenuDialog.reset();
            if (answer == 1) RestartLevel();
        }
    }
}

void TGameScreen::Logic() {
    TScreen::Logic();
    if (!CurrentLevel || !Player) return;
    if (LevelComplete && LevelComplete->Active) {
        LevelComplete->Logic();
        Effects.Manage();
        TopEffects.Manage();
        ProcessSoundTriggers();
        return;
    }
    if (MessageDialog || GoalsDialog || MenuDialog) {
        ManageDialogs();
    } else if (IntroRunning()) {
        CurrentLevel->Manage();
    } else {
        ticksInHand++;
        if (!ManageButtons()) {
            Player->Manage();
            // A click on a powerup button is the button's; the cards never see it.
            THUDPowerup::ManageMouseClick();
            CurrentLevel->Manage();
            THUDPowerup::UpdateAll(Delta, Game->Mouse.x, Game->Mouse.y);
            ManageToolTip();
        }
    }
    Effects.Manage();
    TopEffects.Manage();
    if (showComboPanel || comboPanelCounter.Counter > 0) comboPanelCounter.Manage();
    ManageStoryItemReveal();
    ManageGoldParticles();
    ManageIntroAnim();
    ManageOutroAnim();
    ManageEndComboAnim();
    ManagePearls();
    ProcessSoundTriggers();
}

void TGameScreen::SpecificKeys() {
    if (MenuDialog || (Player && Player->DeathCounter > 0) || Game->Fading()) return;
    // A quick chord may press and release Ctrl within one tick: a hit counts as held.
    using namespace platform::keys;
    bool ctrl = KeyDown(CONTROL) || KeyDown(LCONTROL) || KeyDown(RCONTROL) ||
                KeyHitCounts[LCONTROL] || KeyHitCounts[RCONTROL] || Game->Debug;
    if (!ctrl) return;
    if (KeyHit('R')) {
        FlushKeyboard();
        RestartLevel();
    } else if (bool jump = KeyHit('J'); (jump || KeyHit('K')) && Player && Player->Alive) {
        // J ends the hand as if cleared, K with the cards it has left.
        JumpToLevelEndUsed = jump ? 1 : 0;
        FlushKeyboard();
        CardHooks.Call(CardHooks.FadeTips);
        EndHand();
    }
}

void TGameScreen::ManageStoryItemReveal() {
    if (!CardHooks.storyItemAnimInProgress) {
        storyItemCounter = 0;
        return;
    }
    if (storyItemCounter <= 0) {
        storyItemCounter = MsToTicks(STORY_ITEM_REVEAL_LENGTH);
        BlockInput = 1;
        return;
    }
    storyItemCounter -= Delta;
    if (storyItemCounter <= 0) EndStoryItemRevealed();
}

void TGameScreen::EndStoryItemRevealed() {
    storyItemCounter = 0;
    CardHooks.storyItemAnimInProgress = 0;
    CardHooks.Unblock();
    if (CurrentLevel) CurrentLevel->CheckLevelEnd();
}

void TGameScreen::OpenGoals() {
    if (GoalsDialog) return;
    GoalsDialog = OpenGoalsDialog(-1);
}

void TGameScreen::ClearCounters() {
    EndComboAnimCounter = 0;
    EndComboAnimActive = 0;
    storyItemCounter = 0;
    pearlFlights.clear();
    goldParticleDelays.clear();
    AutoHintCounter = 0;
    outroStarted = 0;
    JumpToLevelEndUsed = 0;
}

void TGameScreen::ClearAll() {
    ClearCounters();
    ClearSoundTriggers();
    Effects.Kill();
    TopEffects.Kill();
    BlockInput = 0;
    CardHooks.HUDPowerupBlockInput = 0;
    showComboPanel = 0;
    MessageDialog.reset();
    GoalsDialog.reset();
    MenuDialog.reset();
    toolTip.reset();
    lastToolTip = -1;
}
