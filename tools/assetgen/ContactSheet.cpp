#include "ContactSheet.h"

#include <algorithm>
#include <cstdio>
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

// Paints one generated picture with its top-left corner at (x, y); a picture that is
// missing paints nothing (the inventory test reports it).
void Place(cairo_t* cr, const std::string& dataDir, const std::string& rel, double x, double y,
           double alpha = 1.0) {
    std::string error;
    const Canvas img = Canvas::Load((fs::path(dataDir) / rel).string(), error);
    if (!error.empty()) return;
    cairo_set_source_surface(cr, img.Surface(), x, y);
    cairo_paint_with_alpha(cr, alpha);
}

// Centred on (x, y), as the game draws cards.
void PlaceCentred(cairo_t* cr, const std::string& dataDir, const std::string& rel, double x,
                  double y, double angle) {
    std::string error;
    const Canvas img = Canvas::Load((fs::path(dataDir) / rel).string(), error);
    if (!error.empty()) return;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_set_source_surface(cr, img.Surface(), -img.Width() / 2.0, -img.Height() / 2.0);
    cairo_paint(cr);
    cairo_restore(cr);
}

// A hand in progress on chapter 3's background, with the HUD where the play screen puts it.
void DrawPlayScreen(cairo_t* cr, const std::string& dataDir, double ox, double oy) {
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_clip(cr);
    Place(cr, dataDir, "graphics/Backgrounds/bg3.jpg", 0, 0);
    const char* faces[] = {"12h", "5s", "9d", "1c", "13d", "7h", "11s", "3c", "10h", "2d"};
    for (int i = 0; i < 3; ++i) {
        PlaceCentred(cr, dataDir, "graphics/Cards/Card Back0.png", 320 + i * 190, 170, 0);
    }
    for (int i = 0; i < 6; ++i) {
        const std::string card = i % 2 ? "graphics/Cards/Card Back0.png"
                                       : "graphics/Cards/" + std::string(faces[i]) + ".png";
        PlaceCentred(cr, dataDir, card, 272 + i * 96, 250, (i - 2.5) * 0.03);
    }
    for (int i = 0; i < 9; ++i) {
        PlaceCentred(cr, dataDir, "graphics/Cards/" + std::string(faces[i % 10]) + ".png",
                     128 + i * 96, 360, 0);
    }
    PlaceCentred(cr, dataDir, "graphics/Cards/wildcards/w4.png", 224, 470, -0.1);
    PlaceCentred(cr, dataDir, "graphics/Cards/special/key card.png", 512, 470, 0);
    PlaceCentred(cr, dataDir, "graphics/Cards/special/lock card.png", 800, 470, 0.1);
    PlaceCentred(cr, dataDir, "graphics/Cards/special/bow.png", 512, 360, 0);
    PlaceCentred(cr, dataDir, "graphics/Cards/special/Regal Card3.png", 896, 360, 0);
    Place(cr, dataDir, "graphics/HUD/ComboPanel.png", 392, 482);
    Place(cr, dataDir, "graphics/MapScreen/TopPanel.png", 0, 0);
    Place(cr, dataDir, "graphics/HUD/MultiplierPanel.png", 0, 0);
    for (int i = 0; i < 12; ++i) Place(cr, dataDir, "graphics/HUD/Pearl.png", 33, 457 - i * 20);
    Place(cr, dataDir, "graphics/HUD/BottomPanel.png", 0, 592);
    Place(cr, dataDir, "graphics/HUD/PowerupsBackground.png", 0, 592);
    Place(cr, dataDir, "graphics/HUD/Cupid.png", 0, 608);
    Place(cr, dataDir, "graphics/HUD/CupidFrame.png", 0, 608);
    Place(cr, dataDir, "graphics/HUD/LyreEmpty.png", 105, 622);
    Place(cr, dataDir, "graphics/HUD/LyreFrame.png", 105, 622);
    Place(cr, dataDir, "graphics/HUD/Bird.png", 210, 636);
    Place(cr, dataDir, "graphics/HUD/BirdFrame.png", 210, 636);
    PlaceCentred(cr, dataDir, "graphics/Cards/Card Back0.png", 441, 691, 0);
    PlaceCentred(cr, dataDir, "graphics/Cards/7h.png", 583, 691, 0);
    Place(cr, dataDir, "graphics/HUD/UndoDecoration.png", 622, 608);
    Place(cr, dataDir, "graphics/HUD/Undo.png", 637, 629);
    // The heroine is trimmed: put her back where she stood in her full 300 x 330 picture.
    int tx = 0, ty = 0;
    std::ifstream trim((fs::path(dataDir) / "graphics/TrimData.txt").string());
    for (std::string line; std::getline(trim, line);) {
        if (line.rfind("HUD/BellaGUIwithFan.png=", 0) == 0) {
            std::sscanf(line.c_str() + line.find('=') + 1, "%d,%d", &tx, &ty);
        }
    }
    Place(cr, dataDir, "graphics/HUD/BellaGUIwithFan.png", 724 + tx, 438 + ty);
    Place(cr, dataDir, "menus/Goals.png", 790, 52);
    Place(cr, dataDir, "menus/Menu.png", 906, 52);
    cairo_restore(cr);
}

}  // namespace

bool ContactSheet::Write(const std::string& dataDir, const std::string& outPng,
                         const std::string& filter, double zoom, std::string& error) const {
    // The filter "play-screen" writes only the assembled play screen.
    if (filter == "play-screen") {
        Canvas shot(1024, 768);
        DrawPlayScreen(shot.Cr(), dataDir, 0, 0);
        AssetWriter writer(fs::path(outPng).parent_path().string());
        writer.Png(shot, fs::path(outPng).filename().string());
        if (!writer.Errors().empty()) error = writer.Errors().front();
        return writer.Errors().empty();
    }
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
    // The whole sheet opens with the play screen put together from the pieces, at 1:1.
    const bool mockUp = filter.empty();
    const int mockTop = y + 30;
    if (mockUp) {
        titles.emplace_back("play screen, assembled from the generated pieces", y);
        y += 30 + 768 + 24;
    }
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
    if (mockUp) DrawPlayScreen(cr, dataDir, kMargin, mockTop);
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
