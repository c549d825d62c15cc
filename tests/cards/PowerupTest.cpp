#include "cards/THandSetup.h"
#include "tests/cards/PowerupFixture.h"

namespace {

TEST_F(PowerupTest, ThreePowerupsInTheirFixedOrder) {
    ASSERT_TRUE(THUDPowerup::Cupid());
    ASSERT_TRUE(THUDPowerup::Lyre());
    ASSERT_TRUE(THUDPowerup::Bird());
    EXPECT_EQ(THUDPowerup::Powerups[0]->Kind(), THUDPowerup::KIND_CUPID);
    EXPECT_EQ(THUDPowerup::Powerups[1]->Kind(), THUDPowerup::KIND_LYRE);
    EXPECT_EQ(THUDPowerup::Powerups[2]->Kind(), THUDPowerup::KIND_BIRD);
    struct Case {
        const THUDPowerup* p;
        int x, y, required, shop, border;
    } cases[] = {
        {&Cupid(), 0, 608, 45, 27, 30},
        {&Lyre(), 105, 622, 40, 11, 16},
        {&Bird(), 210, 636, 50, 25, 2},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(k.p->HUDLocation.X, k.x);
        EXPECT_EQ(k.p->HUDLocation.Y, k.y);
        EXPECT_EQ(k.p->GetChargeRequired(), k.required);
        EXPECT_EQ(k.p->ShopID, k.shop);
        EXPECT_EQ(k.p->GaugeBottomBorder, k.border);
        EXPECT_EQ(k.p->PinCount, THUDPowerup::HUD_PIN_COUNT);
    }
}

TEST_F(PowerupTest, LevelsFollowTheShopItems) {
    struct Case {
        std::set<int> items;
        int cupid, lyre, bird;
    } cases[] = {
        {{}, 0, 0, 0},           {{27}, 1, 0, 0}, {{27, 28}, 2, 0, 0}, {{11}, 0, 1, 0},
        {{11, 12, 13}, 0, 1, 0}, {{25}, 0, 0, 1}, {{25, 26}, 0, 0, 2}, {{11, 25, 26, 27}, 1, 1, 2},
    };
    for (const auto& k : cases) {
        bought = k.items;
        EXPECT_EQ(Cupid().GetPowerLevel(), k.cupid);
        EXPECT_EQ(Lyre().GetPowerLevel(), k.lyre);
        EXPECT_EQ(Bird().GetPowerLevel(), k.bird);
        EXPECT_EQ(Cupid().IsAvailable(), k.cupid > 0 ? 1 : 0);
        EXPECT_EQ(Lyre().IsAvailable(), k.lyre > 0 ? 1 : 0);
        EXPECT_EQ(Bird().IsAvailable(), k.bird > 0 ? 1 : 0);
    }
    // A powerup's items: its own, its gold version and the one after.
    for (int i = 24; i <= 31; ++i) EXPECT_EQ(Cupid().IsShopItem(i), i >= 27 && i <= 29) << i;
}

TEST_F(PowerupTest, LyreChargeRequiredWithTheInstruments) {
    struct Case {
        std::set<int> items;
        int required;
    } cases[] = {
        {{11}, 40},
        {{11, 12}, 32},
        {{11, 13}, 25},
        {{11, 12, 13}, 25},
    };
    for (const auto& k : cases) {
        bought = k.items;
        EXPECT_EQ(Lyre().GetChargeRequired(), k.required);
        Lyre().CurrentCharge = k.required - 1;
        EXPECT_FALSE(Lyre().IsCharged());
        Lyre().CurrentCharge = k.required;
        EXPECT_TRUE(Lyre().IsCharged());
    }
    // The instruments change nothing for the others.
    EXPECT_EQ(Cupid().GetChargeRequired(), 45);
    EXPECT_EQ(Bird().GetChargeRequired(), 50);
}

TEST_F(PowerupTest, ChargingStopsAtTheRequiredChargeAndSignalsOnce) {
    Buy({27, 25, 11, 12});  // Lyre needs 32 here
    struct Case {
        int plays;
        int cupid, lyre, bird;
        int fullSignals;  // gauges that became full
    } cases[] = {
        {1, 1, 1, 1, 0},     {31, 31, 31, 31, 0}, {32, 32, 32, 32, 1},
        {45, 45, 32, 45, 2}, {50, 45, 32, 50, 3}, {80, 45, 32, 50, 3},
    };
    for (const auto& k : cases) {
        int signals = 0;
        for (auto& p : THUDPowerup::Powerups) p->CurrentCharge = 0;
        for (int i = 0; i < k.plays; ++i) {
            CardHooks.hudChargedTrigger = 0;
            CardHooks.ChargeAllPowerups();
            signals += CardHooks.hudChargedTrigger;
        }
        EXPECT_EQ(Cupid().CurrentCharge, k.cupid) << k.plays;
        EXPECT_EQ(Lyre().CurrentCharge, k.lyre) << k.plays;
        EXPECT_EQ(Bird().CurrentCharge, k.bird) << k.plays;
        EXPECT_EQ(signals, k.fullSignals) << k.plays;
    }
    // A powerup not bought does not charge.
    bought = {27};
    for (auto& p : THUDPowerup::Powerups) p->CurrentCharge = 0;
    CardHooks.ChargeAllPowerups();
    EXPECT_EQ(Cupid().CurrentCharge, 1);
    EXPECT_EQ(Lyre().CurrentCharge, 0);
    EXPECT_EQ(Bird().CurrentCharge, 0);
}

TEST_F(PowerupTest, PlayingTableauCardsChargesAndTheGaugeGrowsFromTheBorder) {
    Buy({27});
    LayTable();
    ClickTable(row[2]->x, row[2]->y);  // the 4 onto the 5
    RunUntilQuiet();
    EXPECT_EQ(Level().topFoundationCard, row[2]);
    EXPECT_EQ(Cupid().CurrentCharge, 1);
    struct Case {
        int charge, height;
    } cases[] = {{0, 30}, {1, 32}, {22, 85}, {44, 141}, {45, 144}};
    for (const auto& k : cases) {
        Cupid().CurrentCharge = k.charge;
        EXPECT_EQ(Cupid().GaugeHeight(), k.height) << k.charge;
    }
}

TEST_F(PowerupTest, ButtonRectangle) {
    struct Case {
        int x, y;
        bool in;
    } cases[] = {
        {3, 608, true},    {2, 608, false},  {103, 700, true}, {104, 700, false},
        {50, 607, false},  {50, 768, true},  {50, 769, false}, {108, 622, true},
        {107, 650, false}, {213, 636, true}, {313, 700, true}, {314, 700, false},
    };
    for (const auto& k : cases) {
        bool any = false;
        for (const auto& p : THUDPowerup::Powerups) any = any || p->PointWithin(k.x, k.y);
        EXPECT_EQ(any, k.in) << k.x << "," << k.y;
        EXPECT_EQ(CardHooks.OverPowerupButton(k.x, k.y), k.in);
    }
    THUDPowerup::UpdateAll(1, 50, 700);
    EXPECT_EQ(Cupid().mouseOver, 1);
    EXPECT_EQ(Lyre().mouseOver, 0);
    // A click beside every button is none of theirs.
    EXPECT_EQ(THUDPowerup::ManageHUDClicks(500, 300), 0);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(PowerupTest, AButtonRefusesWhenNotReady) {
    LayTable();
    // Not bought, not charged, or bought and charged: only the last fires.
    EXPECT_EQ(ClickButton(Bird()), -1);
    Buy({25});
    EXPECT_EQ(ClickButton(Bird()), -1);
    EXPECT_EQ(Heard("InvalidClick"), 2);
    Bird().ChargeFully();
    EXPECT_EQ(ClickButton(Bird()), 1);
    EXPECT_EQ(Heard("buttonclick"), 1);
    EXPECT_TRUE(Bird().isActive);
    // Already working: refused.
    EXPECT_EQ(ClickButton(Bird()), -1);
    EXPECT_EQ(Heard("InvalidClick"), 3);
}

TEST_F(PowerupTest, AButtonClickedWhileCardsMovePlaysInvalidClick) {
    Buy({27, 11, 25});
    LayTable();
    for (auto& p : THUDPowerup::Powerups) p->ChargeFully();
    ClickTable(row[2]->x, row[2]->y);  // the 4 sets off for the foundation
    ASSERT_GT(Level().CountMoving(1), 0);
    for (const auto& p : THUDPowerup::Powerups) {
        sounds.clear();
        EXPECT_EQ(ClickButton(*p), -1) << p->Kind();
        EXPECT_EQ(sounds, std::vector<std::string>{"InvalidClick"}) << p->Kind();
        EXPECT_EQ(p->isActive, 0);
        EXPECT_EQ(p->CurrentCharge, p->GetChargeRequired());
    }
    EXPECT_TRUE(used.empty());
    // A card turning over counts as moving too.
    RunUntilQuiet();
    row[0]->StartFlipAnim(1);
    EXPECT_EQ(ClickButton(Bird()), -1);
    RunUntilQuiet();
    EXPECT_EQ(ClickButton(Bird()), 1);
}

TEST_F(PowerupTest, OnlyOnePowerupWorksAtATime) {
    Buy({27, 25});
    LayTable();
    Cupid().ChargeFully();
    Bird().ChargeFully();
    ASSERT_EQ(ClickButton(Cupid()), 1);
    ClickTable(row[0]->x, row[0]->y);
    ASSERT_EQ(Cupid().arrowsInAir, 1);
    // The arrow is still flying: the Phoenix waits.
    EXPECT_EQ(ClickButton(Bird()), -1);
    RunUntilQuiet();
    EXPECT_EQ(ClickButton(Bird()), 1);
}

TEST_F(PowerupTest, ResetAtHandStartKeepsTheCharge) {
    Buy({27, 11, 25});
    LayTable();
    Lyre().ChargeFully();
    ASSERT_EQ(ClickButton(Lyre()), 1);
    Tick(10);
    Cupid().HintWobble = 1;
    Cupid().HUDGlowFactor = 0.5f;
    Cupid().mouseOver = 1;
    THUDPowerup::ResetAll();
    EXPECT_EQ(THUDPowerup::HUDPowerupIsActive(), 0);
    EXPECT_EQ(Lyre().m_Active, 0);
    EXPECT_EQ(Lyre().m_Stage, 0);
    EXPECT_EQ(Lyre().CurrentCharge, Lyre().GetChargeRequired());
    EXPECT_EQ(Cupid().HintWobble, 0);
    EXPECT_EQ(Cupid().HUDGlowFactor, 0);
    EXPECT_EQ(Cupid().mouseOver, 0);
    EXPECT_EQ(CardHooks.HUDPowerupBlockInput, 0);
    for (const auto& c : List().cards) EXPECT_EQ(c->UseOffset, 0);
}

TEST_F(PowerupTest, GlowFadesInProportionToItself) {
    Buy({27});
    Cupid().CurrentCharge = 44;
    CardHooks.ChargeAllPowerups();
    EXPECT_FLOAT_EQ(Cupid().HUDGlowFactor, 1.0f);
    Cupid().UpdateGlow(1);
    float first = 1.0f - Cupid().HUDGlowFactor;
    float before = Cupid().HUDGlowFactor;
    Cupid().UpdateGlow(1);
    EXPECT_NEAR(before - Cupid().HUDGlowFactor, first * before, 1e-6);
    for (int i = 0; i < 5000; ++i) Cupid().UpdateGlow(1);
    EXPECT_EQ(Cupid().HUDGlowFactor, 0);
}

TEST_F(PowerupTest, PowerInfoTellsWhichButtonsCanBePointedAt) {
    EXPECT_FALSE(THUDPowerInfo::AnyValid(THUDPowerup::GetPowerInfo()));
    Buy({11});
    auto info = THUDPowerup::GetPowerInfo();
    ASSERT_EQ(info.size(), 3u);
    EXPECT_TRUE(THUDPowerInfo::AnyValid(info));
    EXPECT_EQ(info[1].valid, 1);
    EXPECT_EQ(info[0].valid, 0);
    EXPECT_EQ(info[1].pos.Y, 622);
    EXPECT_FALSE(THUDPowerInfo::AnyValid({}));
    EXPECT_TRUE(
        THUDPowerInfo::AnyValid({THUDPowerInfo::Create(1, 2, 0), THUDPowerInfo::Create(3, 4, 7)}));
}

// Each powerup used once on a dealt hand: the hand keeps every card it had, once.
TEST_F(PowerupTest, NoCardIsLostOrDuplicatedByAnyPowerup) {
    const char* layout =
        "200,150,0,0,0,0\n"
        "400,150,0,-10,0,0\n"
        "600,150,0,10,0,0\n"
        "150,250,1,0,0,0\n"
        "250,250,1,0,1,0\n"
        "350,250,1,0,0,0\n"
        "450,250,1,0,0,0\n"
        "550,250,1,0,0,0\n"
        "650,250,1,0,1,0\n"
        "750,250,1,0,0,0\n"
        "300,400,1,5,0,0\n"
        "500,400,1,0,0,0\n"
        "700,400,1,-5,0,0\n";
    for (int kind = 1; kind <= 3; ++kind) {
        RulesRandom.Seed(77 + static_cast<uint64_t>(kind));
        WriteLevel(1, 2, layout);
        Buy({27, 28, 11, 25, 26});
        testing::internal::CaptureStdout();
        THandSetup::Deal(Level(), 1, 2);
        THUDPowerup::ResetAll();
        auto before = Identities();
        int countBefore = List().Count();
        std::set<const TCard*> tableauBefore;
        for (const auto& c : List().cards)
            if (c->tableau) tableauBefore.insert(c.get());
        auto& p = *THUDPowerup::Powerups[static_cast<size_t>(kind - 1)];
        p.ChargeFully();
        ASSERT_EQ(ClickButton(p), 1) << kind;
        std::vector<std::shared_ptr<TCard>> shot;
        if (kind == 1) {
            for (const auto& c : List().cards)
                if (c->tableau && c->inPlay && shot.size() < 2) shot.push_back(c);
            for (const auto& c : shot) ClickTable(c->x, c->y);
        } else if (kind == 3) {
            shot = Bird().targets;
        }
        RunUntilQuiet();
        testing::internal::GetCapturedStdout();
        EXPECT_TRUE(NoDuplicates()) << kind;
        EXPECT_EQ(p.isActive, 0);
        EXPECT_EQ(p.CurrentCharge, 0);
        if (kind == 2) {
            EXPECT_EQ(Identities(), before);
            EXPECT_EQ(List().Count(), countBefore);
        } else {
            ASSERT_EQ(shot.size(), kind == 1 ? 2u : 3u);
            int copies = 0;
            for (const auto& c : shot) {
                EXPECT_FALSE(List().Find(c.get())) << kind;
                EXPECT_EQ(tableauBefore.count(c.get()), 1u);
                if (c->originalBow) copies++;
            }
            // A bowed card leaves its copy behind; every other target is gone.
            EXPECT_EQ(List().Count(), countBefore - static_cast<int>(shot.size()) + copies);
            // What left the table, put back, is what was there.
            auto after = Identities();
            for (const auto& c : shot)
                if (!c->originalBow) after[{c->value, c->suit, c->specialType, c->wildcard}]++;
            EXPECT_EQ(after, before) << kind;
        }
        // Each arrow records the use again; the record is of the one kind.
        ASSERT_FALSE(used.empty());
        EXPECT_EQ(std::count(used.begin(), used.end(), kind), static_cast<long>(used.size()));
        used.clear();
    }
}

}  // namespace
