#include <gtest/gtest.h>

#include <vector>

#include "platform/Sprite.h"

namespace {

using platform::Sprite;

// A frame of w x h words filled with one colour, and a target drawing into all of it.
struct Frame {
    int w, h;
    std::vector<uint32_t> pixels;
    Frame(int width, int height, uint32_t fill)
        : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}
    Sprite::Target Target() {
        Sprite::Target t;
        t.pixels = pixels.data();
        t.pitch = w;
        t.width = w;
        t.height = h;
        t.clipW = w;
        t.clipH = h;
        return t;
    }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
};

// One row: clear, solid red, half-see-through green, solid blue.
Sprite Row() {
    return Sprite({0x00ffffffu, 0xffff0000u, 0x8000ff00u, 0xff0000ffu}, 4, 1);
}

TEST(SpriteTest, SolidClearAndPartPixelsBlendAsSdlDoes) {
    Frame frame(6, 1, 0xff404040u);
    Row().Draw(frame.Target(), 1, 0, 0, 0, 4, 1, Sprite::Mode::Blend, 255);
    EXPECT_EQ(frame.At(0, 0), 0xff404040u);  // not reached
    EXPECT_EQ(frame.At(1, 0), 0xff404040u);  // clear pixel leaves the frame alone
    EXPECT_EQ(frame.At(2, 0) & 0xffffff, 0xff0000u);
    // 0x40 + (0xff - 0x40) * 0x80 / 256 = 0x9f; the other channels go half way to 0.
    EXPECT_EQ(frame.At(3, 0) & 0xffffff, 0x209f20u);
    EXPECT_EQ(frame.At(4, 0) & 0xffffff, 0x0000ffu);
    EXPECT_EQ(frame.At(5, 0), 0xff404040u);
}

TEST(SpriteTest, ModesAndFading) {
    struct Case {
        const char* name;
        Sprite::Mode mode;
        uint32_t alpha;
        uint32_t solid, part;  // what the solid red and the half green pixels leave
    };
    const Case cases[] = {
        // Copy takes every pixel as it is, even the clear one's colour.
        {"copy", Sprite::Mode::Copy, 255, 0xff0000u, 0x00ff00u},
        // Faded to about half: 0xff * 127 / 255 + 0x40 * 128 / 255.
        {"blend faded", Sprite::Mode::Blend, 127, 0x9f2020u, 0x306f30u},
        // Added and cut at white.
        {"add", Sprite::Mode::Add, 255, 0xff4040u, 0x40c040u},
        {"add faded", Sprite::Mode::Add, 127, 0xbf4040u, 0x407f40u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame frame(4, 1, 0xff404040u);
        Row().Draw(frame.Target(), 0, 0, 0, 0, 4, 1, c.mode, c.alpha);
        EXPECT_EQ(frame.At(1, 0) & 0xffffff, c.solid);
        EXPECT_EQ(frame.At(2, 0) & 0xffffff, c.part);
        if (c.mode == Sprite::Mode::Copy) {
            EXPECT_EQ(frame.At(0, 0) & 0xffffff, 0xffffffu);
        } else {
            EXPECT_EQ(frame.At(0, 0), 0xff404040u);
        }
    }
}

TEST(SpriteTest, ClipPartAndFrameEdgesBoundTheDraw) {
    std::vector<uint32_t> solid(4 * 4, 0xff112233u);
    Sprite sprite(solid, 4, 4);
    EXPECT_TRUE(sprite.Opaque());
    EXPECT_FALSE(Row().Opaque());

    Frame frame(5, 5, 0);
    auto target = frame.Target();
    target.clipX = 1;
    target.clipY = 1;
    target.clipW = 2;
    target.clipH = 3;
    // The 3x3 part from (1, 1) with its corner on the frame's: the clip keeps 2x2 of it.
    sprite.Draw(target, 0, 0, 1, 1, 3, 3, Sprite::Mode::Blend, 255);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x < 3 && y >= 1 && y < 3;
            EXPECT_EQ(frame.At(x, y), inside ? 0xff112233u : 0u) << x << "," << y;
        }
    }
    // Half off the frame's top-left corner.
    Frame corner(4, 4, 0);
    sprite.Draw(corner.Target(), -1, -2, 0, 0, 4, 4, Sprite::Mode::Blend, 255);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(corner.At(x, y), x < 3 && y < 2 ? 0xff112233u : 0u) << x << "," << y;
        }
    }
    // Wholly outside: nothing, and no stray write.
    Frame other(3, 3, 7);
    sprite.Draw(other.Target(), 10, 10, 0, 0, 4, 4, Sprite::Mode::Copy, 255);
    sprite.Draw(other.Target(), -10, 0, 0, 0, 4, 4, Sprite::Mode::Copy, 255);
    for (uint32_t p : other.pixels) EXPECT_EQ(p, 7u);
}

TEST(SpriteTest, MismatchedSizeMakesAnEmptySprite) {
    Sprite sprite(std::vector<uint32_t>(5, 0xffffffffu), 2, 2);
    EXPECT_TRUE(sprite.Empty());
    Frame frame(2, 2, 1);
    sprite.Draw(frame.Target(), 0, 0, 0, 0, 2, 2, Sprite::Mode::Copy, 255);
    EXPECT_EQ(frame.At(0, 0), 1u);
}

}  // namespace
