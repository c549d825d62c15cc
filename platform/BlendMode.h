#pragma once

namespace platform {

// How drawn pixels combine with the back buffer.
enum class BlendMode {
    Solid,    // replace, alpha ignored
    Masked,   // replace where the source is not transparent
    Alpha,    // the default: source over destination by alpha
    Light,    // additive
    Overlay,  // multiply (shade)
};

}  // namespace platform
