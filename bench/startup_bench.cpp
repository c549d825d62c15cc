// Start-up cost: the time from the program's start to the loading screen's first frame and to
// "click to continue" with every asset loaded, and the resident memory at that point. Runs on
// SDL's dummy display with its software renderer unless SDL_VIDEODRIVER says otherwise (under
// Xvfb set SDL_VIDEODRIVER=x11 to measure llvmpipe or the X11 software path).
//   build/bench_startup_bench
// Targets on a 2-core machine: everything loaded in under 1.5 s, under 250 MB resident.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/ResidentMemory.h"
#include "framework/Globals.h"
#include "framework/TGame.h"
#include "screens/TProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The process's age in ms (what it spent before main is counted too).
double ProcessAgeMs() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22 (start time in clock ticks since boot) follows the command name's ")".
    size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::vector<std::string> fields;
    size_t at = close + 2;
    while (at < text.size()) {
        size_t space = text.find(' ', at);
        fields.push_back(text.substr(at, space - at));
        if (space == std::string::npos) break;
        at = space + 1;
    }
    if (fields.size() < 20) return 0;
    double startTicks = std::atof(fields[19].c_str());
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return (uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

}  // namespace

int main() {
    const Clock::time_point mainStart = Clock::now();
    const double beforeMain = ProcessAgeMs();
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("ROSEWICK_NO_MESSAGE_BOX", "1", 0);
    // A private home so the benchmark never touches the player's settings.
    auto home = std::filesystem::temp_directory_path() / "rosewick-startup-bench";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "run");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);

    TProgram program;
    Clock::time_point shown{};
    program.Loader().LoadingScreenShown = [&] { shown = Clock::now(); };
    if (!program.Startup()) {
        std::fprintf(stderr, "another copy is running\n");
        return 1;
    }
    const Clock::time_point loaded = Clock::now();
    const double rss = ResidentMb();

    std::printf("renderer: %s\n", Game->Gfx->RendererName().c_str());
    std::printf("before main: %.1f ms\n", beforeMain);
    std::printf("start to loading screen's first frame: %.1f ms\n",
                beforeMain + Ms(shown - mainStart));
    std::printf("start to click to continue (all loaded): %.1f ms (target < 1500)\n",
                beforeMain + Ms(loaded - mainStart));
    std::printf("resident memory then: %.1f MB (target < 250)\n", rss);
    Game->Shutdown();
    Game.reset();
    std::filesystem::remove_all(home);
    return 0;
}
