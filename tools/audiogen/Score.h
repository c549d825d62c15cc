#pragma once

#include <cstdint>
#include <vector>

#include "tools/audiogen/Dsp.h"

// The notes of one piece, timed in beats, and how to turn them into a seamless loop.
class Score {
public:
    enum class Voice { Harpsichord, Harp, Pizzicato, Strings, Flute, Horn, Bell, Drum };

    struct Note {
        double beat;   // onset from the start of the piece
        double beats;  // held for
        double midi;
        float vel;
        Voice voice;
        float pan;  // -1 left .. 1 right
    };

    Score(double bpm, int beatsPerBar, int bars)
        : bpm_(bpm), beatsPerBar_(beatsPerBar), bars_(bars) {}

    void Add(const Note& note) { notes_.push_back(note); }
    double SecondsPerBeat() const { return 60.0 / bpm_; }
    int BeatsPerBar() const { return beatsPerBar_; }
    int Bars() const { return bars_; }
    double LengthSeconds() const { return bars_ * beatsPerBar_ * SecondsPerBeat(); }
    const std::vector<Note>& Notes() const { return notes_; }

    // Renders every note with a hall around it. Whatever still sounds after the last bar
    // (ringing strings, the hall's tail) is added back onto the opening, so the last sample
    // leads straight into the first when the piece loops.
    dsp::Stereo Render(std::uint64_t seed, double reverbWet) const;

private:
    double bpm_;
    int beatsPerBar_;
    int bars_;
    std::vector<Note> notes_;
};
