#pragma once
#include <memory>

#include "cards/THUDPowerup.h"

class TCardList;

// The Lyre: spins every loose card into the middle of the table, deals their identities out
// again among their places and spins them back.
class TLyreHUD : public THUDPowerup {
public:
    static constexpr int CHARGE_REQUIRED = 40;
    static constexpr int SHOP_ID = 11;  // "Harpist"
    static constexpr int SHOP_PIANOFORTE = 12;
    static constexpr int SHOP_SHEET_MUSIC = 13;
    static constexpr int HUD_X = 105;
    static constexpr int HUD_Y_POS = 622;
    static constexpr int GAUGE_BORDER = 16;
    static constexpr int STAGE_LENGTH = 1400;
    static constexpr int STAGE_COUNT = 2;
    // A deal that keeps failing its checks is given up and the cards keep their identities.
    static constexpr int MAX_SHUFFLE_ATTEMPTS = 1000;

    int m_Active = 0;
    float m_CurrentCentX = 0;
    float m_CurrentCentY = 0;
    float m_SpinAngle = 0;
    int m_SpiralDir = -1;
    int m_Stage = 0;
    float m_StageTimer = 0;
    std::shared_ptr<TCardList> spinnable;

    TLyreHUD();

    int Activate(const std::shared_ptr<TCard>& card, int x, int y) override;
    void Finish() override;
    int GetChargeRequired() const override;
    int GetPowerLevel() const override;
    int HasValidMove() const override;
    void OnClicked() override;
    // Re-deals until the deal passes its checks: the attempts made, or -1 when it gave up.
    int Randomize();
    void RandomizeCore();
    void Reset() override;
    // Places every spun card at radius factor f of its distance from the centre, turned by
    // the spin angle in its own direction.
    void SpinCards(float f);
    void Update(float delta) override;

    int Kind() const override { return KIND_LYRE; }
    int IsWorking() const override { return m_Active; }
};
