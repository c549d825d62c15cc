// TGame: folders, the settings file and the clean-shutdown markers.
#include "framework/TGame.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "framework/Globals.h"
#include "framework/Messages.h"
#include "framework/TRetry.h"
#include "platform/SystemInfo.h"

namespace {

namespace fs = std::filesystem;

// The settings in file order, with the field each one fills. Exactly one of the two
// members is set.
struct IniKey {
    const char* name;
    int TGame::*number;
    std::string TGame::*text;
};

const IniKey kIniKeys[] = {
    {"Version No", nullptr, &TGame::VersionNumber},
    {"Full Screen", &TGame::FullScreen, nullptr},
    {"WideScreen", &TGame::WideScreen, nullptr},
    {"Borderless Window", &TGame::BorderlessWindow, nullptr},
    {"Sound", &TGame::Sound, nullptr},
    {"Music", &TGame::Music, nullptr},
    {"Speech", &TGame::Speech, nullptr},
    {"Sound Volume", &TGame::SoundVolume, nullptr},
    {"Music Volume", &TGame::MusicVolume, nullptr},
    {"Speech Volume", &TGame::SpeechVolume, nullptr},
    {"Fade", &TGame::Fade, nullptr},
    {"Particles", &TGame::Particles, nullptr},
    {"ScreenShake", &TGame::screenShake, nullptr},
    {"Portal Splash", &TGame::PortalSplash, nullptr},
    {"Portal Splash2", &TGame::PortalSplash2, nullptr},
    {"Intro", &TGame::IntroShow, nullptr},
    {"VSync", &TGame::VSync, nullptr},
    {"Driver", &TGame::Driver, nullptr},
    {"Sound Driver", nullptr, &TGame::SoundDriver},
    {"Full Screen Process Priority", &TGame::FullScreenProcess, nullptr},
    {"Full Screen Thread Priority", &TGame::FullScreenThread, nullptr},
    {"Windowed Process Priority", &TGame::WindowedProcess, nullptr},
    {"Windowed Thread Priority", &TGame::WindowedThread, nullptr},
    {"Profile Name", nullptr, &TGame::ProfileName},
    {"Region", &TGame::Region, nullptr},
    {"Sub-Region", &TGame::SubRegion, nullptr},
    {"Custom Mouse Pointer", &TGame::CustomMousePointer, nullptr},
};

const char* const kProfileKey = "profile name";

// Decimal conversion of a setting: leading digits count, anything else gives 0.
int ToInt(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(begin, &end, 10);
    if (end == begin) return 0;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool CreateEmptyFile(const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(file);
}

// Rebuilds the settings file from the defaults, keeping the selected player: the default
// file line by line, with its profile line carrying the value the settings file held.
bool RestoreDefaultSettings(const std::string& settingsPath, const std::string& defaultsPath) {
    const std::string profileKey = TIniLine::Upper(kProfileKey);
    std::string profile;
    std::vector<std::string> lines;
    if (TIniFile::ReadLines(settingsPath, lines)) {
        for (const std::string& text : lines) {
            TIniLine line = TIniLine::Parse(text);
            if (line.Name == profileKey) profile = line.Value;
        }
    }
    std::vector<std::string> defaults;
    TIniFile::ReadLines(defaultsPath, defaults);
    std::string rebuilt;
    bool kept = false;
    for (const std::string& text : defaults) {
        if (TIniLine::Parse(text).Name == profileKey) {
            rebuilt += profileKey + "=" + profile + "\n";
            kept = true;
        } else {
            rebuilt += text + "\n";
        }
    }
    // A default file without the key (or no default file) still keeps the player.
    if (!kept) rebuilt += profileKey + "=" + profile + "\n";
    return TIniFile::WriteAtomically(settingsPath, rebuilt);
}

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
    const std::string stem = SettingsFileStem(platform::SystemInfo::ExecutableName());
    if (!UseCorrectPath) return WithSlash(platform::SystemInfo::ExecutableFolder()) + stem;
    return SubPath + stem;
}

std::string TGame::SettingsFileStem(const std::string& executableName) {
    std::string name = executableName;
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    const std::string debugSuffix = ".DEBUG.EXE";
    std::string upper = TIniLine::Upper(name);
    if (upper.size() > debugSuffix.size() &&
        upper.compare(upper.size() - debugSuffix.size(), debugSuffix.size(), debugSuffix) == 0) {
        name = name.substr(0, name.size() - debugSuffix.size()) + name.substr(name.size() - 4);
    }
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name = name.substr(0, dot);
    return name;
}

std::string TGame::MarkerPath(const std::string& file) const {
    // Without a system folder the markers sit in the game's own data folder.
    if (!UseCorrectPath) return DataPrefix + "data/" + file;
    return SubPath + file;
}

void TGame::ReadSettings() {
    Ini.FileName = SettingsBasePath();
    IniFill();
    const std::string path = Ini.Path();
    const std::string defaults = ResolveDataPath(DataPrefix + "data/Default.ini");
    if (!Exists(path) && Exists(defaults)) {
        std::ifstream in(defaults, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!in || !TIniFile::WriteAtomically(path, text.str()))
            ShowMessage("Cannot copy default.ini file to " + path, 1, 1);
    }
    Ini.Load();
    IniExtract();
    if (UseWindowedModeAfterCrash == 2) {
        FullScreen = 0;
        BorderlessWindow = 0;
        IniFill();
        Ini.Save();
        ShowMessage("Starting in Windowed mode due to incorrect shutdown.", 0, 1);
    }
}

void TGame::IniFill() {
    Ini.Clear();
    for (const IniKey& key : kIniKeys) {
        if (key.number) {
            Ini.Add(key.name, std::to_string(this->*key.number));
        } else if (key.text == &TGame::VersionNumber) {
            // Always the program's own version, whatever file was read.
            Ini.Add(key.name, AppVersion);
        } else {
            Ini.Add(key.name, this->*key.text);
        }
    }
}

void TGame::IniExtract() {
    for (const TIniLine& line : Ini.Lines) {
        for (const IniKey& key : kIniKeys) {
            if (line.Name != TIniLine::Upper(key.name)) continue;
            if (key.number) {
                this->*key.number = ToInt(line.Value);
            } else {
                this->*key.text = line.Value;
            }
        }
    }
}

void TGame::IniUpdate(int markChanged) {
    TRetry::Run([&] { return IniUpdateAttempt(markChanged); }, Ini.RetryDelayMs);
}

int TGame::IniUpdateAttempt(int markChanged) {
    // A game whose settings were never read still saves where they belong.
    if (Ini.FileName.empty()) Ini.FileName = SettingsBasePath();
    IniFill();
    Ini.Save();
    if (markChanged && !CreateEmptyFile(MarkerPath("inichanged.dat"))) return 0;
    return 1;
}

void TGame::MakeGoodExit() {
    TRetry::Run(MakeGoodExitAttempt, Game ? Game->Ini.RetryDelayMs : TRetry::DELAY_MS);
}

int TGame::MakeGoodExitAttempt() {
    std::string path = Game ? Game->MarkerPath("GoodExit.dat") : SharedDataPath + "GoodExit.dat";
    return CreateEmptyFile(path) ? 1 : 0;
}

void TGame::CheckGoodExit() {
    TRetry::Run([this] { return CheckGoodExitAttempt(); }, Ini.RetryDelayMs);
}

int TGame::CheckGoodExitAttempt() {
    const std::string goodExit = MarkerPath("GoodExit.dat");
    const std::string changed = MarkerPath("inichanged.dat");
    std::error_code ec;
    if (Exists(goodExit)) {
        // The last run ended cleanly.
        fs::remove(goodExit, ec);
        if (Exists(goodExit)) return 0;
    } else {
        // Crashed, killed, or never run. A display change is undone: it may be what crashed.
        if (Exists(changed)) {
            std::string settings = SettingsBasePath() + ".ini";
            std::string defaults = ResolveDataPath(DataPrefix + "data/default.ini");
            // Kept on failure, so the next attempt (or the next start) restores again.
            if (!RestoreDefaultSettings(settings, defaults)) return 0;
        }
        if (UseWindowedModeAfterCrash && UseCorrectPath && fs::is_directory(SubPath, ec))
            UseWindowedModeAfterCrash = 2;
    }
    fs::remove(changed, ec);
    return Exists(changed) ? 0 : 1;
}
