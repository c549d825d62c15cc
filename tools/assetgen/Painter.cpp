#include "Painter.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void Painter::Color(const Rgb& c, double alpha) const {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void Painter::Linear(double x0, double y0, double x1, double y1,
                     const std::vector<std::pair<double, Rgb>>& stops, double alpha) const {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    for (const auto& [at, c] : stops)
        cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, alpha);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void Painter::Radial(double cx, double cy, double r0, double r1,
                     const std::vector<std::pair<double, Rgb>>& stops,
                     const std::vector<double>& alphas) const {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    for (size_t i = 0; i < stops.size(); ++i) {
        const Rgb& c = stops[i].second;
        cairo_pattern_add_color_stop_rgba(p, stops[i].first, c.r, c.g, c.b,
                                          i < alphas.size() ? alphas[i] : 1.0);
    }
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void Painter::GoldSource(double x0, double y0, double x1, double y1) const {
    Linear(x0, y0, x1, y1,
           {{0.0, Palette::GoldLight},
            {0.35, Palette::Gold},
            {0.55, Palette::GoldLight.Mix(Palette::Gold, 0.4)},
            {0.8, Palette::Gold.Darker(0.15)},
            {1.0, Palette::GoldDark}});
}

void Painter::RoundRectPath(double x, double y, double w, double h, double r) const {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Painter::EllipsePath(double cx, double cy, double rx, double ry) const {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Painter::StarPath(double cx, double cy, double outer, double inner, int points,
                       double rotation) const {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = rotation - kPi / 2 + i * kPi / points;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        } else {
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

void Painter::HeartPath(double cx, double cy, double s) const {
    const double top = cy - s * 0.30;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.50);
    cairo_curve_to(cr, cx - s * 0.10, cy + s * 0.30, cx - s * 0.52, cy + s * 0.08, cx - s * 0.52,
                   top + s * 0.05);
    cairo_curve_to(cr, cx - s * 0.52, cy - s * 0.52, cx - s * 0.06, cy - s * 0.56, cx, top);
    cairo_curve_to(cr, cx + s * 0.06, cy - s * 0.56, cx + s * 0.52, cy - s * 0.52, cx + s * 0.52,
                   top + s * 0.05);
    cairo_curve_to(cr, cx + s * 0.52, cy + s * 0.08, cx + s * 0.10, cy + s * 0.30, cx,
                   cy + s * 0.50);
    cairo_close_path(cr);
}

void Painter::SuitPath(int suit, double cx, double cy, double s) const {
    switch (suit) {
        case 0:
            HeartPath(cx, cy, s);
            break;
        case 1:
            cairo_new_sub_path(cr);
            cairo_move_to(cr, cx, cy - s * 0.5);
            cairo_curve_to(cr, cx + s * 0.14, cy - s * 0.25, cx + s * 0.25, cy - s * 0.12,
                           cx + s * 0.38, cy);
            cairo_curve_to(cr, cx + s * 0.25, cy + s * 0.12, cx + s * 0.14, cy + s * 0.25, cx,
                           cy + s * 0.5);
            cairo_curve_to(cr, cx - s * 0.14, cy + s * 0.25, cx - s * 0.25, cy + s * 0.12,
                           cx - s * 0.38, cy);
            cairo_curve_to(cr, cx - s * 0.25, cy - s * 0.12, cx - s * 0.14, cy - s * 0.25, cx,
                           cy - s * 0.5);
            cairo_close_path(cr);
            break;
        case 2: {
            // An upside-down heart with a flared stem.
            const double y0 = cy - s * 0.5;
            cairo_new_sub_path(cr);
            cairo_move_to(cr, cx, y0);
            cairo_curve_to(cr, cx + s * 0.10, cy - s * 0.30, cx + s * 0.52, cy - s * 0.10,
                           cx + s * 0.50, cy + s * 0.12);
            cairo_curve_to(cr, cx + s * 0.48, cy + s * 0.38, cx + s * 0.12, cy + s * 0.36, cx,
                           cy + s * 0.18);
            cairo_curve_to(cr, cx - s * 0.12, cy + s * 0.36, cx - s * 0.48, cy + s * 0.38,
                           cx - s * 0.50, cy + s * 0.12);
            cairo_curve_to(cr, cx - s * 0.52, cy - s * 0.10, cx - s * 0.10, cy - s * 0.30, cx, y0);
            cairo_close_path(cr);
            cairo_new_sub_path(cr);
            cairo_move_to(cr, cx - s * 0.04, cy + s * 0.18);
            cairo_curve_to(cr, cx - s * 0.06, cy + s * 0.36, cx - s * 0.14, cy + s * 0.46,
                           cx - s * 0.22, cy + s * 0.50);
            cairo_line_to(cr, cx + s * 0.22, cy + s * 0.50);
            cairo_curve_to(cr, cx + s * 0.14, cy + s * 0.46, cx + s * 0.06, cy + s * 0.36,
                           cx + s * 0.04, cy + s * 0.18);
            cairo_close_path(cr);
            break;
        }
        default: {
            const double r = s * 0.215;
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy - s * 0.25, r, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx - s * 0.245, cy + s * 0.06, r, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + s * 0.245, cy + s * 0.06, r, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy + s * 0.02, r * 0.6, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_move_to(cr, cx - s * 0.05, cy + s * 0.05);
            cairo_curve_to(cr, cx - s * 0.06, cy + s * 0.34, cx - s * 0.14, cy + s * 0.46,
                           cx - s * 0.22, cy + s * 0.50);
            cairo_line_to(cr, cx + s * 0.22, cy + s * 0.50);
            cairo_curve_to(cr, cx + s * 0.14, cy + s * 0.46, cx + s * 0.06, cy + s * 0.34,
                           cx + s * 0.05, cy + s * 0.05);
            cairo_close_path(cr);
            break;
        }
    }
}

void Painter::FillSuit(int suit, double cx, double cy, double size, const Rgb& c) const {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    SuitPath(suit, cx, cy, size);
    Linear(cx, cy - size / 2, cx, cy + size / 2, {{0, c.Lighter(0.25)}, {1, c.Darker(0.2)}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void Painter::Glow(double cx, double cy, double radius, const Rgb& c, double alpha) const {
    Radial(cx, cy, 0, radius, {{0, c}, {0.4, c}, {1, c}}, {alpha, alpha * 0.45, 0});
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
}

void Painter::SoftShadow(double x, double y, double w, double h, double r, double spread,
                         double alpha) const {
    const int steps = 8;
    for (int i = steps; i >= 1; --i) {
        const double e = spread * i / steps;
        RoundRectPath(x - e, y - e, w + 2 * e, h + 2 * e, r + e);
        cairo_set_source_rgba(cr, 0, 0, 0, alpha / steps);
        cairo_fill(cr);
    }
}

void Painter::GoldFrame(double x, double y, double w, double h, double r, double t) const {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundRectPath(x, y, w, h, r);
    RoundRectPath(x + t, y + t, w - 2 * t, h - 2 * t, std::max(0.0, r - t));
    GoldSource(x, y, x + w * 0.3, y + h);
    cairo_fill(cr);
    // Fine dark lines on both edges give the gilt its bevel.
    cairo_set_line_width(cr, std::max(0.6, t * 0.18));
    Color(Palette::GoldDark, 0.9);
    RoundRectPath(x + 0.5, y + 0.5, w - 1, h - 1, r);
    cairo_stroke(cr);
    RoundRectPath(x + t - 0.5, y + t - 0.5, w - 2 * t + 1, h - 2 * t + 1, std::max(0.0, r - t));
    cairo_stroke(cr);
    Color(Palette::GoldLight, 0.7);
    cairo_set_line_width(cr, std::max(0.5, t * 0.12));
    RoundRectPath(x + t * 0.45, y + t * 0.45, w - t * 0.9, h - t * 0.9, std::max(0.0, r - t / 2));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Painter::Panel(double x, double y, double w, double h, double r, const Rgb& top,
                    const Rgb& bottom, double frame) const {
    RoundRectPath(x, y, w, h, r);
    Linear(x, y, x, y + h, {{0, top}, {1, bottom}});
    cairo_fill(cr);
    // A faint inner vignette so the panel reads as paper, not a flat box.
    cairo_save(cr);
    RoundRectPath(x, y, w, h, r);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x + w / 2, y + h / 2, std::min(w, h) * 0.3,
                                                     x + w / 2, y + h / 2, std::max(w, h) * 0.75);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.2, 0.05, 0.28);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    if (frame > 0) {
        GoldFrame(x, y, w, h, r, frame);
        const double inset = frame + 4;
        cairo_set_line_width(cr, 1);
        Color(Palette::GoldDark, 0.55);
        RoundRectPath(x + inset, y + inset, w - 2 * inset, h - 2 * inset,
                      std::max(0.0, r - inset / 2));
        cairo_stroke(cr);
        const double fs = std::min(34.0, std::min(w, h) * 0.22);
        const double o = inset + 3;
        Flourish(x + o, y + o, fs, false, false, Palette::GoldDark, 1.4);
        Flourish(x + w - o, y + o, fs, true, false, Palette::GoldDark, 1.4);
        Flourish(x + o, y + h - o, fs, false, true, Palette::GoldDark, 1.4);
        Flourish(x + w - o, y + h - o, fs, true, true, Palette::GoldDark, 1.4);
    }
}

void Painter::Flourish(double x, double y, double s, bool mirror, bool flip, const Rgb& c,
                       double width) const {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, mirror ? -s : s, flip ? -s : s);
    // A corner scroll: one sweep along each edge curling into a small spiral.
    cairo_move_to(cr, 0.0, 0.9);
    cairo_curve_to(cr, 0.0, 0.4, 0.1, 0.1, 0.5, 0.05);
    cairo_curve_to(cr, 0.75, 0.02, 0.9, 0.15, 0.8, 0.3);
    cairo_curve_to(cr, 0.72, 0.42, 0.55, 0.35, 0.6, 0.25);
    cairo_move_to(cr, 0.9, 0.0);
    cairo_curve_to(cr, 0.4, 0.0, 0.1, 0.1, 0.05, 0.5);
    cairo_curve_to(cr, 0.02, 0.75, 0.15, 0.9, 0.3, 0.8);
    cairo_curve_to(cr, 0.42, 0.72, 0.35, 0.55, 0.25, 0.6);
    cairo_restore(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Color(c, 0.9);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, mirror ? -s : s, flip ? -s : s);
    cairo_arc(cr, 0.14, 0.14, 0.07, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
}

void Painter::Rose(double cx, double cy, double r, const Rgb& petal) const {
    // Outer petals, then tighter rings of darker petals, then the bud.
    for (int ring = 0; ring < 3; ++ring) {
        const int n = 5;
        const double rr = r * (1.0 - ring * 0.3);
        const Rgb c = petal.Darker(ring * 0.12);
        for (int i = 0; i < n; ++i) {
            const double a = i * 2 * kPi / n + ring * 0.6;
            const double px = cx + std::cos(a) * rr * 0.45;
            const double py = cy + std::sin(a) * rr * 0.45;
            cairo_save(cr);
            cairo_translate(cr, px, py);
            cairo_rotate(cr, a);
            cairo_scale(cr, rr * 0.55, rr * 0.42);
            cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(cr);
            Radial(px, py, 0, rr * 0.6, {{0, c.Lighter(0.25)}, {1, c.Darker(0.1)}}, {1, 1});
            cairo_fill_preserve(cr);
            Color(c.Darker(0.35), 0.5);
            cairo_set_line_width(cr, std::max(0.4, r * 0.05));
            cairo_stroke(cr);
        }
    }
    cairo_arc(cr, cx, cy, r * 0.2, 0, 2 * kPi);
    Color(petal.Darker(0.4));
    cairo_fill(cr);
    cairo_set_line_width(cr, std::max(0.4, r * 0.06));
    Color(petal.Darker(0.55), 0.8);
    cairo_arc(cr, cx, cy, r * 0.12, 0.5, 5.0);
    cairo_stroke(cr);
}

void Painter::Leaf(double cx, double cy, double length, double angle, const Rgb& c) const {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.3, -length * 0.3, length * 0.7, -length * 0.25, length, 0);
    cairo_curve_to(cr, length * 0.7, length * 0.25, length * 0.3, length * 0.3, 0, 0);
    cairo_restore(cr);
    Color(c);
    cairo_fill_preserve(cr);
    Color(c.Darker(0.3), 0.6);
    cairo_set_line_width(cr, std::max(0.4, length * 0.04));
    cairo_stroke(cr);
}

void Painter::Pearl(double cx, double cy, double r) const {
    Radial(cx - r * 0.3, cy - r * 0.35, 0, r * 1.3,
           {{0, Palette::White},
            {0.45, Palette::Ivory},
            {0.85, Palette::Blush.Darker(0.15)},
            {1, Palette::Ink.Mix(Palette::Blush, 0.5)}},
           {1, 1, 1, 1});
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    Color(Palette::White, 0.85);
    cairo_arc(cr, cx - r * 0.35, cy - r * 0.38, r * 0.22, 0, 2 * kPi);
    cairo_fill(cr);
}

void Painter::Font(FontId id, double size) const {
    cairo_set_font_face(cr, fonts.Face(id));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* opt = cairo_font_options_create();
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, opt);
    cairo_font_options_destroy(opt);
}

double Painter::TextWidth(FontId id, double size, const std::string& text) const {
    Font(id, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void Painter::TextPath(FontId id, double size, const std::string& text, double x, double y,
                       Align align) const {
    const double w = TextWidth(id, size, text);
    if (align == Align::Centre) x -= w / 2;
    if (align == Align::Right) x -= w;
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
}

void Painter::Text(FontId id, double size, const std::string& text, double x, double y,
                   Align align) const {
    cairo_pattern_t* src = cairo_get_source(cr);
    cairo_pattern_reference(src);
    cairo_new_path(cr);
    TextPath(id, size, text, x, y, align);
    cairo_set_source(cr, src);
    cairo_fill(cr);
    cairo_pattern_destroy(src);
}

void Painter::GoldText(FontId id, double size, const std::string& text, double x, double y,
                       Align align, double outline) const {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, size * 0.04, size * 0.06);
    TextPath(id, size, text, x, y, align);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, outline * 2 + 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    TextPath(id, size, text, x, y, align);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outline * 2);
    Color(Palette::Ink.Darker(0.2));
    cairo_stroke_preserve(cr);
    GoldSource(x, y - size * 0.75, x, y + size * 0.1);
    cairo_fill(cr);
}
