#pragma once
#include <functional>
#include <string>
#include <vector>

// Cuts text at each "\n" (a "\r" before it is dropped); an empty text gives no lines and a
// final "\n" no empty last line.
std::vector<std::string> SplitTextLines(const std::string& text);

// Word-wraps each line at width pixels (measure gives a string's width at scale 1): an empty
// line stays empty, double spaces become single, and a word wider than the width stands alone.
std::vector<std::string> WrapTextLines(const std::vector<std::string>& lines, double width,
                                       double scale,
                                       const std::function<double(const std::string&)>& measure);
