#pragma once

#include "AssetWriter.h"
#include "Canvas.h"
#include "Painter.h"

// The ten keepsakes hidden in the chapters (dance card, fan, letter, locket, pearls, watch,
// rose, ring, miniature, tiara), each on a gilt medallion, in a small and a large size.
class StoryItemArt {
public:
    static constexpr int SMALL = 120;
    static constexpr int LARGE = 190;

    StoryItemArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();
    Canvas Item(int number, int size) const;

private:
    // Draws item 1..10 in a 100 x 100 box.
    void Keepsake(const Painter& p, int number) const;

    const FontLibrary& fonts;
    AssetWriter& out;
};
