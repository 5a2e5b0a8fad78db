// Ships seen from above, pointing the way they fly: each class its own silhouette, growing with its
// size class, a shaded hull in the owning faction's livery with its stripe and marking, glowing
// engines, shields and gun fire; the wireframe views of the shipyard; missiles, mines and beams.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "tools/assetgen/ships.h"

#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

// A class's silhouette in units of its length: x runs 0 (tail) .. 1 (nose), y across the hull.
struct Design {
  std::string_view name;
  int size;          // 1 fighter .. 5 battleship
  double body;       // half the hull's width
  double wing;       // half the wing span; 0 for none
  double sweep;      // how far back the wing tips sit
  double wingAt;     // where the wings meet the hull
  double nose;       // length of the nose taper
  int engines;
  bool pods;         // engine pods at the wing tips
  int turrets;
  bool tower;        // a raised bridge
  int group = 1;     // ships flying together
  enum Feature { kPlain, kProngs, kHammer, kDisc, kBooms, kSponsons, kContainers, kOutriggers } feature = kPlain;
};

constexpr Design kDesigns[] = {
    {"Starwolf", 1, 0.09, 0.42, 0.9, 0.38, 0.45, 1, false, 0, false, 1, Design::kPlain},
    {"Stargun", 1, 0.08, 0.36, -0.5, 0.5, 0.35, 2, true, 0, false, 1, Design::kProngs},
    {"Avenger", 1, 0.1, 0.46, 0.3, 0.3, 0.3, 2, true, 0, false, 1, Design::kBooms},
    {"Killerbee", 1, 0.07, 0.3, 0.1, 0.25, 0.5, 4, true, 0, false, 1, Design::kPlain},
    {"Orion", 1, 0.17, 0.22, 0.2, 0.3, 0.15, 2, false, 0, false, 1, Design::kContainers},
    {"Shadowcat", 2, 0.1, 0.34, 0.7, 0.35, 0.4, 2, false, 1, false, 1, Design::kPlain},
    {"Paladin", 2, 0.14, 0.4, 0.2, 0.35, 0.25, 2, true, 2, false, 1, Design::kSponsons},
    {"Hellcat", 2, 0.12, 0.38, 1.0, 0.3, 0.55, 3, false, 1, false, 1, Design::kPlain},
    {"Patton", 3, 0.12, 0.22, 0.3, 0.3, 0.25, 3, false, 2, true, 1, Design::kSponsons},
    {"Shark", 3, 0.11, 0.3, 0.8, 0.42, 0.4, 2, false, 2, true, 1, Design::kHammer},
    {"Ferendar", 3, 0.19, 0.14, 0.1, 0.25, 0.12, 3, false, 0, true, 1, Design::kContainers},
    {"OrionSquad", 2, 0.17, 0.22, 0.2, 0.3, 0.15, 2, false, 0, false, 3, Design::kContainers},
    {"Neptun", 4, 0.15, 0.38, -0.2, 0.55, 0.2, 3, true, 3, true, 1, Design::kBooms},
    {"Galaxy", 4, 0.2, 0.16, 0.2, 0.3, 0.15, 4, false, 1, true, 1, Design::kDisc},
    {"Corsair", 4, 0.11, 0.32, 0.9, 0.35, 0.45, 3, true, 2, true, 1, Design::kProngs},
    {"Marauder", 5, 0.14, 0.26, 0.5, 0.3, 0.3, 4, false, 4, true, 1, Design::kOutriggers},
    {"Skybreaker", 5, 0.11, 0.34, 0.7, 0.32, 0.35, 4, true, 4, true, 1, Design::kHammer},
    {"Blackjack", 5, 0.17, 0.3, 0.9, 0.25, 0.6, 4, false, 3, true, 1, Design::kPlain},
    {"squadron", 5, 0.12, 0.22, 0.3, 0.3, 0.25, 3, false, 2, true, 5, Design::kSponsons},
    {"Vorrak", 1, 0.1, 0.4, -0.3, 0.55, 0.3, 2, true, 0, false, 1, Design::kProngs},
    {"Spacestation", 5, 0, 0, 0, 0, 0, 0, false, 0, false, 1, Design::kPlain},
};

const Design& DesignOf(std::string_view hull) {
  if (auto cut = hull.rfind('_'); cut != std::string_view::npos) hull = hull.substr(cut + 1);
  for (const Design& d : kDesigns)
    if (d.name == hull) return d;
  return kDesigns[Hash(hull) % 5];
}

// The faction's colours: hull, stripe and marking, engine light.
struct Livery {
  Rgb hull, accent, engine;
  int mark;  // 0 none, 1 star, 2 chevron, 3 triangle, 4 diamond, 5 ring
};

constexpr std::pair<std::string_view, Livery> kLiveries[] = {
    {"Pirate_", {{78, 70, 72}, {205, 50, 40}, {255, 140, 50}, 5}},
    {"Federation_", {{196, 202, 214}, {45, 100, 215}, {140, 200, 255}, 1}},
    {"Outerrim_", {{128, 130, 108}, {55, 170, 85}, {120, 255, 200}, 2}},
    {"Coalition_", {{172, 160, 140}, {230, 140, 30}, {255, 220, 110}, 3}},
    {"Syndicate_", {{70, 60, 86}, {165, 80, 220}, {240, 110, 255}, 4}},
};

}  // namespace

Rgb LiveryColour(const Context& k, Rgb otherwise) {
  for (const auto& [name, livery] : kLiveries)
    if (k.s.Has(name)) return livery.accent;
  return otherwise;
}

namespace {

Livery LiveryOf(const Context& k) {
  for (const auto& [name, livery] : kLiveries)
    if (k.s.Has(name)) return livery;
  Rgb t = k.main();
  return {Mix(Rgb{150, 150, 160}, t, 0.35), t, Mix(t, kWhite, 0.5), 0};
}

// What sets a class apart beyond its proportions: twin prongs at the nose, a hammerhead, a saucer,
// twin booms, gun sponsons, cargo containers.
void FeaturePath(cairo_t* cr, const Design& d) {
  const double b = d.body;
  switch (d.feature) {
    case Design::kProngs:
      for (double side : {-1.0, 1.0}) RoundedRect(cr, 0.45, side * b * 0.75 - b * 0.28, 0.6, b * 0.56, b * 0.2);
      break;
    case Design::kHammer:
      RoundedRect(cr, 0.74, -b * 2.3, 0.14, b * 4.6, b * 0.3);
      break;
    case Design::kDisc:
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, 0.72, 0);
      cairo_scale(cr, 0.3, b * 1.9);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      break;
    case Design::kBooms:
      for (double side : {-1.0, 1.0}) RoundedRect(cr, -0.04, side * d.wing * 0.62 - b * 0.25, 0.62, b * 0.5, b * 0.25);
      break;
    case Design::kSponsons:
      for (double side : {-1.0, 1.0}) RoundedRect(cr, 0.32, side * b * 1.35 - b * 0.4, 0.36, b * 0.8, b * 0.25);
      break;
    case Design::kContainers:
      for (double side : {-1.0, 1.0})
        for (int i = 0; i < 4; ++i) RoundedRect(cr, 0.14 + i * 0.15, side * b * 1.25 - b * 0.3, 0.13, b * 0.6, b * 0.08);
      break;
    case Design::kOutriggers:
      for (double side : {-1.0, 1.0}) RoundedRect(cr, 0.04, side * b * 1.6 - b * 0.35, 0.78, b * 0.7, b * 0.3);
      break;
    case Design::kPlain: break;
  }
}

void HullPath(cairo_t* cr, const Design& d) {
  double b = d.body, n = 1 - d.nose;
  PolygonPath(cr, {{0, -b * 0.75}, {0.12, -b}, {n, -b}, {1, -b * 0.12}, {1, b * 0.12}, {n, b}, {0.12, b}, {0, b * 0.75}});
}

void WingsPath(cairo_t* cr, const Design& d) {
  if (d.wing <= 0) return;
  double tip = d.wingAt - d.sweep * 0.3;
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, d.wingAt + 0.16, side * d.body * 0.9);
    cairo_line_to(cr, tip + 0.07, side * d.wing);
    cairo_line_to(cr, tip - 0.07, side * d.wing);
    cairo_line_to(cr, d.wingAt - 0.18, side * d.body * 0.9);
    cairo_close_path(cr);
  }
}

void PodsPath(cairo_t* cr, const Design& d) {
  if (!d.pods || d.wing <= 0) return;
  double tip = d.wingAt - d.sweep * 0.3;
  for (double side : {-1.0, 1.0}) RoundedRect(cr, tip - 0.14, side * d.wing - 0.035, 0.3, 0.07, 0.035);
}

std::vector<Point> EnginePoints(const Design& d) {
  std::vector<Point> out;
  for (int i = 0; i < d.engines; ++i) out.push_back({-0.01, d.body * 0.7 * ((i + 0.5) / d.engines * 2 - 1)});
  if (d.pods && d.wing > 0)
    for (double side : {-1.0, 1.0}) out.push_back({d.wingAt - d.sweep * 0.3 - 0.15, side * d.wing});
  return out;
}

// How far a design reaches in unit space: from its rearmost wing tip, pod or boom to its nose or
// forward feature along x, and its half span across.
struct Extent {
  double back, front, half;
};

Extent ExtentOf(const Design& d) {
  const double b = d.body, tip = d.wingAt - d.sweep * 0.3;
  Extent e{-0.05, 1.0, b};
  if (d.wing > 0) {
    e.back = std::min(e.back, tip - 0.07);
    e.front = std::max(e.front, d.wingAt + 0.16);
    e.half = std::max(e.half, d.wing + (d.pods ? 0.035 : 0));
  }
  if (d.pods && d.wing > 0) e.back = std::min(e.back, tip - 0.14);
  switch (d.feature) {
    case Design::kProngs: e.front = std::max(e.front, 1.05), e.half = std::max(e.half, b * 1.03); break;
    case Design::kHammer: e.half = std::max(e.half, b * 2.3); break;
    case Design::kDisc: e.front = std::max(e.front, 1.02), e.half = std::max(e.half, b * 1.9); break;
    case Design::kBooms: e.back = std::min(e.back, -0.04), e.half = std::max(e.half, d.wing * 0.62 + b * 0.25); break;
    case Design::kSponsons: e.half = std::max(e.half, b * 1.75); break;
    case Design::kContainers: e.half = std::max(e.half, b * 1.55); break;
    case Design::kOutriggers: e.half = std::max(e.half, b * 1.95); break;
    case Design::kPlain: break;
  }
  return e;
}

// One ship of a design in unit space (the caller has set the transform); `line` is one pixel.
void DrawHull(cairo_t* cr, const Design& d, const Livery& l, double line) {
  double reach = std::max({d.wing, d.body * 2.3, d.body}) + 0.05;
  for (Point e : EnginePoints(d)) Glow(cr, e.x - 0.02, e.y, 0.06 + 0.02 * d.size, l.engine, 1.0);
  // Wings and pods, a shade darker than the hull.
  cairo_new_path(cr);
  WingsPath(cr, d);
  PodsPath(cr, d);
  LinearSource(cr, 0, -reach, 0, reach, {{0, Scale(l.hull, 1.15)}, {0.5, Scale(l.hull, 0.8)}, {1, Scale(l.hull, 0.45)}});
  cairo_fill(cr);
  cairo_new_path(cr);
  FeaturePath(cr, d);
  LinearSource(cr, 0, -reach, 0, reach, {{0, Mix(l.hull, kWhite, 0.2)}, {0.5, Scale(l.hull, 0.85)}, {1, Scale(l.hull, 0.4)}});
  cairo_fill_preserve(cr);
  Source(cr, Scale(l.hull, 0.3), 0.8);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  // The hull, lit from above.
  HullPath(cr, d);
  LinearSource(cr, 0, -d.body, 0, d.body, {{0, Mix(l.hull, kWhite, 0.35)}, {0.45, l.hull}, {1, Scale(l.hull, 0.4)}});
  cairo_fill(cr);
  // The engine block at the tail and a raised spine plate along the hull.
  RoundedRect(cr, -0.03, -d.body * 0.8, 0.12, d.body * 1.6, d.body * 0.2);
  LinearSource(cr, 0, -d.body, 0, d.body, {{0, Scale(l.hull, 0.8)}, {1, Scale(l.hull, 0.3)}});
  cairo_fill(cr);
  PolygonPath(cr, {{0.1, -d.body * 0.5}, {1 - d.nose * 0.9, -d.body * 0.45}, {1 - d.nose * 0.3, 0},
                   {1 - d.nose * 0.9, d.body * 0.45}, {0.1, d.body * 0.5}});
  LinearSource(cr, 0, -d.body * 0.5, 0, d.body * 0.5, {{0, Mix(l.hull, kWhite, 0.5)}, {0.5, Mix(l.hull, kWhite, 0.15)}, {1, Scale(l.hull, 0.55)}});
  cairo_fill(cr);
  // The faction's stripe across hull and wings, and along the spine.
  cairo_save(cr);
  HullPath(cr, d);
  WingsPath(cr, d);
  cairo_clip(cr);
  Source(cr, l.accent);
  cairo_rectangle(cr, d.wingAt - 0.07, -1, 0.05, 2);
  cairo_fill(cr);
  Source(cr, l.accent, 0.8);
  cairo_rectangle(cr, 0.1, -d.body * 0.12, 0.8 - d.nose * 0.5, d.body * 0.24);
  cairo_fill(cr);
  // Panel lines.
  Source(cr, kBlack, 0.28);
  cairo_set_line_width(cr, line);
  for (double x = 0.18; x < 1 - d.nose * 0.6; x += 0.11) {
    cairo_move_to(cr, x, -d.body);
    cairo_line_to(cr, x, d.body);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  // Outline.
  HullPath(cr, d);
  WingsPath(cr, d);
  Source(cr, Scale(l.hull, 0.3), 0.8);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  // The marking on each wing (or beside the spine for wingless hulls).
  if (l.mark > 0) {
    double mx = d.wing > 0 ? d.wingAt - d.sweep * 0.12 : 0.5, my = d.wing > 0 ? (d.body + d.wing) * 0.5 : d.body * 0.6;
    double mr = std::max(0.025, std::min(0.045, (d.wing - d.body) * 0.25));
    for (double side : {-1.0, 1.0}) {
      double y = side * my;
      switch (l.mark) {
        case 1: PolygonPath(cr, StarPoints(mx, y, mr, mr * 0.42, 5)); break;
        case 2: PolygonPath(cr, {{mx + mr, y}, {mx - mr, y - mr}, {mx - mr * 0.4, y}, {mx - mr, y + mr}}); break;
        case 3: PolygonPath(cr, {{mx + mr, y}, {mx - mr * 0.7, y - mr}, {mx - mr * 0.7, y + mr}}); break;
        case 4: PolygonPath(cr, {{mx + mr, y}, {mx, y - mr}, {mx - mr, y}, {mx, y + mr}}); break;
        default:
          cairo_new_path(cr);
          cairo_arc(cr, mx, y, mr, 0, 2 * kPi);
      }
      Source(cr, l.mark == 1 ? l.accent : Mix(l.accent, kWhite, 0.3));
      cairo_fill(cr);
    }
  }
  // Bridge tower, turrets, cockpit.
  if (d.tower) {
    RoundedRect(cr, 0.22, -d.body * 0.45, 0.16, d.body * 0.9, d.body * 0.2);
    LinearSource(cr, 0, -d.body * 0.45, 0, d.body * 0.45, {{0, Mix(l.hull, kWhite, 0.5)}, {1, Scale(l.hull, 0.5)}});
    cairo_fill(cr);
    Source(cr, kGlass, 0.9);
    cairo_rectangle(cr, 0.35, -d.body * 0.3, 0.02, d.body * 0.6);
    cairo_fill(cr);
  }
  for (int i = 0; i < d.turrets; ++i) {
    double x = 0.45 + i * (0.4 - d.nose * 0.3) / std::max(1, d.turrets - 1) * (d.turrets > 1), y = 0,
           r = d.body * 0.28;
    Source(cr, Scale(l.hull, 0.35));
    cairo_set_line_width(cr, r * 0.35);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + r * 2.2, y);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    RadialSource(cr, x, y, 0, r, {{0, Mix(l.hull, kWhite, 0.4)}, {1, Scale(l.hull, 0.45)}}, x - r * 0.3, y - r * 0.4);
    cairo_fill(cr);
  }
  if (d.size <= 2 && !d.tower) {
    double x = 1 - d.nose * 0.75;
    cairo_save(cr);
    cairo_translate(cr, x, 0);
    cairo_scale(cr, 0.1, d.body * 0.45);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    RadialSource(cr, x, 0, 0, 0.09, {{0, Rgb{230, 250, 255}}, {0.5, kGlass}, {1, Rgb{20, 60, 110}}}, x + 0.02, -d.body * 0.2);
    cairo_fill(cr);
  }
}

// The starbase: a ring on spokes around a hub, docking arms, lights in the faction's colour.
void DrawStation(cairo_t* cr, const Livery& l, double line) {
  cairo_set_line_width(cr, 0.09);
  Source(cr, Scale(l.hull, 0.7));
  cairo_arc(cr, 0.5, 0, 0.42, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.07);
  LinearSource(cr, 0, -0.45, 0, 0.45, {{0, Mix(l.hull, kWhite, 0.35)}, {1, Scale(l.hull, 0.45)}});
  cairo_arc(cr, 0.5, 0, 0.42, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.035);
  for (int i = 0; i < 4; ++i) {
    double a = kPi / 4 + i * kPi / 2;
    cairo_move_to(cr, 0.5, 0);
    cairo_line_to(cr, 0.5 + 0.4 * std::cos(a), 0.4 * std::sin(a));
  }
  Source(cr, Scale(l.hull, 0.8));
  cairo_stroke(cr);
  cairo_arc(cr, 0.5, 0, 0.15, 0, 2 * kPi);
  RadialSource(cr, 0.5, 0, 0, 0.15, {{0, Mix(l.hull, kWhite, 0.5)}, {1, Scale(l.hull, 0.4)}}, 0.45, -0.05);
  cairo_fill(cr);
  Source(cr, l.accent);
  cairo_set_line_width(cr, 0.03);
  cairo_arc(cr, 0.5, 0, 0.42, -0.4, 0.4);
  cairo_stroke(cr);
  cairo_arc(cr, 0.5, 0, 0.42, kPi - 0.4, kPi + 0.4);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    double a = i * kPi / 4;
    Glow(cr, 0.5 + 0.42 * std::cos(a), 0.42 * std::sin(a), 0.05, l.engine, 1);
  }
  Glow(cr, 0.5, 0, 0.08, kWhite, 0.6);
  (void)line;
}

// Places unit space on the picture: tail at x0, centre line at cy, `length` pixels long.
void PlaceUnit(cairo_t* cr, double x0, double cy, double length, bool west) {
  cairo_translate(cr, x0, cy);
  cairo_scale(cr, west ? -length : length, length);
}

void DrawShipAt(cairo_t* cr, const Design& d, const Livery& l, double x0, double cy, double length, bool west) {
  cairo_save(cr);
  PlaceUnit(cr, x0, cy, length, west);
  if (d.name == "Spacestation")
    DrawStation(cr, l, 1 / length);
  else
    DrawHull(cr, d, l, 1 / length);
  cairo_restore(cr);
}

// How long a design is drawn in a box: fighters small, battleships filling it.
double ShipLength(const Design& d, double width, double height) {
  double span = std::max({d.wing, d.feature == Design::kHammer ? d.body * 2.3 : d.body * 1.9, 0.45}) * 2 + 0.1;
  return std::min(width * (0.3 + 0.14 * d.size), height / span);
}

// A design, or its group flying in formation, filling `width` x `height` around (cx, cy).
void DrawFormation(cairo_t* cr, const Design& d, const Livery& l, double cx, double cy, double width, double height,
                   bool west) {
  double length = ShipLength(d, width, height);
  if (d.group == 1) {
    DrawShipAt(cr, d, l, west ? cx + length / 2 : cx - length / 2, cy, length, west);
    return;
  }
  double each = length * (d.group > 3 ? 0.42 : 0.5), dir = west ? -1 : 1;
  for (int i = 0; i < d.group; ++i) {
    int row = (i + 1) / 2, side = i % 2 ? -1 : 1;
    double x = cx - dir * (each * 0.5 + row * each * 0.55 - length * 0.35), y = cy + side * row * each * 0.55;
    DrawShipAt(cr, d, l, west ? x + each / 2 : x - each / 2, y, each, west);
  }
}

Rgb GunColour(int gun) {
  constexpr Rgb kGuns[] = {{255, 60, 50},  {255, 140, 40}, {90, 255, 110}, {80, 160, 255},
                           {200, 90, 255}, {255, 230, 70}, {60, 230, 210}, {240, 240, 255}};
  return kGuns[(std::max(gun, 1) - 1) % 8];
}

void Beams(cairo_t* cr, Point from, double to_x, double spread, int gun, double width) {
  Rgb c = GunColour(gun);
  int count = 1 + gun % 3;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < count; ++i) {
    double dy = (i - (count - 1) / 2.0) * spread;
    for (auto [w, a, colour] : {std::tuple{width * 3, 0.25, c}, {width * 1.4, 0.6, c}, {width * 0.5, 1.0, Mix(c, kWhite, 0.7)}}) {
      cairo_set_line_width(cr, w);
      Source(cr, colour, a);
      cairo_move_to(cr, from.x, from.y + dy);
      cairo_line_to(cr, to_x, from.y + dy * 1.6);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
  Glow(cr, from.x, from.y, width * 5, Mix(c, kWhite, 0.4), 1.2);
}

// A volley that missed, passing a ship by: the gun's beams in its colour, bright where they come in
// and fading out behind the ship they missed.
void MissStreak(cairo_t* cr, double w, double h, int gun, bool west) {
  const Rgb c = GunColour(gun);
  const int count = 1 + gun % 3;
  const double from = west ? w : 0, to = west ? 0 : w, spread = h * 0.26, width = std::max(1.2, h * 0.08);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int i = 0; i < count; ++i) {
    const double y = h / 2 + (i - (count - 1) / 2.0) * spread;
    for (auto [lw, a, colour] : {std::tuple{width * 3, 0.25, c}, {width * 1.4, 0.6, c}, {width * 0.5, 1.0, Mix(c, kWhite, 0.7)}}) {
      cairo_set_line_width(cr, lw);
      LinearSource(cr, from, 0, to, 0, {{0, colour, a}, {0.7, colour, a * 0.8}, {1, colour, 0}});
      cairo_move_to(cr, from, y);
      cairo_line_to(cr, to, y);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

// A gun volley crossing the gap between the two ships: its beams leave the firing ship spread as
// they left its guns and meet at the point they strike. The picture is stretched over the gap, so a
// beam runs from corner to corner when it climbs (`slope` -1) or falls (1), and from side to side
// when level. The shooter's end is half a picture high across the beams' spread.
void GapBeams(cairo_t* cr, double w, double h, int gun, bool west, int slope) {
  const Rgb c = GunColour(gun);
  const int count = 1 + gun % 3;
  const double band = slope == 0 ? h : h / 2;  // the height the spread takes at the shooter's end
  const double from_x = west ? w : 0, to_x = west ? 0 : w;
  const double from_y = slope == 0 ? h / 2 : slope < 0 ? h - band / 2 : band / 2;
  const double to_y = slope == 0 ? h / 2 : slope < 0 ? band / 2 : h - band / 2;
  const double spread = band * (slope == 0 ? 0.35 : 0.2), width = std::max(1.2, band * (slope == 0 ? 0.05 : 0.03));
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int i = 0; i < count; ++i) {
    const double dy = count > 1 ? (i - (count - 1) / 2.0) * spread * 2 / (count - 1) : 0;
    for (auto [lw, a, colour] : {std::tuple{width * 3, 0.25, c}, {width * 1.4, 0.6, c}, {width * 0.5, 1.0, Mix(c, kWhite, 0.7)}}) {
      cairo_set_line_width(cr, lw);
      Source(cr, colour, a);
      cairo_move_to(cr, from_x, from_y + dy);
      cairo_line_to(cr, to_x, to_y + dy * 0.15);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

void Shield(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  RadialSource(cr, 0, 0, 0, 1, {{0, Rgb{60, 160, 255}, 0}, {0.75, Rgb{60, 160, 255}, 0.12}, {0.95, Rgb{120, 210, 255}, 0.6},
                                {1, Rgb{120, 210, 255}, 0}});
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

// A hit on the shields: the shot comes in from the enemy's side (ahead of the ship) and bursts on the
// bubble in a white flare with sparks, the bubble lit brightest around the point it struck.
void ShieldHit(Context& k, double cx, double cy, double rx, double ry, bool west) {
  cairo_t* cr = k.cr();
  const double ahead = west ? -1 : 1, angle = -0.18;
  const double ix = cx + ahead * rx * std::cos(angle) * 0.96, iy = cy + ry * std::sin(angle) * 0.96;
  const Rgb hot{255, 190, 110}, white{255, 250, 235};
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // The incoming shot, from the picture's edge to the point of impact.
  double edge = west ? 0 : k.w();
  for (auto [width, alpha] : {std::pair{ry * 0.16, 0.3}, {ry * 0.07, 0.7}, {ry * 0.025, 1.0}}) {
    cairo_set_line_width(cr, width);
    LinearSource(cr, edge, 0, ix, 0, {{0, hot, 0.1}, {1, alpha < 1 ? hot : white, alpha}});
    cairo_move_to(cr, edge, cy);
    cairo_line_to(cr, ix, iy);
    cairo_stroke(cr);
  }
  // The struck stretch of the bubble glows.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_set_line_width(cr, 0.05);
  double mid = west ? kPi - angle : angle;
  cairo_arc(cr, 0, 0, 0.96, mid - 0.7, mid + 0.7);
  RadialSource(cr, std::cos(mid) * 0.96, std::sin(mid) * 0.96, 0, 1.1, {{0, Rgb{170, 235, 255}, 0.95}, {1, Rgb{60, 160, 255}, 0}});
  cairo_stroke(cr);
  cairo_restore(cr);
  // Sparks thrown back from the flare.
  Scatter s = k.scatter(0x5a4c);
  cairo_set_line_width(cr, std::max(1.0, ry * 0.025));
  for (int i = 0; i < 14; ++i) {
    double a = (west ? 0 : kPi) + s.Range(-1.2, 1.2), len = ry * s.Range(0.12, 0.38);
    double x0 = ix + std::cos(a) * ry * 0.06, y0 = iy + std::sin(a) * ry * 0.06;
    LinearSource(cr, x0, y0, x0 + std::cos(a) * len, y0 + std::sin(a) * len, {{0, white, 0.9}, {1, hot, 0}});
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + std::cos(a) * len, y0 + std::sin(a) * len);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // The flare stays inside the picture: cut at its edge, it would show a hard seam beside the ship.
  const double room = (west ? ix : k.w() - ix) - 1;
  Glow(cr, ix, iy, std::min(ry * 0.45, room), hot, 1.3);
  Glow(cr, ix, iy, std::min(ry * 0.18, room * 0.8), white, 1.6);
}

// The shipyard's wireframe: outlines in light lines over a blueprint grid; a side view is the plan
// squashed, with its bridge raised. An empty place shows a dashed hull and no ship.
void PaintWire(Context& k, const Design& d) {
  cairo_t* cr = k.cr();
  bool side = k.s.Has("side");
  Rgb wire = side ? Rgb{110, 210, 255} : Rgb{110, 240, 160};
  LinearSource(cr, 0, 0, 0, k.h(), {{0, Scale(wire, 0.1)}, {1, Scale(wire, 0.03)}});
  cairo_paint(cr);
  Source(cr, wire, 0.1);
  cairo_set_line_width(cr, 1);
  for (double x = 0.5; x < k.w(); x += 16) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, k.h());
  for (double y = 0.5; y < k.h(); y += 16) cairo_move_to(cr, 0, y), cairo_line_to(cr, k.w(), y);
  cairo_stroke(cr);
  // The whole outline inside the picture, wing tips and pods included, with a margin all round.
  const Extent e = d.name == "Spacestation" ? Extent{0.08, 0.92, 0.42} : ExtentOf(d);
  const double margin = 10;
  double length = std::min({k.w() * (0.5 + 0.08 * d.size), (k.w() - 2 * margin) / (e.front - e.back),
                            (k.h() - 2 * margin) / (2 * e.half * (side ? 0.45 : 1))});
  double cy = k.h() / 2;
  cairo_save(cr);
  PlaceUnit(cr, k.w() / 2 - length * (e.back + e.front) / 2, cy, length, false);
  if (side) cairo_scale(cr, 1, 0.45);
  cairo_new_path(cr);
  if (d.name == "Spacestation") {
    cairo_arc(cr, 0.5, 0, 0.42, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.5, 0, 0.15, 0, 2 * kPi);
  } else {
    HullPath(cr, d);
    if (!side) WingsPath(cr, d), PodsPath(cr, d), FeaturePath(cr, d);
    if (side && d.tower) cairo_rectangle(cr, 0.22, -d.body * 1.9, 0.16, d.body * 0.9);
    if (side) cairo_rectangle(cr, -0.03, -d.body * 0.5, 0.05, d.body);
  }
  cairo_restore(cr);
  if (k.s.Has("empty")) {
    double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 0);
  }
  Source(cr, wire, k.s.Has("empty") ? 0.45 : 0.95);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  if (k.s.Has("empty")) {  // a barred circle: nothing to show here
    double r = std::min(k.w(), k.h()) * 0.16;
    Source(cr, Rgb{240, 110, 90}, 0.85);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, k.w() / 2, cy, r, 0, 2 * kPi);
    cairo_move_to(cr, k.w() / 2 - r * 0.7, cy + r * 0.7);
    cairo_line_to(cr, k.w() / 2 + r * 0.7, cy - r * 0.7);
    cairo_stroke(cr);
  }
}

// The side view drawn in layers, back to front, each layer one function over the design and the
// hull's place: `length` long from `x0` (X maps a point along the design, 0 tail to 1 nose, to the
// picture), `half` the hull's half depth about the middle line `cy`.
struct SidePainter {
  SidePainter(Context& k, const Design& d) : cr(k.cr()), d(d), w(k.w()), h(k.h()), cy(h / 2) {
    // Placed as the plan view places it, so both views show the same length; the hull as deep as the
    // plan is wide (a slim fighter slim, a freighter stout), never past the hot spots' edge.
    const Extent e = ExtentOf(d);
    length = std::min(w * (0.5 + 0.08 * d.size), (w - 20) / (e.front - e.back));
    x0 = w / 2 - length * (e.back + e.front) / 2;
    half = std::clamp(length * (d.body * 0.8 + 0.035), 24.0, 58.0);
    n = 1 - d.nose;
    hull = {{X(0), cy - half * 0.55}, {X(0.08), cy - half * 0.7}, {X(n), cy - half * 0.62},
            {X(1), cy + half * 0.05}, {X(n + d.nose * 0.3), cy + half * 0.45}, {X(0.1), cy + half * 0.6},
            {X(0), cy + half * 0.5}};
  }

  void Paint() const {
    Bay();
    EngineFlames();
    TailFin();
    Wings();
    Hull();
    Features();
    Livery();
    EngineBlock();
    BridgeAndTurrets();
  }

  double X(double u) const { return x0 + u * length; }

  void Plate(double top, double bottom, double lift) const {
    LinearSource(cr, 0, top, 0, bottom, {{0, Mix(steel, kWhite, 0.35 * lift)}, {0.45, steel}, {1, Scale(steel, 0.38)}});
  }

  // The dark bay over a faint blueprint grid.
  void Bay() const {
    LinearSource(cr, 0, 0, 0, h, {{0, Rgb{16, 24, 36}}, {0.5, Rgb{10, 16, 26}}, {1, Rgb{6, 10, 16}}});
    cairo_paint(cr);
    Source(cr, Rgb{90, 160, 220}, 0.07);
    cairo_set_line_width(cr, 1);
    for (double x = 0.5; x < w; x += 16) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, h);
    for (double y = 0.5; y < h; y += 16) cairo_move_to(cr, 0, y), cairo_line_to(cr, w, y);
    cairo_stroke(cr);
    Glow(cr, w / 2, cy, w * 0.45, Rgb{60, 110, 170}, 0.25);
  }

  // Engine flames behind the tail.
  void EngineFlames() const {
    for (int i = 0; i < std::max(1, d.engines / 2); ++i) {
      double y = cy + (i - (std::max(1, d.engines / 2) - 1) / 2.0) * half * 0.5;
      Glow(cr, X(-0.02), y, half * 0.55, Rgb{120, 190, 255}, 1.2);
    }
  }

  // The tail fin: as tall as the wings are wide, raked as they are swept; twin booms carry one each.
  void TailFin() const {
    if (d.wing > 0 && d.feature != Design::kContainers && d.feature != Design::kDisc) {
      const double fin = std::min(half * (0.4 + 1.6 * d.wing), 66 - half * 0.62), rake = 0.06 + 0.12 * std::max(0.0, d.sweep);
      const double base = d.feature == Design::kBooms ? -0.02 : 0.02, top = cy - half * 0.62 - fin;
      PolygonPath(cr, {{X(base), cy - half * 0.55}, {X(base + rake), top}, {X(base + rake + 0.05), top},
                       {X(base + 0.2 + rake * 0.5), cy - half * 0.6}});
      LinearSource(cr, 0, top, 0, cy, {{0, Mix(steel, kWhite, 0.25)}, {1, Scale(steel, 0.55)}});
      cairo_fill_preserve(cr);
      Source(cr, Scale(steel, 0.3));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      Source(cr, accent, 0.9);
      cairo_rectangle(cr, X(base + rake * 0.7), top + fin * 0.25, length * 0.05, fin * 0.12);
      cairo_fill(cr);
    }
  }

  // Wings seen edge on: a swept plate under the hull, drooping as far as they span, and the pods
  // at their tips.
  void Wings() const {
    if (d.wing > 0) {
      double root = d.wingAt, tip = d.wingAt - d.sweep * 0.3, droop = std::min(half * (0.6 + 1.6 * d.wing), 66 - half * 0.2);
      PolygonPath(cr, {{X(root + 0.16), cy + half * 0.2}, {X(tip + 0.07), cy + droop}, {X(tip - 0.1), cy + droop + half * 0.06},
                       {X(root - 0.18), cy + half * 0.3}});
      LinearSource(cr, 0, cy, 0, cy + half, {{0, Scale(steel, 0.8)}, {1, Scale(steel, 0.35)}});
      cairo_fill(cr);
      if (d.pods) {
        RoundedRect(cr, X(tip - 0.14), cy + droop - half * 0.13, length * 0.3, half * 0.3, half * 0.15);
        Plate(cy + droop - half * 0.13, cy + droop + half * 0.17, 0.6);
        cairo_fill(cr);
        Glow(cr, X(tip - 0.15), cy + droop + half * 0.02, half * 0.3, Rgb{120, 190, 255}, 1.0);
      }
    }
  }

  // The hull: a long body with a raised deck, tapering to the nose.
  void Hull() const {
    PolygonPath(cr, hull);
    Plate(cy - half * 0.7, cy + half * 0.6, 1);
    cairo_fill(cr);
  }

  // Class features seen from the side.
  void Features() const {
    switch (d.feature) {
      case Design::kSponsons:
        for (int i = 0; i < 2; ++i) {
          RoundedRect(cr, X(0.32 + i * 0.2), cy - half * 0.05, length * 0.14, half * 0.4, half * 0.12);
          Plate(cy - half * 0.05, cy + half * 0.35, 0.5);
          cairo_fill(cr);
        }
        break;
      case Design::kContainers:
        for (int i = 0; i < 4; ++i) {
          cairo_rectangle(cr, X(0.14 + i * 0.15), cy - half * 0.15, length * 0.13, half * 0.55);
          LinearSource(cr, 0, cy - half * 0.15, 0, cy + half * 0.4, {{0, Rgb{190, 140, 70}}, {1, Rgb{100, 70, 35}}});
          cairo_fill(cr);
        }
        break;
      case Design::kDisc:
        cairo_save(cr);
        cairo_translate(cr, X(0.72), cy - half * 0.45);
        cairo_scale(cr, length * 0.3, half * 0.28);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        Plate(cy - half * 0.75, cy - half * 0.15, 1);
        cairo_fill(cr);
        break;
      case Design::kHammer:
        RoundedRect(cr, X(0.74), cy - half * 0.85, length * 0.14, half * 1.5, half * 0.15);
        Plate(cy - half * 0.85, cy + half * 0.65, 1);
        cairo_fill(cr);
        break;
      case Design::kProngs:
        RoundedRect(cr, X(0.45), cy - half * 0.95, length * 0.6 - length * 0.05, half * 0.28, half * 0.12);
        Plate(cy - half * 0.95, cy - half * 0.67, 0.8);
        cairo_fill(cr);
        break;
      case Design::kBooms:
        RoundedRect(cr, X(-0.04), cy + half * 0.5, length * 0.62, half * 0.25, half * 0.12);
        Plate(cy + half * 0.5, cy + half * 0.75, 0.5);
        cairo_fill(cr);
        break;
      case Design::kOutriggers:  // the near outrigger hull along the whole length, below the deck line
        RoundedRect(cr, X(0.04), cy + half * 0.15, length * 0.78, half * 0.5, half * 0.2);
        Plate(cy + half * 0.15, cy + half * 0.65, 0.7);
        cairo_fill(cr);
        break;
      case Design::kPlain: break;
    }
  }

  // The faction-free livery: a blue stripe along the hull, panel lines, windows.
  void Livery() const {
    cairo_save(cr);
    PolygonPath(cr, hull);
    cairo_clip(cr);
    Source(cr, accent, 0.85);
    cairo_rectangle(cr, X(0), cy - half * 0.08, length, half * 0.12);
    cairo_fill(cr);
    Source(cr, kBlack, 0.3);
    cairo_set_line_width(cr, 1);
    for (double u = 0.12; u < 0.98; u += 0.09) cairo_move_to(cr, X(u) + 0.5, cy - half), cairo_line_to(cr, X(u) + 0.5, cy + half);
    cairo_move_to(cr, X(0), cy + half * 0.25), cairo_line_to(cr, X(1), cy + half * 0.25);
    cairo_stroke(cr);
    Source(cr, Rgb{200, 235, 255}, 0.85);
    for (double u = 0.15; u < n - 0.02; u += 0.045) cairo_rectangle(cr, X(u), cy - half * 0.36, std::max(1.5, length * 0.012), half * 0.1);
    cairo_fill(cr);
    cairo_restore(cr);
    PolygonPath(cr, hull);
    Source(cr, Scale(steel, 0.3));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }

  // The engine block at the tail, with its nozzles.
  void EngineBlock() const {
    cairo_rectangle(cr, X(-0.03), cy - half * 0.45, length * 0.07, half * 0.9);
    LinearSource(cr, 0, cy - half * 0.45, 0, cy + half * 0.45, {{0, Scale(dark, 1.4)}, {1, Scale(dark, 0.5)}});
    cairo_fill(cr);
    for (int i = 0; i < std::max(1, d.engines / 2); ++i) {
      double y = cy + (i - (std::max(1, d.engines / 2) - 1) / 2.0) * half * 0.5;
      cairo_rectangle(cr, X(-0.045), y - half * 0.14, length * 0.02, half * 0.28);
      Source(cr, Rgb{200, 230, 255});
      cairo_fill(cr);
    }
  }

  // Bridge tower or cockpit canopy, and the turrets on the deck.
  void BridgeAndTurrets() const {
    if (d.tower) {
      PolygonPath(cr, {{X(0.2), cy - half * 0.66}, {X(0.23), cy - half * 1.0}, {X(0.36), cy - half * 1.0}, {X(0.4), cy - half * 0.64}});
      Plate(cy - half, cy - half * 0.64, 1.2);
      cairo_fill(cr);
      Source(cr, kGlass, 0.9);
      cairo_rectangle(cr, X(0.25), cy - half * 0.92, length * 0.1, half * 0.1);
      cairo_fill(cr);
    } else {
      double x = n - d.nose * 0.1;
      cairo_save(cr);
      cairo_translate(cr, X(x), cy - half * 0.64);
      cairo_scale(cr, length * 0.11, half * 0.3);
      cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
      cairo_restore(cr);
      LinearSource(cr, 0, cy - half * 0.95, 0, cy - half * 0.64, {{0, Rgb{230, 250, 255}}, {1, Rgb{30, 80, 130}}});
      cairo_fill(cr);
    }
    for (int i = 0; i < d.turrets; ++i) {
      double u = 0.45 + i * (0.4 - d.nose * 0.3) / std::max(1, d.turrets - 1) * (d.turrets > 1), top = cy - half * 0.64;
      Source(cr, Scale(steel, 0.45));
      cairo_set_line_width(cr, std::max(1.5, half * 0.07));
      cairo_move_to(cr, X(u), top - half * 0.12);
      cairo_line_to(cr, X(u) + half * 0.55, top - half * 0.18);
      cairo_stroke(cr);
      cairo_save(cr);
      cairo_translate(cr, X(u), top);
      cairo_scale(cr, half * 0.22, half * 0.16);
      cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
      cairo_restore(cr);
      Plate(top - half * 0.16, top, 1);
      cairo_fill(cr);
    }
  }

  cairo_t* cr;
  const Design& d;
  double w, h, cy;
  double length = 0, x0 = 0, half = 0;
  double n = 0;  // where the nose begins to taper
  std::vector<Point> hull;  // the hull's outline
  const Rgb steel{176, 182, 194}, dark{70, 76, 90}, accent{60, 110, 200};
};

// The equipment shop's side view: the class in profile, tail left and nose right, a finished hull
// as the shipyard shows it (steel plates lit from above, panel lines, a row of windows, the bridge,
// turrets, engines burning) standing in a dark bay over a faint blueprint grid. It is as long as the
// shop expects it (half the picture and 8 % more per size class) and no taller than the gap between
// the shop's two rows of hot spots.
void PaintSide(Context& k, const Design& d) { SidePainter(k, d).Paint(); }

}  // namespace

void DrawSceneShip(cairo_t* cr, std::string_view hull, std::string_view faction, double cx, double cy, double length,
                   double angle, bool derelict) {
  const Design& d = DesignOf(hull);
  Livery l{{150, 155, 165}, {120, 125, 135}, {200, 220, 255}, 0};
  for (const auto& [name, livery] : kLiveries)
    if (name == faction) l = livery;
  if (derelict) {  // cold engines, the paint burnt to a greenish grey, no marking
    l.hull = Mix(Scale(l.hull, 0.55), Rgb{70, 95, 85}, 0.5);
    l.accent = Scale(l.accent, 0.35);
    l.engine = Rgb{10, 14, 12};
    l.mark = 0;
  }
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_translate(cr, -length / 2, 0);
  cairo_scale(cr, length, length);
  if (derelict && d.wing > 0) {  // the lower wing's tip broken off along a jagged line
    const double y = d.body + (d.wing - d.body) * 0.45;
    PolygonPath(cr, {{-1, y}, {d.wingAt - 0.1, y - 0.02}, {d.wingAt, y + 0.03}, {d.wingAt + 0.12, y - 0.01}, {2, y}, {2, 2}, {-1, 2}});
    cairo_rectangle(cr, -2, -2, 4, 4);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  }
  DrawHull(cr, d, l, 1 / length);
  if (derelict) {
    // Holes torn in the hull and a wing broken off short: black breaches with scorched rims.
    cairo_save(cr);
    HullPath(cr, d);
    WingsPath(cr, d);
    cairo_clip(cr);
    const Point holes[] = {{0.36, -d.body * 0.4}, {0.62, d.body * 0.5}, {0.2, d.body * 0.3}};
    for (Point p : holes) {
      const double r = d.body * 0.55;
      PolygonPath(cr, {{p.x - r * 0.9, p.y}, {p.x - r * 0.3, p.y - r * 0.8}, {p.x + r * 0.5, p.y - r * 0.6},
                       {p.x + r * 0.9, p.y + r * 0.1}, {p.x + r * 0.2, p.y + r * 0.9}, {p.x - r * 0.6, p.y + r * 0.6}});
      RadialSource(cr, p.x, p.y, 0, r, {{0, Rgb{2, 3, 4}}, {0.65, Rgb{8, 8, 8}}, {1, Rgb{90, 60, 30}, 0.6}});
      cairo_fill(cr);
    }
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

void PaintShip(Context& k) {
  cairo_t* cr = k.cr();
  if (k.s.Has("scene") && k.s.Has("empty")) {  // no ship to show: the stars alone
    Starfield(k, 0.004, true, Rgb{40, 40, 90});
    return;
  }
  const Design& d = DesignOf(k.s.Text("hull"));
  if (k.s.Has("side") && d.name != "Spacestation") {
    PaintSide(k, d);
    return;
  }
  if (k.s.Has("top") || k.s.Has("side")) {
    PaintWire(k, d);
    return;
  }
  bool west = k.s.Has("west");
  Livery l = LiveryOf(k);
  double w = k.w(), h = k.h();
  if (k.s.Has("scene")) {
    Starfield(k, 0.004, true, Mix(l.accent, Rgb{40, 40, 90}, 0.6));
    Glow(cr, w * 0.85, h * 0.15, w * 0.35, Mix(l.accent, kWhite, 0.3), 0.3);
    cairo_save(cr);  // seen at a slant, coming towards the viewer
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, -0.45);
    // A small ship is drawn larger than its class would have it beside the others, so that its
    // outline, and not only its livery, tells it apart from the other small classes.
    const double close_up = 1 + 0.2 * (5 - d.size);
    DrawFormation(cr, d, l, 0, 0, w * 0.8 * close_up, h * 0.75, false);
    cairo_restore(cr);
    return;
  }
  k.c.Transform([](Rgb) { return kBlack; });
  double cx = w / 2, cy = h / 2, fw = w * 0.86, fh = h * 0.86;
  if (k.s.Has("shield")) Shield(cr, cx, cy, w * 0.45, h * 0.47);
  DrawFormation(cr, d, l, cx, cy, fw, fh, west);
  if (k.s.Has("shield")) ShieldHit(k, cx, cy, w * 0.45, h * 0.47, west);
  if (int gun = k.s.Int("fire", 0); gun > 0) {
    double length = ShipLength(d, fw, fh);
    double nose = west ? cx - length * (d.group > 1 ? 0.75 : 0.5) : cx + length * (d.group > 1 ? 0.75 : 0.5);
    Beams(cr, {nose, cy}, west ? 0 : w, h * 0.06, gun, std::max(1.5, h * 0.012));
  }
}

// The fleet-battle and campaign symbols: a ship of the battle line drawn small, the large symbol a
// battleship, the medium one a cruiser, the small one a destroyer, pointing the way the flag says
// ("left" or "right"), in the livery of the side's faction (or a hull tinted in the side's colour
// where the row names no faction); the starbase as a station. The selected symbol ("on") is
// brighter and held in targeting brackets; "off" is dimmer. The ship fills the picture's length
// less room for its engine glow, which fades out before the picture's edge; nothing but the ship,
// its glow and the brackets leaves the black that keys the picture out.
void PaintShipSymbol(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  const double light = k.s.on ? 1.2 : k.s.off ? 0.75 : 1.0;
  const bool faction = k.s.Has("Pirate_") || k.s.Has("Federation_") || k.s.Has("Outerrim_") || k.s.Has("Coalition_") ||
                       k.s.Has("Syndicate_");
  Livery l = faction ? LiveryOf(k)
                     : Livery{Mix(Rgb{190, 194, 204}, t, 0.3), Mix(t, kWhite, k.s.on ? 0.25 : 0.0), Mix(t, kWhite, 0.6), 0};
  if (faction) {
    t = l.accent;
    l.hull = Mix(l.hull, kWhite, 0.15);  // a shade lighter, so a dark livery still reads on the black field
  }
  l.hull = Scale(l.hull, light);
  l.accent = Scale(l.accent, light);
  k.c.Transform([](Rgb) { return kBlack; });
  if (k.s.Has("station")) {
    double size = std::min(w, h) * 0.84;
    cairo_save(cr);
    cairo_translate(cr, (w - size) / 2, h / 2);
    cairo_scale(cr, size, size);
    DrawStation(cr, l, 1 / size);
    cairo_restore(cr);
  } else {
    std::string_view label = k.a.label;
    const Design& d = DesignOf(label.starts_with("Large") ? "Marauder" : label.starts_with("Medium") ? "Patton" : "Shadowcat");
    const Extent e = ExtentOf(d);
    const double glow = 0.06 + 0.02 * d.size + 0.03;  // the engine glow's reach behind the tail
    const double units = e.front - std::min(e.back, -glow);
    double length = (w - 4) / units, across = std::min(length, (h - 4) / (2 * e.half + 0.04));
    bool west = k.s.Has("left");
    const double tail = 2 + length * std::max(-e.back, glow);  // the tail's distance from the picture's back edge
    cairo_save(cr);
    cairo_translate(cr, west ? w - tail : tail, h / 2);
    cairo_scale(cr, west ? -length : length, across);
    DrawHull(cr, d, l, 1 / across);
    cairo_restore(cr);
  }
  if (k.s.on) {  // targeting brackets in the corners, clear of the bottom-left pixel that keys the picture
    cairo_set_line_width(cr, std::max(1.5, h / 16));
    Source(cr, Mix(t, kWhite, 0.7));
    CornerBrackets(cr, 1.5, w, h, std::min(w, h) * 0.3);
  }
  k.c.Put(0, int(h) - 1, kBlack);
}

void PaintMissile(Context& k) {
  cairo_t* cr = k.cr();
  Rgb body = Mix(Rgb{200, 202, 210}, k.main(), 0.3), band = k.main();
  double w = k.w(), h = k.h(), cy = h / 2;
  k.c.Transform([](Rgb) { return kMissileTrackColour; });
  if (DrawOrdnanceProfile(k)) return;
  if (k.s.Has("mine")) {
    double cx = w / 2, r = std::min(w, h) * 0.28;
    Source(cr, Scale(body, 0.6));
    cairo_set_line_width(cr, r * 0.18);
    for (int i = 0; i < 8; ++i) {
      double a = i * kPi / 4;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + r * 1.45 * std::cos(a), cy + r * 1.45 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    RadialSource(cr, cx, cy, 0, r, {{0, Mix(body, kWhite, 0.4)}, {0.7, Scale(body, 0.7)}, {1, Scale(body, 0.35)}},
                 cx - r * 0.35, cy - r * 0.4);
    cairo_fill(cr);
    Glow(cr, cx, cy, r * 0.6, band.r > band.b ? Rgb{255, 60, 40} : Rgb{255, 200, 60}, 1.2);
    return;
  }
  bool west = k.s.Has("west");
  cairo_save(cr);
  cairo_translate(cr, west ? w : 0, cy);
  cairo_scale(cr, west ? -w : w, h);
  Glow(cr, 0.12, 0, 0.14, Rgb{255, 170, 70}, 1.2);
  PolygonPath(cr, {{0.02, -0.04}, {0.2, -0.08}, {0.2, 0.08}, {0.02, 0.04}});
  LinearSource(cr, 0, 0, 0.2, 0, {{0, Rgb{255, 120, 40}, 0}, {1, Rgb{255, 230, 160}}});
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    PolygonPath(cr, {{0.2, side * 0.09}, {0.34, side * 0.09}, {0.22, side * 0.3}, {0.17, side * 0.3}});
    Source(cr, Scale(band, 0.8));
    cairo_fill(cr);
  }
  PolygonPath(cr, {{0.2, -0.1}, {0.74, -0.1}, {0.95, 0}, {0.74, 0.1}, {0.2, 0.1}});
  LinearSource(cr, 0, -0.1, 0, 0.1, {{0, Mix(body, kWhite, 0.5)}, {0.5, body}, {1, Scale(body, 0.4)}});
  cairo_fill(cr);
  Source(cr, band);
  cairo_rectangle(cr, 0.6, -0.1, 0.06, 0.2);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintBeam(Context& k) {
  k.c.Transform([](Rgb) { return kBlack; });
  int gun = k.s.Int("fire", 1 + int(Hash(k.a.file) % 4));
  bool west = k.s.Has("west");
  if (k.s.Has("streak")) {  // a shot that missed: the gun's beams crossing the whole picture
    MissStreak(k.cr(), k.w(), k.h(), gun, west);
    return;
  }
  if (k.s.Has("gap")) {  // the volley on its way across the gap between the ships
    GapBeams(k.cr(), k.w(), k.h(), gun, west, k.s.Has("Up") ? -1 : k.s.Has("Down") ? 1 : 0);
    return;
  }
  Beams(k.cr(), {west ? k.w() - 3 : 3, k.h() / 2}, west ? 0 : k.w(), k.h() * 0.22, gun, std::max(1.2, k.h() * 0.07));
}

}  // namespace assetgen
