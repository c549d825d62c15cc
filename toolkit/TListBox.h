#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/TColor.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TKeyRepeat.h"

// A scrolling list of text lines with one selected, chosen by clicking or with the Up and
// Down keys (auto-repeated), scrolled by the mouse wheel.
class TListBox {
public:
    std::vector<std::string> Items;
    int Selected = -1;
    int Top = 0;  // first item shown
    float x = 0, y = 0;
    int w = 300, LinesShown = 8, LineGap = 30;
    std::shared_ptr<TBitmapFont> Font;
    TColor TextColor{255, 255, 255, 1.0f};
    TColor SelectedColor{255, 230, 120, 1.0f};
    TColor SelectedBoxColor{255, 255, 255, 0.2f};
    std::string ClickSound;
    TKeyRepeat UpRepeat, DownRepeat;

    void Init(float x, float y, int w, int linesShown, int lineGap,
              std::shared_ptr<TBitmapFont> font);
    void Add(const std::string& item);
    void Clear();
    void Select(int index);
    std::string SelectedItem() const;
    // Returns 1 when the selection changed this tick.
    int Manage();
    void Draw();
    // The item under a point, -1 when none.
    int ItemAt(float px, float py) const;

private:
    void ShowSelected();
};
