#pragma once

#include <functional>
#include <iosfwd>
#include <string>

// The game's record functions that every new current profile is given (installed by the
// game; none by default).
extern std::function<void(std::ostream&)> ProfileRecordSaveFunction;
extern std::function<int(std::istream&)> ProfileRecordLoadFunction;

// Game->CurrentProfile = a new profile named Game->ProfileName, wired to the game's record,
// then loaded (created on disk when it has no file yet).
void LoadCurrentProfile();
// Makes name the selected profile, loads it and remembers it in the settings file.
void SelectProfile(const std::string& name);
// 1 with message "" when no profile file of that name exists; otherwise -1 with message the
// game text "Profile Exists".
int ProfileNameCheck(const std::string& name, std::string& message);
