#pragma once
#include <memory>

#include "toolkit/TObjectList.h"
#include "toolkit/TParticle.h"

// Owns and updates a set of particles; a particle that dies during the walk leaves at once
// and the walk goes on with the next.
class TParticleList : public TObjectList<TParticle> {
public:
    ~TParticleList();

    // addFirst puts it at the front, drawn under the others.
    std::shared_ptr<TParticle> AddNew(float x, float y, std::shared_ptr<TGameImage> image,
                                      float dx = 0, float dy = 0, float ygravity = 0,
                                      float fadeMs = 0, int lightBlend = 0, int rotate = 0,
                                      float rotationSpeed = 0, float scale = 1.0f,
                                      float scaleSpeed = 0, float lifeMs = 0, int addFirst = 0);
    // Takes a particle made elsewhere.
    void AddParticle(std::shared_ptr<TParticle> p, int addFirst = 0);
    // Per tick: Move, then (without a pending delay) the frame animation, which may kill.
    void Manage();
    void Move();
    void Animate();
    void Draw();
    void FadeAll(float ms);
    void SetUseAlpha(int flag);
    void SetBaseScale(float sx, float sy);
    void EnableUpdateOriginalCoords();
    void ScaleCoords();
    void AddOffsets(float dx, float dy);
    void ProcessScale(float sx, float sy, float ox, float oy);
    // Kills every member.
    void Kill();
};
