#include <algorithm>
#include <string>
#include <vector>

#include "framework/AssetBanks.h"
#include "framework/TGameText.h"
#include "framework/TImageBank.h"
#include "framework/TSoundBank.h"
#include "platform/AudioDevice.h"
#include "platform/Keys.h"
#include "screens/TGalleryScreen.h"
#include "screens/TGameLoader.h"
#include "tests/screens/ShippedDataFixture.h"
#include "toolkit/GameFonts.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

// The gallery over the generated data folder, loaded as the game loads it, on the dummy display.
class GalleryScreenTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        ToolkitTextLookup = [](const std::string& key) { return GameText.FindString(key); };
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
        loader.TitleScreen = &back;
        loader.Run();
        gallery.BackTo = &back;
        gallery.PreStart();
        Game->GameFade.Finish();
        Game->SuspendedEvent = 0;
    }
    void TearDown() override {
        gallery.Kill();
        ToolkitTextLookup = nullptr;
        ToolkitSoundPlayer = nullptr;
        ShippedDataTest::TearDown();
    }
    void Run(int ticks) {
        for (int i = 0; i < ticks; ++i) Game->LogicWrapper();
    }
    void Type(int c) { TEventSource::Inject({platform::Event::Type::KeyChar, c, 0, 0}); }
    void ClickNameField() {
        TEventSource::InjectClick(static_cast<int>(TGalleryScreen::NAME_X + 20),
                                  static_cast<int>(TGalleryScreen::NAME_Y + 20));
        Run(2);
    }

    TGameLoader loader;
    ProbeScreen back{"back"};
    TGalleryScreen gallery;
    std::vector<std::string> played;
};

TEST_F(GalleryScreenTest, LoadsItsTextsAndDrawsThePanelOverTheDimmedChapter) {
    EXPECT_EQ(Game->CurrentTScreen, &gallery);
    EXPECT_EQ(gallery.Title->Text, GameText.FindString("Gallery Title"));
    EXPECT_FALSE(gallery.Title->Text.empty());
    EXPECT_EQ(gallery.AnswerLabel->Text, GameText.FindString("Gallery Answer None"));
    EXPECT_GT(gallery.Story->TotalLines, 2) << "the story paragraph wraps";
    EXPECT_EQ(gallery.List.Items.size(), 12u);

    Run(5);
    gallery.Draw();
    platform::Pixmap shot = Game->Gfx->Grab();
    auto brightness = [&](int x, int y) {
        const uint8_t* p = shot.At(x, y);
        return p[0] + p[1] + p[2];
    };
    // Outside the panel the chapter picture shows dimmed; inside it, the panel's dark blue.
    EXPECT_GT(brightness(10, 384), 0) << "the chapter picture is drawn";
    const uint8_t* inside = shot.At(512, 600);
    EXPECT_GT(inside[2], inside[0]) << "the panel's blue behind the widgets";
}

TEST_F(GalleryScreenTest, TheYesNoAnswerShowsOnceTheDialogHasSlidOut) {
    struct Case {
        int key;
        int answer;
        const char* shown;
    };
    for (const Case& c : {Case{platform::keys::KEY_A + ('Y' - 'A'), 1, "Gallery Answer Yes"},
                          Case{platform::keys::KEY_A + ('N' - 'A'), -1, "Gallery Answer No"}}) {
        gallery.Ask();
        ASSERT_TRUE(gallery.DialogOpen());
        Run(100);  // slides in
        std::string before = gallery.AnswerLabel->Text;
        Key(c.key);
        Run(2);
        EXPECT_TRUE(gallery.DialogOpen()) << "still sliding out";
        EXPECT_EQ(gallery.AnswerLabel->Text, before) << "the answer waits for the dialog to go";
        Run(200);
        EXPECT_FALSE(gallery.DialogOpen());
        EXPECT_EQ(gallery.Answer, c.answer);
        EXPECT_EQ(gallery.AnswerLabel->Text, GameText.FindString(c.shown));
        EXPECT_EQ(Game->IgnoreEscapeKey, 0) << "Escape leaves the gallery again";
    }
}

TEST_F(GalleryScreenTest, TheNameFieldRefusesBannedCharactersAndKeepsTheRest) {
    ClickNameField();
    ASSERT_TRUE(gallery.Typing());
    testing::internal::CaptureStdout();
    for (int c : {'A', 'n', '#', 'n', '/', 'e'}) {
        Type(c);
        Run(1);
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(gallery.NameInput.Text, "Anne");
    EXPECT_NE(out.find("Gallery: refused character #"), std::string::npos);
    EXPECT_NE(out.find("Gallery: refused character /"), std::string::npos);
    EXPECT_NE(std::find(played.begin(), played.end(), "InvalidClick"), played.end());

    Key(platform::keys::ENTER);
    Run(2);
    EXPECT_FALSE(gallery.Typing());
    EXPECT_EQ(gallery.Name, "Anne");
    EXPECT_EQ(gallery.NameLabel->Text, ToolkitTextWith("Gallery Name Shown", "Anne"));

    // Escape while typing throws the new letters away and stays on the screen.
    ClickNameField();
    Type('x');
    Run(1);
    Key(platform::keys::ESCAPE);
    Run(2);
    EXPECT_FALSE(gallery.Typing());
    EXPECT_EQ(gallery.Name, "Anne");
    EXPECT_EQ(Game->CurrentTScreen, &gallery);
    EXPECT_FALSE(Game->Fading());
}

TEST_F(GalleryScreenTest, BackAndEscapeBothLeadToTheScreenItCameFrom) {
    for (bool useEscape : {false, true}) {
        if (Game->CurrentTScreen != &gallery) {
            gallery.PreStart();
            Game->GameFade.Finish();
        }
        if (useEscape)
            Key(platform::keys::ESCAPE);
        else
            TEventSource::InjectClick(865, 673);  // the Back button
        for (int i = 0; i < 200 && Game->CurrentTScreen != &back; ++i) Game->LogicWrapper();
        EXPECT_EQ(Game->CurrentTScreen, &back) << (useEscape ? "Escape" : "Back");
    }
}
