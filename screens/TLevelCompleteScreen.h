#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "framework/TScreen.h"
#include "screens/TRedirectionScreen.h"
#include "toolkit/TAnimation.h"
#include "toolkit/TButton.h"
#include "toolkit/TDialog.h"
#include "toolkit/TDialogOK.h"
#include "toolkit/TParticleList.h"
#include "toolkit/TSineCounter.h"

class TBitmapFont;
class TGameImage;
class TGoalsDisplay;
class TLabel;

// Set by SaveProfile when the hand just scored finished the last chapter.
extern int gameFinished;

// The hand-complete panel: rates the hand with stars, tallies and banks its gold, saves the
// progress, shows the chapter's goals and judges them after the chapter's last hand, then
// leads to the next hand, a retry, a restart of the chapter or the chapter's end. The play
// screen owns it and drives it as an overlay: Load once, Show when the hand's outro ends,
// Logic and Draw while Active, Kill.
class TLevelCompleteScreen : public TScreen {
public:
    static constexpr int TRANSITION_LENGTH = 300;
    static constexpr int TOTAL_STATS = 5;
    static constexpr int GRID_Y = 214;
    static constexpr int STATS_Y = 285;
    static constexpr int STAT_GAP_Y = 30;
    static constexpr int GOALS_Y = 468;
    static constexpr int RECORD_COMBO_Y = 590;
    static constexpr int PANEL_W = 700;
    // The buttons: either side of the centre, above the bottom of the screen.
    static constexpr int BUTTON_OFFSET_X = 119;
    static constexpr int BUTTON_BOTTOM_Y = 144;
    static constexpr int CONTINUE_BOTTOM_Y = 102;

    // What the panel needs of the play screen. Unset functions count as 0 / do nothing.
    struct PlayScreenLink {
        // The hand's background, under the game's image folder (set before Show).
        std::string BackgroundFileName;
        // Tableau cards left when the hand ended.
        std::function<int()> CardsLeft;
        // 1 when the play screen showed a new shop item's message this chapter.
        std::function<int()> ShownNewItemMessage;
        std::function<void(int)> SetShowStoryOnHand1;
        // 1 while the in-game hint screen is open over the panel.
        std::function<int()> HintScreenActive;
        // Where the next or retried hand starts: the redirection fades back into it.
        TScreen* PlayScreen = nullptr;
        // Called as the redirection leads back to the play screen.
        std::function<void()> NextHand;
    };
    PlayScreenLink Play;

    // The stars, perfect mark and bonus of a hand by its cards left.
    struct Rating {
        int stars;
        int perfect;
        int bonusGold;
    };
    static Rating RateHand(int cardsLeft);
    static int BonusForStars(int stars);
    // Gold the multiplier adds to the collected gold: round((m - 1) x g).
    static int MultiplierGold(float multiplier, int gold);

    int allowWallpaper = 0;
    std::string ActivateSound = "SlideIn", ClickSound = "buttonclick", DeactivateSound = "SlideOut",
                MOSound = "ButtonMO";
    // 0 hidden, 1 the tally, 2 the wallpaper step, 3 closing.
    int Active = 0;
    int Chapter = 0, SubLevel = 0;
    int col1 = 0, col2 = 0, colgap = 25;
    std::shared_ptr<TDialogOK> DialogOK;
    std::shared_ptr<TDialog> failedGoalsDialog;
    TSineCounter glow;
    int gap = 30, lines = 3, h = 90, w = PANEL_W;
    int JumpToLevelEndUsed = 0;
    std::shared_ptr<TBitmapFont> LabelFont, StatFont;
    float MenuY = 0;
    // 0 idle, 1 asked for, 2 do it now (after one frame has shown the request).
    int SetWallpaperCounter = 0;
    float StartY = 0;
    int StatOffsetX = 0;
    TAnimation Unroll;
    int MessageLevel = 0, MessageHand = 0;
    std::shared_ptr<TDialogOK> CurrentMessage;
    int ShowedLevelEndMessage = 0;
    int ShowShopMessage = 0;
    int BonusGold = 0, HandGoldTotal = 0;
    std::array<std::string, TOTAL_STATS> statStrings;
    std::shared_ptr<TGoalsDisplay> goalsDisplay;
    int resetChapterFlag = 0, revertChapterStatsFlag = 0;
    int completedGoalIndex = -1;
    int cardsLeft = 0;

    std::shared_ptr<TButton> OKButton, RetryButton, WallpaperButton, ContinueButton;
    bool buttonsShown = false;
    TParticleList Sparkles;
    // The pass-through screen to the next hand.
    TRedirectionScreen Redirection;
    // What the last wallpaper attempt did: the file written, and how it was set ("" none).
    std::string WallpaperPath, WallpaperWay;

    TLevelCompleteScreen();

    void Load() override;
    void Show();
    void Hide();
    void Logic() override;
    void Draw() override;
    void Kill() override;
    int SetEscDestination() override;
    void ShowNextScreen();

    // --- The steps (public for the tests)
    void Start() override;
    void CalcStars();
    void CalcGold();
    void GetStatStrings();
    std::string GetStringForIDX(int i) const;
    std::string GetStatStringForIDX(int i) const;
    void CalcStatOffsetX();
    void InitGoalsDisplay();
    void SetupColumns();
    void SetMenuY();
    // The panel's vertical offset: -VirtualHeight out of sight above, 0 fully in.
    float GetTopY() const;
    void SaveProfile();
    void ShowGoalCompleteEffect();
    void CheckGoals();
    void RollUp();
    void Close();
    void ResetChapter();
    void RevertChapterStats();
    void MakeSnowFlakes();
    void MoveSnowFlakes();
    void SetWallpaper();

    bool SlidingIn() const { return Unroll.Active && Unroll.Reverse && !Unroll.Finished; }
    bool SlidingOut() const { return Unroll.Active && !Unroll.Reverse && !Unroll.Finished; }
    // The chapter's hands (the grid's columns).
    int HandsInChapter() const;

private:
    void ManageTally();
    void ManageWallpaperStep();
    void ShowTallyButtons();
    void ShowWallpaperButtons();
    void PlaceButtons();
    bool ChapterLastHand() const;
    void DrawGrid(float top);
    void DrawTally(float top);
    void DrawGoals(float top);
    void DrawText(const std::shared_ptr<TBitmapFont>& font, const std::string& text, float x,
                  float y, int alignment) const;
    void RestoreEscapeKey();
    // Leaves through the redirection for the hand the progress now names.
    void GoToHand(int fadeMs);

    std::shared_ptr<TGameImage> panelImage, gridImage;
    std::shared_ptr<TLabel> headerLabel;
    int oldIgnoreEscapeKey = 0;
    float sparkleCounter = 0;
};
