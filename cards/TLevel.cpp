#include "cards/TLevel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cards/TCardHooks.h"
#include "framework/Globals.h"
#include "framework/Messages.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"
#include "platform/PathResolver.h"

int STOCK_X = VIRTUAL_WIDTH_DEFAULT / 2 - 71;
int STOCK_Y = VIRTUAL_HEIGHT_DEFAULT - 77;
int FOUNDATION_X = VIRTUAL_WIDTH_DEFAULT / 2 + 71;
int FOUNDATION_Y = VIRTUAL_HEIGHT_DEFAULT - 77;

std::shared_ptr<TLevel> CurrentLevel;

namespace {
constexpr int SHOP_BLUE_WALLS = 1;
constexpr int SHOP_FEAST_TABLE = 8;
constexpr int SHOP_TEAPOT = 9;
constexpr int SHOP_TRAY = 16;
constexpr int SHOP_FAN2 = 18;
constexpr int SHOP_FAN3 = 19;
constexpr int JOKER_CHANCE = 2000;
// 1.3 x 2000 as the original single-precision sum truncated it.
constexpr int TRAY_JOKER_CHANCE = 2599;

constexpr float kPi = 3.14159265358979323846f;
float Rad(float deg) {
    return deg * kPi / 180.0f;
}

bool Ordinary(const TCard& c) {
    return c.normal && c.specialType == 0;
}

// The integer at the start of text (spaces allowed around it); false when there is none.
bool ParseInt(const std::string& text, int& out) {
    size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return false;
    size_t e = text.find_last_not_of(" \t");
    const char* first = text.data() + b;
    const char* last = text.data() + e + 1;
    if (*first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last;
}

int EmptyFanSlots() {
    if (!CardHooks.FanSlotValue) return TLevel::MAX_WILDCARD_SLOTS;
    int n = 0;
    for (int s = 0; s < TLevel::MAX_WILDCARD_SLOTS; ++s)
        if (CardHooks.FanSlotValue(s) < 0) n++;
    return n;
}
}  // namespace

TLevel::TLevel() : cardList(std::make_shared<TCardList>()) {}

void TLevel::SetGlobals() {
    STOCK_X = VirtualWidth / 2 - 71;
    FOUNDATION_X = VirtualWidth / 2 + 71;
    STOCK_Y = VirtualHeight - 77;
    FOUNDATION_Y = STOCK_Y;
}

int TLevel::CardBackIndexFor(int c) {
    return c == 1 || c == 5 || c == 12 || c == 17 || c == 20 ? 1 : 0;
}

std::string TLevel::LevelFileName(int c, int h) {
    std::string folder;
    if (Game && !Game->LevelsPath.empty())
        folder = Game->LevelsPath;
    else
        folder = (Game ? Game->DataPrefix : std::string()) + "data/levels/";
    return folder + std::to_string(c) + "-" + std::to_string(h) + ".txt";
}

// --- Fan geometry -----------------------------------------------------------------------

float TLevel::CalcFanWildcardRotation(int slot) {
    return FAN_START_ANGLE + static_cast<float>(slot) * FAN_ANGLE_GAP + 90.0f;
}

int TLevel::CalcFanWildcardX(int slot) {
    float a = FAN_START_ANGLE + static_cast<float>(slot) * FAN_ANGLE_GAP;
    return static_cast<int>(static_cast<float>(FAN_X) + std::cos(Rad(a)) * FAN_RADIUS);
}

int TLevel::CalcFanWildcardY(int slot) {
    float a = FAN_START_ANGLE + static_cast<float>(slot) * FAN_ANGLE_GAP;
    return static_cast<int>(static_cast<float>(FAN_Y) + std::sin(Rad(a)) * FAN_RADIUS * 0.9f);
}

// --- Counting ---------------------------------------------------------------------------

int TLevel::CountFoundation() const {
    return static_cast<int>(std::count_if(cardList->cards.begin(), cardList->cards.end(),
                                          [](const CardPtr& c) { return c->foundation != 0; }));
}

int TLevel::CountStock() const {
    return static_cast<int>(std::count_if(cardList->cards.begin(), cardList->cards.end(),
                                          [](const CardPtr& c) { return c->stock != 0; }));
}

int TLevel::CountTableau() const {
    return static_cast<int>(std::count_if(cardList->cards.begin(), cardList->cards.end(),
                                          [](const CardPtr& c) { return c->tableau != 0; }));
}

int TLevel::CountInPlay(int kindFilter, int targetFilter) const {
    int n = 0;
    for (const auto& c : cardList->cards) {
        if (!c->tableau || !c->inPlay) continue;
        if (kindFilter == 1 && c->specialType != 0) continue;
        if (targetFilter == 1 && c->targeted) continue;
        n++;
    }
    return n;
}

int TLevel::CountLocks(int inPlayOnly, const TCardList* list) const {
    const TCardList& l = list ? *list : *cardList;
    int n = 0;
    for (const auto& c : l.cards)
        if (c->specialType == TCard::SPECIAL_LOCK && (!inPlayOnly || c->inPlay)) n++;
    return n;
}

int TLevel::CountMoving(int countFlips) const {
    int n = 0;
    for (const auto& c : cardList->cards)
        if (c->moving || (countFlips && c->IsFlipping())) n++;
    return n;
}

int TLevel::CountTableauSpecial() const {
    int n = 0;
    for (const auto& c : cardList->cards)
        if (c->tableau && c->specialType != 0) n++;
    return n;
}

int TLevel::CountUnblockedLocks(const TCardList& locks, const TCardList& test) const {
    int n = 0;
    for (const auto& l : locks.cards)
        if (l->IsUnblocked(&test)) n++;
    return n;
}

std::shared_ptr<TCardList> TLevel::GetValidPlaysList() const {
    auto list = std::make_shared<TCardList>();
    const TCard* top = topFoundationCard.get();
    if (!top) return list;
    cardList->CalcListPositions();
    for (const auto& c : cardList->cards)
        if (c->tableau && Ordinary(*c) && c->IsUnblocked() &&
            TCardList::OneStep(c->value, top->value))
            list->AddLast(c);
    return list;
}

int TLevel::CountValidPlays() const {
    int n = GetValidPlaysList()->Count();
    std::cout << "Valid plays=" << n << std::endl;
    return n;
}

bool TLevel::FoundationIsJoker() const {
    return topFoundationCard && topFoundationCard->IsJoker();
}

std::shared_ptr<TCardList> TLevel::GetLockList() const {
    auto list = std::make_shared<TCardList>();
    for (const auto& c : cardList->cards)
        if (c->specialType == TCard::SPECIAL_LOCK) list->AddLast(c);
    return list;
}

std::shared_ptr<TCardList> TLevel::GetRegalList() const {
    auto list = std::make_shared<TCardList>();
    for (const auto& c : cardList->cards)
        if (c->lockCounter > 0) list->AddLast(c);
    return list;
}

bool TLevel::LockCountersExist() const {
    for (const auto& c : cardList->cards)
        if (c->originalLockCounter >= 1 && c->lockCounter >= 0) return true;
    return false;
}

int TLevel::GetNextStockX() const {
    int n = CountStock();
    return n < 15 ? STOCK_X + (n - 1) * 3 : STOCK_X + 39;
}

std::shared_ptr<TCardList> TLevel::GetShuffleList() const {
    auto list = std::make_shared<TCardList>();
    float d = 1.0f;
    for (const auto& c : cardList->cards) {
        if (!(Ordinary(*c) || c->specialType == TCard::SPECIAL_EVENT)) continue;
        if (c->lockCounter > 0 || c->fan || c->foundation) continue;
        c->spinDir = d * static_cast<float>(EffectsRandom.Rand(1, 2));
        d = -d;
        list->AddLast(c);
    }
    return list;
}

// --- The stock --------------------------------------------------------------------------

void TLevel::DrawCardFromStock(int instant) {
    auto top = cardList->GetTopStockCard();
    if (!top) return;
    if (instant) {
        top->MarkAndPlaceOnFoundation();
    } else {
        // A draw ends the run and shows what could have been played instead.
        CardHooks.Call(CardHooks.ClearCombo);
        cardList->WiggleMissedCards();
        top->StartStockToFoundationAnim();
    }
    topStockCard = cardList->GetTopStockCard();
    if (!topStockCard)
        CardHooks.endHandButtonVisible = 1;
    else
        topStockCard->inPlay = 1;
}

void TLevel::CreateBonusStockCard(int v, int firstIndex) {
    auto card = std::make_shared<TCard>();
    card->value = v;
    card->suit = RulesRandom.Rand(0, 3);
    int count = cardList->Count();
    if (count == 0) {
        cardList->AddLast(card);
        return;
    }
    int index = RulesRandom.Rand(std::max(firstIndex, 0), count - 1);
    cardList->InsertAfterIndex(index, card);
}

// --- Loading ----------------------------------------------------------------------------

std::vector<TLevel::CardPtr> TLevel::ShufflePack(std::vector<CardPtr> pack) {
    std::vector<CardPtr> shuffled;
    shuffled.reserve(pack.size());
    while (!pack.empty()) {
        int i = RulesRandom.Rand(0, static_cast<int>(pack.size()) - 1);
        shuffled.push_back(pack[static_cast<size_t>(i)]);
        pack.erase(pack.begin() + i);
    }
    return shuffled;
}

std::vector<TLevel::CardPtr> TLevel::BuildPack(int c, int h) {
    std::vector<CardPtr> pack;
    for (int s = 0; s < 4; ++s)
        for (int v = 1; v <= 13; ++v) {
            auto card = std::make_shared<TCard>();
            card->value = v;
            card->suit = s;
            pack.push_back(card);
        }
    int g = EmptyFanSlots();
    if (c >= 2 && g > 0) {
        int w;
        if (c == 2)
            w = h == 1 ? 10000 : h == 2 ? 7500 : 4000;
        else
            w = CardHooks.Bought(SHOP_FAN3) ? 6000 : CardHooks.Bought(SHOP_FAN2) ? 4800 : 4000;
        std::cout << "Wildcard Chance=" << w << std::endl;
        int r = RulesRandom.Rand(0, 10000);
        if (r <= 1000 && g > 1) {
            std::cout << "Created 2 Wildcards" << std::endl;
            for (int i = 0; i < 2; ++i)
                pack.push_back(TCard::CreateWildCard(RulesRandom.Rand(1, 13)));
            g -= 2;
        } else if (r <= w) {
            std::cout << "Created 1 Wildcard" << std::endl;
            pack.push_back(TCard::CreateWildCard(RulesRandom.Rand(1, 13)));
            g -= 1;
        }
        if (g > 0) {
            r = RulesRandom.Rand(0, 10000);
            int joker = CardHooks.Bought(SHOP_TRAY) ? TRAY_JOKER_CHANCE : JOKER_CHANCE;
            if (r < joker) {
                std::cout << "Created 1 Joker" << std::endl;
                pack.push_back(TCard::CreateWildCard(0));
            }
        }
    }
    // Event cards come only from the layouts; the chance is kept in the log for reference.
    if (c > 3 || (c == 3 && h >= 2)) std::cout << "Event Card Chance=-1" << std::endl;
    return pack;
}

int TLevel::LoadCard(TCard& card, const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (start <= line.size()) {
        size_t comma = line.find(',', start);
        if (comma == std::string::npos) {
            fields.push_back(line.substr(start));
            break;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    // The special kind ends the numbers of a line, wherever it stands.
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].find("sp") != std::string::npos) {
            fields.resize(i);
            break;
        }
    if (fields.size() < 3) return 0;
    int px, py, face, rot = 0, bowFlag = 0, lock = 0, v = 0, kind = 0;
    if (!ParseInt(fields[0], px) || !ParseInt(fields[1], py) || !ParseInt(fields[2], face))
        return 0;
    if (fields.size() > 3 && !ParseInt(fields[3], rot)) return 0;
    if (fields.size() > 4 && !ParseInt(fields[4], bowFlag)) return 0;
    if (fields.size() > 5 && !ParseInt(fields[5], lock)) return 0;
    if (fields.size() > 6 && !ParseInt(fields[6], v)) return 0;
    size_t sp = line.find("sp");
    if (sp != std::string::npos) {
        std::string rest = line.substr(sp + 2);
        if (!ParseInt(rest, kind) || kind < TCard::SPECIAL_KEY || kind > TCard::SPECIAL_STORY)
            return 0;
    }
    lock = std::clamp(lock, 0, TCard::MAX_LOCK_COUNTER);

    card.ClearLocation();
    card.tableau = 1;
    card.fromTableau = 1;
    card.x = static_cast<float>(px);
    card.y = static_cast<float>(py);
    card.StoreOriginalCoords();
    card.faceUp = face == 1 ? 1 : 0;
    card.originalFaceUp = card.faceUp;
    card.Rotation = static_cast<float>(rot);
    card.originalRotation = card.Rotation;
    card.bow = card.originalBow = card.testBow = bowFlag ? 1 : 0;
    card.lockCounter = card.originalLockCounter = card.testLockCounter = lock;
    if (v != 0) card.value = v;
    if (kind) {
        card.specialType = kind;
        card.normal = 0;
        card.wildcard = 0;
        if (kind == TCard::SPECIAL_STORY) card.visibleW = card.visibleH = 190;
    }
    if (card.faceUp)
        card.SetFaceUpImage(1);
    else
        card.SetFaceDownImage();
    return 1;
}

void TLevel::Load(int c, int h) {
    loading = 1;
    chapter = c;
    hand = h;
    SetGlobals();
    cardBackIndex = CardBackIndexFor(c);
    if (cardList) cardList->Clear();
    cardList = std::make_shared<TCardList>();
    topFoundationCard = topStaticFoundationCard = topStockCard = nullptr;
    flyingCards.clear();
    flyingSteps.clear();

    std::vector<CardPtr> pack = ShufflePack(BuildPack(c, h));
    size_t next = 0;

    std::string file = platform::PathResolver::Resolve(LevelFileName(c, h));
    std::ifstream in(file);
    if (in) {
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            lineNo++;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find_first_not_of(" \t") == std::string::npos) {
                // A blank line sends the pack card it would have used to the stock.
                if (next < pack.size()) cardList->AddLast(pack[next++]);
                continue;
            }
            bool special = line.find("sp") != std::string::npos;
            CardPtr card;
            if (special) {
                card = std::make_shared<TCard>();
                card->normal = 0;
            } else {
                if (next >= pack.size()) continue;  // more lines than cards
                card = pack[next];
            }
            if (!LoadCard(*card, line)) {
                std::string msg = "Level file " + file + " line " + std::to_string(lineNo) +
                                  ": cannot read \"" + line + "\"; the line is skipped";
                std::cerr << msg << std::endl;
                AppendErrorLog(msg);
                continue;
            }
            if (!special) next++;
            cardList->AddLast(card);
        }
    }
    for (; next < pack.size(); ++next) cardList->AddLast(pack[next]);

    if (CardHooks.Bought(SHOP_FEAST_TABLE))
        for (int v : {11, 12, 13}) CreateBonusStockCard(v, CountTableau() - 1);
    if (CardHooks.Bought(SHOP_TEAPOT))
        for (int v : {1, 10}) CreateBonusStockCard(v, CountTableau() - 1);

    // The first stock draw must be an ordinary card: a wildcard or event card on top of the
    // stock goes to its bottom.
    for (auto it = cardList->cards.rbegin(); it != cardList->cards.rend(); ++it) {
        if ((*it)->tableau) continue;
        if ((*it)->wildcard || (*it)->specialType == TCard::SPECIAL_EVENT) {
            auto top = *it;
            cardList->Remove(top.get());
            cardList->AddFirst(top);
        }
        break;
    }
    for (const auto& card : std::vector<CardPtr>(cardList->cards)) {
        if (card->tableau) continue;
        card->PlaceOnStock(0);
        card->StoreOriginalCoords();
        card->fromStock = 1;
    }
    topStockCard = cardList->GetTopStockCard();
    DrawCardFromStock(1);
    AddPlayerWildcards();
    cardList->CalcListPositions();
    CardHooks.undoEnabled = 0;
    loading = 0;
}

void TLevel::AddPlayerWildcards() {
    if (CardHooks.Bought(SHOP_BLUE_WALLS) && CardHooks.InsertWildcard) {
        while (MAX_WILDCARD_SLOTS - EmptyFanSlots() < 2) {
            auto card = TCard::CreateWildCard(RulesRandom.Rand(1, 13));
            card->fanSlot = CardHooks.FanSlotFor(card->value);
            if (card->fanSlot < 0 || !CardHooks.InsertWildcard(*card)) break;
        }
    }
    if (!CardHooks.FanSlotValue) return;
    for (int slot = 0; slot < MAX_WILDCARD_SLOTS; ++slot) {
        int v = CardHooks.FanSlotValue(slot);
        if (v < 0) continue;
        auto card = TCard::CreateWildCard(v);
        cardList->AddLast(card);
        card->ClearLocation();
        card->fan = 1;
        card->fromFan = 1;
        card->SetFaceUp(1);
        card->fanSlot = slot;
        card->SetFanCoords();
        card->StoreOriginalCoords();
    }
}

// --- Saving -----------------------------------------------------------------------------

int TLevel::Save(int c, int h) {
    std::string file = LevelFileName(c, h);
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::string resolvedFolder = platform::PathResolver::Resolve(folder.string());
    std::string target =
        (std::filesystem::path(resolvedFolder) / std::filesystem::path(file).filename()).string();
    std::ofstream out(target, std::ios::trunc);
    if (!out) {
        std::string msg = "Could not write level file " + target;
        std::cerr << msg << std::endl;
        AppendErrorLog(msg);
        return 0;
    }
    for (const auto& card : cardList->cards) {
        if (!card->tableau) continue;
        if (card->x < 0 || card->x >= VirtualWidth || card->y < 64 ||
            card->y >= VirtualHeight - 135)
            continue;
        out << static_cast<int>(card->x) << "," << static_cast<int>(card->y) << "," << card->faceUp
            << "," << static_cast<int>(card->Rotation) << "," << card->bow << ","
            << card->lockCounter;
        if (card->specialType != 0) {
            out << "," << (card->specialType == TCard::SPECIAL_STORY ? card->value : 0);
            out << ",sp" << card->specialType;
        }
        out << "\n";
    }
    out.flush();
    if (!out) {
        std::string msg = "Could not write level file " + target;
        std::cerr << msg << std::endl;
        AppendErrorLog(msg);
        return 0;
    }
    return 1;
}

// --- The hand in play -------------------------------------------------------------------

void TLevel::CheckLevelEnd() {
    if (CardHooks.storyItemAnimInProgress || loading) return;
    if (CountTableau() == 0 && CountMoving(0) == 0) CardHooks.Call(CardHooks.EndHand);
}

void TLevel::FadeOutCards() {
    for (const auto& c : cardList->cards)
        if (c->tableau) c->fadeOutCounter = 1;
}

void TLevel::Manage() {
    if (CardHooks.StockPileDelay > 0) {
        CardHooks.StockPileDelay -= Delta;
        if (CardHooks.StockPileDelay < 0) CardHooks.StockPileDelay = 0;
    }
    bool powerupBlocks = CardHooks.PowerupBlocksInput && CardHooks.PowerupBlocksInput();
    if (!(CardHooks.BlockStockInput && CardHooks.BlockTableauInput) &&
        !CardHooks.introAnimInProgress && !CardHooks.outroAnimInProgress && !powerupBlocks)
        cardList->CheckMouse();
    if (!CardHooks.outroAnimInProgress) cardList->RevealCards();
    cardList->Manage();
    for (size_t i = 0; i < flyingCards.size(); ++i) {
        const auto& f = flyingCards[i];
        if (!f->moving) continue;
        f->Move();
        flyingSteps[i] -= Delta;
        if (flyingSteps[i] <= 0) {
            flyingSteps[i] = 0;
            f->x = f->ox;
            f->y = f->oy;
            f->StopMoving();
            f->Rotation = f->originalRotation;
            CardHooks.landSoundTrigger++;
            CardHooks.landSoundPan = f->CalcPan();
        }
    }
}

void TLevel::FlyOnCards() {
    flyingCards.clear();
    flyingSteps.clear();
    float sx = static_cast<float>(VirtualWidth) / 2, sy = static_cast<float>(VirtualHeight + 100);
    for (const auto& c : cardList->cards) {
        c->visible = 0;
        if (!c->tableau || c->specialType == TCard::SPECIAL_STORY) continue;
        auto copy = c->MakeCopy();
        copy->visible = 1;
        copy->originalRotation = c->Rotation;
        copy->x = sx;
        copy->y = sy;
        float steps =
            std::sqrt(c->x * c->x + (VirtualHeight - c->y) * (VirtualHeight - c->y)) / 10.0f;
        if (steps < 1) steps = 1;
        copy->moving = 1;
        copy->dx = (c->x - sx) / steps;
        copy->dy = (c->y - sy) / steps;
        flyingSteps.push_back(steps);
        if (!c->inPlay) copy->Color = TColor::Create(230, 230, 230);
        flyingCards.push_back(copy);
    }
    CardHooks.Sound("shuffle", 0.7f);
}

void TLevel::EndFlyOnCards() {
    for (const auto& c : cardList->cards)
        if (c->specialType != TCard::SPECIAL_STORY) c->visible = 1;
    flyingCards.clear();
    flyingSteps.clear();
}

// --- Drawing ----------------------------------------------------------------------------

void TLevel::Draw() {
    for (const auto& c : cardList->cards)
        if (!c->fan) c->Draw();
    for (const auto& c : cardList->cards)
        if (!c->fan) c->DrawReveal();
    for (const auto& f : flyingCards) f->Draw();
}

void TLevel::DrawFan() {
    for (const auto& c : cardList->cards)
        if (c->fan) c->Draw();
}

void TLevel::DrawStock() {
    topStaticFoundationCard = nullptr;
    for (const auto& c : cardList->cards)
        if (c->foundation && c->x == FOUNDATION_X && c->y == FOUNDATION_Y)
            topStaticFoundationCard = c;
    for (const auto& c : cardList->cards)
        if (c->stock || c->foundation) c->Draw();
    for (const auto& c : cardList->cards)
        if (c->stock) c->DrawReveal();
}

void TLevel::DrawTableau() {
    for (const auto& c : cardList->cards)
        if (c->tableau) c->Draw();
    for (const auto& c : cardList->cards)
        if (c->tableau) c->DrawReveal();
    for (const auto& f : flyingCards) f->Draw();
}

// --- Solvability of the lock counters ---------------------------------------------------

bool TLevel::RegalLocksAreBeatable(int verbose) {
    auto log = [verbose](const std::string& line) {
        if (verbose) std::cout << line << std::endl;
    };
    auto regal = GetRegalList();
    if (regal->Count() == 0) return true;
    cardList->CalcListPositions();
    TCardList test;
    for (const auto& c : cardList->cards)
        if (c->tableau) test.AddLast(c);
    auto locks = GetLockList();
    int n = CountUnblockedLocks(*locks, test);
    log("PLAYABLE LOCKS=" + std::to_string(n));
    int sum = 0;
    auto freeNow = [&test](const TCard& c) { return c.inPlay || c.IsUnblocked(&test); };
    while (regal->Count() > 0) {
        for (;;) {
            int removed = 0;
            for (const auto& e : std::vector<CardPtr>(test.cards)) {
                if (!test.Find(e.get())) continue;  // taken as a lock earlier in this pass
                if (e->testLockCounter != 0 || !freeNow(*e)) continue;
                if (Ordinary(*e) || e->wildcard || e->specialType == TCard::SPECIAL_EVENT) {
                    if (e->IsCourt()) sum += e->testBow ? 2 : 1;
                    test.Remove(e.get());
                    removed++;
                } else if (e->specialType == TCard::SPECIAL_KEY) {
                    if (n < 1) {
                        if (locks->Count() > 0) continue;  // a lock may come free later
                        log("THROW AWAY KEY");
                        test.Remove(e.get());
                        removed++;
                        continue;
                    }
                    CardPtr lock;
                    for (const auto& l : locks->cards)
                        if (freeNow(*l)) {
                            lock = l;
                            break;
                        }
                    if (!lock) continue;
                    locks->Remove(lock.get());
                    test.Remove(lock.get());
                    log("LOCK REMOVED");
                    n--;
                    log("PLAYABLE LOCKS=" + std::to_string(n));
                    test.Remove(e.get());
                    removed++;
                } else if (e->specialType == TCard::SPECIAL_STORY) {
                    // Uncovering a story item takes it off the table.
                    test.Remove(e.get());
                    removed++;
                }
            }
            log("CARDS REMOVED=" + std::to_string(removed) +
                " LEFT=" + std::to_string(test.Count()));
            if (removed > 0 && locks->Count() > 0) n = CountUnblockedLocks(*locks, test);
            if (removed == 0 || test.Count() == 0) break;
        }
        log("ROYAL CARDS AVAILABLE=" + std::to_string(sum));
        int freed = 0;
        for (const auto& r : std::vector<CardPtr>(regal->cards)) {
            if (r->testLockCounter > sum) continue;
            log("REGAL REMOVED: Value=" + std::to_string(r->testLockCounter));
            r->testLockCounter = 0;
            regal->Remove(r.get());
            freed++;
        }
        if (freed == 0) return false;
    }
    return true;
}
