#include <filesystem>
#include <regex>

#include "framework/Messages.h"
#include "tests/framework/FrameworkFixture.h"

namespace {

// Fills the whole virtual area with one colour.
struct ColourScreen : ProbeScreen {
    ColourScreen() : ProbeScreen("colour") {}
    void Draw() override {
        ProbeScreen::Draw();
        Game->Gfx->SetColor(200, 100, 50);
        Game->Gfx->DrawRect(0, 0, 1024, 768);
        Game->Gfx->ResetState();
    }
};

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(int x, int y) {
    platform::Pixmap shot = Game->Gfx->Grab();
    const uint8_t* p = shot.At(x, y);
    return {p[0], p[1], p[2]};
}

}  // namespace

class FrameDrawTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        OpenGraphics();
        Game->CustomMousePointer = 0;
    }
};

TEST_F(FrameDrawTest, AFrameShowsTheCurrentScreen) {
    ColourScreen screen;
    screen.PreStart();
    Game->ScreenDraw();
    Rgb p = PixelAt(500, 400);
    EXPECT_EQ(p.r, 200);
    EXPECT_EQ(p.g, 100);
    EXPECT_EQ(p.b, 50);
    EXPECT_EQ(screen.draws, 1);
}

TEST_F(FrameDrawTest, HalfwayThroughAFadeOutThePictureIsHalfCovered) {
    ColourScreen screen;
    screen.PreStart();
    ProbeScreen next("next");
    Game->FadeTo(&next, 100, 0);
    for (int i = 0; i < 10; ++i) Game->LogicWrapper();
    Game->ScreenDraw();
    Rgb p = PixelAt(500, 400);
    EXPECT_NEAR(p.r, 100, 2);
    EXPECT_NEAR(p.g, 50, 2);
}

TEST_F(FrameDrawTest, PausedDimsThePicture) {
    ColourScreen screen;
    screen.PreStart();
    Game->TogglePause();
    Game->ScreenDraw();
    Rgb p = PixelAt(10, 10);
    EXPECT_NEAR(p.r, 100, 2);
    EXPECT_NEAR(p.b, 25, 2);
}

TEST_F(FrameDrawTest, NoDrawSkipsOneFrame) {
    ColourScreen screen;
    screen.PreStart();
    Game->NoDraw = 1;
    Game->ScreenDraw();
    EXPECT_EQ(screen.draws, 0);
    EXPECT_EQ(Game->NoDraw, 0);
    Game->ScreenDraw();
    EXPECT_EQ(screen.draws, 1);
}

TEST_F(FrameDrawTest, ScreenshotsAreNamedByDateAndTime) {
    Game->UseCorrectPath = 1;
    ColourScreen screen;
    screen.PreStart();
    Game->ScreenDraw();
    Game->TakeScreenshot();
    int found = 0;
    std::regex name(R"(\d{4}-\d\d-\d\d \d{6} screenshot\.png)");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        std::string file = entry.path().filename().string();
        if (!std::regex_match(file, name)) continue;
        found++;
        platform::Pixmap shot;
        std::string error;
        ASSERT_TRUE(platform::Pixmap::Load(entry.path().string(), shot, error)) << error;
        EXPECT_EQ(shot.Width(), Game->WindowWidth);
        EXPECT_EQ(shot.Height(), Game->WindowHeight);
    }
    EXPECT_EQ(found, 1);
}

TEST_F(FrameDrawTest, TheMessagePanelWaitsForAKeyThenLogs) {
    ColourScreen screen;
    screen.PreStart();
    Key('K');
    ShowMessage("Something the player should read.", 0, 1);
    EXPECT_FALSE(TEventSource::HasInjected()) << "the panel took the key";
    std::string log = testsupport::ReadFile(dir.Path() / "ErrorLog.txt");
    EXPECT_NE(log.find("Something the player should read."), std::string::npos);
}

TEST_F(FrameDrawTest, ThePanelIsAGreyBoxWithAShadowCentred) {
    Game->ClsWithColor();
    DrawMessagePanel("Hello", 600, 100);
    EXPECT_EQ(PixelAt(212 + 300, 334 + 50).r, 150);  // inside the grey box
    EXPECT_EQ(PixelAt(212 + 601, 334 + 102).r, 0);   // its shadow
    EXPECT_EQ(PixelAt(100, 100).r, 0);               // outside
}

TEST_F(FrameDrawTest, TheDebugOverlayDrawsWhenOn) {
    ColourScreen screen;
    screen.PreStart();
    Game->Debug = 1;
    Game->DebugDisplayX = Game->DebugDisplayY = 5;
    Game->ScreenDraw();
    Rgb panel = PixelAt(340, 200);  // inside the 350-wide panel, between lines of text
    EXPECT_LT(panel.r, 200) << "the panel darkens the picture";
    EXPECT_EQ(PixelAt(600, 200).r, 200);
}
