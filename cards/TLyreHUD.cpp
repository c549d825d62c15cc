#include "cards/TLyreHUD.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

#include "cards/TCard.h"
#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TRandom.h"

namespace {

constexpr float kPi = 3.14159265358979323846f;
// The shop's discounts on the charge, single-precision factors applied exactly.
constexpr float SHEET_MUSIC_FACTOR = 0.65f;
constexpr float PIANOFORTE_FACTOR = 0.8f;

// What a card is, apart from where it lies: the part the re-deal moves between places.
struct Identity {
    int value, suit, lockCounter, originalLockCounter, testLockCounter, normal, specialType,
        wildcard;
};

Identity IdentityOf(const TCard& c) {
    return {c.value,           c.suit,   c.lockCounter, c.originalLockCounter,
            c.testLockCounter, c.normal, c.specialType, c.wildcard};
}

void Apply(TCard& c, const Identity& id) {
    c.value = id.value;
    c.suit = id.suit;
    c.lockCounter = id.lockCounter;
    c.originalLockCounter = id.originalLockCounter;
    c.testLockCounter = id.testLockCounter;
    c.normal = id.normal;
    c.specialType = id.specialType;
    c.wildcard = id.wildcard;
}

// The rotation a card rests at on its pile.
float RestRotation(const TCard& c) {
    return c.tableau ? c.originalRotation : 0.0f;
}

}  // namespace

TLyreHUD::TLyreHUD()
    : THUDPowerup("Lyre", CHARGE_REQUIRED, SHOP_ID, HUD_X, HUD_Y_POS, GAUGE_BORDER) {}

int TLyreHUD::GetChargeRequired() const {
    // The factor is widened before multiplying, so 40 x 0.65 gives 25, not 26.
    if (CardHooks.Bought(SHOP_SHEET_MUSIC))
        return static_cast<int>(ChargeRequired * static_cast<double>(SHEET_MUSIC_FACTOR));
    if (CardHooks.Bought(SHOP_PIANOFORTE))
        return static_cast<int>(ChargeRequired * static_cast<double>(PIANOFORTE_FACTOR));
    return ChargeRequired;
}

int TLyreHUD::GetPowerLevel() const {
    return CardHooks.Bought(ShopID) ? 1 : 0;
}

int TLyreHUD::HasValidMove() const {
    if (!IsCharged() || !THUDPowerup::HasValidMove() || !CurrentLevel) return 0;
    return CurrentLevel->GetShuffleList()->Count() > 0 ? 1 : 0;
}

void TLyreHUD::OnClicked() {
    DeactivateAll();
    isActive = 1;
    CardHooks.Sound("Random");
    Activate(nullptr, 0, 0);
}

int TLyreHUD::Activate(const std::shared_ptr<TCard>&, int, int) {
    if (!CurrentLevel) return 0;
    RecordUse();
    CardHooks.HUDPowerupBlockInput = 1;
    m_Stage = 0;
    m_StageTimer = 0;
    spinnable = CurrentLevel->GetShuffleList();
    // The top stock card spins last, over the others.
    if (auto top = CurrentLevel->topStockCard; top && spinnable->Find(top.get())) {
        spinnable->Remove(top.get());
        spinnable->AddLast(top);
    }
    m_CurrentCentX = static_cast<float>(VirtualWidth) / 2;
    m_CurrentCentY = static_cast<float>(VirtualHeight) / 2;
    m_SpinAngle = 0;
    m_SpiralDir = -1;
    CurrentLevel->cardList->ClearWiggle();
    m_Active = 1;
    return 1;
}

void TLyreHUD::Update(float delta) {
    THUDPowerup::Update(delta);
    if (!m_Active) return;
    float length = TCard::Steps(STAGE_LENGTH);
    m_StageTimer += delta;
    float t = length > 0 ? std::min(1.0f, m_StageTimer / length) : 1.0f;
    m_SpinAngle = 180.0f * t + 180.0f * static_cast<float>(m_Stage);
    SpinCards(m_SpiralDir < 0 ? 1.0f - t : t);
    if (m_StageTimer < length) return;
    m_Stage++;
    m_StageTimer = 0;
    if (m_Stage == 1) {
        m_SpiralDir = 1;
        Randomize();
    }
    if (m_Stage >= STAGE_COUNT) Finish();
}

void TLyreHUD::SpinCards(float f) {
    if (!spinnable) return;
    for (const auto& c : spinnable->cards) {
        float angle = m_SpinAngle * c->spinDir;
        float a = angle * kPi / 180.0f;
        float px = c->x - m_CurrentCentX, py = c->y - m_CurrentCentY;
        float nx = m_CurrentCentX + f * (std::cos(a) * px - std::sin(a) * py);
        float ny = m_CurrentCentY + f * (std::sin(a) * px + std::cos(a) * py);
        c->UseOffset = 1;
        c->offx = nx - c->x;
        c->offy = ny - c->y;
        c->Rotation = RestRotation(*c) + angle;
    }
}

void TLyreHUD::RandomizeCore() {
    if (!spinnable) return;
    auto& cards = spinnable->cards;
    int n = static_cast<int>(cards.size());
    for (int i = 0; i < n; ++i) {
        int j = RulesRandom.Rand(0, n - 1);
        if (j == i) continue;
        TCard& a = *cards[static_cast<size_t>(i)];
        TCard& b = *cards[static_cast<size_t>(j)];
        Identity ia = IdentityOf(a);
        Apply(a, IdentityOf(b));
        Apply(b, ia);
    }
}

int TLyreHUD::Randomize() {
    if (!spinnable || !CurrentLevel) return 0;
    std::vector<Identity> before;
    for (const auto& c : spinnable->cards) before.push_back(IdentityOf(*c));
    int attempts = 0;
    bool accepted = false;
    while (!accepted && attempts < MAX_SHUFFLE_ATTEMPTS) {
        attempts++;
        std::cout << "***Shuffle Attempt " << attempts << std::endl;
        RandomizeCore();
        bool badBow = std::any_of(
            spinnable->cards.begin(), spinnable->cards.end(), [](const TLevel::CardPtr& c) {
                return c->bow && (c->wildcard || c->specialType == TCard::SPECIAL_EVENT);
            });
        if (badBow) {
            std::cout << "Re-randomizing A" << std::endl;
            continue;
        }
        for (const auto& c : CurrentLevel->cardList->cards) c->testLockCounter = c->lockCounter;
        if (!CurrentLevel->RegalLocksAreBeatable(0)) {
            std::cout << "Re-randomizing B." << std::endl;
            continue;
        }
        accepted = true;
    }
    if (!accepted) {
        // No deal passed: every card keeps what it was rather than the hand becoming unwinnable.
        for (size_t i = 0; i < before.size(); ++i) Apply(*spinnable->cards[i], before[i]);
        for (const auto& c : CurrentLevel->cardList->cards) c->testLockCounter = c->lockCounter;
    }
    for (const auto& c : spinnable->cards) c->CalcImage();
    return accepted ? attempts : -1;
}

void TLyreHUD::Finish() {
    THUDPowerup::Finish();
    m_Active = 0;
    if (spinnable) {
        for (const auto& c : spinnable->cards) {
            c->offx = c->offy = 0;
            c->UseOffset = 0;
            c->Rotation = RestRotation(*c);
        }
    }
    CardHooks.landSoundTrigger++;
    spinnable.reset();
}

void TLyreHUD::Reset() {
    THUDPowerup::Reset();
    if (m_Active && spinnable)
        for (const auto& c : spinnable->cards) {
            c->offx = c->offy = 0;
            c->UseOffset = 0;
        }
    m_Active = 0;
    m_Stage = 0;
    m_StageTimer = 0;
    m_SpinAngle = 0;
    m_SpiralDir = -1;
    spinnable.reset();
}
