#pragma once
#include <functional>
#include <memory>
#include <string>

#include "toolkit/TDialog.h"

// A dialog with "Yes" (result 1, the Enter button) and "No" (result -1); Y and N pick them,
// Escape is No.
class TDialogYesNo : public TDialog {
public:
    int Gap = 50;
    int ButtonGap = 50;
    std::function<void(TDialogYesNo&)> YesFunc, NoFunc;

    static std::shared_ptr<TDialogYesNo> Create(const std::string& text,
                                                std::shared_ptr<TGameImage> background, int w = 0,
                                                int h = 0, int x = 0, int y = 0);
    // "Yes" and "No" side by side, gap apart; ext is put in front of both image names.
    virtual void MenuCreate(int gap, const std::string& ext = "");
    virtual void YesClick();
    virtual void NoClick();
    virtual void ClickSound();
    void CalcSize() override;
    int Manage() override;
};
