#pragma once

#include <string>
#include <vector>

#include "tools/audiogen/Dsp.h"

class Rng;

// Every sound effect the game asks for: the path as the game names it (relative to the
// executable's folder), what it is, and how to make it.
namespace effects {

struct Effect {
    std::string path;  // e.g. "Data/sound/Cards/flip.wav"
    std::string what;
    dsp::Mono (*make)(Rng&);
    double trimDb = 0.0;  // below the shared peak level, for deliberately quiet sounds
};

const std::vector<Effect>& All();

}  // namespace effects
