#pragma once

#include <memory>
#include <string>

#include "framework/TWidget.h"
#include "platform/Image.h"

// Base of every screen. Exactly one is current (Game->CurrentTScreen); a screen leaves by
// naming Game->DestinationTScreen and starting a fade-out, and the framework kills it and
// starts the destination when the fade-out ends.
class TScreen {
public:
    virtual ~TScreen() = default;

    std::shared_ptr<platform::Image> Image;   // full-screen background, drawn solid at (0, 0)
    std::shared_ptr<platform::Image> Header;  // optional title picture, alpha blended
    std::string Ext = ".png";
    std::shared_ptr<TWidget> Menu;
    std::string name;
    // 1 = not killed when left, so it keeps its state for a return.
    int StopKill = 0;
    // 1 = on entry run only CoreStart (resume without re-initialising).
    int StopInit = 0;
    TScreen* Destination = nullptr;

    // Loads Game->ImagePath + file; a missing file is fatal through ShowMessage.
    virtual void ImageLoad(const std::string& file, int flags, int keepAlpha);
    virtual void HeaderLoad(const std::string& file, int x, int y, int keepAlpha);
    virtual void PreStart();
    virtual void ResetStops();
    virtual void Load() {}
    virtual void Start();
    virtual void CoreStart();
    virtual void PostFadeIn() {}
    virtual void PostFadeOut() {}
    virtual void Kill();
    virtual void Logic();
    virtual void Draw();
    // Where Escape leads: sets Game->DestinationTScreen and returns a fade length in ms
    // (0 = the default FadeLength).
    virtual int SetEscDestination();
    virtual void SpecificKeys() {}
};
