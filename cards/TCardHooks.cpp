#include "cards/TCardHooks.h"

#include "toolkit/ToolkitSound.h"

TCardHooks CardHooks;

void TCardHooks::Sound(const std::string& name, float volume, float pan, float rate) {
    if (PlaySound)
        PlaySound(name, volume, pan, rate);
    else
        PlayToolkitSound(name, volume);
}

void TCardHooks::Unblock() {
    if (UnblockInput) {
        UnblockInput();
        return;
    }
    BlockStockInput = 0;
    BlockTableauInput = 0;
}

void TCardHooks::ResetState() {
    BlockStockInput = BlockTableauInput = PointerIsKey = 0;
    storyItemAnimInProgress = introAnimInProgress = outroAnimInProgress = 0;
    StockPileDelay = 0;
    flipSoundTrigger = landSoundTrigger = regalTickTrigger = regalTickUndoTrigger = 0;
    dropOffTrigger = 0;
    flipSoundPan = landSoundPan = 0;
    undoEnabled = endHandButtonVisible = 0;
    HUDPowerupBlockInput = hudChargedTrigger = 0;
}
