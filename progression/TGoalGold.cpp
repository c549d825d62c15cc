#include "progression/TGoalGold.h"

#include "progression/TPlayer.h"
#include "progression/TSaveData.h"

int TGoalGold::Complete() const {
    return GetToGo() <= 0 ? 1 : 0;
}

std::string TGoalGold::GetGoalString() const {
    return CountedGoalString("GoalGold");
}

int TGoalGold::GetToGo() const {
    int earned = SaveData ? SaveData->chapterGold : 0;
    // Gold is credited when a coin leaves its card but counts once the coin has landed.
    int flying = Player ? Player->levelGoldInTransit : 0;
    return target - earned + flying;
}

void TGoalGold::Init() {
    goalType = GOLD;
}
