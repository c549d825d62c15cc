// The play screen's heads-up display, pointer, effects, sounds and tool tips.
#include "screens/TGameScreen.h"

#include <algorithm>
#include <cmath>

#include "cards/TCardHooks.h"
#include "cards/THUDPowerup.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "framework/TSoundBank.h"
#include "progression/TPlayer.h"
#include "progression/TSaveData.h"
#include "screens/TLevelCompleteScreen.h"
#include "toolkit/GameEffects.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {

// Where the coins fly: the gold counter in the top panel.
constexpr float GOLD_X = 44, GOLD_Y = 100;
constexpr float TOOLTIP_DELAY_MS = 350;
constexpr int REGION_NONE = -1;

struct TipRegion {
    float x, y, w, h;  // h < 0: to the screen bottom from y
};

// Later regions win where they overlap.
const TipRegion TIP_REGIONS[] = {
    {0, 611, 105, 140}, {108, 625, 103, -1}, {212, 639, 103, -1},
    {315, 641, 60, 60}, {648, 641, 60, 60},  {153, 15, 60, 60},
};

void DrawImage(const std::shared_ptr<TGameImage>& image, float x, float y, int frame = 0) {
    if (image) image->Draw(x, y, frame);
}

}  // namespace

// --- Scene ----------------------------------------------------------------------------------

void TGameScreen::LoadBackground() {
    BackgroundFileName = "Backgrounds/bg" + std::to_string(chapter) + ".jpg";
    ImageLoad(BackgroundFileName, 0, 0);
}

void TGameScreen::LoadMusic(int c, int play) {
    std::string piece(1, static_cast<char>('a' + (c - 1) % 4));
    if (musicChapter != c || !Game->MusicIsPlaying()) {
        Game->MusicLoad(piece + ".ogg", 1);
        musicChapter = c;
        if (play) Game->MusicPlay(1, 0, 0);
    } else if (play) {
        Game->MusicPlay(1, 0, 0);
    }
}

// --- Pointer --------------------------------------------------------------------------------

void TGameScreen::SetPointerImage(std::shared_ptr<TGameImage> image, int powerup, int) {
    PointerPowerupType = powerup;
    if (image && image->image) {
        Game->Mouse.Image = image->image;
        // The cursors are centred on the hot spot; the arrow pointer has its own.
        Game->Mouse.offsetx = 0;
        Game->Mouse.offsety = 0;
    }
}

void TGameScreen::RestorePointer() {
    PointerPowerupType = -1;
    CardHooks.PointerIsKey = 0;
    Game->Mouse.Image = ImageBank.FindTImage("pointer");
    Game->Mouse.offsetx = 0;
    Game->Mouse.offsety = 0;
}

// --- Effects --------------------------------------------------------------------------------

void TGameScreen::StartCardEffect(int effect, const TCard& card) {
    float x = card.x, y = card.y;
    switch (static_cast<TCardEffect>(effect)) {
        case TCardEffect::GoldCoin: {
            int amount = card.goldAward;
            if (Player) Player->levelGoldInTransit += amount;
            int index = static_cast<int>(goldParticleDelays.size());
            goldParticleDelays.push_back(MsToTicks(320.0f + 100.0f * static_cast<float>(index)));
            auto ends = std::make_shared<int>(0);
            EffectGoldCoin(TopEffects, CoinImage, x, y, GOLD_X, GOLD_Y, index,
                           [this, ends, amount, x](TParticle&) {
                               // Its second phase end: the coin has reached the counter.
                               if (++*ends != 2) return;
                               if (Player) Player->GoldLanded(amount);
                               TriggerGoldCoin++;
                               TriggerGoldCoinPan = (x - 512) / 512;
                           });
            break;
        }
        case TCardEffect::Bow:
            EffectBow(Effects, x, y);
            break;
        case TCardEffect::KeyWasted:
        case TCardEffect::Key:
            EffectKeyPickedUp(Effects, x, y);
            break;
        case TCardEffect::Lock:
            EffectLockUnlocked(Effects, x, y, card.Rotation);
            break;
        case TCardEffect::Burn:
            EffectBurningCard(Effects, x, y, card.Rotation);
            break;
        case TCardEffect::StoryItem:
            EffectStoryItemRevealed(
                TopEffects, ImageBank.Find("StoryItem" + std::to_string(card.value) + "large", 1),
                x, y);
            break;
        case TCardEffect::Unlock:
            EffectRegalCard(Effects, x, y);
            break;
        case TCardEffect::Tick:
            EffectLockCountersReduced(Effects, x, y);
            break;
        case TCardEffect::EventCard:
            if (card.image) EffectFallingCard(Effects, card.image, x, y, card.Rotation);
            break;
    }
}

void TGameScreen::ManageGoldParticles() {
    for (auto& d : goldParticleDelays) d -= Delta;
    std::erase_if(goldParticleDelays, [](float d) { return d <= 0; });
}

// --- Sounds ---------------------------------------------------------------------------------

void TGameScreen::ProcessSoundTriggers() {
    auto play = [](const std::string& name, float pan) { CardHooks.Sound(name, 1.0f, pan); };
    if (TriggerGoldCoin) play("coin", TriggerGoldCoinPan);
    if (CardHooks.hudChargedTrigger) play("GaugeFull", 0);
    if (CardHooks.flipSoundTrigger)
        play("flip", CardHooks.flipSoundPan / static_cast<float>(CardHooks.flipSoundTrigger));
    if (TriggerCardLandCounter > 0) TriggerCardLandCounter -= Delta;
    if (CardHooks.landSoundTrigger && TriggerCardLandCounter <= 0) {
        play("land", CardHooks.landSoundPan);
        TriggerCardLandCounter = 10;
    }
    if (CardHooks.dropOffTrigger) play("DropOff", 0);
    if (CardHooks.regalTickTrigger) play("regaltick", 0);
    if (CardHooks.regalTickUndoTrigger) play("regaltickundo", 0);
    ClearSoundTriggers();
}

void TGameScreen::ClearSoundTriggers() {
    TriggerGoldCoin = 0;
    TriggerGoldCoinPan = 0;
    CardHooks.hudChargedTrigger = 0;
    CardHooks.flipSoundTrigger = 0;
    CardHooks.flipSoundPan = 0;
    CardHooks.landSoundTrigger = 0;
    CardHooks.landSoundPan = 0;
    CardHooks.dropOffTrigger = 0;
    CardHooks.regalTickTrigger = 0;
    CardHooks.regalTickUndoTrigger = 0;
}

// --- Tool tips ------------------------------------------------------------------------------

int TGameScreen::ManageToolTip() {
    if (!SaveData || !SaveData->showTips) {
        toolTip.reset();
        return 0;
    }
    float mx = static_cast<float>(Game->Mouse.x), my = static_cast<float>(Game->Mouse.y);
    int region = REGION_NONE;
    int i = 0;
    for (const auto& r : TIP_REGIONS) {
        float h = r.h < 0 ? static_cast<float>(VirtualHeight) - r.y : r.h;
        if (mx >= r.x && mx < r.x + r.w && my >= r.y && my < r.y + h) region = i;
        ++i;
    }
    if (region != lastToolTip) {
        lastToolTip = region;
        toolTip.reset();
        AutoHintCounter = 0;
        if (region == REGION_NONE) return 0;
        // A powerup's tip names its level; one not bought yet says to keep playing.
        auto powerupTip = [](int index, const char* one, const char* two) {
            const auto& p = THUDPowerup::Powerups[static_cast<size_t>(index)];
            int level = p ? p->GetPowerLevel() : 0;
            return level == 0 ? "Tooltip Keep Playing" : level == 2 ? two : one;
        };
        std::string key;
        switch (region) {
            case 0:
                key = powerupTip(0, "Tooltip Cupid 1", "Tooltip Cupid 2");
                break;
            case 1:
                key = powerupTip(1, "Tooltip Shuffle", "Tooltip Shuffle");
                break;
            case 2:
                key = powerupTip(2, "Tooltip Phoenix 1", "Tooltip Phoenix 2");
                break;
            case 3:
                key = CardHooks.Bought(SHOP_BALLROOM_DRESS) ? "Tooltip Stock Cards Left"
                                                            : "Tooltip Keep Playing";
                break;
            case 4:
                key = "Tooltip Undo Button";
                break;
            default:
                key = "Tooltip Gold Multiplier";
                break;
        }
        toolTip = TLabel::CreateSpecial(ToolkitText(key), 0, 0, 0, 300, 0, TipFont);
        if (toolTip) toolTip->Color = std::make_shared<TColor>(TColor{246, 238, 220});
    }
    if (toolTip) AutoHintCounter += Delta;
    return region != REGION_NONE;
}

// --- Drawing --------------------------------------------------------------------------------

void TGameScreen::FillPearlCoords() {
    // A string of pearls rising from the gauge's foot in a gentle S towards the panel.
    for (int i = 0; i < MAX_PEARLS; ++i) {
        float t = static_cast<float>(i) / (MAX_PEARLS - 1);
        PearlCoords[static_cast<size_t>(i)] = {GaugeX + 9.0f * std::sin(t * 6.2832f),
                                               GaugeY - t * 360.0f};
    }
}

void TGameScreen::DrawPearls(float offsetX) {
    auto& gfx = *Game->Gfx;
    int stage = ShownStage();
    // The empty places: faint small pearls, so the player sees how far the gauge goes.
    if (!PearlImage) return;
    for (int i = 0; i < MAX_PEARLS; ++i) {
        const auto& p = PearlCoords[static_cast<size_t>(i)];
        bool won = i < stage;
        gfx.SetAlpha(won ? 1.0f : 0.3f);
        gfx.SetScale(won ? 1.0f : 0.6f, won ? 1.0f : 0.6f);
        PearlImage->Draw(p.x + offsetX, p.y);
    }
    gfx.SetScale(1, 1);
    gfx.SetAlpha(1);
    // Pearls of the combo being banked fly from the combo panel to their places.
    float flight = MsToTicks(PEARL_FLIGHT_MS);
    for (const auto& f : pearlFlights) {
        if (f.delay > 0 || f.landed) continue;
        const auto& to = PearlCoords[static_cast<size_t>(std::clamp(f.stage, 0, MAX_PEARLS - 1))];
        float t = std::clamp(f.t / flight, 0.0f, 1.0f);
        float sx = 512, sy = COMBO_PANEL_Y - 20.0f;
        float px = sx + (to.x - sx) * t;
        float py = sy + (to.y - sy) * t - std::sin(t * 3.1416f) * 120.0f;
        gfx.SetScale(1.4f - 0.4f * t, 1.4f - 0.4f * t);
        if (PearlImage) PearlImage->Draw(px + offsetX, py);
        gfx.SetScale(1, 1);
    }
}

void TGameScreen::DrawStatusText() {
    if (!HUDFont || !Player) return;
    auto& gfx = *Game->Gfx;
    float top = GetTopHUDY();
    int hands = handsPerChapter[static_cast<size_t>(chapter - 1)];
    // Each chapter's title is its own key: "Chapter 1" ... "Chapter 20".
    std::string titleKey = "Chapter " + std::to_string(chapter);
    std::string title =
        ToolkitText(titleKey) + "   " + std::to_string(hand) + "/" + std::to_string(hands);
    gfx.SetColor(92, 40, 52);
    double scale = HUDFont->CalcReducedScale(title, 290);
    gfx.SetScale(static_cast<float>(scale), static_cast<float>(scale));
    HUDFont->Draw(title, 512, 26 + top, 1);
    gfx.SetScale(1, 1);
    // The gold counter shows the coins that have landed.
    // Under the multiplier's ribbon: the coin the coins fly to, and the gold they made.
    if (CoinImage) CoinImage->Draw(GOLD_X, GOLD_Y + top);
    gfx.SetColor(250, 236, 190);
    HUDFont->Draw(std::to_string(ShownGold()), GOLD_X + 22, GOLD_Y - 11 + top, 0);
    gfx.SetColor(255, 255, 255);
}

void TGameScreen::DrawHUD() {
    auto& gfx = *Game->Gfx;
    float top = GetTopHUDY();
    float bottom = GetBottomHUDOffsetY();
    // The panels are drawn from their corner; the other pictures from their centre.
    DrawImage(BottomPanelImage, 0, static_cast<float>(VirtualHeight) - 176 + bottom);
    DrawImage(PowerupsBackground, 160, static_cast<float>(VirtualHeight) - 88 + bottom);
    THUDPowerup::SetIntroYAll(bottom);
    THUDPowerup::DrawAll(1);
    gfx.ResetState();
    DrawImage(UndoButtonDecoration, UNDO_X + 55, UNDO_Y + 16 + bottom);
    DrawImage(TopPanelImage, 0, top);
    DrawStatusText();

    // The multiplier panel and its gauge of pearls slide in from the left.
    float left = GetIntroOutroRatio() < 1 ? top * 2.5f : 0;
    int stage = ShownStage();
    DrawPearls(left);
    float px = 128 + left, py = 60 + top * 0.6f;
    DrawImage(MultiplierPanelImage, px, py);
    if (stage >= TPlayer::MAX_MULTIPLIER_STAGE) {
        float pulse = 0.65f + 0.35f * std::sin(static_cast<float>(ticksInHand) * 0.02f);
        gfx.SetBlend(platform::BlendMode::Light);
        gfx.SetAlpha(pulse);
        DrawImage(MultiplierGlowImage, px, py);
        gfx.SetAlpha(1);
        gfx.SetBlend(platform::BlendMode::Alpha);
        DrawImage(MultiplierGlowOverlayImage, px, py);
    }
    if (NumberFont && Player) {
        const std::string& text = Player->MultiplierText[static_cast<size_t>(stage)];
        std::string shown = text + "x";
        gfx.SetColor(120, 52, 64);
        NumberFont->Draw(shown, MULTIPLIER_X + left, MULTIPLIER_Y - 12 + top * 0.6f, 1);
        gfx.SetColor(255, 255, 255);
    }
}

void TGameScreen::DrawButtons() {
    auto& gfx = *Game->Gfx;
    float bottom = GetBottomHUDOffsetY();
    float top = GetTopHUDY();
    auto drawAt = [&](const std::shared_ptr<TButton>& b, float dy) {
        if (!b || !b->Active) return;
        float y = b->y;
        b->y = y + dy;
        b->Draw();
        b->y = y;
        gfx.ResetState();
    };
    drawAt(UndoButton, bottom);
    if (EndComboButton && EndComboButton->Active && !Banking()) drawAt(EndComboButton, bottom);
    drawAt(EndHandButton, bottom);
    drawAt(MenuButton, top);
    drawAt(GoalsButton, top);
    drawAt(SkipStoryButton, 0);
}

void TGameScreen::DrawHUDTopLayer() {
    auto& gfx = *Game->Gfx;
    // The combo panel rises from behind the bottom panel while a run is a combo.
    float s = std::sin(comboPanelCounter.Counter * 3.14159f / 180.0f);
    if (s > 0.001f && ComboPanelImage && Player) {
        float y = COMBO_PANEL_Y - s * COMBO_PANEL_SLIDE_RANGE + GetBottomHUDOffsetY();
        ComboPanelImage->Draw(512, y);
        if (HUDFont) {
            int run = showComboPanel ? Player->Combo : std::max(Player->Combo, Player->lastCombo);
            gfx.SetColor(92, 40, 52);
            HUDFont->Draw(ToolkitText("Combo") + " " + std::to_string(run), 512, y - 24, 1);
            gfx.SetColor(160, 70, 90);
            int shown = Player->GetMultiplierInProgress();
            HUDFont->Draw(Player->MultiplierText[static_cast<size_t>(shown)] + "x", 512, y + 2, 1);
            gfx.SetColor(255, 255, 255);
        }
    }
    // The stock count, with the dress that lets the player count the cards.
    if (CardHooks.Bought(SHOP_BALLROOM_DRESS) && NumberFont && CurrentLevel) {
        gfx.SetScale(0.6f, 0.6f);
        gfx.SetColor(246, 238, 220);
        NumberFont->Draw(std::to_string(CurrentLevel->CountStock()), STOCK_X - 70,
                         STOCK_Y - 12 + GetBottomHUDOffsetY(), 1);
        gfx.SetScale(1, 1);
        gfx.SetColor(255, 255, 255);
    }
    DrawButtons();
    if (toolTip && AutoHintCounter >= MsToTicks(TOOLTIP_DELAY_MS)) {
        float mx = static_cast<float>(Game->Mouse.x), my = static_cast<float>(Game->Mouse.y);
        float w = toolTip->CalcWidth() + 24, h = toolTip->CalcHeight() + 16;
        float x = std::clamp(mx + 18, 4.0f, static_cast<float>(VirtualWidth) - w - 4);
        float y = std::clamp(my - h - 12, 4.0f, static_cast<float>(VirtualHeight) - h - 4);
        gfx.SetColor(40, 26, 52);
        gfx.SetAlpha(0.88f);
        gfx.DrawRect(x, y, w, h);
        gfx.SetColor(212, 176, 98);
        gfx.SetAlpha(1);
        gfx.DrawRect(x, y, w, 2);
        gfx.DrawRect(x, y + h - 2, w, 2);
        gfx.SetColor(255, 255, 255);
        toolTip->Draw(x + 12, y + 8, 1);
        gfx.ResetState();
    }
}

void TGameScreen::Draw() {
    auto& gfx = *Game->Gfx;
    gfx.ResetState();
    TScreen::Draw();
    if (!CurrentLevel) return;
    float bottom = GetBottomHUDOffsetY();
    CurrentLevel->cardList->SetStockCardsOffsetY(bottom);
    CurrentLevel->cardList->SetFoundationCardsOffsetY(bottom);
    CurrentLevel->cardList->SetWildcardsOffsetX(bottom);
    DrawHUD();
    // Bella stands in the corner, holding the fan of wildcards.
    // Trimmed: drawn by the top-left corner of its untrimmed original.
    DrawImage(BellaImage, 724, static_cast<float>(VirtualHeight) - 330 + bottom);
    CurrentLevel->Draw();
    Effects.Draw();
    THUDPowerup::DrawEffects();
    gfx.ResetState();
    CurrentLevel->DrawFan();
    gfx.ResetState();
    DrawHUDTopLayer();
    TopEffects.Draw();
    gfx.ResetState();
    if (MessageDialog) MessageDialog->Draw();
    if (GoalsDialog) GoalsDialog->Draw();
    if (MenuDialog) MenuDialog->Draw();
    gfx.ResetState();
    if (LevelComplete && LevelComplete->Active) {
        LevelComplete->Draw();
        gfx.ResetState();
    }
}
