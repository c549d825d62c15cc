#pragma once
#include <memory>
#include <string>
#include <vector>

#include "toolkit/TFont.h"

// A positioned text in a style, optionally word-wrapped; also the caption of sprites and
// buttons. Alignment 0 left, 1 centred, 2 right.
class TLabel : public TFont {
public:
    float Alpha = 1.0f;
    int CentreVertically = 0;
    int LineGap = 0;  // 0 = from the font
    float Rotation = 0;
    float Scale = 1.0f;
    float X = 0, Y = 0;
    int RoundCoords = 1;
    int RoundXCoord = 0, RoundYCoord = 0;
    int Visible = 1;
    float W = 0;
    int Alignment = 0;
    float BitmapFontHandleX = 0, BitmapFontHandleY = 0;
    float CurvatureHeight = 0, CurvatureWidth = 0;
    std::string Text;
    std::vector<std::string> TextArray;
    int TotalLines = 0;
    int WordWrap = 0;  // wrap width in pixels; 0 = one line

    // Grows no further than maxWidth: a wider text gets a smaller Scale.
    virtual void AutoScale(float maxWidth);
    virtual void CalcSize();
    virtual float CalcWidth();
    virtual void CalcLineGap();
    virtual void CalcWordWrappedHeight();
    // White text; with a font and a wrap width the lines are wrapped at once.
    static std::shared_ptr<TLabel> CreateSpecial(const std::string& text, float x, float y,
                                                 int alignment, int wordWrap, int centreVertically,
                                                 std::shared_ptr<TBitmapFont> font = nullptr);
    virtual void Draw(float x, float y, int applyColour);
    virtual void DrawTextLine(const std::string& text, float x, float y, int applyTextAlpha);
    virtual std::string GetWidestLine() const;
    virtual void PreCalcWordWrap();
    virtual void SetBitmapFontHandle(float x, float y) {
        BitmapFontHandleX = x;
        BitmapFontHandleY = y;
    }
    virtual void SetCurvature(float width, float height) {
        CurvatureWidth = width;
        CurvatureHeight = height;
    }
    virtual void SetLineGap(int gap);
    float CalcHeight() override;

    // Sets the text, re-wrapping it when the label wraps.
    void SetText(const std::string& text);
};
