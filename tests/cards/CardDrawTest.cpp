#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/AssetBanks.h"
#include "framework/TImageBank.h"
#include "platform/Graphics.h"
#include "tests/toolkit/ToolkitFixture.h"

namespace {

// Cards drawn into a real window on the dummy driver, with one-colour faces.
class CardDrawTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        OpenGraphics();
        CardHooks = TCardHooks();
        CurrentLevel = std::make_shared<TLevel>();
        CurrentLevel->SetGlobals();
        ImageBank.Add("5H", SolidImage(86, 128, 255, 255, 255, 1));
        ImageBank.Add("CARD BACK0", SolidImage(86, 128, 0, 0, 255, 1));
    }
    void TearDown() override {
        ImageBank.Clear();
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        ToolkitTest::TearDown();
    }

    std::shared_ptr<TCard> Card(int faceUp, int inPlay) {
        auto c = std::make_shared<TCard>();
        c->value = 5;
        c->suit = 0;
        c->tableau = 1;
        c->x = 300;
        c->y = 300;
        c->faceUp = faceUp;
        c->inPlay = inPlay;
        c->CalcImage();
        CurrentLevel->cardList->AddLast(c);
        return c;
    }
};

TEST_F(CardDrawTest, OutOfPlayCardsAreTintedAndTheStateIsPutBack) {
    auto c = Card(1, 0);
    Game->Gfx->Cls();
    c->Draw();
    EXPECT_EQ(PixelAt(300, 300).r, 230);
    EXPECT_FLOAT_EQ(c->ScaleX, 1.0f);
    c->inPlay = 1;
    Game->Gfx->Cls();
    c->Draw();
    EXPECT_EQ(PixelAt(300, 300).r, 255);
    EXPECT_FALSE(c->Color);
    // A face-down card shows the back of the level.
    auto d = Card(0, 0);
    d->x = 600;
    Game->Gfx->Cls();
    d->Draw();
    Rgb back = PixelAt(600, 300);
    EXPECT_EQ(back.r, 0);
    EXPECT_GT(back.b, 200);
}

TEST_F(CardDrawTest, MidFlipTheCardIsAnEdge) {
    auto c = Card(0, 0);
    c->StartFlipAnim(1);
    for (int i = 0; i < 30; ++i) c->Manage();
    Game->Gfx->Cls();
    c->Draw();
    // Narrowed to nothing: the centre stays black, and the card keeps its own scale.
    Rgb mid = PixelAt(320, 300);
    EXPECT_EQ(mid.r + mid.g + mid.b, 0);
    EXPECT_FLOAT_EQ(c->ScaleX, 1.0f);
}

TEST_F(CardDrawTest, ADrawingOffsetMovesTheBowWithTheCard) {
    ImageBank.Add("BOW", SolidImage(20, 20, 255, 0, 0, 1));
    auto c = Card(1, 1);
    c->bow = 1;
    c->UseOffset = 1;
    c->offx = 200;
    Game->Gfx->Cls();
    c->Draw();
    Rgb bow = PixelAt(500, 300);
    EXPECT_EQ(bow.r, 255);
    EXPECT_EQ(bow.g, 0);
    Rgb place = PixelAt(300, 300);
    EXPECT_EQ(place.r + place.g + place.b, 0);
}

}  // namespace
