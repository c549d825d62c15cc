#pragma once
#include <memory>
#include <string>

#include "progression/TGoalsDisplay.h"
#include "toolkit/TDialogOK.h"
#include "toolkit/TParticleList.h"

class TGameImage;

// The chapter's goals in a dialog. Opened for a goal just met, it shows that goal still open
// while sliding in, then rings it, sparkles and crosses it out.
class TDialogGoals : public TDialogOK {
public:
    static constexpr float LINE_GAP = 35;

    TGoalsDisplay goalsDisplay;
    int completedGoalIndex = -1;  // the goal being announced, or -1
    // The goal-complete sparkle, drawn over the dialog.
    TParticleList Effects;

    // As TDialogOK::Create, with a border and the OK button's caption (a game-text key);
    // x and y 0 centre it on the screen.
    static std::shared_ptr<TDialogGoals> Create(const std::string& text,
                                                std::shared_ptr<TGameImage> image, int x, int y,
                                                int border, const std::string& buttonText);
    // The goal lines of the saved progress, from the dialog's top.
    void InitGoalsDisplay();
    int Manage() override;
    void Draw() override;
    void Kill() override;
    // Runs when the dialog has slid in: announces completedGoalIndex, if any.
    static void ShowGoalCompleteEffect(TDialog& dialog);
};

// Builds and starts the goals dialog; completedIndex is the goal just met, or -1 (the HUD's
// "Goals" button and the chapter's first hand). The caller manages and draws it until it
// closes.
std::shared_ptr<TDialogGoals> OpenGoalsDialog(int completedIndex);
