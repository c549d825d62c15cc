#include "progression/TGoalStars.h"

#include "progression/TSaveData.h"

int TGoalStars::Complete() const {
    return GetToGo() <= 0 ? 1 : 0;
}

std::string TGoalStars::GetGoalString() const {
    return CountedGoalString("GoalStars");
}

int TGoalStars::GetToGo() const {
    return target - (SaveData ? SaveData->CountChapterStars() : 0);
}

void TGoalStars::Init() {
    goalType = STARS;
}
