#include "LevelDesigner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "CardShape.h"
#include "LayoutRules.h"
#include "ShapeLibrary.h"

namespace {

constexpr int kCentreX = LayoutRules::SCREEN_W / 2;
constexpr int kCentreY = (LayoutRules::AREA_TOP + LayoutRules::AREA_BOTTOM) / 2;

// The mirror image of card i about the screen's middle, or -1.
int TwinOf(const LevelFile& file, size_t i) {
    const LayoutCard& c = file.cards[i];
    for (size_t j = 0; j < file.cards.size(); ++j) {
        const LayoutCard& d = file.cards[j];
        if (j != i && d.x == LayoutRules::SCREEN_W - c.x && d.y == c.y &&
            d.rotation == -c.rotation) {
            return static_cast<int>(j);
        }
    }
    return -1;
}

bool AnyBorderline(const LevelFile& file) {
    for (size_t i = 0; i < file.cards.size(); ++i) {
        for (size_t j = i + 1; j < file.cards.size(); ++j) {
            if (CardShape::Borderline(file.cards[i], file.cards[j])) return true;
        }
    }
    return false;
}

bool InArea(const LayoutCard& c) {
    double l, t, r, b;
    CardShape::Of(c).Bounds(l, t, r, b);
    return l >= LayoutRules::AREA_LEFT + 2 && r <= LayoutRules::AREA_RIGHT - 2 &&
           t >= LayoutRules::AREA_TOP + 2 && b <= LayoutRules::AREA_BOTTOM - 2;
}

// A card here would touch nothing already laid (with a little air between).
bool Clear(const LevelFile& file, const LayoutCard& c) {
    for (const LayoutCard& d : file.cards) {
        if (CardShape::Overlap(c, d, 5.0)) return false;
    }
    return true;
}

bool Plain(const LayoutCard& c) {
    return !c.IsSpecial() && !c.bow && c.lockCounter == 0;
}

// Marks card i and its mirror image (when there is one and it is still plain).
template <typename F>
int ApplyToPair(LevelFile& file, size_t i, F change) {
    int n = 1;
    change(file.cards[i]);
    const int twin = TwinOf(file, i);
    if (twin >= 0 && Plain(file.cards[twin])) {
        change(file.cards[twin]);
        ++n;
    }
    return n;
}

}  // namespace

bool LevelDesigner::SeparateTouchingCards(LevelFile& file) {
    const size_t n = file.cards.size();
    std::vector<int> twin(n);
    for (size_t i = 0; i < n; ++i) twin[i] = TwinOf(file, i);
    for (int round = 0; round < 40; ++round) {
        bool moved = false;
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = i + 1; j < n; ++j) {
                if (!CardShape::Borderline(file.cards[i], file.cards[j])) continue;
                // Push the upper card a few pixels away, and its mirror image with it.
                LayoutCard& c = file.cards[j];
                double dx = c.x - file.cards[i].x, dy = c.y - file.cards[i].y;
                const double len = std::hypot(dx, dy);
                if (len < 1e-9) {
                    dx = 0;
                    dy = 1;
                } else {
                    dx /= len;
                    dy /= len;
                }
                int mx = static_cast<int>(std::lround(dx * 3));
                int my = static_cast<int>(std::lround(dy * 3));
                if (twin[j] < 0 && c.x == kCentreX) mx = 0;
                if (mx == 0 && my == 0) my = 3;
                c.x += mx;
                c.y += my;
                if (twin[j] >= 0 && static_cast<size_t>(twin[j]) != j) {
                    file.cards[twin[j]].x -= mx;
                    file.cards[twin[j]].y += my;
                }
                moved = true;
            }
        }
        if (!moved) break;
    }
    for (const LayoutCard& c : file.cards) {
        if (!InArea(c)) return false;
    }
    return !AnyBorderline(file);
}

int LevelDesigner::TargetCards(int chapter, int hand, LayoutRandom& random) {
    if (chapter == 1) return hand == 1 ? 11 : 14;
    if (chapter == 2) return 14 + hand;
    if (chapter == 3) return 16 + hand;
    const int t = static_cast<int>(std::lround(18 + (chapter - 4) * 0.95 + (hand - 1) * 0.3)) +
                  random.Int(-1, 1);
    return std::min(t, 38);
}

double LevelDesigner::FaceDownShare(int chapter, int hand) {
    if (chapter == 1) return hand == 1 ? 0.0 : 0.2;
    if (chapter == 2) return 0.25;
    return std::min(0.85, 0.28 + (chapter - 3) * 0.03 + hand * 0.005);
}

int LevelDesigner::PickShape(int chapter, int hand, int attempt) const {
    using S = ShapeLibrary;
    std::vector<int> shapes;
    if (chapter == 1) {
        shapes = {S::PEAKS, S::TERRACES, S::PYRAMID};
    } else if (chapter <= 3) {
        shapes = {S::PEAKS,   S::HEART, S::RING,  S::BUTTERFLY, S::TERRACES,
                  S::DIAMOND, S::ARCH,  S::WINGS, S::PYRAMID};
    } else {
        for (int k = 0; k < S::KIND_COUNT; ++k) shapes.push_back(k);
    }
    if (chapter == 1 && hand == 1) return S::PEAKS;
    const int n = static_cast<int>(shapes.size());
    int index = (chapter * 5 + hand * 3 + attempt) % n;
    if (shapes[index] == lastKind) index = (index + 1) % n;
    return shapes[index];
}

LevelFile LevelDesigner::Design(int chapter, int hand, std::string& summary) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        LayoutRandom random(seed ^ (static_cast<uint64_t>(chapter) << 40) ^
                            (static_cast<uint64_t>(hand) << 24) ^ static_cast<uint64_t>(attempt));
        const int kind = PickShape(chapter, hand, attempt);
        LevelFile file;
        const std::string name = LevelFile::FileName(chapter, hand);
        if (!Build(chapter, hand, kind, random, file)) {
            if (std::getenv("LEVELGEN_DEBUG")) {
                std::fprintf(stderr, "%s: %s did not fit\n", name.c_str(),
                             ShapeLibrary::Name(kind));
            }
            continue;
        }
        const std::vector<std::string> problems = LayoutRules::Check(file, chapter, hand, name);
        if (!problems.empty()) {
            if (std::getenv("LEVELGEN_DEBUG")) {
                std::fprintf(stderr, "%s: %s: %s\n", name.c_str(), ShapeLibrary::Name(kind),
                             problems.front().c_str());
            }
            continue;
        }
        lastKind = kind;
        summary = std::string(ShapeLibrary::Name(kind)) + ", " + std::to_string(file.cards.size()) +
                  " cards, " + std::to_string(LayoutRules::CountFree(file)) + " free, attempt " +
                  std::to_string(attempt);
        return file;
    }
    summary = "no layout found";
    return LevelFile();
}

bool LevelDesigner::Build(int chapter, int hand, int kind, LayoutRandom& random,
                          LevelFile& out) const {
    const int target = TargetCards(chapter, hand, random);
    // Deeper stacks later on: cards hidden right under others.
    int groups = 0, depth = 1;
    if (chapter >= 4) groups = std::min(5, (chapter - 2) / 3 + random.Int(0, 1));
    if (chapter >= 11 && random.Chance(0.5)) depth = 2;
    const int underExpected = groups * 2 * depth;

    int bestSize = 0, bestError = 1 << 20;
    for (int s = 0; s < ShapeLibrary::SizeSteps(kind); ++s) {
        LayoutRandom probe = random;
        const int count =
            static_cast<int>(ShapeLibrary::Make(kind, s, probe).size()) + underExpected;
        const int error = std::abs(count - target) + (count > target + 3 ? 10 : 0);
        if (error < bestError) {
            bestError = error;
            bestSize = s;
        }
    }
    std::vector<LayoutSlot> slots = ShapeLibrary::Make(kind, bestSize, random);
    const int have = static_cast<int>(slots.size()) + underExpected;
    if (have < target - 2) AddAccents(slots, target - have);
    AddUnderCards(slots, groups, depth, random);
    // A hand-laid look: now and then the whole shape leans a little, mirrored.
    if (chapter >= 6 && random.Chance(0.3)) {
        const double lean = random.Int(2, 4);
        for (LayoutSlot& s : slots) s.rotation += s.x > 0.5 ? lean : (s.x < -0.5 ? -lean : 0);
    }
    const bool debug = std::getenv("LEVELGEN_DEBUG") != nullptr;
    // A story item wants a close-knit layout to hide under.
    const bool storyHand = LayoutRules::StoryItemOfChapter(chapter) > 0 &&
                           LayoutRules::StoryHandOfChapter(chapter) == hand;
    if (!FitToArea(slots, !storyHand)) {
        if (debug) std::fprintf(stderr, "fit ");
        return false;
    }
    std::stable_sort(slots.begin(), slots.end(),
                     [](const LayoutSlot& a, const LayoutSlot& b) { return a.key < b.key; });

    static const double scales[] = {1.0, 0.985, 1.015, 0.97};
    bool laid = false;
    for (double scale : scales) {
        if (ToCards(slots, scale, out) && SeparateTouchingCards(out)) {
            laid = true;
            break;
        }
    }
    if (!laid) {
        if (debug) std::fprintf(stderr, "touching ");
        return false;
    }
    ChooseFaces(out, FaceDownShare(chapter, hand), random);
    if (!PlaceTutorialCards(out, chapter, hand)) {
        if (debug) std::fprintf(stderr, "tutorial ");
        return false;
    }
    if (!PlaceSpecials(out, chapter, hand, random)) {
        if (debug) std::fprintf(stderr, "specials ");
        return false;
    }
    if (chapter == 1 && hand == 1 && LayoutRules::CountFree(out) < 5) return false;
    return true;
}

void LevelDesigner::AddAccents(std::vector<LayoutSlot>& slots, int wanted) {
    double right = 0;
    for (const LayoutSlot& s : slots) right = std::max(right, std::fabs(s.x) + 64);
    // Side columns, as far out as the screen allows.
    double x = right + 43 + 14;
    while (wanted > 0 && x <= 458) {
        const int m = std::min(4, std::max(1, wanted / 2));
        for (int i = 0; i < m; ++i) {
            slots.push_back({-x, -120 + i * 36.0, 0, 0.01 * i});
            slots.push_back({x, -120 + i * 36.0, 0, 0.01 * i});
        }
        wanted -= 2 * m;
        x += 100;
    }
}

void LevelDesigner::AddUnderCards(std::vector<LayoutSlot>& slots, int groups, int depth,
                                  LayoutRandom& random) {
    std::vector<size_t> candidates;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].x >= -0.5) candidates.push_back(i);
    }
    // Prefer the top of the shape: a hidden card under a card that is free at the start.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](size_t a, size_t b) { return slots[a].key > slots[b].key; });
    size_t pool = std::min(candidates.size(), static_cast<size_t>(groups * 3 + 2));
    std::vector<LayoutSlot> added;
    auto taken = [&](const LayoutSlot& u) {
        for (const LayoutSlot& s : slots) {
            if (std::fabs(s.x - u.x) < 10 && std::fabs(s.y - u.y) < 10) return true;
        }
        for (const LayoutSlot& s : added) {
            if (std::fabs(s.x - u.x) < 10 && std::fabs(s.y - u.y) < 10) return true;
        }
        return false;
    };
    for (int g = 0; g < groups && pool > 0; ++g) {
        // Each owner once: a card hides at most a short pile.
        const size_t pick = static_cast<size_t>(random.Int(0, static_cast<int>(pool) - 1));
        const LayoutSlot owner = slots[candidates[pick]];
        candidates.erase(candidates.begin() + static_cast<long>(pick));
        --pool;
        for (int d = 1; d <= depth; ++d) {
            const double dy = -24.0 * d;
            const double dx = (d % 2 == 0 ? 6.0 : -6.0);
            LayoutSlot u{owner.x + (owner.x > 0.5 ? dx : 0), owner.y + dy, owner.rotation,
                         -10.0 - d};
            if (taken(u)) break;
            if (std::fabs(owner.x) < 0.5) {
                added.push_back(u);
            } else {
                added.push_back({-u.x, u.y, -u.rotation, u.key});
                added.push_back(u);
            }
        }
    }
    slots.insert(slots.end(), added.begin(), added.end());
}

// A small shape is opened out (to a quarter more) so it does not huddle in the middle.
bool LevelDesigner::Spread(std::vector<LayoutSlot>& slots, double areaW, double areaH) {
    auto extent = [&](double f, double& w, double& h) {
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        for (const LayoutSlot& s : slots) {
            LayoutCard c;
            c.x = static_cast<int>(std::lround(s.x * f));
            c.y = static_cast<int>(std::lround(s.y * f));
            c.rotation = static_cast<int>(std::lround(s.rotation));
            double cl, ct, cr, cb;
            CardShape::Of(c).Bounds(cl, ct, cr, cb);
            l = std::min(l, cl);
            t = std::min(t, ct);
            r = std::max(r, cr);
            b = std::max(b, cb);
        }
        w = r - l;
        h = b - t;
    };
    double f = 1.0;
    while (f < 1.25) {
        double w, h;
        extent(f + 0.02, w, h);
        if (w > areaW * 0.92 || h > areaH * 0.96) break;
        f += 0.02;
    }
    for (LayoutSlot& s : slots) {
        s.x *= f;
        s.y *= f;
    }
    return true;
}

bool LevelDesigner::FitToArea(std::vector<LayoutSlot>& slots, bool spread) {
    if (slots.empty()) return false;
    const double areaW = LayoutRules::AREA_RIGHT - LayoutRules::AREA_LEFT - 8;
    const double areaH = LayoutRules::AREA_BOTTOM - LayoutRules::AREA_TOP - 8;
    for (int round = 0; round < 40; ++round) {
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        for (const LayoutSlot& s : slots) {
            LayoutCard c;
            c.x = static_cast<int>(std::lround(s.x));
            c.y = static_cast<int>(std::lround(s.y));
            c.rotation = static_cast<int>(std::lround(s.rotation));
            double cl, ct, cr, cb;
            CardShape::Of(c).Bounds(cl, ct, cr, cb);
            l = std::min(l, cl);
            t = std::min(t, ct);
            r = std::max(r, cr);
            b = std::max(b, cb);
        }
        const double mx = (l + r) / 2, my = (t + b) / 2;
        if (r - l <= areaW && b - t <= areaH) {
            for (LayoutSlot& s : slots) {
                s.x -= mx;
                s.y -= my;
            }
            return !spread || Spread(slots, areaW, areaH);
        }
        const double f = 0.97;
        for (LayoutSlot& s : slots) {
            if (r - l > areaW) s.x = mx + (s.x - mx) * f;
            if (b - t > areaH) s.y = my + (s.y - my) * f;
        }
    }
    return false;
}

bool LevelDesigner::ToCards(const std::vector<LayoutSlot>& slots, double scale, LevelFile& out) {
    out = LevelFile();
    for (const LayoutSlot& s : slots) {
        LayoutCard c;
        c.x = kCentreX + static_cast<int>(std::lround(s.x * scale));
        c.y = kCentreY + static_cast<int>(std::lround(s.y * scale));
        c.rotation = static_cast<int>(std::lround(s.rotation));
        if (!InArea(c)) return false;
        out.cards.push_back(c);
    }
    return true;
}

void LevelDesigner::ChooseFaces(LevelFile& file, double faceDown, LayoutRandom& random) {
    const auto cover = LayoutRules::Coverers(file);
    std::vector<bool> decided(file.cards.size(), false);
    for (size_t i = 0; i < file.cards.size(); ++i) {
        if (decided[i]) continue;
        const int twin = TwinOf(file, i);
        const bool down = !cover[i].empty() && random.Chance(faceDown);
        file.cards[i].faceUp = down ? 0 : 1;
        decided[i] = true;
        if (twin >= 0 && !decided[twin]) {
            file.cards[twin].faceUp = cover[twin].empty() ? 1 : file.cards[i].faceUp;
            decided[twin] = true;
        }
    }
}

bool LevelDesigner::PlaceTutorialCards(LevelFile& file, int chapter, int hand) {
    if (chapter == 3 && hand == 3) {
        // The tip's arrow points at the first card: a free card, apart from the rest.
        for (int y = 110; y <= 540; y += 8) {
            for (int dx = 0; dx <= 372; dx += 8) {
                LayoutCard left;
                left.x = kCentreX - dx;
                left.y = y;
                LayoutCard right = left;
                right.x = kCentreX + dx;
                if (!InArea(left) || !Clear(file, left) || !Clear(file, right)) continue;
                file.cards.insert(file.cards.begin(), left);
                if (dx > 0) file.cards.push_back(right);
                return true;
            }
        }
        return false;
    }
    if (chapter == 4 && hand == 1) {
        // The first bow: one bowed card on top, right where the tip's arrow points.
        LayoutCard bowed;
        bowed.x = kCentreX;
        bowed.y = LayoutRules::SCREEN_H / 2 + 75;
        bowed.bow = 1;
        for (const LayoutCard& c : file.cards) {
            if (CardShape::Borderline(c, bowed)) return false;
        }
        file.cards.push_back(bowed);
    }
    return true;
}

bool LevelDesigner::PlaceSpecials(LevelFile& file, int chapter, int hand, LayoutRandom& random) {
    const int n = static_cast<int>(file.cards.size());
    const auto cover = LayoutRules::Coverers(file);
    std::vector<int> covers(n, 0);
    for (int i = 0; i < n; ++i) {
        for (int j : cover[i]) ++covers[j];
    }
    auto pickWhere = [&](auto wanted) {
        std::vector<int> pool;
        for (int i = 0; i < n; ++i) {
            if (Plain(file.cards[i]) && wanted(i)) pool.push_back(i);
        }
        return pool;
    };
    const bool tutorial33 = chapter == 3 && hand == 3;
    const bool tutorial41 = chapter == 4 && hand == 1;
    auto reserved = [&](int i) { return (tutorial33 && i == 0) || (tutorial41 && i == n - 1); };

    // Lock counters: on cards that hold others down, near the top of the stacks.
    if (LayoutRules::Allows(LayoutRules::LOCK_COUNTER, chapter, hand)) {
        int count = 0, highest = 1;
        if (tutorial33) {
            count = 2;
        } else if (chapter == 3) {
            count = random.Int(1, 2);
            highest = 2;
        } else if (random.Chance(chapter < 7 ? 0.5 : 0.6)) {
            count = random.Int(1, std::min(4, 1 + chapter / 5));
            highest = std::min(9, 2 + chapter / 4);
        }
        std::vector<int> pool = pickWhere(
            [&](int i) { return !reserved(i) && covers[i] >= 1 && cover[i].size() <= 1; });
        int placed = 0;
        while (placed < count && !pool.empty()) {
            const size_t k = static_cast<size_t>(random.Int(0, static_cast<int>(pool.size()) - 1));
            const int i = pool[k];
            pool.erase(pool.begin() + static_cast<long>(k));
            if (!Plain(file.cards[i])) continue;
            const int counter = random.Int(1, highest);
            placed += ApplyToPair(file, static_cast<size_t>(i), [&](LayoutCard& c) {
                c.lockCounter = counter;
                c.faceUp = 1;
            });
        }
        // Keep the counters within reach of what a deal brings.
        for (int round = 0; round < 40; ++round) {
            if (LayoutRules::LockCounterPassRate(file, chapter, 300, 77 + round) >= 0.35) break;
            int top = -1;
            for (int i = 0; i < n; ++i) {
                if (file.cards[i].lockCounter > 0 &&
                    (top < 0 || file.cards[i].lockCounter > file.cards[top].lockCounter)) {
                    top = i;
                }
            }
            if (top < 0) break;
            file.cards[top].lockCounter--;
        }
    }

    // Bows.
    if (LayoutRules::Allows(LayoutRules::BOW, chapter, hand) && !tutorial41 &&
        random.Chance(0.45 + 0.02 * chapter)) {
        const int count = random.Int(1, std::min(4, 1 + chapter / 6));
        std::vector<int> pool = pickWhere([&](int i) { return !reserved(i); });
        int placed = 0;
        while (placed < count && !pool.empty()) {
            const size_t k = static_cast<size_t>(random.Int(0, static_cast<int>(pool.size()) - 1));
            const int i = pool[k];
            pool.erase(pool.begin() + static_cast<long>(k));
            if (!Plain(file.cards[i])) continue;
            placed += ApplyToPair(file, static_cast<size_t>(i), [](LayoutCard& c) { c.bow = 1; });
        }
    }

    // Keys and the locks they open; the lock shuts in a stack, the key lies elsewhere.
    if (LayoutRules::Allows(LayoutRules::KEY_AND_LOCK, chapter, hand)) {
        int pairs = 0;
        if (chapter == 5 && hand == 1) {
            pairs = 1;
        } else if (random.Chance(chapter < 10 ? 0.4 : 0.5)) {
            pairs = chapter >= 12 && random.Chance(0.35) ? 2 : 1;
        }
        for (int p = 0; p < pairs; ++p) {
            std::vector<int> locks = pickWhere(
                [&](int i) { return !reserved(i) && covers[i] >= 2 && cover[i].size() <= 1; });
            bool done = false;
            for (int tries = 0; tries < 30 && !done && !locks.empty(); ++tries) {
                const int lock =
                    locks[static_cast<size_t>(random.Int(0, static_cast<int>(locks.size()) - 1))];
                std::vector<int> keys = pickWhere([&](int i) {
                    return i != lock && !reserved(i) && cover[i].size() <= 2 &&
                           std::abs(file.cards[i].x - file.cards[lock].x) > 160;
                });
                if (keys.empty()) continue;
                const int key =
                    keys[static_cast<size_t>(random.Int(0, static_cast<int>(keys.size()) - 1))];
                file.cards[lock].special = LayoutCard::LOCK;
                file.cards[key].special = LayoutCard::KEY;
                if (LayoutRules::Clearable(file)) {
                    done = true;
                } else {
                    file.cards[lock].special = 0;
                    file.cards[key].special = 0;
                }
            }
            if (!done && chapter == 5 && hand == 1) return false;
        }
    }

    // Event cards, mostly where a covering card hides them.
    if (LayoutRules::Allows(LayoutRules::EVENT_CARD, chapter, hand) &&
        (random.Chance(0.35) || (chapter == 8 && hand == 1))) {
        const int count = chapter >= 14 && random.Chance(0.4) ? 2 : 1;
        std::vector<int> pool = pickWhere([&](int i) { return !reserved(i) && !cover[i].empty(); });
        for (int e = 0; e < count && !pool.empty(); ++e) {
            const size_t k = static_cast<size_t>(random.Int(0, static_cast<int>(pool.size()) - 1));
            file.cards[pool[k]].special = LayoutCard::EVENT;
            pool.erase(pool.begin() + static_cast<long>(k));
        }
    }

    // Special cards show their face until the later chapters hide some of them too.
    for (int i = 0; i < n; ++i) {
        LayoutCard& c = file.cards[i];
        if ((c.special == LayoutCard::LOCK || chapter < 12) && c.IsSpecial()) c.faceUp = 1;
    }

    // The chapter's story item, under the thickest part of the layout.
    if (LayoutRules::StoryItemOfChapter(chapter) > 0 &&
        LayoutRules::StoryHandOfChapter(chapter) == hand) {
        LayoutCard item;
        item.special = LayoutCard::STORY;
        item.value = LayoutRules::StoryItemOfChapter(chapter);
        // Best hidden where most of the item's square lies under cards.
        int best = -1;
        for (int i = 0; i < n; ++i) {
            if (cover[i].empty()) continue;
            LayoutCard probe = item;
            probe.x = file.cards[i].x;
            probe.y = file.cards[i].y;
            int hidden = 0;
            for (int gy = 0; gy < 10; ++gy) {
                for (int gx = 0; gx < 10; ++gx) {
                    const double px = probe.x - 90 + gx * 20, py = probe.y - 90 + gy * 20;
                    bool under = false;
                    for (const LayoutCard& c : file.cards)
                        under = under || CardShape::Of(c).Contains(px, py);
                    hidden += under ? 1 : 0;
                }
            }
            const int score = hidden * 10 - std::abs(probe.x - kCentreX) / 20;
            if (hidden >= 65 && score > best) {
                best = score;
                item.x = probe.x;
                item.y = probe.y;
            }
        }
        if (best < 0) return false;
        for (const LayoutCard& c : file.cards) {
            if (CardShape::Borderline(item, c)) return false;
        }
        file.cards.insert(file.cards.begin(), item);
    }
    return true;
}
