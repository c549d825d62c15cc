#include "toolkit/TSprite.h"

#include <cmath>
#include <numbers>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TRandom.h"
#include "toolkit/TLabel.h"
#include "toolkit/Ticks.h"

namespace {
float SinDeg(float d) {
    return std::sin(d * std::numbers::pi_v<float> / 180.0f);
}
float CosDeg(float d) {
    return std::cos(d * std::numbers::pi_v<float> / 180.0f);
}
float RoundHalfUp(float v) {
    return std::floor(v + 0.5f);
}
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}
}  // namespace

TSprite::TSprite() : GlowCounter(std::make_shared<TSineCounter>()) {}

std::string SpriteNameKey(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < name.size()) {
            // Latin-1 small letters U+00E0-U+00FE (not the division sign) and y-diaeresis.
            unsigned char d = static_cast<unsigned char>(name[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) {
                out += static_cast<char>(c);
                out += static_cast<char>(d - 0x20);
            } else if (d == 0xBF) {
                out += "\xC5\xB8";
            } else {
                out += static_cast<char>(c);
                out += static_cast<char>(d);
            }
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool TSprite::MidHandled() const {
    return image && image->midhandled;
}

int TSprite::FrameFromCounter(float counter, int animLength, int framesTotal, int dir) {
    if (framesTotal < 1 || animLength == 0) return 0;
    // r x frames, or frames x (1 - r), with r = counter / length; multiplied out first so
    // whole frames land exactly on their boundaries.
    float len = static_cast<float>(animLength), frames = static_cast<float>(framesTotal);
    float value = dir ? counter * frames / len : (len - counter) * frames / len;
    int f = static_cast<int>(std::floor(value));
    if (f < 0) f = 0;
    if (f > framesTotal - 1) f = framesTotal - 1;
    return f;
}

void TSprite::CallAnimStopped() {
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
}

int TSprite::AnimBoundsCheckLower() {
    if (AnimCounter > 0) return 0;
    if (PingPong) {
        AnimCounter = -AnimCounter + FrameLength;
        // Turn so the clock runs up again, whichever way it counts for forward play.
        AnimReverse = AnimCounterDir == 1 ? 0 : 1;
        if (AnimCounter == 0) AnimCounter = 0.01f;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0) {
            LoopCount--;
            if (LoopCount == 0) {
                Loop = 0;
                AnimCounter = 0.01f;
                return 1;
            }
        }
        AnimCounter += static_cast<float>(AnimLength);
        CallAnimStopped();
        return 1;
    }
    AnimCounter = 0.01f;
    CallAnimStopped();
    return 1;
}

int TSprite::AnimBoundsCheckUpper() {
    float len = static_cast<float>(AnimLength);
    if (AnimCounter < len) return 0;
    if (PingPong) {
        AnimCounter = len - (AnimCounter - len) - FrameLength;
        AnimReverse = AnimCounterDir == 1 ? 1 : 0;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0) {
            LoopCount--;
            if (LoopCount == 0) {
                Loop = 0;
                AnimCounter = len;
                return 1;
            }
        }
        AnimCounter -= len;
        CallAnimStopped();
        return 1;
    }
    AnimCounter = len;
    CallAnimStopped();
    return 1;
}

void TSprite::BoundsCheck() {
    float sw = static_cast<float>(VirtualWidth), sh = static_cast<float>(VirtualHeight);
    if (x < w2) x = w2;
    if (x > sw - w2) x = sw - w2;
    if (y < h2) y = h2;
    if (y > sh - h2) y = sh - h2;
}

void TSprite::CalcBoundingBox() {
    if (!BoundingBox) BoundingBox = std::make_shared<TBox>();
    if (MidHandled())
        BoundingBox->Init(x - w2, y - h2, static_cast<float>(w), static_cast<float>(h));
    else
        BoundingBox->Init(x, y, static_cast<float>(w), static_cast<float>(h));
    // Init drops any colour the box had; a hit box is never drawn.
}

void TSprite::Centre() {
    if (image) image->MidHandle(1);
    x = static_cast<float>(VirtualWidth / 2);
    y = static_cast<float>(VirtualHeight / 2);
}

void TSprite::CentreX(float py) {
    if (image) image->MidHandle(1);
    x = static_cast<float>(VirtualWidth / 2);
    y = py;
}

std::shared_ptr<TSprite> TSprite::Create(std::shared_ptr<TGameImage> img, float px, float py) {
    auto s = std::make_shared<TSprite>();
    s->SetImage(std::move(img));
    s->SetPosition(px, py);
    return s;
}

std::shared_ptr<TSprite> TSprite::CreateFromFile(const std::string& file, float px, float py,
                                                 int centre, int midHandle) {
    std::string folder = Game ? Game->ImagePath : std::string();
    auto s = Create(TGameImage::Create(folder + file + ".png", -1, midHandle), px, py);
    if (centre) s->SetPosition(VirtualWidth / 2, VirtualHeight / 2);
    return s;
}

bool TSprite::CollideWithPixel(float px, float py) const {
    float bx, by, bw, bh;
    if (BoundingBox) {
        bx = BoundingBox->X;
        by = BoundingBox->Y;
        bw = BoundingBox->W;
        bh = BoundingBox->H;
    } else {
        bx = MidHandled() ? x - w2 : x;
        by = MidHandled() ? y - h2 : y;
        bw = static_cast<float>(w);
        bh = static_cast<float>(h);
    }
    float qx = std::trunc(px), qy = std::trunc(py);
    return qx < bx + bw && bx < qx + 1 && qy < by + bh && by < qy + 1;
}

void TSprite::DoDraw() {
    if (!visible) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    g->SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    g->SetRotation(Rotation);
    if (UseAlpha) {
        g->SetAlpha(Alpha);
        if (Label) Label->Alpha = Alpha;
    }
    if (Color) Color->ApplyNoAlpha();
    if (RoundCoords)
        DrawRounded();
    else
        DrawNormal();
    g->SetScale(1, 1);
    g->SetRotation(0);
    if (UseAlpha) {
        g->SetAlpha(1);
        if (Label) Label->Alpha = 1;
    }
    if (Color) g->SetColor(255, 255, 255);
}

void TSprite::Draw() {
    DoDraw();
    if (GlowMode > 0) DrawLight(Glow, 1, 1, 1, nullptr);
}

void TSprite::DrawLight(float alpha, float r, float g, float b,
                        std::shared_ptr<TGameImage> lightImage) {
    if (!visible) return;
    platform::Graphics* gfx = Gfx();
    if (!gfx) return;
    gfx->SetBlend(platform::BlendMode::Light);
    gfx->SetColor(static_cast<int>(r * (alpha * 255)), static_cast<int>(g * (alpha * 255)),
                  static_cast<int>(b * (alpha * 255)));
    auto saved = AlternativeImage;
    AlternativeImage = std::move(lightImage);
    // The overlay is the picture alone: a shadow or label drawn additively would only glare.
    lightPass = true;
    DoDraw();
    lightPass = false;
    AlternativeImage = saved;
    gfx->SetBlend(platform::BlendMode::Alpha);
    gfx->SetColor(255, 255, 255);
}

void TSprite::DrawImageAt(TGameImage* img, int fr, float px, float py) {
    if (img) img->Draw(px, py, fr);
}

void TSprite::DrawNormal() {
    int fr = AnimCounter > 0 ? frame : ImageFrame;
    TGameImage* img = AlternativeImage ? AlternativeImage.get() : image.get();
    float px = x, py = y;
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    if (!lightPass) DrawShadow(img, fr, false);
    DrawImageAt(img, fr, px, py);
    if (Label && !lightPass) Label->Draw(UseOffset ? offx : 0, UseOffset ? offy : 0, 1);
}

void TSprite::DrawRounded() {
    int fr = AnimCounter > 0 ? frame : ImageFrame;
    TGameImage* img = AlternativeImage ? AlternativeImage.get() : image.get();
    float px = UseOffset ? RoundHalfUp(x + offx) : RoundHalfUp(x);
    float py = UseOffset ? RoundHalfUp(y + offy) : RoundHalfUp(y);
    if (!lightPass && Shadow && img) {
        // The shadow lands on whole pixels too.
        float sx = x, sy = y;
        x = RoundHalfUp(x);
        y = RoundHalfUp(y);
        DrawShadow(img, fr, false);
        x = sx;
        y = sy;
    }
    DrawImageAt(img, fr, px, py);
    if (Label && !lightPass) Label->Draw(UseOffset ? offx : 0, UseOffset ? offy : 0, 1);
}

void TSprite::DrawShadow(TGameImage* img, int fr, bool scrolled) {
    if (!Shadow || !img) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    int r, gr, b;
    g->GetColor(r, gr, b);
    g->SetColor(0, 0, 0);
    g->SetAlpha(ShadowAlpha * Alpha);
    float px = x + ShadowX, py = y + ShadowY;
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    if (scrolled && Game) {
        px -= Game->ScrollX;
        py -= Game->ScrollY;
    }
    img->Draw(px, py, fr);
    if (Color)
        Color->ApplyNoAlpha();
    else
        g->SetColor(r, gr, b);
    g->SetAlpha(Alpha);
}

void TSprite::DrawWithOffset() {
    if (!visible) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    g->SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    g->SetRotation(Rotation);
    if (UseAlpha) g->SetAlpha(Alpha);
    if (Color) Color->ApplyNoAlpha();
    int fr = AnimCounter > 0 ? frame : ImageFrame;
    TGameImage* img = AlternativeImage ? AlternativeImage.get() : image.get();
    DrawShadow(img, fr, true);
    float px = x - Game->ScrollX, py = y - Game->ScrollY;
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    DrawImageAt(img, fr, px, py);
    g->SetScale(1, 1);
    g->SetRotation(0);
    if (UseAlpha) g->SetAlpha(1);
    if (Color) g->SetColor(255, 255, 255);
}

int TSprite::GetAnimFrame() const {
    return FrameFromCounter(AnimCounter, AnimLength, FramesTotal, AnimCounterDir);
}

void TSprite::GetSize() {
    if (!image) return;
    w = image->w;
    h = image->h;
    w2 = image->w2;
    h2 = image->h2;
}

void TSprite::Kill() {
    if (AttachedSprite) {
        if (KillAttachedSprite == 1) AttachedSprite->Kill();
        AttachedSprite.reset();
    }
    if (BoundingBox) {
        BoundingBox->Kill();
        BoundingBox.reset();
    }
}

int TSprite::ManageAnim() {
    if (FramesTotal < 2) return 0;
    bool down = AnimCounterDir == 1 ? AnimReverse != 0 : AnimReverse == 0;
    int acted;
    if (down) {
        AnimCounter -= Delta;
        acted = AnimBoundsCheckLower();
    } else {
        AnimCounter += Delta;
        acted = AnimBoundsCheckUpper();
    }
    frame = GetAnimFrame();
    return acted;
}

void TSprite::ManageGlow() {
    if (GlowMode == 2) {
        if (Glow > 0) {
            Glow -= GlowSpeed * Delta;
            if (Glow < 0) Glow = 0;
        }
    } else if (GlowMode == 3 && GlowCounter) {
        GlowCounter->Manage();
        Glow = GlowMin + GlowRange * std::fabs(GlowCounter->ratio);
    }
}

void TSprite::ManageRotation() {
    if (RotationLoop) {
        Rotation += RotationSpeed * Delta;
        if (Rotation >= 360) Rotation -= 360;
        if (Rotation < 0) Rotation += 360;
    } else if (RotationCounter > 0) {
        RotationCounter -= Delta;
        Rotation += RotationSpeed * Delta;
    }
}

void TSprite::ManageScale() {
    if (ScaleCounter <= 0) return;
    ScaleCounter -= Delta;
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
}

void TSprite::Move() {
    float mx = dx * Delta, my = dy * Delta;
    x += mx;
    y += my;
    if (Label) {
        Label->X += mx;
        Label->Y += my;
    }
    if (xgravity != 0) dx += xgravity * Delta;
    if (ygravity != 0) dy += ygravity * Delta;
}

void TSprite::MoveAttachedSprite() {
    if (!AttachedSprite) return;
    AttachedSprite->x += dx * Delta;
    AttachedSprite->y += dy * Delta;
}

void TSprite::MoveDown() {
    y += yspeed * Delta;
    BoundsCheck();
}

void TSprite::MoveForward() {
    dx = SinDeg(Rotation) * speed;
    dy = -CosDeg(Rotation) * speed;
    Move();
}

void TSprite::MoveLeft() {
    x -= xspeed * Delta;
    BoundsCheck();
}

void TSprite::MoveOriginalCoords() {
    ox += dx * Delta;
    oy += dy * Delta;
    if (xgravity != 0) dx += xgravity * Delta;
    if (ygravity != 0) dy += ygravity * Delta;
}

void TSprite::MoveRight() {
    x += xspeed * Delta;
    BoundsCheck();
}

void TSprite::MoveUp() {
    y -= yspeed * Delta;
    BoundsCheck();
}

bool TSprite::OutOfBounds() const {
    float sw = static_cast<float>(VirtualWidth), sh = static_cast<float>(VirtualHeight);
    if (MidHandled()) return x < -w2 || x > sw + w2 || y < -h2 || y > sh + h2;
    return x < -w || x > sw || y < -h || y > sh;
}

void TSprite::RandomiseAnimPos() {
    AnimCounter = EffectsRandom.RndFloat(0.01f, static_cast<float>(AnimLength));
}

void TSprite::SetGlow(int mode, float glow, float glowSpeed, float min, float max) {
    GlowMode = mode;
    Glow = glow;
    GlowSpeed = glowSpeed;
    GlowMin = min;
    GlowMax = max;
    GlowRange = max - min;
    if (mode == 3) {
        if (!GlowCounter) GlowCounter = std::make_shared<TSineCounter>();
        GlowCounter->Init(0, 360, glowSpeed, 0);
    }
}

void TSprite::SetImage(std::shared_ptr<TGameImage> img) {
    image = std::move(img);
    GetSize();
}

void TSprite::SetName(const std::string& n) {
    name = SpriteNameKey(n);
}

void TSprite::SetScaleXY(float sx, float sy) {
    ScaleX = sx;
    ScaleY = sy == 0 ? sx : sy;
}

void TSprite::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
}

void TSprite::SetupAnim(int frames, int ms, int dir, int reverse, int randomStart, int pingPong,
                        int loop) {
    frame = 0;
    FramesTotal = frames;
    AnimLength = static_cast<int>(MsToTicks(static_cast<float>(ms)));
    AnimCounterDir = dir;
    AnimReverse = reverse;
    PingPong = pingPong;
    FrameLength = frames != 0 ? static_cast<float>(AnimLength) / static_cast<float>(frames) : 0;
    Loop = loop;
    if (randomStart) {
        RandomiseAnimPos();
    } else if (dir) {
        AnimCounter = reverse ? static_cast<float>(AnimLength) : 0;
    } else {
        AnimCounter = reverse ? 0.01f : static_cast<float>(AnimLength);
    }
}

void TSprite::SetupRotation(float rotationSpeed, int ms, int loop, int randomStart) {
    RotationSpeed = rotationSpeed;
    if (loop) {
        RotationLoop = 1;
        if (randomStart) Rotation = EffectsRandom.RndFloat(0, 360);
    } else {
        RotationLength = static_cast<int>(MsToTicks(static_cast<float>(ms)));
        RotationCounter = static_cast<float>(RotationLength);
    }
}

void TSprite::SetupScale(float sxSpeed, float sySpeed, int ms) {
    ScaleXSpeed = sxSpeed;
    ScaleYSpeed = sySpeed;
    ScaleLength = static_cast<int>(MsToTicks(static_cast<float>(ms)));
    ScaleCounter = static_cast<float>(ScaleLength);
}
