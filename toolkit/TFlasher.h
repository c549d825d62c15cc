#pragma once
#include <string>

// Switches something on and off for a while after a delay; the owner shows it while
// FlashState is 1.
class TFlasher {
public:
    // Sound-bank name of the sound played each time it switches on.
    std::string FlashSound;
    int FlashState = 1;
    float AnimCounter = 0;
    int DelayEnd = 0;
    float FlashCounter = 0;
    int OnLength = 0, OffLength = 0;
    void Create(int totalMs, int onMs, int offMs, int delayMs);
    // Returns 1 once the whole time has run out.
    int Manage();
    void SetToOff();
};
