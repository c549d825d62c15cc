#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Wallpaper.h"
#include "tests/TestSupport.h"

using platform::Pixmap;
using platform::Wallpaper;

namespace {

uint32_t Word(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Keeps the environment and the two hooks as the test found them.
class WallpaperTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DISPLAY"}) {
            const char* v = std::getenv(name);
            saved[name] = v ? std::optional<std::string>(v) : std::nullopt;
            unsetenv(name);
        }
        Wallpaper::HasProgram = [this](const std::string& p) {
            return std::find(installed.begin(), installed.end(), p) != installed.end();
        };
        Wallpaper::Run = [this](const std::vector<std::string>& argv, std::string* output) {
            calls.push_back(argv);
            std::string line;
            for (const auto& a : argv) line += (line.empty() ? "" : " ") + a;
            auto it = answers.find(line);
            if (it == answers.end()) return 1;
            if (output) *output = it->second.second;
            return it->second.first;
        };
    }
    void TearDown() override {
        for (auto& [name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        Wallpaper::HasProgram = Wallpaper::ProgramExists;
        Wallpaper::Run = Wallpaper::RunProgram;
    }

    std::map<std::string, std::optional<std::string>> saved;
    std::vector<std::string> installed;
    // Command line -> exit code and output.
    std::map<std::string, std::pair<int, std::string>> answers;
    std::vector<std::vector<std::string>> calls;
};

}  // namespace

TEST_F(WallpaperTest, TheBitmapHoldsEveryPixelBottomRowFirst) {
    testsupport::TempDir dir;
    Pixmap p(3, 2);
    const uint8_t colours[6][4] = {{255, 0, 0, 255}, {0, 255, 0, 255},    {0, 0, 255, 255},
                                   {10, 20, 30, 0},  {200, 100, 50, 128}, {1, 2, 3, 255}};
    for (int i = 0; i < 6; ++i) std::copy(colours[i], colours[i] + 4, p.At(i % 3, i / 3));
    std::string error;
    const std::string path = dir.File("Rosewick.bmp");
    ASSERT_TRUE(Wallpaper::SaveBmp(p, path, error)) << error;
    const std::string b = testsupport::ReadFile(path);
    ASSERT_EQ(b.size(), 54u + 2 * 12u) << "rows padded to 4 bytes";
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(Word(b, 2, 4), b.size());
    EXPECT_EQ(Word(b, 10, 4), 54u);
    EXPECT_EQ(Word(b, 18, 4), 3u);
    EXPECT_EQ(Word(b, 22, 4), 2u);
    EXPECT_EQ(Word(b, 28, 2), 24u);
    // The bottom row first, blue-green-red, alpha dropped.
    const std::string bottom = b.substr(54, 9), top = b.substr(66, 9);
    EXPECT_EQ(bottom, std::string("\x1e\x14\x0a\x32\x64\xc8\x03\x02\x01", 9));
    EXPECT_EQ(top, std::string("\x00\x00\xff\x00\xff\x00\xff\x00\x00", 9));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

TEST_F(WallpaperTest, AFileThatCannotBeWrittenIsNamedAndLeavesNothing) {
    Pixmap p(2, 2);
    std::string error;
    EXPECT_FALSE(Wallpaper::SaveBmp(p, "/nonexistent-folder/Rosewick.bmp", error));
    EXPECT_NE(error.find("/nonexistent-folder/Rosewick.bmp"), std::string::npos) << error;
    EXPECT_FALSE(Wallpaper::SaveBmp(Pixmap(), "/tmp/x.bmp", error));
}

TEST_F(WallpaperTest, NoDesktopWayMeansNoSuccess) {
    EXPECT_EQ(Wallpaper::Set("/home/a/Rosewick.bmp"), "");
    EXPECT_TRUE(calls.empty()) << "no program that is not there is run";
    // gsettings present but not on a GNOME desktop, feh present without a display.
    installed = {"gsettings", "feh"};
    EXPECT_EQ(Wallpaper::Set("/home/a/Rosewick.bmp"), "");
    EXPECT_TRUE(calls.empty());
}

TEST_F(WallpaperTest, GnomeCountsOnlyWhenTheSettingReadsBack) {
    setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
    installed = {"gsettings"};
    const std::string path = "/home/a b/Rosewick.bmp";
    const std::string uri = "file:///home/a%20b/Rosewick.bmp";
    const std::string set = "gsettings set org.gnome.desktop.background picture-uri " + uri;
    const std::string get = "gsettings get org.gnome.desktop.background picture-uri";
    // The memory fall-back says yes to the write, but the value is gone on the next read.
    answers[set] = {0, ""};
    answers[get] = {0, "'file:///usr/share/backgrounds/default.png'\n"};
    EXPECT_EQ(Wallpaper::Set(path), "");

    answers[get] = {0, "'" + uri + "'\n"};
    calls.clear();
    EXPECT_EQ(Wallpaper::Set(path), "gsettings");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].back(), uri);
    EXPECT_EQ(calls[2][3], "picture-uri-dark");
}

TEST_F(WallpaperTest, XfceSetsEveryMonitorsPictureAndFehComesLast) {
    installed = {"xfconf-query", "feh"};
    setenv("DISPLAY", ":5", 1);
    const std::string list = "xfconf-query -c xfce4-desktop -l";
    const std::string p0 = "/backdrop/screen0/monitorHDMI-1/workspace0/last-image";
    const std::string p1 = "/backdrop/screen0/monitoreDP-1/workspace0/last-image";
    answers[list] = {0,
                     p0 + "\n/backdrop/screen0/monitorHDMI-1/workspace0/image-style\n" + p1 + "\n"};
    answers["xfconf-query -c xfce4-desktop -p " + p1 + " -s /w.bmp"] = {0, ""};
    EXPECT_EQ(Wallpaper::Set("/w.bmp"), "xfconf-query");
    EXPECT_EQ(calls.size(), 3u) << "the listing and the two picture settings";

    // Without a running Xfce the listing fails and feh takes over.
    answers[list] = {1, ""};
    answers["feh --bg-fill /w.bmp"] = {0, ""};
    calls.clear();
    EXPECT_EQ(Wallpaper::Set("/w.bmp"), "feh");
    answers["feh --bg-fill /w.bmp"] = {2, ""};
    EXPECT_EQ(Wallpaper::Set("/w.bmp"), "") << "feh's failure is not reported as success";
}

TEST_F(WallpaperTest, RealProgramsReportTheirExitCodeAndOutput) {
    std::string out;
    EXPECT_EQ(Wallpaper::RunProgram({"sh", "-c", "echo hello; exit 3"}, &out), 3);
    EXPECT_EQ(out, "hello\n");
    EXPECT_EQ(Wallpaper::RunProgram({"no-such-program-rosewick"}, nullptr), -1);
    EXPECT_TRUE(Wallpaper::ProgramExists("sh"));
    EXPECT_FALSE(Wallpaper::ProgramExists("no-such-program-rosewick"));
}
