#include "progression/TGoalPerfects.h"

#include "progression/TSaveData.h"

int TGoalPerfects::Complete() const {
    return GetToGo() <= 0 ? 1 : 0;
}

std::string TGoalPerfects::GetGoalString() const {
    return CountedGoalString("GoalPerfects");
}

int TGoalPerfects::GetToGo() const {
    return target - (SaveData ? SaveData->CountChapterPerfects() : 0);
}

void TGoalPerfects::Init() {
    goalType = PERFECTS;
}
