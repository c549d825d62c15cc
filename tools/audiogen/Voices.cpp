#include "tools/audiogen/Voices.h"

#include <algorithm>
#include <cmath>

#include "tools/audiogen/Rng.h"

namespace voices {

using dsp::kPi;
using dsp::kRate;
using dsp::Mono;

dsp::Mono Pluck(const StringSetup& string, Rng& rng) {
    // The loop filter y = (1-s) x[n] + s x[n-1] delays by s; the all-pass supplies the fraction.
    const double s = 0.5 - 0.3 * std::clamp(string.brightness, 0.0, 1.0);
    const double total = kRate / string.freq - s;
    const auto n = static_cast<std::size_t>(std::max(2.0, std::floor(total - 0.1)));
    const double frac = total - static_cast<double>(n);
    const double apc = (1.0 - frac) / (1.0 + frac);
    // Per-period loss for the requested decay, less the loss the averaging filter already adds.
    const double w = 2.0 * kPi * string.freq / kRate;
    const double avgLoss =
        std::sqrt((1.0 - s) * (1.0 - s) + s * s + 2.0 * s * (1.0 - s) * std::cos(w));
    const double g = std::min(
        0.99995, std::pow(10.0, -3.0 / (string.t60 * string.freq)) / std::max(avgLoss, 0.5));

    std::vector<float> line(n);
    // Excitation: noise, smoothed for dull plucks, combed for the pluck position.
    const double smooth = 0.05 + 0.9 * (1.0 - string.brightness);
    double lp = 0.0;
    for (float& v : line) {
        lp = lp * smooth + rng.Bipolar() * (1.0 - smooth);
        v = static_cast<float>(lp);
    }
    const auto p =
        static_cast<std::size_t>(std::max(1.0, string.pluckPos * static_cast<double>(n)));
    std::vector<float> combed(n);
    for (std::size_t i = 0; i < n; ++i) combed[i] = line[i] - (i >= p ? line[i - p] : 0.0f);
    double mean = 0.0;
    for (float v : combed) mean += v;
    mean /= static_cast<double>(n);
    float peak = 1e-6f;
    for (float& v : combed) {
        v -= static_cast<float>(mean);
        peak = std::max(peak, std::fabs(v));
    }
    for (std::size_t i = 0; i < n; ++i) line[i] = combed[i] / peak;

    const double length = std::min(string.ring, string.hold + string.release * 7.0);
    Mono out(dsp::Samples(length));
    std::size_t pos = 0;
    double prev = 0.0, apX1 = 0.0, apY1 = 0.0;
    const std::size_t holdN = dsp::Samples(string.hold);
    const double damper = std::exp(-1.0 / (string.release * kRate));
    double damp = 1.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = line[pos];
        const double filtered = ((1.0 - s) * x + s * prev) * g;
        prev = x;
        const double ap = apc * filtered + apX1 - apc * apY1;
        apX1 = filtered;
        apY1 = ap;
        line[pos] = static_cast<float>(ap);
        if (++pos == n) pos = 0;
        if (i >= holdN) damp *= damper;
        out[i] = static_cast<float>(x * damp);
    }
    dsp::FadeOut(out, 0.01);
    return out;
}

dsp::Mono Harpsichord(double midi, double dur, float vel, Rng& rng) {
    const double f = dsp::MidiToHz(midi);
    StringSetup string;
    string.freq = f;
    string.hold = dur;
    string.release = 0.06;
    string.ring = dur + 0.5;
    string.t60 = std::clamp(9.0 - midi * 0.08, 1.5, 5.0);
    string.brightness = 0.85;
    string.pluckPos = 0.12;
    Mono out = Pluck(string, rng);
    // The 4-foot choir an octave up, a touch sharp, quieter.
    string.freq = f * 2.0 * 1.0012;
    string.brightness = 0.7;
    string.pluckPos = 0.18;
    dsp::MixInto(out, Pluck(string, rng), 0.0, 0.35f);
    // A soundboard bump and a tamer top end.
    dsp::Filter(out, Biquad::Shape::Peaking, 900.0, 0.8, 3.0);
    dsp::Filter(out, Biquad::Shape::Lowpass, 7500.0, 0.7);
    dsp::Scale(out, vel * 0.5f);
    return out;
}

dsp::Mono Harp(double midi, double dur, float vel, Rng& rng) {
    StringSetup string;
    string.freq = dsp::MidiToHz(midi);
    string.hold = std::max(dur, 1.2);
    string.release = 0.35;
    string.ring = string.hold + 1.5;
    string.t60 = std::clamp(10.0 - midi * 0.09, 1.8, 6.0);
    string.brightness = 0.35;
    string.pluckPos = 0.3;
    Mono out = Pluck(string, rng);
    dsp::Filter(out, Biquad::Shape::Lowpass, 5000.0, 0.7);
    dsp::Scale(out, vel * 0.6f);
    return out;
}

dsp::Mono Pizzicato(double midi, double dur, float vel, Rng& rng) {
    StringSetup string;
    string.freq = dsp::MidiToHz(midi);
    string.hold = std::min(dur, 0.35);
    string.release = 0.12;
    string.ring = 1.5;
    string.t60 = 1.2;
    string.brightness = 0.25;
    string.pluckPos = 0.35;
    Mono out = Pluck(string, rng);
    dsp::Filter(out, Biquad::Shape::Peaking, 250.0, 0.9, 4.0);
    dsp::Scale(out, vel * 0.7f);
    return out;
}

namespace {

// A band-limited sawtooth step correction.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct Saw {
    double phase;
    double Next(double freq) {
        const double dt = freq / kRate;
        const double v = 2.0 * phase - 1.0 - PolyBlep(phase, dt);
        phase += dt;
        if (phase >= 1.0) phase -= 1.0;
        return v;
    }
};

double AttackRelease(double t, double attack, double hold, double release) {
    if (t < attack) return std::sin(t / attack * kPi / 2.0);
    if (t < hold) return 1.0;
    return std::exp(-(t - hold) / release);
}

}  // namespace

// Control signals (vibrato, envelopes) change slowly: work them out every kControl samples.
constexpr std::size_t kControl = 16;

dsp::Mono Strings(double midi, double dur, float vel, Rng& rng) {
    const double f = dsp::MidiToHz(midi);
    const double release = 0.25;
    Mono out(dsp::Samples(dur + release * 5.0));
    Saw saws[3] = {{rng.Uniform()}, {rng.Uniform()}, {rng.Uniform()}};
    const double detune[3] = {1.0, 1.0035, 0.9968};
    const double vibRate = 5.0 + rng.Uniform() * 0.6;
    const double vibPhase = rng.Uniform() * 2.0 * kPi;
    const double attack = std::min(0.18, dur * 0.4 + 0.03);
    Biquad lp(Biquad::Shape::Lowpass, std::min(f * 5.0, 6000.0), 0.6);
    Biquad body(Biquad::Shape::Peaking, 450.0, 1.0, 3.0);
    double vib = 1.0, env = 0.0, envStep = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i % kControl == 0) {
            const double t = static_cast<double>(i) / kRate;
            const double vibDepth = 0.004 * std::min(1.0, t / 0.4);
            vib = 1.0 + vibDepth * std::sin(2.0 * kPi * vibRate * t + vibPhase);
            const double next =
                AttackRelease(t + static_cast<double>(kControl) / kRate, attack, dur, release);
            env = AttackRelease(t, attack, dur, release);
            envStep = (next - env) / static_cast<double>(kControl);
        }
        double v = 0.0;
        for (int k = 0; k < 3; ++k) v += saws[k].Next(f * detune[k] * vib);
        out[i] = body.Process(lp.Process(static_cast<float>(v * env / 3.0)));
        env += envStep;
    }
    dsp::FadeOut(out, 0.02);
    dsp::Scale(out, vel * 0.45f);
    return out;
}

dsp::Mono Flute(double midi, double dur, float vel, Rng& rng) {
    const double f = dsp::MidiToHz(midi);
    const double release = 0.12;
    Mono out(dsp::Samples(dur + release * 6.0));
    Mono breath = dsp::WhiteNoise(static_cast<double>(out.size()) / kRate, rng);
    Biquad bp(Biquad::Shape::Bandpass, f * 2.0, 2.0);
    const double vibRate = 4.8 + rng.Uniform() * 0.5;
    double phase = 0.0;
    const double attack = std::min(0.07, dur * 0.3 + 0.02);
    double vib = 1.0, env = 0.0, envStep = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % kControl == 0) {
            vib = 1.0 + 0.005 * std::min(1.0, t / 0.5) * std::sin(2.0 * kPi * vibRate * t);
            const double next =
                AttackRelease(t + static_cast<double>(kControl) / kRate, attack, dur, release);
            env = AttackRelease(t, attack, dur, release);
            envStep = (next - env) / static_cast<double>(kControl);
        }
        phase += 2.0 * kPi * f * vib / kRate;
        if (phase > 2.0 * kPi) phase -= 2.0 * kPi;
        const double sn = std::sin(phase);
        const double cs = std::cos(phase);
        // Second and third harmonics from the first: sin 2x = 2 sin x cos x, sin 3x = 3 sin x - 4
        // sin^3 x.
        const double tone = sn + 0.22 * (2.0 * sn * cs) + 0.07 * sn * (3.0 - 4.0 * sn * sn);
        const double chiff = t < 0.05 ? 1.0 - t / 0.05 : 0.0;
        out[i] = static_cast<float>((tone + bp.Process(breath[i]) * (0.25 + chiff * 1.5)) * env);
        env += envStep;
    }
    dsp::FadeOut(out, 0.02);
    dsp::Scale(out, vel * 0.35f);
    return out;
}

dsp::Mono Horn(double midi, double dur, float vel, Rng& rng) {
    const double f = dsp::MidiToHz(midi);
    const double release = 0.1;
    Mono out(dsp::Samples(dur + release * 6.0));
    Saw saw{rng.Uniform()};
    Saw saw2{rng.Uniform()};
    Biquad lp;
    double env = 0.0, envStep = 0.0, scoop = 1.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i % kControl == 0) {
            const double t = static_cast<double>(i) / kRate;
            const double next =
                AttackRelease(t + static_cast<double>(kControl) / kRate, 0.05, dur, release);
            env = AttackRelease(t, 0.05, dur, release);
            envStep = (next - env) / static_cast<double>(kControl);
            // The brass bloom: the filter opens with the attack, a little pitch scoop up.
            lp.Set(Biquad::Shape::Lowpass, f * (1.5 + 3.0 * env * std::min(1.0, t / 0.08)), 0.9);
            scoop = 1.0 - 0.01 * std::exp(-t / 0.03);
        }
        const double v = saw.Next(f * scoop) + 0.6 * saw2.Next(f * scoop * 1.002);
        out[i] = lp.Process(static_cast<float>(v * env * 0.6));
        env += envStep;
    }
    dsp::FadeOut(out, 0.02);
    dsp::Scale(out, vel * 0.6f);
    return out;
}

dsp::Mono Bell(double freq, double t60, float vel) {
    struct Partial {
        double ratio, amp, decay;
    };
    constexpr Partial kPartials[] = {{1.0, 1.0, 1.0},    {2.756, 0.5, 0.6}, {5.404, 0.25, 0.35},
                                     {8.933, 0.12, 0.2}, {0.5, 0.1, 1.3},   {13.34, 0.05, 0.12}};
    Mono out(dsp::Samples(t60 * 1.1));
    for (const Partial& p : kPartials) {
        const double pf = freq * p.ratio;
        if (pf > kRate * 0.45) continue;
        // A rotating phasor with a per-sample decay: one multiply-add per sample, no sin().
        const double w = 2.0 * kPi * pf / kRate;
        const double k = std::exp(-6.907755 / (t60 * p.decay * kRate));
        const double cr = std::cos(w) * k, sr = std::sin(w) * k;
        double re = p.amp, im = 0.0;
        for (float& sample : out) {
            sample += static_cast<float>(im);
            const double nr = re * cr - im * sr;
            im = re * sr + im * cr;
            re = nr;
        }
    }
    dsp::FadeIn(out, 0.001);
    dsp::FadeOut(out, 0.05);
    dsp::Scale(out, vel * 0.5f);
    return out;
}

dsp::Mono Chime(double freq, double t60, float vel) {
    Mono out(dsp::Samples(t60 * 1.1));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double index = 2.2 * dsp::Decay60(t, t60 * 0.35);
        const double mod = std::sin(2.0 * kPi * freq * 3.5 * t) * index;
        out[i] = static_cast<float>(std::sin(2.0 * kPi * freq * t + mod) * dsp::Decay60(t, t60));
    }
    dsp::FadeIn(out, 0.002);
    dsp::FadeOut(out, 0.05);
    dsp::Scale(out, vel * 0.5f);
    return out;
}

dsp::Mono Drum(double freq, double t60, float vel, Rng& rng) {
    Mono out(dsp::Samples(t60 * 1.1));
    Mono skin = dsp::WhiteNoise(t60 * 1.1, rng);
    dsp::Filter(skin, Biquad::Shape::Bandpass, freq * 6.0, 1.2);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += 2.0 * kPi * freq * (1.0 + 0.6 * std::exp(-t / 0.015)) / kRate;
        out[i] = static_cast<float>(std::sin(phase) * dsp::Decay60(t, t60) +
                                    skin[i] * 0.5 * dsp::Decay60(t, 0.06));
    }
    dsp::FadeIn(out, 0.001);
    dsp::FadeOut(out, 0.02);
    dsp::Scale(out, vel * 0.7f);
    return out;
}

}  // namespace voices
