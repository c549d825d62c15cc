#include "cards/TGreedyPlayer.h"

#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TLevel.h"
#include "framework/TGame.h"

namespace {

// Enough for the longest flight; a hand whose cards never settle is over.
constexpr int SETTLE_TICKS = 3000;
// More turns than a hand of 52 cards and a full fan can take.
constexpr int MAX_TURNS = 400;

}  // namespace

void TGreedyPlayer::Click(TLevel& level, float x, float y) {
    Game->Mouse.x = static_cast<int>(x);
    Game->Mouse.y = static_cast<int>(y);
    Game->Mouse.h1 = 1;
    level.Manage();
    for (int i = 0; i < SETTLE_TICKS; ++i) {
        level.Manage();
        if (level.CountMoving(1) == 0 && CardHooks.StockPileDelay <= 0) break;
    }
}

TGreedyPlayer::Result TGreedyPlayer::Play(TLevel& level) {
    Result result;
    result.tableauAtStart = level.CountTableau();
    for (int turn = 0; turn < MAX_TURNS; ++turn) {
        std::shared_ptr<TCard> play;
        for (const auto& c : level.cardList->cards) {
            if (c->tableau && c->inPlay && !c->moving && level.cardList->ValidPlay(*c)) {
                play = c;
                break;
            }
        }
        if (play) {
            Click(level, play->x, play->y);
            result.plays++;
        } else if (auto top = level.topStockCard) {
            Click(level, top->x, top->y);
            result.draws++;
        } else {
            break;
        }
    }
    result.tableauLeft = level.CountTableau();
    return result;
}
