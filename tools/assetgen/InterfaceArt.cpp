#include "InterfaceArt.h"

#include <cmath>

#include "Canvas.h"
#include "CardArt.h"
#include "Emblems.h"
#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

void CardThumb(const Painter& p, const Canvas& card, double x, double y, double angle, double s) {
    cairo_t* cr = p.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, s, s);
    cairo_translate(cr, -card.Width() / 2.0, -card.Height() / 2.0);
    p.SoftShadow(2, 3, card.Width() - 2, card.Height() - 2, 6, 4, 0.4);
    cairo_set_source_surface(cr, card.Surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
}  // namespace

void InterfaceArt::LoadingBar() {
    const int w = 500, h = 26;
    for (int v = 0; v < 3; ++v) {
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        p.RoundRectPath(1, 1, w - 2, h - 2, h / 2.0 - 1);
        if (v == 1) {
            p.Linear(0, 0, 0, h, {{0, Palette::NavyDeep}, {1, Palette::Navy}});
            cairo_fill(cr);
            p.GoldFrame(1, 1, w - 2, h - 2, h / 2.0 - 1, 2.5);
        } else {
            p.Linear(0, 0, 0, h,
                     {{0, Palette::Blush}, {0.45, Palette::Rose}, {1, Palette::RoseDeep}});
            cairo_fill(cr);
            p.RoundRectPath(6, 4, w - 12, h / 2.0 - 4, 5);
            p.Color(Palette::White, 0.3);
            cairo_fill(cr);
            p.GoldFrame(1, 1, w - 2, h - 2, h / 2.0 - 1, 2.5);
            if (v == 2) {
                for (int i = 0; i < 9; ++i) p.Pearl(30 + i * 55, h / 2.0, 4);
            }
        }
        const char* names[3] = {"LoadingBar", "LoadingBarempty", "LoadingBarfinal"};
        out.Png(canvas, std::string("graphics/LoadingScreen/") + names[v] + ".png");
    }
}

void InterfaceArt::BigText(const std::string& name, const std::string& text, double size) {
    Canvas probe(4, 4);
    Painter measure(probe.Cr(), fonts);
    const double tw = measure.TextWidth(FontId::GaramondBold, size, text);
    const int w = static_cast<int>(tw + size * 0.9), h = static_cast<int>(size * 1.45);
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    p.Glow(w / 2.0, h / 2.0, w * 0.45, Palette::Candle, 0.0);
    p.GoldText(FontId::GaramondBold, size, text, w / 2.0, h * 0.68, Align::Centre, size * 0.045);
    // A small flourish under the word.
    cairo_t* cr = canvas.Cr();
    cairo_move_to(cr, w * 0.3, h * 0.86);
    cairo_curve_to(cr, w * 0.42, h * 0.8, w * 0.58, h * 0.92, w * 0.7, h * 0.86);
    cairo_set_line_width(cr, std::max(1.5, size * 0.035));
    p.GoldSource(0, h * 0.8, 0, h * 0.92);
    cairo_stroke(cr);
    out.Png(canvas, "graphics/BigText/" + name + ".png");
}

void InterfaceArt::Dialog(const std::string& rel, int w, int h, int style) {
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const double m = 10;
    p.SoftShadow(m, m + 3, w - 2 * m, h - 2 * m, 24, 9, 0.5);
    // Navy silk with an ivory inset: light captions on the frame, dark body text inside
    // would fight, so the body field stays dark and the text is light (240, 240, 240).
    p.RoundRectPath(m, m, w - 2 * m, h - 2 * m, 24);
    const Rgb ground = style == 1   ? Palette::GreenDeep
                       : style == 2 ? Palette::RoseDeep.Darker(0.2)
                                    : Palette::Navy;
    p.Radial(w / 2.0, h * 0.4, 10, std::max(w, h) * 0.7,
             {{0, ground.Lighter(0.15)}, {1, ground.Darker(0.35)}}, {1, 1});
    cairo_fill(cr);
    cairo_save(cr);
    p.RoundRectPath(m, m, w - 2 * m, h - 2 * m, 24);
    cairo_clip(cr);
    p.Color(Palette::Gold, 0.06);
    for (int i = 0; i < w; i += 26) {
        for (int j = 0; j < h; j += 26) p.SuitPath(1, i + (j / 26 % 2) * 13, j, 10);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    p.GoldFrame(m, m, w - 2 * m, h - 2 * m, 24, 6);
    p.RoundRectPath(m + 14, m + 14, w - 2 * m - 28, h - 2 * m - 28, 14);
    p.Color(Palette::GoldLight, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    const double o = m + 18, fs = 40;
    p.Flourish(o, o, fs, false, false, Palette::Gold, 1.8);
    p.Flourish(w - o, o, fs, true, false, Palette::Gold, 1.8);
    p.Flourish(o, h - o, fs, false, true, Palette::Gold, 1.8);
    p.Flourish(w - o, h - o, fs, true, true, Palette::Gold, 1.8);
    // A rose crest at the top centre and a divider under the header line.
    p.Rose(w / 2.0, m + 3, 11, Palette::Rose);
    for (int side = -1; side <= 1; side += 2) {
        p.Leaf(w / 2.0 + side * 10, m + 6, 18, side > 0 ? 0.2 : kPi - 0.2,
               Palette::Green.Lighter(0.2));
    }
    cairo_move_to(cr, w * 0.25, 96);
    cairo_curve_to(cr, w * 0.4, 90, w * 0.6, 102, w * 0.75, 96);
    cairo_set_line_width(cr, 1.5);
    p.GoldSource(0, 90, 0, 102);
    cairo_stroke(cr);
    out.Png(canvas, rel);
}

void InterfaceArt::DialogPieces() {
    // Story dialogs are built from a left cap, a right cap and a speech pointer.
    for (int side = 0; side < 2; ++side) {
        const int w = 48, h = 200;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        const double x = side == 0 ? 4 : -60;
        p.RoundRectPath(x, 4, 104, h - 8, 22);
        p.Linear(0, 0, 0, h, {{0, Palette::Parchment.Lighter(0.3)}, {1, Palette::ParchmentDark}});
        cairo_fill(cr);
        p.GoldFrame(x, 4, 104, h - 8, 22, 4);
        p.Rose(side == 0 ? 18 : w - 18, h / 2.0, 8, Palette::Rose);
        out.Png(canvas,
                side == 0 ? "graphics/Dialogs/DialogLeft.png" : "graphics/Dialogs/DialogRight.png");
    }
    Canvas tri(40, 32);
    Painter p(tri.Cr(), fonts);
    cairo_t* cr = tri.Cr();
    cairo_move_to(cr, 2, 0);
    cairo_line_to(cr, 38, 0);
    cairo_curve_to(cr, 26, 10, 22, 20, 20, 31);
    cairo_curve_to(cr, 16, 18, 10, 8, 2, 0);
    cairo_close_path(cr);
    p.Linear(0, 0, 0, 32, {{0, Palette::ParchmentDark}, {1, Palette::Parchment}});
    cairo_fill_preserve(cr);
    p.GoldSource(0, 0, 40, 32);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    out.Png(tri, "graphics/Dialogs/DialogTriangle.png");
}

void InterfaceArt::MenuButton(const std::string& name, int w, int h, int state) {
    // Blank gilt buttons: dialogs write their own captions over them in dark brown.
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const double press = state == 2 ? 2 : 0;
    if (state != 2) p.SoftShadow(4, 5, w - 8, h - 9, h / 2.0 - 4, 3, 0.4);
    Rgb top = Palette::Ivory.Lighter(0.3), bottom = Palette::ParchmentDark;
    if (state == 3) {
        top = Palette::Silver.Lighter(0.35);
        bottom = Palette::Silver.Darker(0.2);
    } else if (state == 1) {
        top = Palette::White;
        bottom = Palette::Parchment;
    } else if (state == 2) {
        top = Palette::ParchmentDark.Darker(0.05);
        bottom = Palette::Parchment;
    }
    p.RoundRectPath(3, 3 + press, w - 6, h - 8, h / 2.0 - 4);
    p.Linear(0, 0, 0, h, {{0, top}, {1, bottom}});
    cairo_fill(cr);
    if (state == 1) p.Glow(w / 2.0, h / 2.0, w * 0.5, Palette::GoldLight, 0.35);
    if (state == 3) {
        p.RoundRectPath(3, 3, w - 6, h - 8, h / 2.0 - 4);
        p.Color(Palette::Ink.Mix(Palette::Silver, 0.55));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    } else {
        p.GoldFrame(3, 3 + press, w - 6, h - 8, h / 2.0 - 4, 3);
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, w / 2.0 + side * (w / 2.0 - 16), h / 2.0 - 1 + press, 3, 0, 2 * kPi);
        p.Color(state == 3 ? Palette::Silver.Darker(0.3) : Palette::Rose);
        cairo_fill(cr);
    }
    out.Png(canvas, "menus/" + name + ".png");
}

void InterfaceArt::ClickToContinue() {
    const int w = 340, h = 64;
    const char* names[3] = {"ClickToContinue", "ClickToContinueMO", "ClickToContinueDown"};
    for (int s = 0; s < 3; ++s) {
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        const double press = s == 2 ? 2 : 0;
        p.SoftShadow(8, 8, w - 16, h - 14, 24, 5, s == 2 ? 0.2 : 0.45);
        p.RoundRectPath(6, 5 + press, w - 12, h - 12, 24);
        p.Linear(0, 0, 0, h,
                 {{0, Palette::Navy.Lighter(s == 1 ? 0.3 : 0.15)}, {1, Palette::NavyDeep}});
        cairo_fill(cr);
        p.GoldFrame(6, 5 + press, w - 12, h - 12, 24, 3.5);
        for (int side = -1; side <= 1; side += 2) {
            p.Flourish(w / 2.0 + side * 150, 18 + press, 16, side > 0, false, Palette::GoldLight,
                       1.3);
            p.Flourish(w / 2.0 + side * 150, h - 18 + press, 16, side > 0, true, Palette::GoldLight,
                       1.3);
        }
        if (s == 1) p.Glow(w / 2.0, h / 2.0, w * 0.45, Palette::GoldLight, 0.25);
        cairo_new_path(cr);
        out.Png(canvas, std::string("menus/") + names[s] + ".png");
    }
}

void InterfaceArt::Pointers() {
    {
        // A gilt arrow with a rose-enamel inlay; its tip is the hot spot, at (2, 2).
        Canvas canvas(36, 44);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        auto shape = [cr]() {
            cairo_move_to(cr, 2, 2);
            cairo_line_to(cr, 2, 32);
            cairo_line_to(cr, 10, 25);
            cairo_line_to(cr, 16, 40);
            cairo_line_to(cr, 22, 37);
            cairo_line_to(cr, 16, 23);
            cairo_line_to(cr, 26, 22);
            cairo_close_path(cr);
        };
        cairo_save(cr);
        cairo_translate(cr, 2, 2);
        shape();
        cairo_restore(cr);
        p.Color(Palette::Black, 0.35);
        cairo_fill(cr);
        shape();
        p.GoldSource(0, 0, 26, 40);
        cairo_fill_preserve(cr);
        p.Color(Palette::Ink.Darker(0.3));
        cairo_set_line_width(cr, 1.4);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, 5, 9);
        cairo_line_to(cr, 5, 24);
        cairo_line_to(cr, 15, 19);
        cairo_close_path(cr);
        p.Color(Palette::Rose);
        cairo_fill(cr);
        out.Png(canvas, "graphics/pointer.png");
    }
    {
        Canvas canvas(64, 64);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        cairo_save(cr);
        cairo_translate(cr, 32, 32);
        cairo_rotate(cr, -kPi / 4);
        p.Glow(0, 0, 30, Palette::Candle, 0.35);
        Emblems::Key(p, 0, 0, 60, 0);
        cairo_restore(cr);
        out.Png(canvas, "graphics/KeyCursor.png");
    }
    for (int arrows = 1; arrows <= 2; ++arrows) {
        Canvas canvas(64, 64);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        // Crosshair ring with Cupid's arrows (one or two) ready beside it.
        cairo_set_line_width(cr, 2);
        p.Color(Palette::Rose.Lighter(0.2));
        cairo_arc(cr, 32, 32, 14, 0, 2 * kPi);
        cairo_stroke(cr);
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 2;
            cairo_move_to(cr, 32 + std::cos(a) * 8, 32 + std::sin(a) * 8);
            cairo_line_to(cr, 32 + std::cos(a) * 20, 32 + std::sin(a) * 20);
        }
        cairo_stroke(cr);
        Emblems::Heart(p, 32, 32, 7, Palette::CardRed);
        for (int i = 0; i < arrows; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 50 + i * 8, 46);
            cairo_rotate(cr, 0.5);
            cairo_scale(cr, 0.35, 1);
            Emblems::Arrow(p, 0, 0, 34);
            cairo_restore(cr);
        }
        out.Png(canvas,
                arrows == 1 ? "graphics/OneArrowCursor.png" : "graphics/TwoArrowCursor.png");
    }
}

void InterfaceArt::MapDots() {
    const char* names[4] = {"MapDotInactive", "MapDot", "MapDotMO", "MapDotCurrent"};
    for (int i = 0; i < 4; ++i) {
        Canvas canvas(32, 32);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        if (i == 3) p.Glow(16, 16, 16, Palette::Candle, 0.8);
        if (i == 2) p.Glow(16, 16, 16, Palette::GoldLight, 0.6);
        cairo_arc(cr, 16, 16, 9, 0, 2 * kPi);
        if (i == 0) {
            p.Color(Palette::Silver.Darker(0.3));
        } else {
            p.Radial(13, 13, 1, 11, {{0, Palette::Rose.Lighter(0.5)}, {1, Palette::RoseDeep}},
                     {1, 1});
        }
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2.5);
        p.GoldSource(6, 6, 26, 26);
        cairo_stroke(cr);
        if (i == 3) {
            p.StarPath(16, 16, 5, 2, 5);
            p.Color(Palette::GoldLight);
            cairo_fill(cr);
        }
        out.Png(canvas, std::string("graphics/MapScreen/") + names[i] + ".png");
    }
}

void InterfaceArt::Hints() {
    // Big gilt arrows pointing at what a tip talks about, in four directions.
    const char* names[4] = {"UpArrow", "RightArrow", "DownArrow", "LeftArrow"};
    for (int d = 0; d < 4; ++d) {
        const bool vertical = d % 2 == 0;
        const int w = vertical ? 56 : 72, h = vertical ? 72 : 56;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        cairo_translate(cr, w / 2.0, h / 2.0);
        cairo_rotate(cr, d * kPi / 2);
        cairo_move_to(cr, 0, -34);
        cairo_line_to(cr, 24, -6);
        cairo_line_to(cr, 9, -6);
        cairo_line_to(cr, 9, 32);
        cairo_line_to(cr, -9, 32);
        cairo_line_to(cr, -9, -6);
        cairo_line_to(cr, -24, -6);
        cairo_close_path(cr);
        p.Linear(-24, 0, 24, 0,
                 {{0, Palette::Rose.Darker(0.1)},
                  {0.5, Palette::Rose.Lighter(0.3)},
                  {1, Palette::RoseDeep}});
        cairo_fill_preserve(cr);
        p.GoldSource(-24, -34, 24, 32);
        cairo_set_line_width(cr, 3);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        out.Png(canvas, std::string("graphics/Hints/") + names[d] + ".png");
    }
    {
        Canvas canvas(24, 24);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        cairo_move_to(cr, 12, 2);
        cairo_line_to(cr, 21, 20);
        cairo_line_to(cr, 12, 15);
        cairo_line_to(cr, 3, 20);
        cairo_close_path(cr);
        p.GoldSource(0, 0, 24, 24);
        cairo_fill_preserve(cr);
        p.Color(Palette::GoldDark);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        out.Png(canvas, "graphics/Hints/ArrowSmall.png");
    }
    {
        const int w = 320, h = 160;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        p.SoftShadow(8, 10, w - 16, h - 16, 16, 6, 0.45);
        p.Panel(6, 6, w - 12, h - 12, 16, Palette::Ivory.Lighter(0.3), Palette::Parchment, 3);
        // The close button in the corner.
        cairo_arc(cr, w - 24, 24, 10, 0, 2 * kPi);
        p.Color(Palette::RoseDeep);
        cairo_fill_preserve(cr);
        p.GoldSource(w - 34, 14, w - 14, 34);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_move_to(cr, w - 28, 20);
        cairo_line_to(cr, w - 20, 28);
        cairo_move_to(cr, w - 20, 20);
        cairo_line_to(cr, w - 28, 28);
        p.Color(Palette::Ivory);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        out.Png(canvas, "graphics/Hints/TipWithClose.png");
    }
    {
        const int w = 344, h = 184;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        for (int i = 12; i >= 1; --i) {
            p.RoundRectPath(12 - i, 12 - i, w - 24 + 2 * i, h - 24 + 2 * i, 16 + i);
            p.Color(Palette::GoldLight, 0.035);
            cairo_fill(cr);
        }
        out.Png(canvas, "graphics/Hints/TipGlow.png");
    }
    {
        const int w = 280, h = 64;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        p.SoftShadow(6, 7, w - 12, h - 12, 12, 4, 0.4);
        p.Panel(4, 4, w - 8, h - 10, 12, Palette::Ivory.Lighter(0.3), Palette::Parchment, 2);
        out.Png(canvas, "graphics/Hints/Tooltip.png");
    }
}

void InterfaceArt::LevelEnd() {
    const std::string dir = "graphics/LevelEndScreen/";
    auto stars = [&](const std::string& name, int count, const Rgb& c) {
        Canvas canvas(44, 30);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        const double xs[3][3] = {{22, 0, 0}, {14, 30, 0}, {9, 22, 35}};
        for (int i = 0; i < count; ++i) {
            const double x = xs[count - 1][i], y = count == 3 && i == 1 ? 13 : 16;
            p.StarPath(x, y + 1, 10, 4.3, 5);
            p.Color(c.Darker(0.5));
            cairo_fill(cr);
            p.StarPath(x, y, 9.5, 4, 5);
            p.Linear(0, y - 10, 0, y + 9, {{0, c.Lighter(0.5)}, {1, c.Darker(0.2)}});
            cairo_fill(cr);
        }
        out.Png(canvas, dir + name + ".png");
    };
    stars("BronzeStar", 1, Palette::Bronze);
    stars("SilverStars", 2, Palette::Silver);
    stars("GoldStars", 3, Palette::Gold.Lighter(0.1));
    {
        Canvas canvas(44, 30);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        cairo_move_to(cr, 15, 8);
        cairo_line_to(cr, 29, 22);
        cairo_move_to(cr, 29, 8);
        cairo_line_to(cr, 15, 22);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 4);
        p.Color(Palette::Silver.Darker(0.35));
        cairo_stroke(cr);
        out.Png(canvas, dir + "NoStarsX.png");
    }
    {
        Canvas canvas(30, 30);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        cairo_move_to(cr, 5, 16);
        cairo_line_to(cr, 12, 24);
        cairo_curve_to(cr, 16, 14, 20, 9, 27, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 6);
        p.Color(Palette::GreenDeep);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 3.5);
        p.Color(Palette::Green.Lighter(0.4));
        cairo_stroke(cr);
        out.Png(canvas, dir + "LevelEndCheckMark.png");
    }
    {
        // The grid of hands: a label column and ten hand columns, three rows.
        const int w = 620, h = 100;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        p.RoundRectPath(1, 1, w - 2, h - 2, 8);
        p.Color(Palette::Parchment, 0.55);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1);
        p.Color(Palette::GoldDark, 0.8);
        for (int r = 1; r < 3; ++r) {
            cairo_move_to(cr, 6, r * h / 3.0);
            cairo_line_to(cr, w - 6, r * h / 3.0);
        }
        for (int c = 0; c < 10; ++c) {
            const double x = 120 + c * 50;
            cairo_move_to(cr, x, 6);
            cairo_line_to(cr, x, h - 6);
        }
        cairo_stroke(cr);
        p.RoundRectPath(1, 1, w - 2, h - 2, 8);
        p.GoldSource(0, 0, 0, h);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        out.Png(canvas, dir + "LevelEndGrid.png");
    }
    auto line = [&](const std::string& name, int w, int rows) {
        const int h = rows * 26 + 12;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        cairo_t* cr = canvas.Cr();
        for (int r = 0; r < rows; ++r) {
            const double y = 6 + r * 26 + (rows == 1 ? 0 : 20);
            cairo_move_to(cr, 14, y);
            cairo_line_to(cr, w - 14, y);
            p.GoldSource(0, y - 1, 0, y + 1);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            cairo_arc(cr, 10, y, 2.5, 0, 2 * kPi);
            cairo_arc(cr, w - 10, y, 2.5, 0, 2 * kPi);
            p.Color(Palette::Rose);
            cairo_fill(cr);
        }
        out.Png(canvas, dir + name + ".png");
    };
    line("LevelEndSingleLine", 560, 1);
    line("LevelEndGoalLines", 560, 3);
    {
        // The panel the tally unrolls on.
        const int w = 700, h = 640;
        Canvas canvas(w, h);
        Painter p(canvas.Cr(), fonts);
        p.SoftShadow(12, 14, w - 24, h - 24, 22, 10, 0.5);
        p.Panel(10, 10, w - 20, h - 20, 22, Palette::Ivory.Lighter(0.2), Palette::Parchment, 6);
        p.Rose(w / 2.0, 14, 12, Palette::Rose);
        out.Png(canvas, dir + "LevelEndPanel.png");
    }
}

void InterfaceArt::ShopHighlight() {
    const int s = 160;
    Canvas canvas(s, s);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    p.Radial(s / 2.0, s / 2.0, 20, s / 2.0,
             {{0, Palette::Candle}, {0.6, Palette::GoldLight}, {1, Palette::Candle}},
             {0.0, 0.35, 0});
    cairo_paint(cr);
    p.RoundRectPath(10, 10, s - 20, s - 20, 18);
    p.Color(Palette::GoldLight, 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    out.Png(canvas, "graphics/ShopScreen/Shop Item Mouse Over.png");
}

void InterfaceArt::PlainCardsPicture() {
    const int w = 300, h = 170;
    Canvas canvas(w, h);
    Painter p(canvas.Cr(), fonts);
    const CardArt cards(fonts, out);
    const int values[5] = {1, 12, 7, 13, 10};
    for (int i = 0; i < 5; ++i) {
        const Canvas card = cards.Face(values[i], i % 4, true);
        CardThumb(p, card, 70 + i * 40, 92 + std::abs(i - 2) * 6, (i - 2) * 0.16, 1.0);
    }
    out.Png(canvas, "graphics/DialogImages/PlainCardsDialogImage.png");
}

void InterfaceArt::Generate() {
    LoadingBar();
    BigText("loading", "Loading...", 56);
    BigText("paused", "Paused", 72);
    BigText("Perfect", "Perfect!", 84);
    BigText("Great", "Great!", 84);
    BigText("Good", "Good", 84);
    BigText("NoStars", "No Stars", 72);
    BigText("Go", "Begin!", 84);
    Dialog("graphics/Dialogs/MessageDialog.png", 600, 340, 0);
    Dialog("graphics/Dialogs/GoalsDialog.png", 640, 480, 0);
    Dialog("graphics/Dialogs/Exit Dialog.png", 560, 300, 2);
    Dialog("graphics/Dialogs/Character Dialog.png", 720, 360, 0);
    Dialog("graphics/Dialogs/InGameMenu.png", 440, 540, 1);
    Dialog("graphics/Dialogs/EnterYourNameDialog.png", 580, 340, 0);
    Dialog("graphics/Dialogs/Shop Dialog.png", 620, 380, 1);
    Dialog("graphics/Dialogs/PlainCardsDialog.png", 640, 560, 0);
    Dialog("graphics/Dialogs/SquareDialog.png", 560, 560, 0);
    DialogPieces();
    for (const char* name :
         {"OK", "Yes", "No", "Cancel", "Create", "Delete", "Retry", "Wallpaper", "Continue"}) {
        MenuButton(name, 150, 54, 0);
        MenuButton(std::string(name) + "MO", 150, 54, 1);
        MenuButton(std::string(name) + "_down", 150, 54, 2);
        MenuButton(std::string(name) + "_disabled", 150, 54, 3);
    }
    MenuButton("buttonDown", 150, 54, 2);
    ClickToContinue();
    Pointers();
    MapDots();
    Hints();
    LevelEnd();
    ShopHighlight();
    PlainCardsPicture();
}
