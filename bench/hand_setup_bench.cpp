// Setting up every hand of the game: the median and worst time to deal a hand (load plus all
// retries) over the 180 layouts, the attempts the checks took, and how much of each chapter's
// tableau a simple greedy player clears (the difficulty curve).
//   build/bench_hand_setup_bench [seeds per hand]
// Targets: under 2 ms median and under 100 ms worst.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cards/TCardHooks.h"
#include "cards/TGreedyPlayer.h"
#include "cards/THandSetup.h"
#include "cards/TLevel.h"
#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TRandom.h"
#include "platform/SystemInfo.h"
#include "progression/TPlayer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    // Logic only: no window, and cards need no pictures.
    GraphicsOpen = 0;
    FatalMissingAssets = 0;
    Game = std::make_unique<TGame>();
    Game->LevelsPath = platform::SystemInfo::ExecutableFolder() + "/data/levels/";
    Game->FixedRateLogic.Create();
    Game->FixedRateLogic.SetDefaultFramerate(200);
    Game->FixedRateLogic.Init();
    Delta = 1.0f;

    // The set-up's own log lines would drown the table: they go to /dev/null meanwhile.
    std::fflush(stdout);
    const int console = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    std::vector<double> times, attempts;
    std::vector<std::string> rows;
    for (int chapter = 1; chapter <= 20; ++chapter) {
        std::vector<double> chapterAttempts;
        double cleared = 0;
        int played = 0;
        for (int hand = 1; hand <= handsPerChapter[chapter - 1]; ++hand) {
            for (int s = 0; s < seeds; ++s) {
                RulesRandom.Seed(static_cast<uint64_t>(chapter * 1000 + hand * 10 + s));
                CardHooks = TCardHooks();
                CurrentLevel = std::make_shared<TLevel>();
                auto t0 = Clock::now();
                int n = THandSetup::Deal(*CurrentLevel, chapter, hand);
                double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
                TGreedyPlayer::Result r = TGreedyPlayer::Play(*CurrentLevel);
                times.push_back(ms);
                attempts.push_back(n);
                chapterAttempts.push_back(n);
                cleared += r.Cleared();
                played++;
            }
        }
        char row[96];
        std::snprintf(row, sizeof row, "%7d  %5d  %15.0f  %21.0f%%", chapter,
                      handsPerChapter[chapter - 1], Percentile(chapterAttempts, 0.5),
                      100.0 * cleared / played);
        rows.emplace_back(row);
    }
    std::fflush(stdout);
    dup2(console, 1);
    close(null);
    close(console);
    std::printf("chapter  hands  median attempts  cleared by greedy play\n");
    for (const std::string& row : rows) std::printf("%s\n", row.c_str());
    std::printf("hands dealt: %zu (%d seeds each)\n", times.size(), seeds);
    std::printf("set-up time: median %.3f ms, worst %.3f ms (targets < 2 and < 100)\n",
                Percentile(times, 0.5), Percentile(times, 1.0));
    std::printf("attempts: median %.0f, worst %.0f (limit %d)\n", Percentile(attempts, 0.5),
                Percentile(attempts, 1.0), THandSetup::MAX_ATTEMPTS);
    CurrentLevel.reset();
    Game.reset();
    return 0;
}
