#include "LayoutRules.h"

#include <algorithm>

#include "CardShape.h"
#include "LayoutRandom.h"

namespace {

bool IsCourt(int value) {
    return value >= 11 && value <= 13;
}

std::string Where(const std::string& name, const LayoutCard& c) {
    return name + (c.line > 0 ? ":" + std::to_string(c.line) : "") + ": ";
}

// Simulation state of one card in the lock-counter check.
struct SimCard {
    int index;
    int kind;  // 0 ordinary, -1 wildcard, else the special kind
    int value;
    int bow;
    int lockCounter;
};

}  // namespace

int LayoutRules::HandsInChapter(int chapter) {
    if (chapter < 1 || chapter > CHAPTERS) return 0;
    if (chapter == 1) return 2;
    if (chapter == 2) return 3;
    if (chapter == 3) return 5;
    return 10;
}

int LayoutRules::StoryItemOfChapter(int chapter) {
    static const int chapters[10] = {1, 2, 4, 7, 8, 9, 12, 14, 16, 19};
    for (int i = 0; i < 10; ++i) {
        if (chapters[i] == chapter) return i + 1;
    }
    return 0;
}

int LayoutRules::StoryHandOfChapter(int chapter) {
    // Away from the tutorial hands and the hands that announce a found shop item.
    switch (chapter) {
        case 1:
            return 2;
        case 2:
            return 2;
        case 4:
            return 6;
        case 7:
            return 4;
        case 8:
            return 7;
        case 9:
            return 3;
        case 12:
            return 5;
        case 14:
            return 8;
        case 16:
            return 4;
        case 19:
            return 6;
        default:
            return 0;
    }
}

bool LayoutRules::Allows(Feature feature, int chapter, int hand) {
    switch (feature) {
        case LOCK_COUNTER:
            return chapter > 3 || (chapter == 3 && hand >= 3);
        case BOW:
            return chapter >= 4;
        case KEY_AND_LOCK:
            return chapter >= 5;
        case EVENT_CARD:
            return chapter >= 8;
    }
    return false;
}

std::vector<std::vector<int>> LayoutRules::Coverers(const LevelFile& file) {
    const int n = static_cast<int>(file.cards.size());
    std::vector<std::vector<int>> out(n);
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (CardShape::Overlap(file.cards[i], file.cards[j])) out[i].push_back(j);
        }
    }
    return out;
}

int LayoutRules::CountFree(const LevelFile& file) {
    int n = 0;
    for (const auto& c : Coverers(file)) n += c.empty() ? 1 : 0;
    return n;
}

bool LayoutRules::Clearable(const LevelFile& file) {
    const auto cover = Coverers(file);
    const int n = static_cast<int>(file.cards.size());
    std::vector<bool> gone(n, false);
    auto isFree = [&](int i) {
        for (int j : cover[i]) {
            if (!gone[j]) return false;
        }
        return true;
    };
    int left = n;
    bool progress = true;
    while (left > 0 && progress) {
        progress = false;
        for (int i = n - 1; i >= 0; --i) {
            if (gone[i] || !isFree(i)) continue;
            const int kind = file.cards[i].special;
            if (kind == LayoutCard::LOCK) continue;  // only a key opens it
            if (kind == LayoutCard::KEY) {
                int freeLock = -1, locks = 0;
                for (int k = 0; k < n; ++k) {
                    if (gone[k] || file.cards[k].special != LayoutCard::LOCK) continue;
                    ++locks;
                    if (freeLock < 0 && isFree(k)) freeLock = k;
                }
                if (locks > 0 && freeLock < 0) continue;  // wait for a lock to come free
                if (freeLock >= 0) {
                    gone[freeLock] = true;
                    --left;
                }
            }
            gone[i] = true;
            --left;
            progress = true;
        }
    }
    return left == 0;
}

bool LayoutRules::LockCountersBeatable(const LevelFile& file, const std::vector<int>& values) {
    const int n = static_cast<int>(file.cards.size());
    std::vector<SimCard> s;
    int regal = 0;
    for (int i = 0; i < n; ++i) {
        const LayoutCard& c = file.cards[i];
        const int kind = c.special != 0 ? c.special : (values[i] < 0 ? -1 : 0);
        s.push_back({i, kind, values[i], c.bow, c.lockCounter});
        regal += c.lockCounter > 0 ? 1 : 0;
    }
    if (regal == 0) return true;
    const auto cover = Coverers(file);
    std::vector<bool> inS(n, true);
    auto unblocked = [&](int i) {
        if (s[i].lockCounter > 0) return false;
        for (int j : cover[i]) {
            if (inS[j]) return false;
        }
        return true;
    };
    std::vector<int> locks;
    for (int i = 0; i < n; ++i) {
        if (s[i].kind == LayoutCard::LOCK) locks.push_back(i);
    }
    auto countUnblockedLocks = [&]() {
        int k = 0;
        for (int i : locks) k += unblocked(i) ? 1 : 0;
        return k;
    };
    int playableLocks = countUnblockedLocks();
    int sum = 0;
    while (regal > 0) {
        int left = n;
        for (int i = 0; i < n; ++i) left -= inS[i] ? 0 : 1;
        for (;;) {
            int removed = 0;
            for (int i = 0; i < n; ++i) {
                if (!inS[i] || !unblocked(i) || s[i].lockCounter != 0) continue;
                const int kind = s[i].kind;
                if (kind == 0 || kind == -1 || kind == LayoutCard::EVENT) {
                    inS[i] = false;
                    ++removed;
                    if (kind == 0 && IsCourt(s[i].value)) sum += s[i].bow ? 2 : 1;
                } else if (kind == LayoutCard::KEY) {
                    if (playableLocks < 1 && !locks.empty()) continue;
                    if (playableLocks >= 1) {
                        for (size_t k = 0; k < locks.size(); ++k) {
                            if (unblocked(locks[k])) {
                                inS[locks[k]] = false;
                                locks.erase(locks.begin() + static_cast<long>(k));
                                ++removed;
                                break;
                            }
                        }
                        --playableLocks;
                    }
                    inS[i] = false;
                    ++removed;
                }
            }
            left -= removed;
            if (removed > 0 && !locks.empty()) playableLocks = countUnblockedLocks();
            if (removed == 0 || left == 0) break;
        }
        int freed = 0;
        for (int i = 0; i < n; ++i) {
            if (s[i].lockCounter > 0 && s[i].lockCounter <= sum) {
                s[i].lockCounter = 0;
                ++freed;
                --regal;
            }
        }
        if (freed == 0) return false;
    }
    return true;
}

double LayoutRules::LockCounterPassRate(const LevelFile& file, int chapter, int trials,
                                        uint64_t seed) {
    bool anyCounter = false;
    for (const LayoutCard& c : file.cards) anyCounter = anyCounter || c.lockCounter > 0;
    if (!anyCounter || trials <= 0) return 1.0;
    LayoutRandom random(seed);
    int passed = 0;
    for (int t = 0; t < trials; ++t) {
        std::vector<int> pack;
        for (int suit = 0; suit < 4; ++suit) {
            for (int v = 1; v <= 13; ++v) pack.push_back(v);
        }
        // Wildcards and jokers shuffled in, about as often as a deal adds them.
        if (chapter >= 2) {
            const int r = random.Int(0, 10000);
            if (r <= 1000) {
                pack.push_back(-1);
                pack.push_back(-1);
            } else if (r <= 4000) {
                pack.push_back(-1);
            }
            if (random.Int(0, 10000) < 2000) pack.push_back(-1);
        }
        for (size_t i = pack.size(); i > 1; --i) {
            std::swap(pack[i - 1],
                      pack[static_cast<size_t>(random.Int(0, static_cast<int>(i) - 1))]);
        }
        std::vector<int> values;
        size_t next = 0;
        bool bowedWild = false;
        for (const LayoutCard& c : file.cards) {
            if (c.IsSpecial() || next >= pack.size()) {
                values.push_back(0);
                continue;
            }
            values.push_back(pack[next++]);
            bowedWild = bowedWild || (values.back() < 0 && c.bow);
        }
        if (!bowedWild && LockCountersBeatable(file, values)) ++passed;
    }
    return static_cast<double>(passed) / trials;
}

std::vector<std::string> LayoutRules::Check(const LevelFile& file, int chapter, int hand,
                                            const std::string& name) {
    std::vector<std::string> problems;
    auto add = [&](const std::string& p) { problems.push_back(p); };
    if (file.blankLines > 0) add(name + ": has blank lines");
    const int ordinary = file.CountOrdinary();
    if (ordinary < MIN_ORDINARY || ordinary > MAX_ORDINARY) {
        add(name + ": " + std::to_string(ordinary) + " ordinary cards, want " +
            std::to_string(MIN_ORDINARY) + " to " + std::to_string(MAX_ORDINARY));
    }
    const int story = StoryItemOfChapter(chapter);
    const bool storyHand = story > 0 && StoryHandOfChapter(chapter) == hand;
    if (file.CountSpecial(LayoutCard::STORY) != (storyHand ? 1 : 0)) {
        add(name + ": wants " + std::to_string(storyHand ? 1 : 0) + " story item(s), has " +
            std::to_string(file.CountSpecial(LayoutCard::STORY)));
    }
    const int keys = file.CountSpecial(LayoutCard::KEY);
    const int locks = file.CountSpecial(LayoutCard::LOCK);
    if (locks > keys)
        add(name + ": " + std::to_string(locks) + " locks but only " + std::to_string(keys) +
            " keys");
    if (keys > locks) add(name + ": a key without a lock to open");

    const auto cover = Coverers(file);
    for (size_t i = 0; i < file.cards.size(); ++i) {
        const LayoutCard& c = file.cards[i];
        const std::string at = Where(name, c);
        if (c.x < 0 || c.x >= SCREEN_W || c.y < MIN_Y || c.y >= MAX_Y) {
            add(at + "centre " + std::to_string(c.x) + "," + std::to_string(c.y) + " off screen");
        }
        double l, t, r, b;
        CardShape::Of(c).Bounds(l, t, r, b);
        if (c.special != LayoutCard::STORY &&
            (l < AREA_LEFT || r > AREA_RIGHT || t < AREA_TOP || b > AREA_BOTTOM)) {
            add(at + "card reaches outside the play area");
        }
        if (c.rotation < -90 || c.rotation > 90) add(at + "turned more than 90 degrees");
        if (c.lockCounter > 0 && c.IsSpecial()) add(at + "lock counter on a special card");
        if (c.lockCounter > 0 && !Allows(LOCK_COUNTER, chapter, hand))
            add(at + "lock counter before its chapter");
        if (c.bow && c.IsSpecial()) add(at + "bow on a special card");
        if (c.bow && !Allows(BOW, chapter, hand)) add(at + "bow before its chapter");
        if ((c.special == LayoutCard::KEY || c.special == LayoutCard::LOCK) &&
            !Allows(KEY_AND_LOCK, chapter, hand)) {
            add(at + "key or lock before its chapter");
        }
        if (c.special == LayoutCard::EVENT && !Allows(EVENT_CARD, chapter, hand))
            add(at + "event card before its chapter");
        if (c.special == LayoutCard::STORY) {
            if (c.value != story)
                add(at + "story item " + std::to_string(c.value) + ", chapter hides " +
                    std::to_string(story));
            if (cover[i].empty()) add(at + "story item lies in the open");
            for (size_t k = 0; k < i; ++k) {
                if (CardShape::Overlap(file.cards[k], c))
                    add(at + "story item covers another card");
            }
        } else if (c.IsSpecial() && c.value != 0) {
            add(at + "value on a key, lock or event card");
        } else if (!c.IsSpecial() && c.value != 0) {
            add(at + "fixed value on an ordinary card");
        }
        if (cover[i].empty() && !c.faceUp) add(at + "free card laid face down");
        for (size_t k = i + 1; k < file.cards.size(); ++k) {
            if (CardShape::Borderline(c, file.cards[k])) {
                add(at + "only touches line " + std::to_string(file.cards[k].line) +
                    ": covering unclear");
            }
        }
    }
    if (CountFree(file) < MIN_FREE_AT_START)
        add(name + ": fewer than " + std::to_string(MIN_FREE_AT_START) +
            " free cards at the start");
    if (!Clearable(file)) add(name + ": the table cannot be cleared (a lock shuts in its key?)");
    const double rate = LockCounterPassRate(file, chapter, 400, 0x5EED0000u + chapter * 16 + hand);
    if (rate < MIN_LOCK_PASS_RATE)
        add(name + ": lock counters clearable in only " + std::to_string(int(rate * 100)) +
            "% of deals");

    // Tutorial hands: the tips point at the first card (3-3) and the last card (4-1).
    if (chapter == 3 && hand == 3 && !file.cards.empty()) {
        const LayoutCard& first = file.cards.front();
        if (first.IsSpecial() || first.bow || first.lockCounter || !cover[0].empty() ||
            first.x < 140) {
            add(name + ": the first card must be a free plain card with room for the arrow");
        }
    }
    if (chapter == 4 && hand == 1 && !file.cards.empty() && file.cards.back().IsSpecial()) {
        add(name + ": the last card must be an ordinary card");
    }
    return problems;
}
