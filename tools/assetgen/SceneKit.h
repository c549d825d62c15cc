#pragma once

#include <utility>
#include <vector>

#include "Canvas.h"
#include "Painter.h"
#include "Random.h"

// Pieces the chapter backgrounds are painted from: skies, hills, trees, water, buildings,
// interiors, lights. Every call draws straight onto the painter's 1024 x 768 picture.
class SceneKit {
public:
    SceneKit(const Painter& p, uint64_t seed) : p(p), cr(p.Cr()), rng(seed) {}

    Random& Rng() { return rng; }

    void Sky(const std::vector<std::pair<double, Rgb>>& stops, double bottom);
    void Sun(double x, double y, double r, const Rgb& c, double glow);
    void Moon(double x, double y, double r);
    void Clouds(int count, double y0, double y1, const Rgb& c, double alpha);
    void Stars(int count, double yMax);
    // A ridge of hills from the given base line, filled down to the bottom of the picture.
    void Hills(double base, double amplitude, double wavelength, const Rgb& c);
    void Ground(double top, const Rgb& near, const Rgb& far);
    void Tree(double x, double y, double size, const Rgb& leaves);
    void Poplar(double x, double y, double h, const Rgb& leaves);
    // A fir of stacked tiers, with snow on each tier when snowy.
    void Fir(double x, double base, double h, const Rgb& c, bool snowy);
    void TreeLine(double y, double size, int count, const Rgb& leaves);
    void Hedge(double x0, double x1, double y, double h, const Rgb& c);
    void Flowers(double x0, double x1, double y0, double y1, int count,
                 const std::vector<Rgb>& colours, double size);
    void Water(double top, double bottom, const Rgb& nearC, const Rgb& farC, const Rgb& shimmer);
    void Reflection(double x, double width, double top, double length, const Rgb& c);
    // A Palladian house: wings, a portico with columns and pediment, rows of windows.
    void Manor(double cx, double base, double w, double h, const Rgb& stone, bool lit);
    void TownHouse(double x, double base, double w, double h, const Rgb& brick, bool lit);
    void Church(double cx, double base, double s, const Rgb& stone);
    void Column(double x, double top, double bottom, double w, const Rgb& c);
    void ArchWindow(double x, double y, double w, double h, const Rgb& glass, bool curtains,
                    const Rgb& curtain);
    void Curtain(double x, double top, double w, double h, const Rgb& c, bool left);
    void Chandelier(double x, double y, double s);
    void Candle(double x, double y, double s);
    void Wall(double top, double bottom, const Rgb& c, bool panels);
    void Parquet(double horizon, const Rgb& a, const Rgb& b);
    void TileFloor(double horizon, const Rgb& a, const Rgb& b);
    void Lamp(double x, double base, double h);
    void Lanterns(double x0, double x1, double y, double sag, int count);
    void Firework(double x, double y, double r, const Rgb& c);
    void Swan(double x, double y, double s);
    // A gentleman and a lady side by side, feet on y, about 100 * s tall.
    void Couple(double x, double y, double s, const Rgb& coat, const Rgb& gown, bool hat);
    void Frame(double x, double y, double w, double h, const Rgb& picture);
    void Snow(int count, double y0, double y1);
    void Glow(double x, double y, double r, const Rgb& c, double a) { p.Glow(x, y, r, c, a); }

    // Softens the picture with a low-resolution bloom, warms it, darkens the edges and adds a
    // fine canvas grain.
    static void Finish(Canvas& canvas, uint64_t seed, double bloom, double vignette);

private:
    const Painter& p;
    cairo_t* cr;
    Random rng;
};
