#include "ParticleArt.h"

#include <cmath>

#include "Canvas.h"
#include "Emblems.h"
#include "Palette.h"
#include "Random.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
const std::string kDir = "graphics/Particles/";
}  // namespace

void ParticleArt::Ring(const std::string& name, const Rgb& c) {
    Canvas canvas(96, 96);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    p.Radial(48, 48, 30, 46, {{0, c}, {0.45, c.Lighter(0.5)}, {0.6, c}, {1, c}}, {0, 0.95, 0.7, 0});
    cairo_arc(cr, 48, 48, 46, 0, 2 * kPi);
    cairo_fill(cr);
    out.Png(canvas, kDir + name + ".png");
}

void ParticleArt::Sparkle(const std::string& name, int size, const Rgb& c, bool full) {
    Canvas canvas(size, size);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const double h = size / 2.0;
    p.Glow(h, h, h * (full ? 0.9 : 0.6), c, full ? 0.6 : 0.45);
    // A four-pointed star with thin long rays.
    p.StarPath(h, h, h * 0.98, h * 0.12, 4);
    p.Radial(h, h, 0, h, {{0, Palette::White}, {0.5, c.Lighter(0.4)}, {1, c}}, {1, 0.9, 0.3});
    cairo_fill(cr);
    if (full) {
        p.StarPath(h, h, h * 0.55, h * 0.08, 4, kPi / 4);
        p.Color(Palette::White, 0.8);
        cairo_fill(cr);
    }
    out.Png(canvas, kDir + name + ".png");
}

void ParticleArt::Ball(const std::string& name, int size, const Rgb& c) {
    Canvas canvas(size, size);
    Painter p(canvas.Cr(), fonts);
    const double h = size / 2.0;
    p.Radial(h, h, 0, h, {{0, Palette::White}, {0.25, c.Lighter(0.3)}, {0.6, c}, {1, c}},
             {1, 1, 0.5, 0});
    cairo_arc(canvas.Cr(), h, h, h, 0, 2 * kPi);
    cairo_fill(canvas.Cr());
    out.Png(canvas, kDir + name + ".png");
}

void ParticleArt::Star(const std::string& folder, const std::string& name, int size, const Rgb& c) {
    Canvas canvas(size, size);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const double h = size / 2.0;
    p.Glow(h, h, h, c.Lighter(0.4), 0.35);
    p.StarPath(h, h + size * 0.03, h * 0.86, h * 0.38, 5);
    p.Color(c.Darker(0.55));
    cairo_fill(cr);
    p.StarPath(h, h + size * 0.02, h * 0.8, h * 0.34, 5);
    p.Linear(0, h * 0.2, 0, size * 0.9, {{0, c.Lighter(0.55)}, {0.5, c}, {1, c.Darker(0.3)}});
    cairo_fill(cr);
    // Facets: a lighter half on each point.
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        const double a2 = a + kPi / 5;
        cairo_move_to(cr, h, h + size * 0.02);
        cairo_line_to(cr, h + std::cos(a) * h * 0.8, h + size * 0.02 + std::sin(a) * h * 0.8);
        cairo_line_to(cr, h + std::cos(a2) * h * 0.34, h + size * 0.02 + std::sin(a2) * h * 0.34);
        cairo_close_path(cr);
    }
    p.Color(Palette::White, 0.25);
    cairo_fill(cr);
    out.Png(canvas, folder + name + ".png");
}

void ParticleArt::Coin() {
    // Eight frames of a gold guinea turning on its axis.
    const int s = 27, frames = 8;
    Canvas canvas(s * frames, s);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < frames; ++f) {
        const double sx = std::max(0.12, std::fabs(std::cos(f * kPi / frames)));
        const double cx = f * s + s / 2.0, cy = s / 2.0;
        p.EllipsePath(cx, cy, 12.5 * sx, 12.5);
        p.Color(Palette::GoldDark);
        cairo_fill(cr);
        p.EllipsePath(cx, cy, 11.2 * sx, 11.2);
        p.GoldSource(cx - 11, cy - 11, cx + 11, cy + 11);
        cairo_fill(cr);
        if (sx > 0.4) {
            p.EllipsePath(cx, cy, 8 * sx, 8);
            p.Color(Palette::GoldDark, 0.6);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, sx, 1);
            p.Color(Palette::GoldDark, 0.85);
            p.Text(FontId::LibertineBold, 11, "R", 0, 4, Align::Centre);
            cairo_restore(cr);
        }
        p.EllipsePath(cx - 4 * sx, cy - 5, 2.5 * sx, 1.5);
        p.Color(Palette::White, 0.7);
        cairo_fill(cr);
    }
    out.Strip(canvas, kDir + "coin.png", s, s, frames);
}

void ParticleArt::BurningCard() {
    // Flames that take hold of a card-sized area, blaze up and die to embers and smoke.
    const int cw = 200, ch = 350, cols = 10, frames = 40;
    Canvas canvas(cw * cols, ch * (frames / cols));
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Random seeds(1812);
    struct Tongue {
        double x, phase, speed, width;
    };
    std::vector<Tongue> tongues;
    for (int i = 0; i < 20; ++i) {
        tongues.push_back({seeds.Range(-56, 56), seeds.Range(0, 6.28), seeds.Range(0.6, 1.4),
                           seeds.Range(12, 26)});
    }
    for (int f = 0; f < frames; ++f) {
        const double t = f / static_cast<double>(frames - 1);
        const double ox = (f % cols) * cw, oy = (f / cols) * ch;
        cairo_save(cr);
        cairo_rectangle(cr, ox, oy, cw, ch);
        cairo_clip(cr);
        cairo_translate(cr, ox + cw / 2.0, oy + 270);
        // Strength rises quickly, holds, then falls away.
        const double strength = t < 0.2 ? t / 0.2 : (t < 0.6 ? 1.0 : std::max(0.0, (1 - t) / 0.4));
        const double burnLine = -160 + 200 * t;  // the edge of the fire moves down the card
        p.Glow(0, burnLine, 110 * (0.4 + strength), Palette::Candle, 0.35 * strength);
        for (const Tongue& tg : tongues) {
            const double hgt =
                (60 + 70 * std::sin(tg.phase + f * 0.5 * tg.speed) * 0.5 + 35) * strength;
            if (hgt < 4) continue;
            const double bx = tg.x + 6 * std::sin(f * 0.7 + tg.phase);
            const double by = burnLine + 12;
            const double sway = 14 * std::sin(f * 0.45 * tg.speed + tg.phase);
            cairo_move_to(cr, bx - tg.width, by);
            cairo_curve_to(cr, bx - tg.width, by - hgt * 0.5, bx + sway - tg.width * 0.2,
                           by - hgt * 0.7, bx + sway, by - hgt);
            cairo_curve_to(cr, bx + sway + tg.width * 0.2, by - hgt * 0.7, bx + tg.width,
                           by - hgt * 0.5, bx + tg.width, by);
            cairo_close_path(cr);
            p.Linear(0, by, 0, by - hgt,
                     {{0, Palette::GoldLight.Lighter(0.5)},
                      {0.35, Palette::Candle},
                      {0.75, Palette::CardRed.Mix(Palette::Candle, 0.3)},
                      {1, Palette::CardRed}},
                     0.8 * std::min(1.0, strength * 1.4));
            cairo_fill(cr);
        }
        // Glowing ember edge along the burn line.
        if (strength > 0.05) {
            cairo_set_line_width(cr, 5);
            cairo_move_to(cr, -55, burnLine + 12);
            for (int i = 1; i <= 11; ++i) {
                cairo_line_to(cr, -55 + i * 10, burnLine + 12 + 4 * std::sin(i * 1.7 + f));
            }
            p.Color(Palette::GoldLight, 0.9 * strength);
            cairo_stroke(cr);
        }
        // Sparks and, late on, smoke.
        Random sparks(500 + f);
        for (int i = 0; i < 16; ++i) {
            const double sx = sparks.Range(-70, 70), sy = burnLine - sparks.Range(0, 150);
            cairo_arc(cr, sx, sy, sparks.Range(0.8, 2.2), 0, 2 * kPi);
            p.Color(Palette::GoldLight, strength * 0.9);
            cairo_fill(cr);
        }
        if (t > 0.45) {
            const double sm = (t - 0.45) / 0.55;
            for (int i = 0; i < 6; ++i) {
                const double sx = -40 + i * 16 + 10 * std::sin(i + f * 0.3);
                const double sy = burnLine - 40 - sm * 120 - i * 8;
                p.Radial(sx, sy, 0, 26 + sm * 20,
                         {{0, Palette::Ink.Lighter(0.35)}, {1, Palette::Ink}},
                         {0.35 * (1 - sm * 0.6), 0});
                cairo_arc(cr, sx, sy, 26 + sm * 20, 0, 2 * kPi);
                cairo_fill(cr);
            }
        }
        cairo_restore(cr);
    }
    out.Strip(canvas, kDir + "BurningCard.png", cw, ch, frames);
}

void ParticleArt::Lightning() {
    // Four different forks of a bolt striking down.
    const int cw = 96, ch = 320, frames = 4;
    Canvas canvas(cw * frames, ch);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < frames; ++f) {
        Random r(77 + f);
        const double ox = f * cw + cw / 2.0;
        std::vector<std::pair<double, double>> pts;
        double x = ox + r.Range(-8, 8);
        for (double y = 0; y <= ch; y += 20) {
            pts.emplace_back(x, y);
            x = std::clamp(x + r.Range(-18, 18), f * cw + 12.0, f * cw + cw - 12.0);
        }
        for (int pass = 0; pass < 3; ++pass) {
            cairo_move_to(cr, pts[0].first, pts[0].second);
            for (const auto& [px, py] : pts) cairo_line_to(cr, px, py);
            const double width[3] = {12, 5, 2};
            const double alpha[3] = {0.25, 0.6, 1.0};
            cairo_set_line_width(cr, width[pass]);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            p.Color(pass == 2 ? Palette::White : Palette::Navy.Lighter(0.7), alpha[pass]);
            cairo_stroke(cr);
        }
        // A side fork.
        const auto start = pts[pts.size() / 3];
        cairo_move_to(cr, start.first, start.second);
        double fx = start.first, fy = start.second;
        for (int i = 0; i < 4; ++i) {
            fx = std::clamp(fx + r.Range(-20, 20), f * cw + 8.0, f * cw + cw - 8.0);
            fy += 18;
            cairo_line_to(cr, fx, fy);
        }
        cairo_set_line_width(cr, 2);
        p.Color(Palette::White, 0.8);
        cairo_stroke(cr);
    }
    out.Strip(canvas, kDir + "Lightning.png", cw, ch, frames);
}

void ParticleArt::Highlight() {
    Canvas canvas(128, 128);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        cairo_move_to(cr, 64, 64);
        cairo_line_to(cr, 64 + std::cos(a - 0.08) * 64, 64 + std::sin(a - 0.08) * 64);
        cairo_line_to(cr, 64 + std::cos(a + 0.08) * 64, 64 + std::sin(a + 0.08) * 64);
        cairo_close_path(cr);
    }
    p.Radial(64, 64, 0, 64, {{0, Palette::White}, {1, Palette::Candle}}, {0.5, 0});
    cairo_fill(cr);
    p.Glow(64, 64, 50, Palette::GoldLight, 0.7);
    out.Png(canvas, kDir + "MagicHighlight.png");
}

void ParticleArt::Crosshair() {
    Canvas canvas(64, 64);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int pass = 0; pass < 2; ++pass) {
        cairo_set_line_width(cr, pass == 0 ? 4 : 2);
        p.Color(pass == 0 ? Palette::Ink : Palette::Rose.Lighter(0.2), pass == 0 ? 0.5 : 1);
        cairo_arc(cr, 32, 32, 20, 0, 2 * kPi);
        cairo_stroke(cr);
        cairo_arc(cr, 32, 32, 9, 0, 2 * kPi);
        cairo_stroke(cr);
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 2;
            cairo_move_to(cr, 32 + std::cos(a) * 14, 32 + std::sin(a) * 14);
            cairo_line_to(cr, 32 + std::cos(a) * 30, 32 + std::sin(a) * 30);
        }
        cairo_stroke(cr);
    }
    Emblems::Heart(p, 32, 32, 8, Palette::CardRed);
    out.Png(canvas, kDir + "Crosshair.png");
}

void ParticleArt::ArrowUp() {
    Canvas canvas(24, 96);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 12, 48);
    cairo_scale(cr, 0.25, 1.0);
    Emblems::Arrow(p, 0, 0, 96);
    cairo_restore(cr);
    // Re-draw the head unsquashed so it stays a point, not a needle.
    cairo_move_to(cr, 12, 0);
    cairo_line_to(cr, 19, 18);
    cairo_line_to(cr, 5, 18);
    cairo_close_path(cr);
    p.GoldSource(5, 0, 19, 18);
    cairo_fill(cr);
    out.Png(canvas, kDir + "ArrowUp.png");
}

void ParticleArt::Crown() {
    Canvas canvas(56, 48);
    Painter p(canvas.Cr(), fonts);
    Emblems::Crown(p, 28, 25, 48);
    out.Png(canvas, kDir + "crown.png");
}

void ParticleArt::Generate() {
    Ring("ParticleRing", Palette::GoldLight);
    Ring("ParticleRingPink", Palette::Rose.Lighter(0.25));
    Ring("ParticleRingGreen", Palette::Green.Lighter(0.45));
    Ring("ParticleRingOrange", Palette::Candle.Mix(Palette::CardRed, 0.25));
    Ring("ParticleRingWhite", Palette::White);
    Sparkle("Clausparkle", 32, Palette::GoldLight, false);
    Sparkle("ClausparkleFull", 48, Palette::GoldLight, true);
    Sparkle("sparkle", 24, Palette::White, false);
    Sparkle("sparklegold", 24, Palette::Gold, false);
    Ball("RedBall", 24, Palette::CardRed.Lighter(0.1));
    Ball("GoldDust", 8, Palette::GoldLight);
    Ball("WhiteDust", 8, Palette::White);
    Lightning();
    Coin();
    Highlight();
    Crosshair();
    ArrowUp();
    BurningCard();
    Crown();
    Star(kDir, "GoldStarBig", 128, Palette::Gold.Lighter(0.1));
    Star(kDir, "GoldStarMedium", 72, Palette::Gold.Lighter(0.1));
    Star(kDir, "SilverStarMedium", 72, Palette::Silver);
    Star(kDir, "BronzeStarMedium", 72, Palette::Bronze);
}
