#include "CardArt.h"

#include <cmath>
#include <vector>

#include "CourtPortrait.h"
#include "Emblems.h"
#include "Palette.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr const char* kRanks[14] = {"",  "A", "2", "3",  "4", "5", "6",
                                    "7", "8", "9", "10", "J", "Q", "K"};
constexpr char kSuitLetters[4] = {'h', 'd', 's', 'c'};

Rgb SuitColour(int suit) {
    return suit < 2 ? Palette::CardRed : Palette::CardBlack;
}

struct Pip {
    double u, v;
};

std::vector<Pip> PipLayout(int value) {
    const double t = 1.0 / 3.0;
    switch (value) {
        case 2:
            return {{0, -1}, {0, 1}};
        case 3:
            return {{0, -1}, {0, 0}, {0, 1}};
        case 4:
            return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
        case 5:
            return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
        case 6:
            return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
        case 7:
            return {{-1, -1}, {1, -1}, {0, -0.5}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
        case 8:
            return {{-1, -1}, {1, -1}, {0, -0.5}, {-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
        case 9:
            return {{-1, -1}, {1, -1}, {-1, -t}, {1, -t}, {0, 0}, {-1, t}, {1, t}, {-1, 1}, {1, 1}};
        default:
            return {{-1, -1}, {1, -1}, {0, -2 * t}, {-1, -t}, {1, -t},
                    {-1, t},  {1, t},  {0, 2 * t},  {-1, 1},  {1, 1}};
    }
}
}  // namespace

void CardArt::Blank(const Painter& p, const Rgb& top, const Rgb& bottom, bool gilt) const {
    cairo_t* cr = p.Cr();
    p.RoundRectPath(0.5, 0.5, W - 1, H - 1, 6);
    p.Linear(0, 0, W * 0.4, H, {{0, top}, {1, bottom}});
    cairo_fill_preserve(cr);
    p.Color(Palette::Ink.Mix(Palette::ParchmentDark, 0.45), 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (gilt) {
        p.RoundRectPath(3.5, 3.5, W - 7, H - 7, 4);
        p.GoldSource(0, 0, W, H);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

void CardArt::Index(const Painter& p, int value, int suit, bool plain) const {
    cairo_t* cr = p.Cr();
    const Rgb c = SuitColour(suit);
    const double size = plain ? 27 : 20;
    const double pip = plain ? 17 : 11;
    const std::string rank = kRanks[value];
    const FontId face = FontId::LibertineBold;
    for (int end = 0; end < 2; ++end) {
        cairo_save(cr);
        if (end == 1) {
            cairo_translate(cr, W, H);
            cairo_rotate(cr, kPi);
        }
        const double cx = plain ? 15.5 : 12;
        // "10" is set a little tighter so it stays inside the corner.
        double s = size;
        if (rank == "10") s = size * 0.82;
        p.Color(c);
        p.Text(face, s, rank, cx, plain ? 27 : 22, Align::Centre);
        p.FillSuit(suit, cx, plain ? 39 : 31, pip, c);
        cairo_restore(cr);
        if (plain) break;  // the plain face keeps one large index, for clarity
    }
}

void CardArt::Pips(const Painter& p, int value, int suit) const {
    cairo_t* cr = p.Cr();
    const Rgb c = SuitColour(suit);
    const double size = value >= 9 ? 15 : 17;
    for (const Pip& pip : PipLayout(value)) {
        const double x = W / 2.0 + pip.u * 15;
        const double y = H / 2.0 + pip.v * 38;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        if (pip.v > 0.01) cairo_rotate(cr, kPi);
        p.FillSuit(suit, 0, 0, size, c);
        cairo_restore(cr);
    }
}

void CardArt::Ace(const Painter& p, int suit, bool plain) const {
    cairo_t* cr = p.Cr();
    const Rgb c = SuitColour(suit);
    const double cx = W / 2.0, cy = H / 2.0 + (plain ? 8 : 0);
    if (!plain) {
        // A laurel wreath in gold around the great pip.
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 7; ++i) {
                const double a = kPi / 2 + side * (0.35 + i * 0.33);
                const double x = cx + std::cos(a) * 27, y = cy + std::sin(a) * 27;
                p.Leaf(x, y, 9, a + side * kPi / 2 + (side > 0 ? kPi : 0) * 0, Palette::Gold);
            }
        }
        cairo_set_line_width(cr, 0.8);
        p.Color(Palette::GoldDark, 0.7);
        cairo_arc(cr, cx, cy, 22, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    p.FillSuit(suit, cx, cy, plain ? 46 : 34, c);
}

void CardArt::Court(const Painter& p, int value, int suit) const {
    cairo_t* cr = p.Cr();
    const double x = 17, y = 15, w = W - 34, h = H - 30;
    const Rgb grounds[4] = {Palette::Blush, Palette::Parchment, Palette::Navy.Lighter(0.75),
                            Palette::Green.Lighter(0.72)};
    cairo_save(cr);
    p.RoundRectPath(x, y, w, h, 5);
    cairo_clip_preserve(cr);
    p.Linear(0, y, 0, y + h, {{0, grounds[suit].Lighter(0.3)}, {1, grounds[suit].Darker(0.08)}});
    cairo_fill(cr);
    // Faint damask diamonds behind the figure.
    p.Color(Palette::Gold, 0.18);
    for (int i = -2; i < 8; ++i) {
        for (int j = -2; j < 12; ++j) {
            p.SuitPath(1, x + i * 12 + (j % 2) * 6, y + j * 10, 5);
        }
    }
    cairo_fill(cr);
    CourtPortrait::Draw(p, value, suit, W / 2.0, y + h - 44, 0.62);
    cairo_restore(cr);
    p.RoundRectPath(x, y, w, h, 5);
    p.GoldSource(x, y, x + w, y + h);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Suit emblem on a little gilt plaque at the top of the frame.
    cairo_arc(cr, x + w - 8, y + 8, 6.5, 0, 2 * kPi);
    p.Color(Palette::Ivory);
    cairo_fill_preserve(cr);
    p.GoldSource(x + w - 14, y, x + w, y + 14);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    p.FillSuit(suit, x + w - 8, y + 8, 8, SuitColour(suit));
}

void CardArt::PlainCourt(const Painter& p, int value, int suit) const {
    const Rgb c = SuitColour(suit);
    const double cx = W / 2.0 + 6, cy = H / 2.0 + 16;
    Emblems::Headpiece(p, value, cx, cy - 8, 46, c);
    p.FillSuit(suit, cx, cy + 26, 20, c);
}

Canvas CardArt::Face(int value, int suit, bool plain) const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    if (plain) {
        Blank(p, Palette::White, Palette::Ivory, false);
    } else {
        Blank(p, Palette::Ivory.Lighter(0.4), Palette::Parchment, true);
    }
    if (value == 1) {
        Ace(p, suit, plain);
    } else if (value >= 11) {
        if (plain) {
            PlainCourt(p, value, suit);
        } else {
            Court(p, value, suit);
        }
    } else if (plain) {
        // One large pip: the index says the value, the pip says the suit.
        p.FillSuit(suit, W / 2.0 + 6, H / 2.0 + 14, 44, SuitColour(suit));
        p.Color(SuitColour(suit), 0.9);
    } else {
        Pips(p, value, suit);
    }
    Index(p, value, suit, plain);
    return canvas;
}

Canvas CardArt::Back(int index) const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    const Rgb ground = index == 0 ? Palette::Navy : Palette::GreenDeep.Lighter(0.08);
    Blank(p, Palette::Ivory, Palette::Parchment, false);
    p.RoundRectPath(5, 5, W - 10, H - 10, 4);
    p.Linear(0, 0, W, H, {{0, ground.Lighter(0.15)}, {1, ground.Darker(0.2)}});
    cairo_fill(cr);
    cairo_save(cr);
    p.RoundRectPath(5, 5, W - 10, H - 10, 4);
    cairo_clip(cr);
    if (index == 0) {
        // Gilt trellis with tiny roses at the crossings.
        cairo_set_line_width(cr, 0.8);
        p.Color(Palette::Gold, 0.75);
        for (int i = -12; i < 14; ++i) {
            cairo_move_to(cr, i * 10, 0);
            cairo_line_to(cr, i * 10 + H, H);
            cairo_move_to(cr, i * 10, 0);
            cairo_line_to(cr, i * 10 - H, H);
        }
        cairo_stroke(cr);
        for (int i = -6; i < 16; ++i) {
            for (int j = 0; j < 14; ++j) {
                const double x = i * 10 + (j % 2) * 5, y = j * 10 + 5;
                cairo_arc(cr, x - 5 * (j % 2 ? 0 : 0), y - 5, 1.3, 0, 2 * kPi);
            }
        }
        p.Color(Palette::Rose.Lighter(0.2), 0.9);
        cairo_fill(cr);
    } else {
        // Sprays of leaves radiating from the centre.
        for (int i = 0; i < 24; ++i) {
            const double a = i * kPi / 12;
            p.Leaf(W / 2.0 + std::cos(a) * 12, H / 2.0 + std::sin(a) * 12, 34, a,
                   Palette::Green.Lighter(0.15));
        }
        cairo_set_line_width(cr, 0.8);
        p.Color(Palette::Gold, 0.6);
        for (int r = 20; r < 90; r += 9) {
            cairo_arc(cr, W / 2.0, H / 2.0, r, 0, 2 * kPi);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
    p.RoundRectPath(5, 5, W - 10, H - 10, 4);
    p.GoldSource(0, 0, W, H);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Medallion.
    p.EllipsePath(W / 2.0, H / 2.0, 20, 26);
    p.Color(Palette::Ivory);
    cairo_fill_preserve(cr);
    p.GoldSource(W / 2.0 - 20, H / 2.0 - 26, W / 2.0 + 20, H / 2.0 + 26);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    if (index == 0) {
        p.Rose(W / 2.0, H / 2.0, 12, Palette::Rose);
        for (int side = -1; side <= 1; side += 2) {
            p.Leaf(W / 2.0 + side * 8, H / 2.0 + 10, 10, kPi / 2 - side * 0.8, Palette::Green);
        }
    } else {
        p.Color(Palette::GreenDeep);
        p.Text(FontId::GaramondItalic, 34, "R", W / 2.0, H / 2.0 + 11, Align::Centre);
    }
    return canvas;
}

Canvas CardArt::Wildcard(int value) const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::Blush.Lighter(0.3), Palette::Rose.Lighter(0.35), true);
    // A sunburst of gilt rays behind the number.
    cairo_save(cr);
    p.RoundRectPath(4, 4, W - 8, H - 8, 4);
    cairo_clip(cr);
    for (int i = 0; i < 24; ++i) {
        const double a0 = i * kPi / 12, a1 = a0 + kPi / 24;
        cairo_move_to(cr, W / 2.0, H / 2.0);
        cairo_line_to(cr, W / 2.0 + std::cos(a0) * 120, H / 2.0 + std::sin(a0) * 120);
        cairo_line_to(cr, W / 2.0 + std::cos(a1) * 120, H / 2.0 + std::sin(a1) * 120);
        cairo_close_path(cr);
    }
    p.Color(Palette::GoldLight, 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
    p.StarPath(W / 2.0, H / 2.0 - 4, 34, 15, 8);
    p.Color(Palette::Ivory, 0.9);
    cairo_fill(cr);
    const std::string rank = kRanks[value];
    p.GoldText(FontId::LibertineBold, rank.size() > 1 ? 34 : 40, rank, W / 2.0, H / 2.0 + 9,
               Align::Centre, 1.6);
    // A little ribbon banner reading "Wild".
    cairo_move_to(cr, 12, 100);
    cairo_line_to(cr, 74, 100);
    cairo_line_to(cr, 69, 108);
    cairo_line_to(cr, 74, 116);
    cairo_line_to(cr, 12, 116);
    cairo_line_to(cr, 17, 108);
    cairo_close_path(cr);
    p.Color(Palette::RoseDeep);
    cairo_fill(cr);
    p.Color(Palette::Ivory);
    p.Text(FontId::GaramondItalic, 14, "Wild", W / 2.0, 112.5, Align::Centre);
    // Corner numbers so a fanned wildcard still shows its value.
    p.Color(Palette::RoseDeep);
    p.Text(FontId::LibertineBold, rank.size() > 1 ? 14 : 17, rank, 12, 20, Align::Centre);
    p.StarPath(12, 28, 4.5, 2, 5);
    p.GoldSource(8, 24, 16, 32);
    cairo_fill(cr);
    return canvas;
}

Canvas CardArt::Joker() const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::Navy.Lighter(0.1), Palette::NavyDeep, true);
    // Scattered stars of a masquerade night.
    for (int i = 0; i < 18; ++i) {
        const double x = 10 + std::fmod(i * 37.0, 66), y = 10 + std::fmod(i * 53.0, 108);
        p.StarPath(x, y, 2.2, 0.9, 4);
    }
    p.Color(Palette::GoldLight, 0.7);
    cairo_fill(cr);
    Emblems::Mask(p, W / 2.0, H / 2.0 - 4, 62);
    p.GoldText(FontId::GaramondItalic, 20, "Joker", W / 2.0, 112, Align::Centre, 1.2);
    return canvas;
}

Canvas CardArt::KeyCard(bool withKey) const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::Parchment.Lighter(0.3), Palette::ParchmentDark, true);
    p.EllipsePath(W / 2.0, H / 2.0, 32, 48);
    p.Radial(W / 2.0, H / 2.0, 4, 50, {{0, Palette::Navy.Lighter(0.25)}, {1, Palette::NavyDeep}},
             {1, 1});
    cairo_fill_preserve(cr);
    p.GoldSource(0, 0, W, H);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (withKey) {
        Emblems::Key(p, W / 2.0, H / 2.0, 70, 0);
    } else {
        // The recess the key lay in.
        cairo_save(cr);
        Emblems::Key(p, W / 2.0, H / 2.0, 70, 1);
        cairo_restore(cr);
    }
    return canvas;
}

Canvas CardArt::LockCard() const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::GreenDeep.Lighter(0.15), Palette::GreenDeep.Darker(0.2), true);
    cairo_set_line_width(cr, 0.8);
    p.Color(Palette::Gold, 0.35);
    for (int i = 0; i < 9; ++i) {
        p.RoundRectPath(8 + i * 0.0, 8 + i * 0.0, W - 16, H - 16, 4);
    }
    cairo_stroke(cr);
    Emblems::Padlock(p, W / 2.0, H / 2.0 + 2, 54);
    return canvas;
}

Canvas CardArt::EventCard() const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::Blush.Lighter(0.4), Palette::Blush, true);
    Emblems::Letter(p, W / 2.0, H / 2.0 - 6, 62);
    p.Color(Palette::RoseDeep);
    p.Text(FontId::GaramondItalic, 15, "Invitation", W / 2.0, 110, Align::Centre);
    cairo_new_path(cr);
    return canvas;
}

Canvas CardArt::Bow() const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // A satin ribbon tied round the card, crossing at the middle, with the bow on top.
    const Rgb satin = Palette::Rose;
    cairo_rectangle(cr, W / 2.0 - 5, 1, 10, H - 2);
    p.Linear(W / 2.0 - 5, 0, W / 2.0 + 5, 0,
             {{0, satin.Darker(0.2)}, {0.5, satin.Lighter(0.3)}, {1, satin.Darker(0.2)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 1, H / 2.0 - 5, W - 2, 10);
    p.Linear(0, H / 2.0 - 5, 0, H / 2.0 + 5,
             {{0, satin.Darker(0.2)}, {0.5, satin.Lighter(0.3)}, {1, satin.Darker(0.2)}});
    cairo_fill(cr);
    Emblems::Bow(p, W / 2.0, H / 2.0, 58, satin);
    return canvas;
}

Canvas CardArt::Regal(int counter) const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    // A gilt border marks the card as held by the court; the medallion counts the court
    // cards still needed.
    p.RoundRectPath(1.5, 1.5, W - 3, H - 3, 6);
    p.GoldSource(0, 0, W, H);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double cx = W / 2.0, cy = H / 2.0 + 4;
    p.SoftShadow(cx - 18, cy - 18, 36, 36, 18, 4, 0.35);
    cairo_arc(cr, cx, cy, 18, 0, 2 * kPi);
    p.Radial(cx - 5, cy - 6, 2, 22,
             {{0, Palette::RoseDeep.Lighter(0.3)}, {1, Palette::RoseDeep.Darker(0.3)}}, {1, 1});
    cairo_fill_preserve(cr);
    p.GoldSource(cx - 18, cy - 18, cx + 18, cy + 18);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Emblems::Crown(p, cx, cy - 24, 26);
    p.GoldText(FontId::LibertineBold, 24, std::to_string(counter), cx, cy + 8.5, Align::Centre,
               1.2);
    return canvas;
}

Canvas CardArt::Glow() const {
    const int pad = 16;
    Canvas canvas(W + pad * 2, H + pad * 2);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    for (int i = pad; i >= 1; --i) {
        const double a = 0.10 * (1.0 - static_cast<double>(i) / pad) + 0.012;
        p.RoundRectPath(pad - i, pad - i, W + 2 * i, H + 2 * i, 6 + i);
        p.Color(Palette::Candle.Lighter(0.3), a);
        cairo_fill(cr);
    }
    return canvas;
}

Canvas CardArt::TestCard() const {
    Canvas canvas(W, H);
    Painter p(canvas.Cr(), fonts);
    cairo_t* cr = canvas.Cr();
    Blank(p, Palette::White, Palette::Ivory, true);
    cairo_set_line_width(cr, 0.6);
    p.Color(Palette::Navy, 0.4);
    for (int x = 8; x < W; x += 10) {
        cairo_move_to(cr, x, 6);
        cairo_line_to(cr, x, H - 6);
    }
    for (int y = 8; y < H; y += 10) {
        cairo_move_to(cr, 6, y);
        cairo_line_to(cr, W - 6, y);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.5);
    p.Color(Palette::RoseDeep);
    cairo_move_to(cr, W / 2.0, 4);
    cairo_line_to(cr, W / 2.0, H - 4);
    cairo_move_to(cr, 4, H / 2.0);
    cairo_line_to(cr, W - 4, H / 2.0);
    cairo_stroke(cr);
    return canvas;
}

void CardArt::Generate() {
    for (int v = 1; v <= 13; ++v) {
        for (int s = 0; s < 4; ++s) {
            const std::string name = std::to_string(v) + kSuitLetters[s];
            out.Png(Face(v, s, false), "graphics/Cards/" + name + ".png");
            out.Png(Face(v, s, true), "graphics/Cards/plain/" + name + ".png");
        }
        out.Png(Wildcard(v), "graphics/Cards/wildcards/w" + std::to_string(v) + ".png");
    }
    out.Png(Joker(), "graphics/Cards/wildcards/joker.png");
    for (int k = 0; k <= 9; ++k) {
        out.Png(Regal(k), "graphics/Cards/special/Regal Card" + std::to_string(k) + ".png");
    }
    out.Png(EventCard(), "graphics/Cards/special/event card.png");
    out.Png(KeyCard(true), "graphics/Cards/special/key card.png");
    out.Png(LockCard(), "graphics/Cards/special/lock card.png");
    out.Png(Bow(), "graphics/Cards/special/bow.png");
    out.Png(KeyCard(false), "graphics/Cards/Blank Key Card.png");
    out.Png(Back(0), "graphics/Cards/Card Back0.png");
    out.Png(Back(1), "graphics/Cards/Card Back1.png");
    out.Png(Glow(), "graphics/Cards/CardGlow.png");
    out.Png(TestCard(), "graphics/Cards/TestCard.png");
}
