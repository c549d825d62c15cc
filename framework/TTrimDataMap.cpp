#include "framework/TTrimDataMap.h"

#include <cstdlib>
#include <fstream>

#include "framework/AssetBanks.h"
#include "framework/Messages.h"
#include "framework/TGame.h"

std::string TTrimDataMap::KeyOf(const std::string& name) {
    return AssetKey(AssetBaseName(name));
}

void TTrimDataMap::Add(const std::string& name, std::shared_ptr<TTrimData> data) {
    entries[KeyOf(name)] = std::move(data);
}

std::shared_ptr<TTrimData> TTrimDataMap::Find(const std::string& name, int quiet) const {
    std::string key = KeyOf(name);
    auto it = entries.find(key);
    if (it != entries.end()) return it->second;
    if (FatalMissingAssets && !quiet)
        ShowMessage("TrimData '" + key + "' was not found in the TrimDataMap", 1, 1);
    return nullptr;
}

int TTrimDataMap::LoadDataFile(const std::string& path) {
    std::ifstream in(Game ? Game->ResolveDataPath(path) : path, std::ios::binary);
    if (!in) {
        ShowMessage("Error loading file " + path, 1, 1);
        return 0;
    }
    int read = 0;
    int lineNo = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == "[offsets]") continue;
        auto bad = [&] {
            ShowMessage("Bad trim data in " + path + ", line " + std::to_string(lineNo) + ": \"" +
                            line + "\" (expected name=x,y,width,height)",
                        1, 1);
        };
        auto eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            bad();
            return read;
        }
        auto data = std::make_shared<TTrimData>();
        std::string name = line.substr(0, eq);
        if (AssetHasExtension(name)) name = name.substr(0, name.rfind('.'));
        data->name = name;
        const char* p = line.c_str() + eq + 1;
        int* fields[] = {&data->xOffset, &data->yOffset, &data->originalWidth,
                         &data->originalHeight};
        for (size_t f = 0; f < 4; ++f) {
            char* end = nullptr;
            long value = std::strtol(p, &end, 10);
            bool last = f == 3;
            if (end == p || (last ? *end != '\0' : *end != ',')) {
                bad();
                return read;
            }
            *fields[f] = static_cast<int>(value);
            p = end + (last ? 0 : 1);
        }
        Add(name, std::move(data));
        ++read;
    }
    return read;
}
