#pragma once
#include "progression/TGoal.h"

// Find the story item the chapter hides among its cards.
class TGoalStoryItem : public TGoal {
public:
    TGoalStoryItem() = default;
    explicit TGoalStoryItem(int item) { storyItem = item; }

    int Complete() const override;
    std::string GetGoalString() const override;
    void Init() override;
};
