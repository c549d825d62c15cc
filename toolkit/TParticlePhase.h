#pragma once
#include <functional>

class TParticle;

// One step of a scripted particle: what it does for Length ticks. Alpha -1 leaves the
// particle's alpha as it is; UserFunction is called as the phase ends.
class TParticlePhase {
public:
    float Length = 0;
    int Hidden = 0;
    float dx = 0, dy = 0;
    int SetCoords = 0;
    float SetX = 0, SetY = 0;
    float xgravity = 0, ygravity = 0;
    float FadeInMS = 0, FadeSustainMS = 0, FadeMS = 0;
    int DoRotate = 0;
    float RotationSpeed = 0;
    int SetAngle = 0;
    float Angle = 0;
    int DoScale = 0, DoScale2 = 0;
    float ScaleSpeed = 0, ScaleXSpeed = 0, ScaleYSpeed = 0;
    float Scale = 0, ScaleX = 0, ScaleY = 0;
    float Alpha = -1.0f;
    std::function<void(TParticle&)> UserFunction;

    void SetFade(float inMs, float sustainMs, float outMs) {
        FadeInMS = inMs;
        FadeSustainMS = sustainMs;
        FadeMS = outMs;
    }
};
