#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Pixmap.h"
#include "platform/Sprite.h"

namespace platform {

// Pictures turned, flipped, stretched or tinted, worked out once in our own code and kept
// while they go on being drawn the same way (and a while after, within a budget). SDL's
// software renderer redoes each of these on every draw at several times the cost of a plain
// blit (a turned, tinted card costs as much as fifteen plain ones), while most of them, cards
// lying at an angle on the table, look the same frame after frame.
class TransformedSprites {
public:
    // What is kept once no longer drawn, in pixels (about 64 MB): enough for a few seconds of
    // one-off pictures, so an effect played again soon (a card burning at an angle already
    // burnt at) finds its pictures still there.
    static constexpr size_t KEPT_PIXELS = 16u << 20;

    explicit TransformedSprites(size_t keptPixels = KEPT_PIXELS) : budget(keptPixels) {}

    // One draw: the source rectangle of a frame, scaled by (ax, ay) real pixels per source
    // pixel, flipped, turned by angle degrees (clockwise on screen) around centre (in scaled
    // pixels from the unturned rectangle's corner), which lands on (atX, atY); tinted by r, g, b.
    struct Request {
        uint64_t source = 0;  // the picture's texture set; never reused
        int frame = 0;
        const Pixmap* pixels = nullptr;
        struct {
            int x = 0, y = 0, w = 0, h = 0;
        } src;
        float ax = 1, ay = 1;
        bool flipX = false, flipY = false;
        float angle = 0;
        float centreX = 0, centreY = 0;
        float atX = 0, atY = 0;
        uint8_t r = 255, g = 255, b = 255;
        bool smooth = false;
    };

    // The picture to draw as it is with its corner at (x, y); null when it cannot be made.
    const Sprite* Get(const Request& request, int& x, int& y);
    // Once a frame is shown: forgets the least lately drawn pictures once they fill more than
    // the budget, never one the frame just shown drew.
    void EndFrame();
    void Clear() {
        entries.clear();
        frames.clear();
        keptPixels = 0;
    }
    size_t Size() const { return entries.size(); }

    // A frame premultiplied, each channel in 16 bits: what the two below sample.
    static std::vector<uint64_t> Premultiplied(const Pixmap& pixels);
    // The pixels of a draw with no turn, at a whole-pixel size (w, h); straight ARGB words.
    static std::vector<uint32_t> Stretch(const Request& request,
                                         const std::vector<uint64_t>& premul, int w, int h);
    // The pixels of a turned draw over the box (x0, y0, w, h) of real pixels, the pivot at
    // (atX, atY) in the same pixels; edges smoothed by how much of each pixel they cover.
    static std::vector<uint32_t> Turn(const Request& request, const std::vector<uint64_t>& premul,
                                      float atX, float atY, int x0, int y0, int w, int h);

private:
    struct Key {
        uint64_t source;
        int frame, srcX, srcY, srcW, srcH;
        float ax, ay, angle, centreX, centreY;
        uint32_t bits;  // flips, smoothing and tint
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };
    struct Entry {
        Sprite sprite;
        int dx = 0, dy = 0;  // top-left from the whole pixel the draw is anchored to
        uint64_t lastFrame = 0;
    };

    struct FrameHash {
        size_t operator()(const std::pair<uint64_t, int>& id) const {
            return std::hash<uint64_t>()(id.first * 31 + static_cast<uint64_t>(id.second));
        }
    };
    struct Frame {
        std::vector<uint64_t> pixels;
        uint64_t lastFrame = 0;
    };
    const std::vector<uint64_t>& PremultipliedFrame(const Request& request);

    std::unordered_map<Key, Entry, KeyHash> entries;
    std::unordered_map<std::pair<uint64_t, int>, Frame, FrameHash> frames;
    uint64_t frameCount = 0;
    size_t budget;
    size_t keptPixels = 0;  // in the pictures of entries
};

}  // namespace platform
