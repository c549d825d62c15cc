#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "framework/Messages.h"
#include "framework/TIniFile.h"
#include "framework/TIniLine.h"
#include "framework/TRetry.h"
#include "tests/framework/FrameworkFixture.h"

namespace fs = std::filesystem;

namespace {

struct ParseCase {
    const char* line;
    const char* name;
    const char* value;
};

class IniLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(IniLineParse, SplitsAtTheFirstEqualsAndUpperCasesTheName) {
    const ParseCase& c = GetParam();
    TIniLine line = TIniLine::Parse(c.line);
    EXPECT_EQ(line.Name, c.name);
    EXPECT_EQ(line.Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniLineParse,
    ::testing::Values(ParseCase{"full screen=0", "FULL SCREEN", "0"},
                      // The space stays part of the name, so the key no longer matches.
                      ParseCase{"FULL SCREEN =0", "FULL SCREEN ", "0"},
                      ParseCase{"PROFILE NAME=Anne=Marie", "PROFILE NAME", "Anne=Marie"},
                      ParseCase{"no equals sign", "NO EQUALS SIGN", ""},
                      ParseCase{"SOUND=", "SOUND", ""}));

struct StemCase {
    const char* executable;
    const char* stem;
};

class SettingsFileStem : public ::testing::TestWithParam<StemCase> {};

TEST_P(SettingsFileStem, DropsFolderExtensionAndDebugWord) {
    EXPECT_EQ(TGame::SettingsFileStem(GetParam().executable), GetParam().stem);
}

INSTANTIATE_TEST_SUITE_P(Names, SettingsFileStem,
                         ::testing::Values(StemCase{"rosewick", "rosewick"},
                                           StemCase{"/opt/games/rosewick", "rosewick"},
                                           StemCase{"Rosewick.exe", "Rosewick"},
                                           StemCase{"Rosewick.debug.exe", "Rosewick"},
                                           StemCase{"C:\\Games\\Rosewick.DEBUG.EXE", "Rosewick"}));

TEST(RetryTest, FiveAttemptsAndARaisingAttemptCountsAsAFailure) {
    int calls = 0;
    EXPECT_EQ(TRetry::Run(
                  [&] {
                      ++calls;
                      if (calls == 1) throw std::runtime_error("busy");
                      return 0;
                  },
                  0),
              0);
    EXPECT_EQ(calls, 5);
    calls = 0;
    EXPECT_EQ(TRetry::Run([&] { return ++calls == 3 ? 1 : 0; }, 0), 1);
    EXPECT_EQ(calls, 3);
}

}  // namespace

// Settings in a temp shared folder; the game's own data folder (with data/Default.ini) in
// another.
class SettingsTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        Game->Ini.RetryDelayMs = 0;
        Game->DataPrefix = dir.File("app") + "/";
        fs::create_directories(dir.Path() / "app" / "data");
    }

    std::string SettingsPath() const { return Game->SettingsBasePath() + ".ini"; }
    void WriteSettings(const std::string& text) { testsupport::WriteFile(SettingsPath(), text); }
    void WriteDefaults(const std::string& text) {
        testsupport::WriteFile(dir.Path() / "app" / "data" / "Default.ini", text);
    }
    std::string Log() const { return testsupport::ReadFile(dir.Path() / "ErrorLog.txt"); }
    bool Exists(const std::string& file) const { return fs::exists(dir.Path() / file); }
};

TEST_F(SettingsTest, FileValuesReplaceDefaultsMatchingKeysByTheirUpperCase) {
    Game->FullScreen = 1;
    WriteSettings(
        "full screen=0\nmusic volume =5\nPROFILE NAME=Anne=Marie\nSOUND VOLUME=loud\n"
        "BOGUS=1\nPARTICLES=10\nPARTICLES=20\n");
    Game->ReadSettings();
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(Game->MusicVolume, 100) << "a space before = is part of the name";
    EXPECT_EQ(Game->ProfileName, "Anne=Marie");
    EXPECT_EQ(Game->SoundVolume, 0) << "text that is not a number reads as 0";
    EXPECT_EQ(Game->Particles, 20) << "a later duplicate wins";

    // Rewritten in canonical form: every key, upper case, in table order, unknown keys gone.
    const std::string file = testsupport::ReadFile(SettingsPath());
    EXPECT_EQ(file.rfind("VERSION NO=1.20\nFULL SCREEN=0\nWIDESCREEN=", 0), 0u) << file;
    EXPECT_NE(file.find("\nPROFILE NAME=Anne=Marie\n"), std::string::npos);
    EXPECT_NE(file.find("\nCUSTOM MOUSE POINTER=1\n"), std::string::npos);
    EXPECT_EQ(file.find("BOGUS"), std::string::npos);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 27);
}

TEST_F(SettingsTest, TheVersionWrittenIsAlwaysTheProgramsOwn) {
    WriteSettings("VERSION NO=0.9\r\nMUSIC VOLUME=33\r\n");
    Game->ReadSettings();
    EXPECT_EQ(Game->MusicVolume, 33) << "a file saved on Windows reads the same";
    Game->IniUpdate(0);
    EXPECT_NE(testsupport::ReadFile(SettingsPath()).find("VERSION NO=1.20\n"), std::string::npos);
}

TEST_F(SettingsTest, WithoutASettingsFileTheDefaultsFileIsCopied) {
    WriteDefaults("MUSIC VOLUME=42\nFULL SCREEN=0\n");
    Game->ReadSettings();
    EXPECT_EQ(Game->MusicVolume, 42);
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(Game->SoundVolume, 100) << "keys the defaults lack keep the built-in value";
    EXPECT_NE(testsupport::ReadFile(SettingsPath()).find("SOUND VOLUME=100\n"), std::string::npos);
}

TEST_F(SettingsTest, TheShippedDefaultsStartWindowed) {
    testsupport::WriteFile(dir.Path() / "app" / "data" / "Default.ini",
                           testsupport::ReadFile(ROSEWICK_SOURCE_DIR "/data/Default.ini"));
    Game->FullScreen = 1;
    Game->ReadSettings();
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(Game->CustomMousePointer, 1);
}

TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileWholeAndSaysSo) {
    WriteSettings("MUSIC VOLUME=33\n");
    fs::create_directory(SettingsPath() + ".tmp");  // the save cannot write beside it
    Game->Ini.FileName = Game->SettingsBasePath();
    Game->IniFill();
    EXPECT_EQ(Game->Ini.Save(), 0);
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "MUSIC VOLUME=33\n");
    EXPECT_EQ(Log(), "") << "a failed save is shown, not logged";
}

TEST_F(SettingsTest, DisplayChangesLeaveAMarkerAndAGoodExitLeavesAnother) {
    Game->IniUpdate(0);
    EXPECT_FALSE(Exists("inichanged.dat"));
    EXPECT_TRUE(fs::exists(SettingsPath()));
    Game->IniUpdate(1);
    EXPECT_TRUE(Exists("inichanged.dat"));
    TGame::MakeGoodExit();
    EXPECT_TRUE(Exists("GoodExit.dat"));
}

TEST_F(SettingsTest, PathSettersEndInASlashAndProfilesLiveInTheSharedFolder) {
    setenv("XDG_DATA_HOME", dir.File("xdg").c_str(), 1);
    Game->UseCorrectPath = 1;
    Game->CorrectPathID = 26;
    Game->DataPrefix = "/games/rosewick/";
    Game->SetSubPathWrapper("Quellborne/Rosewick", 1);
    EXPECT_EQ(Game->SubPath, dir.File("xdg") + "/Quellborne/Rosewick/");
    EXPECT_EQ(SharedDataPath, Game->SubPath);
    EXPECT_EQ(Game->ProfilePath, Game->SubPath + "profiles/");
    EXPECT_EQ(Game->ImagePath, "/games/rosewick/Data/graphics/");
    EXPECT_EQ(Game->LevelsPath, "/games/rosewick/Data/levels/");
    Game->SetFontPath("fonts\\");
    EXPECT_EQ(Game->FontPath, "fonts\\");
    Game->SetSubPath("", 0);
    EXPECT_EQ(Game->SubPath, dir.File("xdg") + "/") << "an empty sub-path is the folder itself";
    unsetenv("XDG_DATA_HOME");
}

// How the previous run ended, and what this start must then do.
struct ShutdownCase {
    const char* name;
    bool goodExit, iniChanged, sharedFolderExisted;
    bool restored, windowed;
};

class CleanShutdown : public SettingsTest, public ::testing::WithParamInterface<ShutdownCase> {};

TEST_P(CleanShutdown, RestoresAndStartsWindowedAsThePreviousRunEnded) {
    const ShutdownCase& c = GetParam();
    WriteDefaults("FULL SCREEN=1\nMUSIC VOLUME=60\nPROFILE NAME=\n");
    if (c.sharedFolderExisted) {
        WriteSettings("FULL SCREEN=1\nMUSIC VOLUME=7\nprofile name=Clara\n");
        if (c.goodExit) testsupport::WriteFile(dir.Path() / "GoodExit.dat", "");
        if (c.iniChanged) testsupport::WriteFile(dir.Path() / "inichanged.dat", "");
    } else {
        Game->SubPath = dir.File("fresh") + "/";
        SharedDataPath = Game->SubPath;
    }
    Game->CheckGoodExit();
    fs::create_directories(Game->SubPath);  // what start-up does between the two
    Game->ReadSettings();

    EXPECT_FALSE(fs::exists(Game->SubPath + "GoodExit.dat"));
    EXPECT_FALSE(fs::exists(Game->SubPath + "inichanged.dat"));
    if (c.sharedFolderExisted) {
        EXPECT_EQ(Game->MusicVolume, c.restored ? 60 : 7);
        EXPECT_EQ(Game->ProfileName, "Clara") << "the player stays selected";
    } else {
        EXPECT_EQ(Game->MusicVolume, 60) << "the first run takes the defaults";
    }
    EXPECT_EQ(Game->FullScreen, c.windowed ? 0 : 1);
    const std::string log = testsupport::ReadFile(Game->SubPath + "ErrorLog.txt");
    EXPECT_EQ(log.find("Starting in Windowed mode due to incorrect shutdown.") != std::string::npos,
              c.windowed);
    if (c.windowed) {
        EXPECT_NE(testsupport::ReadFile(SettingsPath()).find("FULL SCREEN=0\n"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PreviousRuns, CleanShutdown,
    ::testing::Values(ShutdownCase{"EndedCleanly", true, false, true, false, false},
                      ShutdownCase{"EndedCleanlyAfterADisplayChange", true, true, true, false,
                                   false},
                      ShutdownCase{"KilledAfterADisplayChange", false, true, true, true, true},
                      ShutdownCase{"KilledWithoutAChange", false, false, true, false, true},
                      ShutdownCase{"FirstRunEver", false, false, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });
