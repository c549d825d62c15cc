#include "ContactSheet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "AssetWriter.h"
#include "Canvas.h"
#include "Painter.h"
#include "Palette.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMargin = 16;

struct Section {
    std::string folder;
    std::vector<std::string> files;
};

struct CellSize {
    int w, h;
    bool label;
};

CellSize CellFor(const std::string& folder) {
    if (folder.rfind("graphics/Cards", 0) == 0) return {90, 132, false};
    if (folder == "graphics/Backgrounds") return {320, 240, true};
    return {170, 130, true};
}

// Glyph metrics of one ".fnt" file, as the game reads them.
struct Glyph {
    int x = 0, y = 0, w = 0, h = 0, xo = 0, yo = 0, adv = 0;
};

int FieldAfter(const std::string& line, const std::string& key) {
    const size_t at = line.find(key);
    if (at == std::string::npos) return 0;
    return std::atoi(line.c_str() + at + key.size());
}

std::map<int, Glyph> ReadFnt(const std::string& path) {
    std::map<int, Glyph> glyphs;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("char ", 0) != 0) continue;
        Glyph g;
        const int id = FieldAfter(line, "id=");
        g.x = FieldAfter(line, " x=");
        g.y = FieldAfter(line, " y=");
        g.w = FieldAfter(line, "width=");
        g.h = FieldAfter(line, "height=");
        g.xo = FieldAfter(line, "xoffset=");
        g.yo = FieldAfter(line, "yoffset=");
        g.adv = FieldAfter(line, "xadvance=");
        glyphs[id] = g;
    }
    return glyphs;
}

// Decodes UTF-8 into code points (the sample texts are ours, so no validation).
std::vector<int> CodePoints(const std::string& s) {
    std::vector<int> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out.push_back(c);
            i += 1;
        } else if ((c >> 5) == 6) {
            out.push_back(((c & 0x1F) << 6) | (s[i + 1] & 0x3F));
            i += 2;
        } else {
            out.push_back(((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F));
            i += 3;
        }
    }
    return out;
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
    for (int j = 0; j * 8 < h; ++j) {
        for (int i = 0; i * 8 < w; ++i) {
            const double v = (i + j) % 2 ? 0.36 : 0.30;
            cairo_set_source_rgb(cr, v, v + 0.02, v + 0.05);
            cairo_rectangle(cr, x + i * 8, y + j * 8, std::min(8.0, w - i * 8),
                            std::min(8.0, h - j * 8));
            cairo_fill(cr);
        }
    }
}

}  // namespace

bool ContactSheet::Write(const std::string& dataDir, const std::string& outPng,
                         const std::string& filter, double zoom, std::string& error) const {
    // A filtered sheet is for a close look: narrow, so it can be zoomed.
    const int kSheetWidth = filter.empty() ? 2400 : 640;
    std::map<std::string, Section> sections;
    std::vector<std::string> fonts_;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dataDir, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        const std::string rel = fs::relative(it->path(), dataDir).generic_string();
        const std::string ext = it->path().extension().string();
        if (!filter.empty() && rel.rfind(filter, 0) != 0) continue;
        if (ext == ".fnt") {
            fonts_.push_back(rel);
            continue;
        }
        if (ext != ".png" && ext != ".jpg") continue;
        if (rel.rfind("fonts/", 0) == 0) continue;
        const std::string folder =
            it->path().parent_path().lexically_relative(dataDir).generic_string();
        sections[folder].folder = folder;
        sections[folder].files.push_back(rel);
    }
    if (sections.empty() && fonts_.empty()) {
        error = "no pictures under " + dataDir;
        return false;
    }
    std::sort(fonts_.begin(), fonts_.end());

    // Lay out first to know the height.
    struct Placed {
        std::string file;
        int x, y, w, h;
        bool label;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<std::string, int>> titles;
    int y = kMargin;
    for (auto& [folder, section] : sections) {
        std::sort(section.files.begin(), section.files.end());
        const CellSize cell = CellFor(folder);
        titles.emplace_back(folder, y);
        y += 30;
        int x = kMargin;
        const int rowH = cell.h + (cell.label ? 16 : 4);
        for (const std::string& f : section.files) {
            if (x + cell.w > kSheetWidth - kMargin) {
                x = kMargin;
                y += rowH;
            }
            placed.push_back({f, x, y, cell.w, cell.h, cell.label});
            x += cell.w + 6;
        }
        y += rowH + 12;
    }
    const int fontTop = y;
    y += 30 + static_cast<int>(fonts_.size()) * 64 + kMargin;

    Canvas sheet(static_cast<int>(kSheetWidth * zoom), static_cast<int>(y * zoom));
    Painter p(sheet.Cr(), fonts);
    cairo_t* cr = sheet.Cr();
    cairo_scale(cr, zoom, zoom);
    p.Color(Palette::NavyDeep.Darker(0.3));
    cairo_paint(cr);
    for (const auto& [title, ty] : titles) {
        p.Color(Palette::GoldLight);
        p.Text(FontId::LibertineBold, 20, title, kMargin, ty + 21, Align::Left);
    }
    for (const Placed& pl : placed) {
        std::string err;
        const Canvas img = Canvas::Load((fs::path(dataDir) / pl.file).string(), err);
        const double s = std::min({1.0, static_cast<double>(pl.w) / img.Width(),
                                   static_cast<double>(pl.h) / img.Height()});
        const double dw = img.Width() * s, dh = img.Height() * s;
        const double dx = pl.x + (pl.w - dw) / 2, dy = pl.y + (pl.h - dh) / 2;
        Checker(cr, dx, dy, dw, dh);
        cairo_save(cr);
        cairo_translate(cr, dx, dy);
        cairo_scale(cr, s, s);
        cairo_set_source_surface(cr, img.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        if (pl.label) {
            std::string name = fs::path(pl.file).stem().string();
            if (name.size() > 26) name = name.substr(0, 25) + "…";
            p.Color(Palette::Ivory, 0.85);
            p.Text(FontId::Libertine, 11, name, pl.x + pl.w / 2.0, pl.y + pl.h + 12, Align::Centre);
        }
    }
    // A sample line in each bitmap font, set glyph by glyph from its atlas.
    p.Color(Palette::GoldLight);
    p.Text(FontId::LibertineBold, 20, "fonts", kMargin, fontTop + 21, Align::Left);
    int fy = fontTop + 34;
    for (const std::string& f : fonts_) {
        const fs::path fnt = fs::path(dataDir) / f;
        std::string err;
        const Canvas atlas = Canvas::Load(fs::path(fnt).replace_extension(".png").string(), err);
        const std::map<int, Glyph> glyphs = ReadFnt(fnt.string());
        p.Color(Palette::Ivory, 0.7);
        p.Text(FontId::Libertine, 13, fnt.stem().string(), kMargin, fy + 30, Align::Left);
        double pen = kMargin + 130;
        const int aTop = glyphs.count('A') ? glyphs.at('A').yo : 0;
        for (int cp :
             CodePoints("Rosewick: Chapter 12 — 4/10 × 1.6 £5,700 Ça été «Été» ÀÉÎÕÜ àéîõü ñß")) {
            auto it = glyphs.find(cp);
            if (it == glyphs.end()) continue;
            const Glyph& g = it->second;
            if (g.w > 0 && g.h > 0) {
                cairo_save(cr);
                cairo_rectangle(cr, pen + g.xo, fy + g.yo - aTop + 8, g.w, g.h);
                cairo_clip(cr);
                cairo_set_source_surface(cr, atlas.Surface(), pen + g.xo - g.x,
                                         fy + g.yo - aTop + 8 - g.y);
                cairo_paint(cr);
                cairo_restore(cr);
            }
            pen += g.adv;
            if (pen > kSheetWidth - kMargin) break;
        }
        fy += 64;
    }
    AssetWriter writer(fs::path(outPng).parent_path().string());
    writer.Png(sheet, fs::path(outPng).filename().string());
    if (!writer.Errors().empty()) {
        error = writer.Errors().front();
        return false;
    }
    return true;
}
