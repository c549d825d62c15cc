#pragma once

#include <cstdint>
#include <vector>

#include "platform/Pixmap.h"

namespace platform {

// A picture kept as 32-bit ARGB words (straight alpha), its rows cut into runs of clear, solid
// and part see-through pixels, drawn unscaled into a 32-bit XRGB frame by our own loops. On the
// software path this is what every draw comes down to: a solid run is copied whole and a clear
// one skipped, where SDL's blitter weighs every pixel.
class Sprite {
public:
    enum class Mode { Copy, Blend, Add };

    // Where a sprite is drawn: the frame's words, its pitch in words, its size and the clip
    // rectangle (already inside the frame).
    struct Target {
        uint32_t* pixels = nullptr;
        int pitch = 0;
        int width = 0, height = 0;
        int clipX = 0, clipY = 0, clipW = 0, clipH = 0;
    };

    Sprite() = default;
    Sprite(std::vector<uint32_t> argb, int width, int height);
    static Sprite FromPixmap(const Pixmap& pixels);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return width == 0 || height == 0; }
    // No pixel lets anything through.
    bool Opaque() const { return opaque; }
    uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }

    // The part (sx, sy, sw, sh) of the sprite with its corner at (x, y) of the target, faded by
    // alpha (0-255).
    void Draw(const Target& target, int x, int y, int sx, int sy, int sw, int sh, Mode mode,
              uint32_t alpha) const;

private:
    enum Kind : uint8_t { CLEAR, SOLID, PARTIAL };
    struct Run {
        uint32_t start, length;
        Kind kind;
    };

    void BlendRun(uint32_t* dst, const uint32_t* src, int count, Mode mode, uint32_t alpha) const;

    std::vector<uint32_t> argb;
    std::vector<Run> runs;
    std::vector<uint32_t> rowRuns;  // index of each row's first run; one more at the end
    int width = 0, height = 0;
    bool opaque = false;
};

}  // namespace platform
