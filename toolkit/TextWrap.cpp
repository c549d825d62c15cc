#include "toolkit/TextWrap.h"

std::vector<std::string> SplitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        std::string line =
            text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (nl != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

std::vector<std::string> WrapTextLines(const std::vector<std::string>& lines, double width,
                                       double scale,
                                       const std::function<double(const std::string&)>& measure) {
    std::vector<std::string> out;
    for (const std::string& original : lines) {
        if (original.empty()) {
            out.emplace_back();
            continue;
        }
        std::string line;
        for (size_t i = 0; i < original.size(); ++i) {
            if (original[i] == ' ' && i + 1 < original.size() && original[i + 1] == ' ') ++i;
            line += original[i];
        }
        std::string current;
        bool started = false;
        size_t pos = 0;
        while (pos <= line.size()) {
            size_t sp = line.find(' ', pos);
            std::string word =
                line.substr(pos, sp == std::string::npos ? std::string::npos : sp - pos);
            if (!started) {
                current = word;
                started = true;
            } else if (measure(current + " " + word) * scale <= width) {
                current += " " + word;
            } else {
                out.push_back(current);
                current = word;
            }
            if (sp == std::string::npos) break;
            pos = sp + 1;
        }
        out.push_back(current);
    }
    return out;
}
