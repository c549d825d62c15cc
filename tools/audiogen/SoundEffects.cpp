#include "tools/audiogen/SoundEffects.h"

#include <algorithm>
#include <cmath>

#include "tools/audiogen/Reverb.h"
#include "tools/audiogen/Rng.h"
#include "tools/audiogen/Voices.h"

namespace effects {
namespace {

using dsp::kPi;
using dsp::kRate;
using dsp::Mono;
using Shape = Biquad::Shape;

double Time(std::size_t i) {
    return static_cast<double>(i) / kRate;
}

// ---- building blocks ----

// A noise burst through a band-pass: the tick of paper, wood or a latch.
Mono Tick(double freq, double q, double t60, Rng& rng, double attack = 0.0005) {
    Mono out = dsp::WhiteNoise(t60 * 1.2 + attack, rng);
    dsp::Filter(out, Shape::Bandpass, freq, q);
    dsp::Shape(out,
               [&](double t) { return t < attack ? t / attack : dsp::Decay60(t - attack, t60); });
    return out;
}

// A sine that drops in pitch as it dies: a thump on a table or drum.
Mono Thump(double freq, double t60, double drop = 0.5, double dropTime = 0.02) {
    Mono out(dsp::Samples(t60 * 1.1));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        phase += 2.0 * kPi * freq * (1.0 + drop * std::exp(-t / dropTime)) / kRate;
        out[i] = static_cast<float>(std::sin(phase) * dsp::Decay60(t, t60));
    }
    dsp::FadeIn(out, 0.0015);
    return out;
}

// Air moved by something flying past: band-passed noise with a rising then falling centre.
Mono Whoosh(double dur, double f0, double fPeak, double f1, double q, double peakAt, Rng& rng,
            double flutterHz = 0.0, double flutterDepth = 0.0) {
    auto freq = [=](double t) {
        const double x = t / dur;
        if (x < peakAt) return f0 * std::pow(fPeak / f0, x / peakAt);
        return fPeak * std::pow(f1 / fPeak, (x - peakAt) / (1.0 - peakAt));
    };
    auto amp = [=](double t) {
        const double x = t / dur;
        const double env = x < peakAt
                               ? std::pow(x / peakAt, 1.5)
                               : std::pow(std::max(0.0, 1.0 - (x - peakAt) / (1.0 - peakAt)), 1.8);
        const double flutter =
            1.0 - flutterDepth * (0.5 + 0.5 * std::sin(2.0 * kPi * flutterHz * t));
        return env * flutter;
    };
    return dsp::SweptNoise(dur, rng, freq, q, amp);
}

// Metal struck: partials with their own decays.
struct Partial {
    double ratio, amp, t60;
};
Mono Metal(double freq, const std::vector<Partial>& partials, double length) {
    Mono out(dsp::Samples(length));
    for (const Partial& p : partials) {
        const double f = freq * p.ratio;
        if (f > kRate * 0.45) continue;
        const double w = 2.0 * kPi * f / kRate;
        const double k = std::exp(-6.907755 / (p.t60 * kRate));
        const double cr = std::cos(w) * k, sr = std::sin(w) * k;
        double re = p.amp, im = 0.0;
        for (float& sample : out) {
            sample += static_cast<float>(im);
            const double nr = re * cr - im * sr;
            im = re * sr + im * cr;
            re = nr;
        }
    }
    dsp::FadeIn(out, 0.0008);
    return out;
}

Mono WithRoom(Mono dry, double wet, double room = 0.6, double tail = 1.0) {
    Reverb reverb(room, 0.5);
    Mono w = reverb.ProcessMono(dry, tail);
    dsp::MixInto(dry, w, 0.0, static_cast<float>(wet * 3.0));
    return dry;
}

// Notes played one after another on an instrument.
enum class Inst { Harp, Bell, Chime, Harpsichord, Horn, Flute, Pizzicato };
struct Step {
    double at;
    double midi;
    double dur;
    float vel;
};
Mono Play(Inst inst, const std::vector<Step>& steps, Rng& rng) {
    Mono out;
    for (const Step& s : steps) {
        Mono note;
        switch (inst) {
            case Inst::Harp:
                note = voices::Harp(s.midi, s.dur, s.vel, rng);
                break;
            case Inst::Bell:
                note = voices::Bell(dsp::MidiToHz(s.midi), s.dur, s.vel);
                break;
            case Inst::Chime:
                note = voices::Chime(dsp::MidiToHz(s.midi), s.dur, s.vel);
                break;
            case Inst::Harpsichord:
                note = voices::Harpsichord(s.midi, s.dur, s.vel, rng);
                break;
            case Inst::Horn:
                note = voices::Horn(s.midi, s.dur, s.vel, rng);
                break;
            case Inst::Flute:
                note = voices::Flute(s.midi, s.dur, s.vel, rng);
                break;
            case Inst::Pizzicato:
                note = voices::Pizzicato(s.midi, s.dur, s.vel, rng);
                break;
        }
        dsp::MixInto(out, note, s.at);
    }
    return out;
}

// An even run of notes.
std::vector<Step> Run(const std::vector<double>& midis, double start, double spacing, double dur,
                      float vel, float velStep = 0.0f) {
    std::vector<Step> steps;
    for (std::size_t i = 0; i < midis.size(); ++i)
        steps.push_back({start + spacing * static_cast<double>(i), midis[i], dur,
                         std::clamp(vel + velStep * static_cast<float>(i), 0.05f, 1.0f)});
    return steps;
}

// Tiny high pings scattered over a span, rising in pitch: fairy dust.
Mono Sparkle(double dur, int count, double fLo, double fHi, Rng& rng, bool rising = true) {
    Mono out;
    for (int i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) / std::max(1, count - 1);
        const double at = x * dur * rng.Range(0.85, 1.0);
        const double pos = rising ? x : rng.Uniform();
        const double f =
            fLo * std::pow(fHi / fLo, std::clamp(pos + rng.Range(-0.12, 0.12), 0.0, 1.0));
        dsp::MixInto(out, voices::Bell(f, rng.Range(0.25, 0.6), 1.0f), at,
                     static_cast<float>(rng.Range(0.25, 0.6)));
    }
    // Keep the glitter sweet rather than piercing.
    dsp::Filter(out, Shape::Lowpass, 9000.0, 0.7);
    return out;
}

// ---- cards ----

Mono CardFlip(Rng& rng) {
    // A quick, bright flick of card stock: air, then the snap of the edge.
    Mono out = Tick(3800.0, 0.9, 0.05, rng, 0.002);
    dsp::MixInto(out, Tick(5200.0, 2.5, 0.018, rng), 0.014, 0.8f);
    dsp::MixInto(out, Tick(1600.0, 1.5, 0.03, rng), 0.016, 0.35f);
    dsp::Filter(out, Shape::Highpass, 900.0, 0.7);
    return out;
}

Mono CardLand(Rng& rng) {
    Mono out = Tick(1400.0, 0.8, 0.06, rng, 0.001);
    dsp::Filter(out, Shape::Lowpass, 3200.0, 0.7);
    dsp::MixInto(out, Thump(190.0, 0.07, 0.3), 0.0, 0.45f);
    dsp::MixInto(out, Tick(3000.0, 1.5, 0.02, rng), 0.0, 0.3f);
    return out;
}

Mono CardArc(Rng& rng, double dur, double f0, double fPeak, double f1, double flutter) {
    Mono out = Whoosh(dur, f0, fPeak, f1, 1.3, 0.45, rng, flutter, 0.35);
    dsp::MixInto(out, Whoosh(dur, f0 * 2.5, fPeak * 2.2, f1 * 2.0, 2.0, 0.5, rng), 0.0, 0.35f);
    return out;
}
Mono CardArc1(Rng& rng) {
    return CardArc(rng, 0.26, 700.0, 2300.0, 1300.0, 26.0);
}
Mono CardArc2(Rng& rng) {
    return CardArc(rng, 0.32, 600.0, 1900.0, 1100.0, 21.0);
}

Mono CardArcUndo(Rng& rng) {
    // The flight played backwards: it swells towards the stock and stops with a soft tap.
    Mono out = CardArc(rng, 0.3, 800.0, 2000.0, 1200.0, 24.0);
    dsp::Reverse(out);
    dsp::MixInto(out, Tick(1800.0, 1.0, 0.03, rng), 0.29, 0.5f);
    return out;
}

Mono CardShuffle(Rng& rng) {
    // A riffle: dozens of card edges slapping, quickening, then the deck squared on the table.
    Mono out;
    double t = 0.0;
    double gap = 0.03;
    while (t < 0.85) {
        Mono edge =
            Tick(rng.Range(2600.0, 5200.0), rng.Range(1.2, 2.5), rng.Range(0.006, 0.014), rng);
        dsp::MixInto(out, edge, t, static_cast<float>(rng.Range(0.45, 1.0)));
        t += gap * rng.Range(0.7, 1.3);
        gap = std::max(0.011, gap * 0.955);
    }
    Mono bed = dsp::SweptNoise(
        0.85, rng, [](double) { return 3400.0; }, 0.9,
        [](double x) { return 0.12 * std::sin(kPi * std::min(1.0, x / 0.85)); });
    dsp::MixInto(out, bed, 0.0);
    Mono bridge = Whoosh(0.22, 1500.0, 3000.0, 1200.0, 1.0, 0.3, rng, 40.0, 0.6);
    dsp::MixInto(out, bridge, 0.86, 0.7f);
    dsp::MixInto(out, CardLand(rng), 1.08, 0.9f);
    dsp::MixInto(out, Tick(1200.0, 1.0, 0.05, rng), 1.13, 0.5f);
    return out;
}

Mono CardDropOff(Rng& rng) {
    // Laid onto the pile: a short slide, then a soft, low pat.
    Mono out = Whoosh(0.05, 2000.0, 3000.0, 1800.0, 1.2, 0.3, rng);
    dsp::Scale(out, 0.3f);
    Mono pat = Tick(900.0, 0.7, 0.08, rng, 0.003);
    dsp::Filter(pat, Shape::Lowpass, 2200.0, 0.7);
    dsp::MixInto(out, pat, 0.045);
    dsp::MixInto(out, Thump(140.0, 0.09, 0.25), 0.045, 0.5f);
    return out;
}

// ---- clicks and interface ----

Mono ButtonClick(Rng& rng) {
    // A crisp little wooden click.
    Mono out = Tick(2200.0, 3.0, 0.015, rng);
    dsp::MixInto(out, Thump(620.0, 0.03, 0.2, 0.005), 0.0, 0.5f);
    dsp::MixInto(out, Tick(4200.0, 4.0, 0.008, rng), 0.004, 0.4f);
    return out;
}

Mono ButtonMouseOver(Rng& rng) {
    // A soft, short harp touch with a breath of air.
    Mono out = voices::Harp(84.0, 0.05, 0.8f, rng);
    out.resize(std::min(out.size(), dsp::Samples(0.35)));
    dsp::Shape(out, [](double t) { return dsp::Decay60(t, 0.3); });
    dsp::MixInto(out, Tick(6000.0, 1.5, 0.01, rng), 0.0, 0.15f);
    return out;
}

Mono ClickReverse(Rng& rng) {
    // A click drawn backwards, caught by a tiny tick: undo.
    Mono out = Tick(1700.0, 2.0, 0.07, rng);
    dsp::MixInto(out, Thump(500.0, 0.06, 0.2, 0.01), 0.0, 0.4f);
    dsp::Reverse(out);
    dsp::MixInto(out, Tick(3000.0, 3.0, 0.01, rng), static_cast<double>(out.size()) / kRate, 0.6f);
    return out;
}

Mono InvalidClick(Rng& rng) {
    // Two dull wooden knocks falling in pitch: "not there".
    Mono out;
    for (int k = 0; k < 2; ++k) {
        Mono knock = Thump(k == 0 ? 240.0 : 190.0, 0.13, 0.35, 0.012);
        for (float& s : knock) s = static_cast<float>(std::tanh(s * 2.5));
        dsp::Filter(knock, Shape::Lowpass, 1400.0, 0.7);
        dsp::MixInto(knock, Tick(900.0, 1.5, 0.03, rng), 0.0, 0.3f);
        dsp::MixInto(out, knock, 0.1 * k, k == 0 ? 1.0f : 0.8f);
    }
    return out;
}

Mono Typing(Rng& rng) {
    // A quill nib touching paper: scratch and tap.
    Mono out = Tick(4500.0, 1.2, 0.018, rng);
    dsp::MixInto(out, Thump(950.0, 0.025, 0.2, 0.004), 0.0, 0.35f);
    return out;
}

Mono SlideIn(Rng& rng) {
    // Paper drawn across silk, rising.
    Mono out = Whoosh(0.34, 900.0, 2600.0, 3200.0, 1.1, 0.75, rng);
    dsp::MixInto(out, Whoosh(0.34, 2500.0, 5000.0, 6000.0, 2.0, 0.75, rng), 0.0, 0.3f);
    return out;
}

Mono SlideOut(Rng& rng) {
    Mono out = Whoosh(0.34, 3000.0, 2400.0, 800.0, 1.1, 0.25, rng);
    dsp::MixInto(out, Whoosh(0.34, 5500.0, 4500.0, 2200.0, 2.0, 0.25, rng), 0.0, 0.3f);
    return out;
}

Mono OkDialog(Rng& rng) {
    Mono out = Play(Inst::Chime, {{0.0, 84.0, 1.0, 0.7f}, {0.0, 72.0, 1.2, 0.4f}}, rng);
    return WithRoom(out, 0.25);
}

Mono Confirm(Rng& rng) {
    // Two chimes rising a fourth: "yes?"
    Mono out = Play(Inst::Chime, {{0.0, 79.0, 0.8, 0.7f}, {0.11, 84.0, 1.1, 0.8f}}, rng);
    dsp::MixInto(out, Play(Inst::Harp, {{0.0, 67.0, 0.5, 0.5f}, {0.11, 72.0, 0.6, 0.5f}}, rng),
                 0.0);
    return WithRoom(out, 0.25);
}

Mono ErrorSound(Rng& rng) {
    // Two soft low tones stepping down a minor third.
    Mono out = Play(Inst::Flute, {{0.0, 64.0, 0.18, 0.8f}, {0.2, 61.0, 0.35, 0.8f}}, rng);
    dsp::MixInto(out, Play(Inst::Pizzicato, {{0.0, 52.0, 0.2, 0.6f}, {0.2, 49.0, 0.4, 0.6f}}, rng),
                 0.0);
    return WithRoom(out, 0.2);
}

// ---- level, bonuses, HUD ----

Mono LevelStart(Rng& rng) {
    // A harp sweeps up the G major chord into a chime.
    Mono out =
        Play(Inst::Harp, Run({55, 59, 62, 67, 71, 74, 79}, 0.0, 0.065, 1.0, 0.55f, 0.05f), rng);
    dsp::MixInto(out, Play(Inst::Chime, {{0.45, 86.0, 1.4, 0.5f}, {0.45, 79.0, 1.4, 0.3f}}, rng),
                 0.0);
    return WithRoom(out, 0.3);
}

Mono ArrowFlight(Rng& rng) {
    // Cupid's arrow: a fast whistle falling as it passes, then a soft thock as it strikes.
    Mono out = Whoosh(0.42, 1500.0, 3200.0, 1400.0, 1.5, 0.35, rng);
    Mono whistle = dsp::SweptNoise(
        0.42, rng, [](double t) { return 2600.0 - 2000.0 * t; }, 18.0,
        [](double t) { return std::sin(kPi * t / 0.42); });
    dsp::MixInto(out, whistle, 0.0, 0.8f);
    Mono hit = Thump(320.0, 0.09, 0.4, 0.008);
    dsp::MixInto(hit, Tick(1800.0, 1.5, 0.03, rng), 0.0, 0.7f);
    dsp::MixInto(out, hit, 0.4, 0.9f);
    return out;
}

Mono ArrowTwang(Rng& rng) {
    // The bowstring let go: a low twang with the snap of the string.
    voices::StringSetup string;
    string.freq = 98.0;
    string.hold = 0.35;
    string.release = 0.1;
    string.ring = 0.7;
    string.t60 = 0.5;
    string.brightness = 0.9;
    string.pluckPos = 0.08;
    Mono out = voices::Pluck(string, rng);
    // The string's pitch sags as the tension goes.
    Mono bent(out.size());
    double pos = 0.0;
    for (float& s : bent) {
        const auto k = static_cast<std::size_t>(pos);
        const double f = pos - static_cast<double>(k);
        s = k + 1 < out.size() ? static_cast<float>(out[k] * (1.0 - f) + out[k + 1] * f) : 0.0f;
        pos += 1.0 - 0.08 * std::min(1.0, pos / (0.3 * kRate));
    }
    dsp::MixInto(bent, Tick(2500.0, 1.0, 0.02, rng), 0.0, 0.8f);
    dsp::FadeOut(bent, 0.05);
    return bent;
}

Mono Stake(Rng& rng) {
    // A stake struck home, with a bright magical ring.
    Mono out = Thump(110.0, 0.18, 0.8, 0.01);
    dsp::MixInto(out, Tick(1300.0, 1.0, 0.05, rng), 0.0, 0.8f);
    dsp::MixInto(out, voices::Chime(dsp::MidiToHz(88.0), 0.9, 0.6f), 0.01);
    dsp::MixInto(out, Sparkle(0.4, 8, 3000.0, 6000.0, rng), 0.03, 0.5f);
    return WithRoom(out, 0.2);
}

Mono LyreSpin(Rng& rng) {
    // The lyre's swirl: a harp glissando up and down the pentatonic scale over a swirling air.
    const std::vector<double> scale = {60, 62, 64, 67, 69, 72, 74, 76, 79, 81, 84, 86};
    std::vector<Step> steps;
    double t = 0.0;
    for (std::size_t i = 0; i < scale.size(); ++i, t += 0.045)
        steps.push_back({t, scale[i], 0.6, 0.5f});
    for (std::size_t i = scale.size() - 1; i-- > 0; t += 0.05)
        steps.push_back({t, scale[i], 0.6, 0.45f});
    Mono out = Play(Inst::Harp, steps, rng);
    Mono swirl = dsp::SweptNoise(
        1.3, rng, [](double x) { return 1500.0 + 900.0 * std::sin(2.0 * kPi * 3.0 * x); }, 3.0,
        [](double x) { return 0.25 * std::sin(kPi * x / 1.3); });
    dsp::MixInto(out, swirl, 0.0);
    return WithRoom(out, 0.35);
}

Mono PhoenixFire(Rng& rng) {
    // A burst of flame: a roaring swell of noise with crackling embers.
    const double dur = 1.4;
    Mono roar = dsp::SweptNoise(
        dur, rng,
        [=](double t) {
            const double x = t / dur;
            return x < 0.15 ? 300.0 + x / 0.15 * 2500.0
                            : 2800.0 * std::pow(0.25, (x - 0.15) / 0.85);
        },
        0.7,
        [=](double t) {
            const double x = t / dur;
            return x < 0.12 ? x / 0.12 : std::pow(1.0 - (x - 0.12) / 0.88, 1.4);
        });
    Mono low = dsp::BrownNoise(dur, rng);
    dsp::Shape(low, [=](double t) { return std::min(1.0, t / 0.1) * dsp::Decay60(t, dur); });
    dsp::MixInto(roar, low, 0.0, 0.5f);
    for (int i = 0; i < 45; ++i) {
        const double at = rng.Range(0.02, dur * 0.9);
        dsp::MixInto(
            roar,
            Tick(rng.Range(1200.0, 4500.0), rng.Range(2.0, 5.0), rng.Range(0.004, 0.012), rng), at,
            static_cast<float>(rng.Range(0.3, 0.9) * (1.0 - at / dur)));
    }
    return roar;
}

Mono Coin(Rng& rng) {
    // A gold coin: the metallic ring of a struck disc, and a small second bounce.
    const std::vector<Partial> disc = {{1.0, 1.0, 0.7},
                                       {1.52, 0.7, 0.5},
                                       {2.16, 0.5, 0.35},
                                       {2.91, 0.35, 0.25},
                                       {3.71, 0.2, 0.15}};
    Mono out = Metal(2100.0, disc, 0.8);
    dsp::MixInto(out, Tick(6000.0, 1.5, 0.006, rng), 0.0, 0.6f);
    Mono bounce = Metal(2130.0, disc, 0.6);
    dsp::MixInto(bounce, Tick(6000.0, 1.5, 0.005, rng), 0.0, 0.5f);
    dsp::MixInto(out, bounce, 0.085, 0.45f);
    return out;
}

const std::vector<Partial> kKeyMetal = {
    {1.0, 1.0, 0.25}, {2.4, 0.6, 0.18}, {3.9, 0.4, 0.12}, {5.6, 0.2, 0.08}};

Mono KeyPickup(Rng& rng) {
    // Keys on a ring: a few small bright clinks.
    Mono out;
    const double times[] = {0.0, 0.055, 0.12, 0.16};
    const double pitches[] = {1700.0, 2300.0, 1950.0, 2600.0};
    for (int i = 0; i < 4; ++i) {
        Mono clink = Metal(pitches[i] * rng.Range(0.97, 1.03), kKeyMetal, 0.35);
        dsp::MixInto(clink, Tick(5000.0, 2.0, 0.005, rng), 0.0, 0.5f);
        dsp::MixInto(out, clink, times[i], i == 0 ? 1.0f : 0.6f);
    }
    return out;
}

Mono KeyWasted(Rng& rng) {
    // The key clatters down and a soft falling phrase shrugs: no lock to open.
    Mono out = Metal(1800.0, kKeyMetal, 0.35);
    dsp::MixInto(out, Metal(1500.0, kKeyMetal, 0.3), 0.09, 0.5f);
    dsp::MixInto(out, Metal(1650.0, kKeyMetal, 0.25), 0.15, 0.3f);
    dsp::MixInto(out, Play(Inst::Harp, {{0.12, 76.0, 0.3, 0.6f}, {0.3, 71.0, 0.6, 0.55f}}, rng),
                 0.0);
    return WithRoom(out, 0.2);
}

Mono LockOpen(Rng& rng) {
    // The latch: a heavy clunk of the bolt, then the click of the hasp springing free.
    const std::vector<Partial> body = {{1.0, 1.0, 0.18}, {2.63, 0.5, 0.12}, {4.1, 0.3, 0.08}};
    Mono out = Metal(420.0, body, 0.3);
    dsp::MixInto(out, Thump(160.0, 0.1, 0.3), 0.0, 0.6f);
    dsp::MixInto(out, Tick(2600.0, 2.0, 0.02, rng), 0.0, 0.8f);
    Mono click = Tick(3400.0, 3.0, 0.015, rng);
    dsp::MixInto(click, Metal(1300.0, body, 0.2), 0.0, 0.4f);
    dsp::MixInto(out, click, 0.14, 0.8f);
    dsp::MixInto(out, Metal(2900.0, {{1.0, 1.0, 0.3}, {2.2, 0.4, 0.2}}, 0.35), 0.16, 0.15f);
    return out;
}

Mono MagicReleased(Rng& rng) {
    // The bow undone: a rising stream of sparkles over a shimmering breath.
    Mono out = Sparkle(0.9, 28, 1500.0, 6500.0, rng);
    Mono shimmer = dsp::SweptNoise(
        1.0, rng, [](double t) { return 2000.0 + 5000.0 * t; }, 4.0,
        [](double t) { return 0.3 * std::sin(kPi * t); });
    dsp::MixInto(out, shimmer, 0.0);
    return WithRoom(out, 0.4);
}

Mono StoryItem(Rng& rng) {
    // Something treasured found: a warm harp arpeggio and bells.
    Mono out = Play(Inst::Harp, Run({60, 64, 67, 71, 74, 76, 79}, 0.0, 0.09, 1.2, 0.55f), rng);
    dsp::MixInto(
        out,
        Play(Inst::Bell,
             {{0.55, 84.0, 1.6, 0.45f}, {0.7, 88.0, 1.4, 0.35f}, {0.85, 91.0, 1.2, 0.3f}}, rng),
        0.0);
    dsp::MixInto(out, Sparkle(0.8, 10, 3000.0, 6000.0, rng), 0.5, 0.25f);
    return WithRoom(out, 0.35);
}

Mono RegalUnlocked(Rng& rng) {
    // A small royal call on horns, settling on a ringing chord.
    Mono out = Play(Inst::Horn,
                    {{0.0, 67.0, 0.12, 0.7f},
                     {0.15, 72.0, 0.7, 0.8f},
                     {0.15, 64.0, 0.7, 0.6f},
                     {0.15, 60.0, 0.7, 0.5f}},
                    rng);
    dsp::MixInto(out, Play(Inst::Bell, {{0.15, 84.0, 1.2, 0.35f}, {0.15, 79.0, 1.2, 0.25f}}, rng),
                 0.0);
    return WithRoom(out, 0.3);
}

Mono RegalTick(Rng& rng) {
    // A clock's tick: small and woody.
    Mono out = Tick(2900.0, 8.0, 0.025, rng);
    dsp::MixInto(out, Thump(1800.0, 0.03, 0.05, 0.003), 0.0, 0.5f);
    return out;
}

Mono RegalTickUndo(Rng& rng) {
    Mono out = Tick(1900.0, 8.0, 0.035, rng);
    dsp::MixInto(out, Thump(1200.0, 0.04, 0.05, 0.003), 0.0, 0.5f);
    dsp::Reverse(out);
    dsp::MixInto(out, Tick(2400.0, 6.0, 0.01, rng), static_cast<double>(out.size()) / kRate, 0.5f);
    return out;
}

Mono GaugeFull(Rng& rng) {
    // A gauge brimming over: three quick rising bells and a glitter.
    Mono out = Play(Inst::Bell, Run({84, 88, 91, 96}, 0.0, 0.07, 1.0, 0.55f, 0.05f), rng);
    dsp::MixInto(out, Sparkle(0.6, 12, 3500.0, 7000.0, rng), 0.2, 0.3f);
    return WithRoom(out, 0.3);
}

Mono GoalDone(Rng& rng) {
    // A goal met: bells ring out the major chord over a harp.
    Mono out = Play(Inst::Chime, Run({72, 76, 79, 84}, 0.0, 0.11, 1.5, 0.55f, 0.05f), rng);
    dsp::MixInto(out, Play(Inst::Harp, Run({48, 55, 60, 64}, 0.0, 0.11, 1.2, 0.5f), rng), 0.0);
    return WithRoom(out, 0.35);
}

Mono ComboStart(Rng& rng) {
    Mono out = Play(Inst::Harp, Run({74, 76, 79, 81, 83, 86}, 0.0, 0.045, 0.6, 0.5f, 0.06f), rng);
    dsp::MixInto(out, Play(Inst::Chime, {{0.25, 91.0, 0.8, 0.3f}}, rng), 0.0);
    return WithRoom(out, 0.3);
}

Mono ComboEnd(Rng& rng) {
    // The run gathered in: a harp falls and a full chord answers.
    Mono out = Play(Inst::Harp, Run({86, 83, 79, 76, 74}, 0.0, 0.05, 0.5, 0.6f, -0.03f), rng);
    dsp::MixInto(out,
                 Play(Inst::Harp,
                      {{0.28, 67.0, 1.2, 0.6f},
                       {0.28, 71.0, 1.2, 0.5f},
                       {0.28, 74.0, 1.2, 0.5f},
                       {0.28, 79.0, 1.2, 0.55f}},
                      rng),
                 0.0);
    dsp::MixInto(out, Play(Inst::Bell, {{0.28, 91.0, 1.0, 0.3f}}, rng), 0.0);
    return WithRoom(out, 0.35);
}

Mono PearlSound(double freq, double t60, Rng& rng) {
    // A pearl dropped on porcelain: a glassy plink.
    Mono out =
        Metal(freq, {{1.0, 1.0, t60}, {2.32, 0.35, t60 * 0.5}, {4.25, 0.15, t60 * 0.3}}, t60 * 1.1);
    dsp::MixInto(out, Tick(7000.0, 2.0, 0.004, rng), 0.0, 0.4f);
    return out;
}
Mono Pearl(Rng& rng) {
    Mono out = PearlSound(2637.0, 0.35, rng);
    dsp::MixInto(out, PearlSound(2700.0, 0.2, rng), 0.07, 0.35f);
    return WithRoom(out, 0.2);
}
Mono ShortPearl(Rng& rng) {
    return PearlSound(3136.0, 0.14, rng);
}

Mono FiveXMultiplier(Rng& rng) {
    // A celebration: horns climb the chord, bells and sparkles on top.
    Mono out = Play(Inst::Horn,
                    {{0.0, 60.0, 0.1, 0.6f},
                     {0.12, 64.0, 0.1, 0.65f},
                     {0.24, 67.0, 0.1, 0.7f},
                     {0.36, 72.0, 0.9, 0.8f},
                     {0.36, 64.0, 0.9, 0.55f},
                     {0.36, 67.0, 0.9, 0.55f}},
                    rng);
    dsp::MixInto(out, Play(Inst::Bell, Run({84, 88, 91, 96}, 0.36, 0.08, 1.2, 0.4f), rng), 0.0);
    dsp::MixInto(out, Sparkle(1.0, 20, 2500.0, 7000.0, rng), 0.36, 0.3f);
    return WithRoom(out, 0.35);
}

// ---- map ----

Mono ZoomIn(Rng& rng) {
    Mono out = Whoosh(0.8, 250.0, 2500.0, 3200.0, 1.2, 0.8, rng);
    dsp::MixInto(out, Sparkle(0.6, 10, 1500.0, 5000.0, rng), 0.2, 0.25f);
    return WithRoom(out, 0.2);
}

Mono SlideDown(Rng& rng) {
    return Whoosh(0.9, 2400.0, 1800.0, 300.0, 1.2, 0.25, rng);
}

// ---- hand end ----

Mono StarTing(Rng& rng, double midi) {
    Mono out = voices::Bell(dsp::MidiToHz(midi), 1.2, 0.8f);
    dsp::MixInto(out, Sparkle(0.25, 6, 3000.0, 6000.0, rng), 0.0, 0.3f);
    return out;
}

Mono LevelEndStars(Rng& rng, int stars) {
    // One bright ting per star won, then a flourish that grows with the stars.
    Mono out;
    const double tings[] = {84.0, 88.0, 91.0};
    for (int i = 0; i < stars; ++i) dsp::MixInto(out, StarTing(rng, tings[i]), 0.28 * i, 0.8f);
    const double at = 0.28 * stars + 0.05;
    if (stars == 1) {
        dsp::MixInto(out, Play(Inst::Harp, Run({67, 71, 74, 79}, at, 0.08, 1.0, 0.5f), rng), 0.0);
    } else if (stars == 2) {
        dsp::MixInto(out, Play(Inst::Harp, Run({67, 71, 74, 79, 83, 86}, at, 0.07, 1.0, 0.5f), rng),
                     0.0);
        dsp::MixInto(out, Play(Inst::Chime, {{at + 0.4, 91.0, 1.2, 0.4f}}, rng), 0.0);
    } else {
        dsp::MixInto(out,
                     Play(Inst::Horn,
                          {{at, 67.0, 0.12, 0.7f},
                           {at + 0.15, 67.0, 0.08, 0.6f},
                           {at + 0.25, 72.0, 1.0, 0.8f},
                           {at + 0.25, 64.0, 1.0, 0.6f},
                           {at + 0.25, 60.0, 1.0, 0.55f}},
                          rng),
                     0.0);
        dsp::MixInto(
            out,
            Play(Inst::Harp, Run({60, 64, 67, 72, 76, 79, 84}, at + 0.25, 0.05, 1.2, 0.45f), rng),
            0.0);
        dsp::MixInto(out, Sparkle(1.0, 18, 2500.0, 7000.0, rng), at + 0.25, 0.3f);
    }
    return WithRoom(out, 0.35);
}
Mono LevelEnd1(Rng& rng) {
    return LevelEndStars(rng, 1);
}
Mono LevelEnd2(Rng& rng) {
    return LevelEndStars(rng, 2);
}
Mono LevelEnd3(Rng& rng) {
    return LevelEndStars(rng, 3);
}

Mono LevelEnd0(Rng& rng) {
    // No stars: a gentle falling sigh in the minor.
    Mono out =
        Play(Inst::Flute,
             {{0.0, 69.0, 0.3, 0.7f}, {0.35, 65.0, 0.3, 0.65f}, {0.7, 62.0, 0.8, 0.6f}}, rng);
    dsp::MixInto(out, Play(Inst::Harp, {{0.0, 50.0, 1.5, 0.4f}, {0.7, 45.0, 1.5, 0.35f}}, rng),
                 0.0);
    return WithRoom(out, 0.3);
}

Mono Doof(Rng& rng) {
    // A dull, padded thud.
    Mono out = Thump(70.0, 0.35, 0.6, 0.03);
    Mono pad = dsp::WhiteNoise(0.3, rng);
    dsp::Filter(pad, Shape::Lowpass, 400.0, 0.7);
    dsp::Shape(pad, [](double t) { return std::min(1.0, t / 0.004) * dsp::Decay60(t, 0.15); });
    dsp::MixInto(out, pad, 0.0, 0.8f);
    return out;
}

// ---- title scene ----

Mono Crow(Rng& rng) {
    // "Caw, caw": a rough nasal buzz through open-vowel formants, each call falling.
    Mono out;
    const double starts[] = {0.0, 0.42, 0.86};
    for (int c = 0; c < 3; ++c) {
        const double len = c == 2 ? 0.36 : 0.3;
        Mono call(dsp::Samples(len));
        Mono breath = dsp::WhiteNoise(len, rng);
        const std::vector<float> jitter = dsp::RandomCurve(len, 300.0, rng);
        const std::vector<float> rough = dsp::RandomCurve(len, 90.0, rng);
        double phase = 0.0;
        const double f0 = 520.0 - 40.0 * c;
        for (std::size_t i = 0; i < call.size(); ++i) {
            const double t = Time(i);
            const double x = t / len;
            const double f = f0 * (1.05 - 0.25 * x) * (1.0 + 0.04 * jitter[i]);
            phase += f / kRate;
            phase -= std::floor(phase);
            const double pulse = phase < 0.3 ? 1.0 : -0.43;  // narrow pulse: nasal, buzzy
            const double env = std::min(1.0, t / 0.02) * std::pow(std::max(0.0, 1.0 - x), 0.6);
            call[i] = static_cast<float>((pulse * (0.8 + 0.5 * rough[i]) + 0.5 * breath[i]) * env);
        }
        dsp::FadeOut(call, 0.015);
        call.resize(call.size() + dsp::Samples(0.05), 0.0f);
        Mono voiced(call.size(), 0.0f);
        const double formants[][3] = {{1250.0, 5.0, 1.0}, {1750.0, 6.0, 0.7}, {2900.0, 6.0, 0.35}};
        for (const auto& fm : formants) {
            Mono band = call;
            dsp::Filter(band, Shape::Bandpass, fm[0], fm[1]);
            dsp::MixInto(voiced, band, 0.0, static_cast<float>(fm[2]));
        }
        for (float& s : voiced) s = static_cast<float>(std::tanh(s * 3.0));
        dsp::MixInto(out, voiced, starts[c], c == 2 ? 0.8f : 1.0f);
    }
    dsp::Filter(out, Shape::Highpass, 500.0, 0.7);
    return WithRoom(out, 0.25, 0.7, 0.8);
}

Mono Creak(Rng& rng) {
    // Old timber: stick-slip pulses, their rate wandering, ringing the wood's resonances.
    const double dur = 1.3;
    Mono pulses(dsp::Samples(dur));
    const std::vector<float> wander = dsp::RandomCurve(dur, 3.0, rng);
    double next = 0.0;
    for (std::size_t i = 0; i < pulses.size(); ++i) {
        const double t = Time(i);
        if (t < next) continue;
        const double x = t / dur;
        const double rate = 55.0 + 90.0 * std::sin(kPi * x) + 35.0 * wander[i];
        const double env = std::sin(kPi * std::pow(x, 0.7));
        pulses[i] = static_cast<float>(env * rng.Range(0.5, 1.0));
        next = t + 1.0 / std::max(20.0, rate) * rng.Range(0.85, 1.15);
    }
    dsp::Filter(pulses, Shape::Lowpass, 3500.0, 0.7);
    Mono out(pulses.size(), 0.0f);
    const double modes[][3] = {
        {520.0, 18.0, 1.0}, {1130.0, 22.0, 0.7}, {1790.0, 25.0, 0.45}, {2650.0, 30.0, 0.25}};
    for (const auto& m : modes) {
        Mono band = pulses;
        dsp::Filter(band, Shape::Bandpass, m[0], m[1]);
        dsp::MixInto(out, band, 0.0, static_cast<float>(m[2]));
    }
    return WithRoom(out, 0.15);
}

Mono Wind(Rng& rng) {
    // A gust: noise through a wandering band-pass, swelling and dying, with a faint whistle.
    const double dur = 4.0;
    const std::vector<float> drift = dsp::RandomCurve(dur, 0.8, rng);
    const std::vector<float> gust = dsp::RandomCurve(dur, 1.5, rng);
    auto swell = [=](double t) { return std::pow(std::sin(kPi * std::min(1.0, t / dur)), 1.5); };
    auto at = [&](const std::vector<float>& v, double t) {
        return static_cast<double>(v[std::min(v.size() - 1, dsp::Samples(t))]);
    };
    Mono out = dsp::SweptNoise(
        dur, rng, [&](double t) { return 480.0 + 220.0 * at(drift, t); }, 1.6,
        [&](double t) { return swell(t) * (0.8 + 0.2 * at(gust, t)); });
    Mono body = dsp::SweptNoise(
        dur, rng, [&](double t) { return 220.0 + 60.0 * at(drift, t); }, 1.0,
        [&](double t) { return 0.6 * swell(t); }, true);
    dsp::MixInto(out, body, 0.0);
    Mono whistle = dsp::SweptNoise(
        dur, rng, [&](double t) { return 1050.0 + 180.0 * at(drift, t); }, 30.0,
        [&](double t) { return 0.9 * std::pow(swell(t), 2.0); });
    dsp::MixInto(out, whistle, 0.0);
    return out;
}

Mono Thunder(Rng& rng) {
    // Lightning: a tearing crack, a crackle, then a long low rolling rumble.
    const double dur = 5.0;
    Mono crack = dsp::WhiteNoise(0.25, rng);
    dsp::Filter(crack, Shape::Highpass, 300.0, 0.7);
    dsp::Shape(crack, [](double t) { return std::min(1.0, t / 0.002) * dsp::Decay60(t, 0.2); });
    Mono out = crack;
    for (int i = 0; i < 30; ++i) {
        const double t = rng.Range(0.0, 0.5) * rng.Uniform();
        dsp::MixInto(out, Tick(rng.Range(400.0, 2500.0), 0.8, rng.Range(0.01, 0.04), rng), t,
                     static_cast<float>(rng.Range(0.2, 0.6)));
    }
    // The rumble rolls: several overlapping swells, each later one further away and softer.
    Mono rumble(dsp::Samples(dur), 0.0f);
    const double rollAt[] = {0.05, 0.9, 1.9, 2.9};
    const double rollGain[] = {1.0, 0.8, 0.55, 0.35};
    for (int r = 0; r < 4; ++r) {
        const double len = dur - rollAt[r];
        Mono roll = dsp::BrownNoise(len, rng);
        dsp::Filter(roll, Shape::Lowpass, 170.0 - 20.0 * r, 0.7);
        dsp::Filter(roll, Shape::Lowpass, 240.0, 0.7);
        const double rise = 0.15 + 0.15 * r;
        dsp::Shape(roll, [=](double t) {
            return std::sin(kPi / 2.0 * std::min(1.0, t / rise)) * dsp::Decay60(t, 2.6);
        });
        dsp::MixInto(rumble, roll, rollAt[r], static_cast<float>(rollGain[r]));
    }
    const std::vector<float> flutter = dsp::RandomCurve(dur, 6.0, rng);
    dsp::Shape(rumble, [&](double t) {
        return 0.75 + 0.25 * flutter[std::min(flutter.size() - 1, dsp::Samples(t))];
    });
    dsp::FadeOut(rumble, 0.8);
    const float rp = dsp::Peak(rumble);
    dsp::MixInto(out, rumble, 0.0, rp > 0.0f ? 1.5f / rp : 0.0f);
    Mono mid = dsp::SweptNoise(
        dur * 0.6, rng, [](double t) { return 400.0 - 300.0 * t / 3.0; }, 0.8,
        [](double t) { return 0.25 * dsp::Decay60(t, 2.0); }, true);
    dsp::MixInto(out, mid, 0.05);
    return WithRoom(out, 0.2, 0.85, 1.0);
}

Mono HoHoHo(Rng& rng) {
    // A hearty low laugh, "ho, ho, ho": breathy onsets into a voiced "o" that falls in pitch.
    Mono out;
    const double starts[] = {0.0, 0.3, 0.6};
    const double lengths[] = {0.2, 0.2, 0.42};
    const double pitches[] = {108.0, 102.0, 94.0};
    for (int s = 0; s < 3; ++s) {
        const double aspiration = 0.06;
        const double len = lengths[s] + aspiration;
        Mono source(dsp::Samples(len));
        Mono noise = dsp::WhiteNoise(len, rng);
        const std::vector<float> jitter = dsp::RandomCurve(len, 40.0, rng);
        double phase = 0.0;
        for (std::size_t i = 0; i < source.size(); ++i) {
            const double t = Time(i);
            const double tv = t - aspiration;
            double voiced = 0.0;
            if (tv > 0.0) {
                const double x = tv / lengths[s];
                const double f = pitches[s] * (1.08 - 0.22 * x) * (1.0 + 0.01 * jitter[i]);
                phase += f / kRate;
                phase -= std::floor(phase);
                // A glottal pulse: a smooth open phase, then a sharp close.
                const double g = phase < 0.6 ? 0.5 - 0.5 * std::cos(kPi * phase / 0.6)
                                             : std::cos(kPi * (phase - 0.6) / 0.8);
                const double env = std::min(1.0, tv / 0.03) * std::pow(std::max(0.0, 1.0 - x), 0.5);
                voiced = (g - 0.4) * env * 1.5;
            }
            const double breath = t < aspiration + 0.03
                                      ? std::sin(kPi * std::min(1.0, t / (aspiration + 0.03)))
                                      : 0.0;
            source[i] = static_cast<float>(voiced + noise[i] * 0.15 * breath);
        }
        dsp::FadeOut(source, 0.02);
        source.resize(source.size() + dsp::Samples(0.06), 0.0f);
        Mono vowel(source.size(), 0.0f);
        // Formants of a rounded back vowel, for a low male voice.
        const double formants[][3] = {
            {450.0, 6.0, 1.0}, {780.0, 8.0, 0.6}, {2450.0, 12.0, 0.12}, {3300.0, 14.0, 0.05}};
        for (const auto& fm : formants) {
            Mono band = source;
            dsp::Filter(band, Shape::Bandpass, fm[0], fm[1]);
            dsp::MixInto(vowel, band, 0.0, static_cast<float>(fm[2]));
        }
        Mono chest = source;
        dsp::Filter(chest, Shape::Lowpass, 300.0, 0.7);
        dsp::MixInto(vowel, chest, 0.0, 0.25f);
        dsp::MixInto(out, vowel, starts[s], s == 2 ? 1.0f : 0.9f);
    }
    return WithRoom(out, 0.2);
}

// ---- splash ----

Mono Splash(Rng& rng) {
    // The maker's sting: a harp rolls a warm chord and a bell answers.
    Mono out =
        Play(Inst::Harp, Run({48, 55, 60, 64, 67, 72, 76}, 0.0, 0.11, 2.0, 0.5f, 0.03f), rng);
    dsp::MixInto(out, Play(Inst::Bell, {{0.8, 84.0, 2.2, 0.45f}, {0.8, 76.0, 2.0, 0.3f}}, rng),
                 0.0);
    dsp::MixInto(out, Sparkle(1.0, 12, 2500.0, 6000.0, rng), 0.8, 0.2f);
    return WithRoom(out, 0.45, 0.75, 1.5);
}

}  // namespace

const std::vector<Effect>& All() {
    static const std::vector<Effect> kAll = {
        {"Data/sound/Cards/flip.wav", "card flipped over: a short bright flick", CardFlip},
        {"Data/sound/Cards/land.wav", "card lands on the table: a soft slap", CardLand},
        {"Data/sound/Cards/arc1.wav", "card flies to the foundation: a fluttering whoosh",
         CardArc1},
        {"Data/sound/Cards/arc2.wav", "card flies (second take): a longer whoosh", CardArc2},
        {"Data/sound/Cards/arcundo.wav", "card flies back on undo: a reversed whoosh and tap",
         CardArcUndo},
        {"Data/sound/Cards/shuffle.wav", "deck riffled and squared", CardShuffle},
        {"Data/sound/Cards/dropoff.wav", "card laid onto a pile: slide and pat", CardDropOff},
        {"Data/sound/clicks/ClickReverse.wav", "undo: a click drawn backwards", ClickReverse},
        {"Data/sound/clicks/InvalidClick.wav", "not allowed: two dull wooden knocks", InvalidClick},
        {"Data/sound/Level/LevelStart.wav", "hand begins: harp sweep into a chime", LevelStart},
        {"Data/sound/Bonuses/arrow.wav", "Cupid's arrow in flight and striking", ArrowFlight},
        {"Data/sound/Bonuses/arrow2.wav", "Cupid's bowstring twang", ArrowTwang},
        {"Data/sound/Bonuses/Stake.wav", "stake struck home with a magic ring", Stake},
        {"Data/sound/Bonuses/Random.wav", "Lyre spin: harp glissando swirl", LyreSpin},
        {"Data/sound/Bonuses/phoenixfire.wav", "Phoenix fire: roaring flame and crackle",
         PhoenixFire},
        {"Data/sound/Bonuses/coin.wav", "gold coin: metallic ring and bounce", Coin},
        {"Data/sound/Bonuses/key.wav", "key picked up: jingling clinks", KeyPickup},
        {"Data/sound/Bonuses/keywasted.wav", "key wasted: clatter and a falling shrug", KeyWasted},
        {"Data/sound/Bonuses/lock.wav", "lock opened: bolt clunk and hasp click", LockOpen},
        {"Data/sound/Bonuses/magicreleased.wav", "bow released: rising sparkles", MagicReleased},
        {"Data/sound/Bonuses/storyitem.wav", "story item found: harp arpeggio and bells",
         StoryItem},
        {"Data/sound/Bonuses/regalunlocked.wav", "regal card freed: horn call and bells",
         RegalUnlocked},
        {"Data/sound/Bonuses/regaltick.wav", "lock counter falls: a clock tick", RegalTick},
        {"Data/sound/Bonuses/regaltickundo.wav", "lock counter restored: a reversed tick",
         RegalTickUndo},
        {"Data/sound/HUD/GaugeFull.wav", "powerup charged: rising bells and glitter", GaugeFull},
        {"Data/sound/HUD/GoalDone.wav", "goal met: chimed major chord over harp", GoalDone},
        {"Data/sound/HUD/ComboStart.wav", "combo starts: quick rising harp run", ComboStart},
        {"Data/sound/HUD/ComboEnd.wav", "combo banked: falling harp and chord", ComboEnd},
        {"Data/sound/HUD/pearl.wav", "pearl set in the gauge: glassy plink", Pearl},
        {"Data/sound/HUD/shortpearl.wav", "short pearl plink", ShortPearl},
        {"Data/sound/HUD/fivexmultiplier.wav", "multiplier 5x: horn and bell fanfare",
         FiveXMultiplier},
        {"Data/sound/MapScreen/ZoomIn.wav", "map zooms to a chapter: rising whoosh", ZoomIn},
        {"Data/sound/MapScreen/SlideDown.wav", "map slides down: falling whoosh", SlideDown},
        {"Data/sound/GUI/SlideIn.wav", "panel slides in: rising paper swish", SlideIn},
        {"Data/sound/GUI/SlideOut.wav", "panel slides out: falling paper swish", SlideOut},
        {"Data/sound/GUI/OKDialog.wav", "message opens: soft chime", OkDialog},
        {"Data/sound/GUI/Confirm.wav", "question opens: two chimes rising", Confirm},
        {"Data/sound/GUI/Error.wav", "error: two soft low tones falling", ErrorSound},
        {"Data/sound/GUI/Typing.wav", "a letter typed: quill tap", Typing, -4.0},
        {"Data/sound/buttonMO.wav", "button hovered: soft harp touch", ButtonMouseOver, -5.0},
        {"Data/sound/buttonclick.wav", "button clicked: crisp wooden click", ButtonClick},
        {"Data/sound/LevelEnd/LevelEnd_0Stars.wav", "hand end, no stars: falling sigh", LevelEnd0},
        {"Data/sound/LevelEnd/LevelEnd_1Star.wav", "hand end, one star: ting and arpeggio",
         LevelEnd1},
        {"Data/sound/LevelEnd/LevelEnd_2Stars.wav", "hand end, two stars: tings and flourish",
         LevelEnd2},
        {"Data/sound/LevelEnd/LevelEnd_3Stars.wav", "hand end, three stars: tings and fanfare",
         LevelEnd3},
        {"Data/sound/LevelEnd/doof.wav", "dull padded thud", Doof},
        {"Data/sound/TitleScreen/crow.wav", "crow on the title: three harsh caws", Crow},
        {"Data/sound/TitleScreen/creak.wav", "title tree creaks: stick-slip wood", Creak},
        {"Data/sound/TitleScreen/wind.wav", "title wind: a gust with a faint whistle", Wind},
        {"Data/sound/TitleScreen/lightning.wav", "title lightning: crack and rolling thunder",
         Thunder},
        {"Data/sound/hohoho.wav", "hint scroll open: a hearty low \"ho ho ho\"", HoHoHo},
        {"data/splashsound.wav", "maker's splash: harp chord and bell", Splash},
    };
    return kAll;
}

}  // namespace effects
