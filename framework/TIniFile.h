#pragma once

#include <string>
#include <vector>

#include "framework/TIniLine.h"
#include "framework/TRetry.h"

// The settings file: an ordered list of NAME=value lines. The list is a staging copy: the
// game fills it with every key before a save and reads it after a load. Loading only
// updates keys the list already holds, so a file can never add keys.
class TIniFile {
public:
    // Full path without ".ini".
    std::string FileName;
    std::vector<TIniLine> Lines;
    // Pause between failed attempts (tests shorten it).
    int RetryDelayMs = TRetry::DELAY_MS;

    std::string Path() const { return FileName + ".ini"; }

    void Clear() { Lines.clear(); }
    // Appends a line; the name is stored upper-cased.
    void Add(const std::string& name, const std::string& value);
    // The line whose name is the upper case of name, or nullptr.
    const TIniLine* Find(const std::string& name) const;

    // Writes every line as NAME=value; 1 on success. The file is written beside its final
    // place and renamed over it, so a crash mid-save leaves the old file whole. A failure
    // shows "Failed to save file " + path (not fatal, not logged) and returns 0.
    int SaveAttempt();
    // Up to 5 attempts of SaveAttempt; 1 when one succeeded.
    int Save();
    // Reads the file into the lines it names (later duplicates win, unknown names are
    // ignored); 0 when the file cannot be opened.
    int LoadAttempt();
    // Up to 5 attempts of LoadAttempt, then always Save, so the file is rewritten with every
    // key in canonical form. Returns what the load gave.
    int Load();

    // The file's lines without their line ends ("\n" or "\r\n"); false when it cannot be read.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines);
    // Writes text to path through a temporary file renamed into place; false on failure.
    static bool WriteAtomically(const std::string& path, const std::string& text);
};
