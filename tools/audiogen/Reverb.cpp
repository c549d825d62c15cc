#include "tools/audiogen/Reverb.h"

namespace {
// Delay lengths tuned for 44.1 kHz (mutually prime-ish so the echoes do not line up).
constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpasses[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;
}  // namespace

Reverb::Reverb(double roomSize, double damping)
    : feedback_(static_cast<float>(0.7 + 0.28 * roomSize)),
      damp_(static_cast<float>(damping * 0.4)),
      left_(MakeChannel(0)),
      right_(MakeChannel(kStereoSpread)) {}

Reverb::Channel Reverb::MakeChannel(int spread) {
    Channel ch;
    for (int len : kCombs) ch.combs.push_back(Comb{std::vector<float>(len + spread, 0.0f)});
    for (int len : kAllpasses)
        ch.allpasses.push_back(Allpass{std::vector<float>(len + spread, 0.0f)});
    return ch;
}

float Reverb::Run(Channel& ch, float input) {
    const float x = input * kInputGain;
    float out = 0.0f;
    for (Comb& c : ch.combs) {
        const float y = c.buf[c.pos];
        c.store = y * (1.0f - damp_) + c.store * damp_;
        c.buf[c.pos] = x + c.store * feedback_;
        if (++c.pos == c.buf.size()) c.pos = 0;
        out += y;
    }
    for (Allpass& a : ch.allpasses) {
        const float b = a.buf[a.pos];
        a.buf[a.pos] = out + b * 0.5f;
        out = b - out;
        if (++a.pos == a.buf.size()) a.pos = 0;
    }
    return out;
}

dsp::Stereo Reverb::Process(const dsp::Stereo& in, double extraSeconds) {
    dsp::Stereo out;
    out.Resize(in.Size() + dsp::Samples(extraSeconds));
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const float l = i < in.Size() ? in.left[i] : 0.0f;
        const float r = i < in.Size() ? in.right[i] : 0.0f;
        out.left[i] = Run(left_, l);
        out.right[i] = Run(right_, r);
    }
    return out;
}

dsp::Mono Reverb::ProcessMono(const dsp::Mono& in, double extraSeconds) {
    dsp::Mono out(in.size() + dsp::Samples(extraSeconds), 0.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float x = i < in.size() ? in[i] : 0.0f;
        out[i] = (Run(left_, x) + Run(right_, x)) * 0.5f;
    }
    return out;
}
