#include "toolkit/TDialog.h"

#include <cmath>
#include <numbers>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TRandom.h"
#include "toolkit/TextState.h"
#include "toolkit/ToolkitSound.h"

namespace {
float SinDeg(float d) {
    return std::sin(d * std::numbers::pi_v<float> / 180.0f);
}
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}
}  // namespace

void TDialog::Init(const std::string& text, std::shared_ptr<TGameImage> background, int dw, int dh,
                   int dx, int dy) {
    Caption = TLabel::CreateSpecial(text, 0, 0, 1, 0, 0);
    Background = std::move(background);
    DialogColor = TColor(150, 150, 150, 1.0f);
    w = dw;
    h = dh;
    if (dw) FixedWidth = 1;
    x = dx;
    y = dy;
}

void TDialog::ClearHits() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
}

void TDialog::SetupCaption(int imageFont, std::shared_ptr<TColor> colour,
                           std::shared_ptr<TShadow> shadow,
                           std::shared_ptr<TBitmapFont> bitmapFont) {
    if (!Caption) Caption = TLabel::CreateSpecial("", 0, 0, 1, 0, 0);
    Caption->Init(imageFont, std::move(colour), std::move(shadow), 0, std::move(bitmapFont),
                  nullptr, "caption");
}

void TDialog::SetupTextHeader(const std::string& text, int imageFont,
                              std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                              std::shared_ptr<TBitmapFont> bitmapFont) {
    TextHeader = TLabel::CreateSpecial(text, 0, 0, 1, 0, 0);
    TextHeader->Init(imageFont, std::move(colour), std::move(shadow), 0, std::move(bitmapFont),
                     nullptr, "header");
}

void TDialog::SetSlide(int slide, int sine) {
    SlideRandom = slide == 5;
    Slide = SlideRandom ? EffectsRandom.Rand(1, 4) : slide;
    SlideSine = sine;
}

void TDialog::SetTransitions(int inMs, int outMs, float dim, int fade, int slide, int sine,
                             int playSound) {
    SetSlide(slide, sine);
    if (inMs > 0) {
        TransitionIn = std::make_shared<TAnimation>();
        TransitionIn->Init(inMs);
        TransitionIn->Start();
        Transitioning = 1;
        CalcOffset();
        if (playSound) PlayToolkitSound(SlideInSound);
    }
    if (outMs > 0) {
        TransitionOut = std::make_shared<TAnimation>();
        TransitionOut->Init(outMs);
    }
    DimBackground = dim;
    FadeDialog = fade;
}

void TDialog::CalcAll() {
    CalcSize();
    CalcXY();
    SetLabelsXY();
}

void TDialog::CalcSize() {
    if (!Caption) return;
    float bodyW = Caption->CalcWidth();
    if (Background) {
        w = Background->w;
        h = Background->h;
    } else if (!FixedWidth) {
        w = static_cast<int>(bodyW) + 2 * Border;
    }
    if (FixedWidth && CallPreCalcWordWrap) {
        if (WordWrapWidth > 0 && bodyW > WordWrapWidth) {
            Caption->WordWrap = WordWrapWidth;
            Caption->PreCalcWordWrap();
        } else if (WordWrapWidth == 0 && bodyW > w - 2 * Border) {
            Caption->WordWrap = w - 2 * Border;
            Caption->PreCalcWordWrap();
        }
    }
    if (Caption->WordWrap > 0 && Caption->TotalLines == 0) Caption->PreCalcWordWrap();
}

void TDialog::CalcXY() {
    if (!Centre) return;
    x = (VirtualWidth - w) / 2;
    y = (VirtualHeight - h) / 2;
}

void TDialog::CalcOffset() {
    OffsetX = OffsetY = 0;
    TAnimation* t = Transitioning == 1   ? TransitionIn.get()
                    : Transitioning == 2 ? TransitionOut.get()
                                         : nullptr;
    if (!t || Slide < 1 || Slide > 4) return;
    float r = t->GetRatio();
    float c;
    if (Transitioning == 1)
        c = SlideSine ? 1 - SinDeg((1 - r) * 90) : r;
    else
        c = SlideSine ? 1 - SinDeg(r * 90) : 1 - r;
    float sw = static_cast<float>(VirtualWidth), sh = static_cast<float>(VirtualHeight);
    switch (Slide) {
        case 1:
            OffsetY = c * (-y - h - SlideExtra);
            break;
        case 2:
            OffsetX = c * (sw + SlideExtra - x);
            break;
        case 3:
            OffsetY = c * (sh + SlideExtra - y);
            break;
        case 4:
            OffsetX = c * (-x - w - SlideExtra);
            break;
        default:
            break;
    }
}

void TDialog::HeaderLoad(const std::string& n, int hx, int hy) {
    std::string folder = Game ? Game->ImagePath : std::string();
    Header = TSprite::Create(TGameImage::Create(folder + n + Ext, -1, 0), static_cast<float>(hx),
                             static_cast<float>(hy));
}

void TDialog::SetLabelsXY() {
    if (Caption) {
        float bodyH = Caption->CalcHeight();
        Caption->X = static_cast<float>(x + w / 2);
        bool vert = CaptionCentreVert || Caption->WordWrap > 0;
        Caption->Y =
            vert ? y + h / 2.0f - bodyH / 2 * Caption->Scale : static_cast<float>(y + Border);
        Caption->CentreVertically = 0;
        if (CaptionOX) Caption->X = static_cast<float>(CaptionOX);
        if (CaptionOY) Caption->Y = static_cast<float>(CaptionOY);
        Caption->X += CaptionOffsetX;
        Caption->Y += CaptionOffsetY;
    }
    if (TextHeader) {
        TextHeader->X = static_cast<float>(x + w / 2);
        TextHeader->Y = static_cast<float>(y + Border / 2);
    }
}

int TDialog::MenuGetCentredX() const {
    if (!Menu) return x;
    return x + (w - static_cast<int>(Menu->CalcWidth())) / 2;
}

void TDialog::MenuPosition() {
    if (!Menu || Menu->Buttons.empty()) return;
    if (MenuOX || MenuOY) {
        Menu->MoveTo(static_cast<float>(MenuOX), static_cast<float>(MenuOY));
        return;
    }
    Menu->MoveTo(static_cast<float>(MenuGetCentredX()),
                 static_cast<float>(y + h - Border) - Menu->CalcHeight());
}

void TDialog::Start() {
    CalcAll();
    MenuPosition();
    if (Game) {
        OldIgnoreEscapeKey = Game->IgnoreEscapeKey;
        Game->IgnoreEscapeKey = 1;
    }
    Active = 1;
    CloseResult = 0;
    if (SlideRandom) Slide = EffectsRandom.Rand(1, 4);
    CalcOffset();
}

void TDialog::SetLabelRounding(int roundX, int roundY) {
    for (auto* l : {&Caption, &TextHeader}) {
        if (!*l) continue;
        (*l)->RoundCoords = roundX && roundY ? 1 : 0;
        (*l)->RoundXCoord = roundX;
        (*l)->RoundYCoord = roundY;
    }
}

int TDialog::ManageTransitions() {
    if (Transitioning == 1 && TransitionIn) {
        TransitionIn->Manage();
        if (!TransitionIn->Active) {
            Transitioning = 0;
            if (FadeDialog) SetAlphas(1);
            PlayToolkitSound(ActivateSound);
            if (TransitionCompleteUserFunction) TransitionCompleteUserFunction(*this);
            ClearHits();
        }
    } else if (Transitioning == 2 && TransitionOut) {
        TransitionOut->Manage();
        if (!TransitionOut->Active) {
            if (FadeDialog) SetAlphas(0);
            Transitioning = 0;
            ClearHits();
            Finalise();
            return 1;
        }
    }
    bool vertical = Slide == 1 || Slide == 3, horizontal = Slide == 2 || Slide == 4;
    if (!Transitioning || (!vertical && !horizontal))
        SetLabelRounding(1, 1);
    else if (vertical)
        SetLabelRounding(1, 0);
    else
        SetLabelRounding(0, 1);
    CalcOffset();
    return 0;
}

int TDialog::ManageCore() {
    if (!Active) return 0;
    if (ManageTransitions()) return 1;
    if (!Menu) return 0;
    if (Disabled || Transitioning == 2)
        Menu->ManageFixedGlowOnly();
    else if (!Transitioning)
        Menu->Manage(static_cast<int>(OffsetX), static_cast<int>(OffsetY));
    return 0;
}

int TDialog::Manage() {
    ManageCore();
    return Active;
}

void TDialog::SetAlphas(float a) {
    Alpha = a;
    if (Menu) Menu->SetAlpha(a);
    if (Caption) Caption->Alpha = a;
    if (TextHeader) TextHeader->Alpha = a;
    if (Header) Header->Alpha = a;
}

void TDialog::SetWordWrap(int width) {
    FixedWidth = 1;
    WordWrapWidth = width;
}

void TDialog::DoDrawHighlight(float alpha) {
    platform::Graphics* g = Gfx();
    if (!DrawHighlight || !g) return;
    g->SetColor(255, 255, 255);
    g->SetAlpha(alpha * 0.5f);
    float px = x + OffsetX, py = y + OffsetY;
    g->DrawLine(px, py, px + w - 1, py);
    g->DrawLine(px, py, px, py + h - 1);
    g->SetAlpha(1);
}

void TDialog::DrawPicture(const std::shared_ptr<TGameImage>& img, int px, int py, float scale,
                          float angle, const std::shared_ptr<TShadow>& shadow, float alpha) {
    platform::Graphics* g = Gfx();
    if (!img || !g) return;
    g->SetScale(scale, scale);
    g->SetRotation(angle);
    float dx = px + OffsetX, dy = py + OffsetY;
    if (shadow) {
        g->SetColor(0, 0, 0);
        g->SetAlpha(shadow->Alpha * alpha);
        img->Draw(dx + shadow->X, dy + shadow->Y);
        g->SetColor(255, 255, 255);
    }
    g->SetAlpha(alpha);
    img->Draw(dx, dy);
    g->SetScale(1, 1);
    g->SetRotation(0);
    g->SetAlpha(1);
}

void TDialog::Draw() {
    platform::Graphics* g = Gfx();
    if (!Active || !g) return;
    float alpha = 1;
    if (FadeDialog && Transitioning == 1 && TransitionIn) alpha = TransitionIn->GetRatioInv();
    if (FadeDialog && Transitioning == 2 && TransitionOut) alpha = TransitionOut->GetRatio();
    float dim = DimBackground;
    if (Transitioning == 1 && TransitionIn) dim *= TransitionIn->GetRatioInv();
    if (Transitioning == 2 && TransitionOut) dim *= TransitionOut->GetRatio();
    g->SetBlend(platform::BlendMode::Alpha);
    if (dim > 0) {
        g->SetColor(0, 0, 0);
        g->SetAlpha(dim);
        g->DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
        g->SetColor(255, 255, 255);
    }
    float px = x + OffsetX, py = y + OffsetY;
    if (Background) {
        if (Shadow) {
            g->SetColor(0, 0, 0);
            g->SetAlpha(Shadow->Alpha * alpha);
            Background->Draw(px + Shadow->X, py + Shadow->Y);
            g->SetColor(255, 255, 255);
        }
        g->SetAlpha(alpha);
        Background->Draw(px, py);
    } else {
        if (Shadow) {
            g->SetColor(0, 0, 0);
            g->SetAlpha(Shadow->Alpha * alpha);
            g->DrawRect(px + Shadow->X, py + Shadow->Y, static_cast<float>(w),
                        static_cast<float>(h));
        }
        g->SetColor(DialogColor.R, DialogColor.G, DialogColor.B);
        g->SetAlpha(DialogColor.Alpha * alpha);
        g->DrawRect(px, py, static_cast<float>(w), static_cast<float>(h));
        g->SetColor(255, 255, 255);
    }
    DoDrawHighlight(alpha);
    g->SetAlpha(1);
    if (Header) {
        float hx = Header->x, hy = Header->y;
        Header->x += OffsetX;
        Header->y += OffsetY;
        Header->Alpha = alpha;
        Header->Draw();
        Header->x = hx;
        Header->y = hy;
    }
    if (TextHeader) {
        TextHeader->Alpha = alpha;
        TextHeader->Draw(OffsetX, OffsetY, 1);
    }
    if (Caption) {
        Caption->Alpha = alpha;
        Caption->Draw(OffsetX, OffsetY, 1);
    }
    TextAlpha = 1;
    DrawPicture(Picture, PictureX, PictureY, PictureScale, PictureAngle, PictureShadow, alpha);
    DrawPicture(Picture2, Picture2X, Picture2Y, Picture2Scale, Picture2Angle, Picture2Shadow,
                alpha);
    if (Menu && MenuShow) {
        if (FadeDialog) Menu->SetAlpha(alpha);
        Menu->Draw(static_cast<int>(OffsetX), static_cast<int>(OffsetY));
    }
    g->SetAlpha(1);
    g->SetColor(255, 255, 255);
}

int TDialog::Close(int result) {
    CloseResultTemp = result;
    if (CloseUserFunction) CloseUserFunction(*this);
    if (!TransitionOut) {
        Finalise();
        return result;
    }
    TransitionOut->Start();
    Transitioning = 2;
    PlayToolkitSound(SlideOutSound);
    CalcOffset();
    return 0;
}

void TDialog::Finalise() {
    Active = 0;
    if (ReenableEscapeKey && Game) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
    CloseResult = CloseResultTemp;
}

void TDialog::Kill() {
    Background.reset();
    Picture.reset();
    Picture2.reset();
    Header.reset();
    if (Menu) {
        Menu->Kill();
        Menu.reset();
    }
    ActivateSound.clear();
    SlideInSound.clear();
    SlideOutSound.clear();
}
