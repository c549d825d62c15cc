#pragma once

#include <string>
#include <vector>

#include "LevelFile.h"

// Pictures of layouts for looking them over: cards as rectangles, face-up light and face-down
// dark, covered cards dimmed, special cards marked with a letter, bows and counters drawn on.
class LayoutPreview {
public:
    static bool Render(const LevelFile& file, const std::string& title, const std::string& png,
                       std::string& error);
    // Several hands side by side, scaled down, captioned with their titles.
    static bool Sheet(const std::vector<LevelFile>& files, const std::vector<std::string>& titles,
                      const std::string& png, std::string& error);
};
