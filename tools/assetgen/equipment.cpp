// The equipment pictures: every item its own outline on a dark card (barrels, coils and prongs of
// the guns; the count and size of the warheads of the launchers; nozzles of the engines; dishes,
// domes and pods of the rest), so an item reads by its shape alone, in the grey copy too. The
// missiles' and mines' side views share the outlines of their launchers.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr Rgb kMetal{170, 176, 188}, kDarkMetal{92, 98, 110};

// The drawing is done in units: the card's centre is (0, 0), one unit is half the card's height.
struct Pen {
  cairo_t* cr;
  Rgb accent;
};

void Metal(cairo_t* cr, double y0, double y1, Rgb metal = kMetal) {
  LinearSource(cr, 0, y0, 0, y1, {{0, Mix(metal, kWhite, 0.45)}, {0.45, metal}, {1, Scale(metal, 0.38)}});
}

void Outline(cairo_t* cr, double width = 0.035) {
  Source(cr, Rgb{14, 16, 22}, 0.9);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A horizontal cylinder from x0 to x1 around y, of radius r.
void Tube(cairo_t* cr, double x0, double x1, double y, double r, Rgb metal = kMetal) {
  RoundedRect(cr, x0, y - r, x1 - x0, 2 * r, r * 0.35);
  Metal(cr, y - r, y + r, metal);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void Block(cairo_t* cr, double x, double y, double w, double h, Rgb metal = kMetal) {
  RoundedRect(cr, x, y, w, h, std::min(w, h) * 0.18);
  Metal(cr, y, y + h, metal);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void Ball(cairo_t* cr, double cx, double cy, double r, Rgb metal = kMetal) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  RadialSource(cr, cx, cy, 0, r, {{0, Mix(metal, kWhite, 0.5)}, {0.7, metal}, {1, Scale(metal, 0.4)}}, cx - r * 0.35,
               cy - r * 0.4);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void Ring(cairo_t* cr, double x, double y, double rx, double ry, Rgb colour, double width) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  Source(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A missile lying nose right: body from x0 to x1 of radius r, a warhead of the accent's colour
// `head` long, two fins at the tail.
void Missile(const Pen& p, double x0, double x1, double y, double r, double head, bool bigFins = false) {
  cairo_t* cr = p.cr;
  double fin = bigFins ? r * 2.2 : r * 1.5;
  for (double s : {-1.0, 1.0}) {
    PolygonPath(cr, {{x0, y + s * r * 0.6}, {x0 + r * 2.4, y + s * r * 0.6}, {x0 + r * 0.6, y + s * fin}, {x0 - r * 0.2, y + s * fin}});
    Source(cr, Scale(p.accent, 0.75));
    cairo_fill_preserve(cr);
    Outline(cr, 0.025);
  }
  Tube(cr, x0, x1 - head, y, r);
  PolygonPath(cr, {{x1 - head - 0.01, y - r}, {x1 - head * 0.35, y - r * 0.8}, {x1, y}, {x1 - head * 0.35, y + r * 0.8},
                   {x1 - head - 0.01, y + r}});
  LinearSource(cr, 0, y - r, 0, y + r, {{0, Mix(p.accent, kWhite, 0.45)}, {0.5, p.accent}, {1, Scale(p.accent, 0.45)}});
  cairo_fill_preserve(cr);
  Outline(cr, 0.025);
}

// A rocket nozzle opening to the left at (x, y): a bell `len` long from throat radius r0 to mouth r1,
// with the flame of the accent colour behind it.
void Nozzle(const Pen& p, double x, double y, double r0, double r1, double len, double flame) {
  cairo_t* cr = p.cr;
  if (flame > 0) {
    PolygonPath(cr, {{x - len, y - r1 * 0.8}, {x - len - flame, y}, {x - len, y + r1 * 0.8}});
    LinearSource(cr, x - len - flame, 0, x - len, 0, {{0, p.accent, 0}, {0.6, p.accent, 0.8}, {1, Mix(p.accent, kWhite, 0.7)}});
    cairo_fill(cr);
  }
  PolygonPath(cr, {{x, y - r0}, {x - len, y - r1}, {x - len, y + r1}, {x, y + r0}});
  LinearSource(cr, 0, y - r1, 0, y + r1, {{0, Mix(kDarkMetal, kWhite, 0.35)}, {0.5, kDarkMetal}, {1, Scale(kDarkMetal, 0.35)}});
  cairo_fill_preserve(cr);
  Outline(cr);
  cairo_save(cr);
  cairo_translate(cr, x - len, y);
  cairo_scale(cr, r1 * 0.3, r1 * 0.95);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  Source(cr, Mix(p.accent, kWhite, 0.5));
  cairo_fill(cr);
}

// A gun's breech block and mount, from which the barrels run right.
void Breech(const Pen& p, double x, double y, double w, double h) {
  cairo_t* cr = p.cr;
  Block(cr, x, y - h / 2, w, h);
  Block(cr, x + w * 0.2, y + h / 2, w * 0.6, 0.22, kDarkMetal);
  Source(cr, p.accent);
  cairo_rectangle(cr, x + w * 0.15, y - h * 0.12, w * 0.7, h * 0.24);
  cairo_fill(cr);
}

void MuzzleGlow(const Pen& p, double x, double y, double r) { Glow(p.cr, x, y, r, p.accent, 1.0); }

// ---- The items ---------------------------------------------------------------------------------------

void Laser(const Pen& p) {  // one long slim barrel with a lens at the muzzle
  Breech(p, -1.05, 0.05, 0.6, 0.6);
  Tube(p.cr, -0.45, 1.0, 0.05, 0.07);
  Ring(p.cr, 1.0, 0.05, 0.05, 0.14, Mix(p.accent, kWhite, 0.4), 0.05);
  MuzzleGlow(p, 1.05, 0.05, 0.2);
}

void TurboLaser(const Pen& p) {  // two short barrels far apart, a finned heat sink between them
  Breech(p, -1.05, 0.0, 0.45, 1.0);
  for (double y : {-0.36, 0.36}) Tube(p.cr, -0.6, 0.7, y, 0.1);
  Block(p.cr, -0.5, -0.18, 0.7, 0.36, kDarkMetal);
  for (int i = 0; i < 3; ++i) Block(p.cr, -0.4 + i * 0.22, -0.26, 0.08, 0.52);
  for (double y : {-0.36, 0.36}) MuzzleGlow(p, 0.75, y, 0.18);
}

void Fusion(const Pen& p) {  // a round fusion chamber feeding one thick barrel
  Tube(p.cr, -0.1, 0.95, 0.05, 0.15);
  Ball(p.cr, -0.45, 0.05, 0.45);
  Glow(p.cr, -0.45, 0.05, 0.25, p.accent, 1.3);
  MuzzleGlow(p, 1.0, 0.05, 0.26);
}

void Particle(const Pen& p) {  // a barrel wound with three large accelerator coils
  Breech(p, -1.05, 0.05, 0.4, 0.5);
  Tube(p.cr, -0.65, 1.0, 0.05, 0.07);
  for (int i = 0; i < 3; ++i) {
    Ring(p.cr, -0.35 + i * 0.45, 0.05, 0.12, 0.5, Scale(kMetal, 0.45), 0.16);
    Ring(p.cr, -0.35 + i * 0.45, 0.05, 0.12, 0.5, Mix(kMetal, p.accent, 0.4), 0.09);
  }
  MuzzleGlow(p, 1.05, 0.05, 0.18);
}

void Quantum(const Pen& p) {  // a crystal in a cradle between two emitter prongs
  cairo_t* cr = p.cr;
  Block(cr, -1.05, -0.35, 0.5, 0.8);
  for (double s : {-1.0, 1.0}) {
    PolygonPath(cr, {{-0.55, s * 0.3}, {0.9, s * 0.12}, {0.9, s * 0.22}, {-0.55, s * 0.45}});
    Metal(cr, -0.45, 0.45);
    cairo_fill_preserve(cr);
    Outline(cr);
  }
  PolygonPath(cr, {{-0.2, 0}, {0.1, -0.3}, {0.45, 0}, {0.1, 0.3}});
  LinearSource(cr, -0.2, -0.3, 0.45, 0.3, {{0, Mix(p.accent, kWhite, 0.7)}, {1, Scale(p.accent, 0.6)}});
  cairo_fill_preserve(cr);
  Outline(cr);
  MuzzleGlow(p, 0.95, 0, 0.22);
}

void SuperFusion(const Pen& p) {  // two fusion chambers feeding a wide flared muzzle
  cairo_t* cr = p.cr;
  for (double y : {-0.38, 0.42}) Ball(cr, -0.7, y, 0.3);
  Tube(cr, -0.45, 0.6, 0.02, 0.2);
  PolygonPath(cr, {{0.55, -0.2}, {1.0, -0.42}, {1.0, 0.46}, {0.55, 0.24}});
  Metal(cr, -0.42, 0.46);
  cairo_fill_preserve(cr);
  Outline(cr);
  for (double y : {-0.38, 0.42}) Glow(cr, -0.7, y, 0.16, p.accent, 1.2);
  MuzzleGlow(p, 1.02, 0.02, 0.32);
}

void Leech(const Pen& p) {  // a siphon hose into a barrel that ends in three claws
  cairo_t* cr = p.cr;
  Source(cr, kDarkMetal);
  cairo_set_line_width(cr, 0.12);
  cairo_move_to(cr, -1.05, 0.6);
  cairo_curve_to(cr, -0.6, 0.7, -0.7, 0.05, -0.3, 0.05);
  cairo_stroke(cr);
  Tube(cr, -0.45, 0.55, 0.05, 0.13);
  for (double a : {-0.55, 0.0, 0.55}) {
    cairo_move_to(cr, 0.55, 0.05);
    cairo_curve_to(cr, 0.75, 0.05 + a * 0.3, 0.85, 0.05 + a * 0.9, 1.05, 0.05 + a * 0.6);
  }
  Source(cr, Mix(kMetal, p.accent, 0.3));
  cairo_set_line_width(cr, 0.09);
  cairo_stroke(cr);
  MuzzleGlow(p, 0.9, 0.05, 0.15);
}

void Disruptor(const Pen& p) {  // a fork of two prongs with a zigzag arc between them
  cairo_t* cr = p.cr;
  Breech(p, -1.05, 0.0, 0.5, 0.7);
  for (double s : {-1.0, 1.0}) {
    PolygonPath(cr, {{-0.55, s * 0.1}, {0.2, s * 0.45}, {1.0, s * 0.45}, {1.0, s * 0.3}, {0.25, s * 0.3}, {-0.55, s * 0.0}});
    Metal(cr, -0.45, 0.45);
    cairo_fill_preserve(cr);
    Outline(cr);
  }
  cairo_move_to(cr, 0.35, -0.3);
  for (int i = 1; i <= 6; ++i) cairo_line_to(cr, 0.35 + i * 0.1, i % 2 ? 0.3 : -0.3);
  Source(cr, Mix(p.accent, kWhite, 0.5));
  cairo_set_line_width(cr, 0.05);
  cairo_stroke(cr);
}

void Gatling(const Pen& p) {  // a drum and a bundle of six barrels with a collar
  cairo_t* cr = p.cr;
  Block(cr, -1.05, -0.42, 0.45, 0.84);
  Block(cr, -0.62, -0.32, 0.3, 0.64, kDarkMetal);
  for (int i = 0; i < 6; ++i) Tube(cr, -0.35, 0.95, -0.27 + i * 0.11, 0.045);
  Block(cr, 0.55, -0.36, 0.1, 0.72, kDarkMetal);
  MuzzleGlow(p, 1.0, 0, 0.2);
}

// Launchers: the count and size of the warheads tell them apart.
void ArrowPod(const Pen& p) {  // three slim arrows in a rack
  Block(p.cr, -1.0, -0.62, 0.22, 1.24, kDarkMetal);
  for (double y : {-0.42, 0.0, 0.42}) Missile(p, -0.8, 0.95, y, 0.07, 0.22);
}

void XasmPair(const Pen& p) {  // two missiles with a seeker head and long fins
  Block(p.cr, -1.0, -0.55, 0.22, 1.1, kDarkMetal);
  for (double y : {-0.3, 0.32}) {
    Missile(p, -0.75, 0.95, y, 0.12, 0.35, true);
    Glow(p.cr, 0.9, y, 0.08, Rgb{255, 80, 60}, 1.2);
  }
}

void ZeusHeavy(const Pen& p) {  // one heavy missile with a large bulbous warhead and a lightning band
  cairo_t* cr = p.cr;
  Missile(p, -0.95, 0.45, 0.05, 0.18, 0.05, true);
  Ball(cr, 0.6, 0.05, 0.34, Mix(kMetal, p.accent, 0.6));
  PolygonPath(cr, {{-0.1, -0.13}, {-0.3, 0.08}, {-0.15, 0.08}, {-0.28, 0.25}, {0.05, 0.0}, {-0.1, 0.0}});
  Source(cr, Rgb{255, 230, 90});
  cairo_fill(cr);
}

void DestroyerTorpedo(const Pen& p) {  // a long two-stage torpedo with booster rings and a spike
  cairo_t* cr = p.cr;
  Tube(cr, -1.05, -0.35, 0.05, 0.3, kDarkMetal);
  Missile(p, -0.4, 0.95, 0.05, 0.24, 0.45, true);
  for (double x : {-0.85, -0.55}) Block(cr, x, -0.3, 0.08, 0.7, Mix(kMetal, p.accent, 0.5));
  cairo_move_to(cr, 0.95, 0.05), cairo_line_to(cr, 1.15, 0.05);
  Source(cr, kMetal);
  cairo_set_line_width(cr, 0.05);
  cairo_stroke(cr);
}

// A mine: a ball with `spikes` spikes; the self-propelled one has a thruster and fins behind.
void MineBall(const Pen& p, double cx, double cy, double r, int spikes, bool propelled) {
  cairo_t* cr = p.cr;
  if (propelled) {
    Nozzle(p, cx - r * 0.9, cy, r * 0.25, r * 0.45, r * 0.5, r * 0.9);
    for (double s : {-1.0, 1.0}) {
      PolygonPath(cr, {{cx - r * 0.4, cy + s * r * 0.6}, {cx - r * 1.3, cy + s * r * 1.25}, {cx - r * 1.0, cy + s * r * 0.3}});
      Source(cr, Scale(p.accent, 0.7));
      cairo_fill_preserve(cr);
      Outline(cr, r * 0.05);
    }
  }
  Source(cr, kDarkMetal);
  cairo_set_line_width(cr, r * 0.16);
  for (int i = 0; i < spikes; ++i) {
    double a = -kPi / 2 + i * 2 * kPi / spikes;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r * 1.35 * std::cos(a), cy + r * 1.35 * std::sin(a));
  }
  cairo_stroke(cr);
  for (int i = 0; i < spikes; ++i) {
    double a = -kPi / 2 + i * 2 * kPi / spikes;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + r * 1.35 * std::cos(a), cy + r * 1.35 * std::sin(a), r * 0.13, 0, 2 * kPi);
  }
  Source(cr, kMetal);
  cairo_fill(cr);
  Ball(cr, cx, cy, r);
  if (propelled) {  // a band round the middle
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_rectangle(cr, cx - r * 0.12, cy - r, r * 0.24, 2 * r);
    Source(cr, Scale(p.accent, 0.8));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  Glow(cr, cx, cy, r * 0.45, p.accent, 1.3);
}

void Traveller(const Pen& p) {  // one engine block with a single bell nozzle
  Block(p.cr, -0.2, -0.4, 1.05, 0.8);
  Nozzle(p, -0.2, 0, 0.25, 0.45, 0.5, 0.35);
  for (int i = 0; i < 3; ++i) Block(p.cr, 0.05 + i * 0.25, -0.4, 0.06, 0.8, kDarkMetal);
}

void Hellfire(const Pen& p) {  // a combat engine: two flaring nozzles with long flames, intakes on top
  cairo_t* cr = p.cr;
  Block(cr, -0.15, -0.55, 1.1, 1.1);
  for (double y : {-0.28, 0.28}) Nozzle(p, -0.15, y, 0.16, 0.26, 0.38, 0.55);
  PolygonPath(cr, {{0.3, -0.55}, {0.55, -0.78}, {0.95, -0.78}, {0.95, -0.55}});
  Metal(cr, -0.78, -0.55, kDarkMetal);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void TachyonBooster(const Pen& p) {  // a ring booster: a torus round a glowing core, three small jets
  cairo_t* cr = p.cr;
  for (double y : {-0.45, 0.0, 0.45}) Nozzle(p, -0.55, y, 0.07, 0.13, 0.3, 0.25);
  Block(cr, -0.6, -0.55, 0.4, 1.1, kDarkMetal);
  Ring(cr, 0.4, 0.0, 0.3, 0.62, kMetal, 0.2);
  Ring(cr, 0.4, 0.0, 0.3, 0.62, Scale(kMetal, 0.5), 0.05);
  Glow(cr, 0.4, 0.0, 0.35, p.accent, 1.4);
  Tube(cr, -0.2, 0.4, 0.0, 0.08);
}

void Quicklock(const Pen& p) {  // a scope: a screen with a crosshair on a stand
  cairo_t* cr = p.cr;
  Block(cr, -0.15, 0.35, 0.3, 0.35, kDarkMetal);
  Block(cr, -0.7, -0.65, 1.4, 1.0);
  cairo_rectangle(cr, -0.58, -0.54, 1.16, 0.78);
  Source(cr, Rgb{10, 24, 20});
  cairo_fill(cr);
  Source(cr, p.accent);
  cairo_set_line_width(cr, 0.05);
  cairo_arc(cr, 0, -0.15, 0.26, 0, 2 * kPi);
  cairo_move_to(cr, -0.45, -0.15), cairo_line_to(cr, 0.45, -0.15);
  cairo_move_to(cr, 0, -0.5), cairo_line_to(cr, 0, 0.2);
  cairo_stroke(cr);
}

void Takedown(const Pen& p) {  // a dish antenna on a mast, locking brackets before it
  cairo_t* cr = p.cr;
  Block(cr, -0.6, 0.45, 0.6, 0.25, kDarkMetal);
  Tube(cr, -0.34, -0.26, 0.15, 0.35, kDarkMetal);
  cairo_save(cr);
  cairo_translate(cr, -0.3, -0.2);
  cairo_rotate(cr, -0.5);
  cairo_scale(cr, 0.25, 0.6);
  cairo_arc(cr, 0, 0, 1, -kPi / 2, kPi / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
  Metal(cr, -0.8, 0.4);
  cairo_fill_preserve(cr);
  Outline(cr);
  Source(cr, p.accent);
  cairo_set_line_width(cr, 0.06);
  for (double sx : {-1.0, 1.0})
    for (double sy : {-1.0, 1.0}) {
      double x = 0.55 + sx * 0.3, y = -0.1 + sy * 0.3;
      cairo_move_to(cr, x, y - sy * 0.15), cairo_line_to(cr, x, y), cairo_line_to(cr, x - sx * 0.15, y);
    }
  cairo_stroke(cr);
  cairo_arc(cr, 0.55, -0.1, 0.07, 0, 2 * kPi);
  cairo_fill(cr);
}

void Crate(const Pen& p) {  // a cargo crate with straps
  cairo_t* cr = p.cr;
  Block(cr, -0.7, -0.55, 1.4, 1.1, Rgb{150, 130, 95});
  Source(cr, Rgb{60, 50, 36});
  cairo_set_line_width(cr, 0.06);
  cairo_rectangle(cr, -0.6, -0.45, 1.2, 0.9);
  cairo_move_to(cr, -0.6, -0.45), cairo_line_to(cr, 0.6, 0.45);
  cairo_move_to(cr, 0.6, -0.45), cairo_line_to(cr, -0.6, 0.45);
  cairo_stroke(cr);
  Source(cr, p.accent);
  cairo_rectangle(cr, -0.08, -0.55, 0.16, 1.1);
  cairo_fill(cr);
}

void Defender(const Pen& p) {  // a squat dome emitter with one mast and one wave
  cairo_t* cr = p.cr;
  Block(cr, -0.7, 0.3, 1.4, 0.3, kDarkMetal);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0.3, 0.5, kPi, 2 * kPi);
  cairo_close_path(cr);
  Metal(cr, -0.2, 0.3);
  cairo_fill_preserve(cr);
  Outline(cr);
  Tube(cr, -0.04, 0.04, -0.45, 0.25);
  cairo_set_line_width(cr, 0.06);
  Source(cr, p.accent);
  cairo_arc(cr, 0, -0.55, 0.3, -kPi * 0.85, -kPi * 0.15);
  cairo_stroke(cr);
  Glow(cr, 0, -0.62, 0.12, p.accent, 1.2);
}

void Supersafe(const Pen& p) {  // a tall generator with three emitter rods inside a hexagonal field
  cairo_t* cr = p.cr;
  std::vector<Point> hex;
  for (int i = 0; i < 6; ++i) hex.push_back({0.85 * std::cos(i * kPi / 3), 0.85 * std::sin(i * kPi / 3)});
  PolygonPath(cr, hex);
  Source(cr, p.accent, 0.18);
  cairo_fill_preserve(cr);
  Source(cr, p.accent);
  cairo_set_line_width(cr, 0.06);
  cairo_stroke(cr);
  Block(cr, -0.3, -0.2, 0.6, 0.75);
  for (double x : {-0.22, 0.0, 0.22}) {
    Tube(cr, x - 0.04, x + 0.04, -0.35, 0.18, kDarkMetal);
    Glow(cr, x, -0.55, 0.1, p.accent, 1.3);
  }
}

void ShieldUnit(const Pen& p) {  // a capacitor bank: three cells with a shield crest
  cairo_t* cr = p.cr;
  for (int i = 0; i < 3; ++i) {
    Block(cr, -0.8 + i * 0.38, -0.35, 0.32, 0.8);
    Block(cr, -0.72 + i * 0.38, -0.48, 0.16, 0.13, kDarkMetal);
  }
  PolygonPath(cr, {{0.4, -0.45}, {0.95, -0.45}, {0.95, 0.05}, {0.675, 0.45}, {0.4, 0.05}});
  Source(cr, p.accent);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void Cloaking(const Pen& p) {  // a lens projector and a ship outline fading into dashes
  cairo_t* cr = p.cr;
  Block(cr, -1.0, -0.3, 0.45, 0.6);
  cairo_save(cr);
  cairo_translate(cr, -0.5, 0);
  cairo_scale(cr, 0.1, 0.32);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  Source(cr, Mix(p.accent, kWhite, 0.5));
  cairo_fill(cr);
  PolygonPath(cr, {{1.05, 0}, {0.0, -0.6}, {0.25, 0}, {0.0, 0.6}});
  LinearSource(cr, 0, 0, 1.05, 0, {{0, p.accent, 0.05}, {1, p.accent, 0.6}});
  cairo_fill_preserve(cr);
  double dash[] = {0.1, 0.06};
  cairo_set_dash(cr, dash, 2, 0);
  Source(cr, Mix(p.accent, kWhite, 0.4));
  cairo_set_line_width(cr, 0.07);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

void Hospital(const Pen& p) {  // a rounded medical pod with a window and a red cross
  cairo_t* cr = p.cr;
  RoundedRect(cr, -0.9, -0.45, 1.8, 0.9, 0.42);
  Metal(cr, -0.45, 0.45, Rgb{215, 220, 226});
  cairo_fill_preserve(cr);
  Outline(cr);
  RoundedRect(cr, 0.1, -0.28, 0.6, 0.4, 0.15);
  Source(cr, Mix(kGlass, p.accent, 0.2));
  cairo_fill(cr);
  Source(cr, Rgb{215, 40, 40});
  cairo_rectangle(cr, -0.58, -0.3, 0.16, 0.6);
  cairo_rectangle(cr, -0.8, -0.08, 0.6, 0.16);
  cairo_fill(cr);
}

void Raiding(const Pen& p) {  // a boarding shuttle with a docking claw at its nose
  cairo_t* cr = p.cr;
  Nozzle(p, -0.7, 0, 0.12, 0.2, 0.25, 0.25);
  PolygonPath(cr, {{-0.7, -0.3}, {0.3, -0.3}, {0.6, -0.1}, {0.6, 0.1}, {0.3, 0.3}, {-0.7, 0.3}});
  Metal(cr, -0.3, 0.3);
  cairo_fill_preserve(cr);
  Outline(cr);
  RoundedRect(cr, 0.1, -0.22, 0.3, 0.14, 0.05);
  Source(cr, kGlass);
  cairo_fill(cr);
  Source(cr, Mix(kMetal, p.accent, 0.4));
  cairo_set_line_width(cr, 0.07);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 0.6, s * 0.08);
    cairo_curve_to(cr, 0.85, s * 0.15, 0.95, s * 0.4, 1.05, s * 0.2);
  }
  cairo_stroke(cr);
}

struct Item {
  std::string_view name;
  void (*draw)(const Pen&);
};

void Mine(const Pen& p) { MineBall(p, 0, 0, 0.42, 6, false); }
void Mine2(const Pen& p) { MineBall(p, 0.25, 0, 0.38, 4, true); }

constexpr Item kItems[] = {
    {"Laser", Laser},         {"TurboLaser", TurboLaser},       {"Fusion", Fusion},
    {"Particle", Particle},   {"Quantum", Quantum},             {"SuperFusion", SuperFusion},
    {"Leech", Leech},         {"Disruptor", Disruptor},         {"Gatling", Gatling},
    {"ArrowMissile", ArrowPod}, {"XASMMissile", XasmPair},      {"Zeus", ZeusHeavy},
    {"Mine", Mine},           {"Mine2", Mine2},                 {"Destroyer", DestroyerTorpedo},
    {"Traveller", Traveller}, {"Hellfire", Hellfire},           {"TachyonBooster", TachyonBooster},
    {"Quicklock", Quicklock}, {"Takedown", Takedown},           {"Defender", Defender},
    {"Supersafe", Supersafe}, {"ShieldUnit", ShieldUnit},       {"Cloaking", Cloaking},
    {"Hospital", Hospital},   {"Raiding", Raiding},             {"Misc", Crate},
};

const Item* FindItem(std::string_view name) {
  for (const Item& i : kItems)
    if (i.name == name) return &i;
  return nullptr;
}

}  // namespace

// A piece of equipment on a dark card, by its base name (the label).
void PaintEquipment(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  k.c.Transform([](Rgb) { return Rgb{10, 12, 16}; });
  MetalPanel(k, 0, 0, w, h, Rgb{50, 56, 66}, 1.0, 6);
  const Item* item = FindItem(k.a.label);
  if (!item) item = FindItem("Misc");
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  double unit = std::min(h / 2, w / 2.4) * 0.92;
  cairo_scale(cr, unit, unit);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  item->draw(Pen{cr, k.main()});
  cairo_restore(cr);
}

bool DrawOrdnanceProfile(Context& k) {
  cairo_t* cr = k.cr();
  std::string_view name = k.a.label;
  double w = k.w(), h = k.h();
  Pen p{cr, k.main()};
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  bool drawn = true;
  if (name == "Mine" || name == "Mine2") {
    double unit = std::min(w, h) / 2 * 0.62;
    cairo_translate(cr, w / 2, h / 2);
    if (k.s.Has("west")) cairo_scale(cr, -1, 1);
    cairo_scale(cr, unit, unit);
    if (name == "Mine") MineBall(p, 0, 0, 0.75, 6, false);
    else MineBall(p, 0.35, 0, 0.6, 4, true);
  } else {
    // One flight: the missile alone, nose to the right (left for the west view), a short exhaust.
    double unit = std::min(h * 0.75, w / 2.4) * 0.9;
    cairo_translate(cr, w / 2, h / 2);
    if (k.s.Has("west")) cairo_scale(cr, -1, 1);
    cairo_scale(cr, unit, unit);
    auto exhaust = [&](double x, double r) {
      PolygonPath(cr, {{x, -r}, {x - 0.5, 0}, {x, r}});
      LinearSource(cr, x - 0.5, 0, x, 0, {{0, Rgb{255, 150, 60}, 0}, {1, Rgb{255, 230, 160}}});
      cairo_fill(cr);
    };
    if (name == "ArrowMissile") {  // slim and long, small warhead
      exhaust(-1.0, 0.07);
      Missile(p, -1.0, 1.15, 0, 0.1, 0.3, true);
    } else if (name == "XASMMissile") {  // a seeker head and long fins
      exhaust(-0.95, 0.14);
      Missile(p, -0.95, 1.05, 0, 0.21, 0.5, true);
      Glow(cr, 1.0, 0, 0.1, Rgb{255, 80, 60}, 1.2);
    } else if (name == "Zeus") {  // the bulbous warhead
      exhaust(-0.95, 0.14);
      Missile(p, -0.95, 0.4, 0, 0.2, 0.05, true);
      Ball(cr, 0.62, 0, 0.4, Mix(kMetal, p.accent, 0.6));
    } else if (name == "Destroyer") {  // two stages and a spike
      exhaust(-0.85, 0.22);
      Tube(cr, -0.85, -0.3, 0, 0.28, kDarkMetal);
      Missile(p, -0.35, 1.05, 0, 0.22, 0.4, true);
    } else if (name == "Jalkath missile") {  // the alien side's: a ribbed spindle round a glowing core
      exhaust(-0.9, 0.1);
      cairo_move_to(cr, -0.95, 0);
      cairo_curve_to(cr, -0.5, -0.55, 0.5, -0.45, 1.1, 0);
      cairo_curve_to(cr, 0.5, 0.45, -0.5, 0.55, -0.95, 0);
      LinearSource(cr, 0, -0.4, 0, 0.4, {{0, Mix(p.accent, kWhite, 0.5)}, {0.5, Scale(p.accent, 0.8)}, {1, Scale(p.accent, 0.3)}});
      cairo_fill_preserve(cr);
      Outline(cr);
      Source(cr, Scale(p.accent, 0.35));
      cairo_set_line_width(cr, 0.05);
      for (double x : {-0.5, -0.15, 0.2, 0.55}) {
        cairo_move_to(cr, x, -0.32);
        cairo_curve_to(cr, x + 0.12, -0.1, x + 0.12, 0.1, x, 0.32);
      }
      cairo_stroke(cr);
      Glow(cr, 0.05, 0, 0.25, Rgb{255, 240, 160}, 1.3);
    } else {
      drawn = false;
    }
  }
  cairo_restore(cr);
  return drawn;
}

}  // namespace assetgen
