#include "tools/audiogen/Mastering.h"

#include <algorithm>
#include <cmath>

namespace mastering {

void NormalisePeak(dsp::Mono& buf, double peakDb) {
    const float p = dsp::Peak(buf);
    if (p <= 0.0f) return;
    dsp::Scale(buf, static_cast<float>(dsp::DbToGain(peakDb) / p));
}

double RmsDb(const dsp::Stereo& buf) {
    const double l = dsp::Rms(buf.left);
    const double r = dsp::Rms(buf.right);
    const double rms = std::sqrt((l * l + r * r) / 2.0);
    return rms > 0.0 ? 20.0 * std::log10(rms) : -200.0;
}

double PeakDb(const dsp::Stereo& buf) {
    const float p = std::max(dsp::Peak(buf.left), dsp::Peak(buf.right));
    return p > 0.0f ? 20.0 * std::log10(p) : -200.0;
}

void NormaliseLoudness(dsp::Stereo& buf, double rmsDb, double ceilingDb) {
    const double current = RmsDb(buf);
    if (current < -150.0) return;
    const auto gain = static_cast<float>(dsp::DbToGain(rmsDb - current));
    const auto ceiling = static_cast<float>(dsp::DbToGain(ceilingDb));
    const float knee = ceiling * 0.8f;
    auto limit = [&](float x) {
        const float a = std::fabs(x);
        if (a <= knee) return x;
        const float over = (a - knee) / (ceiling - knee);
        const float y = knee + (ceiling - knee) * std::tanh(over);
        return std::copysign(y, x);
    };
    for (float& s : buf.left) s = limit(s * gain);
    for (float& s : buf.right) s = limit(s * gain);
}

}  // namespace mastering
