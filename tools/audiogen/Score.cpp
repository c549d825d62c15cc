#include "tools/audiogen/Score.h"

#include <algorithm>

#include "tools/audiogen/Reverb.h"
#include "tools/audiogen/Rng.h"
#include "tools/audiogen/Voices.h"

namespace {

// Longer than any note's ring plus the hall's decay.
constexpr double kTailSeconds = 6.0;

dsp::Mono RenderNote(const Score::Note& n, double seconds, Rng& rng) {
    switch (n.voice) {
        case Score::Voice::Harpsichord:
            return voices::Harpsichord(n.midi, seconds, n.vel, rng);
        case Score::Voice::Harp:
            return voices::Harp(n.midi, seconds, n.vel, rng);
        case Score::Voice::Pizzicato:
            return voices::Pizzicato(n.midi, seconds, n.vel, rng);
        case Score::Voice::Strings:
            return voices::Strings(n.midi, seconds, n.vel, rng);
        case Score::Voice::Flute:
            return voices::Flute(n.midi, seconds, n.vel, rng);
        case Score::Voice::Horn:
            return voices::Horn(n.midi, seconds, n.vel, rng);
        case Score::Voice::Bell:
            return voices::Bell(dsp::MidiToHz(n.midi), std::max(1.0, seconds * 2.0), n.vel);
        case Score::Voice::Drum:
            return voices::Drum(dsp::MidiToHz(n.midi), std::max(0.25, seconds), n.vel, rng);
    }
    return {};
}

}  // namespace

dsp::Stereo Score::Render(std::uint64_t seed, double reverbWet) const {
    Rng rng(seed);
    const std::size_t loop = dsp::Samples(LengthSeconds());
    dsp::Stereo dry;
    dry.Resize(loop + dsp::Samples(kTailSeconds));
    const double spb = SecondsPerBeat();
    for (const Note& n : notes_) {
        // A few milliseconds of late, uneven touch, never early (the opening stays on time).
        const double at = n.beat * spb + rng.Range(0.0, 0.006);
        const float vel = static_cast<float>(std::clamp(n.vel * rng.Range(0.93, 1.05), 0.05, 1.0));
        Note played = n;
        played.vel = vel;
        dsp::Mono sound = RenderNote(played, n.beats * spb, rng);
        const std::size_t room = dry.Size() - std::min(dry.Size(), dsp::Samples(at));
        if (sound.size() > room) sound.resize(room);
        dsp::MixInto(dry, sound, at, 1.0f, n.pan);
    }

    Reverb hall(0.78, 0.45);
    dsp::Stereo wet = hall.Process(dry);
    dsp::Stereo out;
    out.Resize(dry.Size());
    const auto w = static_cast<float>(reverbWet * 3.0);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        out.left[i] = dry.left[i] + wet.left[i] * w;
        out.right[i] = dry.right[i] + wet.right[i] * w;
    }
    // The very end of the tail is all but silent; fade it so the fold leaves no step.
    const std::size_t fade = dsp::Samples(1.0);
    for (std::size_t i = 0; i < fade; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fade);
        out.left[out.Size() - 1 - i] *= g;
        out.right[out.Size() - 1 - i] *= g;
    }
    for (std::size_t i = loop; i < out.Size(); ++i) {
        out.left[i - loop] += out.left[i];
        out.right[i - loop] += out.right[i];
    }
    out.left.resize(loop);
    out.right.resize(loop);
    return out;
}
