#pragma once

#include <memory>

#include "platform/Channel.h"
#include "platform/Image.h"

// A self-running real-time fade of one picture for splash-type screens. It does its own
// drawing and flipping, so it holds the frame loop while it runs.
class TFade {
public:
    std::shared_ptr<platform::Channel> Channel;
    std::shared_ptr<platform::Image> Image;
    int X = 0, Y = 0;
    float Length = 0;
    float StartTime = 0, Elapsed = 0, Ratio = 0, LastTime = 0;
    std::shared_ptr<platform::Image> Background;
    float BackgroundX = 0, BackgroundY = 0, BackgroundZoom = 1.0f;
    float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0;
    float BackgroundFadeTime = 0, BackgroundAlpha = 1.0f;
    int Out = 0;

    void Init(float lengthMs, std::shared_ptr<platform::Image> image,
              std::shared_ptr<platform::Channel> channel);
    void Reset();
    void CentreImage();
    // 1 when the fade ran its length, -1 when a key or button cut it short.
    int FadeDo(int out);
    void MoveBackground(float now, float elapsed);
    // 0 after ms, -1 when a key or button was hit.
    int WaitForTime(float ms);
    void Draw();
    void Full();
    void Zero();

private:
    bool InputHit();
    void RestoreState();
};
