#include "cards/THandSetup.h"

#include <iostream>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/Messages.h"

namespace {
bool PlaysOn(int v, int f) {
    return TCardList::OneStep(v, f);
}
}  // namespace

bool THandSetup::IsFixedHand(int c, int h) {
    return (c == 1 && h == 1) || (c == 3 && h == 3) || (c == 4 && h == 1);
}

std::string THandSetup::CheckDeal(TLevel& level, int c, int h) {
    for (const auto& card : level.cardList->cards)
        if ((card->wildcard || card->specialType == TCard::SPECIAL_EVENT) && card->bow) {
            std::cout << "Invalid bow card detected. Reloading." << std::endl;
            return "bow";
        }
    if (!level.RegalLocksAreBeatable(1)) {
        std::cout << "Regal locks not beatable. Reloading." << std::endl;
        return "regal";
    }
    const TCard* top = level.topFoundationCard.get();
    if (c == 1 && h == 1 && level.CountValidPlays() <= 1) {
        std::cout << "No valid plays on tutorial level. Reloading." << std::endl;
        return "tutorial";
    }
    if (c == 3 && h == 3) {
        auto first = level.cardList->GetFirstTableauCard();
        if (!first || !top || !first->IsCourt() || !PlaysOn(first->value, top->value))
            return "court";
    }
    if (c == 4 && h == 1) {
        auto last = level.cardList->GetLastTableauCard();
        if (!last || !top || !last->normal || last->specialType != 0 ||
            !PlaysOn(last->value, top->value))
            return "step";
    }
    return "";
}

int THandSetup::Deal(TLevel& level, int c, int h) {
    int attempts = 0;
    for (int i = 0;; ++i) {
        if (i >= MAX_ATTEMPTS - 1 && !IsFixedHand(c, h))
            ShowMessage("Sorry: Failed to generate beatable level in 1000 attempts", 1, 1);
        level.Load(c, h);
        attempts = i + 1;
        if (CheckDeal(level, c, h).empty()) break;
    }
    std::cout << "LEVEL CREATION ATTEMPTS=" << attempts << std::endl;
    level.cardList->UnblockAllTopCards();
    int gold = level.cardList->ApplyGoldToStacks();
    std::cout << "Gold Total," << c << "," << h << "," << gold << std::endl;
    return attempts;
}
