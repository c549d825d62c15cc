#include <string>
#include <vector>

#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TCounter.h"
#include "toolkit/TCounterList.h"
#include "toolkit/TFlasher.h"
#include "toolkit/TSineCounter.h"
#include "toolkit/ToolkitSound.h"

class CounterTest : public ToolkitTest {
protected:
    void TearDown() override {
        ToolkitSoundPlayer = nullptr;
        ToolkitTest::TearDown();
    }
};

TEST_F(CounterTest, CounterExpiresOnceAfterItsLength) {
    TCounter c;
    c.Create(52, 1);  // 10.4 ticks, truncated to 10
    EXPECT_EQ(c.CounterLength, 10);
    EXPECT_EQ(c.Active, 1);
    int expired = 0;
    for (int i = 0; i < 5; ++i) expired += c.Manage();
    EXPECT_FLOAT_EQ(c.GetRatio(), 0.5f);
    for (int i = 0; i < 4; ++i) expired += c.Manage();
    EXPECT_EQ(expired, 0);
    EXPECT_EQ(c.Manage(), 1);
    EXPECT_EQ(c.Active, 0);
    EXPECT_FLOAT_EQ(c.Counter, 0);
    EXPECT_EQ(c.Manage(), 0);
}

TEST_F(CounterTest, CounterCreatedInactiveDoesNothingUntilActivated) {
    TCounter c;
    c.Create(50, 0);
    EXPECT_EQ(c.Manage(), 0);
    c.Activate();
    c.Stop(0);
    EXPECT_FLOAT_EQ(c.Counter, 10);
    EXPECT_EQ(c.Active, 0);
}

TEST_F(CounterTest, CounterListDropsExpiredCountersWhenAsked) {
    TCounterList list;
    list.AddNew(25);
    auto kept = list.AddNewWithValue(100, 7);
    list.AddNew(25);
    int expired = 0;
    for (int i = 0; i < 5; ++i) expired += list.Manage(1);
    EXPECT_EQ(expired, 2);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Counters[0]->value, 7);

    TCounterList keepAll;
    keepAll.AddNew(5);
    keepAll.Manage(0);
    EXPECT_EQ(keepAll.Count(), 1);
}

TEST_F(CounterTest, SineCounterWrapsOrStopsOnItsEnd) {
    auto wrap = TSineCounter::Create(0, 360, 100, 0);
    for (int i = 0; i < 4; ++i) wrap->Manage();
    EXPECT_FLOAT_EQ(wrap->Counter, 40);
    EXPECT_NEAR(wrap->ratio, 0.642788f, 1e-5);

    auto once = TSineCounter::Create(0, 90, 40, 1);
    for (int i = 0; i < 3; ++i) once->Manage();
    EXPECT_FLOAT_EQ(once->Counter, 90);
    EXPECT_FLOAT_EQ(once->ratio, 1);
    EXPECT_EQ(once->Active, 0);
    EXPECT_EQ(once->Manage(), 0);

    auto backwards = TSineCounter::Create(0, 360, -50, 1);
    backwards->Manage();
    EXPECT_FLOAT_EQ(backwards->Counter, 0);
    EXPECT_EQ(backwards->Active, 0);

    auto set = TSineCounter::Create(0, 360, 1, 0);
    set->SetCounter(270);
    EXPECT_FLOAT_EQ(set->ratio, -1);
    set->Reset();
    EXPECT_FLOAT_EQ(set->Counter, 0);
}

TEST_F(CounterTest, FlasherWaitsThenTogglesAndSoundsEachTimeItComesOn) {
    std::vector<std::string> played;
    ToolkitSoundPlayer = [&](const std::string& name, float) { played.push_back(name); };
    TFlasher f;
    f.FlashSound = "tick";
    f.Create(100, 10, 10, 25);  // 20 ticks; 2 on, 2 off; flashing from tick 5
    EXPECT_EQ(f.DelayEnd, 15);
    std::string states;
    int doneAt = 0;
    for (int tick = 1; tick <= 22; ++tick) {
        if (f.Manage() && !doneAt) doneAt = tick;
        states += f.FlashState ? '1' : '0';
    }
    EXPECT_EQ(states, "1111110001110001110000");
    EXPECT_EQ(doneAt, 20);
    EXPECT_EQ(played, (std::vector<std::string>{"tick", "tick"}));
    f.SetToOff();
    EXPECT_EQ(f.FlashState, 0);
    EXPECT_FLOAT_EQ(f.FlashCounter, 2);
}
