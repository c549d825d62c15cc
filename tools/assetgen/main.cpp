// assetgen: draws every image and bitmap font of the game into a data folder.
//   assetgen <datadir>                          write the images and fonts
//   assetgen --inventory <datadir>              write them and print the inventory lines
//   assetgen --contact-sheet <out.png> <datadir> compose a sheet of what a data folder holds
#include <cstdio>
#include <cstdlib>
#include <string>

#include "AssetWriter.h"
#include "BackgroundArt.h"
#include "BitmapFontBuilder.h"
#include "CardArt.h"
#include "ContactSheet.h"
#include "FontLibrary.h"
#include "HudArt.h"
#include "InterfaceArt.h"
#include "ParticleArt.h"
#include "StoryItemArt.h"

namespace {

int Generate(const std::string& dataDir, bool printInventory) {
    FontLibrary fonts;
    std::string error;
    if (!fonts.Load(error)) {
        std::fprintf(stderr, "assetgen: %s\n", error.c_str());
        return 1;
    }
    AssetWriter out(dataDir);
    CardArt(fonts, out).Generate();
    StoryItemArt(fonts, out).Generate();
    BitmapFontBuilder(fonts, out).Generate();
    ParticleArt(fonts, out).Generate();
    HudArt(fonts, out).Generate();
    InterfaceArt(fonts, out).Generate();
    BackgroundArt(fonts, out).Generate();
    out.TrimFile("graphics/TrimData.txt");
    for (const std::string& e : out.Errors()) std::fprintf(stderr, "assetgen: %s\n", e.c_str());
    if (printInventory) {
        for (const std::string& line : out.Inventory()) std::printf("%s\n", line.c_str());
    }
    return out.Errors().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--inventory" && argc == 3) return Generate(argv[2], true);
    if (argc == 2 && first.rfind("--", 0) != 0) return Generate(first, false);
    if (first == "--contact-sheet" && argc >= 4 && argc <= 6) {
        const std::string filter = argc >= 5 ? argv[4] : "";
        const double zoom = argc >= 6 ? std::atof(argv[5]) : 1.0;
        FontLibrary fonts;
        std::string error;
        if (!fonts.Load(error) ||
            !ContactSheet(fonts).Write(argv[3], argv[2], filter, zoom > 0 ? zoom : 1.0, error)) {
            std::fprintf(stderr, "assetgen: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr,
                 "usage: assetgen <datadir>\n"
                 "       assetgen --inventory <datadir>\n"
                 "       assetgen --contact-sheet <out.png> <datadir> [folder-prefix] [zoom]\n");
    return 2;
}
