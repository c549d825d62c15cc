#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/TScreen.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TDialogYesNo.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TParticleList.h"
#include "toolkit/TSlider.h"
#include "toolkit/TTextInput.h"

class TGameImage;

// A developer's stand-in until the real screens exist: every toolkit widget at work on one
// screen with the game's own art, fonts, sounds and texts. Each thing that happens is printed
// as a "Gallery: ..." line so the end-to-end checks can follow it.
class TGalleryScreen : public TScreen {
public:
    TGalleryScreen();

    // Where Back and Escape lead.
    TScreen* BackTo = nullptr;

    // A plaque button from the menu pictures with a caption (a game-text key) in the Button font.
    static std::shared_ptr<TButton> MakeButton(const std::string& captionKey, float x, float y);

    void Start() override;
    void Logic() override;
    void Draw() override;
    void Kill() override;
    int SetEscDestination() override;

    // Opens the yes/no dialog; its answer shows once it has slid out.
    void Ask();
    // Starts typing into the name field.
    void StartTyping();
    bool Typing() const { return NameInput.Active != 0; }
    bool DialogOpen() const { return Dialog != nullptr; }

    // What the screen shows (tests read them).
    int Answer = 0;  // the last yes/no: 1, -1, or 0 before the first
    std::string Name;
    std::shared_ptr<TLabel> AnswerLabel, NameLabel, SliderLabel, CheckLabel, ListLabel;
    std::shared_ptr<TLabel> Title, Story;
    TTextInput NameInput;
    std::shared_ptr<TSlider> Slider;
    std::shared_ptr<TCheckBox> CheckBox;
    TListBox List;
    TParticleList Effects;
    std::shared_ptr<TDialogYesNo> Dialog;

    // The name field's box.
    static constexpr float NAME_X = 90, NAME_Y = 318, NAME_W = 300, NAME_H = 44;

private:
    struct EffectButton {
        std::string key;
        std::shared_ptr<TButton> button;
    };

    void ManageWidgets();
    void ManageTyping();
    void ManageEffects();
    void ShowAnswer();
    void ShowName();
    void ShowSlider();
    void ShowCheck();
    void ShowList();
    void DrawPanel(float x, float y, float w, float h) const;

    std::shared_ptr<TGameImage> frame;
    std::shared_ptr<TButton> askButton, backButton;
    std::vector<EffectButton> effectButtons;
    std::vector<std::shared_ptr<TLabel>> sectionLabels;
    std::shared_ptr<TLabel> nameHint, refusedNote;
    float refusedShown = 0;  // ticks the refusal note has left
    std::string nameBeforeTyping;
    bool sliding = false;
    int listTop = 0;
};
