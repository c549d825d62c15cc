#pragma once
#include <string>

class TLevel;

// Deals a hand again and again until it passes the set-up checks: no bowed wildcard or event
// card, lock counters that the reachable court cards can clear, and the intended first plays
// of the fixed tutorial hands. Then the free cards are turned up and the coins placed.
class THandSetup {
public:
    static constexpr int MAX_ATTEMPTS = 1000;

    // Why attempt i of a dealt hand is refused; empty when it passes. The log line (if any)
    // has been written.
    static std::string CheckDeal(TLevel& level, int chapter, int hand);
    // The hands whose checks may take any number of attempts.
    static bool IsFixedHand(int chapter, int hand);
    // Loads level (which must be CurrentLevel) until it passes; returns the attempts made.
    // Reaching the limit on any other hand is fatal.
    static int Deal(TLevel& level, int chapter, int hand);
};
