#include "Emblems.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// Scales a 100 x 100 unit box onto the emblem's place.
void Box(cairo_t* cr, double cx, double cy, double size) {
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_translate(cr, -50, -50);
}
}  // namespace

void Emblems::Headpiece(const Painter& p, int value, double cx, double cy, double size,
                        const Rgb& c) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    if (value == 13) {
        cairo_move_to(cr, 14, 78);
        cairo_line_to(cr, 8, 28);
        cairo_line_to(cr, 30, 52);
        cairo_line_to(cr, 50, 14);
        cairo_line_to(cr, 70, 52);
        cairo_line_to(cr, 92, 28);
        cairo_line_to(cr, 86, 78);
        cairo_close_path(cr);
        cairo_rectangle(cr, 14, 82, 72, 10);
        p.Color(c);
        cairo_fill(cr);
        for (double x : {8.0, 50.0, 92.0}) {
            cairo_arc(cr, x, x == 50.0 ? 12 : 26, 6, 0, 2 * kPi);
        }
        cairo_fill(cr);
        p.Color(Palette::White);
        cairo_arc(cr, 50, 64, 6, 0, 2 * kPi);
        cairo_fill(cr);
    } else if (value == 12) {
        cairo_move_to(cr, 8, 84);
        cairo_curve_to(cr, 20, 50, 80, 50, 92, 84);
        cairo_curve_to(cr, 76, 70, 24, 70, 8, 84);
        p.Color(c);
        cairo_fill(cr);
        for (int i = 0; i < 5; ++i) {
            const double x = 20 + i * 15;
            const double h = i == 2 ? 44 : (i % 2 ? 30 : 20);
            p.StarPath(x, 68 - h / 2, h / 2, h / 6, 4);
        }
        cairo_fill(cr);
        cairo_arc(cr, 50, 18, 7, 0, 2 * kPi);
        cairo_fill(cr);
    } else {
        cairo_move_to(cr, 4, 80);
        cairo_curve_to(cr, 18, 30, 82, 30, 96, 80);
        cairo_curve_to(cr, 70, 66, 30, 66, 4, 80);
        p.Color(c);
        cairo_fill(cr);
        cairo_move_to(cr, 64, 50);
        cairo_curve_to(cr, 70, 18, 88, 6, 98, 12);
        cairo_curve_to(cr, 88, 16, 78, 30, 70, 52);
        cairo_close_path(cr);
        cairo_fill(cr);
        p.Color(Palette::White);
        cairo_arc(cr, 66, 52, 6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Emblems::Crown(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    cairo_move_to(cr, 12, 80);
    cairo_line_to(cr, 6, 30);
    cairo_line_to(cr, 30, 54);
    cairo_line_to(cr, 50, 16);
    cairo_line_to(cr, 70, 54);
    cairo_line_to(cr, 94, 30);
    cairo_line_to(cr, 88, 80);
    cairo_close_path(cr);
    p.GoldSource(0, 16, 0, 80);
    cairo_fill_preserve(cr);
    p.Color(Palette::GoldDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (double x : {6.0, 50.0, 94.0}) {
        cairo_arc(cr, x, x == 50.0 ? 14 : 28, 7, 0, 2 * kPi);
        p.Pearl(x, x == 50.0 ? 14 : 28, 7);
    }
    cairo_arc(cr, 50, 66, 8, 0, 2 * kPi);
    p.Color(Palette::CardRed);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Emblems::Mask(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // Feathers rising from the left side.
    const Rgb feathers[3] = {Palette::Rose, Palette::GoldLight, Palette::Green.Lighter(0.3)};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 24, 46);
        cairo_rotate(cr, -1.9 + i * 0.35);
        p.EllipsePath(30, 0, 30, 7);
        p.Color(feathers[i]);
        cairo_fill_preserve(cr);
        p.Color(feathers[i].Darker(0.4), 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_move_to(cr, 2, 0);
        cairo_line_to(cr, 58, 0);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // The mask itself.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_move_to(cr, 6, 52);
    cairo_curve_to(cr, 10, 36, 36, 36, 50, 46);
    cairo_curve_to(cr, 64, 36, 90, 36, 94, 52);
    cairo_curve_to(cr, 92, 72, 68, 78, 56, 66);
    cairo_curve_to(cr, 52, 62, 48, 62, 44, 66);
    cairo_curve_to(cr, 32, 78, 8, 72, 6, 52);
    cairo_close_path(cr);
    p.EllipsePath(30, 56, 10, 6);
    p.EllipsePath(70, 56, 10, 6);
    p.GoldSource(0, 36, 0, 76);
    cairo_fill_preserve(cr);
    p.Color(Palette::GoldDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        p.Pearl(14 + i * 12, 44 + std::abs(i - 3) * 1.0 - (i == 3 ? 2 : 0), 2.6);
    }
    cairo_restore(cr);
}

void Emblems::Key(const Painter& p, double cx, double cy, double size, int mode) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    // Bow of the key: a quatrefoil ring.
    for (int i = 0; i < 4; ++i) {
        const double a = i * kPi / 2;
        cairo_new_sub_path(cr);
        cairo_arc(cr, 50 + std::cos(a) * 8, 20 + std::sin(a) * 8, 9, 0, 2 * kPi);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 20, 6, 0, 2 * kPi);
    cairo_fill_rule_t rule = CAIRO_FILL_RULE_WINDING;
    (void)rule;
    // Shaft and bit.
    cairo_rectangle(cr, 46, 34, 8, 54);
    cairo_rectangle(cr, 54, 70, 14, 6);
    cairo_rectangle(cr, 54, 80, 10, 8);
    cairo_rectangle(cr, 42, 38, 16, 4);
    if (mode == 0) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        p.GoldSource(30, 0, 70, 100);
        cairo_fill_preserve(cr);
        p.Color(Palette::GoldDark);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_arc(cr, 50, 20, 6, 0, 2 * kPi);
        p.Color(Palette::NavyDeep);
        cairo_fill(cr);
        cairo_arc(cr, 50, 20, 3, 0, 2 * kPi);
        p.Color(Palette::CardRed);
        cairo_fill(cr);
    } else {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        p.Color(Palette::NavyDeep.Darker(0.4), 0.85);
        cairo_fill_preserve(cr);
        p.Color(Palette::Gold, 0.5);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Emblems::Padlock(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // Shackle.
    cairo_set_line_width(cr, 10);
    cairo_arc(cr, 50, 38, 22, kPi, 2 * kPi);
    cairo_line_to(cr, 72, 50);
    cairo_move_to(cr, 28, 50);
    cairo_line_to(cr, 28, 38);
    p.Color(Palette::Silver.Darker(0.2));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 5);
    p.Color(Palette::Silver.Lighter(0.3));
    cairo_stroke(cr);
    // Body.
    p.RoundRectPath(16, 48, 68, 48, 8);
    p.GoldSource(16, 48, 84, 96);
    cairo_fill_preserve(cr);
    p.Color(Palette::GoldDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    p.RoundRectPath(22, 54, 56, 36, 5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Keyhole.
    cairo_arc(cr, 50, 66, 6, 0, 2 * kPi);
    cairo_move_to(cr, 46, 68);
    cairo_line_to(cr, 54, 68);
    cairo_line_to(cr, 56, 84);
    cairo_line_to(cr, 44, 84);
    cairo_close_path(cr);
    p.Color(Palette::Ink.Darker(0.4));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Emblems::Letter(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    cairo_rectangle(cr, 8, 26, 84, 54);
    p.Linear(0, 26, 0, 80, {{0, Palette::Ivory}, {1, Palette::Parchment}});
    cairo_fill_preserve(cr);
    p.Color(Palette::ParchmentDark.Darker(0.2));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 26);
    cairo_line_to(cr, 50, 58);
    cairo_line_to(cr, 92, 26);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 80);
    cairo_line_to(cr, 40, 52);
    cairo_move_to(cr, 92, 80);
    cairo_line_to(cr, 60, 52);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Wax seal with a heart.
    cairo_arc(cr, 50, 58, 11, 0, 2 * kPi);
    p.Radial(47, 55, 1, 12,
             {{0, Palette::CardRed.Lighter(0.2)}, {1, Palette::RoseDeep.Darker(0.2)}}, {1, 1});
    cairo_fill(cr);
    p.HeartPath(50, 58, 10);
    p.Color(Palette::RoseDeep.Darker(0.35));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Emblems::Bow(const Painter& p, double cx, double cy, double size, const Rgb& satin) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // Tails.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 50, 52);
        cairo_line_to(cr, 50 + side * 10, 96);
        cairo_line_to(cr, 50 + side * 18, 90);
        cairo_line_to(cr, 50 + side * 22, 98);
        cairo_line_to(cr, 50 + side * 6, 52);
        cairo_close_path(cr);
        p.Color(satin.Darker(0.15));
        cairo_fill(cr);
    }
    // Loops.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 50, 50);
        cairo_curve_to(cr, 50 + side * 20, 20, 50 + side * 50, 22, 50 + side * 46, 44);
        cairo_curve_to(cr, 50 + side * 44, 66, 50 + side * 20, 66, 50, 50);
        p.Linear(50, 20, 50 + side * 48, 66,
                 {{0, satin.Lighter(0.35)}, {0.6, satin}, {1, satin.Darker(0.3)}});
        cairo_fill_preserve(cr);
        p.Color(satin.Darker(0.45), 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_move_to(cr, 50 + side * 8, 48);
        cairo_curve_to(cr, 50 + side * 22, 36, 50 + side * 36, 36, 50 + side * 38, 46);
        p.Color(satin.Darker(0.3), 0.6);
        cairo_stroke(cr);
    }
    p.EllipsePath(50, 50, 9, 11);
    p.Linear(0, 40, 0, 62, {{0, satin.Lighter(0.3)}, {1, satin.Darker(0.25)}});
    cairo_fill_preserve(cr);
    p.Color(satin.Darker(0.45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Emblems::Heart(const Painter& p, double cx, double cy, double size, const Rgb& c) {
    cairo_t* cr = p.Cr();
    p.HeartPath(cx, cy, size);
    p.Radial(cx - size * 0.15, cy - size * 0.2, 0, size * 0.7,
             {{0, c.Lighter(0.4)}, {1, c.Darker(0.2)}}, {1, 1});
    cairo_fill_preserve(cr);
    p.Color(c.Darker(0.5), 0.8);
    cairo_set_line_width(cr, std::max(0.6, size * 0.04));
    cairo_stroke(cr);
}

void Emblems::Arrow(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    cairo_rectangle(cr, 48, 18, 4, 70);
    p.Color(Palette::Bronze.Darker(0.2));
    cairo_fill(cr);
    cairo_move_to(cr, 50, 0);
    cairo_line_to(cr, 58, 20);
    cairo_line_to(cr, 42, 20);
    cairo_close_path(cr);
    p.GoldSource(42, 0, 58, 20);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 50, 76 + i * 7);
            cairo_line_to(cr, 50 + side * 9, 70 + i * 7 + 8);
            cairo_line_to(cr, 50 + side * 9, 70 + i * 7 + 14);
            cairo_line_to(cr, 50, 82 + i * 7);
            cairo_close_path(cr);
        }
    }
    p.Color(Palette::Rose);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Emblems::Cupid(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // A drawn bow with an arrow through a heart: Cupid's emblem.
    Heart(p, 56, 50, 44, Palette::Rose);
    cairo_set_line_width(cr, 5);
    cairo_arc(cr, 20, 50, 36, -1.05, 1.05);
    p.GoldSource(20, 10, 60, 90);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    p.Color(Palette::Ivory);
    cairo_move_to(cr, 20 + 36 * std::cos(-1.05), 50 + 36 * std::sin(-1.05));
    cairo_line_to(cr, 30, 50);
    cairo_line_to(cr, 20 + 36 * std::cos(1.05), 50 + 36 * std::sin(1.05));
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 58, 50);
    cairo_rotate(cr, kPi / 2);
    Arrow(p, 0, 0, 92);
    cairo_restore(cr);
    cairo_restore(cr);
}

void Emblems::Lyre(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // Two curved arms, a yoke and a sound box, with strings.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 50 + side * 8, 86);
        cairo_curve_to(cr, 50 + side * 40, 80, 50 + side * 40, 40, 50 + side * 22, 30);
        cairo_curve_to(cr, 50 + side * 14, 24, 50 + side * 22, 10, 50 + side * 32, 12);
    }
    cairo_set_line_width(cr, 8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    p.GoldSource(10, 10, 90, 90);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    p.Color(Palette::GoldLight, 0.6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 24, 22, 52, 6);
    p.Color(Palette::Bronze.Darker(0.3));
    cairo_fill(cr);
    p.RoundRectPath(34, 76, 32, 16, 5);
    p.GoldSource(34, 76, 66, 92);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.2);
    p.Color(Palette::Ivory);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 40 + i * 5, 28);
        cairo_line_to(cr, 40 + i * 5, 78);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Emblems::Phoenix(const Painter& p, double cx, double cy, double size) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    Box(cr, cx, cy, size);
    // Flames below, the bird rising with spread wings.
    for (int i = 0; i < 5; ++i) {
        const double x = 22 + i * 14;
        cairo_move_to(cr, x - 9, 98);
        cairo_curve_to(cr, x - 10, 84, x + 4, 80, x, 64 + (i % 2) * 8);
        cairo_curve_to(cr, x + 12, 78, x + 12, 90, x + 9, 98);
        cairo_close_path(cr);
    }
    p.Linear(0, 60, 0, 98,
             {{0, Palette::GoldLight}, {0.5, Palette::Candle}, {1, Palette::CardRed}});
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 50, 50);
        cairo_curve_to(cr, 50 + side * 20, 30, 50 + side * 36, 12, 50 + side * 48, 8);
        cairo_curve_to(cr, 50 + side * 40, 22, 50 + side * 44, 30, 50 + side * 34, 36);
        cairo_curve_to(cr, 50 + side * 38, 42, 50 + side * 30, 50, 50 + side * 22, 52);
        cairo_curve_to(cr, 50 + side * 18, 60, 50 + side * 10, 62, 50, 62);
        cairo_close_path(cr);
        p.Linear(50, 8, 50 + side * 48, 60,
                 {{0, Palette::CardRed}, {0.5, Palette::Candle}, {1, Palette::GoldLight}});
        cairo_fill_preserve(cr);
        p.Color(Palette::RoseDeep.Darker(0.3), 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    p.EllipsePath(50, 52, 7, 16);
    p.Linear(0, 36, 0, 68, {{0, Palette::Candle}, {1, Palette::CardRed}});
    cairo_fill(cr);
    cairo_arc(cr, 50, 34, 6, 0, 2 * kPi);
    p.Color(Palette::Candle);
    cairo_fill(cr);
    cairo_move_to(cr, 50, 30);
    cairo_line_to(cr, 56, 36);
    cairo_line_to(cr, 50, 38);
    p.Color(Palette::GoldDark);
    cairo_fill(cr);
    cairo_move_to(cr, 46, 70);
    cairo_curve_to(cr, 40, 84, 60, 84, 54, 70);
    p.Color(Palette::CardRed);
    cairo_fill(cr);
    cairo_restore(cr);
}
