#pragma once

#include <string>

#include "AssetWriter.h"
#include "FontLibrary.h"

// How one bitmap font looks: the face, its pixel size and the fill of the glyphs.
struct FontStyle {
    std::string name;
    FontId face;
    int size;
    bool gold;       // gilt gradient instead of white (white glyphs are tinted by the game)
    double outline;  // dark outline width in pixels, 0 for none
};

// Writes the game's bitmap fonts: an atlas of glyphs set with FreeType metrics and a ".fnt"
// text file in the fixed-width layout the game's font reader expects.
class BitmapFontBuilder {
public:
    BitmapFontBuilder(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();
    void Build(const FontStyle& style);

private:
    const FontLibrary& fonts;
    AssetWriter& out;
};
