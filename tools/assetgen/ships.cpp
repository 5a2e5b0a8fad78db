// Ships seen from above, pointing the way they fly: each class its own silhouette, growing with its
// size class, a shaded hull in the owning faction's livery with its stripe and marking, glowing
// engines, shields and gun fire; the wireframe views of the shipyard; missiles, mines and beams.
#include <algorithm>
#include <cmath>
#include <string>

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
  enum Feature { kPlain, kProngs, kHammer, kDisc, kBooms, kSponsons, kContainers } feature = kPlain;
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
    {"Neptun", 4, 0.12, 0.2, 0.4, 0.28, 0.3, 3, false, 3, true, 1, Design::kSponsons},
    {"Galaxy", 4, 0.2, 0.16, 0.2, 0.3, 0.15, 4, false, 1, true, 1, Design::kDisc},
    {"Corsair", 4, 0.11, 0.32, 0.9, 0.35, 0.45, 3, true, 2, true, 1, Design::kProngs},
    {"Marauder", 5, 0.14, 0.26, 0.5, 0.3, 0.3, 4, false, 4, true, 1, Design::kSponsons},
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

Livery LiveryOf(const Context& k) {
  if (k.s.Has("Pirate_")) return {{78, 70, 72}, {205, 50, 40}, {255, 140, 50}, 5};
  if (k.s.Has("Federation_")) return {{196, 202, 214}, {45, 100, 215}, {140, 200, 255}, 1};
  if (k.s.Has("Outerrim_")) return {{128, 130, 108}, {55, 170, 85}, {120, 255, 200}, 2};
  if (k.s.Has("Coalition_")) return {{172, 160, 140}, {230, 140, 30}, {255, 220, 110}, 3};
  if (k.s.Has("Syndicate_")) return {{70, 60, 86}, {165, 80, 220}, {240, 110, 255}, 4};
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
  double length = k.w() * (0.5 + 0.08 * d.size), cy = k.h() / 2;
  cairo_save(cr);
  PlaceUnit(cr, (k.w() - length) / 2, cy, length, false);
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

}  // namespace

void PaintShip(Context& k) {
  cairo_t* cr = k.cr();
  if (k.s.Has("scene") && k.s.Has("empty")) {  // no ship to show: the stars alone
    Starfield(k, 0.004, true, Rgb{40, 40, 90});
    return;
  }
  const Design& d = DesignOf(k.s.Text("hull"));
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
    DrawFormation(cr, d, l, 0, 0, w * 0.8, h * 0.75, false);
    cairo_restore(cr);
    return;
  }
  k.c.Transform([](Rgb) { return kBlack; });
  double cx = w / 2, cy = h / 2, fw = w * 0.86, fh = h * 0.86;
  if (k.s.Has("shield")) Shield(cr, cx, cy, w * 0.48, h * 0.47);
  DrawFormation(cr, d, l, cx, cy, fw, fh, west);
  if (int gun = k.s.Int("fire", 0); gun > 0) {
    double length = ShipLength(d, fw, fh);
    double nose = west ? cx - length * (d.group > 1 ? 0.75 : 0.5) : cx + length * (d.group > 1 ? 0.75 : 0.5);
    Beams(cr, {nose, cy}, west ? 0 : w, h * 0.06, gun, std::max(1.5, h * 0.012));
  }
}

void PaintMissile(Context& k) {
  cairo_t* cr = k.cr();
  Rgb body = Mix(Rgb{200, 202, 210}, k.main(), 0.3), band = k.main();
  double w = k.w(), h = k.h(), cy = h / 2;
  k.c.Transform([](Rgb) { return kBlack; });
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
  int gun = 1 + int(Hash(k.a.file) % 4);
  bool west = k.s.Has("west");
  Beams(k.cr(), {west ? k.w() - 3 : 3, k.h() / 2}, west ? 0 : k.w(), k.h() * 0.22, gun, std::max(1.2, k.h() * 0.07));
}

}  // namespace assetgen
