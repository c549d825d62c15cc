#pragma once

#include "AssetWriter.h"
#include "Painter.h"

// The images particles are made of: rings, sparkles, dust, coins, stars, the burning-card
// flames, lightning, the cupid crosshair and arrow.
class ParticleArt {
public:
    ParticleArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();

private:
    void Ring(const std::string& name, const Rgb& c);
    void Sparkle(const std::string& name, int size, const Rgb& c, bool full);
    void Ball(const std::string& name, int size, const Rgb& c);
    void Star(const std::string& folder, const std::string& name, int size, const Rgb& c);
    void Coin();
    void BurningCard();
    void Lightning();
    void Highlight();
    void Crosshair();
    void ArrowUp();
    void Crown();

    const FontLibrary& fonts;
    AssetWriter& out;
};
