#pragma once
#include <functional>
#include <memory>
#include <string>

#include "toolkit/TDialogOK.h"
#include "toolkit/TTextInput.h"

class TScreen;

// A dialog with a one-line text field, "OK" (Enter, result 1) and "Cancel" (Escape, -1).
// ErrorCheckFunc may refuse the text with a message, shown in the dialog ErrorDialogFunc makes.
class TDialogTextInput : public TDialog {
public:
    std::shared_ptr<TLabel> Text;
    int CharWidth = 0;
    int Gap = 30;
    TColor BoxColor{0, 0, 0, 0.5f};
    int DrawBox = 1;
    int BoxBorderH = 10, BoxBorderV = 5;
    int TextBorder = 10;
    TTextInput TextInput;
    int TextYOffset = 0;
    int AllowNull = 0;
    std::function<int(const std::string& text, std::string& message)> ErrorCheckFunc;
    std::function<std::shared_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
    std::shared_ptr<TDialogOK> DialogOK;
    int TextOX = 0, TextOY = 0;
    std::function<int(TDialogTextInput&)> OKClickedFunc;
    TScreen* OKClickedScreen = nullptr;  // not owned
    TDialog* OKClickedDialog = nullptr;  // not owned
    int DrawDisabled = 0;
    int UppercaseFirstChar = 1;
    int DimWhenShowingDialogs = 0;
    std::string ButtonName;

    static std::shared_ptr<TDialogTextInput> Create(const std::string& text,
                                                    std::shared_ptr<TGameImage> background,
                                                    const std::string& initialText, int maxLength,
                                                    std::shared_ptr<TBitmapFont> font);
    virtual void SetupText(const std::string& initialText, int maxLength,
                           std::shared_ptr<TBitmapFont> font);
    virtual void MenuCreate();
    // Passes without a callback; with one, a result above 0 passes.
    virtual int ProcessOKClickedFunc();
    virtual int OKClickTest();
    virtual void OKClick();
    virtual void CancelClick();
    virtual void ClickSound();
    void Start() override;
    void CalcSize() override;
    void SetLabelsXY() override;
    void MenuPosition() override;
    int Manage() override;
    void Draw() override;
    void Kill() override;

protected:
    // The box the field is drawn in, set with the labels.
    int FieldLeft = 0, FieldWidth = 0;
};
