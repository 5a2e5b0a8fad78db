// Panels, buttons, gauges, insignia, logos, icons and the shape table.
#include "tools/assetgen/painters.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/assetgen/kit.h"
#include "tools/assetgen/noise.h"

namespace assetgen {
namespace {

// ---- Buttons, tabs, hot spots, frames ---------------------------------------------------------------

// A bevelled metal-and-glass plate. The lit twin is clearly brighter with a glowing rim; "on" is a
// green lamp strip along the top edge and a green cast, kept dark enough under the caption that white
// text stays readable; "off" is dull.
void PaintButton(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb tint = k.main();
  if (k.s.on) tint = Mix(tint, Rgb{20, 95, 55}, 0.6);
  if (k.s.off) tint = Desaturate(tint, 0.6);
  double light = k.s.lit ? 1.45 : k.s.off ? 0.65 : 1.0;
  // The caption's band stays dark enough for white text (a contrast of 4.5 : 1 or more).
  for (int i = 0; i < 40 && Luminance(Scale(tint, 1.1 * light)) > 0.11; ++i) tint = Scale(tint, 0.93);
  k.c.Transform([](Rgb) { return Rgb{6, 10, 18}; });
  MetalPanel(k, 0, 0, w, h, tint, light, std::min(6.0, h / 5));
  // Glass sheen over the upper half.
  RoundedRect(cr, 3, 3, w - 6, h * 0.26, std::min(4.0, h / 6));
  LinearSource(cr, 0, 3, 0, h * 0.28, {{0, kWhite, k.s.lit ? 0.22 : 0.12}, {1, kWhite, 0.0}});
  cairo_fill(cr);
  if (k.s.lit) {
    RoundedRect(cr, 1, 1, w - 2, h - 2, std::min(6.0, h / 5));
    Source(cr, Rgb{140, 210, 255}, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  if (k.s.on) {
    RoundedRect(cr, w * 0.2, 2, w * 0.6, std::max(2.0, h * 0.08), 1.5);
    Source(cr, Rgb{120, 255, 150});
    cairo_fill(cr);
    Glow(cr, w / 2, 3, std::min(w * 0.3, h * 0.25), Rgb{80, 255, 120}, 0.35);
  }
}

// A rung of the career ladder: a button plate carrying its career's name, read from the label's rung
// number ("Rung 1" is the top, President), so the whole ladder reads from top to bottom. The others
// show it greyed; the reached rung (lit), which the screen names in gold, carries its dark shadow.
void PaintRung(Context& k) {
  static constexpr std::string_view kCareers[] = {"President", "Senator",  "Governor",   "Tycoon",     "Professor at Fleet Academy",
                                                  "Lawyer",    "Citizen",  "Shopkeeper", "Technician", "Beggar"};
  PaintButton(k);
  std::string_view label = k.a.label;
  if (!label.starts_with("Rung ")) return;
  int rung = std::atoi(std::string(label.substr(5)).c_str());
  if (rung < 1 || rung > 10) return;
  double w = k.w(), h = k.h(), size = std::min(h * 0.45, 13.5);
  if (k.s.lit) {  // the screen names the reached rung in gold on top: here its shadow, pressed in
    k.c.Text(kCareers[rung - 1], w / 2 + 1, h / 2 + 1, size, Rgb{24, 16, 6});
    return;
  }
  k.c.Text(kCareers[rung - 1], w / 2 + 1, h / 2 + 1, size, kBlack);
  k.c.Text(kCareers[rung - 1], w / 2, h / 2, size, Rgb{235, 240, 250});  // greyed with the rung
}

// Corner brackets around a dark glass field: a slot that lights when pointed at or chosen.
void PaintHotspot(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb edge = k.s.on ? kSelected : k.main();
  double light = k.s.lit ? 1.5 : k.s.on ? 1.2 : 0.8;
  LinearSource(cr, 0, 0, 0, h, {{0, Scale(edge, 0.25 * light)}, {1, Scale(edge, 0.08 * light)}});
  cairo_paint(cr);
  cairo_set_line_width(cr, k.s.lit || k.s.on ? 3 : 2);
  Source(cr, Scale(edge, light));
  CornerBrackets(cr, 2, w, h, std::min(w, h) / 3.5);
  if (k.s.lit || k.s.on) Glow(cr, w / 2, h / 2, std::max(w, h) * 0.6, edge, 0.25);
  // What the slot holds, above the caption the screen puts along its lower edge.
  static constexpr std::pair<std::string_view, std::string_view> kParts[] = {
      {"gun", "Fire_Gun"}, {"missile", "Fire_Missiles"}, {"engine", "Rage"},
      {"cargo", "CargoManager"}, {"targeting", "BountyHunter"}, {"ECM", "ECM"}};
  for (auto [part, symbol] : kParts)
    if (k.a.label == part)
      DrawIconSymbol(cr, symbol, w / 2, h * 0.36, std::min(w, h) * 0.22, Scale(Mix(edge, kWhite, 0.55), light),
                     Scale(edge, 0.2 * light));
}

// The duel screen's backdrop, 794 x 568, of which each frame piece is the part at its place
// (x=, y=): gunmetal consoles around a window onto space, the shield read-outs at the top corners,
// the message consoles at the sides, the control strip and the wells of the ability buttons below.
// Everything is placed in the backdrop's own coordinates with a fixed seed, so neighbouring pieces
// meet without a seam.
void PaintFrame(Context& k) {
  cairo_t* cr = k.cr();
  constexpr double kW = 794, kH = 568;
  cairo_translate(cr, -k.s.Int("x", 0), -k.s.Int("y", 0));
  Rgb metal = k.main();
  LinearSource(cr, 0, 0, 0, kH, {{0, Scale(metal, 0.75)}, {0.5, Scale(metal, 0.55)}, {1, Scale(metal, 0.4)}});
  cairo_paint(cr);
  Scatter grain(0xd0e1);
  for (double y = 0; y < kH; y += 2) {
    Source(cr, grain.Unit() < 0.5 ? kWhite : kBlack, 0.02 + 0.025 * grain.Unit());
    cairo_rectangle(cr, 0, y, kW, 1);
    cairo_fill(cr);
  }
  // A recessed well: darker inside, lit lower edge, shadowed upper edge.
  auto well = [&](double x, double y, double w, double h, Rgb inside, double radius) {
    RoundedRect(cr, x, y, w, h, radius);
    Source(cr, inside);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.5);
    RoundedRect(cr, x - 0.75, y - 0.75, w + 1.5, h + 1.5, radius + 1);
    LinearSource(cr, 0, y, 0, y + h, {{0, kBlack, 0.8}, {1, Scale(metal, 2.2), 0.9}});
    cairo_stroke(cr);
  };
  auto rivet = [&](double x, double y) {
    cairo_arc(cr, x, y, 2, 0, 2 * kPi);
    RadialSource(cr, x, y, 0, 2, {{0, Rgb{200, 210, 225}}, {1, Rgb{50, 60, 75}}}, x - 0.7, y - 0.7);
    cairo_fill(cr);
  };
  // Top read-outs, control strip.
  well(6, 14, 214, 84, Rgb{8, 12, 20}, 5);
  well(kW - 220, 14, 214, 84, Rgb{8, 12, 20}, 5);
  well(286, 414, 222, 36, Rgb{8, 12, 20}, 6);
  // The window onto space: one open view across the whole fight, from the player's ship on the
  // left to the enemy's on the right, rising in the middle to the missile track under the message
  // consoles; deep blue-black, a faint nebula, stars. No console edge crosses a ship, its shield or
  // a shot.
  const double ax = 228, ay = 84, aw = 347, ah = 311;  // the middle, up to the missile track
  const double bx = 6, by = 126, bw = kW - 12, bh = 269;  // the band the ships fly in
  auto window = [&] {
    RoundedRect(cr, ax, ay, aw, ah, 8);
    cairo_new_sub_path(cr);
    RoundedRect(cr, bx, by, bw, bh, 8);
  };
  // The window's rim: both outlines stroked first, the window's inside then painted over them, so
  // only the outline of the whole shows.
  RoundedRect(cr, ax - 1, ay - 1, aw + 2, ah + 2, 9);
  RoundedRect(cr, bx - 1, by - 1, bw + 2, bh + 2, 9);
  Source(cr, Rgb{90, 150, 210}, 0.7);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Noise nebula(0x9e6a);
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  window();
  cairo_clip(cr);
  LinearSource(cr, 0, ay, 0, ay + ah, {{0, Rgb{5, 8, 20}}, {1, Rgb{12, 10, 28}}});
  cairo_paint(cr);
  cairo_restore(cr);
  const int ox = -k.s.Int("x", 0), oy = -k.s.Int("y", 0);
  auto inWindow = [&](double gx, double gy) {
    return (gx >= ax && gx < ax + aw && gy >= ay && gy < ay + ah) || (gx >= bx && gx < bx + bw && gy >= by && gy < by + bh);
  };
  k.c.Shade(int(bx + ox), int(ay + oy), int(bx + bw + ox), int(ay + ah + oy), [&](int x, int y, Rgb c) {
    double gx = x - ox, gy = y - oy;
    if (!inWindow(gx, gy)) return c;
    double n = nebula.Fractal(gx / 160, gy / 160, 0.5, 4);
    return Mix(c, Rgb{70, 45, 120}, std::clamp((n + 0.1) * 0.6, 0.0, 1.0) * 0.45);
  });
  cairo_save(cr);
  window();
  cairo_clip(cr);
  Scatter stars(0x57a2);
  for (int i = 0; i < 520; ++i) {
    double x = stars.Range(bx, bx + bw), y = stars.Range(ay, ay + ah), u = stars.Unit();
    Source(cr, u < 0.1 ? Rgb{200, 220, 255} : kWhite, u < 0.85 ? 0.3 + 0.4 * stars.Unit() : 0.95);
    cairo_arc(cr, x, y, u < 0.85 ? 0.5 : 1.0, 0, 2 * kPi);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // The missile track across the top of the window: a plain dark strip on which the combat screen
  // puts the volleys in flight (its panels and the missile pictures share the strip's colour).
  RoundedRect(cr, kMissileTrack.x, kMissileTrack.y, kMissileTrack.w, kMissileTrack.h, 4);
  Source(cr, kMissileTrackColour);
  cairo_fill_preserve(cr);
  Source(cr, Rgb{70, 120, 175}, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The wells of the twelve ability buttons along the bottom.
  for (int slot = 0; slot < 12; ++slot) well(11 + slot * 64, 478, 64, 64, Rgb{6, 8, 12}, 6);
  // Thin cyan trims and rivets at the seams of the consoles.
  Source(cr, Rgb{80, 140, 200}, 0.5);
  cairo_set_line_width(cr, 1);
  for (double y : {116.5}) {  // above the window's band, not across it
    cairo_move_to(cr, 0, y), cairo_line_to(cr, ax - 4, y);
    cairo_move_to(cr, ax + aw + 4, y), cairo_line_to(cr, kW, y);
  }
  cairo_move_to(cr, 0, 466.5), cairo_line_to(cr, kW, 466.5);
  cairo_stroke(cr);
  for (double x = 8; x < kW; x += 56) rivet(x, 404), rivet(x, 460);
}

// A strip of indicator lamps in a recessed plate; the lit twin has them glowing amber.
void PaintLamp(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  k.c.Transform([](Rgb) { return Rgb{8, 12, 20}; });
  RoundedRect(cr, 2, h * 0.3, w - 4, h * 0.4, h * 0.2);
  LinearSource(cr, 0, h * 0.3, 0, h * 0.7, {{0, Rgb{6, 8, 14}}, {1, Rgb{34, 44, 62}}});
  cairo_fill(cr);
  int lamps = std::max(3, int(w / 26));
  for (int i = 0; i < lamps; ++i) {
    double x = w * (i + 0.5) / lamps, y = h / 2, r = h * 0.12;
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    if (k.s.lit) {
      RadialSource(cr, x, y, 0, r, {{0, Rgb{255, 245, 200}}, {1, kAmber}});
      cairo_fill(cr);
      Glow(cr, x, y, r * 3.2, kAmber, 0.45);
    } else {
      RadialSource(cr, x, y, 0, r, {{0, Rgb{90, 70, 40}}, {1, Rgb{40, 30, 20}}}, x - r * 0.3, y - r * 0.3);
      cairo_fill(cr);
    }
  }
}

// A deck area seen from above, lit in the colour of who holds it: walls, floor plates and what the
// area holds (an airlock hatch, a corridor, cargo crates, the bridge's consoles).
void PaintDeck(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb light = k.main();
  LinearSource(cr, 0, 0, 0, h, {{0, Rgb{40, 44, 52}}, {1, Rgb{24, 26, 32}}});
  cairo_paint(cr);
  Source(cr, kBlack, 0.35);
  cairo_set_line_width(cr, 1);
  for (double x = 0.5; x < w; x += 14) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, h);
  for (double y = 0.5; y < h; y += 14) cairo_move_to(cr, 0, y), cairo_line_to(cr, w, y);
  cairo_stroke(cr);
  auto box = [&](double x, double y, double bw, double bh, Rgb c) {
    RoundedRect(cr, x, y, bw, bh, 2);
    LinearSource(cr, 0, y, 0, y + bh, {{0, Mix(c, kWhite, 0.25)}, {1, Scale(c, 0.5)}});
    cairo_fill(cr);
  };
  if (k.s.Has("airlock")) {
    cairo_arc(cr, w * 0.5, h * 0.5, h * 0.28, 0, 2 * kPi);
    RadialSource(cr, w * 0.5, h * 0.5, 0, h * 0.28, {{0, Rgb{120, 125, 135}}, {0.8, Rgb{80, 85, 95}}, {1, Rgb{30, 32, 38}}});
    cairo_fill(cr);
    Source(cr, Rgb{230, 190, 60});
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, w * 0.5, h * 0.5, h * 0.3, 0, 2 * kPi);
    cairo_stroke(cr);
  } else if (k.s.Has("corridor")) {
    box(0, h * 0.32, w, h * 0.36, Rgb{70, 75, 85});
    for (double x = 8; x < w; x += 20) Glow(cr, x, h * 0.5, 6, Rgb{200, 220, 255}, 0.5);
  } else if (k.s.Has("cargo")) {
    Scatter s = k.scatter(0xca60);
    for (int i = 0; i < 7; ++i)
      box(w * s.Range(0.08, 0.7), h * s.Range(0.1, 0.62), w * 0.2, h * 0.26, Mix(Rgb{150, 110, 60}, Rgb{90, 100, 80}, s.Unit()));
  } else {  // bridge
    cairo_set_line_width(cr, h * 0.12);
    Source(cr, Rgb{70, 75, 90});
    cairo_arc(cr, w * 0.5, h * 0.95, h * 0.6, kPi * 1.15, kPi * 1.85);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
      double a = kPi * (1.2 + 0.15 * i);
      Glow(cr, w * 0.5 + h * 0.6 * std::cos(a), h * 0.95 + h * 0.6 * std::sin(a), 5, Rgb{90, 220, 255}, 0.9);
    }
  }
  // Walls, and the area's light in its holder's colour.
  RoundedRect(cr, 2, 2, w - 4, h - 4, 4);
  Source(cr, Rgb{110, 115, 125});
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  RadialSource(cr, w / 2, h / 2, 0, std::max(w, h) * 0.7, {{0, light, 0.3}, {1, light, 0.08}});
  cairo_paint(cr);
  cairo_restore(cr);
}

// ---- Insignia and awards ---------------------------------------------------------------------------

void GoldFill(cairo_t* cr, double y0, double y1) {
  LinearSource(cr, 0, y0, 0, y1, {{0, Rgb{255, 240, 170}}, {0.5, kGold}, {1, Rgb{150, 105, 25}}});
  cairo_fill(cr);
}

void PaintShoulder(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  MetalPanel(k, 0, 0, w, h, Scale(k.main(), 0.6), 1.0, h / 2);
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, h / 2 - 1);
  Source(cr, kGold);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  int n = std::clamp(k.s.Int("n", 1), 1, 8);
  if (n >= 7) {  // the admiral: a star
    PolygonPath(cr, StarPoints(w / 2, h / 2, h * 0.4, h * 0.17, 5));
    GoldFill(cr, h * 0.1, h * 0.9);
    return;
  }
  double step = (w - 24) / (n + 1);
  for (int i = 1; i <= n; ++i) {
    RoundedRect(cr, 12 + i * step - 2.5, 6, 5, h - 12, 1);
    GoldFill(cr, 6, h - 6);
  }
}

void PaintCollar(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  MetalPanel(k, 0, 0, w, h, Scale(k.main(), 0.6), 1.0, 4);
  // One to three stars for the lower ranks, on a bar from the fourth, in gold leaves for the admiral:
  // each rank its own pattern at a glance.
  int n = std::clamp(k.s.Int("n", 1), 1, 9);
  if (n >= 7) {
    for (double side : {-1.0, 1.0}) {
      cairo_save(cr);
      cairo_translate(cr, w / 2 + side * w * 0.12, h * 0.55);
      cairo_rotate(cr, side * 0.5);
      cairo_scale(cr, w * 0.12, h * 0.3);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      GoldFill(cr, h * 0.25, h * 0.85);
    }
  }
  const int stars = n >= 7 ? 1 : n >= 4 ? n - 3 : n;
  const bool bar = n >= 4 && n < 7;
  if (bar) {
    cairo_rectangle(cr, w * 0.15, h * 0.66, w * 0.7, h * 0.14);
    GoldFill(cr, h * 0.66, h * 0.8);
  }
  const double y = n >= 7 ? h * 0.25 : bar ? h * 0.38 : h * 0.5, size = std::min(w, h) * 0.17;
  for (int i = 0; i < stars; ++i) {
    double x = w * (stars == 1 ? 0.5 : 0.2 + 0.6 * i / (stars - 1));
    PolygonPath(cr, StarPoints(x, y, size, size * 0.45, 5));
    GoldFill(cr, y - size, y + size);
  }
}

void PaintWings(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2;
  k.c.Transform([](Rgb) { return Rgb{14, 16, 22}; });
  for (double side : {-1.0, 1.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - h * 0.2);
    cairo_curve_to(cr, cx + side * w * 0.2, cy - h * 0.45, cx + side * w * 0.4, cy - h * 0.45, cx + side * w * 0.48, cy - h * 0.3);
    cairo_curve_to(cr, cx + side * w * 0.35, cy, cx + side * w * 0.2, cy + h * 0.3, cx, cy + h * 0.3);
    cairo_close_path(cr);
    GoldFill(cr, 0, h);
  }
  cairo_arc(cr, cx, cy, h * 0.32, 0, 2 * kPi);
  RadialSource(cr, cx, cy, 0, h * 0.32, {{0, Mix(k.main(), kWhite, 0.4)}, {1, Scale(k.main(), 0.6)}});
  cairo_fill(cr);
}

// Stripes with a satin sheen; the ribbon number picks the pattern, the faction the main colour.
void PaintRibbon(Context& k) {
  cairo_t* cr = k.cr();
  int n = k.s.Int("n", 1);
  double w = k.w(), h = k.h();
  Rgb a = k.main(), b = HueColour(std::uint32_t(n) * 67 + 20), c = kWhite;
  const Rgb order[] = {a, b, a, c, b, a, c, a};
  int stripes = 3 + (n * 3) % 7;
  for (int i = 0; i < stripes; ++i) {
    Source(cr, order[(i + n) % 8]);
    cairo_rectangle(cr, w * i / stripes, 0, w / stripes + 0.5, h);
    cairo_fill(cr);
  }
  if (n >= 7) {  // the higher awards: dark edges
    Source(cr, Scale(a, 0.3));
    cairo_rectangle(cr, 0, 0, w * 0.1, h);
    cairo_rectangle(cr, w * 0.9, 0, w * 0.1, h);
    cairo_fill(cr);
  }
  LinearSource(cr, 0, 0, 0, h, {{0, kWhite, 0.3}, {0.45, kWhite, 0.0}, {1, kBlack, 0.35}});
  cairo_paint(cr);
}

void PaintMedal(Context& k) {
  cairo_t* cr = k.cr();
  Rgb metal = k.main();
  double w = k.w(), h = k.h();
  k.c.Transform([](Rgb) { return Rgb{14, 16, 22}; });
  double ribbon = k.s.Has("honor") ? h * 0.35 : h * 0.25;
  PolygonPath(cr, {{w * 0.25, 0}, {w * 0.75, 0}, {w * 0.6, ribbon}, {w * 0.4, ribbon}});
  LinearSource(cr, w * 0.25, 0, w * 0.75, 0, {{0, Rgb{30, 60, 160}}, {0.45, Rgb{50, 90, 200}}, {0.5, kWhite}, {0.55, Rgb{50, 90, 200}}, {1, Rgb{30, 60, 160}}});
  cairo_fill(cr);
  double cy = ribbon + (h - ribbon) / 2, r = std::min(w, h - ribbon) * 0.48;
  auto metalFill = [&](double rr) {
    RadialSource(cr, w / 2, cy, 0, rr, {{0, Mix(metal, kWhite, 0.6)}, {0.7, metal}, {1, Scale(metal, 0.5)}}, w / 2 - rr * 0.3, cy - rr * 0.3);
    cairo_fill(cr);
  };
  if (k.s.Has("honor")) {
    cairo_arc(cr, w / 2, cy, r, 0, 2 * kPi);
    metalFill(r);
  }
  if (k.s.Has("ring")) {
    cairo_arc(cr, w / 2, cy, r * 0.92, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.5);
    Source(cr, metal);
    cairo_stroke(cr);
  }
  double star = k.s.Has("honor") || k.s.Has("ring") ? 0.75 : 1.0;
  PolygonPath(cr, StarPoints(w / 2, cy, r * star, r * star * 0.42, 5));
  if (k.s.Has("honor")) {
    Source(cr, kWhite);
    cairo_fill(cr);
  } else {
    metalFill(r * star);
  }
}

void PaintPlaque(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  MetalPanel(k, 0, 0, w, h, Scale(k.main(), 0.55), 1.0, 4);
  RoundedRect(cr, 3.5, 3.5, w - 7, h - 7, 3);
  Source(cr, kGold, 0.9);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  RoundedRect(cr, 7, 7, w - 14, h - 14, 2);
  Source(cr, kBlack, 0.3);
  cairo_fill(cr);
}

// Rank chevrons in gold on the faction's colour, one more per rank.
void PaintRankPicture(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  MetalPanel(k, 0, 0, w, h, Scale(k.main(), 0.6), 1.0, 3);
  int n = std::clamp(k.s.Int("n", 1), 1, 8);
  double cx = w / 2, span = w * 0.28, step = (h - 8.0) / (n + 1);
  cairo_set_line_width(cr, std::max(1.5, std::min(3.0, step * 0.6)));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  for (int i = 0; i < n; ++i) {
    double y = 4 + step * (i + 0.5);
    cairo_move_to(cr, cx - span, y);
    cairo_line_to(cr, cx, y + step * 0.8);
    cairo_line_to(cr, cx + span, y);
  }
  LinearSource(cr, 0, 0, 0, h, {{0, Rgb{255, 240, 170}}, {1, Scale(kGold, 0.7)}});
  cairo_stroke(cr);
}

// ---- Logos and tiles -------------------------------------------------------------------------------

// A name as lettering: "OuterRim" reads "OUTER RIM".
std::string Lettering(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i > 0 && std::isupper(static_cast<unsigned char>(name[i])) && std::islower(static_cast<unsigned char>(name[i - 1])))
      out += ' ';
    out += char(std::toupper(static_cast<unsigned char>(name[i])));
  }
  return out;
}

// A faction's emblem at (cx, cy), radius r: each faction its own figure.
void Emblem(cairo_t* cr, int figure, double cx, double cy, double r, Rgb t) {
  switch (figure % 4) {
    case 0:  // a star in a ring
      cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
      cairo_set_line_width(cr, r * 0.14);
      Source(cr, t);
      cairo_stroke(cr);
      PolygonPath(cr, StarPoints(cx, cy, r * 0.75, r * 0.3, 5));
      break;
    case 1:  // a world in its orbit
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, -0.4);
      cairo_scale(cr, 1, 0.38);
      cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_set_line_width(cr, r * 0.12);
      Source(cr, t);
      cairo_stroke(cr);
      cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * kPi);
      break;
    case 2:  // a triangle in a hexagon
      PolygonPath(cr, StarPoints(cx, cy, r, r * 0.866, 6, 0));
      cairo_set_line_width(cr, r * 0.12);
      Source(cr, t);
      cairo_stroke(cr);
      PolygonPath(cr, {{cx, cy - r * 0.65}, {cx + r * 0.58, cy + r * 0.4}, {cx - r * 0.58, cy + r * 0.4}});
      break;
    default:  // a diamond eye
      PolygonPath(cr, {{cx, cy - r}, {cx + r * 0.8, cy}, {cx, cy + r}, {cx - r * 0.8, cy}});
      cairo_set_line_width(cr, r * 0.12);
      Source(cr, t);
      cairo_stroke(cr);
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, 1, 0.5);
      cairo_arc(cr, 0, 0, r * 0.5, 0, 2 * kPi);
      cairo_restore(cr);
  }
  RadialSource(cr, cx, cy, 0, r, {{0, Mix(t, kWhite, 0.6)}, {1, t}}, cx - r * 0.3, cy - r * 0.3);
  cairo_fill(cr);
}

int FactionFigure(std::string_view name) {
  if (name.starts_with("Fed")) return 0;
  if (name.starts_with("Out") || name.starts_with("OR")) return 1;
  if (name.starts_with("Coal")) return 2;
  return 3;
}

void PaintLogo(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  RadialSource(cr, w / 2, h * 0.4, 0, w * 0.75, {{0, Scale(t, 0.35)}, {1, Rgb{8, 10, 18}}});
  cairo_paint(cr);
  Glow(cr, w / 2, h * 0.4, w * 0.4, t, 0.35);
  Emblem(cr, FactionFigure(k.a.label), w / 2, h * 0.4, std::min(w, h) * 0.27, Mix(t, kWhite, 0.15));
  k.c.Text(Lettering(k.a.label), w / 2, h * 0.85, h * 0.12, Mix(t, kWhite, 0.7));
}

// A figure for a profession or mission, drawn from its name's words.
void Figure(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb c) {
  auto has = [&](std::string_view word) { return name.find(word) != std::string_view::npos; };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, r * 0.16);
  Source(cr, c);
  auto crosshair = [&] {
    cairo_arc(cr, cx, cy, r * 0.7, 0, 2 * kPi);
    for (double a = 0; a < 2 * kPi; a += kPi / 2)
      cairo_move_to(cr, cx + r * 0.35 * std::cos(a), cy + r * 0.35 * std::sin(a)),
          cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    cairo_stroke(cr);
  };
  auto crate = [&] {
    cairo_rectangle(cr, cx - r * 0.7, cy - r * 0.55, r * 1.4, r * 1.1);
    cairo_move_to(cr, cx - r * 0.7, cy - r * 0.55), cairo_line_to(cr, cx + r * 0.7, cy + r * 0.55);
    cairo_move_to(cr, cx + r * 0.7, cy - r * 0.55), cairo_line_to(cr, cx - r * 0.7, cy + r * 0.55);
    cairo_stroke(cr);
  };
  auto blades = [&] {
    for (double s : {-1.0, 1.0}) {
      cairo_move_to(cr, cx - s * r * 0.8, cy - r * 0.8), cairo_line_to(cr, cx + s * r * 0.6, cy + r * 0.6);
      cairo_move_to(cr, cx + s * r * 0.35, cy + r * 0.75), cairo_line_to(cr, cx + s * r * 0.75, cy + r * 0.35);
    }
    cairo_stroke(cr);
  };
  auto arrows = [&](int n) {
    for (int i = 0; i < n; ++i) {
      double y = cy - r * 0.5 + i * r * 0.5;
      cairo_move_to(cr, cx - r * 0.6, y - r * 0.3), cairo_line_to(cr, cx, y + r * 0.1), cairo_line_to(cr, cx + r * 0.6, y - r * 0.3);
    }
    cairo_stroke(cr);
  };
  auto bolt = [&] {
    PolygonPath(cr, {{cx + r * 0.2, cy - r}, {cx - r * 0.55, cy + r * 0.1}, {cx - r * 0.05, cy + r * 0.1},
                     {cx - r * 0.25, cy + r}, {cx + r * 0.55, cy - r * 0.15}, {cx + r * 0.05, cy - r * 0.15}});
    cairo_fill(cr);
  };
  auto star = [&] {
    PolygonPath(cr, StarPoints(cx, cy, r, r * 0.42, 5));
    cairo_fill(cr);
  };
  auto eye = [&] {
    cairo_move_to(cr, cx - r, cy);
    cairo_curve_to(cr, cx - r * 0.4, cy - r * 0.7, cx + r * 0.4, cy - r * 0.7, cx + r, cy);
    cairo_curve_to(cr, cx + r * 0.4, cy + r * 0.7, cx - r * 0.4, cy + r * 0.7, cx - r, cy);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.28, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto radar = [&] {
    for (double rr : {0.35, 0.7, 1.0}) cairo_new_sub_path(cr), cairo_arc(cr, cx, cy, r * rr, -kPi * 0.9, -kPi * 0.1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.15, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto shield = [&] {
    PolygonPath(cr, {{cx - r * 0.75, cy - r * 0.8}, {cx + r * 0.75, cy - r * 0.8}, {cx + r * 0.75, cy}, {cx, cy + r},
                     {cx - r * 0.75, cy}});
    cairo_stroke(cr);
  };
  auto ship = [&] {
    PolygonPath(cr, {{cx + r, cy}, {cx - r * 0.6, cy - r * 0.7}, {cx - r * 0.25, cy}, {cx - r * 0.6, cy + r * 0.7}});
    cairo_fill(cr);
  };
  auto skull = [&] {
    cairo_arc(cr, cx, cy - r * 0.15, r * 0.7, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - r * 0.4, cy + r * 0.3, r * 0.8, r * 0.45);
    cairo_fill(cr);
    Source(cr, kBlack, 0.8);
    for (double s : {-1.0, 1.0}) cairo_arc(cr, cx + s * r * 0.28, cy - r * 0.15, r * 0.2, 0, 2 * kPi), cairo_fill(cr);
  };
  auto scales = [&] {
    cairo_move_to(cr, cx, cy - r), cairo_line_to(cr, cx, cy + r * 0.8);
    cairo_move_to(cr, cx - r * 0.8, cy - r * 0.6), cairo_line_to(cr, cx + r * 0.8, cy - r * 0.6);
    cairo_move_to(cr, cx - r * 0.5, cy + r * 0.8), cairo_line_to(cr, cx + r * 0.5, cy + r * 0.8);
    cairo_stroke(cr);
    for (double s : {-1.0, 1.0}) cairo_arc(cr, cx + s * r * 0.65, cy - r * 0.1, r * 0.3, 0, kPi), cairo_fill(cr);
  };
  auto bomb = [&] {
    cairo_arc(cr, cx - r * 0.1, cy + r * 0.15, r * 0.65, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_move_to(cr, cx + r * 0.3, cy - r * 0.35), cairo_curve_to(cr, cx + r * 0.5, cy - r * 0.8, cx + r * 0.8, cy - r * 0.6, cx + r * 0.9, cy - r * 0.9);
    cairo_stroke(cr);
  };
  auto tower = [&] {
    PolygonPath(cr, {{cx - r * 0.8, cy + r * 0.8}, {cx - r * 0.8, cy - r * 0.6}, {cx - r * 0.45, cy - r * 0.6}, {cx - r * 0.45, cy - r * 0.3},
                     {cx - r * 0.15, cy - r * 0.3}, {cx - r * 0.15, cy - r * 0.6}, {cx + r * 0.15, cy - r * 0.6}, {cx + r * 0.15, cy - r * 0.3},
                     {cx + r * 0.45, cy - r * 0.3}, {cx + r * 0.45, cy - r * 0.6}, {cx + r * 0.8, cy - r * 0.6}, {cx + r * 0.8, cy + r * 0.8}});
    cairo_fill(cr);
  };
  auto person = [&] {
    cairo_arc(cr, cx, cy - r * 0.5, r * 0.35, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy + r * 0.75, r * 0.7, kPi, 2 * kPi);
    cairo_fill(cr);
  };
  auto route = [&] {
    double dash[] = {r * 0.2, r * 0.2};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_arc(cr, cx + r * 0.8, cy, r * 0.2, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto plus = [&] {
    cairo_rectangle(cr, cx - r * 0.25, cy - r * 0.8, r * 0.5, r * 1.6);
    cairo_rectangle(cr, cx - r * 0.8, cy - r * 0.25, r * 1.6, r * 0.5);
    cairo_fill(cr);
  };
  auto flanks = [&] {
    for (double s : {-1.0, 1.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy + s * r * 0.1, r * 0.8, s < 0 ? kPi * 1.1 : kPi * 0.1, s < 0 ? kPi * 1.9 : kPi * 0.9);
    }
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.2, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto guns = [&] {
    for (int i = -1; i <= 1; ++i) {
      double y = cy + i * r * 0.55;
      cairo_move_to(cr, cx - r * 0.9, y), cairo_line_to(cr, cx + r * 0.3, y);
    }
    cairo_stroke(cr);
    for (int i = -1; i <= 1; ++i) cairo_arc(cr, cx + r * 0.65, cy + i * r * 0.55, r * 0.16, 0, 2 * kPi), cairo_fill(cr);
  };
  auto beam = [&] {
    cairo_move_to(cr, cx - r, cy - r * 0.7), cairo_line_to(cr, cx + r * 0.5, cy);
    cairo_line_to(cr, cx - r, cy + r * 0.7);
    cairo_stroke(cr);
    cairo_arc(cr, cx + r * 0.6, cy, r * 0.3, 0, 2 * kPi);
    cairo_fill(cr);
  };
  auto magnet = [&] {
    cairo_arc_negative(cr, cx, cy, r * 0.6, 0, kPi);
    cairo_stroke(cr);
    for (double s : {-1.0, 1.0}) cairo_rectangle(cr, cx + s * r * 0.6 - r * 0.15, cy - r * 0.8, r * 0.3, r * 0.8);
    cairo_fill(cr);
  };
  // Most specific words first.
  if (has("SearchandDestroy") || has("Bounty") || has("Lock") || has("Mark")) return crosshair();
  if (has("Fire_Gun")) return guns();
  if (has("Focus_Beam")) return beam();
  if (has("Tractor")) return magnet();
  if (has("AttackCap") || has("Flagship")) return ship(), star();
  if (has("CombatTrader")) return crate(), blades();
  if (has("Trader") || has("Tycoon")) return scales();
  if (has("Transport") || has("Supply") || has("Cargo") || has("Raid")) return crate();
  if (has("Mercenary") || has("Battle") || has("Combat") || has("Rage")) return blades();
  if (has("Pirate") || has("Mutilate") || has("Evil")) return skull();
  if (has("Smuggler") || has("Infiltrate") || has("Cloak") || has("Disguise") || has("Spy") || has("Hacker")) return eye();
  if (has("Recon") || has("Analysis") || has("Radio") || has("Track") || has("Rumor") || has("ECM") || has("SOS")) return radar();
  if (has("Patrol") || has("Escort")) return route();
  if (has("Blitz") || has("Overload") || has("EMP") || has("Recharge") || has("Heroic")) return bolt();
  if (has("Suppression") || has("Discipline") || has("Reinforcements")) return arrows(3);
  if (has("Bombing") || has("Missile") || has("Missle")) return bomb();
  if (has("Siege")) return tower();
  if (has("Marine") || has("VIP") || has("Evacuation") || has("Connections") || has("Taunt")) return person();
  if (has("Flanking") || has("Ambush") || has("Evading") || has("Flee")) return flanks();
  if (has("Shield") || has("Deflect") || has("Reflect") || has("Calm") || has("Clean") || has("Amnesty")) return shield();
  if (has("Report") || has("Legend") || has("Reward")) return star();
  if (has("Sacrifice") || has("Fast")) return plus();
  switch (Hash(name) % 6) {
    case 0: return star();
    case 1: return bolt();
    case 2: return ship();
    case 3: return radar();
    case 4: return shield();
    default: return plus();
  }
}

// A profession's shield badge or a mission's tile; lit brighter with a glowing rim, selected framed
// in green.
void PaintTile(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  MetalPanel(k, 0, 0, w, h, Scale(Mix(k.base, t, 0.25), 1.0), k.s.lit ? 1.6 : 1.0, 8);
  double cx = w / 2, cy = h * 0.48, r = std::min(w, h) * 0.26;
  if (k.s.shape == "emblem") {
    PolygonPath(cr, {{cx - w * 0.32, h * 0.12}, {cx + w * 0.32, h * 0.12}, {cx + w * 0.32, h * 0.5}, {cx, h * 0.88},
                     {cx - w * 0.32, h * 0.5}});
    LinearSource(cr, 0, h * 0.12, 0, h * 0.88, {{0, Mix(t, kWhite, 0.25)}, {1, Scale(t, 0.45)}});
    cairo_fill_preserve(cr);
    Source(cr, Mix(t, kWhite, 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Figure(cr, k.a.label, cx, h * 0.44, r * 0.8, Rgb{250, 250, 245});
  } else {
    cairo_arc(cr, cx, cy, r * 1.35, 0, 2 * kPi);
    RadialSource(cr, cx, cy, 0, r * 1.35, {{0, Scale(t, 0.7)}, {1, Scale(t, 0.25)}});
    cairo_fill(cr);
    const Rgb ink = Mix(t, kWhite, 0.75);
    if (!DrawMissionSymbol(cr, k.a.label, cx, cy, r, ink)) Figure(cr, k.a.label, cx, cy, r, ink);
  }
  if (k.s.on) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 7);
    Source(cr, kSelected);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  } else if (k.s.lit) {
    RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, 7);
    Source(cr, Rgb{150, 215, 255});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

// ---- Gauges ----------------------------------------------------------------------------------------

// A sunken trough with a glossy fill up to the fraction, in segments.
void PaintBar(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h();
  Rgb t = k.main();
  RoundedRect(cr, 0, 0, w, h, h / 3);
  LinearSource(cr, 0, 0, 0, h, {{0, Rgb{8, 10, 14}}, {1, Rgb{34, 38, 46}}});
  cairo_fill(cr);
  double inner = w - 4, filled = inner * k.s.Fraction("fill", 0);
  if (filled > 0) {
    RoundedRect(cr, 2, 2, filled, h - 4, (h - 4) / 3);
    LinearSource(cr, 0, 2, 0, h - 2, {{0, Mix(t, kWhite, 0.55)}, {0.45, t}, {1, Scale(t, 0.55)}});
    cairo_fill(cr);
  }
  Source(cr, kBlack, 0.55);
  for (int i = 1; i < 10; ++i) cairo_rectangle(cr, 2 + inner * i / 10, 2, 1, h - 4);
  cairo_fill(cr);
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 3);
  Source(cr, Rgb{110, 125, 145}, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void PaintPips(Context& k) {
  cairo_t* cr = k.cr();
  Rgb t = k.main();
  int of = std::max(1, k.s.Int("of", 5)), n = std::clamp(k.s.Int("n", 0), 0, of);
  k.c.Transform([](Rgb) { return Rgb{10, 12, 18}; });
  double step = k.w() / of, r = std::min(step, k.h()) * 0.32, cy = k.h() / 2;
  for (int i = 0; i < of; ++i) {
    double cx = step * (i + 0.5);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    if (i < n) {
      RadialSource(cr, cx, cy, 0, r, {{0, Mix(t, kWhite, 0.7)}, {0.6, t}, {1, Scale(t, 0.5)}}, cx - r * 0.3, cy - r * 0.3);
      cairo_fill(cr);
      Glow(cr, cx, cy, r * 1.6, t, 0.35);
    } else {
      Source(cr, Scale(t, 0.18));
      cairo_fill_preserve(cr);
      Source(cr, Scale(t, 0.45));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
}

// ---- The shape table -------------------------------------------------------------------------------

using Painter = void (*)(Context&);
struct Shape {
  std::string_view name;
  Rgb base;
  Painter paint;
  std::set<std::string, std::less<>> flags;
  std::set<std::string, std::less<>> params;
  bool lettering = false;  // the picture is lettering by nature
};

const std::vector<Shape>& Shapes() {
  static const std::set<std::string, std::less<>> kFactions{"Pirate_", "Federation_", "Outerrim_", "Coalition_",
                                                            "Syndicate_"};
  auto ship_flags = kFactions;
  ship_flags.insert({"east", "west", "scene", "top", "side", "shield", "empty"});
  auto symbol_flags = kFactions;
  symbol_flags.insert({"ship", "station", "system", "left", "right"});
  static const std::vector<Shape> shapes = {
      {"button", kSteel, PaintButton, {}, {}},
      {"rung", {96, 78, 50}, PaintRung, {}, {}, true},
      {"tab", {40, 96, 110}, PaintButton, {}, {}},
      {"hotspot", {220, 150, 50}, PaintHotspot, {}, {}},
      {"scene", {40, 50, 120}, PaintScene, {"news", "mission", "treasure", "ghost", "pod", "artifact", "fleet", "simulator", "victory"}, {}},
      {"burst", {230, 90, 20}, PaintBurst, {}, {}},
      {"deck", {130, 135, 140}, PaintDeck, {"airlock", "corridor", "cargo", "bridge"}, {}},
      {"frame", {50, 62, 82}, PaintFrame, {}, {"x", "y"}},
      {"lamp", {255, 190, 80}, PaintLamp, {}, {}},
      {"portrait", {110, 80, 60}, PaintPortrait, {"droid"}, {"age"}},
      {"ship", {150, 155, 165}, PaintShip, ship_flags, {"fire", "hull"}},
      {"missile", {190, 190, 200}, PaintMissile, {"east", "west", "mine"}, {}},
      {"beam", {255, 120, 60}, PaintBeam, {"east", "west", "streak", "gap", "Up", "Down"}, {"fire"}},
      {"planet", {128, 128, 128}, PaintPlanet,
       {"star", "ring", "hole", "belt", "base", "gas", "earth", "jungle", "ocean", "desert", "mars", "moon", "dark", "toxic", "ice"}, {}},
      {"city", {60, 60, 110}, PaintCity, {}, {}},
      {"find", {230, 230, 120}, PaintFind, {"pod", "chest", "ghost", "artifact", "data"}, {}},
      {"blip", {200, 200, 200}, PaintBlip, {"battle"}, {}},
      {"uniform", {40, 50, 80}, PaintUniform, {"com", "fem"}, {}},
      {"shoulder", {40, 40, 80}, PaintShoulder, {}, {"n"}},
      {"collar", {40, 40, 80}, PaintCollar, {}, {"n"}},
      {"wings", {230, 195, 60}, PaintWings, {}, {}},
      {"ribbon", {150, 30, 30}, PaintRibbon, {}, {"n"}},
      {"medal", {200, 200, 200}, PaintMedal, {"star", "ring", "honor"}, {}},
      {"plaque", {120, 80, 40}, PaintPlaque, {}, {}},
      {"rankpic", {70, 70, 110}, PaintRankPicture, {}, {"n"}},
      {"logo", {200, 200, 220}, PaintLogo, {}, {}, true},
      {"emblem", {45, 40, 70}, PaintTile, {}, {}},
      {"mission", {30, 60, 50}, PaintTile, {}, {}},
      {"bar", {60, 200, 90}, PaintBar, {}, {"fill"}},
      {"pips", {230, 200, 70}, PaintPips, {}, {"n", "of"}},
      {"symbol", {200, 200, 200}, PaintSymbol, symbol_flags, {}},
      {"ability", {230, 90, 50}, PaintIcon, {}, {}},
      {"skill", {80, 140, 240}, PaintIcon, {}, {}},
      {"equipment", {150, 160, 170}, PaintEquipment, {}, {}},
      {"pointer", {255, 205, 70}, PaintPointer, {"left", "right", "up", "down"}, {}},
  };
  return shapes;
}

const Shape& FindShape(std::string_view kind) {
  std::string_view name = kind.substr(0, kind.find('.'));
  for (const Shape& s : Shapes())
    if (s.name == name) return s;
  throw std::invalid_argument("no picture shape '" + std::string(name) + "'");
}

}  // namespace

Style PictureStyle(const Asset& asset, const Catalogue& catalogue) {
  const Shape& shape = FindShape(asset.kind);
  return ParseStyle(asset.kind, catalogue, shape.flags, shape.params);
}

bool ShapeCarriesText(std::string_view shape) {
  for (const Shape& s : Shapes())
    if (s.name == shape) return s.lettering;
  return false;
}

Canvas Paint(const Asset& asset, const Catalogue& catalogue) {
  const Shape& shape = FindShape(asset.kind);
  Style style = ParseStyle(asset.kind, catalogue, shape.flags, shape.params);
  Canvas canvas(asset.width, asset.height, kBlack);
  Context k{canvas, style, asset, shape.base};
  cairo_save(canvas.cr());
  shape.paint(k);
  cairo_restore(canvas.cr());
  if (cairo_status(canvas.cr()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(std::string("drawing failed: ") + cairo_status_to_string(cairo_status(canvas.cr())));
  if (style.dim)  // greyed out: a rung not reached, a promised planet not granted, a lost victory
    canvas.Transform([](Rgb c) { return Scale(Desaturate(c, 0.9), 0.6); });
  return canvas;
}

}  // namespace assetgen
