#include "progression/TGoalCombo.h"

#include "progression/TSaveData.h"
#include "toolkit/ToolkitText.h"

int TGoalCombo::Complete() const {
    return SaveData && SaveData->chapterMaxCombo >= target ? 1 : 0;
}

std::string TGoalCombo::GetGoalString() const {
    return ReplaceXX(ToolkitText("GoalCombo"), std::to_string(target));
}

void TGoalCombo::Init() {
    goalType = COMBO;
}
