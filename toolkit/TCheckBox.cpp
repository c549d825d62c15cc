#include "toolkit/TCheckBox.h"

#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "toolkit/ToolkitSound.h"

std::shared_ptr<TCheckBox> TCheckBox::Create(std::shared_ptr<TGameImage> boxImage,
                                             std::shared_ptr<TGameImage> boxMOImage,
                                             std::shared_ptr<TGameImage> checkImage, float px,
                                             float py, int st) {
    auto c = std::make_shared<TCheckBox>();
    c->_boxImage = std::move(boxImage);
    c->_boxMOImage = std::move(boxMOImage);
    c->_checkImage = std::move(checkImage);
    c->x = px;
    c->y = py;
    c->state = st;
    return c;
}

int TCheckBox::GetWidth() const {
    return _boxImage ? _boxImage->w : 0;
}
int TCheckBox::GetHeight() const {
    return _boxImage ? _boxImage->h : 0;
}

void TCheckBox::Kill() {
    _boxImage.reset();
    _boxMOImage.reset();
    _checkImage.reset();
    _boxDisabledImage.reset();
    _checkDisabledImage.reset();
}

int TCheckBox::Logic() {
    if (!active || !Game) return 0;
    TMousePointer& m = Game->Mouse;
    float mx = static_cast<float>(m.x), my = static_cast<float>(m.y);
    bool hovered = x <= mx && mx < x + GetWidth() && y <= my && my <= y + GetHeight();
    if (!hovered) {
        _mouseOver = 0;
        return 0;
    }
    if (!disabled && !_mouseOver) PlayToolkitSound(MOSound);
    _mouseOver = 1;
    if (!m.GetMh(true)) return 0;
    if (disabled) {
        PlayToolkitSound(disabledSound);
        return 0;
    }
    state = state ? 0 : 1;
    PlayToolkitSound(clickSound);
    return 1;
}

void TCheckBox::Draw() {
    if (!active) return;
    TGameImage* box = _boxImage.get();
    if (disabled && _boxDisabledImage)
        box = _boxDisabledImage.get();
    else if (!disabled && _mouseOver && _boxMOImage)
        box = _boxMOImage.get();
    if (box) box->Draw(x, y);
    if (!state) return;
    TGameImage* mark =
        disabled && _checkDisabledImage ? _checkDisabledImage.get() : _checkImage.get();
    if (mark) mark->Draw(x + checkOffsetX, y + checkOffsetY);
}
