#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/TRandom.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "screens/TGameScreen.h"
#include "tests/screens/ShippedDataFixture.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

// The play screen over the generated data folder without loading its pictures (cards keep
// none, so the logic runs at full speed), fresh progress, hooks and seeded streams, and the
// sounds it plays recorded by name. Hands come from the shipped layouts or from a layout the
// test writes.
class PlayScreenTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        FatalMissingAssets = 0;
        LoadGameFonts();
        ToolkitTextLookup = nullptr;
        ToolkitSoundPlayer = [this](const std::string& name, float) { sounds.push_back(name); };
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        Player = std::make_shared<TPlayer>();
        SaveData = std::make_shared<TSaveData>();
        SaveData->showTips = 0;
        CurrentLevel = std::make_shared<TLevel>();
        RulesRandom.Seed(2024);
        EffectsRandom.Seed(7);
        screen = std::make_unique<TGameScreen>();
        screen->HandFinished = [this] { handsFinished++; };
    }
    void TearDown() override {
        screen.reset();
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        ToolkitSoundPlayer = nullptr;
        FatalMissingAssets = 1;
        ShippedDataTest::TearDown();
    }

    static constexpr int OPEN_ROW = 7;
    static constexpr int OPEN_CARDS = 2 * OPEN_ROW;

    // Fourteen face-up cards in two rows that cover nothing: every one is free.
    void UseOpenLayout(int chapter, int hand) {
        Game->LevelsPath = dir.Path().string() + "/levels/";
        std::string text;
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < OPEN_ROW; ++i)
                text += std::to_string(110 + i * 130) + "," + std::to_string(200 + row * 200) +
                        ",1,0,0,0\n";
        testsupport::WriteFile(
            dir.Path() / "levels" / (std::to_string(chapter) + "-" + std::to_string(hand) + ".txt"),
            text);
    }

    // Deals chapter-hand and runs the intro to its end.
    void StartHand(int chapter, int hand) {
        Player->Level = chapter;
        SaveData->hand = hand;
        screen->Start();
        Game->GameFade.Active = 0;  // the frame loop's fade-in is not run here
        for (int i = 0; i < 3000 && screen->IntroRunning(); ++i) Tick();
        ASSERT_FALSE(screen->IntroRunning());
        sounds.clear();
    }

    void Tick() {
        screen->Logic();
        Game->Mouse.ClearMouseHit();
        FlushKeyboard();
    }

    // Ticks until nothing moves, banks or waits (at most limit ticks).
    void Settle(int limit = 4000) {
        for (int i = 0; i < limit; ++i) {
            Tick();
            if (CurrentLevel->CountMoving(1) == 0 && !screen->Banking() &&
                CardHooks.StockPileDelay <= 0 && !CardHooks.storyItemAnimInProgress &&
                !screen->BlockInput)
                return;
        }
    }

    void ClickAt(float x, float y) {
        Game->Mouse.MoveTo(static_cast<int>(x), static_cast<int>(y));
        Game->Mouse.h1 = 1;
        Game->Mouse.CalcButtonTotals();
        Tick();
    }
    void Click(const std::shared_ptr<TCard>& card) { ClickAt(card->x, card->y); }
    void ClickButton(const std::shared_ptr<TButton>& b) {
        ClickAt(b->x + b->w / 2.0f, b->y + b->h / 2.0f);
    }
    void ClickStock() { Click(CurrentLevel->topStockCard); }

    TCardList& List() { return *CurrentLevel->cardList; }
    std::vector<std::shared_ptr<TCard>> Tableau() {
        std::vector<std::shared_ptr<TCard>> out;
        for (const auto& c : List().cards)
            if (c->tableau) out.push_back(c);
        return out;
    }
    // Gives the tableau cards the values of a run up from the foundation card, so every
    // card plays in list order.
    void MakeRun() {
        int f = CurrentLevel->topFoundationCard->value;
        int v = f;
        for (const auto& c : Tableau()) {
            v = v % 13 + 1;
            c->value = v;
            c->suit = 0;
            c->wildcard = 0;
            c->normal = 1;
            c->specialType = 0;
            c->bow = c->originalBow = 0;
            c->lockCounter = c->originalLockCounter = 0;
        }
    }
    // Plays the first n cards of the run, each landing before the next.
    void PlayRun(int n) {
        auto cards = Tableau();
        for (int i = 0; i < n && i < static_cast<int>(cards.size()); ++i) {
            Click(cards[static_cast<size_t>(i)]);
            Settle();
        }
    }
    int Count(const std::string& sound) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
    }

    std::unique_ptr<TGameScreen> screen;
    std::vector<std::string> sounds;
    int handsFinished = 0;
};
