#include "framework/TGameText.h"

#include <fstream>
#include <sstream>

#include "framework/AssetBanks.h"
#include "framework/Messages.h"
#include "framework/TGame.h"

TGameText GameText;

namespace {

std::string Trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

std::string Where(const std::string& path, size_t line) {
    return " (" + path + ", line " + std::to_string(line) + ")";
}

}  // namespace

std::unique_ptr<TGameText> TGameText::Create(const std::string& file) {
    auto text = std::make_unique<TGameText>();
    text->Read(file);
    return text;
}

void TGameText::Read(const std::string& file) {
    Clear();
    std::string path = (Game ? Game->TextPath : std::string()) + file;
    std::ifstream in(Game ? Game->ResolveDataPath(path) : path, std::ios::binary);
    if (!in) {
        ShowMessage("Error loading file " + path, 1, 1);
        return;
    }
    std::stringstream whole;
    whole << in.rdbuf();
    Parse(whole.str(), path);
}

void TGameText::Parse(const std::string& text, const std::string& path) {
    Clear();
    std::vector<std::string> lines;
    size_t from = 0;
    // An editor's byte-order mark is not part of the first header.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) from = 3;
    while (from <= text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    // The line end that closes the last line does not open another one.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();

    size_t i = 0;
    while (i < lines.size()) {
        if (AssetKey(Trim(lines[i])) != "[TEXT]") {
            ShowMessage("[TEXT] header hot found" + Where(path, i + 1), 1, 1);
            return;
        }
        if (i + 1 >= lines.size() || Trim(lines[i + 1]).empty()) {
            ShowMessage("Key missing after the [TEXT] header" + Where(path, i + 1), 1, 1);
            return;
        }
        std::string key = AssetKey(Trim(lines[i + 1]));
        std::vector<std::string> value;
        i += 2;
        while (i < lines.size() && (lines[i].empty() || lines[i][0] != '['))
            value.push_back(lines[i++]);
        entries[key] = std::move(value);
    }
}

std::vector<std::string> TGameText::Find(const std::string& key) const {
    auto it = entries.find(AssetKey(Trim(key)));
    return it == entries.end() ? std::vector<std::string>() : it->second;
}

std::string TGameText::FindString(const std::string& key) const {
    std::string out;
    auto lines = Find(key);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

bool TGameText::Contains(const std::string& key) const {
    return entries.count(AssetKey(Trim(key))) != 0;
}
