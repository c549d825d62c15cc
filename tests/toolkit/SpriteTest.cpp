#include <cmath>
#include <vector>

#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TGameObjectList.h"
#include "toolkit/TLabel.h"
#include "toolkit/TSprite.h"

class SpriteTest : public ToolkitTest {};

TEST_F(SpriteTest, MoveStepsThePositionBeforeTheVelocity) {
    TSprite s;
    s.dx = 2;
    s.dy = -1;
    s.ygravity = 0.5f;
    s.Label = TLabel::CreateSpecial("x", 10, 20, 0, 0, 0);
    s.Move();
    EXPECT_FLOAT_EQ(s.x, 2);
    EXPECT_FLOAT_EQ(s.y, -1);
    EXPECT_FLOAT_EQ(s.dy, -0.5f);
    EXPECT_FLOAT_EQ(s.Label->X, 12);
    EXPECT_FLOAT_EQ(s.Label->Y, 19);
    s.Move();
    EXPECT_FLOAT_EQ(s.y, -1.5f);
    EXPECT_FLOAT_EQ(s.dy, 0);
}

TEST_F(SpriteTest, MoveScalesByDelta) {
    Delta = 0.5f;
    TSprite s;
    s.dx = 4;
    s.xgravity = 2;
    s.Move();
    EXPECT_FLOAT_EQ(s.x, 2);
    EXPECT_FLOAT_EQ(s.dx, 5);
}

TEST_F(SpriteTest, MoveForwardHeadsUpAtRotationZeroAndRightAtNinety) {
    TSprite s;
    s.speed = 3;
    s.MoveForward();
    EXPECT_NEAR(s.x, 0, 1e-5);
    EXPECT_NEAR(s.y, -3, 1e-5);
    s.Rotation = 90;
    s.MoveForward();
    EXPECT_NEAR(s.x, 3, 1e-5);
    EXPECT_NEAR(s.y, -3, 1e-5);
}

TEST_F(SpriteTest, DirectionalMovesStayOnScreen) {
    TSprite s;
    s.SetImage(SolidImage(20, 10, 255, 255, 255, 1));
    s.xspeed = 50;
    s.yspeed = 50;
    s.SetPosition(30, 30);
    s.MoveLeft();
    EXPECT_FLOAT_EQ(s.x, 10);
    s.MoveUp();
    EXPECT_FLOAT_EQ(s.y, 5);
    s.SetPosition(1000, 750);
    s.MoveRight();
    EXPECT_FLOAT_EQ(s.x, 1014);
    s.MoveDown();
    EXPECT_FLOAT_EQ(s.y, 763);
}

TEST_F(SpriteTest, SetScaleXYWithZeroYIsUniform) {
    TSprite s;
    s.SetScaleXY(2, 0);
    EXPECT_FLOAT_EQ(s.ScaleX, 2);
    EXPECT_FLOAT_EQ(s.ScaleY, 2);
    s.SetScaleXY(2, 3);
    EXPECT_FLOAT_EQ(s.ScaleY, 3);
}

TEST_F(SpriteTest, NamesAreUpperCasedWithAccents) {
    TSprite s;
    s.SetName("résumé ÿ ok");
    EXPECT_EQ(s.name, "RÉSUMÉ Ÿ OK");
}

TEST_F(SpriteTest, TimedScaleAndRotationRunForTheirLength) {
    TSprite s;
    s.SetupScale(0.1f, -0.05f, 50);  // 10 ticks
    s.SetupRotation(3, 25, 0, 0);    // 5 ticks
    for (int i = 0; i < 20; ++i) {
        s.ManageScale();
        s.ManageRotation();
    }
    EXPECT_NEAR(s.ScaleX, 2.0f, 1e-4);
    EXPECT_NEAR(s.ScaleY, 0.5f, 1e-4);
    EXPECT_NEAR(s.Rotation, 15, 1e-4);
}

TEST_F(SpriteTest, LoopedRotationWrapsIntoTheCircle) {
    TSprite s;
    s.SetupRotation(-100, 0, 1, 0);
    s.ManageRotation();
    EXPECT_FLOAT_EQ(s.Rotation, 260);
    s.RotationSpeed = 150;
    s.ManageRotation();
    EXPECT_FLOAT_EQ(s.Rotation, 50);
}

TEST_F(SpriteTest, FadingGlowStopsAtZeroAndPulsingGlowStaysInRange) {
    TSprite s;
    s.SetGlow(2, 0.25f, 0.1f, 0, 1);
    for (int i = 0; i < 5; ++i) s.ManageGlow();
    EXPECT_FLOAT_EQ(s.Glow, 0);
    s.SetGlow(3, 0, 30, 0.2f, 0.6f);
    float lo = 1, hi = 0;
    for (int i = 0; i < 24; ++i) {
        s.ManageGlow();
        lo = std::min(lo, s.Glow);
        hi = std::max(hi, s.Glow);
    }
    EXPECT_NEAR(lo, 0.2f, 1e-4);  // at 180 degrees
    EXPECT_NEAR(hi, 0.6f, 1e-4);  // at 90 and 270
}

TEST_F(SpriteTest, OneFrameNeverAnimates) {
    TSprite s;
    s.SetupAnim(1, 100, 0, 0, 0, 0, 1);
    s.frame = 0;
    for (int i = 0; i < 50; ++i) EXPECT_EQ(s.ManageAnim(), 0);
    EXPECT_EQ(s.frame, 0);
}

TEST_F(SpriteTest, FramesFollowTheCounterInBothDirections) {
    // 4 frames over 100 ms = 20 ticks, 5 ticks a frame.
    TSprite down;
    down.SetupAnim(4, 100, 0, 0, 0, 0, 1);
    TSprite up;
    up.SetupAnim(4, 100, 1, 0, 0, 0, 1);
    std::vector<int> seenDown, seenUp;
    for (int i = 0; i < 20; ++i) {
        down.ManageAnim();
        up.ManageAnim();
        seenDown.push_back(down.frame);
        seenUp.push_back(up.frame);
    }
    std::vector<int> expected = {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 0};
    EXPECT_EQ(seenDown, expected);
    EXPECT_EQ(seenUp, expected);
}

TEST_F(SpriteTest, LoopCountThreeWrapsTwiceThenHoldsThenCallsEveryTick) {
    TSprite s;
    int calls = 0;
    s.AnimStoppedFunction = [&](TSprite&) { calls++; };
    s.SetupAnim(2, 50, 1, 0, 0, 0, 1);  // 10 ticks, counter up from 0
    s.LoopCount = 3;
    std::vector<int> callsAt;
    for (int tick = 1; tick <= 32; ++tick) {
        int before = calls;
        s.ManageAnim();
        if (calls != before) callsAt.push_back(tick);
    }
    // Wraps at ticks 10 and 20 with a callback; holds silently at 30; from 31 on every tick.
    EXPECT_EQ(callsAt, (std::vector<int>{10, 20, 31, 32}));
    EXPECT_EQ(s.Loop, 0);
    EXPECT_EQ(s.frame, 1);
}

TEST_F(SpriteTest, NonLoopingAnimationCallsBackEveryTickAtItsEnd) {
    TSprite s;
    int calls = 0;
    s.AnimStoppedFunction = [&](TSprite& me) {
        if (++calls == 3) me.StopAnim();
    };
    s.SetupAnim(4, 50, 0, 0, 0, 0, 0);
    for (int i = 0; i < 30; ++i) s.ManageAnim();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(s.FramesTotal, 1);
}

TEST_F(SpriteTest, PingPongReflectsTheOvershootOneFrameAway) {
    struct Case {
        int dir;
        float atFirstBound, atSecondBound;
    } cases[] = {{0, 5, 15}, {1, 15, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        TSprite s;
        int calls = 0;
        s.AnimStoppedFunction = [&](TSprite&) { calls++; };
        s.SetupAnim(4, 100, c.dir, 0, 0, 1, 1);  // 20 ticks, frame length 5
        for (int i = 0; i < 19; ++i) s.ManageAnim();
        EXPECT_EQ(s.frame, 3);
        s.ManageAnim();  // reaches the end and turns a frame's length back
        EXPECT_FLOAT_EQ(s.AnimCounter, c.atFirstBound);
        s.ManageAnim();
        EXPECT_EQ(s.frame, 2);
        for (int i = 0; i < 14; ++i) s.ManageAnim();  // back at the start: turns again
        EXPECT_FLOAT_EQ(s.AnimCounter, c.atSecondBound);
        EXPECT_EQ(s.frame, 1);
        EXPECT_EQ(calls, 0);
    }
}

TEST_F(SpriteTest, SetupAnimStartsTheCounterAtTheRightEnd) {
    struct Case {
        int dir, reverse;
        float counter;
    } cases[] = {{1, 0, 0}, {1, 1, 20}, {0, 1, 0.01f}, {0, 0, 20}};
    for (const Case& c : cases) {
        TSprite s;
        s.SetupAnim(4, 100, c.dir, c.reverse, 0, 0, 1);
        EXPECT_FLOAT_EQ(s.AnimCounter, c.counter) << c.dir << c.reverse;
        EXPECT_FLOAT_EQ(s.FrameLength, 5);
    }
}

TEST_F(SpriteTest, RandomStartLiesInsideTheAnimation) {
    for (int i = 0; i < 20; ++i) {
        TSprite s;
        s.SetupAnim(4, 100, 0, 0, 1, 0, 1);
        EXPECT_GE(s.AnimCounter, 0.01f);
        EXPECT_LE(s.AnimCounter, 20.0f);
    }
}

TEST_F(SpriteTest, CollideWithPixelIsARectangleTest) {
    TSprite none;
    EXPECT_FALSE(none.CollideWithPixel(0, 0));

    TSprite s;
    s.SetImage(SolidImage(10, 6, 255, 255, 255, 1));
    s.SetPosition(100, 100);
    EXPECT_TRUE(s.CollideWithPixel(95, 97));
    EXPECT_TRUE(s.CollideWithPixel(104.9f, 102.9f));
    EXPECT_FALSE(s.CollideWithPixel(105, 100));
    EXPECT_FALSE(s.CollideWithPixel(94.5f, 100));

    s.CalcBoundingBox();
    EXPECT_FLOAT_EQ(s.BoundingBox->X, 95);
    s.BoundingBox->Init(0, 0, 2, 2);
    EXPECT_TRUE(s.CollideWithPixel(1, 1));
    EXPECT_FALSE(s.CollideWithPixel(100, 100));
}

TEST_F(SpriteTest, OutOfBoundsNeedsTheWholeImageOffScreen) {
    struct Case {
        int mid;
        float x, y;
        bool out;
    } cases[] = {
        {1, -9, 100, false},  {1, -11, 100, true}, {1, 1033, 100, false}, {1, 1035, 100, true},
        {0, -19, 100, false}, {0, -21, 100, true}, {0, 1024, 100, false}, {0, 1025, 100, true},
        {0, 100, -11, true},  {0, 100, 769, true}, {1, 100, 772, false},  {1, 100, 774, true},
    };
    for (const Case& c : cases) {
        TSprite s;
        s.SetImage(SolidImage(20, 10, 255, 255, 255, c.mid));
        s.SetPosition(c.x, c.y);
        EXPECT_EQ(s.OutOfBounds(), c.out) << c.mid << " " << c.x << " " << c.y;
    }
}

TEST_F(SpriteTest, KillDropsTheBoxAndKillsTheAttachedSprite) {
    struct Tracker : TSprite {
        int* kills;
        explicit Tracker(int* k) : kills(k) {}
        void Kill() override {
            ++*kills;
            TSprite::Kill();
        }
    };
    int kills = 0;
    TSprite s;
    s.AttachedSprite = std::make_shared<Tracker>(&kills);
    s.CalcBoundingBox();
    s.Kill();
    EXPECT_EQ(kills, 1);
    EXPECT_EQ(s.AttachedSprite, nullptr);
    EXPECT_EQ(s.BoundingBox, nullptr);

    s.AttachedSprite = std::make_shared<Tracker>(&kills);
    s.KillAttachedSprite = 0;
    s.Kill();
    EXPECT_EQ(kills, 1);
}

TEST_F(SpriteTest, ShadowAlphaIsMultipliedByTheSpriteAlpha) {
    OpenGraphics();
    TSprite s;
    s.SetImage(SolidImage(20, 20, 255, 255, 255));
    s.SetPosition(100, 100);
    s.SetShadow(1, 30, 0, 0.5f);
    s.Alpha = 0.5f;
    Game->Gfx->SetClsColor(200, 200, 200);
    Game->Gfx->Cls();
    s.Draw();
    // The shadow alone: black at 0.25 over grey 200 gives 150.
    Rgb shadow = PixelAt(145, 110);
    EXPECT_NEAR(shadow.r, 150, 2);
    // The sprite: white at 0.5 over grey.
    Rgb body = PixelAt(105, 110);
    EXPECT_NEAR(body.r, 227, 2);
    EXPECT_FLOAT_EQ(Game->Gfx->GetAlpha(), 1);
    float sx, sy;
    Game->Gfx->GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
}

TEST_F(SpriteTest, TintAndGlowLeaveTheDrawingStateAsTheyFoundIt) {
    OpenGraphics();
    TSprite s;
    s.SetImage(SolidImage(20, 20, 255, 255, 255));
    s.SetPosition(300, 300);
    s.Color = TColor::Create(255, 0, 0);
    s.SetGlow(1, 0.5f, 0, 0, 1);
    s.Rotation = 10;
    s.Draw();
    int r, g, b;
    Game->Gfx->GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
    EXPECT_EQ(Game->Gfx->GetBlend(), platform::BlendMode::Alpha);
    EXPECT_FLOAT_EQ(Game->Gfx->GetRotation(), 0);
}

TEST_F(SpriteTest, InvisibleOrImagelessSpritesDrawNothing) {
    OpenGraphics();
    TSprite s;
    s.SetPosition(50, 50);
    s.Draw();
    s.SetImage(SolidImage(10, 10));
    s.visible = 0;
    s.Draw();
    EXPECT_EQ(PixelAt(55, 55).r, 0);
    s.visible = 1;
    s.Draw();
    EXPECT_EQ(PixelAt(55, 55).r, 255);
}

TEST_F(SpriteTest, GameObjectsLeavingTheScreenLeaveTheirList) {
    TGameObjectList list;
    auto image = SolidImage(10, 10, 255, 255, 255, 1);
    auto leaving = list.AddNew(1020, 100, image);
    leaving->dx = 20;
    auto staying = list.AddNew(500, 100, image);
    staying->dx = 20;
    auto unchecked = list.AddNew(1020, 100, image);
    unchecked->dx = 20;
    unchecked->OutOfBoundsCheckEnabled = 0;
    list.Move();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items[0], staying);
    EXPECT_EQ(list.Items[1], unchecked);
    EXPECT_EQ(leaving->GameObjects, nullptr);
    EXPECT_FLOAT_EQ(staying->x, 520);
    EXPECT_FLOAT_EQ(unchecked->x, 1040);
    list.Kill();
    EXPECT_TRUE(list.Empty());
}

TEST_F(SpriteTest, RoundedAndScrolledDrawingLandOnTheirPixels) {
    OpenGraphics();
    TSprite s;
    s.SetImage(SolidImage(10, 10));
    s.SetPosition(100.6f, 100.4f);
    s.RoundCoords = 1;
    s.Draw();
    EXPECT_EQ(PixelAt(100, 100).r, 0);
    EXPECT_EQ(PixelAt(101, 100).r, 255);
    EXPECT_EQ(PixelAt(110, 109).r, 255);
    EXPECT_EQ(PixelAt(111, 109).r, 0);

    Game->Gfx->Cls();
    Game->ScrollX = 50;
    Game->ScrollY = 20;
    s.SetPosition(300, 300);
    s.DrawWithOffset();
    EXPECT_EQ(PixelAt(255, 285).r, 255);
    EXPECT_EQ(PixelAt(305, 305).r, 0);
}

TEST_F(SpriteTest, GlowAddsLightInItsStrength) {
    OpenGraphics();
    TSprite s;
    s.SetImage(SolidImage(10, 10, 100, 100, 100));
    s.SetPosition(200, 200);
    s.SetGlow(1, 0.5f, 0, 0, 1);
    s.Draw();
    // 100 plus the picture lit at half strength: 100 + 100 x 0.5.
    EXPECT_NEAR(PixelAt(205, 205).r, 150, 2);
}
