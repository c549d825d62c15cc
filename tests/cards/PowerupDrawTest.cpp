#include "cards/TCardHooks.h"
#include "cards/TCupidHUD.h"
#include "cards/THUDPowerup.h"
#include "cards/TLevel.h"
#include "framework/TImageBank.h"
#include "platform/Graphics.h"
#include "tests/toolkit/ToolkitFixture.h"

namespace {

// Cupid's button drawn into a real window on the dummy driver, with one-colour pictures:
// the empty gauge blue, the full gauge red, the frame left out, the mouse-over green.
class PowerupDrawTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        OpenGraphics();
        CardHooks = TCardHooks();
        CardHooks.ShopItemBought = [](int i) { return i == TCupidHUD::SHOP_ID; };
        CurrentLevel = std::make_shared<TLevel>();
        THUDPowerup::CreateAll();
        auto& cupid = *THUDPowerup::Cupid();
        cupid.HUDChargeBackImage = SolidImage(105, 160, 0, 0, 255, 1);
        cupid.HUDImage = SolidImage(105, 160, 255, 0, 0, 1);
        cupid.HUDOverlay = SolidImage(105, 160, 0, 255, 0, 1);
    }
    void TearDown() override {
        THUDPowerup::KillAll();
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        ToolkitTest::TearDown();
    }
    TCupidHUD& Cupid() { return *THUDPowerup::Cupid(); }
    void DrawCupid(int overlay) {
        Game->Gfx->Cls();
        Cupid().Draw(overlay);
    }
};

TEST_F(PowerupDrawTest, TheGaugeFillsFromTheBottom) {
    // 20 of 45: int(20 / 45 x 114) + 30 = 80 pixels up from the bottom at 768.
    Cupid().CurrentCharge = 20;
    DrawCupid(1);
    EXPECT_EQ(PixelAt(50, 767).r, 255);
    EXPECT_EQ(PixelAt(50, 689).r, 255);
    EXPECT_EQ(PixelAt(50, 686).b, 255);
    EXPECT_EQ(PixelAt(50, 686).r, 0);
    EXPECT_EQ(PixelAt(50, 620).b, 255);
    // Empty: all blue; nothing is drawn for a powerup not bought either.
    Cupid().CurrentCharge = 0;
    DrawCupid(1);
    EXPECT_EQ(PixelAt(50, 760).r, 0);
    EXPECT_EQ(PixelAt(50, 760).b, 255);
    CardHooks.ShopItemBought = nullptr;
    Cupid().CurrentCharge = 20;
    DrawCupid(1);
    EXPECT_EQ(PixelAt(50, 760).r, 0);
}

TEST_F(PowerupDrawTest, MouseOverOverlayAndTheDrawingStateIsPutBack) {
    Cupid().ChargeFully();
    Cupid().HUDGlowFactor = 1;
    Cupid().mouseOver = 1;
    DrawCupid(0);
    EXPECT_EQ(PixelAt(50, 700).g, 0);    // the overlay only when asked for
    EXPECT_EQ(PixelAt(50, 620).r, 255);  // charged: the whole picture is full
    DrawCupid(1);
    EXPECT_EQ(PixelAt(50, 700).g, 255);
    float sx, sy;
    Game->Gfx->GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(Game->Gfx->GetAlpha(), 1.0f);
    EXPECT_EQ(Game->Gfx->GetBlend(), platform::BlendMode::Alpha);
    // The intro slide moves the button down.
    Cupid().mouseOver = 0;
    Cupid().SetIntroY(100);
    DrawCupid(1);
    EXPECT_EQ(PixelAt(50, 650).r, 0);
    EXPECT_EQ(PixelAt(50, 720).r, 255);
}

}  // namespace
