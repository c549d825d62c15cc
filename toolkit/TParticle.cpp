#include "toolkit/TParticle.h"

#include <cmath>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "toolkit/TLabel.h"
#include "toolkit/TParticleGenerator.h"
#include "toolkit/TParticleList.h"
#include "toolkit/Ticks.h"

TParticle::~TParticle() = default;

std::shared_ptr<TParticle> TParticle::CreateSpecial(std::shared_ptr<TGameImage> img, float px,
                                                    float py, float vx, float vy, float gravity,
                                                    float fadeMs, int lightBlend, int rotate,
                                                    float rotationSpeed, float scale,
                                                    float scaleSpeed, float lifeMs) {
    auto p = std::make_shared<TParticle>();
    p->SetImage(std::move(img));
    p->SetPosition(px, py);
    p->dx = vx;
    p->dy = vy;
    if (lifeMs > 0) p->LifeCounter = MsToTicks(lifeMs);
    p->FadeLength = p->FadeCounter = MsToTicks(std::trunc(fadeMs));
    if (p->FadeLength > 0) p->UseAlpha = 1;
    p->DoLightBlend = lightBlend;
    p->ygravity = gravity;
    p->DoRotate = rotate;
    p->RotationSpeed = rotationSpeed;
    p->ScaleX = p->ScaleY = scale;
    if (scaleSpeed != 0) {
        p->ScaleXSpeed = p->ScaleYSpeed = scaleSpeed;
        p->DoScale = 1;
    }
    p->active = 1;
    return p;
}

void TParticle::SetDelay(float ms) {
    DelayCounter = MsToTicks(ms);
    if (DelayCounter > 0) Hidden = 1;
}

std::shared_ptr<TParticlePhase> TParticle::AddPhase(float ms) {
    auto phase = std::make_shared<TParticlePhase>();
    phase->Length = MsToTicks(ms);
    PhaseList.push_back(phase);
    return phase;
}

void TParticle::StartPhases() {
    if (PhaseList.empty()) return;
    CurrentPhaseIndex = 0;
    ApplyPhase(PhaseList.front());
}

void TParticle::KillPhases() {
    PhaseList.clear();
    CurrentPhase.reset();
    CurrentPhaseIndex = 0;
}

void TParticle::ApplyPhase(const std::shared_ptr<TParticlePhase>& phase) {
    CurrentPhase = phase;
    PhaseCounter = 0;
    const TParticlePhase& ph = *phase;
    Hidden = ph.Hidden;
    dx = ph.dx;
    dy = ph.dy;
    if (ph.SetCoords == 1) SetPosition(ph.SetX, ph.SetY);
    xgravity = ph.xgravity;
    ygravity = ph.ygravity;
    SetFade(std::trunc(ph.FadeInMS), std::trunc(ph.FadeSustainMS), std::trunc(ph.FadeMS), ph.Alpha,
            1.0f);
    DoRotate = ph.DoRotate;
    RotationSpeed = ph.RotationSpeed;
    if (ph.DoScale) {
        DoScale = 1;
        ScaleXSpeed = ScaleYSpeed = ph.ScaleSpeed;
        if (ph.Scale != 0) ScaleX = ScaleY = ph.Scale;
    } else if (ph.DoScale2) {
        DoScale = 1;
        ScaleXSpeed = ph.ScaleXSpeed;
        ScaleYSpeed = ph.ScaleYSpeed;
        if (ph.ScaleX != 0 || ph.ScaleY != 0) {
            ScaleX = ph.ScaleX;
            ScaleY = ph.ScaleY;
        }
    }
    if (ph.Alpha != -1.0f) Alpha = ph.Alpha;
    if (ph.SetAngle) Rotation = ph.Angle;
}

void TParticle::SetColorFade(const TColor& colour, float dR, float dG, float dB) {
    Color = std::make_shared<TColor>(colour);
    ColorFade = 1;
    ColorDeltaR = dR;
    ColorDeltaG = dG;
    ColorDeltaB = dB;
    ColorCurrentR = static_cast<float>(colour.R);
    ColorCurrentG = static_cast<float>(colour.G);
    ColorCurrentB = static_cast<float>(colour.B);
}

void TParticle::SetFade(float inMs, float sustainMs, float outMs, float initialAlpha,
                        float sustainAlpha) {
    FadeInLength = MsToTicks(inMs);
    FadeSustainCounter = MsToTicks(sustainMs);
    FadeLength = MsToTicks(outMs);
    if (inMs > 0) {
        FadeIn = 1;
        Alpha = 0;
        FadeCounter = 0;
        if (sustainAlpha != 1.0f) SustainAlpha = InitialAlpha = sustainAlpha;
    } else {
        FadeIn = 0;
        FadeCounter = FadeLength;
        if (initialAlpha != -1.0f) InitialAlpha = initialAlpha;
    }
    if (inMs > 0 || outMs > 0) UseAlpha = 1;
}

void TParticle::StopAtDestination() {
    dx = dy = 0;
    xgravity = ygravity = 0;
    float mx = DestX - x, my = DestY - y;
    x = static_cast<float>(DestX);
    y = static_cast<float>(DestY);
    if (Label) {
        Label->X += mx;
        Label->Y += my;
    }
}

void TParticle::EndWithPhaseFunction() {
    if (CurrentPhase && CurrentPhase->UserFunction) CurrentPhase->UserFunction(*this);
    Kill();
}

int TParticle::ManagePhases() {
    if (!CurrentPhase) return 0;
    PhaseCounter += Delta;
    if (PhaseCounter < CurrentPhase->Length) return 0;
    if (CurrentPhase->UserFunction) CurrentPhase->UserFunction(*this);
    if (killed) return 1;
    CurrentPhaseIndex++;
    if (CurrentPhaseIndex >= static_cast<int>(PhaseList.size())) {
        Kill();
        return 1;
    }
    ApplyPhase(PhaseList[CurrentPhaseIndex]);
    return 0;
}

bool TParticle::ReachedDestination() const {
    bool rx = dx > 0 ? x >= DestX : x <= DestX;
    bool ry = dy > 0 ? y >= DestY : y <= DestY;
    return rx && ry;
}

void TParticle::Move() {
    if (killed) return;
    // 1. A pending delay: hidden and still.
    if (DelayCounter > 0) {
        DelayCounter -= Delta;
        if (DelayCounter > 0) {
            Hidden = 1;
            return;
        }
        DelayCounter = 0;
        Hidden = 0;
        StartPhases();
        if (DelayFinished) DelayFinished(*this);
        if (killed) return;
    }
    // 2. Scripted phases.
    if (!PhaseList.empty() && ManagePhases()) return;
    if (killed) return;
    // 3. Movement.
    if (UserMove)
        UserMove(*this);
    else if (UpdateOriginalCoords)
        MoveOriginalCoords();
    else
        TSprite::Move();
    if (killed) return;
    // 4. Destination.
    if ((DestinationReached || KillOnDestinationReached) && ReachedDestination()) {
        if (DestinationReached) DestinationReached(*this);
        if (killed) return;
        if (KillOnDestinationReached) {
            Kill();
            return;
        }
    }
    // 5. Off screen.
    if (!NoOutOfBounds && OutOfBounds()) {
        Kill();
        return;
    }
    // 6. Fade.
    if (FadeIn) {
        FadeCounter += Delta;
        if (FadeCounter >= FadeInLength) {
            FadeCounter = FadeLength;
            FadeIn = 0;
            Alpha = 1;
        }
    } else if (FadeSustainCounter > 0) {
        FadeSustainCounter -= Delta;
        if (FadeSustainCounter <= 0) {
            FadeSustainCounter = 0;
            FadeCounter = FadeLength;
        }
    } else if (FadeCounter > 0) {
        FadeCounter -= Delta;
        if (FadeCounter <= 0) {
            FadeCounter = 0;
            Alpha = 0;
            if (KillOnFade) {
                EndWithPhaseFunction();
                return;
            }
        }
    }
    // 7. Rotation.
    if (DoRotate > 0) {
        Rotation += RotationSpeed * Delta;
        if (Rotation >= 360) Rotation -= 360;
    } else if (DoRotate < 0) {
        Rotation -= RotationSpeed * Delta;
        if (Rotation < 0) Rotation += 360;
    }
    // 8. Scale.
    if (DoScale == 1) {
        ScaleX += ScaleXSpeed * Delta;
        ScaleY += ScaleYSpeed * Delta;
        if (KillOnScaleZero && (ScaleX <= 0 || ScaleY <= 0)) {
            EndWithPhaseFunction();
            return;
        }
    }
    // 9. Life.
    if (LifeCounter > 0) {
        LifeCounter -= Delta;
        if (LifeCounter <= 0) {
            LifeCounter = 0;
            EndWithPhaseFunction();
            return;
        }
    }
    // 10. Colour.
    if (ColorFade) {
        ColorCurrentR += ColorDeltaR * Delta;
        ColorCurrentG += ColorDeltaG * Delta;
        ColorCurrentB += ColorDeltaB * Delta;
        if (!Color) Color = std::make_shared<TColor>();
        Color->R = static_cast<int>(ColorCurrentR);
        Color->G = static_cast<int>(ColorCurrentG);
        Color->B = static_cast<int>(ColorCurrentB);
    }
    // 11. A carried emitter.
    if (ParticleGenerator) ParticleGenerator->Manage();
}

float TParticle::FadeAlpha() const {
    if (FadeCounter <= 0) return Alpha;
    if (FadeIn) return FadeInLength != 0 ? FadeCounter / FadeInLength * SustainAlpha : Alpha;
    return FadeLength != 0 ? FadeCounter / FadeLength * InitialAlpha : Alpha;
}

void TParticle::Draw() {
    if (!active || Hidden || killed) return;
    if (FadeCounter > 0) Alpha = FadeAlpha();
    platform::Graphics* g = Game && Game->Gfx ? Game->Gfx.get() : nullptr;
    if (g && DoLightBlend) g->SetBlend(platform::BlendMode::Light);
    if (g && DoOverlayBlend) g->SetBlend(platform::BlendMode::Overlay);
    if (UserDraw)
        UserDraw(*this);
    else
        TSprite::Draw();
    if (g) g->SetBlend(platform::BlendMode::Alpha);
}

void TParticle::Kill() {
    if (killed) return;
    killed = true;
    TSprite::Kill();
    if (UserKill) UserKill(*this);
    active = 0;
    if (Particles) {
        TParticleList* list = Particles;
        Particles = nullptr;
        list->Remove(this);
    }
    ParticleGenerator.reset();
    if (AttachedParticle) {
        if (KillAttachedParticle == 1) AttachedParticle->Kill();
        AttachedParticle.reset();
    }
    DataObject.reset();
}
