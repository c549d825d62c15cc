#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/TColor.h"
#include "toolkit/TBitmapFont.h"

// An endless vertical scroller of word-wrapped lines (credits); a line starting with "*" is
// a header. Lines fade in and out over fadeRange pixels at the top and bottom.
class TScrollingText {
public:
    static constexpr float DEFAULT_SCROLL_SPEED = 0.2f;

    TColor bodyColor{255, 255, 50, 1.0f};
    float fadeRange = 80.0f;
    TColor headerColor{255, 255, 255, 1.0f};
    int _currentLine = 0;
    float _currentScrollPos = 0;
    std::shared_ptr<TBitmapFont> _font;
    int _lineGap = 0;
    int _linesOnScreen = 0;
    float _scrollSpeed = DEFAULT_SCROLL_SPEED;
    std::vector<std::string> _textArray;
    int _width = 0;
    float _x = 0, _y = 0;

    static std::shared_ptr<TScrollingText> Create(const std::string& text,
                                                  std::shared_ptr<TBitmapFont> font, float x,
                                                  float y, int linesOnScreen, int lineGap,
                                                  int width, float speed = DEFAULT_SCROLL_SPEED);
    void Logic();
    void Draw();
    void Kill() {}
    // The alpha of a line drawn at height ly.
    float LineAlpha(float ly) const;

private:
    void _InitText(const std::string& text);
};
