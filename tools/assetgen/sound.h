// Synthesised sound effects and short tunes.
#pragma once

#include <vector>

#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/style.h"

namespace assetgen {

struct Audio {
  int channels = 1;
  int rate = 22050;
  std::vector<float> samples;  // interleaved, -1..1
  double Seconds() const { return samples.empty() ? 0 : double(samples.size()) / channels / rate; }
};

constexpr int kEffectRate = 22050;  // effects: mono
constexpr int kMusicRate = 44100;   // music: stereo

// The row's kind taken apart against the sound recipes ("sfx.<recipe>", "music.<flags>");
// throws std::invalid_argument when unknown.
Style SoundStyle(const Asset& asset, const Catalogue& catalogue);

Audio Synthesize(const Asset& asset, const Catalogue& catalogue);

}  // namespace assetgen
