#include "framework/ProfileSelection.h"

#include <fstream>

#include "framework/TGame.h"
#include "framework/TGameText.h"
#include "framework/TProfile.h"

std::function<void(std::ostream&)> ProfileRecordSaveFunction;
std::function<int(std::istream&)> ProfileRecordLoadFunction;

void LoadCurrentProfile() {
    Game->CurrentProfile = TProfile::Create(Game->ProfileName);
    Game->CurrentProfile->SaveUserFunction = ProfileRecordSaveFunction;
    Game->CurrentProfile->LoadUserFunction = ProfileRecordLoadFunction;
    if (!Game->SaveProfileFunction)
        Game->SaveProfileFunction = [] {
            if (Game->CurrentProfile) Game->CurrentProfile->Save();
        };
    Game->CurrentProfile->Load();
}

void SelectProfile(const std::string& name) {
    Game->ProfileName = name;
    LoadCurrentProfile();
    Game->IniUpdate(1);
}

int ProfileNameCheck(const std::string& name, std::string& message) {
    std::ifstream in(Game->ProfilePath + name + ".dat", std::ios::binary);
    if (!in) {
        message = "";
        return 1;
    }
    message = GameText.FindString("Profile Exists");
    return -1;
}
