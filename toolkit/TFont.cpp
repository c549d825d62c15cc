#include "toolkit/TFont.h"

#include "framework/TGame.h"
#include "toolkit/ImageFontText.h"
#include "toolkit/TextState.h"

std::shared_ptr<TFont> TFont::Create(int imageFont, std::shared_ptr<TColor> color,
                                     std::shared_ptr<TShadow> shadow, int fixedWidth,
                                     std::shared_ptr<TBitmapFont> bitmapFont,
                                     std::shared_ptr<TColor> inverseColor,
                                     const std::string& name) {
    auto f = std::make_shared<TFont>();
    f->Init(imageFont, std::move(color), std::move(shadow), fixedWidth, std::move(bitmapFont),
            std::move(inverseColor), name);
    return f;
}

void TFont::Init(int imageFont, std::shared_ptr<TColor> color, std::shared_ptr<TShadow> shadow,
                 int fixedWidth, std::shared_ptr<TBitmapFont> bitmapFont,
                 std::shared_ptr<TColor> inverseColor, const std::string& name) {
    ImageFont = imageFont;
    Color = std::move(color);
    Shadow = std::move(shadow);
    FixedWidth = fixedWidth;
    BitmapFont = std::move(bitmapFont);
    InverseColor = std::move(inverseColor);
    Name = name;
    CalcHeight();
}

void TFont::Apply() {
    ApplyCustomColor(Color.get());
}

void TFont::ApplyCustomColor(const TColor* color) {
    if (color) color->Apply();
    if (Shadow) {
        Shadow->ApplyToText();
        if (color) TextAlpha = color->Alpha;
    }
}

void TFont::ApplyScale(double s) {
    if (!BitmapFont) {
        if (Game && Game->Gfx) Game->Gfx->SetScale(static_cast<float>(s), static_cast<float>(s));
        return;
    }
    OldScale = BitmapFont->ScaleFactor;
    BitmapFont->ScaleFactor = s;
}

void TFont::RestoreScale() {
    if (!BitmapFont) {
        if (Game && Game->Gfx) Game->Gfx->SetScale(1, 1);
        return;
    }
    BitmapFont->ScaleFactor = OldScale;
}

float TFont::CalcHeight() {
    if (BitmapFont)
        H = static_cast<float>(BitmapFont->StringHeight(BitmapFont->TestString));
    else
        H = ImageFontTextHeight("A");
    return H;
}

double TFont::TextWidth(const std::string& text) const {
    return BitmapFont ? BitmapFont->StringWidth(text) : ImageFontTextWidth(text);
}
