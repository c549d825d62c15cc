#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "framework/TTrimData.h"
#include "platform/Image.h"

// One named picture of the image bank: a single image or an animation strip, with its size
// and handle. Shared by everything that draws it.
class TGameImage {
public:
    std::string name;  // upper case: the bank key
    std::shared_ptr<platform::Image> image;
    int w = 0, h = 0;
    float w2 = 0, h2 = 0;  // half sizes
    int midhandled = 0;
    int tag = 0;  // free for the caller
    std::shared_ptr<TTrimData> trimData;

    // Loads path (a data path; case does not matter). flags < 0 = smooth scaling. A file
    // that cannot be read is fatal: "Error loading bitmap " + path.
    static std::shared_ptr<TGameImage> Create(const std::string& path, int flags = -1, int mid = 1);
    // An animation strip of cellW x cellH frames when count >= 2, else a single picture.
    static std::shared_ptr<TGameImage> CreateAuto(const std::string& path, int cellW, int cellH,
                                                  int first, int count, int flags = -1,
                                                  int mid = 1);
    // Wraps an image already made; name is stored in upper case.
    static std::shared_ptr<TGameImage> CreateFromImage(std::shared_ptr<platform::Image> image,
                                                       const std::string& name, int mid = 1);

    // Pixel bytes held in memory, and in video memory once uploaded.
    size_t CalcRAM() const;
    size_t CalcVRAM() const;

    // Draws frame at (x, y) with the drawing layer's current state.
    void Draw(float x, float y, int frame = 0) const;
    // With a shadow: first the image in black at shadowAlpha, offset by (shadowX, shadowY),
    // then alpha 1 and white, then the image at (x, y).
    void Draw(float x, float y, int frame, float shadowX, float shadowY, float shadowAlpha) const;

    int GetWidth() const { return w; }
    int GetHeight() const { return h; }
    int Frames() const { return image ? image->Frames() : 0; }
    // Reads w, h, w2, h2 from the image.
    void GetSize();

    void Load(const std::string& path, int flags, int mid);
    void LoadAnim(const std::string& path, int cellW, int cellH, int first, int count, int flags,
                  int mid);
    // Handle at the centre (1) or the top-left (0).
    void MidHandle(int flag);
    // Uploads every frame to video memory now (when graphics are open).
    void Precache();
    // Handle at (-xOffset, -yOffset): the trimmed picture lands where it sat in the original.
    void SetTrimHandle(std::shared_ptr<TTrimData> trim);

    // The upper-case file name without folder and extension: the key of a path.
    static std::string KeyOf(const std::string& path);

private:
    void Loaded(int mid);
};
