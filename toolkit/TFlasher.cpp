#include "toolkit/TFlasher.h"

#include "framework/Globals.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"

void TFlasher::Create(int totalMs, int onMs, int offMs, int delayMs) {
    AnimCounter = MsToTicks(static_cast<float>(totalMs));
    OnLength = static_cast<int>(MsToTicks(static_cast<float>(onMs)));
    OffLength = static_cast<int>(MsToTicks(static_cast<float>(offMs)));
    FlashCounter = static_cast<float>(OnLength);
    FlashState = 1;
    DelayEnd = static_cast<int>(AnimCounter - MsToTicks(static_cast<float>(delayMs)));
}

int TFlasher::Manage() {
    if (AnimCounter > 0) {
        AnimCounter -= Delta;
        if (AnimCounter < 0) AnimCounter = 0;
        if (AnimCounter <= DelayEnd) {
            FlashCounter -= Delta;
            if (FlashCounter < 0) {
                if (FlashState) {
                    FlashState = 0;
                    FlashCounter = static_cast<float>(OffLength);
                } else {
                    FlashState = 1;
                    FlashCounter = static_cast<float>(OnLength);
                    PlayToolkitSound(FlashSound);
                }
            }
        }
    }
    return AnimCounter <= 0 ? 1 : 0;
}

void TFlasher::SetToOff() {
    FlashCounter = static_cast<float>(OffLength);
    FlashState = 0;
}
