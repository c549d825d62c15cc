#pragma once

#include "tools/audiogen/Dsp.h"

// Level matching: effects share one peak level, music pieces one loudness.
namespace mastering {

inline constexpr double kEffectPeakDb = -3.0;
inline constexpr double kMusicRmsDb = -20.0;
inline constexpr double kMusicCeilingDb = -1.0;

// Scales so the highest peak sits at peakDb (plus trimDb for deliberately quiet sounds).
void NormalisePeak(dsp::Mono& buf, double peakDb);

// Scales both channels together so their RMS sits at rmsDb, then rounds off any peak above
// the ceiling with a memoryless soft knee (so a looping piece stays seamless).
void NormaliseLoudness(dsp::Stereo& buf, double rmsDb, double ceilingDb);

double RmsDb(const dsp::Stereo& buf);
double PeakDb(const dsp::Stereo& buf);

}  // namespace mastering
