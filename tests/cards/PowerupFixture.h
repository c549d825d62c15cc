#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cards/TBirdHUD.h"
#include "cards/TCupidHUD.h"
#include "cards/THUDPowerup.h"
#include "cards/TLyreHUD.h"
#include "tests/cards/CardsFixture.h"

// The three powerups over a hand laid out by the test, with the shop, the sounds, the pointer
// and the player's record of uses observed through the card hooks.
class PowerupTest : public CardsTest {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        CardHooks.ShopItemBought = [this](int i) { return bought.count(i) > 0; };
        CardHooks.PlaySound = [this](const std::string& name, float, float, float) {
            sounds.push_back(name);
        };
        CardHooks.UsedPowerup = [this](int kind) { used.push_back(kind); };
        CardHooks.SetPowerupPointer = [this](const std::string& image, int) { pointer = image; };
        CardHooks.ClearPowerupPointer = [this] { pointer.clear(); };
        CardHooks.IncreaseCombo = [this] { combo++; };
        CardHooks.EndHand = [this] { handEnded++; };
        THUDPowerup::CreateAll();
        THUDPowerup::InstallCardHooks();
    }
    void TearDown() override {
        THUDPowerup::KillAll();
        CardsTest::TearDown();
    }

    TCupidHUD& Cupid() { return *THUDPowerup::Cupid(); }
    TLyreHUD& Lyre() { return *THUDPowerup::Lyre(); }
    TBirdHUD& Bird() { return *THUDPowerup::Bird(); }

    int Heard(const std::string& name) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
    }

    // A stock card under the others; the last one added is the top card.
    std::shared_ptr<TCard> AddStock(int value) {
        auto c = std::make_shared<TCard>();
        c->value = value;
        c->stock = c->fromStock = 1;
        c->x = static_cast<float>(STOCK_X);
        c->y = static_cast<float>(STOCK_Y);
        c->StoreOriginalCoords();
        List().AddLast(c);
        Level().topStockCard = c;
        c->inPlay = 1;
        return c;
    }

    // Foundation 5; six free cards in a row; a face-down 8 under a free 10; two stock cards.
    void LayTable() {
        SetFoundation(5);
        int values[] = {2, 3, 4, 6, 7, 9};
        for (int i = 0; i < 6; ++i) row.push_back(AddTableau(values[i], 150.0f + 120 * i, 200));
        covered = AddTableau(8, 150, 400, 0);
        cover = AddTableau(10, 150, 440, 1, 5);
        AddStock(12);
        AddStock(1);
        List().EnableAllTopCards();
        List().CalcListPositions();
        handEnded = 0;  // setting the foundation on an empty table counted as an end
    }

    // One logic step as the play screen runs it: the level, then the powerups.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            Level().Manage();
            THUDPowerup::UpdateAll(Delta, Game->Mouse.x, Game->Mouse.y);
        }
    }
    // Steps until no powerup is armed or working and nothing moves.
    int RunUntilQuiet(int limit = 3000) {
        int steps = 0;
        while (steps < limit) {
            bool busy = THUDPowerup::HUDPowerupIsActive() || Level().CountMoving(1) > 0;
            for (const auto& p : THUDPowerup::Powerups) busy = busy || p->IsWorking();
            if (!busy) break;
            Tick();
            steps++;
        }
        return steps;
    }
    // A left click on the table at (x, y), handled in the next step.
    void ClickTable(float x, float y) {
        Game->Mouse.x = static_cast<int>(x);
        Game->Mouse.y = static_cast<int>(y);
        Game->Mouse.h1 = 1;
        Tick();
    }
    // A click in the middle of a powerup's button.
    int ClickButton(const THUDPowerup& p) {
        return THUDPowerup::ManageHUDClicks(p.HUDLocation.X + 50, p.HUDLocation.Y + 50);
    }
    void Buy(std::initializer_list<int> items) { bought.insert(items); }
    // Nothing bought, heard or used, an empty hand and the powerups as at its start: for a
    // table of cases within one test.
    void FreshHand() {
        bought.clear();
        sounds.clear();
        used.clear();
        row.clear();
        CurrentLevel = std::make_shared<TLevel>();
        THUDPowerup::ResetAll();
    }

    // Every card of the hand by what it is, and how many of each.
    std::map<std::tuple<int, int, int, int>, int> Identities() const {
        std::map<std::tuple<int, int, int, int>, int> m;
        for (const auto& c : CurrentLevel->cardList->cards)
            m[{c->value, c->suit, c->specialType, c->wildcard}]++;
        return m;
    }
    // No card object stands twice in the list.
    bool NoDuplicates() const {
        std::set<const TCard*> seen;
        for (const auto& c : CurrentLevel->cardList->cards)
            if (!seen.insert(c.get()).second) return false;
        return true;
    }

    std::set<int> bought;
    std::vector<std::string> sounds;
    std::vector<int> used;
    std::string pointer;
    int combo = 0;
    int handEnded = 0;
    std::vector<std::shared_ptr<TCard>> row;
    std::shared_ptr<TCard> covered, cover;
};
