#include "progression/TProfileBinding.h"

#include "framework/ProfileSelection.h"
#include "framework/TProfile.h"
#include "progression/TSaveData.h"

void TProfileBinding::Install() {
    ProfileRecordSaveFunction = [](std::ostream& out) {
        if (SaveData) SaveData->Save(out);
    };
    ProfileRecordLoadFunction = [](std::istream& in) { return SaveData ? SaveData->Load(in) : 0; };
    TProfile::ProfileCreatedHook = [](TProfile&) {
        if (SaveData) SaveData->Init();
    };
    TProfile::ProfileUseBackup = 1;
}
