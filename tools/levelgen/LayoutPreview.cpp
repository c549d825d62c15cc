#include "LayoutPreview.h"

#include <cairo.h>

#include <cmath>

#include "CardShape.h"
#include "LayoutRules.h"

namespace {

void DrawTable(cairo_t* cr) {
    cairo_set_source_rgb(cr, 0.12, 0.32, 0.2);
    cairo_paint(cr);
    // The play area, and the bottom panel with stock, foundation and fan.
    cairo_set_source_rgba(cr, 1, 1, 1, 0.15);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, LayoutRules::AREA_LEFT, LayoutRules::AREA_TOP,
                    LayoutRules::AREA_RIGHT - LayoutRules::AREA_LEFT,
                    LayoutRules::AREA_BOTTOM - LayoutRules::AREA_TOP);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_rectangle(cr, 0, 620, 1024, 148);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    for (int x : {512 - 71, 512 + 71}) {
        cairo_rectangle(cr, x - 43, 691 - 64, 86, 128);
        cairo_stroke(cr);
    }
    for (int slot = 0; slot < 11; ++slot) {
        const double a = (-140.0 + slot * 10.0) * M_PI / 180.0;
        cairo_arc(cr, 891 + std::cos(a) * 115, 800 + std::sin(a) * 115 * 0.9, 6, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Text(cairo_t* cr, double x, double y, double size, const std::string& s) {
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, x - e.width / 2 - e.x_bearing, y - e.height / 2 - e.y_bearing);
    cairo_show_text(cr, s.c_str());
}

void DrawCards(cairo_t* cr, const LevelFile& file) {
    const auto cover = LayoutRules::Coverers(file);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    for (size_t i = 0; i < file.cards.size(); ++i) {
        const LayoutCard& c = file.cards[i];
        const CardShape s = CardShape::Of(c);
        const bool covered = !cover[i].empty();
        cairo_save(cr);
        cairo_translate(cr, c.x, c.y);
        cairo_rotate(cr, s.angle);
        const double w = s.halfW * 2, h = s.halfH * 2;
        double r = 0.96, g = 0.94, b = 0.86;
        std::string mark;
        if (c.special == LayoutCard::KEY) {
            r = 0.95;
            g = 0.78;
            b = 0.25;
            mark = "KEY";
        }
        if (c.special == LayoutCard::LOCK) {
            r = 0.6;
            g = 0.62;
            b = 0.68;
            mark = "LOCK";
        }
        if (c.special == LayoutCard::EVENT) {
            r = 0.7;
            g = 0.45;
            b = 0.85;
            mark = "EVENT";
        }
        if (c.special == LayoutCard::STORY) {
            r = 0.95;
            g = 0.55;
            b = 0.2;
            mark = "STORY " + std::to_string(c.value);
        }
        if (!c.faceUp) {
            r = 0.2;
            g = 0.28;
            b = 0.6;
        }
        const double dim = covered ? 0.8 : 1.0;
        cairo_rectangle(cr, -w / 2, -h / 2, w, h);
        cairo_set_source_rgba(cr, r * dim, g * dim, b * dim,
                              c.special == LayoutCard::STORY ? 0.6 : 1.0);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (!c.faceUp) {
            cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
            cairo_rectangle(cr, -w / 2 + 7, -h / 2 + 7, w - 14, h - 14);
            cairo_stroke(cr);
        }
        if (c.bow) {
            cairo_set_source_rgb(cr, 0.85, 0.1, 0.2);
            cairo_set_line_width(cr, 6);
            cairo_move_to(cr, 0, -h / 2);
            cairo_line_to(cr, 0, h / 2);
            cairo_move_to(cr, -w / 2, 0);
            cairo_line_to(cr, w / 2, 0);
            cairo_stroke(cr);
        }
        cairo_set_source_rgb(cr, c.faceUp ? 0.15 : 0.9, c.faceUp ? 0.15 : 0.9,
                             c.faceUp ? 0.15 : 0.9);
        if (!mark.empty()) Text(cr, 0, c.special == LayoutCard::STORY ? -60 : 18, 13, mark);
        Text(cr, -w / 2 + 12, -h / 2 + 12, 11, std::to_string(i + 1));
        if (c.lockCounter > 0) {
            cairo_arc(cr, 0, -20, 15, 0, 2 * M_PI);
            cairo_set_source_rgb(cr, 0.55, 0.1, 0.5);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 1, 1, 1);
            Text(cr, 0, -20, 16, std::to_string(c.lockCounter));
        }
        cairo_restore(cr);
    }
    // A story item lies underneath everything: outline it on top so it can be seen.
    for (const LayoutCard& c : file.cards) {
        if (c.special != LayoutCard::STORY) continue;
        const double dash[] = {8, 6};
        cairo_set_dash(cr, dash, 2, 0);
        cairo_set_source_rgb(cr, 1, 0.6, 0.1);
        cairo_set_line_width(cr, 3);
        cairo_rectangle(cr, c.x - 95, c.y - 95, 190, 190);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        Text(cr, c.x, c.y + 80, 16, "STORY " + std::to_string(c.value));
    }
}

bool Finish(cairo_surface_t* surface, const std::string& png, std::string& error) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, png.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = png + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

void DrawOne(cairo_t* cr, const LevelFile& file, const std::string& title) {
    DrawTable(cr);
    DrawCards(cr, file);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 22);
    cairo_move_to(cr, 12, 26);
    cairo_show_text(cr, title.c_str());
}

}  // namespace

bool LayoutPreview::Render(const LevelFile& file, const std::string& title, const std::string& png,
                           std::string& error) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 768);
    cairo_t* cr = cairo_create(surface);
    DrawOne(cr, file, title);
    cairo_destroy(cr);
    return Finish(surface, png, error);
}

bool LayoutPreview::Sheet(const std::vector<LevelFile>& files,
                          const std::vector<std::string>& titles, const std::string& png,
                          std::string& error) {
    const int cols = files.size() > 4 ? 5 : static_cast<int>(files.size());
    const int rows = (static_cast<int>(files.size()) + cols - 1) / std::max(1, cols);
    const double scale = 0.36;
    const int cw = static_cast<int>(1024 * scale), ch = static_cast<int>(768 * scale);
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * (cw + 6), rows * (ch + 6));
    cairo_t* cr = cairo_create(surface);
    for (size_t i = 0; i < files.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr, (i % cols) * (cw + 6), (i / cols) * (ch + 6));
        cairo_scale(cr, scale, scale);
        cairo_rectangle(cr, 0, 0, 1024, 768);
        cairo_clip(cr);
        DrawOne(cr, files[i], titles[i]);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return Finish(surface, png, error);
}
