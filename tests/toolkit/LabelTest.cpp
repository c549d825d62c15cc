#include <algorithm>
#include <sstream>

#include "platform/PathResolver.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TLabel.h"
#include "toolkit/TScrollingText.h"
#include "toolkit/TextWrap.h"

namespace {
// Every character 10 pixels wide.
double Tens(const std::string& s) {
    return 10.0 * static_cast<double>(s.size());
}

std::shared_ptr<TBitmapFont> TenFont() {
    auto f = std::make_shared<TBitmapFont>();
    std::string text = "info\ncommon scaleW=64 scaleH=64\n";
    for (int c = 32; c < 127; ++c)
        text += "char id=" + std::to_string(c) +
                " x=0    y=0    width=8   height=12  xoffset=0   yoffset=0   xadvance=10\n";
    std::istringstream in(text);
    f->ReadDescription(in, 0);
    return f;
}
}  // namespace

TEST(TextWrapTest, SplitsAtLineFeedsAndDropsCarriageReturns) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo", {"one", "two"}},
        {"one\n", {"one"}},
        {"one\n\ntwo", {"one", "", "two"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

TEST(TextWrapTest, WrapsWordsAtTheWidth) {
    struct Case {
        std::string line;
        double width, scale;
        std::vector<std::string> out;
    } cases[] = {
        {"aa bb cc", 50, 1, {"aa bb", "cc"}},
        {"aa bb cc", 80, 1, {"aa bb cc"}},
        {"aa bb cc", 80, 2, {"aa", "bb", "cc"}},
        {"aa  bb", 50, 1, {"aa bb"}},
        {"enormousword aa", 50, 1, {"enormousword", "aa"}},
        {"aa enormousword", 50, 1, {"aa", "enormousword"}},
        {"", 50, 1, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapTextLines({c.line}, c.width, c.scale, Tens), c.out) << c.line;
}

class LabelTest : public ToolkitTest {};

TEST_F(LabelTest, TwoWordsAcrossACarriageReturnAndLineFeedAreTwoLines) {
    auto l = TLabel::CreateSpecial("Hello\r\nWorld", 0, 0, 1, 200, 0, TenFont());
    EXPECT_EQ(l->TotalLines, 2);
    EXPECT_EQ(l->TextArray, (std::vector<std::string>{"Hello", "World"}));
    EXPECT_EQ(l->LineGap, 12);
    EXPECT_FLOAT_EQ(l->CalcHeight(), 24);
}

TEST_F(LabelTest, ParagraphsKeepTheirEmptyLine) {
    auto l = TLabel::CreateSpecial("Hello\n\nWorld", 0, 0, 0, 200, 0, TenFont());
    EXPECT_EQ(l->TextArray, (std::vector<std::string>{"Hello", "", "World"}));
    l->SetLineGap(20);
    EXPECT_FLOAT_EQ(l->H, 60);
}

TEST_F(LabelTest, WrapsAtItsWidthAndFindsTheWidestLine) {
    auto l = TLabel::CreateSpecial("one two three four", 0, 0, 0, 90, 0, TenFont());
    EXPECT_EQ(l->TextArray, (std::vector<std::string>{"one two", "three", "four"}));
    EXPECT_EQ(l->GetWidestLine(), "one two");
}

TEST_F(LabelTest, AutoScaleShrinksOnlyWideTexts) {
    auto l = TLabel::CreateSpecial("abcdefghij", 0, 0, 1, 0, 0, TenFont());
    l->AutoScale(200);
    EXPECT_FLOAT_EQ(l->Scale, 1);
    l->AutoScale(50);
    EXPECT_FLOAT_EQ(l->Scale, 0.5f);
    EXPECT_FLOAT_EQ(l->CalcWidth(), 50);
    EXPECT_FLOAT_EQ(l->CalcHeight(), 6);
}

TEST_F(LabelTest, ImageFontLabelsMeasureWithTheDrawingLayer) {
    auto l = TLabel::CreateSpecial("abc", 0, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(l->CalcWidth(), static_cast<float>(platform::Graphics::TextWidth("abc")));
    EXPECT_GT(l->CalcHeight(), 0);
}

TEST_F(LabelTest, DrawingPutsTheStateBack) {
    OpenGraphics();
    auto l = TLabel::CreateSpecial("Hi there", 100, 100, 1, 0, 1, TenFont());
    l->Color = TColor::Create(255, 0, 0, 0.5f);
    l->Scale = 2;
    l->Rotation = 20;
    l->Shadow = TShadow::Create(2, 2, 0.5f);
    l->Draw(0, 0, 1);
    int r, g, b;
    Game->Gfx->GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
    EXPECT_FLOAT_EQ(Game->Gfx->GetAlpha(), 1);
    EXPECT_FLOAT_EQ(Game->Gfx->GetRotation(), 0);
    float sx, sy;
    Game->Gfx->GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
    EXPECT_EQ(l->BitmapFont->ChangeHandle, 0);
}

TEST_F(LabelTest, ScrollerWrapsToItsFirstLineAndFadesAtTheEdges) {
    auto s = TScrollingText::Create("*Header\nbody", TenFont(), 512, 100, 3, 20, 400, 5);
    ASSERT_EQ(s->_textArray.size(), 5u);  // three empty lines lead in
    EXPECT_FLOAT_EQ(s->_currentScrollPos, 19);
    std::vector<int> lines;
    for (int i = 0; i < 25; ++i) {
        s->Logic();
        lines.push_back(s->_currentLine);
    }
    // A line every four ticks; the fifth wraps round to the first.
    EXPECT_EQ(lines[0], 1);
    EXPECT_EQ(lines[3], 1);
    EXPECT_EQ(lines[4], 2);
    EXPECT_EQ(lines[16], 0);
    EXPECT_EQ(lines[20], 1);

    s->fadeRange = 10;  // lines from 100 to 140
    struct Case {
        float y, alpha;
    } cases[] = {{95, 0}, {100, 0}, {105, 0.5f}, {120, 1}, {135, 0.5f}, {140, 0}, {150, 0}};
    for (const Case& c : cases) EXPECT_FLOAT_EQ(s->LineAlpha(c.y), c.alpha) << c.y;
}

TEST_F(LabelTest, AlignedLabelsLandWhereAsked) {
    ASSERT_TRUE(ShippedFontsPresent()) << "the generated data folder is missing";
    OpenGraphics();
    auto font = TBitmapFont::Create(platform::PathResolver::Resolve(
        std::string(ROSEWICK_BUILD_DIR) + "/Data/fonts/LargeWhite"));
    auto lit = [](int& left, int& right, int& top, int& bottom) {
        platform::Pixmap shot = Game->Gfx->Grab();
        left = top = 10000;
        right = bottom = -1;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                if (shot.At(x, y)[0] > 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
    };
    auto right = TLabel::CreateSpecial("HELLO", 600, 300, 2, 0, 0, font);
    right->Draw(0, 0, 1);
    int l, r, t, b;
    lit(l, r, t, b);
    EXPECT_NEAR(r, 600, 8);
    EXPECT_NEAR(t, 300, 3);  // capitals sit on the label's y

    Game->Gfx->Cls();
    auto centred = TLabel::CreateSpecial("HELLO", 512, 400, 1, 0, 1, font);
    centred->Draw(0, 0, 1);
    lit(l, r, t, b);
    EXPECT_NEAR((l + r) / 2.0, 512, 6);
    EXPECT_NEAR((t + b) / 2.0, 400, 6);

    Game->Gfx->Cls();
    auto wrapped = TLabel::CreateSpecial("HELLO HELLO", 512, 200, 1, 150, 0, font);
    ASSERT_EQ(wrapped->TotalLines, 2);
    wrapped->Draw(0, 0, 1);
    lit(l, r, t, b);
    EXPECT_NEAR(b - t, wrapped->LineGap + font->StringHeight("HELLO") - 1, 8);
}
