#include <string>
#include <vector>

#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TExplosionList.h"
#include "toolkit/TParticleGeneratorList.h"
#include "toolkit/TParticleList.h"

class ParticleTest : public ToolkitTest {
protected:
    std::shared_ptr<TParticle> Add(float x = 500, float y = 400) {
        return list.AddNew(x, y, SolidImage(10, 10, 255, 255, 255, 1));
    }
    TParticleList list;
};

TEST_F(ParticleTest, ParticlesDyingDuringTheWalkLeaveAndTheRestMoveOnce) {
    std::vector<std::shared_ptr<TParticle>> all;
    for (int i = 0; i < 6; ++i) {
        auto p = Add(100.0f + i, 100);
        p->dx = 1;
        all.push_back(p);
    }
    all[1]->LifeCounter = 1;  // dies this tick
    all[2]->LifeCounter = 1;
    // Dying, the fourth takes the last one with it.
    all[3]->LifeCounter = 1;
    all[3]->UserKill = [&](TParticle&) { all[5]->Kill(); };
    list.Manage();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items[0], all[0]);
    EXPECT_EQ(list.Items[1], all[4]);
    EXPECT_FLOAT_EQ(all[0]->x, 101);
    EXPECT_FLOAT_EQ(all[4]->x, 105);
    EXPECT_FLOAT_EQ(all[5]->x, 105);  // killed before its turn: never moved
    EXPECT_EQ(all[3]->Particles, nullptr);
    EXPECT_EQ(all[3]->active, 0);
}

TEST_F(ParticleTest, AddFirstGoesUnderTheOthers) {
    auto a = Add();
    auto b = list.AddNew(0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
    EXPECT_EQ(list.Items.front(), b);
    EXPECT_EQ(list.Items.back(), a);
}

TEST_F(ParticleTest, AFadeCounterStartedPastItsLengthStaysOpaqueThenFades) {
    auto p = list.AddNew(500, 400, SolidImage(10, 10), 0, 0, 0, 500);  // 100 ticks
    p->FadeCounter = Game->CalcAnimLength(800);
    int tick = 0;
    for (; tick < 60; ++tick) {
        EXPECT_GE(p->FadeAlpha(), 1.0f) << tick;
        list.Manage();
    }
    EXPECT_FLOAT_EQ(p->FadeAlpha(), 1.0f);
    for (; tick < 110; ++tick) list.Manage();
    EXPECT_NEAR(p->FadeAlpha(), 0.5f, 1e-4);
    for (; tick < 159; ++tick) list.Manage();
    EXPECT_EQ(list.Count(), 1);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FLOAT_EQ(p->Alpha, 0);
}

TEST_F(ParticleTest, FadeInThenSustainThenOut) {
    auto p = Add();
    p->SetFade(50, 50, 50, -1, 0.8f);  // 10 ticks each
    EXPECT_FLOAT_EQ(p->Alpha, 0);
    for (int i = 0; i < 5; ++i) list.Manage();
    EXPECT_NEAR(p->FadeAlpha(), 0.4f, 1e-5);  // half way to the sustain alpha
    for (int i = 0; i < 5; ++i) list.Manage();
    EXPECT_EQ(p->FadeIn, 0);
    EXPECT_NEAR(p->FadeAlpha(), 0.8f, 1e-5);
    for (int i = 0; i < 10; ++i) list.Manage();
    EXPECT_NEAR(p->FadeAlpha(), 0.8f, 1e-5);
    EXPECT_TRUE(p->IsFadingOut());
    for (int i = 0; i < 5; ++i) list.Manage();
    EXPECT_NEAR(p->FadeAlpha(), 0.4f, 1e-5);
    for (int i = 0; i < 5; ++i) list.Manage();
    EXPECT_TRUE(list.Empty());
}

TEST_F(ParticleTest, ADelayedParticleNeitherMovesNorShowsUntilItsTime) {
    auto p = Add(100, 100);
    p->dx = 2;
    int finished = 0;
    p->DelayFinished = [&](TParticle&) { finished++; };
    p->SetDelay(25);  // 5 ticks
    for (int i = 0; i < 4; ++i) {
        list.Manage();
        EXPECT_EQ(p->Hidden, 1);
        EXPECT_FLOAT_EQ(p->x, 100);
    }
    list.Manage();
    EXPECT_EQ(p->Hidden, 0);
    EXPECT_EQ(finished, 1);
    EXPECT_FLOAT_EQ(p->x, 102);
}

TEST_F(ParticleTest, HiddenParticlesDrawNothing) {
    OpenGraphics();
    auto p = list.AddNew(100, 100, SolidImage(10, 10));
    p->SetDelay(25);
    list.Draw();
    EXPECT_EQ(PixelAt(105, 105).r, 0);
    for (int i = 0; i < 5; ++i) list.Manage();
    list.Draw();
    EXPECT_EQ(PixelAt(105, 105).r, 255);
    EXPECT_EQ(Game->Gfx->GetBlend(), platform::BlendMode::Alpha);
}

TEST_F(ParticleTest, KillOnScaleZeroDiesOnTheTickItReachesZero) {
    auto p = list.AddNew(500, 400, SolidImage(10, 10), 0, 0, 0, 0, 0, 0, 0, 1.0f, -0.25f);
    for (int i = 0; i < 3; ++i) list.Manage();
    EXPECT_EQ(list.Count(), 1);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);

    auto kept = list.AddNew(500, 400, SolidImage(10, 10), 0, 0, 0, 0, 0, 0, 0, 1.0f, -0.25f);
    kept->KillOnScaleZero = 0;
    for (int i = 0; i < 6; ++i) list.Manage();
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(ParticleTest, LeavingTheScreenKillsUnlessExempt) {
    auto gone = Add(1020, 100);
    gone->dx = 30;
    auto exempt = Add(1020, 100);
    exempt->dx = 30;
    exempt->NoOutOfBounds = 1;
    list.Manage();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items[0], exempt);
}

TEST_F(ParticleTest, ReachingTheDestinationCallsBackAndKills) {
    auto p = Add(100, 100);
    p->dx = 10;
    p->dy = -10;
    p->DestX = 130;
    p->DestY = 75;
    int reached = 0;
    p->DestinationReached = [&](TParticle& me) {
        reached++;
        me.StopAtDestination();
    };
    p->KillOnDestinationReached = 1;
    list.Manage();
    list.Manage();
    EXPECT_EQ(reached, 0);
    list.Manage();  // x 130, y 70: both reached
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(list.Empty());
    EXPECT_FLOAT_EQ(p->x, 130);
    EXPECT_FLOAT_EQ(p->y, 75);
}

TEST_F(ParticleTest, PhasesRunInTurnCallingBackAtEachEnd) {
    auto p = Add(100, 100);
    std::vector<std::string> ends;
    auto wait = p->AddPhase(50);  // 10 ticks, unseen
    wait->Alpha = 0;
    wait->UserFunction = [&](TParticle&) { ends.push_back("wait"); };
    auto fly = p->AddPhase(100);  // 20 ticks
    fly->dx = 5;
    fly->Alpha = 1;
    fly->UserFunction = [&](TParticle&) { ends.push_back("fly"); };
    auto rest = p->AddPhase(25);
    rest->FadeMS = 25;
    rest->UserFunction = [&](TParticle&) { ends.push_back("rest"); };
    p->StartPhases();
    EXPECT_FLOAT_EQ(p->Alpha, 0);
    for (int i = 0; i < 10; ++i) list.Manage();
    EXPECT_EQ(ends, (std::vector<std::string>{"wait"}));
    EXPECT_FLOAT_EQ(p->Alpha, 1);
    for (int i = 0; i < 20; ++i) list.Manage();
    EXPECT_FLOAT_EQ(p->x, 100 + 20 * 5);  // from the tick the flight began
    EXPECT_FLOAT_EQ(p->dx, 0);
    for (int i = 0; i < 5 && !list.Empty(); ++i) list.Manage();
    EXPECT_EQ(ends, (std::vector<std::string>{"wait", "fly", "rest"}));
    EXPECT_TRUE(list.Empty());
}

TEST_F(ParticleTest, APhaseWithoutAlphaLeavesItAlone) {
    auto p = Add();
    p->Alpha = 0.3f;
    auto phase = p->AddPhase(100);
    phase->ScaleX = 2;
    phase->DoScale2 = 1;
    p->StartPhases();
    EXPECT_FLOAT_EQ(p->Alpha, 0.3f);
    EXPECT_FLOAT_EQ(p->ScaleX, 2);
    EXPECT_FLOAT_EQ(p->ScaleY, 0);
}

TEST_F(ParticleTest, KillAfterAnimEndsWithTheFrames) {
    auto p = Add();
    p->SetupAnim(4, 50, 0, 0, 0, 0, 0);  // 10 ticks
    p->KillAfterAnim = 1;
    for (int i = 0; i < 9; ++i) list.Manage();
    EXPECT_EQ(p->frame, 3);
    list.Manage();
    EXPECT_TRUE(list.Empty());
}

TEST_F(ParticleTest, ColourFadesByItsDeltas) {
    auto p = Add();
    p->SetColorFade(TColor(100, 200, 0), 10, -20, 2.5f);
    for (int i = 0; i < 3; ++i) list.Manage();
    EXPECT_EQ(p->Color->R, 130);
    EXPECT_EQ(p->Color->G, 140);
    EXPECT_EQ(p->Color->B, 7);
}

TEST_F(ParticleTest, RotationWrapsBothWays) {
    auto cw = list.AddNew(500, 400, SolidImage(4, 4), 0, 0, 0, 0, 0, 1, 200);
    auto ccw = list.AddNew(500, 400, SolidImage(4, 4), 0, 0, 0, 0, 0, -1, 100);
    list.Manage();
    list.Manage();
    EXPECT_FLOAT_EQ(cw->Rotation, 40);
    EXPECT_FLOAT_EQ(ccw->Rotation, 160);
}

TEST_F(ParticleTest, FadeAllStartsEveryFadeOut) {
    Add();
    Add();
    list.FadeAll(50);
    for (int i = 0; i < 10; ++i) list.Manage();
    EXPECT_TRUE(list.Empty());
}

TEST_F(ParticleTest, AGeneratorOfOneMakesOneAndIsNotKept) {
    TParticleGeneratorList generators;
    int made = 0;
    generators.Add(0, 0, 1, 100, [&](TParticleGenerator&) { made++; });
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(generators.Empty());
}

TEST_F(ParticleTest, AGeneratorMakesItsQuantityAtItsInterval) {
    TParticleGeneratorList generators;
    std::vector<int> madeAt;
    int tick = 0;
    generators.Add(10, 20, 3, 25, [&](TParticleGenerator& g) {
        madeAt.push_back(tick);
        EXPECT_FLOAT_EQ(g.x, 10);
    });
    for (tick = 1; tick <= 20; ++tick) generators.Manage();
    EXPECT_EQ(madeAt, (std::vector<int>{0, 5, 10}));
    EXPECT_TRUE(generators.Empty());
}

TEST_F(ParticleTest, AGeneratorWithHalfATickIntervalMakesTwoATick) {
    int made = 0;
    auto g = TParticleGenerator::Create(
        0, 0, 9, 2.5f, [&](TParticleGenerator&) { made++; }, 0, 0, 0);
    g->Manage();
    EXPECT_EQ(made, 2);
    g->Manage();
    EXPECT_EQ(made, 4);
    for (int i = 0; i < 5; ++i) g->Manage();
    EXPECT_EQ(made, 8);
    EXPECT_EQ(g->Active, 0);
    EXPECT_EQ(g->Manage(), -1);
}

TEST_F(ParticleTest, ACarriedGeneratorRunsWithItsParticle) {
    auto p = Add();
    int made = 0;
    p->ParticleGenerator = TParticleGenerator::Create(
        0, 0, 3, 5, [&](TParticleGenerator&) { made++; }, 0, 0, 0);
    for (int i = 0; i < 5; ++i) list.Manage();
    EXPECT_EQ(made, 2);
    p->Kill();
    EXPECT_EQ(p->ParticleGenerator, nullptr);
}

TEST_F(ParticleTest, ExplosionsRunTheirFramesThenLeave) {
    TExplosionList explosions;
    auto e = explosions.AddNew(100, 100, SolidImage(8, 8));
    e->StartAnim(50, 5);  // 10 ticks, 2 a frame
    std::vector<int> frames;
    for (int i = 0; i < 9; ++i) {
        explosions.Manage();
        frames.push_back(e->frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 4, 4}));
    explosions.Manage();
    EXPECT_TRUE(explosions.Empty());
    EXPECT_EQ(e->Explosions, nullptr);
}
