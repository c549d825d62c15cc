#include "tools/audiogen/Dsp.h"

#include <algorithm>
#include <cmath>

#include "tools/audiogen/Rng.h"

namespace dsp {

void MixInto(Mono& dest, const Mono& src, double offsetSec, float gain) {
    const std::size_t off = Samples(offsetSec);
    if (dest.size() < off + src.size()) dest.resize(off + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i) dest[off + i] += src[i] * gain;
}

void MixInto(Stereo& dest, const Mono& src, double offsetSec, float gain, float pan) {
    const std::size_t off = Samples(offsetSec);
    if (dest.Size() < off + src.size()) dest.Resize(off + src.size());
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
    const auto gl = static_cast<float>(std::cos(angle) * gain * std::sqrt(2.0));
    const auto gr = static_cast<float>(std::sin(angle) * gain * std::sqrt(2.0));
    for (std::size_t i = 0; i < src.size(); ++i) {
        dest.left[off + i] += src[i] * gl;
        dest.right[off + i] += src[i] * gr;
    }
}

void Shape(Mono& buf, const std::function<double(double)>& env) {
    for (std::size_t i = 0; i < buf.size(); ++i)
        buf[i] = static_cast<float>(buf[i] * env(static_cast<double>(i) / kRate));
}

void Scale(Mono& buf, float gain) {
    for (float& s : buf) s *= gain;
}

void Reverse(Mono& buf) {
    std::reverse(buf.begin(), buf.end());
}

void FadeIn(Mono& buf, double seconds) {
    const std::size_t n = std::min(buf.size(), Samples(seconds));
    for (std::size_t i = 0; i < n; ++i) buf[i] *= static_cast<float>(i) / static_cast<float>(n);
}

void FadeOut(Mono& buf, double seconds) {
    const std::size_t n = std::min(buf.size(), Samples(seconds));
    const std::size_t start = buf.size() - n;
    for (std::size_t i = 0; i < n; ++i)
        buf[start + i] *= static_cast<float>(n - i) / static_cast<float>(n);
}

void TrimTail(Mono& buf, double thresholdDb) {
    const float limit = Peak(buf) * static_cast<float>(DbToGain(thresholdDb));
    std::size_t end = buf.size();
    while (end > 0 && std::fabs(buf[end - 1]) < limit) --end;
    buf.resize(std::min(buf.size(), end + Samples(0.01)));
    FadeOut(buf, 0.008);
}

void Filter(Mono& buf, Biquad::Shape shape, double freq, double q, double gainDb) {
    Biquad f(shape, freq, q, gainDb);
    for (float& s : buf) s = f.Process(s);
}

void RemoveDc(Mono& buf) {
    // One-pole high-pass at about 20 Hz.
    const double r = 0.9972;
    double x1 = 0.0, y1 = 0.0;
    for (float& s : buf) {
        const double y = s - x1 + r * y1;
        x1 = s;
        y1 = y;
        s = static_cast<float>(y);
    }
}

float Peak(const Mono& buf) {
    float p = 0.0f;
    for (float s : buf) p = std::max(p, std::fabs(s));
    return p;
}

double Rms(const Mono& buf) {
    if (buf.empty()) return 0.0;
    double sum = 0.0;
    for (float s : buf) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(buf.size()));
}

Mono Silence(double seconds) {
    return Mono(Samples(seconds), 0.0f);
}

Mono WhiteNoise(double seconds, Rng& rng) {
    Mono out(Samples(seconds));
    for (float& s : out) s = static_cast<float>(rng.Bipolar());
    return out;
}

Mono BrownNoise(double seconds, Rng& rng) {
    Mono out(Samples(seconds));
    double acc = 0.0;
    for (float& s : out) {
        acc = acc * 0.995 + rng.Bipolar() * 0.1;
        s = static_cast<float>(acc);
    }
    RemoveDc(out);
    const float p = Peak(out);
    if (p > 0.0f) Scale(out, 1.0f / p);
    return out;
}

Mono SweptNoise(double seconds, Rng& rng, const std::function<double(double)>& freqAt, double q,
                const std::function<double(double)>& ampAt, bool brown) {
    Mono src = brown ? BrownNoise(seconds, rng) : WhiteNoise(seconds, rng);
    Biquad bp;
    constexpr std::size_t kBlock = 32;
    for (std::size_t i = 0; i < src.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % kBlock == 0) bp.Set(Biquad::Shape::Bandpass, freqAt(t), q);
        src[i] = static_cast<float>(bp.Process(src[i]) * ampAt(t));
    }
    return src;
}

std::vector<float> RandomCurve(double seconds, double rateHz, Rng& rng) {
    // Cosine interpolation between random points placed 1/rateHz apart.
    const std::size_t n = Samples(seconds);
    const std::size_t step = std::max<std::size_t>(1, Samples(1.0 / rateHz));
    std::vector<double> points(n / step + 3);
    for (double& p : points) p = rng.Bipolar();
    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = i / step;
        const double f = static_cast<double>(i % step) / static_cast<double>(step);
        const double w = (1.0 - std::cos(f * kPi)) / 2.0;
        out[i] = static_cast<float>(points[k] * (1.0 - w) + points[k + 1] * w);
    }
    return out;
}

}  // namespace dsp
