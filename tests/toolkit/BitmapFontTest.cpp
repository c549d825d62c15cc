#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/PathResolver.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TextState.h"

namespace {

// Laid out as the font tools write it: each number padded to the width the reader takes.
const char* kFixture =
    "info face=\"Fixture\" size=10 bold=0\r\n"
    "common lineHeight=12 base=10 scaleW=64   scaleH=32   pages=1 packed=0\r\n"
    "page id=0 file=\"fixture.png\"\r\n"
    "chars count=4\r\n"
    "char id=65    x=0    y=0    width=8   height=10  xoffset=0   yoffset=2   xadvance=9   "
    "page=0\r\n"
    "char id=66    x=10   y=0    width=7   height=10  xoffset=1   yoffset=2   xadvance=8   "
    "page=0\r\n"
    "\r\n"
    "char id=32    x=0    y=0    width=0   height=0   xoffset=0   yoffset=0   xadvance=4   "
    "page=0\r\n"
    "char id=8364  x=20   y=0    width=9   height=11  xoffset=-12 yoffset=1   xadvance=10  "
    "page=0\r\n"
    "kerning first=65 second=66 amount=-1\r\n"
    "char id=67    x=30   y=0    width=7   height=10  xoffset=1   yoffset=2   xadvance=8   "
    "page=0\r\n";

TBitmapFont Parse(const std::string& text, int yAdjust = 0) {
    TBitmapFont f;
    std::istringstream in(text);
    f.ReadDescription(in, yAdjust);
    return f;
}

std::string ShippedFont(const std::string& name) {
    return platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/Data/fonts/" + name);
}

}  // namespace

TEST(BitmapFontTest, ReadsTheCommonLineAndGlyphsUpToTheKerning) {
    TBitmapFont f = Parse(kFixture);
    EXPECT_DOUBLE_EQ(f.ScaleFactor, 1.0);
    EXPECT_DOUBLE_EQ(f.TextureW, 64);
    EXPECT_DOUBLE_EQ(f.TextureH, 32);
    EXPECT_EQ(f.NumChars, 4);
    EXPECT_EQ(f.NumExtraChars, 1);
    EXPECT_DOUBLE_EQ(f.xPos['B'], 10);
    EXPECT_DOUBLE_EQ(f.width['B'], 7);
    EXPECT_DOUBLE_EQ(f.xOffset['B'], 1);
    EXPECT_DOUBLE_EQ(f.yOffset['A'], 2);
    EXPECT_DOUBLE_EQ(f.xAdvance[' '], 4);
    EXPECT_DOUBLE_EQ(f.xAdvance['C'], 0);  // after the kerning line: not read
    EXPECT_EQ(f.DrawOffsetY, -2);
}

TEST(BitmapFontTest, ExtraCharactersTakeSlotsFrom256) {
    TBitmapFont f = Parse(kFixture);
    EXPECT_EQ(f.ID[256], 8364);
    EXPECT_EQ(f.FindChar(8364), 256);
    EXPECT_EQ(f.FindChar(8365), 0);
    EXPECT_DOUBLE_EQ(f.xOffset[256], -12);
    EXPECT_DOUBLE_EQ(f.StringWidth("\xE2\x82\xAC"), 10);  // the euro sign
}

TEST(BitmapFontTest, AScaleLineSetsTheScaleAndAPlainFirstLineIsIgnored) {
    TBitmapFont scaled = Parse(std::string("scaleF=0.5 \n") + kFixture);
    EXPECT_DOUBLE_EQ(scaled.ScaleFactor, 0.5);
    EXPECT_DOUBLE_EQ(scaled.StringWidth("A"), 4.5);
    EXPECT_DOUBLE_EQ(scaled.TextureW, 64);

    // A first line that is neither: consumed unread, so its numbers never count.
    TBitmapFont plain = Parse(std::string("common scaleW=999 scaleH=999\n") + kFixture);
    EXPECT_DOUBLE_EQ(plain.ScaleFactor, 1.0);
    EXPECT_DOUBLE_EQ(plain.TextureW, 64);
}

TEST(BitmapFontTest, FieldsAreReadFromTheirFixedWidths) {
    TBitmapFont f = Parse(
        "info\ncommon scaleW=1024scaleH=99\n"
        "char id=70 x=12345 y=7 width=1234 height=-12 xoffset=abc yoffset=5 xadvance=6\n",
        3);
    EXPECT_DOUBLE_EQ(f.TextureW, 1024);
    EXPECT_DOUBLE_EQ(f.TextureH, 99);
    EXPECT_DOUBLE_EQ(f.xPos['F'], 1234);
    EXPECT_DOUBLE_EQ(f.width['F'], 123);
    EXPECT_DOUBLE_EQ(f.height['F'], -12);
    EXPECT_DOUBLE_EQ(f.xOffset['F'], 0);
    EXPECT_DOUBLE_EQ(f.yOffset['F'], 8);  // with the caller's adjustment
}

TEST(BitmapFontTest, The151stExtraCharacterGrowsEveryArray) {
    std::string text = "info\ncommon scaleW=64 scaleH=64\npage\nchars\n";
    for (int i = 0; i < 151; ++i)
        text += "char id=" + std::to_string(1000 + i) + " x=1 y=1 width=2 height=2 xadvance=3\n";
    TBitmapFont f = Parse(text);
    EXPECT_EQ(f.NumExtraChars, 151);
    EXPECT_EQ(f.ArraySize, 506);
    EXPECT_EQ(f.ID.size(), 506u);
    EXPECT_EQ(f.xAdvance.size(), 506u);
    EXPECT_EQ(f.FindChar(1150), 406);
    EXPECT_DOUBLE_EQ(f.xAdvance[406], 3);
}

TEST(BitmapFontTest, MeasuresSumAdvancesAndGaps) {
    TBitmapFont f = Parse(kFixture);
    EXPECT_DOUBLE_EQ(f.StringWidth(""), 0);
    EXPECT_DOUBLE_EQ(f.StringWidth("A"), 9);
    EXPECT_DOUBLE_EQ(f.StringWidth("AB"), 17);
    f.CharGap = 2;
    EXPECT_DOUBLE_EQ(f.StringWidth("A"), 9);
    EXPECT_DOUBLE_EQ(f.StringWidth("AB A"), 9 + 8 + 4 + 9 + 3 * 2);
    EXPECT_DOUBLE_EQ(f.StringWidth("?"), 0);  // unknown: an empty glyph
    f.CharGap = 0;
    EXPECT_DOUBLE_EQ(f.StringHeight("AB"), 10);
    EXPECT_DOUBLE_EQ(f.StringHeightVertical("A B"), 10 + 3 + 10);
    EXPECT_EQ(f.GetLineGap(), 10);
    EXPECT_DOUBLE_EQ(f.CalcReducedScale("AB", 34), 1.0);
    EXPECT_DOUBLE_EQ(f.CalcReducedScale("AB", 8.5), 0.5);
    EXPECT_EQ(f.TruncateString("ABAB", 26), "ABA");
    EXPECT_EQ(f.TruncateString("ABAB", 5), "");
}

TEST(BitmapFontTest, ShippedFontsHaveLettersInsideTheirAtlas) {
    for (const char* name : {"Button", "LargeWhite", "GUIFont", "GUIFontSmall", "LevelEndFont",
                             "NumericFont", "Header", "storyfont"}) {
        SCOPED_TRACE(name);
        std::ifstream in(ShippedFont(std::string(name) + ".fnt"), std::ios::binary);
        ASSERT_TRUE(in) << "missing font " << name;
        TBitmapFont f;
        f.ReadDescription(in, 0);
        EXPECT_GT(f.TextureW, 0);
        EXPECT_GT(f.NumChars, 9);
        EXPECT_GT(f.StringWidth("0123456789"), 0);
        for (int c = 0; c < TBitmapFont::DIRECT_SLOTS; ++c) {
            EXPECT_LE(f.xPos[c] + f.width[c], f.TextureW) << c;
            EXPECT_LE(f.yPos[c] + f.height[c], f.TextureH) << c;
        }
    }
}

class BitmapFontDrawTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ASSERT_TRUE(ShippedFontsPresent()) << "the generated data folder is missing";
        OpenGraphics();
        font = TBitmapFont::Create(ShippedFont("LargeWhite"));
        ASSERT_TRUE(font->Image);
    }
    // Leftmost and rightmost lit columns in a band of rows.
    std::pair<int, int> LitColumns(int top, int bottom) {
        platform::Pixmap shot = Game->Gfx->Grab();
        int left = -1, right = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 1024; ++x)
                if (shot.At(x, y)[0] > 128) {
                    if (left < 0 || x < left) left = x;
                    if (x > right) right = x;
                }
        return {left, right};
    }
    std::shared_ptr<TBitmapFont> font;
};

TEST_F(BitmapFontDrawTest, CentredTextAtScaleTwoMovesLeftByItsWholeWidth) {
    const std::string text = "HI";
    double w = font->StringWidth(text);
    font->Draw(text, 300, 100);
    auto plain = LitColumns(90, 200);
    Game->Gfx->Cls();
    Game->Gfx->SetScale(2, 2);
    font->Draw(text, 300 + w, 100, 1);
    Game->Gfx->SetScale(1, 1);
    auto centred = LitColumns(90, 300);
    ASSERT_GE(plain.first, 0);
    EXPECT_NEAR(centred.first, plain.first + (plain.first - 300), 2);
    EXPECT_NEAR(centred.second - centred.first, 2 * (plain.second - plain.first), 3);
}

TEST_F(BitmapFontDrawTest, CapitalsSitOnTheGivenY) {
    font->Draw("E", 400, 200);
    platform::Pixmap shot = Game->Gfx->Grab();
    int top = -1;
    for (int y = 150; y < 300 && top < 0; ++y)
        for (int x = 380; x < 480; ++x)
            if (shot.At(x, y)[0] > 128) {
                top = y;
                break;
            }
    EXPECT_NEAR(top, 200, 3);
}

TEST_F(BitmapFontDrawTest, ShadowPassDrawsBlackOffsetAndRestoresTheColour) {
    Game->Gfx->SetClsColor(200, 200, 200);
    Game->Gfx->Cls();
    TextShadowX = 40;
    TextShadowY = 0;
    TextShadowAlpha = 1;
    TextAlpha = 1;
    Game->Gfx->SetColor(255, 0, 0);
    font->Draw("I", 500, 300, 0, 0, 0, 0, 1);
    int r, g, b;
    Game->Gfx->GetColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    platform::Pixmap shot = Game->Gfx->Grab();
    bool dark = false;
    for (int x = 530; x < 600; ++x)
        if (shot.At(x, 320)[0] < 50) dark = true;
    EXPECT_TRUE(dark);
    TextShadowX = TextShadowY = 2;
    TextShadowAlpha = 0.5f;
}

namespace {
// Topmost lit row in a column band, -1 when none.
int TopLit(const platform::Pixmap& shot, int left, int right) {
    for (int y = 0; y < 768; ++y)
        for (int x = left; x < right; ++x)
            if (shot.At(x, y)[0] > 128 || shot.At(x, y)[1] > 128) return y;
    return -1;
}
}  // namespace

TEST_F(BitmapFontDrawTest, ColoursCycleGlyphByGlyph) {
    std::vector<TColor> colours = {TColor(255, 0, 0), TColor(0, 255, 0)};
    font->Draw("III", 300, 200, 0, 0, 0, 0, 0, 0, 0, colours);
    auto [left, right] = LitColumns(190, 300);
    platform::Pixmap shot = Game->Gfx->Grab();
    auto brightest = [&](int x) {
        const uint8_t* best = nullptr;
        for (int y = 190; y < 300; ++y) {
            const uint8_t* p = shot.At(x, y);
            if (!best || p[0] + p[1] > best[0] + best[1]) best = p;
        }
        return best;
    };
    const uint8_t* first = brightest(left + 1);
    const uint8_t* last = brightest(right - 1);
    EXPECT_GT(first[0], 200);
    EXPECT_LT(first[1], 60);
    EXPECT_GT(last[0], 200);  // the third glyph is red again
    double w = font->StringWidth("I");
    const uint8_t* middle = brightest(left + 1 + static_cast<int>(w));
    EXPECT_GT(middle[1], 200);
    EXPECT_LT(middle[0], 60);
}

TEST_F(BitmapFontDrawTest, VerticalTextStacksTheGlyphs) {
    // The lit rows of a one- and a two-glyph column: the second glyph starts one glyph
    // height below the first.
    auto span = [&](const std::string& text) {
        Game->Gfx->Cls();
        font->Draw(text, 300, 100, 0, 0, 0, 0, 0, 0, 1);
        platform::Pixmap shot = Game->Gfx->Grab();
        int top = TopLit(shot, 250, 400), bottom = -1;
        for (int y = 767; y >= 0 && bottom < 0; --y)
            for (int x = 250; x < 400; ++x)
                if (shot.At(x, y)[0] > 128) {
                    bottom = y;
                    break;
                }
        return std::pair<int, int>{top, bottom};
    };
    auto one = span("I");
    auto two = span("II");
    EXPECT_EQ(two.first, one.first);
    EXPECT_NEAR(two.second - one.second, font->height['I'], 1);
    auto [left, right] = LitColumns(90, 400);
    EXPECT_LT(right - left, font->width['I'] + 2);  // one column, not a row
}

TEST_F(BitmapFontDrawTest, ABendLowersTheMiddleOfTheString) {
    const std::string text = "IIIIIIIII";
    double w = font->StringWidth(text);
    font->SetCurvature(static_cast<float>(w), 30);
    font->Draw(text, 200, 200);
    font->ClearCurvature();
    platform::Pixmap shot = Game->Gfx->Grab();
    double adv = font->StringWidth("I");
    int firstTop = TopLit(shot, 200, 200 + static_cast<int>(adv));
    int middleTop = TopLit(shot, 200 + static_cast<int>(4 * adv), 200 + static_cast<int>(5 * adv));
    EXPECT_NEAR(middleTop - firstTop, 30 - 30 * std::sin(adv / 2 / w * 3.14159265), 3);
}
