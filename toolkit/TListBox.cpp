#include "toolkit/TListBox.h"

#include <algorithm>

#include "framework/TGame.h"
#include "platform/Keys.h"
#include "toolkit/ImageFontText.h"
#include "toolkit/ToolkitSound.h"

void TListBox::Init(float px, float py, int width, int linesShown, int lineGap,
                    std::shared_ptr<TBitmapFont> font) {
    x = px;
    y = py;
    w = width;
    LinesShown = linesShown;
    LineGap = lineGap;
    Font = std::move(font);
    UpRepeat.Create(400, 80);
    DownRepeat.Create(400, 80);
}

void TListBox::Add(const std::string& item) {
    Items.push_back(item);
}

void TListBox::Clear() {
    Items.clear();
    Selected = -1;
    Top = 0;
}

void TListBox::Select(int index) {
    if (Items.empty()) {
        Selected = -1;
        return;
    }
    Selected = std::clamp(index, 0, static_cast<int>(Items.size()) - 1);
    ShowSelected();
}

std::string TListBox::SelectedItem() const {
    if (Selected < 0 || Selected >= static_cast<int>(Items.size())) return "";
    return Items[Selected];
}

void TListBox::ShowSelected() {
    if (Selected < Top) Top = Selected;
    if (Selected >= Top + LinesShown) Top = Selected - LinesShown + 1;
    Top = std::max(0, Top);
}

int TListBox::ItemAt(float px, float py) const {
    if (px < x || px >= x + w || py < y || py >= y + LinesShown * LineGap) return -1;
    int index = Top + static_cast<int>((py - y) / LineGap);
    return index < static_cast<int>(Items.size()) ? index : -1;
}

int TListBox::Manage() {
    if (!Game || Items.empty()) return 0;
    int before = Selected;
    if (UpRepeat.GetKey(platform::keys::UP)) Select(Selected <= 0 ? 0 : Selected - 1);
    if (DownRepeat.GetKey(platform::keys::DOWN)) Select(Selected + 1);
    TMousePointer& m = Game->Mouse;
    int under = ItemAt(static_cast<float>(m.x), static_cast<float>(m.y));
    if (under >= 0 && m.GetMh(true)) Select(under);
    int wheel = m.GetMouseZSpeed();
    if (wheel) {
        int maxTop = std::max(0, static_cast<int>(Items.size()) - LinesShown);
        Top = std::clamp(Top - wheel, 0, maxTop);
    }
    if (Selected != before) {
        PlayToolkitSound(ClickSound);
        return 1;
    }
    return 0;
}

void TListBox::Draw() {
    if (!Game || !Game->Gfx) return;
    auto& g = *Game->Gfx;
    for (int i = 0; i < LinesShown && Top + i < static_cast<int>(Items.size()); ++i) {
        int index = Top + i;
        float ly = y + static_cast<float>(i * LineGap);
        if (index == Selected) {
            SelectedBoxColor.Apply();
            g.DrawRect(x, ly, static_cast<float>(w), static_cast<float>(LineGap));
        }
        const TColor& c = index == Selected ? SelectedColor : TextColor;
        c.Apply();
        float tx = x + w / 2.0f;
        float ty = ly + LineGap / 2.0f;
        if (Font)
            Font->Draw(Items[index], tx, ty, 1, 0, 1, 1, 0, 1);
        else
            DrawImageFontText(Items[index], tx, ty - ImageFontTextHeight("A") / 2, 1, 1, 0);
    }
    g.SetColor(255, 255, 255);
    g.SetAlpha(1);
}
