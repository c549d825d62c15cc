#include "toolkit/TButtonWidget.h"

int TButtonWidget::Manage(int x, int y) {
    if (!Button) return 0;
    Button->offx = static_cast<float>(x);
    Button->offy = static_cast<float>(y);
    return Button->Manage();
}

int TButtonWidget::ManageNoSound(int x, int y) {
    if (!Button) return 0;
    Button->offx = static_cast<float>(x);
    Button->offy = static_cast<float>(y);
    return Button->ManageNoSound();
}

void TButtonWidget::Draw(int x, int y) {
    if (!Button) return;
    Button->offx = static_cast<float>(x);
    Button->offy = static_cast<float>(y);
    Button->Draw();
}

void TButtonWidget::Kill() {
    if (Button) Button->Kill();
}

void TButtonWidget::Press() {
    if (Button) Button->SimulateClick();
}
