#include "cards/THUDPowerup.h"

#include <algorithm>
#include <cmath>

#include "cards/TBirdHUD.h"
#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TCupidHUD.h"
#include "cards/TLevel.h"
#include "cards/TLyreHUD.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "platform/Graphics.h"
#include "toolkit/GameEffects.h"
#include "toolkit/TParticleList.h"

namespace {

// Share of the glow lost per tick: it fades in proportion to itself.
constexpr float GLOW_DECAY = 0.01f;
// The glow of a charged button at rest, and on top of it the flash of becoming charged.
constexpr float GLOW_BASE_ALPHA = 0.25f;
constexpr float GLOW_FLASH_ALPHA = 0.75f;
// Hint wobble: a sideways shake in pixels and its speed in degrees a tick.
constexpr float WOBBLE_PIXELS = 3.0f;
constexpr float WOBBLE_SPEED = 6.0f;
constexpr float kPi = 3.14159265358979323846f;

platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}

void DrawCentred(platform::Graphics& g, const std::shared_ptr<TGameImage>& img, float left,
                 float top) {
    if (!img || !img->image) return;
    float hx = img->midhandled ? img->w2 : 0, hy = img->midhandled ? img->h2 : 0;
    g.DrawImage(*img->image, left + hx, top + hy);
}

}  // namespace

std::array<std::shared_ptr<THUDPowerup>, THUDPowerup::COUNT> THUDPowerup::Powerups{};

THUDPowerup::THUDPowerup(const std::string& prefix, int chargeRequired, int shopID, int x, int y,
                         int gaugeBorder)
    : imagePrefix(prefix), baseChargeRequired(chargeRequired) {
    HUDLocation = TPoint::Create(x, y);
    ShopID = shopID;
    GaugeBottomBorder = gaugeBorder;
    SetChargeRequired();
}

// --- The three powerups -----------------------------------------------------------------

void THUDPowerup::CreateAll() {
    Powerups[0] = std::make_shared<TCupidHUD>();
    Powerups[1] = std::make_shared<TLyreHUD>();
    Powerups[2] = std::make_shared<TBirdHUD>();
}

void THUDPowerup::KillAll() {
    Effects().Kill();
    BurningCards().clear();
    for (auto& p : Powerups) p.reset();
}

std::shared_ptr<TCupidHUD> THUDPowerup::Cupid() {
    return std::dynamic_pointer_cast<TCupidHUD>(Powerups[0]);
}

std::shared_ptr<TLyreHUD> THUDPowerup::Lyre() {
    return std::dynamic_pointer_cast<TLyreHUD>(Powerups[1]);
}

std::shared_ptr<TBirdHUD> THUDPowerup::Bird() {
    return std::dynamic_pointer_cast<TBirdHUD>(Powerups[2]);
}

void THUDPowerup::InstallCardHooks() {
    CardHooks.CupidArmed = [] {
        auto c = Cupid();
        return c && c->IsArmed();
    };
    CardHooks.LyreActive = [] {
        auto l = Lyre();
        return l && l->m_Active;
    };
    CardHooks.PowerupBlocksInput = [] { return CardHooks.HUDPowerupBlockInput != 0; };
    CardHooks.CupidActivate = [](const std::shared_ptr<TCard>& card) {
        auto c = Cupid();
        if (c && Game) c->Activate(card, Game->Mouse.x, Game->Mouse.y);
    };
    CardHooks.DropArrow = [] {
        if (auto c = Cupid()) c->DropArrow();
    };
    CardHooks.OverPowerupButton = [](int x, int y) {
        for (const auto& p : Powerups)
            if (p && p->PointWithin(x, y)) return true;
        return false;
    };
    CardHooks.ChargeAllPowerups = [] { ChargeAllPowerups(); };
}

void THUDPowerup::LoadAll() {
    for (const auto& p : Powerups)
        if (p) p->Load();
}

void THUDPowerup::ResetAll() {
    for (const auto& p : Powerups)
        if (p) p->Reset();
    Effects().Kill();
    BurningCards().clear();
    CardHooks.HUDPowerupBlockInput = 0;
}

void THUDPowerup::UpdateAll(float delta, int mouseX, int mouseY) {
    for (const auto& p : Powerups) {
        if (!p) continue;
        p->Update(delta);
        p->mouseOver = p->PointWithin(mouseX, mouseY);
        p->UpdateGlow(delta);
    }
    Effects().Manage();
    auto& burning = BurningCards();
    for (const auto& c : burning) c->ManageAnims();
    std::erase_if(burning, [](const std::shared_ptr<TCard>& c) { return c->burnCounter <= 0; });
}

int THUDPowerup::ManageHUDClicks(int x, int y) {
    for (const auto& p : Powerups) {
        if (!p) continue;
        int r = p->CheckIsClicked(x, y);
        if (r != 0) return r;
    }
    return 0;
}

void THUDPowerup::DrawAll(int showOverlay) {
    for (const auto& p : Powerups)
        if (p) p->Draw(showOverlay);
}

void THUDPowerup::DrawEffects() {
    for (const auto& c : BurningCards()) c->Draw();
    if (auto c = Cupid()) c->DrawArrows();
    Effects().Draw();
}

void THUDPowerup::SetIntroYAll(float y) {
    for (const auto& p : Powerups)
        if (p) p->SetIntroY(y);
}

int THUDPowerup::GetCharge(int index) {
    if (index < 0 || index >= COUNT || !Powerups[static_cast<size_t>(index)]) return 0;
    return Powerups[static_cast<size_t>(index)]->CurrentCharge;
}

void THUDPowerup::SetCharge(int index, int charge) {
    if (index < 0 || index >= COUNT || !Powerups[static_cast<size_t>(index)]) return;
    auto& p = *Powerups[static_cast<size_t>(index)];
    // A record from an older shop state may hold more than is needed now.
    p.CurrentCharge = std::clamp(charge, 0, p.GetChargeRequired());
}

std::vector<THUDPowerInfo> THUDPowerup::GetPowerInfo() {
    std::vector<THUDPowerInfo> info;
    for (const auto& p : Powerups)
        if (p)
            info.push_back(THUDPowerInfo::Create(p->HUDLocation.X + OVERLAY_W / 2, p->HUDLocation.Y,
                                                 p->IsAvailable()));
    return info;
}

TParticleList& THUDPowerup::Effects() {
    static TParticleList list;
    return list;
}

std::vector<std::shared_ptr<TCard>>& THUDPowerup::BurningCards() {
    static std::vector<std::shared_ptr<TCard>> cards;
    return cards;
}

// --- Type functions ---------------------------------------------------------------------

void THUDPowerup::ChargeAllPowerups() {
    for (const auto& p : Powerups)
        if (p && p->IsAvailable()) p->AddCharge(1);
}

int THUDPowerup::HUDPowerupIsActive() {
    for (const auto& p : Powerups)
        if (p && p->isActive) return 1;
    return 0;
}

void THUDPowerup::DeactivateAll() {
    for (const auto& p : Powerups)
        if (p) p->isActive = 0;
}

// --- Charge and level -------------------------------------------------------------------

void THUDPowerup::AddCharge(int amount) {
    int required = GetChargeRequired();
    bool wasCharged = CurrentCharge >= required;
    CurrentCharge = std::clamp(CurrentCharge + amount, 0, required);
    if (!wasCharged && CurrentCharge >= required) ShowFullyChargedEffect();
}

void THUDPowerup::ChargeFully() {
    CurrentCharge = GetChargeRequired();
}

int THUDPowerup::GetChargeRequired() const {
    return ChargeRequired;
}

int THUDPowerup::GetPowerLevel() const {
    if (CardHooks.Bought(ShopID + 1)) return 2;
    return CardHooks.Bought(ShopID) ? 1 : 0;
}

int THUDPowerup::IsAvailable() const {
    return CardHooks.Bought(ShopID) ? 1 : 0;
}

int THUDPowerup::IsCharged() const {
    return CurrentCharge >= GetChargeRequired() ? 1 : 0;
}

int THUDPowerup::IsShopItem(int index) const {
    return index >= ShopID && index <= ShopID + 2 ? 1 : 0;
}

void THUDPowerup::SetChargeRequired() {
    ChargeRequired = baseChargeRequired;
    CurrentCharge = std::min(CurrentCharge, GetChargeRequired());
}

int THUDPowerup::GaugeHeight() const {
    int required = GetChargeRequired();
    if (required <= 0) return GaugeBottomBorder;
    float part = static_cast<float>(CurrentCharge) / static_cast<float>(required);
    return static_cast<int>(part * static_cast<float>(GAUGE_FILL_HEIGHT)) + GaugeBottomBorder;
}

void THUDPowerup::ShowFullyChargedEffect() {
    CardHooks.hudChargedTrigger = 1;
    HUDGlowFactor = 1.0f;
    float w = HUDImage ? static_cast<float>(HUDImage->w) : static_cast<float>(OVERLAY_W);
    EffectPowerupCharged(Effects(), static_cast<float>(HUDLocation.X) + w / 2,
                         static_cast<float>(HUDLocation.Y + CHARGED_EFFECT_OFFSET_Y));
}

// --- Firing -----------------------------------------------------------------------------

int THUDPowerup::PointWithin(int x, int y) const {
    int w = HUDOverlay ? HUDOverlay->w : OVERLAY_W;
    int h = HUDOverlay ? HUDOverlay->h : OVERLAY_H;
    return x >= HUDLocation.X + 3 && x <= HUDLocation.X + w - 2 && y >= HUDLocation.Y &&
                   y <= HUDLocation.Y + h
               ? 1
               : 0;
}

int THUDPowerup::HasValidMove() const {
    if (CardHooks.BlockStockInput || CardHooks.BlockTableauInput) return 0;
    if (CurrentLevel && CurrentLevel->CountMoving(1) > 0) return 0;
    // One powerup at a time: an arrow still flying or a spin or fire running keeps the
    // others from starting on a table that is about to change.
    for (const auto& p : Powerups)
        if (p && p->IsWorking()) return 0;
    return 1;
}

int THUDPowerup::CheckIsClicked(int x, int y) {
    if (!PointWithin(x, y)) return 0;
    if (GetPowerLevel() < 1 || !IsCharged() || isActive || !HasValidMove()) {
        CardHooks.Sound("InvalidClick");
        return -1;
    }
    auto cupid = Cupid();
    if (cupid && cupid->IsArmed())
        cupid->DropArrow();
    else
        CardHooks.Call(CardHooks.ClearPowerupPointer);
    CardHooks.Sound("buttonclick");
    CardHooks.Call(CardHooks.FadeTips);
    OnClicked();
    return 1;
}

void THUDPowerup::OnClicked() {}

int THUDPowerup::Activate(const std::shared_ptr<TCard>&, int, int) {
    return 0;
}

void THUDPowerup::Finish() {
    CurrentCharge = 0;
    isActive = 0;
    CardHooks.HUDPowerupBlockInput = 0;
    CardHooks.BlockStockInput = 0;
    CardHooks.BlockTableauInput = 0;
    // A card that landed while the powerup worked must not bring undo back.
    CardHooks.undoEnabled = 0;
    CardHooks.Call(CardHooks.DisableUndo);
}

void THUDPowerup::RecordUse() const {
    CardHooks.undoEnabled = 0;
    CardHooks.Call(CardHooks.DisableUndo);
    if (CardHooks.UsedPowerup) CardHooks.UsedPowerup(Kind());
}

void THUDPowerup::TakeOffCard(const std::shared_ptr<TCard>& card) {
    if (!card || !card->tableau || !CurrentLevel) return;
    TCardList& list = *CurrentLevel->cardList;
    card->StartTableauToFoundationAnim(0, 0, 1, 1);
    // It never lands: the flight and the stock block it set are dropped here.
    card->tableauToFoundationCounter = 0;
    card->StopMoving();
    card->Rotation = card->originalRotation;
    CardHooks.BlockStockInput = 0;
    list.UnblockCards(*card);
    card->burnCounter = card->burnCounterMax = TCard::Steps(BURN_LENGTH);
    BurningCards().push_back(card);
    list.Remove(card.get());
    list.ClearUndoVariables();
    EffectBurningCard(Effects(), card->x, card->y, card->Rotation, 0.789f, BURN_LENGTH);
}

// --- Per step ---------------------------------------------------------------------------

void THUDPowerup::Update(float delta) {
    if (HintWobble) wobblePhase = std::fmod(wobblePhase + WOBBLE_SPEED * delta, 360.0f);
}

void THUDPowerup::UpdateGlow(float delta) {
    HUDGlowFactor -= HUDGlowFactor * GLOW_DECAY * delta;
    if (HUDGlowFactor < 0.001f) HUDGlowFactor = 0;
}

void THUDPowerup::Reset() {
    HintWobble = 0;
    wobblePhase = 0;
    HUDGlowFactor = 0;
    isActive = 0;
    mouseOver = 0;
}

void THUDPowerup::SetHintWobble(int on) {
    HintWobble = on ? 1 : 0;
    if (!HintWobble) wobblePhase = 0;
}

void THUDPowerup::SetIntroY(float y) {
    offsetY = y;
}

// --- Images and drawing -----------------------------------------------------------------

void THUDPowerup::Load() {
    HUDImage = ImageBank.Find(imagePrefix);
    HUDClickedImage = ImageBank.Find(imagePrefix + "Clicked");
    HUDBackImage = ImageBank.Find(imagePrefix + "Frame");
    HUDChargeBackImage = ImageBank.Find(imagePrefix + "Empty");
    // The charged glow is the full picture drawn again additively.
    HUDGlow = HUDImage;
    LoadCore("Powerup Slot Mouse Over");
}

void THUDPowerup::LoadCore(const std::string& overlayName) {
    HUDOverlay = ImageBank.Find(overlayName);
}

void THUDPowerup::Draw(int showOverlay) {
    platform::Graphics* g = Gfx();
    if (!g) return;
    float left = static_cast<float>(HUDLocation.X);
    float top = static_cast<float>(HUDLocation.Y) + offsetY;
    if (HintWobble) left += std::sin(wobblePhase * kPi / 180.0f) * WOBBLE_PIXELS;
    int level = GetPowerLevel();

    DrawCentred(*g, HUDChargeBackImage, left, top);
    if (level >= 1 && CurrentCharge > 0 && HUDImage && HUDImage->image) {
        const TGameImage& full = *HUDImage;
        float fh = static_cast<float>(full.h), fw = static_cast<float>(full.w);
        float height = IsCharged() ? fh : std::min(fh, static_cast<float>(GaugeHeight()));
        float hx = full.midhandled ? full.w2 : 0, hy = full.midhandled ? full.h2 : 0;
        // The part keeps its place in the picture, so the gauge rises from the bottom.
        g->DrawSubImageRect(*full.image, left + hx, top + hy, fw, height, 0, fh - height, fw,
                            height);
    }
    if (isActive) DrawCentred(*g, HUDClickedImage, left, top);
    DrawCentred(*g, HUDBackImage, left, top);
    if (level >= 1 && IsCharged() && HUDGlow) {
        g->SetBlend(platform::BlendMode::Light);
        g->SetAlpha(std::min(1.0f, GLOW_BASE_ALPHA + GLOW_FLASH_ALPHA * HUDGlowFactor));
        DrawCentred(*g, HUDGlow, left + static_cast<float>(GlowOffsetX),
                    top + static_cast<float>(GlowOffsetY));
        g->ResetState();
    }
    if (showOverlay && mouseOver) DrawCentred(*g, HUDOverlay, left, top);
}
