#pragma once

#include <string>

// The one way failures are reported. Before graphics exist: a system message box;
// afterwards a modal in-game panel that waits for a key or click. log appends the text to
// the error log; fatal ends the program after the message (by raising TFatalExit).
void ShowMessage(const std::string& text, int fatal, int log);
// Appends the three-line entry to SharedDataPath + "ErrorLog.txt"; skipped silently when the
// file cannot be opened.
void AppendErrorLog(const std::string& text);
// The entry as written: the rule line, the date line and the text, each ending in "\n".
std::string FormatErrorLogEntry(const std::string& text);
// The modal panel: box of width x height (scaled by MessageTextScale), centred.
void MessagePanel(const std::string& text, int width, int height);
// Draws one frame of the panel without flipping (what MessagePanel shows each frame).
void DrawMessagePanel(const std::string& text, int width, int height);
// "(" + StartupStep + ") " + text, without the prefix while StartupStep is 0.
std::string CrashReportText(const std::string& text);
