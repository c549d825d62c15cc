#include <gtest/gtest.h>

#include <string>

#include "framework/Keyboard.h"
#include "platform/Keys.h"
#include "tests/screens/PlayScreenFixture.h"

namespace {
constexpr int OPEN_CHAPTER = 1;
constexpr int OPEN_HAND = 2;
}  // namespace

TEST_F(PlayScreenTest, StartingAHandDealsItAndGivesThePlayerTheirUndos) {
    SaveData->shopPurchases[33] = 2;  // Gloves 1
    StartHand(3, 2);
    EXPECT_EQ(screen->Chapter(), 3);
    EXPECT_EQ(screen->Hand(), 2);
    EXPECT_GT(CurrentLevel->CountTableau(), 0);
    EXPECT_TRUE(CurrentLevel->topFoundationCard);
    EXPECT_EQ(Player->UndosLeft, 2);
    EXPECT_EQ(screen->UndoButton->Caption->Text, "2");
    EXPECT_EQ(screen->BackgroundFileName, "Backgrounds/bg3.jpg");
    // Cards that lie free are face up and in play once the intro is over.
    for (const auto& c : Tableau()) {
        if (c->IsUnblocked() && c->lockCounter == 0) {
            EXPECT_TRUE(c->faceUp && c->inPlay);
        }
    }
}

TEST_F(PlayScreenTest, TwoStockClicksWithin200MsDrawOneCard) {
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    int stock = CurrentLevel->CountStock();
    ClickStock();
    for (int i = 0; i < 10; ++i) Tick();  // 50 ms: the first card still flies
    ClickStock();
    Settle();
    EXPECT_EQ(CurrentLevel->CountStock(), stock - 1);
    // After the delay the stock answers again.
    ClickStock();
    Settle();
    EXPECT_EQ(CurrentLevel->CountStock(), stock - 2);
}

TEST_F(PlayScreenTest, SpaceBarDrawsOrPressesEndCombo) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    int stock = CurrentLevel->CountStock();
    KeyHitCounts[platform::keys::SPACE] = 1;
    Tick();
    Settle();
    EXPECT_EQ(CurrentLevel->CountStock(), stock - 1) << "space draws";

    MakeRun();
    PlayRun(6);
    ASSERT_TRUE(screen->EndComboActive());
    KeyHitCounts[platform::keys::SPACE] = 1;
    Tick();
    EXPECT_TRUE(screen->Banking()) << "space presses End Combo while it covers the stock";
    Settle();
    EXPECT_EQ(Player->MultiplierStage, 1);
}

struct ComboCase {
    int run;
    bool endCombo;  // bank with End Combo, else draw (the button would bank instead)
    int stage;
};

class ComboBanking : public PlayScreenTest, public ::testing::WithParamInterface<ComboCase> {};

TEST_P(ComboBanking, AddsOneStagePerCardFromTheMinimum) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    const ComboCase& c = GetParam();
    PlayRun(c.run);
    EXPECT_EQ(Player->Combo, c.run);
    if (c.endCombo) {
        ASSERT_TRUE(screen->EndComboActive());
        ClickButton(screen->EndComboButton);
    } else {
        ASSERT_FALSE(screen->EndComboActive());
        ClickStock();
    }
    Settle();
    EXPECT_EQ(Player->MultiplierStage, c.stage);
    EXPECT_EQ(Player->Combo, 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, ComboBanking,
                         ::testing::Values(ComboCase{5, false, 0}, ComboCase{6, true, 1},
                                           ComboCase{12, true, 7}),
                         [](const auto& info) {
                             return "Run" + std::to_string(info.param.run) +
                                    (info.param.endCombo ? "EndCombo" : "Draw");
                         });

TEST_F(PlayScreenTest, BankingStopsAtTheTopStageWithTheRemainingPearls) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    Player->MultiplierStage = 28;
    MakeRun();
    PlayRun(10);  // five stages' worth
    ASSERT_TRUE(screen->EndComboActive());
    ClickButton(screen->EndComboButton);
    EXPECT_EQ(Player->IncreaseMultiplierValue, 5);
    int pearls = 0;
    for (int i = 0; i < 2000 && screen->Banking(); ++i) {
        Tick();
        pearls = std::max(pearls, screen->ShownStage() - 28);
    }
    EXPECT_EQ(pearls, 2);
    EXPECT_EQ(Player->MultiplierStage, 30);
    EXPECT_FLOAT_EQ(Player->MultiplierValues[static_cast<size_t>(Player->MultiplierStage)], 5.0f);
    EXPECT_EQ(Count("pearl"), 0) << "pearls flew";
}

TEST_F(PlayScreenTest, UndoOfTheCardThatMadeTheComboHidesThePanel) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    PlayRun(6);
    ASSERT_TRUE(screen->showComboPanel);
    ASSERT_FALSE(CurrentLevel->topStockCard->inPlay) << "the stock is out of play in a combo";
    ClickButton(screen->UndoButton);
    Settle();
    EXPECT_EQ(Player->Combo, 5);
    EXPECT_FALSE(screen->showComboPanel);
    EXPECT_FALSE(screen->EndComboActive());
    EXPECT_TRUE(CurrentLevel->topStockCard->inPlay);
    EXPECT_EQ(Player->UndosLeft, 0);
    EXPECT_EQ(CurrentLevel->CountTableau(), OPEN_CARDS - 5);
}

TEST_F(PlayScreenTest, UndoOfTheDrawAfterBankingGivesTheComboBack) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    PlayRun(7);
    ClickButton(screen->EndComboButton);
    Settle();
    ASSERT_EQ(Player->MultiplierStage, 2);
    ClickButton(screen->UndoButton);
    Settle();
    EXPECT_EQ(Player->Combo, 7);
    EXPECT_EQ(Player->MultiplierStage, 0) << "the banked stages come off again";
    EXPECT_TRUE(screen->EndComboActive());
}

TEST_F(PlayScreenTest, UndoTakesBackTheCoinOfTheCardItReturns) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    auto played = Tableau().front();
    ASSERT_EQ(played->goldAward, 10) << "a card that covers nothing carries a coin";
    int gold = Player->levelGoldCollected;
    Click(played);
    for (int i = 0; i < 20; ++i) Tick();
    EXPECT_EQ(Player->levelGoldCollected, gold + 10);
    EXPECT_EQ(screen->ShownGold(), gold) << "the coin is still on its way";
    Settle();
    for (int i = 0; i < 200; ++i) Tick();
    EXPECT_EQ(screen->ShownGold(), gold + 10) << "the coin has landed";
    ASSERT_TRUE(CardHooks.undoEnabled);
    ClickButton(screen->UndoButton);
    Settle();
    EXPECT_EQ(Player->levelGoldCollected, gold);
    EXPECT_TRUE(played->tableau && played->inPlay);
    EXPECT_EQ(CurrentLevel->topFoundationCard->value, played->value == 1 ? 13 : played->value - 1);
    EXPECT_FALSE(CardHooks.undoEnabled) << "one undo per hand";
}

TEST_F(PlayScreenTest, WithTheStockEmptyTheHandGoesOnUntilEndHand) {
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    while (CurrentLevel->topStockCard) {
        ClickStock();
        Settle();
    }
    ASSERT_GT(CurrentLevel->CountTableau(), 0);
    for (int i = 0; i < 400; ++i) Tick();
    EXPECT_FALSE(screen->OutroRunning());
    EXPECT_TRUE(screen->EndHandButton->Active);
    ClickButton(screen->EndHandButton);
    EXPECT_TRUE(screen->OutroRunning());
    for (int i = 0; i < 3000 && handsFinished == 0; ++i) Tick();
    EXPECT_EQ(handsFinished, 1);
}

TEST_F(PlayScreenTest, ClearingTheTableauEndsTheHandAndLeavesNoUndo) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    PlayRun(OPEN_CARDS - 1);
    ASSERT_FALSE(screen->OutroRunning());
    auto last = Tableau().front();
    Click(last);
    Settle(200);
    EXPECT_TRUE(screen->OutroRunning());
    ClickButton(screen->UndoButton);
    Tick();
    EXPECT_EQ(Player->UndosLeft, 1) << "the hand is over: undo does nothing";
    for (int i = 0; i < 3000 && handsFinished == 0; ++i) Tick();
    EXPECT_EQ(handsFinished, 1);
    EXPECT_EQ(Player->MultiplierStage, OPEN_CARDS - 5)
        << "the running combo was banked by the outro";
}

TEST_F(PlayScreenTest, AKeyWastedInAHandWithoutLocksKeepsUndoDisabled) {
    UseOpenLayout(OPEN_CHAPTER, OPEN_HAND);
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    MakeRun();
    PlayRun(1);
    ASSERT_TRUE(CardHooks.undoEnabled);
    auto key = Tableau().back();
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    Click(key);
    Settle();
    EXPECT_FALSE(key->tableau);
    EXPECT_FALSE(CardHooks.PointerIsKey) << "wasted: the pointer stays";
    EXPECT_FALSE(CardHooks.undoEnabled);
    EXPECT_EQ(Count("keywasted"), 1);
    ClickButton(screen->UndoButton);
    Settle();
    EXPECT_EQ(Player->UndosLeft, 1);
}

TEST_F(PlayScreenTest, ManyFlipsInOneStepSoundOnce) {
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    for (const auto& c : Tableau()) c->StartFlipAnim(0);
    Tick();
    EXPECT_EQ(Count("flip"), 1);
}

TEST_F(PlayScreenTest, CtrlKeysRestartAndJumpToTheEnd) {
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    KeyDownStates[platform::keys::LCONTROL] = 1;
    KeyHitCounts['J'] = 1;
    screen->SpecificKeys();
    EXPECT_TRUE(screen->OutroRunning());
    EXPECT_EQ(screen->JumpToLevelEndUsed, 1);
    KeyDownStates[platform::keys::LCONTROL] = 0;
}

struct TipCase {
    int x, y;
    int shopItem, shopItem2;  // bought first, or -1
    const char* key;
};

class ToolTips : public PlayScreenTest, public ::testing::WithParamInterface<TipCase> {};

TEST_P(ToolTips, ShowTheKeyOfTheRegionUnderThePointer) {
    SaveData->showTips = 1;
    const TipCase& c = GetParam();
    for (int item : {c.shopItem, c.shopItem2})
        if (item >= 0) SaveData->shopPurchases[static_cast<size_t>(item)] = 2;
    StartHand(OPEN_CHAPTER, OPEN_HAND);
    if (screen->MessageDialog) screen->MessageDialog.reset();
    Game->Mouse.MoveTo(c.x, c.y);
    Tick();
    ASSERT_TRUE(screen->toolTip);
    EXPECT_EQ(screen->toolTip->Text, c.key);
}

INSTANTIATE_TEST_SUITE_P(Regions, ToolTips,
                         ::testing::Values(TipCase{50, 700, -1, -1, "Tooltip Keep Playing"},
                                           TipCase{50, 700, 27, -1, "Tooltip Cupid 1"},
                                           TipCase{50, 700, 27, 28, "Tooltip Cupid 2"},
                                           TipCase{150, 700, 11, -1, "Tooltip Shuffle"},
                                           TipCase{260, 700, 25, -1, "Tooltip Phoenix 1"},
                                           TipCase{260, 700, 25, 26, "Tooltip Phoenix 2"},
                                           TipCase{340, 660, -1, -1, "Tooltip Keep Playing"},
                                           TipCase{340, 660, 37, -1, "Tooltip Stock Cards Left"},
                                           TipCase{660, 660, -1, -1, "Tooltip Undo Button"},
                                           TipCase{180, 40, -1, -1, "Tooltip Gold Multiplier"}),
                         [](const auto& info) {
                             std::string name = info.param.key;
                             std::erase(name, ' ');
                             return name + "_" + std::to_string(info.index);
                         });
