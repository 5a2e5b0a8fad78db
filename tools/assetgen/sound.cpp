#include "tools/assetgen/sound.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {
namespace {

constexpr double kTau = 6.28318530717958647692;

struct Noise {
  std::uint32_t state;
  explicit Noise(std::uint32_t seed) : state(seed | 1) {}
  double Next() {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return state / 2147483647.5 - 1.0;
  }
};

// One-pole low-pass filter with a cutoff that may change per sample.
struct LowPass {
  double y = 0;
  double operator()(double x, double cutoff, int rate) { return y += (1 - std::exp(-kTau * cutoff / rate)) * (x - y); }
};

double Sweep(double from, double to, double u) { return from * std::pow(to / from, std::clamp(u, 0.0, 1.0)); }
double Fade(double u) { return (1 - u) * (1 - u); }  // loud start, quiet end
double Soft(double x) { return std::tanh(2.0 * x) / std::tanh(2.0); }  // rounded square wave

void Normalise(std::vector<float>& s, double peak) {
  float top = 0;
  for (float v : s) top = std::max(top, std::fabs(v));
  if (top > 0)
    for (float& v : s) v = static_cast<float>(v * peak / top);
}

// ---- Effects: each recipe gives the sample at time t of d seconds ------------------------------------

struct EffectState {
  explicit EffectState(std::uint32_t seed) : noise(seed) {}
  Noise noise;
  LowPass lp, lp2;
  double phase = 0, phase2 = 0;
  double Osc(double f, int rate) { return std::sin(phase += kTau * f / rate); }
  double Osc2(double f, int rate) { return std::sin(phase2 += kTau * f / rate); }
};

double Effect(std::string_view recipe, double t, double d, EffectState& st, int rate) {
  double u = t / d;
  if (recipe == "click") return st.Osc(1800, rate) * std::exp(-t * 70) + (t < 0.003 ? st.noise.Next() * 0.5 : 0);
  if (recipe == "zap") return Soft(st.Osc(Sweep(1800, 300, u), rate)) * Fade(u);
  if (recipe == "zap2") {
    double local = std::fmod(t, d / 2) / (d / 2);
    return Soft(st.Osc(Sweep(1200, 250, local), rate)) * Fade(local) * (t < d / 2 ? 1.0 : 0.8);
  }
  if (recipe == "whoosh" || recipe == "whoosh2") {
    double low = recipe == "whoosh" ? 300 : 120, span = recipe == "whoosh" ? 1500 : 600;
    return st.lp(st.noise.Next(), low + span * std::sin(kTau / 2 * u), rate) * std::sin(kTau / 2 * u) * 3;
  }
  if (recipe == "alarm") {
    double seg = std::fmod(u * 4, 1.0);
    int beep = std::min(3, int(u * 4));
    return seg < 0.7 ? Soft(st.Osc(beep % 2 ? 660 : 880, rate)) * std::min(1.0, (0.7 - seg) * 40) : 0;
  }
  if (recipe == "rise") return st.Osc(Sweep(300, 1200, u), rate) * std::min(1.0, t * 200) * Fade(u * 0.8);
  if (recipe == "fall") return st.Osc(Sweep(1200, 300, u), rate) * std::min(1.0, t * 200) * Fade(u * 0.8);
  if (recipe == "chime") {
    static constexpr double notes[] = {523.25, 659.26, 783.99, 1046.5};
    double v = 0;
    for (int i = 0; i < 4; ++i) {
      double start = i * d / 6;
      if (t >= start) v += (std::sin(kTau * notes[i] * (t - start)) + 0.3 * std::sin(kTau * 2 * notes[i] * (t - start))) *
                           std::exp(-6 * (t - start));
    }
    return v * Fade(u * 0.5);
  }
  if (recipe == "ping") return (st.Osc(1320, rate) + 0.4 * st.Osc2(2640, rate)) * std::exp(-8 * t);
  if (recipe == "warble")
    return (Soft(st.Osc(600 + 200 * std::sin(kTau * 30 * t), rate)) + 0.2 * st.noise.Next()) * std::sin(kTau / 2 * u);
  if (recipe == "launch")
    return (0.6 * st.lp(st.noise.Next(), Sweep(400, 3000, u), rate) * 2 + 0.4 * st.Osc(Sweep(200, 800, u), rate)) *
           std::min(1.0, t * 20) * Fade(u);
  if (recipe == "boom" || recipe == "blast") {
    double v = st.lp(st.noise.Next(), Sweep(500, 90, u), rate) * 4 * std::exp(-5 * t) + st.Osc(55, rate) * std::exp(-6 * t);
    if (recipe == "blast" && t > 0.35) {
      double l = t - 0.35;
      v += st.lp2(st.noise.Next(), Sweep(700, 80, u), rate) * 5 * std::exp(-3 * l) + st.Osc2(42, rate) * std::exp(-3 * l);
    }
    return v * Fade(u * 0.6);
  }
  throw std::invalid_argument("no sound recipe '" + std::string(recipe) + "'");
}

const std::set<std::string, std::less<>> kRecipes = {"click", "zap",  "zap2",  "whoosh", "whoosh2", "alarm", "rise",
                                                     "fall",  "chime", "ping", "warble", "launch",  "boom",  "blast"};
const std::set<std::string, std::less<>> kMusicFlags = {"major", "minor", "calm", "fanfare", "drums"};

Audio RenderEffect(const Asset& a, const Style& s) {
  const std::string& recipe = *s.flags.begin();
  Audio out;
  out.channels = 1;
  out.rate = kEffectRate;
  int n = std::max(1, int(std::lround(a.seconds * out.rate)));
  out.samples.resize(n);
  EffectState st(Hash(a.file));
  for (int i = 0; i < n; ++i) out.samples[i] = static_cast<float>(Effect(recipe, double(i) / out.rate, a.seconds, st, out.rate));
  // Short ramps at both ends keep the start and the end free of clicks.
  int ramp = std::min(n / 4, out.rate / 500);
  for (int i = 0; i < ramp; ++i) out.samples[n - 1 - i] *= float(i) / ramp;
  Normalise(out.samples, 0.8);
  return out;
}

// ---- Music: a melody over a bass line, optional pad and drums, in stereo --------------------------

double MidiHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

struct Mixer {
  std::vector<float>& s;
  int rate;
  // Adds a decaying tone: `pan` 0 = left, 1 = right.
  void Tone(double start, double length, double hz, double gain, double pan, double decay, bool bright) {
    int from = int(start * rate), count = int((length + 0.15) * rate), frames = int(s.size() / 2);
    for (int i = 0; i < count && from + i < frames; ++i) {
      double t = double(i) / rate, x = kTau * hz * t;
      double wave = bright ? 0.6 * std::sin(x) + 0.4 * (4 / kTau * std::asin(std::sin(x))) : std::sin(x) + 0.15 * std::sin(2 * x);
      double env = std::min(1.0, t * 150) * std::exp(-t / decay) * (t > length ? std::max(0.0, 1 - (t - length) / 0.15) : 1);
      double v = wave * env * gain;
      s[2 * (from + i)] += float(v * (1 - pan));
      s[2 * (from + i) + 1] += float(v * pan);
    }
  }
  void Hit(double start, double length, Noise& noise, bool kick) {
    int from = int(start * rate), count = int(length * rate), frames = int(s.size() / 2);
    for (int i = 0; i < count && from + i < frames; ++i) {
      double t = double(i) / rate;
      double v = kick ? std::sin(kTau * Sweep(120, 45, t / length) * t) * std::exp(-t * 18) * 0.9
                      : noise.Next() * std::exp(-t * 70) * 0.25;
      s[2 * (from + i)] += float(v * 0.5);
      s[2 * (from + i) + 1] += float(v * 0.5);
    }
  }
};

Audio RenderMusic(const Asset& a, const Style& s) {
  Audio out;
  out.channels = 2;
  out.rate = kMusicRate;
  int frames = std::max(1, int(std::lround(a.seconds * out.rate)));
  out.samples.assign(std::size_t(frames) * 2, 0.0f);
  Noise rng(Hash(a.label));
  bool minor = s.Has("minor");
  static constexpr int major_scale[] = {0, 2, 4, 5, 7, 9, 11}, minor_scale[] = {0, 2, 3, 5, 7, 8, 10};
  const int* scale = minor ? minor_scale : major_scale;
  auto pitch = [&](int degree) { return scale[((degree % 7) + 7) % 7] + 12 * int(std::floor(degree / 7.0)); };
  static constexpr int major_chords[] = {0, 5, 3, 4}, minor_chords[] = {0, 5, 6, 4};  // chord roots per bar
  const int* progression = minor ? minor_chords : major_chords;
  double bpm = s.Has("calm") ? 92 : s.Has("fanfare") ? 140 : 118, beat = 60 / bpm, step = beat / 2;
  int root = 57 + int(rng.state % 5);
  Mixer mix{out.samples, out.rate};
  int steps = int(a.seconds / step), degree = 7;
  for (int i = 0; i < steps; ++i) {
    int bar = i / 8, chord = progression[bar % 4];
    bool last = i >= steps - 2;
    double t = i * step;
    if (i % 2 == 0) {  // bass on every beat, the chord root
      mix.Tone(t, beat * 0.9, MidiHz(root - 12 + pitch(chord)), 0.5, 0.35, 0.35, false);
      if (s.Has("drums")) mix.Hit(t, beat * 0.9, rng, (i / 2) % 2 == 0);
    }
    if (s.Has("drums")) mix.Hit(t, step, rng, false);
    if (s.Has("calm") && i % 8 == 0)
      for (int tone : {0, 2, 4}) mix.Tone(t, beat * 4, MidiHz(root + pitch(chord + tone)), 0.12, 0.5, 2.0, false);
    if (last) {
      if (i == steps - 2) mix.Tone(t, step * 2, MidiHz(root + 12), 0.45, 0.65, 0.5, true);
      continue;
    }
    double roll = (rng.Next() + 1) / 2;
    if (!s.Has("fanfare") && roll < 0.18) continue;  // a rest now and then
    if (i % 8 == 0 || s.Has("fanfare")) {             // bar starts (and fanfares) sit on the chord
      static constexpr int chord_tones[] = {0, 2, 4, 7};
      degree = chord + chord_tones[s.Has("fanfare") ? i % 4 : int(roll * 4) % 4];
    } else {                                          // otherwise a step or two along the scale
      degree = std::clamp(degree + int(std::lround(rng.Next() * 2)), 0, 11);
    }
    mix.Tone(t, step * 0.9, MidiHz(root + 12 + pitch(degree)), 0.45, 0.65, 0.3, true);
  }
  // Fade in and out so the loop points do not click.
  int fade_in = out.rate / 50, fade_out = std::min(frames / 3, int(out.rate * 0.4));
  for (int i = 0; i < frames; ++i) {
    double g = std::min({1.0, double(i) / fade_in, double(frames - 1 - i) / fade_out});
    out.samples[2 * i] *= float(g), out.samples[2 * i + 1] *= float(g);
  }
  Normalise(out.samples, 0.8);
  return out;
}

}  // namespace

Style SoundStyle(const Asset& asset, const Catalogue& catalogue) {
  std::string_view shape = std::string_view(asset.kind).substr(0, asset.kind.find('.'));
  if (shape == "sfx") {
    Style s = ParseStyle(asset.kind, catalogue, kRecipes, {});
    if (s.flags.size() != 1) throw std::invalid_argument("an effect names exactly one recipe");
    return s;
  }
  if (shape == "music") return ParseStyle(asset.kind, catalogue, kMusicFlags, {});
  throw std::invalid_argument("no sound shape '" + std::string(shape) + "' (sfx, music)");
}

Audio Synthesize(const Asset& asset, const Catalogue& catalogue) {
  Style s = SoundStyle(asset, catalogue);
  return s.shape == "sfx" ? RenderEffect(asset, s) : RenderMusic(asset, s);
}

}  // namespace assetgen
