#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A picture in memory: straight (not premultiplied) RGBA, 4 bytes a pixel, rows top to bottom.
class Pixmap {
public:
    Pixmap() = default;
    Pixmap(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return width == 0 || height == 0; }
    uint8_t* Data() { return pixels.data(); }
    const uint8_t* Data() const { return pixels.data(); }
    // Pointer to the 4 bytes of pixel (x, y); no bounds check.
    uint8_t* At(int x, int y) { return pixels.data() + (static_cast<size_t>(y) * width + x) * 4; }
    const uint8_t* At(int x, int y) const {
        return pixels.data() + (static_cast<size_t>(y) * width + x) * 4;
    }

    // Loads a PNG or JPEG (told apart by content, not by name). On failure returns false and
    // sets error to a message naming the path; never ends the program.
    static bool Load(const std::string& path, Pixmap& out, std::string& error);
    // Writes a PNG; compression 0-9; rgbOnly drops the alpha channel (24-bit file).
    bool SavePng(const std::string& path, int compression, bool rgbOnly, std::string& error) const;
    // The rectangle (x, y, w, h), clipped to the picture.
    Pixmap Crop(int x, int y, int w, int h) const;

private:
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

}  // namespace platform
