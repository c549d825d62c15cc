#include "StoryItemArt.h"

#include <cmath>

#include "Emblems.h"
#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Canvas StoryItemArt::Item(int number, int size) const {
    Canvas canvas(size, size);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const double s = size / 100.0;
    cairo_scale(cr, s, s);
    // Medallion: a glow, a gilt rim with pearls, a parchment field.
    p.Glow(50, 50, 50, Palette::Candle, 0.45);
    cairo_arc(cr, 50, 50, 43, 0, 2 * kPi);
    p.Radial(44, 42, 4, 48,
             {{0, Palette::Ivory.Lighter(0.4)}, {1, Palette::Parchment.Darker(0.05)}}, {1, 1});
    cairo_fill(cr);
    cairo_arc(cr, 50, 50, 43, 0, 2 * kPi);
    cairo_set_line_width(cr, 4);
    p.GoldSource(7, 7, 93, 93);
    cairo_stroke(cr);
    cairo_arc(cr, 50, 50, 38, 0, 2 * kPi);
    cairo_set_line_width(cr, 0.7);
    p.Color(Palette::GoldDark, 0.6);
    cairo_stroke(cr);
    for (int i = 0; i < 24; ++i) {
        const double a = i * kPi / 12;
        p.Pearl(50 + std::cos(a) * 43, 50 + std::sin(a) * 43, 1.5);
    }
    cairo_save(cr);
    cairo_translate(cr, 50, 50);
    cairo_scale(cr, 0.7, 0.7);
    cairo_translate(cr, -50, -50);
    Keepsake(p, number);
    cairo_restore(cr);
    return canvas;
}

void StoryItemArt::Keepsake(const Painter& p, int number) const {
    cairo_t* cr = p.Cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (number) {
        case 1: {  // Dance card with its pencil on a ribbon.
            cairo_save(cr);
            cairo_translate(cr, 50, 50);
            cairo_rotate(cr, -0.15);
            p.RoundRectPath(-26, -36, 52, 72, 4);
            p.Linear(0, -36, 0, 36, {{0, Palette::Ivory}, {1, Palette::Blush}});
            cairo_fill_preserve(cr);
            p.GoldSource(-26, -36, 26, 36);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            p.Color(Palette::RoseDeep);
            p.Text(FontId::GaramondItalic, 11, "Dances", 0, -20, Align::Centre);
            cairo_set_line_width(cr, 0.8);
            p.Color(Palette::Ink, 0.5);
            for (int i = 0; i < 5; ++i) {
                cairo_move_to(cr, -18, -10 + i * 9);
                cairo_line_to(cr, 18, -10 + i * 9);
            }
            cairo_stroke(cr);
            cairo_restore(cr);
            cairo_move_to(cr, 72, 20);
            cairo_curve_to(cr, 86, 40, 80, 60, 76, 84);
            p.Color(Palette::Rose);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_save(cr);
            cairo_translate(cr, 76, 84);
            cairo_rotate(cr, 0.3);
            cairo_rectangle(cr, -2.5, -4, 5, 16);
            p.GoldSource(-3, 0, 3, 0);
            cairo_fill(cr);
            cairo_restore(cr);
            break;
        }
        case 2: {  // An open silk fan.
            const double fx = 50, fy = 80;
            for (int i = 0; i < 12; ++i) {
                const double a0 = -kPi * 0.92 + i * kPi * 0.07;
                cairo_move_to(cr, fx, fy);
                cairo_arc(cr, fx, fy, 56, a0, a0 + kPi * 0.07);
                cairo_close_path(cr);
                p.Color(i % 2 ? Palette::Blush : Palette::Ivory);
                cairo_fill_preserve(cr);
                p.Color(Palette::GoldDark, 0.6);
                cairo_set_line_width(cr, 0.6);
                cairo_stroke(cr);
            }
            cairo_arc(cr, fx, fy, 56, -kPi * 0.92, -kPi * 0.92 + 12 * kPi * 0.07);
            cairo_set_line_width(cr, 3);
            p.GoldSource(0, 20, 100, 80);
            cairo_stroke(cr);
            for (int i = 0; i < 3; ++i) {
                const double a = -kPi * 0.75 + i * kPi * 0.25;
                p.Rose(fx + std::cos(a) * 40, fy + std::sin(a) * 40, 6, Palette::Rose);
            }
            cairo_arc(cr, fx, fy, 4, 0, 2 * kPi);
            p.Color(Palette::GoldDark);
            cairo_fill(cr);
            break;
        }
        case 3:  // A sealed letter.
            cairo_save(cr);
            cairo_translate(cr, 50, 50);
            cairo_rotate(cr, 0.12);
            Emblems::Letter(p, 0, 0, 92);
            cairo_restore(cr);
            break;
        case 4: {  // A heart locket on a chain.
            cairo_set_line_width(cr, 1.6);
            p.GoldSource(0, 0, 100, 50);
            for (int i = 0; i < 14; ++i) {
                const double t = i / 13.0;
                const double x = 20 + t * 60, y = 12 + 30 * std::sin(t * kPi) * 0.9;
                p.EllipsePath(x, 44 - y, 2.2, 1.5);
                cairo_stroke(cr);
            }
            p.HeartPath(50, 62, 48);
            p.GoldSource(26, 38, 74, 86);
            cairo_fill_preserve(cr);
            p.Color(Palette::GoldDark);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            p.HeartPath(50, 62, 34);
            p.Color(Palette::GoldDark, 0.5);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_arc(cr, 50, 62, 6, 0, 2 * kPi);
            p.Color(Palette::CardRed);
            cairo_fill(cr);
            break;
        }
        case 5:  // A string of pearls on a velvet cushion.
            p.EllipsePath(50, 56, 46, 40);
            p.Radial(44, 46, 4, 50, {{0, Palette::Navy.Lighter(0.3)}, {1, Palette::NavyDeep}},
                     {1, 1});
            cairo_fill(cr);
            for (int i = 0; i < 19; ++i) {
                const double a = kPi * 0.1 + i * kPi * 0.8 / 18;
                p.Pearl(50 + std::cos(a) * 36, 30 + std::sin(a) * 48, 5);
            }
            p.Pearl(50, 84, 8);
            break;
        case 6: {  // A pocket watch.
            cairo_arc(cr, 50, 12, 6, 0, 2 * kPi);
            cairo_set_line_width(cr, 3);
            p.GoldSource(40, 4, 60, 20);
            cairo_stroke(cr);
            cairo_rectangle(cr, 45, 16, 10, 8);
            cairo_fill(cr);
            cairo_arc(cr, 50, 58, 34, 0, 2 * kPi);
            p.GoldSource(16, 24, 84, 92);
            cairo_fill(cr);
            cairo_arc(cr, 50, 58, 28, 0, 2 * kPi);
            p.Color(Palette::Ivory);
            cairo_fill(cr);
            p.Color(Palette::Ink);
            for (int i = 0; i < 12; ++i) {
                const double a = i * kPi / 6;
                cairo_arc(cr, 50 + std::cos(a) * 23, 58 + std::sin(a) * 23, i % 3 == 0 ? 1.8 : 1, 0,
                          2 * kPi);
                cairo_fill(cr);
            }
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_width(cr, 2.2);
            cairo_move_to(cr, 50, 58);
            cairo_line_to(cr, 50, 40);
            cairo_move_to(cr, 50, 58);
            cairo_line_to(cr, 63, 64);
            cairo_stroke(cr);
            break;
        }
        case 7: {  // A long-stemmed red rose.
            cairo_move_to(cr, 50, 40);
            cairo_curve_to(cr, 46, 60, 56, 76, 48, 96);
            p.Color(Palette::Green);
            cairo_set_line_width(cr, 3.5);
            cairo_stroke(cr);
            p.Leaf(50, 66, 22, -0.5, Palette::Green.Lighter(0.15));
            p.Leaf(50, 78, 20, kPi + 0.4, Palette::Green.Lighter(0.1));
            p.Rose(50, 32, 22, Palette::CardRed.Lighter(0.1));
            break;
        }
        case 8: {  // A gold ring with a stone.
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            p.EllipsePath(50, 62, 32, 26);
            p.EllipsePath(50, 62, 25, 19);
            p.GoldSource(18, 36, 82, 88);
            cairo_fill(cr);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_move_to(cr, 50, 12);
            cairo_line_to(cr, 66, 26);
            cairo_line_to(cr, 50, 44);
            cairo_line_to(cr, 34, 26);
            cairo_close_path(cr);
            p.Linear(34, 12, 66, 44,
                     {{0, Palette::Navy.Lighter(0.7)},
                      {0.5, Palette::Navy.Lighter(0.3)},
                      {1, Palette::NavyDeep}});
            cairo_fill_preserve(cr);
            p.Color(Palette::White, 0.7);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            p.StarPath(44, 22, 5, 1, 4);
            p.Color(Palette::White);
            cairo_fill(cr);
            break;
        }
        case 9: {  // A miniature portrait of a gentleman in profile.
            p.EllipsePath(50, 52, 32, 42);
            p.GoldSource(18, 10, 82, 94);
            cairo_fill(cr);
            p.EllipsePath(50, 52, 26, 36);
            p.Linear(0, 16, 0, 88,
                     {{0, Palette::Navy.Lighter(0.6)}, {1, Palette::Navy.Lighter(0.3)}});
            cairo_fill(cr);
            cairo_move_to(cr, 40, 86);
            cairo_curve_to(cr, 38, 74, 44, 70, 46, 66);
            cairo_curve_to(cr, 42, 64, 40, 58, 41, 54);
            cairo_line_to(cr, 37, 50);
            cairo_line_to(cr, 41, 46);
            cairo_curve_to(cr, 40, 34, 48, 26, 56, 28);
            cairo_curve_to(cr, 66, 30, 68, 42, 64, 52);
            cairo_curve_to(cr, 62, 60, 62, 66, 66, 70);
            cairo_curve_to(cr, 72, 74, 76, 80, 76, 86);
            cairo_close_path(cr);
            p.Color(Palette::Ink.Darker(0.2));
            cairo_fill(cr);
            p.Pearl(50, 12, 3);
            break;
        }
        default:  // A tiara on a velvet cushion.
            p.EllipsePath(50, 56, 46, 40);
            p.Radial(44, 46, 4, 50,
                     {{0, Palette::RoseDeep.Lighter(0.2)}, {1, Palette::RoseDeep.Darker(0.3)}},
                     {1, 1});
            cairo_fill(cr);
            Emblems::Headpiece(p, 12, 50, 52, 84, Palette::Gold.Lighter(0.25));
            for (int i = 0; i < 5; ++i) p.Pearl(22 + i * 14, 64 - (i == 2 ? 8 : 0), 3.5);
            cairo_arc(cr, 50, 40, 5, 0, 2 * kPi);
            p.Color(Palette::Rose);
            cairo_fill(cr);
            break;
    }
}

void StoryItemArt::Generate() {
    for (int i = 1; i <= 10; ++i) {
        out.Png(Item(i, SMALL), "graphics/Story Items/StoryItem" + std::to_string(i) + ".png");
        out.Png(Item(i, LARGE),
                "graphics/Story Items/Large/StoryItem" + std::to_string(i) + ".png");
    }
}
