#include <string>
#include <vector>

#include "framework/Keyboard.h"
#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TKeyRepeat.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMenu.h"
#include "toolkit/TSlider.h"
#include "toolkit/TTextInput.h"
#include "toolkit/ToolkitSound.h"

class MenuTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ToolkitSoundPlayer = [this](const std::string& n, float) { played.push_back(n); };
        Game->MenuPath = dir.Path().string() + "/";
        Game->ImagePath = dir.Path().string() + "/";
    }
    void TearDown() override {
        ToolkitSoundPlayer = nullptr;
        ToolkitTest::TearDown();
    }
    void WritePng(const std::string& name, int w, int h) {
        platform::Pixmap pm(w, h);
        std::string error;
        ASSERT_TRUE(pm.SavePng(dir.File(name + ".png"), 1, false, error)) << error;
    }
    void Click(int x, int y) {
        Game->Mouse.MoveTo(x, y);
        Game->Mouse.ButtonDown(1);
        Game->Mouse.ButtonUp(1);
    }
    std::vector<std::string> played;
};

TEST_F(MenuTest, AddedButtonsStackCentredWithTheGap) {
    WritePng("Play", 200, 50);
    WritePng("PlayMO", 200, 50);
    WritePng("Quit", 100, 40);
    auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 300, 10);
    auto play = menu->AddQuick("Play");
    auto quit = menu->AddQuick("Quit");  // no mouse-over file: the normal picture again
    EXPECT_FLOAT_EQ(play->x, 412);
    EXPECT_FLOAT_EQ(play->y, 300);
    EXPECT_FLOAT_EQ(quit->x, 462);
    EXPECT_FLOAT_EQ(quit->y, 360);
    EXPECT_EQ(menu->NextY, 410);
    EXPECT_EQ(menu->h, 100);
    EXPECT_EQ(quit->ImageMouseOver, quit->image);
    EXPECT_EQ(play->SoundClick, "buttonclick");
    EXPECT_EQ(play->name, "PLAY");
    EXPECT_FLOAT_EQ(menu->CalcWidth(), 200);
    EXPECT_FLOAT_EQ(menu->CalcHeight(), 100);
}

TEST_F(MenuTest, QuickAutoLoadsTheDisabledAndDownPicturesThatExist) {
    WritePng("Go", 80, 30);
    WritePng("Go_down", 80, 30);
    WritePng("Stop", 80, 30);
    WritePng("Stop_disabled", 80, 30);
    auto menu = TMenu::Create("", "", 0, 0, 0);
    auto go = menu->AddQuickAuto("Go");
    auto stop = menu->AddQuickAuto("Stop");
    EXPECT_TRUE(go->ImageMouseClick);
    EXPECT_FLOAT_EQ(go->MouseClickDuration, 40);
    EXPECT_FALSE(go->ImageDisabled);
    EXPECT_TRUE(stop->ImageDisabled);
    EXPECT_EQ(stop->ClickDisabled, 1);
    EXPECT_FALSE(stop->ImageMouseClick);
}

TEST_F(MenuTest, ClickedNamesMatchWhateverTheirCase) {
    WritePng("ok", 100, 40);
    auto menu = TMenu::Create("", "", 0, 100, 0);
    menu->AddQuick("ok");
    Click(512, 110);
    menu->Manage(0, 0);
    EXPECT_TRUE(menu->MouseOver("Ok"));
    EXPECT_TRUE(menu->Clicked("OK"));
    EXPECT_FALSE(menu->Clicked("OK"));  // read once
    ASSERT_TRUE(menu->FindButton("oK"));
    menu->RemoveButton("OK");
    EXPECT_FALSE(menu->FindButton("ok"));
}

TEST_F(MenuTest, OverlappingButtonsClickOnlyTheFirst) {
    WritePng("A", 100, 40);
    WritePng("B", 100, 40);
    auto menu = TMenu::Create("", "", 0, 100, -40);  // the second on top of the first
    auto a = menu->AddQuick("A");
    auto b = menu->AddQuick("B");
    ASSERT_FLOAT_EQ(a->y, b->y);
    Click(512, 110);
    menu->Manage(0, 0);
    EXPECT_EQ(a->Clicked, 1);
    EXPECT_EQ(b->Clicked, 0);
    EXPECT_EQ(menu->ClickedName, "A");
}

TEST_F(MenuTest, InputIsHeldDuringAFadeOrWhenRefused) {
    WritePng("A", 100, 40);
    auto menu = TMenu::Create("", "", 0, 100, 0);
    auto a = menu->AddQuick("A");
    menu->AcceptInput = 0;
    Click(512, 110);
    menu->Manage(0, 0);
    EXPECT_EQ(a->Clicked, 0);
    menu->AcceptInput = 1;
    menu->Manage(0, 0);
    EXPECT_EQ(a->Clicked, 1);
}

TEST_F(MenuTest, LayoutMovesEveryButtonTogether) {
    WritePng("A", 100, 40);
    WritePng("B", 60, 20);
    auto menu = TMenu::Create("", "", 0, 0, 0);
    auto a = menu->AddQuick("A");
    auto b = menu->AddQuick("B");
    menu->MakeRow(10);
    EXPECT_FLOAT_EQ(a->x, 427);  // 170 wide, centred
    EXPECT_FLOAT_EQ(b->x, 537);
    EXPECT_FLOAT_EQ(a->y, 364);
    menu->MakeColumn(5);
    EXPECT_FLOAT_EQ(a->x, 462);
    EXPECT_FLOAT_EQ(b->y - a->y, 45);
    menu->MoveTo(10, 20);
    EXPECT_FLOAT_EQ(menu->CalcLeft(), 10);
    EXPECT_FLOAT_EQ(menu->CalcTop(), 20);
    menu->SetPairX("A", "B", 100);
    EXPECT_FLOAT_EQ(a->x, 100);
    EXPECT_FLOAT_EQ(b->x, 100);  // moved by the same amount
}

TEST_F(MenuTest, AddPairPutsTheSecondBesideTheFirst) {
    WritePng("DlgYes", 100, 40);
    WritePng("DlgNo", 80, 50);
    auto menu = TMenu::Create("", "", 0, 200, 10);
    menu->AddPair("Yes", "No", 30, "Dlg");
    auto yes = menu->FindButton("DlgYes"), no = menu->FindButton("DlgNo");
    ASSERT_TRUE(yes && no);
    EXPECT_FLOAT_EQ(no->x - yes->x, 130);
    EXPECT_EQ(menu->h, 50);
    EXPECT_EQ(menu->NextY, 260);
}

TEST_F(MenuTest, SliderStopsAtItsEnds) {
    auto s = std::make_shared<TSlider>();
    s->Load(SolidImage(220, 20), SolidImage(10, 10, 255, 255, 255, 1), 100, 100, 10, "vol", 5);
    EXPECT_EQ(s->Value, 50);
    EXPECT_EQ(s->DotX, 100 + 10 + 100 - 5);
    struct Case {
        int mx, value;
    } cases[] = {{50, 50}, {95, 0}, {105, 0}, {210, 50}, {325, 100}, {319, 100}, {160, 25}};
    Game->Mouse.ButtonDown(1);
    for (const Case& c : cases) {
        if (c.mx == 50) continue;
        Game->Mouse.MoveTo(c.mx, 110);
        EXPECT_EQ(s->Manage(), 1);
        EXPECT_EQ(s->Value, c.value) << c.mx;
    }
    Game->Mouse.MoveTo(50, 110);
    EXPECT_EQ(s->Manage(), 0);
    EXPECT_EQ(s->MouseOver, 0);
}

TEST_F(MenuTest, CheckBoxTogglesOnAClick) {
    auto box = TCheckBox::Create(SolidImage(20, 20), nullptr, SolidImage(10, 10), 50, 50, 0);
    box->SetSounds("tick", "over");
    box->disabledSound = "nope";
    Game->Mouse.MoveTo(60, 60);
    EXPECT_EQ(box->Logic(), 0);
    Click(60, 60);
    EXPECT_EQ(box->Logic(), 1);
    EXPECT_EQ(box->state, 1);
    box->disabled = 1;
    Click(60, 60);
    EXPECT_EQ(box->Logic(), 0);
    EXPECT_EQ(box->state, 1);
    EXPECT_EQ(played, (std::vector<std::string>{"over", "tick", "nope"}));
}

class TextInputTest : public MenuTest {
protected:
    void Type(const std::string& s) {
        for (char c : s) PushChar(static_cast<unsigned char>(c));
    }
    int Run(TTextInput& t, int ticks) {
        int r = 0;
        for (int i = 0; i < ticks && r == 0; ++i) r = t.Manage();
        return r;
    }
};

TEST_F(TextInputTest, TakesTenCharactersAndIgnoresTheEleventh) {
    TTextInput t;
    t.Init(1, "", 0, 0, nullptr);
    t.TypingSound = "type";
    EXPECT_EQ(Game->BlockKeys, 1);
    Type("abcdefghijk");
    Run(t, 11);
    EXPECT_EQ(t.Text, "abcdefghij");
    EXPECT_EQ(t.CurrentChar, 11);
    EXPECT_EQ(played.size(), 10u);
}

TEST_F(TextInputTest, BackspaceRemovesTheLastCharacter) {
    TTextInput t;
    t.Init(1, "ab\xC3\xA9", 0, 0, nullptr);  // "abé"
    EXPECT_EQ(t.CurrentChar, 4);
    KeyHitCounts[platform::keys::BACKSPACE] = 1;
    t.Manage();
    EXPECT_EQ(t.Text, "ab");
}

TEST_F(TextInputTest, EnterOnAnEmptyFieldWithoutNullDoesNothingAndEscapeAborts) {
    TTextInput t;
    t.Init(1, "", 0, 0, nullptr);
    t.AllowNull = 0;
    Type("  ");
    KeyHitCounts[platform::keys::ENTER] = 1;
    EXPECT_EQ(Run(t, 5), 0);
    EXPECT_EQ(t.Active, 1);
    KeyHitCounts[platform::keys::ESCAPE] = 1;
    EXPECT_EQ(t.Manage(), -1);
    EXPECT_EQ(t.Done, 1);
    EXPECT_EQ(Game->BlockKeys, 0);

    TTextInput named;
    named.Init(1, "", 0, 0, nullptr);
    named.AllowNull = 0;
    Type("Jo");
    Run(named, 2);
    KeyHitCounts[platform::keys::ENTER] = 1;
    EXPECT_EQ(named.Manage(), 1);
    EXPECT_EQ(named.Text, "Jo");
}

TEST_F(TextInputTest, BannedCharactersAreIgnoredWithoutASound) {
    TTextInput t;
    t.Init(1, "", 0, 0, nullptr);
    t.TypingSound = "type";
    t.MakeCharsFileNameSafe();
    t.BannedChars += "[]^{}#@_\xC2\xA3\xE2\x82\xAC\xC5\xB8\xC3\xBF\xC3\x9D\xC3\xBD";
    t.AllowExtendedChars = 1;
    Type("a/b");
    PushChar(0x20AC);  // the euro sign
    PushChar('%');
    PushChar(0xE9);  // e acute is allowed
    Run(t, 6);
    EXPECT_EQ(t.Text, "ab\xC3\xA9");
    EXPECT_EQ(played.size(), 3u);
}

TEST_F(TextInputTest, NumbersOnlyAndFirstCapital) {
    TTextInput n;
    n.Init(1, "", 0, 0, nullptr);
    n.NumbersOnly = 1;
    Type("1a2");
    Run(n, 3);
    EXPECT_EQ(n.Text, "12");

    TTextInput name;
    name.Init(1, "", 0, 0, nullptr);
    name.UppercaseFirstCharAsTyped = 1;
    Type("ann");
    Run(name, 3);
    EXPECT_EQ(name.Text, "Ann");
}

TEST_F(MenuTest, KeyRepeatFiresOnThePressAndEachRepeat) {
    TKeyRepeat r;
    r.Create(25, 10);  // 5 ticks, then every 2
    std::string seen;
    KeyDownStates[platform::keys::DOWN] = 1;
    for (int i = 0; i < 10; ++i) seen += r.GetKey(platform::keys::DOWN) ? '1' : '0';
    EXPECT_EQ(seen, "1000010101");
    KeyDownStates[platform::keys::DOWN] = 0;
    EXPECT_FALSE(r.GetKey(platform::keys::DOWN));
}

TEST_F(MenuTest, ListBoxSelectsByClickAndKeys) {
    TListBox list;
    list.Init(100, 100, 200, 3, 20, nullptr);
    for (const char* n : {"Ann", "Bea", "Cat", "Dot", "Eve"}) list.Add(n);
    Click(150, 145);
    EXPECT_EQ(list.Manage(), 1);
    EXPECT_EQ(list.SelectedItem(), "Cat");
    KeyDownStates[platform::keys::DOWN] = 1;
    list.Manage();
    EXPECT_EQ(list.SelectedItem(), "Dot");
    EXPECT_EQ(list.Top, 1);  // scrolled to show it
    KeyDownStates[platform::keys::DOWN] = 0;
    EXPECT_EQ(list.ItemAt(150, 105), 1);
}

TEST_F(MenuTest, SliderLoadsItsPicturesFromTheImageFolder) {
    WritePng("bar", 200, 16);
    WritePng("knob", 12, 12);
    auto s = TSlider::CreateSpecial("bar", "knob.png", 50, 60.7f, 8, "Music");
    EXPECT_EQ(s->w, 200);
    EXPECT_EQ(s->DotY, 60);
    EXPECT_EQ(s->name, "MUSIC");
    EXPECT_EQ(s->DotX, static_cast<int>(50 + 8 + 0.5f * 184 - 6));
}
