#include "platform/TransformedSprites.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr float PI = 3.14159265358979f;
// Bigger results (a zoom filling the screen) are left to SDL rather than kept.
constexpr long MAX_PIXELS = 4L << 20;

// Premultiplied pixels are kept "wide": each channel in its own 16 bits (B, R, G, A from the
// low end), so one 64-bit multiply weighs all four channels of a tap at once.
constexpr uint64_t LANES = 0x00ff00ff00ff00ffULL;

uint64_t Widen(uint32_t argb) {
    return (static_cast<uint64_t>(argb & 0xff00ff00u) << 24) | (argb & 0x00ff00ffu);
}

uint32_t Narrow(uint64_t wide) {
    return static_cast<uint32_t>(wide & 0x00ff00ffu) |
           (static_cast<uint32_t>((wide >> 24) & 0xff00ff00u));
}

// The source rectangle's pixels that lie inside the frame, in frame pixels.
struct Source {
    const uint64_t* pixels;
    int stride;            // pixels per row of the frame
    int x0, y0, x1, y1;    // usable taps, inclusive
    int originX, originY;  // frame pixel of the source rectangle's corner
    int w, h;              // the source rectangle's size
    bool smooth;
};

bool MakeSource(const TransformedSprites::Request& request, const std::vector<uint64_t>& premul,
                Source& s) {
    const Pixmap& p = *request.pixels;
    const auto& r = request.src;
    s.pixels = premul.data();
    s.stride = p.Width();
    s.x0 = std::max(0, r.x);
    s.y0 = std::max(0, r.y);
    s.x1 = std::min(p.Width(), r.x + r.w) - 1;
    s.y1 = std::min(p.Height(), r.y + r.h) - 1;
    s.originX = r.x;
    s.originY = r.y;
    s.w = r.w;
    s.h = r.h;
    s.smooth = request.smooth;
    return s.x0 <= s.x1 && s.y0 <= s.y1;
}

inline uint64_t Tap(const Source& s, int x, int y) {
    x = std::clamp(x, s.x0, s.x1);
    y = std::clamp(y, s.y0, s.y1);
    return s.pixels[static_cast<size_t>(y) * s.stride + x];
}

// Fixed point with the floor of negative values kept right: coordinates stay above -1024.
constexpr float OFFSET = 1024.0f;

// One axis of a sample: the first tap (frame pixels) and the weight of the second (0-255).
struct Step {
    int at;
    uint32_t t;
};

inline Step Locate(float u, int origin, bool smooth) {
    if (!smooth) return {origin + static_cast<int>(u + OFFSET) - static_cast<int>(OFFSET), 0};
    const int f = static_cast<int>((u - 0.5f + OFFSET) * 256.0f);
    return {origin + (f >> 8) - static_cast<int>(OFFSET), static_cast<uint32_t>(f & 255)};
}

// The wide premultiplied colour between the taps (x, y) and (x + 1, y + 1).
inline uint64_t Bilinear(const Source& s, Step x, Step y) {
    if (!s.smooth) return Tap(s, x.at, y.at);
    // The four weights add up to 65536, so each 16-bit lane holds at most 255 * 256 after
    // either step and stays apart from its neighbours.
    uint64_t p00, p10, p01, p11;
    if (x.at >= s.x0 && x.at < s.x1 && y.at >= s.y0 && y.at < s.y1) {
        const uint64_t* p = s.pixels + static_cast<size_t>(y.at) * s.stride + x.at;
        p00 = p[0];
        p10 = p[1];
        p01 = p[s.stride];
        p11 = p[s.stride + 1];
    } else {
        p00 = Tap(s, x.at, y.at);
        p10 = Tap(s, x.at + 1, y.at);
        p01 = Tap(s, x.at, y.at + 1);
        p11 = Tap(s, x.at + 1, y.at + 1);
    }
    // Clear all round, as most of a flame or a turned picture's corners are.
    if ((p00 | p10 | p01 | p11) == 0) return 0;
    const uint64_t tx = x.t, ty = y.t;
    const uint64_t top = ((p00 * (256 - tx) + p10 * tx) >> 8) & LANES;
    const uint64_t bottom = ((p01 * (256 - tx) + p11 * tx) >> 8) & LANES;
    return ((top * (256 - ty) + bottom * ty) >> 8) & LANES;
}

// The colour at (u, v), in source rectangle pixels (centres at .5).
inline uint64_t Sample(const Source& s, float u, float v) {
    return Bilinear(s, Locate(u, s.originX, s.smooth), Locate(v, s.originY, s.smooth));
}

// 65536 * 255 / a, so c * table[a] >> 16 undoes the premultiplication.
const std::array<uint32_t, 256> UNPREMULTIPLY = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t a = 1; a < 256; ++a) t[a] = (255u * 65536u + a / 2) / a;
    return t;
}();

// A tint as one factor per lane (0-256), alpha's left out.
struct Tint {
    uint64_t r, g, b;
    bool any;
};

Tint MakeTint(const TransformedSprites::Request& request) {
    auto factor = [](uint8_t c) { return static_cast<uint64_t>((c * 256 + 127) / 255); };
    return {factor(request.r), factor(request.g), factor(request.b),
            (request.r & request.g & request.b) != 255};
}

// Back to the straight alpha SDL blends with, scaled by coverage (0-256) and tinted.
inline uint32_t Finish(uint64_t wide, const Tint& tint, uint32_t coverage) {
    constexpr uint64_t B = 0xffffULL, R = B << 16, G = B << 32, A = B << 48;
    if (coverage < 256) wide = ((wide * coverage) >> 8) & LANES;
    if (tint.any) {
        wide = ((((wide & B) * tint.b) | ((wide & R) * tint.r) | ((wide & G) * tint.g)) >> 8 &
                (B | R | G) & LANES) |
               (wide & A);
    }
    const uint32_t p = Narrow(wide);
    const uint32_t a = p >> 24;
    if (a == 255 || a == 0) return a ? p : 0;
    const uint32_t k = UNPREMULTIPLY[a];
    auto straight = [k](uint32_t c) { return std::min<uint32_t>(255, (c * k + 32768) >> 16); };
    return (a << 24) | (straight((p >> 16) & 255) << 16) | (straight((p >> 8) & 255) << 8) |
           straight(p & 255);
}

uint32_t Bits(const TransformedSprites::Request& request) {
    return (request.flipX ? 1u : 0u) | (request.flipY ? 2u : 0u) | (request.smooth ? 4u : 0u) |
           (static_cast<uint32_t>(request.r) << 8) | (static_cast<uint32_t>(request.g) << 16) |
           (static_cast<uint32_t>(request.b) << 24);
}

// +0.0f folds -0 onto 0 so equal keys hash alike.
float Norm(float value) {
    return value + 0.0f;
}

}  // namespace

size_t TransformedSprites::KeyHash::operator()(const Key& key) const {
    size_t h = std::hash<uint64_t>()(key.source);
    auto mix = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    for (int v : {key.frame, key.srcX, key.srcY, key.srcW, key.srcH}) {
        mix(std::hash<int>()(v));
    }
    for (float v : {key.ax, key.ay, key.angle, key.centreX, key.centreY}) {
        mix(std::hash<float>()(v));
    }
    mix(key.bits);
    return h;
}

std::vector<uint64_t> TransformedSprites::Premultiplied(const Pixmap& pixels) {
    std::vector<uint64_t> out(static_cast<size_t>(pixels.Width()) * pixels.Height());
    const uint8_t* p = pixels.Data();
    for (size_t i = 0; i < out.size(); ++i, p += 4) {
        const uint32_t a = p[3];
        if (a == 0) {
            out[i] = 0;
            continue;
        }
        const uint32_t argb = a == 255
                                  ? 0xff000000u | (p[0] << 16) | (p[1] << 8) | p[2]
                                  : (a << 24) | (((p[0] * a + 127) / 255) << 16) |
                                        (((p[1] * a + 127) / 255) << 8) | ((p[2] * a + 127) / 255);
        out[i] = Widen(argb);
    }
    return out;
}

std::vector<uint32_t> TransformedSprites::Stretch(const Request& request,
                                                  const std::vector<uint64_t>& premul, int w,
                                                  int h) {
    Source s;
    if (w <= 0 || h <= 0 || !MakeSource(request, premul, s)) return {};
    const Tint tint = MakeTint(request);
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    const float kx = static_cast<float>(s.w) / w, ky = static_cast<float>(s.h) / h;
    std::vector<Step> columns(static_cast<size_t>(w));
    for (int i = 0; i < w; ++i) {
        const int column = request.flipX ? w - 1 - i : i;
        columns[static_cast<size_t>(i)] = Locate((column + 0.5f) * kx, s.originX, s.smooth);
    }
    for (int j = 0; j < h; ++j) {
        const int row = request.flipY ? h - 1 - j : j;
        const Step y = Locate((row + 0.5f) * ky, s.originY, s.smooth);
        uint32_t* line = out.data() + static_cast<size_t>(j) * w;
        for (int i = 0; i < w; ++i) {
            line[i] = Finish(Bilinear(s, columns[static_cast<size_t>(i)], y), tint, 256);
        }
    }
    return out;
}

std::vector<uint32_t> TransformedSprites::Turn(const Request& request,
                                               const std::vector<uint64_t>& premul, float atX,
                                               float atY, int x0, int y0, int w, int h) {
    Source s;
    if (w <= 0 || h <= 0 || !MakeSource(request, premul, s)) return {};
    const Tint tint = MakeTint(request);
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    const float angle = request.angle * PI / 180.0f;
    const float c = std::cos(angle), sn = std::sin(angle);
    const float sw = static_cast<float>(s.w), sh = static_cast<float>(s.h);
    // Back from the screen into the unturned, scaled rectangle, then into the source: u and v
    // step by the same amount from one pixel to the next.
    const float fx = request.flipX ? -1.0f : 1.0f, fy = request.flipY ? -1.0f : 1.0f;
    const float du = fx * c / request.ax, dv = fy * -sn / request.ay;
    for (int j = 0; j < h; ++j) {
        const float dy = y0 + j + 0.5f - atY, dx = x0 + 0.5f - atX;
        float u = (c * dx + sn * dy + request.centreX) / request.ax;
        float v = (-sn * dx + c * dy + request.centreY) / request.ay;
        if (request.flipX) u = sw - u;
        if (request.flipY) v = sh - v;
        uint32_t* line = out.data() + static_cast<size_t>(j) * w;
        for (int i = 0; i < w; ++i, u += du, v += dv) {
            // How far inside the edge the pixel's centre lies, in screen pixels.
            const float inU = std::min(u, sw - u) * request.ax + 0.5f;
            const float inV = std::min(v, sh - v) * request.ay + 0.5f;
            if (inU <= 0 || inV <= 0) {
                line[i] = 0;
                continue;
            }
            uint32_t coverage = 256;
            if (s.smooth) {
                if (inU < 1 || inV < 1) {
                    coverage =
                        static_cast<uint32_t>(std::min(inU, 1.0f) * std::min(inV, 1.0f) * 256);
                }
            } else if (u < 0 || u >= sw || v < 0 || v >= sh) {
                coverage = 0;
            }
            line[i] = coverage ? Finish(Sample(s, u, v), tint, coverage) : 0;
        }
    }
    return out;
}

const Sprite* TransformedSprites::Get(const Request& request, int& x, int& y) {
    if (!request.pixels || request.src.w <= 0 || request.src.h <= 0) return nullptr;
    const bool turned = request.angle != 0;
    // Unturned, the result lands where SDL would put the plain draw: the rectangle's corner
    // and size cut to whole pixels.
    const float left = request.atX - request.centreX, top = request.atY - request.centreY;
    int baseX = static_cast<int>(left), baseY = static_cast<int>(top);
    if (turned) {
        // Turned, the pivot goes to the nearest whole pixel as an unturned corner does: a
        // card gliding at an angle then stays one picture all the way.
        baseX = static_cast<int>(std::lround(request.atX));
        baseY = static_cast<int>(std::lround(request.atY));
    }
    Key key{request.source,
            request.frame,
            request.src.x,
            request.src.y,
            request.src.w,
            request.src.h,
            Norm(request.ax),
            Norm(request.ay),
            Norm(request.angle),
            Norm(turned ? request.centreX : 0),
            Norm(turned ? request.centreY : 0),
            Bits(request)};
    auto found = entries.find(key);
    if (found == entries.end()) {
        Entry entry;
        std::vector<uint32_t> pixels;
        int w = 0, h = 0;
        if (turned) {
            const float angle = request.angle * PI / 180.0f;
            const float c = std::cos(angle), s = std::sin(angle);
            const float wide = request.src.w * request.ax, high = request.src.h * request.ay;
            float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
            for (float cx : {0.0f, wide}) {
                for (float cy : {0.0f, high}) {
                    const float lx = cx - request.centreX, ly = cy - request.centreY;
                    const float px = c * lx - s * ly, py = s * lx + c * ly;
                    minX = std::min(minX, px);
                    maxX = std::max(maxX, px);
                    minY = std::min(minY, py);
                    maxY = std::max(maxY, py);
                }
            }
            entry.dx = static_cast<int>(std::floor(minX)) - 1;
            entry.dy = static_cast<int>(std::floor(minY)) - 1;
            w = static_cast<int>(std::ceil(maxX)) + 1 - entry.dx;
            h = static_cast<int>(std::ceil(maxY)) + 1 - entry.dy;
            if (static_cast<long>(w) * h > MAX_PIXELS) return nullptr;
            pixels = Turn(request, PremultipliedFrame(request), 0, 0, entry.dx, entry.dy, w, h);
        } else {
            w = static_cast<int>(request.src.w * request.ax);
            h = static_cast<int>(request.src.h * request.ay);
            if (static_cast<long>(w) * h > MAX_PIXELS) return nullptr;
            pixels = Stretch(request, PremultipliedFrame(request), w, h);
        }
        if (pixels.empty()) return nullptr;
        entry.sprite = Sprite(std::move(pixels), w, h);
        keptPixels += static_cast<size_t>(w) * h;
        found = entries.emplace(key, std::move(entry)).first;
    }
    Entry& entry = found->second;
    entry.lastFrame = frameCount;
    x = baseX + entry.dx;
    y = baseY + entry.dy;
    return &entry.sprite;
}

const std::vector<uint64_t>& TransformedSprites::PremultipliedFrame(const Request& request) {
    Frame& frame = frames[{request.source, request.frame}];
    if (frame.pixels.empty()) frame.pixels = Premultiplied(*request.pixels);
    frame.lastFrame = frameCount;
    return frame.pixels;
}

void TransformedSprites::EndFrame() {
    ++frameCount;
    // The source frames are only needed to work out new pictures.
    std::erase_if(frames,
                  [this](const auto& item) { return item.second.lastFrame + 2 <= frameCount; });
    if (keptPixels <= budget) return;
    // Over the budget: the least lately drawn go first, down to three quarters of it so this
    // is not done again next frame; what the frame just shown drew stays.
    std::vector<std::pair<uint64_t, const Key*>> byAge;
    byAge.reserve(entries.size());
    for (const auto& [key, entry] : entries) byAge.emplace_back(entry.lastFrame, &key);
    std::sort(byAge.begin(), byAge.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [lastFrame, key] : byAge) {
        if (keptPixels <= budget / 4 * 3 || lastFrame + 2 > frameCount) break;
        auto found = entries.find(*key);
        keptPixels -=
            static_cast<size_t>(found->second.sprite.Width()) * found->second.sprite.Height();
        entries.erase(found);
    }
}

}  // namespace platform
