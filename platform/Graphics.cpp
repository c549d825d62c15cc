#include "platform/Graphics.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/Clock.h"
#include "platform/ImageFont.h"
#include "platform/ImageTextures.h"
#include "platform/Sprite.h"
#include "platform/TransformedSprites.h"

namespace platform {

namespace {

constexpr float PI = 3.14159265358979f;
constexpr double PACED_FRAME_MS = 1000.0 / 60.0;

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

// Starts SDL's video subsystem on first need and keeps it for the rest of the run: quitting
// it closes the display connection, and a reconnect can fail (an X server with no other
// client resets when the last one leaves), so a reopen or a mode query must not drop it.
bool VideoStarted() {
    return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

int DepthOf(Uint32 format) {
    return SDL_BYTESPERPIXEL(format) * 8;
}

SDL_BlendMode ToSdl(BlendMode mode) {
    switch (mode) {
        case BlendMode::Solid:
            return SDL_BLENDMODE_NONE;
        case BlendMode::Masked:
        case BlendMode::Alpha:
            return SDL_BLENDMODE_BLEND;
        case BlendMode::Light:
            return SDL_BLENDMODE_ADD;
        case BlendMode::Overlay:
            return SDL_BLENDMODE_MOD;
    }
    return SDL_BLENDMODE_BLEND;
}

Uint8 ToByte(float unit) {
    return static_cast<Uint8>(std::lround(std::clamp(unit, 0.0f, 1.0f) * 255.0f));
}

bool IsOpaque(const Pixmap& pixels) {
    const uint8_t* p = pixels.Data();
    const size_t count = static_cast<size_t>(pixels.Width()) * pixels.Height();
    for (size_t i = 0; i < count; ++i) {
        if (p[i * 4 + 3] != 255) return false;
    }
    return true;
}

Uint8 ClampByte(int value) {
    return static_cast<Uint8>(std::clamp(value, 0, 255));
}

// The mode list entry of the main display that matches; refresh 0 (unknown) matches any hertz,
// and hertz 0 asks for any refresh.
bool FindMode(int width, int height, int depth, int hertz, SDL_DisplayMode& found) {
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        if (mode.w != width || mode.h != height || DepthOf(mode.format) != depth) continue;
        if (hertz != 0 && mode.refresh_rate != 0 && mode.refresh_rate != hertz) continue;
        found = mode;
        return true;
    }
    return false;
}

// glGetString, reached through SDL so the layer needs no GL headers.
std::string GlString(unsigned name) {
    using GetString = const unsigned char* (*)(unsigned);
    auto get = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* text = get ? get(name) : nullptr;
    return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

struct Graphics::Impl {
    std::unique_ptr<SDL_Window, WindowDeleter> window;
    std::shared_ptr<SDL_Renderer> renderer;
    std::unique_ptr<Image> font;
    int outW = 0, outH = 0;  // output size in real pixels as of the last Refresh
    int clsR = 0, clsG = 0, clsB = 0;
    int vsync = -1;  // what the renderer was last set to: 1, 0, or -1 unknown
    bool hardVsync = false;
    double nextFrame = 0;

    // Real pixels per virtual unit.
    float RatioX(const Graphics& g) const { return outW / g.virtualW; }
    float RatioY(const Graphics& g) const { return outH / g.virtualH; }

    // Picks up a change of the output size (a resized window) before drawing: the ratios
    // and the clip rectangle in real pixels depend on it.
    void Refresh(const Graphics& g) {
        int w = 0, h = 0;
        if (renderer) SDL_GetRendererOutputSize(renderer.get(), &w, &h);
        if (w != outW || h != outH) {
            outW = w;
            outH = h;
            ApplyClip(g);
        }
    }

    SDL_FPoint ToReal(const Graphics& g, float x, float y) const {
        return {(x + g.originX) * RatioX(g), (y + g.originY) * RatioY(g)};
    }

    // A point given relative to the anchor (x, y), after the current scale and rotation.
    SDL_FPoint Transform(const Graphics& g, float x, float y, float u, float v) const {
        float su = u * g.scaleX, sv = v * g.scaleY;
        float angle = g.rotation * PI / 180.0f;
        float c = std::cos(angle), s = std::sin(angle);
        return ToReal(g, x + su * c - sv * s, y + su * s + sv * c);
    }

    SDL_Rect ClipRect(const Graphics& g) const {
        float rx = RatioX(g), ry = RatioY(g);
        int x0 = static_cast<int>(std::lround(g.viewX * rx));
        int y0 = static_cast<int>(std::lround(g.viewY * ry));
        int x1 = static_cast<int>(std::lround((g.viewX + g.viewW) * rx));
        int y1 = static_cast<int>(std::lround((g.viewY + g.viewH) * ry));
        return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
    }

    bool ViewportIsWhole(const Graphics& g) const {
        SDL_Rect clip = ClipRect(g);
        return clip.x <= 0 && clip.y <= 0 && clip.x + clip.w >= outW && clip.y + clip.h >= outH;
    }

    void ApplyClip(const Graphics& g) const {
        if (!renderer) return;
        if (ViewportIsWhole(g)) {
            SDL_RenderSetClipRect(renderer.get(), nullptr);
        } else {
            SDL_Rect clip = ClipRect(g);
            SDL_RenderSetClipRect(renderer.get(), &clip);
        }
    }

    void SetDrawColour(const Graphics& g) const {
        SDL_SetRenderDrawColor(renderer.get(), ClampByte(g.colorR), ClampByte(g.colorG),
                               ClampByte(g.colorB), ToByte(g.alpha));
        SDL_SetRenderDrawBlendMode(renderer.get(), ToSdl(g.blend));
    }

    SDL_Texture* Texture(const Graphics& g, Image& image, int frame) const {
        if (!renderer || frame < 0 || frame >= image.Frames()) return nullptr;
        auto& textures = image.textures;
        if (!textures || !textures->ValidFor(renderer, g.generation)) {
            // A stale set belongs to a renderer that is gone; dropping it frees nothing twice.
            textures = std::make_unique<Image::Textures>();
            textures->renderer = renderer;
            textures->generation = g.generation;
            textures->frames.resize(static_cast<size_t>(image.Frames()));
            textures->opaque.assign(static_cast<size_t>(image.Frames()), false);
            static uint64_t nextId = 0;
            textures->id = ++nextId;
        }
        TextureHandle& slot = textures->frames[static_cast<size_t>(frame)];
        if (!slot) {
            const Pixmap& pixels = image.frames[static_cast<size_t>(frame)];
            if (pixels.Empty()) return nullptr;
            // ARGB is the window surface's own order: the software renderer then blends with
            // its fast same-layout blitter instead of converting every pixel of every draw.
            SDL_Texture* made =
                SDL_CreateTexture(renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                  SDL_TEXTUREACCESS_STATIC, pixels.Width(), pixels.Height());
            if (!made) return nullptr;
            slot = TextureHandle(made, TextureDeleter{renderer});
            const int pitch = pixels.Width() * 4;
            std::vector<uint8_t> argb(static_cast<size_t>(pitch) * pixels.Height());
            SDL_ConvertPixels(pixels.Width(), pixels.Height(), SDL_PIXELFORMAT_RGBA32,
                              pixels.Data(), pitch, SDL_PIXELFORMAT_ARGB8888, argb.data(), pitch);
            SDL_UpdateTexture(made, nullptr, argb.data(), pitch);
            textures->opaque[static_cast<size_t>(frame)] = IsOpaque(pixels);
            SDL_SetTextureScaleMode(made, (image.Flags() & Image::FILTERED) ? SDL_ScaleModeLinear
                                                                            : SDL_ScaleModeNearest);
        }
        return slot.get();
    }

    // Only for the software renderer: its own blitter weighs every pixel, and it turns,
    // stretches and tints slowly, so there we draw into its frame ourselves.
    std::unique_ptr<TransformedSprites> transformed;

    // The frame the software renderer draws into, when it is one our sprites can go to; the
    // renderer's queued draws are done first so ours land on top of them.
    bool SoftwareTarget(const Graphics& g, Sprite::Target& target) const {
        SDL_Surface* surface = SDL_GetWindowSurface(window.get());
        if (!surface || !surface->pixels || SDL_MUSTLOCK(surface) || surface->w != outW ||
            surface->h != outH ||
            (surface->format->format != SDL_PIXELFORMAT_RGB888 &&
             surface->format->format != SDL_PIXELFORMAT_ARGB8888)) {
            return false;
        }
        SDL_RenderFlush(renderer.get());
        target.pixels = static_cast<uint32_t*>(surface->pixels);
        target.pitch = surface->pitch / 4;
        target.width = surface->w;
        target.height = surface->h;
        SDL_Rect clip = ClipRect(g), whole{0, 0, surface->w, surface->h}, inside{};
        if (!SDL_IntersectRect(&clip, &whole, &inside)) inside = {0, 0, 0, 0};
        target.clipX = inside.x;
        target.clipY = inside.y;
        target.clipW = inside.w;
        target.clipH = inside.h;
        return true;
    }

    const Sprite* SpriteOf(const Image& image, int frame) const {
        auto& sprites = image.textures->sprites;
        if (sprites.size() != image.frames.size()) sprites.resize(image.frames.size());
        Sprite& sprite = sprites[static_cast<size_t>(frame)];
        if (sprite.Empty()) sprite = Sprite::FromPixmap(image.frames[static_cast<size_t>(frame)]);
        return sprite.Empty() ? nullptr : &sprite;
    }

    // The software path of DrawTexture; false when the draw is left to SDL.
    bool DrawSoftware(const Graphics& g, const Image& image, int frame, const SDL_Rect& src,
                      float ax, float ay, bool flipX, bool flipY, SDL_FPoint centre, SDL_FPoint at,
                      const SDL_FRect& dst, SDL_BlendMode blend, Uint8 alpha) {
        const bool tinted = g.colorR < 255 || g.colorG < 255 || g.colorB < 255;
        const bool scaled = static_cast<int>(dst.w) != src.w || static_cast<int>(dst.h) != src.h;
        const Sprite* sprite = nullptr;
        int x = 0, y = 0;
        SDL_Rect part = src;
        if (tinted || scaled || flipX || flipY || g.rotation != 0) {
            TransformedSprites::Request request;
            request.source = image.textures->id;
            request.frame = frame;
            request.pixels = &image.frames[static_cast<size_t>(frame)];
            request.src = {src.x, src.y, src.w, src.h};
            request.ax = ax;
            request.ay = ay;
            request.flipX = flipX;
            request.flipY = flipY;
            request.angle = g.rotation;
            request.centreX = centre.x;
            request.centreY = centre.y;
            request.atX = at.x;
            request.atY = at.y;
            request.r = ClampByte(g.colorR);
            request.g = ClampByte(g.colorG);
            request.b = ClampByte(g.colorB);
            request.smooth = (image.Flags() & Image::FILTERED) != 0;
            sprite = transformed->Get(request, x, y);
            if (sprite) part = {0, 0, sprite->Width(), sprite->Height()};
        } else {
            // Where SDL would put it: the corner cut to whole pixels.
            sprite = SpriteOf(image, frame);
            x = static_cast<int>(dst.x);
            y = static_cast<int>(dst.y);
        }
        Sprite::Target target;
        if (!sprite || !SoftwareTarget(g, target)) return false;
        // A turned picture unblended would bring the clear corners of its box along.
        const Sprite::Mode mode = blend == SDL_BLENDMODE_NONE && g.rotation == 0
                                      ? Sprite::Mode::Copy
                                  : blend == SDL_BLENDMODE_ADD ? Sprite::Mode::Add
                                                               : Sprite::Mode::Blend;
        sprite->Draw(target, x, y, part.x, part.y, part.w, part.h, mode, alpha);
        return true;
    }

    static bool Opaque(const Image& image, int frame) {
        const auto& textures = image.textures;
        return textures && static_cast<size_t>(frame) < textures->opaque.size() &&
               textures->opaque[static_cast<size_t>(frame)];
    }

    // Draws the source rectangle of a texture so that the point (handleX, handleY), in source
    // pixels from the rectangle's corner, lands on (x, y); kx, ky scale the source pixels
    // (negative flips) and the current rotation turns it around that point.
    void DrawTexture(const Graphics& g, const Image& image, int frame, SDL_Texture* texture,
                     const SDL_Rect& src, float handleX, float handleY, float x, float y, float kx,
                     float ky) {
        if (!texture || src.w <= 0 || src.h <= 0 || kx == 0 || ky == 0) return;
        const bool opaque = Opaque(image, frame);
        SDL_SetTextureColorMod(texture, ClampByte(g.colorR), ClampByte(g.colorG),
                               ClampByte(g.colorB));
        const Uint8 alpha = ToByte(g.alpha);
        SDL_SetTextureAlphaMod(texture, alpha);
        SDL_BlendMode blend = ToSdl(g.blend);
        // Turned, a picture gains see-through corners, so only an upright one may skip blending.
        if (opaque && blend == SDL_BLENDMODE_BLEND && alpha == 255 && g.rotation == 0) {
            blend = SDL_BLENDMODE_NONE;
        }
        SDL_SetTextureBlendMode(texture, blend);
        float ax = std::fabs(kx) * RatioX(g), ay = std::fabs(ky) * RatioY(g);
        SDL_FPoint at = ToReal(g, x, y);
        // Flipped, the handle sits at the mirrored spot of the destination rectangle.
        SDL_FPoint centre{(kx < 0 ? src.w - handleX : handleX) * ax,
                          (ky < 0 ? src.h - handleY : handleY) * ay};
        SDL_FRect dst{at.x - centre.x, at.y - centre.y, src.w * ax, src.h * ay};
        int flip = (kx < 0 ? SDL_FLIP_HORIZONTAL : 0) | (ky < 0 ? SDL_FLIP_VERTICAL : 0);
        if (g.rotation != 0 && std::fabs(RatioX(g) - RatioY(g)) > 1e-3f * RatioX(g)) {
            // Turned on a stretched virtual resolution, the picture is a sheared quad
            // that SDL_RenderCopyEx cannot draw.
            DrawTexturedQuad(g, texture, src, handleX, handleY, x, y, kx, ky);
            return;
        }
        if (transformed && blend != SDL_BLENDMODE_MOD &&
            DrawSoftware(g, image, frame, src, ax, ay, kx < 0, ky < 0, centre, at, dst, blend,
                         alpha)) {
            return;
        }
        if (flip == 0 && g.rotation == 0) {
            SDL_RenderCopyF(renderer.get(), texture, &src, &dst);
        } else {
            SDL_RenderCopyExF(renderer.get(), texture, &src, &dst, g.rotation, &centre,
                              static_cast<SDL_RendererFlip>(flip));
        }
    }

    void DrawTexturedQuad(const Graphics& g, SDL_Texture* texture, const SDL_Rect& src,
                          float handleX, float handleY, float x, float y, float kx,
                          float ky) const {
        int texW = 0, texH = 0;
        SDL_QueryTexture(texture, nullptr, nullptr, &texW, &texH);
        if (texW <= 0 || texH <= 0) return;
        // Vertex colours carry the tint and alpha; the texture's modulation is not used here.
        SDL_Color colour{ClampByte(g.colorR), ClampByte(g.colorG), ClampByte(g.colorB),
                         ToByte(g.alpha)};
        const float angle = g.rotation * PI / 180.0f;
        const float c = std::cos(angle), s = std::sin(angle);
        const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        SDL_Vertex vertices[4];
        for (int i = 0; i < 4; ++i) {
            float u = corners[i][0] * src.w, v = corners[i][1] * src.h;
            float du = (u - handleX) * kx, dv = (v - handleY) * ky;
            vertices[i] = {ToReal(g, x + du * c - dv * s, y + du * s + dv * c),
                           colour,
                           {(src.x + u) / texW, (src.y + v) / texH}};
        }
        const int indices[6] = {0, 1, 2, 0, 2, 3};
        SDL_RenderGeometry(renderer.get(), texture, vertices, 4, indices, 6);
    }

    // The software renderer accepts the vsync flag but presents at once.
    bool CanWaitForBlank() const {
        SDL_RendererInfo info;
        return SDL_GetRendererInfo(renderer.get(), &info) == 0 &&
               (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 && info.name &&
               std::string(info.name) != "software";
    }

    void Pace() {
        double now = Clock::MillisecsPrecise();
        if (nextFrame > now) {
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(nextFrame - now));
            now = nextFrame;
        }
        // After a long stall start afresh rather than rushing frames to catch up.
        nextFrame = (nextFrame < now - PACED_FRAME_MS ? now : nextFrame) + PACED_FRAME_MS;
    }
};

Graphics::Graphics() : impl(std::make_unique<Impl>()) {}

Graphics::~Graphics() {
    Close();
}

std::vector<std::string> Graphics::Drivers() {
    std::vector<std::string> names;
    int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name) names.emplace_back(info.name);
    }
    return names;
}

bool Graphics::DriverExists(const std::string& name) {
    auto names = Drivers();
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<DisplayMode> Graphics::Modes() {
    std::vector<DisplayMode> modes;
    if (!VideoStarted()) return modes;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) == 0) {
            modes.push_back({mode.w, mode.h, DepthOf(mode.format), mode.refresh_rate});
        }
    }
    return modes;
}

bool Graphics::ModeExists(int width, int height, int depth, int hertz) {
    SDL_DisplayMode mode;
    return VideoStarted() && FindMode(width, height, depth, hertz, mode);
}

DisplayMode Graphics::DesktopMode() {
    SDL_DisplayMode mode;
    if (!VideoStarted() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return {};
    return {mode.w, mode.h, DepthOf(mode.format), mode.refresh_rate};
}

bool Graphics::Open(const ContextSettings& wanted, std::string& error) {
    Close();
    if (!VideoStarted()) {
        error = std::string("Cannot start the video system: ") + SDL_GetError();
        return false;
    }
    const bool fullScreen = wanted.depth != 0;
    SDL_DisplayMode mode{};
    if (fullScreen && !FindMode(wanted.width, wanted.height, wanted.depth, wanted.hertz, mode)) {
        error = "No full-screen mode " + std::to_string(wanted.width) + "x" +
                std::to_string(wanted.height) + "x" + std::to_string(wanted.depth) + " at " +
                std::to_string(wanted.hertz) + "Hz";
        return false;
    }
    Uint32 windowFlags = wanted.borderless ? SDL_WINDOW_BORDERLESS : 0;
    std::unique_ptr<SDL_Window, WindowDeleter> window(
        SDL_CreateWindow(wanted.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         wanted.width, wanted.height, windowFlags));
    if (!window) {
        error = "Cannot create a window of " + std::to_string(wanted.width) + "x" +
                std::to_string(wanted.height) + ": " + SDL_GetError();
        return false;
    }
    if (fullScreen) {
        if (SDL_SetWindowDisplayMode(window.get(), &mode) != 0 ||
            SDL_SetWindowFullscreen(window.get(), SDL_WINDOW_FULLSCREEN) != 0) {
            error = "Cannot switch to full screen at " + std::to_string(wanted.width) + "x" +
                    std::to_string(wanted.height) + ": " + SDL_GetError();
            return false;
        }
    }

    // SDL turns batching off when the driver is named; we never touch the renderer behind
    // SDL's back, so it stays on.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    const Uint32 vsyncFlag = wanted.vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
    SDL_Renderer* made = nullptr;
    if (wanted.driver != "software") {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, wanted.driver.c_str());
        made = SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_ACCELERATED | vsyncFlag);
    }
    if (!made) {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        made = SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_SOFTWARE | vsyncFlag);
    }
    if (!made) {
        error = std::string("Cannot create a renderer: ") + SDL_GetError();
        return false;
    }

    impl->window = std::move(window);
    impl->renderer = std::shared_ptr<SDL_Renderer>(made, SDL_DestroyRenderer);
    impl->hardVsync = wanted.vsync && impl->CanWaitForBlank();
    impl->transformed.reset();
    if (RendererName() == "software") impl->transformed = std::make_unique<TransformedSprites>();
    impl->vsync = wanted.vsync ? 1 : 0;
    impl->nextFrame = 0;
    settings = wanted;
    ++generation;
    impl->outW = impl->outH = -1;  // forces the clip rectangle onto the new renderer
    impl->Refresh(*this);
    SDL_SetRenderDrawColor(made, ClampByte(impl->clsR), ClampByte(impl->clsG),
                           ClampByte(impl->clsB), 255);
    SDL_RenderClear(made);
    return true;
}

void Graphics::Close() {
    if (!impl) return;
    // The font's textures go while their renderer lives; then the renderer (which frees any
    // texture still alive), then the window.
    impl->font.reset();
    impl->transformed.reset();
    impl->renderer.reset();
    impl->window.reset();
    impl->outW = impl->outH = 0;
}

bool Graphics::IsOpen() const {
    return impl->renderer != nullptr;
}

std::string Graphics::RendererName() const {
    SDL_RendererInfo info;
    if (!impl->renderer || SDL_GetRendererInfo(impl->renderer.get(), &info) != 0) return "";
    std::string name = info.name ? info.name : "";
    if (name.rfind("opengl", 0) == 0) {
        constexpr unsigned GL_RENDERER = 0x1F01, GL_VERSION = 0x1F02;
        std::string version = GlString(GL_VERSION), device = GlString(GL_RENDERER);
        // "4.5 (Core Profile) Mesa ..." or "OpenGL ES 3.2 Mesa ...": the first number.
        size_t digit = version.find_first_of("0123456789");
        // Appended piece by piece: GCC 12 at -O2 misreads "x" + string as an overlapping copy.
        if (digit != std::string::npos) {
            name.append(" ").append(version, digit, version.find(' ', digit) - digit);
        }
        if (!device.empty()) name.append(" (").append(device).append(")");
    }
    return name;
}

int Graphics::OutputWidth() const {
    int w = 0, h = 0;
    if (impl->renderer) SDL_GetRendererOutputSize(impl->renderer.get(), &w, &h);
    return w;
}

int Graphics::OutputHeight() const {
    int w = 0, h = 0;
    if (impl->renderer) SDL_GetRendererOutputSize(impl->renderer.get(), &w, &h);
    return h;
}

void Graphics::WindowPosition(int& x, int& y) const {
    x = y = 0;
    if (impl->window) SDL_GetWindowPosition(impl->window.get(), &x, &y);
}

void Graphics::SetWindowPosition(int x, int y) {
    if (impl->window) SDL_SetWindowPosition(impl->window.get(), x, y);
}

void Graphics::SetWindowIcon(const Pixmap& icon) {
    if (!impl->window || icon.Empty()) return;
    // SDL copies the pixels, so the surface may wrap ours for the call.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(icon.Data()), icon.Width(), icon.Height(), 32, icon.Width() * 4,
        SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(impl->window.get(), surface);
    SDL_FreeSurface(surface);
}

void Graphics::SetWindowTitle(const std::string& title) {
    settings.title = title;
    if (impl->window) SDL_SetWindowTitle(impl->window.get(), title.c_str());
}

bool Graphics::HasFocus() const {
    return impl->window && (SDL_GetWindowFlags(impl->window.get()) & SDL_WINDOW_INPUT_FOCUS);
}

void Graphics::Minimise() {
    if (impl->window) SDL_MinimizeWindow(impl->window.get());
}

void Graphics::ShowPointer(bool show) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void Graphics::MovePointer(int x, int y) {
    if (impl->window) SDL_WarpMouseInWindow(impl->window.get(), x, y);
}

void Graphics::SetVirtualResolution(float width, float height) {
    if (width <= 0 || height <= 0) return;
    virtualW = width;
    virtualH = height;
    impl->ApplyClip(*this);
}

void Graphics::SetViewport(int x, int y, int w, int h) {
    viewX = x;
    viewY = y;
    viewW = w;
    viewH = h;
    impl->ApplyClip(*this);
}

void Graphics::GetViewport(int& x, int& y, int& w, int& h) const {
    x = viewX;
    y = viewY;
    w = viewW;
    h = viewH;
}

void Graphics::SetOrigin(float x, float y) {
    originX = x;
    originY = y;
}

void Graphics::GetOrigin(float& x, float& y) const {
    x = originX;
    y = originY;
}

void Graphics::SetClsColor(int r, int g, int b) {
    impl->clsR = r;
    impl->clsG = g;
    impl->clsB = b;
}

void Graphics::GetClsColor(int& r, int& g, int& b) const {
    r = impl->clsR;
    g = impl->clsG;
    b = impl->clsB;
}

void Graphics::Cls() {
    impl->Refresh(*this);
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer) return;
    SDL_SetRenderDrawColor(renderer, ClampByte(impl->clsR), ClampByte(impl->clsG),
                           ClampByte(impl->clsB), 255);
    if (impl->ViewportIsWhole(*this)) {
        SDL_RenderClear(renderer);
    } else {
        // SDL_RenderClear ignores the clip rectangle; the viewport must stay untouched outside.
        SDL_Rect clip = impl->ClipRect(*this);
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_RenderFillRect(renderer, &clip);
    }
}

void Graphics::Flip(int sync) {
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer) return;
    const int wanted = sync == 1 ? 1 : 0;
    if (wanted != impl->vsync) {
        impl->hardVsync = wanted && SDL_RenderSetVSync(renderer, 1) == 0 && impl->CanWaitForBlank();
        if (!wanted) SDL_RenderSetVSync(renderer, 0);
        impl->vsync = wanted;
    }
    SDL_RenderPresent(renderer);
    if (impl->transformed) impl->transformed->EndFrame();
    // Timer pacing, also standing in for a vertical blank the renderer cannot wait for.
    if (sync == -1 || (sync == 1 && !impl->hardVsync)) impl->Pace();
}

void Graphics::SetColor(int r, int g, int b) {
    colorR = r;
    colorG = g;
    colorB = b;
}

void Graphics::GetColor(int& r, int& g, int& b) const {
    r = colorR;
    g = colorG;
    b = colorB;
}

void Graphics::SetAlpha(float a) {
    alpha = a;
}

void Graphics::SetScale(float x, float y) {
    scaleX = x;
    scaleY = y;
}

void Graphics::GetScale(float& x, float& y) const {
    x = scaleX;
    y = scaleY;
}

void Graphics::SetRotation(float degrees) {
    rotation = degrees;
}

void Graphics::SetBlend(BlendMode mode) {
    blend = mode;
}

void Graphics::ResetState() {
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    SetColor(255, 255, 255);
    SetBlend(BlendMode::Alpha);
}

void Graphics::Upload(Image& image) {
    for (int f = 0; f < image.Frames(); ++f) impl->Texture(*this, image, f);
}

void Graphics::DrawImage(Image& image, float x, float y, int frame) {
    impl->Refresh(*this);
    SDL_Texture* texture = impl->Texture(*this, image, frame);
    if (!texture) return;
    SDL_Rect src{0, 0, image.FramePixels(frame).Width(), image.FramePixels(frame).Height()};
    impl->DrawTexture(*this, image, frame, texture, src, image.HandleX(), image.HandleY(), x, y,
                      scaleX, scaleY);
}

void Graphics::DrawImageRect(Image& image, float x, float y, float w, float h, int frame) {
    impl->Refresh(*this);
    SDL_Texture* texture = impl->Texture(*this, image, frame);
    if (!texture) return;
    SDL_Rect src{0, 0, image.FramePixels(frame).Width(), image.FramePixels(frame).Height()};
    impl->DrawTexture(*this, image, frame, texture, src, image.HandleX(), image.HandleY(), x, y,
                      scaleX * w / src.w, scaleY * h / src.h);
}

void Graphics::DrawSubImageRect(Image& image, float x, float y, float w, float h, float sx,
                                float sy, float sw, float sh, int frame) {
    impl->Refresh(*this);
    SDL_Texture* texture = impl->Texture(*this, image, frame);
    if (!texture || sw <= 0 || sh <= 0) return;
    SDL_Rect src{static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sw),
                 static_cast<int>(sh)};
    impl->DrawTexture(*this, image, frame, texture, src, image.HandleX() - sx, image.HandleY() - sy,
                      x, y, scaleX * w / src.w, scaleY * h / src.h);
}

void Graphics::DrawRect(float x, float y, float w, float h) {
    impl->Refresh(*this);
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer) return;
    impl->SetDrawColour(*this);
    if (rotation == 0) {
        SDL_FPoint a = impl->ToReal(*this, x, y);
        SDL_FPoint b = impl->ToReal(*this, x + w * scaleX, y + h * scaleY);
        SDL_FRect rect{std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x),
                       std::fabs(b.y - a.y)};
        SDL_RenderFillRectF(renderer, &rect);
        return;
    }
    SDL_Color colour{ClampByte(colorR), ClampByte(colorG), ClampByte(colorB), ToByte(alpha)};
    const float corners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i] = {impl->Transform(*this, x, y, corners[i][0], corners[i][1]), colour, {0, 0}};
    }
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer, nullptr, vertices, 4, indices, 6);
}

void Graphics::DrawOval(float x, float y, float w, float h) {
    impl->Refresh(*this);
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer || w == 0 || h == 0) return;
    impl->SetDrawColour(*this);
    SDL_Color colour{ClampByte(colorR), ClampByte(colorG), ClampByte(colorB), ToByte(alpha)};
    // Enough rim points that no edge is longer than a few real pixels.
    float realSize =
        std::fabs(w * scaleX) * impl->RatioX(*this) + std::fabs(h * scaleY) * impl->RatioY(*this);
    const int segments = std::clamp(static_cast<int>(realSize), 12, 256);
    std::vector<SDL_Vertex> vertices;
    vertices.reserve(static_cast<size_t>(segments) + 1);
    const float rx = w / 2, ry = h / 2;
    vertices.push_back({impl->Transform(*this, x, y, rx, ry), colour, {0, 0}});
    for (int i = 0; i < segments; ++i) {
        float angle = 2 * PI * i / segments;
        vertices.push_back(
            {impl->Transform(*this, x, y, rx + rx * std::cos(angle), ry + ry * std::sin(angle)),
             colour,
             {0, 0}});
    }
    std::vector<int> indices;
    indices.reserve(static_cast<size_t>(segments) * 3);
    for (int i = 0; i < segments; ++i) {
        indices.insert(indices.end(), {0, 1 + i, 1 + (i + 1) % segments});
    }
    SDL_RenderGeometry(renderer, nullptr, vertices.data(), static_cast<int>(vertices.size()),
                       indices.data(), static_cast<int>(indices.size()));
}

void Graphics::DrawLine(float x1, float y1, float x2, float y2) {
    impl->Refresh(*this);
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer) return;
    impl->SetDrawColour(*this);
    SDL_FPoint a = impl->Transform(*this, x1, y1, 0, 0);
    SDL_FPoint b = impl->Transform(*this, x1, y1, x2 - x1, y2 - y1);
    SDL_RenderDrawLineF(renderer, a.x, a.y, b.x, b.y);
}

void Graphics::DrawText(const std::string& text, float x, float y) {
    impl->Refresh(*this);
    if (!impl->renderer) return;
    if (!impl->font) impl->font = Image::FromPixmap(ImageFont::Atlas(), 0);
    SDL_Texture* texture = impl->Texture(*this, *impl->font, 0);
    if (!texture) return;
    const int cw = ImageFont::CellWidth(), ch = ImageFont::CellHeight();
    int column = 0, line = 0;
    for (int glyph : ImageFont::Glyphs(text)) {
        if (glyph == ImageFont::LINE_BREAK) {
            column = 0;
            ++line;
            continue;
        }
        // Each glyph hangs off the text's start, so scale and rotation act on the whole text.
        SDL_Rect src{glyph * cw, 0, cw, ch};
        impl->DrawTexture(*this, *impl->font, 0, texture, src, -static_cast<float>(column * cw),
                          -static_cast<float>(line * ch), x, y, scaleX, scaleY);
        ++column;
    }
}

int Graphics::TextWidth(const std::string& text) {
    int widest = 0, column = 0;
    for (int glyph : ImageFont::Glyphs(text)) {
        column = glyph == ImageFont::LINE_BREAK ? 0 : column + 1;
        widest = std::max(widest, column);
    }
    return widest * ImageFont::CellWidth();
}

int Graphics::TextHeight(const std::string& text) {
    return static_cast<int>(1 + std::count(text.begin(), text.end(), '\n')) *
           ImageFont::CellHeight();
}

Pixmap Graphics::Grab(int x, int y, int w, int h) const {
    SDL_Renderer* renderer = impl->renderer.get();
    if (!renderer) return {};
    const int outW = OutputWidth(), outH = OutputHeight();
    if (w < 0) w = outW - x;
    if (h < 0) h = outH - y;
    SDL_Rect want{x, y, w, h}, whole{0, 0, outW, outH}, rect;
    if (!SDL_IntersectRect(&want, &whole, &rect)) return {};
    Pixmap out(rect.w, rect.h);
    if (SDL_RenderReadPixels(renderer, &rect, SDL_PIXELFORMAT_RGBA32, out.Data(), rect.w * 4) !=
        0) {
        return {};
    }
    return out;
}

}  // namespace platform
