#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "framework/TGameText.h"
#include "tests/TestSupport.h"

// Every text key the code asks for by name is in the shipped game text: a missing one would
// show as a blank caption.
TEST(GameTextKeysTest, EveryKeyTheCodeNamesIsInTheShippedText) {
    const std::filesystem::path source = ROSEWICK_SOURCE_DIR;
    TGameText text;
    const auto file = source / "data" / "text" / "gametext.txt";
    text.Parse(testsupport::ReadFile(file), file.string());

    // Keys passed to the text lookup, and the captions of dressed buttons ("Button ...").
    const std::regex lookup(R"re(ToolkitText(?:With)?\("([^"]+)")re");
    const std::regex caption(R"re("(Button [A-Za-z ]+)")re");
    std::set<std::string> keys;
    for (const char* folder : {"toolkit", "screens", "framework", "progression"}) {
        for (const auto& entry : std::filesystem::directory_iterator(source / folder)) {
            if (entry.path().extension() != ".cpp") continue;
            const std::string code = testsupport::ReadFile(entry.path());
            for (const std::regex* r : {&lookup, &caption}) {
                for (std::sregex_iterator m(code.begin(), code.end(), *r), end; m != end; ++m)
                    keys.insert((*m)[1].str());
            }
        }
    }
    EXPECT_GT(keys.size(), 10u);
    for (const std::string& key : keys) EXPECT_TRUE(text.Contains(key)) << key;
}
