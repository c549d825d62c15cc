#pragma once
#include <string>

// One of a chapter's goals. A goal stores only what it asks for; whether it is met is read
// from the chapter counters of the saved progress every time, so undo and retries need
// nothing from it.
class TGoal {
public:
    static constexpr int COMBO = 0;
    static constexpr int MULTIPLIER = 1;
    static constexpr int PERFECTS = 2;
    static constexpr int STARS = 3;
    static constexpr int GOLD = 4;
    static constexpr int STORY_ITEM = 5;

    virtual ~TGoal() = default;

    int goalType = 0;
    int storyItem = 0;  // 1..10 for a story-item goal
    int target = 0;     // 0 for a story-item goal

    // 1 when met.
    virtual int Complete() const { return 0; }
    // The line the player reads.
    virtual std::string GetGoalString() const { return ""; }
    // How much is still missing (counted goals).
    virtual int GetToGo() const { return 0; }
    // "" before any progress and once met; else the remainder text.
    virtual std::string GetToGoString() const;
    virtual void Init() {}

    // text with every "XX" replaced by value.
    static std::string ReplaceXX(std::string text, const std::string& value);

protected:
    // The goal text of key with the target, and the remainder after a space when there is one.
    std::string CountedGoalString(const std::string& key) const;
};
