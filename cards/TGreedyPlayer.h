#pragma once

class TLevel;

// Plays a dealt hand the simplest sensible way, for checking layouts and measuring how hard
// they are: the first free tableau card that plays, else the next stock card, until neither
// is left. Clicks go through the level's own input path, so every rule of play applies.
class TGreedyPlayer {
public:
    struct Result {
        int tableauAtStart = 0;
        int tableauLeft = 0;
        int plays = 0;
        int draws = 0;
        // Share of the tableau cleared, 0 to 1.
        double Cleared() const {
            return tableauAtStart > 0 ? 1.0 - static_cast<double>(tableauLeft) / tableauAtStart
                                      : 1.0;
        }
    };

    // Plays level (the current level, already dealt) to its end.
    static Result Play(TLevel& level);

private:
    // A click at (x, y), then logic steps until the cards come to rest.
    static void Click(TLevel& level, float x, float y);
};
