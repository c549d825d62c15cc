#pragma once

#include "Painter.h"

// The Jack, Queen and King as Regency figures: a young gentleman in a plumed hat, a lady
// with a tiara and pearls, a crowned king in an ermine collar. Drawn in a box of 100 x 140
// units centred on (cx, cy), scaled by scale.
class CourtPortrait {
public:
    static void Draw(const Painter& p, int value, int suit, double cx, double cy, double scale);

private:
    static void Bust(const Painter& p, int value, int suit);
    static void Head(const Painter& p, int value);
    static void Headwear(const Painter& p, int value);
};
