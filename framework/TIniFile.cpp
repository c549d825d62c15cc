#include "framework/TIniFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "framework/Messages.h"

void TIniFile::Add(const std::string& name, const std::string& value) {
    Lines.emplace_back(name, value);
}

const TIniLine* TIniFile::Find(const std::string& name) const {
    const std::string upper = TIniLine::Upper(name);
    for (const TIniLine& line : Lines) {
        if (line.Name == upper) return &line;
    }
    return nullptr;
}

int TIniFile::SaveAttempt() {
    std::string text;
    for (const TIniLine& line : Lines) text += line.Text() + "\n";
    if (WriteAtomically(Path(), text)) return 1;
    ShowMessage("Failed to save file " + Path(), 0, 0);
    return 0;
}

int TIniFile::Save() {
    return TRetry::Run([this] { return SaveAttempt(); }, RetryDelayMs);
}

int TIniFile::LoadAttempt() {
    std::vector<std::string> fileLines;
    if (!ReadLines(Path(), fileLines)) return 0;
    for (const std::string& text : fileLines) {
        TIniLine read = TIniLine::Parse(text);
        for (TIniLine& line : Lines) {
            if (line.Name == read.Name) line.Value = read.Value;
        }
    }
    return 1;
}

int TIniFile::Load() {
    int loaded = TRetry::Run([this] { return LoadAttempt(); }, RetryDelayMs);
    Save();
    return loaded;
}

bool TIniFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    lines.clear();
    std::string line;
    while (std::getline(in, line)) {
        // A file edited on Windows keeps its values clean.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return !in.bad();
}

bool TIniFile::WriteAtomically(const std::string& path, const std::string& text) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}
