#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/TDialogOK.h"
#include "toolkit/TDialogTextInput.h"
#include "toolkit/TDialogYesNo.h"

// The game's dialogs, each built, started and returned; the owning screen manages and draws
// it until its CloseResult is set. Texts are game-text keys unless said otherwise.

// A message with the caller's header and body (already texts, not keys).
std::shared_ptr<TDialogOK> CreateMessageDialog(const std::string& header, const std::string& body,
                                               const std::string& activateSound = "OKDialog");
std::shared_ptr<TDialogOK> CreateErrorDialog(const std::string& message);
std::shared_ptr<TDialogYesNo> CreateConfirmDialog(const std::string& question);
std::shared_ptr<TDialogYesNo> CreateExitDialog();
// A question with the caller's header and body (texts) and its two answers' caption keys.
std::shared_ptr<TDialogYesNo> CreateQuestionDialog(const std::string& header,
                                                   const std::string& body,
                                                   const std::string& yesKey,
                                                   const std::string& noKey);
// A character speaking: header and body as texts, with an optional picture image-bank name.
std::shared_ptr<TDialogOK> CreateCharacterDialog(const std::string& header, const std::string& body,
                                                 const std::string& picture = "");
// Yes = normal, No = hard.
std::shared_ptr<TDialogYesNo> CreateChooseDifficultyDialog();
std::shared_ptr<TDialogTextInput> CreateEnterNameDialog(const std::string& initialName);
std::shared_ptr<TDialogOK> CreateShopDialog(const std::string& header, const std::string& body);
std::shared_ptr<TDialogYesNo> CreateTryPlainCardsDialog();
std::shared_ptr<TDialogYesNo> CreateResumeChapterDialog(int chapter);

// For dialogs built outside the toolkit (goals, hand results) to look like the rest: the
// Button-font captions (button name, caption key) with their hover and press colours, and the
// shared slide transitions and sounds, started with the buttons settled on the frame.
void DressDialogButtons(TMenu& menu,
                        const std::vector<std::pair<std::string, std::string>>& captions);
void StartGameDialog(TDialog& d, const std::string& activateSound,
                     const std::string& slideInSound = "");

// The characters a player name may not hold besides the file-name-unsafe ones.
extern const char* const PLAYER_NAME_BANNED_CHARS;
