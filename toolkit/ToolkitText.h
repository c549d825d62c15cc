#pragma once
#include <functional>
#include <string>

// Player-visible texts come from the game text by key; the game text installs this lookup.
// Until then a key stands for its own text.
extern std::function<std::string(const std::string& key)> ToolkitTextLookup;

std::string ToolkitText(const std::string& key);
// The text with its first "XX" replaced by value.
std::string ToolkitTextWith(const std::string& key, const std::string& value);
