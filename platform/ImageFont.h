#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Pixmap.h"

namespace platform {

// The drawing layer's own fixed-width font for messages and the debug overlay: ASCII 32-126
// in equal cells, rendered at build time (tools/imagefont) from a monospaced face.
class ImageFont {
public:
    static constexpr int FIRST = 32;
    static constexpr int LAST = 126;
    static constexpr int GLYPHS = LAST - FIRST + 1;

    static int CellWidth() { return cellWidth; }
    static int CellHeight() { return cellHeight; }
    // Glyph index (0-based from FIRST) of a code point; characters the font lacks show as '?'.
    static int Glyph(char32_t c);
    // Coverage 0-255 of pixel (x, y) of a glyph's cell.
    static uint8_t Coverage(int glyph, int x, int y);
    // Every glyph in one row, glyph g at x = g * CellWidth(): white, coverage as alpha, so a
    // colour modulation tints it.
    static Pixmap Atlas();
    // The glyph indices of UTF-8 text, one per code point; '\n' gives LINE_BREAK.
    static constexpr int LINE_BREAK = -1;
    static std::vector<int> Glyphs(const std::string& text);

private:
    // Defined in the generated ImageFontData.cpp.
    static const int cellWidth;
    static const int cellHeight;
    static const uint8_t coverage[];
};

}  // namespace platform
