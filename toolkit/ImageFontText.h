#pragma once
#include <string>
#include <vector>

// Text in the drawing layer's own image font, for styles without a bitmap font. Alignment 0
// left, 1 centred, 2 right; round puts the text on whole pixels; shadow first draws the
// module drop shadow (TextShadowX/Y, alpha TextShadowAlpha x TextAlpha) in black.
void DrawImageFontText(const std::string& text, float x, float y, int alignment, int round,
                       int shadow);
// Centred on the screen at height y.
void DrawImageFontTextCentredOnScreen(const std::string& text, float y, int shadow);
// Lines one below the other, lineGap apart, with the drop shadow.
void DrawImageFontTextArray(const std::vector<std::string>& lines, float x, float y, int alignment,
                            int lineGap);
// Width and height at scale 1.
float ImageFontTextWidth(const std::string& text);
float ImageFontTextHeight(const std::string& text);
