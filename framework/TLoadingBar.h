#pragma once

#include <memory>

#include "platform/Image.h"

// The progress bar of the loading screen: the filled image grows step by step.
class TLoadingBar {
public:
    // 0 = drawn rectangle under the filled part, 1 = empty image under it, 2 = filled part only
    int Mode = 0;
    std::shared_ptr<platform::Image> Image, EmptyImage, FinalImage;
    int x = 0, y = 0, w = 300, h = 20;
    float Position = 0;
    float Steps = 1;
    float StepSize = 0;
    int CurrentStep = 0;
    int Finished = 0;
    int BgR = 50, BgG = 50, BgB = 50;
    int BorderR = 0, BorderG = 0, BorderB = 0;
    int DrawEmptyUnderFinal = 0;

    void Init(std::shared_ptr<platform::Image> image, std::shared_ptr<platform::Image> empty,
              std::shared_ptr<platform::Image> final);
    void Centre(int atY);
    void SetSteps(int n);
    void SetBackgroundColour(int r, int g, int b);
    void SetBorderColour(int r, int g, int b);
    void Progress();
    int Draw();
};
