// levelgen: lays out the 180 hands of the game and checks them.
//   levelgen generate <dir>                 write every <chapter>-<hand>.txt into dir
//   levelgen verify <dir>                   the files in dir are what generate would write
//   levelgen check <dir>                    read every file in dir and apply the layout rules
//   levelgen render <file.txt> <out.png>    picture of one layout
//   levelgen sheet <dir> <chapter> <out.png> pictures of a chapter's hands side by side
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LayoutPreview.h"
#include "LayoutRules.h"
#include "LevelDesigner.h"
#include "LevelFile.h"

// cairo's text picks its font through fontconfig, which keeps its cache for the whole run;
// leak checks in sanitizer builds should not count that.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace {

// Changing it re-deals every layout; the committed files must then be regenerated.
constexpr uint64_t kSeed = 0x526F73657769636Bull;

std::string Join(const std::string& dir, const std::string& name) {
    return dir + "/" + name;
}

template <typename F>
void ForEachHand(F f) {
    for (int chapter = 1; chapter <= LayoutRules::CHAPTERS; ++chapter) {
        for (int hand = 1; hand <= LayoutRules::HandsInChapter(chapter); ++hand) f(chapter, hand);
    }
}

int Generate(const std::string& dir, bool compareOnly) {
    LevelDesigner designer(kSeed);
    int failures = 0;
    ForEachHand([&](int chapter, int hand) {
        std::string summary;
        const LevelFile file = designer.Design(chapter, hand, summary);
        const std::string name = LevelFile::FileName(chapter, hand);
        if (file.cards.empty()) {
            std::fprintf(stderr, "levelgen: %s: %s\n", name.c_str(), summary.c_str());
            ++failures;
            return;
        }
        const std::string path = Join(dir, name);
        if (compareOnly) {
            std::ifstream in(path, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            if (!in || text.str() != file.Write()) {
                std::fprintf(stderr, "levelgen: %s differs from a fresh layout\n", path.c_str());
                ++failures;
            }
            return;
        }
        std::string error;
        if (!file.Save(path, error)) {
            std::fprintf(stderr, "levelgen: %s\n", error.c_str());
            ++failures;
            return;
        }
        std::printf("%s: %s\n", name.c_str(), summary.c_str());
    });
    return failures == 0 ? 0 : 1;
}

int Check(const std::string& dir) {
    int problems = 0;
    ForEachHand([&](int chapter, int hand) {
        const std::string path = Join(dir, LevelFile::FileName(chapter, hand));
        LevelFile file;
        std::string error;
        if (!LevelFile::Read(path, file, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++problems;
            return;
        }
        for (const std::string& p : LayoutRules::Check(file, chapter, hand, path)) {
            std::fprintf(stderr, "%s\n", p.c_str());
            ++problems;
        }
    });
    std::printf("%d problem(s)\n", problems);
    return problems == 0 ? 0 : 1;
}

int Render(const std::string& path, const std::string& png) {
    LevelFile file;
    std::string error;
    if (!LevelFile::Read(path, file, error) || !LayoutPreview::Render(file, path, png, error)) {
        std::fprintf(stderr, "levelgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Sheet(const std::string& dir, int chapter, const std::string& png) {
    std::vector<LevelFile> files;
    std::vector<std::string> titles;
    for (int hand = 1; hand <= LayoutRules::HandsInChapter(chapter); ++hand) {
        LevelFile file;
        std::string error;
        const std::string name = LevelFile::FileName(chapter, hand);
        if (!LevelFile::Read(Join(dir, name), file, error)) {
            std::fprintf(stderr, "levelgen: %s\n", error.c_str());
            return 1;
        }
        files.push_back(file);
        titles.push_back(name + "  " + std::to_string(file.cards.size()) + " cards, " +
                         std::to_string(LayoutRules::CountFree(file)) + " free");
    }
    std::string error;
    if (!LayoutPreview::Sheet(files, titles, png, error)) {
        std::fprintf(stderr, "levelgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: levelgen generate|verify|check <dir>\n"
                 "       levelgen render <file.txt> <out.png>\n"
                 "       levelgen sheet <dir> <chapter> <out.png>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "generate") return Generate(args[1], false);
    if (args.size() == 2 && args[0] == "verify") return Generate(args[1], true);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if (args.size() == 3 && args[0] == "render") return Render(args[1], args[2]);
    if (args.size() == 4 && args[0] == "sheet")
        return Sheet(args[1], std::atoi(args[2].c_str()), args[3]);
    return Usage();
}
