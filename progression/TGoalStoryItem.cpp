#include "progression/TGoalStoryItem.h"

#include "progression/TSaveData.h"
#include "toolkit/ToolkitText.h"

int TGoalStoryItem::Complete() const {
    return SaveData && SaveData->chapterStoryItemFound != 0 ? 1 : 0;
}

std::string TGoalStoryItem::GetGoalString() const {
    // GoalStoryItem1 .. GoalStoryItem10 name the items themselves.
    const std::string key = "GoalStoryItem" + std::to_string(storyItem);
    return ToolkitText(key);
}

void TGoalStoryItem::Init() {
    goalType = STORY_ITEM;
    target = 0;
}
