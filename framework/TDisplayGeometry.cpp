#include "framework/TDisplayGeometry.h"

#include <cmath>

namespace {

float Round(float x) {
    return std::floor(x + 0.5f);
}

// Boxes the area into the window by the shape graphicsRatio. With unscaledFit, a window as
// tall (pillar) or as wide (letter) as the area shows it 1:1 with bars.
void Box(TDisplayGeometry& g, const TDisplayGeometry::Display& d, float graphicsRatio,
         bool unscaledFit) {
    const int vw = d.virtualWidth, vh = d.virtualHeight;
    g.VirtualRatio = static_cast<float>(vw) / static_cast<float>(vh);
    g.GraphicsRatio = graphicsRatio;
    if (g.GraphicsRatio >= g.VirtualRatio) {
        if (unscaledFit && d.windowHeight == vh) {
            g.XOff = static_cast<float>((d.windowWidth - vw) / 2);
            g.VirtualWidth = static_cast<float>(d.windowWidth);
            g.VirtualHeight = static_cast<float>(d.windowHeight);
            g.ViewX = static_cast<int>(g.XOff);
            g.ViewY = 0;
            g.ViewW = vw;
            g.ViewH = vh;
        } else {
            double t = vw * (g.GraphicsRatio / g.VirtualRatio);
            int w = static_cast<int>(std::floor(t - 1.0));
            if (w % 2 != 0) w -= 1;
            g.VirtualWidth = static_cast<float>(w);
            g.VirtualHeight = static_cast<float>(vh);
            g.XOff = static_cast<float>(w - vw) / 2.0f;
            // One unit in from each side: the scaled edge column is never half drawn.
            g.ViewX = static_cast<int>(Round(g.XOff)) + 1;
            g.ViewY = 0;
            g.ViewW = vw - 2;
            g.ViewH = vh;
        }
        g.OriginX = Round(g.XOff);
        g.OriginY = 0;
    } else {
        if (unscaledFit && d.windowWidth == vw) {
            g.YOff = static_cast<float>((d.windowHeight - vh) / 2);
            g.VirtualWidth = static_cast<float>(d.windowWidth);
            g.VirtualHeight = static_cast<float>(d.windowHeight);
            g.ViewX = 0;
            g.ViewY = static_cast<int>(g.YOff);
            g.ViewW = vw;
            g.ViewH = vh;
        } else {
            double t = vh * (g.VirtualRatio / g.GraphicsRatio);
            int h = static_cast<int>(std::floor(t - 1.0));
            if (h % 2 != 0) h -= 1;
            g.VirtualWidth = static_cast<float>(vw);
            g.VirtualHeight = static_cast<float>(h);
            g.YOff = static_cast<float>(h - vh) / 2.0f;
            g.ViewX = 0;
            g.ViewY = static_cast<int>(Round(g.YOff)) + 1;
            g.ViewW = vw;
            g.ViewH = vh - 2;
        }
        g.OriginX = 0;
        g.OriginY = Round(g.YOff);
    }
    // The ratios follow the virtual resolution actually set, so a click maps onto exactly
    // the virtual point drawn under it.
    g.RatioX = g.VirtualWidth / static_cast<float>(d.windowWidth);
    g.RatioY = g.VirtualHeight / static_cast<float>(d.windowHeight);
    g.Using = 1;
}

}  // namespace

TDisplayGeometry TDisplayGeometry::Compute(const Display& d) {
    TDisplayGeometry g;
    g.VirtualWidth = static_cast<float>(d.windowWidth);
    g.VirtualHeight = static_cast<float>(d.windowHeight);
    g.ViewW = d.windowWidth;
    g.ViewH = d.windowHeight;
    if (d.windowWidth <= 0 || d.windowHeight <= 0) return g;

    const bool keepShape = (d.fullScreen && d.wideScreen) || (!d.fullScreen && d.borderless == 1);
    if (keepShape) {
        if (d.useDesktopResolution && d.windowWidth == d.virtualWidth &&
            d.windowHeight == d.virtualHeight) {
            g.Note =
                "Virtual Resolution=0 because Game resolution and Window resolution are the same";
            return g;
        }
        const int dw = d.desktopWidth > 0 ? d.desktopWidth : d.windowWidth;
        const int dh = d.desktopHeight > 0 ? d.desktopHeight : d.windowHeight;
        Box(g, d, static_cast<float>(dw) / static_cast<float>(dh), d.useDesktopResolution != 0);
        return g;
    }
    if (static_cast<long long>(d.windowWidth) * d.virtualHeight ==
        static_cast<long long>(d.windowHeight) * d.virtualWidth) {
        if (d.windowHeight == d.virtualHeight) return g;
        g.VirtualWidth = static_cast<float>(d.virtualWidth);
        g.VirtualHeight = static_cast<float>(d.virtualHeight);
        g.ViewX = g.ViewY = 0;
        g.ViewW = d.virtualWidth;
        g.ViewH = d.virtualHeight;
        g.RatioX = static_cast<float>(d.virtualWidth) / static_cast<float>(d.windowWidth);
        g.RatioY = static_cast<float>(d.virtualHeight) / static_cast<float>(d.windowHeight);
        g.Using = 1;
        return g;
    }
    Box(g, d, static_cast<float>(d.windowWidth) / static_cast<float>(d.windowHeight), true);
    return g;
}

std::vector<std::pair<int, int>> TDisplayGeometry::CandidateSizes(int windowedAspectRatio) {
    if (windowedAspectRatio == 1) {
        return {{640, 360},  {720, 405},  {848, 480},  {960, 540},  {1024, 576}, {1280, 720},
                {1360, 768}, {1366, 768}, {1536, 874}, {1600, 900}, {1920, 1080}};
    }
    return {{640, 480}, {800, 600}, {1024, 768}};
}

bool TDisplayGeometry::ChooseSize(const Display& d, int windowedAspectRatio, int& width,
                                  int& height) {
    if (d.useDesktopResolution && (d.fullScreen || d.borderless == 1)) {
        width = d.desktopWidth;
        height = d.desktopHeight;
        return true;
    }
    const int margin = d.fullScreen ? 0 : 70;
    auto fits = [&](int w, int h) { return w <= d.desktopWidth && h <= d.desktopHeight - margin; };
    const auto candidates = CandidateSizes(windowedAspectRatio);
    width = d.virtualWidth;
    height = d.virtualHeight;
    auto next = candidates.rbegin();
    while (!fits(width, height)) {
        if (next == candidates.rend()) return false;
        width = next->first;
        height = next->second;
        ++next;
    }
    return true;
}
