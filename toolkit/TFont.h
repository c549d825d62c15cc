#pragma once
#include <memory>
#include <string>

#include "framework/TColor.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TShadow.h"

// A text style: a bitmap font (or, without one, the drawing layer's image font) with a
// colour, an inverse (hover) colour and a drop shadow.
class TFont {
public:
    virtual ~TFont() = default;

    std::shared_ptr<TBitmapFont> BitmapFont;
    std::shared_ptr<TColor> Color;
    int FixedWidth = 0;
    // 1: the drawing layer's image font is this style's font when there is no bitmap font.
    int ImageFont = 1;
    std::shared_ptr<TColor> InverseColor;
    std::string Name;
    std::shared_ptr<TShadow> Shadow;
    float H = 0;
    double OldScale = 1.0;

    virtual void Apply();
    virtual void ApplyCustomColor(const TColor* color);
    virtual void ApplyInverse() { ApplyCustomColor(InverseColor.get()); }
    virtual void ApplyScale(double s);
    virtual float CalcHeight();
    static std::shared_ptr<TFont> Create(int imageFont, std::shared_ptr<TColor> color,
                                         std::shared_ptr<TShadow> shadow, int fixedWidth,
                                         std::shared_ptr<TBitmapFont> bitmapFont,
                                         std::shared_ptr<TColor> inverseColor,
                                         const std::string& name);
    virtual void Kill() {}
    virtual void Init(int imageFont, std::shared_ptr<TColor> color, std::shared_ptr<TShadow> shadow,
                      int fixedWidth, std::shared_ptr<TBitmapFont> bitmapFont,
                      std::shared_ptr<TColor> inverseColor, const std::string& name);
    virtual void RestoreScale();

    // Width of text in this style at scale 1.
    double TextWidth(const std::string& text) const;
};
