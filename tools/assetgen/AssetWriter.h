#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

// Writes the generated files under the data folder and remembers each one as an inventory
// line ("Data/<path> <kind> <details>"), so the list printed matches what was written.
class AssetWriter {
public:
    explicit AssetWriter(std::string dataDir);

    // rel is the path under the data folder, e.g. "graphics/Cards/1h.png".
    void Png(const Canvas& canvas, const std::string& rel);
    // An animation strip: frames laid out left to right, top to bottom, in cells.
    void Strip(const Canvas& canvas, const std::string& rel, int cellW, int cellH, int frames);
    void Jpeg(const Canvas& canvas, const std::string& rel, int quality = 90);
    // Writes only the part holding visible pixels and records where it sat in the full picture
    // for the trim-data file.
    void Trimmed(const Canvas& canvas, const std::string& rel);
    // A bitmap font: "<rel>.fnt" with its atlas "<rel>.png".
    void Font(const std::string& fntText, const Canvas& atlas, const std::string& rel);
    // The trim-data file of every Trimmed picture so far.
    void TrimFile(const std::string& rel);

    const std::vector<std::string>& Inventory() const { return inventory; }
    const std::vector<std::string>& Errors() const { return errors; }

private:
    std::string Prepare(const std::string& rel);
    bool WritePngFile(const Canvas& canvas, const std::string& path);
    void WriteTextFile(const std::string& rel, const std::string& text);

    std::string root;
    std::vector<std::string> inventory;
    std::vector<std::string> errors;
    std::vector<std::string> trimLines;
};
