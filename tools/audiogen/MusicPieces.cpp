#include "tools/audiogen/MusicPieces.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "tools/audiogen/Composer.h"
#include "tools/audiogen/Score.h"

namespace music {
namespace {

using Voice = Score::Voice;
using Cadence = Composer::Cadence;
using Chord = Composer::Chord;

// One phrase of a piece's form: a label, and optionally an earlier phrase whose first bars
// it repeats (keep = the whole phrase repeats it exactly).
struct Section {
    std::string label;
    Composer::Phrase phrase;
    std::string base{};
    int keep = 0;
};

// The harmony bar by bar and the tune, in beats from the start of the piece.
struct Plan {
    std::vector<std::vector<Chord>> bars;
    std::vector<Composer::MelodyNote> melody;
    std::vector<std::string> barLabels;  // which section each bar belongs to
};

Plan Compose(Composer& composer, int beatsPerBar, const std::vector<Section>& form) {
    Plan plan;
    std::map<std::string, std::vector<Composer::MelodyNote>> written;
    int bar = 0;
    for (const Section& s : form) {
        std::vector<Composer::MelodyNote> tune;
        const int length = static_cast<int>(s.phrase.bars.size());
        auto found = written.find(s.label);
        if (found != written.end()) {
            tune = found->second;
        } else if (!s.base.empty() && s.keep >= length) {
            tune = written.at(s.base);
        } else if (!s.base.empty()) {
            tune = composer.Melody(s.phrase, &written.at(s.base), s.keep);
        } else {
            tune = composer.Melody(s.phrase);
        }
        written[s.label] = tune;
        for (Composer::MelodyNote n : tune) {
            n.beat += bar * beatsPerBar;
            plan.melody.push_back(n);
        }
        for (const std::string& symbol : s.phrase.bars) {
            plan.bars.push_back(composer.ParseBar(symbol));
            plan.barLabels.push_back(s.label);
        }
        bar += length;
    }
    return plan;
}

const Chord& ChordAt(const Plan& plan, double beat, int beatsPerBar) {
    const auto bar = std::min(plan.bars.size() - 1, static_cast<std::size_t>(beat / beatsPerBar));
    const double inBar = beat - static_cast<double>(bar) * beatsPerBar;
    const Chord* chord = &plan.bars[bar].front();
    for (const Chord& c : plan.bars[bar])
        if (c.beat <= inBar + 1e-9) chord = &c;
    return *chord;
}

// The tune on one instrument; transpose in semitones, offset in scale steps (a third below = -2).
void AddTune(Score& score, const Composer& composer, const Plan& plan, Voice voice, float vel,
             float pan, int transpose = 0, double legato = 0.95, int stepOffset = 0,
             const std::vector<std::string>& onlyIn = {}) {
    const int bpb = score.BeatsPerBar();
    for (const Composer::MelodyNote& n : plan.melody) {
        const auto bar =
            std::min(plan.barLabels.size() - 1, static_cast<std::size_t>(n.beat / bpb));
        if (!onlyIn.empty() &&
            std::find(onlyIn.begin(), onlyIn.end(), plan.barLabels[bar]) == onlyIn.end())
            continue;
        const Chord& chord = ChordAt(plan, n.beat, bpb);
        int step = n.step + stepOffset;
        if (stepOffset != 0 && !composer.IsChordTone(step, chord) &&
            composer.IsChordTone(step - 1, chord))
            step -= 1;
        score.Add({n.beat, n.beats * legato,
                   static_cast<double>(composer.Midi(step, chord.root) + transpose), vel, voice,
                   pan});
    }
}

// The chord's root placed in [lo, lo + 11].
int Root(const Composer& composer, const Chord& chord, int lo) {
    int m = composer.Midi(chord.root, chord.root);
    while (m < lo) m += 12;
    while (m >= lo + 12) m -= 12;
    return m;
}

int Fifth(const Composer& composer, const Chord& chord, int lo) {
    int m = composer.Midi(chord.root + 4, chord.root);
    while (m < lo) m += 12;
    while (m >= lo + 12) m -= 12;
    return m;
}

// Up to count chord tones closest to centre, low to high.
std::vector<int> Voicing(const Composer& composer, const Chord& chord, int centre, int count) {
    std::vector<int> notes = composer.ChordNotes(chord, centre - 9, centre + 9);
    std::sort(notes.begin(), notes.end(),
              [&](int a, int b) { return std::abs(a - centre) < std::abs(b - centre); });
    if (static_cast<int>(notes.size()) > count) notes.resize(count);
    std::sort(notes.begin(), notes.end());
    return notes;
}

// Chords held through each chord's span.
void AddPad(Score& score, const Composer& composer, const Plan& plan, Voice voice, int centre,
            int count, float vel, float pan) {
    const int bpb = score.BeatsPerBar();
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const auto& chords = plan.bars[b];
        for (std::size_t k = 0; k < chords.size(); ++k) {
            const double start = chords[k].beat;
            const double end = k + 1 < chords.size() ? chords[k + 1].beat : bpb;
            for (int m : Voicing(composer, chords[k], centre, count))
                score.Add({static_cast<double>(b) * bpb + start, end - start,
                           static_cast<double>(m), vel, voice, pan});
        }
    }
}

Composer::Phrase P(std::vector<std::string> bars, Cadence cadence) {
    return {std::move(bars), cadence};
}

// ---- the pieces ----

// Title: a minuet in G major for harpsichord and strings.
dsp::Stereo Title(std::uint64_t seed) {
    constexpr int kBpb = 3;
    Composer c(67, false, kBpb, {0.0}, seed);
    c.SetRange(-1, 9);
    c.SetRhythms(
        {{1, 1, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {0.5, 0.5, 1, 1}, {1.5, 0.5, 1}, {1, 1, 0.5, 0.5}},
        {{1, 2}, {3}, {0.5, 0.5, 2}});
    const std::vector<Section> form = {
        {"a", P({"I", "IV", "V7", "I"}, Cadence::Open)},
        {"a2", P({"I", "IV", "ii-V7", "I"}, Cadence::Full), "a", 2},
        {"b", P({"vi", "ii", "V", "V"}, Cadence::Half)},
        {"b2", P({"vi", "ii", "V7", "I"}, Cadence::Full), "b", 2},
        {"a", P({"I", "IV", "V7", "I"}, Cadence::Open)},
        {"a2", P({"I", "IV", "ii-V7", "I"}, Cadence::Full)},
        {"b", P({"vi", "ii", "V", "V"}, Cadence::Half)},
        {"end", P({"I", "IV", "ii", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(120.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Harpsichord, 0.75f, -0.15f);
    AddTune(score, c, plan, Voice::Flute, 0.4f, 0.35f, 0, 0.98, 0, {"b", "b2"});
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const Chord& chord = plan.bars[b].front();
        const double at = static_cast<double>(b) * kBpb;
        score.Add(
            {at, 1.0, static_cast<double>(Root(c, chord, 43)), 0.6f, Voice::Harpsichord, 0.2f});
        for (int beat = 1; beat < 3; ++beat) {
            const Chord& cb = ChordAt(plan, at + beat, kBpb);
            for (int m : Voicing(c, cb, 59, 2))
                score.Add(
                    {at + beat, 0.9, static_cast<double>(m), 0.35f, Voice::Harpsichord, 0.25f});
        }
    }
    AddPad(score, c, plan, Voice::Strings, 60, 3, 0.22f, 0.0f);
    return score.Render(seed, 0.22);
}

// Chapters: a waltz in F major, flute over strings and pizzicato.
dsp::Stereo WaltzA(std::uint64_t seed) {
    constexpr int kBpb = 3;
    Composer c(65, false, kBpb, {0.0}, seed);
    c.SetRange(0, 9);
    c.SetRhythms({{3}, {2, 1}, {1, 1, 1}, {1.5, 0.5, 1}, {2, 0.5, 0.5}, {1, 2}}, {{3}, {2, 1}});
    const std::vector<Section> form = {
        {"a", P({"I", "I", "V7", "V7"}, Cadence::Half)},
        {"a2", P({"I", "I", "V7", "I"}, Cadence::Full), "a", 2},
        {"b", P({"IV", "IV", "I", "I"}, Cadence::Open)},
        {"b2", P({"IV", "IV", "V7", "V7"}, Cadence::Half), "b", 2},
        {"a", P({"I", "I", "V7", "V7"}, Cadence::Half)},
        {"a2", P({"I", "I", "V7", "I"}, Cadence::Full)},
        {"c", P({"ii", "V7", "I", "vi"}, Cadence::Open)},
        {"c2", P({"ii", "V7", "I", "I"}, Cadence::Full), "c", 2},
        {"a", P({"I", "I", "V7", "V7"}, Cadence::Half)},
        {"end", P({"I", "I", "ii", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(160.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Flute, 0.75f, -0.2f);
    AddTune(score, c, plan, Voice::Strings, 0.3f, 0.25f, -12, 0.98);
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const Chord& chord = plan.bars[b].front();
        const double at = static_cast<double>(b) * kBpb;
        const int bass = b % 2 == 0 ? Root(c, chord, 41) : Fifth(c, chord, 36);
        score.Add({at, 1.0, static_cast<double>(bass), 0.8f, Voice::Pizzicato, 0.1f});
        for (int beat = 1; beat < 3; ++beat)
            for (int m : Voicing(c, chord, 62, 3))
                score.Add({at + beat, 0.55, static_cast<double>(m), 0.32f, Voice::Harp, 0.3f});
        if (plan.barLabels[b] == "c" || plan.barLabels[b] == "c2") {
            const std::vector<int> up = Voicing(c, chord, 74, 3);
            for (std::size_t k = 0; k < up.size(); ++k)
                score.Add({at + 0.5 * static_cast<double>(k), 1.0, static_cast<double>(up[k]), 0.3f,
                           Voice::Harp, -0.35f});
        }
    }
    AddPad(score, c, plan, Voice::Strings, 57, 2, 0.14f, -0.1f);
    return score.Render(seed, 0.25);
}

// Chapters: a jig in 6/8, D major, harpsichord and flute over a tabor.
dsp::Stereo JigB(std::uint64_t seed) {
    constexpr int kBpb = 6;
    Composer c(62, false, kBpb, {0.0, 3.0}, seed);
    c.SetRange(3, 12);
    c.SetRhythms({{1, 1, 1, 1, 1, 1},
                  {2, 1, 2, 1},
                  {3, 1, 1, 1},
                  {2, 1, 1, 1, 1},
                  {1, 1, 1, 2, 1},
                  {3, 2, 1}},
                 {{3, 3}, {2, 1, 3}, {6}});
    const std::vector<Section> form = {
        {"a", P({"I", "I", "IV", "V"}, Cadence::Half)},
        {"a2", P({"I", "I", "IV-V", "I"}, Cadence::Full), "a", 2},
        {"a", P({"I", "I", "IV", "V"}, Cadence::Half)},
        {"a2", P({"I", "I", "IV-V", "I"}, Cadence::Full)},
        {"b", P({"IV", "I", "ii", "V"}, Cadence::Half)},
        {"b2", P({"IV", "I", "V7", "I"}, Cadence::Full), "b", 2},
        {"b", P({"IV", "I", "ii", "V"}, Cadence::Half)},
        {"b2", P({"IV", "I", "V7", "I"}, Cadence::Full)},
        {"a", P({"I", "I", "IV", "V"}, Cadence::Half)},
        {"end", P({"I", "I", "IV", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(300.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Harpsichord, 0.75f, -0.2f, 0, 0.9);
    AddTune(score, c, plan, Voice::Flute, 0.4f, 0.3f, 0, 0.9, 0, {"b", "b2"});
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const double at = static_cast<double>(b) * kBpb;
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = ChordAt(plan, at + 3.0 * half, kBpb);
            const int bass = half == 0 ? Root(c, chord, 38) : Fifth(c, chord, 38);
            score.Add(
                {at + 3.0 * half, 2.0, static_cast<double>(bass), 0.75f, Voice::Pizzicato, 0.1f});
            for (int m : Voicing(c, chord, 62, 3))
                score.Add({at + 3.0 * half + 2.0, 0.7, static_cast<double>(m), 0.3f,
                           Voice::Harpsichord, 0.3f});
        }
        score.Add({at, 0.5, 45.0, 0.45f, Voice::Drum, -0.05f});
        score.Add({at + 3.0, 0.5, 45.0, 0.3f, Voice::Drum, -0.05f});
        score.Add({at + 5.0, 0.3, 50.0, 0.15f, Voice::Drum, -0.05f});
    }
    AddPad(score, c, plan, Voice::Strings, 57, 2, 0.12f, 0.0f);
    return score.Render(seed, 0.2);
}

// Chapters: a minuet in D minor, turning to F major in its middle.
dsp::Stereo MinuetC(std::uint64_t seed) {
    constexpr int kBpb = 3;
    Composer c(62, true, kBpb, {0.0}, seed);
    c.SetRange(3, 12);
    c.SetRhythms({{1, 1, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {1.5, 0.5, 1}, {0.5, 0.5, 0.5, 0.5, 1}},
                 {{1, 2}, {3}});
    const std::vector<Section> form = {
        {"a", P({"i", "iv", "V7", "i"}, Cadence::Open)},
        {"a2", P({"i", "iv", "V", "i"}, Cadence::Full), "a", 2},
        {"b", P({"III", "VII", "III", "V"}, Cadence::Half)},
        {"b2", P({"III", "VII", "iv-V", "i"}, Cadence::Full), "b", 2},
        {"a", P({"i", "iv", "V7", "i"}, Cadence::Open)},
        {"a2", P({"i", "iv", "V", "i"}, Cadence::Full)},
        {"b", P({"III", "VII", "III", "V"}, Cadence::Half)},
        {"end", P({"VI", "iv", "V", "V7"}, Cadence::Lead)},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(116.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Harpsichord, 0.75f, -0.15f);
    AddTune(score, c, plan, Voice::Strings, 0.35f, 0.3f, 0, 0.98, 0, {"b", "b2", "end"});
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const Chord& chord = plan.bars[b].front();
        const double at = static_cast<double>(b) * kBpb;
        // A walking bass: root, then down through the chord.
        const int root = Root(c, chord, 45);
        const std::vector<int> tones = Voicing(c, chord, root - 5, 3);
        score.Add({at, 1.0, static_cast<double>(root), 0.6f, Voice::Harpsichord, 0.2f});
        if (tones.size() >= 2) {
            score.Add({at + 1, 1.0, static_cast<double>(tones[tones.size() - 1]), 0.45f,
                       Voice::Harpsichord, 0.2f});
            score.Add({at + 2, 1.0, static_cast<double>(tones[tones.size() - 2]), 0.45f,
                       Voice::Harpsichord, 0.2f});
        }
    }
    AddPad(score, c, plan, Voice::Strings, 60, 3, 0.2f, 0.05f);
    return score.Render(seed, 0.24);
}

// Chapters: a country dance in A major, flute and harpsichord in cut time.
dsp::Stereo CountryDanceD(std::uint64_t seed) {
    constexpr int kBpb = 4;
    Composer c(69, false, kBpb, {0.0, 2.0}, seed);
    c.SetRange(-3, 6);
    c.SetRhythms({{1, 1, 1, 1},
                  {2, 1, 1},
                  {1, 0.5, 0.5, 1, 1},
                  {1.5, 0.5, 1, 1},
                  {0.5, 0.5, 0.5, 0.5, 1, 1},
                  {1, 1, 2}},
                 {{2, 2}, {1, 1, 2}, {4}});
    const std::vector<Section> form = {
        {"a", P({"I", "V", "I", "V"}, Cadence::Half)},
        {"a2", P({"I", "V", "IV-V", "I"}, Cadence::Full), "a", 2},
        {"b", P({"IV", "I", "ii", "V"}, Cadence::Half)},
        {"b2", P({"IV", "I", "V7", "I"}, Cadence::Full), "b", 2},
        {"a", P({"I", "V", "I", "V"}, Cadence::Half)},
        {"end", P({"I", "V", "IV", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(132.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Flute, 0.75f, -0.2f, 0, 0.85);
    AddTune(score, c, plan, Voice::Harpsichord, 0.45f, 0.3f, -12, 0.85);
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const double at = static_cast<double>(b) * kBpb;
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = ChordAt(plan, at + 2.0 * half, kBpb);
            const int bass = half == 0 ? Root(c, chord, 40) : Fifth(c, chord, 40);
            score.Add(
                {at + 2.0 * half, 1.0, static_cast<double>(bass), 0.75f, Voice::Pizzicato, 0.05f});
            for (int m : Voicing(c, chord, 64, 3))
                score.Add(
                    {at + 2.0 * half + 1.0, 0.6, static_cast<double>(m), 0.3f, Voice::Harp, 0.35f});
        }
    }
    AddPad(score, c, plan, Voice::Strings, 62, 3, 0.15f, -0.05f);
    return score.Render(seed, 0.22);
}

// Intro: a slow ballad in E flat, flute over harp arpeggios and strings.
dsp::Stereo Ballad(std::uint64_t seed) {
    constexpr int kBpb = 4;
    Composer c(63, false, kBpb, {0.0, 2.0}, seed);
    c.SetRange(2, 10);
    c.SetRhythms({{2, 2}, {3, 1}, {1.5, 0.5, 2}, {1, 1, 2}, {2, 1, 1}}, {{4}, {2, 2}});
    const std::vector<Section> form = {
        {"a", P({"I", "vi", "IV", "V"}, Cadence::Half)},
        {"a2", P({"I", "vi", "ii-V7", "I"}, Cadence::Full), "a", 2},
        {"b", P({"vi", "IV", "I", "V"}, Cadence::Half)},
        {"end", P({"I", "vi", "IV", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(70.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Flute, 0.7f, -0.2f, 0, 1.0);
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const double at = static_cast<double>(b) * kBpb;
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = ChordAt(plan, at + 2.0 * half, kBpb);
            const int root = Root(c, chord, 44);
            const int fifth = Fifth(c, chord, root + 1);
            const std::vector<int> upper = Voicing(c, chord, root + 16, 3);
            std::vector<int> pattern = {root, fifth};
            for (int m : upper) pattern.push_back(m);
            pattern.push_back(fifth + 12);
            for (std::size_t k = 0; k < 4 && k < pattern.size(); ++k)
                score.Add({at + 2.0 * half + 0.5 * static_cast<double>(k), 2.0,
                           static_cast<double>(pattern[k == 3 ? pattern.size() - 2 : k]), 0.4f,
                           Voice::Harp, 0.25f});
        }
        const Chord& first = plan.bars[b].front();
        score.Add({at, 4.0, static_cast<double>(Root(c, first, 39)), 0.3f, Voice::Strings, 0.0f});
    }
    AddPad(score, c, plan, Voice::Strings, 60, 3, 0.22f, -0.1f);
    return score.Render(seed, 0.3);
}

// Hand complete: a short fanfare in C for horns and kettle drums.
dsp::Stereo Fanfare(std::uint64_t seed) {
    constexpr int kBpb = 4;
    Composer c(60, false, kBpb, {0.0, 2.0}, seed);
    c.SetRange(4, 11);
    c.SetRhythms({{1.5, 0.5, 1, 1}, {1, 0.5, 0.5, 2}, {2, 1, 1}, {0.5, 0.5, 1, 2}, {1, 1, 1, 1}},
                 {{4}, {2, 2}});
    const std::vector<Section> form = {
        {"a", P({"I", "IV", "V", "I"}, Cadence::Full)},
        {"a2", P({"I", "IV", "V7", "I"}, Cadence::Full), "a", 2},
        {"b", P({"IV", "I", "ii", "V"}, Cadence::Half)},
        {"end", P({"I", "IV", "ii-V", "V7"}, Cadence::Lead), "a", 2},
    };
    const Plan plan = Compose(c, kBpb, form);
    Score score(120.0, kBpb, static_cast<int>(plan.bars.size()));
    AddTune(score, c, plan, Voice::Horn, 0.7f, -0.15f, 0, 0.9);
    AddTune(score, c, plan, Voice::Horn, 0.45f, 0.25f, 0, 0.9, -2);
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        const double at = static_cast<double>(b) * kBpb;
        const Chord& chord = plan.bars[b].front();
        const int timp = chord.root == 4 ? 43 : 36;
        score.Add({at, 0.6, static_cast<double>(timp), 0.6f, Voice::Drum, 0.0f});
        score.Add({at + 2.0, 0.5, static_cast<double>(timp), 0.35f, Voice::Drum, 0.0f});
        if (b % 4 == 3)
            for (int k = 0; k < 4; ++k)
                score.Add({at + 3.0 + 0.25 * k, 0.3, static_cast<double>(timp), 0.2f + 0.05f * k,
                           Voice::Drum, 0.0f});
        for (int half = 0; half < 2; ++half) {
            const Chord& ch = ChordAt(plan, at + 2.0 * half, kBpb);
            const std::vector<int> arp = Voicing(c, ch, 72, 3);
            for (std::size_t k = 0; k < arp.size(); ++k)
                score.Add({at + 2.0 * half + 0.5 * static_cast<double>(k), 0.5,
                           static_cast<double>(arp[k]), 0.28f, Voice::Harpsichord, 0.35f});
        }
        if (b % 4 == 0)
            score.Add({at, 2.0, static_cast<double>(Root(c, chord, 84)), 0.3f, Voice::Bell, -0.3f});
    }
    AddPad(score, c, plan, Voice::Strings, 55, 3, 0.2f, 0.0f);
    return score.Render(seed, 0.22);
}

}  // namespace

const std::vector<Piece>& All() {
    static const std::vector<Piece> kAll = {
        {"Data/music/title.ogg", "Title minuet in G major", Title},
        {"Data/music/intro.ogg", "Intro ballad in E flat major", Ballad},
        {"Data/music/levelend.ogg", "Hand complete fanfare in C major", Fanfare},
        {"Data/music/a.ogg", "Chapter waltz in F major", WaltzA},
        {"Data/music/b.ogg", "Chapter jig in D major", JigB},
        {"Data/music/c.ogg", "Chapter minuet in D minor", MinuetC},
        {"Data/music/d.ogg", "Chapter country dance in A major", CountryDanceD},
    };
    return kAll;
}

}  // namespace music
