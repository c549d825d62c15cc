// Cost of one logic tick and one drawn frame of the play screen at its busiest: a full
// tableau with cards in flight, a combo banking its pearls, and powerup particles burning
// cards. Prints the median and 99th percentile of each. Runs headless on the software
// renderer unless SDL_VIDEODRIVER says otherwise.
//   build/bench_play_bench [ticks-per-moment]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/ResidentMemory.h"
#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/Globals.h"
#include "framework/TEventSource.h"
#include "framework/TGame.h"
#include "framework/TImageBank.h"
#include "progression/TPlayer.h"
#include "progression/TSaveData.h"
#include "screens/TProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1));
    return v[i];
}

struct Figures {
    std::vector<double> ticks, frames;
};

void Tick() {
    Game->FixedRateLogic.SetDelta(1.0f);
    Game->LogicWrapper();
}

}  // namespace

int main(int argc, char** argv) {
    int perMoment = argc > 1 ? std::atoi(argv[1]) : 400;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("ROSEWICK_NO_MESSAGE_BOX", "1", 0);
    setenv("ROSEWICK_SEED", "77", 0);
    auto home = std::filesystem::temp_directory_path() / "rosewick-play-bench";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "run");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);

    TProgram program;
    if (!program.Startup()) {
        std::fprintf(stderr, "another copy is running\n");
        return 1;
    }
    TGameScreen* screen = program.GameScreen();
    Game->Fade = 0;
    Game->SuspendedEvent = 0;
    for (int i = 0; i < 600 && Game->CurrentTScreen != screen; ++i) {
        if (i % 20 == 0) {
            int wx = 0, wy = 0;
            Game->VirtualToWindow(512, 725, wx, wy);
            TEventSource::InjectClick(wx, wy);
        }
        Tick();
    }
    if (Game->CurrentTScreen != screen) {
        std::fprintf(stderr, "the play screen never started\n");
        return 1;
    }
    FlipSync = 0;

    // As on a desktop of 1280x1024 (the dummy display's own 1024x768 gives a smaller,
    // scaled window): BENCH_WINDOW=scaled keeps that one.
    const char* window = std::getenv("BENCH_WINDOW");
    if (!window || std::string(window) != "scaled") {
        Game->DesktopWidth = 1280;
        Game->DesktopHeight = 1024;
        Game->GraphicsCreate(0);
        ImageBank.Precache();
    }

    Figures all;
    auto measure = [&](const char* moment, const std::function<void(int)>& each) {
        Figures f;
        for (int i = 0; i < perMoment; ++i) {
            each(i);
            auto t0 = Clock::now();
            Tick();
            f.ticks.push_back(Micros(Clock::now() - t0));
            auto t1 = Clock::now();
            Game->ScreenDraw();
            f.frames.push_back(Micros(Clock::now() - t1));
        }
        std::printf(
            "%-28s tick %7.2f us median %7.2f us p99   frame %6.2f ms median %6.2f ms p99\n",
            moment, Percentile(f.ticks, 0.5), Percentile(f.ticks, 0.99),
            Percentile(f.frames, 0.5) / 1000, Percentile(f.frames, 0.99) / 1000);
        all.ticks.insert(all.ticks.end(), f.ticks.begin(), f.ticks.end());
        all.frames.insert(all.frames.end(), f.frames.begin(), f.frames.end());
    };

    // No tips: the combo tip's message would hold the screen still.
    SaveData->showTips = 0;
    // A full tableau: a big layout dealt afresh, the deal flying in.
    Player->Level = 14;
    screen->JumpToHand(5);
    measure("deal of a full tableau", [](int) {});
    // Cards in flight: every free card set off at once, the stock drawn now and then.
    measure("cards in flight", [&](int i) {
        if (i % 60 != 0) return;
        auto& list = *CurrentLevel->cardList;
        for (const auto& c : std::vector<std::shared_ptr<TCard>>(list.cards))
            if (c->tableau && c->inPlay && !c->moving) c->StartFlipAnim(1);
        if (CurrentLevel->topStockCard) CurrentLevel->DrawCardFromStock(0);
    });
    // A combo of 25 banking: the panel, the end-combo flash and 20 pearls flying.
    measure("combo banking its pearls", [&](int i) {
        if (i % 200 != 0) return;
        Player->MultiplierStage = 0;
        Player->Combo = 25;
        screen->StartCombo();
        screen->StartEndComboAnim();
    });
    // Burning cards as a golden phoenix does: three cards a stage, a stage every 500 ms, with
    // their bows flying off.
    measure("powerup particles", [&](int i) {
        if (i % 100 != 0) return;
        int burnt = 0;
        for (const auto& c : CurrentLevel->cardList->cards) {
            if (!c->tableau || burnt == 3) continue;
            screen->StartCardEffect(static_cast<int>(TCardEffect::Burn), *c);
            screen->StartCardEffect(static_cast<int>(TCardEffect::Bow), *c);
            burnt++;
        }
    });

    std::printf("renderer: %s, window %dx%d, virtual %.0fx%.0f\n",
                Game->Gfx->RendererName().c_str(), Game->Gfx->OutputWidth(),
                Game->Gfx->OutputHeight(), Game->Gfx->VirtualWidth(), Game->Gfx->VirtualHeight());
    std::printf(
        "all busy moments: tick %.2f us median, %.2f us p99; frame %.2f ms median, "
        "%.2f ms p99 (targets: tick < 50 us, frame < 4 ms)\n",
        Percentile(all.ticks, 0.5), Percentile(all.ticks, 0.99), Percentile(all.frames, 0.5) / 1000,
        Percentile(all.frames, 0.99) / 1000);
    std::printf("resident memory after the busy moments: %.1f MB\n", ResidentMb());
    Game->Shutdown();
    Game.reset();
    std::filesystem::remove_all(home);
    return 0;
}
