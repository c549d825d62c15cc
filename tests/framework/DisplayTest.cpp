#include <string>

#include "framework/TDisplayGeometry.h"
#include "framework/TFatalExit.h"
#include "tests/framework/FrameworkFixture.h"

namespace {

struct SizeCase {
    const char* name;
    int desktopW, desktopH, fullScreen, useDesktop, aspect;
    int width, height;  // 0x0: nothing fits
};

class ChooseSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ChooseSize, TakesTheLargestCandidateThatFits) {
    const SizeCase& c = GetParam();
    TDisplayGeometry::Display d;
    d.desktopWidth = c.desktopW;
    d.desktopHeight = c.desktopH;
    d.fullScreen = c.fullScreen;
    d.useDesktopResolution = c.useDesktop;
    int w = 0, h = 0;
    EXPECT_EQ(TDisplayGeometry::ChooseSize(d, c.aspect, w, h), c.width != 0);
    if (c.width == 0) return;
    EXPECT_EQ(w, c.width);
    EXPECT_EQ(h, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, ChooseSize,
    ::testing::Values(SizeCase{"RoomyDesktop", 1920, 1080, 0, 0, 0, 1024, 768},
                      // 700 - 70 leaves no room for 768 lines in a window.
                      SizeCase{"ShortDesktopWindowed", 1024, 700, 0, 0, 0, 800, 600},
                      SizeCase{"ShortDesktopFullScreen", 1024, 700, 1, 0, 0, 800, 600},
                      SizeCase{"ExactDesktopFullScreen", 1024, 768, 1, 0, 0, 1024, 768},
                      SizeCase{"ExactDesktopWindowed", 1024, 768, 0, 0, 0, 800, 600},
                      SizeCase{"WideCandidates", 1366, 700, 0, 0, 1, 1024, 576},
                      SizeCase{"DesktopSized", 2560, 1440, 1, 1, 0, 2560, 1440},
                      SizeCase{"NothingFits", 600, 400, 0, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Full screen with wide screen on a desktop of another shape.
struct BoxCase {
    const char* name;
    int width, height;
    float virtualWidth, virtualHeight, xOff, yOff;
    int viewX, viewY, viewW, viewH;
};

class BoxedFullScreen : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxedFullScreen, PlacesTheAreaBetweenBars) {
    const BoxCase& c = GetParam();
    TDisplayGeometry::Display d;
    d.fullScreen = d.wideScreen = 1;
    d.windowWidth = d.desktopWidth = c.width;
    d.windowHeight = d.desktopHeight = c.height;
    TDisplayGeometry g = TDisplayGeometry::Compute(d);
    EXPECT_EQ(g.Using, 1);
    EXPECT_FLOAT_EQ(g.VirtualWidth, c.virtualWidth);
    EXPECT_FLOAT_EQ(g.VirtualHeight, c.virtualHeight);
    EXPECT_FLOAT_EQ(g.XOff, c.xOff);
    EXPECT_FLOAT_EQ(g.YOff, c.yOff);
    EXPECT_EQ(g.ViewX, c.viewX);
    EXPECT_EQ(g.ViewY, c.viewY);
    EXPECT_EQ(g.ViewW, c.viewW);
    EXPECT_EQ(g.ViewH, c.viewH);
    EXPECT_FLOAT_EQ(g.OriginX, c.xOff);
    EXPECT_FLOAT_EQ(g.OriginY, c.yOff);
    EXPECT_FLOAT_EQ(g.RatioX, c.virtualWidth / c.width);
    EXPECT_FLOAT_EQ(g.RatioY, c.virtualHeight / c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, BoxedFullScreen,
    ::testing::Values(
        // floor(1365.33 - 1) = 1364, already even.
        BoxCase{"PillarBoxed16x9", 1920, 1080, 1364, 768, 170, 0, 171, 0, 1022, 768},
        // floor(819.2 - 1) = 818.
        BoxCase{"LetterBoxed5x4", 1280, 1024, 1024, 818, 0, 25, 0, 26, 1024, 766}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayGeometryTest, AWindowOfTheAreasShapeIsStretchedAndOneOfItsSizeIsDrawnAsIs) {
    TDisplayGeometry::Display d;
    d.windowWidth = 800;
    d.windowHeight = 600;
    TDisplayGeometry g = TDisplayGeometry::Compute(d);
    EXPECT_EQ(g.Using, 1);
    EXPECT_FLOAT_EQ(g.VirtualWidth, 1024);
    EXPECT_FLOAT_EQ(g.RatioX, 1024.0f / 800);
    EXPECT_EQ(g.ViewW, 1024);
    d.windowWidth = 1024;
    d.windowHeight = 768;
    EXPECT_EQ(TDisplayGeometry::Compute(d).Using, 0);
}

TEST(DisplayGeometryTest, AResizedWindowIsBoxedByItsOwnShapeSoTheAreaNeverDistorts) {
    TDisplayGeometry::Display d;
    d.windowWidth = 1600;  // dragged wider than 4:3
    d.windowHeight = 600;
    TDisplayGeometry g = TDisplayGeometry::Compute(d);
    EXPECT_EQ(g.Using, 1);
    EXPECT_FLOAT_EQ(g.VirtualHeight, 768);
    // One virtual unit is as wide as it is tall on the screen, but for the unit or two the
    // even-width rule trims.
    EXPECT_NEAR(g.RatioX / g.RatioY, 1.0, 0.005);
    EXPECT_GT(g.XOff, 0);
    d.windowWidth = 600;  // and taller than 4:3
    d.windowHeight = 900;
    g = TDisplayGeometry::Compute(d);
    EXPECT_FLOAT_EQ(g.VirtualWidth, 1024);
    EXPECT_NEAR(g.RatioX / g.RatioY, 1.0, 0.005);
    EXPECT_GT(g.YOff, 0);
}

}  // namespace

class DisplayTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        Game->Ini.RetryDelayMs = 0;
        Game->FirstTime = 0;
        Game->DesktopWidth = 1920;
        Game->DesktopHeight = 1080;
        Game->FullScreen = 0;
    }
};

TEST_F(DisplayTest, AWindowOpensAtTheAreasSizeWithoutScaling) {
    Game->GraphicsCreate(0);
    EXPECT_EQ(Game->WindowWidth, 1024);
    EXPECT_EQ(Game->WindowHeight, 768);
    EXPECT_EQ(Game->DriverDX9, 1);
    EXPECT_EQ(Game->UsingVirtualResolution, 0);
    EXPECT_FALSE(Game->DirectXVersion.empty()) << "the renderer's name stands for the version";
}

TEST_F(DisplayTest, TheOlderDriverOpensAtTheChosenSizeWithoutAVirtualResolution) {
    Game->DesktopHeight = 700;
    Game->GraphicsCreate(1);
    EXPECT_EQ(Game->DriverDX7, 1);
    EXPECT_EQ(Game->WindowWidth, 800);
    EXPECT_EQ(Game->UsingVirtualResolution, 0);
}

TEST_F(DisplayTest, ADesktopTooSmallForAnyWindowIsFatalAndLogged) {
    Game->DesktopWidth = 600;
    Game->DesktopHeight = 400;
    try {
        Game->GraphicsCreate(0);
        FAIL() << "expected a fatal exit";
    } catch (const TFatalExit& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot find a suitable resolution. Desktop Resolution= 600x400");
    }
    EXPECT_NE(
        testsupport::ReadFile(dir.Path() / "ErrorLog.txt").find("Desktop Resolution= 600x400"),
        std::string::npos);
}

TEST_F(DisplayTest, ScreenShakeIsScaledByTheSettingAndEndsWithItsCounter) {
    Game->GraphicsCreate(0);
    Game->screenShake = 0;
    Game->SetScreenShake(10, 0, 5);
    EXPECT_EQ(Game->screenShakeRange, 0) << "switched off";

    Game->screenShake = 50;
    Game->SetScreenShake(10, -1, 3);
    EXPECT_FLOAT_EQ(Game->screenShakeDelta, -0.5f);
    EXPECT_FLOAT_EQ(Game->screenShakeRange, 4.5f) << "one step already taken";
    Game->DoScreenShake();
    EXPECT_GT(Game->screenShakeRange, 0);
    Game->DoScreenShake();  // the third tick ends it
    EXPECT_EQ(Game->screenShakeRange, 0);
    float ox = -1, oy = -1;
    Game->Gfx->GetOrigin(ox, oy);
    EXPECT_EQ(ox, 0);
    EXPECT_EQ(oy, 0);
}

TEST_F(DisplayTest, TheShakeSettingIsClampedAndSavedAsADisplayChange) {
    Game->ScreenShakeSetIniValue(250, 1);
    EXPECT_EQ(Game->screenShake, 100);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "inichanged.dat"));
    Game->ScreenShakeSetIniValue(-4, 0);
    EXPECT_EQ(Game->screenShake, 0);
}

TEST_F(DisplayTest, WindowAndGameCoordinatesMapBothWaysOnAPillarBox) {
    TDisplayGeometry::Display d;
    d.fullScreen = d.wideScreen = 1;
    d.windowWidth = d.desktopWidth = 1920;
    d.windowHeight = d.desktopHeight = 1080;
    const TDisplayGeometry g = TDisplayGeometry::Compute(d);
    Game->UsingVirtualResolution = 1;
    Game->VirtualRatioX = g.RatioX;
    Game->VirtualRatioY = g.RatioY;
    Game->vxOff = g.XOff;
    Game->vyOff = g.YOff;
    struct Point {
        int wx, wy, vx, vy;
    };
    // The window's middle; the game area's top-left corner, just right of the bar.
    for (const Point& p : {Point{960, 540, 512, 384}, Point{239, 0, 0, 0}}) {
        int vx = -1, vy = -1, wx = -1, wy = -1;
        Game->WindowToVirtual(p.wx, p.wy, vx, vy);
        EXPECT_EQ(vx, p.vx);
        EXPECT_EQ(vy, p.vy);
        Game->VirtualToWindow(p.vx, p.vy, wx, wy);
        EXPECT_EQ(wx, p.wx);
        EXPECT_EQ(wy, p.wy);
    }
}

TEST_F(DisplayTest, APressWithoutMotionStillPlacesThePointer) {
    Game->GraphicsCreate(0);
    TEventSource::Inject({platform::Event::Type::MouseDown, 1, 300, 200});
    Game->DoPeekEvent();
    EXPECT_EQ(Game->Mouse.x, 300);
    EXPECT_EQ(Game->Mouse.y, 200);
}

TEST_F(DisplayTest, AltEnterTogglesEvenWhenAltIsUpBeforeTheKeysAreRead) {
    using T = platform::Event::Type;
    using namespace platform::keys;
    Game->GraphicsCreate(0);
    ProbeScreen screen("screen");
    screen.PreStart();
    // A quick chord: all four events arrive within one tick.
    for (auto [type, code] : {std::pair{T::KeyDown, LALT}, std::pair{T::KeyDown, ENTER},
                              std::pair{T::KeyUp, ENTER}, std::pair{T::KeyUp, LALT}})
        TEventSource::Inject({type, code, 0, 0});
    Game->LogicWrapper();
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "inichanged.dat")) << "no display change";
    EXPECT_TRUE(Game->FullScreen || Game->ForceWindowedMode);

    // Enter alone does nothing.
    std::filesystem::remove(dir.Path() / "inichanged.dat");
    Key(ENTER);
    Game->LogicWrapper();
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "inichanged.dat"));
}
