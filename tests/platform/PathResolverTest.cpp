#include <gtest/gtest.h>

#include "platform/PathResolver.h"
#include "tests/TestSupport.h"

namespace {

using platform::PathResolver;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(PathResolverTest, FindsFilesAndFoldersWhateverTheCase) {
    TempDir dir;
    const std::string root = dir.Path().string();
    WriteFile(dir.Path() / "data/graphics/cards/1h.png", "x");
    WriteFile(dir.Path() / "data/Levels/Level1.txt", "x");
    struct Case {
        std::string asked;
        std::string found;
    };
    const Case cases[] = {
        {root + "/Data/Graphics/Cards/1H.png", root + "/data/graphics/cards/1h.png"},
        {root + "/data/graphics/cards/1h.png", root + "/data/graphics/cards/1h.png"},
        {root + "/DATA/LEVELS/level1.TXT", root + "/data/Levels/Level1.txt"},
        {root + "/Data/graphics/CARDS", root + "/data/graphics/cards"},
        {root + "\\Data\\Graphics\\Cards\\1H.png", root + "/data/graphics/cards/1h.png"},
        {root + "/Data//Levels/./Level1.txt", root + "/data/Levels/./Level1.txt"},
        // Missing: the path as given.
        {root + "/Data/Graphics/Cards/2H.png", root + "/Data/Graphics/Cards/2H.png"},
        {root + "/Nothing/Here", root + "/Nothing/Here"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(PathResolver::Resolve(c.asked), c.found);
    }
    EXPECT_TRUE(PathResolver::Exists(root + "/DATA/Graphics/cards/1H.PNG"));
    EXPECT_FALSE(PathResolver::Exists(root + "/Data/Graphics/Cards/2H.png"));
}

TEST(PathResolverTest, RelativePathsResolveFromTheWorkingFolder) {
    TempDir dir;
    WriteFile(dir.Path() / "Data/Text/gametext.txt", "x");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::string resolved = PathResolver::Resolve("data/text/GameText.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(resolved, "Data/Text/gametext.txt");
}

TEST(PathResolverTest, FilesMadeAfterALookupAreStillFound) {
    TempDir dir;
    const std::string root = dir.Path().string();
    WriteFile(dir.Path() / "profiles/anna.dat", "x");
    EXPECT_EQ(PathResolver::Resolve(root + "/Profiles/ANNA.dat"), root + "/profiles/anna.dat");
    EXPECT_FALSE(PathResolver::Exists(root + "/Profiles/Bert.dat"));
    WriteFile(dir.Path() / "profiles/bert.dat", "x");
    EXPECT_EQ(PathResolver::Resolve(root + "/Profiles/Bert.dat"), root + "/profiles/bert.dat");
    // A file that went since its folder was listed is not reported.
    std::filesystem::remove(dir.Path() / "profiles/anna.dat");
    EXPECT_FALSE(PathResolver::Exists(root + "/Profiles/ANNA.dat"));
}

}  // namespace
