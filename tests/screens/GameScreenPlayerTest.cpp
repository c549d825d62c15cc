// A scripted player plays whole hands on the real play screen, with every picture and sound
// loaded, through the window system's own event queue, and checks the cards after every tick.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "framework/TChannelArray.h"
#include "framework/TGame.h"
#include "framework/TSoundBank.h"
#include "platform/Event.h"
#include "platform/Keys.h"
#include "screens/TGameLoader.h"
#include "tests/screens/PlayScreenFixture.h"

namespace {

bool Ordinary(const TCard& c) {
    return c.normal && c.specialType == 0 && !c.wildcard;
}

bool AtRest(const TCard& c) {
    return !c.moving && !c.IsFlipping() && c.wildcardExpandCounter <= 0 &&
           c.wildcardPauseCounter <= 0 && c.tableauToFanCounter <= 0 && c.stockToFanCounter <= 0;
}

}  // namespace

class ScriptedPlayerTest : public PlayScreenTest {
protected:
    void SetUp() override {
        PlayScreenTest::SetUp();
        FatalMissingAssets = 1;
        ToolkitSoundPlayer = [](const std::string& name, float volume) {
            auto sound = SoundBank.Find(name);
            if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, volume);
        };
        loader.TitleScreen = screen.get();
        loader.Run();
        Game->SuspendedEvent = 0;
        // The loading screen waits for a click.
        PushClick(512, 725);
        for (int i = 0; i < 400 && Game->CurrentTScreen != screen.get(); ++i) Frame();
        ASSERT_EQ(Game->CurrentTScreen, screen.get());
        screen->HandFinished = [this] { finished = 1; };
        WatchEffects();
    }

    // Counts what legitimately changes the number of cards on the table.
    void WatchEffects() {
        auto original = CardHooks.StartEffect;
        CardHooks.StartEffect = [this, original](TCardEffect effect, const TCard& card) {
            if (effect == TCardEffect::Bow) bowCopies++;
            if (effect == TCardEffect::Burn && Ordinary(card)) burnt++;
            if (original) original(effect, card);
        };
    }

    void PushClick(int vx, int vy) {
        int wx = 0, wy = 0;
        Game->VirtualToWindow(vx, vy, wx, wy);
        using T = platform::Event::Type;
        ASSERT_TRUE(platform::Input::Push({T::MouseMove, 0, wx, wy}));
        ASSERT_TRUE(platform::Input::Push({T::MouseDown, 1, wx, wy}));
        ASSERT_TRUE(platform::Input::Push({T::MouseUp, 1, wx, wy}));
    }
    void PushKey(int code) {
        using T = platform::Event::Type;
        ASSERT_TRUE(platform::Input::Push({T::KeyDown, code, 0, 0}));
        ASSERT_TRUE(platform::Input::Push({T::KeyUp, code, 0, 0}));
    }

    // One logic tick of the frame loop, and now and then a drawn frame.
    void Frame() {
        Game->LogicWrapper();
        if (++frames % 40 == 0) Game->ScreenDraw();
    }

    int CountOrdinary() const {
        int n = 0;
        for (const auto& c : CurrentLevel->cardList->cards)
            if (Ordinary(*c)) n++;
        return n;
    }
    int CountWildcards() const {
        int n = 0;
        for (const auto& c : CurrentLevel->cardList->cards)
            if (c->wildcard) n++;
        return n;
    }

    void CheckCards(const std::string& where) {
        std::set<const TCard*> seen;
        for (const auto& c : CurrentLevel->cardList->cards) {
            ASSERT_TRUE(seen.insert(c.get()).second) << where << ": a card is listed twice";
            if (AtRest(*c)) {
                int places = c->tableau + c->stock + c->foundation + c->fan;
                ASSERT_EQ(places, 1)
                    << where << ": card " << c->value << " lies in " << places << " places";
            }
        }
        ASSERT_EQ(CountOrdinary(), ordinaryAtStart + bowCopies - burnt)
            << where << ": an ordinary card was lost or duplicated";
        ASSERT_LE(CountWildcards(), wildcardsAtStart)
            << where << ": a wildcard appeared from nowhere";
    }

    bool Idle() const {
        return !screen->IntroRunning() && !screen->OutroRunning() &&
               CurrentLevel->CountMoving(1) == 0 && !screen->Banking() && !screen->BlockInput &&
               !CardHooks.storyItemAnimInProgress && CardHooks.StockPileDelay <= 0 &&
               !CardHooks.BlockStockInput && !CardHooks.BlockTableauInput;
    }

    // What a person would do next: a valid card, else bank the combo, else draw, else end.
    void Act() {
        if (screen->MessageDialog || screen->GoalsDialog) {
            PushKey(platform::keys::ENTER);
            return;
        }
        auto& list = *CurrentLevel->cardList;
        std::shared_ptr<TCard> play;
        bool lockedOut = CurrentLevel->CountLocks(0) > 0 && CurrentLevel->CountLocks(1) == 0;
        for (const auto& c : list.cards) {
            if (!c->inPlay || !c->tableau || c->moving || !list.ValidPlay(*c)) continue;
            // A person does not keep clicking what the table refuses.
            if (c->specialType == TCard::SPECIAL_KEY && lockedOut) continue;
            if (c->wildcard && CardHooks.FanSlotFor(c->value) < 0) continue;
            play = c;
        }
        if (!play) {
            // A fan wildcard that fits.
            for (const auto& c : list.cards)
                if (c->fan && c->inPlay && list.ValidPlay(*c)) play = c;
        }
        if (play) {
            PushClick(static_cast<int>(play->x), static_cast<int>(play->y));
            actions++;
            return;
        }
        if (screen->EndComboActive()) {
            const auto& b = screen->EndComboButton;
            PushClick(static_cast<int>(b->x + b->w / 2), static_cast<int>(b->y + b->h / 2));
        } else if (CurrentLevel->topStockCard) {
            PushClick(static_cast<int>(CurrentLevel->topStockCard->x),
                      static_cast<int>(CurrentLevel->topStockCard->y));
        } else if (screen->EndHandButton->Active) {
            const auto& b = screen->EndHandButton;
            PushClick(static_cast<int>(b->x + b->w / 2), static_cast<int>(b->y + b->h / 2));
        }
        actions++;
    }

    // Plays chapter-hand to its end; false when it never ended.
    bool PlayHand(int chapter, int hand, bool allShop) {
        for (int i = 0; i < TSaveData::SHOP_ITEMS; ++i)
            SaveData->shopPurchases[static_cast<size_t>(i)] = allShop ? 2 : 0;
        Player->Level = chapter;
        SaveData->hand = hand;
        screen->StartLevel();
        finished = 0;
        bowCopies = burnt = 0;
        ordinaryAtStart = CountOrdinary();
        wildcardsAtStart = CountWildcards();
        std::ostringstream where;
        where << "hand " << chapter << "-" << hand << (allShop ? " (shop)" : "");
        int idleTicks = 0;
        for (int tick = 0; tick < 200000 && !finished; ++tick) {
            Frame();
            if (finished) break;
            CheckCards(where.str() + " tick " + std::to_string(tick));
            if (HasFatalFailure()) return false;
            if (Idle() || screen->MessageDialog || screen->GoalsDialog) {
                if (++idleTicks >= 3) {
                    Act();
                    idleTicks = 0;
                }
            }
        }
        return finished != 0;
    }

    TGameLoader loader;
    int finished = 0;
    int frames = 0;
    int actions = 0;
    int ordinaryAtStart = 0, wildcardsAtStart = 0;
    int bowCopies = 0, burnt = 0;
};

TEST_F(ScriptedPlayerTest, PlaysThirtyHandsAcrossTheChaptersWithAndWithoutTheShop) {
    int played = 0;
    for (int i = 0; i < 30; ++i) {
        int chapter = 1 + (i * 7) % MAX_CHAPTERS;
        int hands = handsPerChapter[static_cast<size_t>(chapter - 1)];
        int hand = 1 + (i * 3) % hands;
        bool shop = i % 2 == 1;
        ASSERT_TRUE(PlayHand(chapter, hand, shop))
            << "hand " << chapter << "-" << hand << " never ended";
        played++;
    }
    EXPECT_EQ(played, 30);
    EXPECT_GT(actions, 30 * 20);
}
