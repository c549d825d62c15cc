#pragma once

#include "Rgb.h"

// The game's candle-lit colours. Every picture draws from these so the families match.
class Palette {
public:
    static constexpr Rgb Ivory{0.985, 0.955, 0.880};
    static constexpr Rgb Parchment{0.945, 0.895, 0.780};
    static constexpr Rgb ParchmentDark{0.860, 0.780, 0.620};
    static constexpr Rgb Blush{0.960, 0.820, 0.820};
    static constexpr Rgb Rose{0.820, 0.450, 0.520};
    static constexpr Rgb RoseDeep{0.600, 0.180, 0.290};
    static constexpr Rgb Gold{0.840, 0.660, 0.300};
    static constexpr Rgb GoldLight{0.990, 0.890, 0.580};
    static constexpr Rgb GoldDark{0.520, 0.360, 0.110};
    static constexpr Rgb Green{0.150, 0.360, 0.270};
    static constexpr Rgb GreenDeep{0.060, 0.210, 0.150};
    static constexpr Rgb Navy{0.120, 0.170, 0.340};
    static constexpr Rgb NavyDeep{0.050, 0.080, 0.190};
    static constexpr Rgb Ink{0.200, 0.120, 0.090};
    static constexpr Rgb CardRed{0.700, 0.110, 0.200};
    static constexpr Rgb CardBlack{0.090, 0.110, 0.210};
    static constexpr Rgb Skin{0.980, 0.850, 0.750};
    static constexpr Rgb Candle{1.000, 0.860, 0.560};
    static constexpr Rgb Silver{0.780, 0.800, 0.840};
    static constexpr Rgb Bronze{0.760, 0.480, 0.240};
    static constexpr Rgb White{1, 1, 1};
    static constexpr Rgb Black{0, 0, 0};
};
