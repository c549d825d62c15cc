#pragma once
#include "progression/TGoal.h"

// Gold earned in the chapter; coins still flying to the counter do not count yet.
class TGoalGold : public TGoal {
public:
    TGoalGold() = default;
    explicit TGoalGold(int goalTarget) { target = goalTarget; }

    int Complete() const override;
    std::string GetGoalString() const override;
    int GetToGo() const override;
    void Init() override;
};
