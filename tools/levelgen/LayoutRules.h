#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LevelFile.h"

// What makes an authored hand fit to play: on screen, a sensible number of cards, special
// cards only from the chapter that brings them in, every lock openable, every lock counter
// clearable by the court cards a deal can reach, and the tutorial hands shaped for their tips.
class LayoutRules {
public:
    static constexpr int CHAPTERS = 20;
    static constexpr int SCREEN_W = 1024;
    static constexpr int SCREEN_H = 768;
    // Centres the game keeps when it saves a layout.
    static constexpr int MIN_Y = 64;
    static constexpr int MAX_Y = SCREEN_H - 135;  // exclusive
    // The whole card stays clear of the top bar and of the bottom panel with stock and fan.
    static constexpr int AREA_LEFT = 4;
    static constexpr int AREA_RIGHT = SCREEN_W - 4;
    static constexpr int AREA_TOP = 36;
    static constexpr int AREA_BOTTOM = 612;
    static constexpr int MIN_ORDINARY = 10;
    static constexpr int MAX_ORDINARY = 36;  // of 52, so the stock keeps at least 16
    static constexpr int MIN_FREE_AT_START = 2;
    // Share of random deals whose lock counters must be clearable.
    static constexpr double MIN_LOCK_PASS_RATE = 0.10;

    enum Feature { LOCK_COUNTER, BOW, KEY_AND_LOCK, EVENT_CARD };

    static int HandsInChapter(int chapter);
    // The story item hidden in the chapter (1..10), 0 when the chapter has none.
    static int StoryItemOfChapter(int chapter);
    // The hand of the chapter that hides its story item, 0 when none.
    static int StoryHandOfChapter(int chapter);
    static bool Allows(Feature feature, int chapter, int hand);

    // For each card, the later cards that overlap (cover) it.
    static std::vector<std::vector<int>> Coverers(const LevelFile& file);
    static int CountFree(const LevelFile& file);

    // Ignoring card values: can the table be emptied, keys opening locks on the way?
    static bool Clearable(const LevelFile& file);

    // One deal: values[i] is the value dealt to card i (0 for specials, -1 for a wildcard).
    // Follows the game's check of lock counters against reachable Jacks, Queens and Kings.
    static bool LockCountersBeatable(const LevelFile& file, const std::vector<int>& values);
    // Share of random deals that pass the lock-counter check (bowed wildcards fail too).
    static double LockCounterPassRate(const LevelFile& file, int chapter, int trials,
                                      uint64_t seed);

    // Every rule above; each problem names the file and, where it can, the line.
    static std::vector<std::string> Check(const LevelFile& file, int chapter, int hand,
                                          const std::string& name);
};
