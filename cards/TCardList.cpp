#include "cards/TCardList.h"

#include <algorithm>
#include <iostream>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"
#include "platform/Keys.h"

namespace {
constexpr int SHOP_MIRROR = 2;
constexpr int SHOP_PORTRAIT1 = 3;
constexpr int SHOP_PORTRAIT2 = 4;
constexpr int SHOP_RIGHT_CANDELABRA = 6;
constexpr int SHOP_WINDOW = 7;
constexpr int SHOP_CHANDELIER = 10;
constexpr int SHOP_WIG = 15;
constexpr int SHOP_CONSERVATORY = 22;
constexpr int STOCK_DELAY_MS = 200;

bool Ordinary(const TCard& c) {
    return c.normal && c.specialType == 0;
}
}  // namespace

TCardList::~TCardList() {
    Clear();
}

// --- The ordered container --------------------------------------------------------------

void TCardList::AddLast(CardPtr card) {
    cards.push_back(std::move(card));
}

void TCardList::AddFirst(CardPtr card) {
    cards.insert(cards.begin(), std::move(card));
}

void TCardList::Remove(const TCard* card) {
    auto it = std::find_if(cards.begin(), cards.end(),
                           [card](const CardPtr& c) { return c.get() == card; });
    if (it != cards.end()) cards.erase(it);
}

TCardList::CardPtr TCardList::ValueAtIndex(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return cards[static_cast<size_t>(index)];
}

void TCardList::InsertBefore(const TCard* at, CardPtr card) {
    auto it =
        std::find_if(cards.begin(), cards.end(), [at](const CardPtr& c) { return c.get() == at; });
    cards.insert(it, std::move(card));
}

void TCardList::InsertAfterIndex(int index, CardPtr card) {
    if (index < 0 || index >= Count()) {
        cards.push_back(std::move(card));
        return;
    }
    cards.insert(cards.begin() + index + 1, std::move(card));
}

TCardList::CardPtr TCardList::Find(const TCard* card) const {
    for (const auto& c : cards)
        if (c.get() == card) return c;
    return nullptr;
}

int TCardList::GetCardIndex(const TCard* card) const {
    for (size_t i = 0; i < cards.size(); ++i)
        if (cards[i].get() == card) return static_cast<int>(i);
    return -1;
}

// --- Queries ----------------------------------------------------------------------------

void TCardList::CalcListPositions() {
    for (size_t i = 0; i < cards.size(); ++i) cards[i]->listPosition = static_cast<int>(i);
}

TCardList::CardPtr TCardList::GetCardAtWildcardSlot(int slot) const {
    for (const auto& c : cards)
        if (c->fan && c->fanSlot == slot) return c;
    return nullptr;
}

TCardList::CardPtr TCardList::GetFirstTableauCard() const {
    for (const auto& c : cards)
        if (c->tableau) return c;
    return nullptr;
}

TCardList::CardPtr TCardList::GetLastTableauCard() const {
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if ((*it)->tableau) return *it;
    return nullptr;
}

TCardList::CardPtr TCardList::GetTopFoundationCard() const {
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if ((*it)->foundation) return *it;
    return nullptr;
}

TCardList::CardPtr TCardList::GetTopStockCard() const {
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        if ((*it)->stock) return *it;
    return nullptr;
}

bool TCardList::OneStep(int v, int f) {
    return v == f + 1 || f == v + 1 || (v == 1 && f == 13) || (v == 13 && f == 1);
}

int TCardList::ValidPlay(const TCard& card) const {
    const TLevel* level = CurrentLevel.get();
    const TCard* top = level ? level->topFoundationCard.get() : nullptr;
    bool lock = card.specialType == TCard::SPECIAL_LOCK;
    if (CardHooks.PointerIsKey) return lock ? 1 : 0;
    if (lock && top && top->IsJoker() && CardHooks.Bought(SHOP_WIG)) return 1;
    if (CardHooks.IsCupidArmed()) return card.tableau && card.specialType == 0 ? 1 : 0;
    if (level && level->topStockCard.get() == &card) return 1;
    if (card.wildcard) return 1;
    if (card.specialType == TCard::SPECIAL_KEY || card.specialType == TCard::SPECIAL_EVENT)
        return 1;
    if (card.specialType != 0 || !card.normal) return 0;
    if (!top) return 0;
    if (top->IsJoker()) return 1;
    return OneStep(card.value, top->value) ? 1 : 0;
}

// --- Per step ---------------------------------------------------------------------------

void TCardList::Manage() {
    // A card may leave the list while it is managed (a refused fan card, a removed special).
    auto snapshot = cards;
    for (const auto& c : snapshot) c->Manage();
}

void TCardList::CheckMouse() {
    if (!Game) return;
    auto& mouse = Game->Mouse;
    float mx = static_cast<float>(mouse.x), my = static_cast<float>(mouse.y);
    bool click = mouse.GetLeftClick();
    bool cupid = CardHooks.IsCupidArmed();

    CardPtr under;
    for (const auto& c : cards) {
        c->mouseOverCard = 0;
        if (c->MouseOver(mx, my, 1)) under = c;
    }
    if (under && under->UpdateMouseOver(mx, my)) {
        if (click) {
            if (cupid) {
                if (CardHooks.CupidActivate) CardHooks.CupidActivate(under);
            } else if (under->stock) {
                if (!CardHooks.BlockStockInput && CardHooks.StockPileDelay <= 0 && CurrentLevel) {
                    CurrentLevel->DrawCardFromStock(0);
                    CardHooks.StockPileDelay = TCard::Steps(STOCK_DELAY_MS);
                }
            } else if (under->wildcard && under->tableau) {
                if (!CardHooks.BlockTableauInput && under->StartTableauToFanAnim())
                    UnblockCards(*under);
            } else if (under->wildcard && under->fan) {
                if (CurrentLevel && CurrentLevel->CountMoving(0) == 0)
                    under->StartFanToFoundationAnim();
            } else if (!CardHooks.BlockTableauInput && ValidPlay(*under)) {
                int played = 1;
                switch (under->specialType) {
                    case TCard::SPECIAL_KEY:
                        played = under->StartPickupKey();
                        break;
                    case TCard::SPECIAL_LOCK:
                        under->StartUnlockLock();
                        break;
                    case TCard::SPECIAL_EVENT:
                        under->StartPickupEventCard();
                        break;
                    default:
                        under->StartTableauToFoundationAnim(1, 1, 1, 1);
                        break;
                }
                if (played) UnblockCards(*under);
            }
        }
    } else if (under) {
        if (click) under->InvalidClick();
    } else if (click) {
        CardPtr any;
        for (const auto& c : cards)
            if (c->MouseOver(mx, my, 0)) any = c;
        if (any && (any->lockCounter > 0 || any->foundation)) {
            any->InvalidClick();
        } else if (cupid && !(CardHooks.OverPowerupButton &&
                              CardHooks.OverPowerupButton(mouse.x, mouse.y))) {
            CardHooks.Call(CardHooks.DropArrow);
        }
    }

    if (KeyHit(platform::keys::SPACE) && !CardHooks.BlockStockInput && !cupid &&
        !(CardHooks.PowerupBlocksInput && CardHooks.PowerupBlocksInput()) && CurrentLevel &&
        CurrentLevel->topStockCard) {
        if (CurrentLevel->topStockCard->inPlay && CardHooks.StockPileDelay <= 0) {
            CurrentLevel->DrawCardFromStock(0);
            CardHooks.StockPileDelay = TCard::Steps(STOCK_DELAY_MS);
        } else if (CardHooks.EndComboButtonActive && CardHooks.EndComboButtonActive()) {
            CardHooks.Call(CardHooks.ClickEndCombo);
        }
    }
}

void TCardList::UnblockCards(const TCard& played) {
    CalcListPositions();
    lastFlipped.clear();
    lastMadeInPlay.clear();
    TCard* playedCard = Find(&played).get();
    auto snapshot = cards;
    for (const auto& c : snapshot) {
        if (!c->tableau || c.get() == &played) continue;
        if (!c->Overlaps(played) || !c->IsUnblocked()) continue;
        // A story item is found as soon as it is uncovered, whichever way up it was laid.
        if (c->specialType == TCard::SPECIAL_STORY) {
            if (playedCard) playedCard->thisCardRevealedStoryItem = 1;
            c->StartStoryItemRevealed();
            continue;
        }
        if (c->faceUp) {
            if (!c->inPlay) {
                c->inPlay = 1;
                lastMadeInPlay.push_back(c);
            }
        } else if (c->flipCounter <= 0) {
            c->StartFlipAnim(1);
            lastFlipped.push_back(c);
        }
    }
    CalcListPositions();
}

void TCardList::ReduceLockCounters() {
    auto snapshot = cards;
    for (const auto& c : snapshot) {
        if (c->originalLockCounter < 1) continue;
        int before = c->lockCounter;
        c->lockCounter = before - 1;
        if (before == 1) c->RemoveLockCounter();
        if (c->lockCounter >= 0) {
            CardHooks.regalTickTrigger++;
            if (c->lockCounter > 0) CardHooks.Effect(TCardEffect::Tick, *c);
        }
    }
}

void TCardList::RestoreLockCounters() {
    for (const auto& c : cards) {
        if (c->originalLockCounter < 1) continue;
        if (c->lockCounter == 0 && c->tableau) {
            c->inPlay = 0;
            if (!c->originalFaceUp && (c->faceUp || c->flipCounter > 0)) {
                c->flipCounter = 0;
                c->inPlayAfterFlip = 0;
                c->StartFlipBackAnim();
            }
        }
        c->lockCounter++;
    }
}

void TCardList::WiggleMissedCards() {
    const TCard* top = CurrentLevel ? CurrentLevel->topFoundationCard.get() : nullptr;
    int missed = 0;
    for (const auto& c : cards) {
        if (!c->inPlay || !c->tableau || c->lockCounter > 0) continue;
        if (c->wildcard || c->specialType == TCard::SPECIAL_KEY ||
            c->specialType == TCard::SPECIAL_EVENT) {
            c->Wiggle(1);
        } else if (Ordinary(*c) && top && (top->IsJoker() || OneStep(c->value, top->value))) {
            c->Wiggle(1);
            missed++;
        }
    }
    int chapter = CurrentLevel ? CurrentLevel->chapter : 0;
    if (missed > 0 && (chapter == 1 || chapter == 2) && CardHooks.UndosLeft &&
        CardHooks.UndosLeft() > 0)
        CardHooks.Call(CardHooks.ShowUndoTip);
}

void TCardList::RevealCards() {
    if (!Game || !CurrentLevel) return;
    float mx = static_cast<float>(Game->Mouse.x), my = static_cast<float>(Game->Mouse.y);
    if (CardHooks.Bought(SHOP_CHANDELIER)) {
        if (auto top = CurrentLevel->topStockCard) {
            if (!top->faceUp && !top->moving && !CardHooks.BlockStockInput &&
                top->MouseOver(mx, my, 0))
                top->BoostReveal();
            else
                top->FadeReveal();
        }
    }
    if (CardHooks.Bought(SHOP_MIRROR)) {
        for (const auto& c : cards) {
            if (!c->tableau || c->faceUp) continue;
            if (!c->wildcard && c->specialType != TCard::SPECIAL_EVENT &&
                c->specialType != TCard::SPECIAL_KEY)
                continue;
            if (!CardHooks.BlockTableauInput && c->MouseOver(mx, my, 0))
                c->BoostReveal();
            else
                c->FadeReveal();
        }
    }
}

void TCardList::RevealOff() {
    for (const auto& c : cards) c->ClearReveal();
}

// --- Shop bonuses at hand start ---------------------------------------------------------

void TCardList::FlipUpRandomCards() {
    // Hundredths, so 35% of 10 cards is exactly 3.5 and rounds up.
    int percent = 0;
    if (CardHooks.Bought(SHOP_PORTRAIT2))
        percent = 35;
    else if (CardHooks.Bought(SHOP_PORTRAIT1))
        percent = 15;
    if (CardHooks.Bought(SHOP_RIGHT_CANDELABRA)) percent += 10;
    if (percent <= 0) return;
    std::vector<CardPtr> candidates;
    for (const auto& c : cards) {
        if (!c->tableau || c->faceUp || c->lockCounter > 0) continue;
        if (Ordinary(*c) || c->wildcard || c->specialType == TCard::SPECIAL_EVENT ||
            c->specialType == TCard::SPECIAL_KEY)
            candidates.push_back(c);
    }
    int count = (percent * static_cast<int>(candidates.size()) + 50) / 100;
    std::cout << "flipped " << count << " cards" << std::endl;
    for (int i = 0; i < count && !candidates.empty(); ++i) {
        int index = RulesRandom.Rand(0, static_cast<int>(candidates.size()) - 1);
        auto c = candidates[static_cast<size_t>(index)];
        candidates.erase(candidates.begin() + index);
        c->StartFlipAnim(0);
        c->originalFaceUp = 1;
    }
}

TCardList::CardPtr TCardList::RemoveRandomCard(int bowed, int playIt) {
    if (bowed && RulesRandom.Rand(0, 10000) < 5000) return nullptr;
    std::vector<CardPtr> candidates;
    for (const auto& c : cards)
        if (c->inPlay && c->tableau && Ordinary(*c) && c->lockCounter <= 0 && c->bow == bowed)
            candidates.push_back(c);
    if (candidates.empty()) return nullptr;
    if (bowed && candidates.size() == 1 && RulesRandom.Rand(0, 10000) < 5000) return nullptr;
    CardPtr card;
    for (int attempt = 0; attempt < 3; ++attempt) {
        card = candidates[static_cast<size_t>(
            RulesRandom.Rand(0, static_cast<int>(candidates.size()) - 1))];
        if (card->value < 11) break;
    }
    if (playIt) {
        card->StartTableauToFoundationAnim(1, 0, 1, 0);
        CardHooks.BlockStockInput = 0;
        card->tableauToFoundationCounter = 0;
        card->StopMoving();
        CardHooks.Effect(TCardEffect::Burn, *card);
        UnblockCards(*card);
        Remove(card.get());
        ClearUndoVariables();
        if (!bowed) CardHooks.dropOffTrigger++;
    }
    return card;
}

void TCardList::RemoveRandomCards() {
    if (CardHooks.Bought(SHOP_WINDOW)) RemoveRandomCard(0, 1);
    if (CardHooks.Bought(SHOP_CONSERVATORY)) RemoveRandomCard(1, 1);
}

// --- Bulk operations --------------------------------------------------------------------

int TCardList::ApplyGoldToStacks() {
    CalcListPositions();
    int total = 0;
    for (const auto& c : cards) {
        if (!c->tableau || c->specialType == TCard::SPECIAL_STORY) continue;
        if (c->IsBottomOfStack()) {
            c->goldAward = 10;
            total += 10;
        }
    }
    return total;
}

void TCardList::Centre() {
    if (cards.empty()) return;
    int minX = 9999, minY = 9999, maxX = 0, maxY = 0;
    for (const auto& c : cards) {
        int cx = static_cast<int>(c->x), cy = static_cast<int>(c->y);
        minX = std::min(minX, cx);
        minY = std::min(minY, cy);
        maxX = std::max(maxX, cx);
        maxY = std::max(maxY, cy);
    }
    int mx = VirtualWidth / 2 - (maxX - minX) / 2 - minX;
    int my = VirtualHeight / 2 - (maxY - minY) / 2 - minY - 55;
    for (const auto& c : cards) {
        c->x += static_cast<float>(mx);
        c->y += static_cast<float>(my);
        c->ox += static_cast<float>(mx);
        c->oy += static_cast<float>(my);
    }
}

void TCardList::Clear() {
    for (const auto& c : cards) c->Kill();
    ClearUndoVariables();
    cards.clear();
}

void TCardList::ClearMultiSelect() {
    for (const auto& c : cards) c->multiSelect = 0;
}

void TCardList::ClearUndoVariables() {
    lastFlipped.clear();
    lastMadeInPlay.clear();
    lastBowCard = nullptr;
    lastMoveWasStockWildcardToFan = 0;
    lastFanWildcard = nullptr;
    lastMoveBlocksUndo = 0;
}

void TCardList::ClearWiggle() {
    for (const auto& c : cards) c->ClearWiggle();
}

void TCardList::EnableAllTopCards() {
    CalcListPositions();
    for (const auto& c : cards)
        if (c->tableau && c->faceUp && c->IsUnblocked()) c->inPlay = 1;
}

void TCardList::UnblockAllTopCards() {
    CalcListPositions();
    for (const auto& c : cards) {
        if (!c->tableau || !c->IsUnblocked()) continue;
        c->SetFaceUp(1);
        c->originalFaceUp = 1;
    }
}

void TCardList::FadeInStoryItem() {
    for (const auto& c : cards)
        if (c->specialType == TCard::SPECIAL_STORY) {
            c->visible = 1;
            c->fadeInCounter = 1.3f;
            return;
        }
}

void TCardList::FadeInBows() {
    for (const auto& c : cards)
        if (c->bow) c->fadeInCounter = 1;
}

void TCardList::MoveBy(float mx, float my, int selectedOnly) {
    for (const auto& c : cards) {
        if (selectedOnly && !c->multiSelect) continue;
        c->x += mx;
        c->y += my;
    }
}

void TCardList::MoveCardToTop(const TCard* card) {
    auto c = Find(card);
    if (!c) return;
    Remove(card);
    cards.push_back(c);
}

void TCardList::ResetCardBackImages() {
    for (const auto& c : cards)
        if (!c->faceUp) c->SetFaceDownImage();
}

void TCardList::UpdateImages() {
    for (const auto& c : cards)
        if (c->faceUp) c->SetFaceUpImage(1);
}

void TCardList::Rotate(float angle) {
    for (const auto& c : cards)
        if (c->multiSelect) c->Rotation += angle;
}

void TCardList::SetFoundationCardsOffsetY(float offset) {
    for (const auto& c : cards)
        if (c->foundation) {
            c->UseOffset = 1;
            c->offy = offset;
        }
}

void TCardList::SetStockCardsOffsetY(float offset) {
    for (const auto& c : cards)
        if (c->stock) {
            c->UseOffset = 1;
            c->offy = offset;
        }
}

void TCardList::SetWildcardsOffsetX(float offset) {
    for (const auto& c : cards)
        if (c->fan) {
            c->UseOffset = 1;
            c->offx = offset;
        }
}

void TCardList::SetVisible(int flag) {
    for (const auto& c : cards) c->visible = flag;
}

void TCardList::ZOrderFanCards() {
    std::vector<CardPtr> rest, fanCards;
    for (const auto& c : cards) (c->fan ? fanCards : rest).push_back(c);
    std::stable_sort(fanCards.begin(), fanCards.end(),
                     [](const CardPtr& a, const CardPtr& b) { return a->fanSlot < b->fanSlot; });
    rest.insert(rest.end(), fanCards.begin(), fanCards.end());
    cards = std::move(rest);
}
