#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/ImageFont.h"

namespace {

using platform::BlendMode;
using platform::ContextSettings;
using platform::Graphics;
using platform::Image;
using platform::Pixmap;

using Rgb = std::array<int, 3>;

// {-1, -1, -1} outside the picture (so an empty grab fails the comparison, not the test run).
Rgb At(const Pixmap& p, int x, int y) {
    if (x < 0 || y < 0 || x >= p.Width() || y >= p.Height()) return {-1, -1, -1};
    const uint8_t* px = p.At(x, y);
    return {px[0], px[1], px[2]};
}

// Renderers differ by a unit or two in blending.
::testing::AssertionResult Near(const Rgb& got, const Rgb& want, int tolerance = 2) {
    for (int i = 0; i < 3; ++i) {
        if (std::abs(got[i] - want[i]) > tolerance) {
            return ::testing::AssertionFailure()
                   << "got " << got[0] << "," << got[1] << "," << got[2] << " want " << want[0]
                   << "," << want[1] << "," << want[2];
        }
    }
    return ::testing::AssertionSuccess();
}

Pixmap Solid(int w, int h, Rgb c, int alpha = 255) {
    Pixmap p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.At(x, y);
            px[0] = static_cast<uint8_t>(c[0]);
            px[1] = static_cast<uint8_t>(c[1]);
            px[2] = static_cast<uint8_t>(c[2]);
            px[3] = static_cast<uint8_t>(alpha);
        }
    }
    return p;
}

class GraphicsTest : public ::testing::Test {
protected:
    void Open(int w, int h) {
        ContextSettings settings;
        settings.width = w;
        settings.height = h;
        settings.vsync = false;
        settings.title = "test";
        std::string error;
        ASSERT_TRUE(g.Open(settings, error)) << error;
        g.SetVirtualResolution(static_cast<float>(w), static_cast<float>(h));
        g.SetViewport(0, 0, w, h);
        g.SetClsColor(0, 0, 0);
        g.Cls();
    }

    Graphics g;
};

TEST_F(GraphicsTest, OpensUnderTheDummyDriverWithTheSoftwareRenderer) {
    Open(320, 200);
    EXPECT_TRUE(g.IsOpen());
    EXPECT_EQ(g.OutputWidth(), 320);
    EXPECT_EQ(g.OutputHeight(), 200);
    const char* video = std::getenv("SDL_VIDEODRIVER");
    if (video && std::string(video) == "dummy") {
        EXPECT_EQ(g.RendererName(), "software");
    }
    EXPECT_TRUE(Graphics::DriverExists("software"));
    EXPECT_FALSE(Graphics::DriverExists("direct3d 7"));
    g.Close();
    EXPECT_FALSE(g.IsOpen());
    EXPECT_TRUE(g.Grab().Empty());
}

TEST_F(GraphicsTest, VirtualUnitsAreScaledOntoTheRealOutput) {
    Open(2048, 1536);
    g.SetVirtualResolution(1024, 768);
    g.SetViewport(0, 0, 1024, 768);
    g.SetColor(255, 0, 0);
    g.DrawRect(10, 10, 10, 10);
    g.SetColor(255, 255, 255);
    auto image = Image::FromPixmap(Solid(2, 2, {0, 255, 0}), 0);
    g.DrawImage(*image, 100, 50);
    const Pixmap shot = g.Grab();
    ASSERT_EQ(shot.Width(), 2048);
    ASSERT_EQ(shot.Height(), 1536);
    struct Probe {
        int x, y;
        Rgb colour;
    };
    const Probe probes[] = {
        {20, 20, {255, 0, 0}},   {39, 39, {255, 0, 0}}, {19, 20, {0, 0, 0}},
        {40, 39, {0, 0, 0}},     {39, 40, {0, 0, 0}},   {200, 100, {0, 255, 0}},
        {203, 103, {0, 255, 0}}, {204, 100, {0, 0, 0}}, {199, 100, {0, 0, 0}},
    };
    for (const Probe& p : probes) {
        EXPECT_TRUE(Near(At(shot, p.x, p.y), p.colour)) << p.x << "," << p.y;
    }
}

TEST_F(GraphicsTest, OriginShiftsDrawingButNotTheViewport) {
    Open(100, 100);
    g.SetOrigin(30, 20);
    float ox = 0, oy = 0;
    g.GetOrigin(ox, oy);
    EXPECT_EQ(ox, 30);
    EXPECT_EQ(oy, 20);
    g.SetColor(0, 0, 255);
    g.DrawRect(0, 0, 5, 5);
    const Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 30, 20), {0, 0, 255}));
    EXPECT_TRUE(Near(At(shot, 34, 24), {0, 0, 255}));
    EXPECT_TRUE(Near(At(shot, 0, 0), {0, 0, 0}));
}

TEST_F(GraphicsTest, ColourAlphaAndBlendShowInTheBackBuffer) {
    Open(64, 64);
    struct Case {
        const char* name;
        BlendMode blend;
        float alpha;
        Rgb tint;
        Rgb source;
        int sourceAlpha;
        Rgb want;
    };
    const Rgb ground{100, 100, 100};
    const Case cases[] = {
        {"alpha opaque",
         BlendMode::Alpha,
         1.0f,
         {255, 255, 255},
         {200, 100, 50},
         255,
         {200, 100, 50}},
        {"alpha half",
         BlendMode::Alpha,
         0.5f,
         {255, 255, 255},
         {200, 100, 50},
         255,
         {150, 100, 75}},
        {"pixel alpha",
         BlendMode::Alpha,
         1.0f,
         {255, 255, 255},
         {200, 100, 50},
         128,
         {150, 100, 75}},
        {"tinted", BlendMode::Alpha, 1.0f, {255, 0, 128}, {200, 100, 50}, 255, {200, 0, 25}},
        {"solid ignores alpha",
         BlendMode::Solid,
         0.25f,
         {255, 255, 255},
         {200, 100, 50},
         0,
         {200, 100, 50}},
        {"light adds",
         BlendMode::Light,
         1.0f,
         {255, 255, 255},
         {200, 100, 50},
         255,
         {255, 200, 150}},
        {"light by alpha",
         BlendMode::Light,
         0.5f,
         {255, 255, 255},
         {200, 100, 50},
         255,
         {200, 150, 125}},
        {"overlay multiplies",
         BlendMode::Overlay,
         1.0f,
         {255, 255, 255},
         {200, 100, 50},
         255,
         {78, 39, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.SetClsColor(ground[0], ground[1], ground[2]);
        g.Cls();
        auto image = Image::FromPixmap(Solid(8, 8, c.source, c.sourceAlpha), 0);
        g.SetBlend(c.blend);
        g.SetAlpha(c.alpha);
        g.SetColor(c.tint[0], c.tint[1], c.tint[2]);
        g.DrawImage(*image, 10, 10);
        // The same state on a filled rectangle: the tint is its colour.
        g.SetColor(c.source[0] * c.tint[0] / 255, c.source[1] * c.tint[1] / 255,
                   c.source[2] * c.tint[2] / 255);
        if (c.sourceAlpha == 255) g.DrawRect(30, 30, 8, 8);
        g.ResetState();
        const Pixmap shot = g.Grab();
        EXPECT_TRUE(Near(At(shot, 14, 14), c.want)) << "image";
        if (c.sourceAlpha == 255) {
            EXPECT_TRUE(Near(At(shot, 34, 34), c.want)) << "rect";
        }
        EXPECT_TRUE(Near(At(shot, 2, 2), ground));
    }
}

TEST_F(GraphicsTest, ResetStatePutsBackTheDefaults) {
    g.SetColor(1, 2, 3);
    g.SetAlpha(0.2f);
    g.SetScale(2, 3);
    g.SetRotation(45);
    g.SetBlend(BlendMode::Light);
    g.ResetState();
    int r, gr, b;
    float sx, sy;
    g.GetColor(r, gr, b);
    g.GetScale(sx, sy);
    EXPECT_EQ((Rgb{r, gr, b}), (Rgb{255, 255, 255}));
    EXPECT_EQ(g.GetAlpha(), 1.0f);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(sy, 1.0f);
    EXPECT_EQ(g.GetRotation(), 0.0f);
    EXPECT_EQ(g.GetBlend(), BlendMode::Alpha);
}

TEST_F(GraphicsTest, HandleScaleFlipAndRotationPlaceTheImage) {
    Open(100, 100);
    // Left half red, right half green; handle in the middle.
    Pixmap pixels = Solid(10, 4, {255, 0, 0});
    for (int y = 0; y < 4; ++y) {
        for (int x = 5; x < 10; ++x) pixels.At(x, y)[0] = 0, pixels.At(x, y)[1] = 255;
    }
    auto image = Image::FromPixmap(pixels, 0);
    // Off centre, so a mirror that ignored the handle would land elsewhere.
    image->SetHandle(2, 2);
    struct Case {
        const char* name;
        float sx, sy, rotation;
        int redX, redY, greenX, greenY;
    };
    const Case cases[] = {
        {"plain", 1, 1, 0, 49, 50, 55, 50},         {"doubled", 2, 2, 0, 50, 47, 60, 52},
        {"mirrored", -1, 1, 0, 50, 50, 45, 50},     {"upside down", 1, -1, 0, 49, 51, 55, 51},
        {"quarter turn", 1, 1, 90, 50, 50, 50, 55}, {"half turn", 1, 1, 180, 50, 50, 45, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.Cls();
        g.SetScale(c.sx, c.sy);
        g.SetRotation(c.rotation);
        g.DrawImage(*image, 50, 50);
        g.ResetState();
        const Pixmap shot = g.Grab();
        EXPECT_TRUE(Near(At(shot, c.redX, c.redY), {255, 0, 0}));
        EXPECT_TRUE(Near(At(shot, c.greenX, c.greenY), {0, 255, 0}));
    }
    // Outside the unscaled image (48..57 x 48..51) nothing was drawn.
    g.Cls();
    g.DrawImage(*image, 50, 50);
    const Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 48, 48), {255, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 57, 51), {0, 255, 0}));
    EXPECT_TRUE(Near(At(shot, 47, 50), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 58, 50), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 50, 47), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 50, 52), {0, 0, 0}));
}

TEST_F(GraphicsTest, ATurnedSolidPictureLeavesTheCornersOfItsBoxAlone) {
    Open(100, 100);
    g.SetClsColor(0, 0, 255);
    g.Cls();
    auto image = Image::FromPixmap(Solid(20, 20, {255, 0, 0}), Image::MID_HANDLE);
    g.SetBlend(BlendMode::Solid);
    g.SetRotation(45);  // a diamond reaching 14 pixels from the centre each way
    g.DrawImage(*image, 50, 50);
    g.ResetState();
    const Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 50, 50), {255, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 50, 38), {255, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 39, 39), {0, 0, 255}));  // inside the box, outside the diamond
    EXPECT_TRUE(Near(At(shot, 61, 61), {0, 0, 255}));
}

TEST_F(GraphicsTest, PicturesAndShapesLandInTheOrderDrawn) {
    Open(60, 20);
    auto red = Image::FromPixmap(Solid(20, 20, {255, 0, 0}), 0);
    g.SetColor(0, 255, 0);
    g.DrawRect(0, 0, 40, 20);  // green under the picture on the left
    g.SetColor(255, 255, 255);
    g.DrawImage(*red, 0, 0);
    g.SetColor(0, 255, 0);
    g.DrawRect(20, 0, 40, 20);  // green over the picture on the right
    g.SetColor(255, 255, 255);
    g.SetRotation(90);
    g.DrawImage(*red, 60, 0);  // turned, under nothing
    g.ResetState();
    const Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 10, 10), {255, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 30, 10), {0, 255, 0}));
    EXPECT_TRUE(Near(At(shot, 50, 10), {255, 0, 0}));
}

TEST_F(GraphicsTest, RotationStaysTrueOnAStretchedVirtualResolution) {
    Open(200, 100);
    g.SetVirtualResolution(100, 100);  // two real pixels a unit across, one down
    g.SetViewport(0, 0, 100, 100);
    auto image = Image::FromPixmap(Solid(10, 2, {255, 0, 0}), 0);
    g.SetRotation(90);  // 10 units long, now downwards: real y 50..59, x 96..99
    g.DrawImage(*image, 50, 50);
    g.SetColor(0, 255, 0);
    g.DrawRect(20, 50, 10, 2);  // the same shape as a rectangle
    g.ResetState();
    const Pixmap shot = g.Grab();
    for (int offset : {0, -60}) {
        SCOPED_TRACE(offset);
        const Rgb ink = offset == 0 ? Rgb{255, 0, 0} : Rgb{0, 255, 0};
        EXPECT_TRUE(Near(At(shot, 98 + offset, 51), ink));
        EXPECT_TRUE(Near(At(shot, 98 + offset, 58), ink));
        EXPECT_TRUE(Near(At(shot, 98 + offset, 62), {0, 0, 0}));
        EXPECT_TRUE(Near(At(shot, 94 + offset, 55), {0, 0, 0}));
    }
}

TEST_F(GraphicsTest, RectAndOvalFollowScaleAndRotation) {
    Open(100, 100);
    g.SetColor(255, 255, 0);
    g.SetRotation(90);  // (x, y) is the pivot: a 20 x 10 rect turns to lie left of x
    g.DrawRect(50, 50, 20, 10);
    g.ResetState();
    Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 45, 60), {255, 255, 0}));
    EXPECT_TRUE(Near(At(shot, 55, 55), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 45, 75), {0, 0, 0}));

    g.Cls();
    g.SetScale(2, 1);
    g.DrawOval(10, 10, 20, 20);  // 40 x 20 ellipse from (10, 10)
    g.ResetState();
    shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 30, 20), {255, 255, 255}));
    EXPECT_TRUE(Near(At(shot, 47, 20), {255, 255, 255}));
    EXPECT_TRUE(Near(At(shot, 12, 12), {0, 0, 0}));  // outside the curve, inside the box
    EXPECT_TRUE(Near(At(shot, 52, 20), {0, 0, 0}));

    g.Cls();
    g.DrawLine(5, 90, 95, 90);
    shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 50, 90), {255, 255, 255}));
    EXPECT_TRUE(Near(At(shot, 50, 92), {0, 0, 0}));
}

TEST_F(GraphicsTest, TheViewportClipsDrawingAndCls) {
    Open(200, 200);
    g.SetVirtualResolution(100, 100);  // two real pixels a unit
    g.SetClsColor(0, 0, 80);
    g.Cls();
    g.SetViewport(10, 20, 30, 40);
    int x, y, w, h;
    g.GetViewport(x, y, w, h);
    EXPECT_EQ((std::array{x, y, w, h}), (std::array{10, 20, 30, 40}));
    g.SetClsColor(0, 80, 0);
    g.Cls();
    g.SetColor(255, 0, 0);
    g.DrawRect(30, 0, 100, 100);
    const Pixmap shot = g.Grab();
    struct Probe {
        int x, y;
        Rgb colour;
    };
    const Probe probes[] = {
        {20, 40, {0, 80, 0}}, {59, 40, {0, 80, 0}},  {60, 40, {255, 0, 0}}, {79, 119, {255, 0, 0}},
        {80, 60, {0, 0, 80}}, {60, 120, {0, 0, 80}}, {19, 40, {0, 0, 80}},  {60, 39, {0, 0, 80}},
    };
    for (const Probe& p : probes) {
        EXPECT_TRUE(Near(At(shot, p.x, p.y), p.colour)) << p.x << "," << p.y;
    }
}

TEST_F(GraphicsTest, ImagesStayDrawableAcrossAReopen) {
    Open(64, 64);
    auto image = Image::FromPixmap(Solid(4, 4, {255, 0, 255}), 0);
    auto strip = Image::FromFrames({Solid(2, 2, {0, 255, 0}), Solid(2, 2, {0, 0, 255})}, 0);
    g.Upload(*strip);
    g.DrawImage(*image, 1, 1);
    const unsigned first = g.Generation();
    for (int size : {80, 48}) {
        Open(size, size);
        EXPECT_NE(g.Generation(), first);
        g.DrawImage(*image, 1, 1);
        g.DrawImage(*strip, 10, 10, 1);
        const Pixmap shot = g.Grab();
        EXPECT_TRUE(Near(At(shot, 2, 2), {255, 0, 255})) << size;
        EXPECT_TRUE(Near(At(shot, 11, 11), {0, 0, 255})) << size;
    }
    // An image may outlive the context (its textures went with the renderer) and one may be
    // freed while it is open; neither frees a texture twice.
    auto early = Image::FromPixmap(Solid(2, 2, {1, 2, 3}), 0);
    g.DrawImage(*early, 0, 0);
    early.reset();
    g.Close();
    // Each new Graphics counts its generations afresh, so two in turn share generation 1;
    // the image still knows its textures are not the second one's.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Graphics other;
        ContextSettings settings;
        settings.width = settings.height = 32;
        std::string error;
        ASSERT_TRUE(other.Open(settings, error)) << error;
        ASSERT_EQ(other.Generation(), 1u);
        other.SetVirtualResolution(32, 32);
        other.SetViewport(0, 0, 32, 32);
        other.Cls();
        other.DrawImage(*image, 1, 1);
        EXPECT_TRUE(Near(At(other.Grab(), 2, 2), {255, 0, 255}));
    }
    image.reset();
}

TEST_F(GraphicsTest, FilteredImagesScaleSmoothlyAndOthersKeepHardEdges) {
    Open(60, 20);
    Pixmap pixels = Solid(2, 1, {255, 255, 255});
    pixels.At(0, 0)[0] = pixels.At(0, 0)[1] = pixels.At(0, 0)[2] = 0;
    for (int flags : {0, static_cast<int>(Image::FILTERED)}) {
        SCOPED_TRACE(flags);
        auto image = Image::FromPixmap(pixels, flags);
        g.Cls();
        g.SetScale(20, 10);
        g.DrawImage(*image, 5, 5);
        g.ResetState();
        const Pixmap shot = g.Grab();
        int between = 0;
        for (int x = 5; x < 45; ++x) {
            const int v = At(shot, x, 10)[0];
            between += v > 20 && v < 235;
        }
        if (flags) {
            EXPECT_GT(between, 2);
        } else {
            EXPECT_EQ(between, 0);
        }
        EXPECT_TRUE(Near(At(shot, 6, 10), {0, 0, 0}));
        EXPECT_TRUE(Near(At(shot, 44, 10), {255, 255, 255}));
    }
}

TEST_F(GraphicsTest, SubImageRectDrawsPartOfTheFrameWhereItSitsInTheImage) {
    Open(100, 100);
    Pixmap pixels = Solid(10, 10, {255, 0, 0});
    for (int y = 5; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) pixels.At(x, y)[0] = 0, pixels.At(x, y)[2] = 255;
    }
    auto image = Image::FromPixmap(pixels, 0);
    // The lower (blue) half at its own place under the handle, then stretched to 10 x 10.
    g.DrawSubImageRect(*image, 20, 20, 10, 5, 0, 5, 10, 5);
    g.DrawImageRect(*image, 50, 50, 20, 40);
    const Pixmap shot = g.Grab();
    EXPECT_TRUE(Near(At(shot, 25, 22), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 25, 27), {0, 0, 255}));
    EXPECT_TRUE(Near(At(shot, 25, 31), {0, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 69, 55), {255, 0, 0}));
    EXPECT_TRUE(Near(At(shot, 69, 89), {0, 0, 255}));
    EXPECT_TRUE(Near(At(shot, 71, 60), {0, 0, 0}));
}

TEST_F(GraphicsTest, TextIsDrawnInTheCurrentColourWithinItsMeasuredBox) {
    Open(200, 60);
    const std::string text = "Score 42!";
    EXPECT_EQ(Graphics::TextWidth(text),
              static_cast<int>(text.size()) * platform::ImageFont::CellWidth());
    EXPECT_EQ(Graphics::TextHeight(text), platform::ImageFont::CellHeight());
    EXPECT_EQ(Graphics::TextHeight("a\nb"), 2 * platform::ImageFont::CellHeight());
    EXPECT_EQ(Graphics::TextWidth("ab\ncdef"), 4 * platform::ImageFont::CellWidth());
    EXPECT_EQ(Graphics::TextWidth("\xc3\xa9t\xc3\xa9"), 3 * platform::ImageFont::CellWidth());
    g.SetColor(0, 255, 0);
    g.DrawText(text, 10, 10);
    const Pixmap shot = g.Grab();
    int inside = 0, outside = 0;
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) {
            const Rgb c = At(shot, x, y);
            if (c == Rgb{0, 0, 0}) continue;
            EXPECT_EQ(c[0], 0);
            EXPECT_EQ(c[2], 0);
            bool in = x >= 10 && x < 10 + Graphics::TextWidth(text) && y >= 10 &&
                      y < 10 + Graphics::TextHeight(text);
            (in ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 40);
    EXPECT_EQ(outside, 0);
}

TEST_F(GraphicsTest, GrabReadsARectangleClippedToTheOutput) {
    Open(50, 40);
    g.SetColor(10, 20, 30);
    g.DrawRect(5, 6, 1, 1);
    Pixmap part = g.Grab(5, 6, 3, 2);
    ASSERT_EQ(part.Width(), 3);
    ASSERT_EQ(part.Height(), 2);
    EXPECT_TRUE(Near(At(part, 0, 0), {10, 20, 30}, 0));
    EXPECT_TRUE(Near(At(part, 1, 0), {0, 0, 0}, 0));
    EXPECT_EQ(part.At(0, 0)[3], 255);
    Pixmap edge = g.Grab(45, 30, 100, 100);
    EXPECT_EQ(edge.Width(), 5);
    EXPECT_EQ(edge.Height(), 10);
    EXPECT_TRUE(g.Grab(60, 0, 5, 5).Empty());
}

TEST_F(GraphicsTest, ModesComeFromTheDisplayAndFullScreenOpensAtOne) {
    const auto modes = Graphics::Modes();
    ASSERT_FALSE(modes.empty());
    const auto desktop = Graphics::DesktopMode();
    EXPECT_GT(desktop.width, 0);
    EXPECT_GT(desktop.height, 0);
    const auto& mode = modes.front();
    EXPECT_TRUE(Graphics::ModeExists(mode.width, mode.height, mode.depth, mode.hertz));
    EXPECT_FALSE(Graphics::ModeExists(mode.width + 1, mode.height, mode.depth, mode.hertz));
    EXPECT_FALSE(Graphics::ModeExists(mode.width, mode.height, 8, mode.hertz));

    ContextSettings settings;
    settings.width = mode.width;
    settings.height = mode.height;
    settings.depth = mode.depth;
    settings.hertz = mode.hertz;
    std::string error;
    ASSERT_TRUE(g.Open(settings, error)) << error;
    EXPECT_EQ(g.OutputWidth(), mode.width);
    EXPECT_EQ(g.Settings().depth, mode.depth);

    settings.width = 123;
    EXPECT_FALSE(g.Open(settings, error));
    EXPECT_NE(error.find("123x"), std::string::npos) << error;
    EXPECT_FALSE(g.IsOpen());
}

TEST_F(GraphicsTest, UnknownDriverFallsBackToAWorkingWindowAndRenderer) {
    ContextSettings settings;
    settings.width = 40;
    settings.height = 30;
    settings.driver = "no such driver";
    settings.borderless = true;
    settings.title = "first";
    std::string error;
    ASSERT_TRUE(g.Open(settings, error)) << error;
    EXPECT_FALSE(g.RendererName().empty());
    g.SetWindowTitle("second");
    EXPECT_EQ(g.Settings().title, "second");
    EXPECT_TRUE(g.Settings().borderless);
    g.SetWindowPosition(30, 40);
    int x = 0, y = 0;
    g.WindowPosition(x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);
}

TEST_F(GraphicsTest, FlipMinusOnePacesFramesToAboutSixtyHertz) {
    Open(40, 30);
    g.Flip(-1);
    const double start = platform::Clock::MillisecsPrecise();
    for (int i = 0; i < 6; ++i) g.Flip(-1);
    // The first paced wait may end early when the opening flip was slow (a loaded machine),
    // so only five whole frames are certain; without pacing this takes a millisecond or two.
    EXPECT_GE(platform::Clock::MillisecsPrecise() - start, 5 * 1000.0 / 60 - 2);
}

}  // namespace
