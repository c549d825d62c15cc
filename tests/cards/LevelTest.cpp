#include <fstream>
#include <sstream>

#include "cards/THandSetup.h"
#include "tests/cards/CardsFixture.h"

namespace {

class LevelTest : public CardsTest {};

int CountIf(const TCardList& list, bool (*pred)(const TCard&)) {
    int n = 0;
    for (const auto& c : list.cards)
        if (pred(*c)) n++;
    return n;
}

TEST_F(LevelTest, MissingFileDealsEverythingToTheStock) {
    Level().Load(1, 1);
    EXPECT_EQ(List().Count(), 52);
    EXPECT_EQ(Level().CountTableau(), 0);
    EXPECT_EQ(Level().CountStock(), 51);
    EXPECT_EQ(Level().CountFoundation(), 1);
    ASSERT_TRUE(Level().topFoundationCard);
    ASSERT_TRUE(Level().topStockCard);
    EXPECT_EQ(Level().topStockCard, List().GetTopStockCard());
    EXPECT_EQ(Level().topStockCard->inPlay, 1);
    EXPECT_EQ(Level().loading, 0);
    // Each card of the pack exactly once.
    std::set<int> seen;
    for (const auto& c : List().cards) seen.insert(c->suit * 100 + c->value);
    EXPECT_EQ(seen.size(), 52u);
}

TEST_F(LevelTest, SpecialLinesDoNotTakeAPackCard) {
    WriteLevel(1, 2, "10,20,1,0,0,0,0,sp2\n512,300,1,0,0,0\n");
    RulesRandom.Seed(77);
    Level().Load(1, 2);
    auto pack = TLevel::ShufflePack([] {
        RulesRandom.Seed(77);
        return TLevel().BuildPack(1, 2);
    }());
    ASSERT_EQ(Level().CountTableau(), 2);
    auto lock = List().cards[0];
    EXPECT_EQ(lock->specialType, TCard::SPECIAL_LOCK);
    EXPECT_EQ(lock->normal, 0);
    EXPECT_FLOAT_EQ(lock->x, 10);
    EXPECT_FLOAT_EQ(lock->y, 20);
    auto first = List().cards[1];
    EXPECT_EQ(first->tableau, 1);
    // The ordinary line takes the first card of the same shuffle.
    EXPECT_EQ(first->value, pack[0]->value);
    EXPECT_EQ(first->suit, pack[0]->suit);
    EXPECT_EQ(List().Count(), 53);
}

TEST_F(LevelTest, FieldsOfALine) {
    WriteLevel(1, 1,
               "400,260,0,-15,1,3\n"
               "300,200,1,0,0,0,3,sp4\n"
               "600,250,1,sp1\n"
               "512,300,1\n"
               "700,300,1,0,0,0,12\n");
    Level().Load(1, 1);
    ASSERT_EQ(Level().CountTableau(), 5);
    auto a = List().cards[0];
    EXPECT_EQ(a->faceUp, 0);
    EXPECT_EQ(a->originalFaceUp, 0);
    EXPECT_FLOAT_EQ(a->Rotation, -15);
    EXPECT_FLOAT_EQ(a->originalRotation, -15);
    EXPECT_EQ(a->bow + a->originalBow + a->testBow, 3);
    EXPECT_EQ(a->lockCounter, 3);
    EXPECT_EQ(a->originalLockCounter, 3);
    EXPECT_EQ(a->testLockCounter, 3);
    EXPECT_FLOAT_EQ(a->ox, 400);
    EXPECT_EQ(a->fromTableau, 1);
    auto story = List().cards[1];
    EXPECT_EQ(story->specialType, TCard::SPECIAL_STORY);
    EXPECT_EQ(story->value, 3);
    EXPECT_EQ(story->visibleW, 190);
    EXPECT_EQ(List().cards[2]->specialType, TCard::SPECIAL_KEY);
    EXPECT_EQ(List().cards[3]->faceUp, 1);
    EXPECT_EQ(List().cards[4]->value, 12);
}

TEST_F(LevelTest, MoreLinesThanCardsIgnoresTheRest) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += std::to_string(100 + i * 5) + ",300,1,0,0,0\n";
    text += "900,100,1,0,0,0,0,sp1\n";
    WriteLevel(1, 1, text);
    Level().Load(1, 1);
    // The whole pack and the key lie on the tableau; nothing is left for stock or foundation.
    EXPECT_EQ(Level().CountTableau(), 53);
    EXPECT_EQ(List().Count(), 53);
    EXPECT_EQ(Level().CountStock(), 0);
    EXPECT_FALSE(Level().topFoundationCard);
    EXPECT_EQ(List().cards.back()->specialType, TCard::SPECIAL_KEY);
}

TEST_F(LevelTest, BlankLineSendsAPackCardToTheStock) {
    WriteLevel(1, 1, "100,300,1,0,0,0\n\n200,300,1,0,0,0\n");
    Level().Load(1, 1);
    EXPECT_EQ(Level().CountTableau(), 2);
    EXPECT_EQ(Level().CountStock() + Level().CountFoundation(), 50);
}

TEST_F(LevelTest, BrokenLineIsNamedAndSkipped) {
    WriteLevel(1, 1, "100,300,1,0,0,0\n100,abc,1\n200,300,1,0,0,0\n");
    testing::internal::CaptureStderr();
    Level().Load(1, 1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("1-1.txt line 2"), std::string::npos) << err;
    EXPECT_EQ(Level().CountTableau(), 2);
    EXPECT_EQ(List().Count(), 52);
}

TEST_F(LevelTest, StockFansOutThreePixelsPerCard) {
    EXPECT_EQ(Level().GetNextStockX(), STOCK_X - 3);
    for (int n = 1; n <= 16; ++n) {
        auto c = std::make_shared<TCard>();
        List().AddLast(c);
        c->PlaceOnStock(0);
        EXPECT_EQ(Level().GetNextStockX(), n < 15 ? STOCK_X + (n - 1) * 3 : STOCK_X + 39);
    }
    EXPECT_EQ(STOCK_X, 441);
    EXPECT_EQ(FOUNDATION_X, 583);
    EXPECT_EQ(STOCK_Y, 691);
    EXPECT_EQ(FOUNDATION_Y, 691);
}

TEST_F(LevelTest, FanSlotGeometry) {
    struct Case {
        int slot, x, y;
        float rotation;
    } cases[] = {{5, 891, 696, 0}, {0, 802, 733, -50}, {10, 979, 733, 50}};
    for (const auto& k : cases) {
        EXPECT_EQ(TLevel::CalcFanWildcardX(k.slot), k.x) << k.slot;
        EXPECT_EQ(TLevel::CalcFanWildcardY(k.slot), k.y) << k.slot;
        EXPECT_FLOAT_EQ(TLevel::CalcFanWildcardRotation(k.slot), k.rotation) << k.slot;
    }
}

TEST_F(LevelTest, SaveWritesWhatLoadReads) {
    WriteLevel(2, 3,
               "400,260,0,-15,1,3\n"
               "300,200,1,0,0,0,3,sp4\n"
               "600,250,1,0,0,0,0,sp1\n"
               "512,300,1,0,0,0\n");
    Level().Load(2, 3);
    auto off = std::make_shared<TCard>();
    off->tableau = 1;
    off->x = 500;
    off->y = 700;  // below the play area: not saved
    List().AddLast(off);
    ASSERT_EQ(Level().Save(2, 4), 1);
    std::string saved = testsupport::ReadFile(dir.Path() / "levels" / "2-4.txt");
    EXPECT_EQ(saved,
              "400,260,0,-15,1,3\n"
              "300,200,1,0,0,0,3,sp4\n"
              "600,250,1,0,0,0,0,sp1\n"
              "512,300,1,0,0,0\n");
}

TEST_F(LevelTest, SameSeedSameDeal) {
    WriteLevel(4, 2, "100,300,0,0,0,0\n200,300,1,0,0,0\n300,300,1,0,0,2\n");
    auto deal = [&](uint64_t seed) {
        RulesRandom.Seed(seed);
        Level().Load(4, 2);
        std::ostringstream out;
        for (const auto& c : List().cards)
            out << c->value << c->suit << c->wildcard << c->tableau << c->stock << c->foundation
                << c->fan << ";";
        return out.str();
    };
    std::string a = deal(2026), b = deal(2026), c = deal(2027);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST_F(LevelTest, TopOfStockIsNeverAWildcard) {
    // Chapter 2 hand 1 always deals a wildcard; whatever the seed it never starts the stock.
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        RulesRandom.Seed(seed);
        Level().Load(2, 1);
        EXPECT_GE(CountIf(List(), [](const TCard& c) { return c.wildcard != 0; }), 1);
        EXPECT_FALSE(List().GetTopFoundationCard()->wildcard) << seed;
    }
}

TEST_F(LevelTest, ShopBonusCardsGoToTheStock) {
    std::set<int> bought = {8, 9};
    CardHooks.ShopItemBought = [&](int i) { return bought.count(i) > 0; };
    WriteLevel(1, 1, "100,300,1,0,0,0\n200,300,1,0,0,0\n");
    Level().Load(1, 1);
    EXPECT_EQ(List().Count(), 57);
    EXPECT_EQ(Level().CountTableau(), 2);
    std::map<int, int> values;
    for (const auto& c : List().cards) values[c->value]++;
    for (int v : {1, 10, 11, 12, 13}) EXPECT_EQ(values[v], 5) << v;
}

TEST_F(LevelTest, SavedWildcardsComeIntoTheFan) {
    std::array<int, 11> fan;
    fan.fill(-1);
    fan[0] = 0;
    fan[1] = 7;
    CardHooks.FanSlotValue = [&](int s) { return fan[static_cast<size_t>(s)]; };
    Level().Load(3, 1);
    std::vector<std::shared_ptr<TCard>> inFan;
    for (const auto& c : List().cards)
        if (c->fan) inFan.push_back(c);
    ASSERT_EQ(inFan.size(), 2u);
    EXPECT_TRUE(inFan[0]->IsJoker());
    EXPECT_EQ(inFan[1]->value, 7);
    EXPECT_EQ(inFan[1]->fanSlot, 1);
    EXPECT_EQ(inFan[1]->inPlay, 1);
    EXPECT_FLOAT_EQ(inFan[1]->x, TLevel::CalcFanWildcardX(1));
}

TEST_F(LevelTest, CountingQuestions) {
    SetFoundation(7);
    auto six = AddTableau(6, 100, 300);
    auto eight = AddTableau(8, 300, 300);
    AddTableau(8, 310, 300);  // covers the first eight
    auto nine = AddTableau(9, 600, 300);
    auto lock = AddTableau(0, 800, 300);
    lock->specialType = TCard::SPECIAL_LOCK;
    lock->normal = 0;
    lock->inPlay = 1;
    six->inPlay = nine->inPlay = 1;
    six->targeted = 1;
    EXPECT_EQ(Level().CountValidPlays(), 2);
    EXPECT_EQ(Level().CountInPlay(0, 0), 3);
    EXPECT_EQ(Level().CountInPlay(1, 0), 2);
    EXPECT_EQ(Level().CountInPlay(1, 1), 1);
    EXPECT_EQ(Level().CountLocks(0), 1);
    EXPECT_EQ(Level().CountLocks(1), 1);
    EXPECT_EQ(Level().CountTableauSpecial(), 1);
    EXPECT_FALSE(Level().FoundationIsJoker());
    (void)eight;
}

TEST_F(LevelTest, EmptyTableauEndsTheHand) {
    SetFoundation(7);
    auto c = AddTableau(8, 300, 300);
    int ended = 0;
    CardHooks.EndHand = [&] { ended++; };
    c->inPlay = 1;
    c->StartTableauToFoundationAnim(1, 1, 1, 1);
    EXPECT_EQ(ended, 0);
    RunUntilIdle();
    EXPECT_EQ(ended, 1);
}

TEST_F(LevelTest, DealAnimationFliesCopiesOntoTheTableau) {
    WriteLevel(1, 1, "100,300,1,10,0,2\n700,200,0,0,1,0\n");
    Level().Load(1, 1);
    Level().FlyOnCards();
    ASSERT_EQ(Level().flyingCards.size(), 2u);
    for (const auto& c : List().cards) EXPECT_EQ(c->visible, 0);
    for (int i = 0; i < 200; ++i) Level().Manage();
    for (size_t i = 0; i < 2; ++i) {
        auto card = List().cards[i];
        auto copy = Level().flyingCards[i];
        EXPECT_FLOAT_EQ(copy->x, card->x);
        EXPECT_FLOAT_EQ(copy->y, card->y);
        EXPECT_FLOAT_EQ(copy->Rotation, card->Rotation);
    }
    EXPECT_EQ(Level().flyingCards[0]->lockCounter, 2);
    EXPECT_EQ(Level().flyingCards[1]->bow, 1);
    EXPECT_EQ(CardHooks.landSoundTrigger, 2);
    Level().EndFlyOnCards();
    EXPECT_TRUE(Level().flyingCards.empty());
    for (const auto& c : List().cards) EXPECT_EQ(c->visible, 1);
}

TEST_F(LevelTest, StackedPilesDrawOnlyTheirTop) {
    std::vector<std::shared_ptr<TCard>> stock;
    for (int i = 0; i < 17; ++i) {
        auto c = std::make_shared<TCard>();
        List().AddLast(c);
        c->PlaceOnStock(0);
        stock.push_back(c);
    }
    // Fanned out cards show; from the 14th on they lie on the same spot as the top.
    EXPECT_FALSE(stock[0]->IsHiddenInPile());
    EXPECT_FALSE(stock[12]->IsHiddenInPile());
    EXPECT_TRUE(stock[13]->IsHiddenInPile());
    EXPECT_TRUE(stock[15]->IsHiddenInPile());
    EXPECT_FALSE(stock[16]->IsHiddenInPile());
    bool lyre = true;
    CardHooks.LyreActive = [&] { return lyre; };
    EXPECT_FALSE(stock[15]->IsHiddenInPile());
    lyre = false;

    auto low = SetFoundation(3);
    auto high = SetFoundation(4);
    Level().DrawStock();  // finds the top static foundation card
    EXPECT_EQ(Level().topStaticFoundationCard, high);
    EXPECT_TRUE(low->IsHiddenInPile());
    EXPECT_FALSE(high->IsHiddenInPile());
}

}  // namespace
