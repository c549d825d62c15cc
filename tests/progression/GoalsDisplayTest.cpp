#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/AssetBanks.h"
#include "framework/TImageBank.h"
#include "platform/PathResolver.h"
#include "progression/TDialogGoals.h"
#include "progression/TGoalsDisplay.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/GameFonts.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TLabel.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {

// Every character 10 pixels wide and 12 high, with no atlas: only the strike-through bars
// reach the screen.
std::shared_ptr<TBitmapFont> TenFont() {
    auto f = std::make_shared<TBitmapFont>();
    std::string text = "info\ncommon scaleW=64 scaleH=64\n";
    for (int c = 32; c < 127; ++c)
        text += "char id=" + std::to_string(c) +
                " x=0 y=0 width=8 height=12 xoffset=0 yoffset=0 xadvance=10\n";
    std::istringstream in(text);
    f->ReadDescription(in, 0);
    return f;
}

class GoalsDisplayTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        ToolkitTextLookup = nullptr;  // a key stands for its own text
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        ToolkitSoundPlayer = nullptr;
        ToolkitTextLookup = nullptr;
        ClearGameFonts();
        ResetAssetBanks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        ToolkitTest::TearDown();
    }
    void Chapter(int chapter) {
        Player->Level = chapter;
        SaveData->timer = 0;
        SaveData->CreateGoals();
    }
    // The shipped pictures, menus and fonts, and a plain stand-in for the rings' picture.
    void UseShippedData() {
        ASSERT_TRUE(ShippedFontsPresent()) << "the generated data folder is missing";
        std::string data =
            platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/Data");
        Game->SetImagePath(data + "/graphics");
        Game->SetMenuPath(data + "/menus");
        Game->SetFontPath(data + "/fonts");
        LoadGameFonts();
        ImageBank.Add("PARTICLERINGPINK", SolidImage(16, 16, 255, 120, 200, 1));
    }
    int Count(const std::string& sound) const {
        return static_cast<int>(std::count(played.begin(), played.end(), sound));
    }
    std::vector<std::string> played;
};

TEST_F(GoalsDisplayTest, TheListIsAColumnCentredOnTheScreen) {
    // With the keys as texts: "GoalStoryItemN" is 140 pixels, "GoalCombo"/"GoalStars" 90.
    struct Case {
        int chapter;
        std::vector<float> ys;  // top 100, gap 40
    } cases[] = {
        {1, {360}},            // one line: 220 + gap
        {2, {340, 380}},       // two: 220 + gap / 2
        {7, {320, 360, 400}},  // three: 220
    };
    for (const Case& c : cases) {
        Chapter(c.chapter);
        TGoalsDisplay display;
        display.InitGoalLabels(100, TenFont(), 40);
        EXPECT_FLOAT_EQ(display.y, 100);
        for (int i = 0; i < TSaveData::MAX_GOALS; ++i) {
            auto label = display.GetLabel(i);
            if (i >= static_cast<int>(c.ys.size())) {
                EXPECT_FALSE(label) << c.chapter << " line " << i;
                continue;
            }
            ASSERT_TRUE(label) << c.chapter << " line " << i;
            // Left-aligned at 512 + 7 - widest / 2, the widest being 140.
            EXPECT_FLOAT_EQ(label->X, 449) << c.chapter << " line " << i;
            EXPECT_FLOAT_EQ(label->Y, c.ys[static_cast<size_t>(i)]) << c.chapter << " line " << i;
        }
    }
    // The second and third lines follow the first by one gap each (35 in the dialog).
    Chapter(2);
    TGoalsDisplay display;
    display.InitGoalLabels(0, TenFont(), 35);
    EXPECT_FLOAT_EQ(display.goal1Label->Y, 237.5f);
    EXPECT_FLOAT_EQ(display.goal2Label->Y, 272.5f);
}

TEST_F(GoalsDisplayTest, ALongGoalIsScaledToFitAndCentredByItsScaledWidth) {
    ToolkitTextLookup = [](const std::string&) { return std::string(64, 'w'); };  // 640 px
    Chapter(1);
    TGoalsDisplay display;
    display.InitGoalLabels(0, TenFont(), 35);
    EXPECT_FLOAT_EQ(display.goal1Label->Scale, 512.0f / 640.0f);
    EXPECT_FLOAT_EQ(display.goal1Label->X, 512 + 7 - 256);
}

TEST_F(GoalsDisplayTest, AMetGoalIsStruckThroughInGreyUnlessItIsTheHiddenOne) {
    OpenGraphics();
    Chapter(2);  // story item (open), combo 6 (met below)
    SaveData->chapterMaxCombo = 6;
    TGoalsDisplay display;
    display.InitGoalLabels(100, TenFont(), 40);
    // Labels at x 449, y 340 and 380, 12 high: the bar covers rows y+5 and y+6 from x-2 to
    // x+width+2 (the combo line is 90 wide).
    struct Case {
        int hidden;
        float offsetX, offsetY;
        bool comboBar;
    } cases[] = {{-1, 0, 0, true}, {1, 0, 0, false}, {0, 0, 0, true}, {-1, 200, 10, true}};
    for (const Case& c : cases) {
        Game->Gfx->Cls();
        display.OffsetX = c.offsetX;
        display.OffsetY = c.offsetY;
        display.Draw(c.hidden);
        int ox = static_cast<int>(c.offsetX), oy = static_cast<int>(c.offsetY);
        Rgb bar = PixelAt(490 + ox, 385 + oy);
        if (c.comboBar) {
            EXPECT_EQ(bar.r, 150) << c.hidden << " " << c.offsetX;
            EXPECT_EQ(bar.g, 150);
            EXPECT_EQ(bar.b, 150);
            EXPECT_EQ(PixelAt(448 + ox, 385 + oy).r, 150) << "2 pixels left of the label";
            EXPECT_EQ(PixelAt(542 + ox, 385 + oy).r, 0) << "ends 2 pixels past it";
            EXPECT_EQ(PixelAt(490 + ox, 387 + oy).r, 0) << "2 pixels high";
        } else {
            EXPECT_EQ(bar.r, 0) << c.hidden;
        }
        EXPECT_EQ(PixelAt(490 + ox, 345 + oy).r, 0) << "the open goal has no bar";
        int r = 0, g = 0, b = 0;
        Game->Gfx->GetColor(r, g, b);
        EXPECT_EQ(r + g + b, 3 * 255) << "drawing leaves white behind";
    }
    // The grey was for drawing only.
    ASSERT_TRUE(display.goal2Label->Color);
    EXPECT_EQ(display.goal2Label->Color->R, 255);
}

TEST_F(GoalsDisplayTest, EveryShippedFontHasTheBullet) {
    ASSERT_TRUE(ShippedFontsPresent()) << "the generated data folder is missing";
    std::string data = platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/Data");
    for (const std::string& name : GAME_FONT_NAMES) {
        std::string path = platform::PathResolver::Resolve(data + "/fonts/" + name + ".fnt");
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        TBitmapFont font;
        font.ReadDescription(in, 0);
        EXPECT_NE(font.SlotOf(0x2022), 0) << name;
    }
}

TEST_F(GoalsDisplayTest, OnlyADialogForAGoalJustMetAnnouncesIt) {
    UseShippedData();
    if (HasFatalFailure()) return;
    OpenGraphics();
    ToolkitTextLookup = [](const std::string& key) { return "<" + key + ">"; };
    Chapter(7);  // story item, stars, combo 10 (met)
    SaveData->chapterMaxCombo = 10;
    struct Case {
        int completed;
        int goalDone;  // times "GoalDone" is heard
    } cases[] = {{-1, 0}, {2, 1}};
    for (const Case& c : cases) {
        played.clear();
        auto d = OpenGoalsDialog(c.completed);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->TextHeader->Text, "<Chapter Goals>");
        ASSERT_TRUE(d->Menu->FindButton("OK"));
        EXPECT_EQ(d->Menu->FindButton("OK")->Caption->Text, "<Button OK>");
        EXPECT_EQ(d->completedGoalIndex, c.completed);
        // The picture is drawn from the dialog's corner.
        ASSERT_TRUE(d->Background);
        EXPECT_EQ(d->Background->midhandled, 0);
        EXPECT_EQ(d->w, 640);
        // The labels start from the dialog's top with 35 between lines.
        EXPECT_EQ(d->y, 144);
        EXPECT_FLOAT_EQ(d->goalsDisplay.goal1Label->Y, 144 + 220);
        EXPECT_FLOAT_EQ(d->goalsDisplay.goal3Label->Y, 144 + 220 + 70);
        EXPECT_EQ(d->Transitioning, 1);
        for (int i = 0; i < 60 && d->Transitioning; ++i) {
            d->Manage();
            d->Draw();
            if (d->Transitioning) {
                EXPECT_EQ(Count("GoalDone"), 0) << "not before it has slid in";
            }
        }
        EXPECT_EQ(d->Transitioning, 0);
        EXPECT_EQ(Count("GoalDone"), c.goalDone) << c.completed;
        EXPECT_EQ(d->Effects.Items.empty(), c.goalDone == 0) << c.completed;
        if (c.goalDone) {
            // The rings start on the announced goal's line, at the screen's centre.
            auto ring = d->Effects.Items.front();
            EXPECT_FLOAT_EQ(ring->x, 512);
            EXPECT_NEAR(ring->y, d->goalsDisplay.goal3Label->Y, 20);
        }
        EXPECT_EQ(d->completedGoalIndex, -1);
        for (int i = 0; i < 40; ++i) {
            d->Manage();
            d->Draw();
        }
        EXPECT_EQ(Count("GoalDone"), c.goalDone) << "only once";
        KeyHitCounts[platform::keys::ENTER] = 0;
        KeyHitCounts[platform::keys::ESCAPE] = 1;
        int result = 0;
        for (int i = 0; i < 60 && result == 0; ++i) result = d->Manage();
        EXPECT_EQ(result, 1);
        d->Kill();
    }
}

}  // namespace
