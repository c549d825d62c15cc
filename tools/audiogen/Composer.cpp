#include "tools/audiogen/Composer.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int kMajor[] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[] = {0, 2, 3, 5, 7, 8, 10};
constexpr double kPi = 3.14159265358979323846;

int Mod7(int s) {
    return ((s % 7) + 7) % 7;
}

int RomanValue(const std::string& roman) {
    static const char* kNames[] = {"I", "II", "III", "IV", "V", "VI", "VII"};
    std::string up;
    for (char c : roman) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int i = 0; i < 7; ++i)
        if (up == kNames[i]) return i;
    return 0;
}

}  // namespace

Composer::Composer(int tonicMidi, bool minor, int beatsPerBar, std::vector<double> strongBeats,
                   std::uint64_t seed)
    : tonic_(tonicMidi),
      minor_(minor),
      beatsPerBar_(beatsPerBar),
      strongBeats_(std::move(strongBeats)),
      rng_(seed) {}

std::vector<Composer::Chord> Composer::ParseBar(const std::string& symbol) const {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : symbol) {
        if (c == '-') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    std::vector<Chord> chords;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string p = parts[i];
        const bool seventh = !p.empty() && p.back() == '7';
        if (seventh) p.pop_back();
        chords.push_back(
            {RomanValue(p), seventh,
             beatsPerBar_ * static_cast<double>(i) / static_cast<double>(parts.size())});
    }
    return chords;
}

int Composer::Midi(int step, int chordRoot) const {
    const int octave = static_cast<int>(std::floor(step / 7.0));
    const int degree = Mod7(step);
    int semis = (minor_ ? kMinor : kMajor)[degree];
    if (minor_ && degree == 6 && (chordRoot == 4 || chordRoot == 6)) semis += 1;
    return tonic_ + 12 * octave + semis;
}

bool Composer::IsChordTone(int step, const Chord& chord) const {
    const int d = Mod7(step - chord.root);
    return d == 0 || d == 2 || d == 4 || (chord.seventh && d == 6);
}

std::vector<int> Composer::ChordNotes(const Chord& chord, int lo, int hi) const {
    std::vector<int> out;
    for (int step = -21; step <= 28; ++step) {
        if (!IsChordTone(step, chord)) continue;
        const int m = Midi(step, chord.root);
        if (m >= lo && m <= hi) out.push_back(m);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void Composer::SetRhythms(std::vector<std::vector<double>> bars,
                          std::vector<std::vector<double>> endings) {
    rhythms_ = std::move(bars);
    endings_ = std::move(endings);
}

int Composer::Nearest(int prev, const std::vector<int>& stepsMod7) const {
    int best = prev;
    int bestDist = 1000;
    for (int s = low_; s <= high_; ++s) {
        if (std::find(stepsMod7.begin(), stepsMod7.end(), Mod7(s)) == stepsMod7.end()) continue;
        // Landing on the note just sung is dull: a step or a third away is preferred.
        const int d = s == prev ? 3 : std::abs(s - prev);
        if (d < bestDist) {
            best = s;
            bestDist = d;
        }
    }
    return best;
}

int Composer::PickStrong(const Chord& chord, int prev) {
    std::vector<int> options;
    std::vector<double> weights;
    for (int s = low_; s <= high_; ++s) {
        if (!IsChordTone(s, chord)) continue;
        const int d = s - prev;
        // Near the last note, near the phrase's arch, rarely the same note twice.
        double w = std::exp(-std::abs(d) / 2.2) * std::exp(-std::abs(s - target_) / 2.5);
        if (d == 0) w *= 0.12;
        if (std::abs(d) > 5) w *= 0.15;
        options.push_back(s);
        weights.push_back(w);
    }
    double total = 0.0;
    for (double w : weights) total += w;
    double r = rng_.Uniform() * total;
    for (std::size_t i = 0; i < options.size(); ++i) {
        r -= weights[i];
        if (r <= 0.0) return options[i];
    }
    return options.empty() ? prev : options.back();
}

int Composer::PickWeak(const Chord& chord, int prev) {
    // Head for the arch mostly, wander sometimes.
    const int towards = target_ > prev ? 1 : (target_ < prev ? -1 : direction_);
    direction_ = rng_.Chance(0.7) ? towards : (rng_.Chance(0.5) ? 1 : -1);
    if (prev + direction_ > high_ || prev + direction_ < low_) direction_ = -direction_;
    if (rng_.Chance(0.2)) {
        // A skip to the next chord tone in that direction.
        for (int s = prev + direction_; s >= low_ && s <= high_; s += direction_)
            if (IsChordTone(s, chord)) return s;
    }
    return prev + direction_;
}

int Composer::Cadential(Cadence cadence, const Chord& chord, int prev) const {
    switch (cadence) {
        case Cadence::Full:
            return Nearest(prev, {0});
        case Cadence::Half:
            return Nearest(prev, {4, 1});
        case Cadence::Lead:
            return Nearest(prev, {6, 1});
        case Cadence::Open:
            break;
    }
    std::vector<int> tones = {Mod7(chord.root), Mod7(chord.root + 2), Mod7(chord.root + 4)};
    return Nearest(prev, tones);
}

std::vector<Composer::MelodyNote> Composer::Melody(const Phrase& phrase,
                                                   const std::vector<MelodyNote>* base,
                                                   int keepBars) {
    std::vector<MelodyNote> out;
    const int bars = static_cast<int>(phrase.bars.size());
    int firstBar = 0;
    if (base != nullptr && keepBars > 0) {
        for (const MelodyNote& n : *base)
            if (n.beat < keepBars * beatsPerBar_) out.push_back(n);
        if (!out.empty()) prev_ = out.back().step;
        firstBar = keepBars;
    }
    int motif = rng_.Int(0, static_cast<int>(rhythms_.size()) - 1);
    for (int bar = firstBar; bar < bars; ++bar) {
        const bool last = bar == bars - 1;
        const std::vector<Chord> chords = ParseBar(phrase.bars[bar]);
        std::vector<double> rhythm;
        if (last) {
            rhythm = endings_[rng_.Int(0, static_cast<int>(endings_.size()) - 1)];
        } else {
            // Bars pair up: the second of a pair often echoes the first's rhythm.
            if (bar % 2 == 0 || rng_.Chance(0.45))
                motif = rng_.Int(0, static_cast<int>(rhythms_.size()) - 1);
            rhythm = rhythms_[motif];
        }
        double beat = 0.0;
        for (std::size_t k = 0; k < rhythm.size(); ++k) {
            const Chord* chord = &chords.front();
            for (const Chord& c : chords)
                if (c.beat <= beat + 1e-9) chord = &c;
            const bool strong = std::any_of(strongBeats_.begin(), strongBeats_.end(),
                                            [&](double b) { return std::abs(b - beat) < 1e-9; }) ||
                                rhythm[k] >= 2.0;
            // The phrase rises to its highest around two thirds through, then settles.
            const double x = (bar * beatsPerBar_ + beat) / (bars * beatsPerBar_);
            const double arch = std::sin(kPi * std::min(1.0, x / 1.3));
            target_ = static_cast<int>(std::lround(low_ + (high_ - low_) * (0.25 + 0.6 * arch)));
            // In the closing bar, steer towards where the cadence will land.
            if (last) target_ = Cadential(phrase.cadence, *chord, (low_ + high_) / 2);
            int step;
            if (last && k == rhythm.size() - 1)
                step = Cadential(phrase.cadence, *chord, prev_);
            else if (strong)
                step = PickStrong(*chord, prev_);
            else
                step = PickWeak(*chord, prev_);
            if (step != prev_) direction_ = step > prev_ ? 1 : -1;
            out.push_back({bar * beatsPerBar_ + beat, rhythm[k], step});
            prev_ = step;
            beat += rhythm[k];
        }
    }
    return out;
}
