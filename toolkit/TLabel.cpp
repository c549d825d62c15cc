#include "toolkit/TLabel.h"

#include <cmath>

#include "framework/TGame.h"
#include "toolkit/ImageFontText.h"
#include "toolkit/TextState.h"
#include "toolkit/TextWrap.h"

namespace {
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}
}  // namespace

std::shared_ptr<TLabel> TLabel::CreateSpecial(const std::string& text, float x, float y,
                                              int alignment, int wordWrap, int centreVertically,
                                              std::shared_ptr<TBitmapFont> font) {
    auto l = std::make_shared<TLabel>();
    l->Color = TColor::Create(255, 255, 255, 1.0f);
    l->BitmapFont = std::move(font);
    l->Text = text;
    l->X = x;
    l->Y = y;
    l->Alignment = alignment;
    l->WordWrap = wordWrap;
    l->CentreVertically = centreVertically;
    l->TFont::CalcHeight();
    if (wordWrap > 0) l->PreCalcWordWrap();
    return l;
}

void TLabel::SetText(const std::string& text) {
    Text = text;
    if (WordWrap > 0) PreCalcWordWrap();
}

void TLabel::CalcLineGap() {
    LineGap = BitmapFont ? static_cast<int>(BitmapFont->StringHeight(BitmapFont->TestString))
                         : static_cast<int>(ImageFontTextHeight("A"));
}

void TLabel::CalcWordWrappedHeight() {
    H = static_cast<float>(TotalLines * LineGap);
}

void TLabel::PreCalcWordWrap() {
    auto measure = [this](const std::string& s) { return TextWidth(s); };
    TextArray = WrapTextLines(SplitTextLines(Text), WordWrap, 1.0, measure);
    TotalLines = static_cast<int>(TextArray.size());
    if (LineGap == 0) CalcLineGap();
    CalcWordWrappedHeight();
}

float TLabel::CalcWidth() {
    W = static_cast<float>(TextWidth(Text));
    return W * Scale;
}

float TLabel::CalcHeight() {
    if (WordWrap <= 0 || TotalLines == 0) return TFont::CalcHeight() * Scale;
    CalcWordWrappedHeight();
    return H * Scale;
}

void TLabel::CalcSize() {
    CalcWidth();
    CalcHeight();
}

void TLabel::AutoScale(float maxWidth) {
    if (CalcWidth() > maxWidth && W > 0) Scale = maxWidth / W;
}

std::string TLabel::GetWidestLine() const {
    if (!BitmapFont) return "";
    std::string best;
    double bestWidth = -1;
    for (const std::string& line : TextArray) {
        double w = BitmapFont->StringWidth(line);
        if (w > bestWidth) {
            bestWidth = w;
            best = line;
        }
    }
    return best;
}

void TLabel::SetLineGap(int gap) {
    LineGap = gap;
    CalcWordWrappedHeight();
}

void TLabel::DrawTextLine(const std::string& text, float x, float y, int applyTextAlpha) {
    int rx = RoundCoords == 1 ? 1 : RoundXCoord;
    int ry = RoundCoords == 1 ? 1 : RoundYCoord;
    if (!BitmapFont) {
        if (Shadow) Shadow->ApplyToText();
        DrawImageFontText(text, x, y, Alignment, RoundCoords == 1, Shadow ? 1 : 0);
        return;
    }
    bool curved = CurvatureHeight != 0;
    if (curved) BitmapFont->SetCurvature(CurvatureWidth, CurvatureHeight);
    if (!Shadow) {
        BitmapFont->DrawAligned(text, x, y, Alignment, rx, ry);
    } else {
        Shadow->ApplyToText();
        if (applyTextAlpha && Color) TextAlpha = Color->Alpha * Alpha;
        BitmapFont->DrawAlignedWithShadow(text, x, y, Alignment, rx, ry);
    }
    if (curved) BitmapFont->ClearCurvature();
}

void TLabel::Draw(float x, float y, int applyColour) {
    if (!Visible) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    float sx = 1, sy = 1;
    g->GetScale(sx, sy);
    if (Scale != 1) g->SetScale(sx * Scale, sy * Scale);
    float alpha = Alpha;
    if (applyColour && Color) {
        Color->ApplyNoAlpha();
        alpha *= Color->Alpha;
    }
    if (alpha != 1) g->SetAlpha(alpha);
    // Shadows and the text after a shadow pass take this alpha.
    float savedTextAlpha = TextAlpha;
    TextAlpha = alpha;
    bool rotated = Rotation != 0 && BitmapFont;
    if (rotated) {
        g->SetRotation(Rotation);
        BitmapFont->ChangeHandle = 1;
        BitmapFont->HandleX = BitmapFontHandleX;
        BitmapFont->HandleY = BitmapFontHandleY;
    }
    float csx, csy;
    g->GetScale(csx, csy);
    if (WordWrap <= 0) {
        float v = 0;
        if (CentreVertically) {
            v = BitmapFont
                    ? static_cast<float>(BitmapFont->StringHeight(BitmapFont->TestString)) * csy / 2
                    : H / 2;
        }
        DrawTextLine(Text, x + X, y + Y - v, 0);
    } else if (rotated) {
        BitmapFont->DrawStringArray(TextArray, x + X, y + Y, 1, 0, 0, 0, Shadow ? 1 : 0, LineGap,
                                    CentreVertically);
    } else {
        float ly = y + Y;
        if (CentreVertically) ly -= CalcHeight() / 2;
        for (const std::string& line : TextArray) {
            DrawTextLine(line, x + X, ly, 0);
            ly += LineGap * Scale;
        }
    }
    if (rotated) {
        g->SetRotation(0);
        BitmapFont->ResetHandle();
    }
    TextAlpha = savedTextAlpha;
    if (Scale != 1) g->SetScale(sx, sy);
    g->SetColor(255, 255, 255);
    g->SetAlpha(1);
}
