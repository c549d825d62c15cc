#include <climits>
#include <filesystem>
#include <istream>
#include <ostream>

#include "framework/ProfileSelection.h"
#include "framework/TFatalExit.h"
#include "framework/TGameText.h"
#include "framework/TProfile.h"
#include "tests/framework/FrameworkFixture.h"

namespace fs = std::filesystem;

namespace {

class ProfileTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetTypeSettings();
        ProfileRecordSaveFunction = nullptr;
        ProfileRecordLoadFunction = nullptr;
        Game->ProfilePath = dir.File("profiles") + "/";
        Game->Ini.RetryDelayMs = 0;
        fs::create_directories(Game->ProfilePath);
    }
    void TearDown() override {
        ResetTypeSettings();
        ProfileRecordSaveFunction = nullptr;
        ProfileRecordLoadFunction = nullptr;
        GameText.Clear();
        FrameworkTest::TearDown();
    }
    static void ResetTypeSettings() {
        TProfile::ProfileExtension = "dat";
        TProfile::ProfileHintMarker = 0;
        TProfile::ProfileUseBackup = 0;
        TProfile::ProfileCreatedHook = nullptr;
        TProfile::ProfileHintShownHook = nullptr;
    }

    std::shared_ptr<TProfile> Make(const std::string& name) {
        auto p = TProfile::Create(name);
        p->RetryDelayMs = 0;
        return p;
    }
    std::string File(const std::string& name) const { return Game->ProfilePath + name; }
    std::string Bytes(const std::string& name) const { return testsupport::ReadFile(File(name)); }
    void Put(const std::string& name, const std::string& bytes) {
        testsupport::WriteFile(File(name), bytes);
    }
    std::string ErrorLog() const { return testsupport::ReadFile(dir.Path() / "ErrorLog.txt"); }

    static std::string Hex(const std::string& bytes) {
        static const char* digits = "0123456789abcdef";
        std::string out;
        for (unsigned char c : bytes) {
            out += digits[c >> 4];
            out += digits[c & 15];
        }
        return out;
    }
    static std::string Int(int32_t v) {
        auto u = static_cast<uint32_t>(v);
        return {static_cast<char>(u & 0xff), static_cast<char>(u >> 8 & 0xff),
                static_cast<char>(u >> 16 & 0xff), static_cast<char>(u >> 24 & 0xff)};
    }

    // A profile with every header field away from its default.
    static void Fill(TProfile& p) {
        p.CurrentLevel = 3;
        p.LockedLevel = 5;
        p.Score = 1000;
        p.Lives = 2;
        p.Kills = 7;
        p.TimeTaken = 1.5;
        p.Difficulty = 1;
        p.TipsFlag = 0;
        p.InstructionsFlag = 1;
        p.HintsShown[0] = 1;
        p.HintsShown[99] = 1;
    }
};

TEST_F(ProfileTest, SavedFileMatchesTheHandComputedLayout) {
    auto p = Make("Bob");
    Fill(*p);
    p->SaveUserFunction = [](std::ostream& out) { out << "XYZ"; };
    p->Save();

    const std::string bytes = Bytes("Bob.dat");
    ASSERT_EQ(bytes.size(), 40u + 400u + 3u);
    // 3 + base, 5 + base + step, 1000 + base + 2 steps, 2 + base + 3 steps, 7 + base + 4 steps.
    EXPECT_EQ(Hex(bytes.substr(0, 20)), "ff124f00d2c97d008684ac007137db0047ee0901");
    EXPECT_EQ(Hex(bytes.substr(20, 8)), "000000000000f83f") << "1.5 as a little-endian double";
    EXPECT_EQ(Hex(bytes.substr(28, 12)), "010000000000000001000000");
    std::string hints(400, '\0');
    hints[0] = 1;
    hints[396] = 1;
    EXPECT_EQ(bytes.substr(40, 400), hints);
    EXPECT_EQ(bytes.substr(440), "XYZ");
    EXPECT_FALSE(fs::exists(File("Bob.dat.tmp")));
}

TEST_F(ProfileTest, FieldsSurviveASaveAndLoadIncludingWrapAround) {
    struct Case {
        int level, locked, score, lives, kills;
    } cases[] = {
        {1, 2, 0, 3, 0},
        {21, 21, 123456, -4, 99},
        {7, 2, INT_MAX, INT_MIN, INT_MAX},  // offsets wrap past the 32-bit limits
        {-1, INT_MIN, -5182204, 0, INT_MIN + 1},
    };
    for (const Case& c : cases) {
        auto p = Make("Round");
        Fill(*p);
        p->CurrentLevel = c.level;
        p->LockedLevel = c.locked;
        p->Score = c.score;
        p->Lives = c.lives;
        p->Kills = c.kills;
        p->TimeTaken = 12345.678;
        p->Save();

        auto q = Make("Round");
        ASSERT_EQ(q->Load(), 1) << c.level;
        EXPECT_EQ(q->CurrentLevel, c.level);
        EXPECT_EQ(q->LockedLevel, c.locked);
        EXPECT_EQ(q->Score, c.score);
        EXPECT_EQ(q->Lives, c.lives);
        EXPECT_EQ(q->Kills, c.kills);
        EXPECT_EQ(q->TimeTaken, 12345.678);
        EXPECT_EQ(q->Difficulty, 1);
        EXPECT_EQ(q->TipsFlag, 0);
        EXPECT_EQ(q->HintsShown, p->HintsShown);
    }
    // INT_MAX + base + 2 steps wraps to a negative stored word.
    auto p = Make("Wrap");
    p->Score = INT_MAX;
    p->Save();
    EXPECT_EQ(Hex(Bytes("Wrap.dat").substr(8, 4)), "9d80ac80");
}

TEST_F(ProfileTest, AMissingFileIsCreatedWithTheNewProfileValues) {
    int created = 0;
    TProfile::ProfileCreatedHook = [&](TProfile& p) {
        created++;
        EXPECT_EQ(p.Name, "Newbie");
    };
    auto p = Make("Newbie");
    p->SaveUserFunction = [](std::ostream& out) { out << "REC"; };
    p->LoadUserFunction = [](std::istream&) -> int {
        ADD_FAILURE() << "nothing to read";
        return 0;
    };
    EXPECT_EQ(created, 1);
    EXPECT_EQ(p->Load(), 1);
    const std::string bytes = Bytes("Newbie.dat");
    ASSERT_EQ(bytes.size(), 443u);
    EXPECT_EQ(bytes.substr(0, 4), Int(1 + TProfile::ProfileBase));
    EXPECT_EQ(bytes.substr(12, 4), Int(3 + TProfile::ProfileBase + 3 * TProfile::ProfileStep));
    EXPECT_EQ(bytes.substr(440), "REC");
    EXPECT_EQ(ErrorLog(), "");
}

TEST_F(ProfileTest, AFileEndingInsideTheHintsLoadsWithTheRestCleared) {
    auto p = Make("Short");
    p->HintsSet(1);
    p->Save();
    Put("Short.dat", Bytes("Short.dat").substr(0, 40 + 50 * 4 + 2));

    auto q = Make("Short");
    q->HintsShown[80] = 1;
    ASSERT_EQ(q->Load(), 1);
    for (int i = 0; i < TProfile::MAX_HINTS; ++i)
        EXPECT_EQ(q->HintsShown[static_cast<size_t>(i)], i < 50 ? 1 : 0) << i;
}

TEST_F(ProfileTest, TheHintMarkerIsWrittenAndChecked) {
    TProfile::ProfileHintMarker = 1;
    auto p = Make("Marked");
    p->Save();
    const std::string bytes = Bytes("Marked.dat");
    ASSERT_EQ(bytes.size(), 444u);
    EXPECT_EQ(bytes.substr(40, 4), Int(16013996));
    EXPECT_EQ(Make("Marked")->Load(), 1);
}

TEST_F(ProfileTest, DamagedFilesFallBackToTheBackupAndAreKeptAsBad) {
    struct Case {
        const char* what;
        std::function<std::string(const std::string&)> damage;
        int marker;
        const char* logged;
    } cases[] = {
        {"empty", [](const std::string&) { return std::string(); }, 0, "ends inside its header"},
        {"ends in the header", [](const std::string& b) { return b.substr(0, 26); }, 0,
         "ends inside its header"},
        {"first word 0", [](const std::string& b) { return std::string(4, '\0') + b.substr(4); }, 0,
         "Profile Hero is corrupt: First int was 0."},
        {"wrong marker",
         [](const std::string& b) { return b.substr(0, 40) + Int(7) + b.substr(44); }, 1,
         "Profile Hero is corrupt: Checksum Error."},
        {"record cut short", [](const std::string& b) { return b.substr(0, b.size() - 1); }, 0,
         "saved progress in '"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(Game->ProfilePath);
        fs::create_directories(Game->ProfilePath);
        fs::remove(dir.Path() / "ErrorLog.txt");
        TProfile::ProfileUseBackup = 1;
        TProfile::ProfileHintMarker = c.marker;
        auto record = [](std::ostream& out) { out << "ABCD"; };
        auto readRecord = [](std::istream& in) {
            char b[4];
            in.read(b, 4);
            return in.gcount() == 4 ? 1 : 0;
        };

        auto good = Make("Hero");
        Fill(*good);
        good->SaveUserFunction = record;
        good->Backup();
        good->Score = 2000;
        good->Save();
        const std::string backup = Bytes("Hero.backup");
        const std::string damaged = c.damage(Bytes("Hero.dat"));
        Put("Hero.dat", damaged);

        auto p = Make("Hero");
        p->SaveUserFunction = record;
        p->LoadUserFunction = readRecord;
        ASSERT_EQ(p->Load(), 1);
        EXPECT_EQ(p->Score, 1000) << "the backup's values";
        EXPECT_EQ(p->CurrentLevel, 3);
        EXPECT_EQ(Bytes("Hero.bad"), damaged);
        EXPECT_EQ(Bytes("Hero.dat"), backup);
        const std::string log = ErrorLog();
        EXPECT_NE(log.find(c.logged), std::string::npos) << log;
        EXPECT_NE(log.find("Loaded backup profile."), std::string::npos) << log;
    }
}

TEST_F(ProfileTest, ADamagedFileWithoutBackupIsKeptAndChangesNothing) {
    // A stored level that is minus the base writes 0 as the first word and reads as corrupt.
    auto p = Make("Lone");
    Fill(*p);
    p->CurrentLevel = -TProfile::ProfileBase;
    p->Save();
    const std::string damaged = Bytes("Lone.dat");
    EXPECT_EQ(damaged.substr(0, 4), std::string(4, '\0'));

    TProfile::ProfileUseBackup = 1;
    auto q = Make("Lone");
    EXPECT_EQ(q->Load(), 0);
    EXPECT_EQ(q->loadingError, 1);
    EXPECT_EQ(q->CurrentLevel, 1) << "nothing of the damaged file is taken";
    EXPECT_EQ(q->Score, 0);
    EXPECT_EQ(Bytes("Lone.bad"), damaged) << "kept before the next save replaces it";
    EXPECT_NE(ErrorLog().find("Profile Lone is corrupt: First int was 0."), std::string::npos);
    EXPECT_NE(ErrorLog().find("Lone.bad"), std::string::npos);
}

TEST_F(ProfileTest, AFailedSaveLeavesTheLastGoodFileAndIsLogged) {
    auto p = Make("Keep");
    Fill(*p);
    p->Save();
    const std::string before = Bytes("Keep.dat");
    fs::create_directory(File("Keep.dat.tmp"));  // nothing can be written beside the file
    p->Score = 5;
    EXPECT_EQ(p->SaveAttempt(), 0);
    p->Save();
    EXPECT_EQ(Bytes("Keep.dat"), before);
    EXPECT_NE(ErrorLog().find("Could not create file '" + File("Keep.dat") + "'"),
              std::string::npos);
}

TEST_F(ProfileTest, ShowHintMarksOnceAndNotifiesOnlyWhenAsked) {
    std::vector<int> notified;
    TProfile::ProfileHintShownHook = [&](int index) { notified.push_back(index); };
    auto p = Make("Hints");
    struct Case {
        int index, notify, result;
    } cases[] = {{4, 1, 1}, {4, 1, 0}, {5, 0, 1}, {5, 1, 0}, {99, 1, 1}, {100, 1, 0}, {-1, 1, 0}};
    for (const Case& c : cases) EXPECT_EQ(p->ShowHint(c.index, c.notify), c.result) << c.index;
    EXPECT_EQ(notified, (std::vector<int>{4, 99}));
    EXPECT_EQ(p->HintsShown[4], 1);
    EXPECT_EQ(p->HintsShown[5], 1);
    p->HintsSet(1);
    EXPECT_EQ(p->ShowHint(0, 1), 0);
    p->ClearHints();
    EXPECT_EQ(p->HintsShown[5], 0);
}

TEST_F(ProfileTest, ProfileNameCheckRefusesTakenNames) {
    GameText.Parse("[TEXT]\nProfile Exists\nThat name is taken.\n", "gametext.txt");
    Put("Anne.dat", "x");
    Put("Bert.backup", "x");
    std::string message = "stale";
    EXPECT_EQ(ProfileNameCheck("Anne", message), -1);
    EXPECT_EQ(message, "That name is taken.");
    EXPECT_EQ(ProfileNameCheck("Bert", message), 1);
    EXPECT_EQ(message, "");
}

TEST_F(ProfileTest, FolderInUseCountsOnlyNamedDatFiles) {
    EXPECT_EQ(Game->ProfileFolderInUse(), 0);
    Put(".dat", "x");
    Put("Anne.backup", "x");
    Put("Anne.bad", "x");
    EXPECT_EQ(Game->ProfileFolderInUse(), 0);
    Put("Anne.dat", "x");
    EXPECT_EQ(Game->ProfileFolderInUse(), 1);

    Game->ProfilePath = dir.File("nowhere") + "/";
    try {
        Game->ProfileFolderInUse();
        FAIL() << "an unreadable folder is fatal";
    } catch (const TFatalExit& e) {
        EXPECT_EQ(std::string(e.what()), "Failed to read directory '" + Game->ProfilePath + "'");
    }
    EXPECT_NE(ErrorLog().find("Failed to read directory"), std::string::npos);
}

TEST_F(ProfileTest, DeleteAllProfilesRemovesOnlyProfileFiles) {
    for (const char* f : {"Anne.dat", "Bert.dat", "Anne.backup", "Bert.bad", "notes.txt"})
        Put(f, "x");
    Game->DeleteAllProfiles();
    EXPECT_FALSE(fs::exists(File("Anne.dat")));
    EXPECT_FALSE(fs::exists(File("Bert.dat")));
    for (const char* f : {"Anne.backup", "Bert.bad", "notes.txt"})
        EXPECT_TRUE(fs::exists(File(f))) << f;
}

TEST_F(ProfileTest, SelectProfileLoadsWiresAndRemembersTheName) {
    int saves = 0, loads = 0;
    ProfileRecordSaveFunction = [&](std::ostream& out) {
        saves++;
        out << "R";
    };
    ProfileRecordLoadFunction = [&](std::istream& in) {
        loads++;
        return in.get() == 'R' ? 1 : 0;
    };
    SelectProfile("Carla");
    ASSERT_TRUE(Game->CurrentProfile);
    EXPECT_EQ(Game->CurrentProfile->Name, "Carla");
    EXPECT_EQ(Game->ProfileName, "Carla");
    EXPECT_EQ(saves, 1) << "a new name has no file, so loading creates it";
    EXPECT_EQ(Bytes("Carla.dat").size(), 441u);
    EXPECT_NE(testsupport::ReadFile(Game->SettingsBasePath() + ".ini").find("PROFILE NAME=Carla"),
              std::string::npos);

    Game->ProfileName = "Carla";
    LoadCurrentProfile();
    EXPECT_EQ(loads, 1);
    ASSERT_TRUE(Game->SaveProfileFunction);
    Game->CurrentProfile->Score = 77;
    Game->SaveProfileFunction();
    EXPECT_EQ(saves, 2);
    LoadCurrentProfile();
    EXPECT_EQ(Game->CurrentProfile->Score, 77);
}

}  // namespace
