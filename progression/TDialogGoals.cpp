#include "progression/TDialogGoals.h"

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/TLabel.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {
constexpr int DIALOG_BORDER = 90;
constexpr float HEADER_MAX_WIDTH = 512;
}  // namespace

std::shared_ptr<TDialogGoals> TDialogGoals::Create(const std::string& text,
                                                   std::shared_ptr<TGameImage> image, int x, int y,
                                                   int border, const std::string& buttonText) {
    auto d = std::make_shared<TDialogGoals>();
    d->Init(text, std::move(image), 0, 0, x, y);
    // A place given is kept; none centres the dialog.
    d->Centre = x == 0 && y == 0 ? 1 : 0;
    d->Border = border;
    d->DrawHighlight = 0;
    d->MenuCreate("OK");
    DressDialogButtons(*d->Menu, {{"OK", buttonText}});
    return d;
}

void TDialogGoals::InitGoalsDisplay() {
    goalsDisplay.InitGoalLabels(static_cast<float>(y), FindGameFont("GUIFont"), LINE_GAP);
}

int TDialogGoals::Manage() {
    int result = TDialogOK::Manage();
    Effects.Manage();
    return result;
}

void TDialogGoals::Draw() {
    if (!Active) return;
    TDialogOK::Draw();
    goalsDisplay.OffsetX = OffsetX;
    goalsDisplay.OffsetY = OffsetY;
    goalsDisplay.Draw(completedGoalIndex);
    Effects.Draw();
}

void TDialogGoals::Kill() {
    Effects.Kill();
    TDialogOK::Kill();
}

void TDialogGoals::ShowGoalCompleteEffect(TDialog& dialog) {
    auto* d = dynamic_cast<TDialogGoals*>(&dialog);
    if (!d || d->completedGoalIndex < 0) return;
    PlayToolkitSound("GoalDone");
    auto label = d->goalsDisplay.GetLabel(d->completedGoalIndex);
    float labelY = label ? label->Y + label->CalcHeight() / 2 : static_cast<float>(d->y);
    EffectGoalComplete(d->Effects, static_cast<float>(VirtualWidth) / 2, labelY);
    d->completedGoalIndex = -1;
}

std::shared_ptr<TDialogGoals> OpenGoalsDialog(int completedIndex) {
    // Its own copy with the handle at the corner, where a dialog draws its picture from; the
    // bank's "GoalsDialog" has a centred handle.
    std::string folder = Game ? Game->ImagePath : std::string();
    auto image = TGameImage::Create(folder + "Dialogs/GoalsDialog.png", -1, 0);
    auto d = TDialogGoals::Create("", image, 0, 0, DIALOG_BORDER, "Button OK");
    d->SetupTextHeader(ToolkitText("Chapter Goals"), 1, TColor::Create(255, 255, 255), nullptr,
                       FindGameFont("Header"));
    d->TextHeader->AutoScale(HEADER_MAX_WIDTH);
    d->completedGoalIndex = completedIndex;
    d->TransitionCompleteUserFunction = &TDialogGoals::ShowGoalCompleteEffect;
    StartGameDialog(*d, "Confirm");
    d->InitGoalsDisplay();
    return d;
}
