#pragma once

#include <string>

#include "FontLibrary.h"

// One PNG showing what a data folder holds: every card at full size, and every other
// picture of each folder scaled into a cell, with a line of text set in each bitmap font.
class ContactSheet {
public:
    explicit ContactSheet(const FontLibrary& fonts) : fonts(fonts) {}
    // False with a message when the folder holds no pictures or the sheet cannot be written.
    // Only folders starting with filter are shown (all when empty); zoom enlarges the sheet.
    bool Write(const std::string& dataDir, const std::string& outPng, const std::string& filter,
               double zoom, std::string& error) const;

private:
    const FontLibrary& fonts;
};
