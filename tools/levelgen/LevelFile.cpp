#include "LevelFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const char* const kFieldNames[] = {"x",     "y",      "face", "rotation", "bow", "lock counter",
                                   "value", "special"};

bool ToInt(const std::string& text, int& out) {
    if (text.empty()) return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9') return false;
    }
    errno = 0;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    return fields;
}

// Checks one line; returns "" when it is good.
std::string ParseLine(const std::string& line, LayoutCard& card) {
    const std::vector<std::string> fields = Split(line);
    if (fields.size() < 3)
        return "needs at least x, y and face, found " + std::to_string(fields.size()) + " field(s)";
    if (fields.size() > 8)
        return "has " + std::to_string(fields.size()) + " fields, at most 8 allowed";
    int numbers[7] = {0, 0, 0, 0, 0, 0, 0};
    const size_t numeric = fields.size() < 7 ? fields.size() : 7;
    for (size_t i = 0; i < numeric; ++i) {
        if (!ToInt(fields[i], numbers[i])) {
            return "field " + std::to_string(i + 1) + " (" + kFieldNames[i] +
                   ") is not an integer: '" + fields[i] + "'";
        }
    }
    card.x = numbers[0];
    card.y = numbers[1];
    card.faceUp = numbers[2];
    card.rotation = numbers[3];
    card.bow = numbers[4];
    card.lockCounter = numbers[5];
    card.value = numbers[6];
    card.special = 0;
    if (card.faceUp != 0 && card.faceUp != 1) return "face must be 0 or 1, not " + fields[2];
    if (card.bow != 0 && card.bow != 1) return "bow must be 0 or 1, not " + fields[4];
    if (card.lockCounter < 0 || card.lockCounter > 9) {
        return "lock counter must be 0 to 9, not " + fields[5];
    }
    if (fields.size() == 8) {
        const std::string& sp = fields[7];
        if (sp.size() != 3 || sp.compare(0, 2, "sp") != 0 || sp[2] < '1' || sp[2] > '4') {
            return "special must be sp1, sp2, sp3 or sp4, not '" + sp + "'";
        }
        card.special = sp[2] - '0';
    } else if (line.find("sp") != std::string::npos) {
        return "'sp' outside the special field";
    }
    if (card.value < 0 || card.value > 13) return "value must be 0 to 13, not " + fields[6];
    return "";
}

}  // namespace

std::string LevelFile::FileName(int chapter, int hand) {
    return std::to_string(chapter) + "-" + std::to_string(hand) + ".txt";
}

bool LevelFile::Parse(const std::string& text, const std::string& name, LevelFile& out,
                      std::string& error) {
    out = LevelFile();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            ++out.blankLines;
            continue;
        }
        LayoutCard card;
        const std::string problem = ParseLine(line, card);
        if (!problem.empty()) {
            error = name + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
        card.line = number;
        out.cards.push_back(card);
    }
    return true;
}

bool LevelFile::Read(const std::string& path, LevelFile& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be opened";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), path, out, error);
}

std::string LevelFile::Write() const {
    std::ostringstream out;
    for (const LayoutCard& c : cards) {
        out << c.x << ',' << c.y << ',' << c.faceUp << ',' << c.rotation << ',' << c.bow << ','
            << c.lockCounter;
        if (c.IsSpecial()) out << ',' << c.value << ",sp" << c.special;
        out << '\n';
    }
    return out.str();
}

bool LevelFile::Save(const std::string& path, std::string& error) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Write();
    if (!out) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

int LevelFile::CountOrdinary() const {
    int n = 0;
    for (const LayoutCard& c : cards) n += c.IsSpecial() ? 0 : 1;
    return n;
}

int LevelFile::CountSpecial(int kind) const {
    int n = 0;
    for (const LayoutCard& c : cards) n += c.special == kind ? 1 : 0;
    return n;
}
