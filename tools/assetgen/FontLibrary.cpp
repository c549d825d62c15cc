#include "FontLibrary.h"

FontLibrary::FontLibrary() = default;

FontLibrary::~FontLibrary() {
    for (cairo_font_face_t*& face : faces) {
        if (face) cairo_font_face_destroy(face);
        face = nullptr;
    }
    // cairo caches scaled fonts that still point at our FreeType faces: drop them first.
    cairo_debug_reset_static_data();
    for (FT_Face& face : ftFaces) {
        if (face) FT_Done_Face(face);
        face = nullptr;
    }
    if (library) FT_Done_FreeType(library);
}

std::string FontLibrary::Path(FontId id) {
    switch (id) {
        case FontId::Garamond:
            return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf";
        case FontId::GaramondItalic:
            return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Italic.otf";
        case FontId::GaramondBold:
            return "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf";
        case FontId::Libertine:
            return "/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf";
        case FontId::LibertineBold:
            return "/usr/share/fonts/opentype/linux-libertine/LinLibertine_RB.otf";
        case FontId::LibertineItalic:
            return "/usr/share/fonts/opentype/linux-libertine/LinLibertine_RI.otf";
        case FontId::LibertineDisplay:
            return "/usr/share/fonts/opentype/linux-libertine/LinLibertine_DR.otf";
        case FontId::Caladea:
            return "/usr/share/fonts/truetype/crosextra/Caladea-Regular.ttf";
        case FontId::CaladeaBold:
            return "/usr/share/fonts/truetype/crosextra/Caladea-Bold.ttf";
        case FontId::DejaVuSerifBold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
        case FontId::Count:
            break;
    }
    return "";
}

bool FontLibrary::Load(std::string& error) {
    if (FT_Init_FreeType(&library) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    for (size_t i = 0; i < faces.size(); ++i) {
        const std::string path = Path(static_cast<FontId>(i));
        if (FT_New_Face(library, path.c_str(), 0, &ftFaces[i]) != 0) {
            ftFaces[i] = nullptr;
            error = "cannot open font " + path + " (install the font packages)";
            return false;
        }
        faces[i] = cairo_ft_font_face_create_for_ft_face(ftFaces[i], 0);
    }
    return true;
}
