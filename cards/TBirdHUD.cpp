#include "cards/TBirdHUD.h"

#include "cards/TCard.h"
#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TLevel.h"
#include "framework/TRandom.h"
#include "toolkit/GameEffects.h"

TBirdHUD::TBirdHUD()
    : THUDPowerup("Bird", CHARGE_REQUIRED, SHOP_ID, HUD_X, HUD_Y_POS, GAUGE_BORDER) {}

int TBirdHUD::HasValidMove() const {
    if (!IsCharged() || !THUDPowerup::HasValidMove() || !CurrentLevel) return 0;
    return CurrentLevel->CountInPlay(1, 0) > 0 ? 1 : 0;
}

void TBirdHUD::OnClicked() {
    DeactivateAll();
    isActive = 1;
    m_PowerSize = GetPowerLevel();
    m_StageCount = m_PowerSize >= 2 ? 3 : 2;
    Activate(nullptr, 0, 0);
}

int TBirdHUD::Activate(const std::shared_ptr<TCard>&, int, int) {
    if (!CurrentLevel) return 0;
    RecordUse();
    CardHooks.HUDPowerupBlockInput = 1;
    m_Stage = 0;
    m_StageTimer = 0;
    m_Active = 1;
    CalcTargets();
    StartStage();
    return 1;
}

void TBirdHUD::CalcTargets() {
    targets.clear();
    std::vector<std::shared_ptr<TCard>> candidates;
    if (CurrentLevel)
        for (const auto& c : CurrentLevel->cardList->cards)
            if (c->tableau && c->inPlay && c->specialType == 0) candidates.push_back(c);
    while (static_cast<int>(targets.size()) < m_StageCount && !candidates.empty()) {
        int i = RulesRandom.Rand(0, static_cast<int>(candidates.size()) - 1);
        targets.push_back(candidates[static_cast<size_t>(i)]);
        candidates.erase(candidates.begin() + i);
    }
    m_StageCount = static_cast<int>(targets.size());
}

void TBirdHUD::StartStage() {
    if (m_Stage < 0 || m_Stage >= static_cast<int>(targets.size())) return;
    auto target = targets[static_cast<size_t>(m_Stage)];
    EffectLightning(Effects(), target->x, target->y);
    CardHooks.Sound("phoenixfire", 1.0f, target->CalcPan(), EffectsRandom.RndFloat(0.9f, 1.1f));
    // A bowed card only loses its bow: the copy left behind stays on the table.
    TakeOffCard(target);
    if (CurrentLevel) CurrentLevel->CheckLevelEnd();
}

void TBirdHUD::Update(float delta) {
    THUDPowerup::Update(delta);
    if (!m_Active) return;
    m_StageTimer += delta;
    if (m_StageTimer < TCard::Steps(STAGE_LENGTH)) return;
    m_StageTimer = 0;
    m_Stage++;
    if (m_Stage >= m_StageCount)
        Finish();
    else
        StartStage();
}

void TBirdHUD::FinishNoLevelEndCheck() {
    THUDPowerup::Finish();
    m_Active = 0;
    targets.clear();
}

void TBirdHUD::Finish() {
    FinishNoLevelEndCheck();
    if (CurrentLevel) CurrentLevel->CheckLevelEnd();
}

void TBirdHUD::Reset() {
    THUDPowerup::Reset();
    m_Active = 0;
    m_PowerSize = 0;
    m_Stage = 0;
    m_StageCount = 0;
    m_StageTimer = 0;
    targets.clear();
}
