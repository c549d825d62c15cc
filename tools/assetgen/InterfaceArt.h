#pragma once

#include <string>

#include "AssetWriter.h"
#include "Painter.h"

// Loading bar and big words, dialog frames and their buttons, hints and tips, mouse pointers
// and cursors, map dots, the hand-complete panel's pieces and the shop highlight.
class InterfaceArt {
public:
    InterfaceArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();

private:
    void LoadingBar();
    void BigText(const std::string& name, const std::string& text, double size);
    void Dialog(const std::string& rel, int w, int h, int style);
    void DialogPieces();
    void MenuButton(const std::string& name, int w, int h, int state);
    void ClickToContinue();
    void Pointers();
    void MapDots();
    void Hints();
    void LevelEnd();
    void ShopHighlight();
    void PlainCardsPicture();

    const FontLibrary& fonts;
    AssetWriter& out;
};
