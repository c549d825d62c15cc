#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "framework/TGameSound.h"

// Every sound effect of the game by name (case-insensitive), filled once behind the loading
// screen.
class TSoundBank {
public:
    std::string Path;  // folder the file names are relative to, with a trailing '/'
    std::string Ext = ".wav";

    void SetPath(const std::string& path);
    // Loads Path + file (its own extension, else Ext) under the upper case of name, or of the
    // file name when name is empty; a later load with the same key replaces the entry.
    std::shared_ptr<TGameSound> Load(const std::string& file, float pitch = 1.0f,
                                     float volume = 1.0f, const std::string& name = "",
                                     int flags = 0);
    // The entry for name; a missing one is fatal while FatalMissingAssets is set
    // ("Sound '" + NAME + "' was not found in the SoundBank"); otherwise null.
    std::shared_ptr<TGameSound> Find(const std::string& name) const;
    bool Contains(const std::string& name) const;
    size_t Count() const { return entries.size(); }
    void Clear() { entries.clear(); }

    // The file the bank opens for file: Path + file, with Ext when file has no extension.
    std::string FullPath(const std::string& file) const;

private:
    std::map<std::string, std::shared_ptr<TGameSound>> entries;
};

// The game's sound bank.
extern TSoundBank SoundBank;
