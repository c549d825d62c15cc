// TGame: folders, the settings file and the clean-shutdown markers.
#include "framework/TGame.h"

#include <filesystem>
#include <fstream>

#include "framework/Globals.h"
#include "platform/SystemInfo.h"

namespace {
std::string WithSlash(const std::string& p) {
    if (p.empty() || p.back() == '/' || p.back() == '\\') return p;
    return p + "/";
}
}  // namespace

void TGame::SetImagePath(const std::string& p) {
    ImagePath = WithSlash(p);
}
void TGame::SetSoundPath(const std::string& p) {
    SoundPath = WithSlash(p);
}
void TGame::SetMusicPath(const std::string& p) {
    MusicPath = WithSlash(p);
}
void TGame::SetSpeechPath(const std::string& p) {
    SpeechPath = WithSlash(p);
}
void TGame::SetMenuPath(const std::string& p) {
    MenuPath = WithSlash(p);
}
void TGame::SetProfilePath(const std::string& p) {
    ProfilePath = WithSlash(p);
}
void TGame::SetTextPath(const std::string& p) {
    TextPath = WithSlash(p);
}
void TGame::SetLevelsPath(const std::string& p) {
    LevelsPath = WithSlash(p);
}
void TGame::SetFontPath(const std::string& p) {
    FontPath = WithSlash(p);
}

void TGame::SetDefaultPaths() {
    SetImagePath(DataPrefix + "Data/graphics");
    SetSoundPath(DataPrefix + "Data/sound");
    SetMusicPath(DataPrefix + "Data/music");
    SetSpeechPath(DataPrefix + "Data/speech");
    SetMenuPath(DataPrefix + "Data/menus");
    SetProfilePath(UseCorrectPath ? "profiles" : DataPrefix + "Data/profiles");
    SetTextPath(DataPrefix + "Data/text");
    SetLevelsPath(DataPrefix + "Data/levels");
    SetFontPath(DataPrefix + "Data/fonts");
}

void TGame::SetSubPath(const std::string& path, int /*unused*/) {
    SubPath = WithSlash(path);
    if (UseCorrectPath) {
        std::string folder = CorrectPathID == 35 ? platform::SystemInfo::AllUsersDataFolder()
                                                 : platform::SystemInfo::UserDataFolder();
        SubPath = folder.empty() ? SubPath : WithSlash(folder) + SubPath;
        ApplySubPath();
    }
    SharedDataPath = SubPath;
}

void TGame::SetSubPathWrapper(const std::string& path, int unused) {
    SetDefaultPaths();
    SetSubPath(path, unused);
}

void TGame::ApplySubPath() {
    ProfilePath = SubPath + ProfilePath;
}

std::string TGame::SettingsBasePath() const {
    return SubPath + "rosewick";
}

void TGame::ReadSettings() {}
void TGame::IniFill() {}
void TGame::IniExtract() {}
void TGame::IniUpdate(int markChanged) {
    IniUpdateAttempt(markChanged);
}
int TGame::IniUpdateAttempt(int /*markChanged*/) {
    return 1;
}

void TGame::MakeGoodExit() {
    MakeGoodExitAttempt();
}

int TGame::MakeGoodExitAttempt() {
    std::ofstream marker(SharedDataPath + "GoodExit.dat");
    return marker ? 1 : 0;
}

void TGame::CheckGoodExit() {
    CheckGoodExitAttempt();
}

int TGame::CheckGoodExitAttempt() {
    std::error_code ec;
    std::filesystem::remove(SubPath + "GoodExit.dat", ec);
    return 1;
}
