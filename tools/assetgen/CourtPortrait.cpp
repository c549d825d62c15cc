#include "CourtPortrait.h"

#include <cmath>

#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

Rgb CoatColour(int value, int suit) {
    const Rgb byS[4] = {Palette::RoseDeep, Palette::Rose.Mix(Palette::Gold, 0.3), Palette::Navy,
                        Palette::Green};
    const Rgb base = byS[suit];
    return value == 13 ? base.Darker(0.1) : value == 12 ? base.Lighter(0.15) : base;
}
}  // namespace

void CourtPortrait::Draw(const Painter& p, int value, int suit, double cx, double cy,
                         double scale) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -50, -70);
    Bust(p, value, suit);
    Head(p, value);
    Headwear(p, value);
    cairo_restore(cr);
}

void CourtPortrait::Bust(const Painter& p, int value, int suit) {
    cairo_t* cr = p.Cr();
    const Rgb coat = CoatColour(value, suit);
    // Shoulders and body, filling the bottom of the box.
    cairo_move_to(cr, 4, 140);
    cairo_curve_to(cr, 4, 104, 18, 92, 38, 88);
    cairo_line_to(cr, 62, 88);
    cairo_curve_to(cr, 82, 92, 96, 104, 96, 140);
    cairo_close_path(cr);
    p.Linear(0, 88, 0, 140, {{0, coat.Lighter(0.2)}, {1, coat.Darker(0.25)}});
    cairo_fill_preserve(cr);
    p.Color(coat.Darker(0.5), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Neck.
    cairo_rectangle(cr, 44, 74, 12, 18);
    p.Color(Palette::Skin.Darker(0.06));
    cairo_fill(cr);
    if (value == 11) {
        // Tailcoat lapels and a white cravat.
        cairo_move_to(cr, 38, 88);
        cairo_line_to(cr, 50, 120);
        cairo_line_to(cr, 30, 140);
        cairo_line_to(cr, 22, 104);
        cairo_close_path(cr);
        cairo_move_to(cr, 62, 88);
        cairo_line_to(cr, 50, 120);
        cairo_line_to(cr, 70, 140);
        cairo_line_to(cr, 78, 104);
        cairo_close_path(cr);
        p.Color(coat.Darker(0.3));
        cairo_fill(cr);
        cairo_move_to(cr, 40, 86);
        cairo_curve_to(cr, 44, 96, 56, 96, 60, 86);
        cairo_curve_to(cr, 58, 104, 54, 110, 50, 116);
        cairo_curve_to(cr, 46, 110, 42, 104, 40, 86);
        p.Color(Palette::Ivory);
        cairo_fill_preserve(cr);
        p.Color(Palette::ParchmentDark, 0.9);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        // Brass buttons.
        for (int i = 0; i < 3; ++i) {
            cairo_arc(cr, 34 - i * 2, 112 + i * 9, 2, 0, 2 * kPi);
            cairo_arc(cr, 66 + i * 2, 112 + i * 9, 2, 0, 2 * kPi);
            p.Color(Palette::Gold);
            cairo_fill(cr);
        }
    } else if (value == 12) {
        // A high-waisted gown with a low neckline, puffed sleeves and pearls.
        cairo_move_to(cr, 30, 92);
        cairo_curve_to(cr, 40, 106, 60, 106, 70, 92);
        cairo_line_to(cr, 62, 88);
        cairo_line_to(cr, 38, 88);
        cairo_close_path(cr);
        p.Color(Palette::Skin);
        cairo_fill(cr);
        for (double sx : {12.0, 88.0}) {
            p.EllipsePath(sx, 106, 12, 14);
            p.Linear(0, 92, 0, 120, {{0, coat.Lighter(0.35)}, {1, coat.Darker(0.1)}});
            cairo_fill(cr);
        }
        cairo_rectangle(cr, 20, 120, 60, 6);
        p.GoldSource(0, 120, 0, 126);
        cairo_fill(cr);
        for (int i = 0; i < 9; ++i) {
            const double t = (i - 4) / 4.0;
            p.Pearl(50 + t * 14, 94 + (1 - t * t) * 6, 1.8);
        }
    } else {
        // Ermine collar over a royal robe, and a chain of office.
        cairo_move_to(cr, 14, 112);
        cairo_curve_to(cr, 24, 90, 76, 90, 86, 112);
        cairo_curve_to(cr, 70, 104, 30, 104, 14, 112);
        p.Color(Palette::Ivory);
        cairo_fill_preserve(cr);
        p.Color(Palette::ParchmentDark);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        p.Color(Palette::Ink);
        for (int i = 0; i < 7; ++i) {
            cairo_rectangle(cr, 22 + i * 9.5, 100 + (i % 2) * 3, 1.6, 3.2);
        }
        cairo_fill(cr);
        cairo_move_to(cr, 30, 110);
        cairo_curve_to(cr, 40, 128, 60, 128, 70, 110);
        cairo_set_line_width(cr, 2.4);
        p.GoldSource(30, 110, 70, 128);
        cairo_stroke(cr);
        p.StarPath(50, 128, 5, 2.2, 5);
        p.GoldSource(45, 123, 55, 133);
        cairo_fill(cr);
    }
}

void CourtPortrait::Head(const Painter& p, int value) {
    cairo_t* cr = p.Cr();
    // Hair behind the face.
    const Rgb hair = value == 13   ? Palette::Silver.Lighter(0.2)
                     : value == 12 ? Palette::Ink.Lighter(0.12)
                                   : Palette::Bronze.Darker(0.35);
    if (value == 12) {
        // Ringlets falling either side.
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 3; ++i) {
                cairo_arc(cr, 50 + side * 19, 58 + i * 8, 5, 0, 2 * kPi);
            }
        }
        p.EllipsePath(50, 44, 22, 18);
        p.Color(hair);
        cairo_fill(cr);
    } else {
        p.EllipsePath(50, 50, 20, 22);
        p.Color(hair);
        cairo_fill(cr);
    }
    // Face.
    p.EllipsePath(50, 56, 15, 19);
    p.Radial(46, 50, 2, 22, {{0, Palette::Skin.Lighter(0.3)}, {1, Palette::Skin.Darker(0.08)}},
             {1, 1});
    cairo_fill(cr);
    // Fringe.
    cairo_move_to(cr, 34, 50);
    cairo_curve_to(cr, 36, 34, 64, 34, 66, 50);
    cairo_curve_to(cr, 58, 42, 46, 40, 34, 50);
    p.Color(hair);
    cairo_fill(cr);
    // Cheeks, eyes, brows, mouth.
    p.Color(Palette::Rose, 0.35);
    cairo_arc(cr, 41, 62, 3.5, 0, 2 * kPi);
    cairo_arc(cr, 59, 62, 3.5, 0, 2 * kPi);
    cairo_fill(cr);
    p.Color(Palette::Ink);
    cairo_arc(cr, 44, 55, 1.6, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, 56, 55, 1.6, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 40, 51);
    cairo_curve_to(cr, 42, 49, 46, 49, 47, 51);
    cairo_move_to(cr, 53, 51);
    cairo_curve_to(cr, 54, 49, 58, 49, 60, 51);
    cairo_stroke(cr);
    cairo_move_to(cr, 50, 56);
    cairo_curve_to(cr, 49, 60, 49, 62, 51, 62);
    p.Color(Palette::Skin.Darker(0.3));
    cairo_stroke(cr);
    cairo_move_to(cr, 45, 67);
    cairo_curve_to(cr, 48, 69.5, 52, 69.5, 55, 67);
    p.Color(Palette::RoseDeep);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    if (value == 13) {
        // A short royal beard.
        cairo_move_to(cr, 37, 62);
        cairo_curve_to(cr, 38, 80, 62, 80, 63, 62);
        cairo_curve_to(cr, 58, 72, 42, 72, 37, 62);
        p.Color(hair.Darker(0.05));
        cairo_fill(cr);
    }
}

void CourtPortrait::Headwear(const Painter& p, int value) {
    cairo_t* cr = p.Cr();
    if (value == 13) {
        cairo_move_to(cr, 32, 38);
        cairo_line_to(cr, 30, 14);
        cairo_line_to(cr, 40, 26);
        cairo_line_to(cr, 50, 8);
        cairo_line_to(cr, 60, 26);
        cairo_line_to(cr, 70, 14);
        cairo_line_to(cr, 68, 38);
        cairo_close_path(cr);
        p.GoldSource(30, 8, 70, 38);
        cairo_fill_preserve(cr);
        p.Color(Palette::GoldDark);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (double x : {30.0, 50.0, 70.0}) {
            cairo_arc(cr, x, x == 50.0 ? 8 : 14, 2.4, 0, 2 * kPi);
            p.Color(Palette::Ivory);
            cairo_fill(cr);
        }
        cairo_arc(cr, 50, 31, 3, 0, 2 * kPi);
        p.Color(Palette::CardRed);
        cairo_fill(cr);
        cairo_arc(cr, 39, 32, 2, 0, 2 * kPi);
        cairo_arc(cr, 61, 32, 2, 0, 2 * kPi);
        p.Color(Palette::Navy.Lighter(0.2));
        cairo_fill(cr);
    } else if (value == 12) {
        cairo_move_to(cr, 34, 34);
        cairo_curve_to(cr, 40, 20, 60, 20, 66, 34);
        cairo_curve_to(cr, 60, 28, 40, 28, 34, 34);
        p.GoldSource(34, 20, 66, 34);
        cairo_fill(cr);
        for (int i = 0; i < 5; ++i) {
            const double x = 38 + i * 6;
            const double h = i == 2 ? 12 : (i % 2 ? 8 : 6);
            p.StarPath(x, 28 - h / 2, h / 2, h / 5, 4);
            p.GoldSource(x - 3, 20, x + 3, 30);
            cairo_fill(cr);
        }
        p.Pearl(50, 17, 2.4);
    } else {
        // A bicorne hat with a cockade and plume.
        cairo_move_to(cr, 22, 36);
        cairo_curve_to(cr, 30, 14, 70, 14, 78, 36);
        cairo_curve_to(cr, 64, 30, 36, 30, 22, 36);
        p.Color(Palette::Ink.Darker(0.3));
        cairo_fill(cr);
        cairo_move_to(cr, 22, 36);
        cairo_curve_to(cr, 36, 30, 64, 30, 78, 36);
        p.Color(Palette::Gold);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        cairo_arc(cr, 60, 26, 3.5, 0, 2 * kPi);
        p.Color(Palette::RoseDeep);
        cairo_fill(cr);
        cairo_move_to(cr, 60, 24);
        cairo_curve_to(cr, 66, 8, 80, 4, 86, 10);
        cairo_curve_to(cr, 78, 10, 70, 16, 62, 26);
        p.Color(Palette::Ivory);
        cairo_fill_preserve(cr);
        p.Color(Palette::ParchmentDark);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}
