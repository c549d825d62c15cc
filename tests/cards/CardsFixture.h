#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TEventSource.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"
#include "tests/toolkit/ToolkitFixture.h"

// A fresh Game (5 ms ticks, Delta 1, no window), a fresh current level whose layouts come
// from a temp folder, fresh card hooks and a seeded rules stream. Images are not loaded, so
// cards keep no pictures: the logic runs without them.
class CardsTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        FatalMissingAssets = 0;
        Game->LevelsPath = dir.Path().string() + "/levels/";
        CardHooks = TCardHooks();
        RulesRandom.Seed(12345);
        EffectsRandom.Seed(999);
        CurrentLevel = std::make_shared<TLevel>();
        CurrentLevel->SetGlobals();
    }
    void TearDown() override {
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        FatalMissingAssets = 1;
        ToolkitTest::TearDown();
    }

    // Writes a level file for chapter-hand into the temp levels folder.
    void WriteLevel(int chapter, int hand, const std::string& text) {
        testsupport::WriteFile(
            dir.Path() / "levels" / (std::to_string(chapter) + "-" + std::to_string(hand) + ".txt"),
            text);
    }

    TLevel& Level() { return *CurrentLevel; }
    TCardList& List() { return *CurrentLevel->cardList; }

    // A tableau card placed by hand, added to the end of the list.
    std::shared_ptr<TCard> AddTableau(int value, float x, float y, int faceUp = 1, float rot = 0) {
        auto c = std::make_shared<TCard>();
        c->value = value;
        c->tableau = c->fromTableau = 1;
        c->x = x;
        c->y = y;
        c->StoreOriginalCoords();
        c->faceUp = c->originalFaceUp = faceUp;
        c->Rotation = c->originalRotation = rot;
        List().AddLast(c);
        List().CalcListPositions();
        return c;
    }

    // A card on the foundation that is the level's top card.
    std::shared_ptr<TCard> SetFoundation(int value, int wildcard = 0) {
        auto c = std::make_shared<TCard>();
        c->value = value;
        if (wildcard) {
            c->wildcard = 1;
            c->normal = 0;
        }
        List().AddLast(c);
        c->MarkAsFoundation(1, 1);
        c->PlaceOnFoundation(0, 0);
        return c;
    }

    // Runs logic steps until no card moves or flips (at most limit steps).
    int RunUntilIdle(int limit = 2000) {
        int steps = 0;
        while (steps < limit) {
            List().Manage();
            steps++;
            if (Level().CountMoving(1) == 0) {
                bool busy = false;
                for (const auto& c : List().cards)
                    if (c->wildcardExpandCounter > 0 || c->wildcardPauseCounter > 0 ||
                        c->tableauToFanCounter > 0 || c->stockToFanCounter > 0)
                        busy = true;
                if (!busy) break;
            }
        }
        return steps;
    }
};
