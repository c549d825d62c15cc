#include "platform/Image.h"

#include "platform/ImageTextures.h"

namespace platform {

Image::Image(std::vector<Pixmap> frames, int flags) : frames(std::move(frames)), flags(flags) {
    if (flags & MID_HANDLE) MidHandle();
}

Image::~Image() = default;

std::unique_ptr<Image> Image::Load(const std::string& path, int flags, std::string& error) {
    Pixmap pixmap;
    if (!Pixmap::Load(path, pixmap, error)) return nullptr;
    return FromPixmap(pixmap, flags);
}

std::unique_ptr<Image> Image::LoadStrip(const std::string& path, int cellW, int cellH, int first,
                                        int count, int flags, std::string& error) {
    Pixmap sheet;
    if (!Pixmap::Load(path, sheet, error)) return nullptr;
    int columns = cellW > 0 ? sheet.Width() / cellW : 0;
    int rows = cellH > 0 ? sheet.Height() / cellH : 0;
    int total = columns * rows;
    if (count <= 0) count = total - first;
    if (first < 0 || count <= 0 || first + count > total) {
        error = "Cannot cut frames " + std::to_string(first) + "-" +
                std::to_string(first + count - 1) + " of " + std::to_string(cellW) + "x" +
                std::to_string(cellH) + " from " + path + " (" + std::to_string(sheet.Width()) +
                "x" + std::to_string(sheet.Height()) + ")";
        return nullptr;
    }
    std::vector<Pixmap> cells;
    cells.reserve(static_cast<size_t>(count));
    for (int i = first; i < first + count; ++i) {
        cells.push_back(sheet.Crop((i % columns) * cellW, (i / columns) * cellH, cellW, cellH));
    }
    return FromFrames(std::move(cells), flags);
}

std::unique_ptr<Image> Image::FromPixmap(const Pixmap& pixmap, int flags) {
    return FromFrames(std::vector<Pixmap>{pixmap}, flags);
}

std::unique_ptr<Image> Image::FromFrames(std::vector<Pixmap> frames, int flags) {
    return std::unique_ptr<Image>(new Image(std::move(frames), flags));
}

int Image::Width() const {
    return frames.empty() ? 0 : frames.front().Width();
}

int Image::Height() const {
    return frames.empty() ? 0 : frames.front().Height();
}

const Pixmap& Image::FramePixels(int frame) const {
    static const Pixmap none;
    if (frame < 0 || frame >= Frames()) return none;
    return frames[static_cast<size_t>(frame)];
}

}  // namespace platform
