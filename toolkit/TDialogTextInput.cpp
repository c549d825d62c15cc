#include "toolkit/TDialogTextInput.h"

#include <algorithm>
#include <cctype>

#include "framework/Keyboard.h"
#include "framework/TGame.h"

std::shared_ptr<TDialogTextInput> TDialogTextInput::Create(const std::string& text,
                                                           std::shared_ptr<TGameImage> background,
                                                           const std::string& initialText,
                                                           int maxLength,
                                                           std::shared_ptr<TBitmapFont> font) {
    auto d = std::make_shared<TDialogTextInput>();
    d->Init(text, std::move(background), 0, 0, 0, 0);
    d->SetupText(initialText, maxLength, std::move(font));
    return d;
}

void TDialogTextInput::SetupText(const std::string& initialText, int maxLength,
                                 std::shared_ptr<TBitmapFont> font) {
    Text = TLabel::CreateSpecial(initialText, 0, 0, 0, 0, 0, font);
    TextInput.Init(1, initialText, 0, 0, font);
    TextInput.MaxLength = maxLength;
    TextInput.AllowNull = AllowNull;
    TextInput.Active = 0;
    if (Game) Game->BlockKeys = 0;
}

void TDialogTextInput::MenuCreate() {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddPair("OK", "Cancel", 30);
    auto ok = Menu->FindButton("OK");
    if (ok) ok->OKButton = 0;  // Enter reaches the text field, which clicks OK itself
}

void TDialogTextInput::Start() {
    TDialog::Start();
    TextInput.AllowNull = AllowNull;
    TextInput.Reset();
}

void TDialogTextInput::CalcSize() {
    TDialog::CalcSize();
    if (!Background && Caption) {
        float textH = Text ? Text->CalcHeight() : 0;
        h = static_cast<int>((Menu ? Menu->CalcHeight() : 0) + textH + Caption->CalcHeight()) +
            2 * Gap + 2 * Border;
    }
}

void TDialogTextInput::SetLabelsXY() {
    TDialog::SetLabelsXY();
    float fieldY = Caption ? Caption->Y + Caption->CalcHeight() + Gap : static_cast<float>(y);
    FieldWidth = std::max(100, w - 2 * Border);
    FieldLeft = x + (w - FieldWidth) / 2;
    TextInput.X = TextOX ? TextOX : FieldLeft + TextBorder;
    TextInput.Y = TextOY ? TextOY : static_cast<int>(fieldY) + BoxBorderV + TextYOffset;
}

void TDialogTextInput::MenuPosition() {
    TDialog::MenuPosition();
}

int TDialogTextInput::ProcessOKClickedFunc() {
    if (!OKClickedFunc) return 1;
    return OKClickedFunc(*this) > 0 ? 1 : 0;
}

int TDialogTextInput::OKClickTest() {
    TextInput.Finish();
    std::string& t = TextInput.Text;
    if (UppercaseFirstChar && !t.empty() && std::islower(static_cast<unsigned char>(t[0])))
        t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
    if (ErrorCheckFunc) {
        std::string message;
        if (ErrorCheckFunc(t, message) == -1) {
            if (ErrorDialogFunc) DialogOK = ErrorDialogFunc(message);
            return 0;
        }
    }
    bool blank = std::all_of(t.begin(), t.end(), [](char c) { return c == ' ' || c == '\t'; });
    if (!AllowNull && blank) return 0;
    return 1;
}

void TDialogTextInput::OKClick() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
    Close(1);
}

void TDialogTextInput::CancelClick() {
    TextInput.Finish();
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
    Close(-1);
}

void TDialogTextInput::ClickSound() {
    auto ok = Menu ? Menu->FindButton("OK") : nullptr;
    if (ok) ok->PlayClick();
}

int TDialogTextInput::Manage() {
    if (DialogOK) {
        DialogOK->Manage();
        if (DialogOK->CloseResult || !DialogOK->Active) {
            DialogOK.reset();
            if (Menu) Menu->ClearStates();
            TextInput.Reset();
        }
        return 0;
    }
    ManageCore();
    if (CloseResult) return CloseResult;
    if (!Active || Transitioning) return 0;
    auto ok = Menu ? Menu->FindButton("OK") : nullptr;
    auto cancel = Menu ? Menu->FindButton("Cancel") : nullptr;
    int r = TextInput.Active ? TextInput.Manage() : 0;
    if (Text) Text->Text = TextInput.Text;
    bool okPressed = r == 1 || (ok && ok->Clicked);
    if (okPressed) {
        if (r == 1 && ok) ok->SimulateClick();
        if (OKClickTest() && ProcessOKClickedFunc()) {
            OKClick();
        } else if (!DialogOK) {
            TextInput.Reset();
        }
    } else if (r == -1 || (cancel && cancel->Clicked)) {
        if (r == -1 && cancel) cancel->SimulateClick();
        CancelClick();
    }
    return CloseResult;
}

void TDialogTextInput::Draw() {
    TDialog::Draw();
    if (!Active || !Game || !Game->Gfx) return;
    auto& g = *Game->Gfx;
    if (DrawBox) {
        int fieldH = TextInput.BitmapFont ? TextInput.BitmapFont->GetLineGap() : 12;
        BoxColor.Apply();
        g.DrawRect(FieldLeft + OffsetX, TextInput.Y - BoxBorderV + OffsetY,
                   static_cast<float>(FieldWidth), static_cast<float>(fieldH + 2 * BoxBorderV));
        g.SetColor(255, 255, 255);
        g.SetAlpha(1);
    }
    TextInput.OffsetX = OffsetX;
    TextInput.OffsetY = OffsetY;
    TextInput.ForceDraw = 1;
    TextInput.Draw();
    if (DialogOK) DialogOK->Draw();
}

void TDialogTextInput::Kill() {
    TDialog::Kill();
    if (TextInput.Active) TextInput.Finish();
    if (DialogOK) {
        DialogOK->Kill();
        DialogOK.reset();
    }
}
