#include "toolkit/TButton.h"

#include <algorithm>
#include <cmath>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "platform/PathResolver.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"

TButton* DraggedButton = nullptr;

namespace {
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}
}  // namespace

bool ToolkitFileExists(const std::string& path) {
    return platform::PathResolver::Exists(path);
}

TButton::TButton() = default;

TButton::~TButton() {
    if (DraggedButton == this) DraggedButton = nullptr;
}

void TButton::CentreX(float py) {
    x = static_cast<float>((VirtualWidth - w) / 2);
    y = py;
}

void TButton::Init() {
    GetSize();
}

void TButton::Kill() {
    TSprite::Kill();
    ClearDrag();
    image.reset();
    ImageDisabled.reset();
    ImageMouseClick.reset();
    ImageMouseOver.reset();
    ImageScaled.reset();
    Caption.reset();
}

void TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0;
    MouseOver = 0;
    Glow = 0;
    Dragging = 0;
}

void TButton::ClearDrag() {
    Dragging = 0;
    if (DraggedButton == this) DraggedButton = nullptr;
    DragStartX = DragStartY = -1;
}

void TButton::ClearMouseOver() {
    MouseOver = 0;
    Clicked = 0;
    ScaleOnMODelayCounter = 0;
}

int TButton::Click(int repeat) {
    bool showing = MouseClickCounter > 0;
    if (showing && !ClickWhenDown) return 0;
    if (!Clicked && !NoSound) {
        if (repeat && !SoundClick2.empty())
            PlayClick2();
        else
            PlayClick();
    }
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
}

std::shared_ptr<TButton> TButton::CreateSpecial(const std::string& name, const std::string& moName,
                                                const std::string& soundMO,
                                                const std::string& soundClick, float px, float py,
                                                int useMenuPath) {
    auto b = std::make_shared<TButton>();
    b->UseMenuPath = useMenuPath;
    b->Load(name, moName, soundMO, soundClick);
    b->SetPosition(px, py);
    return b;
}

void TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO != 1 || MouseClickCounter > 0) return;
    if (ScaleOnMOUseGlow == 1 || (ScaleOnMOUseGlow == 0 && ScaleOnMO == 1)) {
        GlowMode = 2;
        Glow = GlowMax;
    }
}

int TButton::GetDoubleClicked() {
    int d = DoubleClicked;
    DoubleClicked = 0;
    return d;
}

float TButton::GetMOScale() const {
    if (ImageScaled && ImageScaled->w > w && ScaleOnMOMax > 1) {
        float ratio = static_cast<float>(w) / static_cast<float>(ImageScaled->w);
        return 1 - (1 - ratio) * (1 - (ScaleOnMO - 1) / (ScaleOnMOMax - 1));
    }
    return ScaleOnMO;
}

std::string TButton::GetPath() const {
    if (!Game) return "";
    return UseMenuPath ? Game->MenuPath : Game->ImagePath;
}

void TButton::Load(const std::string& n, const std::string& moName, const std::string& soundMO,
                   const std::string& soundClick, int frames) {
    SetName(n);
    LoadImages(n, moName, frames);
    SoundMouseOver = soundMO;
    SoundClick = soundClick;
    Init();
}

void TButton::LoadImages(const std::string& n, const std::string& moName, int frames) {
    std::string file = GetPath() + n + ".png";
    auto normal = TGameImage::Create(file, -1, 0);
    if (frames >= 2 && normal->w > 0) {
        normal = TGameImage::CreateAuto(file, normal->w / frames, normal->h, 0, frames, -1, 0);
        FramesTotal = frames;
        Animated = 1;
    }
    SetImage(normal);
    if (!moName.empty()) {
        std::string mo = GetPath() + moName + ".png";
        ImageMouseOver = ToolkitFileExists(mo) ? TGameImage::Create(mo, -1, 0) : normal;
    }
}

void TButton::LoadDisabled(const std::string& file, int clickDisabled) {
    ImageDisabled = TGameImage::Create(GetPath() + file + ".png", -1, 0);
    ClickDisabled = clickDisabled;
}

void TButton::LoadMouseClick(const std::string& file, int ms) {
    ImageMouseClick = TGameImage::Create(GetPath() + file + ".png", -1, 0);
    MouseClickDuration = MsToTicks(static_cast<float>(ms));
}

bool TButton::HitTest(float mx, float my) const {
    if (BoundingBox) {
        const TBox& b = *BoundingBox;
        return b.X + offx <= mx && mx < b.X + offx + b.W && b.Y + offy <= my &&
               my < b.Y + offy + b.H;
    }
    float bx = x + offx, by = y + offy;
    if (CircularCollisionRadius >= 1) {
        float ddx = bx + w2 - mx, ddy = by + h2 - my;
        return std::sqrt(ddx * ddx + ddy * ddy) <= static_cast<float>(CircularCollisionRadius);
    }
    return bx <= mx && mx < bx + static_cast<float>(w) && by <= my &&
           my < by + static_cast<float>(h);
}

int TButton::Manage() {
    ScaleRaisedThisTick = false;
    bool takesPart = Active && (!Disabled || (Disabled == 1 && ClickDisabled == 1));
    if (!takesPart) {
        ClearMouseOver();
        Dragging = 0;
        if (FixedGlowOnMO == 1) ManageGlow();
    } else {
        ManageAnim();
        ManageGlow();
        TMousePointer& mouse = Game->Mouse;
        bool mayHover = DraggedButton == nullptr || DraggedButton == this;
        bool hovered =
            mayHover && HitTest(static_cast<float>(mouse.x), static_cast<float>(mouse.y));
        if (hovered && MouseOverUserFunction && MouseOverUserFunction(*this) != 0) hovered = false;
        if (hovered) {
            if (MouseClickCounter <= 0) {
                if (!MouseOver) {
                    if (!NoSound) PlayMouseOver();
                    // The hover flash starts as the pointer arrives.
                    MouseOver = 1;
                    FixedGlowOnMOActivate();
                }
                MouseOver = 1;
            }
            int source = 0;
            bool hit = false;
            if (!Draggable) {
                if (MouseRepeat) {
                    source = MouseRepeat->GetButton();
                    hit = source == 1;
                    if (hit) mouse.ClearMouseHit();
                } else {
                    hit = mouse.GetMh(true);
                    source = hit ? 1 : 0;
                }
            }
            // A click refused while the pressed picture shows is no click this tick.
            if (!source || !Click(source == 2)) Clicked = 0;
            if (DoubleClickTime > 0 && hit) {
                if (DoubleClickCounter > 0) {
                    DoubleClicked = 1;
                    DoubleClickCounter = 0;
                } else {
                    DoubleClickCounter = DoubleClickTime;
                }
            }
            ManageMouseOverScale();
        } else {
            ClearMouseOver();
        }
        if (Draggable) ManageDrag();
        if (OKButton &&
            (KeyHit(platform::keys::ENTER) || (OKButtonUseSpace && KeyHit(platform::keys::SPACE))))
            SimulateClick();
        if (DoubleClickCounter > 0) DoubleClickCounter = std::max(0.0f, DoubleClickCounter - Delta);
    }
    if (!ScaleRaisedThisTick) {
        ManageScaleOnMO();
        if (Dragging) ManageScaleOnMO();
    }
    if (!StayDown && MouseClickCounter > 0)
        MouseClickCounter = std::max(0.0f, MouseClickCounter - Delta);
    return Clicked;
}

void TButton::ManageDrag() {
    if (DraggedButton && DraggedButton != this) return;
    TMousePointer& mouse = Game->Mouse;
    if (!mouse.b1) {
        LastMouseDown = 0;
        ClearDrag();
        return;
    }
    if (Dragging) {
        MoveTo(static_cast<float>(mouse.x - DragOffsetX),
               static_cast<float>(mouse.y - DragOffsetY));
        MouseOver = 1;
    } else if (!LastMouseDown && MouseOver) {
        DragStartX = mouse.x;
        DragStartY = mouse.y;
        if (!DragDeadZone) StartDrag();
    }
    LastMouseDown = 1;
}

void TButton::StartDrag() {
    Dragging = 1;
    DraggedButton = this;
    int px = DragStartX >= 0 ? DragStartX : Game->Mouse.x;
    int py = DragStartY >= 0 ? DragStartY : Game->Mouse.y;
    DragOffsetX = px - static_cast<int>(x);
    DragOffsetY = py - static_cast<int>(y);
}

void TButton::ManageMouseOverScale() {
    if (DraggedButton && DraggedButton != this) return;
    // Held at its size while hovered: the shrink below is for when the pointer has gone.
    ScaleRaisedThisTick = true;
    if (ScaleOnMODelayCounter < ScaleOnMODelayFrames) {
        ScaleOnMODelayCounter += Delta;
        if (ScaleOnMODelayCounter < ScaleOnMODelayFrames) return;
    }
    if (ScaleOnMOMax > 1) ScaleOnMO = std::min(ScaleOnMOMax, ScaleOnMO + ScaleOnMOUpSpeed * Delta);
}

int TButton::ManageNoSound() {
    int saved = NoSound;
    NoSound = 1;
    int r = Manage();
    NoSound = saved;
    return r;
}

void TButton::ManageScaleOnMO() {
    if (ScaleOnMO > 1) ScaleOnMO = std::max(1.0f, ScaleOnMO - ScaleOnMODownSpeed * Delta);
}

void TButton::MoveBy(float mx, float my) {
    x += mx;
    y += my;
    if (Caption) {
        Caption->X += mx;
        Caption->Y += my;
    }
    if (BoundingBox) {
        BoundingBox->X += mx;
        BoundingBox->Y += my;
    }
}

void TButton::MoveTo(float px, float py) {
    MoveBy(px - x, py - y);
}

void TButton::PlayClick() {
    if (Disabled && !SoundsWhenDisabled) return;
    PlayToolkitSound(SoundClick, 1.0f);
}

void TButton::PlayClick2() {
    if (Disabled && !SoundsWhenDisabled) return;
    PlayToolkitSound(SoundClick2, 1.0f);
}

void TButton::PlayMouseOver() {
    if (Disabled && !SoundsWhenDisabled) return;
    PlayToolkitSound(SoundMouseOver, 1.0f);
}

void TButton::Precache() {
    for (auto* img : {&image, &ImageDisabled, &ImageMouseClick, &ImageMouseOver, &ImageScaled})
        if (*img) (*img)->Precache();
}

void TButton::ResetScaleOnMO() {
    ScaleOnMO = 1;
    ScaleOnMODelayCounter = 0;
}

void TButton::SetDoubleClickTime(int ms) {
    DoubleClickTime = MsToTicks(static_cast<float>(ms));
}

void TButton::SetFixedGlowOnMO(float max, float glowSpeed, int useMO) {
    FixedGlowOnMO = 1;
    FixedGlowOnMOUseMO = useMO;
    GlowMax = max;
    GlowSpeed = glowSpeed;
}

void TButton::SetAutoGlow(float glowSpeed, float min, float max, int on) {
    SetGlow(3, min, glowSpeed, min, max);
    AutoGlowOnMO = on;
}

void TButton::SetBoundingBox(float x1, float y1, float x2OrW, float y2OrH, int corners,
                             int relative) {
    float bw = corners ? x2OrW - x1 : x2OrW;
    float bh = corners ? y2OrH - y1 : y2OrH;
    if (relative) {
        x1 += x;
        y1 += y;
    }
    BoundingBox = TBox::Create(x1, y1, bw, bh);
}

void TButton::SetBoundingBoxAuto(float fx, float fy) {
    float ix = (1 - fx) * static_cast<float>(w) / 2, iy = (1 - fy) * static_cast<float>(h) / 2;
    BoundingBox = TBox::Create(x + ix, y + iy, static_cast<float>(w) - 2 * ix,
                               static_cast<float>(h) - 2 * iy);
}

void TButton::SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver,
                        std::shared_ptr<TGameImage> click) {
    SetImage(std::move(normal));
    ImageMouseOver = std::move(mouseOver);
    ImageMouseClick = std::move(click);
    MouseClickDuration = ImageMouseClick ? MsToTicks(200) : 0;
    Init();
}

void TButton::SetImageScaled(std::shared_ptr<TGameImage> scaled) {
    ImageScaled = std::move(scaled);
    if (ImageScaled && w > 0)
        ScaleOnMOMax = static_cast<float>(ImageScaled->w) / static_cast<float>(w);
}

void TButton::SetupCaption(const std::string& text, int imageFont, std::shared_ptr<TColor> colour,
                           std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont,
                           std::shared_ptr<TColor> inverseColour) {
    Caption = TLabel::CreateSpecial(text, x + w2, y + h2, 1, 0, 1, bitmapFont);
    Caption->Init(imageFont, std::move(colour), std::move(shadow), 0, std::move(bitmapFont),
                  std::move(inverseColour), name);
}

void TButton::SetupCaptionDown(std::shared_ptr<TColor> colour, float scale, float offsetX,
                               float offsetY) {
    CaptionDownColor = std::move(colour);
    CaptionDownScale = scale;
    CaptionDownOffsetX = offsetX;
    CaptionDownOffsetY = offsetY;
}

void TButton::SetupMouseRepeat(int initialMs, int repeatMs) {
    MouseRepeat = std::make_shared<TMouseRepeat>();
    MouseRepeat->Create(initialMs, repeatMs);
}

void TButton::SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMs) {
    ScaleOnMOMax = max;
    ScaleOnMOUpSpeed = upSpeed;
    ScaleOnMODownSpeed = downSpeed;
    ScaleOnMODelayFrames = static_cast<int>(MsToTicks(static_cast<float>(delayMs)));
}

void TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    if (Click(0)) MouseOver = 1;
}

void TButton::ClampScaledCoords(float& px, float& py, float s) const {
    float sw = static_cast<float>(w) * s, sh = static_cast<float>(h) * s;
    px = std::clamp(px, 0.0f, std::max(0.0f, VirtualWidth - sw));
    py = std::clamp(py, 0.0f, std::max(0.0f, VirtualHeight - sh));
}

void TButton::DrawCaption(const TColor* colour, float scale, float dx, float dy, int rounded) {
    if (!Caption) return;
    auto savedColour = Caption->Color;
    float savedScale = Caption->Scale;
    int savedRound = Caption->RoundCoords;
    if (colour) Caption->Color = std::make_shared<TColor>(*colour);
    Caption->Scale = savedScale * scale;
    if (!rounded) Caption->RoundCoords = 0;
    Caption->Alpha = UseAlpha ? Alpha : 1.0f;
    Caption->Draw(offx + dx, offy + dy, 1);
    Caption->Color = savedColour;
    Caption->Scale = savedScale;
    Caption->RoundCoords = savedRound;
}

void TButton::DrawState(TGameImage* img, int fr, float px, float py, bool glow) {
    platform::Graphics* g = Gfx();
    if (!img || !g) return;
    if (Shadow) {
        g->SetColor(0, 0, 0);
        g->SetAlpha(ShadowAlpha * (UseAlpha ? Alpha : 1.0f));
        img->Draw(px + ShadowX, py + ShadowY, fr);
        g->SetColor(255, 255, 255);
        if (Color) Color->ApplyNoAlpha();
        g->SetAlpha(UseAlpha ? Alpha : 1.0f);
    }
    img->Draw(px, py, fr);
    if (glow) {
        g->SetBlend(platform::BlendMode::Light);
        int v = static_cast<int>(Glow * 255);
        g->SetColor(v, v, v);
        img->Draw(px, py, fr);
        g->SetBlend(platform::BlendMode::Alpha);
        g->SetColor(255, 255, 255);
        if (Color) Color->ApplyNoAlpha();
    }
}

void TButton::Draw() {
    if (!visible || !(Active || AlwaysDraw)) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    g->SetBlend(platform::BlendMode::Alpha);
    float px = x + offx, py = y + offy;
    if (UseAlpha) g->SetAlpha(Alpha);
    if (Color) Color->ApplyNoAlpha();
    float s = 1;
    bool scaled = ScaleOnMO > 1;
    if (scaled) {
        s = GetMOScale();
        g->SetScale(s, s);
        px += static_cast<float>(w) * (1 - ScaleOnMO) / 2;
        py += static_cast<float>(h) * (1 - ScaleOnMO) / 2;
        if (ScaleOnMORoundCoords) {
            px = std::floor(px + 0.5f);
            py = std::floor(py + 0.5f);
        }
        if (ScaleOnMOStayOnScreen) ClampScaledCoords(px, py, ScaleOnMO);
    } else {
        g->SetScale(ScaleX, ScaleY);
    }
    bool glowing = GlowMode > 0 && Glow > 0;
    int fr = FramesTotal >= 2 ? frame : ImageFrame;
    TGameImage* normal = scaled && ImageScaled ? ImageScaled.get() : image.get();
    if (MouseClickCounter > 0 && ImageMouseClick) {
        DrawState(ImageMouseClick.get(), 0, px, py, glowing);
        DrawCaption(CaptionDownColor.get(), CaptionDownScale, CaptionDownOffsetX * ScaleOnMO,
                    CaptionDownOffsetY * ScaleOnMO, 0);
    } else if ((MouseOver && ImageMouseOver) || (FixedGlowOnMOUseMO && glowing)) {
        TGameImage* mo = scaled && ImageScaled ? ImageScaled.get()
                         : ImageMouseOver      ? ImageMouseOver.get()
                                               : image.get();
        bool glow = glowing && (FixedGlowOnMO || AutoGlowOnMO) && UseGlowOnMO &&
                    (ScaleOnMOUseGlow == 1 || (ScaleOnMOUseGlow == 0 && ScaleOnMO == 1));
        DrawState(mo, fr, px, py, glow);
        DrawCaption(Caption ? Caption->InverseColor.get() : nullptr, 1, 0, 0, !scaled);
    } else if (Disabled && ImageDisabled) {
        DrawState(ImageDisabled.get(), 0, px, py, false);
        DrawCaption(CaptionDisabledColor.get(), 1, 0, 0, !scaled);
    } else {
        DrawState(normal, fr, px, py, glowing);
        DrawCaption(nullptr, 1, 0, 0, !scaled);
    }
    g->SetAlpha(1);
    g->SetColor(255, 255, 255);
    g->SetScale(1, 1);
    if (ScaleOnMODrawUserFunction) ScaleOnMODrawUserFunction(*this, s, 0);
}
