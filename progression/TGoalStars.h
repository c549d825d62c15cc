#pragma once
#include "progression/TGoal.h"

// A number of stars won over the chapter's hands.
class TGoalStars : public TGoal {
public:
    TGoalStars() = default;
    explicit TGoalStars(int goalTarget) { target = goalTarget; }

    int Complete() const override;
    std::string GetGoalString() const override;
    int GetToGo() const override;
    void Init() override;
};
