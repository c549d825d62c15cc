#include "ShapeLibrary.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

using Slots = std::vector<LayoutSlot>;

void Add(Slots& s, double x, double y, double rotation, double key) {
    s.push_back({x, y, rotation, key});
}

// A card and its mirror image; rotation is the right-hand card's tilt.
void Pair(Slots& s, double x, double y, double rotation, double key) {
    if (std::fabs(x) < 1.0) {
        Add(s, 0, y, 0, key);
        return;
    }
    const double ax = std::fabs(x);
    const double r = x > 0 ? rotation : -rotation;
    Add(s, -ax, y, -r, key);
    Add(s, ax, y, r, key);
}

double NormaliseTilt(double degrees) {
    while (degrees > 90) degrees -= 180;
    while (degrees < -90) degrees += 180;
    return degrees;
}

// Tilt that lines a card's long side up with direction (dx, dy), softened by factor.
double TangentTilt(double dx, double dy, double factor) {
    return NormaliseTilt(std::atan2(dx, dy) * 180.0 / kPi) * factor;
}

Slots Pyramid(int size) {
    Slots s;
    const int rows = 4 + size;
    const double sx = 96, sy = 64;
    for (int k = 0; k < rows; ++k) {
        for (int i = 0; i <= k; ++i) {
            Add(s, (i - k / 2.0) * sx, (k - (rows - 1) / 2.0) * sy, 0, k);
        }
    }
    return s;
}

Slots Peaks(int size) {
    static const int table[6][2] = {{2, 2}, {3, 2}, {2, 3}, {4, 2}, {3, 3}, {2, 4}};
    const int p = table[size][0], r = table[size][1];
    const double sx = 94, sy = 62;
    Slots s;
    for (int j = 0; j < p; ++j) {
        const double apex = (j - (p - 1) / 2.0) * r * sx;
        for (int k = 0; k < r; ++k) {
            for (int i = 0; i <= k; ++i)
                Add(s, apex + (i - k / 2.0) * sx, (k - r / 2.0) * sy, 0, k);
        }
    }
    const int base = p * r + 1;
    for (int i = 0; i < base; ++i) Add(s, (i - (base - 1) / 2.0) * sx, (r - r / 2.0) * sy, 0, r);
    return s;
}

void DiamondAt(Slots& s, int w, double cx, double sy) {
    const double sx = 96;
    for (int k = 0; k < 2 * w - 1; ++k) {
        const int width = w - std::abs(k - (w - 1));
        for (int i = 0; i < width; ++i) {
            // The widest row lies on top; the tips are uncovered last.
            Add(s, cx + (i - (width - 1) / 2.0) * sx, (k - (w - 1)) * sy, 0, width);
        }
    }
}

Slots Diamond(int size) {
    Slots s;
    const int w = 3 + size;
    DiamondAt(s, w, 0, w == 5 ? 55 : 62);
    return s;
}

Slots TwinDiamonds(int size) {
    Slots s;
    const int w = 3 + size;
    const double half = ((w - 1) * 96 + 86) / 2.0 + 24;
    DiamondAt(s, w, -half, 62);
    DiamondAt(s, w, half, 62);
    return s;
}

struct Point {
    double x, y;
};

bool InsidePolygon(const std::vector<Point>& poly, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        if ((poly[i].y > y) != (poly[j].y > y) &&
            x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x) {
            inside = !inside;
        }
    }
    return inside;
}

double DistanceToPolyline(const std::vector<Point>& poly, double x, double y) {
    double best = 1e9;
    for (const Point& p : poly) best = std::min(best, std::hypot(p.x - x, p.y - y));
    return best;
}

Slots Heart(int size, LayoutRandom& random) {
    // The classic heart curve, drawn densely, scaled to fit, then walked at even steps.
    std::vector<Point> curve;
    const int dense = 720;
    for (int i = 0; i <= dense; ++i) {
        const double t = 2 * kPi * i / dense;
        const double x = 16 * std::pow(std::sin(t), 3);
        const double y =
            -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
        curve.push_back({x, y});
    }
    double minY = 1e9, maxY = -1e9;
    for (const Point& p : curve) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double width = 560 + 40 * size, height = 420;
    for (Point& p : curve) {
        p.x = p.x / 32.0 * width;
        p.y = (p.y - minY) / (maxY - minY) * height - height / 2;
    }
    // Right half: from the dip (t = 0) to the tip (t = pi).
    std::vector<Point> half(curve.begin(), curve.begin() + dense / 2 + 1);
    std::vector<double> arc(1, 0.0);
    for (size_t i = 1; i < half.size(); ++i) {
        arc.push_back(arc.back() +
                      std::hypot(half[i].x - half[i - 1].x, half[i].y - half[i - 1].y));
    }
    const int perSide = 5 + size;
    Slots s;
    const bool fillOnTop = random.Chance(0.5);
    for (int k = 0; k <= perSide + 1; ++k) {
        const double target = arc.back() * k / (perSide + 1);
        size_t i = 0;
        while (i + 1 < arc.size() && arc[i] < target) ++i;
        const size_t j = std::min(i + 1, half.size() - 1);
        const double tilt = TangentTilt(half[j].x - half[i > 0 ? i - 1 : 0].x,
                                        half[j].y - half[i > 0 ? i - 1 : 0].y, 0.35);
        Pair(s, half[i].x, half[i].y, tilt, 1);
    }
    // The inside, in rows, a card's breadth from the outline.
    const double sx = 100, sy = 92;
    for (double y = -height / 2 + 60; y < height / 2 - 30; y += sy) {
        for (double x = sx / 2; x < width / 2; x += sx) {
            if (InsidePolygon(curve, x, y) && DistanceToPolyline(curve, x, y) > 78) {
                Pair(s, x, y, 0, fillOnTop ? 2 : 0);
            }
        }
        if (InsidePolygon(curve, 0, y + sy / 2) && DistanceToPolyline(curve, 0, y + sy / 2) > 90 &&
            size >= 2) {
            Add(s, 0, y + sy / 2, 0, fillOnTop ? 3 : 0.5);
        }
    }
    return s;
}

Slots Wings(int size) {
    Slots s;
    const int k = 4 + size;
    const double R = 260;
    const double px = 130, py = 200;
    for (int i = 0; i < k; ++i) {
        const double a = 75 - 60.0 * i / (k - 1);  // right wing, from the outside in
        const double rad = a * kPi / 180;
        // Innermost feather lies on top.
        Pair(s, px + R * std::sin(rad), py - R * std::cos(rad), a, 10 - a / 10.0);
    }
    const int body = 2 + size / 2;
    for (int i = 0; i < body; ++i) Add(s, 0, -150 + i * 62, 0, 20 + i);
    if (size >= 2) {
        // A lower pair of small fans beneath the wings.
        for (int i = 0; i < 3; ++i) {
            const double a = 150 - 25.0 * i;
            const double rad = a * kPi / 180;
            Pair(s, 90 + 170 * std::sin(rad), 60 - 170 * std::cos(rad), NormaliseTilt(a), 0.1 * i);
        }
    }
    return s;
}

Slots Stairs(int size) {
    static const int table[4][2] = {{2, 3}, {2, 4}, {3, 4}, {3, 5}};
    const int flights = table[size][0], steps = table[size][1];
    Slots s;
    for (int f = 0; f < flights; ++f) {
        const double x0 = 70 + f * 118;
        for (int i = 0; i < steps; ++i) {
            // Each step lies on the one above it and leans outward.
            Pair(s, x0 + i * 22, -190 + (3 - steps) * 10 + i * 42 + f * 18, 6, i);
        }
    }
    return s;
}

Slots Columns(int size, LayoutRandom& random) {
    static const int counts[5] = {5, 6, 7, 8, 8};
    const int k = counts[size];
    const int profile = random.Int(0, 2);  // 0 valley, 1 hill, 2 waves
    const int base = 2 + size / 2;
    Slots s;
    const double sx = 104, dy = 34;
    for (int c = 0; c < k; ++c) {
        const double x = (c - (k - 1) / 2.0) * sx;
        if (x < -0.5) continue;  // left half comes from the mirror
        const int fromCentre =
            static_cast<int>(std::lround(std::fabs(x) / sx - (k % 2 == 0 ? 0.5 : 0)));
        int m = base;
        if (profile == 0) m = base - 1 + fromCentre / 2 + (fromCentre >= 3 ? 1 : 0);
        if (profile == 1) m = base + 1 - fromCentre / 2;
        if (profile == 2) m = base + (fromCentre % 2);
        m = std::clamp(m, 1, 6);
        const double top = -170 + (profile == 1 ? fromCentre * 18 : 0);
        for (int i = 0; i < m; ++i) {
            const double tilt = (i % 2 == 0 ? -2.0 : 2.0) * (size >= 3 ? 1 : 0);
            Pair(s, x, top + i * dy, tilt, i);
        }
    }
    return s;
}

Slots Ring(int size) {
    Slots s;
    const int n = 10 + 2 * size;
    const double rx = 360, ry = 196;
    for (int i = 0; i <= n / 2; ++i) {
        const double t = kPi * i / (n / 2);  // top centre round to bottom centre
        const double x = rx * std::sin(t), y = -ry * std::cos(t);
        const double tilt = TangentTilt(rx * std::cos(t), ry * std::sin(t), 0.3);
        Pair(s, x, y, tilt, 1 + (i % 2));
    }
    const int w = size >= 2 ? 3 : 2;
    // A small diamond (or a pair of rows) at the centre.
    if (w == 3) {
        DiamondAt(s, 3, 0, 52);
    } else {
        for (int i = 0; i < 3; ++i) Add(s, (i - 1) * 96, -30, 0, 0);
        for (int i = 0; i < 2; ++i) Add(s, (i - 0.5) * 96, 34, 0, 1);
    }
    return s;
}

Slots Arch(int size) {
    Slots s;
    const int n = 9 + 2 * size;
    const double rx = 380, ry = 330, cy = 200;
    for (int i = 0; i < n; ++i) {
        const double theta = kPi - kPi * i / (n - 1);
        const double x = rx * std::cos(theta), y = cy - ry * std::sin(theta);
        if (x < -0.5) continue;
        Pair(s, x, y, (90 - theta * 180 / kPi) * 0.4, 0);
    }
    const int inner = n - 2;
    for (int i = 0; i < inner; ++i) {
        const double theta = kPi - kPi * i / (inner - 1);
        const double x = (rx - 84) * std::cos(theta), y = cy - (ry - 84) * std::sin(theta);
        if (x < -0.5) continue;
        Pair(s, x, y, (90 - theta * 180 / kPi) * 0.4, 1);
    }
    // The keystone and a little pile beneath the arch.
    Add(s, 0, cy - ry - 2, 0, 2);
    for (int i = 0; i < 1 + size / 2; ++i) Pair(s, 52, 150 - i * 70, 0, 0.5 + i * 0.1);
    return s;
}

struct Stroke {
    double x0, y0, x1, y1;
};

std::vector<Stroke> LetterStrokes(char letter, double& width) {
    width = 2;
    switch (letter) {
        case 'V':
            return {{0, 0, 1, 4}, {2, 0, 1, 4}};
        case 'X':
            return {{0, 0, 2, 4}, {2, 0, 0, 4}};
        case 'H':
            return {{0, 0, 0, 4}, {2, 0, 2, 4}, {0.9, 2, 1.1, 2}};
        case 'A':
            return {{1, 0, 0, 4}, {1, 0, 2, 4}, {0.95, 2.6, 1.05, 2.6}};
        case 'T':
            return {{0, 0, 2, 0}, {1, 0.9, 1, 4}};
        case 'Y':
            return {{0, 0, 1, 2}, {2, 0, 1, 2}, {1, 2, 1, 4}};
        case 'I':
            width = 0;
            return {{0, 0, 0, 4}};
        case 'M':
            width = 3;
            return {{0, 4, 0, 0}, {0, 0, 1.5, 2}, {1.5, 2, 3, 0}, {3, 0, 3, 4}};
        case 'W':
            width = 3;
            return {{0, 0, 0.75, 4}, {0.75, 4, 1.5, 1.6}, {1.5, 1.6, 2.25, 4}, {2.25, 4, 3, 0}};
        default:
            width = 2;
            return {};  // 'O' is drawn as an ellipse
    }
}

Slots Letters(int size) {
    static const char* const words[6] = {"V", "A", "W", "XOX", "HIH", "M"};
    const std::string word = words[size];
    const double ux = word.size() > 1 ? 88 : 120, uy = 104, gap = 0.9;
    // Total width in units, for centring.
    double total = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        double w;
        LetterStrokes(word[i], w);
        total += w + (i + 1 < word.size() ? gap : 0);
    }
    Slots s;
    double left = -total / 2;
    for (size_t li = 0; li < word.size(); ++li) {
        double w;
        const std::vector<Stroke> strokes = LetterStrokes(word[li], w);
        std::vector<Point> points;
        auto addPoint = [&](double x, double y) {
            for (const Point& p : points) {
                if (std::hypot(p.x - x, p.y - y) < 45) return;
            }
            points.push_back({x, y});
        };
        if (word[li] == 'O') {
            for (int i = 0; i < 8; ++i) {
                const double t = 2 * kPi * i / 8;
                addPoint((left + 1 + std::sin(t)) * ux, (2 - 1.95 * std::cos(t)) * uy);
            }
        }
        for (const Stroke& st : strokes) {
            const double len = std::hypot((st.x1 - st.x0) * ux, (st.y1 - st.y0) * uy);
            const int n = std::max(1, static_cast<int>(std::ceil(len / 96)));
            for (int i = 0; i <= n; ++i) {
                const double t = static_cast<double>(i) / n;
                addPoint((left + st.x0 + (st.x1 - st.x0) * t) * ux,
                         (st.y0 + (st.y1 - st.y0) * t) * uy);
            }
        }
        for (const Point& p : points) {
            // Lower cards lie over the ones above them.
            const double tilt = word[li] == 'O' ? 0 : 0;
            Add(s, p.x, p.y - 2 * uy, tilt, p.y);
        }
        left += w + gap;
    }
    (void)size;
    return s;
}

Slots Terraces(int size) {
    static const int table[6][2] = {{4, 2}, {5, 2}, {4, 3}, {5, 3}, {4, 4}, {6, 3}};
    const int a = table[size][0], b = table[size][1];
    Slots s;
    const double sx = 100, sy = 140;
    for (int layer = 0; layer < std::min(a, b); ++layer) {
        const int cols = a - layer, rows = b - layer;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                Add(s, (c - (cols - 1) / 2.0) * sx, (r - (rows - 1) / 2.0) * sy, 0, layer);
            }
        }
    }
    return s;
}

Slots Butterfly(int size) {
    Slots s;
    // Upper wings wide, lower wings small; cards lean with the wing, not along its rays.
    std::vector<double> upper = {40, 72};
    std::vector<double> lower = {128, 156};
    if (size >= 1) upper.push_back(100);
    const double y0 = -4;
    for (double a : upper) {
        const double rad = a * kPi / 180;
        Pair(s, 285 * std::sin(rad), y0 - 235 * std::cos(rad), a * 0.45, 1);
        Pair(s, 165 * std::sin(rad), y0 - 140 * std::cos(rad), a * 0.3, 2);
    }
    for (double a : lower) {
        const double rad = a * kPi / 180;
        Pair(s, 200 * std::sin(rad), y0 - 190 * std::cos(rad), (a - 180) * 0.5, 1.5);
    }
    const int body = 3 + size;
    for (int i = 0; i < body; ++i) Add(s, 0, -120 + i * 210.0 / (body - 1), 0, 3 + i);
    return s;
}

}  // namespace

const char* ShapeLibrary::Name(int kind) {
    static const char* const names[KIND_COUNT] = {
        "pyramid", "peaks", "diamond", "twin diamonds", "heart",    "wings",    "stairs",
        "columns", "ring",  "arch",    "letters",       "terraces", "butterfly"};
    return kind >= 0 && kind < KIND_COUNT ? names[kind] : "?";
}

int ShapeLibrary::SizeSteps(int kind) {
    switch (kind) {
        case PYRAMID:
            return 4;
        case PEAKS:
            return 6;
        case DIAMOND:
            return 3;
        case TWIN_DIAMONDS:
            return 2;
        case HEART:
            return 4;
        case WINGS:
            return 4;
        case STAIRS:
            return 4;
        case COLUMNS:
            return 5;
        case RING:
            return 4;
        case ARCH:
            return 4;
        case LETTERS:
            return 6;
        case TERRACES:
            return 6;
        case BUTTERFLY:
            return 2;
        default:
            return 0;
    }
}

std::vector<LayoutSlot> ShapeLibrary::Make(int kind, int size, LayoutRandom& random) {
    size = std::clamp(size, 0, std::max(0, SizeSteps(kind) - 1));
    switch (kind) {
        case PYRAMID:
            return Pyramid(size);
        case PEAKS:
            return Peaks(size);
        case DIAMOND:
            return Diamond(size);
        case TWIN_DIAMONDS:
            return TwinDiamonds(size);
        case HEART:
            return Heart(size, random);
        case WINGS:
            return Wings(size);
        case STAIRS:
            return Stairs(size);
        case COLUMNS:
            return Columns(size, random);
        case RING:
            return Ring(size);
        case ARCH:
            return Arch(size);
        case LETTERS:
            return Letters(size);
        case TERRACES:
            return Terraces(size);
        case BUTTERFLY:
            return Butterfly(size);
        default:
            return {};
    }
}
