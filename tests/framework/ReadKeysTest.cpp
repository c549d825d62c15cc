#include "tests/framework/FrameworkFixture.h"

using ReadKeysTest = FrameworkTest;
using platform::keys::ESCAPE;

TEST_F(ReadKeysTest, TwoKeyDownsInOneTickCountTwoHits) {
    using T = platform::Event::Type;
    TEventSource::Inject({T::KeyDown, 'A', 0, 0});
    TEventSource::Inject({T::KeyDown, 'A', 0, 0});
    Game->DoPeekEvent();
    EXPECT_EQ(KeyHitCounts['A'], 2);
    EXPECT_TRUE(KeyDown('A'));
    EXPECT_TRUE(KeyHit('A'));
    EXPECT_FALSE(KeyHit('A')) << "a query consumes the hits";
    EXPECT_FALSE(KeyHit(-5));
}

TEST_F(ReadKeysTest, TypedCharactersQueueUpTo256Unread) {
    using T = platform::Event::Type;
    for (int i = 0; i < 300; ++i) TEventSource::Inject({T::KeyChar, 'a' + i % 26, 0, 0});
    Game->DoPeekEvent();
    EXPECT_EQ(CharQueue.Unread(), 256);
    EXPECT_EQ(GetChar(), 'a');
}

TEST_F(ReadKeysTest, EscapeFadesToTheScreensEscapeDestination) {
    ProbeScreen a("a"), b("b");
    a.escTo = &b;
    a.PreStart();
    Key(ESCAPE);
    Game->LogicWrapper();
    EXPECT_TRUE(Game->Fading());
    EXPECT_EQ(Game->DestinationTScreen, &b);
    EXPECT_EQ(Game->GameFade.Length, 20) << "the screen asked for 100 ms";
    EXPECT_EQ(Game->GameFade.AllowAnim, 1);
}

TEST_F(ReadKeysTest, EscapeIsLeftForTheScreenWhenIgnored) {
    ProbeScreen a("a");
    a.PreStart();
    Game->IgnoreEscapeKey = 1;
    Key(ESCAPE);
    Game->DoPeekEvent();
    Game->ReadKeys();
    EXPECT_FALSE(Game->Fading());
    EXPECT_TRUE(KeyHit(ESCAPE));
}

TEST_F(ReadKeysTest, EscapeDuringAFadeFinishesIt) {
    ProbeScreen a("a");
    a.PreStart();
    Game->GameFade.Init(300, 0, nullptr, 1);
    Key(ESCAPE);
    Game->DoPeekEvent();
    Game->ReadKeys();
    EXPECT_FALSE(Game->Fading());
    EXPECT_EQ(Game->GameFade.FadeInAborted, 1);
    EXPECT_EQ(Game->GameFade.AbortKey, 0);
}

TEST_F(ReadKeysTest, PauseKeyAndAClickTogglePause) {
    ProbeScreen a("a");
    a.PreStart();
    Key('P');
    EXPECT_EQ(Game->LogicWrapper(), 0);
    EXPECT_EQ(Game->Paused, 1);
    EXPECT_EQ(Game->Music, 0) << "music is muted while paused";
    EXPECT_EQ(a.logics, 0);
    TEventSource::InjectClick(5, 5);
    EXPECT_EQ(Game->LogicWrapper(), 1);
    EXPECT_EQ(Game->Paused, 0);
    EXPECT_EQ(Game->Music, 1);
}

TEST_F(ReadKeysTest, EscapeWhilePausedOnlyUnpauses) {
    ProbeScreen a("a");
    a.PreStart();
    Game->TogglePause();
    Key(ESCAPE);
    Game->LogicWrapper();
    EXPECT_EQ(Game->Paused, 0);
    EXPECT_FALSE(Game->Fading());
}

TEST_F(ReadKeysTest, ClosingTheWindowFadesToTheExitScreen) {
    ProbeScreen a("a");
    a.PreStart();
    TEventSource::Inject({platform::Event::Type::WindowClose, 0, 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), 1);
    EXPECT_TRUE(Game->Fading());
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen.get());
    EXPECT_EQ(Game->InstantExit, 0);
}

TEST_F(ReadKeysTest, ClosingTheWindowWithoutFadeOnExitEndsAtOnce) {
    ProbeScreen a("a");
    a.PreStart();
    Game->FadeOnExit = 0;
    TEventSource::Inject({platform::Event::Type::WindowClose, 0, 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), -1);
}

TEST_F(ReadKeysTest, ATerminateHandlerThatRefusesKeepsTheGameRunning) {
    ProbeScreen a("a");
    a.PreStart();
    Game->TerminatedUserFunction = [] { return 1; };
    TEventSource::Inject({platform::Event::Type::Terminate, 0, 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), 1);
    EXPECT_FALSE(Game->Fading());
}

TEST_F(ReadKeysTest, SystemQOnThePlayScreenSavesTheProfileAndExits) {
    ProbeScreen play("game");
    play.PreStart();
    int saved = 0, exitKey = 0;
    Game->SaveProfileFunction = [&] { saved++; };
    Game->UserExitKeyFunction = [&] {
        exitKey++;
        return 0;
    };
    using T = platform::Event::Type;
    TEventSource::Inject({T::KeyDown, platform::keys::LSYS, 0, 0});
    TEventSource::Inject({T::KeyDown, 'Q', 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), -1);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(exitKey, 1);
}

TEST_F(ReadKeysTest, FocusLossSuspendsAndRegainResumes) {
    ProbeScreen a("a");
    a.PreStart();
    int suspends = 0, resumes = 0;
    Game->UserSuspendFunction = [&] { suspends++; };
    Game->UserResumeFunction = [&] { resumes++; };
    TEventSource::Inject({platform::Event::Type::Suspend, 0, 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), 0);
    EXPECT_EQ(Game->Suspended, 1);
    EXPECT_EQ(Game->Music, 0);
    EXPECT_EQ(suspends, 1);
    TEventSource::Inject({platform::Event::Type::Resume, 0, 0, 0});
    EXPECT_EQ(Game->LogicWrapper(), 1);
    EXPECT_EQ(Game->Suspended, 0);
    EXPECT_EQ(Game->Music, 1);
    EXPECT_EQ(resumes, 1);
}

TEST_F(ReadKeysTest, FocusLossInFullScreenPauses) {
    ProbeScreen a("a");
    a.PreStart();
    Game->FullScreen = 1;
    Game->PauseOnLossOfFullScreenFocus = 1;
    TEventSource::Inject({platform::Event::Type::Suspend, 0, 0, 0});
    Game->LogicWrapper();
    EXPECT_EQ(Game->Paused, 1);
    TEventSource::Inject({platform::Event::Type::Resume, 0, 0, 0});
    Game->LogicWrapper();
    EXPECT_EQ(Game->Paused, 1) << "stays paused until the player unpauses";
    EXPECT_EQ(Game->Suspended, 0);
}

TEST_F(ReadKeysTest, FrameworkKeysAreOffInTheGameButPauseStaysLive) {
    ProbeScreen a("a");
    a.PreStart();
    Game->IgnoreFrameworkKeys = 1;
    Key('M');
    Game->LogicWrapper();
    EXPECT_EQ(Game->Music, 1);
    Game->IgnoreFrameworkKeys = 0;
    Key('M');
    Game->LogicWrapper();
    EXPECT_EQ(Game->Music, 0);
}

TEST_F(ReadKeysTest, MouseMovesAreMappedIntoVirtualUnits) {
    Game->UsingVirtualResolution = 1;
    Game->VirtualRatioX = Game->VirtualRatioY = 0.5f;
    Game->vxOff = 170;
    Game->vyOff = 0;
    TEventSource::Inject({platform::Event::Type::MouseMove, 0, 1000, 600});
    Game->DoPeekEvent();
    EXPECT_EQ(Game->Mouse.x, 330);
    EXPECT_EQ(Game->Mouse.y, 300);
}

TEST_F(ReadKeysTest, AMouseDownClearsEarlierHitsAndCountsItsOwn) {
    using T = platform::Event::Type;
    TEventSource::Inject({T::MouseDown, 2, 0, 0});
    TEventSource::Inject({T::MouseDown, 1, 0, 0});
    Game->DoPeekEvent();
    EXPECT_EQ(Game->Mouse.h1, 1);
    EXPECT_EQ(Game->Mouse.h2, 0);
    EXPECT_EQ(Game->Mouse.mb, 2);
    EXPECT_EQ(Game->Mouse.mh, 1);
}

TEST_F(ReadKeysTest, ACloseRequestIsNotLostDuringAFadeOrAPause) {
    struct Case {
        const char* what;
        bool fading, paused, suspended;
    } cases[] = {{"fading in", true, false, false},
                 {"paused", false, true, false},
                 {"suspended", false, false, true}};
    for (const auto& c : cases) {
        Game = std::make_unique<TGame>();
        Game->SubPath = dir.Path().string() + "/";
        ProbeScreen a("a");
        a.PreStart();
        if (c.fading) Game->GameFade.Init(300, 0, nullptr, 1);
        if (c.paused) Game->TogglePause();
        if (c.suspended) TEventSource::Inject({platform::Event::Type::Suspend, 0, 0, 0});
        Game->LogicWrapper();
        TEventSource::Inject({platform::Event::Type::WindowClose, 0, 0, 0});
        int ticks = 0;
        while (Game->LogicWrapper() != -1 && ticks < 500) ticks++;
        EXPECT_LT(ticks, 500) << c.what;
        EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen.get()) << c.what;
    }
}
