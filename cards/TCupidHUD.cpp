#include "cards/TCupidHUD.h"

#include <algorithm>
#include <cmath>

#include "cards/TCard.h"
#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "platform/Graphics.h"

namespace {
constexpr float kPi = 3.14159265358979323846f;
}

TCupidHUD::TCupidHUD()
    : THUDPowerup("Cupid", CHARGE_REQUIRED, SHOP_ID, HUD_X, HUD_Y_POS, GAUGE_BORDER) {}

int TCupidHUD::ArrowFlightMs(int x, int y, int screenHeight) {
    float ms = static_cast<float>(ARROW_FLIGHT_MS);
    if (x < 400) {
        ms *= (static_cast<float>(x) / 400.0f) / 2.0f + 0.5f;
        float h = static_cast<float>(screenHeight);
        float g = h / 2.0f - 150.0f;
        if (static_cast<float>(y) > g) ms *= 1.0f - (static_cast<float>(y) - g) / (h - g);
    }
    return std::max(0, static_cast<int>(ms));
}

void TCupidHUD::OnClicked() {
    DeactivateAll();
    isActive = 1;
    arrowsLeft = GetPowerLevel() >= 2 ? 2 : 1;
    arrowsInAir = 0;
    arrowWasWasted = 0;
    if (CardHooks.SetPowerupPointer)
        CardHooks.SetPowerupPointer(arrowsLeft == 2 ? "TwoArrowCursor" : "OneArrowCursor",
                                    KIND_CUPID);
}

int TCupidHUD::Activate(const std::shared_ptr<TCard>& card, int x, int y) {
    if (!card || !IsArmed() || !CurrentLevel) return 0;
    if (!CurrentLevel->cardList->ValidPlay(*card) || card->targeted) {
        card->InvalidClick();
        return 0;
    }
    card->targeted = 1;
    arrowsInAir++;
    arrowsLeft--;
    if (arrowsLeft == 1) {
        if (CardHooks.SetPowerupPointer) CardHooks.SetPowerupPointer("OneArrowCursor", KIND_CUPID);
    } else {
        CardHooks.Call(CardHooks.ClearPowerupPointer);
        CardHooks.HUDPowerupBlockInput = 1;
    }
    TArrow arrow;
    arrow.card = card;
    arrow.fromX = static_cast<float>(ARROW_START_X);
    arrow.fromY = static_cast<float>(ARROW_START_Y);
    arrow.toX = static_cast<float>(x);
    arrow.toY = static_cast<float>(y);
    arrow.steps = TCard::Steps(ArrowFlightMs(x, y, VirtualHeight));
    arrows.push_back(arrow);
    CardHooks.Sound("arrow2");
    CardHooks.Sound("arrow");
    RecordUse();
    return 1;
}

void TCupidHUD::Update(float delta) {
    THUDPowerup::Update(delta);
    // A hit may finish the powerup, so the arrows that arrived are taken out first.
    std::vector<TArrow> arrived;
    for (auto it = arrows.begin(); it != arrows.end();) {
        it->elapsed += delta;
        if (it->elapsed >= it->steps) {
            arrived.push_back(*it);
            it = arrows.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& a : arrived) {
        TakeOffCard(a.card);
        ArrowHitCard();
        if (CurrentLevel) CurrentLevel->CheckLevelEnd();
    }
}

void TCupidHUD::ArrowHitCard() {
    if (arrowsInAir > 0) arrowsInAir--;
    if (arrowsInAir == 0 && arrowsLeft == 0) {
        Finish();
    } else if (arrowsLeft > 0 && !HasValidMoveCore(0)) {
        WasteArrow();
    }
}

void TCupidHUD::DropArrow() {
    if (!IsArmed()) return;
    if (GetPowerLevel() >= 2 && arrowsLeft == 1)
        WasteArrow();
    else
        RevertArrow();
}

void TCupidHUD::RevertArrow() {
    isActive = 0;
    arrowsLeft = 0;
    CardHooks.Call(CardHooks.ClearPowerupPointer);
}

void TCupidHUD::WasteArrow() {
    arrowsLeft = 0;
    arrowWasWasted = 1;
    CardHooks.Call(CardHooks.ClearPowerupPointer);
    if (arrowsInAir == 0)
        Finish();
    else
        CardHooks.HUDPowerupBlockInput = 1;  // the arrow in the air still has to land
}

void TCupidHUD::Finish() {
    THUDPowerup::Finish();
    // A wasted arrow gives half the charge back.
    if (arrowWasWasted)
        CurrentCharge = static_cast<int>(std::floor(GetChargeRequired() / 2.0f + 0.5f));
    arrowsLeft = 0;
    arrowsInAir = 0;
    arrowWasWasted = 0;
}

int TCupidHUD::HasValidMove() const {
    return HasValidMoveCore(1) && THUDPowerup::HasValidMove();
}

int TCupidHUD::HasValidMoveCore(int checkInput) const {
    if (!IsCharged() || !CurrentLevel) return 0;
    if (checkInput && (CardHooks.BlockStockInput || CardHooks.BlockTableauInput ||
                       CurrentLevel->CountMoving(1) > 0))
        return 0;
    if (CurrentLevel->CountInPlay(1, 1) > 0) return 1;
    for (const auto& c : CurrentLevel->cardList->cards)
        if (c->tableau && c->specialType == 0 && c->flipCounter > 0 && c->inPlayAfterFlip &&
            !c->targeted)
            return 1;
    return 0;
}

void TCupidHUD::Reset() {
    THUDPowerup::Reset();
    arrowsLeft = arrowsInAir = arrowWasWasted = 0;
    arrows.clear();
}

void TCupidHUD::DrawArrows() const {
    platform::Graphics* g = Game && Game->Gfx ? Game->Gfx.get() : nullptr;
    if (!g || arrows.empty()) return;
    auto img = ImageBank.Find("ArrowUp", 1);
    if (!img || !img->image) return;
    for (const auto& a : arrows) {
        float r = a.steps > 0 ? std::min(1.0f, a.elapsed / a.steps) : 1.0f;
        float x = a.fromX + (a.toX - a.fromX) * r;
        float y = a.fromY + (a.toY - a.fromY) * r;
        // The picture points up; it turns to face the card.
        float angle = std::atan2(a.toX - a.fromX, a.fromY - a.toY) * 180.0f / kPi;
        g->SetRotation(angle);
        g->DrawImage(*img->image, x, y);
    }
    g->ResetState();
}
