#include "tools/assetgen/noise.h"

#include <cmath>
#include <utility>

namespace assetgen {
namespace {

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double t, double a, double b) { return a + t * (b - a); }

// The dot product of (x, y, z) with one of twelve edge directions of a cube, picked by the hash.
double Grad(int hash, double x, double y, double z) {
  int h = hash & 15;
  double u = h < 8 ? x : y, v = h < 4 ? y : h == 12 || h == 14 ? x : z;
  return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

}  // namespace

Noise::Noise(std::uint32_t seed) {
  for (int i = 0; i < 256; ++i) perm_[i] = std::uint8_t(i);
  std::uint32_t state = seed * 2654435761u + 1;
  for (int i = 255; i > 0; --i) {  // Fisher-Yates with a small xorshift generator
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    std::swap(perm_[i], perm_[state % (i + 1)]);
  }
  for (int i = 0; i < 256; ++i) perm_[256 + i] = perm_[i];
}

double Noise::At(double x, double y, double z) const {
  double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  int X = int(fx) & 255, Y = int(fy) & 255, Z = int(fz) & 255;
  x -= fx, y -= fy, z -= fz;
  double u = Fade(x), v = Fade(y), w = Fade(z);
  const auto& p = perm_;
  int A = p[X] + Y, AA = p[A] + Z, AB = p[A + 1] + Z, B = p[X + 1] + Y, BA = p[B] + Z, BB = p[B + 1] + Z;
  return Lerp(w,
              Lerp(v, Lerp(u, Grad(p[AA], x, y, z), Grad(p[BA], x - 1, y, z)),
                   Lerp(u, Grad(p[AB], x, y - 1, z), Grad(p[BB], x - 1, y - 1, z))),
              Lerp(v, Lerp(u, Grad(p[AA + 1], x, y, z - 1), Grad(p[BA + 1], x - 1, y, z - 1)),
                   Lerp(u, Grad(p[AB + 1], x, y - 1, z - 1), Grad(p[BB + 1], x - 1, y - 1, z - 1))));
}

double Noise::Fractal(double x, double y, double z, int octaves, double gain) const {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += At(x, y, z) * weight;
    total += weight;
    weight *= gain;
    x *= 2, y *= 2, z *= 2;
  }
  return sum / total * 1.4;
}

}  // namespace assetgen
