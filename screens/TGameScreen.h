#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/TScreen.h"
#include "toolkit/TAnimation.h"
#include "toolkit/TButton.h"
#include "toolkit/TDialogOK.h"
#include "toolkit/TDialogYesNo.h"
#include "toolkit/TLabel.h"
#include "toolkit/TParticleList.h"
#include "toolkit/TSineCounter.h"

class TCard;
class TLevelCompleteScreen;
class TGameImage;
class TBitmapFont;

// The play screen: deals each hand, runs its intro, lets the player play until the tableau
// is clear or the hand is ended, runs the outro and hands over to what follows the hand.
// It owns the bottom panel's buttons, the input blocks that hold the player back while cards
// fly, the sound triggers of a logic step, the pointer and the heads-up display.
class TGameScreen : public TScreen {
public:
    static constexpr int BIG_TEXT_OFFSET_X = 60;
    static constexpr int UNDO_X = 637;
    static constexpr int UNDO_Y = 629;
    static constexpr int COMBO_PANEL_SLIDE_RANGE = 53;
    static constexpr int COMBO_PANEL_Y = 535;
    static constexpr int MULTIPLIER_X = 183;
    static constexpr int MULTIPLIER_Y = 45;
    static constexpr int GaugeX = 42;
    static constexpr int GaugeY = 466;
    static constexpr int MAX_PEARLS = 30;
    static constexpr int INTRO_LENGTH = 2000;
    static constexpr int INTRO_PHASE2 = 1000;
    static constexpr int STORY_ITEM_REVEAL_LENGTH = 1600;
    static constexpr int END_COMBO_ANIM_LENGTH = 500;
    static constexpr int PEARL_GAP_MS = 100;
    static constexpr int PEARL_FLIGHT_MS = 350;
    // Shop items the screen asks about.
    static constexpr int SHOP_BALLROOM_DRESS = 37;

    struct Point {
        float x = 0, y = 0;
    };

    TGameScreen();
    ~TGameScreen() override;

    // --- Scene
    std::string BackgroundFileName;
    // --- Input
    int BlockInput = 0;
    // --- Presentation state
    // The hand was ended by the jump key: it counts as perfect.
    int JumpToLevelEndUsed = 0;
    int showComboPanel = 0;
    int showStoryOnHand1 = 1;
    float AutoHintCounter = 0;
    TSineCounter comboPanelCounter;
    int introAnimLength = INTRO_LENGTH;
    int introAnimPhase2Start = INTRO_PHASE2;
    int wellDoneLength = 2000;
    float EndComboAnimCounter = 0;
    int EndComboAnimActive = 0;
    // --- Buttons
    std::shared_ptr<TButton> UndoButton, EndComboButton, EndHandButton, SkipStoryButton;
    std::shared_ptr<TButton> MenuButton, GoalsButton;
    // --- Animations
    TAnimation IntroAnim, WaitForFlipAnim, OutroAnim, WellDoneAnim;
    // --- Messages
    int ShownStartMessage = 0, ShownNewItemMessage = 0;
    std::shared_ptr<TDialogOK> MessageDialog;
    std::shared_ptr<TDialog> GoalsDialog;
    std::shared_ptr<TDialogYesNo> MenuDialog;
    std::shared_ptr<TLabel> toolTip;
    int lastToolTip = -1;
    // --- Pointer
    int PointerPowerupType = -1;
    // --- Panel images
    std::shared_ptr<TGameImage> BottomPanelImage, TopPanelImage, MultiplierPanelImage,
        MultiplierGlowImage, MultiplierGlowOverlayImage, PearlImage, ComboPanelImage,
        UndoButtonDecoration, BellaImage, PowerupsBackground, CoinImage;
    std::shared_ptr<TBitmapFont> HUDFont, TitleFont, NumberFont, TipFont;
    // --- Gauge
    std::array<Point, MAX_PEARLS> PearlCoords{};
    // --- Sound triggers of this step (besides the cards' own)
    int TriggerGoldCoin = 0;
    float TriggerGoldCoinPan = 0;
    float TriggerCardLandCounter = 0;
    // --- Effects: under the HUD (cards) and over it (coins, pearls)
    TParticleList Effects;
    TParticleList TopEffects;

    // The hand-complete panel, shown over the play screen when a hand's outro ends.
    std::unique_ptr<TLevelCompleteScreen> LevelComplete;
    // Replaces the panel as what follows a hand (tests that only play).
    std::function<void()> HandFinished;
    // The story's part in a hand, until the story mode exists: on a chapter's first hand,
    // ChapterStory may start the chapter's story and return true (it then calls
    // StartIntroAnim when it ends); StartMessage gives the header and body of a hand's start
    // message, empty for none.
    std::function<bool(int chapter)> ChapterStory;
    std::function<std::pair<std::string, std::string>(int chapter, int hand)> StartMessage;
    // Reports what the screen did, one line each ("Hand started: 1-1", "Hand ended: ...").
    static void Log(const std::string& line);

    // --- TScreen
    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    void SpecificKeys() override;
    int SetEscDestination() override;

    // --- The hand
    void StartLevel();
    void RestartLevel();
    void EndHand();
    void JumpToChapter(int chapter);
    void JumpToHand(int hand);
    void StartIntroAnim();
    void ManageIntroAnim();
    void StopIntroAnim();
    int StartOutroAnim();
    void ManageOutroAnim();
    void StopOutroAnim();
    bool IntroRunning() const;
    bool OutroRunning() const;
    float GetIntroOutroRatio() const;

    // --- Buttons and undo
    int ManageButtons();
    void ResetButtons();
    void SetUndoButtonCaption();
    void SetUndoButtonState(int enabled);
    void ShowEndHandButton();
    void HideEndHandButton();
    void UndoClicked();
    void StartUndo();

    // --- Combo and multiplier
    void StartCombo();
    void HideComboPanel();
    void ResetComboPanel();
    void StartEndComboAnim();
    void ManageEndComboAnim();
    void StopEndComboAnim();
    void StopEndComboAnimPart2();
    bool EndComboActive() const;
    bool Banking() const { return EndComboAnimActive || !pearlFlights.empty(); }

    // --- Pointer, effects, sounds
    void SetPointerImage(std::shared_ptr<TGameImage> image, int powerup, int animated);
    void RestorePointer();
    void StartCardEffect(int effect, const TCard& card);
    void ManageGoldParticles();
    void ProcessSoundTriggers();
    void ClearSoundTriggers();
    void ClearCounters();
    void ClearAll();
    void EndStoryItemRevealed();
    void OpenGoals();
    int ManageToolTip();

    // --- Drawing
    void LoadBackground();
    void LoadMusic(int chapter, int play);
    void DrawHUD();
    void DrawHUDTopLayer();
    void DrawPearls(float offsetY);
    void DrawStatusText();
    void FillPearlCoords();
    float GetTopHUDY() const;
    float GetBottomHUDOffsetY() const;

    // The stage the multiplier panel shows (the banked stage, or one in progress).
    int ShownStage() const;
    // The gold counter: collected gold whose coins have landed.
    int ShownGold() const;
    int Chapter() const { return chapter; }
    int Hand() const { return hand; }
    // Ticks since the hand's play began (for tests and the log).
    int ticksInHand = 0;

private:
    struct PearlFlight {
        int stage = 0;
        float delay = 0;
        float t = 0;
        int landed = 0;
    };
    void WireHooks();
    void LoadButtons();
    // A button from its picture, its "MO" and "_down" pictures, glowing on hover.
    static std::shared_ptr<TButton> MakeButton(const std::string& image, float x, float y,
                                               int useMenuPath, int downMs, float glow);
    void ManageDialogs();
    void ManageStoryItemReveal();
    void ManagePearls();
    void PlaceEndComboButton();
    int StarsForCardsLeft(int left) const;
    void DrawButtons();

    int chapter = 1;
    int hand = 1;
    int introStage = 0;  // 0 flying on, 1 cards shown, 2 flips waited for, 3 message offered
    int outroStarted = 0;
    int goalsOfferedThisHand = 0;
    int comboTipShown = 0;
    float storyItemCounter = 0;
    std::vector<PearlFlight> pearlFlights;
    std::vector<float> goldParticleDelays;
    int loaded = 0;
    int musicChapter = 0;
};
