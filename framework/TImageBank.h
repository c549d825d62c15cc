#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "framework/TGameImage.h"

// Every image of the game by name (case-insensitive), filled once behind the loading screen.
class TImageBank {
public:
    std::string Path;  // folder the file names are relative to, with a trailing '/'
    std::string Ext = ".png";
    int defaultFlags = -1;  // -1 = none

    void SetPath(const std::string& path);
    // Loads Path + file (its own extension, else Ext) under the upper case of name, or of the
    // file name when name is empty; a later load with the same key replaces the entry.
    std::shared_ptr<TGameImage> Load(const std::string& file, const std::string& name = "",
                                     int flags = -1, int mid = 1);
    std::shared_ptr<TGameImage> LoadNoMid(const std::string& file, const std::string& name = "",
                                          int flags = -1);
    // An animation strip from Path + file + Ext, keyed by its file name.
    std::shared_ptr<TGameImage> LoadAnim(const std::string& file, int cellW, int cellH, int first,
                                         int count, int flags = -1, int mid = 1);
    // The entry for name; a missing one is fatal while FatalMissingAssets is set, unless quiet
    // ("Image '" + NAME + "' was not found in the ImageBank"); otherwise null.
    std::shared_ptr<TGameImage> Find(const std::string& name, int quiet = 0) const;
    // The entry's drawing image, or null (never an error).
    std::shared_ptr<platform::Image> FindTImage(const std::string& name) const;
    void Add(const std::string& key, std::shared_ptr<TGameImage> image);
    bool Contains(const std::string& name) const;
    size_t Count() const { return entries.size(); }
    void Clear() { entries.clear(); }
    // Uploads every image now.
    void Precache();

    size_t CalcRAM() const;
    size_t CalcVRAM() const;
    void PrintRAM() const;
    void PrintVRAM() const;

    // The file the bank opens for file: Path + file, with Ext when file has no extension.
    std::string FullPath(const std::string& file) const;

    const std::map<std::string, std::shared_ptr<TGameImage>>& Entries() const { return entries; }

private:
    std::map<std::string, std::shared_ptr<TGameImage>> entries;
};

// The game's image bank.
extern TImageBank ImageBank;
