#pragma once
#include "progression/TGoal.h"

// A number of perfect hands in the chapter.
class TGoalPerfects : public TGoal {
public:
    TGoalPerfects() = default;
    explicit TGoalPerfects(int goalTarget) { target = goalTarget; }

    int Complete() const override;
    std::string GetGoalString() const override;
    int GetToGo() const override;
    void Init() override;
};
