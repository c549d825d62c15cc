#pragma once
#include "progression/TGoal.h"

// A multiplier stage (0-30, not its value) reached during the chapter.
class TGoalMultiplier : public TGoal {
public:
    TGoalMultiplier() = default;
    explicit TGoalMultiplier(int goalTarget) { target = goalTarget; }

    int Complete() const override;
    std::string GetGoalString() const override;
    void Init() override;
};
