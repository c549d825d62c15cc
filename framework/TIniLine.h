#pragma once

#include <string>

// One setting of the settings file: NAME=value. The name is always upper case.
class TIniLine {
public:
    TIniLine() = default;
    // Stores name upper-cased.
    TIniLine(const std::string& name, const std::string& value);

    std::string Name;
    std::string Value;

    // ASCII upper case, as the file's keys are written.
    static std::string Upper(const std::string& text);
    // Splits a file line at its first "=": the name (upper-cased, spaces kept) and the rest.
    // A line without "=" is all name and an empty value.
    static TIniLine Parse(const std::string& line);
    // "NAME=value" as written to the file.
    std::string Text() const { return Name + "=" + Value; }
};
