// Coherent noise for surfaces, clouds and nebulae: Perlin's improved gradient noise in three
// dimensions, seeded by a shuffled permutation table. Values change smoothly with position and lie
// in about -1..1; sampling a sphere's surface in 3-D gives planets without a seam or pinched poles.
#pragma once

#include <array>
#include <cstdint>

namespace assetgen {

class Noise {
 public:
  explicit Noise(std::uint32_t seed);
  double At(double x, double y, double z) const;
  // Octaves of At, each at twice the frequency and `gain` times the weight of the one before;
  // normalised back to about -1..1.
  double Fractal(double x, double y, double z, int octaves, double gain = 0.5) const;

 private:
  std::array<std::uint8_t, 512> perm_;
};

}  // namespace assetgen
