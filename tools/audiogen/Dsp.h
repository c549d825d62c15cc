#pragma once

#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

#include "tools/audiogen/Biquad.h"

class Rng;

// Building blocks shared by the effects and the music: buffers are float samples at kRate.
namespace dsp {

inline constexpr int kRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;

struct Stereo {
    Mono left;
    Mono right;
    std::size_t Size() const { return left.size(); }
    void Resize(std::size_t n) {
        left.resize(n, 0.0f);
        right.resize(n, 0.0f);
    }
};

inline std::size_t Samples(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(seconds * kRate + 0.5);
}
inline double MidiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}
inline double DbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}

// Adds src into dest starting at a time offset, growing dest as needed.
void MixInto(Mono& dest, const Mono& src, double offsetSec, float gain = 1.0f);
// Adds a mono source into both channels with an equal-power pan (-1 left .. 1 right).
void MixInto(Stereo& dest, const Mono& src, double offsetSec, float gain, float pan);

// Multiplies every sample by env(t) with t in seconds.
void Shape(Mono& buf, const std::function<double(double)>& env);
void Scale(Mono& buf, float gain);
void Reverse(Mono& buf);
void FadeIn(Mono& buf, double seconds);
void FadeOut(Mono& buf, double seconds);
// Drops the quiet end (below threshold relative to peak) and fades the last few ms.
void TrimTail(Mono& buf, double thresholdDb = -66.0);
void Filter(Mono& buf, Biquad::Shape shape, double freq, double q, double gainDb = 0.0);
void RemoveDc(Mono& buf);
float Peak(const Mono& buf);
double Rms(const Mono& buf);

Mono Silence(double seconds);
Mono WhiteNoise(double seconds, Rng& rng);
// Leaky-integrated white noise, weighted towards the lows (for rumbles and wind).
Mono BrownNoise(double seconds, Rng& rng);
// Noise through a band-pass whose centre moves along freqAt(t) (Hz), amplitude ampAt(t).
Mono SweptNoise(double seconds, Rng& rng, const std::function<double(double)>& freqAt, double q,
                const std::function<double(double)>& ampAt, bool brown = false);
// A smooth random control curve in [-1, 1] with the given rate of change (Hz).
std::vector<float> RandomCurve(double seconds, double rateHz, Rng& rng);

// Exponential decay with the given time to fall by 60 dB.
inline double Decay60(double t, double t60) {
    return std::exp(-6.907755 * t / t60);
}

}  // namespace dsp
