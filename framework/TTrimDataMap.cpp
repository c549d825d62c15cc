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
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == "[offsets]") continue;
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        auto data = std::make_shared<TTrimData>();
        std::string name = line.substr(0, eq);
        if (AssetHasExtension(name)) name = name.substr(0, name.rfind('.'));
        data->name = name;
        const char* p = line.c_str() + eq + 1;
        int* fields[] = {&data->xOffset, &data->yOffset, &data->originalWidth,
                         &data->originalHeight};
        for (int* field : fields) {
            char* end = nullptr;
            *field = static_cast<int>(std::strtol(p, &end, 10));
            p = (*end == ',') ? end + 1 : end;
        }
        Add(name, std::move(data));
        ++read;
    }
    return read;
}
