#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cards/TBirdHUD.h"
#include "cards/TCupidHUD.h"
#include "cards/THUDPowerup.h"
#include "cards/TLyreHUD.h"
#include "tests/progression/RealProgressFixture.h"

namespace {

// The powerups against the real shop record and the real player.
class PowerupUseTest : public RealProgressTest {
protected:
    PowerupUseTest() : RealProgressTest(5) {}

    void SetUp() override {
        RealProgressTest::SetUp();
        CardHooks.PlaySound = [](const std::string&, float, float, float) {};
        ProgressHooks.UnlockAchievement = [this](const std::string& n) {
            achievements.push_back(n);
        };
        THUDPowerup::CreateAll();
        THUDPowerup::InstallCardHooks();
    }
    void TearDown() override {
        THUDPowerup::KillAll();
        RealProgressTest::TearDown();
    }

    std::shared_ptr<TCard> Free(int value, float x, float y) {
        auto c = std::make_shared<TCard>();
        c->value = value;
        c->tableau = 1;
        c->faceUp = c->inPlay = 1;
        c->x = x;
        c->y = y;
        CurrentLevel->cardList->AddLast(c);
        return c;
    }
    void RunUntilQuiet() {
        for (int i = 0; i < 3000; ++i) {
            CurrentLevel->cardList->Manage();
            THUDPowerup::UpdateAll(Delta, 0, 0);
            bool busy = THUDPowerup::HUDPowerupIsActive() || CurrentLevel->CountMoving(1) > 0;
            if (!busy) return;
        }
    }
    static int Fire(THUDPowerup& p) {
        p.ChargeFully();
        return p.CheckIsClicked(p.HUDLocation.X + 50, p.HUDLocation.Y + 50);
    }

    std::vector<std::string> achievements;
};

TEST_F(PowerupUseTest, LevelsComeFromTheSavedShop) {
    auto& cupid = *THUDPowerup::Cupid();
    EXPECT_EQ(cupid.GetPowerLevel(), 0);
    SaveData->SetShopItemStatus(27, 1);  // offered, not bought
    EXPECT_EQ(cupid.GetPowerLevel(), 0);
    SaveData->SetShopItemStatus(27, 2);
    EXPECT_EQ(cupid.GetPowerLevel(), 1);
    SaveData->SetShopItemStatus(28, 2);
    EXPECT_EQ(cupid.GetPowerLevel(), 2);
    SaveData->SetShopItemStatus(11, 2);
    SaveData->SetShopItemStatus(13, 2);
    EXPECT_EQ(THUDPowerup::Lyre()->GetChargeRequired(), 25);
}

TEST_F(PowerupUseTest, TheSavedRecordCarriesTheCharges) {
    ProgressHooks.GetPowerupCharge = THUDPowerup::GetCharge;
    ProgressHooks.SetPowerupCharge = THUDPowerup::SetCharge;
    THUDPowerup::Cupid()->CurrentCharge = 12;
    THUDPowerup::Lyre()->CurrentCharge = 40;
    THUDPowerup::Bird()->CurrentCharge = 7;
    std::stringstream record;
    ASSERT_EQ(SaveData->Save(record), 1);
    for (const auto& p : THUDPowerup::Powerups) p->CurrentCharge = 0;
    ASSERT_EQ(SaveData->Load(record), 1);
    EXPECT_EQ(THUDPowerup::Cupid()->CurrentCharge, 12);
    EXPECT_EQ(THUDPowerup::Lyre()->CurrentCharge, 40);
    EXPECT_EQ(THUDPowerup::Bird()->CurrentCharge, 7);
    // A charge above what is needed now is cut to it.
    THUDPowerup::SetCharge(0, 99);
    EXPECT_EQ(THUDPowerup::Cupid()->CurrentCharge, 45);
    EXPECT_EQ(THUDPowerup::GetCharge(3), 0);
}

TEST_F(PowerupUseTest, UsingAllThreeInOneHandUnlocksTheAchievement) {
    for (int item : {11, 25, 27}) SaveData->SetShopItemStatus(item, 2);
    auto top = std::make_shared<TCard>();
    top->value = 5;
    CurrentLevel->cardList->AddLast(top);
    top->MarkAsFoundation(1, 1);
    for (int i = 0; i < 6; ++i) Free(2 + i, 150.0f + 120 * i, 200);
    Player->InitNewLevelStats();

    ASSERT_EQ(Fire(*THUDPowerup::Lyre()), 1);
    RunUntilQuiet();
    ASSERT_EQ(Fire(*THUDPowerup::Bird()), 1);
    RunUntilQuiet();
    EXPECT_TRUE(achievements.empty());
    ASSERT_EQ(Fire(*THUDPowerup::Cupid()), 1);
    auto target = CurrentLevel->cardList->GetFirstTableauCard();
    ASSERT_TRUE(target);
    EXPECT_EQ(THUDPowerup::Cupid()->Activate(target, 600, 300), 1);
    RunUntilQuiet();
    EXPECT_EQ(Player->UsedPowerup1, 1);
    EXPECT_EQ(Player->UsedPowerup2, 1);
    EXPECT_EQ(Player->UsedPowerup3, 1);
    EXPECT_EQ(achievements, std::vector<std::string>{"PowerupsUsed"});
    EXPECT_EQ(CurrentLevel->CountTableau(), 6 - 2 - 1);
}

}  // namespace
