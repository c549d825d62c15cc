#pragma once

#include <map>
#include <memory>
#include <string>

#include "framework/TTrimData.h"

// Trim offsets by key: the upper-case file name without folder and extension.
class TTrimDataMap {
public:
    void Add(const std::string& name, std::shared_ptr<TTrimData> data);
    // The entry for name (folder and extension ignored). A missing one is fatal while
    // FatalMissingAssets is set, unless quiet; otherwise null.
    std::shared_ptr<TTrimData> Find(const std::string& name, int quiet = 0) const;
    // Reads "[offsets]" then name=xOffset,yOffset,originalWidth,originalHeight lines; a file
    // that cannot be opened is fatal. Returns the number of entries read.
    int LoadDataFile(const std::string& path);
    size_t Count() const { return entries.size(); }
    void Clear() { entries.clear(); }

    // The key a name is stored under.
    static std::string KeyOf(const std::string& name);

private:
    std::map<std::string, std::shared_ptr<TTrimData>> entries;
};
