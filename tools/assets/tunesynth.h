#pragma once
// Renders a composed tune to mono samples: koto notes by plucked-string
// synthesis (Karplus-Strong with an all-pass tuning filter), flute notes by
// a few harmonics with breath noise, a pitch scoop at the onset and delayed
// vibrato; then a light room reverb, a fade at the end and normalisation
// to a common loudness with the peak kept well below full scale.

#include <cstdint>
#include <vector>

#include "tunecomposer.h"

namespace hoshi::assets {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPeakLevel = 0.8; // of full scale, at most
inline constexpr double kTargetRms = 0.1; // of full scale
inline constexpr double kTailSeconds = 1.2;

double tuneSeconds(const Tune& tune);
std::vector<float> renderTune(const Tune& tune, int sampleRate = kSampleRate);
std::vector<std::int16_t> toPcm16(const std::vector<float>& samples);

} // namespace hoshi::assets
