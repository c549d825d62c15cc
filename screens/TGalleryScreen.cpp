#include "screens/TGalleryScreen.h"

#include <algorithm>
#include <cstdio>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "toolkit/GameDialogs.h"
#include "toolkit/GameEffects.h"
#include "toolkit/GameFonts.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {

// The palette of the game's dialogs: gold headings, ivory text, a dark plum caption.
const TColor GOLD{232, 200, 122};
const TColor IVORY{246, 238, 220};
const TColor ROSE{236, 150, 160};

void Say(const std::string& line) {
    std::printf("Gallery: %s\n", line.c_str());
    std::fflush(stdout);
}

std::shared_ptr<TLabel> MakeLabel(const std::string& text, float x, float y, const char* font,
                                  const TColor& colour, int alignment = 0, int wrap = 0) {
    auto label =
        TLabel::CreateSpecial(text, x, y, alignment, wrap, wrap ? 0 : 1, FindGameFont(font));
    label->Color = std::make_shared<TColor>(colour);
    return label;
}

std::shared_ptr<TGameImage> Picture(const std::string& file) {
    return TGameImage::Create(Game->ImagePath + file, -1, 0);
}

// The characters as the log shows them: printable ASCII as itself, anything else by code.
std::string Shown(int c) {
    if (c > 32 && c < 127) return std::string(1, static_cast<char>(c));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// The next typed character without taking it from the queue; 0 when none.
int PeekChar() {
    return CharQueue.Unread() > 0 ? CharQueue.chars[CharQueue.readCount % 256] : 0;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find("\r\n", from);
        if (end == std::string::npos) end = text.size();
        if (end > from) out.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    return out;
}

constexpr float LEFT = 90, RIGHT = 545;
// The slider row starts clear of the frame's corner curl.
constexpr float BOTTOM_LEFT = 150;
constexpr float FRAME_SCALE = 1.5f;

}  // namespace

TGalleryScreen::TGalleryScreen() {
    name = "gallery";
}

std::shared_ptr<TButton> TGalleryScreen::MakeButton(const std::string& captionKey, float x,
                                                    float y) {
    auto b = TButton::CreateSpecial("OK", "OKMO", "buttonMO", "buttonclick", x, y, 1);
    b->LoadMouseClick("OK_down", 350);
    b->SetFixedGlowOnMO(0.2f, 0.005f, 0);
    b->SetupCaption(ToolkitText(captionKey), 1, TColor::Create(62, 16, 0), nullptr,
                    FindGameFont("Button"), TColor::Create(82, 36, 20));
    // Clear of the rose dots at the plaque's ends.
    b->Caption->AutoScale(96);
    b->SetupCaptionDown(TColor::Create(42, 0, 0), 1.0f, 2, 2);
    return b;
}

void TGalleryScreen::Start() {
    ImageLoad("Backgrounds/bg2.jpg", 0, 0);
    frame = TGameImage::Create(Game->ImagePath + "Dialogs/GoalsDialog.png", -1, 1);

    Title = MakeLabel(ToolkitText("Gallery Title"), 512, 118, "Header", IVORY, 1);
    Title->AutoScale(600);
    sectionLabels.clear();
    auto section = [&](const std::string& key, float x, float y) {
        sectionLabels.push_back(MakeLabel(ToolkitText(key), x, y, "GUIFont", GOLD));
    };

    // Left column: a button that asks, the name field, the check box and the effects.
    section("Gallery Buttons", LEFT, 196);
    askButton = MakeButton("Gallery Ask", LEFT, 218);
    AnswerLabel = MakeLabel("", LEFT + 170, 245, "GUIFont", IVORY);
    ShowAnswer();

    section("Gallery Name", LEFT, 296);
    NameLabel = MakeLabel("", NAME_X + NAME_W + 16, NAME_Y + NAME_H / 2, "GUIFontSmall", IVORY);
    nameHint = MakeLabel(ToolkitText("Gallery Name Hint"), NAME_X, NAME_Y + NAME_H + 16,
                         "GUIFontSmall", IVORY);
    refusedNote = MakeLabel(ToolkitText("Gallery Name Refused"), NAME_X, NAME_Y + NAME_H + 16,
                            "GUIFontSmall", ROSE);
    refusedShown = 0;
    NameInput.Active = 0;
    NameInput.BannedChars.clear();
    ShowName();

    CheckBox = TCheckBox::Create(Picture("MapScreen/MapDotInactive.png"),
                                 Picture("MapScreen/MapDotMO.png"),
                                 Picture("LevelEndScreen/LevelEndCheckMark.png"), LEFT, 412, 1);
    CheckBox->SetCheckOffsets(4, -6);
    CheckBox->SetSounds("buttonclick", "buttonMO");
    CheckLabel = MakeLabel("", LEFT + 46, 428, "GUIFont", IVORY);
    ShowCheck();

    section("Gallery Effects", LEFT, 474);
    effectButtons.clear();
    const char* keys[] = {"Gallery Rings", "Gallery Burn", "Gallery Combo", "Gallery Unlock"};
    for (int i = 0; i < 4; ++i)
        effectButtons.push_back(
            {keys[i], MakeButton(keys[i], LEFT + (i % 2) * 166.0f, 496 + (i / 2) * 62.0f)});

    // Right column: the list and a wrapped paragraph of story.
    section("Gallery List", RIGHT, 196);
    List.Init(RIGHT + 10, 218, 370, 6, 30, FindGameFont("GUIFontSmall"));
    List.Clear();
    for (const std::string& item : Lines(ToolkitText("Gallery List Items"))) List.Add(item);
    List.TextColor = IVORY;
    List.SelectedColor = GOLD;
    List.SelectedBoxColor = TColor(255, 240, 210, 0.18f);
    List.ClickSound = "buttonclick";
    List.Select(0);
    listTop = List.Top;
    ListLabel = MakeLabel("", RIGHT, 422, "GUIFontSmall", IVORY);
    ShowList();

    Story = MakeLabel(ToolkitText("Gallery Story"), RIGHT, 448, "storyfont", IVORY, 0, 390);
    Story->SetLineGap(27);

    // The bottom: the slider across, Back at the right.
    Slider = TSlider::CreateSpecial("LoadingScreen/LoadingBarempty", "MapScreen/MapDot",
                                    BOTTOM_LEFT, 660, 12, "Volume");
    Slider->DotY = static_cast<int>(Slider->y + (Slider->h - Slider->DotImage->h) / 2.0f);
    SliderLabel = MakeLabel("", BOTTOM_LEFT, 640, "GUIFontSmall", IVORY);
    sliding = false;
    ShowSlider();
    backButton = MakeButton("Gallery Back", 790, 646);

    Dialog.reset();
    Effects.Kill();
    TScreen::Start();
    Say("started");
    Game->GameFade.Init(static_cast<float>(FadeLength), 0, nullptr, 1);
}

void TGalleryScreen::Kill() {
    if (NameInput.Active) NameInput.Finish();
    if (Dialog) {
        Dialog->Kill();
        Dialog.reset();
    }
    Effects.Kill();
    askButton.reset();
    backButton.reset();
    effectButtons.clear();
    Slider.reset();
    CheckBox.reset();
    frame.reset();
    TScreen::Kill();
}

int TGalleryScreen::SetEscDestination() {
    Say("back");
    Game->DestinationTScreen = BackTo ? BackTo : Game->ExitScreen.get();
    return 0;
}

void TGalleryScreen::Ask() {
    if (Dialog) return;
    Dialog = CreateConfirmDialog(ToolkitText("Gallery Question"));
    Say("yes/no opened");
}

void TGalleryScreen::StartTyping() {
    if (NameInput.Active) return;
    nameBeforeTyping = Name;
    NameInput.Init(0, Name, static_cast<int>(NAME_X + 14), static_cast<int>(NAME_Y + 10),
                   FindGameFont("GUIFont"));
    NameInput.MaxLength = 10;
    NameInput.MaxPixelWidth = static_cast<int>(NAME_W - 40);
    NameInput.MakeCharsFileNameSafe();
    NameInput.BannedChars += PLAYER_NAME_BANNED_CHARS;
    NameInput.TypingSound = "Typing";
    NameInput.TextCol = IVORY;
    NameInput.CursorCol = GOLD;
    NameInput.ForceDraw = 1;
    Say("typing started");
}

void TGalleryScreen::Logic() {
    if (Dialog) {
        // The dialog takes the input while it is open; the rest of the screen waits.
        Dialog->Manage();
        if (!Dialog->Active) {
            Answer = Dialog->CloseResult;
            Dialog.reset();
            ShowAnswer();
            Say("yes/no answered " + std::to_string(Answer));
        }
    } else if (NameInput.Active) {
        ManageTyping();
    } else {
        ManageWidgets();
    }
    if (refusedShown > 0) refusedShown = std::max(0.0f, refusedShown - Delta);
    Effects.Manage();
}

void TGalleryScreen::ManageTyping() {
    int next = PeekChar();
    if (next) {
        auto banned = TBitmapFont::CodePoints(NameInput.BannedChars);
        if (std::find(banned.begin(), banned.end(), next) != banned.end()) {
            refusedShown = MsToTicks(2000);
            PlayToolkitSound("InvalidClick");
            Say("refused character " + Shown(next));
        }
    }
    int result = NameInput.Manage();
    if (result == 0 && Game->Mouse.GetMh(true)) {
        // A click away from the field ends the typing as Enter does.
        NameInput.Finish();
        result = 1;
    }
    if (result == 1) {
        Name = NameInput.Text;
        Say("name typed " + Name);
    } else if (result == -1) {
        Name = nameBeforeTyping;
        NameInput.Text = Name;
        Say("typing cancelled");
    }
    if (result) ShowName();
}

void TGalleryScreen::ManageWidgets() {
    if (askButton->Manage()) {
        askButton->ClearClick();
        Say("button Ask clicked");
        Ask();
        return;
    }
    if (backButton->Manage()) {
        backButton->ClearClick();
        Say("back");
        Game->FadeTo(BackTo ? BackTo : Game->ExitScreen.get(), 0, 1);
        return;
    }
    ManageEffects();

    TMousePointer& m = Game->Mouse;
    bool overName =
        m.x >= NAME_X && m.x < NAME_X + NAME_W && m.y >= NAME_Y && m.y < NAME_Y + NAME_H;
    if (overName && m.GetMh(true)) {
        StartTyping();
        return;
    }

    if (CheckBox->Logic()) {
        ShowCheck();
        Say("check box " + std::to_string(CheckBox->state));
    }
    if (Slider->Manage()) {
        sliding = true;
        ShowSlider();
    } else if (sliding) {
        sliding = false;
        Say("slider " + std::to_string(Slider->Value));
    }
    if (List.Manage()) {
        ShowList();
        Say("list selected " + std::to_string(List.Selected) + " " + List.SelectedItem());
    }
    if (List.Top != listTop) {
        listTop = List.Top;
        Say("list scrolled to " + std::to_string(listTop));
    }
}

void TGalleryScreen::ManageEffects() {
    for (auto& [key, button] : effectButtons) {
        if (!button->Manage()) continue;
        button->ClearClick();
        float cx = button->x + button->w2, cy = button->y + button->h2;
        if (key == "Gallery Rings") {
            EffectGoalComplete(Effects, cx, cy);
            PlayToolkitSound("GoalDone");
        } else if (key == "Gallery Burn") {
            EffectBurningCard(Effects, cx, cy, -8.0f);
        } else if (key == "Gallery Combo") {
            EffectEndOfCombo(Effects, cx, cy);
            PlayToolkitSound("ComboEnd");
        } else {
            EffectLockUnlocked(Effects, cx, cy, 12.0f);
            PlayToolkitSound("lock");
        }
        Say("effect " + ToolkitText(key));
    }
}

void TGalleryScreen::ShowAnswer() {
    const char* key = Answer > 0   ? "Gallery Answer Yes"
                      : Answer < 0 ? "Gallery Answer No"
                                   : "Gallery Answer None";
    AnswerLabel->SetText(ToolkitText(key));
}

void TGalleryScreen::ShowName() {
    NameLabel->SetText(Name.empty() ? "" : ToolkitTextWith("Gallery Name Shown", Name));
}

void TGalleryScreen::ShowSlider() {
    SliderLabel->SetText(ToolkitTextWith("Gallery Slider", std::to_string(Slider->Value)));
}

void TGalleryScreen::ShowCheck() {
    CheckLabel->SetText(ToolkitText(CheckBox->state ? "Gallery Check On" : "Gallery Check Off"));
}

void TGalleryScreen::ShowList() {
    ListLabel->SetText(ToolkitTextWith("Gallery List Shown", List.SelectedItem()));
}

void TGalleryScreen::DrawPanel(float x, float y, float w, float h) const {
    auto& g = *Game->Gfx;
    g.SetColor(14, 18, 40);
    g.SetAlpha(0.55f);
    g.DrawRect(x, y, w, h);
    g.SetColor(GOLD.R, GOLD.G, GOLD.B);
    g.SetAlpha(0.8f);
    g.DrawLine(x, y, x + w, y);
    g.DrawLine(x, y + h, x + w, y + h);
    g.DrawLine(x, y, x, y + h);
    g.DrawLine(x + w, y, x + w, y + h);
    g.SetColor(255, 255, 255);
    g.SetAlpha(1);
}

void TGalleryScreen::Draw() {
    auto& g = *Game->Gfx;
    g.ResetState();
    TScreen::Draw();
    // The chapter picture sits well back behind the panel.
    g.SetColor(0, 0, 0);
    g.SetAlpha(0.5f);
    g.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    g.SetColor(255, 255, 255);
    g.SetAlpha(1);
    if (frame) {
        g.SetScale(FRAME_SCALE, FRAME_SCALE);
        frame->Draw(VirtualWidth / 2.0f, VirtualHeight / 2.0f);
        g.SetScale(1, 1);
    }

    Title->Draw(0, 0, 1);
    for (auto& label : sectionLabels) label->Draw(0, 0, 1);

    askButton->Draw();
    AnswerLabel->Draw(0, 0, 1);

    DrawPanel(NAME_X, NAME_Y, NAME_W, NAME_H);
    if (NameInput.Active) {
        NameInput.Draw();
    } else if (auto font = FindGameFont("GUIFont")) {
        IVORY.Apply();
        font->Draw(Name, NAME_X + 14, NAME_Y + 10, 0, 0, 1, 1);
        g.SetColor(255, 255, 255);
    }
    NameLabel->Draw(0, 0, 1);
    if (refusedShown > 0)
        refusedNote->Draw(0, 0, 1);
    else
        nameHint->Draw(0, 0, 1);

    CheckBox->Draw();
    CheckLabel->Draw(0, 0, 1);
    for (auto& effect : effectButtons) effect.button->Draw();

    DrawPanel(List.x - 10, List.y - 4, static_cast<float>(List.w) + 20,
              static_cast<float>(List.LinesShown * List.LineGap) + 8);
    List.Draw();
    // Which part of the list shows: a thin gold bar down its right side.
    int count = static_cast<int>(List.Items.size());
    if (count > List.LinesShown) {
        float trackH = static_cast<float>(List.LinesShown * List.LineGap);
        float barH = trackH * List.LinesShown / count;
        float barY = List.y + trackH * List.Top / count;
        g.SetColor(GOLD.R, GOLD.G, GOLD.B);
        g.SetAlpha(0.7f);
        g.DrawRect(List.x + List.w + 4, barY, 4, barH);
        g.SetColor(255, 255, 255);
        g.SetAlpha(1);
    }
    ListLabel->Draw(0, 0, 1);
    Story->Draw(0, 0, 1);

    SliderLabel->Draw(0, 0, 1);
    Slider->Draw();
    backButton->Draw();

    Effects.Draw();
    if (Dialog) Dialog->Draw();
    g.ResetState();
}
