#include "toolkit/TDialogYesNo.h"

#include "framework/Keyboard.h"
#include "framework/TGame.h"

std::shared_ptr<TDialogYesNo> TDialogYesNo::Create(const std::string& text,
                                                   std::shared_ptr<TGameImage> background, int dw,
                                                   int dh, int dx, int dy) {
    auto d = std::make_shared<TDialogYesNo>();
    d->Init(text, std::move(background), dw, dh, dx, dy);
    return d;
}

void TDialogYesNo::MenuCreate(int gap, const std::string& ext) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddPair("Yes", "No", gap, ext);
    // The pair keeps its file names as button names; the dialog asks for them plainly.
    if (!ext.empty()) {
        Menu->Buttons[Menu->Buttons.size() - 2]->SetName("Yes");
        Menu->Buttons.back()->SetName("No");
    }
    auto yes = Menu->FindButton("Yes");
    if (yes) yes->OKButton = 1;
    ButtonGap = gap;
}

void TDialogYesNo::CalcSize() {
    TDialog::CalcSize();
    if (!Background && Caption)
        h = static_cast<int>((Menu ? Menu->CalcHeight() : 0) + Caption->CalcHeight()) + Gap +
            2 * Border;
}

void TDialogYesNo::ClickSound() {
    auto yes = Menu ? Menu->FindButton("Yes") : nullptr;
    if (yes) yes->PlayClick();
}

void TDialogYesNo::YesClick() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
    if (YesFunc) YesFunc(*this);
    Close(1);
}

void TDialogYesNo::NoClick() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
    if (NoFunc) NoFunc(*this);
    Close(-1);
}

int TDialogYesNo::Manage() {
    ManageCore();
    if (CloseResult) return CloseResult;
    if (!Active || Transitioning) return 0;
    auto yes = Menu ? Menu->FindButton("Yes") : nullptr;
    auto no = Menu ? Menu->FindButton("No") : nullptr;
    if (KeyHit(platform::keys::ESCAPE) || KeyHit(platform::keys::KEY_A + ('N' - 'A'))) {
        if (no) no->SimulateClick();
        NoClick();
    } else if (KeyHit(platform::keys::KEY_A + ('Y' - 'A'))) {
        if (yes) yes->SimulateClick();
        YesClick();
    } else if (yes && yes->Clicked) {
        YesClick();
    } else if (no && no->Clicked) {
        NoClick();
    }
    return CloseResult;
}
