#pragma once
#include <memory>
#include <string>

#include "toolkit/TSprite.h"

class TCardList;
class TGameImage;

// One card of the current hand: a sprite that knows its value and suit, the pile it lies on,
// whether it is face up and clickable, its special kind and which animation runs. The card
// moves and animates itself; the play rule lives in the card list and the play screen.
class TCard : public TSprite {
public:
    static constexpr int WIDTH = 86;
    static constexpr int HEIGHT = 128;
    static constexpr int HALF_WIDTH = 43;
    static constexpr int HALF_HEIGHT = 64;
    static constexpr int SPECIAL_KEY = 1;
    static constexpr int SPECIAL_LOCK = 2;
    static constexpr int SPECIAL_EVENT = 3;
    static constexpr int SPECIAL_STORY = 4;
    static constexpr int ROTATION_TOTAL = 720;
    static constexpr int MAX_LOCK_COUNTER = 9;
    static constexpr int MAX_STORY_ITEM = 10;
    static constexpr int MOUSE_OVER_GLOW_MS = 150;
    static constexpr int FAN_TO_FOUNDATION_ANIM_LENGTH = 300;
    static constexpr int FAN_TO_STOCK_ANIM_LENGTH = 300;
    static constexpr int FLIP_ANIM_LENGTH = 300;
    static constexpr int STOCK_TO_FOUNDATION_ANIM_LENGTH = 280;
    static constexpr int STOCK_TO_FAN_ANIM_LENGTH = 200;
    static constexpr int TABLEAU_TO_FOUNDATION_ANIM_LENGTH = 650;
    static constexpr int TABLEAU_TO_FAN_ANIM_LENGTH = 300;
    static constexpr int WIGGLE_LENGTH = 500;
    static constexpr int WILDCARD_EXPAND_ANIM_LENGTH = 200;
    static constexpr int WILDCARD_TABLEAU_PAUSE_ANIM_LENGTH = 500;
    static constexpr int WILDCARD_STOCK_PAUSE_ANIM_LENGTH = 750;
    static constexpr float WILDCARD_EXPANDED_SCALE = 0.5f;
    static constexpr float FLIGHT_GRAVITY = 0.08f;

    TCard();

    // --- Size for hit tests
    int visibleW = WIDTH, visibleH = HEIGHT;
    // --- Face and play state
    int faceUp = 0;
    int originalFaceUp = 0;
    int goldAward = 0;
    int inPlay = 0;
    int listPosition = 0;
    int mouseOverCard = 0;
    float mouseOverGlow = 0;
    int multiSelect = 0;
    float originalRotation = 0;
    int playedLockCounterUndoSound = 0;
    float rotationDelta = 0;
    float spinDir = 0;
    int targeted = 0;
    float totalRotation = 0;
    int thisCardRevealedStoryItem = 0;
    // --- Animation counters (logic steps, 0 = idle)
    float burnCounter = 0, burnCounterMax = 0;
    float fadeOutCounter = 0, fadeInCounter = 0;
    float fanToFoundationCounter = 0, fanToStockCounter = 0;
    float flipCounter = 0, flipBackCounter = 0;
    float foundationToFanCounter = 0, foundationToStockCounter = 0;
    float foundationToTableauCounter = 0;
    int inPlayAfterFlip = 0;
    float revealAlpha = 0, revealAlphaDelay = 0;
    float stockToFanCounter = 0, stockToFoundationCounter = 0;
    float tableauToFoundationCounter = 0, tableauToFanCounter = 0;
    float wiggleCounter = 0;
    int wigglefast = 0;
    float wildcardExpandCounter = 0, wildcardPauseCounter = 0;
    // --- Identity
    int value = 0;
    int suit = 0;  // 0 hearts, 1 diamonds, 2 spades, 3 clubs
    int bow = 0, originalBow = 0;
    int lockCounter = 0, originalLockCounter = 0;
    int normal = 1;
    int specialType = 0;
    int testBow = 0, testLockCounter = 0;
    int wildcard = 0;
    // --- Location
    int moving = 0;
    int fanSlot = -1;
    int fan = 0, foundation = 0, tableau = 0, stock = 0;
    int fromFan = 0, fromStock = 0, fromTableau = 0;

    static std::shared_ptr<TCard> CreateWildCard(int value);

    virtual void AwardGoldCoin();
    virtual void BoostReveal();
    virtual void CalcImage();
    virtual float CalcPan() const;
    virtual float CalcTotalRotation(float angle, int toTableau) const;
    virtual void ClearLocation();
    virtual void ClearReveal();
    virtual void ClearSpecialFeatures();
    virtual void ClearWiggle();
    virtual void CopyFields(TCard& target, int all, int refreshImage) const;
    virtual void DrawBow();
    virtual void DrawLockedCounter();
    virtual void DrawReveal();
    virtual void EndFanToStock();
    virtual void EndFoundationToFan();
    virtual void EndFoundationToStock();
    virtual void EndFoundationToTableau();
    virtual void FadeReveal();
    virtual float GetFanToStockAnimRatio() const;
    virtual float GetFlipAnimRatio() const;
    virtual float GetFlipBackAnimRatio() const;
    virtual float GetFoundationToStockAnimRatio() const;
    virtual float GetFoundationToTableauAnimRatio() const;
    virtual float GetStockToFanAnimRatio() const;
    virtual float GetStockToFoundationAnimRatio() const;
    virtual float GetTableauToFoundationAnimRatio() const;
    virtual void InvalidClick();
    virtual int IsBottomOfStack() const;
    // Against the level's card list, or against test (the solvability check's list).
    virtual int IsUnblocked(const TCardList* test = nullptr) const;
    virtual std::shared_ptr<TCard> MakeCopy() const;
    virtual void Manage();
    virtual void ManageAnims();
    virtual void MarkAsFoundation(int setTop, int moveToEnd);
    virtual void MarkAndPlaceOnFoundation();
    virtual int MouseOver(float mx, float my, int onlyInPlay) const;
    virtual void PlaceOnFoundation(int landSound, int tipCheck);
    virtual void PlaceOnFan();
    virtual void PlaceOnStock(int landSound);
    virtual void RemoveBow();
    virtual void RemoveLockCounter();
    virtual void SetFaceDown();
    virtual void SetFaceDownImage();
    virtual void SetFaceUp(int setInPlay);
    virtual std::shared_ptr<TGameImage> SetFaceUpImage(int apply);
    virtual void SetFanCoords();
    virtual void SnapToEditorGridPosition(float gx, float gy);
    virtual void StartFlipAnim(int inPlayAfter);
    virtual void StartFlipBackAnim();
    virtual void StartFanToFoundationAnim();
    virtual void StartFanToStockAnim();
    virtual void StartFoundationToFanAnim();
    virtual void StartFoundationToStockAnim();
    virtual void StartFoundationToTableauAnim();
    virtual void StartPickupEventCard();
    // 1 when the key was taken (or wasted), 0 when the click was invalid.
    virtual int StartPickupKey();
    virtual void StartStockToFanAnim();
    virtual void StartStockToFoundationAnim();
    virtual void StartStoryItemRevealed();
    // 1 when the wildcard set off for the fan, 0 when the fan is full (an invalid click).
    virtual int StartTableauToFanAnim();
    virtual void StartTableauToFoundationAnim(int countPlay, int setTop, int removeBow,
                                              int fadeTips);
    virtual void StartUnlockLock();
    virtual void SetMouseOverGlow();
    virtual void StopMoving();
    virtual int UpdateMouseOver(float mx, float my);
    virtual void Wiggle(int fast);

    void Draw() override;
    void Kill() override;

    // The image key of the face and of the back this card shows.
    std::string FaceImageName() const;
    static std::string BackImageName();
    // A card lying exactly under the top of a stacked stock or foundation: not drawn.
    bool IsHiddenInPile() const;
    // Where the card is drawn: its place moved by the drawing offset (the lyre's spin).
    float DrawnX() const { return UseOffset ? x + offx : x; }
    float DrawnY() const { return UseOffset ? y + offy : y; }
    // The wiggle's rotation offset at the current counter (0 when idle).
    float WiggleOffset() const;
    // The scale of the flip in progress: (x, y) = (|1 - 2r|, 1 + (1 - |1 - 2r|) * 0.1).
    bool FlipScale(float& sx, float& sy) const;
    bool IsCourt() const { return normal && specialType == 0 && value >= 11 && value <= 13; }
    bool IsSpecial() const { return specialType != 0; }
    bool IsFlipping() const;
    bool IsJoker() const { return wildcard && value == 0; }

    // Whether two rotated rectangles (centre, size, angle in degrees) overlap.
    static bool RectsOverlap(float x1, float y1, float w1, float h1, float r1, float x2, float y2,
                             float w2, float h2, float r2);
    bool Overlaps(const TCard& other) const;

    // Logic steps of a duration in ms at the current game speed.
    static float Steps(int ms);

private:
    void EndTableauToFoundation();
    void EndStockToFoundation();
    void EndFanToFoundation();
    void ManageWildcardFlight(float& flightCounter, int flightMs, int pauseMs);
    void StartWildcardFlight(float steps);
    // Sets velocity and rotationDelta for a straight flight to (tx, ty, angle) over steps.
    void FlyTo(float tx, float ty, float angle, float steps);
    bool faceTurnedInFlight = false;
    // The coin of this play was paid (a bowed card's first play pays none), so undo takes
    // back only what was given.
    bool goldPaid = false;
    bool fromStockToFan = false;
    float wiggleBaseRotation() const;
};
