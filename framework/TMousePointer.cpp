#include "framework/TMousePointer.h"

#include "framework/TGame.h"

void TMousePointer::ButtonDown(int button) {
    // A new press clears every pending hit first, so only the latest click counts.
    h1 = h2 = h3 = 0;
    if (button == 1) b1 = 1, h1 = 1;
    if (button == 2) b2 = 1, h2 = 1;
    if (button == 3) b3 = 1, h3 = 1;
    CalcButtonTotals();
}

void TMousePointer::ButtonUp(int button) {
    if (button == 1) b1 = 0;
    if (button == 2) b2 = 0;
    if (button == 3) b3 = 0;
    CalcButtonTotals();
}

void TMousePointer::MoveTo(int vx, int vy) {
    x = vx;
    y = vy;
}

void TMousePointer::Wheel(int delta) {
    zSpeed = delta;
    z += delta;
}

void TMousePointer::CalcButtonTotals() {
    mb = b1 + b2 + b3;
    mh = h1 + h2 + h3;
}

bool TMousePointer::GetMh(bool clear) {
    bool hit = mh != 0;
    if (clear) ClearMouseHit();
    return hit;
}

bool TMousePointer::GetLeftClick() {
    bool hit = h1 != 0;
    h1 = 0;
    CalcButtonTotals();
    return hit;
}

bool TMousePointer::GetRightClick() {
    bool hit = h2 != 0;
    h2 = 0;
    CalcButtonTotals();
    return hit;
}

int TMousePointer::GetMouseZSpeed() {
    int speed = zSpeed;
    zSpeed = 0;
    return speed;
}

void TMousePointer::ClearButtons() {
    b1 = b2 = b3 = 0;
    h1 = h2 = h3 = 0;
    CalcButtonTotals();
}

void TMousePointer::ClearMouseHit() {
    h1 = h2 = h3 = 0;
    CalcButtonTotals();
}

void TMousePointer::Manage() {
    if (Active && ParticleFunc) ParticleFunc();
}

void TMousePointer::Draw() {
    if (!Active || !Game || !Game->Gfx || !Game->CustomMousePointer) return;
    auto& gfx = *Game->Gfx;
    if (UserPreDraw) UserPreDraw();
    float px = static_cast<float>(x + offsetx), py = static_cast<float>(y + offsety);
    if (Image) {
        gfx.SetRotation(Rotation);
        gfx.DrawImage(*Image, px, py, ImageFrame);
        gfx.ResetState();
    } else {
        // Until the pointer art is loaded: a plain arrow so the player sees where they are.
        gfx.SetColor(30, 30, 30);
        for (int i = 0; i < 14; ++i) gfx.DrawLine(px, py + i, px + i * 0.6f + 1, py + i);
        gfx.SetColor(255, 250, 235);
        for (int i = 1; i < 12; ++i) gfx.DrawLine(px + 1, py + i, px + i * 0.55f, py + i);
        gfx.ResetState();
    }
    if (UserDraw) UserDraw();
}
