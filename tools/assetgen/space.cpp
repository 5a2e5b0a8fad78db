// Space pictures: lit planets with surfaces from noise, suns, wormholes, asteroid fields, the pirate
// hideout, space finds, map markers, scenes, explosions and cities.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tools/assetgen/kit.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/ships.h"

namespace assetgen {
namespace {

struct Vec {
  double x, y, z;
};

double Smooth(double a, double b, double v) {
  double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// A colour ramp: stops at positions 0..1, interpolated.
Rgb Ramp(std::initializer_list<std::pair<double, Rgb>> stops, double v) {
  auto it = stops.begin();
  if (v <= it->first) return it->second;
  for (auto next = it + 1; next != stops.end(); ++it, ++next)
    if (v <= next->first) return Mix(it->second, next->second, (v - it->first) / (next->first - it->first));
  return (stops.end() - 1)->second;
}

// A sphere lit from the upper left, coloured by `surface` at each point of its (turned) surface;
// the edge is anti-aliased by coverage.
using Surface = std::function<Rgb(const Vec&)>;
void Sphere(Context& k, double cx, double cy, double r, double turn, const Surface& surface, double ambient = 0.05) {
  const Vec light{-0.8, -0.38, 0.46};
  const double ct = std::cos(turn), st = std::sin(turn);
  k.c.Shade(int(cx - r - 1), int(cy - r - 1), int(cx + r + 2), int(cy + r + 2), [&](int x, int y, Rgb old) {
    double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r, d = std::hypot(dx, dy);
    double cover = std::clamp((1 - d) * r + 0.5, 0.0, 1.0);
    if (cover <= 0) return old;
    double dz = std::sqrt(std::max(0.0, 1 - std::min(1.0, d * d)));
    double lambert = dx * light.x + dy * light.y + dz * light.z;
    double lit = ambient + (1 - ambient) * Smooth(-0.06, 0.4, lambert) * (0.75 + 0.25 * dz);
    Vec p{dx * ct + dz * st, dy, -dx * st + dz * ct};
    return Mix(old, Scale(surface(p), lit), cover);
  });
}

// A thin bright rim of air on the lit side.
void Atmosphere(Context& k, double cx, double cy, double r, Rgb air) {
  cairo_t* cr = k.cr();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  RadialSource(cr, cx, cy, r * 0.86, r * 1.08, {{0, air, 0}, {0.62, air, 0.55}, {1, air, 0}},
               cx + r * 0.12, cy + r * 0.1);
  cairo_arc(cr, cx, cy, r * 1.08, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

// Craters as darker bowls with a bright rim, at fixed points of the sphere.
struct Craters {
  std::vector<Vec> at;
  std::vector<double> size;
  Craters(Scatter& r, int n, double big) {
    for (int i = 0; i < n; ++i) {
      double z = r.Range(-1, 1), a = r.Range(0, 2 * kPi), s = std::sqrt(1 - z * z);
      at.push_back({s * std::cos(a), s * std::sin(a), z});
      size.push_back(big * std::pow(r.Unit(), 2.2) + 0.03);
    }
  }
  double Shade(const Vec& p) const {  // 1 = untouched; below darker, above brighter
    double f = 1;
    for (std::size_t i = 0; i < at.size(); ++i) {
      double d = std::sqrt((p.x - at[i].x) * (p.x - at[i].x) + (p.y - at[i].y) * (p.y - at[i].y) +
                           (p.z - at[i].z) * (p.z - at[i].z)) / size[i];
      if (d < 0.8) f *= 0.78 + 0.1 * d;
      else if (d < 1.05) f *= 1.18;
    }
    return f;
  }
};

enum class Body { Earth, Jungle, Ocean, Desert, Mars, Moon, Dark, Toxic, Ice, Gas };

Body BodyOf(const Style& s) {
  for (auto [flag, body] : {std::pair{"jungle", Body::Jungle}, {"ocean", Body::Ocean}, {"desert", Body::Desert},
                            {"mars", Body::Mars}, {"moon", Body::Moon}, {"dark", Body::Dark},
                            {"toxic", Body::Toxic}, {"ice", Body::Ice}, {"gas", Body::Gas}})
    if (s.Has(flag)) return body;
  return Body::Earth;
}

// A faint rim all round an airless world, so a small one's dark side still shows its edge.
void Limb(Context& k, double cx, double cy, double r, Rgb colour) {
  cairo_t* cr = k.cr();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  RadialSource(cr, cx, cy, r * 0.8, r * 1.06, {{0, colour, 0}, {0.75, colour, 0.35}, {1, colour, 0}});
  cairo_arc(cr, cx, cy, r * 1.06, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

// `small`: the surface of a small picture, its lava seams coarser so they read as seams, not grain.
Surface SurfaceOf(Body body, std::uint32_t seed, Rgb tint, bool small = false) {
  auto land = std::make_shared<Noise>(seed), air = std::make_shared<Noise>(seed * 7 + 3);
  Scatter r(seed);
  double shift = r.Range(-0.12, 0.12), sea = r.Range(-0.18, 0.2), f = r.Range(1.3, 2.6);
  const Rgb greens[] = {{60, 120, 50}, {95, 120, 55}, {45, 100, 60}, {130, 115, 70}, {70, 135, 75}};
  const Rgb lush = greens[r.Next() % 5];
  const double cloudiness = r.Range(0.45, 0.95);
  auto craters = std::make_shared<Craters>(r, body == Body::Moon ? 38 : 16, body == Body::Moon ? 0.3 : 0.2);
  auto clouds = [=](const Vec& p, Rgb c, double amount) {
    double q = air->Fractal(p.x * 2.2, p.y * 5.0, p.z * 2.2, 4);
    return Mix(c, Rgb{245, 248, 255}, Smooth(0.05, 0.55, q) * amount);
  };
  switch (body) {
    case Body::Earth:
    case Body::Jungle:
    case Body::Ocean:
      return [=](const Vec& p) {
        double level = body == Body::Jungle ? sea - 0.25 : body == Body::Ocean ? sea + 0.3 : sea;
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 6);
        Rgb c;
        if (h < level) {
          c = Mix(Rgb{10, 35, 95}, Rgb{30, 95, 160}, Smooth(level - 0.5, level, h));
        } else {
          Rgb green = body == Body::Jungle ? Mix(Rgb{30, 105, 40}, lush, 0.3) : lush;
          c = Ramp({{0, Rgb{190, 175, 120}}, {0.06, green}, {0.35, Mix(green, Rgb{120, 100, 60}, 0.6)},
                    {0.6, Rgb{140, 130, 120}}, {0.75, Rgb{235, 235, 240}}},
                   h - level);
        }
        double cap = std::fabs(p.y) + land->At(p.x * 4, p.y * 4, p.z * 4) * 0.08;
        if (cap > 0.86) c = Mix(c, Rgb{235, 242, 250}, Smooth(0.86, 0.9, cap));
        return clouds(p, c, body == Body::Jungle ? 0.9 : cloudiness);
      };
    case Body::Desert: {
      // Each desert world its own sand (pale, ochre, rust-tan or grey dust), dune belts at its own
      // pitch and slant, and dark rock plateaus of its own extent.
      constexpr Rgb kSands[][3] = {{{150, 95, 55}, {210, 165, 105}, {235, 205, 150}},
                                   {{120, 80, 30}, {200, 150, 60}, {240, 200, 110}},
                                   {{130, 70, 50}, {195, 125, 90}, {230, 180, 140}},
                                   {{95, 90, 80}, {170, 160, 140}, {215, 208, 190}}};
      const auto& sand = kSands[r.Next() % 4];
      const double pitch = r.Range(10, 34), slant = r.Range(-1.2, 1.2), rock = r.Range(0.15, 0.55);
      return [=](const Vec& p) {
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 5);
        double dunes = std::sin((p.y + slant * p.x) * pitch + h * 9) * 0.5 + 0.5;
        Rgb c = Ramp({{-0.6, sand[0]}, {0, sand[1]}, {0.5, sand[2]}}, h + shift);
        c = Scale(c, 0.86 + 0.2 * dunes);
        double plateau = air->Fractal(p.x * 1.6, p.y * 1.6, p.z * 1.6, 3);
        return Mix(c, Scale(sand[0], 0.6), Smooth(rock, rock + 0.08, plateau) * 0.8);
      };
    }
    case Body::Mars: {
      // Each red world its own rust (brick, orange, crimson or brown), dark lowlands of its own
      // extent, more or fewer craters, and ice caps on some.
      constexpr Rgb kRusts[][3] = {{{110, 40, 25}, {185, 80, 45}, {225, 140, 90}},
                                   {{130, 55, 15}, {215, 110, 40}, {245, 170, 90}},
                                   {{90, 20, 25}, {170, 45, 40}, {215, 100, 85}},
                                   {{80, 45, 30}, {150, 90, 60}, {200, 145, 105}}};
      const auto& rust = kRusts[r.Next() % 4];
      const double lowland = r.Range(-0.2, 0.35);
      const bool caps = r.Unit() < 0.5;
      return [=](const Vec& p) {
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 5);
        Rgb c = Ramp({{-0.6, rust[0]}, {0, rust[1]}, {0.6, rust[2]}}, h + shift);
        double low = air->Fractal(p.x * 1.3, p.y * 1.3, p.z * 1.3, 3);
        c = Mix(c, Scale(rust[0], 0.7), Smooth(lowland, lowland + 0.1, low) * 0.75);
        c = Scale(c, craters->Shade(p));
        if (caps && std::fabs(p.y) > 0.82) c = Mix(c, Rgb{240, 225, 215}, 0.85);
        return c;
      };
    }
    case Body::Moon:
      return [=](const Vec& p) {
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 5);
        Rgb c = Ramp({{-0.6, Rgb{95, 95, 100}}, {0.1, Rgb{160, 160, 158}}, {0.6, Rgb{200, 198, 192}}}, h);
        return Scale(c, craters->Shade(p));
      };
    case Body::Dark:  // scorched rock with glowing lava seams
      return [=](const Vec& p) {
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 5);
        const double q = small ? 1.4 : 3;
        double seam = 1 - std::fabs(land->Fractal(p.x * q + 5, p.y * q, p.z * q, small ? 2 : 4));
        Rgb rock = Mix(Rgb{45, 38, 52}, Rgb{95, 85, 100}, Smooth(-0.6, 0.6, h));
        rock = Scale(rock, craters->Shade(p));
        return Mix(rock, Rgb{255, std::uint8_t(110 + 80 * shift), 30}, Smooth(small ? 0.84 : 0.9, small ? 0.95 : 0.98, seam));
      };
    case Body::Toxic:
      return [=](const Vec& p) {
        double warp = land->Fractal(p.x * 2, p.y * 2, p.z * 2, 4);
        double band = std::sin(p.y * 9 + warp * 5);
        Rgb c = Ramp({{-1, Rgb{90, 110, 20}}, {0, Rgb{175, 200, 50}}, {1, Rgb{225, 230, 120}}}, band);
        return clouds(p, c, 0.35);
      };
    case Body::Ice:
      return [=](const Vec& p) {
        double h = land->Fractal(p.x * f, p.y * f, p.z * f, 5);
        double crack = 1 - std::fabs(land->Fractal(p.x * 4, p.y * 4, p.z * 4 + 7, 3));
        Rgb c = Mix(Rgb{170, 200, 225}, Rgb{240, 248, 255}, Smooth(-0.5, 0.5, h));
        return Mix(c, Rgb{70, 120, 170}, Smooth(0.9, 0.97, crack) * 0.8);
      };
    case Body::Gas:
      return [=](const Vec& p) {
        double warp = land->Fractal(p.x * 1.5, p.y * 1.5, p.z * 1.5, 5);
        double band = std::sin(p.y * 14 + warp * 3.2) * 0.5 + 0.5;
        double fine = std::sin(p.y * 40 + warp * 6) * 0.5 + 0.5;
        Rgb light = Mix(tint, Rgb{250, 235, 205}, 0.5), dark = Scale(Mix(tint, Rgb{150, 80, 40}, 0.5), 0.75);
        return Scale(Mix(dark, light, band), 0.92 + 0.1 * fine);
      };
  }
  return [](const Vec&) { return Rgb{128, 128, 128}; };
}

Rgb AirOf(Body body) {
  switch (body) {
    case Body::Earth:
    case Body::Ocean: return Rgb{90, 160, 255};
    case Body::Jungle: return Rgb{110, 200, 170};
    case Body::Toxic: return Rgb{180, 220, 60};
    case Body::Ice: return Rgb{170, 210, 255};
    case Body::Gas: return Rgb{230, 200, 150};
    case Body::Desert: return Rgb{230, 180, 120};
    case Body::Mars: return Rgb{220, 120, 80};
    default: return kBlack;
  }
}

void Sun(Context& k, double cx, double cy, double r) {
  Rgb hot = k.main();
  cairo_t* cr = k.cr();
  // The glow fades out inside the picture, so no edge of it shows on the map.
  const double room = std::min(k.w(), k.h()) / 2 - 0.5;
  Glow(cr, cx, cy, std::min(r * 2.4, room), Scale(hot, 0.8), 0.8);
  Glow(cr, cx, cy, std::min(r * 1.5, room), hot, 0.9);
  Noise grain(Hash(k.a.label));
  k.c.Shade(int(cx - r - 1), int(cy - r - 1), int(cx + r + 2), int(cy + r + 2), [&](int x, int y, Rgb old) {
    double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r, d = std::hypot(dx, dy);
    double cover = std::clamp((1 - d) * r + 0.5, 0.0, 1.0);
    if (cover <= 0) return old;
    double g = grain.Fractal(dx * 4, dy * 4, 1.3, 4);
    Rgb c = Mix(Rgb{255, 250, 225}, hot, std::pow(d, 2.5) * 0.8 + 0.1);
    return Mix(old, Scale(c, 0.95 + 0.12 * g - 0.25 * std::pow(d, 4)), cover);
  });
}

void Wormhole(Context& k, double cx, double cy, double r) {
  Rgb t = k.main();
  k.c.Shade(int(cx - r * 1.4), int(cy - r * 1.4), int(cx + r * 1.4) + 1, int(cy + r * 1.4) + 1, [&](int x, int y, Rgb old) {
    double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::hypot(dx, dy) / r;
    if (d > 1.4) return old;
    double a = std::atan2(dy, dx);
    double arms = std::pow(0.5 + 0.5 * std::sin(a * 3 + std::log(d + 0.05) * 7), 3);
    double fall = Smooth(1.4, 0.35, d) * Smooth(0.1, 0.32, d);
    Rgb light = Mix(t, Rgb{200, 230, 255}, Smooth(0.8, 0.3, d));
    Rgb out = Mix(old, light, std::clamp(fall * (0.35 + 0.75 * arms), 0.0, 1.0));
    return d < 0.22 ? Mix(out, kBlack, Smooth(0.22, 0.12, d)) : out;
  });
  Glow(k.cr(), cx, cy, r * 0.5, Rgb{230, 220, 255}, 0.25);
}

// A lumpy rock: an irregular polygon shaded from the upper left.
void Rock(cairo_t* cr, Scatter& s, double cx, double cy, double r, Rgb colour) {
  std::vector<Point> pts;
  int n = 9;
  for (int i = 0; i < n; ++i) {
    double a = i * 2 * kPi / n, rr = r * s.Range(0.7, 1.1);
    pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a) * 0.85});
  }
  PolygonPath(cr, pts);
  RadialSource(cr, cx, cy, 0, r * 1.2, {{0, Scale(colour, 1.35)}, {0.7, Scale(colour, 0.7)}, {1, Scale(colour, 0.3)}},
               cx - r * 0.4, cy - r * 0.4);
  cairo_fill(cr);
}

void Belt(Context& k, double cx, double cy, double r) {
  Scatter s = k.scatter(0xa57e);
  struct Piece { double x, y, size; };
  std::vector<Piece> rocks;
  for (int i = 0; i < 34; ++i) {
    double a = s.Range(0, 2 * kPi), d = r * s.Range(0.1, 1.05);
    rocks.push_back({cx + d * std::cos(a), cy + d * std::sin(a) * 0.55, r * (0.05 + 0.16 * std::pow(s.Unit(), 2))});
  }
  std::sort(rocks.begin(), rocks.end(), [](const Piece& a, const Piece& b) { return a.y < b.y; });
  for (const Piece& p : rocks) Rock(k.cr(), s, p.x, p.y, std::max(p.size, 0.8), Mix(k.main(), Rgb{140, 125, 105}, 0.5));
}

void Hideout(Context& k, double cx, double cy, double r) {
  cairo_t* cr = k.cr();
  Style rock;
  rock.flags.emplace("moon");
  Sphere(k, cx, cy + r * 0.15, r * 0.8, 1.0, SurfaceOf(BodyOf(rock), Hash(k.a.label), Rgb{}));
  Source(cr, Rgb{120, 80, 50}, 0.25);  // a rusty cast: a rock nobody keeps clean
  cairo_arc(cr, cx, cy + r * 0.15, r * 0.8, 0, 2 * kPi);
  cairo_fill(cr);
  Rgb metal{150, 155, 165};
  // Docking spars, domes and a mast with red warning lights.
  cairo_set_line_width(cr, std::max(1.0, r * 0.07));
  Source(cr, Scale(metal, 0.8));
  cairo_move_to(cr, cx - r * 1.1, cy - r * 0.05);
  cairo_line_to(cr, cx + r * 1.1, cy - r * 0.05);
  cairo_stroke(cr);
  for (double dx : {-0.35, 0.3}) {
    double x = cx + dx * r, y = cy - r * 0.25, dr = r * (dx < 0 ? 0.32 : 0.24);
    cairo_arc(cr, x, y, dr, kPi, 2 * kPi);
    cairo_close_path(cr);
    RadialSource(cr, x, y, 0, dr, {{0, Scale(metal, 1.3)}, {1, Scale(metal, 0.55)}}, x - dr * 0.4, y - dr * 0.6);
    cairo_fill(cr);
  }
  Source(cr, Scale(metal, 0.9));
  cairo_set_line_width(cr, std::max(0.8, r * 0.04));
  cairo_move_to(cr, cx + r * 0.05, cy - r * 0.3);
  cairo_line_to(cr, cx + r * 0.05, cy - r * 0.95);
  cairo_stroke(cr);
  for (Point p : {Point{cx + r * 0.05, cy - r * 0.95}, Point{cx - r * 1.1, cy - r * 0.05}, Point{cx + r * 1.1, cy - r * 0.05}})
    Glow(cr, p.x, p.y, std::max(2.0, r * 0.18), k.main(), 1);
}

void Rings(Context& k, double cx, double cy, double r, bool front) {
  cairo_t* cr = k.cr();
  Rgb t = Mix(k.main(), Rgb{240, 225, 190}, 0.5);
  cairo_save(cr);
  cairo_rectangle(cr, 0, front ? cy : 0, k.w(), front ? k.h() : cy);
  cairo_clip(cr);
  cairo_set_line_width(cr, std::max(0.6, r * 0.04));
  Scatter s = k.scatter(0x7135);
  for (double rr = r * 1.25; rr < r * 2.0; rr += std::max(0.6, r * 0.04)) {
    cairo_save(cr);  // the ring's path in the tilted frame, its stroke in the picture's
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.28);
    cairo_scale(cr, 1, 0.3);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, rr, 0, 2 * kPi);
    cairo_restore(cr);
    Source(cr, Scale(t, s.Range(0.6, 1.1)), s.Range(0.25, 0.75));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace

void PaintPlanet(Context& k) {
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2, r = std::min(w, h) * (k.s.Has("ring") ? 0.28 : 0.4);
  bool large = h >= 100;
  if (large) {
    Starfield(k, 0.004, true);
  } else {
    k.c.Transform([](Rgb) { return Rgb{3, 4, 10}; });
  }
  std::uint32_t seed = Hash(k.a.label);
  if (k.s.Has("star")) {
    if (!large) k.c.Transform([](Rgb) { return kBlack; });  // the map's own black, into which the glow fades
    Sun(k, cx, cy, large ? r * 0.8 : std::min(w, h) * 0.24);
  } else if (k.s.Has("hole")) {
    Wormhole(k, cx, cy, r);
  } else if (k.s.Has("belt")) {
    Belt(k, cx, cy, r);
  } else if (k.s.Has("base")) {
    Hideout(k, cx, cy, r);
  } else {
    Body body = BodyOf(k.s);
    if (k.s.Has("ring")) Rings(k, cx, cy, r, false);
    // A small picture lights the night side a little more, so the whole disc reads as a ball.
    Sphere(k, cx, cy, r, (seed % 628) / 100.0, SurfaceOf(body, seed, k.main(), !large), large ? 0.05 : 0.16);
    if (Rgb air = AirOf(body); air != kBlack) Atmosphere(k, cx, cy, r, air);
    else if (!large) Limb(k, cx, cy, r, body == Body::Dark ? Rgb{200, 90, 40} : Rgb{150, 150, 160});
    if (k.s.Has("ring")) Rings(k, cx, cy, r, true);
  }
}

namespace {

// A white escape capsule `length` long, turned by `turn`, with a window and a red beacon behind.
void Lifepod(cairo_t* cr, double cx, double cy, double length, double turn) {
  const double r = length / 2;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, turn);
  RoundedRect(cr, -r, -r * 0.45, 2 * r, r * 0.9, r * 0.45);
  LinearSource(cr, 0, -r * 0.45, 0, r * 0.45, {{0, Rgb{250, 250, 255}}, {1, Rgb{120, 125, 140}}});
  cairo_fill(cr);
  Source(cr, Rgb{60, 140, 220});
  cairo_arc(cr, r * 0.45, 0, r * 0.22, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
  Glow(cr, cx - r * 0.85 * std::cos(turn), cy - r * 0.85 * std::sin(turn), r * 0.6, Rgb{255, 70, 50}, 1.2);
}

}  // namespace

// The space-find icons of the travel map: each kind its own shape.
void PaintFind(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.36;
  k.c.Transform([](Rgb) { return Rgb{3, 4, 10}; });
  if (k.s.Has("pod")) {  // a white capsule with a blinking beacon
    Lifepod(cr, cx, cy, 2 * r, -0.5);
  } else if (k.s.Has("chest")) {  // a gold-banded cargo crate
    RoundedRect(cr, cx - r, cy - r * 0.7, 2 * r, r * 1.5, 2);
    LinearSource(cr, 0, cy - r * 0.7, 0, cy + r * 0.8, {{0, Rgb{150, 110, 60}}, {1, Rgb{80, 55, 30}}});
    cairo_fill(cr);
    Source(cr, kGold);
    cairo_rectangle(cr, cx - r, cy - r * 0.2, 2 * r, std::max(1.5, r * 0.2));
    cairo_rectangle(cr, cx - r * 0.12, cy - r * 0.7, r * 0.24, r * 1.5);
    cairo_fill(cr);
    Glow(cr, cx, cy - r * 0.1, r * 0.8, kGold, 0.6);
  } else if (k.s.Has("ghost")) {  // the derelict warship of the ghost-ship scene, in its green haze
    Glow(cr, cx, cy, std::min(k.w(), k.h()) * 0.5, Rgb{60, 200, 120}, 0.55);
    DrawSceneShip(cr, "Corsair", "Pirate_", cx, cy, r * 2.3, 0.7, true);
    Glow(cr, cx - r * 0.2, cy - r * 0.3, r * 0.35, Rgb{140, 255, 180}, 0.8);
  } else if (k.s.Has("artifact")) {  // a violet crystal with a glow
    Glow(cr, cx, cy, r * 1.4, Rgb{170, 90, 255}, 0.9);
    PolygonPath(cr, {{cx, cy - r * 1.1}, {cx + r * 0.55, cy - r * 0.1}, {cx, cy + r * 1.1}, {cx - r * 0.55, cy - r * 0.1}});
    LinearSource(cr, cx - r, 0, cx + r, 0, {{0, Rgb{240, 200, 255}}, {0.5, Rgb{170, 90, 240}}, {1, Rgb{70, 20, 120}}});
    cairo_fill(cr);
  } else {  // secret data: a data chip with gold contacts
    RoundedRect(cr, cx - r * 0.8, cy - r * 0.8, r * 1.6, r * 1.6, 2);
    LinearSource(cr, 0, cy - r, 0, cy + r, {{0, Rgb{60, 120, 220}}, {1, Rgb{20, 45, 110}}});
    cairo_fill(cr);
    Source(cr, kGold);
    for (int i = 0; i < 3; ++i) {
      cairo_rectangle(cr, cx - r * 1.05, cy - r * 0.55 + i * r * 0.45, r * 0.3, r * 0.18);
      cairo_rectangle(cr, cx + r * 0.75, cy - r * 0.55 + i * r * 0.45, r * 0.3, r * 0.18);
    }
    cairo_fill(cr);
    Glow(cr, cx, cy, r * 0.5, Rgb{120, 220, 255}, 0.9);
  }
}

// The galaxy map's system marker: a glowing star ringed in the owner's colour, the ring's shape by
// owner so that owners differ by more than colour; the war marker is two crossed blades.
void PaintBlip(Context& k) {
  cairo_t* cr = k.cr();
  Rgb t = k.main();
  double cx = k.w() / 2, cy = k.h() / 2, r = std::min(k.w(), k.h()) * 0.36;
  k.c.Transform([](Rgb) { return Rgb{3, 4, 10}; });
  Glow(cr, cx, cy, r * 1.5, t, 0.7);
  if (k.s.Has("battle")) {
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Source(cr, Rgb{255, 235, 210});
    cairo_move_to(cr, cx - r, cy - r);
    cairo_line_to(cr, cx + r, cy + r);
    cairo_move_to(cr, cx - r, cy + r);
    cairo_line_to(cr, cx + r, cy - r);
    cairo_stroke(cr);
    return;
  }
  // Federation hexagon, Outer Rim diamond, Coalition triangle, Syndicate pentagon; an unowned
  // system a plain dashed ring.
  std::string_view owner = k.a.label;
  if (owner == "Neutral") {
    double dash[] = {2.5, 2};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_arc(cr, cx, cy, r * 0.9, 0, 2 * kPi);
    Source(cr, Mix(t, kWhite, 0.2));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    return;
  }
  int sides = owner.starts_with("Fed") ? 6 : owner.starts_with("Out") ? 4 : owner.starts_with("Coal") ? 3 : 5;
  std::vector<Point> ring;
  for (int i = 0; i < sides; ++i) {
    double a = -kPi / 2 + i * 2 * kPi / sides;
    ring.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  PolygonPath(cr, ring);
  Source(cr, Mix(t, kWhite, 0.2));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  Glow(cr, cx, cy, r * 0.6, Rgb{255, 250, 235}, 1.2);
}

// The map's star-system symbol: a four-pointed star in its owner's colour. Ships and stations are
// drawn by PaintShipSymbol.
void PaintSymbol(Context& k) {
  if (!k.s.Has("system")) return PaintShipSymbol(k);
  cairo_t* cr = k.cr();
  Rgb t = Scale(LiveryColour(k, k.main()), k.s.off ? 0.55 : 1.0);
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2;
  k.c.Transform([](Rgb) { return kBlack; });
  Glow(cr, cx, cy, std::min(w, h) * 0.5, t, 0.9);
  PolygonPath(cr, StarPoints(cx, cy, std::min(w, h) * 0.36, std::min(w, h) * 0.12, 4, 0));
  Source(cr, Mix(t, kWhite, 0.7));
  cairo_fill(cr);
}

// ---- Scenes ----------------------------------------------------------------------------------------

void PaintScene(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  Starfield(k, 0.003, true, Mix(t, Rgb{60, 40, 110}, 0.5));
  Scatter s = k.scatter(0x5ce7);
  auto planet = [&](double x, double y, double r, Rgb tint, std::string_view body) {
    Style st;
    st.flags.emplace(body);
    Sphere(k, x, y, r, s.Range(0, 6), SurfaceOf(BodyOf(st), Hash(k.a.file), tint));
    if (Rgb air = AirOf(BodyOf(st)); air != kBlack) Atmosphere(k, x, y, r, air);
  };
  if (k.s.Has("news")) {  // a newsroom hologram: a globe between screen bars
    planet(w * 0.5, h * 0.45, h * 0.28, t, "earth");
    for (int i = 0; i < 5; ++i) {
      Source(cr, Rgb{90, 180, 255}, 0.22);
      cairo_rectangle(cr, w * 0.08, h * (0.8 + 0.035 * i), w * s.Range(0.3, 0.84), 2);
      cairo_fill(cr);
    }
    Source(cr, Rgb{120, 200, 255}, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, w * 0.5, h * 0.45, h * 0.36, 0, 2 * kPi);
    cairo_stroke(cr);
  } else if (k.s.Has("treasure")) {  // stacked credit chips in a warm light
    Glow(cr, w * 0.5, h * 0.6, w * 0.6, kAmber, 0.5);
    for (int i = 0; i < 26; ++i) {
      double x = w * s.Range(0.2, 0.8), y = h * (0.85 - 0.5 * std::pow(s.Unit(), 1.5)), rr = w * 0.07;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, 1, 0.45);
      cairo_arc(cr, 0, 0, rr, 0, 2 * kPi);
      cairo_restore(cr);
      RadialSource(cr, x, y, 0, rr, {{0, Rgb{255, 235, 150}}, {0.8, kGold}, {1, Rgb{140, 95, 20}}}, x - rr * 0.3, y - rr * 0.2);
      cairo_fill(cr);
    }
  } else if (k.s.Has("ghost")) {  // a derelict warship adrift in a green haze, dead and torn open
    Glow(cr, w * 0.5, h * 0.52, w * 0.62, Rgb{60, 180, 120}, 0.45);
    Glow(cr, w * 0.9, h * 0.1, w * 0.3, Rgb{200, 220, 210}, 0.25);
    DrawSceneShip(cr, "Corsair", "Pirate_", w * 0.5, h * 0.52, w * 0.78, 0.55, true);
    for (int i = 0; i < 9; ++i)  // wreckage drifting away from it
      Rock(cr, s, w * s.Range(0.15, 0.9), h * s.Range(0.15, 0.9), w * s.Range(0.008, 0.02), Rgb{80, 95, 88});
    Glow(cr, w * 0.42, h * 0.4, w * 0.05, Rgb{120, 255, 170}, 0.6);  // a last light still burning aboard
  } else if (k.s.Has("pod")) {
    planet(w * 0.15, h * 1.05, h * 0.5, t, "earth");
    Lifepod(cr, w * 0.55, h * 0.45, w * 0.4, -0.4);
  } else if (k.s.Has("artifact")) {
    Glow(cr, w * 0.5, h * 0.5, w * 0.55, Rgb{170, 90, 255}, 0.7);
    PolygonPath(cr, {{w * 0.5, h * 0.12}, {w * 0.66, h * 0.5}, {w * 0.5, h * 0.88}, {w * 0.34, h * 0.5}});
    LinearSource(cr, w * 0.3, 0, w * 0.7, 0, {{0, Rgb{245, 215, 255}}, {0.5, Rgb{160, 80, 235}}, {1, Rgb{60, 15, 110}}});
    cairo_fill(cr);
  } else if (k.s.Has("fleet")) {  // a hostile battle line coming in: a battleship, cruisers, fighters
    Glow(cr, w * 0.75, h * 0.3, w * 0.6, Rgb{200, 40, 30}, 0.4);
    Glow(cr, w * 0.95, h * 0.05, w * 0.25, Rgb{255, 230, 200}, 0.35);
    const double turn = kPi + 0.35;  // flying left and towards the viewer
    DrawSceneShip(cr, "Shark", "Pirate_", w * 0.78, h * 0.2, w * 0.26, turn);
    DrawSceneShip(cr, "Shark", "Pirate_", w * 0.86, h * 0.58, w * 0.26, turn);
    DrawSceneShip(cr, "Marauder", "Pirate_", w * 0.5, h * 0.45, w * 0.55, turn);
    for (auto [x, y] : {std::pair{0.2, 0.2}, {0.16, 0.7}, {0.3, 0.85}, {0.35, 0.12}})
      DrawSceneShip(cr, "Starwolf", "Pirate_", w * x, h * y, w * 0.1, turn);
  } else if (k.s.Has("simulator")) {  // a holographic training grid with two ships
    Source(cr, Rgb{70, 200, 255}, 0.3);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i <= 10; ++i) {
      double y = h * 0.55 + i * i * h * 0.0045;
      cairo_move_to(cr, 0, y);
      cairo_line_to(cr, w, y);
      cairo_move_to(cr, w * 0.5 + (i - 5) * w * 0.04, h * 0.55);
      cairo_line_to(cr, w * 0.5 + (i - 5) * w * 0.2, h);
    }
    cairo_stroke(cr);
    Glow(cr, w * 0.3, h * 0.35, w * 0.2, Rgb{70, 200, 255}, 0.3);
    Glow(cr, w * 0.72, h * 0.4, w * 0.2, Rgb{70, 200, 255}, 0.3);
    DrawSceneShip(cr, "Avenger", "Federation_", w * 0.28, h * 0.36, w * 0.3, 0.12);
    DrawSceneShip(cr, "Vorrak", "Pirate_", w * 0.74, h * 0.4, w * 0.3, kPi - 0.12);
  } else if (k.s.Has("victory")) {  // sunrise over a world, in gold
    Glow(cr, w * 0.5, h * 0.62, w * 0.7, kAmber, 0.9);
    planet(w * 0.5, h * 1.35, h * 0.8, t, "earth");
    PolygonPath(cr, StarPoints(w * 0.5, h * 0.3, h * 0.16, h * 0.065, 5));
    LinearSource(cr, 0, h * 0.14, 0, h * 0.46, {{0, Rgb{255, 240, 170}}, {1, Rgb{210, 150, 40}}});
    cairo_fill(cr);
  } else {  // a mission briefing: a world with a patrol in orbit
    planet(w * 0.62, h * 0.55, h * 0.32, t, "desert");
    DrawSceneShip(cr, "Shadowcat", "", w * 0.2, h * 0.3, w * 0.22, -0.3);
    DrawSceneShip(cr, "Starwolf", "", w * 0.34, h * 0.16, w * 0.14, -0.3);
  }
}

void PaintBurst(Context& k) {
  Starfield(k, 0.003, false);
  double cx = k.w() / 2, cy = k.h() * 0.47, r = std::min(k.w(), k.h()) * 0.45;
  Noise fire(Hash(k.a.file));
  k.c.Shade(0, 0, int(k.w()), int(k.h()), [&](int x, int y, Rgb old) {
    double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r, d = std::hypot(dx, dy);
    double n = fire.Fractal(dx * 2.5, dy * 2.5, 0.7, 5);
    double heat = std::clamp(1.15 - d * 1.3 + n * 0.55, 0.0, 1.0);
    Rgb c = Ramp({{0, kBlack}, {0.25, Rgb{120, 20, 5}}, {0.5, Rgb{240, 100, 20}}, {0.75, Rgb{255, 200, 80}},
                  {1, Rgb{255, 250, 230}}}, heat);
    return Mix(old, c, Smooth(0.0, 0.3, heat));
  });
  Scatter s = k.scatter(0xdeb5);
  for (int i = 0; i < 14; ++i) {  // flying debris
    double a = s.Range(0, 2 * kPi), d = r * s.Range(0.6, 1.1);
    Rock(k.cr(), s, cx + d * std::cos(a), cy + d * std::sin(a), r * s.Range(0.02, 0.05), Rgb{90, 80, 75});
  }
}

void PaintCity(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  Starfield(k, 0.002, false);
  LinearSource(cr, 0, h * 0.3, 0, h, {{0, Scale(t, 0.1), 0}, {1, Scale(t, 0.6), 0.9}});
  cairo_paint(cr);
  Glow(cr, w * 0.78, h * 0.22, h * 0.16, Rgb{230, 230, 255}, 0.7);
  Scatter s = k.scatter(0xc17e);
  for (int layer = 0; layer < 3; ++layer) {
    double shade = 0.12 + 0.1 * layer;
    for (double x = -5; x < w;) {
      double bw = s.Range(8, 22) + layer * 3, bh = h * s.Range(0.18, 0.5) * (1.1 - layer * 0.2);
      double top = h - bh;
      LinearSource(cr, x, 0, x + bw, 0, {{0, Scale(t, shade * 1.4)}, {1, Scale(t, shade * 0.6)}});
      cairo_rectangle(cr, x, top, bw - 1, bh);
      cairo_fill(cr);
      if (layer == 2 && s.Unit() < 0.3) {  // a spire with a beacon
        Source(cr, Scale(t, shade));
        cairo_rectangle(cr, x + bw / 2 - 1, top - h * 0.08, 2, h * 0.08);
        cairo_fill(cr);
        Glow(cr, x + bw / 2, top - h * 0.08, 3, Rgb{255, 80, 60}, 1);
      }
      for (double wy = top + 4; wy < h - 3; wy += 5)
        for (double wx = x + 2; wx < x + bw - 3; wx += 4)
          if (s.Unit() < 0.3 + 0.1 * layer) {
            Source(cr, Mix(Rgb{255, 215, 130}, Rgb{170, 220, 255}, s.Unit()), 0.45 + 0.2 * layer);
            cairo_rectangle(cr, wx, wy, 1.6, 1.6);
            cairo_fill(cr);
          }
      x += bw;
    }
  }
}

}  // namespace assetgen
