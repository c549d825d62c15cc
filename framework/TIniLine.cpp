#include "framework/TIniLine.h"

TIniLine::TIniLine(const std::string& name, const std::string& value)
    : Name(Upper(name)), Value(value) {}

std::string TIniLine::Upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

TIniLine TIniLine::Parse(const std::string& line) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return TIniLine(line, "");
    return TIniLine(line.substr(0, eq), line.substr(eq + 1));
}
