#pragma once

#include <cairo.h>

#include <string>
#include <utility>
#include <vector>

#include "FontLibrary.h"
#include "Rgb.h"

enum class Align { Left, Centre, Right };

// Drawing vocabulary shared by every picture: suits, stars, flourishes, gilt frames,
// parchment panels, roses and lettering. Shapes taking "Path" only build the path.
class Painter {
public:
    Painter(cairo_t* cr, const FontLibrary& fonts) : cr(cr), fonts(fonts) {}

    cairo_t* Cr() const { return cr; }
    const FontLibrary& Fonts() const { return fonts; }

    void Color(const Rgb& c, double alpha = 1.0) const;
    void Linear(double x0, double y0, double x1, double y1,
                const std::vector<std::pair<double, Rgb>>& stops, double alpha = 1.0) const;
    void Radial(double cx, double cy, double r0, double r1,
                const std::vector<std::pair<double, Rgb>>& stops,
                const std::vector<double>& alphas) const;
    // Metallic gold running from light to dark along the given line.
    void GoldSource(double x0, double y0, double x1, double y1) const;

    void RoundRectPath(double x, double y, double w, double h, double r) const;
    void EllipsePath(double cx, double cy, double rx, double ry) const;
    void StarPath(double cx, double cy, double outer, double inner, int points,
                  double rotation = 0) const;
    // The four suits as paths of the given height, centred on (cx, cy). suit: 0 hearts,
    // 1 diamonds, 2 spades, 3 clubs.
    void SuitPath(int suit, double cx, double cy, double size) const;
    void HeartPath(double cx, double cy, double size) const;

    void FillSuit(int suit, double cx, double cy, double size, const Rgb& c) const;
    void Glow(double cx, double cy, double radius, const Rgb& c, double alpha) const;
    void SoftShadow(double x, double y, double w, double h, double r, double spread,
                    double alpha) const;
    // A bevelled gilt border along a rounded rectangle.
    void GoldFrame(double x, double y, double w, double h, double r, double thickness) const;
    // Parchment panel with a gilt frame and corner flourishes.
    void Panel(double x, double y, double w, double h, double r, const Rgb& top, const Rgb& bottom,
               double frame = 4) const;
    void Flourish(double x, double y, double size, bool mirror, bool flip, const Rgb& c,
                  double width) const;
    void Rose(double cx, double cy, double r, const Rgb& petal) const;
    void Leaf(double cx, double cy, double length, double angle, const Rgb& c) const;
    void Pearl(double cx, double cy, double r) const;

    void Font(FontId id, double size) const;
    double TextWidth(FontId id, double size, const std::string& text) const;
    // Fills text with the current source; y is the baseline.
    void Text(FontId id, double size, const std::string& text, double x, double y,
              Align align) const;
    void TextPath(FontId id, double size, const std::string& text, double x, double y,
                  Align align) const;
    // Gilt lettering with a dark outline and a soft drop shadow.
    void GoldText(FontId id, double size, const std::string& text, double x, double y, Align align,
                  double outline = 2.0) const;

private:
    cairo_t* cr;
    const FontLibrary& fonts;
};
