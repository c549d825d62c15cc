#pragma once

#include <string>
#include <utility>
#include <vector>

// How the virtual area (1024x768) sits in a window: the drawing layer's virtual resolution,
// viewport and origin, and the ratios that turn window pixels into virtual units. Pure
// arithmetic, so every display shape can be checked without a window.
class TDisplayGeometry {
public:
    struct Display {
        int virtualWidth = 1024, virtualHeight = 768;
        int windowWidth = 1024, windowHeight = 768;
        int desktopWidth = 1024, desktopHeight = 768;
        int fullScreen = 0, wideScreen = 0, borderless = 0, useDesktopResolution = 0;
    };

    // 0: the window is drawn 1:1 (virtual resolution = window size, full viewport).
    int Using = 0;
    // The virtual resolution handed to the drawing layer; the game's area starts at
    // (XOff, YOff) inside it.
    float VirtualWidth = 1024, VirtualHeight = 768;
    float XOff = 0, YOff = 0;
    int ViewX = 0, ViewY = 0, ViewW = 1024, ViewH = 768;
    float OriginX = 0, OriginY = 0;
    // Window pixels to units of the virtual resolution: virtual = round(pixel * ratio) - off.
    float RatioX = 1, RatioY = 1;
    float VirtualRatio = 1, GraphicsRatio = 1;
    // A line for the debug output, or "".
    std::string Note;

    // Full screen with wide screen, and a borderless window, keep the area's shape with bars
    // beside (pillar-box) or above and below it (letter-box), shaped by the desktop. A
    // window of the area's shape is stretched; a window of another shape (resized by the
    // player or the window manager) is boxed by its own shape, so the area never distorts.
    static TDisplayGeometry Compute(const Display& d);

    // Candidate window sizes: 0 = the 4:3 list, 1 = the 16:9 list, smallest first.
    static std::vector<std::pair<int, int>> CandidateSizes(int windowedAspectRatio);
    // The size to open: the desktop for a desktop-sized full screen or borderless window,
    // else the virtual size or the largest candidate that fits (width within the desktop,
    // height within the desktop less 70 pixels when windowed). False when none fits.
    static bool ChooseSize(const Display& d, int windowedAspectRatio, int& width, int& height);
};
