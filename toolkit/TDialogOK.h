#pragma once
#include <memory>
#include <string>

#include "toolkit/TDialog.h"

// A dialog with one button, "OK" unless named otherwise; Escape closes it with result 1.
class TDialogOK : public TDialog {
public:
    int Gap = 50;
    int ClickAnywhereCloses = 0;

    static std::shared_ptr<TDialogOK> Create(const std::string& text,
                                             std::shared_ptr<TGameImage> background, int w = 0,
                                             int h = 0, int x = 0, int y = 0);
    // The menu with its one button (the Enter button); empty name = "OK".
    virtual void MenuCreate(const std::string& name = "");
    virtual void OKClick();
    void CalcSize() override;
    void MenuPosition() override;
    // CloseResult once known, else 0.
    int Manage() override;
};
