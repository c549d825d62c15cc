#pragma once

#include <memory>
#include <string>

class TGameChannel;
class TGameImage;
class TTrimDataMap;

// Module-wide switches of the asset banks.

// 1: looking up a name that was never loaded is a fatal error.
extern int FatalMissingAssets;
// 1: every image is uploaded to video memory as it is loaded.
extern int PrecacheImages;
// The image "clausparkle", set when loading has finished.
extern std::shared_ptr<TGameImage> PointerSparkleImage;

// The game's own sound channel, taken from Game->Channels at start-up and marked reserved.
extern std::shared_ptr<TGameChannel> GameChannel;
// Where the trimmed pictures sat in their originals (read from the image folder's
// "TrimData.txt" before the images load).
extern TTrimDataMap TrimDataMap;

// Empties ImageBank, SoundBank, GameText and the trim data, drops GameChannel and puts the
// switches back to their start values (for tests and a restart).
void ResetAssetBanks();

// Upper case of ASCII letters; other bytes (UTF-8 included) are kept.
std::string AssetKey(const std::string& name);
// The file name of path without folder and extension.
std::string AssetBaseName(const std::string& path);
// True when the file name of path has an extension.
bool AssetHasExtension(const std::string& path);
