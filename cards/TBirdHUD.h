#pragma once
#include <memory>
#include <vector>

#include "cards/THUDPowerup.h"

// The Phoenix: burns two random free cards off the table (three at level 2), one every
// 500 ms.
class TBirdHUD : public THUDPowerup {
public:
    static constexpr int CHARGE_REQUIRED = 50;
    static constexpr int SHOP_ID = 25;  // "Phoenix"; 26 is "Phoenix Gold"
    static constexpr int HUD_X = 210;
    static constexpr int HUD_Y_POS = 636;
    static constexpr int GAUGE_BORDER = 2;
    static constexpr int STAGE_LENGTH = 500;

    int m_Active = 0;
    int m_PowerSize = 0;
    int m_Stage = 0;
    int m_StageCount = 0;
    float m_StageTimer = 0;
    std::vector<std::shared_ptr<TCard>> targets;

    TBirdHUD();

    int Activate(const std::shared_ptr<TCard>& card, int x, int y) override;
    void CalcTargets();
    void Finish() override;
    void FinishNoLevelEndCheck();
    int HasValidMove() const override;
    void OnClicked() override;
    void Reset() override;
    void StartStage();
    void Update(float delta) override;

    int Kind() const override { return KIND_BIRD; }
    int IsWorking() const override { return m_Active; }
};
