#include "cards/TCard.h"

#include <cmath>

#include "cards/TCardHooks.h"
#include "cards/TCardList.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "framework/TImageBank.h"
#include "framework/TRandom.h"
#include "platform/Graphics.h"
#include "toolkit/Ticks.h"

namespace {

constexpr float kPi = 3.14159265358979323846f;
float Rad(float deg) {
    return deg * kPi / 180.0f;
}

TCardList* List() {
    return CurrentLevel && CurrentLevel->cardList ? CurrentLevel->cardList.get() : nullptr;
}

platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}

struct Pt {
    float x, y;
};

void Corners(float cx, float cy, float w, float h, float rot, Pt out[4]) {
    float c = std::cos(Rad(rot)), s = std::sin(Rad(rot));
    const float hx[4] = {-w / 2, w / 2, w / 2, -w / 2};
    const float hy[4] = {-h / 2, -h / 2, h / 2, h / 2};
    for (int i = 0; i < 4; ++i) out[i] = {cx + hx[i] * c - hy[i] * s, cy + hx[i] * s + hy[i] * c};
}

float Cross(Pt o, Pt a, Pt b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Proper crossing of segments ab and cd (touching ends do not count).
bool Crosses(Pt a, Pt b, Pt c, Pt d) {
    float d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool Contains(float cx, float cy, float w, float h, float rot, Pt p) {
    float c = std::cos(Rad(rot)), s = std::sin(Rad(rot));
    float px = p.x - cx, py = p.y - cy;
    float u = px * c + py * s, v = -px * s + py * c;
    return std::fabs(u) <= w / 2 && std::fabs(v) <= h / 2;
}

}  // namespace

TCard::TCard() = default;

float TCard::Steps(int ms) {
    return MsToTicks(static_cast<float>(ms));
}

std::shared_ptr<TCard> TCard::CreateWildCard(int v) {
    auto card = std::make_shared<TCard>();
    card->wildcard = 1;
    card->normal = 0;
    card->value = v;
    return card;
}

// --- Geometry -------------------------------------------------------------------------

bool TCard::RectsOverlap(float x1, float y1, float w1, float h1, float r1, float x2, float y2,
                         float w2, float h2, float r2) {
    Pt a[4], b[4];
    Corners(x1, y1, w1, h1, r1, a);
    Corners(x2, y2, w2, h2, r2, b);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (Crosses(a[i], a[(i + 1) % 4], b[j], b[(j + 1) % 4])) return true;
    // No edge crosses: one lies wholly inside the other or they are apart.
    if (w1 * h1 >= w2 * h2) {
        for (const Pt& p : b)
            if (Contains(x1, y1, w1, h1, r1, p)) return true;
    } else {
        for (const Pt& p : a)
            if (Contains(x2, y2, w2, h2, r2, p)) return true;
    }
    return false;
}

bool TCard::Overlaps(const TCard& o) const {
    return RectsOverlap(x, y, static_cast<float>(visibleW), static_cast<float>(visibleH), Rotation,
                        o.x, o.y, static_cast<float>(o.visibleW), static_cast<float>(o.visibleH),
                        o.Rotation);
}

int TCard::IsUnblocked(const TCardList* test) const {
    if (test) {
        if (testLockCounter > 0) return 0;
    } else if (lockCounter > 0) {
        return 0;
    }
    const TCardList* list = test ? test : List();
    if (!list) return 1;
    for (const auto& c : list->cards) {
        if (c.get() == this || !c->tableau || c->listPosition <= listPosition) continue;
        if (Overlaps(*c)) return 0;
    }
    return 1;
}

int TCard::IsBottomOfStack() const {
    const TCardList* list = List();
    if (!list) return 1;
    for (const auto& c : list->cards) {
        if (c.get() == this || !c->tableau || c->listPosition >= listPosition) continue;
        if (Overlaps(*c)) return 0;
    }
    return 1;
}

int TCard::MouseOver(float mx, float my, int onlyInPlay) const {
    if (onlyInPlay && !inPlay) return 0;
    return Contains(x, y, static_cast<float>(visibleW), static_cast<float>(visibleH), Rotation,
                    {mx, my})
               ? 1
               : 0;
}

int TCard::UpdateMouseOver(float mx, float my) {
    if (!inPlay) return 0;
    TCardList* list = List();
    if (!list || !list->ValidPlay(*this)) return 0;
    if (CardHooks.BlockStockInput && (stock || fan)) return 0;
    if (CardHooks.BlockTableauInput && (tableau || fan)) return 0;
    if (!MouseOver(mx, my, 1)) return 0;
    mouseOverCard = 1;
    SetMouseOverGlow();
    return 1;
}

void TCard::SetMouseOverGlow() {
    mouseOverGlow = Steps(MOUSE_OVER_GLOW_MS);
}

float TCard::CalcPan() const {
    return x / static_cast<float>(VirtualWidth) * 2.0f - 1.0f;
}

float TCard::CalcTotalRotation(float angle, int toTableau) const {
    float total;
    if (dx > 0) {
        total = toTableau ? angle + ROTATION_TOTAL : ROTATION_TOTAL - angle;
        while (total < ROTATION_TOTAL) total += 360;
    } else {
        total = toTableau ? -(ROTATION_TOTAL - angle) : -(angle + ROTATION_TOTAL);
        while (total > -ROTATION_TOTAL) total -= 360;
    }
    return total;
}

// --- Faces ------------------------------------------------------------------------------

std::string TCard::FaceImageName() const {
    if (wildcard) return value == 0 ? "joker" : "w" + std::to_string(value);
    switch (specialType) {
        case SPECIAL_KEY:
            return "key card";
        case SPECIAL_LOCK:
            return "lock card";
        case SPECIAL_EVENT:
            return "event card";
        case SPECIAL_STORY:
            return "storyitem" + std::to_string(value);
        default:
            break;
    }
    static const char kSuits[4] = {'h', 'd', 's', 'c'};
    std::string name = std::to_string(value) + kSuits[suit & 3];
    if (CardHooks.IsPlainCards()) name += "p";
    return name;
}

std::string TCard::BackImageName() {
    int index = CurrentLevel ? CurrentLevel->cardBackIndex : 0;
    return "Card Back" + std::to_string(index);
}

std::shared_ptr<TGameImage> TCard::SetFaceUpImage(int apply) {
    auto img = ImageBank.Find(FaceImageName());
    if (apply) SetImage(img);
    return img;
}

void TCard::SetFaceDownImage() {
    SetImage(ImageBank.Find(BackImageName()));
}

void TCard::CalcImage() {
    if (faceUp)
        SetFaceUpImage(1);
    else
        SetFaceDownImage();
}

void TCard::SetFaceUp(int setInPlay) {
    faceUp = 1;
    if (setInPlay) inPlay = 1;
    SetFaceUpImage(1);
}

void TCard::SetFaceDown() {
    faceUp = 0;
    SetFaceDownImage();
}

// --- Copies -----------------------------------------------------------------------------

void TCard::CopyFields(TCard& t, int all, int refreshImage) const {
    t.value = value;
    t.suit = suit;
    t.lockCounter = lockCounter;
    t.originalLockCounter = originalLockCounter;
    t.normal = normal;
    t.specialType = specialType;
    t.wildcard = wildcard;
    if (all) {
        t.Rotation = Rotation;
        t.x = x;
        t.y = y;
        t.ox = x;
        t.oy = y;
        t.visibleW = visibleW;
        t.visibleH = visibleH;
        t.faceUp = faceUp;
        t.goldAward = goldAward;
        t.inPlay = inPlay;
        t.originalRotation = originalRotation;
        t.bow = bow;
        t.originalBow = originalBow;
        t.fanSlot = fanSlot;
        t.fan = fan;
        t.foundation = foundation;
        t.tableau = tableau;
        t.stock = stock;
        t.fromFan = fromFan;
        t.fromStock = fromStock;
        t.fromTableau = fromTableau;
    }
    if (refreshImage)
        t.CalcImage();
    else
        t.SetImage(image);
}

std::shared_ptr<TCard> TCard::MakeCopy() const {
    auto copy = std::make_shared<TCard>();
    CopyFields(*copy, 1, 0);
    return copy;
}

// --- Location ---------------------------------------------------------------------------

void TCard::ClearLocation() {
    fan = foundation = tableau = stock = 0;
}

void TCard::ClearSpecialFeatures() {
    bow = originalBow = testBow = 0;
    lockCounter = originalLockCounter = testLockCounter = 0;
    specialType = 0;
}

void TCard::StopMoving() {
    moving = 0;
    dx = dy = 0;
    xgravity = ygravity = 0;
    rotationDelta = 0;
    ScaleX = ScaleY = 1;
}

void TCard::MarkAsFoundation(int setTop, int moveToEnd) {
    ClearLocation();
    foundation = 1;
    inPlay = 0;
    mouseOverCard = 0;
    if (setTop && CurrentLevel) {
        TCardList* list = List();
        CurrentLevel->topFoundationCard = list ? list->Find(this) : nullptr;
        if (moveToEnd && list) list->MoveCardToTop(this);
    }
}

void TCard::MarkAndPlaceOnFoundation() {
    MarkAsFoundation(1, 1);
    PlaceOnFoundation(0, 0);
}

void TCard::PlaceOnFoundation(int landSound, int tipCheck) {
    x = static_cast<float>(FOUNDATION_X);
    y = static_cast<float>(FOUNDATION_Y);
    StopMoving();
    Rotation = 0;
    if (!faceUp) SetFaceUp(0);
    inPlay = 0;
    if (CurrentLevel) CurrentLevel->CheckLevelEnd();
    if (!CardHooks.storyItemAnimInProgress && !thisCardRevealedStoryItem) {
        TCardList* list = List();
        if (list && list->lastMoveBlocksUndo) {
            list->lastMoveBlocksUndo = 0;
            CardHooks.undoEnabled = 0;
        } else {
            CardHooks.undoEnabled = 1;
        }
    }
    if (landSound) {
        CardHooks.landSoundTrigger++;
        CardHooks.landSoundPan = 0;
    }
    if (tipCheck && CurrentLevel && CurrentLevel->chapter == 1 && CurrentLevel->hand == 1 &&
        CurrentLevel->CountValidPlays() == 0)
        CardHooks.Call(CardHooks.ShowStockTip);
}

void TCard::PlaceOnStock(int landSound) {
    ClearLocation();
    stock = 1;
    x = CurrentLevel ? static_cast<float>(CurrentLevel->GetNextStockX()) : STOCK_X;
    y = static_cast<float>(STOCK_Y);
    StopMoving();
    Rotation = 0;
    SetFaceDown();
    if (CurrentLevel) {
        TCardList* list = List();
        CurrentLevel->topStockCard = list ? list->Find(this) : nullptr;
    }
    if (landSound) {
        CardHooks.landSoundTrigger++;
        CardHooks.landSoundPan = CalcPan();
    }
}

void TCard::SetFanCoords() {
    if (fanSlot < 0) return;
    x = static_cast<float>(TLevel::CalcFanWildcardX(fanSlot));
    y = static_cast<float>(TLevel::CalcFanWildcardY(fanSlot));
    Rotation = TLevel::CalcFanWildcardRotation(fanSlot);
}

void TCard::PlaceOnFan() {
    TCardList* list = List();
    int placed = 1;
    if (moving) {
        placed = CardHooks.InsertWildcard ? CardHooks.InsertWildcard(*this) : 1;
        StopMoving();
        Rotation = 0;
        CardHooks.landSoundTrigger++;
        CardHooks.landSoundPan = CalcPan();
    }
    if (placed) {
        ClearLocation();
        fan = 1;
        SetFanCoords();
        if (list) list->ZOrderFanCards();
        if (!faceUp) SetFaceUp(0);
        inPlay = 1;
        int ch = CurrentLevel ? CurrentLevel->chapter : 0;
        if (wildcard && value > 0 && (ch == 2 || ch == 3))
            CardHooks.Call(CardHooks.ShowWildcardTip);
        if (IsJoker() && ch >= 2 && ch <= 4) CardHooks.Call(CardHooks.ShowJokerTip);
    } else if (list) {
        // The fan filled up during the flight: the card has nowhere to go.
        list->Remove(this);
    }
    if (CurrentLevel) CurrentLevel->CheckLevelEnd();
    CardHooks.undoEnabled = fromStock ? 1 : 0;
    CardHooks.Unblock();
    CardHooks.Call(CardHooks.FlushMouse);
}

// --- Flip -------------------------------------------------------------------------------

void TCard::StartFlipAnim(int inPlayAfter) {
    flipCounter = Steps(FLIP_ANIM_LENGTH);
    inPlayAfterFlip = inPlayAfter;
    CardHooks.flipSoundTrigger++;
    CardHooks.flipSoundPan = CalcPan();
    ClearReveal();
    ClearWiggle();
}

void TCard::StartFlipBackAnim() {
    flipBackCounter = Steps(FLIP_ANIM_LENGTH);
    inPlay = 0;
    CardHooks.flipSoundTrigger++;
    CardHooks.flipSoundPan = CalcPan();
    ClearReveal();
    ClearWiggle();
}

bool TCard::IsFlipping() const {
    return flipCounter > 0 || flipBackCounter > 0;
}

namespace {
float Ratio(float counter, int ms) {
    float steps = TCard::Steps(ms);
    return steps > 0 ? 1.0f - counter / steps : 1.0f;
}
}  // namespace

float TCard::GetFanToStockAnimRatio() const {
    return Ratio(fanToStockCounter, FAN_TO_STOCK_ANIM_LENGTH);
}
float TCard::GetFlipAnimRatio() const {
    return Ratio(flipCounter, FLIP_ANIM_LENGTH);
}
float TCard::GetFlipBackAnimRatio() const {
    return Ratio(flipBackCounter, FLIP_ANIM_LENGTH);
}
float TCard::GetFoundationToStockAnimRatio() const {
    return Ratio(foundationToStockCounter, STOCK_TO_FOUNDATION_ANIM_LENGTH);
}
float TCard::GetFoundationToTableauAnimRatio() const {
    return Ratio(foundationToTableauCounter, TABLEAU_TO_FOUNDATION_ANIM_LENGTH);
}
float TCard::GetStockToFanAnimRatio() const {
    return Ratio(stockToFanCounter, STOCK_TO_FAN_ANIM_LENGTH);
}
float TCard::GetStockToFoundationAnimRatio() const {
    return Ratio(stockToFoundationCounter, STOCK_TO_FOUNDATION_ANIM_LENGTH);
}
float TCard::GetTableauToFoundationAnimRatio() const {
    return Ratio(tableauToFoundationCounter, TABLEAU_TO_FOUNDATION_ANIM_LENGTH);
}

bool TCard::FlipScale(float& sx, float& sy) const {
    float r;
    if (flipCounter > 0)
        r = GetFlipAnimRatio();
    else if (flipBackCounter > 0)
        r = GetFlipBackAnimRatio();
    else if (stockToFoundationCounter > 0)
        r = GetStockToFoundationAnimRatio();
    else if (foundationToStockCounter > 0)
        r = GetFoundationToStockAnimRatio();
    else if (fanToStockCounter > 0)
        r = GetFanToStockAnimRatio();
    else
        return false;
    float edge = std::fabs(1.0f - 2.0f * r);
    sx = edge;
    sy = 1.0f + (1.0f - edge) * 0.1f;
    return true;
}

// --- Flights ----------------------------------------------------------------------------

void TCard::FlyTo(float tx, float ty, float angle, float steps) {
    moving = 1;
    if (steps <= 0) steps = 1;
    dx = (tx - x) / steps;
    dy = (ty - y) / steps;
    xgravity = ygravity = 0;
    rotationDelta = (angle - Rotation) / steps;
}

void TCard::StartTableauToFoundationAnim(int countPlay, int setTop, int removeBow, int fadeTips) {
    TCardList* list = List();
    if (bow && removeBow) {
        RemoveBow();
    } else {
        if (list) list->lastBowCard = nullptr;
        AwardGoldCoin();
    }
    MarkAsFoundation(setTop, 1);
    float T = Steps(TABLEAU_TO_FOUNDATION_ANIM_LENGTH);
    tableauToFoundationCounter = T;
    moving = 1;
    ygravity = FLIGHT_GRAVITY;
    xgravity = 0;
    dx = (static_cast<float>(FOUNDATION_X) - x) / T;
    dy = -(FLIGHT_GRAVITY / 2 * T * T + y - static_cast<float>(FOUNDATION_Y)) / T;
    rotationDelta = 0;
    totalRotation = CalcTotalRotation(originalRotation, 0);
    ClearWiggle();
    ClearReveal();
    if (countPlay) {
        if (setTop) {
            // Which arc is heard is eye candy; it must not move the deal's stream.
            std::string sound = EffectsRandom.Rand(0, 100) < 50 ? "arc1" : "arc2";
            CardHooks.Sound(sound, EffectsRandom.RndFloat(0.9f, 1.0f), CalcPan(),
                            EffectsRandom.RndFloat(0.9f, 1.1f));
        }
        CardHooks.Call(CardHooks.IncreaseCombo);
        CardHooks.Call(CardHooks.ChargeAllPowerups);
    }
    if (IsCourt() && list) list->ReduceLockCounters();
    if (list) {
        list->lastMoveWasStockWildcardToFan = 0;
        list->lastFanWildcard = nullptr;
    }
    CardHooks.BlockStockInput = 1;
    if (fadeTips) CardHooks.Call(CardHooks.FadeTips);
}

void TCard::RemoveBow() {
    TCardList* list = List();
    auto copy = MakeCopy();
    copy->bow = 0;
    copy->originalBow = 0;
    copy->testBow = 0;
    copy->mouseOverGlow = mouseOverGlow;
    copy->testLockCounter = testLockCounter;
    if (list) {
        list->InsertBefore(this, copy);
        list->lastBowCard = copy;
        list->CalcListPositions();
    }
    bow = 0;
    CardHooks.Effect(TCardEffect::Bow, *this);
}

void TCard::AwardGoldCoin() {
    if (goldAward <= 0 || !IsBottomOfStack()) return;
    if (CardHooks.LogCoinCollected) CardHooks.LogCoinCollected(goldAward, 1);
    goldPaid = true;
    CardHooks.Effect(TCardEffect::GoldCoin, *this);
}

void TCard::StartStockToFoundationAnim() {
    bool special = wildcard || specialType == SPECIAL_EVENT;
    MarkAsFoundation(special ? 0 : 1, 0);
    float T = Steps(STOCK_TO_FOUNDATION_ANIM_LENGTH);
    stockToFoundationCounter = T;
    FlyTo(static_cast<float>(FOUNDATION_X), static_cast<float>(FOUNDATION_Y), 0, T);
    faceTurnedInFlight = false;
    CardHooks.BlockTableauInput = 1;
}

void TCard::EndStockToFoundation() {
    if (wildcard) {
        StartStockToFanAnim();
        return;
    }
    PlaceOnFoundation(1, 0);
    CardHooks.BlockTableauInput = 0;
}

void TCard::StartStockToFanAnim() {
    int slot = CardHooks.FanSlotFor(value);
    // A full fan still takes the card into slot 0; the insert then refuses it.
    fanSlot = slot < 0 ? 0 : slot;
    ClearLocation();
    inPlay = 0;
    x = static_cast<float>(FOUNDATION_X);
    y = static_cast<float>(FOUNDATION_Y);
    moving = 1;
    dx = dy = 0;
    rotationDelta = 0;
    fromStockToFan = true;
    wildcardExpandCounter = Steps(WILDCARD_EXPAND_ANIM_LENGTH);
    stockToFanCounter = Steps(STOCK_TO_FAN_ANIM_LENGTH);
    if (!faceUp) SetFaceUp(0);
    if (TCardList* list = List()) {
        list->lastMoveWasStockWildcardToFan = 1;
        list->lastFanWildcard = list->Find(this);
        list->MoveCardToTop(this);
    }
    CardHooks.BlockStockInput = 1;
    CardHooks.BlockTableauInput = 1;
}

int TCard::StartTableauToFanAnim() {
    int slot = CardHooks.FanSlotFor(value);
    if (slot < 0) {
        InvalidClick();
        return 0;
    }
    fanSlot = slot;
    ClearLocation();
    inPlay = 0;
    moving = 1;
    fromStockToFan = false;
    wildcardExpandCounter = Steps(WILDCARD_EXPAND_ANIM_LENGTH);
    tableauToFanCounter = Steps(TABLEAU_TO_FAN_ANIM_LENGTH);
    ClearWiggle();
    ClearReveal();
    if (TCardList* list = List()) list->MoveCardToTop(this);
    CardHooks.BlockStockInput = 1;
    CardHooks.BlockTableauInput = 1;
    return 1;
}

void TCard::StartWildcardFlight(float steps) {
    FlyTo(static_cast<float>(TLevel::CalcFanWildcardX(fanSlot)),
          static_cast<float>(TLevel::CalcFanWildcardY(fanSlot)),
          TLevel::CalcFanWildcardRotation(fanSlot), steps);
    CardHooks.Sound("arc2", 1.0f, CalcPan());
}

void TCard::ManageWildcardFlight(float& flightCounter, int flightMs, int pauseMs) {
    if (wildcardExpandCounter > 0) {
        wildcardExpandCounter -= Delta;
        float grown;
        if (wildcardExpandCounter <= 0) {
            wildcardExpandCounter = 0;
            grown = 1.0f + WILDCARD_EXPANDED_SCALE;
            wildcardPauseCounter = Steps(pauseMs);
            dx = dy = 0;
            xgravity = ygravity = 0;
            rotationDelta = 0;
            Rotation = 0;
        } else {
            grown = 1.0f + (1.0f - wildcardExpandCounter / Steps(WILDCARD_EXPAND_ANIM_LENGTH)) *
                               WILDCARD_EXPANDED_SCALE;
        }
        ScaleX = ScaleY = grown;
    } else if (wildcardPauseCounter > 0) {
        wildcardPauseCounter -= Delta;
        if (wildcardPauseCounter <= 0) {
            wildcardPauseCounter = 0;
            StartWildcardFlight(flightCounter);
        }
    } else if (flightCounter > 0) {
        flightCounter -= Delta;
        if (flightCounter <= 0) {
            flightCounter = 0;
            SetFanCoords();
            PlaceOnFan();
            return;
        }
        ScaleX = ScaleY = 1.0f + flightCounter / Steps(flightMs) * WILDCARD_EXPANDED_SCALE;
    }
}

void TCard::StartFanToFoundationAnim() {
    if (CardHooks.RemoveWildcard && fanSlot >= 0) CardHooks.RemoveWildcard(fanSlot);
    fanSlot = -1;
    ClearLocation();
    inPlay = 0;
    mouseOverCard = 0;
    float T = Steps(FAN_TO_FOUNDATION_ANIM_LENGTH);
    fanToFoundationCounter = T;
    FlyTo(static_cast<float>(FOUNDATION_X), static_cast<float>(FOUNDATION_Y), 0, T);
    if (TCardList* list = List()) list->MoveCardToTop(this);
    CardHooks.BlockStockInput = 1;
    CardHooks.BlockTableauInput = 1;
}

void TCard::EndFanToFoundation() {
    MarkAsFoundation(1, 1);
    fromFan = 1;
    fromStock = 0;
    fromTableau = 0;
    PlaceOnFoundation(1, 0);
    CardHooks.Unblock();
}

// --- Undo flights -----------------------------------------------------------------------

void TCard::StartFoundationToTableauAnim() {
    ClearLocation();
    inPlay = 0;
    float T = Steps(TABLEAU_TO_FOUNDATION_ANIM_LENGTH);
    foundationToTableauCounter = T;
    moving = 1;
    xgravity = 0;
    ygravity = FLIGHT_GRAVITY;
    dx = (ox - x) / T;
    dy = -(FLIGHT_GRAVITY / 2 * T * T + y - oy) / T;
    rotationDelta = 0;
    Rotation = 0;
    totalRotation = CalcTotalRotation(originalRotation, 1);
    playedLockCounterUndoSound = 0;
}

void TCard::EndFoundationToTableau() {
    TCardList* list = List();
    if (goldPaid && goldAward > 0 && CardHooks.LogCoinCollected)
        CardHooks.LogCoinCollected(-goldAward, -1);
    goldPaid = false;
    StopMoving();
    x = ox;
    y = oy;
    Rotation = originalRotation;
    ClearLocation();
    tableau = 1;
    inPlay = 1;
    if (!faceUp) SetFaceUp(0);
    if (originalBow && !bow) {
        bow = 1;
        // The unbowed copy left by the first play goes, and the card takes back its place.
        if (list && list->lastBowCard) {
            int at = list->GetCardIndex(list->lastBowCard.get());
            auto self = list->Find(this);
            if (at >= 0 && self) {
                list->Remove(this);
                at = list->GetCardIndex(list->lastBowCard.get());
                list->cards[static_cast<size_t>(at)] = self;
            }
            list->lastBowCard = nullptr;
        }
    }
    if (IsCourt() && list) list->RestoreLockCounters();
    bool flippedBack = false;
    if (list) {
        list->ZOrderFanCards();
        list->CalcListPositions();
        if (CurrentLevel) CurrentLevel->topFoundationCard = list->GetTopFoundationCard();
        for (const auto& c : list->lastFlipped) {
            c->StartFlipBackAnim();
            flippedBack = true;
        }
        for (const auto& c : list->lastMadeInPlay) c->inPlay = 0;
    }
    if (!flippedBack) CardHooks.Unblock();
}

void TCard::StartFoundationToStockAnim() {
    ClearLocation();
    inPlay = 0;
    float T = Steps(STOCK_TO_FOUNDATION_ANIM_LENGTH);
    foundationToStockCounter = T;
    FlyTo(ox, static_cast<float>(STOCK_Y), 0, T);
    faceTurnedInFlight = false;
}

void TCard::EndFoundationToStock() {
    PlaceOnStock(1);
    inPlay = 1;
    TCardList* list = List();
    if (CurrentLevel && list) CurrentLevel->topFoundationCard = list->GetTopFoundationCard();
    CardHooks.endHandButtonVisible = 0;
    CardHooks.Call(CardHooks.RestoreCombo);
    CardHooks.Unblock();
}

void TCard::StartFanToStockAnim() {
    if (CardHooks.RemoveWildcard && fanSlot >= 0) CardHooks.RemoveWildcard(fanSlot);
    fanSlot = -1;
    ClearLocation();
    inPlay = 0;
    float T = Steps(FAN_TO_STOCK_ANIM_LENGTH);
    fanToStockCounter = T;
    FlyTo(ox, static_cast<float>(STOCK_Y), 0, T);
    faceTurnedInFlight = false;
    if (TCardList* list = List()) list->MoveCardToTop(this);
}

void TCard::EndFanToStock() {
    EndFoundationToStock();
    Rotation = 0;
}

void TCard::StartFoundationToFanAnim() {
    int slot = CardHooks.FanSlotFor(value);
    fanSlot = slot < 0 ? 0 : slot;
    ClearLocation();
    inPlay = 0;
    float T = Steps(FAN_TO_FOUNDATION_ANIM_LENGTH);
    foundationToFanCounter = T;
    FlyTo(static_cast<float>(TLevel::CalcFanWildcardX(fanSlot)),
          static_cast<float>(TLevel::CalcFanWildcardY(fanSlot)),
          TLevel::CalcFanWildcardRotation(fanSlot), T);
}

void TCard::EndFoundationToFan() {
    moving = 1;  // so the fan takes it back in
    PlaceOnFan();
    TCardList* list = List();
    if (CurrentLevel && list) CurrentLevel->topFoundationCard = list->GetTopFoundationCard();
    CardHooks.Unblock();
}

void TCard::EndTableauToFoundation() {
    PlaceOnFoundation(1, 1);
    CardHooks.BlockStockInput = 0;
}

// --- Wiggle, invalid click, reveal ------------------------------------------------------

void TCard::Wiggle(int fast) {
    wiggleCounter = Steps(WIGGLE_LENGTH);
    wigglefast = fast;
}

float TCard::WiggleOffset() const {
    if (wiggleCounter <= 0) return 0;
    float c = 1.0f - wiggleCounter / Steps(WIGGLE_LENGTH);
    if (wigglefast) return std::sin(Rad(-180.0f + c * 360.0f * 4)) * (5.0f - 3.5f * c);
    return std::sin(Rad(-180.0f + c * 360.0f * 2)) * (10.0f - 7.0f * c);
}

float TCard::wiggleBaseRotation() const {
    if (fan && fanSlot >= 0) return TLevel::CalcFanWildcardRotation(fanSlot);
    if (foundation) return 0;
    return originalRotation;
}

void TCard::ClearWiggle() {
    if (wiggleCounter <= 0) return;
    wiggleCounter = 0;
    if (fan && fanSlot >= 0)
        Rotation = TLevel::CalcFanWildcardRotation(fanSlot);
    else if (foundation && !moving)
        Rotation = 0;
    else if (!moving)
        Rotation = originalRotation;
}

void TCard::InvalidClick() {
    if (!CardHooks.BlockStockInput && !CardHooks.BlockTableauInput) Wiggle(0);
    CardHooks.Sound("InvalidClick", 1.0f, CalcPan());
}

void TCard::BoostReveal() {
    if (revealAlphaDelay < 1.0f) {
        revealAlphaDelay += 0.02f * Delta;
        if (revealAlphaDelay > 1.0f) revealAlphaDelay = 1.0f;
        return;
    }
    revealAlpha += 0.005f * Delta;
    if (revealAlpha > 1.0f) revealAlpha = 1.0f;
}

void TCard::FadeReveal() {
    if (revealAlpha <= 0 && revealAlphaDelay <= 0) return;
    revealAlpha -= 0.02f * Delta;
    if (revealAlpha < 0) ClearReveal();
}

void TCard::ClearReveal() {
    revealAlpha = 0;
    revealAlphaDelay = 0;
}

// --- Special cards ----------------------------------------------------------------------

namespace {
// Takes the card off the table: drawn over everything for its effect, then gone.
void LeaveTable(TCard& card, TCardEffect effect) {
    card.ClearLocation();
    card.inPlay = 0;
    card.mouseOverCard = 0;
    CardHooks.Effect(effect, card);
    if (TCardList* list = List()) {
        list->MoveCardToTop(&card);
        list->Remove(&card);
    }
}
}  // namespace

int TCard::StartPickupKey() {
    TCardList* list = List();
    int locks = CurrentLevel ? CurrentLevel->CountLocks(0) : 0;
    if (locks == 0) {
        CardHooks.Effect(TCardEffect::KeyWasted, *this);
        if (list) list->ClearUndoVariables();
        CardHooks.undoEnabled = 0;
        if (list && CurrentLevel && CurrentLevel->CountMoving(0) > 0) list->lastMoveBlocksUndo = 1;
        CardHooks.Sound("keywasted", 1.0f, CalcPan());
    } else if (CurrentLevel && CurrentLevel->CountLocks(1) == 0) {
        InvalidClick();
        return 0;
    } else {
        if (CardHooks.SetKeyPointer) CardHooks.SetKeyPointer(true);
        CardHooks.PointerIsKey = 1;
        CardHooks.Sound("key", 1.0f, CalcPan());
        if (list) list->ClearUndoVariables();
        CardHooks.undoEnabled = 0;
    }
    AwardGoldCoin();
    LeaveTable(*this, TCardEffect::Key);
    return 1;
}

void TCard::StartUnlockLock() {
    TCardList* list = List();
    if (CardHooks.PointerIsKey) {
        if (CardHooks.SetKeyPointer) CardHooks.SetKeyPointer(false);
        CardHooks.PointerIsKey = 0;
    } else if (CurrentLevel && CurrentLevel->topFoundationCard && list) {
        // Opened by a joker: the joker burns away and the card below it is the top again.
        auto joker = CurrentLevel->topFoundationCard;
        CardHooks.Effect(TCardEffect::Burn, *joker);
        list->Remove(joker.get());
        CurrentLevel->topFoundationCard = list->GetTopFoundationCard();
    }
    AwardGoldCoin();
    CardHooks.Sound("lock", 1.0f, CalcPan());
    if (list) list->ClearUndoVariables();
    CardHooks.undoEnabled = 0;
    LeaveTable(*this, TCardEffect::Lock);
}

void TCard::StartPickupEventCard() {
    AwardGoldCoin();
    if (TCardList* list = List()) list->ClearUndoVariables();
    CardHooks.undoEnabled = 0;
    CardHooks.Call(CardHooks.FadeTips);
    LeaveTable(*this, TCardEffect::EventCard);
}

void TCard::StartStoryItemRevealed() {
    TCardList* list = List();
    CardHooks.undoEnabled = 0;
    if (list) {
        list->lastMoveWasStockWildcardToFan = 0;
        list->lastFanWildcard = nullptr;
    }
    CardHooks.BlockStockInput = 1;
    CardHooks.BlockTableauInput = 1;
    CardHooks.storyItemAnimInProgress = 1;
    CardHooks.Sound("storyitem", 1.0f, CalcPan());
    CardHooks.Call(CardHooks.StoryItemFound);
    CardHooks.Effect(TCardEffect::StoryItem, *this);
    ClearLocation();
    inPlay = 0;
    if (list) list->Remove(this);
}

void TCard::RemoveLockCounter() {
    lockCounter = 0;
    CardHooks.Effect(TCardEffect::Unlock, *this);
    CardHooks.Sound("regalunlocked", 1.0f, CalcPan());
    // A freed card that other cards still cover waits for them like any other.
    if (tableau && !IsUnblocked()) return;
    if (!faceUp)
        StartFlipAnim(1);
    else
        inPlay = 1;
}

void TCard::SnapToEditorGridPosition(float gx, float gy) {
    if (gx > 0) x = std::floor(x / gx + 0.5f) * gx;
    if (gy > 0) y = std::floor(y / gy + 0.5f) * gy;
}

// --- Per step ---------------------------------------------------------------------------

void TCard::ManageAnims() {
    if (mouseOverGlow > 0) {
        mouseOverGlow -= Delta;
        if (mouseOverGlow < 0) mouseOverGlow = 0;
    }
    if (wiggleCounter > 0) {
        wiggleCounter -= Delta;
        if (wiggleCounter <= 0) {
            wiggleCounter = 1;  // ClearWiggle acts only on a running wiggle
            ClearWiggle();
        }
    }
    if (burnCounter > 0) {
        burnCounter -= Delta;
        if (burnCounter < 0) burnCounter = 0;
    }
    if (flipCounter > 0) {
        flipCounter -= Delta;
        if (GetFlipAnimRatio() > 0.5f && !faceUp) SetFaceUp(0);
        if (flipCounter <= 0) {
            flipCounter = 0;
            if (!faceUp) SetFaceUp(0);
            if (inPlayAfterFlip) inPlay = 1;
            inPlayAfterFlip = 0;
            moving = 0;
        }
    }
    if (flipBackCounter > 0) {
        flipBackCounter -= Delta;
        if (GetFlipBackAnimRatio() > 0.5f && faceUp) SetFaceDown();
        if (flipBackCounter <= 0) {
            flipBackCounter = 0;
            if (faceUp) SetFaceDown();
            inPlay = 0;
            CardHooks.Unblock();
        }
    }
    if (stockToFoundationCounter > 0) {
        stockToFoundationCounter -= Delta;
        if (!faceTurnedInFlight && GetStockToFoundationAnimRatio() > 0.5f) {
            faceTurnedInFlight = true;
            SetFaceUp(0);
            if (TCardList* list = List()) list->MoveCardToTop(this);
        }
        if (stockToFoundationCounter <= 0) {
            stockToFoundationCounter = 0;
            if (!faceUp) SetFaceUp(0);
            EndStockToFoundation();
        }
    }
    if (foundationToStockCounter > 0) {
        foundationToStockCounter -= Delta;
        if (!faceTurnedInFlight && GetFoundationToStockAnimRatio() > 0.5f) {
            faceTurnedInFlight = true;
            SetFaceDown();
        }
        if (foundationToStockCounter <= 0) {
            foundationToStockCounter = 0;
            EndFoundationToStock();
        }
    }
    if (fanToStockCounter > 0) {
        fanToStockCounter -= Delta;
        if (!faceTurnedInFlight && GetFanToStockAnimRatio() > 0.5f) {
            faceTurnedInFlight = true;
            SetFaceDown();
        }
        if (fanToStockCounter <= 0) {
            fanToStockCounter = 0;
            EndFanToStock();
        }
    }
    if (fanToFoundationCounter > 0) {
        fanToFoundationCounter -= Delta;
        if (fanToFoundationCounter <= 0) {
            fanToFoundationCounter = 0;
            EndFanToFoundation();
        }
    }
    if (foundationToFanCounter > 0) {
        foundationToFanCounter -= Delta;
        if (foundationToFanCounter <= 0) {
            foundationToFanCounter = 0;
            EndFoundationToFan();
        }
    }
    if (foundationToTableauCounter > 0) {
        foundationToTableauCounter -= Delta;
        float r = GetFoundationToTableauAnimRatio();
        Rotation = r * totalRotation;
        if (r >= 0.85f && !playedLockCounterUndoSound && IsCourt() && CurrentLevel &&
            CurrentLevel->LockCountersExist()) {
            playedLockCounterUndoSound = 1;
            CardHooks.regalTickUndoTrigger++;
        }
        if (foundationToTableauCounter <= 0) {
            foundationToTableauCounter = 0;
            EndFoundationToTableau();
        }
    }
    if (tableauToFoundationCounter > 0) {
        tableauToFoundationCounter -= Delta;
        Rotation = originalRotation + GetTableauToFoundationAnimRatio() * totalRotation;
        if (tableauToFoundationCounter <= 0) {
            tableauToFoundationCounter = 0;
            EndTableauToFoundation();
        }
    }
    if (fromStockToFan &&
        (wildcardExpandCounter > 0 || wildcardPauseCounter > 0 || stockToFanCounter > 0))
        ManageWildcardFlight(stockToFanCounter, STOCK_TO_FAN_ANIM_LENGTH,
                             WILDCARD_STOCK_PAUSE_ANIM_LENGTH);
    else if (!fromStockToFan &&
             (wildcardExpandCounter > 0 || wildcardPauseCounter > 0 || tableauToFanCounter > 0))
        ManageWildcardFlight(tableauToFanCounter, TABLEAU_TO_FAN_ANIM_LENGTH,
                             WILDCARD_TABLEAU_PAUSE_ANIM_LENGTH);
}

void TCard::Manage() {
    Move();
    ManageAnims();
    if (specialType == SPECIAL_STORY && fadeInCounter > 0) {
        fadeInCounter -= 0.01f * Delta;
        if (fadeInCounter < 0) fadeInCounter = 0;
    }
    if (fadeOutCounter > 0) {
        fadeOutCounter -= 0.02f * Delta;
        if (fadeOutCounter < 0) {
            fadeOutCounter = 0;
            visible = 0;
        }
    }
    Rotation += rotationDelta * Delta;
}

// --- Drawing ----------------------------------------------------------------------------

void TCard::Draw() {
    if (!visible) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    if (IsHiddenInPile()) return;
    float savedRotation = Rotation, savedSX = ScaleX, savedSY = ScaleY, savedAlpha = Alpha;
    auto savedColor = Color;
    float fsx, fsy;
    if (FlipScale(fsx, fsy)) {
        ScaleX = fsx;
        ScaleY = fsy;
    }
    if (wiggleCounter > 0) Rotation = wiggleBaseRotation() + WiggleOffset();
    static const std::shared_ptr<TColor> kOutOfPlayTint = TColor::Create(230, 230, 230);
    if (!inPlay && !foundation && specialType != SPECIAL_STORY) Color = kOutOfPlayTint;
    if (specialType == SPECIAL_STORY && fadeInCounter > 0)
        Alpha = std::min(1.0f, std::max(0.0f, 1.0f - fadeInCounter));
    if (fadeOutCounter > 0) Alpha = std::min(1.0f, fadeOutCounter);

    if (burnCounter > 0 && burnCounterMax > 0 && image && image->image) {
        float part = burnCounter / burnCounterMax;
        g->SetScale(ScaleX, ScaleY);
        g->SetRotation(Rotation);
        g->SetAlpha(Alpha);
        if (Color) Color->ApplyNoAlpha();
        g->DrawSubImageRect(*image->image, DrawnX(), DrawnY(), static_cast<float>(w), h * part, 0,
                            0, static_cast<float>(w), h * part);
        g->ResetState();
    } else {
        TSprite::DoDraw();
    }
    if (mouseOverGlow > 0) {
        float a = mouseOverGlow / Steps(MOUSE_OVER_GLOW_MS);
        if (specialType == SPECIAL_STORY) {
            DrawLight(a * 0.4f, 1, 1, 1, nullptr);
        } else if (auto glow = ImageBank.Find("cardglow", 1); glow && glow->image) {
            g->SetBlend(platform::BlendMode::Light);
            g->SetAlpha(a);
            g->SetScale(ScaleX, ScaleY);
            g->SetRotation(Rotation);
            g->DrawImage(*glow->image, DrawnX(), DrawnY());
            g->ResetState();
        }
    }
    DrawBow();
    DrawLockedCounter();
    Rotation = savedRotation;
    ScaleX = savedSX;
    ScaleY = savedSY;
    Alpha = savedAlpha;
    Color = savedColor;
}

bool TCard::IsHiddenInPile() const {
    // The lyre spreads the piles, so every card shows then.
    if (CardHooks.IsLyreActive() || !CurrentLevel) return false;
    const auto& top = CurrentLevel->topStockCard;
    if (stock && top && top.get() != this && x == top->x && y == top->y) return true;
    const auto& stat = CurrentLevel->topStaticFoundationCard;
    return foundation && stat && stat.get() != this && x == FOUNDATION_X && y == FOUNDATION_Y;
}

void TCard::DrawBow() {
    if (!bow || !visible) return;
    platform::Graphics* g = Gfx();
    auto img = ImageBank.Find("bow", 1);
    if (!g || !img || !img->image) return;
    if (!inPlay) g->SetColor(200, 200, 200);
    g->SetAlpha(Alpha);
    g->SetScale(ScaleX, ScaleY);
    g->SetRotation(Rotation);
    g->DrawImage(*img->image, DrawnX(), DrawnY());
    g->ResetState();
}

void TCard::DrawLockedCounter() {
    if (lockCounter <= 0 || !visible || flipBackCounter > 0) return;
    platform::Graphics* g = Gfx();
    auto img =
        ImageBank.Find("regal card" + std::to_string(std::min(lockCounter, MAX_LOCK_COUNTER)), 1);
    if (!g || !img || !img->image) return;
    g->SetAlpha(Alpha);
    g->SetScale(ScaleX, ScaleY);
    g->SetRotation(Rotation);
    g->DrawImage(*img->image, DrawnX(), DrawnY());
    g->ResetState();
}

void TCard::DrawReveal() {
    if (revealAlpha <= 0 || faceUp || !visible) return;
    platform::Graphics* g = Gfx();
    auto face = ImageBank.Find(FaceImageName(), 1);
    if (!g || !face || !face->image) return;
    g->SetColor(180, 180, 180);
    g->SetAlpha(revealAlpha);
    g->SetScale(ScaleX, ScaleY);
    g->SetRotation(Rotation);
    g->DrawImage(*face->image, DrawnX(), DrawnY());
    g->ResetState();
}

void TCard::Kill() {
    TSprite::Kill();
}
