#include <set>
#include <string>
#include <vector>

#include "framework/Keyboard.h"
#include "platform/PathResolver.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameFonts.h"
#include "toolkit/TDialogOK.h"
#include "toolkit/TDialogYesNo.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

class DialogTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
    }
    void TearDown() override {
        ToolkitSoundPlayer = nullptr;
        ToolkitTextLookup = nullptr;
        ClearGameFonts();
        ToolkitTest::TearDown();
    }
    // A plain dialog with a one-button menu made in memory.
    std::shared_ptr<TDialogOK> PlainOK() {
        auto d = TDialogOK::Create("Hello", nullptr, 300, 0, 0, 0);
        d->Menu = TMenu::Create("", "", 0, 0, 10);
        auto b = std::make_shared<TButton>();
        b->SetImages(SolidImage(80, 30), nullptr, nullptr);
        b->SetName("OK");
        d->Menu->AddButton(b);
        return d;
    }
    void UseShippedData() {
        ASSERT_TRUE(ShippedFontsPresent()) << "the generated data folder is missing";
        ASSERT_TRUE(platform::PathResolver::Exists(ShippedData("menus/OK.png")));
        std::string data =
            platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/Data");
        Game->SetImagePath(data + "/graphics");
        Game->SetMenuPath(data + "/menus");
        Game->SetFontPath(data + "/fonts");
        LoadGameFonts();
    }
    int Run(TDialog& d, int ticks) {
        int r = 0;
        for (int i = 0; i < ticks && r == 0; ++i) r = d.Manage();
        return r;
    }
    std::vector<std::string> played;
};

TEST_F(DialogTest, WithoutAnOutTransitionTheResultComesAtOnce) {
    auto d = PlainOK();
    d->Start();
    EXPECT_EQ(d->Active, 1);
    EXPECT_EQ(d->Close(1), 1);
    EXPECT_EQ(d->CloseResult, 1);
    EXPECT_EQ(d->Active, 0);
}

TEST_F(DialogTest, TheResultWaitsForTheSlideOut) {
    auto d = PlainOK();
    d->SlideOutSound = "out";
    d->SetTransitions(0, 100, 0, 0, 3, 0, 0);  // out over 20 ticks
    d->Start();
    EXPECT_EQ(d->Close(1), 0);
    EXPECT_EQ(played, (std::vector<std::string>{"out"}));
    for (int i = 0; i < 19; ++i) {
        d->Manage();
        EXPECT_EQ(d->CloseResult, 0) << i;
    }
    EXPECT_GT(d->OffsetY, 0);  // on its way down
    d->Manage();
    EXPECT_EQ(d->CloseResult, 1);
    EXPECT_EQ(d->Active, 0);
}

TEST_F(DialogTest, SlidesInFromItsEdge) {
    struct Case {
        int slide;
        float ox, oy;
    } cases[] = {{1, 0, -434}, {2, 662, 0}, {3, 0, 434}, {4, -662, 0}, {0, 0, 0}};
    for (const Case& c : cases) {
        auto d = TDialogOK::Create("x", nullptr, 300, 100, 0, 0);
        d->SetTransitions(100, 0, 0, 0, c.slide, 0, 0);
        d->Start();  // centred: x 362, y 334 with h 100
        d->h = 100;
        d->y = 334;
        d->CalcOffset();
        EXPECT_FLOAT_EQ(d->OffsetX, c.ox) << c.slide;
        EXPECT_FLOAT_EQ(d->OffsetY, c.oy) << c.slide;
        for (int i = 0; i < 20; ++i) d->Manage();
        EXPECT_FLOAT_EQ(d->OffsetX, 0);
        EXPECT_FLOAT_EQ(d->OffsetY, 0);
        EXPECT_EQ(d->Transitioning, 0);
    }
}

TEST_F(DialogTest, RandomSlidePicksAnEdgeEachStart) {
    std::set<int> seen;
    auto d = PlainOK();
    d->SetTransitions(100, 0, 0, 0, 5, 0, 0);
    for (int i = 0; i < 40; ++i) {
        d->Start();
        EXPECT_GE(d->Slide, 1);
        EXPECT_LE(d->Slide, 4);
        seen.insert(d->Slide);
    }
    EXPECT_GE(seen.size(), 3u);
}

TEST_F(DialogTest, EscapeClosesAnOKDialogWithOneAndAYesNoDialogWithMinusOne) {
    Game->IgnoreEscapeKey = 0;
    auto ok = PlainOK();
    ok->Start();
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);  // the framework leaves Escape to the dialog
    KeyHitCounts[platform::keys::ESCAPE] = 1;
    EXPECT_EQ(ok->Manage(), 1);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);

    auto yn = TDialogYesNo::Create("Sure?", nullptr, 300, 0, 0, 0);
    int noCalls = 0;
    yn->NoFunc = [&](TDialogYesNo&) { noCalls++; };
    yn->Start();
    KeyHitCounts[platform::keys::ESCAPE] = 1;
    EXPECT_EQ(yn->Manage(), -1);
    EXPECT_EQ(noCalls, 1);
}

TEST_F(DialogTest, ClickingTheButtonCloses) {
    auto d = PlainOK();
    d->Start();
    auto b = d->Menu->Buttons.front();
    Game->Mouse.MoveTo(static_cast<int>(b->x) + 5, static_cast<int>(b->y) + 5);
    Game->Mouse.ButtonDown(1);
    EXPECT_EQ(d->Manage(), 1);
}

TEST_F(DialogTest, NothingIsClickedWhileSlidingIn) {
    auto d = PlainOK();
    d->SetTransitions(100, 0, 0, 0, 0, 0, 0);
    d->Start();
    KeyHitCounts[platform::keys::ESCAPE] = 1;
    EXPECT_EQ(d->Manage(), 0);
    EXPECT_EQ(d->Active, 1);
}

TEST_F(DialogTest, TheGamesConfirmDialogSlidesInAndAnswersY) {
    UseShippedData();
    if (HasFatalFailure()) return;
    OpenGraphics();
    ToolkitTextLookup = [](const std::string& key) { return "<" + key + ">"; };
    auto d = CreateConfirmDialog("Really leave the ball?");
    EXPECT_EQ(d->TextHeader->Text, "<Confirm>");
    ASSERT_TRUE(d->Menu->FindButton("Yes"));
    EXPECT_EQ(d->Menu->FindButton("No")->Caption->Text, "<Button No>");
    EXPECT_EQ(d->Transitioning, 1);
    for (int i = 0; i < 40; ++i) {
        d->Manage();
        d->Draw();
    }
    EXPECT_EQ(d->Transitioning, 0);
    EXPECT_EQ(played.back(), "Confirm");
    KeyHitCounts['Y'] = 1;
    EXPECT_EQ(Run(*d, 60), 1);
    EXPECT_EQ(played.back(), "SlideOut");
    d->Kill();
}

TEST_F(DialogTest, TheNameDialogRefusesBannedCharactersAndReportsErrors) {
    UseShippedData();
    if (HasFatalFailure()) return;
    auto d = CreateEnterNameDialog("");
    for (int i = 0; i < 40; ++i) d->Manage();
    ASSERT_EQ(d->Transitioning, 0);
    int errors = 0;
    d->ErrorCheckFunc = [&](const std::string& text, std::string& message) {
        if (text != "Taken") return 0;
        message = "In use";
        return -1;
    };
    d->ErrorDialogFunc = [&](const std::string& message) {
        errors++;
        return TDialogOK::Create(message, nullptr, 200, 0, 0, 0);
    };
    for (char c : std::string("ta@ken")) PushChar(c);
    for (int i = 0; i < 6; ++i) d->Manage();
    EXPECT_EQ(d->TextInput.Text, "taken");
    KeyHitCounts[platform::keys::ENTER] = 1;
    EXPECT_EQ(d->Manage(), 0);
    EXPECT_EQ(errors, 1);  // "Taken" after its first letter is raised
    ASSERT_TRUE(d->DialogOK);
    KeyHitCounts[platform::keys::ESCAPE] = 1;
    d->Manage();
    EXPECT_FALSE(d->DialogOK);
    EXPECT_EQ(d->TextInput.Active, 1);
    PushChar('s');
    d->Manage();
    KeyHitCounts[platform::keys::ENTER] = 1;
    EXPECT_EQ(Run(*d, 60), 1);
    EXPECT_EQ(d->TextInput.Text, "Takens");
    EXPECT_EQ(Game->BlockKeys, 0);
}
