// Checks the generated data folder against tools/inventory.txt: every file the game opens is
// there, decodes, and has the size, frames, glyphs or sound the list promises.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/PathResolver.h"
#include "platform/Pixmap.h"
#include "platform/Sample.h"

namespace {

struct Entry {
    std::string path;  // as the game asks for it, relative to the executable's folder
    std::string kind;
    std::string details;
};

// Paths may hold spaces ("Cards/Card Back0.png"): the kind is the first known word after
// a word that ends in an extension.
bool SplitLine(const std::string& line, Entry& out) {
    static const char* kinds[] = {"image", "strip", "font", "sound", "music", "text", "data"};
    std::istringstream words(line);
    std::string word, path;
    while (words >> word) {
        const bool pathEnds =
            path.find('.') != std::string::npos && path.find_last_of('.') > path.find_last_of('/');
        bool isKind = false;
        for (const char* k : kinds) isKind = isKind || word == k;
        if (isKind && pathEnds) {
            out.path = path;
            out.kind = word;
            std::getline(words, out.details);
            const size_t first = out.details.find_first_not_of(' ');
            out.details = first == std::string::npos ? "" : out.details.substr(first);
            return true;
        }
        path += path.empty() ? word : " " + word;
    }
    return false;
}

std::vector<Entry> ReadInventory(std::vector<std::string>& badLines) {
    std::vector<Entry> entries;
    std::ifstream in(std::string(ROSEWICK_SOURCE_DIR) + "/tools/inventory.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        Entry e;
        if (SplitLine(line, e)) {
            entries.push_back(e);
        } else {
            badLines.push_back(line);
        }
    }
    return entries;
}

std::string OnDisk(const std::string& path) {
    return platform::PathResolver::Resolve(std::string(ROSEWICK_BUILD_DIR) + "/" + path);
}

// "86x128" or "132x150x3" into numbers; false when malformed.
bool Dimensions(const std::string& details, std::vector<int>& out) {
    out.clear();
    std::string first = details.substr(0, details.find(' '));
    std::istringstream parts(first);
    std::string part;
    while (std::getline(parts, part, 'x')) {
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return false;
        out.push_back(std::atoi(part.c_str()));
    }
    return !out.empty();
}

// The number in the `width` characters after key, read as the game's font reader does.
int FixedField(const std::string& line, const std::string& key, size_t width) {
    const size_t at = line.find(key);
    if (at == std::string::npos) return 0;
    return std::atoi(line.substr(at + key.size(), width).c_str());
}

class InventoryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { entries = ReadInventory(badLines); }

    std::vector<Entry> Of(const std::string& kind) const {
        std::vector<Entry> out;
        for (const Entry& e : entries) {
            if (e.kind == kind) out.push_back(e);
        }
        return out;
    }

    static std::vector<Entry> entries;
    static std::vector<std::string> badLines;
};

std::vector<Entry> InventoryTest::entries;
std::vector<std::string> InventoryTest::badLines;

TEST_F(InventoryTest, EveryLineNamesAFileAndAKnownKind) {
    EXPECT_TRUE(badLines.empty()) << "unreadable line: " << badLines.front();
    EXPECT_GT(Of("image").size(), 300u);
    EXPECT_EQ(Of("font").size(), 8u);
    EXPECT_FALSE(Of("sound").empty());
    EXPECT_FALSE(Of("music").empty());
}

TEST_F(InventoryTest, EveryListedFileExists) {
    for (const Entry& e : entries) {
        EXPECT_TRUE(platform::PathResolver::Exists(OnDisk(e.path))) << e.path << " is missing";
    }
}

TEST_F(InventoryTest, ImagesDecodeAtTheirListedSize) {
    for (const Entry& e : Of("image")) {
        std::vector<int> size;
        ASSERT_TRUE(Dimensions(e.details, size) && size.size() == 2) << e.path << ": " << e.details;
        platform::Pixmap pixmap;
        std::string error;
        if (!platform::Pixmap::Load(OnDisk(e.path), pixmap, error)) {
            ADD_FAILURE() << error;
            continue;
        }
        EXPECT_EQ(pixmap.Width(), size[0]) << e.path;
        EXPECT_EQ(pixmap.Height(), size[1]) << e.path;
    }
}

TEST_F(InventoryTest, StripsHoldTheirFramesInWholeCells) {
    const std::vector<Entry> strips = Of("strip");
    ASSERT_FALSE(strips.empty());
    for (const Entry& e : strips) {
        std::vector<int> cell;
        ASSERT_TRUE(Dimensions(e.details, cell) && cell.size() == 3) << e.path << ": " << e.details;
        platform::Pixmap pixmap;
        std::string error;
        if (!platform::Pixmap::Load(OnDisk(e.path), pixmap, error)) {
            ADD_FAILURE() << error;
            continue;
        }
        EXPECT_EQ(pixmap.Width() % cell[0], 0) << e.path;
        EXPECT_EQ(pixmap.Height() % cell[1], 0) << e.path;
        EXPECT_GE((pixmap.Width() / cell[0]) * (pixmap.Height() / cell[1]), cell[2]) << e.path;
    }
}

TEST_F(InventoryTest, PicturesAreNotBlank) {
    // A picture whose every pixel is transparent would load but show nothing.
    for (const Entry& e : entries) {
        if (e.kind != "image" && e.kind != "strip") continue;
        platform::Pixmap pixmap;
        std::string error;
        if (!platform::Pixmap::Load(OnDisk(e.path), pixmap, error)) continue;
        bool visible = false;
        for (int y = 0; y < pixmap.Height() && !visible; y += 2) {
            for (int x = 0; x < pixmap.Width() && !visible; ++x) visible = pixmap.At(x, y)[3] > 32;
        }
        EXPECT_TRUE(visible) << e.path << " has no visible pixel";
    }
}

TEST_F(InventoryTest, SoundsAndMusicDecodeAndAreAudible) {
    for (const Entry& e : entries) {
        if (e.kind != "sound" && e.kind != "music") continue;
        std::string error;
        const std::shared_ptr<platform::Sample> sample =
            platform::Sample::Load(OnDisk(e.path), e.kind == "music", error);
        if (!sample) {
            ADD_FAILURE() << error;
            continue;
        }
        int loudest = 0;
        for (int16_t v : sample->Pcm()) loudest = std::max(loudest, std::abs(static_cast<int>(v)));
        EXPECT_GT(loudest, 1000) << e.path << " is silent";
    }
}

TEST_F(InventoryTest, FontGlyphsLieInsideTheirAtlas) {
    for (const Entry& e : Of("font")) {
        const std::string fnt = OnDisk(e.path);
        std::string atlasPath = e.path.substr(0, e.path.size() - 4) + ".png";
        platform::Pixmap atlas;
        std::string error;
        ASSERT_TRUE(platform::Pixmap::Load(OnDisk(atlasPath), atlas, error)) << error;
        std::ifstream in(fnt);
        std::string line;
        std::map<int, int> glyphs;  // code -> y offset
        int textureW = 0, textureH = 0;
        while (std::getline(in, line)) {
            if (line.rfind("common", 0) == 0) {
                textureW = FixedField(line, "scaleW=", 4);
                textureH = FixedField(line, "scaleH=", 4);
            }
            if (line.rfind("char ", 0) != 0) continue;
            const int id = FixedField(line, "id=", 5);
            const int x = FixedField(line, "x=", 4), y = FixedField(line, "y=", 4);
            const int w = FixedField(line, "width=", 3), h = FixedField(line, "height=", 3);
            ASSERT_GT(id, 0) << e.path << ": " << line;
            EXPECT_GE(x, 0) << e.path << " glyph " << id;
            EXPECT_GE(y, 0) << e.path << " glyph " << id;
            EXPECT_LE(x + w, atlas.Width()) << e.path << " glyph " << id;
            EXPECT_LE(y + h, atlas.Height()) << e.path << " glyph " << id;
            glyphs[id] = FixedField(line, "yoffset=", 3);
        }
        EXPECT_EQ(textureW, atlas.Width()) << e.path;
        EXPECT_EQ(textureH, atlas.Height()) << e.path;
        // Latin-1 and the bullet of the goal list.
        for (int c = 32; c <= 255; ++c) {
            if (c >= 127 && c < 160) continue;
            if (c == 173) continue;  // soft hyphen: some faces have no glyph for it
            EXPECT_TRUE(glyphs.count(c)) << e.path << " lacks character " << c;
        }
        EXPECT_TRUE(glyphs.count(8226)) << e.path << " lacks the bullet";
    }
}

TEST_F(InventoryTest, TrimDataDescribesTheTrimmedPictures) {
    const std::string path = OnDisk("Data/graphics/TrimData.txt");
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "[offsets]");
    int count = 0;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_EQ(std::sscanf(line.c_str() + eq + 1, "%d,%d,%d,%d", &x, &y, &w, &h), 4) << line;
        platform::Pixmap pixmap;
        std::string error;
        ASSERT_TRUE(
            platform::Pixmap::Load(OnDisk("Data/graphics/" + line.substr(0, eq)), pixmap, error))
            << error;
        EXPECT_LE(x + pixmap.Width(), w) << line;
        EXPECT_LE(y + pixmap.Height(), h) << line;
        ++count;
    }
    EXPECT_GT(count, 0);
}

}  // namespace
