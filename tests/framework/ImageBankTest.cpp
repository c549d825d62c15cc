#include "framework/AssetBanks.h"
#include "framework/TFatalExit.h"
#include "framework/TImageBank.h"
#include "framework/TTrimDataMap.h"
#include "tests/framework/FrameworkFixture.h"

// Pictures come from the generated data folder beside the test programs.
class ImageBankTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetAssetBanks();
        ImageBank.SetPath(std::string(ROSEWICK_BUILD_DIR) + "/data/graphics");
    }
    void TearDown() override {
        ResetAssetBanks();
        FrameworkTest::TearDown();
    }
    std::string ErrorLog() { return testsupport::ReadFile(dir.Path() / "ErrorLog.txt"); }
};

TEST_F(ImageBankTest, KeysAreTheUpperCaseFileNameOrTheGivenNameAndLookupIgnoresCase) {
    auto card = ImageBank.Load("Cards/12h");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->name, "12H");
    EXPECT_EQ(card->w, 86);
    EXPECT_EQ(card->h, 128);
    EXPECT_FLOAT_EQ(card->w2, 43.0f);
    EXPECT_EQ(card->midhandled, 1);
    EXPECT_FLOAT_EQ(card->image->HandleX(), 43.0f);
    EXPECT_EQ(ImageBank.Find("12h"), card);

    auto plain = ImageBank.Load("cards/PLAIN/12h", "12hp");
    EXPECT_EQ(ImageBank.Find("12HP"), plain);
    EXPECT_NE(plain, card);

    auto panel = ImageBank.LoadNoMid("MapScreen/TopPanel");
    EXPECT_EQ(panel->midhandled, 0);
    EXPECT_FLOAT_EQ(panel->image->HandleX(), 0.0f);
    EXPECT_EQ(ImageBank.FindTImage("toppanel"), panel->image);
    EXPECT_EQ(ImageBank.FindTImage("nothing"), nullptr) << "never an error";
}

TEST_F(ImageBankTest, ALaterLoadWithTheSameKeyReplacesTheEntry) {
    auto first = ImageBank.Load("Cards/1h", "face");
    auto second = ImageBank.Load("Cards/2h", "FACE");
    EXPECT_EQ(ImageBank.Count(), 1u);
    EXPECT_EQ(ImageBank.Find("face"), second);
}

TEST_F(ImageBankTest, AFileNameKeepsItsOwnExtensionOrGetsTheBanksDefault) {
    ImageBank.SetPath("gfx");
    struct Case {
        const char* file;
        const char* path;
    } cases[] = {
        {"Cards/1h", "gfx/Cards/1h.png"},
        {"Backgrounds/bg1.jpg", "gfx/Backgrounds/bg1.jpg"},
        {"Story Items/StoryItem1", "gfx/Story Items/StoryItem1.png"},
        {"../Menus/ClickToContinue", "gfx/../Menus/ClickToContinue.png"},
        {"v1.2/arrow", "gfx/v1.2/arrow.png"},
    };
    for (const auto& c : cases) EXPECT_EQ(ImageBank.FullPath(c.file), c.path) << c.file;
}

TEST_F(ImageBankTest, AJpegLoadsByItsOwnExtension) {
    auto bg = ImageBank.Load("Backgrounds/bg1.jpg");
    EXPECT_EQ(bg->name, "BG1");
    EXPECT_EQ(bg->w, 1024);
}

TEST_F(ImageBankTest, StripsLoadTheirFramesAndASingleFrameIsAPlainPicture) {
    auto burning = ImageBank.LoadAnim("Particles/BurningCard", 200, 350, 0, 40);
    EXPECT_EQ(ImageBank.Find("burningcard"), burning);
    EXPECT_EQ(burning->Frames(), 40);
    EXPECT_EQ(burning->w, 200);
    EXPECT_EQ(burning->h, 350);

    std::string ribbons = ImageBank.Path + "HUD/Ribbons.png";
    EXPECT_EQ(TGameImage::CreateAuto(ribbons, 132, 150, 0, 3)->Frames(), 3);
    auto whole = TGameImage::CreateAuto(ribbons, 132, 150, 0, 1);
    EXPECT_EQ(whole->Frames(), 1);
    EXPECT_EQ(whole->w, 132 * 3) << "one frame means the whole file";
}

TEST_F(ImageBankTest, AMissingFileOrNameIsFatalWithItsMessage) {
    EXPECT_THROW(ImageBank.Load("Cards/99x"), TFatalExit);
    EXPECT_NE(ErrorLog().find("Error loading bitmap " + ImageBank.Path + "Cards/99x.png"),
              std::string::npos);
    EXPECT_THROW(ImageBank.Find("ghost"), TFatalExit);
    EXPECT_NE(ErrorLog().find("Image 'GHOST' was not found in the ImageBank"), std::string::npos);
    EXPECT_EQ(ImageBank.Find("ghost", 1), nullptr) << "a quiet lookup";
    FatalMissingAssets = 0;
    EXPECT_EQ(ImageBank.Find("ghost"), nullptr);
}

class TrimDataTest : public ImageBankTest {
protected:
    std::string Write(const std::string& text) {
        testsupport::WriteFile(dir.Path() / "TrimData.txt", text);
        return dir.File("TrimData.txt");
    }
};

TEST_F(TrimDataTest, EntriesAreKeyedByNameWithoutFolderOrExtension) {
    TTrimDataMap map;
    std::string path = Write("[offsets]\r\nHUD/BellaGUI.png=130,65,300,330\r\n\r\nplain=1,2,3,4\n");
    EXPECT_EQ(map.LoadDataFile(path), 2);
    auto bella = map.Find("Somewhere/bellagui.jpg");
    ASSERT_NE(bella, nullptr);
    EXPECT_EQ(bella->name, "HUD/BellaGUI");
    EXPECT_EQ(bella->xOffset, 130);
    EXPECT_EQ(bella->yOffset, 65);
    EXPECT_EQ(bella->originalWidth, 300);
    EXPECT_EQ(bella->originalHeight, 330);
    EXPECT_EQ(map.Find("PLAIN")->originalHeight, 4);
}

TEST_F(TrimDataTest, ATrimmedPictureIsPlacedWhereItSatInTheOriginal) {
    TTrimDataMap map;
    map.LoadDataFile(ImageBank.Path + "TrimData.txt");
    auto bella = ImageBank.Load("HUD/BellaGUI");
    bella->SetTrimHandle(map.Find("HUD/BellaGUI"));
    EXPECT_FLOAT_EQ(bella->image->HandleX(), -130.0f);
    EXPECT_FLOAT_EQ(bella->image->HandleY(), -65.0f);
    EXPECT_EQ(bella->trimData->originalWidth, 300);
}

TEST_F(TrimDataTest, ABrokenLineNamesTheFileAndTheLine) {
    struct Case {
        const char* text;
        int line;
    } cases[] = {
        {"[offsets]\nno equals sign\n", 2},
        {"[offsets]\na=1,2,3,4\nb=1,2,3\n", 3},
        {"a=1,2,x,4\n", 1},
        {"a=1,2,3,4,5\n", 1},
        {"=1,2,3,4\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TTrimDataMap map;
        std::string path = Write(c.text);
        EXPECT_THROW(map.LoadDataFile(path), TFatalExit);
        EXPECT_NE(ErrorLog().find("Bad trim data in " + path + ", line " + std::to_string(c.line)),
                  std::string::npos);
    }
}

TEST_F(TrimDataTest, AMissingFileOrNameIsFatalUnlessQuiet) {
    TTrimDataMap map;
    EXPECT_THROW(map.LoadDataFile(dir.File("none.txt")), TFatalExit);
    EXPECT_NE(ErrorLog().find("Error loading file " + dir.File("none.txt")), std::string::npos);
    EXPECT_EQ(map.Find("HUD/Ghost.png", 1), nullptr);
    EXPECT_THROW(map.Find("HUD/Ghost.png"), TFatalExit);
    EXPECT_NE(ErrorLog().find("TrimData 'GHOST' was not found in the TrimDataMap"),
              std::string::npos);
}
