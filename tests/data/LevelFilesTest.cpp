// The authored hand layouts under data/levels, as the build copies them beside the game: all
// 180 are there, read cleanly, fit the screen and obey the rules of special cards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/levelgen/CardShape.h"
#include "tools/levelgen/LayoutRules.h"
#include "tools/levelgen/LevelFile.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Hand {
    int chapter;
    int hand;
    std::string path;
    LevelFile file;
};

class LevelFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        hands.clear();
        errors.clear();
        for (int c = 1; c <= LayoutRules::CHAPTERS; ++c) {
            for (int h = 1; h <= LayoutRules::HandsInChapter(c); ++h) {
                Hand hand{c, h, Folder() + "/" + LevelFile::FileName(c, h), LevelFile()};
                std::string error;
                if (LevelFile::Read(hand.path, hand.file, error)) {
                    hands.push_back(hand);
                } else {
                    errors.push_back(error);
                }
            }
        }
    }
    static std::string Folder() { return std::string(ROSEWICK_BUILD_DIR) + "/data/levels"; }

    static std::vector<Hand> hands;
    static std::vector<std::string> errors;
};

std::vector<Hand> LevelFilesTest::hands;
std::vector<std::string> LevelFilesTest::errors;

TEST_F(LevelFilesTest, EveryHandOfEveryChapterIsThereAndReads) {
    for (const std::string& e : errors) ADD_FAILURE() << e;
    EXPECT_EQ(hands.size(), 180u);
    // Nothing else in the folder: a stray file would be a hand the game never asks for.
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 180u);
}

TEST_F(LevelFilesTest, BuildCopiesTheAuthoredFiles) {
    for (const Hand& h : hands) {
        const std::string source = std::string(ROSEWICK_SOURCE_DIR) + "/data/levels/" +
                                   LevelFile::FileName(h.chapter, h.hand);
        EXPECT_EQ(Slurp(h.path), Slurp(source)) << h.path << " differs from " << source;
    }
}

TEST_F(LevelFilesTest, CentresLieWhereTheGameKeepsTableauCards) {
    for (const Hand& h : hands) {
        for (const LayoutCard& c : h.file.cards) {
            EXPECT_TRUE(c.x >= 0 && c.x < 1024 && c.y >= 64 && c.y < 768 - 135)
                << h.path << ":" << c.line << ": centre " << c.x << "," << c.y;
        }
    }
}

TEST_F(LevelFilesTest, OrdinaryCardsLeaveAStock) {
    for (const Hand& h : hands) {
        const int n = h.file.CountOrdinary();
        EXPECT_GE(n, 10) << h.path;
        EXPECT_LE(n, 36) << h.path;
        EXPECT_EQ(h.file.blankLines, 0) << h.path;
    }
}

TEST_F(LevelFilesTest, HandsGrowHarderOverTheChapters) {
    double cards[2] = {0, 0}, faceDown[2] = {0, 0};
    int count[2] = {0, 0};
    for (const Hand& h : hands) {
        const int band = h.chapter <= 5 ? 0 : (h.chapter >= 16 ? 1 : -1);
        if (band < 0) continue;
        int down = 0;
        for (const LayoutCard& c : h.file.cards) down += c.faceUp ? 0 : 1;
        cards[band] += h.file.cards.size();
        faceDown[band] += static_cast<double>(down) / h.file.cards.size();
        ++count[band];
    }
    EXPECT_GT(cards[1] / count[1], cards[0] / count[0] + 6);
    EXPECT_GT(faceDown[1] / count[1], faceDown[0] / count[0] + 0.2);
}

TEST_F(LevelFilesTest, EveryLockHasAKeyInItsHand) {
    for (const Hand& h : hands) {
        const int locks = h.file.CountSpecial(LayoutCard::LOCK);
        EXPECT_GE(h.file.CountSpecial(LayoutCard::KEY), locks) << h.path;
        EXPECT_TRUE(LayoutRules::Clearable(h.file)) << h.path << ": a lock shuts in its key";
    }
}

TEST_F(LevelFilesTest, LockCountersAreInRangeAndClearableByMostDeals) {
    for (const Hand& h : hands) {
        for (const LayoutCard& c : h.file.cards) {
            EXPECT_TRUE(c.lockCounter >= 0 && c.lockCounter <= 9) << h.path << ":" << c.line;
            EXPECT_FALSE(c.lockCounter > 0 && c.IsSpecial()) << h.path << ":" << c.line;
        }
        EXPECT_GE(LayoutRules::LockCounterPassRate(h.file, h.chapter, 300, 1234), 0.1) << h.path;
    }
}

TEST_F(LevelFilesTest, EachStoryChapterHidesItsOwnItemOnce) {
    const int chapters[10] = {1, 2, 4, 7, 8, 9, 12, 14, 16, 19};
    std::vector<int> found(LayoutRules::CHAPTERS + 1, 0);
    for (const Hand& h : hands) {
        for (const LayoutCard& c : h.file.cards) {
            if (c.special != LayoutCard::STORY) continue;
            ++found[h.chapter];
            EXPECT_TRUE(c.value >= 1 && c.value <= 10) << h.path << ":" << c.line;
            EXPECT_EQ(chapters[c.value - 1], h.chapter) << h.path << ": story item " << c.value;
        }
    }
    for (int c = 1; c <= LayoutRules::CHAPTERS; ++c) {
        const bool story = LayoutRules::StoryItemOfChapter(c) > 0;
        EXPECT_EQ(found[c], story ? 1 : 0) << "chapter " << c;
    }
}

// Each kind first appears in the hand that brings it in, and never before.
TEST_F(LevelFilesTest, SpecialCardsStartInTheirOwnChapter) {
    struct Case {
        const char* what;
        int chapter, hand;
        bool (*has)(const LayoutCard&);
    };
    const Case cases[] = {
        {"lock counter", 3, 3, [](const LayoutCard& c) { return c.lockCounter > 0; }},
        {"bow", 4, 1, [](const LayoutCard& c) { return c.bow == 1; }},
        {"key", 5, 1, [](const LayoutCard& c) { return c.special == LayoutCard::KEY; }},
        {"lock", 5, 1, [](const LayoutCard& c) { return c.special == LayoutCard::LOCK; }},
        {"event card", 8, 1, [](const LayoutCard& c) { return c.special == LayoutCard::EVENT; }},
    };
    for (const Case& k : cases) {
        int firstChapter = 0, firstHand = 0;
        for (const Hand& h : hands) {
            bool has = false;
            for (const LayoutCard& c : h.file.cards) has = has || k.has(c);
            if (has && firstChapter == 0) {
                firstChapter = h.chapter;
                firstHand = h.hand;
            }
        }
        EXPECT_EQ(firstChapter, k.chapter) << k.what;
        EXPECT_EQ(firstHand, k.hand) << k.what;
    }
}

TEST_F(LevelFilesTest, TutorialHandsOfferTheCardsTheirTipsPointAt) {
    const auto cover = [](const LevelFile& f) { return LayoutRules::Coverers(f); };
    for (const Hand& h : hands) {
        if (h.chapter == 1 && h.hand == 1) {
            EXPECT_GE(LayoutRules::CountFree(h.file), 5);
        }
        if (h.chapter == 3 && h.hand == 3) {
            const LayoutCard& first = h.file.cards.front();
            EXPECT_FALSE(first.IsSpecial() || first.bow || first.lockCounter);
            EXPECT_TRUE(cover(h.file)[0].empty()) << "the first card of 3-3 must be free";
        }
        if (h.chapter == 4 && h.hand == 1) {
            EXPECT_FALSE(h.file.cards.back().IsSpecial());
        }
    }
}

TEST_F(LevelFilesTest, EveryHandPassesTheLayoutRules) {
    for (const Hand& h : hands) {
        for (const std::string& p : LayoutRules::Check(h.file, h.chapter, h.hand, h.path)) {
            ADD_FAILURE() << p;
        }
    }
}

// The reader itself: a broken line is refused with the file and line named.
TEST(LevelFileReader, BrokenLinesNameFileAndLine) {
    struct Case {
        const char* line;
        const char* says;
    };
    const Case cases[] = {
        {"512,300", "at least x, y and face"},
        {"512,abc,1", "field 2 (y) is not an integer"},
        {"512,300,2", "face must be 0 or 1"},
        {"512,300,1,0,3,0", "bow must be 0 or 1"},
        {"512,300,1,0,0,10", "lock counter must be 0 to 9"},
        {"512,300,1,0,0,0,0,sp5", "special must be sp1"},
        {"512,300,1,0,0,0,0,sp1,7", "at most 8"},
        {"512,300,1,,0,0", "field 4 (rotation) is not an integer"},
        {"512, 300,1", "field 2 (y)"},
    };
    for (const Case& k : cases) {
        LevelFile file;
        std::string error;
        const std::string text = std::string("100,200,1,0,0,0\n") + k.line + "\n";
        EXPECT_FALSE(LevelFile::Parse(text, "9-9.txt", file, error)) << k.line;
        EXPECT_EQ(error.rfind("9-9.txt:2: ", 0), 0u) << error;
        EXPECT_NE(error.find(k.says), std::string::npos) << error;
    }
}

TEST(LevelFileReader, ReadsEveryFieldAndWritesItBack) {
    const std::string text =
        "512,300,1,0,0,0\n400,260,0,-15,1,0\n600,250,1,0,0,0,0,sp1\n300,200,1,0,0,0,3,sp4\n"
        "10,20,1,0,0,0,0,sp2\n700,310,1,8,0,4\r\n";
    LevelFile file;
    std::string error;
    ASSERT_TRUE(LevelFile::Parse(text, "t.txt", file, error)) << error;
    ASSERT_EQ(file.cards.size(), 6u);
    EXPECT_EQ(file.cards[1].faceUp, 0);
    EXPECT_EQ(file.cards[1].rotation, -15);
    EXPECT_EQ(file.cards[1].bow, 1);
    EXPECT_EQ(file.cards[2].special, LayoutCard::KEY);
    EXPECT_EQ(file.cards[3].special, LayoutCard::STORY);
    EXPECT_EQ(file.cards[3].value, 3);
    EXPECT_EQ(file.cards[4].special, LayoutCard::LOCK);
    EXPECT_EQ(file.cards[5].lockCounter, 4);
    EXPECT_EQ(file.cards[5].line, 6);
    EXPECT_EQ(file.CountOrdinary(), 3);
    std::string expected = text;
    expected.erase(expected.find('\r'), 1);
    EXPECT_EQ(file.Write(), expected);
}

TEST(LevelFileReader, ThreeFieldLinesTakeDefaults) {
    LevelFile file;
    std::string error;
    ASSERT_TRUE(LevelFile::Parse("512,300,1\n\n", "t.txt", file, error)) << error;
    ASSERT_EQ(file.cards.size(), 1u);
    EXPECT_EQ(file.cards[0].rotation, 0);
    EXPECT_EQ(file.cards[0].special, 0);
    EXPECT_EQ(file.blankLines, 1);
}

LayoutCard At(int x, int y, int rotation = 0) {
    LayoutCard c;
    c.x = x;
    c.y = y;
    c.rotation = rotation;
    return c;
}

TEST(CardFootprint, OverlapFollowsTheTurnedRectangles) {
    struct Case {
        LayoutCard a, b;
        bool overlap;
    };
    const Case cases[] = {
        {At(100, 100), At(180, 100), true},   // 6 pixels of overlap side by side
        {At(100, 100), At(192, 100), false},  // 6 pixels apart
        {At(100, 100), At(100, 100), true},   // one on the other
        {At(100, 100), At(100, 225), true},   // 3 pixels of overlap, one above the other
        {At(100, 100), At(100, 234), false},
        {At(100, 100), At(192, 100, 30), true},   // the tilt swings a corner in
        {At(100, 100), At(230, 230, 45), false},  // corner to corner, still apart
    };
    for (const Case& k : cases) {
        EXPECT_EQ(CardShape::Overlap(k.a, k.b), k.overlap)
            << k.b.x << "," << k.b.y << " turned " << k.b.rotation;
        EXPECT_EQ(CardShape::Overlap(k.b, k.a), k.overlap);
    }
}

// A lock counter of 3 over free court cards: two Kings and a bowed Queen make 4.
TEST(LockCounterCheck, CountsReachableCourtCards) {
    LevelFile file;
    file.cards = {At(100, 150), At(200, 150), At(300, 150), At(600, 150), At(600, 190)};
    file.cards[2].bow = 1;
    file.cards[4].lockCounter = 3;
    std::vector<int> values = {13, 13, 12, 5, 2};
    EXPECT_TRUE(LayoutRules::LockCountersBeatable(file, values));

    // The Queen without its bow gives only 3, still enough; with the third court card
    // shut under the locked card it is not.
    file.cards[2].bow = 0;
    EXPECT_TRUE(LayoutRules::LockCountersBeatable(file, values));
    values = {13, 13, 4, 12, 2};
    EXPECT_FALSE(LayoutRules::LockCountersBeatable(file, values));
}

TEST(LockCounterCheck, AKeyWithoutLocksIsThrownAway) {
    LevelFile file;
    file.cards = {At(100, 150), At(300, 150), At(600, 150)};
    file.cards[0].special = LayoutCard::KEY;
    file.cards[2].lockCounter = 1;
    EXPECT_TRUE(LayoutRules::LockCountersBeatable(file, {0, 11, 3}));
    EXPECT_FALSE(LayoutRules::LockCountersBeatable(file, {0, 10, 3}));
}

TEST(ClearingCheck, AKeyMustComeFreeWhileALockIsFree) {
    struct Case {
        int kinds[3];  // cards at 300,150 / 300,180 (covering the first) / 600,150
        bool clearable;
    };
    const Case cases[] = {
        {{0, LayoutCard::LOCK, LayoutCard::KEY}, true},   // key elsewhere opens the lock
        {{LayoutCard::KEY, LayoutCard::LOCK, 0}, false},  // the lock shuts in its key
        {{LayoutCard::LOCK, LayoutCard::KEY, 0}, false},  // the key lies on its only lock
        {{LayoutCard::KEY, 0, 0}, true},                  // a key with no lock is thrown away
    };
    for (const Case& k : cases) {
        LevelFile file;
        file.cards = {At(300, 150), At(300, 180), At(600, 150)};
        for (int i = 0; i < 3; ++i) file.cards[i].special = k.kinds[i];
        EXPECT_EQ(LayoutRules::Clearable(file), k.clearable)
            << k.kinds[0] << "," << k.kinds[1] << "," << k.kinds[2];
    }
}

}  // namespace
