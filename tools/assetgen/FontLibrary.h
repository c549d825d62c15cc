#pragma once

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <string>

// The serif faces of the game, read from the Debian font packages by file path so every
// machine draws the same glyphs.
enum class FontId {
    Garamond,
    GaramondItalic,
    GaramondBold,
    Libertine,
    LibertineBold,
    LibertineItalic,
    LibertineDisplay,
    Caladea,
    CaladeaBold,
    DejaVuSerifBold,
    Count
};

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // False with a message naming the missing file when a face cannot be opened.
    bool Load(std::string& error);
    cairo_font_face_t* Face(FontId id) const { return faces[static_cast<size_t>(id)]; }
    static std::string Path(FontId id);
    FT_Library Library() const { return library; }

private:
    FT_Library library = nullptr;
    std::array<FT_Face, static_cast<size_t>(FontId::Count)> ftFaces{};
    std::array<cairo_font_face_t*, static_cast<size_t>(FontId::Count)> faces{};
};
