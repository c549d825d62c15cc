#pragma once
#include <memory>
#include <vector>

#include "cards/THUDPowerup.h"

// Cupid: arms the pointer with one arrow (two at level 2); each arrow flies from the bow at
// the bottom left to the clicked card and takes it off the table.
class TCupidHUD : public THUDPowerup {
public:
    static constexpr int CHARGE_REQUIRED = 45;
    static constexpr int SHOP_ID = 27;  // "Cupid"; 28 is "Cupid Gold"
    static constexpr int HUD_X = 0;
    static constexpr int HUD_Y_POS = 608;
    static constexpr int GAUGE_BORDER = 30;
    static constexpr int ARROW_FLIGHT_MS = 500;
    static constexpr int ARROW_START_X = 81;
    static constexpr int ARROW_START_Y = 634;

    // One arrow on its way to its card.
    struct TArrow {
        std::shared_ptr<TCard> card;
        float fromX = 0, fromY = 0, toX = 0, toY = 0;
        float steps = 0, elapsed = 0;
    };

    int arrowsLeft = 0;
    int arrowsInAir = 0;
    int arrowWasWasted = 0;
    std::vector<TArrow> arrows;

    TCupidHUD();

    // The flight of an arrow shot at (x, y) on a screen h high, in whole milliseconds:
    // shorter towards the bow in the bottom-left corner.
    static int ArrowFlightMs(int x, int y, int screenHeight);

    // A click on card while armed: 1 an arrow flies, 0 refused ("InvalidClick").
    int Activate(const std::shared_ptr<TCard>& card, int x, int y) override;
    void ArrowHitCard();
    // A click on no card while armed.
    void DropArrow();
    void Finish() override;
    int HasValidMove() const override;
    int HasValidMoveCore(int checkInput) const;
    void OnClicked() override;
    void Reset() override;
    void RevertArrow();
    void Update(float delta) override;
    void WasteArrow();
    // The pointer carries an arrow: card clicks go to Activate.
    int IsArmed() const { return isActive && arrowsLeft > 0; }

    int Kind() const override { return KIND_CUPID; }
    int IsWorking() const override { return arrowsInAir > 0; }
    // The arrows in flight.
    void DrawArrows() const;
};
