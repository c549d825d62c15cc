#include "BitmapFontBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "Canvas.h"
#include "Painter.h"
#include "Palette.h"

namespace {

struct GlyphBox {
    int code = 0;
    unsigned index = 0;
    int w = 0, h = 0, xo = 0, yo = 0, adv = 0;
    int x = 0, y = 0;
};

// Latin-1 and the typographic marks the game's texts use (dashes, quotes, bullet, ellipsis,
// euro, the ligatures of French names).
std::vector<int> CharacterSet() {
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    for (int c = 160; c <= 255; ++c) codes.push_back(c);
    for (int c : {338,  339,  352,  353,  376,  381,  382,  8211, 8212, 8216, 8217,
                  8218, 8220, 8221, 8222, 8224, 8226, 8230, 8249, 8250, 8364, 8482}) {
        codes.push_back(c);
    }
    return codes;
}

std::string FaceName(FontId id) {
    switch (id) {
        case FontId::Garamond:
        case FontId::GaramondItalic:
        case FontId::GaramondBold:
            return "EB Garamond";
        case FontId::Caladea:
        case FontId::CaladeaBold:
            return "Caladea";
        case FontId::DejaVuSerifBold:
            return "DejaVu Serif";
        default:
            return "Linux Libertine";
    }
}

}  // namespace

void BitmapFontBuilder::Generate() {
    const FontStyle styles[] = {
        {"Button", FontId::LibertineBold, 26, false, 0},
        {"LargeWhite", FontId::LibertineBold, 38, false, 1.5},
        {"GUIFont", FontId::LibertineBold, 22, false, 0},
        {"GUIFontSmall", FontId::Libertine, 16, false, 0},
        {"LevelEndFont", FontId::LibertineBold, 24, false, 0},
        {"NumericFont", FontId::CaladeaBold, 30, true, 1.5},
        {"Header", FontId::LibertineDisplay, 46, true, 2.0},
        {"storyfont", FontId::Garamond, 26, false, 0},
    };
    for (const FontStyle& s : styles) Build(s);
}

void BitmapFontBuilder::Build(const FontStyle& style) {
    FT_Face face = nullptr;
    const std::string path = FontLibrary::Path(style.face);
    if (FT_New_Face(fonts.Library(), path.c_str(), 0, &face) != 0) return;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.size));
    const double ascender = face->size->metrics.ascender / 64.0;
    const double descender = face->size->metrics.descender / 64.0;
    const int pad = static_cast<int>(std::ceil(style.outline)) + 1;
    // EB Garamond sets old-style figures by default; numbers read better in lining figures.
    const char* lining[10] = {"zero.lnum", "one.lnum", "two.lnum",   "three.lnum", "four.lnum",
                              "five.lnum", "six.lnum", "seven.lnum", "eight.lnum", "nine.lnum"};

    std::vector<GlyphBox> glyphs;
    for (int code : CharacterSet()) {
        unsigned index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
        if (code >= '0' && code <= '9' && FT_HAS_GLYPH_NAMES(face)) {
            const unsigned alt = FT_Get_Name_Index(face, const_cast<char*>(lining[code - '0']));
            if (alt != 0) index = alt;
        }
        if (index == 0) continue;
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
        const FT_Glyph_Metrics& m = face->glyph->metrics;
        GlyphBox g;
        g.code = code;
        g.index = index;
        g.adv = static_cast<int>(std::lround(m.horiAdvance / 64.0));
        if (m.width > 0 && m.height > 0) {
            const double left = m.horiBearingX / 64.0;
            const double top = m.horiBearingY / 64.0;
            const int x0 = static_cast<int>(std::floor(left)) - pad;
            const int x1 = static_cast<int>(std::ceil(left + m.width / 64.0)) + pad;
            const int y0 = static_cast<int>(std::floor(ascender - top)) - pad;
            const int y1 = static_cast<int>(std::ceil(ascender - top + m.height / 64.0)) + pad;
            g.xo = x0;
            g.yo = y0;
            g.w = x1 - x0;
            g.h = y1 - y0;
        }
        glyphs.push_back(g);
    }
    FT_Done_Face(face);

    // Shelf packing, tallest first, into a fixed width; deterministic for a given font.
    const int atlasW = style.size >= 36 ? 1024 : 512;
    std::vector<GlyphBox*> order;
    for (GlyphBox& g : glyphs) order.push_back(&g);
    std::stable_sort(order.begin(), order.end(),
                     [](const GlyphBox* a, const GlyphBox* b) { return a->h > b->h; });
    int x = 1, y = 1, shelf = 0;
    for (GlyphBox* g : order) {
        if (g->w == 0) continue;
        if (x + g->w + 1 > atlasW) {
            x = 1;
            y += shelf + 1;
            shelf = 0;
        }
        g->x = x;
        g->y = y;
        x += g->w + 1;
        shelf = std::max(shelf, g->h);
    }
    const int atlasH = ((y + shelf + 1) + 3) / 4 * 4;

    Canvas atlas(atlasW, atlasH);
    Painter p(atlas.Cr(), fonts);
    cairo_t* cr = atlas.Cr();
    p.Font(style.face, style.size);
    for (const GlyphBox& g : glyphs) {
        if (g.w == 0) continue;
        cairo_glyph_t glyph{g.index, static_cast<double>(g.x - g.xo),
                            static_cast<double>(g.y - g.yo) + ascender};
        cairo_save(cr);
        cairo_rectangle(cr, g.x, g.y, g.w, g.h);
        cairo_clip(cr);
        cairo_new_path(cr);
        cairo_glyph_path(cr, &glyph, 1);
        if (style.outline > 0) {
            cairo_set_line_width(cr, style.outline * 2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            p.Color(Palette::Ink.Darker(0.3));
            cairo_stroke_preserve(cr);
        }
        if (style.gold) {
            const double top = g.y - g.yo;
            p.GoldSource(0, top + ascender * 0.15, 0, top + ascender - descender * 0.2);
        } else {
            p.Color(Palette::White);
        }
        cairo_fill(cr);
        cairo_restore(cr);
    }

    const int lineHeight = static_cast<int>(std::lround(ascender - descender));
    std::string fnt;
    char line[512];
    std::snprintf(line, sizeof line,
                  "info face=\"%s\" size=%d bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 "
                  "smooth=1 aa=1 padding=%d,%d,%d,%d spacing=1,1\n",
                  FaceName(style.face).c_str(), style.size, pad, pad, pad, pad);
    fnt += line;
    std::snprintf(line, sizeof line,
                  "common lineHeight=%d base=%d scaleW=%d scaleH=%d pages=1 packed=0\n", lineHeight,
                  static_cast<int>(std::lround(ascender)), atlasW, atlasH);
    fnt += line;
    std::snprintf(line, sizeof line, "page id=0 file=\"%s.png\"\n", style.name.c_str());
    fnt += line;
    std::snprintf(line, sizeof line, "chars count=%zu\n", glyphs.size());
    fnt += line;
    // Each number sits in the width the reader takes (position 4, the rest 3), padded with
    // spaces so the reader stops at the end of the number.
    for (const GlyphBox& g : glyphs) {
        std::snprintf(line, sizeof line,
                      "char id=%-5d x=%-4d y=%-4d width=%-3d height=%-3d xoffset=%-3d "
                      "yoffset=%-3d xadvance=%-3d page=0  chnl=15\n",
                      g.code, g.x, g.y, g.w, g.h, g.xo, g.yo, g.adv);
        fnt += line;
    }
    out.Font(fnt, atlas, "fonts/" + style.name);
}
