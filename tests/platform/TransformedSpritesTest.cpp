#include <gtest/gtest.h>

#include "platform/Pixmap.h"
#include "platform/TransformedSprites.h"

namespace {

using platform::Pixmap;
using platform::Sprite;
using platform::TransformedSprites;

void Set(Pixmap& p, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    uint8_t* px = p.At(x, y);
    px[0] = r;
    px[1] = g;
    px[2] = b;
    px[3] = a;
}

// 2x2: red, green / blue, white; all solid.
Pixmap Quad() {
    Pixmap p(2, 2);
    Set(p, 0, 0, 255, 0, 0, 255);
    Set(p, 1, 0, 0, 255, 0, 255);
    Set(p, 0, 1, 0, 0, 255, 255);
    Set(p, 1, 1, 255, 255, 255, 255);
    return p;
}

TransformedSprites::Request Plain(const Pixmap& pixels) {
    TransformedSprites::Request r;
    r.source = 1;
    r.pixels = &pixels;
    r.src.w = pixels.Width();
    r.src.h = pixels.Height();
    return r;
}

constexpr uint32_t RED = 0xffff0000u, GREEN = 0xff00ff00u, BLUE = 0xff0000ffu, WHITE = 0xffffffffu;

TEST(TransformedSpritesTest, StretchFlipAndTintWithHardEdges) {
    const Pixmap quad = Quad();
    struct Case {
        const char* name;
        bool flipX, flipY;
        uint8_t tint;
        uint32_t topLeft, topRight, bottomLeft, bottomRight;
    };
    const Case cases[] = {
        {"as it is", false, false, 255, RED, GREEN, BLUE, WHITE},
        {"mirrored", true, false, 255, GREEN, RED, WHITE, BLUE},
        {"upside down", false, true, 255, BLUE, WHITE, RED, GREEN},
        // 128 of 255 halves every colour channel, never alpha.
        {"tinted", false, false, 128, 0xff800000u, 0xff008000u, 0xff000080u, 0xff808080u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto request = Plain(quad);
        request.flipX = c.flipX;
        request.flipY = c.flipY;
        request.r = request.g = request.b = c.tint;
        // Unsmoothed, each source pixel becomes a 2x2 block.
        auto out =
            TransformedSprites::Stretch(request, TransformedSprites::Premultiplied(quad), 4, 4);
        ASSERT_EQ(out.size(), 16u);
        EXPECT_EQ(out[0], c.topLeft);
        EXPECT_EQ(out[1 * 4 + 1], c.topLeft);
        EXPECT_EQ(out[3], c.topRight);
        EXPECT_EQ(out[3 * 4 + 0], c.bottomLeft);
        EXPECT_EQ(out[2 * 4 + 3], c.bottomRight);
    }
}

TEST(TransformedSpritesTest, SmoothStretchMixesNeighboursByTheirCoverage) {
    // Solid black beside clear white: smoothing must not let the clear pixel's colour bleed.
    Pixmap p(2, 1);
    Set(p, 0, 0, 0, 0, 0, 255);
    Set(p, 1, 0, 255, 255, 255, 0);
    auto request = Plain(p);
    request.smooth = true;
    auto out = TransformedSprites::Stretch(request, TransformedSprites::Premultiplied(p), 4, 1);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], 0xff000000u);  // edge pixels clamp to the edge
    EXPECT_EQ(out[3], 0u);
    const uint32_t middle = out[1];
    EXPECT_GT(middle >> 24, 0x80u);
    EXPECT_LT(middle >> 24, 0xffu);
    EXPECT_EQ(middle & 0xffffff, 0u);  // still black, however see-through
}

TEST(TransformedSpritesTest, TurnedAQuarterTheCornersMoveClockwise) {
    const Pixmap quad = Quad();
    auto request = Plain(quad);
    request.angle = 90;
    // The pivot at the picture's centre, on the corner between four real pixels.
    request.centreX = 1;
    request.centreY = 1;
    auto out = TransformedSprites::Turn(request, TransformedSprites::Premultiplied(quad), 0, 0, -1,
                                        -1, 2, 2);
    ASSERT_EQ(out.size(), 4u);
    // Clockwise on screen: the top-left red goes to the top-right.
    EXPECT_EQ(out[0], BLUE);
    EXPECT_EQ(out[1], RED);
    EXPECT_EQ(out[2], WHITE);
    EXPECT_EQ(out[3], GREEN);
}

TEST(TransformedSpritesTest, ATurnedSpriteHasSoftEdgesAndASolidMiddle) {
    Pixmap p(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) Set(p, x, y, 200, 100, 50, 255);
    TransformedSprites cache;
    auto request = Plain(p);
    request.smooth = true;
    request.angle = 30;
    request.centreX = request.centreY = 10;
    request.atX = 50;
    request.atY = 50;
    int x = 0, y = 0;
    const Sprite* sprite = cache.Get(request, x, y);
    ASSERT_NE(sprite, nullptr);
    // The box of a 20-pixel square turned 30 degrees is about 27.3 pixels wide, around 50.
    EXPECT_NEAR(x + sprite->Width() / 2.0, 50, 1.5);
    EXPECT_GE(sprite->Width(), 28);
    EXPECT_LE(sprite->Width(), 31);
    EXPECT_EQ(sprite->At(sprite->Width() / 2, sprite->Height() / 2), 0xffc86432u);
    EXPECT_EQ(sprite->At(0, 0), 0u);  // the box's corner lies outside the turned square
    int soft = 0;
    for (int i = 0; i < sprite->Width(); ++i) {
        const uint32_t a = sprite->At(i, sprite->Height() / 2) >> 24;
        if (a > 0 && a < 255) ++soft;
    }
    EXPECT_GE(soft, 2);  // one smoothed pixel at least on each side
}

TEST(TransformedSpritesTest, AnUnchangedDrawIsWorkedOutOnce) {
    const Pixmap quad = Quad();
    TransformedSprites cache;
    auto request = Plain(quad);
    request.angle = 10;
    request.atX = 20.2f;
    int x = 0, y = 0;
    const Sprite* first = cache.Get(request, x, y);
    ASSERT_NE(first, nullptr);
    const int firstX = x;
    // Moved by a whole pixel: the same picture, moved.
    request.atX = 21.2f;
    EXPECT_EQ(cache.Get(request, x, y), first);
    EXPECT_EQ(x, firstX + 1);
    // A new angle or tint is a new picture.
    request.angle = 11;
    EXPECT_NE(cache.Get(request, x, y), first);
    request.angle = 10;
    request.r = 10;
    EXPECT_NE(cache.Get(request, x, y), first);
    EXPECT_EQ(cache.Size(), 3u);
}

TEST(TransformedSpritesTest, OverItsBudgetTheLeastLatelyDrawnGoButNotWhatTheLastFrameDrew) {
    const Pixmap quad = Quad();
    // Room for three 10x10 pictures.
    TransformedSprites cache(300);
    auto request = Plain(quad);
    request.ax = request.ay = 5;
    int x = 0, y = 0;
    auto draw = [&](uint8_t tint) {
        request.r = tint;
        return cache.Get(request, x, y);
    };
    const Sprite* a = draw(1);
    cache.EndFrame();
    draw(2);
    cache.EndFrame();
    draw(3);
    cache.EndFrame();
    for (int i = 0; i < 5; ++i) cache.EndFrame();
    EXPECT_EQ(cache.Size(), 3u);  // under the budget nothing goes, however old
    EXPECT_EQ(draw(1), a);        // and is found again as it was
    cache.EndFrame();
    const Sprite* d = draw(4);
    draw(5);
    cache.EndFrame();
    // 500 pixels: down to 225 at most, the least lately drawn first (2, 3, then 1); 4 and 5
    // were drawn in the frame just shown, so they stay even over the budget.
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_EQ(draw(4), d);
    draw(1);
    EXPECT_EQ(cache.Size(), 3u);  // 1 worked out afresh
}

TEST(TransformedSpritesTest, OutsideTheFrameOrHugeGivesNothing) {
    const Pixmap quad = Quad();
    TransformedSprites cache;
    int x = 0, y = 0;
    auto request = Plain(quad);
    request.src.x = request.src.y = 5;  // wholly off the picture
    request.ax = 2;
    EXPECT_EQ(cache.Get(request, x, y), nullptr);
    request = Plain(quad);
    request.ax = request.ay = 3000;  // a zoom far beyond any screen
    EXPECT_EQ(cache.Get(request, x, y), nullptr);
    request.ax = request.ay = 0.1f;  // shrunk to nothing
    EXPECT_EQ(cache.Get(request, x, y), nullptr);
}

}  // namespace
