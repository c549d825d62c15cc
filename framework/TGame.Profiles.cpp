#include "framework/TGame.h"

#include <filesystem>

#include "framework/Messages.h"

namespace {

// A profile file: extension "dat" and a name before it (".dat" alone is not a profile).
bool IsProfileFile(const std::filesystem::directory_entry& entry) {
    const std::filesystem::path& p = entry.path();
    return p.extension() == ".dat" && !p.stem().empty() && p.stem() != ".dat";
}

}  // namespace

void TGame::DeleteAllProfiles() {
    std::error_code ec;
    std::filesystem::directory_iterator it(ProfilePath, ec);
    if (ec) return;
    for (const auto& entry : it) {
        std::error_code removeError;
        if (IsProfileFile(entry)) std::filesystem::remove(entry.path(), removeError);
    }
}

int TGame::ProfileFolderInUse() {
    std::error_code ec;
    std::filesystem::directory_iterator it(ProfilePath, ec);
    if (ec) ShowMessage("Failed to read directory '" + ProfilePath + "'", 1, 1);
    for (const auto& entry : it)
        if (IsProfileFile(entry)) return 1;
    return 0;
}
