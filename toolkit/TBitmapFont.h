#pragma once
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "framework/TColor.h"

class TGameImage;

// A bitmap font: a ".fnt" text description of glyph boxes in a ".png" atlas. Codes below 256
// index their slot directly; higher codes take slots 256, 257, ... in file order.
class TBitmapFont {
public:
    static constexpr int DIRECT_SLOTS = 256;
    static constexpr int INITIAL_SLOTS = 406;
    static constexpr int GROW_SLOTS = 100;

    double CharGap = 0;
    int ChangeHandle = 0;
    float CurvatureAngle = 180.0f;
    int DrawOffsetY = 0;
    double HandleX = 0, HandleY = 0;
    double ScaleFactor = 1.0;
    std::string TestString = "ABCXYZ";
    int ArraySize = INITIAL_SLOTS;
    float CurvatureHeight = 0;
    float CurvatureWidth = 0;
    std::vector<int> ID;
    std::shared_ptr<TGameImage> Image;
    unsigned short NumChars = 0;
    unsigned short NumExtraChars = 0;
    double TextureH = 0, TextureW = 0;
    std::vector<double> width, height, xAdvance, xOffset, yOffset, xPos, yPos;

    TBitmapFont();

    // Reads path + ".fnt" and its atlas path + ".png" (paths as the data folder names them).
    static std::shared_ptr<TBitmapFont> Create(const std::string& path, int imageFlags = -1,
                                               int unused = 0, int yOffsetAdjust = 0);
    // The description alone, from a stream (no atlas); the loader's first half.
    void ReadDescription(std::istream& in, int yOffsetAdjust);

    void Draw(const std::string& text, double x, double y, int centre = 0, int right = 0,
              int roundX = 0, int roundY = 0, int shadow = 0, int centreY = 0, int vertical = 0,
              const std::vector<TColor>& colours = {});
    // 0 left, 1 centred, 2 right, 3 centred both ways, 4 left and centred vertically.
    void DrawAligned(const std::string& text, double x, double y, int alignment, int roundX = 0,
                     int roundY = 0, int shadow = 0, const std::vector<TColor>& colours = {});
    void DrawAlignedWithShadow(const std::string& text, double x, double y, int alignment,
                               int roundX = 0, int roundY = 0);
    void DrawStringArray(const std::vector<std::string>& lines, double x, double y, int centre,
                         int right, int roundX, int roundY, int shadow, int lineGap,
                         int centreVertically);

    double StringWidth(const std::string& text) const;
    double StringHeight(const std::string& text) const;
    double StringHeightAccurate(const std::string& text) const { return StringHeight(text); }
    double StringHeightVertical(const std::string& text) const;
    int GetLineGap() const { return static_cast<int>(StringHeight(TestString)); }
    double CalcReducedScale(const std::string& text, double maxWidth) const;
    std::string TruncateString(const std::string& text, double maxWidth) const;
    // Slot of a character of code 256 or more; 0 when absent.
    int FindChar(int character) const;
    // Slot that draws a character (0 = nothing).
    int SlotOf(int character) const;

    void SetCurvature(float w, float h) {
        CurvatureWidth = w;
        CurvatureHeight = h;
    }
    void ClearCurvature() { SetCurvature(0, 0); }
    void ResetHandle();
    void Precache();
    long CalcVRAM() const;
    void Kill();
    void CalcDrawOffsetY();
    void ExpandArrays();

    // Code points of UTF-8 text (a byte that is not valid UTF-8 stands for itself).
    static std::vector<int> CodePoints(const std::string& text);
};
