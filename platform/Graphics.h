#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/BlendMode.h"
#include "platform/Image.h"
#include "platform/Pixmap.h"

namespace platform {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    int hertz = 0;
};

// What to open: depth 0 is a window; 16, 24 or 32 is full screen at that mode.
struct ContextSettings {
    int width = 1024;
    int height = 768;
    int depth = 0;
    int hertz = 60;
    bool borderless = false;
    // SDL render driver: "" = the platform's preferred accelerated one, "opengl",
    // "software", ... Falls back to software when no accelerated renderer exists.
    std::string driver;
    std::string title;
    bool vsync = true;
};

// The drawing layer: one window and renderer, a state machine of colour, alpha, scale,
// rotation and blend that holds until changed. Positions and sizes are virtual units; the
// virtual resolution maps onto the whole context. Only one Graphics may be open at a time.
class Graphics {
public:
    Graphics();
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Render driver names SDL offers on this machine.
    static std::vector<std::string> Drivers();
    static bool DriverExists(const std::string& name);
    // Full-screen modes of the main display; DesktopMode is the current one. Depth is the
    // bytes of a pixel times 8 (a 32-bit desktop is 32). These start SDL's video system when
    // it is not running; it then stays up for the rest of the run.
    static std::vector<DisplayMode> Modes();
    static bool ModeExists(int width, int height, int depth, int hertz);
    static DisplayMode DesktopMode();

    // Opens (or reopens, closing the old one first) the context. False with error on failure.
    bool Open(const ContextSettings& settings, std::string& error);
    void Close();
    bool IsOpen() const;
    const ContextSettings& Settings() const { return settings; }
    // The renderer actually in use, e.g. "opengl 4.5 (llvmpipe ...)" or "software".
    std::string RendererName() const;
    // Size of the drawable area in real pixels.
    int OutputWidth() const;
    int OutputHeight() const;
    // Each open increments this, so cached uploads know when they went stale.
    unsigned Generation() const { return generation; }

    // Window placement, title and icon.
    void WindowPosition(int& x, int& y) const;
    void SetWindowPosition(int x, int y);
    void SetWindowTitle(const std::string& title);
    void SetWindowIcon(const Pixmap& icon);
    bool HasFocus() const;
    void Minimise();

    // Pointer: shown or hidden, and moved (in real window pixels).
    void ShowPointer(bool show);
    void MovePointer(int x, int y);

    // Virtual resolution, viewport (clip rectangle, virtual units) and origin. A virtual
    // point p lands on real pixel (p + origin) * output size / virtual size; the origin
    // moves drawing, not the viewport. Changing the virtual resolution keeps the viewport's
    // virtual numbers. These survive Open and Close. A stretched mapping (different ratios
    // across and down) is honoured by rotated drawing too.
    void SetVirtualResolution(float width, float height);
    float VirtualWidth() const { return virtualW; }
    float VirtualHeight() const { return virtualH; }
    void SetViewport(int x, int y, int w, int h);
    void GetViewport(int& x, int& y, int& w, int& h) const;
    void SetOrigin(float x, float y);
    void GetOrigin(float& x, float& y) const;

    void SetClsColor(int r, int g, int b);
    void GetClsColor(int& r, int& g, int& b) const;
    // Clears the viewport to the clear colour (the whole output when the viewport covers
    // it); to clear everything, set a full viewport first.
    void Cls();
    // sync: 1 waits for the vertical blank, 0 does not, -1 paces to ~60 Hz by a timer.
    // A renderer that cannot wait for the blank is paced by the timer for 1 as well.
    void Flip(int sync);

    // Drawing state.
    void SetColor(int r, int g, int b);
    void GetColor(int& r, int& g, int& b) const;
    void SetAlpha(float a);
    float GetAlpha() const { return alpha; }
    void SetScale(float x, float y);
    void GetScale(float& x, float& y) const;
    void SetRotation(float degrees);
    float GetRotation() const { return rotation; }
    void SetBlend(BlendMode mode);
    BlendMode GetBlend() const { return blend; }
    // Scale 1, rotation 0, alpha 1, white, alpha blending. Masked draws as Alpha does.
    void ResetState();

    // Uploads every frame now rather than at first draw.
    void Upload(Image& image);
    void DrawImage(Image& image, float x, float y, int frame = 0);
    // Draws the image stretched to w x h (before the current scale).
    void DrawImageRect(Image& image, float x, float y, float w, float h, int frame = 0);
    // Draws the part (sx, sy, sw, sh) of a frame, sized w x h, where that part sits in the
    // frame: the frame's handle, less (sx, sy) and scaled by w / sw, h / sh, lands on (x, y).
    // So the top part of a mid-handled card, drawn with the card's own size, stays put.
    void DrawSubImageRect(Image& image, float x, float y, float w, float h, float sx, float sy,
                          float sw, float sh, int frame = 0);
    // Filled, from (x, y) as the pivot of scale and rotation, in the current colour and alpha.
    void DrawRect(float x, float y, float w, float h);
    void DrawOval(float x, float y, float w, float h);
    // One real pixel wide; (x1, y1) is the pivot of scale and rotation.
    void DrawLine(float x1, float y1, float x2, float y2);

    // The layer's own small image font (fixed width; ASCII 32-126, others show as '?';
    // '\n' starts a new line). Drawn tinted by the colour, with the current state; the
    // sizes are virtual units at scale 1.
    void DrawText(const std::string& text, float x, float y);
    static int TextWidth(const std::string& text);
    static int TextHeight(const std::string& text);

    // The back buffer (real pixels) as a picture; the rectangle defaults to the whole output
    // and is clipped to it. Empty when closed.
    Pixmap Grab(int x = 0, int y = 0, int w = -1, int h = -1) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
    ContextSettings settings;
    unsigned generation = 0;

    float virtualW = 1024, virtualH = 768;
    int viewX = 0, viewY = 0, viewW = 1024, viewH = 768;
    float originX = 0, originY = 0;
    int colorR = 255, colorG = 255, colorB = 255;
    float alpha = 1.0f;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0;
    BlendMode blend = BlendMode::Alpha;
};

}  // namespace platform
