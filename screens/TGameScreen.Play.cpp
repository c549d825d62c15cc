// The play screen's buttons, undo, and the combo with its banking into the multiplier.
#include "screens/TGameScreen.h"

#include <algorithm>

#include "cards/TCardHooks.h"
#include "cards/THUDPowerup.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {
const TColor CAPTION{62, 16, 0};
}  // namespace

// --- Buttons --------------------------------------------------------------------------------

std::shared_ptr<TButton> TGameScreen::MakeButton(const std::string& image, float x, float y,
                                                 int useMenuPath, int downMs, float glow) {
    auto b =
        TButton::CreateSpecial(image, image + "MO", "ButtonMO", "buttonclick", x, y, useMenuPath);
    b->LoadMouseClick(image + "_down", downMs);
    b->SetFixedGlowOnMO(glow, 0.005f, 0);
    return b;
}

void TGameScreen::LoadButtons() {
    UndoButton = MakeButton("HUD/Undo", UNDO_X, UNDO_Y, 0, 200, 0.2f);
    UndoButton->LoadDisabled("HUD/Undo_disabled", 0);
    UndoButton->SetupCaption("1", 1, TColor::Create(CAPTION.R, CAPTION.G, CAPTION.B), nullptr,
                             FindGameFont("Button"), nullptr);

    float stockLeft = static_cast<float>(STOCK_X - TCard::HALF_WIDTH);
    float stockTop = static_cast<float>(STOCK_Y - TCard::HALF_HEIGHT);
    EndComboButton = MakeButton("HUD/End Combo", stockLeft, stockTop, 0, 150, 0.25f);
    EndHandButton = MakeButton("HUD/End Hand", stockLeft, stockTop, 0, 150, 0.25f);
    SkipStoryButton = MakeButton("HUD/Skip Story", 860, 708, 0, 150, 0.2f);
    SkipStoryButton->Active = 0;

    MenuButton = MakeButton("Menu", 904, 6, 1, 200, 0.2f);
    GoalsButton = MakeButton("Goals", 784, 8, 1, 200, 0.2f);
}

void TGameScreen::ResetButtons() {
    for (auto* b : {&UndoButton, &EndComboButton, &EndHandButton, &MenuButton, &GoalsButton})
        if (*b) {
            (*b)->ClearClick();
            (*b)->ClearMouseOver();
        }
    if (EndComboButton) EndComboButton->Active = 0;
    if (EndHandButton) EndHandButton->Active = 0;
    if (MenuButton) MenuButton->Active = 1;
    if (GoalsButton) GoalsButton->Active = 1;
    CardHooks.endHandButtonVisible = 0;
    SetUndoButtonCaption();
}

void TGameScreen::SetUndoButtonCaption() {
    if (!UndoButton || !UndoButton->Caption || !Player) return;
    UndoButton->Caption->SetText(std::to_string(std::max(0, Player->UndosLeft)));
}

void TGameScreen::SetUndoButtonState(int enabled) {
    CardHooks.undoEnabled = enabled;
}

void TGameScreen::ShowEndHandButton() {
    CardHooks.endHandButtonVisible = 1;
}

void TGameScreen::HideEndHandButton() {
    CardHooks.endHandButtonVisible = 0;
    if (EndHandButton) EndHandButton->Active = 0;
}

bool TGameScreen::EndComboActive() const {
    return EndComboButton && EndComboButton->Active;
}

int TGameScreen::ManageButtons() {
    bool busy = CurrentLevel->CountMoving(1) > 0 || OutroRunning() ||
                CardHooks.HUDPowerupBlockInput || THUDPowerup::HUDPowerupIsActive() ||
                EndComboAnimActive || BlockInput ||
                (CardHooks.PowerupBlocksInput && CardHooks.PowerupBlocksInput());
    // The undo button shows whether an undo is possible right now.
    if (UndoButton) UndoButton->Disabled = (CardHooks.undoEnabled && Player->UndosLeft > 0) ? 0 : 1;
    if (EndHandButton)
        EndHandButton->Active = CardHooks.endHandButtonVisible && !EndComboActive() &&
                                !OutroRunning() && !CurrentLevel->topStockCard;
    if (OutroRunning()) return 0;

    if (MenuButton && MenuButton->Manage()) {
        MenuButton->ClearClick();
        MenuDialog = CreateConfirmDialog(ToolkitText("Menu Restart Question"));
        return 1;
    }
    if (GoalsButton && GoalsButton->Manage()) {
        GoalsButton->ClearClick();
        OpenGoals();
        return 1;
    }
    if (busy) return 0;
    if (UndoButton && UndoButton->Manage()) {
        UndoButton->ClearClick();
        UndoClicked();
        return 1;
    }
    if (EndComboButton && EndComboButton->Active && EndComboButton->Manage()) {
        EndComboButton->ClearClick();
        StartEndComboAnim();
        return 1;
    }
    if (EndHandButton && EndHandButton->Active && EndHandButton->Manage()) {
        EndHandButton->ClearClick();
        EndHand();
        return 1;
    }
    return 0;
}

// --- Undo -----------------------------------------------------------------------------------

void TGameScreen::UndoClicked() {
    if (!CardHooks.undoEnabled || !Player || Player->UndosLeft <= 0) return;
    Player->UndosLeft--;
    SetUndoButtonCaption();
    SetUndoButtonState(0);
    StartUndo();
}

void TGameScreen::StartUndo() {
    auto& list = *CurrentLevel->cardList;
    if (Player->ComboEndedWithNoStockCards) {
        // The combo banked with the stock empty comes back to be played on.
        Player->ComboEndedWithNoStockCards = 0;
        HideEndHandButton();
        Player->RestoreCombo();
        Log("Undo: combo restored");
        return;
    }
    if (list.lastMoveWasStockWildcardToFan && list.lastFanWildcard && list.lastFanWildcard->fan) {
        auto w = list.lastFanWildcard;
        list.lastMoveWasStockWildcardToFan = 0;
        list.lastFanWildcard = nullptr;
        BlockInput = 1;
        CardHooks.BlockStockInput = CardHooks.BlockTableauInput = 1;
        w->StartFanToStockAnim();
        PlayToolkitSound("flip");
        PlayToolkitSound("arcundo");
        Log("Undo: wildcard back to the stock");
        return;
    }
    auto top = CurrentLevel->topFoundationCard;
    if (!top) return;
    BlockInput = 1;
    CardHooks.BlockStockInput = CardHooks.BlockTableauInput = 1;
    if (top->fromStock) {
        top->StartFoundationToStockAnim();
        Log("Undo: card back to the stock");
    } else if (top->fromFan) {
        top->StartFoundationToFanAnim();
        Log("Undo: wildcard back to the fan");
    } else {
        top->StartFoundationToTableauAnim();
        PlayToolkitSound("arcundo");
        Player->UndoTableauPlay();
        Log("Undo: card back to the tableau");
    }
}

// --- Combo ----------------------------------------------------------------------------------

void TGameScreen::PlaceEndComboButton() {
    if (!EndComboButton) return;
    auto top = CurrentLevel ? CurrentLevel->topStockCard : nullptr;
    float cx = top ? top->x : static_cast<float>(STOCK_X);
    EndComboButton->SetPosition(cx - TCard::HALF_WIDTH,
                                static_cast<float>(STOCK_Y - TCard::HALF_HEIGHT));
}

void TGameScreen::StartCombo() {
    showComboPanel = 1;
    comboPanelCounter.Init(0, 90, 1.5f, 1);
    PlaceEndComboButton();
    if (EndComboButton) {
        EndComboButton->Active = 1;
        EndComboButton->ClearClick();
    }
    if (CurrentLevel && CurrentLevel->topStockCard) CurrentLevel->topStockCard->inPlay = 0;
    if (EndHandButton) EndHandButton->Active = 0;
    PlayToolkitSound("slidein");
    PlayToolkitSound("combostart");
    if (SaveData && SaveData->showTips && !comboTipShown && !MessageDialog) {
        comboTipShown = 1;
        MessageDialog = CreateMessageDialog(ToolkitText("Combo Started Header"),
                                            ToolkitText("Combo Started Body"));
    }
}

void TGameScreen::HideComboPanel() {
    if (showComboPanel) {
        comboPanelCounter.Init(90, 180, 1.5f, 1);
        PlayToolkitSound("slideout");
    }
    showComboPanel = 0;
    if (EndComboButton) EndComboButton->Active = 0;
    if (CurrentLevel && CurrentLevel->topStockCard) CurrentLevel->topStockCard->inPlay = 1;
}

void TGameScreen::ResetComboPanel() {
    showComboPanel = 0;
    comboPanelCounter.Init(0, 90, 1.5f, 1);
    comboPanelCounter.Counter = 0;
    comboPanelCounter.ratio = 0;
    if (EndComboButton) EndComboButton->Active = 0;
}

void TGameScreen::StartEndComboAnim() {
    if (!EndComboActive() || EndComboAnimActive) return;
    HideComboPanel();
    if (CurrentLevel && CurrentLevel->topStockCard) CurrentLevel->topStockCard->inPlay = 0;
    BlockInput = 1;
    CardHooks.BlockStockInput = CardHooks.BlockTableauInput = 1;
    Player->IncreaseMultiplierValue = std::max(0, Player->Combo - Player->ComboMin + 1);
    EffectEndOfCombo(TopEffects, 512, COMBO_PANEL_Y - COMBO_PANEL_SLIDE_RANGE / 2.0f);
    PlayToolkitSound("comboend");
    EndComboAnimCounter = MsToTicks(END_COMBO_ANIM_LENGTH);
    EndComboAnimActive = 1;
    ProgressHooks.Achievement("ComboFirst");
    if (Player->Combo > 19) ProgressHooks.Achievement("Combo20");
    if (Player->Combo > 34) ProgressHooks.Achievement("Combo35");
    Log("Combo banked: " + std::to_string(Player->Combo) + " cards, " +
        std::to_string(Player->IncreaseMultiplierValue) + " stages");
}

void TGameScreen::ManageEndComboAnim() {
    if (!EndComboAnimActive) return;
    EndComboAnimCounter -= Delta;
    if (EndComboAnimCounter <= 0) StopEndComboAnim();
}

void TGameScreen::StopEndComboAnim() {
    EndComboAnimActive = 0;
    EndComboAnimCounter = 0;
    int n = Player->IncreaseMultiplierValue;
    n = std::min(n, TPlayer::MAX_MULTIPLIER_STAGE - Player->MultiplierStage);
    Player->IncreaseMultiplierValue = std::max(0, n);
    if (n <= 0) {
        PlayToolkitSound("pearl");
        StopEndComboAnimPart2();
        return;
    }
    pearlFlights.clear();
    for (int i = 0; i < n; ++i) {
        PearlFlight f;
        f.stage = Player->MultiplierStage + i;
        f.delay = MsToTicks(static_cast<float>(PEARL_GAP_MS * i));
        pearlFlights.push_back(f);
    }
}

void TGameScreen::ManagePearls() {
    if (pearlFlights.empty()) return;
    float flight = MsToTicks(PEARL_FLIGHT_MS);
    bool all = true;
    for (auto& f : pearlFlights) {
        if (f.landed) continue;
        if (f.delay > 0) {
            f.delay -= Delta;
            all = false;
            continue;
        }
        f.t += Delta;
        if (f.t >= flight) {
            f.landed = 1;
            PlayToolkitSound("shortpearl");
        } else {
            all = false;
        }
    }
    if (all) {
        pearlFlights.clear();
        StopEndComboAnimPart2();
    }
}

void TGameScreen::StopEndComboAnimPart2() {
    int before = Player->MultiplierStage;
    // The banked run stays the last combo, so undoing the draw that follows gives it back.
    int banked = Player->Combo;
    Player->IncreaseMultiplier(Player->IncreaseMultiplierValue);
    Player->IncreaseMultiplierValue = 0;
    Player->Combo = 0;
    Player->lastCombo = banked;
    BlockInput = 0;
    CardHooks.BlockStockInput = CardHooks.BlockTableauInput = 0;
    if (OutroRunning()) {
        Player->ClearCombo();
    } else if (!CurrentLevel->topStockCard) {
        ShowEndHandButton();
        Player->ComboEndedWithNoStockCards = 1;
    } else {
        CurrentLevel->topStockCard->inPlay = 1;
        CurrentLevel->DrawCardFromStock(0);
        Player->lastCombo = banked;
        CardHooks.StockPileDelay = TCard::Steps(200);
        Player->ComboEndedWithNoStockCards = 0;
    }
    int after = Player->MultiplierStage;
    if (before < 10 && after >= 10) ProgressHooks.Achievement("Multiplier2x");
    if (before < TPlayer::MAX_MULTIPLIER_STAGE && after >= TPlayer::MAX_MULTIPLIER_STAGE) {
        ProgressHooks.Achievement("Multiplier5x");
        EffectFiveTimesMultiplier(TopEffects, MULTIPLIER_X, MULTIPLIER_Y);
    }
}

int TGameScreen::ShownStage() const {
    if (!Player) return 0;
    if (Banking()) {
        int landed = 0;
        for (const auto& f : pearlFlights)
            if (f.landed) landed++;
        return std::min(TPlayer::MAX_MULTIPLIER_STAGE, Player->MultiplierStage + landed);
    }
    return Player->MultiplierStage;
}

int TGameScreen::ShownGold() const {
    return Player ? Player->GetReducedGoldValue() : 0;
}
