#include "HudArt.h"

#include <cmath>

#include "Canvas.h"
#include "Emblems.h"
#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
const std::string kDir = "graphics/HUD/";

// Lacquered navy with a faint damask, the ground of every HUD panel.
void Lacquer(const Painter& p, double x, double y, double w, double h) {
    cairo_t* cr = p.Cr();
    p.Linear(0, y, 0, y + h, {{0, Palette::Navy.Lighter(0.08)}, {1, Palette::NavyDeep}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    p.Color(Palette::Gold, 0.07);
    for (double i = x - 20; i < x + w + 20; i += 22) {
        for (double j = y - 20; j < y + h + 20; j += 22) {
            p.SuitPath(1, i + (static_cast<int>((j - y) / 22) % 2) * 11, j, 9);
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
}
}  // namespace

void HudArt::TopPanel() {
    const int w = 1024, h = 64;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // A banner with a central cartouche for the chapter name and hand count.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, 0);
    cairo_line_to(cr, w, 34);
    cairo_curve_to(cr, 760, 34, 720, 36, 690, 40);
    cairo_curve_to(cr, 660, 62, 364, 62, 334, 40);
    cairo_curve_to(cr, 304, 36, 264, 34, 0, 34);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    Lacquer(p, 0, 0, w, h);
    cairo_append_path(cr, shape);
    p.GoldSource(0, 30, 0, 62);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_path_destroy(shape);
    // Cartouche.
    p.RoundRectPath(352, 6, 320, 42, 21);
    p.Linear(0, 6, 0, 48, {{0, Palette::Parchment.Lighter(0.2)}, {1, Palette::ParchmentDark}});
    cairo_fill(cr);
    p.GoldFrame(352, 6, 320, 42, 21, 3);
    for (int side = -1; side <= 1; side += 2) {
        p.Rose(512 + side * 178, 27, 9, Palette::Rose);
        p.Leaf(512 + side * 190, 27, 22, side > 0 ? 0 : kPi, Palette::Green.Lighter(0.2));
        p.Flourish(512 + side * 230, 17, 20, side < 0, false, Palette::Gold, 1.4);
    }
    out.Png(canvas, "graphics/MapScreen/TopPanel.png");
}

void HudArt::BottomPanel() {
    const int w = 1024, h = 176;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // Low on the left under the powerups, a raised arch over the stock and foundation,
    // and a swell on the right where the heroine stands.
    cairo_move_to(cr, 0, 40);
    cairo_curve_to(cr, 120, 30, 250, 34, 330, 44);
    cairo_curve_to(cr, 380, 8, 644, 8, 694, 44);
    cairo_curve_to(cr, 780, 34, 900, 30, 1024, 26);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    cairo_path_t* shape = cairo_copy_path(cr);
    Lacquer(p, 0, 0, w, h);
    cairo_append_path(cr, shape);
    p.GoldSource(0, 8, 0, 48);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_path_destroy(shape);
    // The card bed: a green baize recess holding the stock and the foundation.
    p.RoundRectPath(352, 34, 320, 136, 14);
    p.Radial(512, 100, 10, 190,
             {{0, Palette::Green.Lighter(0.1)}, {1, Palette::GreenDeep.Darker(0.2)}}, {1, 1});
    cairo_fill(cr);
    p.GoldFrame(352, 34, 320, 136, 14, 3);
    // Card outlines where the stock and foundation sit (centres 441 and 583, y 691 on screen).
    for (double cx : {441.0, 583.0}) {
        p.RoundRectPath(cx - 45, 99 - 66 + 2, 90, 132, 7);
        cairo_set_line_width(cr, 1.2);
        p.Color(Palette::GoldLight, 0.35);
        cairo_stroke(cr);
    }
    p.Rose(512, 100, 10, Palette::Rose);
    // Gilt rail with pearls along the bottom.
    cairo_rectangle(cr, 0, h - 8, w, 8);
    p.GoldSource(0, h - 8, 0, h);
    cairo_fill(cr);
    for (int i = 0; i < 64; ++i) p.Pearl(8 + i * 16, h - 12, 2.5);
    out.Png(canvas, kDir + "BottomPanel.png");
}

void HudArt::MultiplierPanels() {
    const int w = 256, h = 120;
    // The medallion's centre sits on the multiplier text (183, 45 on the screen).
    const double cx = 183, cy = 45;
    for (int variant = 0; variant < 3; ++variant) {
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        if (variant == 0) {
            // A ribbon banner running left to the screen edge, then the medallion.
            cairo_move_to(cr, 0, 30);
            cairo_line_to(cr, 150, 30);
            cairo_line_to(cr, 150, 62);
            cairo_line_to(cr, 0, 62);
            cairo_line_to(cr, 10, 46);
            cairo_close_path(cr);
            p.Linear(
                0, 30, 0, 62,
                {{0, Palette::Rose}, {0.5, Palette::Rose.Lighter(0.2)}, {1, Palette::RoseDeep}});
            cairo_fill_preserve(cr);
            p.GoldSource(0, 30, 0, 62);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            p.Color(Palette::Ivory, 0.9);
            p.Text(FontId::GaramondItalic, 17, "Gold multiplier", 78, 51, Align::Centre);
            p.SoftShadow(cx - 40, cy - 40, 80, 80, 40, 5, 0.35);
            cairo_arc(cr, cx, cy, 40, 0, 2 * kPi);
            p.Radial(cx - 10, cy - 12, 4, 46, {{0, Palette::Ivory}, {1, Palette::ParchmentDark}},
                     {1, 1});
            cairo_fill(cr);
            cairo_arc(cr, cx, cy, 40, 0, 2 * kPi);
            cairo_set_line_width(cr, 6);
            p.GoldSource(cx - 40, cy - 40, cx + 40, cy + 40);
            cairo_stroke(cr);
            cairo_arc(cr, cx, cy, 32, 0, 2 * kPi);
            cairo_set_line_width(cr, 1);
            p.Color(Palette::GoldDark, 0.7);
            cairo_stroke(cr);
            for (int i = 0; i < 16; ++i) {
                const double a = i * kPi / 8;
                p.Pearl(cx + std::cos(a) * 40, cy + std::sin(a) * 40, 2.6);
            }
            out.Png(canvas, kDir + "MultiplierPanel.png");
        } else if (variant == 1) {
            // Glow around the medallion at the five-times multiplier.
            p.Radial(cx, cy, 30, 70,
                     {{0, Palette::Candle}, {0.3, Palette::GoldLight}, {1, Palette::Candle}},
                     {0, 0.8, 0});
            cairo_arc(cr, cx, cy, 70, 0, 2 * kPi);
            cairo_fill(cr);
            out.Png(canvas, kDir + "MultiplierPanel5XGlow.png");
        } else {
            // A shine over the medallion face, drawn additively.
            cairo_arc(cr, cx, cy, 34, 0, 2 * kPi);
            p.Linear(cx - 34, cy - 34, cx + 34, cy + 34,
                     {{0, Palette::White},
                      {0.45, Palette::GoldLight},
                      {0.5, Palette::White},
                      {1, Palette::Candle}},
                     0.45);
            cairo_fill(cr);
            out.Png(canvas, kDir + "MultiplierPanel5XGlowOverlay.png");
        }
    }
}

void HudArt::ComboPanel() {
    const int w = 240, h = 90;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    p.SoftShadow(14, 12, w - 28, h - 22, 18, 6, 0.35);
    p.Panel(14, 10, w - 28, h - 22, 18, Palette::Parchment.Lighter(0.3), Palette::ParchmentDark, 3);
    // Scroll ends.
    for (int side = -1; side <= 1; side += 2) {
        const double x = side < 0 ? 14 : w - 14;
        p.EllipsePath(x, h / 2.0 - 1, 9, h / 2.0 - 12);
        p.Linear(x - 9, 0, x + 9, 0,
                 {{0, Palette::ParchmentDark.Darker(0.2)},
                  {0.5, Palette::Parchment},
                  {1, Palette::ParchmentDark.Darker(0.2)}});
        cairo_fill_preserve(cr);
        p.GoldSource(0, 10, 0, h - 10);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    out.Png(canvas, kDir + "ComboPanel.png");
}

void HudArt::UndoDecoration() {
    const int w = 140, h = 72;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // Laurel sprays either side of the undo button.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 6; ++i) {
            const double t = i / 5.0;
            const double x = w / 2.0 + side * (58 - t * 10);
            const double y = h - 10 - t * 46;
            p.Leaf(x, y, 14, side < 0 ? -kPi / 2 - 0.9 + t * 0.4 : -kPi / 2 + 0.9 - t * 0.4,
                   Palette::Gold);
        }
    }
    cairo_move_to(cr, 14, h - 8);
    cairo_curve_to(cr, 40, h + 2, 100, h + 2, 126, h - 8);
    cairo_set_line_width(cr, 2);
    p.GoldSource(0, h - 10, 0, h);
    cairo_stroke(cr);
    p.Rose(w / 2.0, h - 6, 5, Palette::Rose);
    out.Png(canvas, kDir + "UndoDecoration.png");
}

void HudArt::Heroine(bool withFan) {
    // Drawn on a 300 x 330 picture and written trimmed: the fan version spreads further.
    const int w = 300, h = 330;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // Drawn at 0.85 so she stands in the corner without reaching into the tableau.
    cairo_translate(cr, w * 0.15, h * 0.15);
    cairo_scale(cr, 0.85, 0.85);
    const double cx = 170;
    // Gown: an empire-line dress in rose, a sash under the bust.
    cairo_move_to(cr, cx - 70, h);
    cairo_curve_to(cr, cx - 62, 250, cx - 50, 200, cx - 44, 170);
    cairo_line_to(cr, cx + 44, 170);
    cairo_curve_to(cr, cx + 50, 200, cx + 62, 250, cx + 70, h);
    cairo_close_path(cr);
    p.Linear(cx - 70, 0, cx + 70, 0,
             {{0, Palette::Rose.Darker(0.25)},
              {0.4, Palette::Rose.Lighter(0.2)},
              {1, Palette::RoseDeep}});
    cairo_fill(cr);
    // Folds.
    cairo_set_line_width(cr, 1.5);
    p.Color(Palette::RoseDeep, 0.5);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, cx + i * 12, 180);
        cairo_curve_to(cr, cx + i * 16, 240, cx + i * 20, 290, cx + i * 26, h);
    }
    cairo_stroke(cr);
    // Bodice and puffed sleeves.
    cairo_move_to(cr, cx - 44, 172);
    cairo_curve_to(cr, cx - 46, 150, cx - 40, 130, cx - 30, 124);
    cairo_line_to(cr, cx + 30, 124);
    cairo_curve_to(cr, cx + 40, 130, cx + 46, 150, cx + 44, 172);
    cairo_close_path(cr);
    p.Color(Palette::Rose.Lighter(0.1));
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        p.EllipsePath(cx + side * 40, 132, 16, 14);
        p.Radial(cx + side * 36, 126, 2, 18, {{0, Palette::Blush}, {1, Palette::Rose}}, {1, 1});
        cairo_fill(cr);
    }
    cairo_rectangle(cr, cx - 45, 164, 90, 9);
    p.GoldSource(0, 164, 0, 173);
    cairo_fill(cr);
    // Arms in long white gloves.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 13);
    p.Color(Palette::Ivory);
    cairo_move_to(cr, cx - 48, 140);
    cairo_curve_to(cr, cx - 64, 170, cx - 60, 200, cx - 30, 206);
    cairo_stroke(cr);
    if (withFan) {
        cairo_move_to(cr, cx + 48, 140);
        cairo_curve_to(cr, cx + 70, 150, cx + 60, 120, cx + 36, 106);
        cairo_stroke(cr);
    } else {
        cairo_move_to(cr, cx + 48, 140);
        cairo_curve_to(cr, cx + 64, 170, cx + 60, 200, cx + 30, 206);
        cairo_stroke(cr);
    }
    // Neck, shoulders and neckline.
    cairo_move_to(cr, cx - 30, 125);
    cairo_curve_to(cr, cx - 20, 112, cx - 10, 110, cx - 8, 96);
    cairo_line_to(cr, cx + 8, 96);
    cairo_curve_to(cr, cx + 10, 110, cx + 20, 112, cx + 30, 125);
    cairo_curve_to(cr, cx + 10, 140, cx - 10, 140, cx - 30, 125);
    p.Color(Palette::Skin);
    cairo_fill(cr);
    for (int i = 0; i < 11; ++i) {
        const double t = (i - 5) / 5.0;
        p.Pearl(cx + t * 16, 112 + (1 - t * t) * 8, 2.2);
    }
    // Head with dark curls piled high and a ribbon.
    p.EllipsePath(cx, 52, 34, 30);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, cx - 26 + (i % 2) * 4, 70 + i * 7, 6, 0, 2 * kPi);
        cairo_arc(cr, cx + 26 - (i % 2) * 4, 70 + i * 7, 6, 0, 2 * kPi);
    }
    cairo_fill(cr);
    p.EllipsePath(cx, 72, 21, 26);
    p.Radial(cx - 6, 66, 3, 30, {{0, Palette::Skin.Lighter(0.3)}, {1, Palette::Skin.Darker(0.06)}},
             {1, 1});
    cairo_fill(cr);
    cairo_move_to(cr, cx - 22, 66);
    cairo_curve_to(cr, cx - 20, 40, cx + 20, 40, cx + 22, 66);
    cairo_curve_to(cr, cx + 8, 54, cx - 8, 52, cx - 22, 66);
    p.Color(Palette::Ink.Lighter(0.1));
    cairo_fill(cr);
    cairo_set_line_width(cr, 4);
    p.Color(Palette::Rose.Lighter(0.2));
    cairo_arc(cr, cx, 52, 31, kPi * 1.05, kPi * 1.95);
    cairo_stroke(cr);
    Emblems::Bow(p, cx + 24, 34, 22, Palette::Rose.Lighter(0.1));
    // Face.
    p.Color(Palette::Rose, 0.35);
    cairo_arc(cr, cx - 10, 80, 4.5, 0, 2 * kPi);
    cairo_arc(cr, cx + 10, 80, 4.5, 0, 2 * kPi);
    cairo_fill(cr);
    p.Color(Palette::Ink);
    for (int side = -1; side <= 1; side += 2) {
        p.EllipsePath(cx + side * 8, 71, 2.4, 1.8);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, cx + side * 4, 66);
        cairo_curve_to(cr, cx + side * 6, 64, cx + side * 10, 64, cx + side * 13, 66.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - 5, 87);
    cairo_curve_to(cr, cx - 2, 90, cx + 2, 90, cx + 5, 87);
    p.Color(Palette::RoseDeep);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (withFan) {
        // An open fan of ivory and rose sticks, held up beside the face.
        const double fx = cx + 40, fy = 160, fr = 68;
        const double start = -kPi * 0.68, step = kPi * 0.068;
        for (int i = 0; i < 11; ++i) {
            const double a0 = start + i * step;
            const double a1 = a0 + step;
            cairo_move_to(cr, fx, fy);
            cairo_arc(cr, fx, fy, fr, a0, a1);
            cairo_close_path(cr);
            p.Color(i % 2 ? Palette::Ivory : Palette::Blush);
            cairo_fill_preserve(cr);
            p.Color(Palette::GoldDark, 0.6);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        }
        cairo_arc(cr, fx, fy, fr, start, start + 11 * step);
        cairo_set_line_width(cr, 3);
        p.GoldSource(fx - fr, fy - fr, fx + fr, fy);
        cairo_stroke(cr);
        for (int i = 0; i < 5; ++i) {
            const double a = start + step * (1 + i * 2.2);
            p.Rose(fx + std::cos(a) * fr * 0.75, fy + std::sin(a) * fr * 0.75, 5, Palette::Rose);
        }
        cairo_arc(cr, fx, fy, 4, 0, 2 * kPi);
        p.Color(Palette::GoldDark);
        cairo_fill(cr);
    }
    out.Trimmed(canvas, kDir + (withFan ? "BellaGUIwithFan.png" : "BellaGUI.png"));
}

void HudArt::Powerup(const std::string& name, int w, int h, int kind) {
    // The full picture, the empty gauge, the pressed state and the frame drawn over all.
    auto emblem = [&](const Painter& p) {
        const double cx = w / 2.0, cy = h / 2.0 + 6, s = std::min(w, h) * 0.78;
        if (kind == 0) Emblems::Cupid(p, cx, cy, s);
        if (kind == 1) Emblems::Lyre(p, cx, cy, s);
        if (kind == 2) Emblems::Phoenix(p, cx, cy, s);
    };
    const Rgb grounds[3] = {Palette::Rose.Lighter(0.35), Palette::Green.Lighter(0.55),
                            Palette::Candle.Lighter(0.2)};
    for (int state = 0; state < 3; ++state) {
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        p.RoundRectPath(6, 6, w - 12, h - 12, 12);
        if (state == 1) {
            p.Linear(0, 0, 0, h, {{0, Palette::NavyDeep.Lighter(0.15)}, {1, Palette::NavyDeep}});
        } else {
            p.Radial(w / 2.0, h / 2.0, 4, h * 0.7,
                     {{0, grounds[kind].Lighter(state == 2 ? 0.6 : 0.35)},
                      {1, grounds[kind].Darker(0.15)}},
                     {1, 1});
        }
        cairo_fill(cr);
        cairo_save(cr);
        p.RoundRectPath(6, 6, w - 12, h - 12, 12);
        cairo_clip(cr);
        if (state == 2) p.Glow(w / 2.0, h / 2.0, h * 0.5, Palette::White, 0.8);
        emblem(p);
        if (state == 1) {
            // The empty gauge: the emblem sunk into the dark, waiting to be charged.
            p.RoundRectPath(6, 6, w - 12, h - 12, 12);
            p.Color(Palette::NavyDeep, 0.72);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        const char* suffix[3] = {"", "Empty", "Clicked"};
        out.Png(canvas, kDir + name + suffix[state] + ".png");
    }
    Canvas frame(w, h);
    Painter p(frame.Cr(), fonts);
    cairo_t* cr = frame.Cr();
    p.GoldFrame(1, 1, w - 2, h - 2, 16, 7);
    p.Flourish(10, 10, 18, false, false, Palette::GoldLight, 1.3);
    p.Flourish(w - 10, 10, 18, true, false, Palette::GoldLight, 1.3);
    // A pearl crest on top.
    p.Pearl(w / 2.0, 5, 4);
    cairo_new_path(cr);
    out.Png(frame, kDir + name + "Frame.png");
}

void HudArt::PowerupsBackground() {
    const int w = 320, h = 176;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // Three niches, stepped like the buttons (at 608, 622 and 636 on the screen).
    const double tops[3] = {16, 30, 44};
    const double lefts[3] = {0, 105, 210};
    for (int i = 0; i < 3; ++i) {
        p.RoundRectPath(lefts[i] + 2, tops[i] - 6, 104, h - tops[i] + 10, 18);
        p.Linear(0, tops[i], 0, h, {{0, Palette::NavyDeep.Lighter(0.2)}, {1, Palette::NavyDeep}});
        cairo_fill_preserve(cr);
        p.Color(Palette::GoldDark, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    out.Png(canvas, kDir + "PowerupsBackground.png");
}

void HudArt::Ribbons() {
    // One ribbon a frame, for the three powerups: rose, green and gold.
    const int cw = 132, ch = 150, frames = 3;
    Canvas canvas(cw * frames, ch);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const Rgb colours[3] = {Palette::Rose, Palette::Green.Lighter(0.2), Palette::Gold};
    for (int f = 0; f < frames; ++f) {
        const double ox = f * cw;
        const Rgb c = colours[f];
        for (int side = -1; side <= 1; side += 2) {
            const double x = ox + cw / 2.0 + side * 40;
            cairo_move_to(cr, x - 11, 20);
            cairo_curve_to(cr, x - 14 + side * 8, 70, x - 8 - side * 6, 100, x - 12, ch - 4);
            cairo_line_to(cr, x, ch - 16);
            cairo_line_to(cr, x + 12, ch - 4);
            cairo_curve_to(cr, x + 8 - side * 6, 100, x + 14 + side * 8, 70, x + 11, 20);
            cairo_close_path(cr);
            p.Linear(x - 12, 0, x + 12, 0,
                     {{0, c.Darker(0.25)}, {0.5, c.Lighter(0.25)}, {1, c.Darker(0.25)}});
            cairo_fill(cr);
        }
        Emblems::Bow(p, ox + cw / 2.0, 30, 60, c);
    }
    out.Strip(canvas, kDir + "Ribbons.png", cw, ch, frames);
}

void HudArt::SlotMouseOver() {
    const int w = 105, h = 160;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int i = 8; i >= 0; --i) {
        p.RoundRectPath(2 + i * 0.0 + (8 - i) * 0.6, 2 + (8 - i) * 0.6, w - 4 - (8 - i) * 1.2,
                        h - 4 - (8 - i) * 1.2, 16);
        cairo_set_line_width(cr, 2 + i);
        p.Color(Palette::GoldLight, 0.08);
        cairo_stroke(cr);
    }
    p.RoundRectPath(8, 8, w - 16, h - 16, 12);
    p.Color(Palette::White, 0.12);
    cairo_fill(cr);
    out.Png(canvas, kDir + "Powerup Slot Mouse Over.png");
}

void HudArt::Pearl() {
    Canvas canvas(18, 18);
    Painter p(canvas.Cr(), fonts);
    p.Pearl(9, 9, 8);
    out.Png(canvas, kDir + "Pearl.png");
}

void HudArt::Button(const std::string& path, int w, int h, const std::string& text, int icon,
                    bool disabled, bool cardShaped) {
    const int states = disabled ? 4 : 3;
    const char* suffix[4] = {"", "MO", "_down", "_disabled"};
    for (int s = 0; s < states; ++s) {
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        const double r = cardShaped ? 7 : h / 2.0 - 2;
        const double press = s == 2 ? 1.5 : 0;
        if (s != 2) p.SoftShadow(3, 4, w - 6, h - 7, r, 3, 0.35);
        Rgb top = cardShaped ? Palette::Rose.Lighter(0.2) : Palette::Parchment.Lighter(0.35);
        Rgb bottom = cardShaped ? Palette::RoseDeep : Palette::ParchmentDark;
        if (s == 1) {
            top = top.Lighter(0.3);
            bottom = bottom.Lighter(0.2);
        } else if (s == 2) {
            std::swap(top, bottom);
        } else if (s == 3) {
            top = Palette::Silver.Lighter(0.3);
            bottom = Palette::Silver.Darker(0.25);
        }
        p.RoundRectPath(2, 2 + press, w - 4, h - 5, r);
        p.Linear(0, 0, 0, h, {{0, top}, {1, bottom}});
        cairo_fill(cr);
        if (s == 3) {
            p.RoundRectPath(2, 2, w - 4, h - 5, r);
            p.Color(Palette::Ink.Mix(Palette::Silver, 0.5), 0.8);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        } else {
            p.GoldFrame(2, 2 + press, w - 4, h - 5, r, 2.5);
        }
        const Rgb ink = s == 3       ? Palette::Ink.Mix(Palette::Silver, 0.6)
                        : cardShaped ? Palette::Ivory
                                     : Palette::Ink;
        double tx = w / 2.0;
        if (icon == 1) {
            // A curling arrow for undo, on the left; the caption shows the undos left.
            const double ix = 24, iy = h / 2.0 + press;
            cairo_set_line_width(cr, 3.2);
            cairo_arc_negative(cr, ix + 2, iy + 2, 9, 0.2, -kPi * 1.05);
            p.Color(ink);
            cairo_stroke(cr);
            cairo_move_to(cr, ix - 13, iy + 1);
            cairo_line_to(cr, ix - 6, iy - 8);
            cairo_line_to(cr, ix - 1, iy + 3);
            cairo_close_path(cr);
            cairo_fill(cr);
            tx = w / 2.0 + 12;
        }
        if (!text.empty()) {
            p.Color(ink);
            if (cardShaped) {
                // Two lines, stacked on the card-sized button that stands in for the stock.
                const size_t sp = text.find(' ');
                const std::string a = text.substr(0, sp),
                                  b = sp == std::string::npos ? "" : text.substr(sp + 1);
                p.Color(Palette::GoldLight);
                p.Text(FontId::GaramondBold, 21, a, tx, h / 2.0 - 4 + press, Align::Centre);
                p.Text(FontId::GaramondBold, 21, b, tx, h / 2.0 + 18 + press, Align::Centre);
                p.Rose(w / 2.0, 24 + press, 8, Palette::Blush);
                p.Rose(w / 2.0, h - 24 + press, 8, Palette::Blush);
            } else {
                p.Text(FontId::LibertineBold, h * 0.42, text, tx, h / 2.0 + h * 0.15 + press,
                       Align::Centre);
            }
        }
        out.Png(canvas, path + suffix[s] + ".png");
    }
}

void HudArt::Generate() {
    TopPanel();
    BottomPanel();
    MultiplierPanels();
    ComboPanel();
    UndoDecoration();
    Heroine(false);
    Heroine(true);
    Powerup("Cupid", 105, 160, 0);
    Powerup("Lyre", 103, 146, 1);
    Powerup("Bird", 103, 132, 2);
    PowerupsBackground();
    Ribbons();
    SlotMouseOver();
    Pearl();
    Button(kDir + "Undo", 110, 46, "", 1, true, false);
    Button(kDir + "End Combo", 86, 128, "End Combo", 0, false, true);
    Button(kDir + "End Hand", 86, 128, "End Hand", 0, false, true);
    Button(kDir + "Skip Story", 150, 46, "Skip Story", 0, false, false);
    Button("menus/Menu", 110, 40, "Menu", 0, false, false);
    Button("menus/Goals", 110, 40, "Goals", 0, false, false);
}
