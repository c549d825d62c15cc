// A scripted player plays whole hands on the real play screen, with every picture and sound
// loaded, through the window system's own event queue, and checks the cards after every tick.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cards/THUDPowerup.h"
#include "framework/TChannelArray.h"
#include "framework/TGame.h"
#include "framework/TGameText.h"
#include "framework/TSoundBank.h"
#include "platform/Event.h"
#include "platform/Keys.h"
#include "screens/TGameLoader.h"
#include "screens/TLevelCompleteScreen.h"
#include "tests/screens/PlayScreenFixture.h"
#include "toolkit/TDialogYesNo.h"

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
        ToolkitTextLookup = [](const std::string& key) { return GameText.FindString(key); };
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
    void PushClick(const TButton& b) {
        PushClick(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
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
        for (const auto& c : THUDPowerup::BurningCards())
            if (Ordinary(*c)) takenOff.insert(c.get());
        ASSERT_EQ(CountOrdinary() + static_cast<int>(takenOff.size()),
                  ordinaryAtStart + bowCopies - burnt)
            << where << ": an ordinary card was lost or duplicated";
        ASSERT_LE(CountWildcards(), wildcardsAtStart)
            << where << ": a wildcard appeared from nowhere";
    }

    bool Idle() const {
        return !screen->IntroRunning() && !screen->OutroRunning() &&
               (!THUDPowerup::HUDPowerupIsActive() || CardHooks.IsCupidArmed()) &&
               !CardHooks.HUDPowerupBlockInput && CurrentLevel->CountMoving(1) == 0 &&
               !screen->Banking() && !screen->BlockInput && !CardHooks.storyItemAnimInProgress &&
               CardHooks.StockPileDelay <= 0 && !CardHooks.BlockStockInput &&
               !CardHooks.BlockTableauInput;
    }

    // What a person would do next: a valid card, else bank the combo, else draw, else end.
    void Act() {
        if (screen->MessageDialog || screen->GoalsDialog) {
            PushKey(platform::keys::ENTER);
            return;
        }
        auto& list = *CurrentLevel->cardList;
        // With Cupid armed, an arrow for a free card.
        if (CardHooks.IsCupidArmed()) {
            for (const auto& c : list.cards)
                if (c->tableau && c->inPlay && c->specialType == 0 && !c->targeted) {
                    PushClick(static_cast<int>(c->x), static_cast<int>(c->y));
                    powerupShots++;
                    return;
                }
        }
        // A charged powerup is fired as soon as it can be.
        for (const auto& p : THUDPowerup::Powerups) {
            if (!p || p->GetPowerLevel() < 1 || !p->IsCharged() || !p->HasValidMove() ||
                THUDPowerup::HUDPowerupIsActive())
                continue;
            PushClick(p->HUDLocation.X + 50, p->HUDLocation.Y + 60);
            powerupsFired++;
            return;
        }
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
            PushClick(*screen->EndComboButton);
        } else if (CurrentLevel->topStockCard) {
            PushClick(static_cast<int>(CurrentLevel->topStockCard->x),
                      static_cast<int>(CurrentLevel->topStockCard->y));
        } else if (screen->EndHandButton->Active) {
            PushClick(*screen->EndHandButton);
        }
        actions++;
    }

    // What holds the hand up, for a hand that never ends.
    std::string State() const {
        std::ostringstream out;
        out << "intro " << screen->IntroRunning() << " outro " << screen->OutroRunning()
            << " moving " << CurrentLevel->CountMoving(1) << " banking " << screen->Banking()
            << " block " << screen->BlockInput << CardHooks.BlockStockInput
            << CardHooks.BlockTableauInput << " hudblock " << CardHooks.HUDPowerupBlockInput
            << " powerup active " << THUDPowerup::HUDPowerupIsActive() << " cupid "
            << CardHooks.IsCupidArmed() << " story " << CardHooks.storyItemAnimInProgress << " key "
            << CardHooks.PointerIsKey << " stock " << CurrentLevel->CountStock() << " tableau "
            << CurrentLevel->CountTableau() << " endhand " << screen->EndHandButton->Active
            << " endcombo " << screen->EndComboActive() << " dialog "
            << (screen->MessageDialog || screen->GoalsDialog);
        for (const auto& c : CurrentLevel->cardList->cards)
            if (c->moving || c->IsFlipping())
                out << "\n  moving card " << c->value << " t" << c->tableau << " s" << c->stock
                    << " f" << c->foundation << " fan" << c->fan << " at " << c->x << "," << c->y;
        return out.str();
    }

    // The hand-complete panel as a person answers it: OK (Next), then Next again when the
    // chapter's goals failed in normal play, OK in hard play, Continue after a first hand.
    void ActOnPanel() {
        auto& panel = *screen->LevelComplete;
        if (panel.failedGoalsDialog) {
            failedGoalsSeen = 1;
            bool question = dynamic_cast<TDialogYesNo*>(panel.failedGoalsDialog.get()) != nullptr;
            PushKey(question ? platform::keys::KEY_A + ('N' - 'A') : platform::keys::ENTER);
        } else if (panel.DialogOK || panel.CurrentMessage) {
            PushKey(platform::keys::ENTER);
        } else if (panel.Active == 1 && panel.OKButton && panel.OKButton->Active &&
                   !panel.OKButton->Disabled && !panel.SlidingIn()) {
            PushClick(*panel.OKButton);
        } else if (panel.Active == 2 && panel.ContinueButton && panel.ContinueButton->Active) {
            PushClick(*panel.ContinueButton);
        }
    }

    // Plays every hand of a chapter through the panel; false when play got stuck.
    bool PlayChapter(int chapter, int hard) {
        screen->HandFinished = nullptr;
        SaveData->timer = hard;
        Player->Level = chapter;
        SaveData->hand = 1;
        screen->StartLevel();
        int hands = handsPerChapter[static_cast<size_t>(chapter - 1)];
        int started = 1;
        bool wasIntro = true;
        int idleTicks = 0;
        for (int tick = 0; tick < 400000; ++tick) {
            Frame();
            if (Game->CurrentTScreen != screen.get()) continue;  // passing through
            bool intro = screen->IntroRunning();
            if (intro && !wasIntro) started++;
            wasIntro = intro;
            if (started > hands) return true;
            if (++idleTicks < 4) continue;
            idleTicks = 0;
            if (screen->LevelComplete->Active) {
                panelsShown = std::max(panelsShown, started);
                ActOnPanel();
            } else if (Idle() || screen->MessageDialog || screen->GoalsDialog) {
                Act();
            }
        }
        return false;
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
        takenOff.clear();
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
    std::set<const TCard*> takenOff;
    int powerupsFired = 0, powerupShots = 0;
    int failedGoalsSeen = 0, panelsShown = 0;
};

TEST_F(ScriptedPlayerTest, PlaysThirtyHandsAcrossTheChaptersWithAndWithoutTheShop) {
    int played = 0;
    for (int i = 0; i < 30; ++i) {
        int chapter = 1 + (i * 7) % MAX_CHAPTERS;
        int hands = handsPerChapter[static_cast<size_t>(chapter - 1)];
        int hand = 1 + (i * 3) % hands;
        bool shop = i % 2 == 1;
        ASSERT_TRUE(PlayHand(chapter, hand, shop))
            << "hand " << chapter << "-" << hand << " never ended: " << State();
        played++;
    }
    EXPECT_EQ(played, 30);
    EXPECT_GT(actions, 30 * 20);
    EXPECT_GT(powerupsFired, 0) << "with the shop bought the powerups charge and are used";
    EXPECT_GT(powerupShots, 0) << "Cupid's arrows were shot";
}

TEST_F(ScriptedPlayerTest, PlaysAWholeChapterThroughTheHandCompletePanelAtBothDifficulties) {
    for (int hard : {0, 1}) {
        failedGoalsSeen = 0;
        ASSERT_TRUE(PlayChapter(2, hard)) << (hard ? "hard" : "normal") << " play got stuck";
        EXPECT_EQ(panelsShown, 3) << "a panel after each of the chapter's three hands";
        if (hard && failedGoalsSeen) {
            EXPECT_EQ(Player->Level, 2) << "hard play restarts a chapter whose goals failed";
        } else {
            EXPECT_EQ(Player->Level, 3) << "normal play goes on to the next chapter";
        }
        EXPECT_EQ(SaveData->hand, 1);
    }
}

// Pictures of the busy moments of play, to look at: ROSEWICK_SHOTS=folder test_screens
// --gtest_filter=*PlayScreenshots.
TEST_F(ScriptedPlayerTest, PlayScreenshots) {
    const char* folder = std::getenv("ROSEWICK_SHOTS");
    if (!folder) GTEST_SKIP() << "ROSEWICK_SHOTS not set";
    for (int i = 0; i < TSaveData::SHOP_ITEMS; ++i)
        SaveData->shopPurchases[static_cast<size_t>(i)] = 2;
    Player->Level = 6;
    SaveData->hand = 4;
    screen->StartLevel();
    auto run = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) Frame();
    };
    auto shoot = [&](const std::string& name) {
        Game->ScreenDraw();
        std::string error;
        EXPECT_TRUE(Game->Gfx->Grab().SavePng(std::string(folder) + "/" + name, 6, true, error))
            << error;
    };
    run(150);
    shoot("play_deal.png");
    run(400);
    shoot("play_hand.png");
    Player->Combo = 9;
    screen->StartCombo();
    run(80);
    shoot("play_combo.png");
    screen->StartEndComboAnim();
    run(140);
    shoot("play_banking.png");
    run(200);
    auto fire = [&](const std::shared_ptr<THUDPowerup>& p) {
        p->ChargeFully();
        THUDPowerup::ManageHUDClicks(p->HUDLocation.X + 50, p->HUDLocation.Y + 60);
    };
    fire(THUDPowerup::Powerups[2]);
    run(60);
    shoot("play_phoenix.png");
    run(400);
    fire(THUDPowerup::Powerups[1]);
    run(200);
    shoot("play_lyre.png");
    run(500);
    fire(THUDPowerup::Powerups[0]);
    for (const auto& c : CurrentLevel->cardList->cards)
        if (c->tableau && c->inPlay && c->specialType == 0) {
            Game->Mouse.MoveTo(static_cast<int>(c->x), static_cast<int>(c->y));
            break;
        }
    run(5);
    shoot("play_cupid_armed.png");
}
