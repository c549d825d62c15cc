#pragma once

#include <string>

// Where a trimmed picture sat inside its untrimmed original, so it can be drawn in place.
class TTrimData {
public:
    std::string name;  // the file name without extension (may keep a folder)
    int xOffset = 0, yOffset = 0;
    int originalWidth = 0, originalHeight = 0;
};
