#include "toolkit/GameFonts.h"

#include <map>

#include "framework/AssetBanks.h"
#include "framework/TGame.h"
#include "toolkit/TBitmapFont.h"

const std::vector<std::string> GAME_FONT_NAMES = {"Button",       "LargeWhite",   "GUIFont",
                                                  "GUIFontSmall", "LevelEndFont", "NumericFont",
                                                  "Header",       "storyfont"};

namespace {
std::map<std::string, std::shared_ptr<TBitmapFont>>& Fonts() {
    static std::map<std::string, std::shared_ptr<TBitmapFont>> fonts;
    return fonts;
}
}  // namespace

void LoadGameFonts() {
    std::string folder = Game ? Game->FontPath : std::string();
    for (const std::string& name : GAME_FONT_NAMES)
        AddGameFont(name, TBitmapFont::Create(folder + name, -1, 0, 0));
}

std::shared_ptr<TBitmapFont> FindGameFont(const std::string& name) {
    auto it = Fonts().find(AssetKey(name));
    return it == Fonts().end() ? nullptr : it->second;
}

void AddGameFont(const std::string& name, std::shared_ptr<TBitmapFont> font) {
    Fonts()[AssetKey(name)] = std::move(font);
}

void ClearGameFonts() {
    Fonts().clear();
}
