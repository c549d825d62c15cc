#include "toolkit/GameEffects.h"

#include <cmath>
#include <numbers>
#include <string>

#include "framework/Globals.h"
#include "framework/TImageBank.h"
#include "framework/TRandom.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"

namespace {

std::shared_ptr<TGameImage> Image(const std::string& name) {
    return ImageBank.Find(name);
}

// A particle of a named picture that lives lifeMs and fades over its last fadeMs.
std::shared_ptr<TParticle> Spawn(TParticleList& list, const std::string& name, float x, float y,
                                 float lifeMs, float fadeMs, int light = 0) {
    auto p = list.AddNew(x, y, Image(name));
    p->DoLightBlend = light;
    p->NoOutOfBounds = 1;
    p->SetFade(0, std::max(0.0f, lifeMs - fadeMs), fadeMs);
    return p;
}

// Grows from scale `from` at speed per tick.
void Grow(TParticle& p, float from, float speed) {
    p.ScaleX = p.ScaleY = from;
    p.ScaleXSpeed = p.ScaleYSpeed = speed;
    p.DoScale = 1;
}

// Grows from scale `from` to 1 over growMs, holds holdMs, fades over fadeMs, then dies.
void PopIn(TParticle& p, float from, float growMs, float holdMs, float fadeMs) {
    p.KillPhases();
    auto grow = p.AddPhase(growMs);
    grow->DoScale = 1;
    grow->Scale = from;
    grow->ScaleSpeed = (1 - from) / MsToTicks(growMs);
    grow->Alpha = 1;
    auto hold = p.AddPhase(holdMs + fadeMs);
    hold->DoScale = 1;
    hold->Scale = 1;
    hold->FadeSustainMS = holdMs;
    hold->FadeMS = fadeMs;
    p.StartPhases();
}

void Ring(TParticleList& list, const std::string& name, float x, float y, float delayMs) {
    auto p = Spawn(list, name, x, y, 600, 450, 1);
    Grow(*p, 0.3f, 0.012f);
    if (delayMs > 0) p->SetDelay(delayMs);
}

void Burst(TParticleList& list, const std::string& name, float x, float y, int count, float speed,
           float lifeMs, float scale = 1.0f) {
    for (int i = 0; i < count; ++i) {
        float angle = 360.0f * i / count + EffectsRandom.RndFloat(-10, 10);
        float rad = angle * std::numbers::pi_v<float> / 180.0f;
        float s = speed * EffectsRandom.RndFloat(0.7f, 1.3f);
        auto p = Spawn(list, name, x, y, lifeMs, lifeMs * 0.6f, 1);
        p->dx = std::sin(rad) * s;
        p->dy = -std::cos(rad) * s;
        p->ScaleX = p->ScaleY = scale;
    }
}

}  // namespace

std::shared_ptr<TParticle> EffectBurningCard(TParticleList& list, float x, float y, float rotation,
                                             float scale, int lengthMs, TParticle::Callback onBurnt,
                                             std::shared_ptr<void> card) {
    auto p = list.AddNew(x, y, Image("burningcard"));
    p->NoOutOfBounds = 1;
    p->Rotation = rotation;
    p->ScaleX = p->ScaleY = scale;
    p->SetupAnim(40, lengthMs, 1, 0, 0, 0, 0);
    p->KillAfterAnim = 1;
    p->UserKill = std::move(onBurnt);
    p->DataObject = std::move(card);
    return p;
}

std::shared_ptr<TParticle> EffectFallingCard(TParticleList& list, std::shared_ptr<TGameImage> image,
                                             float x, float y, float tilt) {
    auto p = list.AddNew(x, y, std::move(image), EffectsRandom.RndFloat(-0.6f, 0.6f),
                         EffectsRandom.RndFloat(-1.5f, -0.5f), 0.04f, 500);
    // Opaque for the first 300 ms: the counter starts past the fade's length.
    p->FadeCounter = MsToTicks(800);
    p->Rotation = tilt;
    p->DoRotate = tilt < 0 ? -1 : 1;
    p->RotationSpeed = EffectsRandom.RndFloat(0.2f, 0.6f);
    return p;
}

std::shared_ptr<TParticle> EffectGoldCoin(TParticleList& list, std::shared_ptr<TGameImage> coin,
                                          float x, float y, float targetX, float targetY, int index,
                                          TParticle::Callback onPhaseEnd) {
    auto p = list.AddNew(x, y, std::move(coin));
    p->NoOutOfBounds = 1;
    if (p->image && p->image->Frames() >= 2) p->SetupAnim(p->image->Frames(), 400, 1, 0, 1, 0, 1);
    auto wait = p->AddPhase(100.0f * index);
    wait->Alpha = 0;
    wait->UserFunction = onPhaseEnd;
    auto fly = p->AddPhase(300);
    fly->Alpha = 1;
    fly->dx = (targetX - x) / fly->Length;
    fly->dy = (targetY - y) / fly->Length;
    fly->UserFunction = onPhaseEnd;
    auto rest = p->AddPhase(250);
    rest->SetCoords = 1;
    rest->SetX = targetX;
    rest->SetY = targetY;
    rest->FadeMS = 250;
    rest->Alpha = 1;
    rest->UserFunction = onPhaseEnd;
    // Ends by its phases, not by its fade.
    p->KillOnFade = 0;
    p->StartPhases();
    return p;
}

void EffectEndOfCombo(TParticleList& list, float x, float y) {
    auto flash = Spawn(list, "MagicHighlight", x, y, 500, 400, 1);
    Grow(*flash, 0.5f, 0.01f);
    Burst(list, "pearl", x, y, 12, 3.0f, 600);
}

void EffectFiveTimesMultiplier(TParticleList& list, float x, float y) {
    PlayToolkitSound("fivexmultiplier");
    PlayToolkitSound("shortpearl");
    // Long pearls fly far; a ring of small ones stays close and dies early.
    Burst(list, "pearl", x, y, 10, 3.5f, 700);
    Burst(list, "pearl", x, y, 14, 1.6f, 350, 0.55f);
}

void EffectCupid(TParticleList& list, float targetX, float targetY) {
    auto cross = Spawn(list, "crosshair", targetX, targetY, 700, 300, 0);
    Grow(*cross, 2.0f, -0.012f);
    cross->DoRotate = 1;
    cross->RotationSpeed = 2;
    auto arrow = list.AddNew(targetX, static_cast<float>(VirtualHeight) + 60, Image("ArrowUp"));
    arrow->NoOutOfBounds = 1;
    arrow->dy = -(arrow->y - targetY) / MsToTicks(400);
    arrow->DestX = static_cast<int>(targetX);
    arrow->DestY = static_cast<int>(targetY);
    arrow->KillOnDestinationReached = 1;
}

void EffectLightning(TParticleList& list, float x, float y) {
    auto bolt = list.AddNew(x, y - 140, Image("Lightning"));
    bolt->NoOutOfBounds = 1;
    bolt->DoLightBlend = 1;
    bolt->SetupAnim(4, 300, 1, 0, 0, 0, 0);
    bolt->KillAfterAnim = 1;
}

void EffectKeyPickedUp(TParticleList& list, float x, float y) {
    auto key = Spawn(list, "blank key card", x, y, 700, 500);
    key->dy = -1.2f;
    Grow(*key, 1.0f, 0.004f);
}

void EffectLockUnlocked(TParticleList& list, float x, float y, float tilt) {
    Ring(list, "ParticleRingWhite", x, y, 0);
    EffectFallingCard(list, Image("lock card"), x, y, tilt);
}

void EffectLockCountersReduced(TParticleList& list, float x, float y) {
    auto glow = Spawn(list, "MagicHighlight", x, y, 400, 300, 1);
    Grow(*glow, 0.6f, 0.006f);
    auto crown = Spawn(list, "crown", x, y - 40, 800, 400);
    crown->dy = -0.6f;
}

void EffectRegalCard(TParticleList& list, float x, float y) {
    auto face = Spawn(list, "regal card0", x, y, 500, 500, 1);
    Grow(*face, 1.0f, 0.006f);
}

void EffectBow(TParticleList& list, float x, float y) {
    auto bow = Spawn(list, "bow", x, y, 800, 500);
    bow->dy = -0.8f;
    bow->DoRotate = EffectsRandom.RndFloat(0, 1) < 0.5f ? -1 : 1;
    bow->RotationSpeed = 0.4f;
    PlayToolkitSound("magicreleased");
}

void EffectStoryItemRevealed(TParticleList& list, std::shared_ptr<TGameImage> largeItem, float x,
                             float y) {
    auto item = list.AddNew(x, y, std::move(largeItem));
    item->NoOutOfBounds = 1;
    PopIn(*item, 0.3f, 300, 1000, 500);
}

void EffectPowerupCharged(TParticleList& list, float x, float y) {
    Ring(list, "ParticleRingPink", x, y, 0);
}

void EffectGoalComplete(TParticleList& list, float x, float y) {
    Ring(list, "ParticleRingPink", x, y, 0);
    Ring(list, "ParticleRingPink", x, y, 200);
}

void EffectHandEndStars(TParticleList& list, int stars, float x, float y) {
    static const char* const medals[] = {nullptr, "BronzeStarMedium", "SilverStarMedium",
                                         "GoldStarMedium"};
    static const char* const words[] = {"NoStars", "Good", "Great", "Perfect"};
    static const char* const fanfares[] = {"LevelEnd_0Stars", "LevelEnd_1Star", "LevelEnd_2Stars",
                                           "LevelEnd_3Stars"};
    if (stars < 0) stars = 0;
    if (stars > 3) stars = 3;
    for (int i = 0; i < stars; ++i) {
        auto star = Spawn(list, medals[stars], x + (i - (stars - 1) / 2.0f) * 80, y - 90, 0, 0);
        PopIn(*star, 0.2f, 250, 1200, 400);
        star->SetDelay(200.0f * i);
    }
    if (stars == 3) {
        auto big = Spawn(list, "GoldStarBig", x, y - 90, 0, 0, 1);
        PopIn(*big, 0.5f, 300, 800, 500);
        big->SetDelay(600);
    }
    auto word = Spawn(list, words[stars], x, y, 0, 0);
    PopIn(*word, 0.4f, 250, 1200, 400);
    word->SetDelay(200.0f * stars);
    PlayToolkitSound(fanfares[stars]);
}

void EffectHandStart() {
    PlayToolkitSound("LevelStart");
}

void EffectStake(TParticleList& list, float x, float y) {
    Ring(list, "ParticleRingPink", x, y, 0);
    PlayToolkitSound("stake");
}
