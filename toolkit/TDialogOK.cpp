#include "toolkit/TDialogOK.h"

#include "framework/Keyboard.h"
#include "framework/TGame.h"

std::shared_ptr<TDialogOK> TDialogOK::Create(const std::string& text,
                                             std::shared_ptr<TGameImage> background, int dw, int dh,
                                             int dx, int dy) {
    auto d = std::make_shared<TDialogOK>();
    d->Init(text, std::move(background), dw, dh, dx, dy);
    return d;
}

void TDialogOK::MenuCreate(const std::string& n) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    auto b = Menu->AddQuickAuto(n.empty() ? "OK" : n);
    b->OKButton = 1;
}

void TDialogOK::CalcSize() {
    TDialog::CalcSize();
    if (!Background && Caption)
        h = static_cast<int>((Menu ? Menu->CalcHeight() : 0) + Caption->CalcHeight()) + Gap +
            2 * Border;
}

void TDialogOK::MenuPosition() {
    TDialog::MenuPosition();
}

void TDialogOK::OKClick() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
    Close(1);
}

int TDialogOK::Manage() {
    ManageCore();
    if (CloseResult) return CloseResult;
    if (!Active || Transitioning) return 0;
    std::shared_ptr<TButton> ok;
    if (Menu) ok = Menu->Buttons.empty() ? nullptr : Menu->Buttons.front();
    bool escape = KeyHit(platform::keys::ESCAPE);
    bool anywhere = ClickAnywhereCloses && Game && Game->Mouse.GetLeftClick();
    if (escape || anywhere) {
        if (ok) ok->SimulateClick();
        OKClick();
    } else if (ok && ok->Clicked) {
        OKClick();
    }
    return CloseResult;
}
