#include "framework/AssetBanks.h"

#include "framework/TGameChannel.h"
#include "framework/TGameImage.h"
#include "framework/TGameText.h"
#include "framework/TImageBank.h"
#include "framework/TSoundBank.h"
#include "framework/TTrimDataMap.h"

int FatalMissingAssets = 1;
int PrecacheImages = 0;
std::shared_ptr<TGameImage> PointerSparkleImage;
std::shared_ptr<TGameChannel> GameChannel;
TTrimDataMap TrimDataMap;

void ResetAssetBanks() {
    ImageBank = TImageBank();
    SoundBank = TSoundBank();
    GameText.Clear();
    TrimDataMap.Clear();
    GameChannel.reset();
    FatalMissingAssets = 1;
    PrecacheImages = 0;
    PointerSparkleImage.reset();
}

std::string AssetKey(const std::string& name) {
    std::string key = name;
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

std::string AssetBaseName(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    auto dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

bool AssetHasExtension(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    auto dot = path.rfind('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}
