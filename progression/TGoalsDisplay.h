#pragma once
#include <memory>

class TBitmapFont;
class TLabel;

// The chapter's goal list as the goals dialog, the hand-complete panel and the goal tips show
// it: one bulleted line per goal in a left-aligned column centred on the screen; a met goal
// is greyed and struck through.
class TGoalsDisplay {
public:
    static constexpr float BULLET_OFFSET = 15;
    static constexpr float LABEL_MAX_WIDTH = 512;
    static constexpr float FIRST_LINE_OFFSET = 220;

    std::shared_ptr<TLabel> goal1Label, goal2Label, goal3Label;  // null past the goals in use
    float OffsetX = 0, OffsetY = 0;  // added to every position when drawing
    std::shared_ptr<TBitmapFont> font;
    float y = 0;  // top of the list

    // Builds a label for each goal of the saved progress, from top with gap between lines.
    void InitGoalLabels(float top, std::shared_ptr<TBitmapFont> labelFont, float gap);
    // Draws every goal; the one at hiddenIndex (or none for -1) is drawn as not yet met.
    void Draw(int hiddenIndex);
    void DrawGoal(TLabel& label, int done);
    void DrawBullet(TLabel& label);
    // x from the screen centre, yOffset from the top of the list.
    void SetLabelXY(TLabel& label, float x, float yOffset);

    // The label of goal index 0..2, or null.
    std::shared_ptr<TLabel> GetLabel(int index) const;
};
