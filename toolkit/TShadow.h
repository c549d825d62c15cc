#pragma once
#include <memory>

// A drop shadow: offset and opacity.
class TShadow {
public:
    float X = 1.0f, Y = 1.0f, Alpha = 0.5f;
    TShadow() = default;
    TShadow(float x, float y, float alpha) : X(x), Y(y), Alpha(alpha) {}
    static std::shared_ptr<TShadow> Create(float x, float y, float alpha);
    void Init(float x, float y, float alpha);
    void Copy(const TShadow& other) { *this = other; }
    // Black at Alpha on the drawing layer.
    void Apply() const;
    // White and alpha 1.
    static void Restore();
    // Makes this the drop shadow of text drawn from now on.
    void ApplyToText() const;
};
