#include "SceneKit.h"

#include <algorithm>
#include <cmath>

#include "CourtPortrait.h"
#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kW = 1024;
constexpr double kH = 768;
}  // namespace

void SceneKit::Sky(const std::vector<std::pair<double, Rgb>>& stops, double bottom) {
    cairo_rectangle(cr, 0, 0, kW, bottom);
    p.Linear(0, 0, 0, bottom, stops);
    cairo_fill(cr);
}

void SceneKit::Sun(double x, double y, double r, const Rgb& c, double glow) {
    p.Glow(x, y, r * 6, c, glow);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    p.Radial(x, y, 0, r, {{0, Palette::White}, {1, c}}, {1, 1});
    cairo_fill(cr);
}

void SceneKit::Moon(double x, double y, double r) {
    p.Glow(x, y, r * 5, Palette::Silver.Lighter(0.3), 0.35);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    p.Radial(x - r * 0.3, y - r * 0.3, 0, r * 1.2, {{0, Palette::White}, {1, Palette::Silver}},
             {1, 1});
    cairo_fill(cr);
    p.Color(Palette::Silver.Darker(0.15), 0.35);
    cairo_arc(cr, x + r * 0.3, y + r * 0.1, r * 0.2, 0, 2 * kPi);
    cairo_arc(cr, x - r * 0.2, y + r * 0.4, r * 0.13, 0, 2 * kPi);
    cairo_fill(cr);
}

void SceneKit::Clouds(int count, double y0, double y1, const Rgb& c, double alpha) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(-80, kW + 80), y = rng.Range(y0, y1);
        const double w = rng.Range(90, 220);
        for (int j = 0; j < 7; ++j) {
            const double bx = x + rng.Range(-w / 2, w / 2), by = y + rng.Range(-10, 6);
            const double r = rng.Range(w * 0.12, w * 0.26);
            p.Radial(bx, by, 0, r, {{0, c}, {1, c}}, {alpha, 0});
            cairo_arc(cr, bx, by, r, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
}

void SceneKit::Stars(int count, double yMax) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(0, kW), y = rng.Range(0, yMax);
        const double r = rng.Range(0.5, 1.6);
        p.Color(Palette::White, rng.Range(0.4, 0.95) * (1 - y / yMax * 0.6));
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void SceneKit::Hills(double base, double amplitude, double wavelength, const Rgb& c) {
    const double ph1 = rng.Range(0, 6.28), ph2 = rng.Range(0, 6.28);
    cairo_move_to(cr, 0, kH);
    for (double x = 0; x <= kW; x += 8) {
        const double y = base - amplitude * (0.6 * std::sin(x / wavelength * 2 * kPi + ph1) +
                                             0.4 * std::sin(x / wavelength * 5.3 + ph2));
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, kW, kH);
    cairo_close_path(cr);
    p.Linear(0, base - amplitude, 0, base + 160, {{0, c.Lighter(0.08)}, {1, c.Darker(0.2)}});
    cairo_fill(cr);
}

void SceneKit::Ground(double top, const Rgb& nearC, const Rgb& farC) {
    cairo_rectangle(cr, 0, top, kW, kH - top);
    p.Linear(0, top, 0, kH, {{0, farC}, {1, nearC}});
    cairo_fill(cr);
    // Broad soft bands of light and shade across the ground, widening towards the viewer.
    for (int i = 0; i < 9; ++i) {
        const double t0 = std::pow(i / 9.0, 1.7), t1 = std::pow((i + 0.5) / 9.0, 1.7);
        cairo_rectangle(cr, 0, top + (kH - top) * t0, kW, (kH - top) * (t1 - t0));
        p.Color(i % 2 ? nearC.Darker(0.2) : farC.Lighter(0.12), 0.18);
        cairo_fill(cr);
    }
}

void SceneKit::Tree(double x, double y, double s, const Rgb& leaves) {
    cairo_move_to(cr, x - s * 0.06, y);
    cairo_line_to(cr, x - s * 0.03, y - s * 0.5);
    cairo_line_to(cr, x + s * 0.03, y - s * 0.5);
    cairo_line_to(cr, x + s * 0.06, y);
    cairo_close_path(cr);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    for (int i = 0; i < 14; ++i) {
        const double bx = x + rng.Range(-s * 0.32, s * 0.32);
        const double by = y - s * 0.62 + rng.Range(-s * 0.3, s * 0.22);
        const double r = rng.Range(s * 0.14, s * 0.24);
        const double shade = (by - (y - s)) / s;
        const Rgb c = leaves.Mix(leaves.Darker(0.45), std::clamp(shade, 0.0, 1.0) * 0.7);
        cairo_arc(cr, bx, by, r, 0, 2 * kPi);
        p.Radial(bx - r * 0.3, by - r * 0.4, 0, r * 1.1, {{0, c.Lighter(0.18)}, {1, c}}, {1, 1});
        cairo_fill(cr);
    }
}

void SceneKit::Poplar(double x, double y, double h, const Rgb& leaves) {
    // Shadow on the ground and a short trunk, so the column of leaves stands on the lawn.
    p.EllipsePath(x + h * 0.08, y, h * 0.2, h * 0.035);
    p.Color(Palette::Black, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, x - h * 0.02, y - h * 0.1, h * 0.04, h * 0.1);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    p.EllipsePath(x, y - h * 0.55, h * 0.11, h * 0.47);
    p.Linear(x - h * 0.11, 0, x + h * 0.11, 0,
             {{0, leaves.Lighter(0.15)}, {1, leaves.Darker(0.35)}});
    cairo_fill(cr);
}

void SceneKit::Fir(double x, double base, double h, const Rgb& c, bool snowy) {
    cairo_rectangle(cr, x - h * 0.03, base - h * 0.12, h * 0.06, h * 0.12);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    for (int t = 0; t < 4; ++t) {
        const double top = base - h + t * h * 0.2, bottom = base - h * 0.5 + t * h * 0.13;
        const double half = h * (0.14 + t * 0.07);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + half, bottom);
        cairo_curve_to(cr, x + half * 0.3, bottom - h * 0.03, x - half * 0.3, bottom - h * 0.03,
                       x - half, bottom);
        cairo_close_path(cr);
        p.Linear(x - half, 0, x + half, 0, {{0, c.Lighter(0.12)}, {1, c.Darker(0.3)}});
        cairo_fill(cr);
        if (snowy) {
            cairo_move_to(cr, x, top);
            cairo_line_to(cr, x + half * 0.55, top + (bottom - top) * 0.55);
            cairo_curve_to(cr, x + half * 0.2, top + (bottom - top) * 0.45, x - half * 0.2,
                           top + (bottom - top) * 0.62, x - half * 0.55,
                           top + (bottom - top) * 0.55);
            cairo_close_path(cr);
            p.Color(Palette::White, 0.92);
            cairo_fill(cr);
        }
    }
}

void SceneKit::TreeLine(double y, double s, int count, const Rgb& leaves) {
    for (int i = 0; i < count; ++i) {
        Tree(rng.Range(-40, kW + 40), y + rng.Range(-6, 6), s * rng.Range(0.7, 1.2), leaves);
    }
}

void SceneKit::Hedge(double x0, double x1, double y, double h, const Rgb& c) {
    p.RoundRectPath(x0, y - h, x1 - x0, h, std::min(h * 0.3, 14.0));
    p.Linear(0, y - h, 0, y, {{0, c.Lighter(0.12)}, {1, c.Darker(0.35)}});
    cairo_fill(cr);
    for (int i = 0; i < (x1 - x0) / 6; ++i) {
        const double bx = rng.Range(x0 + 4, x1 - 4), by = rng.Range(y - h + 3, y - 3);
        cairo_arc(cr, bx, by, rng.Range(1.5, 3.5), 0, 2 * kPi);
        p.Color(c.Lighter(rng.Range(0.0, 0.25)), 0.6);
        cairo_fill(cr);
    }
}

void SceneKit::Flowers(double x0, double x1, double y0, double y1, int count,
                       const std::vector<Rgb>& colours, double size) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(x0, x1), y = rng.Range(y0, y1);
        const double depth = (y - y0) / std::max(1.0, y1 - y0);
        const Rgb& c =
            colours[static_cast<size_t>(rng.Int(0, static_cast<int>(colours.size()) - 1))];
        const double r = size * (0.5 + depth * 0.8);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        p.Radial(x - r * 0.3, y - r * 0.3, 0, r, {{0, c.Lighter(0.35)}, {1, c}}, {1, 1});
        cairo_fill(cr);
    }
}

void SceneKit::Water(double top, double bottom, const Rgb& nearC, const Rgb& farC,
                     const Rgb& shimmer) {
    cairo_rectangle(cr, 0, top, kW, bottom - top);
    p.Linear(0, top, 0, bottom, {{0, farC}, {1, nearC}});
    cairo_fill(cr);
    for (int i = 0; i < 160; ++i) {
        const double y = top + std::pow(rng.Unit(), 1.6) * (bottom - top);
        const double depth = (y - top) / (bottom - top);
        const double x = rng.Range(0, kW), w = rng.Range(10, 40) * (0.4 + depth);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + w, y);
        cairo_set_line_width(cr, 0.8 + depth * 1.5);
        p.Color(shimmer, rng.Range(0.15, 0.45));
        cairo_stroke(cr);
    }
}

void SceneKit::Reflection(double x, double width, double top, double length, const Rgb& c) {
    for (double y = top; y < top + length; y += 5) {
        const double t = (y - top) / length;
        const double w = width * (1 - t * 0.5) * rng.Range(0.6, 1.1);
        cairo_move_to(cr, x - w / 2 + rng.Range(-4, 4), y);
        cairo_line_to(cr, x + w / 2 + rng.Range(-4, 4), y);
        cairo_set_line_width(cr, 2.2);
        p.Color(c, 0.5 * (1 - t));
        cairo_stroke(cr);
    }
}

void SceneKit::Manor(double cx, double base, double w, double h, const Rgb& stone, bool lit) {
    const Rgb roof = Palette::Navy.Mix(Palette::Ink, 0.5).Lighter(0.15);
    const Rgb glass = lit ? Palette::Candle : Palette::Navy.Lighter(0.45);
    // Wings.
    for (int side = -1; side <= 1; side += 2) {
        const double wx = cx + side * w * 0.36 - w * 0.14;
        cairo_rectangle(cr, wx, base - h * 0.62, w * 0.28, h * 0.62);
        p.Linear(wx, 0, wx + w * 0.28, 0, {{0, stone.Lighter(0.1)}, {1, stone.Darker(0.15)}});
        cairo_fill(cr);
        cairo_move_to(cr, wx - 4, base - h * 0.62);
        cairo_line_to(cr, wx + w * 0.14, base - h * 0.76);
        cairo_line_to(cr, wx + w * 0.28 + 4, base - h * 0.62);
        cairo_close_path(cr);
        p.Color(roof);
        cairo_fill(cr);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                cairo_rectangle(cr, wx + w * 0.035 + c * w * 0.08, base - h * 0.54 + r * h * 0.26,
                                w * 0.04, h * 0.15);
                p.Color(glass, lit ? 0.95 : 0.85);
                cairo_fill(cr);
            }
        }
    }
    // Central block.
    const double bx = cx - w * 0.24, bw = w * 0.48;
    cairo_rectangle(cr, bx, base - h, bw, h);
    p.Linear(bx, 0, bx + bw, 0, {{0, stone.Lighter(0.15)}, {1, stone.Darker(0.1)}});
    cairo_fill(cr);
    cairo_rectangle(cr, bx - 4, base - h - 6, bw + 8, 8);
    p.Color(stone.Lighter(0.25));
    cairo_fill(cr);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (r == 2 && c == 2) continue;
            cairo_rectangle(cr, bx + bw * 0.08 + c * bw * 0.18, base - h * 0.9 + r * h * 0.3,
                            bw * 0.08, h * 0.17);
            p.Color(glass, lit ? 0.95 : 0.85);
            cairo_fill(cr);
        }
    }
    // Portico.
    const double px = cx - bw * 0.3, pw = bw * 0.6, ph = h * 0.62;
    cairo_move_to(cr, px - 6, base - ph);
    cairo_line_to(cr, cx, base - ph - h * 0.2);
    cairo_line_to(cr, px + pw + 6, base - ph);
    cairo_close_path(cr);
    p.Color(stone.Lighter(0.3));
    cairo_fill_preserve(cr);
    p.Color(stone.Darker(0.3), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i)
        Column(px + i * pw / 3.0, base - ph, base, pw * 0.07, stone.Lighter(0.3));
    cairo_rectangle(cr, cx - pw * 0.09, base - h * 0.28, pw * 0.18, h * 0.28);
    p.Color(lit ? Palette::Candle.Darker(0.1) : Palette::Ink.Lighter(0.15));
    cairo_fill(cr);
    if (lit) p.Glow(cx, base - h * 0.2, h * 0.5, Palette::Candle, 0.25);
}

void SceneKit::TownHouse(double x, double base, double w, double h, const Rgb& brick, bool lit) {
    cairo_rectangle(cr, x, base - h, w, h);
    p.Linear(x, 0, x + w, 0, {{0, brick.Lighter(0.08)}, {1, brick.Darker(0.12)}});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 2, base - h - 5, w + 4, 6);
    p.Color(Palette::Parchment.Darker(0.15));
    cairo_fill(cr);
    const int floors = 3;
    for (int f = 0; f < floors; ++f) {
        for (int c = 0; c < 3; ++c) {
            const double wx = x + w * 0.12 + c * w * 0.29,
                         wy = base - h + 14 + f * (h - 30) / floors;
            const double ww = w * 0.17, wh = (h - 30) / floors * 0.62;
            if (f == floors - 1 && c == 1) {
                // Front door with a fanlight.
                cairo_rectangle(cr, wx, wy, ww, base - wy);
                p.Color(Palette::GreenDeep);
                cairo_fill(cr);
                cairo_arc(cr, wx + ww / 2, wy, ww / 2, kPi, 2 * kPi);
                p.Color(lit ? Palette::Candle : Palette::Parchment, 0.9);
                cairo_fill(cr);
                continue;
            }
            const bool on = lit && rng.Unit() < 0.7;
            cairo_rectangle(cr, wx, wy, ww, wh);
            p.Color(on ? Palette::Candle : Palette::Navy.Lighter(0.35), on ? 0.95 : 0.9);
            cairo_fill(cr);
            if (on) p.Glow(wx + ww / 2, wy + wh / 2, ww * 1.4, Palette::Candle, 0.18);
            cairo_set_line_width(cr, 1);
            p.Color(Palette::Parchment, 0.8);
            cairo_rectangle(cr, wx, wy, ww, wh);
            cairo_move_to(cr, wx + ww / 2, wy);
            cairo_line_to(cr, wx + ww / 2, wy + wh);
            cairo_move_to(cr, wx, wy + wh / 2);
            cairo_line_to(cr, wx + ww, wy + wh / 2);
            cairo_stroke(cr);
        }
    }
    // Chimney stacks.
    cairo_rectangle(cr, x + w * 0.15, base - h - 22, w * 0.14, 18);
    cairo_rectangle(cr, x + w * 0.7, base - h - 20, w * 0.14, 16);
    p.Color(brick.Darker(0.25));
    cairo_fill(cr);
}

void SceneKit::Church(double cx, double base, double s, const Rgb& stone) {
    cairo_rectangle(cr, cx - s * 0.5, base - s * 0.45, s, s * 0.45);
    p.Color(stone);
    cairo_fill(cr);
    cairo_move_to(cr, cx - s * 0.55, base - s * 0.45);
    cairo_line_to(cr, cx, base - s * 0.7);
    cairo_line_to(cr, cx + s * 0.55, base - s * 0.45);
    cairo_close_path(cr);
    p.Color(stone.Darker(0.3));
    cairo_fill(cr);
    // Tower and spire on the left end.
    const double tx = cx - s * 0.5;
    cairo_rectangle(cr, tx - s * 0.12, base - s * 0.95, s * 0.24, s * 0.95);
    p.Color(stone.Lighter(0.05));
    cairo_fill(cr);
    cairo_move_to(cr, tx - s * 0.14, base - s * 0.95);
    cairo_line_to(cr, tx, base - s * 1.5);
    cairo_line_to(cr, tx + s * 0.14, base - s * 0.95);
    cairo_close_path(cr);
    p.Color(stone.Darker(0.25));
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, cx - s * 0.25 + i * s * 0.25, base - s * 0.25, s * 0.05, kPi, 2 * kPi);
        cairo_rectangle(cr, cx - s * 0.3 + i * s * 0.25, base - s * 0.25, s * 0.1, s * 0.12);
    }
    cairo_arc(cr, tx, base - s * 0.75, s * 0.05, 0, 2 * kPi);
    p.Color(Palette::Navy.Lighter(0.3));
    cairo_fill(cr);
}

void SceneKit::Column(double x, double top, double bottom, double w, const Rgb& c) {
    cairo_rectangle(cr, x - w / 2, top, w, bottom - top);
    p.Linear(x - w / 2, 0, x + w / 2, 0,
             {{0, c.Darker(0.25)}, {0.35, c.Lighter(0.2)}, {0.7, c}, {1, c.Darker(0.35)}});
    cairo_fill(cr);
    cairo_rectangle(cr, x - w * 0.75, top - w * 0.35, w * 1.5, w * 0.4);
    cairo_rectangle(cr, x - w * 0.75, bottom - w * 0.4, w * 1.5, w * 0.4);
    p.Color(c.Lighter(0.1));
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.8);
    p.Color(c.Darker(0.3), 0.35);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, x - w / 2 + i * w / 4, top);
        cairo_line_to(cr, x - w / 2 + i * w / 4, bottom);
    }
    cairo_stroke(cr);
}

void SceneKit::ArchWindow(double x, double y, double w, double h, const Rgb& glass, bool curtains,
                          const Rgb& curtain) {
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + w / 2);
    cairo_arc(cr, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    p.Linear(0, y, 0, y + h, {{0, glass.Lighter(0.25)}, {1, glass.Darker(0.15)}});
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    p.Color(Palette::Ivory, 0.85);
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, x + i * w / 3, y + w / 4);
        cairo_line_to(cr, x + i * w / 3, y + h);
    }
    for (double yy = y + w / 2; yy < y + h; yy += h / 6) {
        cairo_move_to(cr, x, yy);
        cairo_line_to(cr, x + w, yy);
    }
    cairo_stroke(cr);
    cairo_append_path(cr, shape);
    cairo_set_line_width(cr, 6);
    p.Color(Palette::Ivory.Darker(0.1));
    cairo_stroke(cr);
    cairo_path_destroy(shape);
    if (curtains) {
        Curtain(x - w * 0.2, y - 10, w * 0.45, h + 12, curtain, true);
        Curtain(x + w * 0.75, y - 10, w * 0.45, h + 12, curtain, false);
    }
}

void SceneKit::Curtain(double x, double top, double w, double h, const Rgb& c, bool left) {
    // A swag tied back: hangs straight, gathers at two-thirds, flares at the floor.
    const double tie = top + h * 0.62;
    const double inner = left ? x + w : x;
    const double outer = left ? x : x + w;
    const double gather = left ? x + w * 0.25 : x + w * 0.75;
    cairo_move_to(cr, outer, top);
    cairo_line_to(cr, inner, top);
    cairo_curve_to(cr, inner, top + h * 0.3, gather, tie - h * 0.1, gather, tie);
    cairo_curve_to(cr, gather, tie + h * 0.15, inner, top + h * 0.9, inner - (left ? 0 : 0),
                   top + h);
    cairo_line_to(cr, outer, top + h);
    cairo_close_path(cr);
    p.Linear(x, 0, x + w, 0,
             {{0, c.Darker(0.3)},
              {0.25, c.Lighter(0.1)},
              {0.5, c.Darker(0.2)},
              {0.75, c.Lighter(0.15)},
              {1, c.Darker(0.3)}});
    cairo_fill(cr);
    cairo_arc(cr, gather, tie, 6, 0, 2 * kPi);
    p.GoldSource(gather - 6, tie - 6, gather + 6, tie + 6);
    cairo_fill(cr);
}

void SceneKit::Candle(double x, double y, double s) {
    cairo_rectangle(cr, x - s * 0.12, y, s * 0.24, s);
    p.Color(Palette::Ivory);
    cairo_fill(cr);
    p.Glow(x, y - s * 0.25, s * 2.2, Palette::Candle, 0.45);
    p.EllipsePath(x, y - s * 0.25, s * 0.12, s * 0.3);
    p.Color(Palette::GoldLight);
    cairo_fill(cr);
}

void SceneKit::Chandelier(double x, double y, double s) {
    p.Glow(x, y + s * 0.4, s * 2.5, Palette::Candle, 0.3);
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, y);
    cairo_set_line_width(cr, 2);
    p.Color(Palette::GoldDark);
    cairo_stroke(cr);
    for (int tier = 0; tier < 2; ++tier) {
        const double ty = y + s * (0.35 + tier * 0.3), tr = s * (1.0 - tier * 0.35);
        p.EllipsePath(x, ty, tr, tr * 0.22);
        cairo_set_line_width(cr, 3);
        p.GoldSource(x - tr, ty, x + tr, ty);
        cairo_stroke(cr);
        const int n = 7 - tier * 2;
        for (int i = 0; i < n; ++i) {
            const double a = i * kPi / (n - 1);
            const double cx = x - std::cos(a) * tr, cy = ty + std::sin(a) * tr * 0.22;
            Candle(cx, cy - s * 0.16, s * 0.14);
            // Drops of crystal.
            for (int d = 0; d < 3; ++d) {
                cairo_arc(cr, cx, cy + 4 + d * 4, 1.6, 0, 2 * kPi);
                p.Color(Palette::White, 0.8);
                cairo_fill(cr);
            }
        }
    }
    cairo_arc(cr, x, y + s * 0.9, s * 0.09, 0, 2 * kPi);
    p.GoldSource(x - 8, y, x + 8, y + s);
    cairo_fill(cr);
}

void SceneKit::Wall(double top, double bottom, const Rgb& c, bool panels) {
    cairo_rectangle(cr, 0, top, kW, bottom - top);
    p.Linear(0, top, 0, bottom, {{0, c.Darker(0.1)}, {0.6, c}, {1, c.Darker(0.2)}});
    cairo_fill(cr);
    // Damask.
    p.Color(c.Lighter(0.2), 0.12);
    for (double x = 0; x < kW; x += 40) {
        for (double y = top; y < bottom; y += 48) {
            p.SuitPath(1, x + (static_cast<int>((y - top) / 48) % 2) * 20, y + 20, 18);
        }
    }
    cairo_fill(cr);
    if (panels) {
        const double dado = bottom - (bottom - top) * 0.3;
        cairo_rectangle(cr, 0, dado, kW, bottom - dado);
        p.Color(Palette::Ivory.Darker(0.12));
        cairo_fill(cr);
        cairo_rectangle(cr, 0, dado - 6, kW, 8);
        p.GoldSource(0, dado - 6, 0, dado + 2);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.5);
        p.Color(Palette::ParchmentDark.Darker(0.2), 0.7);
        for (double x = 20; x < kW; x += 130) {
            cairo_rectangle(cr, x, dado + 14, 100, bottom - dado - 28);
        }
        cairo_stroke(cr);
    }
}

void SceneKit::Parquet(double horizon, const Rgb& a, const Rgb& b) {
    cairo_rectangle(cr, 0, horizon, kW, kH - horizon);
    p.Linear(0, horizon, 0, kH, {{0, a.Darker(0.25)}, {1, a}});
    cairo_fill(cr);
    // Boards converging on the centre of the room.
    cairo_set_line_width(cr, 1);
    for (int i = -30; i <= 30; ++i) {
        cairo_move_to(cr, kW / 2 + i * 8, horizon);
        cairo_line_to(cr, kW / 2 + i * 70, kH);
    }
    p.Color(b, 0.35);
    cairo_stroke(cr);
    for (double t = 0.02; t < 1; t *= 1.35) {
        const double y = horizon + (kH - horizon) * t;
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kW, y);
    }
    cairo_stroke(cr);
    // A polished shine under the lights.
    p.Radial(kW / 2, horizon + 60, 10, 420, {{0, Palette::Candle}, {1, Palette::Candle}},
             {0.25, 0});
    cairo_rectangle(cr, 0, horizon, kW, kH - horizon);
    cairo_fill(cr);
}

void SceneKit::TileFloor(double horizon, const Rgb& a, const Rgb& b) {
    cairo_rectangle(cr, 0, horizon, kW, kH - horizon);
    p.Color(a);
    cairo_fill(cr);
    // Chequered tiles in perspective.
    const double vx = kW / 2, depth = kH - horizon;
    for (int row = 0; row < 14; ++row) {
        const double t0 = std::pow(row / 14.0, 1.8), t1 = std::pow((row + 1) / 14.0, 1.8);
        const double y0 = horizon + depth * t0, y1 = horizon + depth * t1;
        for (int col = -60; col < 60; ++col) {
            if ((row + col) % 2 == 0) continue;
            const double s0 = 0.1 + t0 * 0.9, s1 = 0.1 + t1 * 0.9;
            cairo_move_to(cr, vx + col * 80 * s0, y0);
            cairo_line_to(cr, vx + (col + 1) * 80 * s0, y0);
            cairo_line_to(cr, vx + (col + 1) * 80 * s1, y1);
            cairo_line_to(cr, vx + col * 80 * s1, y1);
            cairo_close_path(cr);
        }
    }
    p.Color(b);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, horizon, kW, 60);
    p.Linear(0, horizon, 0, horizon + 60, {{0, Palette::Black}, {1, Palette::Black}}, 0.0);
    cairo_fill(cr);
}

void SceneKit::Lamp(double x, double base, double h) {
    cairo_rectangle(cr, x - 2.5, base - h, 5, h);
    p.Color(Palette::Ink.Darker(0.3));
    cairo_fill(cr);
    cairo_move_to(cr, x - 10, base - h);
    cairo_line_to(cr, x + 10, base - h);
    cairo_line_to(cr, x + 6, base - h - 18);
    cairo_line_to(cr, x - 6, base - h - 18);
    cairo_close_path(cr);
    p.Color(Palette::Candle);
    cairo_fill(cr);
    p.Glow(x, base - h - 9, 70, Palette::Candle, 0.45);
    cairo_move_to(cr, x - 12, base - h - 18);
    cairo_line_to(cr, x, base - h - 28);
    cairo_line_to(cr, x + 12, base - h - 18);
    cairo_close_path(cr);
    p.Color(Palette::Ink.Darker(0.3));
    cairo_fill(cr);
}

void SceneKit::Lanterns(double x0, double x1, double y, double sag, int count) {
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + (x1 - x0) / 3, y + sag, x0 + 2 * (x1 - x0) / 3, y + sag, x1, y);
    cairo_set_line_width(cr, 1.2);
    p.Color(Palette::Ink, 0.8);
    cairo_stroke(cr);
    const Rgb colours[4] = {Palette::Candle, Palette::Rose.Lighter(0.3), Palette::GoldLight,
                            Palette::Green.Lighter(0.5)};
    for (int i = 1; i < count; ++i) {
        const double t = static_cast<double>(i) / count;
        const double x = x0 + (x1 - x0) * t;
        const double yy = y + sag * 0.75 * 4 * t * (1 - t) + 8;
        const Rgb& c = colours[i % 4];
        p.Glow(x, yy, 26, c, 0.4);
        p.EllipsePath(x, yy, 6, 8);
        p.Color(c.Lighter(0.3));
        cairo_fill(cr);
    }
}

void SceneKit::Firework(double x, double y, double r, const Rgb& c) {
    p.Glow(x, y, r * 1.2, c, 0.25);
    const int n = 28;
    for (int i = 0; i < n; ++i) {
        const double a = i * 2 * kPi / n + rng.Range(-0.05, 0.05);
        const double rr = r * rng.Range(0.75, 1.0);
        cairo_move_to(cr, x + std::cos(a) * rr * 0.2, y + std::sin(a) * rr * 0.2);
        cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr + rr * 0.08);
        cairo_set_line_width(cr, 1.6);
        p.Color(c.Lighter(0.3), 0.85);
        cairo_stroke(cr);
        cairo_arc(cr, x + std::cos(a) * rr, y + std::sin(a) * rr + rr * 0.08, 2.2, 0, 2 * kPi);
        p.Color(Palette::White, 0.9);
        cairo_fill(cr);
    }
}

void SceneKit::Swan(double x, double y, double s) {
    cairo_move_to(cr, x - s, y);
    cairo_curve_to(cr, x - s * 0.9, y - s * 0.5, x + s * 0.2, y - s * 0.55, x + s * 0.5,
                   y - s * 0.2);
    cairo_curve_to(cr, x + s * 0.65, y - s * 0.7, x + s * 0.45, y - s * 1.1, x + s * 0.7,
                   y - s * 1.15);
    cairo_curve_to(cr, x + s * 0.85, y - s * 1.15, x + s * 0.95, y - s * 1.05, x + s * 1.05,
                   y - s * 1.0);
    cairo_curve_to(cr, x + s * 0.8, y - s * 1.0, x + s * 0.65, y - s * 0.8, x + s * 0.8,
                   y - s * 0.3);
    cairo_curve_to(cr, x + s * 0.9, y, x + s * 0.5, y + s * 0.1, x - s, y);
    cairo_close_path(cr);
    p.Color(Palette::White);
    cairo_fill(cr);
    cairo_arc(cr, x + s * 1.02, y - s * 1.0, s * 0.06, 0, 2 * kPi);
    p.Color(Palette::Candle.Darker(0.2));
    cairo_fill(cr);
    Reflection(x, s * 1.6, y + 3, s * 0.6, Palette::White);
}

void SceneKit::Couple(double x, double y, double s, const Rgb& coat, const Rgb& gown, bool hat) {
    // Gentleman: tailcoat, breeches and a top hat.
    p.EllipsePath(x - 10 * s, y - 88 * s, 7 * s, 8 * s);
    p.Color(Palette::Skin.Darker(0.2));
    cairo_fill(cr);
    if (hat) {
        cairo_rectangle(cr, x - 17 * s, y - 112 * s, 14 * s, 14 * s);
        cairo_rectangle(cr, x - 20 * s, y - 99 * s, 20 * s, 3 * s);
    } else {
        p.EllipsePath(x - 10 * s, y - 93 * s, 7.5 * s, 4.5 * s);
        p.Color(Palette::Bronze.Darker(0.4));
        cairo_fill(cr);
    }
    cairo_move_to(cr, x - 19 * s, y - 78 * s);
    cairo_line_to(cr, x - 1 * s, y - 78 * s);
    cairo_line_to(cr, x + 1 * s, y - 36 * s);
    cairo_line_to(cr, x - 21 * s, y - 36 * s);
    cairo_close_path(cr);
    cairo_rectangle(cr, x - 17 * s, y - 38 * s, 6 * s, 38 * s);
    cairo_rectangle(cr, x - 9 * s, y - 38 * s, 6 * s, 38 * s);
    p.Color(coat);
    cairo_fill(cr);
    // Lady: an empire-line gown, arm in his.
    p.EllipsePath(x + 12 * s, y - 84 * s, 6.5 * s, 7.5 * s);
    p.Color(Palette::Skin.Darker(0.1));
    cairo_fill(cr);
    p.EllipsePath(x + 12 * s, y - 91 * s, 8 * s, 5 * s);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    cairo_move_to(cr, x + 6 * s, y - 74 * s);
    cairo_line_to(cr, x + 18 * s, y - 74 * s);
    cairo_curve_to(cr, x + 24 * s, y - 40 * s, x + 30 * s, y - 12 * s, x + 32 * s, y);
    cairo_line_to(cr, x - 6 * s, y);
    cairo_curve_to(cr, x - 2 * s, y - 20 * s, x + 2 * s, y - 50 * s, x + 6 * s, y - 74 * s);
    cairo_close_path(cr);
    p.Linear(x - 6 * s, 0, x + 32 * s, 0, {{0, gown.Lighter(0.2)}, {1, gown.Darker(0.2)}});
    cairo_fill(cr);
    cairo_rectangle(cr, x + 5 * s, y - 68 * s, 14 * s, 3 * s);
    p.Color(Palette::Rose);
    cairo_fill(cr);
}

void SceneKit::Frame(double x, double y, double w, double h, const Rgb& picture) {
    p.SoftShadow(x, y + 4, w, h, 2, 6, 0.4);
    cairo_rectangle(cr, x, y, w, h);
    p.GoldSource(x, y, x + w, y + h);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 8, y + 8, w - 16, h - 16);
    p.Linear(0, y, 0, y + h, {{0, picture.Lighter(0.2)}, {1, picture.Darker(0.3)}});
    cairo_fill(cr);
    // The sitter, half length.
    cairo_save(cr);
    cairo_rectangle(cr, x + 8, y + 8, w - 16, h - 16);
    cairo_clip(cr);
    CourtPortrait::Draw(p, (static_cast<int>(x) / 100) % 2 ? 11 : 12, 3, x + w / 2, y + h * 0.58,
                        (w - 16) / 100.0);
    cairo_restore(cr);
}

void SceneKit::Snow(int count, double y0, double y1) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(0, kW), y = rng.Range(y0, y1);
        cairo_arc(cr, x, y, rng.Range(0.8, 2.6), 0, 2 * kPi);
        p.Color(Palette::White, rng.Range(0.5, 0.95));
        cairo_fill(cr);
    }
}

void SceneKit::Finish(Canvas& canvas, uint64_t seed, double bloom, double vignette) {
    cairo_t* cr = canvas.Cr();
    const int w = canvas.Width(), h = canvas.Height();
    // Softening: an eighth-size copy scaled back up and laid lightly over the picture, so
    // the hard vector edges read as paint; then a faint screen of it for candle-light glow.
    if (bloom > 0) {
        Canvas small(w / 8, h / 8);
        cairo_scale(small.Cr(), 1.0 / 8, 1.0 / 8);
        cairo_set_source_surface(small.Cr(), canvas.Surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(small.Cr()), CAIRO_FILTER_GOOD);
        cairo_paint(small.Cr());
        for (int pass = 0; pass < 2; ++pass) {
            cairo_save(cr);
            cairo_scale(cr, 8, 8);
            cairo_set_source_surface(cr, small.Surface(), 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
            cairo_set_operator(cr, pass == 0 ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOFT_LIGHT);
            cairo_paint_with_alpha(cr, pass == 0 ? bloom : 0.5);
            cairo_restore(cr);
        }
    }
    // Warm candle-lit vignette.
    cairo_pattern_t* v =
        cairo_pattern_create_radial(w / 2.0, h * 0.45, h * 0.35, w / 2.0, h * 0.45, w * 0.75);
    cairo_pattern_add_color_stop_rgba(v, 0, 0.2, 0.1, 0.05, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.10, 0.04, 0.06, vignette);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
    // A warm wash: candle light rather than daylight.
    cairo_set_source_rgba(cr, 1.0, 0.84, 0.62, 1.0);
    cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
    cairo_paint_with_alpha(cr, 0.16);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Canvas grain: a small fixed noise on every pixel.
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    Random grain(seed);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const int n = static_cast<int>(grain.Next() % 9) - 4;
            uint32_t px = row[x];
            int r = static_cast<int>((px >> 16) & 0xFF) + n;
            int g = static_cast<int>((px >> 8) & 0xFF) + n;
            int b = static_cast<int>(px & 0xFF) + n;
            r = std::clamp(r, 0, 255);
            g = std::clamp(g, 0, 255);
            b = std::clamp(b, 0, 255);
            row[x] = 0xFF000000u | (static_cast<uint32_t>(r) << 16) |
                     (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}
