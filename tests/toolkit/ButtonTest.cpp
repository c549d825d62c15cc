#include <string>
#include <vector>

#include "framework/Keyboard.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TButton.h"
#include "toolkit/TButtonWidget.h"
#include "toolkit/TMouseRepeat.h"
#include "toolkit/ToolkitSound.h"

class ButtonTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
    }
    void TearDown() override {
        ToolkitSoundPlayer = nullptr;
        DraggedButton = nullptr;
        ToolkitTest::TearDown();
    }
    std::shared_ptr<TButton> MakeButton(float x, float y, int w = 100, int h = 40,
                                        bool clickImage = true) {
        auto b = std::make_shared<TButton>();
        b->SetImages(SolidImage(w, h, 100, 100, 100), SolidImage(w, h, 200, 200, 200),
                     clickImage ? SolidImage(w, h, 50, 50, 50) : nullptr);
        b->SetPosition(x, y);
        b->SoundMouseOver = "mo";
        b->SoundClick = "click";
        return b;
    }
    void MouseAt(int x, int y) { Game->Mouse.MoveTo(x, y); }
    void Press() { Game->Mouse.ButtonDown(1); }
    void Release() { Game->Mouse.ButtonUp(1); }
    std::vector<std::string> played;
};

TEST_F(ButtonTest, HoverAndClickOnOneTickSoundOnceEach) {
    auto b = MakeButton(100, 100, 100, 40, false);
    MouseAt(150, 120);
    Press();
    EXPECT_EQ(b->Manage(), 1);
    EXPECT_EQ(b->MouseOver, 1);
    EXPECT_EQ(played, (std::vector<std::string>{"mo", "click"}));
    EXPECT_FALSE(Game->Mouse.GetMh(false));  // the hit was consumed
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b->Manage(), 0);
    EXPECT_EQ(played.size(), 2u);
    MouseAt(10, 10);
    b->Manage();
    EXPECT_EQ(b->MouseOver, 0);
    MouseAt(150, 120);
    b->Manage();
    EXPECT_EQ(played.back(), "mo");
}

TEST_F(ButtonTest, HitTestUsesBoxCircleOrImage) {
    struct Case {
        int kind;  // 0 image, 1 box, 2 circle
        int mx, my;
        bool hit;
    } cases[] = {
        {0, 100, 100, true},  {0, 199, 139, true}, {0, 200, 120, false}, {0, 150, 140, false},
        {1, 105, 105, false}, {1, 120, 110, true}, {2, 150, 120, true},  {2, 150, 104, false},
    };
    for (const Case& c : cases) {
        auto b = MakeButton(100, 100);
        if (c.kind == 1) b->SetBoundingBox(10, 5, 20, 10, 0, 1);
        if (c.kind == 2) b->SetCircularCollision(15);
        EXPECT_EQ(b->HitTest(static_cast<float>(c.mx), static_cast<float>(c.my)), c.hit)
            << c.kind << " " << c.mx << "," << c.my;
    }
}

TEST_F(ButtonTest, DrawOffsetMovesTheHitArea) {
    auto b = MakeButton(100, 100);
    b->offx = 300;
    MouseAt(450, 120);
    Press();
    EXPECT_EQ(b->Manage(), 1);
}

TEST_F(ButtonTest, DisabledButtonsClickOnlyWhenAllowedAndStaySilentWhenAsked) {
    auto b = MakeButton(100, 100);
    b->Disabled = 1;
    b->SoundsWhenDisabled = 0;
    MouseAt(150, 120);
    Press();
    EXPECT_EQ(b->Manage(), 1);
    EXPECT_TRUE(played.empty());

    auto refusing = MakeButton(100, 100);
    refusing->Disabled = 1;
    refusing->ClickDisabled = 0;
    Press();
    EXPECT_EQ(refusing->Manage(), 0);
    EXPECT_EQ(refusing->MouseOver, 0);
    EXPECT_TRUE(Game->Mouse.GetMh(false));
}

TEST_F(ButtonTest, ClickImageShowsForItsTimeAndHoldsOffNewClicks) {
    auto b = MakeButton(100, 100);  // click image for 200 ms = 40 ticks
    EXPECT_FLOAT_EQ(b->MouseClickDuration, 40);
    MouseAt(150, 120);
    Press();
    b->Manage();
    EXPECT_GT(b->MouseClickCounter, 0);
    Press();
    EXPECT_EQ(b->Manage(), 0);  // still showing: refused
    for (int i = 0; i < 40; ++i) b->Manage();
    EXPECT_FLOAT_EQ(b->MouseClickCounter, 0);
    Press();
    EXPECT_EQ(b->Manage(), 1);

    b->ClickWhenDown = 1;
    Press();
    EXPECT_EQ(b->Manage(), 1);
}

TEST_F(ButtonTest, HoverScaleGrowsToItsMaximumInSevenTicksAndShrinksAfter) {
    auto b = MakeButton(100, 100);
    b->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
    MouseAt(150, 120);
    for (int i = 0; i < 6; ++i) b->Manage();
    EXPECT_NEAR(b->ScaleOnMO, 1.18f, 1e-5);
    b->Manage();
    EXPECT_FLOAT_EQ(b->ScaleOnMO, 1.2f);
    b->Manage();
    EXPECT_FLOAT_EQ(b->ScaleOnMO, 1.2f);  // held while hovered
    MouseAt(10, 10);
    b->Manage();
    EXPECT_NEAR(b->ScaleOnMO, 1.19f, 1e-5);
}

TEST_F(ButtonTest, HoverScaleWaitsForItsDelay) {
    auto b = MakeButton(100, 100);
    b->SetupScaleOnMO(1.5f, 0.1f, 0.1f, 25);  // 5 ticks
    MouseAt(150, 120);
    for (int i = 0; i < 4; ++i) b->Manage();
    EXPECT_FLOAT_EQ(b->ScaleOnMO, 1);
    b->Manage();
    EXPECT_NEAR(b->ScaleOnMO, 1.1f, 1e-5);
}

TEST_F(ButtonTest, FixedGlowFlashesOnArrivalAndFades) {
    auto b = MakeButton(100, 100);
    b->SetFixedGlowOnMO(0.2f, 0.005f, 0);
    MouseAt(150, 120);
    b->Manage();
    EXPECT_FLOAT_EQ(b->Glow, 0.2f);
    for (int i = 0; i < 10; ++i) b->Manage();
    EXPECT_NEAR(b->Glow, 0.15f, 1e-5);
}

TEST_F(ButtonTest, WhileOneButtonIsDraggedOthersIgnoreTheMouse) {
    auto dragged = MakeButton(100, 100);
    dragged->Draggable = 1;
    auto other = MakeButton(300, 100);
    MouseAt(110, 110);
    Press();
    dragged->Manage();
    other->Manage();
    ASSERT_EQ(DraggedButton, dragged.get());
    EXPECT_EQ(dragged->Clicked, 0);  // a draggable button is not clicked
    MouseAt(310, 110);
    dragged->Manage();
    Press();
    EXPECT_EQ(other->Manage(), 0);
    EXPECT_EQ(other->MouseOver, 0);
    EXPECT_FLOAT_EQ(dragged->x, 300);  // follows the grip
    EXPECT_FLOAT_EQ(dragged->y, 100);
    Release();
    dragged->Manage();
    EXPECT_EQ(DraggedButton, nullptr);
    EXPECT_EQ(dragged->Dragging, 0);
}

TEST_F(ButtonTest, EnterClicksAnOKButton) {
    auto b = MakeButton(100, 100);
    b->OKButton = 1;
    MouseAt(0, 0);
    KeyHitCounts[platform::keys::ENTER] = 1;
    EXPECT_EQ(b->Manage(), 1);
    EXPECT_EQ(b->MouseOver, 1);
    EXPECT_EQ(played, (std::vector<std::string>{"click"}));
}

TEST_F(ButtonTest, DoubleClickWithinItsTime) {
    auto b = MakeButton(100, 100);
    b->SetDoubleClickTime(100);  // 20 ticks
    b->ClickWhenDown = 1;
    MouseAt(150, 120);
    Press();
    b->Manage();
    for (int i = 0; i < 5; ++i) b->Manage();
    Press();
    b->Manage();
    EXPECT_EQ(b->GetDoubleClicked(), 1);
    EXPECT_EQ(b->GetDoubleClicked(), 0);
    for (int i = 0; i < 30; ++i) b->Manage();
    Press();
    b->Manage();
    EXPECT_EQ(b->GetDoubleClicked(), 0);
}

TEST_F(ButtonTest, MouseRepeatReportsPressThenWaitsThenRepeats) {
    TMouseRepeat r;
    r.Create(50, 20);  // 10 ticks, then every 4
    std::string seen;
    for (int i = 0; i < 20; ++i) seen += static_cast<char>('0' + r.Step(true));
    EXPECT_EQ(seen, "10000000002000200020");
    EXPECT_EQ(r.Step(false), 0);
    EXPECT_EQ(r.Step(true), 1);
}

TEST_F(ButtonTest, WidgetPressClicksWithFeedback) {
    auto b = MakeButton(100, 100);
    TButtonWidget widget(b);
    widget.Press();
    EXPECT_EQ(b->Clicked, 1);
    EXPECT_GT(b->MouseClickCounter, 0);
    EXPECT_EQ(played, (std::vector<std::string>{"click"}));
}

TEST_F(ButtonTest, DrawShowsTheStateImage) {
    OpenGraphics();
    auto b = MakeButton(100, 100);
    b->Draw();
    EXPECT_EQ(PixelAt(150, 120).r, 100);
    b->MouseOver = 1;
    b->Draw();
    EXPECT_EQ(PixelAt(150, 120).r, 200);
    b->MouseClickCounter = 5;
    b->Draw();
    EXPECT_EQ(PixelAt(150, 120).r, 50);
    float sx, sy;
    Game->Gfx->GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
}

TEST_F(ButtonTest, HoverScaleGrowsAboutTheCentre) {
    OpenGraphics();
    auto b = MakeButton(100, 100, 100, 40);
    b->ScaleOnMO = 1.5f;
    b->ScaleOnMOMax = 1.5f;
    b->Draw();
    EXPECT_EQ(PixelAt(76, 92).r, 100);
    EXPECT_EQ(PixelAt(223, 129).r, 100);
    EXPECT_EQ(PixelAt(73, 120).r, 0);
}
