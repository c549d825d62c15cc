#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/audiogen/Dsp.h"

// Every music piece the game asks for. Each renders a whole number of bars that loops
// seamlessly: what rings past the last bar is folded back over the first.
namespace music {

struct Piece {
    std::string path;  // e.g. "Data/music/title.ogg"
    std::string what;
    dsp::Stereo (*make)(std::uint64_t seed);
};

const std::vector<Piece>& All();

}  // namespace music
