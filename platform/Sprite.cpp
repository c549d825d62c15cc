#include "platform/Sprite.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The kind of one pixel by its alpha.
uint8_t KindOf(uint32_t pixel) {
    const uint32_t a = pixel >> 24;
    return a == 0 ? 0 : a == 255 ? 1 : 2;
}

}  // namespace

Sprite::Sprite(std::vector<uint32_t> pixels, int w, int h)
    : argb(std::move(pixels)), width(w), height(h) {
    if (w <= 0 || h <= 0 || argb.size() != static_cast<size_t>(w) * h) {
        *this = Sprite();
        return;
    }
    opaque = true;
    rowRuns.reserve(static_cast<size_t>(h) + 1);
    for (int y = 0; y < h; ++y) {
        rowRuns.push_back(static_cast<uint32_t>(runs.size()));
        const uint32_t* row = argb.data() + static_cast<size_t>(y) * w;
        int x = 0;
        while (x < w) {
            const uint8_t kind = KindOf(row[x]);
            int end = x + 1;
            while (end < w && KindOf(row[end]) == kind) ++end;
            runs.push_back({static_cast<uint32_t>(x), static_cast<uint32_t>(end - x),
                            static_cast<Kind>(kind)});
            if (kind != SOLID) opaque = false;
            x = end;
        }
    }
    rowRuns.push_back(static_cast<uint32_t>(runs.size()));
}

Sprite Sprite::FromPixmap(const Pixmap& pixels) {
    std::vector<uint32_t> words(static_cast<size_t>(pixels.Width()) * pixels.Height());
    const uint8_t* p = pixels.Data();
    for (auto& word : words) {
        word = (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[0]) << 16) |
               (static_cast<uint32_t>(p[1]) << 8) | p[2];
        p += 4;
    }
    return Sprite(std::move(words), pixels.Width(), pixels.Height());
}

// The sums are SDL's own, so a picture looks the same whichever path drew it. Each mode has
// its own loop: the choice is made once per run, not once per pixel.
void Sprite::BlendRun(uint32_t* dst, const uint32_t* src, int count, Mode mode,
                      uint32_t alpha) const {
    if (mode == Mode::Blend && alpha == 255) {
        for (int i = 0; i < count; ++i) {
            const uint32_t s = src[i], d = dst[i], a = s >> 24;
            if (a == 0) continue;
            uint32_t rb = d & 0xff00ff, g = d & 0xff00;
            rb = (rb + ((((s & 0xff00ff) - rb) * a) >> 8)) & 0xff00ff;
            g = (g + ((((s & 0xff00) - g) * a) >> 8)) & 0xff00;
            dst[i] = (d & 0xff000000) | rb | g;
        }
        return;
    }
    const bool add = mode == Mode::Add;
    for (int i = 0; i < count; ++i) {
        const uint32_t s = src[i], d = dst[i];
        const uint32_t a = (s >> 24) * alpha / 255;
        if (a == 0) continue;
        uint32_t sr = (s >> 16) & 255, sg = (s >> 8) & 255, sb = s & 255;
        if (a < 255) {
            sr = sr * a / 255;
            sg = sg * a / 255;
            sb = sb * a / 255;
        }
        uint32_t dr = (d >> 16) & 255, dg = (d >> 8) & 255, db = d & 255;
        if (add) {
            dr = std::min(255u, dr + sr);
            dg = std::min(255u, dg + sg);
            db = std::min(255u, db + sb);
        } else {
            dr = sr + (255 - a) * dr / 255;
            dg = sg + (255 - a) * dg / 255;
            db = sb + (255 - a) * db / 255;
        }
        dst[i] = (d & 0xff000000) | (dr << 16) | (dg << 8) | db;
    }
}

void Sprite::Draw(const Target& target, int x, int y, int sx, int sy, int sw, int sh, Mode mode,
                  uint32_t alpha) const {
    if (Empty() || !target.pixels) return;
    // The part asked for, within the sprite, then within the clip rectangle.
    int x0 = std::max(sx, 0), y0 = std::max(sy, 0);
    int x1 = std::min(sx + sw, width), y1 = std::min(sy + sh, height);
    const int offX = x - sx, offY = y - sy;  // sprite pixel (u, v) lands on (u + offX, v + offY)
    x0 = std::max(x0, target.clipX - offX);
    y0 = std::max(y0, target.clipY - offY);
    x1 = std::min(x1, target.clipX + target.clipW - offX);
    y1 = std::min(y1, target.clipY + target.clipH - offY);
    if (x0 >= x1 || y0 >= y1) return;
    if (mode != Mode::Copy && alpha == 0) return;
    for (int v = y0; v < y1; ++v) {
        uint32_t* dstRow = target.pixels + static_cast<size_t>(v + offY) * target.pitch + offX;
        const uint32_t* srcRow = argb.data() + static_cast<size_t>(v) * width;
        if (mode == Mode::Copy) {
            std::memcpy(dstRow + x0, srcRow + x0, static_cast<size_t>(x1 - x0) * 4);
            continue;
        }
        for (uint32_t r = rowRuns[static_cast<size_t>(v)]; r < rowRuns[static_cast<size_t>(v) + 1];
             ++r) {
            const Run& run = runs[r];
            const int start = std::max(static_cast<int>(run.start), x0);
            const int end = std::min(static_cast<int>(run.start + run.length), x1);
            if (start >= end || run.kind == CLEAR) continue;
            if (run.kind == SOLID && mode == Mode::Blend && alpha == 255) {
                std::memcpy(dstRow + start, srcRow + start, static_cast<size_t>(end - start) * 4);
            } else {
                BlendRun(dstRow + start, srcRow + start, end - start, mode, alpha);
            }
        }
    }
}

}  // namespace platform
