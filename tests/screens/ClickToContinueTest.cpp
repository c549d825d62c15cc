#include "framework/AssetBanks.h"
#include "framework/TImageBank.h"
#include "screens/TClickToContinue.h"
#include "tests/framework/FrameworkFixture.h"

class ClickToContinueTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetAssetBanks();
        ImageBank.SetPath(std::string(ROSEWICK_BUILD_DIR) + "/data/menus");
        up = ImageBank.Load("ClickToContinue");
    }
    void TearDown() override {
        ResetAssetBanks();
        FrameworkTest::TearDown();
    }
    std::unique_ptr<TClickToContinue> Make(const std::string& caption) {
        return std::make_unique<TClickToContinue>(up, up, up, nullptr, nullptr, caption);
    }
    void PointAt(int x, int y) {
        Game->Mouse.MoveTo(x, y);
        Game->Mouse.ButtonDown(1);
        Game->Mouse.ButtonUp(1);
    }
    std::shared_ptr<TGameImage> up;
};

TEST_F(ClickToContinueTest, TheCaptionWrapsAt314PixelsAtItsScale) {
    auto button = Make("Click anywhere to begin the first of many evenings at the ball");
    ASSERT_GT(button->CaptionLines().size(), 1u);
    for (const auto& line : button->CaptionLines())
        EXPECT_LE(platform::Graphics::TextWidth(line) * TClickToContinue::CAPTION_SCALE *
                      TClickToContinue::FONT_FACTOR,
                  314.0f)
            << line;
    EXPECT_EQ(Make("Line one\r\nLine two")->CaptionLines(),
              (std::vector<std::string>{"Line one", "Line two"}));
}

TEST_F(ClickToContinueTest, AClickOnItIsTakenAndOneElsewhereIsLeftForTheScreen) {
    auto button = Make("Go");
    PointAt(10, 10);
    EXPECT_EQ(button->Manage(0, 0), 0);
    EXPECT_FALSE(button->Over());
    EXPECT_TRUE(Game->Mouse.GetMh(false)) << "the screen still sees the click";
    Game->Mouse.ClearMouseHit();

    PointAt(512 + 160, 725 + 30);
    EXPECT_EQ(button->Manage(0, 0), 1);
    EXPECT_TRUE(button->Over());
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(button->Manage(0, 0), 0) << "one click, one press";
}

TEST_F(ClickToContinueTest, TheCaptionPulsesGentlyAroundItsScale) {
    auto button = Make("Go");
    float low = 10, high = 0;
    for (int i = 0; i < 400; ++i) {
        button->ManageNoSound(0, 0);
        low = std::min(low, button->CaptionScale());
        high = std::max(high, button->CaptionScale());
    }
    const float scale = TClickToContinue::CAPTION_SCALE * TClickToContinue::FONT_FACTOR;
    EXPECT_NEAR(low, scale * 0.96f, 1e-3);
    EXPECT_NEAR(high, scale * 1.04f, 1e-3);
}
