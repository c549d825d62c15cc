#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// A cairo image surface with its drawing context; owns both.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width; }
    int Height() const { return height; }
    cairo_t* Cr() const { return cr; }
    cairo_surface_t* Surface() const { return surface; }

    // Straight-alpha RGBA rows, top to bottom (cairo keeps premultiplied ARGB).
    std::vector<uint8_t> ToRgba() const;
    // Smallest rectangle holding every pixel with alpha above threshold; false when none.
    bool OpaqueBounds(int threshold, int& x, int& y, int& w, int& h) const;
    // A copy of the rectangle (x, y, w, h).
    Canvas Crop(int x, int y, int w, int h) const;

    // Reads a PNG or JPEG file written by the generator; an empty 1x1 canvas on failure.
    static Canvas Load(const std::string& path, std::string& error);

private:
    void Release();
    int width = 0;
    int height = 0;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
};
