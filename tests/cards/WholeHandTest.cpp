#include <sstream>

#include "cards/THandSetup.h"
#include "tests/cards/CardsFixture.h"

namespace {

// Three overlapping rows: face-down cards under face-up ones, a locked card and a bow.
const char* kLayout =
    "200,150,0,0,0,0\n"
    "400,150,0,-10,0,0\n"
    "600,150,0,10,0,0\n"
    "800,150,0,0,0,2\n"
    "150,250,1,0,0,0\n"
    "250,250,1,0,1,0\n"
    "350,250,1,0,0,0\n"
    "450,250,1,0,0,0\n"
    "550,250,1,0,0,0\n"
    "650,250,1,0,0,0\n"
    "750,250,1,0,0,0\n"
    "850,250,1,0,0,0\n"
    "300,400,1,5,0,0\n"
    "500,400,1,0,0,0\n"
    "700,400,1,-5,0,0\n";

class WholeHandTest : public CardsTest {
protected:
    void Click(float x, float y) {
        Game->Mouse.x = static_cast<int>(x);
        Game->Mouse.y = static_cast<int>(y);
        Game->Mouse.h1 = 1;
        Level().Manage();
        for (int i = 0; i < 3000; ++i) {
            Level().Manage();
            bool busy = Level().CountMoving(1) > 0 || CardHooks.StockPileDelay > 0;
            if (!busy) break;
        }
    }

    // A free tableau card that plays now, or none.
    std::shared_ptr<TCard> NextPlay() {
        for (const auto& c : List().cards)
            if (c->tableau && c->inPlay && !c->moving && List().ValidPlay(*c)) return c;
        return nullptr;
    }

    // Every card at rest lies on exactly one pile; a locked card is never clickable.
    void ExpectOnePileEach() {
        for (const auto& c : List().cards) {
            EXPECT_EQ(c->moving, 0);
            EXPECT_EQ(c->tableau + c->stock + c->foundation + c->fan, 1);
            EXPECT_FALSE(c->lockCounter > 0 && c->inPlay);
        }
    }

    // Plays the hand: a free card when one plays, else a stock draw, until neither is left.
    // Returns the foundation values in play order.
    std::string Play(uint64_t seed) {
        RulesRandom.Seed(seed);
        WriteLevel(1, 2, kLayout);
        testing::internal::CaptureStdout();
        THandSetup::Deal(Level(), 1, 2);
        std::ostringstream order;
        order << Level().topFoundationCard->value;
        int plays = 0, draws = 0;
        for (int turn = 0; turn < 200; ++turn) {
            ExpectOnePileEach();
            int before = Level().CountTableau();
            if (auto card = NextPlay()) {
                int f = Level().topFoundationCard->value;
                Click(card->x, card->y);
                EXPECT_EQ(Level().topFoundationCard, card);
                EXPECT_TRUE(TCardList::OneStep(card->value, f));
                // A bowed card leaves its copy: the tableau shrinks only on the second play.
                EXPECT_EQ(Level().CountTableau(), List().lastBowCard ? before : before - 1);
                plays++;
            } else if (auto top = Level().topStockCard) {
                Click(top->x, top->y);
                EXPECT_EQ(Level().topFoundationCard, top);
                EXPECT_EQ(top->faceUp, 1);
                draws++;
            } else {
                break;
            }
            order << "," << Level().topFoundationCard->value;
        }
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(Level().CountStock(), 0);
        EXPECT_EQ(List().Count(), 52 + 1);  // the bow's copy went to the foundation too
        EXPECT_GT(plays, 0);
        EXPECT_EQ(draws, 52 - 15 - 1);  // the stock less the card turned at the start
        return order.str();
    }
};

TEST_F(WholeHandTest, SeededHandPlaysTheSameWayTwice) {
    int coins = 0;
    CardHooks.LogCoinCollected = [&](int amount, int) { coins += amount; };
    std::string first = Play(4242);
    int firstCoins = coins;
    coins = 0;
    std::string again = Play(4242);
    EXPECT_EQ(first, again);
    EXPECT_EQ(coins, firstCoins);
    EXPECT_EQ(coins % 10, 0);
}

}  // namespace
