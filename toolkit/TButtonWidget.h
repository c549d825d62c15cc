#pragma once
#include <memory>

#include "framework/TWidget.h"
#include "toolkit/TButton.h"

// A single button seen as a framework widget (the loading screen's click-to-continue).
class TButtonWidget : public TWidget {
public:
    explicit TButtonWidget(std::shared_ptr<TButton> button) : Button(std::move(button)) {}
    std::shared_ptr<TButton> Button;

    int Manage(int x, int y) override;
    int ManageNoSound(int x, int y) override;
    void Draw(int x, int y) override;
    void Kill() override;
    void Press() override;
};
