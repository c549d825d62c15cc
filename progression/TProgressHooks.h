#pragma once
#include <functional>
#include <string>

// What the saved progress and the player report to objects built later: achievements, the
// goals, the play screen's combo panel and undo caption, and the three powerups' charges.
// An unset function does nothing.
class TProgressHooks {
public:
    std::function<void(const std::string& name)> UnlockAchievement;
    // The play screen's StartCombo when a run reaches the combo minimum.
    std::function<void()> StartCombo;
    // The play screen hides the combo panel and deactivates "End Combo".
    std::function<void()> HideComboPanel;
    std::function<void()> SetUndoButtonCaption;
    // A goal of the chapter (its index in the goal list) has just become met during a hand:
    // the play screen announces it with the goals dialog unless one is open.
    std::function<void(int goalIndex)> GoalCompleted;
    // Current charge of powerup kind 0 Cupid, 1 Lyre, 2 Bird; and setting it from a record.
    std::function<int(int kind)> GetPowerupCharge;
    std::function<void(int kind, int charge)> SetPowerupCharge;

    void Achievement(const std::string& name) const {
        if (UnlockAchievement) UnlockAchievement(name);
    }
    void Call(const std::function<void()>& f) const {
        if (f) f();
    }
};

extern TProgressHooks ProgressHooks;
