#include "toolkit/ImageFontText.h"

#include <cmath>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "toolkit/TextState.h"

float ImageFontTextWidth(const std::string& text) {
    return static_cast<float>(platform::Graphics::TextWidth(text));
}

float ImageFontTextHeight(const std::string& text) {
    return static_cast<float>(platform::Graphics::TextHeight(text.empty() ? "A" : text));
}

void DrawImageFontText(const std::string& text, float x, float y, int alignment, int round,
                       int shadow) {
    if (!Game || !Game->Gfx || text.empty()) return;
    auto& g = *Game->Gfx;
    float sx, sy;
    g.GetScale(sx, sy);
    float w = ImageFontTextWidth(text), h = ImageFontTextHeight(text);
    if (alignment == 1) {
        x -= w / 2 * sx;
        if (sy != 1) y -= (h * sy - h) / 2;
    } else if (alignment == 2) {
        x -= w * sx;
    }
    if (round) {
        x = std::floor(x + 0.5f);
        y = std::floor(y + 0.5f);
    }
    if (shadow) {
        int r, gr, b;
        g.GetColor(r, gr, b);
        g.SetColor(0, 0, 0);
        g.SetAlpha(TextShadowAlpha * TextAlpha);
        g.DrawText(text, x + TextShadowX, y + TextShadowY);
        g.SetColor(r, gr, b);
    }
    g.SetAlpha(TextAlpha);
    g.DrawText(text, x, y);
}

void DrawImageFontTextCentredOnScreen(const std::string& text, float y, int shadow) {
    DrawImageFontText(text, VirtualWidth / 2.0f, y, 1, 1, shadow);
}

void DrawImageFontTextArray(const std::vector<std::string>& lines, float x, float y, int alignment,
                            int lineGap) {
    for (size_t i = 0; i < lines.size(); ++i)
        DrawImageFontText(lines[i], x, y + static_cast<float>(i) * lineGap, alignment, 1, 1);
}
