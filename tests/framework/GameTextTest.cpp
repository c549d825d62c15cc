#include "framework/AssetBanks.h"
#include "framework/TFatalExit.h"
#include "framework/TGameText.h"
#include "tests/framework/FrameworkFixture.h"

class GameTextTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        Game->SetTextPath(dir.Path().string() + "/text");
    }
    std::string Write(const std::string& text) {
        testsupport::WriteFile(dir.Path() / "text" / "gametext.txt", text);
        return Game->TextPath + "gametext.txt";
    }
    std::string ErrorLog() { return testsupport::ReadFile(dir.Path() / "ErrorLog.txt"); }
    using Lines = std::vector<std::string>;
};

TEST_F(GameTextTest, RecordsReadInAnyLineEndingAndLetterCase) {
    struct Case {
        const char* what;
        std::string file;
        const char* key;
        std::vector<std::string> lines;
    } cases[] = {
        {"LF", "[TEXT]\nClick Text\nClick to go on\n", "Click Text", {"Click to go on"}},
        {"CR LF", "[TEXT]\r\nClick Text\r\nClick to go on\r\n", "CLICK TEXT", {"Click to go on"}},
        {"no final line end", "[TEXT]\nA\nlast", "a", {"last"}},
        {"header in any case", "[text]\nA\none\n[Text]\nB\ntwo\n", "b", {"two"}},
        {"byte-order mark", "\xEF\xBB\xBF[TEXT]\nA\none\n", "A", {"one"}},
        {"blank lines belong to the text",
         "[TEXT]\nA\none\n\nthree\n\n[TEXT]\nB\nx\n",
         "A",
         {"one", "", "three", ""}},
        {"a key without text", "[TEXT]\nEmpty\n[TEXT]\nB\nx\n", "empty", {}},
        {"UTF-8 kept",
         "[TEXT]\nName\nDuchesse de Léon — “Bella”\n",
         "NAME",
         {"Duchesse de Léon — “Bella”"}},
        {"spaces around the key", "[TEXT]\n  Spaced Key \nyes\n", "spaced key", {"yes"}},
        {"a later record replaces", "[TEXT]\nA\nold\n[TEXT]\nA\nnew\n", "A", {"new"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write(c.file);
        GameText.Read("gametext.txt");
        EXPECT_TRUE(GameText.Contains(c.key));
        EXPECT_EQ(GameText.Find(c.key), c.lines);
    }
}

TEST_F(GameTextTest, FindStringJoinsTheLinesWithCrLf) {
    Write("[TEXT]\nIntro\nFirst line\nSecond line\n");
    auto text = TGameText::Create("gametext.txt");
    EXPECT_EQ(text->FindString("intro"), "First line\r\nSecond line");
    EXPECT_EQ(text->FindString("missing"), "");
    EXPECT_TRUE(text->Find("missing").empty());
    EXPECT_EQ(text->Count(), 1u);
}

TEST_F(GameTextTest, ReadingAgainForgetsTheOldTexts) {
    Write("[TEXT]\nA\none\n");
    GameText.Read("gametext.txt");
    Write("[TEXT]\nB\ntwo\n");
    GameText.Read("gametext.txt");
    EXPECT_FALSE(GameText.Contains("A"));
    EXPECT_TRUE(GameText.Contains("B"));
    GameText.Clear();
}

TEST_F(GameTextTest, ABrokenFileNamesTheFileAndTheLine) {
    struct Case {
        const char* what;
        std::string file;
        std::string message;
    } cases[] = {
        {"text before the first header", "Click Text\n[TEXT]\nA\nx\n", "[TEXT] header hot found"},
        {"a stray line after a record", "[TEXT]\nA\nx\n[TEXTS]\nB\n", "[TEXT] header hot found"},
        {"a header with no key", "[TEXT]\nA\nx\n[TEXT]\n", "Key missing after the [TEXT] header"},
    };
    int expectedLine[] = {1, 4, 4};
    int i = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = Write(c.file);
        EXPECT_THROW(GameText.Read("gametext.txt"), TFatalExit);
        std::string expected =
            c.message + " (" + path + ", line " + std::to_string(expectedLine[i++]) + ")";
        EXPECT_NE(ErrorLog().find(expected), std::string::npos) << expected;
    }
}

TEST_F(GameTextTest, AMissingFileIsFatal) {
    EXPECT_THROW(GameText.Read("nowhere.txt"), TFatalExit);
    EXPECT_NE(ErrorLog().find("Error loading file " + Game->TextPath + "nowhere.txt"),
              std::string::npos);
}

TEST_F(GameTextTest, TheShippedFileHoldsEveryKeyTheCodeAsksFor) {
    Game->SetTextPath(std::string(ROSEWICK_SOURCE_DIR) + "/data/text");
    GameText.Read("gametext.txt");
    for (const char* key : {"Click Text"}) EXPECT_FALSE(GameText.FindString(key).empty()) << key;
    GameText.Clear();
}
