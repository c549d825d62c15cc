#pragma once
#include <functional>
#include <memory>
#include <string>

class TCard;

// Effects a card starts; their shapes belong to the particle code that draws them.
enum class TCardEffect {
    GoldCoin,
    Bow,
    KeyWasted,
    Key,
    Lock,
    Burn,
    StoryItem,
    Unlock,
    Tick,
    EventCard,
};

// What the cards need from the objects around a hand: the play screen's input state and
// sound triggers, the player, the saved progress (fan and shop), the tutorial, the powerups
// and the effects. The cards layer cannot see those objects, so each owner wires its part
// here when it is created. An unset function does nothing (queries answer 0 / false).
class TCardHooks {
public:
    // --- Play screen: input blocks and states it owns for the hand
    int BlockStockInput = 0;
    int BlockTableauInput = 0;
    int PointerIsKey = 0;
    int storyItemAnimInProgress = 0;
    int introAnimInProgress = 0;
    int outroAnimInProgress = 0;
    float StockPileDelay = 0;  // ticks before a click may draw from the stock again

    // --- Play screen: sound triggers, played once at the end of the tick
    int flipSoundTrigger = 0;
    float flipSoundPan = 0;
    int landSoundTrigger = 0;
    float landSoundPan = 0;
    int regalTickTrigger = 0;
    int regalTickUndoTrigger = 0;
    int dropOffTrigger = 0;

    // --- Play screen: buttons
    int undoEnabled = 0;
    int endHandButtonVisible = 0;
    std::function<void()> EndHand;
    std::function<void()> FlushMouse;
    std::function<bool()> EndComboButtonActive;
    std::function<void()> ClickEndCombo;

    // --- Powerups
    std::function<bool()> CupidArmed;
    std::function<bool()> LyreActive;
    std::function<bool()> PowerupBlocksInput;
    std::function<void(const std::shared_ptr<TCard>&)> CupidActivate;
    std::function<void()> DropArrow;
    std::function<bool(int x, int y)> OverPowerupButton;
    std::function<void()> ChargeAllPowerups;
    // A powerup is working: no card input until it finishes (the play screen's flag).
    int HUDPowerupBlockInput = 0;
    // A gauge became full this tick: "GaugeFull" plays once at the end of the tick.
    int hudChargedTrigger = 0;
    // The armed powerup's cursor (kind 1 Cupid, 2 Lyre, 3 Phoenix), and back to the normal one.
    std::function<void(const std::string& cursorImage, int powerupKind)> SetPowerupPointer;
    std::function<void()> ClearPowerupPointer;
    // The play screen greys out "Undo" (undoEnabled is cleared as well).
    std::function<void()> DisableUndo;
    // The player records a use of powerup kind (1 Cupid, 2 Lyre, 3 Phoenix).
    std::function<void(int kind)> UsedPowerup;

    // --- Player
    std::function<void(int amount, int coins)> LogCoinCollected;
    std::function<void()> IncreaseCombo;
    std::function<void()> ClearCombo;
    std::function<void()> RestoreCombo;
    std::function<int()> UndosLeft;
    std::function<void()> StoryItemFound;

    // --- Saved progress: the wildcard fan, options and the shop
    std::function<int(int value)> GetFanSlot;
    std::function<int(TCard& card)> InsertWildcard;
    std::function<void(int slot)> RemoveWildcard;
    std::function<int(int slot)> FanSlotValue;  // -1 = empty
    std::function<bool(int index)> ShopItemBought;
    std::function<bool()> PlainCards;

    // --- Tutorial tips
    std::function<void()> FadeTips;
    std::function<void()> ShowStockTip;
    std::function<void()> ShowUndoTip;
    std::function<void()> ShowWildcardTip;
    std::function<void()> ShowJokerTip;

    // --- Effects, pointer, sound
    std::function<void(TCardEffect effect, const TCard& card)> StartEffect;
    std::function<void(bool key)> SetKeyPointer;
    // Default: the toolkit's named-sound hook at that volume.
    std::function<void(const std::string& name, float volume, float pan, float rate)> PlaySound;

    // Lifts both input blocks; the play screen may add more.
    std::function<void()> UnblockInput;

    // Helpers that call a hook only when it is set.
    bool IsCupidArmed() const { return CupidArmed && CupidArmed(); }
    bool IsLyreActive() const { return LyreActive && LyreActive(); }
    bool Bought(int index) const { return ShopItemBought && ShopItemBought(index); }
    bool IsPlainCards() const { return PlainCards && PlainCards(); }
    int FanSlotFor(int value) const { return GetFanSlot ? GetFanSlot(value) : -1; }
    void Sound(const std::string& name, float volume = 1.0f, float pan = 0, float rate = 1.0f);
    void Effect(TCardEffect effect, const TCard& card) const {
        if (StartEffect) StartEffect(effect, card);
    }
    void Call(const std::function<void()>& f) const {
        if (f) f();
    }
    void Unblock();

    // Back to a fresh hand: every state 0, every hook kept.
    void ResetState();
};

extern TCardHooks CardHooks;
