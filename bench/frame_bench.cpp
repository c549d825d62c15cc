// Cost of one logic tick and one drawn frame of the first screen (the play screen), and the time
// from the program's start to its first frame. Runs headless unless SDL_VIDEODRIVER says otherwise.
//   build/bench_frame_bench [ticks] [frames]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/Globals.h"
#include "framework/TEventSource.h"
#include "framework/TGame.h"
#include "screens/TProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int ticks = argc > 1 ? std::atoi(argv[1]) : 5000;
    int frames = argc > 2 ? std::atoi(argv[2]) : 500;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("ROSEWICK_NO_MESSAGE_BOX", "1", 0);
    // A private home so the benchmark never touches the player's settings.
    auto home = std::filesystem::temp_directory_path() / "rosewick-bench";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "run");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);

    auto start = Clock::now();
    TProgram program;
    if (!program.Startup()) {
        std::fprintf(stderr, "another copy is running\n");
        return 1;
    }
    Game->ScreenDraw();
    double startupMs = Micros(Clock::now() - start) / 1000.0;

    // Skip the loading screen and the fade-in: measure the first screen itself. A headless
    // window never has the focus, so it would stay suspended.
    Game->Fade = 0;
    Game->SuspendedEvent = 0;
    TScreen* loading = Game->CurrentTScreen;
    for (int i = 0; i < 400 && (!Game->CurrentTScreen || Game->CurrentTScreen == loading); ++i) {
        // The loading screen waits for a click on its button.
        if (i % 20 == 0) {
            int wx = 0, wy = 0;
            Game->VirtualToWindow(512, 725, wx, wy);
            TEventSource::InjectClick(wx, wy);
        }
        Delta = 1;
        Game->LogicWrapper();
    }
    FlipSync = 0;

    std::vector<double> tickTimes, frameTimes;
    tickTimes.reserve(ticks);
    for (int i = 0; i < ticks; ++i) {
        auto t0 = Clock::now();
        Game->FixedRateLogic.SetDelta(1.0f);
        Game->LogicWrapper();
        tickTimes.push_back(Micros(Clock::now() - t0));
    }
    for (int i = 0; i < frames; ++i) {
        auto t0 = Clock::now();
        Game->ScreenDraw();
        frameTimes.push_back(Micros(Clock::now() - t0));
    }
    std::printf("screen: %s, renderer: %s\n", Game->CurrentTScreen->name.c_str(),
                Game->Gfx->RendererName().c_str());
    std::printf("logic tick: %.2f us (median of %d)\n", Median(tickTimes), ticks);
    std::printf("drawn frame: %.1f us (median of %d)\n", Median(frameTimes), frames);
    std::printf("start-up to first frame: %.1f ms\n", startupMs);
    Game->Shutdown();
    Game.reset();
    std::filesystem::remove_all(home);
    return 0;
}
