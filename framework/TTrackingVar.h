#pragma once

#include <string>

// A value with a running maximum and a label, shown by the debug overlay.
class TTrackingVar {
public:
    virtual ~TTrackingVar() = default;

    int Current = 0;
    int maximum = 0;
    int displayLimit = 999;
    int displayLimitChars = 3;
    std::string Label;

    virtual void Init();
    // Label + Current + "/" + maximum, numbers padded to displayLimitChars.
    virtual std::string GetDisplay() const;
    virtual void Display(float x, float y) const;

protected:
    std::string Pad(int value) const;
};
