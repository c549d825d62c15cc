#include <filesystem>
#include <vector>

#include "framework/ProfileSelection.h"
#include "framework/TProfile.h"
#include "progression/TGameState.h"
#include "progression/TPlayer.h"
#include "progression/TProfileBinding.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "tests/framework/FrameworkFixture.h"

namespace fs = std::filesystem;

namespace {

class ProfileExchangeTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        Reset();
        Game->ProfilePath = dir.File("profiles") + "/";
        Game->Ini.RetryDelayMs = 0;
        fs::create_directories(Game->ProfilePath);
        TProfileBinding::Install();
    }
    void TearDown() override {
        Reset();
        timedMode = 1;
        FrameworkTest::TearDown();
    }
    static void Reset() {
        ProfileRecordSaveFunction = nullptr;
        ProfileRecordLoadFunction = nullptr;
        TProfile::ProfileCreatedHook = nullptr;
        TProfile::ProfileUseBackup = 0;
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
    }

    // The 32-bit words after the profile's header and hints.
    std::vector<int32_t> RecordOf(const std::string& name) const {
        const std::string bytes = testsupport::ReadFile(Game->ProfilePath + name + ".dat");
        std::vector<int32_t> words;
        for (size_t i = 440; i + 4 <= bytes.size(); i += 4) {
            auto b = reinterpret_cast<const unsigned char*>(bytes.data() + i);
            words.push_back(static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                                 static_cast<uint32_t>(b[3]) << 24));
        }
        EXPECT_EQ(bytes.size(), 440u + TSaveData::RECORD_BYTES);
        return words;
    }
};

TEST_F(ProfileExchangeTest, ANewProfilesFileHoldsTheNewProfileRecord) {
    for (auto [choose, d] :
         {std::pair{&TGameState::SetRelaxedMode, 0}, {&TGameState::SetTimedMode, 1}}) {
        choose();
        // Whatever the previous player left behind is not written into the new file.
        SaveData->goldCollected = 900;
        SaveData->hand = 4;
        SaveData->wildcards[0] = 5;
        const std::string name = d ? "Hard" : "Normal";
        SelectProfile(name);

        std::vector<int32_t> expected = {0, 1, d, 1, 0, 0, 0};
        expected.insert(expected.end(), 11, -1);
        expected.insert(expected.end(), 48, 0);
        expected.insert(expected.end(), 24, 0);
        EXPECT_EQ(RecordOf(name), expected) << name;
    }
}

TEST_F(ProfileExchangeTest, TheSavedRecordComesBackWithTheProfile) {
    Game->ProfileName = "Edith";
    LoadCurrentProfile();
    SaveData->goldCollected = 321;
    SaveData->chapterStars[2] = 3;
    Game->CurrentProfile->Save();

    SaveData = std::make_shared<TSaveData>();
    LoadCurrentProfile();
    EXPECT_EQ(SaveData->goldCollected, 321);
    EXPECT_EQ(SaveData->chapterStars[2], 3);
}

TEST_F(ProfileExchangeTest, ReadAndWriteProfileMapThePlayersLastingFields) {
    auto profile = TProfile::Create("Fay");
    profile->SaveUserFunction = ProfileRecordSaveFunction;
    profile->CurrentLevel = 6;
    profile->LockedLevel = 8;
    profile->Score = 4500;
    profile->Lives = 2;
    profile->Kills = 11;
    profile->TimeTaken = 99.5;
    Player->UndoTipShown = Player->WildcardTipShown = Player->JokerTipShown = 1;

    EXPECT_EQ(Player->ReadProfile(nullptr, 1), 0);
    EXPECT_EQ(Player->ReadProfile(profile.get(), 0), 1);
    EXPECT_EQ(Player->Name, "Fay");
    EXPECT_EQ(Player->Level, 6);
    EXPECT_EQ(Player->Unlocked, 7) << "the profile stores the first locked chapter";
    EXPECT_EQ(Player->TotalScore, 4500);
    EXPECT_EQ(Player->Lives, 2);
    EXPECT_EQ(Player->TotalKills, 11);
    EXPECT_EQ(Player->TotalTimeTaken, 99.5);
    EXPECT_EQ(Player->UndoTipShown + Player->WildcardTipShown + Player->JokerTipShown, 0);

    Player->Level = 9;
    Player->Unlocked = 10;
    Player->TotalScore = 8000;
    Player->TotalKills = 12;
    Player->TotalTimeTaken = 150.25;
    Player->WriteProfile(profile.get());
    EXPECT_EQ(profile->CurrentLevel, 9);
    EXPECT_EQ(profile->LockedLevel, 11);
    EXPECT_EQ(profile->Score, 8000);

    // The file was written: a fresh player reading it with load gets the same values.
    Player = std::make_shared<TPlayer>();
    auto again = TProfile::Create("Fay");
    again->LoadUserFunction = ProfileRecordLoadFunction;
    EXPECT_EQ(Player->ReadProfile(again.get(), 1), 1);
    EXPECT_EQ(Player->Level, 9);
    EXPECT_EQ(Player->Unlocked, 10);
    EXPECT_EQ(Player->TotalKills, 12);
    EXPECT_EQ(Player->TotalTimeTaken, 150.25);
}

TEST_F(ProfileExchangeTest, GameOverStartsAgainButKeepsEveryChapterOpen) {
    for (int save : {0, 1}) {
        const std::string name = save ? "Saved" : "Unsaved";
        auto profile = TProfile::Create(name);
        profile->CurrentLevel = 21;
        profile->LockedLevel = 21;
        profile->Score = 99999;
        profile->Lives = 1;
        profile->Kills = 40;
        profile->TimeTaken = 3600;
        SaveData->hand = 7;

        Player->ProfileGameOver(profile.get(), save);
        EXPECT_EQ(profile->CurrentLevel, 1);
        EXPECT_EQ(profile->LockedLevel, 21);
        EXPECT_EQ(profile->Score, 0);
        EXPECT_EQ(profile->Lives, 3);
        EXPECT_EQ(profile->Kills, 0);
        EXPECT_EQ(profile->TimeTaken, 0);
        EXPECT_EQ(SaveData->hand, 1);
        EXPECT_EQ(fs::exists(Game->ProfilePath + name + ".dat"), save == 1);
    }
    auto reloaded = TProfile::Create("Saved");
    ASSERT_EQ(reloaded->Load(), 1);
    EXPECT_EQ(reloaded->LockedLevel, 21);
    EXPECT_EQ(reloaded->CurrentLevel, 1);
}

}  // namespace
