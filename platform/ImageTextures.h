#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Image.h"
#include "platform/Sprite.h"

namespace platform {

// Destroys a texture only while the renderer that made it lives: SDL_DestroyRenderer frees
// its textures itself, so a texture that outlived its renderer must be forgotten, not freed.
struct TextureDeleter {
    std::weak_ptr<SDL_Renderer> renderer;
    void operator()(SDL_Texture* texture) const {
        if (!renderer.expired()) SDL_DestroyTexture(texture);
    }
};
using TextureHandle = std::unique_ptr<SDL_Texture, TextureDeleter>;

// The uploaded frames of one Image, valid only for the renderer and the Graphics generation
// they were made for; a stale set is dropped and made again on the next draw.
struct Image::Textures {
    std::weak_ptr<SDL_Renderer> renderer;
    unsigned generation = 0;
    uint64_t id = 0;  // never given to another set, so derived pictures can name their source
    std::vector<TextureHandle> frames;
    // Frames with no see-through pixel: drawn unblended at full alpha, which looks the same
    // and skips the per-pixel blend.
    std::vector<bool> opaque;
    // The frames as our software path draws them, made on their first draw there.
    std::vector<Sprite> sprites;

    bool ValidFor(const std::shared_ptr<SDL_Renderer>& current, unsigned currentGeneration) const {
        return current && generation == currentGeneration && renderer.lock() == current;
    }
};

}  // namespace platform
