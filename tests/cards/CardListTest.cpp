#include "platform/Keys.h"
#include "tests/cards/CardsFixture.h"

namespace {

class CardListTest : public CardsTest {};

std::shared_ptr<TCard> Special(int kind) {
    auto c = std::make_shared<TCard>();
    c->specialType = kind;
    c->normal = 0;
    c->tableau = 1;
    return c;
}

TEST_F(CardListTest, PlayRuleOneStepWithAceKingWrap) {
    struct Case {
        int v, f;
        bool valid;
    } cases[] = {
        {1, 13, true},  {13, 1, true},   {2, 1, true},   {12, 13, true},
        {7, 8, true},   {9, 8, true},    {8, 8, false},  {3, 1, false},
        {1, 12, false}, {13, 11, false}, {2, 13, false}, {12, 1, false},
    };
    auto top = SetFoundation(1);
    auto c = AddTableau(1, 300, 300);
    for (const auto& k : cases) {
        top->value = k.f;
        c->value = k.v;
        EXPECT_EQ(List().ValidPlay(*c) != 0, k.valid) << k.v << " on " << k.f;
    }
    // Suits play no part.
    top->value = 4;
    top->suit = 0;
    for (int s = 0; s < 4; ++s) {
        c->value = 5;
        c->suit = s;
        EXPECT_TRUE(List().ValidPlay(*c));
    }
}

TEST_F(CardListTest, PlayRuleForSpecialCardsAndItsOrder) {
    auto top = SetFoundation(0, 1);  // a joker
    auto ordinary = AddTableau(9, 300, 300);
    auto lock = Special(TCard::SPECIAL_LOCK);
    auto key = Special(TCard::SPECIAL_KEY);
    auto event = Special(TCard::SPECIAL_EVENT);
    auto story = Special(TCard::SPECIAL_STORY);
    auto wild = TCard::CreateWildCard(3);
    wild->tableau = 1;
    for (auto& c : {lock, key, event, story, wild}) List().AddLast(c);

    // Anything ordinary plays on a joker; a lock only with the Wig.
    EXPECT_TRUE(List().ValidPlay(*ordinary));
    EXPECT_FALSE(List().ValidPlay(*lock));
    bool wig = false;
    CardHooks.ShopItemBought = [&](int i) { return wig && i == 15; };
    wig = true;
    EXPECT_TRUE(List().ValidPlay(*lock));
    EXPECT_TRUE(List().ValidPlay(*key));
    EXPECT_TRUE(List().ValidPlay(*event));
    EXPECT_FALSE(List().ValidPlay(*story));
    EXPECT_TRUE(List().ValidPlay(*wild));

    // With the key carried only a lock is valid, whatever else would play.
    CardHooks.PointerIsKey = 1;
    EXPECT_FALSE(List().ValidPlay(*ordinary));
    EXPECT_FALSE(List().ValidPlay(*wild));
    EXPECT_TRUE(List().ValidPlay(*lock));
    CardHooks.PointerIsKey = 0;

    // The armed Cupid takes any ordinary tableau card, even one that does not play.
    top->wildcard = 0;
    top->normal = 1;
    top->value = 2;
    bool cupid = true;
    CardHooks.CupidArmed = [&] { return cupid; };
    EXPECT_TRUE(List().ValidPlay(*ordinary));
    EXPECT_FALSE(List().ValidPlay(*key));
    cupid = false;
    EXPECT_FALSE(List().ValidPlay(*ordinary));

    // The top stock card is always valid.
    auto stock = std::make_shared<TCard>();
    stock->value = 9;
    List().AddLast(stock);
    stock->PlaceOnStock(0);
    EXPECT_TRUE(List().ValidPlay(*stock));
}

TEST_F(CardListTest, ClickWithTheKeyOnAnOrdinaryCardIsInvalid) {
    SetFoundation(5);
    auto c = AddTableau(6, 300, 300);
    c->inPlay = 1;
    CardHooks.PointerIsKey = 1;
    Game->Mouse.x = 300;
    Game->Mouse.y = 300;
    Game->Mouse.h1 = 1;
    List().CheckMouse();
    EXPECT_EQ(c->tableau, 1);
    EXPECT_GT(c->wiggleCounter, 0);
    // Without the key the same click plays it.
    CardHooks.PointerIsKey = 0;
    c->ClearWiggle();
    Game->Mouse.h1 = 1;
    List().CheckMouse();
    EXPECT_EQ(c->foundation, 1);
}

TEST_F(CardListTest, PlayingACardFreesAndFlipsWhatItCovered) {
    SetFoundation(5);
    auto down = AddTableau(9, 270, 300, 0);
    auto up = AddTableau(2, 390, 300, 1);
    auto top = AddTableau(6, 330, 320, 1);
    auto far = AddTableau(7, 800, 300, 0);
    top->inPlay = 1;
    top->StartTableauToFoundationAnim(1, 1, 1, 1);
    List().UnblockCards(*top);
    ASSERT_EQ(List().lastFlipped.size(), 1u);
    EXPECT_EQ(List().lastFlipped[0], down);
    ASSERT_EQ(List().lastMadeInPlay.size(), 1u);
    EXPECT_EQ(List().lastMadeInPlay[0], up);
    EXPECT_EQ(up->inPlay, 1);
    EXPECT_EQ(far->flipCounter, 0);
    RunUntilIdle();
    EXPECT_EQ(down->faceUp, 1);
}

TEST_F(CardListTest, LockCountersCountDownAndBackUp) {
    auto locked = AddTableau(4, 300, 300, 0);
    locked->lockCounter = locked->originalLockCounter = 2;
    auto upLocked = AddTableau(4, 600, 300, 1);
    upLocked->lockCounter = upLocked->originalLockCounter = 1;
    List().ReduceLockCounters();
    EXPECT_EQ(locked->lockCounter, 1);
    EXPECT_EQ(upLocked->lockCounter, 0);
    EXPECT_EQ(upLocked->inPlay, 1);  // laid out face up: in play through RemoveLockCounter only
    EXPECT_EQ(CardHooks.regalTickTrigger, 2);
    List().ReduceLockCounters();
    EXPECT_EQ(locked->lockCounter, 0);
    EXPECT_GT(locked->flipCounter, 0);  // it turns itself up
    RunUntilIdle();
    EXPECT_EQ(locked->faceUp, 1);
    EXPECT_EQ(locked->inPlay, 1);
    EXPECT_EQ(upLocked->lockCounter, -1);
    EXPECT_EQ(CardHooks.regalTickTrigger, 3);  // the one below 0 no longer ticks

    List().RestoreLockCounters();
    EXPECT_EQ(locked->lockCounter, 1);
    EXPECT_EQ(locked->inPlay, 0);
    RunUntilIdle();
    EXPECT_EQ(locked->faceUp, 0);  // laid out face down: turned back
    EXPECT_EQ(upLocked->lockCounter, 0);
}

TEST_F(CardListTest, MissedPlaysWiggleAfterAStockDraw) {
    SetFoundation(5);
    auto miss = AddTableau(6, 200, 300);
    auto other = AddTableau(9, 400, 300);
    auto locked = AddTableau(4, 600, 300);
    locked->lockCounter = 1;
    auto key = Special(TCard::SPECIAL_KEY);
    key->x = 800;
    key->y = 300;
    List().AddLast(key);
    for (auto& c : {miss, other, locked, key}) c->inPlay = 1;
    int tips = 0;
    CardHooks.ShowUndoTip = [&] { tips++; };
    CardHooks.UndosLeft = [] { return 1; };
    Level().chapter = 2;
    List().WiggleMissedCards();
    EXPECT_GT(miss->wiggleCounter, 0);
    EXPECT_EQ(miss->wigglefast, 1);
    EXPECT_FLOAT_EQ(other->wiggleCounter, 0);
    EXPECT_FLOAT_EQ(locked->wiggleCounter, 0);
    EXPECT_GT(key->wiggleCounter, 0);
    EXPECT_EQ(tips, 1);
    Level().chapter = 3;
    List().WiggleMissedCards();
    EXPECT_EQ(tips, 1);
}

TEST_F(CardListTest, FanCardsGoLastInSlotOrder) {
    std::vector<std::shared_ptr<TCard>> fan;
    for (int slot : {3, 0, 2}) {
        auto w = TCard::CreateWildCard(slot + 1);
        w->fan = 1;
        w->fanSlot = slot;
        List().AddLast(w);
        fan.push_back(w);
    }
    auto t = AddTableau(5, 300, 300);
    List().ZOrderFanCards();
    ASSERT_EQ(List().Count(), 4);
    EXPECT_EQ(List().cards[0], t);
    EXPECT_EQ(List().cards[1]->fanSlot, 0);
    EXPECT_EQ(List().cards[2]->fanSlot, 2);
    EXPECT_EQ(List().cards[3]->fanSlot, 3);
    EXPECT_EQ(List().GetCardAtWildcardSlot(2), fan[2]);
    EXPECT_FALSE(List().GetCardAtWildcardSlot(1));
}

TEST_F(CardListTest, CentreMovesTheBoxOfCentres) {
    AddTableau(1, 100, 100);
    AddTableau(2, 301, 201);
    List().Centre();
    // Box 201 x 101: dx = 512 - 100 - 100 = 312, dy = 384 - 50 - 100 - 55 = 179.
    EXPECT_FLOAT_EQ(List().cards[0]->x, 412);
    EXPECT_FLOAT_EQ(List().cards[0]->y, 279);
    EXPECT_FLOAT_EQ(List().cards[1]->x, 613);
    EXPECT_FLOAT_EQ(List().cards[1]->y, 380);
}

TEST_F(CardListTest, GoldGoesOnCardsThatCoverNothing) {
    auto a = AddTableau(1, 300, 300);
    auto b = AddTableau(2, 320, 300);
    auto c = AddTableau(3, 800, 300);
    auto story = AddTableau(4, 100, 100);
    story->specialType = TCard::SPECIAL_STORY;
    EXPECT_EQ(List().ApplyGoldToStacks(), 20);
    EXPECT_EQ(a->goldAward, 10);
    EXPECT_EQ(b->goldAward, 0);
    EXPECT_EQ(c->goldAward, 10);
    EXPECT_EQ(story->goldAward, 0);
}

TEST_F(CardListTest, RandomFlipsTurnTheirShareOfFaceDownCards) {
    struct Case {
        std::vector<int> items;
        int flipped;
    } cases[] = {{{}, 0}, {{3}, 2}, {{4}, 4}, {{3, 6}, 3}, {{4, 6}, 5}, {{6}, 1}};
    for (const auto& k : cases) {
        List().Clear();
        for (int i = 0; i < 10; ++i) AddTableau(i + 1, 60.0f + 95 * i, 300, 0);
        auto locked = AddTableau(1, 500, 600, 0);
        locked->lockCounter = 1;
        CardHooks.ShopItemBought = [&](int i) {
            return std::find(k.items.begin(), k.items.end(), i) != k.items.end();
        };
        List().FlipUpRandomCards();
        int n = 0;
        for (const auto& c : List().cards)
            if (c->flipCounter > 0) {
                n++;
                EXPECT_EQ(c->originalFaceUp, 1);
            }
        EXPECT_EQ(n, k.flipped);
        EXPECT_FLOAT_EQ(locked->flipCounter, 0);
    }
}

TEST_F(CardListTest, RandomPlayBurnsAnUnbowedCardAndFreesItsStack) {
    SetFoundation(5);
    auto under = AddTableau(3, 300, 300, 0);
    auto c = AddTableau(4, 310, 300, 1);
    c->inPlay = 1;
    int combos = 0;
    CardHooks.IncreaseCombo = [&] { combos++; };
    auto played = List().RemoveRandomCard(0, 1);
    ASSERT_EQ(played, c);
    EXPECT_EQ(List().GetCardIndex(c.get()), -1);
    EXPECT_GT(under->flipCounter, 0);
    EXPECT_EQ(combos, 1);
    EXPECT_EQ(CardHooks.dropOffTrigger, 1);
    EXPECT_TRUE(List().lastFlipped.empty());  // the undo memory is cleared
    EXPECT_EQ(Level().topFoundationCard->value, 5);
}

TEST_F(CardListTest, StockDrawByClickOrSpaceWaitsForTheDelay) {
    SetFoundation(5);
    auto six = AddTableau(6, 300, 300);
    six->inPlay = 1;
    std::vector<std::shared_ptr<TCard>> stock;
    for (int v : {2, 3, 4}) {
        auto c = std::make_shared<TCard>();
        c->value = v;
        List().AddLast(c);
        c->PlaceOnStock(0);
        stock.push_back(c);
    }
    Level().topStockCard = List().GetTopStockCard();
    Level().topStockCard->inPlay = 1;
    int cleared = 0;
    CardHooks.ClearCombo = [&] { cleared++; };

    Game->Mouse.x = static_cast<int>(stock[2]->x);
    Game->Mouse.y = static_cast<int>(stock[2]->y);
    Game->Mouse.h1 = 1;
    Level().Manage();
    EXPECT_EQ(stock[2]->foundation, 1);
    EXPECT_EQ(cleared, 1);
    EXPECT_GT(six->wiggleCounter, 0);  // the 6 could have gone on the 5
    EXPECT_EQ(CardHooks.BlockTableauInput, 1);
    EXPECT_EQ(Level().topStockCard, stock[1]);
    EXPECT_FLOAT_EQ(CardHooks.StockPileDelay, TCard::Steps(200));

    // The space bar draws too, but not before the delay has run out.
    KeyHitCounts[platform::keys::SPACE] = 1;
    Level().Manage();
    EXPECT_EQ(stock[1]->stock, 1);
    while (CardHooks.StockPileDelay > 0 || stock[2]->moving) Level().Manage();
    EXPECT_EQ(Level().topFoundationCard, stock[2]);
    EXPECT_EQ(CardHooks.BlockTableauInput, 0);
    KeyHitCounts[platform::keys::SPACE] = 1;
    Level().Manage();
    EXPECT_EQ(stock[1]->foundation, 1);
    EXPECT_EQ(cleared, 2);
}

}  // namespace
