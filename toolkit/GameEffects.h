#pragma once
#include <functional>
#include <memory>

#include "toolkit/TParticleList.h"

class TGameImage;

// The game's visual flourishes, each made of particles added to a screen's particle list.
// Images are looked up in the image bank by name (a missing name is fatal); the sounds that
// go with them are sound-bank names played through the toolkit's sound hook. Positions are
// centres in virtual pixels. The card, powerup and play-screen code that triggers them calls
// these; what each trigger is, is noted at each function.

// A bird-powerup stage and the intro: the "burningcard" strip over the card, 40 frames over
// lengthMs, dying with its last frame; onBurnt is called as it dies, card kept as DataObject.
std::shared_ptr<TParticle> EffectBurningCard(TParticleList& list, float x, float y, float rotation,
                                             float scale = 0.789f, int lengthMs = 500,
                                             TParticle::Callback onBurnt = nullptr,
                                             std::shared_ptr<void> card = nullptr);
// A lock unlocked or a card removed at random: the picture drops away, turning the way it
// leans, opaque for 300 ms and then fading over 500 ms.
std::shared_ptr<TParticle> EffectFallingCard(TParticleList& list, std::shared_ptr<TGameImage> image,
                                             float x, float y, float tilt);
// A gold coin won from a card: waits 100 ms x index unseen, flies 300 ms to the gold counter,
// rests 250 ms fading. onPhaseEnd is called at each phase's end (the play screen adds 10 to
// the gold in transit and a 320 ms counter to its gold-particle delays as it calls this).
std::shared_ptr<TParticle> EffectGoldCoin(TParticleList& list, std::shared_ptr<TGameImage> coin,
                                          float x, float y, float targetX, float targetY, int index,
                                          TParticle::Callback onPhaseEnd = nullptr);
// The combo animation ends: a highlight flash and pearls bursting outward.
void EffectEndOfCombo(TParticleList& list, float x, float y);
// The multiplier reaches 5: long and short pearls burst out to the "fivexmultiplier" and
// "shortpearl" sounds (the panel's own 5x glow is the HUD's).
void EffectFiveTimesMultiplier(TParticleList& list, float x, float y);
// The cupid powerup fires: a crosshair closes on the target and an arrow flies up into it.
void EffectCupid(TParticleList& list, float targetX, float targetY);
// A bird-powerup stage: a lightning strike at the card.
void EffectLightning(TParticleList& list, float x, float y);
// A key card picked up: the blank key card lifts and fades.
void EffectKeyPickedUp(TParticleList& list, float x, float y);
// A lock card unlocked: a white ring spreads and the lock card falls away.
void EffectLockUnlocked(TParticleList& list, float x, float y, float tilt);
// Lock counters fall: a highlight pulse and a crown rising from the card.
void EffectLockCountersReduced(TParticleList& list, float x, float y);
// A lock counter removed from a regal card: the regal face flares and fades.
void EffectRegalCard(TParticleList& list, float x, float y);
// A card played with the bow: the bow lifts away, turning, to the "magicreleased" sound.
void EffectBow(TParticleList& list, float x, float y);
// A story item card revealed: the large item picture grows in, holds and fades.
void EffectStoryItemRevealed(TParticleList& list, std::shared_ptr<TGameImage> largeItem, float x,
                             float y);
// A powerup fully charged: a pink ring spreads.
void EffectPowerupCharged(TParticleList& list, float x, float y);
// A goal completes: two pink rings one after the other.
void EffectGoalComplete(TParticleList& list, float x, float y);
// The end of a hand, by the stars won (0-3): the medals and the word, with the matching
// "LevelEnd_..." fanfare.
void EffectHandEndStars(TParticleList& list, int stars, float x, float y);
// The status text at the start of a hand: the "LevelStart" sound (the text is the caller's).
void EffectHandStart();
// A stake placed: a pink ring spreads to the "stake" sound.
void EffectStake(TParticleList& list, float x, float y);
