#include "progression/TGoalsDisplay.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "progression/TGoal.h"
#include "progression/TSaveData.h"
#include "toolkit/TLabel.h"

namespace {
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}

const TColor DONE_GREY(150, 150, 150, 1.0f);
constexpr float STRIKE_HEIGHT = 2;
const std::string BULLET = "\xE2\x80\xA2";  // U+2022
}  // namespace

std::shared_ptr<TLabel> TGoalsDisplay::GetLabel(int index) const {
    switch (index) {
        case 0:
            return goal1Label;
        case 1:
            return goal2Label;
        case 2:
            return goal3Label;
        default:
            return nullptr;
    }
}

void TGoalsDisplay::InitGoalLabels(float top, std::shared_ptr<TBitmapFont> labelFont, float gap) {
    y = top;
    font = std::move(labelFont);
    std::array<std::shared_ptr<TLabel>*, TSaveData::MAX_GOALS> labels = {&goal1Label, &goal2Label,
                                                                         &goal3Label};
    int count = 0;
    float widest = 0;
    for (int i = 0; i < TSaveData::MAX_GOALS; ++i) {
        auto& label = *labels[static_cast<size_t>(i)];
        label.reset();
        if (!SaveData || i >= SaveData->totalGoals) continue;
        const auto& goal = SaveData->goals[static_cast<size_t>(i)];
        if (!goal) continue;
        label = TLabel::CreateSpecial(goal->GetGoalString(), 0, 0, 0, 0, 0, font);
        label->AutoScale(LABEL_MAX_WIDTH);
        widest = std::max(widest, label->CalcWidth());
        ++count;
    }
    // One line sits a line lower and two half a line lower, so the list stays centred.
    float first = FIRST_LINE_OFFSET;
    if (count == 1) first += gap;
    if (count == 2) first += gap / 2;
    int line = 0;
    for (auto* label : labels) {
        if (!*label) continue;
        SetLabelXY(**label, 7 - widest / 2, first + gap * static_cast<float>(line++));
    }
}

void TGoalsDisplay::SetLabelXY(TLabel& label, float x, float yOffset) {
    label.X = static_cast<float>(VirtualWidth) / 2 + x;
    label.Y = y + yOffset;
}

void TGoalsDisplay::Draw(int hiddenIndex) {
    for (int i = 0; i < TSaveData::MAX_GOALS; ++i) {
        auto label = GetLabel(i);
        if (!label) continue;
        int done = i == hiddenIndex ? 0 : (SaveData ? SaveData->GoalComplete(i) : 0);
        DrawGoal(*label, done);
    }
}

void TGoalsDisplay::DrawBullet(TLabel& label) {
    platform::Graphics* g = Gfx();
    if (!font || !g) return;
    font->DrawAligned(BULLET, label.X - BULLET_OFFSET + OffsetX, label.Y + OffsetY, 0);
}

void TGoalsDisplay::DrawGoal(TLabel& label, int done) {
    platform::Graphics* g = Gfx();
    if (!g) return;
    if (!done) {
        if (label.Color) label.Color->ApplyNoAlpha();
        DrawBullet(label);
        label.Draw(OffsetX, OffsetY, 1);
        TColor::Restore();
        return;
    }
    // Grey for this draw only: the label keeps its own colour for when it is open again
    // (an undo can take a combo record back below its target).
    auto own = label.Color;
    label.Color = std::make_shared<TColor>(DONE_GREY);
    DONE_GREY.ApplyNoAlpha();
    DrawBullet(label);
    label.Draw(OffsetX, OffsetY, 1);
    label.Color = own;
    DONE_GREY.ApplyNoAlpha();
    float middle = label.Y + label.CalcHeight() / 2;
    g->DrawRect(label.X - 2 + OffsetX, middle - STRIKE_HEIGHT / 2 + OffsetY, label.CalcWidth() + 4,
                STRIKE_HEIGHT);
    TColor::Restore();
}
