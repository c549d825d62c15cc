#pragma once

#include <functional>
#include <memory>

#include "platform/Image.h"

// The mouse as the game sees it, read once per logic tick: position in virtual units,
// buttons down and button hits since they were last cleared, and the pointer drawn by the game.
class TMousePointer {
public:
    int Active = 1;
    int x = 0, y = 0;
    int z = 0, zSpeed = 0;
    int b1 = 0, b2 = 0, b3 = 0, mb = 0;
    int h1 = 0, h2 = 0, h3 = 0, mh = 0;
    int offsetx = 0, offsety = 0;

    std::shared_ptr<platform::Image> Image;
    int ImageFrame = 0;
    float Rotation = 0;
    // Called before and after the pointer is drawn (sparkles and the like).
    std::function<void()> UserPreDraw;
    std::function<void()> UserDraw;
    // Called from Manage while active (pointer particles).
    std::function<void()> ParticleFunc;

    // Event pump side.
    void ButtonDown(int button);
    void ButtonUp(int button);
    void MoveTo(int vx, int vy);
    void Wheel(int delta);

    void CalcButtonTotals();
    bool GetMb() const { return mb != 0; }
    // Any button hit since the last clear; with clear the hits are consumed.
    bool GetMh(bool clear = true);
    bool GetLeftClick();
    bool GetRightClick();
    int GetMouseZSpeed();
    void ClearButtons();
    void ClearMouseHit();
    void On() { Active = 1; }
    void Off() { Active = 0; }
    void Manage();
    void Draw();
};
