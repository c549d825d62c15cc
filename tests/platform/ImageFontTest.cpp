#include <gtest/gtest.h>

#include "platform/ImageFont.h"

namespace {

using platform::ImageFont;

int Ink(int glyph) {
    int sum = 0;
    for (int y = 0; y < ImageFont::CellHeight(); ++y) {
        for (int x = 0; x < ImageFont::CellWidth(); ++x) sum += ImageFont::Coverage(glyph, x, y);
    }
    return sum;
}

TEST(ImageFontTest, CellsAreSmallAndEveryVisibleGlyphHasInk) {
    EXPECT_GE(ImageFont::CellHeight(), 10);
    EXPECT_LE(ImageFont::CellHeight(), 16);
    EXPECT_GE(ImageFont::CellWidth(), 5);
    EXPECT_LT(ImageFont::CellWidth(), ImageFont::CellHeight());
    EXPECT_EQ(Ink(ImageFont::Glyph(U' ')), 0);
    for (char32_t c = U'!'; c <= U'~'; ++c) EXPECT_GT(Ink(ImageFont::Glyph(c)), 0) << char(c);
    // Distinct letters look distinct.
    EXPECT_NE(Ink(ImageFont::Glyph(U'i')), Ink(ImageFont::Glyph(U'W')));
}

TEST(ImageFontTest, TheAtlasIsWhiteWithCoverageAsAlpha) {
    const auto atlas = ImageFont::Atlas();
    ASSERT_EQ(atlas.Width(), ImageFont::GLYPHS * ImageFont::CellWidth());
    ASSERT_EQ(atlas.Height(), ImageFont::CellHeight());
    const int g = ImageFont::Glyph(U'M');
    for (int y = 0; y < ImageFont::CellHeight(); ++y) {
        for (int x = 0; x < ImageFont::CellWidth(); ++x) {
            const uint8_t* p = atlas.At(g * ImageFont::CellWidth() + x, y);
            ASSERT_EQ(p[0], 255);
            ASSERT_EQ(p[3], ImageFont::Coverage(g, x, y));
        }
    }
}

TEST(ImageFontTest, TextDecodesToOneGlyphPerCodePoint) {
    const int question = ImageFont::Glyph(U'?');
    struct Case {
        std::string text;
        std::vector<int> glyphs;
    };
    const Case cases[] = {
        {"Ab", {ImageFont::Glyph(U'A'), ImageFont::Glyph(U'b')}},
        {"a\nb", {ImageFont::Glyph(U'a'), ImageFont::LINE_BREAK, ImageFont::Glyph(U'b')}},
        {"\xc3\xa9", {question}},                               // two bytes, one character
        {"\xe2\x82\xac!", {question, ImageFont::Glyph(U'!')}},  // three bytes
        {"\t", {question}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ImageFont::Glyphs(c.text), c.glyphs);
    }
}

}  // namespace
