#include "platform/ImageFont.h"

namespace platform {

int ImageFont::Glyph(char32_t c) {
    if (c < static_cast<char32_t>(FIRST) || c > static_cast<char32_t>(LAST)) c = U'?';
    return static_cast<int>(c) - FIRST;
}

uint8_t ImageFont::Coverage(int glyph, int x, int y) {
    if (glyph < 0 || glyph >= GLYPHS || x < 0 || x >= cellWidth || y < 0 || y >= cellHeight) {
        return 0;
    }
    return coverage[(static_cast<size_t>(glyph) * cellHeight + y) * cellWidth + x];
}

Pixmap ImageFont::Atlas() {
    Pixmap atlas(GLYPHS * cellWidth, cellHeight);
    for (int g = 0; g < GLYPHS; ++g) {
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                uint8_t* p = atlas.At(g * cellWidth + x, y);
                p[0] = p[1] = p[2] = 255;
                p[3] = Coverage(g, x, y);
            }
        }
    }
    return atlas;
}

std::vector<int> ImageFont::Glyphs(const std::string& text) {
    std::vector<int> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Length of the sequence from its lead byte; a stray continuation byte counts as one.
        size_t length = lead < 0x80           ? 1
                        : (lead >> 5) == 0x6  ? 2
                        : (lead >> 4) == 0xe  ? 3
                        : (lead >> 3) == 0x1e ? 4
                                              : 1;
        char32_t c = lead < 0x80 ? lead : U'?';
        out.push_back(c == U'\n' ? LINE_BREAK : Glyph(c));
        i += length;
    }
    return out;
}

}  // namespace platform
