#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Pixmap.h"

namespace platform {

class Graphics;

// A drawable picture: one frame, or a strip of equal frames cut from one file.
// Keeps its pixels in memory and uploads them to the drawing context when first drawn
// (or by Upload), so it survives the context being recreated by a display change.
class Image {
public:
    enum Flags {
        FILTERED = 1,    // smooth scaling
        MID_HANDLE = 2,  // handle in the middle of the frame on load
    };

    // One picture. Returns null and sets error (naming the path) when it cannot be read.
    static std::unique_ptr<Image> Load(const std::string& path, int flags, std::string& error);
    // A strip: frames of cellW x cellH read left to right, top to bottom, starting at
    // frame first, count frames (count 0 or less: every frame from first on). Null with an
    // error when the file holds fewer frames.
    static std::unique_ptr<Image> LoadStrip(const std::string& path, int cellW, int cellH,
                                            int first, int count, int flags, std::string& error);
    static std::unique_ptr<Image> FromPixmap(const Pixmap& pixmap, int flags);
    static std::unique_ptr<Image> FromFrames(std::vector<Pixmap> frames, int flags);

    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int Width() const;   // of the first frame (strips have equal frames)
    int Height() const;  // of the first frame
    int Frames() const { return static_cast<int>(frames.size()); }
    int Flags() const { return flags; }
    const Pixmap& FramePixels(int frame) const;

    // The handle is the point placed at the drawing position and the pivot of scale and
    // rotation, in image pixels from the top-left.
    void SetHandle(float x, float y) {
        handleX = x;
        handleY = y;
    }
    void MidHandle() { SetHandle(Width() / 2.0f, Height() / 2.0f); }
    float HandleX() const { return handleX; }
    float HandleY() const { return handleY; }

private:
    friend class Graphics;
    Image(std::vector<Pixmap> frames, int flags);

    struct Textures;
    std::vector<Pixmap> frames;
    int flags = 0;
    float handleX = 0;
    float handleY = 0;
    std::unique_ptr<Textures> textures;
};

}  // namespace platform
