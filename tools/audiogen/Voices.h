#pragma once

#include "tools/audiogen/Dsp.h"

class Rng;

// One note of each instrument, as a mono buffer starting at the note's onset. dur is how long
// the key is held; the buffer includes the release. vel is 0..1.
namespace voices {

struct StringSetup {
    double freq = 220.0;
    double hold = 1.0;        // seconds before the damper falls
    double release = 0.08;    // damper time constant, seconds
    double ring = 2.0;        // longest the string may sound
    double t60 = 2.0;         // natural decay of the fundamental
    double brightness = 0.5;  // 0 dull .. 1 bright excitation and loop
    double pluckPos = 0.2;    // fraction of the string: small = thin and bright
};

// Karplus-Strong string with a tuned fractional delay.
dsp::Mono Pluck(const StringSetup& string, Rng& rng);

dsp::Mono Harpsichord(double midi, double dur, float vel, Rng& rng);
dsp::Mono Harp(double midi, double dur, float vel, Rng& rng);
dsp::Mono Pizzicato(double midi, double dur, float vel, Rng& rng);
dsp::Mono Strings(double midi, double dur, float vel, Rng& rng);
dsp::Mono Flute(double midi, double dur, float vel, Rng& rng);
dsp::Mono Horn(double midi, double dur, float vel, Rng& rng);
// Struck metal: inharmonic partials (glockenspiel-like), t60 seconds.
dsp::Mono Bell(double freq, double t60, float vel);
// A softer FM chime (carrier:modulator 1:3.5) with a falling index.
dsp::Mono Chime(double freq, double t60, float vel);
// A tabor or kettle drum: a falling sine thump with a skin of noise.
dsp::Mono Drum(double freq, double t60, float vel, Rng& rng);

}  // namespace voices
