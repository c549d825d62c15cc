#pragma once
#include "progression/TGoal.h"

// A combo of target cards played in a row, at any time in the chapter.
class TGoalCombo : public TGoal {
public:
    TGoalCombo() = default;
    explicit TGoalCombo(int goalTarget) { target = goalTarget; }

    int Complete() const override;
    std::string GetGoalString() const override;
    void Init() override;
};
