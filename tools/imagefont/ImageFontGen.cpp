// Renders the drawing layer's built-in font: ASCII 32-126 from a monospaced TrueType face into
// fixed cells of 8-bit coverage, written as a C++ source that rw_platform compiles.
//
//   imagefont_gen <font.ttf> <output.cpp> <pixel size>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int FIRST = 32;
constexpr int LAST = 126;

struct FreeTypeLibrary {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeLibrary() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "imagefont_gen: %s\n", message.c_str());
    return 1;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Fail("usage: imagefont_gen <font.ttf> <output.cpp> <pixel size>");
    const std::string fontPath = argv[1];
    const std::string outPath = argv[2];
    const int pixelSize = std::atoi(argv[3]);
    if (pixelSize < 4 || pixelSize > 64) return Fail("pixel size must be 4-64");

    FreeTypeLibrary ft;
    if (FT_Init_FreeType(&ft.library)) return Fail("cannot start FreeType");
    if (FT_New_Face(ft.library, fontPath.c_str(), 0, &ft.face)) {
        return Fail("cannot open " + fontPath);
    }
    if (FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(pixelSize))) {
        return Fail("cannot size " + fontPath);
    }
    const FT_Size_Metrics& metrics = ft.face->size->metrics;
    const int ascender = static_cast<int>((metrics.ascender + 63) >> 6);
    const int descender = static_cast<int>(metrics.descender >> 6);  // negative
    const int cellH = ascender - descender;
    int cellW = 0;
    for (int c = FIRST; c <= LAST; ++c) {
        if (FT_Load_Char(ft.face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT)) {
            return Fail("cannot load character " + std::to_string(c));
        }
        cellW = std::max(cellW, static_cast<int>((ft.face->glyph->advance.x + 32) >> 6));
    }
    if (cellW <= 0 || cellH <= 0) return Fail("the face has no usable metrics");

    const int glyphs = LAST - FIRST + 1;
    std::vector<unsigned char> coverage(static_cast<size_t>(glyphs) * cellW * cellH, 0);
    for (int c = FIRST; c <= LAST; ++c) {
        if (FT_Load_Char(ft.face, static_cast<FT_ULong>(c),
                         FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL)) {
            return Fail("cannot render character " + std::to_string(c));
        }
        const FT_GlyphSlot slot = ft.face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        unsigned char* cell = coverage.data() + static_cast<size_t>(c - FIRST) * cellW * cellH;
        for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
            const int y = ascender - slot->bitmap_top + row;
            if (y < 0 || y >= cellH) continue;
            for (int col = 0; col < static_cast<int>(bitmap.width); ++col) {
                const int x = slot->bitmap_left + col;
                if (x < 0 || x >= cellW) continue;
                const unsigned char value = bitmap.buffer[row * bitmap.pitch + col];
                cell[y * cellW + x] = std::max(cell[y * cellW + x], value);
            }
        }
    }

    std::ofstream out(outPath, std::ios::binary);
    if (!out) return Fail("cannot write " + outPath);
    out << "// Made by imagefont_gen from " << BaseName(fontPath) << " at " << pixelSize
        << " px; rebuilt with the project, not edited.\n"
        << "#include \"platform/ImageFont.h\"\n\n"
        << "namespace platform {\n\n"
        << "const int ImageFont::cellWidth = " << cellW << ";\n"
        << "const int ImageFont::cellHeight = " << cellH << ";\n"
        << "const uint8_t ImageFont::coverage[" << coverage.size() << "] = {";
    for (size_t i = 0; i < coverage.size(); ++i) {
        out << (i % 24 == 0 ? "\n    " : " ") << static_cast<int>(coverage[i]) << ",";
    }
    out << "\n};\n\n}  // namespace platform\n";
    out.close();
    if (!out) return Fail("cannot write " + outPath);
    return 0;
}
