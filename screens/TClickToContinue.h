#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/TGameImage.h"
#include "framework/TGameSound.h"
#include "framework/TWidget.h"
#include "toolkit/TLabel.h"

// The loading screen's click-to-continue button: three pictures (up, mouse over, pressed), a
// sound for the pointer arriving and one for the click, and a gently pulsing caption in the
// "Button" font (the drawing layer's own font when the game fonts are not loaded).
class TClickToContinue : public TWidget {
public:
    static constexpr int WRAP_WIDTH = 314;
    static constexpr float CAPTION_SCALE = 0.9f;
    // The drawing layer's font is about half the size of the game's caption fonts.
    static constexpr float FONT_FACTOR = 2.0f;

    TClickToContinue(std::shared_ptr<TGameImage> up, std::shared_ptr<TGameImage> over,
                     std::shared_ptr<TGameImage> down, std::shared_ptr<TGameSound> click,
                     std::shared_ptr<TGameSound> mouseOver, const std::string& caption);

    // Centre of the button in virtual units.
    float x = 512, y = 725;

    int Manage(int offsetX, int offsetY) override;
    int ManageNoSound(int offsetX, int offsetY) override;
    void Draw(int offsetX, int offsetY) override;
    void Press() override;

    bool Over() const { return over; }
    bool Pressed() const { return pressed; }
    // The caption broken into lines that fit WRAP_WIDTH when drawn.
    const std::vector<std::string>& CaptionLines() const { return lines; }
    // True when the caption is drawn in the game's own font.
    bool UsesGameFont() const { return label != nullptr; }
    // The caption's scale now (it pulses around CAPTION_SCALE, times FONT_FACTOR in the
    // drawing layer's font).
    float CaptionScale() const;

private:
    int Update(int offsetX, int offsetY, bool sounds);
    bool Contains(int px, int py, int offsetX, int offsetY) const;
    void Play(const std::shared_ptr<TGameSound>& sound);

    std::shared_ptr<TGameImage> upImage, overImage, downImage;
    std::shared_ptr<TGameSound> clickSound, overSound;
    std::vector<std::string> lines;
    std::shared_ptr<TLabel> label;  // the caption in the game's font, when there is one
    bool over = false;
    bool pressed = false;
    float ticks = 0;
};
