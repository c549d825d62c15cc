#pragma once
#include <memory>
#include <string>
#include <vector>

class TBitmapFont;

// The application's bitmap fonts by name, loaded once from the font folder.
extern const std::vector<std::string> GAME_FONT_NAMES;

// Loads every font of GAME_FONT_NAMES from Game->FontPath (a missing file is fatal).
void LoadGameFonts();
// The font of that name (any case), or null when it was not loaded.
std::shared_ptr<TBitmapFont> FindGameFont(const std::string& name);
void AddGameFont(const std::string& name, std::shared_ptr<TBitmapFont> font);
void ClearGameFonts();
