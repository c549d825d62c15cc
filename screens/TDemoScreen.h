#pragma once

#include <memory>
#include <string>

#include "framework/TScreen.h"
#include "toolkit/TButton.h"

class TGalleryScreen;

// Stands in for the title screen until it exists: proves the loop with a card that moves at
// the fixed logic rate, a fade to its partner screen on a click, pause with P and Escape to
// the exit screen. With a gallery set, a "Gallery" button leads to it.
class TDemoScreen : public TScreen {
public:
    TDemoScreen(const std::string& screenName, int r, int g, int b);

    TScreen* Partner = nullptr;
    TGalleryScreen* Gallery = nullptr;
    std::shared_ptr<TButton> GalleryButton;
    float cardX = 100;
    float cardSpeed = 2.0f;  // virtual units per logic tick
    int ticks = 0;

    void Start() override;
    void Logic() override;
    void Draw() override;
    void Kill() override;

private:
    int red, green, blue;
};
