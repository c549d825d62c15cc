#pragma once
#include <memory>
#include <string>

#include "toolkit/TSprite.h"

// A 0-100 slider: the sprite's image is the bar, DotImage the knob. Border insets the track
// at both ends; BorderY widens the hit area above and below. The sprite's MouseOver is its
// hover flag.
class TSlider : public TSprite {
public:
    std::shared_ptr<TGameImage> DotImage;
    int DotX = 0, DotY = 0;
    int Value = 0;
    int Border = 0;
    int BorderY = 5;

    static std::shared_ptr<TSlider> CreateSpecial(const std::string& barImage,
                                                  const std::string& knobImage, float x, float y,
                                                  int border, const std::string& name,
                                                  int borderY = 5);
    // Bar and knob from images already made.
    void Load(std::shared_ptr<TGameImage> bar, std::shared_ptr<TGameImage> knob, float x, float y,
              int border, const std::string& name, int borderY);
    void LoadImages(const std::string& barImage, const std::string& knobImage);
    void SetValue(int v);
    // Returns 1 while dragged (the value may have changed).
    int Manage();
    void Init() override;
    void Draw() override;
};
