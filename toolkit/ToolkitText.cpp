#include "toolkit/ToolkitText.h"

std::function<std::string(const std::string& key)> ToolkitTextLookup;

std::string ToolkitText(const std::string& key) {
    return ToolkitTextLookup ? ToolkitTextLookup(key) : key;
}

std::string ToolkitTextWith(const std::string& key, const std::string& value) {
    std::string text = ToolkitText(key);
    size_t at = text.find("XX");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}
