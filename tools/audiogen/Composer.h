#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/audiogen/Rng.h"

// Writes tunes in a key: chords named by Roman numerals, melodies built bar by bar from a
// palette of dance rhythms, landing on chord tones on the strong beats and moving by step
// between them. Melody pitches are scale steps from the tonic (7 = an octave up).
class Composer {
public:
    struct Chord {
        int root;  // scale step 0..6
        bool seventh;
        double beat;  // where in the bar it starts
    };

    struct MelodyNote {
        double beat;  // from the start of the phrase
        double beats;
        int step;
    };

    enum class Cadence { Open, Half, Full, Lead };

    struct Phrase {
        std::vector<std::string> bars;  // one chord symbol per bar, "IV-V" splits the bar
        Cadence cadence;
    };

    Composer(int tonicMidi, bool minor, int beatsPerBar, std::vector<double> strongBeats,
             std::uint64_t seed);

    // "I", "V7", "ii", "IV-V" (two chords, half a bar each).
    std::vector<Chord> ParseBar(const std::string& symbol) const;
    // The MIDI note of a scale step; in minor the seventh is raised under V and vii.
    int Midi(int step, int chordRoot) const;
    bool IsChordTone(int step, const Chord& chord) const;
    // Chord tones (MIDI) within [lo, hi].
    std::vector<int> ChordNotes(const Chord& chord, int lo, int hi) const;

    // Rhythms to choose from for ordinary bars, and for the bar that ends a phrase.
    void SetRhythms(std::vector<std::vector<double>> bars,
                    std::vector<std::vector<double>> endings);
    void SetRange(int lowStep, int highStep) {
        low_ = lowStep;
        high_ = highStep;
    }

    // A new four-bar (or any length) phrase of melody over the given harmony. When base is
    // given, its first keepBars bars are repeated and the rest composed afresh.
    std::vector<MelodyNote> Melody(const Phrase& phrase,
                                   const std::vector<MelodyNote>* base = nullptr, int keepBars = 0);

private:
    int PickStrong(const Chord& chord, int prev);
    int PickWeak(const Chord& chord, int prev);
    int Cadential(Cadence cadence, const Chord& chord, int prev) const;
    int Nearest(int prev, const std::vector<int>& stepsMod7) const;

    int tonic_;
    bool minor_;
    int beatsPerBar_;
    std::vector<double> strongBeats_;
    Rng rng_;
    std::vector<std::vector<double>> rhythms_;
    std::vector<std::vector<double>> endings_;
    int low_ = -2;
    int high_ = 9;
    int prev_ = 4;
    int direction_ = 1;
    int target_ = 4;
};
