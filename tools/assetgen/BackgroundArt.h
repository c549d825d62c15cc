#pragma once

#include "AssetWriter.h"
#include "Canvas.h"
#include "Painter.h"

// The twenty chapter backgrounds (each its own Regency scene), the loading screen and the
// side borders shown beside the picture on wide screens.
class BackgroundArt {
public:
    static constexpr int COUNT = 20;

    BackgroundArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();
    // Chapter background 1..20.
    Canvas Scene(int number) const;

private:
    Canvas LoadingScreen() const;
    Canvas Border(bool left) const;

    const FontLibrary& fonts;
    AssetWriter& out;
};
