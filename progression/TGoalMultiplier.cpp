#include "progression/TGoalMultiplier.h"

#include <algorithm>

#include "progression/TPlayer.h"
#include "progression/TSaveData.h"
#include "toolkit/ToolkitText.h"

int TGoalMultiplier::Complete() const {
    return SaveData && SaveData->chapterMaxMultiplierSlot >= target ? 1 : 0;
}

std::string TGoalMultiplier::GetGoalString() const {
    // The player reads the multiplier (1.6, 5), not the stage.
    int stage = std::clamp(target, 0, TPlayer::MAX_MULTIPLIER_STAGE);
    std::string value =
        Player ? Player->MultiplierText[static_cast<size_t>(stage)] : std::to_string(stage);
    return ReplaceXX(ToolkitText("GoalMultiplier"), value);
}

void TGoalMultiplier::Init() {
    goalType = MULTIPLIER;
}
