#include <cmath>

#include "tests/cards/PowerupFixture.h"

namespace {

class LyreTest : public PowerupTest {
protected:
    struct Place {
        float x, y, rotation;
        int faceUp, bow, tableau, stock;
    };
    static Place PlaceOf(const TCard& c) {
        return {c.x, c.y, c.Rotation, c.faceUp, c.bow, c.tableau, c.stock};
    }
};

TEST_F(LyreTest, CannotFireWhenEveryLooseCardCarriesALockCounter) {
    Buy({11});
    SetFoundation(5);
    for (int i = 0; i < 3; ++i) {
        auto c = AddTableau(4 + i, 200.0f + 150 * i, 250);
        c->lockCounter = c->originalLockCounter = 2;
    }
    List().EnableAllTopCards();
    Lyre().ChargeFully();
    EXPECT_EQ(ClickButton(Lyre()), -1);
    EXPECT_EQ(sounds, std::vector<std::string>{"InvalidClick"});
    EXPECT_EQ(Lyre().isActive, 0);
    EXPECT_EQ(Lyre().CurrentCharge, 40);
    // One stock card is loose and unlocked: now it can.
    AddStock(9);
    EXPECT_EQ(ClickButton(Lyre()), 1);
    EXPECT_EQ(Heard("Random"), 1);
    EXPECT_EQ(Heard("buttonclick"), 1);
}

TEST_F(LyreTest, TheSpinReturnsEveryCardToItsPlaceWithTheValuesDealtAgain) {
    Buy({11});
    LayTable();
    row[1]->bow = row[1]->originalBow = 1;
    Lyre().ChargeFully();
    std::vector<std::shared_ptr<TCard>> all = List().cards;
    std::vector<Place> places;
    for (const auto& c : all) places.push_back(PlaceOf(*c));
    auto before = Identities();
    std::vector<std::pair<int, int>> faces;
    for (const auto& c : all) faces.push_back({c->value, c->suit});

    testing::internal::CaptureStdout();
    ASSERT_EQ(ClickButton(Lyre()), 1);
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 1);
    EXPECT_TRUE(CardHooks.IsLyreActive());
    EXPECT_EQ(CardHooks.undoEnabled, 0);
    EXPECT_EQ(used, std::vector<int>{THUDPowerup::KIND_LYRE});
    // Foundation cards stay out of it; the top stock card spins last.
    ASSERT_TRUE(Lyre().spinnable);
    EXPECT_EQ(Lyre().spinnable->cards.back(), Level().topStockCard);
    for (const auto& c : Lyre().spinnable->cards) EXPECT_EQ(c->foundation, 0);
    EXPECT_EQ(Lyre().spinnable->Count(), 6 + 2 + 2);

    int stage = static_cast<int>(TCard::Steps(TLyreHUD::STAGE_LENGTH));
    Tick(stage / 2);
    // Half way in: half the distance, turned a quarter of a turn in each card's direction.
    for (const auto& c : Lyre().spinnable->cards) {
        float dx = c->x + c->offx - 512, dy = c->y + c->offy - 384;
        float r0 = std::hypot(c->x - 512, c->y - 384);
        EXPECT_NEAR(std::hypot(dx, dy), r0 / 2, 0.5f);
        float rest = c->tableau ? c->originalRotation : 0;
        EXPECT_NEAR(c->Rotation, rest + 90 * c->spinDir, 0.01f);
    }
    Tick(stage - stage / 2);
    // At the centre the values are dealt again and the spiral turns outwards.
    for (const auto& c : Lyre().spinnable->cards) {
        EXPECT_NEAR(c->x + c->offx, 512, 0.01f);
        EXPECT_NEAR(c->y + c->offy, 384, 0.01f);
    }
    EXPECT_EQ(Lyre().m_Stage, 1);
    EXPECT_EQ(Lyre().m_SpiralDir, 1);
    Tick(stage);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("***Shuffle Attempt 1\n"), std::string::npos);

    EXPECT_EQ(Lyre().m_Active, 0);
    EXPECT_EQ(Lyre().isActive, 0);
    EXPECT_EQ(Lyre().CurrentCharge, 0);
    EXPECT_FALSE(Lyre().spinnable);
    EXPECT_FALSE(CardHooks.IsLyreActive());
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
    EXPECT_GT(CardHooks.landSoundTrigger, 0);
    ASSERT_EQ(List().cards, all);
    int changed = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const TCard& c = *all[i];
        Place p = PlaceOf(c);
        EXPECT_EQ(p.x, places[i].x);
        EXPECT_EQ(p.y, places[i].y);
        EXPECT_EQ(p.rotation, places[i].rotation) << i;
        EXPECT_EQ(p.faceUp, places[i].faceUp);
        EXPECT_EQ(p.bow, places[i].bow);
        EXPECT_EQ(p.tableau, places[i].tableau);
        EXPECT_EQ(p.stock, places[i].stock);
        EXPECT_EQ(c.UseOffset, 0);
        EXPECT_EQ(c.offx, 0);
        EXPECT_EQ(c.offy, 0);
        if (std::make_pair(c.value, c.suit) != faces[i]) changed++;
    }
    EXPECT_EQ(Identities(), before);
    EXPECT_GT(changed, 0);
    // The foundation card kept its value.
    EXPECT_EQ(Level().topFoundationCard->value, 5);
}

TEST_F(LyreTest, ABowNeverEndsOnAnEventCard) {
    bool sawRejection = false;
    for (uint64_t seed = 1; seed <= 24; ++seed) {
        CurrentLevel = std::make_shared<TLevel>();
        THUDPowerup::ResetAll();
        auto bowed = AddTableau(7, 200, 250);
        bowed->bow = bowed->originalBow = 1;
        auto event = AddTableau(0, 400, 250);
        event->specialType = TCard::SPECIAL_EVENT;
        event->normal = 0;
        Lyre().spinnable = Level().GetShuffleList();
        ASSERT_EQ(Lyre().spinnable->Count(), 2);
        RulesRandom.Seed(seed);
        testing::internal::CaptureStdout();
        int attempts = Lyre().Randomize();
        std::string log = testing::internal::GetCapturedStdout();
        EXPECT_GE(attempts, 1);
        EXPECT_EQ(bowed->specialType, 0) << seed;
        EXPECT_EQ(bowed->value, 7);
        EXPECT_EQ(event->specialType, TCard::SPECIAL_EVENT);
        if (log.find("Re-randomizing A\n") != std::string::npos) {
            sawRejection = true;
            EXPECT_GT(attempts, 1);
        }
    }
    EXPECT_TRUE(sawRejection);
}

TEST_F(LyreTest, TheLockCountersStayBeatable) {
    bool sawRejection = false;
    for (uint64_t seed = 1; seed <= 24; ++seed) {
        CurrentLevel = std::make_shared<TLevel>();
        THUDPowerup::ResetAll();
        // One place lies under the locked card, the other is free; the King must stay free.
        auto under = AddTableau(5, 300, 250);
        auto locked = AddTableau(3, 330, 280);
        locked->lockCounter = locked->originalLockCounter = 1;
        auto free = AddTableau(13, 700, 250);
        List().EnableAllTopCards();
        Lyre().spinnable = Level().GetShuffleList();
        ASSERT_EQ(Lyre().spinnable->Count(), 2);
        RulesRandom.Seed(seed);
        testing::internal::CaptureStdout();
        Lyre().Randomize();
        std::string log = testing::internal::GetCapturedStdout();
        // The King free, the five under the lock: the only deal that can open it.
        EXPECT_EQ(free->value, 13) << seed;
        EXPECT_EQ(under->value, 5);
        EXPECT_EQ(locked->value, 3);
        if (log.find("Re-randomizing B.\n") != std::string::npos) sawRejection = true;
    }
    EXPECT_TRUE(sawRejection);
}

TEST_F(LyreTest, ADealThatCanNeverPassLeavesTheCardsAsTheyWere) {
    // Two bowed event cards: every deal puts a bow on an event card.
    auto a = AddTableau(0, 200, 250);
    auto b = AddTableau(0, 400, 250);
    for (auto& c : {a, b}) {
        c->specialType = TCard::SPECIAL_EVENT;
        c->normal = 0;
        c->bow = 1;
    }
    a->suit = 1;
    b->suit = 2;
    Lyre().spinnable = Level().GetShuffleList();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Lyre().Randomize(), -1);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("***Shuffle Attempt 1000\n"), std::string::npos);
    EXPECT_EQ(log.find("***Shuffle Attempt 1001\n"), std::string::npos);
    EXPECT_EQ(a->suit, 1);
    EXPECT_EQ(b->suit, 2);
}

}  // namespace
