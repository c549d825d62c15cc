#pragma once

// One line of a level file: where a tableau card lies and what kind it is. Values of ordinary
// cards are dealt when the hand starts, so they are not part of the layout.
struct LayoutCard {
    static constexpr int KEY = 1;
    static constexpr int LOCK = 2;
    static constexpr int EVENT = 3;
    static constexpr int STORY = 4;

    int x = 0;
    int y = 0;
    int faceUp = 1;
    int rotation = 0;
    int bow = 0;
    int lockCounter = 0;
    int value = 0;    // 0 keeps the dealt value; a story item's number
    int special = 0;  // 0 for a card taken from the pack, else one of the kinds above
    int line = 0;     // line number in the file it came from, 0 when made in memory

    bool IsSpecial() const { return special != 0; }
};
