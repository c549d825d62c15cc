#pragma once

#include <string>
#include <vector>

#include "LayoutCard.h"

// The text form of one hand's layout: one line per tableau card, later lines covering
// earlier ones. Reads strictly so that a slip in an authored file is caught with its line.
class LevelFile {
public:
    std::vector<LayoutCard> cards;
    int blankLines = 0;  // blank lines send a pack card to the stock; ours have none

    // "3-7.txt" for chapter 3, hand 7.
    static std::string FileName(int chapter, int hand);

    // Parses text; on failure error reads "<name>:<line>: <what is wrong>".
    static bool Parse(const std::string& text, const std::string& name, LevelFile& out,
                      std::string& error);
    static bool Read(const std::string& path, LevelFile& out, std::string& error);

    // Ordinary cards get six fields, special cards eight.
    std::string Write() const;
    bool Save(const std::string& path, std::string& error) const;

    int CountOrdinary() const;
    int CountSpecial(int kind) const;
};
