// audiogen: writes every sound effect (mono 16-bit WAV) and music piece (Ogg Vorbis) the game
// asks for into the data folder given on the command line. Output is byte-for-byte the same on
// every run: each file draws from its own generator seeded by its name.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/audiogen/Mastering.h"
#include "tools/audiogen/MusicPieces.h"
#include "tools/audiogen/OggWriter.h"
#include "tools/audiogen/Rng.h"
#include "tools/audiogen/SoundEffects.h"
#include "tools/audiogen/WavWriter.h"

namespace fs = std::filesystem;

namespace {

std::uint64_t Fnv1a(const std::string& s) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// "Data/sound/x.wav" as the game names it -> "sound/x.wav" under the data folder.
fs::path OnDisk(const fs::path& dataDir, const std::string& gamePath) {
    std::string rel = gamePath;
    const std::string prefix = "data/";
    if (rel.size() > prefix.size()) {
        std::string head = rel.substr(0, prefix.size());
        for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (head == prefix) rel = rel.substr(prefix.size());
    }
    return dataDir / rel;
}

struct Job {
    std::string path;
    std::function<std::string(const fs::path&)> run;  // returns an error, or "" and a report
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: audiogen <data folder> [--list | --times]\n");
        return 2;
    }
    const fs::path dataDir = argv[1];
    const std::string option = argc > 2 ? argv[2] : "";
    const bool listOnly = option == "--list";
    const bool verbose = option == "--times";
    const auto started = std::chrono::steady_clock::now();

    std::vector<Job> jobs;
    std::mutex printLock;
    for (const effects::Effect& e : effects::All()) {
        if (listOnly) {
            std::printf("%s sound\n", e.path.c_str());
            continue;
        }
        jobs.push_back({e.path, [&e](const fs::path& file) {
                            Rng rng(Fnv1a(e.path));
                            dsp::Mono samples = e.make(rng);
                            dsp::RemoveDc(samples);
                            dsp::TrimTail(samples);
                            mastering::NormalisePeak(samples, mastering::kEffectPeakDb + e.trimDb);
                            return WavWriter::WriteMono(file.string(), samples);
                        }});
    }
    for (const music::Piece& p : music::All()) {
        if (listOnly) {
            std::printf("%s music\n", p.path.c_str());
            continue;
        }
        jobs.push_back(
            {p.path, [&p, &printLock](const fs::path& file) {
                 dsp::Stereo samples = p.make(Fnv1a(p.path));
                 mastering::NormaliseLoudness(samples, mastering::kMusicRmsDb,
                                              mastering::kMusicCeilingDb);
                 std::string err = OggWriter::WriteStereo(file.string(), samples, p.what);
                 if (err.empty()) {
                     std::lock_guard<std::mutex> lock(printLock);
                     std::printf("  %-44s %5.1f s  rms %.1f dB  peak %.1f dB\n", p.path.c_str(),
                                 static_cast<double>(samples.Size()) / dsp::kRate,
                                 mastering::RmsDb(samples), mastering::PeakDb(samples));
                 }
                 return err;
             }});
    }
    if (listOnly) return 0;

    // Longest jobs (the music) first so the two workers finish together.
    std::vector<std::size_t> order;
    for (std::size_t i = jobs.size(); i-- > 0;) order.push_back(i);
    std::atomic<std::size_t> next{0};
    std::atomic<int> failures{0};
    auto worker = [&] {
        for (std::size_t k = next++; k < order.size(); k = next++) {
            const Job& job = jobs[order[k]];
            const auto jobStart = std::chrono::steady_clock::now();
            const fs::path file = OnDisk(dataDir, job.path);
            std::error_code ec;
            fs::create_directories(file.parent_path(), ec);
            std::string err = ec ? "cannot create " + file.parent_path().string() : job.run(file);
            std::lock_guard<std::mutex> lock(printLock);
            if (!err.empty()) {
                std::fprintf(stderr, "audiogen: %s: %s\n", job.path.c_str(), err.c_str());
                ++failures;
            } else if (verbose) {
                std::printf(
                    "    %-44s %.2f s\n", job.path.c_str(),
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - jobStart)
                        .count());
            }
        }
    };
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < threads; ++i) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();

    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("audiogen: %zu files in %.1f s\n", jobs.size(), secs);
    return failures == 0 ? 0 : 1;
}
