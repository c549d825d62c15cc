#include "cards/THandSetup.h"
#include "framework/TFatalExit.h"
#include "tests/cards/CardsFixture.h"

namespace {

class HandSetupTest : public CardsTest {};

TEST_F(HandSetupTest, NoLockCountersPassAtOnce) {
    AddTableau(5, 300, 300);
    EXPECT_TRUE(Level().RegalLocksAreBeatable(0));
}

// A locked card whose counter is 3, and three court cards around it.
struct RegalCase {
    bool queenBowed;
    bool thirdUnderTheLock;
    bool beatable;
};

TEST_F(HandSetupTest, LockCountersNeedEnoughReachableCourtCards) {
    for (RegalCase k : {RegalCase{true, false, true}, RegalCase{false, true, false},
                        RegalCase{false, false, true}}) {
        List().Clear();
        auto k1 = AddTableau(13, 100, 300);
        auto k2 = AddTableau(13, 250, 300);
        if (k.thirdUnderTheLock) {
            AddTableau(12, 600, 300);
        } else {
            auto q = AddTableau(12, 400, 300);
            q->testBow = k.queenBowed ? 1 : 0;
            if (!k.queenBowed) AddTableau(11, 900, 600);
        }
        auto locked = AddTableau(4, 610, 300);
        locked->lockCounter = locked->testLockCounter = 3;
        locked->originalLockCounter = 3;
        EXPECT_EQ(Level().RegalLocksAreBeatable(0), k.beatable)
            << k.queenBowed << k.thirdUnderTheLock;
        (void)k1;
        (void)k2;
    }
}

TEST_F(HandSetupTest, KeyWithoutLocksIsThrownAway) {
    auto key = AddTableau(0, 100, 300);
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    AddTableau(11, 105, 300);  // a Jack on the key
    auto locked = AddTableau(4, 600, 300);
    locked->lockCounter = locked->testLockCounter = locked->originalLockCounter = 1;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(Level().RegalLocksAreBeatable(1));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("THROW AWAY KEY"), std::string::npos) << out;
    EXPECT_NE(out.find("REGAL REMOVED: Value=1"), std::string::npos) << out;
}

TEST_F(HandSetupTest, KeyOpensALockThatCoversACourtCard) {
    auto jack = AddTableau(11, 600, 300);
    auto lock = AddTableau(0, 605, 300);
    lock->specialType = TCard::SPECIAL_LOCK;
    lock->normal = 0;
    auto key = AddTableau(0, 100, 300);
    key->specialType = TCard::SPECIAL_KEY;
    key->normal = 0;
    auto locked = AddTableau(4, 900, 300);
    locked->lockCounter = locked->testLockCounter = locked->originalLockCounter = 1;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(Level().RegalLocksAreBeatable(1));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("LOCK REMOVED"), std::string::npos) << out;
    (void)jack;
}

TEST_F(HandSetupTest, FixedTutorialHandsMeetTheirChecks) {
    // A flat row of face-up cards: every card is free.
    std::string row;
    for (int i = 0; i < 8; ++i) row += std::to_string(80 + i * 110) + ",300,1,0,0,0\n";
    for (auto [c, h] : {std::pair{1, 1}, {3, 3}, {4, 1}}) {
        WriteLevel(c, h, row);
        RulesRandom.Seed(static_cast<uint64_t>(c * 10 + h));
        testing::internal::CaptureStdout();
        int attempts = THandSetup::Deal(Level(), c, h);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_GE(attempts, 1);
        EXPECT_NE(out.find("LEVEL CREATION ATTEMPTS=" + std::to_string(attempts)),
                  std::string::npos);
        int f = Level().topFoundationCard->value;
        if (c == 1) {
            EXPECT_GT(Level().CountValidPlays(), 1);
        }
        if (c == 3) {
            auto first = List().GetFirstTableauCard();
            EXPECT_TRUE(first->IsCourt());
            EXPECT_TRUE(TCardList::OneStep(first->value, f));
        }
        if (c == 4) {
            EXPECT_TRUE(TCardList::OneStep(List().GetLastTableauCard()->value, f));
        }
        // Free cards are turned up and the coins placed.
        for (const auto& card : List().cards)
            if (card->tableau) {
                EXPECT_EQ(card->inPlay, 1);
                EXPECT_EQ(card->goldAward, 10);
            }
    }
}

TEST_F(HandSetupTest, BowedWildcardIsDealtAgain) {
    // Every line bowed: any wildcard dealt onto the tableau is refused.
    std::string rows;
    for (int i = 0; i < 30; ++i)
        rows += std::to_string(60 + (i % 10) * 95) + "," + std::to_string(150 + (i / 10) * 150) +
                ",1,0,1,0\n";
    WriteLevel(2, 1, rows);
    RulesRandom.Seed(5);
    testing::internal::CaptureStdout();
    THandSetup::Deal(Level(), 2, 1);
    testing::internal::GetCapturedStdout();
    for (const auto& c : List().cards)
        if (c->tableau) {
            EXPECT_FALSE(c->wildcard && c->bow);
        }
}

TEST_F(HandSetupTest, ChapterTwoHandOneAlwaysDealsAWildcard) {
    std::array<int, 11> fan;
    fan.fill(-1);
    fan[0] = 3;
    fan[1] = 4;
    fan[2] = 5;
    CardHooks.FanSlotValue = [&](int s) { return fan[static_cast<size_t>(s)]; };
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        RulesRandom.Seed(seed);
        testing::internal::CaptureStdout();
        auto pack = Level().BuildPack(2, 1);
        std::string out = testing::internal::GetCapturedStdout();
        int wild = 0;
        for (const auto& c : pack)
            if (c->wildcard && c->value > 0) wild++;
        EXPECT_GE(wild, 1) << seed;
        EXPECT_NE(out.find("Wildcard Chance=10000"), std::string::npos);
    }
}

TEST_F(HandSetupTest, WildcardChancesAndTheEventLine) {
    struct Case {
        int chapter, hand;
        std::vector<int> items;
        const char* chance;
        bool eventLine;
    } cases[] = {
        {2, 2, {}, "Wildcard Chance=7500", false},      {2, 3, {19}, "Wildcard Chance=4000", false},
        {3, 1, {}, "Wildcard Chance=4000", false},      {3, 2, {18}, "Wildcard Chance=4800", true},
        {5, 4, {18, 19}, "Wildcard Chance=6000", true},
    };
    for (const auto& k : cases) {
        CardHooks.ShopItemBought = [&](int i) {
            return std::find(k.items.begin(), k.items.end(), i) != k.items.end();
        };
        testing::internal::CaptureStdout();
        Level().BuildPack(k.chapter, k.hand);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find(k.chance), std::string::npos) << out;
        EXPECT_EQ(out.find("Event Card Chance=-1") != std::string::npos, k.eventLine) << out;
    }
    // Chapter 1 adds nothing.
    testing::internal::CaptureStdout();
    EXPECT_EQ(Level().BuildPack(1, 2).size(), 52u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(HandSetupTest, UnbeatableDealsAreRetriedUntilOnePasses) {
    // Three free cards and a card locked for one court card: a deal passes only when a free
    // card is a Jack, Queen or King.
    WriteLevel(5, 2, "100,300,1,0,0,0\n300,300,1,0,0,0\n500,300,1,0,0,0\n800,300,0,0,0,1\n");
    int retried = 0;
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        RulesRandom.Seed(seed);
        testing::internal::CaptureStdout();
        int attempts = THandSetup::Deal(Level(), 5, 2);
        std::string out = testing::internal::GetCapturedStdout();
        int refusals = 0;
        for (size_t at = out.find("Regal locks not beatable. Reloading."); at != std::string::npos;
             at = out.find("Regal locks not beatable. Reloading.", at + 1))
            refusals++;
        EXPECT_EQ(refusals, attempts - 1);
        if (attempts > 1) retried++;
        int courts = 0;
        for (int i = 0; i < 3; ++i)
            courts += List().cards[static_cast<size_t>(i)]->IsCourt() ? 1 : 0;
        EXPECT_GE(courts, 1) << seed;
    }
    EXPECT_GT(retried, 0);  // some seed needed more than one deal
}

TEST_F(HandSetupTest, AHandThatCanNeverPassIsFatal) {
    WriteLevel(6, 1, "100,300,1,0,0,0\n800,300,0,0,0,9\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    try {
        THandSetup::Deal(Level(), 6, 1);
        ADD_FAILURE() << "expected a fatal exit";
    } catch (const TFatalExit& e) {
        EXPECT_STREQ(e.what(), "Sorry: Failed to generate beatable level in 1000 attempts");
    }
    std::string out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    size_t n = 0;
    for (size_t at = out.find("Regal locks not beatable"); at != std::string::npos;
         at = out.find("Regal locks not beatable", at + 1))
        n++;
    EXPECT_EQ(n, 999u);
}

}  // namespace
