#include <numeric>
#include <vector>

#include "cards/TGreedyPlayer.h"
#include "cards/THandSetup.h"
#include "progression/TPlayer.h"
#include "tests/cards/CardsFixture.h"

// Every shipped layout, dealt from a few seeds as the game deals it.
class ShippedLayoutsTest : public CardsTest {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        Game->LevelsPath = std::string(ROSEWICK_BUILD_DIR) + "/data/levels/";
    }
};

TEST_F(ShippedLayoutsTest, EveryHandPassesItsChecksQuicklyAndLaterChaptersAreHarder) {
    constexpr int SEEDS = 2;
    // Well within the limit of 1000: a layout near it would make the game stall.
    constexpr int ENOUGH_ATTEMPTS = 250;
    std::vector<double> cleared(20, 0);
    testing::internal::CaptureStdout();
    for (int chapter = 1; chapter <= 20; ++chapter) {
        const int hands = handsPerChapter[chapter - 1];
        for (int hand = 1; hand <= hands; ++hand) {
            for (int seed = 0; seed < SEEDS; ++seed) {
                RulesRandom.Seed(static_cast<uint64_t>(chapter * 100 + hand * 7 + seed));
                CardHooks = TCardHooks();
                CurrentLevel = std::make_shared<TLevel>();
                int attempts = THandSetup::Deal(Level(), chapter, hand);
                EXPECT_LT(attempts, ENOUGH_ATTEMPTS) << chapter << "-" << hand;
                EXPECT_GT(Level().CountTableau(), 0) << chapter << "-" << hand << " has no layout";
                cleared[chapter - 1] += TGreedyPlayer::Play(Level()).Cleared() / (hands * SEEDS);
            }
        }
    }
    testing::internal::GetCapturedStdout();
    auto average = [&](int from, int to) {
        return std::accumulate(cleared.begin() + from - 1, cleared.begin() + to, 0.0) /
               (to - from + 1);
    };
    EXPECT_GT(average(1, 5), average(16, 20) + 0.15) << "the difficulty should rise";
    EXPECT_GT(average(16, 20), 0.2) << "the last chapters should still be playable";
}
