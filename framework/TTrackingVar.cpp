#include "framework/TTrackingVar.h"

#include "framework/TGame.h"

void TTrackingVar::Init() {
    Current = 0;
    maximum = 0;
}

std::string TTrackingVar::Pad(int value) const {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < displayLimitChars)
        text.insert(0, displayLimitChars - text.size(), ' ');
    return text;
}

std::string TTrackingVar::GetDisplay() const {
    return Label + Pad(Current) + "/" + Pad(maximum);
}

void TTrackingVar::Display(float x, float y) const {
    if (Game && Game->Gfx) Game->Gfx->DrawText(GetDisplay(), x, y);
}
