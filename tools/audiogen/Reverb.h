#pragma once

#include <vector>

#include "tools/audiogen/Dsp.h"

// A small hall: parallel damped combs into series all-passes per channel, the right
// channel's delays slightly longer so the two sides decorrelate. Linear and time-invariant,
// which the loop seam of the music relies on.
class Reverb {
public:
    // roomSize 0..1 sets the decay, damping 0..1 darkens the tail.
    Reverb(double roomSize, double damping);

    // Returns only the wet signal (mix it with the dry yourself).
    dsp::Stereo Process(const dsp::Stereo& in, double extraSeconds = 0.0);
    dsp::Mono ProcessMono(const dsp::Mono& in, double extraSeconds = 0.0);

private:
    struct Comb {
        std::vector<float> buf;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct Allpass {
        std::vector<float> buf;
        std::size_t pos = 0;
    };
    struct Channel {
        std::vector<Comb> combs;
        std::vector<Allpass> allpasses;
    };

    float Run(Channel& ch, float input);
    Channel MakeChannel(int spread);

    float feedback_;
    float damp_;
    Channel left_;
    Channel right_;
};
