#pragma once
#include <memory>

#include "toolkit/TAnimation.h"

class TGameImage;

// Two pictures, the second drawn over the first at the animation's ratio: it starts fully
// shown and fades away over the length, uncovering the first.
class TCrossFade {
public:
    std::shared_ptr<TGameImage> Image1, Image2;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    TAnimation Anim;

    static std::shared_ptr<TCrossFade> Create(std::shared_ptr<TGameImage> image1,
                                              std::shared_ptr<TGameImage> image2, int lengthMs);
    void Init(std::shared_ptr<TGameImage> image1, std::shared_ptr<TGameImage> image2, int lengthMs);
    // Returns 1 on the tick the blend completes.
    int Manage() { return Anim.Manage(); }
    void Draw();
    void SetImage1Coords(float x, float y) {
        X1 = x;
        Y1 = y;
    }
    void SetImage2Coords(float x, float y) {
        X2 = x;
        Y2 = y;
    }
};
