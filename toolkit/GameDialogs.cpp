#include "toolkit/GameDialogs.h"

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "toolkit/GameFonts.h"
#include "toolkit/ToolkitText.h"

const char* const PLAYER_NAME_BANNED_CHARS =
    "[]^{}#@_\xC2\xA3\xE2\x82\xAC\xC5\xB8\xC3\xBF\xC3\x9D\xC3\xBD";

namespace {

std::shared_ptr<TGameImage> Background(const std::string& file) {
    std::string folder = Game ? Game->ImagePath : std::string();
    return TGameImage::Create(folder + file, -1, 0);
}

struct CaptionColours {
    TColor normal, hover, pressed;
};
constexpr int MENU_BOTTOM_MARGIN = 45;

const CaptionColours DARK{{62, 16, 0}, {82, 36, 20}, {42, 0, 0}};

// The parts every dialog shares: wrap, header, body style.
void Dress(TDialog& d, const std::string& header, int lineGap = 32, int captionOffsetY = 21,
           TColor bodyColour = TColor(240, 240, 240)) {
    d.Border = 90;
    if (d.Background) d.SetWordWrap(d.Background->w - 180);
    d.DrawHighlight = 0;
    if (!header.empty()) {
        d.SetupTextHeader(header, 1, TColor::Create(255, 255, 255), nullptr,
                          FindGameFont("Header"));
        d.TextHeader->AutoScale(512);
    }
    d.SetupCaption(1, std::make_shared<TColor>(bodyColour), nullptr, FindGameFont("GUIFont"));
    d.Caption->LineGap = lineGap;
    d.CaptionCentreVert = 1;
    d.CaptionOffsetY = captionOffsetY;
}

void DressButtons(TMenu& menu, const std::vector<std::pair<std::string, std::string>>& captions) {
    menu.ChangeShadow(0, 0, 0, 0);
    auto font = FindGameFont("Button");
    for (const auto& [name, key] : captions) {
        auto b = menu.FindButton(name);
        if (!b) continue;
        b->LoadMouseClick("buttonDown", 350);
        b->SetFixedGlowOnMO(0.2f, 0.005f, 0);
        b->SetupCaption(ToolkitText(key), 1, std::make_shared<TColor>(DARK.normal), nullptr, font,
                        std::make_shared<TColor>(DARK.hover));
        b->Caption->AutoScale(96);
        b->SetupCaptionDown(std::make_shared<TColor>(DARK.pressed), 1.0f, 2, 2);
    }
}

void Finish(TDialog& d, const std::string& activateSound, const std::string& slideIn = "") {
    d.ActivateSound = activateSound;
    d.SlideInSound = slideIn;
    d.SlideOutSound = "SlideOut";
    d.SetTransitions(200, 200, 0.5f, 0, 5, 1, 1);
    d.Start();
    // The pictures leave a frame of about 45 pixels: the buttons sit on it, clear of the body.
    if (d.Menu && !d.Menu->Buttons.empty()) {
        float bottom = d.Menu->CalcTop() + d.Menu->CalcHeight();
        d.Menu->SetY(d.Menu->CalcTop() + (d.y + d.h - MENU_BOTTOM_MARGIN) - bottom);
        d.MenuOX = static_cast<int>(d.Menu->CalcLeft());
        d.MenuOY = static_cast<int>(d.Menu->CalcTop());
    }
    // Building the dialog took real time the logic must not catch up on.
    if (Game) Game->FixedRateLogic.Init();
}

std::shared_ptr<TDialogOK> OKDialog(const std::string& file, const std::string& header,
                                    const std::string& body) {
    auto d = TDialogOK::Create(body, Background(file));
    Dress(*d, header);
    d->MenuCreate("OK");
    DressButtons(*d->Menu, {{"OK", "Button OK"}});
    return d;
}

std::shared_ptr<TDialogYesNo> YesNoDialog(const std::string& file, const std::string& header,
                                          const std::string& body, const std::string& yesKey,
                                          const std::string& noKey) {
    auto d = TDialogYesNo::Create(body, Background(file));
    Dress(*d, header);
    d->MenuCreate(d->ButtonGap);
    DressButtons(*d->Menu, {{"Yes", yesKey}, {"No", noKey}});
    return d;
}

}  // namespace

std::shared_ptr<TDialogOK> CreateMessageDialog(const std::string& header, const std::string& body,
                                               const std::string& activateSound) {
    auto d = OKDialog("Dialogs/MessageDialog.png", header, body);
    Finish(*d, activateSound);
    return d;
}

std::shared_ptr<TDialogOK> CreateErrorDialog(const std::string& message) {
    auto d = OKDialog("Dialogs/MessageDialog.png", ToolkitText("Error"), message);
    d->Caption->Color = TColor::Create(207, 148, 154);
    Finish(*d, "Error");
    return d;
}

std::shared_ptr<TDialogYesNo> CreateConfirmDialog(const std::string& question) {
    auto d = YesNoDialog("Dialogs/MessageDialog.png", ToolkitText("Confirm"), question,
                         "Button Yes", "Button No");
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogYesNo> CreateQuestionDialog(const std::string& header,
                                                   const std::string& body,
                                                   const std::string& yesKey,
                                                   const std::string& noKey) {
    auto d = YesNoDialog("Dialogs/MessageDialog.png", header, body, yesKey, noKey);
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogYesNo> CreateExitDialog() {
    auto d = YesNoDialog("Dialogs/Exit Dialog.png", ToolkitText("Game Exit Header"), "",
                         "Button Yes", "Button No");
    d->CalcSize();
    d->CaptionOffsetY = d->Caption->TotalLines > 2 ? 67 : 51;
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogOK> CreateCharacterDialog(const std::string& header, const std::string& body,
                                                 const std::string& picture) {
    auto d = OKDialog("Dialogs/Character Dialog.png", header, body);
    d->CalcSize();
    int lines = d->Caption->TotalLines;
    d->CaptionOffsetY = 16 * lines - 11;
    if (lines >= 6) d->Caption->SetLineGap(29);
    if (!picture.empty()) {
        std::string folder = Game ? Game->ImagePath : std::string();
        d->Picture = TGameImage::Create(folder + picture, -1, 1);
    }
    Finish(*d, "Confirm");
    if (d->Picture) {
        d->PictureX = d->x + 90;
        d->PictureY = d->y + d->h / 2;
    }
    return d;
}

std::shared_ptr<TDialogYesNo> CreateChooseDifficultyDialog() {
    auto d = YesNoDialog("Dialogs/InGameMenu.png", ToolkitText("Choose Difficulty"), "",
                         "Button Normal", "Button Hard");
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogTextInput> CreateEnterNameDialog(const std::string& initialName) {
    auto d = TDialogTextInput::Create(ToolkitText("Welcome"),
                                      Background("Dialogs/EnterYourNameDialog.png"), initialName,
                                      10, FindGameFont("GUIFont"));
    Dress(*d, ToolkitText("Enter Your Name"));
    // The greeting goes up to leave the field room above the buttons.
    d->CaptionOffsetY = -15;
    d->Gap = 15;
    d->MenuCreate();
    DressButtons(*d->Menu, {{"OK", "Button OK"}, {"Cancel", "Button Cancel"}});
    d->TextInput.MakeCharsFileNameSafe();
    d->TextInput.BannedChars += PLAYER_NAME_BANNED_CHARS;
    d->TextInput.TypingSound = "Typing";
    Finish(*d, "", "SlideIn");
    return d;
}

std::shared_ptr<TDialogOK> CreateShopDialog(const std::string& header, const std::string& body) {
    auto d = OKDialog("Dialogs/Shop Dialog.png", header, body);
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogYesNo> CreateTryPlainCardsDialog() {
    auto d = YesNoDialog("Dialogs/PlainCardsDialog.png", "", ToolkitText("Try Plain Cards Body"),
                         "Button Yes", "Button No");
    std::string folder = Game ? Game->ImagePath : std::string();
    d->Picture = TGameImage::Create(folder + "DialogImages/PlainCardsDialogImage.png", -1, 1);
    d->PictureX = VirtualWidth / 2;
    d->PictureY = VirtualHeight / 2 - 197;
    Finish(*d, "Confirm");
    return d;
}

std::shared_ptr<TDialogYesNo> CreateResumeChapterDialog(int chapter) {
    auto d = YesNoDialog("Dialogs/MessageDialog.png", ToolkitText("Resume Chapter Header"),
                         ToolkitTextWith("Resume Chapter Body", std::to_string(chapter)),
                         "Button Yes", "Button No");
    Finish(*d, "Confirm");
    return d;
}

void DressDialogButtons(TMenu& menu,
                        const std::vector<std::pair<std::string, std::string>>& captions) {
    DressButtons(menu, captions);
}

void StartGameDialog(TDialog& d, const std::string& activateSound,
                     const std::string& slideInSound) {
    Finish(d, activateSound, slideInSound);
}
