#pragma once
#include <memory>
#include <string>

class TGameImage;

// A box with a check mark that a click turns on and off; sounds are sound-bank names.
class TCheckBox {
public:
    int active = 1;
    int disabled = 0;
    int checkOffsetX = 0, checkOffsetY = 0;
    float x = 0, y = 0;
    std::string clickSound, MOSound, disabledSound;
    int state = 0;
    std::shared_ptr<TGameImage> _boxImage, _boxMOImage, _checkImage;
    int _mouseOver = 0;
    std::shared_ptr<TGameImage> _boxDisabledImage, _checkDisabledImage;

    static std::shared_ptr<TCheckBox> Create(std::shared_ptr<TGameImage> boxImage,
                                             std::shared_ptr<TGameImage> boxMOImage,
                                             std::shared_ptr<TGameImage> checkImage, float x,
                                             float y, int state);
    void Draw();
    int GetHeight() const;
    int GetWidth() const;
    void Kill();
    // Returns 1 when a click changed the state.
    int Logic();
    void SetCheckOffsets(int dx, int dy) {
        checkOffsetX = dx;
        checkOffsetY = dy;
    }
    void SetSounds(const std::string& click, const std::string& mouseOver) {
        clickSound = click;
        MOSound = mouseOver;
    }
};
