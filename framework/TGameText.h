#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Every text the player reads, by key (case-insensitive), from a file in the text folder:
//
//   [TEXT]
//   Key
//   first line of the text
//   second line ...
//
// A record's text runs up to the next line that begins with "[" or the end of the file.
// UTF-8; CR LF or LF line ends.
class TGameText {
public:
    static std::unique_ptr<TGameText> Create(const std::string& file);
    // Reads Game->TextPath + file, replacing what was held. A file that cannot be opened or
    // that breaks the format is fatal, naming the file (and the line).
    void Read(const std::string& file);
    // Parses text as the contents of path (path is for the messages).
    void Parse(const std::string& text, const std::string& path);
    // The lines for key, or none.
    std::vector<std::string> Find(const std::string& key) const;
    // The lines joined with CR LF; "" for a missing key.
    std::string FindString(const std::string& key) const;
    bool Contains(const std::string& key) const;
    size_t Count() const { return entries.size(); }
    void Clear() { entries.clear(); }

private:
    std::map<std::string, std::vector<std::string>> entries;
};

// The game's texts ("gametext.txt").
extern TGameText GameText;
