#pragma once

#include <string>
#include <vector>

#include "LayoutRandom.h"
#include "LayoutSlot.h"

// Our library of tableau shapes. Each takes a size step (0 = smallest) and draws its places
// around 0,0; most are mirror-symmetric about the vertical axis.
class ShapeLibrary {
public:
    enum Kind {
        PYRAMID,
        PEAKS,
        DIAMOND,
        TWIN_DIAMONDS,
        HEART,
        WINGS,
        STAIRS,
        COLUMNS,
        RING,
        ARCH,
        LETTERS,
        TERRACES,
        BUTTERFLY,
        KIND_COUNT
    };

    static const char* Name(int kind);
    static int SizeSteps(int kind);
    static std::vector<LayoutSlot> Make(int kind, int size, LayoutRandom& random);
};
