#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "cards/THUDPowerInfo.h"
#include "toolkit/TPoint.h"

class TCard;
class TCupidHUD;
class TGameImage;
class TLyreHUD;
class TBirdHUD;
class TParticleList;

// A powerup button of the play screen's bottom panel: bought in the shop, charged by one for
// every card played from the tableau, fired by a click when full. The three kinds live in
// THUDPowerup::Powerups in a fixed order: Cupid, Lyre, Phoenix.
//
// How the play screen drives them:
//   - CreateAll() once (makes the three), InstallCardHooks() once (wires the card hooks
//     CupidArmed, LyreActive, PowerupBlocksInput, CupidActivate, DropArrow, OverPowerupButton
//     and ChargeAllPowerups to them), LoadAll() once the image bank is filled.
//   - ResetAll() at the start of every hand (charges are kept).
//   - Each logic tick after the level's Manage: UpdateAll(Delta, mouse x, mouse y), then on a
//     left click of that tick ManageHUDClicks(x, y).
//   - Each frame: DrawAll(showOverlay) for the buttons, DrawEffects() over the tableau (arrows,
//     burning cards, fire and charge effects: the powerups own these effects).
//   - The saved progress keeps the charges: ProgressHooks.GetPowerupCharge = GetCharge and
//     SetPowerupCharge = SetCharge.
//   - The powerups need from the play screen, through CardHooks: HUDPowerupBlockInput (read
//     while a powerup works), hudChargedTrigger ("GaugeFull" at the end of the tick),
//     SetPowerupPointer / ClearPowerupPointer, DisableUndo, UsedPowerup, FadeTips, Sound.
class THUDPowerup {
public:
    static constexpr int HUDStartX = 335;
    static constexpr int HUDSpacingX = 100;
    static constexpr int HUD_Y = 608;
    static constexpr int HUD_PIN_COUNT = 3;
    static constexpr int HUD_GAUGE_BOTTOM_BORDER = 10;
    static constexpr int HUD_GAUGE_TOP_BORDER = 10;
    // The gauge's height inside the button at full charge, above the bottom border.
    static constexpr int GAUGE_FILL_HEIGHT = 114;
    // The fully-charged ring starts this far below the button's top.
    static constexpr int CHARGED_EFFECT_OFFSET_Y = 75;
    // A card taken off by an arrow or the fire burns away over this long.
    static constexpr int BURN_LENGTH = 420;
    // The mouse-over image's size, used for the hit rectangle before images are loaded.
    static constexpr int OVERLAY_W = 105;
    static constexpr int OVERLAY_H = 160;
    // The kinds as the player records their use.
    static constexpr int KIND_CUPID = 1;
    static constexpr int KIND_LYRE = 2;
    static constexpr int KIND_BIRD = 3;
    static constexpr int COUNT = 3;

    TPoint HUDLocation;
    std::shared_ptr<TGameImage> HUDImage;            // the full gauge
    std::shared_ptr<TGameImage> HUDClickedImage;     // while armed or working
    std::shared_ptr<TGameImage> HUDBackImage;        // the frame, drawn over the gauge
    std::shared_ptr<TGameImage> HUDChargeBackImage;  // the empty gauge
    std::array<std::shared_ptr<TGameImage>, HUD_PIN_COUNT> HUDPinImages{};
    std::shared_ptr<TGameImage> HUDNone;
    std::shared_ptr<TGameImage> HUDOverlay;
    std::shared_ptr<TGameImage> HUDGlow;
    std::shared_ptr<TGameImage> CursorImage;
    float HUDGlowFactor = 0;
    int GlowOffsetX = 0;
    int GlowOffsetY = 0;
    int ShopID = 0;
    int PinCount = HUD_PIN_COUNT;
    int ChargeRequired = 0;
    int CurrentCharge = 0;
    int GaugeBottomBorder = HUD_GAUGE_BOTTOM_BORDER;
    int HintWobble = 0;
    int isActive = 0;
    int mouseOver = 0;
    float offsetY = 0;

    virtual ~THUDPowerup() = default;

    // --- The three powerups, in the order Cupid, Lyre, Phoenix
    static std::array<std::shared_ptr<THUDPowerup>, COUNT> Powerups;
    static void CreateAll();
    static void KillAll();
    static std::shared_ptr<TCupidHUD> Cupid();
    static std::shared_ptr<TLyreHUD> Lyre();
    static std::shared_ptr<TBirdHUD> Bird();
    static void InstallCardHooks();
    static void LoadAll();
    static void ResetAll();
    static void UpdateAll(float delta, int mouseX, int mouseY);
    // A left click at (x, y): 1 a powerup fired, -1 a button refused it, 0 no button there.
    static int ManageHUDClicks(int x, int y);
    static void DrawAll(int showOverlay);
    static void DrawEffects();
    static void SetIntroYAll(float y);
    // The charge of powerup index 0 Cupid, 1 Lyre, 2 Phoenix, for the saved progress's
    // GetPowerupCharge / SetPowerupCharge hooks (0 and nothing done for another index).
    static int GetCharge(int index);
    static void SetCharge(int index, int charge);
    // Where the buttons are, valid when bought.
    static std::vector<THUDPowerInfo> GetPowerInfo();
    // The effects of all powerups, and the cards burning away after being taken off.
    static TParticleList& Effects();
    static std::vector<std::shared_ptr<TCard>>& BurningCards();

    // --- Type functions
    static void ChargeAllPowerups();
    static int HUDPowerupIsActive();
    static void DeactivateAll();

    // --- Operations
    virtual int Activate(const std::shared_ptr<TCard>& card, int x, int y);
    virtual void AddCharge(int amount);
    virtual void ChargeFully();
    // A click at (x, y): 1 fired, -1 refused on the button ("InvalidClick"), 0 not on it.
    virtual int CheckIsClicked(int x, int y);
    virtual void Draw(int showOverlay);
    virtual void Finish();
    virtual int GetChargeRequired() const;
    virtual int GetPowerLevel() const;
    virtual int HasValidMove() const;
    virtual int IsAvailable() const;
    virtual int IsCharged() const;
    virtual int IsShopItem(int index) const;
    virtual void Load();
    virtual void LoadCore(const std::string& overlayName);
    virtual void OnClicked();
    virtual int PointWithin(int x, int y) const;
    virtual void Reset();
    virtual void SetChargeRequired();
    virtual void SetHintWobble(int on);
    virtual void SetIntroY(float y);
    virtual void ShowFullyChargedEffect();
    virtual void Update(float delta);
    virtual void UpdateGlow(float delta);

    // 1 Cupid, 2 Lyre, 3 Phoenix.
    virtual int Kind() const = 0;
    // Arrows in the air or stages running: no other powerup may fire meanwhile.
    virtual int IsWorking() const = 0;
    // The gauge's filled height in pixels: int(charge / required * 114) + the bottom border.
    int GaugeHeight() const;

protected:
    THUDPowerup(const std::string& imagePrefix, int chargeRequired, int shopID, int x, int y,
                int gaugeBorder);

    // Takes a card off the table as an arrow or the fire does: no combo, no charge, the
    // foundation's top card unchanged; the cards it covered come free and it burns away.
    static void TakeOffCard(const std::shared_ptr<TCard>& card);
    // Undo is disabled and the player records the use.
    void RecordUse() const;

    std::string imagePrefix;
    int baseChargeRequired = 0;
    float wobblePhase = 0;
};
