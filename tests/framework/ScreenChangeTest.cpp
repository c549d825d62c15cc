#include "framework/TFatalExit.h"
#include "tests/framework/FrameworkFixture.h"

using ScreenChangeTest = FrameworkTest;

namespace {
// Runs logic ticks of one tick each until pred holds or the limit is reached.
template <typename Pred>
int TickUntil(Pred pred, int limit = 1000) {
    for (int i = 0; i < limit; ++i) {
        if (pred()) return i;
        Delta = 1.0f;
        Game->LogicWrapper();
    }
    return -1;
}
}  // namespace

TEST_F(ScreenChangeTest, FadeOutThenTheOldScreenIsKilledAndTheNewOneStarted) {
    ProbeScreen a("a"), b("b");
    a.PreStart();
    ASSERT_EQ(Game->CurrentTScreen, &a);
    Game->FadeTo(&b, 100, 0);
    EXPECT_EQ(Game->GameFade.Length, 20);  // 100 ms = 20 ticks of 5 ms
    int ticks = TickUntil([&] { return Game->CurrentTScreen == &b; });
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(a.kills, 1);
    EXPECT_EQ(a.fadeOuts, 1);
    EXPECT_EQ(b.loads, 1);
    EXPECT_EQ(b.starts, 1);
    EXPECT_EQ(Game->LastTScreen, &a);
    EXPECT_EQ(a.logics, 0) << "no logic during a fade without animation";
}

TEST_F(ScreenChangeTest, WithFadesOffTheSwitchHappensInTheSameTick) {
    Game->Fade = 0;
    ProbeScreen a("a"), b("b");
    a.PreStart();
    struct Leaver : ProbeScreen {
        using ProbeScreen::ProbeScreen;
        TScreen* to = nullptr;
        void Logic() override {
            ProbeScreen::Logic();
            Game->FadeTo(to, 300, 0);
        }
    } leaver("leaver");
    leaver.to = &b;
    leaver.PreStart();
    Game->LogicWrapper();
    EXPECT_EQ(Game->CurrentTScreen, &b);
    EXPECT_EQ(leaver.kills, 1);
}

TEST_F(ScreenChangeTest, StopKillKeepsTheScreenAndStopInitRunsOnlyCoreStart) {
    ProbeScreen play("game"), menu("menu");
    play.PreStart();
    play.StopKill = 1;
    Game->FadeTo(&menu, 50, 0);
    TickUntil([&] { return Game->CurrentTScreen == &menu; });
    EXPECT_EQ(play.kills, 0);
    play.StopInit = 1;
    Game->FadeTo(&play, 50, 0);
    TickUntil([&] { return Game->CurrentTScreen == &play; });
    EXPECT_EQ(play.loads, 1);
    EXPECT_EQ(play.starts, 1);
    EXPECT_EQ(play.coreStarts, 2);
}

TEST_F(ScreenChangeTest, AClickDuringAFadeInFinishesItAtFullVisibility) {
    ProbeScreen a("a");
    a.PreStart();
    Game->GameFade.Init(300, 0, nullptr, 1);
    for (int i = 0; i < 10; ++i) Game->LogicWrapper();
    EXPECT_TRUE(Game->Fading());
    TEventSource::InjectClick(10, 10);
    Game->LogicWrapper();
    EXPECT_FALSE(Game->Fading());
    EXPECT_FLOAT_EQ(Game->GameFade.Ratio, 1.0f);
    EXPECT_EQ(Game->GameFade.FadeInAborted, 1);
    EXPECT_EQ(Game->GameFade.AbortKey, -1);
    EXPECT_GT(Game->GameFade.FadeCounterBeforeAbort, 9.0f);
    EXPECT_EQ(a.fadeIns, 1);
}

TEST_F(ScreenChangeTest, AKeyAbortingAFadeInIsRecorded) {
    ProbeScreen a("a");
    a.PreStart();
    Game->GameFade.Init(300, 0, nullptr, 1);
    Key(platform::keys::SPACE);
    Game->LogicWrapper();
    EXPECT_EQ(Game->GameFade.AbortKey, platform::keys::SPACE);
}

TEST_F(ScreenChangeTest, ASecondFadeDuringAnActiveOneIsIgnored) {
    ProbeScreen a("a");
    a.PreStart();
    EXPECT_EQ(Game->GameFade.Init(300, 1, nullptr, 0), 1);
    EXPECT_EQ(Game->GameFade.Init(100, 0, nullptr, 0), 0);
    EXPECT_EQ(Game->GameFade.Out, 1);
    EXPECT_EQ(Game->GameFade.Length, 60);
}

TEST_F(ScreenChangeTest, FadingToTheExitScreenEndsTheLoop) {
    ProbeScreen a("a");
    a.PreStart();
    Game->FadeTo(Game->ExitScreen.get(), 50, 1);
    int ticks = TickUntil([&] { return Game->InstantExit == 1; });
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen.get());
    EXPECT_EQ(Game->LogicWrapper(), -1);
}

TEST_F(ScreenChangeTest, FadingOutWithoutADestinationIsFatalAndLogged) {
    ProbeScreen a("lost");
    a.PreStart();
    Game->GameFade.Init(10, 1, nullptr, 0);
    Game->DestinationTScreen = nullptr;
    try {
        TickUntil([] { return false; }, 10);
        FAIL() << "no fatal message";
    } catch (const TFatalExit& e) {
        EXPECT_STREQ(e.what(), "Screen 'lost' does not have a destination screen set!");
    }
    EXPECT_NE(testsupport::ReadFile(dir.Path() / "ErrorLog.txt")
                  .find("Screen 'lost' does not have a destination screen set!"),
              std::string::npos);
}

TEST_F(ScreenChangeTest, AFadeOutFadesTheMusicChannel) {
    auto channel = std::make_shared<platform::Channel>();
    Game->MusicVolume = 80;
    ProbeScreen a("a"), b("b");
    a.PreStart();
    Game->GameFade.Init(100, 1, channel, 0);
    Game->DestinationTScreen = &b;
    for (int i = 0; i < 10; ++i) Game->LogicWrapper();
    EXPECT_NEAR(channel->Volume(), 0.5f * 0.8f, 1e-4);
    TickUntil([&] { return Game->CurrentTScreen == &b; });
    EXPECT_NEAR(channel->Volume(), 0.0f, 1e-6);
}
