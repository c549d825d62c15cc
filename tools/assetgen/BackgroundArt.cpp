#include "BackgroundArt.h"

#include <cmath>

#include "Palette.h"
#include "SceneKit.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 1024;
constexpr int kH = 768;

const Rgb kLeaf = Palette::Green.Lighter(0.1);
const Rgb kLeafDark = Palette::GreenDeep;
const Rgb kStone = Palette::Parchment.Darker(0.05);

void DaySky(SceneKit& k, double horizon) {
    k.Sky({{0, Rgb{0.40, 0.55, 0.78}},
           {0.6, Rgb{0.70, 0.80, 0.92}},
           {1, Palette::Blush.Lighter(0.35)}},
          horizon);
    k.Clouds(9, 60, horizon - 120, Palette::White, 0.55);
}

void SunsetSky(SceneKit& k, double horizon) {
    k.Sky({{0, Palette::Navy.Lighter(0.1)},
           {0.45, Palette::Rose.Lighter(0.1)},
           {0.8, Palette::Candle},
           {1, Palette::GoldLight}},
          horizon);
}

void NightSky(SceneKit& k, double horizon) {
    k.Sky(
        {{0, Palette::NavyDeep.Darker(0.3)}, {0.7, Palette::Navy}, {1, Palette::Navy.Lighter(0.2)}},
        horizon);
    k.Stars(220, horizon - 40);
}

void Garden(SceneKit& k, const Painter& p) {  // 1: a formal spring garden before the house.
    cairo_t* cr = p.Cr();
    DaySky(k, 420);
    k.Hills(400, 22, 700, Palette::Green.Lighter(0.45));
    k.TreeLine(404, 110, 5, kLeaf.Lighter(0.25));
    k.Manor(700, 404, 300, 120, kStone, false);
    k.Tree(930, 412, 170, kLeaf);
    k.Tree(380, 410, 150, kLeaf.Lighter(0.1));
    k.Ground(400, Palette::Green.Lighter(0.1), Palette::Green.Lighter(0.42));
    // A gravel walk up the middle to the house.
    cairo_move_to(cr, 480, 404);
    cairo_line_to(cr, 544, 404);
    cairo_line_to(cr, 720, 768);
    cairo_line_to(cr, 304, 768);
    cairo_close_path(cr);
    p.Linear(0, 404, 0, 768, {{0, Palette::Parchment}, {1, Palette::ParchmentDark.Darker(0.05)}});
    cairo_fill(cr);
    // Box hedges with rose beds along them, nearer ones larger.
    for (int row = 0; row < 4; ++row) {
        const double t = row / 3.0;
        const double y = 430 + std::pow(t, 1.3) * 300, h = 14 + t * 34;
        const double inner = 478 - t * 170;
        k.Hedge(-20, inner, y, h, kLeafDark.Lighter(0.2));
        k.Hedge(1024 - inner, 1044, y, h, kLeafDark.Lighter(0.2));
        Random& r = k.Rng();
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < 10 + row * 6; ++i) {
                const double x0 = side == 0 ? -10 : 1024 - inner, x1 = side == 0 ? inner : 1034;
                p.Rose(r.Range(x0 + 8, x1 - 8), y - h - r.Range(-2, 4), 3 + t * 6,
                       r.Unit() < 0.6 ? Palette::Rose : Palette::Blush.Darker(0.05));
            }
        }
    }
    // Topiary cones in urns either side of the walk.
    for (int side = -1; side <= 1; side += 2) {
        const double x = 512 + side * 150, y = 560;
        cairo_move_to(cr, x - 24, y - 30);
        cairo_line_to(cr, x + 24, y - 30);
        cairo_line_to(cr, x + 16, y);
        cairo_line_to(cr, x - 16, y);
        cairo_close_path(cr);
        p.Linear(x - 24, 0, x + 24, 0,
                 {{0, Palette::Ivory}, {1, Palette::ParchmentDark.Darker(0.1)}});
        cairo_fill(cr);
        k.Poplar(x, y - 30, 150, kLeafDark.Lighter(0.1));
    }
    k.Flowers(0, 1024, 720, 768, 60, {Palette::Rose, Palette::Ivory}, 3);
}

void ManorAtSunset(SceneKit& k, const Painter& p) {  // 2: the house at sunset over its canal.
    cairo_t* cr = p.Cr();
    SunsetSky(k, 440);
    k.Sun(250, 396, 30, Palette::GoldLight, 0.45);
    k.Clouds(7, 90, 280, Palette::Blush, 0.4);
    k.Hills(430, 26, 620, Palette::Green.Darker(0.2).Mix(Palette::Rose, 0.15));
    k.TreeLine(436, 100, 6, kLeafDark.Lighter(0.05));
    k.Manor(560, 440, 420, 170, kStone.Mix(Palette::Candle, 0.2), true);
    k.Tree(140, 450, 190, kLeafDark.Lighter(0.1));
    k.Tree(920, 455, 210, kLeafDark);
    k.Ground(440, Palette::GreenDeep.Lighter(0.1), Palette::Green.Mix(Palette::Candle, 0.25));
    // A long canal reaching from the house towards us, holding the sunset.
    cairo_move_to(cr, 500, 452);
    cairo_line_to(cr, 620, 452);
    cairo_line_to(cr, 840, 768);
    cairo_line_to(cr, 280, 768);
    cairo_close_path(cr);
    cairo_path_t* canal = cairo_copy_path(cr);
    p.Linear(0, 452, 0, 768,
             {{0, Palette::Candle}, {0.4, Palette::Rose}, {1, Palette::Navy.Lighter(0.1)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, canal);
    cairo_clip(cr);
    k.Reflection(560, 150, 456, 120, kStone.Mix(Palette::Candle, 0.3));
    for (int i = 0; i < 40; ++i) {
        const double y = 460 + i * 8, w = 20 + i * 3;
        cairo_move_to(cr, 560 - w / 2 + std::sin(i * 1.3) * 30, y);
        cairo_line_to(cr, 560 + w / 2 + std::sin(i * 1.3) * 30, y);
        cairo_set_line_width(cr, 1.2);
        p.Color(Palette::GoldLight, 0.35);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_append_path(cr, canal);
    cairo_set_line_width(cr, 4);
    p.Color(kStone.Darker(0.2));
    cairo_stroke(cr);
    cairo_path_destroy(canal);
    // Clipped yews along both banks, lengthening towards us.
    for (int i = 0; i < 5; ++i) {
        const double t = i / 4.0;
        const double y = 480 + std::pow(t, 1.4) * 270, h = 40 + t * 130;
        k.Poplar(470 - t * 250, y, h, kLeafDark);
        k.Poplar(650 + t * 250, y, h, kLeafDark);
    }
    k.Hedge(-10, 300, 470, 20, kLeafDark);
    k.Hedge(820, 1034, 470, 20, kLeafDark);
}

void Ballroom(SceneKit& k, const Painter& p, bool night) {  // 3, and 20 with fireworks outside
    k.Wall(0, 470, Palette::RoseDeep.Lighter(0.15), false);
    const Rgb colours[4] = {Palette::Rose.Lighter(0.3), Palette::GoldLight,
                            Palette::Green.Lighter(0.5), Palette::Candle};
    for (int i = 0; i < 4; ++i) {
        const double x = 90 + i * 240;
        k.ArchWindow(x, 120, 120, 300,
                     night ? Palette::NavyDeep.Lighter(0.15) : Palette::Navy.Lighter(0.6), false,
                     Palette::Gold);
        if (night) {
            // Fireworks over the park, seen through the glass.
            cairo_save(p.Cr());
            cairo_rectangle(p.Cr(), x + 3, 123, 114, 294);
            cairo_clip(p.Cr());
            k.Firework(x + 60 + (i % 2 ? 20 : -15), 200 + (i % 3) * 30, 34 + (i % 2) * 10,
                       colours[i]);
            cairo_restore(p.Cr());
        }
        k.Curtain(x - 24, 110, 54, 312, Palette::Gold.Darker(0.1), true);
        k.Curtain(x + 90, 110, 54, 312, Palette::Gold.Darker(0.1), false);
    }
    for (int i = 0; i < 5; ++i) k.Column(30 + i * 240, 60, 480, 34, Palette::Ivory.Darker(0.08));
    // Gilt cornice with dentils along the ceiling.
    cairo_t* cr = p.Cr();
    cairo_rectangle(cr, 0, 0, kW, 44);
    p.Linear(0, 0, 0, 44, {{0, Palette::Ivory}, {1, Palette::Ivory.Darker(0.2)}});
    cairo_fill(cr);
    for (int x = 0; x < kW; x += 16) cairo_rectangle(cr, x, 34, 9, 10);
    p.Color(Palette::Ivory.Darker(0.35));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 44, kW, 6);
    p.GoldSource(0, 44, 0, 50);
    cairo_fill(cr);
    k.Parquet(470, Palette::Bronze.Darker(0.3).Mix(Palette::RoseDeep, 0.15), Palette::Ink);
    // Couples on the floor, the ladies' gowns pale against the coats.
    Random& r = k.Rng();
    const Rgb gowns[3] = {Palette::Ivory, Palette::Blush, Palette::Navy.Lighter(0.6)};
    for (int i = 0; i < 7; ++i) {
        const double x = 70 + i * 140 + r.Range(-20, 20), y = 540 + r.Range(-20, 50);
        k.Couple(x, y, 0.75 + (y - 520) / 260, Palette::NavyDeep.Darker(0.3), gowns[i % 3], false);
    }
    k.Chandelier(270, 70, 90);
    k.Chandelier(754, 70, 90);
    k.Chandelier(512, 30, 70);
}

void Lake(SceneKit& k, const Painter& p) {  // 4: a park lake with swans and a temple folly.
    cairo_t* cr = p.Cr();
    DaySky(k, 380);
    k.Hills(360, 24, 500, Palette::Green.Lighter(0.35));
    k.TreeLine(372, 130, 10, kLeaf.Lighter(0.1));
    // The folly: a round temple with a dome on the far bank.
    const Rgb marble = Palette::Ivory;
    cairo_rectangle(cr, 678, 366, 112, 8);
    p.Color(marble.Darker(0.15));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) k.Column(690 + i * 22, 304, 366, 9, marble);
    cairo_rectangle(cr, 680, 292, 108, 12);
    p.Color(marble.Darker(0.05));
    cairo_fill(cr);
    cairo_arc(cr, 734, 292, 50, kPi, 2 * kPi);
    p.Linear(684, 0, 784, 0, {{0, marble}, {1, marble.Darker(0.25)}});
    cairo_fill(cr);
    k.Water(372, 600, Rgb{0.24, 0.42, 0.58}, Rgb{0.56, 0.70, 0.84}, Palette::White);
    k.Reflection(734, 110, 376, 90, marble);
    for (int i = 0; i < 9; ++i) k.Reflection(60 + i * 115, 70, 376, 40, kLeaf.Darker(0.2));
    k.Swan(330, 500, 34);
    k.Swan(450, 540, 26);
    // The near bank, with reeds at the water's edge.
    cairo_move_to(cr, 0, 600);
    for (int x = 0; x <= kW; x += 32) cairo_line_to(cr, x, 596 + 6 * std::sin(x * 0.02));
    cairo_line_to(cr, kW, kH);
    cairo_line_to(cr, 0, kH);
    cairo_close_path(cr);
    p.Linear(0, 596, 0, kH, {{0, Palette::Green.Lighter(0.25)}, {1, Palette::Green.Darker(0.15)}});
    cairo_fill(cr);
    Random& r = k.Rng();
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 90; ++i) {
        const double x = r.Range(0, kW), h = r.Range(14, 34);
        cairo_move_to(cr, x, 604);
        cairo_curve_to(cr, x + 2, 604 - h * 0.5, x + r.Range(-6, 6), 604 - h * 0.8,
                       x + r.Range(-8, 8), 604 - h);
        p.Color(Palette::GreenDeep.Lighter(0.2), 0.8);
        cairo_stroke(cr);
    }
    k.Flowers(0, 1024, 620, 768, 90, {Palette::Ivory, Palette::GoldLight, Palette::Blush}, 3);
    k.Tree(80, 680, 300, kLeafDark.Lighter(0.1));
    k.Tree(970, 690, 280, kLeafDark);
}

void Seaside(SceneKit& k, const Painter& p) {  // 5: the sea front with bathing machines.
    cairo_t* cr = p.Cr();
    DaySky(k, 380);
    k.Sun(840, 120, 24, Palette::GoldLight, 0.3);
    // Chalk cliffs with a green crown on the right.
    cairo_move_to(cr, 640, 380);
    cairo_curve_to(cr, 700, 300, 760, 270, 840, 262);
    cairo_curve_to(cr, 920, 256, 980, 250, 1024, 246);
    cairo_line_to(cr, 1024, 400);
    cairo_close_path(cr);
    p.Linear(640, 0, 1024, 0, {{0, Palette::Ivory.Darker(0.1)}, {1, Palette::Ivory.Darker(0.25)}});
    cairo_fill(cr);
    cairo_move_to(cr, 700, 300);
    cairo_curve_to(cr, 760, 268, 840, 258, 1024, 240);
    cairo_line_to(cr, 1024, 256);
    cairo_curve_to(cr, 900, 266, 800, 276, 700, 300);
    cairo_close_path(cr);
    p.Color(Palette::Green.Lighter(0.3));
    cairo_fill(cr);
    k.Water(380, 540, Rgb{0.20, 0.45, 0.52}, Rgb{0.35, 0.55, 0.72}, Palette::White);
    // Distant sails.
    for (int i = 0; i < 3; ++i) {
        const double x = 140 + i * 190, y = 386 + i * 4;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y - 26 + i * 4);
        cairo_line_to(cr, x + 14, y);
        cairo_close_path(cr);
        p.Color(Palette::Ivory, 0.9);
        cairo_fill(cr);
    }
    // Surf along the shore, then the sand.
    cairo_rectangle(cr, 0, 530, kW, 238);
    p.Linear(0, 530, 0, 768, {{0, Palette::Parchment.Lighter(0.1)}, {1, Palette::ParchmentDark}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, 534);
    for (int x = 0; x <= kW; x += 16) cairo_line_to(cr, x, 534 + 4 * std::sin(x * 0.05));
    cairo_set_line_width(cr, 5);
    p.Color(Palette::White, 0.85);
    cairo_stroke(cr);
    // Bathing machines: striped huts on wheels at the water's edge.
    const Rgb stripes[3] = {Palette::Rose, Palette::Navy.Lighter(0.3), Palette::Green.Lighter(0.2)};
    for (int i = 0; i < 5; ++i) {
        const double x = 90 + i * 185, y = 560 + (i % 2) * 16, w = 56, h = 62;
        cairo_rectangle(cr, x, y - h, w, h);
        p.Color(Palette::Ivory);
        cairo_fill(cr);
        for (int j = 0; j < 4; ++j) {
            cairo_rectangle(cr, x + j * 14, y - h, 7, h);
        }
        p.Color(stripes[i % 3]);
        cairo_fill(cr);
        cairo_move_to(cr, x - 6, y - h);
        cairo_line_to(cr, x + w / 2, y - h - 22);
        cairo_line_to(cr, x + w + 6, y - h);
        cairo_close_path(cr);
        p.Color(stripes[i % 3].Darker(0.3));
        cairo_fill(cr);
        cairo_rectangle(cr, x + 19, y - 40, 18, 40);
        p.Color(Palette::Bronze.Darker(0.3));
        cairo_fill(cr);
        for (double wx : {x + 8, x + w - 8}) {
            cairo_arc(cr, wx, y + 6, 9, 0, 2 * kPi);
            cairo_set_line_width(cr, 3);
            p.Color(Palette::Ink);
            cairo_stroke(cr);
        }
    }
    // Gulls.
    Random& r = k.Rng();
    cairo_set_line_width(cr, 2);
    p.Color(Palette::Ink.Lighter(0.3), 0.8);
    for (int i = 0; i < 7; ++i) {
        const double x = r.Range(80, 700), y = r.Range(120, 300), s = r.Range(6, 11);
        cairo_move_to(cr, x - s, y);
        cairo_curve_to(cr, x - s * 0.5, y - s * 0.6, x - s * 0.2, y - s * 0.4, x, y);
        cairo_curve_to(cr, x + s * 0.2, y - s * 0.4, x + s * 0.5, y - s * 0.6, x + s, y);
        cairo_stroke(cr);
    }
    // The promenade rail along the bottom.
    cairo_rectangle(cr, 0, 700, kW, 10);
    p.Color(Palette::Navy.Lighter(0.2));
    cairo_fill(cr);
    for (int x = 10; x < kW; x += 32) {
        cairo_rectangle(cr, x, 706, 5, 62);
    }
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) k.Lamp(140 + i * 250, 720, 110);
}

void Library(SceneKit& k, const Painter& p) {  // 6
    cairo_t* cr = p.Cr();
    k.Wall(0, 520, Palette::GreenDeep.Lighter(0.1), false);
    // Shelves of books on both sides.
    Random& r = k.Rng();
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0 : 700;
        cairo_rectangle(cr, x0, 40, 324, 500);
        p.Color(Palette::Bronze.Darker(0.45));
        cairo_fill(cr);
        for (int shelf = 0; shelf < 6; ++shelf) {
            const double y = 120 + shelf * 75;
            double x = x0 + 12;
            while (x < x0 + 312) {
                const double bw = r.Range(7, 15), bh = r.Range(46, 64);
                const Rgb cols[5] = {Palette::RoseDeep, Palette::Navy, Palette::Green,
                                     Palette::Bronze, Palette::Ink.Lighter(0.2)};
                cairo_rectangle(cr, x, y - bh, bw, bh);
                p.Color(cols[r.Int(0, 4)].Lighter(r.Range(0, 0.2)));
                cairo_fill(cr);
                cairo_rectangle(cr, x + 1, y - bh + 8, bw - 2, 2);
                p.Color(Palette::Gold, 0.7);
                cairo_fill(cr);
                x += bw + 1;
            }
            cairo_rectangle(cr, x0, y, 324, 8);
            p.Color(Palette::Bronze.Darker(0.2));
            cairo_fill(cr);
        }
    }
    k.ArchWindow(412, 90, 200, 360, Palette::Navy.Lighter(0.6), true, Palette::RoseDeep);
    k.Parquet(520, Palette::Bronze.Darker(0.3), Palette::Ink);
    // A globe on its stand.
    cairo_arc(cr, 512, 500, 40, 0, 2 * kPi);
    p.Radial(500, 488, 4, 44, {{0, Palette::Parchment}, {1, Palette::Bronze}}, {1, 1});
    cairo_fill(cr);
    cairo_arc(cr, 512, 500, 46, kPi * 0.8, kPi * 2.2);
    cairo_set_line_width(cr, 3);
    p.GoldSource(466, 454, 558, 546);
    cairo_stroke(cr);
    k.Candle(380, 470, 30);
    k.Candle(644, 470, 30);
}

void TownAtDusk(SceneKit& k, const Painter& p) {  // 7: a London street as the lamps are lit.
    cairo_t* cr = p.Cr();
    k.Sky({{0, Palette::NavyDeep},
           {0.55, Palette::Navy.Lighter(0.2)},
           {0.85, Palette::Rose},
           {1, Palette::Candle}},
          520);
    k.Stars(60, 200);
    k.Moon(880, 80, 22);
    const Rgb bricks[3] = {Palette::Bronze.Darker(0.3), Palette::RoseDeep.Darker(0.15),
                           Palette::Parchment.Darker(0.35)};
    for (int i = 0; i < 6; ++i) {
        k.TownHouse(i * 172 - 10, 520, 170, 300 + (i % 3) * 24, bricks[i % 3], true);
    }
    // Area railings in front of the houses.
    cairo_set_line_width(cr, 2);
    p.Color(Palette::Ink.Darker(0.4));
    for (int x = 0; x < kW; x += 9) {
        cairo_move_to(cr, x, 520);
        cairo_line_to(cr, x, 494);
    }
    cairo_move_to(cr, 0, 498);
    cairo_line_to(cr, kW, 498);
    cairo_stroke(cr);
    // Flagstone pavement, kerb, then the cobbled road.
    cairo_rectangle(cr, 0, 520, kW, 44);
    p.Linear(0, 520, 0, 564,
             {{0, Palette::Parchment.Darker(0.4)}, {1, Palette::Parchment.Darker(0.3)}});
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    p.Color(Palette::Ink, 0.35);
    for (int x = 0; x < kW; x += 60) {
        cairo_move_to(cr, x, 520);
        cairo_line_to(cr, x - 12, 564);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, 564, kW, 8);
    p.Color(Palette::Parchment.Darker(0.5));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 572, kW, kH - 572);
    p.Linear(0, 572, 0, kH, {{0, Palette::Ink.Lighter(0.25)}, {1, Palette::Ink.Lighter(0.1)}});
    cairo_fill(cr);
    Random& r = k.Rng();
    for (int row = 0; row < 16; ++row) {
        const double y = 578 + row * row * 0.75 + row * 5, s = 1 + row * 0.18;
        for (double x = (row % 2) * 6 * s; x < kW; x += 13 * s) {
            p.RoundRectPath(x, y, 11 * s, 5 * s, 2 * s);
            p.Color(Palette::Ink.Lighter(0.3 + r.Range(-0.06, 0.06)), 0.8);
            cairo_fill(cr);
        }
    }
    for (int i = 0; i < 4; ++i) {
        const double x = 120 + i * 260;
        p.Radial(x, 600, 10, 160, {{0, Palette::Candle}, {1, Palette::Candle}}, {0.28, 0});
        p.EllipsePath(x, 600, 160, 50);
        cairo_fill(cr);
        k.Lamp(x, 600, 150);
    }
}

void Theatre(SceneKit& k, const Painter& p) {  // 8
    cairo_t* cr = p.Cr();
    k.Wall(0, 768, Palette::RoseDeep.Darker(0.3), false);
    // Tiers of boxes on both sides.
    for (int side = 0; side < 2; ++side) {
        for (int tier = 0; tier < 3; ++tier) {
            for (int b = 0; b < 2; ++b) {
                const double x = side == 0 ? 20 + b * 110 : 784 + b * 110;
                const double y = 80 + tier * 150;
                p.RoundRectPath(x, y, 100, 110, 10);
                p.Color(Palette::NavyDeep.Lighter(0.1));
                cairo_fill(cr);
                cairo_rectangle(cr, x - 4, y + 80, 108, 30);
                p.GoldSource(x, y + 80, x, y + 110);
                cairo_fill(cr);
                k.Candle(x + 50, y + 40, 14);
            }
        }
    }
    // Stage with the curtain drawn up in swags.
    cairo_rectangle(cr, 250, 110, 524, 430);
    p.Linear(0, 110, 0, 540, {{0, Palette::Navy.Lighter(0.2)}, {1, Palette::Candle.Darker(0.2)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 250, 110, 524, 430);
    cairo_clip(cr);
    k.Hills(470, 30, 300, Palette::Green.Darker(0.1));
    k.Tree(330, 500, 120, Palette::Green.Darker(0.15));
    k.Tree(700, 505, 130, Palette::Green.Darker(0.2));
    cairo_restore(cr);
    k.Curtain(240, 100, 190, 450, Palette::CardRed, true);
    k.Curtain(594, 100, 190, 450, Palette::CardRed, false);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 240 + i * 109, 100);
        cairo_curve_to(cr, 260 + i * 109, 160, 330 + i * 109, 160, 349 + i * 109, 100);
    }
    p.Color(Palette::CardRed.Darker(0.1));
    cairo_fill(cr);
    cairo_rectangle(cr, 230, 60, 564, 44);
    p.GoldSource(0, 60, 0, 104);
    cairo_fill(cr);
    p.Color(Palette::Ink);
    p.Text(FontId::GaramondBold, 26, "THEATRE ROYAL", 512, 91, Align::Centre);
    cairo_rectangle(cr, 220, 540, 584, 30);
    p.Color(Palette::Bronze.Darker(0.3));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) k.Glow(260 + i * 72, 545, 40, Palette::Candle, 0.4);
    k.Ground(570, Palette::NavyDeep, Palette::RoseDeep.Darker(0.4));
    // The audience in the pit: rows of heads and bonnets against the footlights.
    Random& r = k.Rng();
    for (int row = 0; row < 3; ++row) {
        const double y = 620 + row * 60, s = 1.0 + row * 0.35;
        for (double x = r.Range(-20, 10); x < kW + 20; x += r.Range(38, 52) * s) {
            p.EllipsePath(x, y, 13 * s, 16 * s);
            cairo_move_to(cr, x - 28 * s, y + 60 * s);
            cairo_curve_to(cr, x - 26 * s, y + 16 * s, x + 26 * s, y + 16 * s, x + 28 * s,
                           y + 60 * s);
            cairo_close_path(cr);
            if (r.Unit() < 0.4) {
                p.EllipsePath(x, y - 10 * s, 20 * s, 8 * s);
                p.EllipsePath(x + 8 * s, y - 20 * s, 6 * s, 10 * s);
            }
            p.Color(Palette::NavyDeep.Darker(0.5).Mix(Palette::RoseDeep, 0.1 * (2 - row)));
            cairo_fill(cr);
        }
    }
    k.Chandelier(512, -20, 60);
}

void Orangery(SceneKit& k, const Painter& p) {  // 9
    cairo_t* cr = p.Cr();
    k.Wall(0, 500, Palette::Ivory.Darker(0.1), false);
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * 200;
        k.ArchWindow(x, 80, 140, 400, Rgb{0.62, 0.74, 0.90}, false, Palette::Rose);
        // The park beyond the glass.
        cairo_save(cr);
        cairo_rectangle(cr, x + 3, 300, 134, 177);
        cairo_clip(cr);
        k.Hills(400, 14, 260, Palette::Green.Lighter(0.35));
        k.Tree(x + 40, 420, 110, Palette::Green.Lighter(0.2));
        cairo_restore(cr);
        cairo_set_line_width(cr, 2);
        p.Color(Palette::Ivory, 0.85);
        for (int j = 1; j < 3; ++j) {
            cairo_move_to(cr, x + j * 140 / 3.0, 300);
            cairo_line_to(cr, x + j * 140 / 3.0, 480);
        }
        for (double yy = 320; yy < 480; yy += 400 / 6.0) {
            cairo_move_to(cr, x, yy);
            cairo_line_to(cr, x + 140, yy);
        }
        cairo_stroke(cr);
    }
    k.TileFloor(500, Palette::Ivory.Darker(0.05),
                Palette::GreenDeep.Lighter(0.45).Mix(Palette::Ivory, 0.35));
    // Orange trees in tubs.
    for (int i = 0; i < 4; ++i) {
        const double x = 140 + i * 250, y = 560 + (i % 2) * 40;
        cairo_move_to(cr, x - 34, y - 52);
        cairo_line_to(cr, x + 34, y - 52);
        cairo_line_to(cr, x + 26, y);
        cairo_line_to(cr, x - 26, y);
        cairo_close_path(cr);
        p.Linear(x - 34, 0, x + 34, 0,
                 {{0, Palette::Ivory}, {1, Palette::ParchmentDark.Darker(0.15)}});
        cairo_fill(cr);
        for (double band : {y - 46.0, y - 12.0}) {
            cairo_rectangle(cr, x - 32, band, 64, 5);
            p.GoldSource(x - 32, band, x + 32, band + 5);
            cairo_fill(cr);
        }
        k.Tree(x, y - 50, 170, kLeaf);
        Random& r = k.Rng();
        for (int j = 0; j < 10; ++j) {
            const double ox = x + r.Range(-45, 45), oy = y - 50 - r.Range(70, 140);
            cairo_arc(cr, ox, oy, 5, 0, 2 * kPi);
            p.Radial(ox - 2, oy - 2, 0, 6,
                     {{0, Palette::GoldLight}, {1, Palette::Candle.Mix(Palette::CardRed, 0.3)}},
                     {1, 1});
            cairo_fill(cr);
        }
    }
}

void MoonlitGarden(SceneKit& k, const Painter& p) {  // 10
    cairo_t* cr = p.Cr();
    NightSky(k, 430);
    k.Moon(800, 140, 40);
    k.Hills(420, 20, 600, Palette::GreenDeep.Mix(Palette::Navy, 0.5));
    k.TreeLine(430, 140, 8, Palette::GreenDeep.Mix(Palette::Navy, 0.4));
    k.Ground(430, Palette::GreenDeep.Darker(0.3), Palette::GreenDeep.Mix(Palette::Navy, 0.4));
    // Gazebo with lanterns.
    const double gx = 512, gy = 520;
    for (int i = 0; i < 4; ++i)
        k.Column(gx - 120 + i * 80, gy - 190, gy, 12, Palette::Ivory.Darker(0.2));
    cairo_move_to(cr, gx - 150, gy - 190);
    cairo_curve_to(cr, gx - 80, gy - 230, gx - 20, gy - 280, gx, gy - 300);
    cairo_curve_to(cr, gx + 20, gy - 280, gx + 80, gy - 230, gx + 150, gy - 190);
    cairo_close_path(cr);
    p.Color(Palette::Navy.Lighter(0.2));
    cairo_fill(cr);
    k.Lanterns(gx - 150, gx + 150, gy - 188, 30, 7);
    k.Glow(gx, gy - 60, 180, Palette::Candle, 0.2);
    Random& r = k.Rng();
    for (int i = 0; i < 50; ++i)
        k.Glow(r.Range(0, kW), r.Range(440, 740), 6, Palette::GoldLight, 0.6);
    k.Hedge(-10, 300, 600, 60, Palette::GreenDeep.Darker(0.2));
    k.Hedge(724, 1034, 600, 60, Palette::GreenDeep.Darker(0.2));
}

void MusicRoom(SceneKit& k, const Painter& p) {  // 11
    cairo_t* cr = p.Cr();
    k.Wall(0, 540, Palette::Navy.Lighter(0.35), true);
    k.ArchWindow(640, 90, 170, 330, Palette::Blush.Lighter(0.4), true, Palette::Gold.Darker(0.1));
    k.Frame(120, 110, 150, 190, Palette::Green);
    k.Frame(320, 140, 110, 140, Palette::RoseDeep);
    k.Parquet(540, Palette::Bronze.Darker(0.2), Palette::Ink);
    // A square pianoforte.
    cairo_rectangle(cr, 140, 430, 360, 80);
    p.Linear(0, 430, 0, 510, {{0, Palette::Bronze.Darker(0.2)}, {1, Palette::Ink}});
    cairo_fill(cr);
    cairo_rectangle(cr, 170, 470, 300, 18);
    p.Color(Palette::Ivory);
    cairo_fill(cr);
    for (int i = 0; i < 30; ++i) {
        if (i % 7 == 2 || i % 7 == 6) continue;
        cairo_rectangle(cr, 176 + i * 10, 470, 5, 10);
    }
    p.Color(Palette::Ink);
    cairo_fill(cr);
    for (double x : {160.0, 480.0}) {
        cairo_rectangle(cr, x, 510, 12, 110);
        p.Color(Palette::Bronze.Darker(0.4));
        cairo_fill(cr);
    }
    // A harp by the window.
    cairo_move_to(cr, 860, 640);
    cairo_curve_to(cr, 850, 500, 880, 380, 930, 320);
    cairo_line_to(cr, 960, 340);
    cairo_curve_to(cr, 940, 420, 960, 520, 990, 640);
    cairo_close_path(cr);
    p.GoldSource(850, 320, 990, 640);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    p.Color(Palette::Ivory, 0.8);
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 880 + i * 10, 360 + i * 6);
        cairo_line_to(cr, 875 + i * 12, 630);
    }
    cairo_stroke(cr);
    k.Candle(300, 400, 26);
    k.Candle(340, 400, 26);
}

void WinterVillage(SceneKit& k, const Painter& p) {  // 12: a village in snow at dusk.
    cairo_t* cr = p.Cr();
    k.Sky({{0, Palette::Navy.Lighter(0.1)},
           {0.6, Palette::Navy.Lighter(0.45)},
           {1, Palette::Blush.Lighter(0.2)}},
          440);
    k.Hills(410, 26, 520, Palette::Silver.Lighter(0.45));
    k.Church(760, 440, 150, Palette::Parchment.Darker(0.2));
    k.TownHouse(110, 450, 140, 150, Palette::Bronze.Darker(0.2), true);
    k.TownHouse(290, 460, 120, 130, Palette::RoseDeep.Darker(0.1), true);
    // Snow lying on the roofs.
    const double roofs[2][3] = {{108, 296, 144}, {288, 327, 124}};
    for (const auto& r : roofs) {
        p.RoundRectPath(r[0], r[1], r[2], 9, 4);
        p.Color(Palette::White);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 672, 336);
    cairo_line_to(cr, 760, 334);
    cairo_line_to(cr, 848, 374);
    cairo_line_to(cr, 836, 374);
    cairo_line_to(cr, 760, 342);
    cairo_close_path(cr);
    p.Color(Palette::White, 0.95);
    cairo_fill(cr);
    k.Ground(440, Palette::White.Darker(0.03), Palette::Silver.Lighter(0.55));
    // A frozen pond with two skaters.
    p.EllipsePath(560, 600, 260, 60);
    p.Linear(0, 540, 0, 660, {{0, Palette::Navy.Lighter(0.65)}, {1, Palette::Silver.Lighter(0.3)}});
    cairo_fill(cr);
    for (int i = 0; i < 2; ++i) {
        const double x = 500 + i * 110, y = 600 + i * 6;
        p.EllipsePath(x, y - 52, 7, 8);
        cairo_move_to(cr, x - 6, y - 44);
        cairo_line_to(cr, x + 6, y - 44);
        cairo_line_to(cr, x + (i ? 18 : 14), y - 4);
        cairo_line_to(cr, x - (i ? 10 : 16), y - 4);
        cairo_close_path(cr);
        p.Color(i ? Palette::RoseDeep : Palette::Navy);
        cairo_fill(cr);
        cairo_move_to(cr, x - 14, y);
        cairo_line_to(cr, x + 14, y);
        cairo_set_line_width(cr, 2);
        p.Color(Palette::Ink);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 5; ++i)
        k.Fir(40 + i * 230, 470 + (i % 2) * 14, 120, Palette::GreenDeep, true);
    k.Fir(60, 760, 320, Palette::GreenDeep.Darker(0.1), true);
    k.Fir(960, 768, 360, Palette::GreenDeep.Darker(0.1), true);
    k.Snow(420, 0, 768);
}

void RoseArbour(SceneKit& k, const Painter& p) {  // 13
    cairo_t* cr = p.Cr();
    DaySky(k, 440);
    k.Hills(430, 18, 600, Palette::Green.Lighter(0.4));
    k.Ground(430, Palette::Green.Lighter(0.1), Palette::Green.Lighter(0.35));
    // A gravel path running into the distance.
    cairo_move_to(cr, 470, 430);
    cairo_line_to(cr, 554, 430);
    cairo_line_to(cr, 760, 768);
    cairo_line_to(cr, 264, 768);
    cairo_close_path(cr);
    p.Linear(0, 430, 0, 768, {{0, Palette::Parchment}, {1, Palette::ParchmentDark}});
    cairo_fill(cr);
    // Arches of roses over it, nearer ones larger.
    for (int i = 3; i >= 0; --i) {
        const double s = 1.0 + i * 0.55, y = 430 + i * 70 + 40;
        const double half = 70 * s, top = y - 170 * s;
        cairo_move_to(cr, 512 - half, y);
        cairo_line_to(cr, 512 - half, top + half);
        cairo_arc(cr, 512, top + half, half, kPi, 2 * kPi);
        cairo_line_to(cr, 512 + half, y);
        cairo_set_line_width(cr, 8 * s);
        p.Color(kLeafDark.Lighter(0.15));
        cairo_stroke(cr);
        Random& r = k.Rng();
        for (int j = 0; j < 26; ++j) {
            const double t = j / 25.0;
            double x, yy;
            if (t < 0.3) {
                x = 512 - half;
                yy = y - (y - top - half) * (t / 0.3);
            } else if (t < 0.7) {
                const double a = kPi + (t - 0.3) / 0.4 * kPi;
                x = 512 + std::cos(a) * half;
                yy = top + half + std::sin(a) * half;
            } else {
                x = 512 + half;
                yy = top + half + (y - top - half) * ((t - 0.7) / 0.3);
            }
            p.Leaf(x, yy, 9 * s, r.Range(0, 6.28), kLeaf);
            p.Rose(x + r.Range(-4, 4) * s, yy + r.Range(-4, 4) * s, 5 * s,
                   r.Unit() < 0.5 ? Palette::Rose : Palette::Blush.Darker(0.05));
        }
    }
}

void Thames(SceneKit& k, const Painter& p) {  // 14: the river at twilight, a dome beyond.
    cairo_t* cr = p.Cr();
    k.Sky({{0, Palette::Navy}, {0.6, Palette::Rose.Darker(0.1)}, {1, Palette::Candle}}, 420);
    // The dome and spires on the far bank.
    const Rgb far = Palette::Navy.Mix(Palette::Rose, 0.3).Darker(0.2);
    cairo_arc(cr, 620, 330, 60, kPi, 2 * kPi);
    cairo_rectangle(cr, 560, 330, 120, 90);
    cairo_rectangle(cr, 616, 240, 8, 40);
    p.Color(far);
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        cairo_rectangle(cr, i * 90 - 20, 360 + (i % 3) * 10, 80, 60);
        p.Color(far.Lighter(0.05));
        cairo_fill(cr);
        k.Glow(i * 90 + 20, 390, 8, Palette::Candle, 0.7);
    }
    k.Water(420, 768, Palette::NavyDeep, Palette::Rose.Darker(0.3), Palette::Candle);
    k.Reflection(620, 140, 424, 200, far.Lighter(0.2));
    // A bridge of stone arches, the water seen through them.
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 440, kW, 130);
    for (int i = 0; i < 6; ++i) {
        const double cx = i * 180 + 90;
        cairo_move_to(cr, cx - 70, 572);
        cairo_line_to(cr, cx - 70, 530);
        cairo_arc(cr, cx, 530, 70, kPi, 2 * kPi);
        cairo_line_to(cr, cx + 70, 572);
        cairo_close_path(cr);
    }
    const Rgb bridge = Palette::Navy.Mix(Palette::Parchment, 0.3).Darker(0.15);
    p.Linear(0, 440, 0, 570, {{0, bridge.Lighter(0.2)}, {1, bridge.Darker(0.3)}});
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 0, 436, kW, 8);
    p.Color(bridge.Lighter(0.35));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) k.Reflection(i * 180 + 90, 120, 574, 80, bridge.Lighter(0.1));
    for (int i = 0; i < 7; ++i) k.Lamp(i * 180 + 10, 442, 40);
    // A sailing barge.
    cairo_move_to(cr, 200, 640);
    cairo_line_to(cr, 340, 640);
    cairo_line_to(cr, 320, 665);
    cairo_line_to(cr, 220, 665);
    cairo_close_path(cr);
    p.Color(Palette::Ink);
    cairo_fill(cr);
    cairo_move_to(cr, 270, 640);
    cairo_line_to(cr, 270, 540);
    cairo_line_to(cr, 330, 630);
    cairo_close_path(cr);
    p.Color(Palette::Bronze.Darker(0.2));
    cairo_fill(cr);
}

void AutumnAvenue(SceneKit& k, const Painter& p) {  // 15
    cairo_t* cr = p.Cr();
    k.Sky({{0, Palette::Navy.Lighter(0.5)}, {1, Palette::Candle.Lighter(0.4)}}, 440);
    k.Clouds(6, 60, 260, Palette::White, 0.45);
    k.Ground(430, Palette::Bronze.Darker(0.2), Palette::Green.Mix(Palette::Bronze, 0.5));
    cairo_move_to(cr, 500, 430);
    cairo_line_to(cr, 524, 430);
    cairo_line_to(cr, 720, 768);
    cairo_line_to(cr, 300, 768);
    cairo_close_path(cr);
    p.Color(Palette::ParchmentDark.Darker(0.1));
    cairo_fill(cr);
    const Rgb autumn[4] = {Palette::Candle.Darker(0.1), Palette::CardRed.Lighter(0.15),
                           Palette::Bronze, Palette::Gold};
    for (int i = 5; i >= 0; --i) {
        const double t = i / 5.0;
        const double s = 90 + t * 300;
        const double y = 440 + t * 320;
        k.Tree(500 - 40 - t * 420, y, s, autumn[i % 4]);
        k.Tree(524 + 40 + t * 420, y, s, autumn[(i + 1) % 4]);
    }
    Random& r = k.Rng();
    for (int i = 0; i < 140; ++i) {
        p.Leaf(r.Range(0, kW), r.Range(420, 768), r.Range(5, 10), r.Range(0, 6.28),
               autumn[r.Int(0, 3)]);
    }
}

void Vauxhall(SceneKit& k, const Painter& p) {  // 16: the pleasure gardens at night.
    cairo_t* cr = p.Cr();
    NightSky(k, 470);
    k.Firework(200, 150, 60, Palette::Rose.Lighter(0.2));
    k.Firework(820, 120, 70, Palette::GoldLight);
    k.Firework(520, 90, 40, Palette::Green.Lighter(0.5));
    k.TreeLine(470, 160, 10, Palette::GreenDeep.Mix(Palette::Navy, 0.4));
    // The orchestra pavilion.
    cairo_rectangle(cr, 400, 300, 224, 170);
    p.Color(Palette::Ivory.Darker(0.25));
    cairo_fill(cr);
    cairo_move_to(cr, 380, 300);
    cairo_curve_to(cr, 430, 240, 470, 220, 512, 200);
    cairo_curve_to(cr, 554, 220, 594, 240, 644, 300);
    cairo_close_path(cr);
    p.Color(Palette::RoseDeep);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i)
        k.ArchWindow(414 + i * 52, 340, 40, 110, Palette::Candle, false, Palette::Rose);
    k.Glow(512, 400, 200, Palette::Candle, 0.25);
    k.Ground(470, Palette::NavyDeep, Palette::GreenDeep.Mix(Palette::Navy, 0.5));
    k.Lanterns(-20, 400, 360, 60, 9);
    k.Lanterns(624, 1044, 360, 60, 9);
    k.Lanterns(0, 1024, 250, 80, 16);
    // The lit walk before the pavilion, and the company strolling on it.
    cairo_move_to(cr, 420, 470);
    cairo_line_to(cr, 604, 470);
    cairo_line_to(cr, 900, 768);
    cairo_line_to(cr, 124, 768);
    cairo_close_path(cr);
    p.Linear(0, 470, 0, 768, {{0, Palette::Candle.Darker(0.3)}, {1, Palette::Bronze.Darker(0.55)}});
    cairo_fill(cr);
    k.Glow(512, 500, 300, Palette::Candle, 0.25);
    const Rgb gowns[4] = {Palette::Ivory, Palette::Blush, Palette::Navy.Lighter(0.55),
                          Palette::Rose};
    for (int i = 0; i < 6; ++i) {
        const double t = i / 5.0;
        const double y = 520 + (i % 3) * 60, s = 0.55 + (y - 500) / 260.0;
        k.Couple(90 + t * 820, y, s, Palette::NavyDeep.Darker(0.4), gowns[i % 4].Darker(0.15),
                 true);
    }
}

void DrawingRoom(SceneKit& k, const Painter& p) {  // 17
    cairo_t* cr = p.Cr();
    k.Wall(0, 560, Palette::Rose.Darker(0.15), true);
    // Fireplace with a mirror above it.
    cairo_rectangle(cr, 352, 330, 320, 230);
    p.Color(Palette::Ivory.Darker(0.05));
    cairo_fill(cr);
    cairo_rectangle(cr, 332, 316, 360, 22);
    p.Color(Palette::Ivory);
    cairo_fill(cr);
    cairo_move_to(cr, 412, 560);
    cairo_line_to(cr, 412, 420);
    cairo_arc(cr, 512, 420, 100, kPi, 2 * kPi);
    cairo_line_to(cr, 612, 560);
    cairo_close_path(cr);
    p.Color(Palette::Ink.Darker(0.3));
    cairo_fill(cr);
    k.Glow(512, 520, 120, Palette::Candle, 0.6);
    Random& r = k.Rng();
    for (int i = 0; i < 9; ++i) {
        const double x = 450 + i * 15 + r.Range(-4, 4), h = r.Range(30, 70);
        cairo_move_to(cr, x - 10, 555);
        cairo_curve_to(cr, x - 12, 555 - h * 0.5, x + 6, 555 - h * 0.7, x, 555 - h);
        cairo_curve_to(cr, x + 10, 555 - h * 0.6, x + 12, 555 - h * 0.3, x + 10, 555);
        cairo_close_path(cr);
        p.Linear(0, 555, 0, 555 - h, {{0, Palette::GoldLight}, {1, Palette::CardRed}}, 0.9);
        cairo_fill(cr);
    }
    p.EllipsePath(512, 200, 110, 100);
    p.GoldSource(400, 100, 620, 300);
    cairo_fill(cr);
    p.EllipsePath(512, 200, 96, 86);
    p.Linear(0, 110, 0, 290, {{0, Palette::Silver.Lighter(0.3)}, {1, Palette::Rose.Darker(0.2)}});
    cairo_fill(cr);
    k.Frame(90, 120, 160, 210, Palette::Navy);
    k.Frame(774, 120, 160, 210, Palette::GreenDeep);
    k.Candle(380, 280, 30);
    k.Candle(644, 280, 30);
    k.Parquet(560, Palette::Bronze.Darker(0.35), Palette::Ink);
    // A Turkey rug before the hearth.
    p.EllipsePath(512, 660, 380, 80);
    p.Color(Palette::RoseDeep.Darker(0.1));
    cairo_fill(cr);
    p.EllipsePath(512, 660, 350, 66);
    cairo_set_line_width(cr, 4);
    p.Color(Palette::Gold, 0.8);
    cairo_stroke(cr);
    p.EllipsePath(512, 660, 200, 36);
    p.Color(Palette::Navy.Lighter(0.1));
    cairo_fill(cr);
    p.Rose(512, 660, 18, Palette::Rose);
}

void BathCrescent(SceneKit& k, const Painter& p) {  // 18: a stone crescent above its lawn.
    cairo_t* cr = p.Cr();
    DaySky(k, 470);
    // The terrace curves towards us: its ends are nearer, so taller and lower on the page.
    const Rgb stone = Palette::Parchment.Mix(Palette::Candle, 0.15).Darker(0.08);
    auto base = [](double t) { return 480 - 60 * 4 * t * (1 - t); };
    auto height = [](double t) { return 300 - 120 * 4 * t * (1 - t); };
    // The gravel road in front of the houses.
    cairo_rectangle(cr, 0, 400, kW, 90);
    p.Linear(0, 400, 0, 490, {{0, Palette::Parchment.Darker(0.12)}, {1, Palette::ParchmentDark}});
    cairo_fill(cr);
    const int bays = 30;
    for (int i = 0; i < bays; ++i) {
        const double t0 = static_cast<double>(i) / bays, t1 = (i + 1.0) / bays;
        const double x0 = -20 + t0 * 1064, x1 = -20 + t1 * 1064;
        const double b0 = base(t0), b1 = base(t1), h0 = height(t0), h1 = height(t1);
        // Bays facing away from the middle catch less light.
        const double shade = 0.12 * std::fabs(t0 - 0.5) * 2;
        cairo_move_to(cr, x0, b0);
        cairo_line_to(cr, x0, b0 - h0);
        cairo_line_to(cr, x1, b1 - h1);
        cairo_line_to(cr, x1, b1);
        cairo_close_path(cr);
        p.Color(stone.Darker(shade));
        cairo_fill(cr);
        const double xm = (x0 + x1) / 2, bm = (b0 + b1) / 2, hm = (h0 + h1) / 2, w = x1 - x0;
        // Ground floor: a door or a window; above, two storeys between giant columns.
        cairo_rectangle(cr, xm - w * 0.2, bm - hm * 0.28, w * 0.4, hm * (i % 3 == 1 ? 0.28 : 0.18));
        p.Color(i % 3 == 1 ? Palette::GreenDeep : Palette::Navy.Lighter(0.4));
        cairo_fill(cr);
        for (int f = 0; f < 2; ++f) {
            cairo_rectangle(cr, xm - w * 0.17, bm - hm * (0.72 - f * 0.24), w * 0.34, hm * 0.16);
            p.Color(Palette::Navy.Lighter(0.45));
            cairo_fill(cr);
        }
        k.Column(x0, bm - hm * 0.86, bm - hm * 0.36, std::max(4.0, w * 0.16), stone.Lighter(0.25));
        cairo_rectangle(cr, x0, b0 - h0, w + 1, hm * 0.06);
        p.Color(stone.Lighter(0.2));
        cairo_fill(cr);
        if (i % 2 == 0) {
            cairo_rectangle(cr, xm - w * 0.15, b0 - h0 - hm * 0.08, w * 0.3, hm * 0.08);
            p.Color(stone.Darker(0.2));
            cairo_fill(cr);
        }
    }
    k.Ground(470, Palette::Green.Lighter(0.15), Palette::Green.Lighter(0.4));
    k.Tree(100, 600, 220, kLeaf);
    k.Tree(930, 620, 240, kLeafDark.Lighter(0.15));
    // Ladies taking the air with parasols.
    const Rgb gowns[3] = {Palette::Ivory, Palette::Blush, Palette::Navy.Lighter(0.55)};
    for (int i = 0; i < 3; ++i) {
        const double x = 330 + i * 150, y = 560 + i * 12, s = 1.0 + i * 0.1;
        cairo_move_to(cr, x - 4 * s, y - 40 * s);
        cairo_line_to(cr, x + 4 * s, y - 40 * s);
        cairo_curve_to(cr, x + 8 * s, y - 20 * s, x + 12 * s, y - 6 * s, x + 14 * s, y);
        cairo_line_to(cr, x - 14 * s, y);
        cairo_curve_to(cr, x - 12 * s, y - 6 * s, x - 8 * s, y - 20 * s, x - 4 * s, y - 40 * s);
        p.Color(gowns[i]);
        cairo_fill(cr);
        p.EllipsePath(x, y - 46 * s, 4.5 * s, 5.5 * s);
        p.Color(Palette::Skin.Darker(0.1));
        cairo_fill(cr);
        cairo_move_to(cr, x + 6 * s, y - 30 * s);
        cairo_line_to(cr, x + 10 * s, y - 62 * s);
        cairo_set_line_width(cr, 1.2);
        p.Color(Palette::Ink);
        cairo_stroke(cr);
        cairo_arc(cr, x + 10 * s, y - 56 * s, 16 * s, kPi, 2 * kPi);
        p.Color(i == 1 ? Palette::Rose : Palette::Ivory.Darker(0.05));
        cairo_fill(cr);
    }
    k.Flowers(0, 1024, 640, 768, 120, {Palette::Ivory, Palette::Blush}, 3);
}

void Chapel(SceneKit& k) {  // 19: a country church among blossom, for a wedding.
    DaySky(k, 440);
    k.Hills(420, 28, 500, Palette::Green.Lighter(0.4));
    k.Church(560, 450, 220, Palette::Parchment.Darker(0.12));
    k.Ground(440, Palette::Green.Lighter(0.15), Palette::Green.Lighter(0.35));
    k.Tree(170, 560, 300, Palette::Blush.Lighter(0.1));
    k.Tree(900, 570, 280, Palette::Blush);
    k.Tree(330, 480, 150, Palette::Blush.Lighter(0.2));
    k.Flowers(0, 1024, 300, 768, 260, {Palette::Blush.Lighter(0.3), Palette::White}, 2.5);
    k.Hedge(-10, 1034, 620, 30, kLeafDark.Lighter(0.15));
}

}  // namespace

Canvas BackgroundArt::Scene(int number) const {
    Canvas canvas(kW, kH);
    Painter p(canvas.Cr(), fonts);
    SceneKit k(p, 2000 + static_cast<uint64_t>(number));
    double bloom = 0.22, vignette = 0.45;
    switch (number) {
        case 1:
            Garden(k, p);
            break;
        case 2:
            ManorAtSunset(k, p);
            break;
        case 3:
            Ballroom(k, p, false);
            break;
        case 4:
            Lake(k, p);
            break;
        case 5:
            Seaside(k, p);
            break;
        case 6:
            Library(k, p);
            break;
        case 7:
            TownAtDusk(k, p);
            break;
        case 8:
            Theatre(k, p);
            break;
        case 9:
            Orangery(k, p);
            break;
        case 10:
            MoonlitGarden(k, p);
            break;
        case 11:
            MusicRoom(k, p);
            break;
        case 12:
            WinterVillage(k, p);
            break;
        case 13:
            RoseArbour(k, p);
            break;
        case 14:
            Thames(k, p);
            break;
        case 15:
            AutumnAvenue(k, p);
            break;
        case 16:
            Vauxhall(k, p);
            break;
        case 17:
            DrawingRoom(k, p);
            break;
        case 18:
            BathCrescent(k, p);
            break;
        case 19:
            Chapel(k);
            break;
        default:
            Ballroom(k, p, true);
            bloom = 0.3;
            break;
    }
    SceneKit::Finish(canvas, 9000 + static_cast<uint64_t>(number), bloom, vignette);
    return canvas;
}

Canvas BackgroundArt::LoadingScreen() const {
    Canvas canvas(kW, kH);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    SceneKit k(p, 77);
    // The ballroom at night seen through a gilt proscenium, with the title over it.
    Ballroom(k, p, true);
    cairo_rectangle(cr, 0, 0, kW, kH);
    p.Color(Palette::NavyDeep, 0.55);
    cairo_fill(cr);
    p.Glow(512, 300, 420, Palette::Candle, 0.25);
    p.GoldText(FontId::GaramondItalic, 150, "Rosewick", 512, 330, Align::Centre, 4);
    p.Color(Palette::Ivory, 0.9);
    p.Text(FontId::GaramondItalic, 30, "a Regency card romance", 512, 392, Align::Centre);
    for (int side = -1; side <= 1; side += 2) {
        p.Flourish(512 + side * 190, 420, 60, side > 0, false, Palette::Gold, 2.4);
        p.Rose(512 + side * 60, 430, 14, Palette::Rose);
    }
    p.Rose(512, 432, 18, Palette::Rose.Lighter(0.1));
    p.GoldFrame(14, 14, kW - 28, kH - 28, 30, 8);
    SceneKit::Finish(canvas, 78, 0.25, 0.5);
    return canvas;
}

Canvas BackgroundArt::Border(bool left) const {
    const int w = 256;
    Canvas canvas(w, kH);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, w, kH);
    p.Linear(0, 0, w, 0,
             {{0, left ? Palette::NavyDeep.Darker(0.3) : Palette::Navy},
              {1, left ? Palette::Navy : Palette::NavyDeep.Darker(0.3)}});
    cairo_fill(cr);
    p.Color(Palette::Gold, 0.12);
    for (int y = 0; y < kH; y += 48) {
        for (int x = 0; x < w; x += 40) p.SuitPath(1, x + (y / 48 % 2) * 20, y + 24, 18);
    }
    cairo_fill(cr);
    // A gilt rail along the edge that meets the picture.
    const double edge = left ? w - 10 : 0;
    cairo_rectangle(cr, edge, 0, 10, kH);
    p.GoldSource(edge, 0, edge + 10, 0);
    cairo_fill(cr);
    for (int y = 40; y < kH; y += 120) p.Rose(left ? w - 40 : 40, y + 20, 10, Palette::Rose);
    SceneKit::Finish(canvas, left ? 31 : 32, 0.0, 0.3);
    return canvas;
}

void BackgroundArt::Generate() {
    for (int i = 1; i <= COUNT; ++i) {
        out.Jpeg(Scene(i), "graphics/Backgrounds/bg" + std::to_string(i) + ".jpg");
    }
    out.Jpeg(LoadingScreen(), "graphics/Backgrounds/LoadingScreen.jpg");
    out.Jpeg(Border(true), "graphics/Backgrounds/LeftBorder.jpg");
    out.Jpeg(Border(false), "graphics/Backgrounds/RightBorder.jpg");
}
