#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/TParticlePhase.h"
#include "toolkit/TSprite.h"

class TParticleList;
class TParticleGenerator;

// A short-lived sprite that moves, fades in and out, turns, scales, animates, changes colour
// and dies by itself (fade, life, scale, destination, animation end, last phase, leaving the
// screen). A dead particle leaves its list at once.
class TParticle : public TSprite {
public:
    using Callback = std::function<void(TParticle&)>;

    TParticleList* Particles = nullptr;  // the owning list (not owned here)
    int Hidden = 0;
    float LifeCounter = 0;
    float FadeIn = 0;
    float FadeSustainCounter = 0;
    float FadeCounter = 0;
    float FadeInLength = 0, FadeLength = 0;
    float SustainAlpha = 1.0f;
    float InitialAlpha = 1.0f;
    int DoLightBlend = 0;
    int DoOverlayBlend = 0;
    int DoRotate = 0;
    int DoScale = 0;
    int Data1 = 0, Data2 = 0, Data3 = 0;
    std::shared_ptr<void> DataObject;
    float FloatData1 = 0;
    int ColorFade = 0;
    float ColorDeltaR = 0, ColorDeltaG = 0, ColorDeltaB = 0;
    float ColorCurrentR = 0, ColorCurrentG = 0, ColorCurrentB = 0;
    std::vector<std::shared_ptr<TParticlePhase>> PhaseList;
    std::shared_ptr<TParticlePhase> CurrentPhase;
    int CurrentPhaseIndex = 0;
    float PhaseCounter = 0;
    int NoOutOfBounds = 0;
    int KillOnFade = 1;
    int KillAfterAnim = 0;
    int KillOnDestinationReached = 0;
    int KillOnScaleZero = 1;
    float DelayCounter = 0;
    Callback DelayFinished;
    int UpdateOriginalCoords = 0;
    Callback UserMove;
    Callback DestinationReached;
    int DestX = 0, DestY = 0;
    Callback UserDraw;
    Callback UserKill;
    std::shared_ptr<TParticleGenerator> ParticleGenerator;
    std::shared_ptr<TParticle> AttachedParticle;
    int KillAttachedParticle = 1;

    ~TParticle() override;

    static std::shared_ptr<TParticle> CreateSpecial(std::shared_ptr<TGameImage> image, float x,
                                                    float y, float dx, float dy, float ygravity,
                                                    float fadeMs, int lightBlend, int rotate,
                                                    float rotationSpeed, float scale,
                                                    float scaleSpeed, float lifeMs);
    // Hidden and still until ms have passed.
    void SetDelay(float ms);
    // A phase of ms, appended and returned for the caller to fill in.
    std::shared_ptr<TParticlePhase> AddPhase(float ms);
    void StartPhases();
    void ApplyPhase(const std::shared_ptr<TParticlePhase>& phase);
    void SetColorFade(const TColor& colour, float dR, float dG, float dB);
    // initialAlpha -1 keeps InitialAlpha; a sustainAlpha other than 1 is the faded-in alpha.
    void SetFade(float inMs, float sustainMs, float outMs, float initialAlpha = -1.0f,
                 float sustainAlpha = 1.0f);
    // Returns 1 when the particle died at the end of its last phase.
    int ManagePhases();
    void KillPhases();
    void StopAtDestination();
    float GetFadeRatio() const { return FadeInLength != 0 ? FadeCounter / FadeInLength : 0; }
    bool IsFadingOut() const { return !FadeIn && FadeSustainCounter <= 0; }

    void Move() override;
    void Draw() override;
    void Kill() override;

    // The alpha the fade gives now (above 1 while a counter started past its length).
    float FadeAlpha() const;
    bool Dead() const { return killed; }

private:
    bool killed = false;
    void EndWithPhaseFunction();
    bool ReachedDestination() const;
};
