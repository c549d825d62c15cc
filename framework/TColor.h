#pragma once

#include <memory>

// A colour with alpha: R, G, B 0-255 and Alpha 0.0-1.0.
class TColor {
public:
    int R = 0, G = 0, B = 0;
    float Alpha = 1.0f;

    TColor() = default;
    TColor(int r, int g, int b, float alpha = 1.0f) : R(r), G(g), B(b), Alpha(alpha) {}
    static std::shared_ptr<TColor> Create(int r, int g, int b, float alpha = 1.0f);
    // The drawing layer's current colour (and alpha) as a new colour.
    static std::shared_ptr<TColor> GetCurrentColor();
    static std::shared_ptr<TColor> GetCurrentColorAndAlpha();

    void Apply() const;
    void ApplyNoAlpha() const;
    void Copy(const TColor& other) { *this = other; }
    void Get(int& r, int& g, int& b) const;
    void GetFull(int& r, int& g, int& b, float& alpha) const;
    void MultiplyByColour(const TColor& other);
    // White and alpha 1 on the drawing layer.
    static void Restore();
    void Set(int r, int g, int b, float alpha);
    bool operator==(const TColor& o) const = default;
};
