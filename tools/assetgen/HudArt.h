#pragma once

#include <string>

#include "AssetWriter.h"
#include "Painter.h"

// The play screen's heads-up display: top and bottom panels, multiplier and combo panels,
// the three powerup buttons with their gauges, the heroine's picture, ribbons, pearls and
// the play screen's own buttons.
class HudArt {
public:
    HudArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();

private:
    void TopPanel();
    void BottomPanel();
    void MultiplierPanels();
    void ComboPanel();
    void UndoDecoration();
    void Heroine(bool withFan);
    void Powerup(const std::string& name, int w, int h, int kind);
    void PowerupsBackground();
    void Ribbons();
    void SlotMouseOver();
    void Pearl();
    // A button in four states: name, nameMO, name_down and (when disabled) name_disabled.
    void Button(const std::string& path, int w, int h, const std::string& text, int icon,
                bool disabled, bool cardShaped);

    const FontLibrary& fonts;
    AssetWriter& out;
};
